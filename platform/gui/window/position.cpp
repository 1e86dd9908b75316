// Window geometry: the non-client frame, showing and hiding, SetWindowPos with its messages,
// coordinate mapping and hit testing.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace wndsys {

namespace {

// The frame width Windows adds around the client area for a style (AdjustWindowRectEx without
// the caption, menu and client edge).
int FrameWidth(DWORD style, DWORD exStyle)
{
    int adjust = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        adjust = 1;
    else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
        adjust = 2;
    if (style & WS_THICKFRAME)
        adjust += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME))
        adjust++;
    return adjust;
}

void AdjustForStyle(RECT* r, DWORD style, DWORD exStyle, bool menu, int sign)
{
    if (style & WS_MINIMIZE)
        return;
    int frame = FrameWidth(style, exStyle) * sign;
    InflateRect(r, frame, frame);
    if ((style & WS_CAPTION) == WS_CAPTION)
        r->top -= sign * GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    if (menu)
        r->top -= sign * GetSystemMetrics(SM_CYMENU);
    if (exStyle & WS_EX_CLIENTEDGE)
        InflateRect(r, sign * GetSystemMetrics(SM_CXEDGE), sign * GetSystemMetrics(SM_CYEDGE));
}

std::vector<HWND>* SiblingList(WndRec* w)
{
    if (!w->parent)
        return &Sys().topLevel;
    WndRec* p = Find(w->parent);
    return p ? &p->children : nullptr;
}

// Moves w in its sibling list; returns true when the order changed.
bool Reorder(WndRec* w, HWND after)
{
    std::vector<HWND>* list = SiblingList(w);
    if (!list)
        return false;
    std::vector<HWND> before = *list;
    list->erase(std::remove(list->begin(), list->end(), w->handle), list->end());
    if (after == HWND_TOPMOST)
        w->exStyle |= WS_EX_TOPMOST;
    else if (after == HWND_NOTOPMOST)
        w->exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
    if (after == HWND_BOTTOM) {
        list->push_back(w->handle);
    } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        auto pos = list->begin();
        // Top-level windows that are not topmost stay below the topmost ones.
        if (!w->parent && !(w->exStyle & WS_EX_TOPMOST))
            while (pos != list->end() && Find(*pos) && (Find(*pos)->exStyle & WS_EX_TOPMOST))
                ++pos;
        list->insert(pos, w->handle);
    } else {
        auto pos = std::find(list->begin(), list->end(), after);
        list->insert(pos == list->end() ? list->end() : pos + 1, w->handle);
    }
    return before != *list;
}

} // namespace

void ComputeNonClient(const WndRec* w, RECT* r)
{
    AdjustForStyle(r, w->style, w->exStyle, false, -1);
    r->top += MenuBarHeight(w->handle, r->right - r->left); // menu/menu_bar.cpp
    if ((w->style & WS_VSCROLL) && r->right - r->left >= GetSystemMetrics(SM_CXVSCROLL))
        r->right -= GetSystemMetrics(SM_CXVSCROLL);
    if ((w->style & WS_HSCROLL) && r->bottom - r->top >= GetSystemMetrics(SM_CYHSCROLL))
        r->bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (r->right < r->left)
        r->right = r->left;
    if (r->bottom < r->top)
        r->bottom = r->top;
}

POINT ClientOriginOnScreen(const WndRec* w)
{
    RECT r = WindowRectOnScreen(w);
    return POINT{r.left + w->client.left, r.top + w->client.top};
}

RECT WindowRectOnScreen(const WndRec* w)
{
    RECT r = w->window;
    if (w->parent)
        if (const WndRec* p = Find(w->parent)) {
            POINT o = ClientOriginOnScreen(p);
            OffsetRect(&r, o.x, o.y);
        }
    return r;
}

