// Invalidation, painting (WM_NCPAINT, WM_ERASEBKGND, WM_PAINT through BeginPaint/EndPaint),
// device contexts of windows, window regions and layered attributes.
//
// The update area of a window is kept as one rectangle (the bounding box of everything
// invalidated), which is what GetUpdateRect and PAINTSTRUCT::rcPaint report in Windows too.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

RECT ClientBox(const WndRec* w)
{
    return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

void AddUpdate(WndRec* w, const RECT& area, bool erase)
{
    RECT box = ClientBox(w), r;
    if (!IntersectRect(&r, &area, &box))
        return;
    UnionRect(&w->update, &w->update, &r);
    if (erase)
        w->updateErase = true;
}

// Invalidates `area` (client coordinates of w) in w and, when `children` says so, in the
// children it covers.
void Invalidate(WndRec* w, const RECT& area, bool erase, bool children, bool frame)
{
    AddUpdate(w, area, erase);
    if (frame)
        w->ncDirty = true;
    if (!children)
        return;
    for (HWND h : w->children) {
        WndRec* c = Find(h);
        if (!c)
            continue;
        RECT r = area;
        OffsetRect(&r, -c->window.left - c->client.left, -c->window.top - c->client.top);
        RECT inWindow = area, wr = c->window, hit;
        if (!IntersectRect(&hit, &inWindow, &wr))
            continue;
        Invalidate(c, r, erase, true, frame);
    }
}

void Validate(WndRec* w, const RECT* area, bool children)
{
    ++w->validations;
    if (!area || (area->left <= w->update.left && area->top <= w->update.top &&
                  area->right >= w->update.right && area->bottom >= w->update.bottom)) {
        w->update = RECT{};
        w->updateErase = false;
    }
    if (!children)
        return;
    for (HWND h : w->children)
        if (WndRec* c = Find(h))
            Validate(c, nullptr, true);
}

MiscSurface& DesktopSurface()
{
    static MiscSurface* surface = new MiscSurface;
    System& s = Sys();
    if (surface->width != s.desktopWidth || surface->height != s.desktopHeight)
        *surface = MiscSurface(s.desktopWidth, s.desktopHeight, MiscPixelFromColor(GetSysColor(COLOR_DESKTOP)));
    return *surface;
}

HDC MakeDC(WndRec* w, bool windowDC, const RECT* clipClient)
{
    RECT clip;
    int ox = 0, oy = 0;
    if (windowDC) {
        clip = RECT{0, 0, w->surface.width, w->surface.height};
    } else {
        ox = w->client.left;
        oy = w->client.top;
        clip = w->client;
        if (clipClient) {
            RECT c = *clipClient;
            OffsetRect(&c, ox, oy);
            IntersectRect(&clip, &clip, &c);
        }
    }
    HDC dc = MiscCreateSurfaceDC(&w->surface, ox, oy, &clip);
    if (dc)
        Sys().dcs[dc] = w->handle;
    return dc;
}

void PreOrder(HWND hwnd, std::vector<HWND>& out)
{
    WndRec* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE))
        return;
    out.push_back(hwnd);
    for (HWND c : w->children)
        PreOrder(c, out);
}

std::vector<HWND> PaintOrder(HWND root)
{
    std::vector<HWND> order;
    if (root) {
        WndRec* w = Find(root);
        if (w && IsVisibleTree(w))
            PreOrder(root, order);
    } else {
        std::vector<HWND> tops = Sys().topLevel;
        for (auto it = tops.rbegin(); it != tops.rend(); ++it)
            PreOrder(*it, order);
    }
    return order;
}

void PaintOne(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    if (!IsRectEmpty(&w->update)) {
        PaintMessage(hwnd);
        if (!(w = Find(hwnd)))
            return;
    }
    if (w->ncDirty) {
        w->ncDirty = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    }
}

} // namespace

namespace wndsys {

void InvalidateWhole(WndRec* w, bool erase, bool children)
{
    Invalidate(w, ClientBox(w), erase, children, true);
}

bool NeedsPaint(const WndRec* w)
{
    return !w->redrawOff && (!IsRectEmpty(&w->update) || w->ncDirty);
}

HWND FindWindowToPaint(HWND filter)
{
    for (HWND h : PaintOrder(filter))
        if (WndRec* w = Find(h); w && NeedsPaint(w))
            return h;
    return nullptr;
}

int PaintPending(HWND root)
{
    // One pass in paint order (parents before their children): a parent's paint that invalidates
    // a child is seen by the child in the same pass.
    int painted = 0;
    for (HWND h : PaintOrder(root)) {
        WndRec* w = Find(h);
        if (w && NeedsPaint(w)) {
            PaintOne(h);
            ++painted;
        }
    }
    return painted;
}

void PaintMessage(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    unsigned before = w->validations;
    SendMessageA(hwnd, WM_PAINT, 0, 0);
    if (!(w = Find(hwnd)) || w->validations != before)
        return;
    w->update = RECT{};
    w->updateErase = false;
    w->ncDirty = false;
}

} // namespace wndsys

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase)
{
    return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE);
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn) { return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE); }

BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN updateRgn, UINT flags)
{
    if (!hwnd || hwnd == GetDesktopWindow()) {
        std::vector<HWND> tops = Sys().topLevel;
        for (HWND top : tops)
            RedrawWindow(top, nullptr, nullptr, flags | RDW_ALLCHILDREN);
        return TRUE;
    }
    WndRec* w = Find(hwnd);
    if (!w)
        return FALSE;
    RECT area = ClientBox(w);
    if (update)
        area = *update;
    else if (updateRgn)
        GetRgnBox(updateRgn, &area);
    bool children = (flags & RDW_ALLCHILDREN) ||
                    (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (flags & RDW_INVALIDATE)
        Invalidate(w, area, (flags & RDW_ERASE) != 0, children, (flags & RDW_FRAME) != 0);
    if (flags & RDW_VALIDATE) {
        Validate(w, (update || updateRgn) ? &area : nullptr, children);
        if (flags & RDW_NOFRAME)
            w->ncDirty = false;
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        if (flags & RDW_ALLCHILDREN)
            PaintPending(hwnd);
        else if (NeedsPaint(w) && IsVisibleTree(w))
            PaintOne(hwnd);
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!Find(hwnd))
        return FALSE;
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return FALSE;
    if (rect)
        *rect = w->update;
    if (erase && !IsRectEmpty(&w->update) && w->updateErase) {
        HDC dc = GetDC(hwnd);
        w->updateErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
        ReleaseDC(hwnd, dc);
        if (!(w = Find(hwnd)))
            return FALSE;
    }
    return !IsRectEmpty(&w->update);
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps)
{
    WndRec* w = Find(hwnd);
    if (!w || !ps)
        return nullptr;
    if (w->ncDirty) {
        w->ncDirty = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = Find(hwnd)))
            return nullptr;
    }
    *ps = PAINTSTRUCT{};
    ++w->validations;
    ps->rcPaint = w->update;
    bool erase = w->updateErase;
    w->update = RECT{};
    w->updateErase = false;
    ps->hdc = MakeDC(w, false, &ps->rcPaint);
    if (erase)
        ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
    return ps->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps)
{
    if (!ps)
        return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd)
{
    if (!hwnd || hwnd == GetDesktopWindow()) {
        HDC dc = MiscCreateSurfaceDC(&DesktopSurface(), 0, 0, nullptr);
        if (dc)
            Sys().dcs[dc] = nullptr;
        return dc;
    }
    WndRec* w = Find(hwnd);
    return w ? MakeDC(w, false, nullptr) : nullptr;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return GetDC(hwnd);
    HDC dc = MakeDC(w, (flags & DCX_WINDOW) != 0, nullptr);
    if (dc && clip)
        SelectClipRgn(dc, clip);
    return dc;
}

HDC GetWindowDC(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w ? MakeDC(w, true, nullptr) : GetDC(nullptr);
}

int ReleaseDC(HWND, HDC dc)
{
    System& s = Sys();
    auto it = s.dcs.find(dc);
    if (it == s.dcs.end())
        return 0;
    s.dcs.erase(it);
    DeleteDC(dc);
    return 1;
}

HWND WindowFromDC(HDC dc)
{
    auto it = Sys().dcs.find(dc);
    return it == Sys().dcs.end() ? nullptr : it->second;
}

BOOL LockWindowUpdate(HWND) { return TRUE; }

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return 0;
    if (w->region && w->region != rgn)
        DeleteObject(w->region);
    w->region = rgn;
    if (redraw)
        InvalidateWhole(w, true, true);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn)
{
    WndRec* w = Find(hwnd);
    if (!w || !w->region || !rgn)
        return ERROR;
    return CombineRgn(rgn, w->region, nullptr, RGN_COPY);
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags)
{
    WndRec* w = Find(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    w->colorKey = key;
    w->alpha = alpha;
    w->layeredFlags = flags & (LWA_ALPHA | LWA_COLORKEY);
    w->layeredSet = true;
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags)
{
    WndRec* w = Find(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED) || !w->layeredSet)
        return FALSE;
    if (key)
        *key = w->colorKey;
    if (alpha)
        *alpha = w->alpha;
    if (flags)
        *flags = w->layeredFlags;
    return TRUE;
}