void ResizeSurface(WndRec* w)
{
    int width = std::max(0, static_cast<int>(w->window.right - w->window.left));
    int height = std::max(0, static_cast<int>(w->window.bottom - w->window.top));
    if (w->surface.width == width && w->surface.height == height)
        return;
    // New pixels are transparent: what a window never paints shows what lies beneath it, as on a
    // screen where an unpainted window keeps the picture behind it.
    MiscSurface fresh(width, height, 0x00000000u);
    int cw = std::min(width, w->surface.width);
    int ch = std::min(height, w->surface.height);
    for (int y = 0; y < ch; ++y)
        std::copy(w->surface.row(y), w->surface.row(y) + cw, fresh.row(y));
    // Assign in place: device contexts keep a pointer to the surface object.
    w->surface.width = fresh.width;
    w->surface.height = fresh.height;
    w->surface.pixels.swap(fresh.pixels);
}

bool IsVisibleTree(const WndRec* w)
{
    while (w) {
        if (!(w->style & WS_VISIBLE))
            return false;
        w = w->parent ? Find(w->parent) : nullptr;
    }
    return true;
}

void RecalcClient(HWND hwnd, bool sendCalc)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    RECT r = w->window;
    if (sendCalc) {
        SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
        if (!(w = Find(hwnd)))
            return;
    } else {
        ComputeNonClient(w, &r);
    }
    OffsetRect(&r, -w->window.left, -w->window.top);
    int width = w->window.right - w->window.left;
    int height = w->window.bottom - w->window.top;
    r.left = std::clamp<LONG>(r.left, 0, width);
    r.top = std::clamp<LONG>(r.top, 0, height);
    r.right = std::clamp<LONG>(r.right, r.left, width);
    r.bottom = std::clamp<LONG>(r.bottom, r.top, height);
    w->client = r;
    ResizeSurface(w);
}

} // namespace wndsys

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect)
        return FALSE;
    AdjustForStyle(rect, style, exStyle, menu != FALSE, 1);
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu)
{
    return AdjustWindowRectEx(rect, style, menu, 0);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WndRec* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return FALSE;
    }
    flags &= ~static_cast<UINT>(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = w->window.left;
        wp.y = w->window.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = w->window.right - w->window.left;
        wp.cy = w->window.bottom - w->window.top;
    }
    if (wp.cx < 0)
        wp.cx = 0;
    if (wp.cy < 0)
        wp.cy = 0;
    bool visible = (w->style & WS_VISIBLE) != 0;
    if ((wp.flags & SWP_SHOWWINDOW) && visible)
        wp.flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    if ((wp.flags & SWP_HIDEWINDOW) && !visible)
        wp.flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
    if (wp.x == w->window.left && wp.y == w->window.top)
        wp.flags |= SWP_NOMOVE;
    if (wp.cx == w->window.right - w->window.left && wp.cy == w->window.bottom - w->window.top)
        wp.flags |= SWP_NOSIZE;

    if (!(wp.flags & SWP_NOSENDCHANGING)) {
        SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!(w = Find(hwnd)))
            return FALSE;
        if (!(wp.flags & SWP_NOMOVE) && wp.x == w->window.left && wp.y == w->window.top)
            wp.flags |= SWP_NOMOVE;
        if (!(wp.flags & SWP_NOSIZE) && wp.cx == w->window.right - w->window.left &&
            wp.cy == w->window.bottom - w->window.top)
            wp.flags |= SWP_NOSIZE;
    }
    if (!(wp.flags & SWP_NOZORDER) && !Reorder(w, wp.hwndInsertAfter))
        wp.flags |= SWP_NOZORDER;

    RECT oldClient = w->client;
    POINT oldClientPos{w->window.left + w->client.left, w->window.top + w->client.top};
    if (!(wp.flags & SWP_NOMOVE))
        OffsetRect(&w->window, wp.x - w->window.left, wp.y - w->window.top);
    if (!(wp.flags & SWP_NOSIZE)) {
        w->window.right = w->window.left + wp.cx;
        w->window.bottom = w->window.top + wp.cy;
    }
    if (!(wp.flags & SWP_NOSIZE) || (wp.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = w->window;
        params.rgrc[1] = w->window;
        params.rgrc[2] = oldClient;
        OffsetRect(&params.rgrc[2], oldClientPos.x - oldClient.left, oldClientPos.y - oldClient.top);
        params.lppos = &wp;
        SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        if (!(w = Find(hwnd)))
            return FALSE;
        RECT c = params.rgrc[0];
        OffsetRect(&c, -w->window.left, -w->window.top);
        w->client = c;
        {
            int width = w->window.right - w->window.left;
            int height = w->window.bottom - w->window.top;
            w->client.left = std::clamp<LONG>(w->client.left, 0, width);
            w->client.top = std::clamp<LONG>(w->client.top, 0, height);
            w->client.right = std::clamp<LONG>(w->client.right, w->client.left, width);
            w->client.bottom = std::clamp<LONG>(w->client.bottom, w->client.top, height);
        }
        ResizeSurface(w);
    }
    if (w->client.right - w->client.left == oldClient.right - oldClient.left &&
        w->client.bottom - w->client.top == oldClient.bottom - oldClient.top)
        wp.flags |= SWP_NOCLIENTSIZE;
    if (w->window.left + w->client.left == oldClientPos.x && w->window.top + w->client.top == oldClientPos.y)
        wp.flags |= SWP_NOCLIENTMOVE;

    if (wp.flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW)
        w->style &= ~static_cast<DWORD>(WS_VISIBLE);
    bool repaint = !(wp.flags & SWP_NOREDRAW) &&
                   (!(wp.flags & SWP_NOSIZE) || (wp.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)));
    if (repaint)
        InvalidateWhole(w, true, true);
    else if (wp.flags & SWP_FRAMECHANGED)
        w->ncDirty = true;

    const UINT nothing = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;
    bool changed = (wp.flags & nothing) != nothing ||
                   (wp.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED));
    if (changed)
        SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!repaint)
        flags |= SWP_NOREDRAW;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, flags);
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND hwnd, int cmd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return FALSE;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    RECT target = w->window;
    bool sized = false;
    int state = w->showState;
    switch (cmd) {
    case SW_HIDE:
        if (!wasVisible)
            return FALSE;
        flags |= SWP_HIDEWINDOW;
        if (w->style & WS_CHILD)
            flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWMAXIMIZED: {
        state = SW_SHOWMAXIMIZED;
        if (w->showState != SW_SHOWMAXIMIZED && w->showState != SW_SHOWMINIMIZED)
            w->normalRect = w->window;
        RECT area{0, 0, Sys().desktopWidth, Sys().desktopHeight};
        if (w->parent)
            GetClientRect(w->parent, &area);
        else
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        target = area;
        sized = true;
        flags |= SWP_SHOWWINDOW;
        break;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        state = SW_SHOWMINIMIZED;
        if (w->showState != SW_SHOWMAXIMIZED && w->showState != SW_SHOWMINIMIZED)
            w->normalRect = w->window;
        target = w->parent ? RECT{0, 0, 160, 24} : RECT{-32000, -32000, -31840, -31976};
        sized = true;
        flags |= SWP_SHOWWINDOW;
        if (cmd != SW_SHOWMINIMIZED)
            flags |= SWP_NOACTIVATE;
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (w->showState != SW_SHOWNORMAL) {
            target = w->normalRect;
            sized = true;
        }
        state = SW_SHOWNORMAL;
        flags |= SWP_SHOWWINDOW;
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    default: // SW_SHOW
        flags |= SWP_SHOWWINDOW;
        break;
    }
    if (w->style & WS_CHILD)
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    if (show == wasVisible && !sized && state == w->showState)
        return wasVisible;
    w->showState = state;
    w->style &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
    if (state == SW_SHOWMAXIMIZED)
        w->style |= WS_MAXIMIZE;
    else if (state == SW_SHOWMINIMIZED)
        w->style |= WS_MINIMIZE;
    if (show != wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, show, 0);
        if (!Find(hwnd))
            return wasVisible;
    }
    if (sized)
        flags &= ~static_cast<UINT>(SWP_NOSIZE | SWP_NOMOVE);
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, flags | (sized ? SWP_FRAMECHANGED : 0));
    if (!(w = Find(hwnd)))
        return wasVisible;
    if (!show) {
        // A hidden window keeps neither the focus nor the activation.
        System& s = Sys();
        if (s.focus && (s.focus == hwnd || IsChild(hwnd, s.focus)))
            SetFocus(w->parent);
        if (s.active == hwnd)
            SetActiveWindow(w->owner);
    } else if (!(w->style & WS_CHILD) && !(flags & SWP_NOACTIVATE) && Sys().active != hwnd) {
        SetActiveWindow(hwnd);
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w && IsVisibleTree(w);
}

BOOL IsIconic(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    WndRec* w = Find(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = WindowRectOnScreen(w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    WndRec* w = Find(hwnd);
    if (!rect)
        return FALSE;
    if (!hwnd) {
        *rect = RECT{0, 0, Sys().desktopWidth, Sys().desktopHeight};
        return TRUE;
    }
    if (!w)
        return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

namespace {
POINT OriginOf(HWND hwnd, bool* ok)
{
    *ok = true;
    if (!hwnd || hwnd == GetDesktopWindow())
        return POINT{0, 0};
    WndRec* w = Find(hwnd);
    if (!w) {
        *ok = false;
        return POINT{0, 0};
    }
    return ClientOriginOnScreen(w);
}
} // namespace

BOOL ClientToScreen(HWND hwnd, LPPOINT pt)
{
    WndRec* w = Find(hwnd);
    if (!w || !pt)
        return FALSE;
    POINT o = ClientOriginOnScreen(w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt)
{
    WndRec* w = Find(hwnd);
    if (!w || !pt)
        return FALSE;
    POINT o = ClientOriginOnScreen(w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT pts, UINT count)
{
    bool okFrom, okTo;
    POINT a = OriginOf(from, &okFrom);
    POINT b = OriginOf(to, &okTo);
    if (!okFrom || !okTo) {
        SetLastError(1400);
        return 0;
    }
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; pts && i < count; ++i) {
        pts[i].x += dx;
        pts[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags)
{
    WndRec* p = Find(parent);
    if (!p)
        return nullptr;
    RECT client;
    GetClientRect(parent, &client);
    if (!PtInRect(&client, pt))
        return nullptr;
    for (HWND h : p->children) {
        WndRec* c = Find(h);
        if (!c)
            continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED))
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (PtInRect(&c->window, pt))
            return h;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) { return ChildWindowFromPointEx(parent, pt, CWP_ALL); }

namespace {
bool InRegion(const WndRec* w, POINT screen)
{
    if (!w->region)
        return true;
    RECT r = WindowRectOnScreen(w);
    return PtInRegion(w->region, screen.x - r.left, screen.y - r.top) != FALSE;
}

HWND DeepestChild(HWND hwnd, POINT screen)
{
    WndRec* w = Find(hwnd);
    for (HWND h : w->children) {
        WndRec* c = Find(h);
        if (!c || !(c->style & WS_VISIBLE))
            continue;
        RECT r = WindowRectOnScreen(c);
        if (!PtInRect(&r, screen) || !InRegion(c, screen))
            continue;
        if (c->style & WS_DISABLED)
            return hwnd;
        return DeepestChild(h, screen);
    }
    return hwnd;
}
} // namespace

HWND WindowFromPoint(POINT pt)
{
    for (HWND top : Sys().topLevel) {
        WndRec* w = Find(top);
        if (!w || !(w->style & WS_VISIBLE))
            continue;
        RECT r = WindowRectOnScreen(w);
        if (PtInRect(&r, pt) && InRegion(w, pt))
            return DeepestChild(top, pt);
    }
    return nullptr;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    WndRec* w = Find(hwnd);
    if (!w || !placement)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = (w->style & WS_VISIBLE) ? static_cast<UINT>(w->showState) : SW_HIDE;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = w->showState == SW_SHOWNORMAL ? w->window : w->normalRect;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement)
{
    WndRec* w = Find(hwnd);
    if (!w || !placement)
        return FALSE;
    const RECT& r = placement->rcNormalPosition;
    if (w->showState == SW_SHOWNORMAL)
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    else
        w->normalRect = r;
    ShowWindow(hwnd, static_cast<int>(placement->showCmd));
    return TRUE;
}
