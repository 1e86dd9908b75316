// Creating and destroying windows, with the messages Windows sends on the way:
//   create:  WM_GETMINMAXINFO (top-level, sizable), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
//            WM_SIZE, WM_MOVE, WM_PARENTNOTIFY to the parent, then the show sequence when
//            WS_VISIBLE was given;
//   destroy: WM_PARENTNOTIFY to the parent, the hide sequence when visible, WM_DESTROY to the
//            window and then (parents before children) to every descendant, WM_NCDESTROY to every
//            descendant (children before parents) and last to the window itself.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

bool IsSizableTopLevel(DWORD style)
{
    return (style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD));
}

void ApplyDefaultPosition(CREATESTRUCTA& cs, bool child)
{
    System& s = Sys();
    if (cs.x == CW_USEDEFAULT) {
        if (child) {
            cs.x = cs.y = 0;
        } else {
            // Cascade new windows from the top-left corner, as the desktop does.
            int n = static_cast<int>(s.topLevel.size() % 8);
            cs.x = 26 * (n + 1);
            cs.y = 26 * (n + 1);
        }
    }
    if (cs.cx == CW_USEDEFAULT) {
        if (child) {
            cs.cx = cs.cy = 0;
        } else {
            cs.cx = s.desktopWidth * 3 / 4;
            cs.cy = s.desktopHeight * 3 / 4;
        }
    }
    if (cs.cx < 0)
        cs.cx = 0;
    if (cs.cy < 0)
        cs.cy = 0;
}

void LinkChild(WndRec* w)
{
    if (w->linked)
        return;
    w->linked = true;
    if (w->parent) {
        if (WndRec* p = Find(w->parent))
            p->children.push_back(w->handle); // new children go to the bottom of the z-order
    } else {
        Sys().topLevel.insert(Sys().topLevel.begin(), w->handle);
    }
}

void Unlink(WndRec* w)
{
    if (!w->linked)
        return;
    w->linked = false;
    std::vector<HWND>* list = &Sys().topLevel;
    if (w->parent) {
        WndRec* p = Find(w->parent);
        list = p ? &p->children : nullptr;
    }
    if (list)
        list->erase(std::remove(list->begin(), list->end(), w->handle), list->end());
}

void ClampToTrackSize(HWND hwnd, CREATESTRUCTA& cs)
{
    MINMAXINFO mmi{};
    System& s = Sys();
    mmi.ptMaxSize = {s.desktopWidth, s.desktopHeight};
    mmi.ptMaxPosition = {0, 0};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (cs.cx > mmi.ptMaxTrackSize.x)
        cs.cx = mmi.ptMaxTrackSize.x;
    if (cs.cy > mmi.ptMaxTrackSize.y)
        cs.cy = mmi.ptMaxTrackSize.y;
    // Windows enforces the minimum tracking size only for sizable frames.
    if (cs.style & WS_THICKFRAME) {
        if (cs.cx < mmi.ptMinTrackSize.x)
            cs.cx = mmi.ptMinTrackSize.x;
        if (cs.cy < mmi.ptMinTrackSize.y)
            cs.cy = mmi.ptMinTrackSize.y;
    }
}

void NotifyParents(HWND hwnd, UINT event)
{
    WndRec* w = Find(hwnd);
    if (!w || !(w->style & WS_CHILD) || (w->exStyle & WS_EX_NOPARENTNOTIFY))
        return;
    WPARAM wParam = MAKEWPARAM(event, static_cast<WORD>(w->id));
    LPARAM lParam = reinterpret_cast<LPARAM>(hwnd);
    // Each ancestor hears of it, up to the first that asked not to tell its own parent.
    HWND parent = w->parent;
    while (parent) {
        WndRec* p = Find(parent);
        if (!p)
            break;
        SendMessageA(parent, WM_PARENTNOTIFY, wParam, lParam);
        p = Find(parent);
        if (!p || !(p->style & WS_CHILD) || (p->exStyle & WS_EX_NOPARENTNOTIFY))
            break;
        parent = p->parent;
    }
}

void SendDestroy(HWND hwnd)
{
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        if (Find(child))
            SendDestroy(child);
}

void FreeWindow(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (WndRec* c = Find(child))
            c->destroying = true;
        FreeWindow(child);
    }
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    System& s = Sys();
    if (s.destroyHook)
        s.destroyHook(hwnd);
    w = Find(hwnd);
    if (!w)
        return;
    KillWindowTimers(hwnd);
    RemoveQueuedMessages(hwnd);
    ForgetWindowInput(hwnd);
    Unlink(w);
    if (w->region)
        DeleteObject(w->region);
    for (auto it = s.dcs.begin(); it != s.dcs.end();)
        it = it->second == hwnd ? s.dcs.erase(it) : std::next(it);
    s.windows.erase(hwnd);
}

} // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param)
{
    std::shared_ptr<ClassRec> cls = FindClass(className);
    if (!cls) {
        SetLastError(1407); // ERROR_CANNOT_FIND_WND_CLASS
        return nullptr;
    }
    if (parent == HWND_MESSAGE)
        parent = nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && !Find(parent)) {
        SetLastError(1406); // ERROR_TLW_WITH_WSCHILD
        return nullptr;
    }
    if (!child && parent && !Find(parent)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // Overlapped windows always get a caption and clip their siblings.
    if (!(style & (WS_CHILD | WS_POPUP)))
        style |= WS_CAPTION | WS_CLIPSIBLINGS;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_DLGFRAME | WS_THICKFRAME)))
        exStyle |= WS_EX_WINDOWEDGE;
    else
        exStyle &= ~static_cast<DWORD>(WS_EX_WINDOWEDGE);

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    ApplyDefaultPosition(cs, child);

    System& s = Sys();
    auto rec = std::make_unique<WndRec>();
    HWND hwnd = reinterpret_cast<HWND>(s.nextHandle);
    s.nextHandle += 4;
    WndRec* w = rec.get();
    w->handle = hwnd;
    w->cls = cls;
    w->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    w->exStyle = exStyle;
    if (child)
        w->parent = parent;
    else if (parent)
        w->owner = GetAncestor(parent, GA_ROOT);
    w->id = reinterpret_cast<LONG_PTR>(menu);
    w->instance = instance;
    w->proc = cls->proc;
    w->extra.assign(static_cast<size_t>(cls->wndExtra), 0);
    w->iconBig = nullptr;
    s.windows[hwnd] = std::move(rec);
    if (!child)
        LinkChild(w);

    if (s.createHook)
        s.createHook(hwnd, &cs);
    if (!Find(hwnd))
        return nullptr;
    if (!child && IsSizableTopLevel(style))
        ClampToTrackSize(hwnd, cs);
    if (!(w = Find(hwnd)))
        return nullptr;
    w->window = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    w->normalRect = w->window;

    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        FreeWindow(hwnd);
        return nullptr;
    }
    if (!(w = Find(hwnd)))
        return nullptr;
    LinkChild(w);
    RecalcClient(hwnd, true);
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = Find(hwnd)))
        return nullptr;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    if (!(w = Find(hwnd)))
        return nullptr;
    POINT origin{w->window.left + w->client.left, w->window.top + w->client.top};
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    if (!Find(hwnd))
        return nullptr;
    NotifyParents(hwnd, WM_CREATE);
    if (!(w = Find(hwnd)))
        return nullptr;
    InvalidateWhole(w, true, false);
    if (style & WS_VISIBLE) {
        int cmd = SW_SHOW;
        if (style & WS_MAXIMIZE)
            cmd = SW_SHOWMAXIMIZED;
        else if (style & WS_MINIMIZE)
            cmd = SW_SHOWMINIMIZED;
        ShowWindow(hwnd, cmd);
    }
    return Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w || w->destroying) {
        SetLastError(1400); // ERROR_INVALID_WINDOW_HANDLE
        return FALSE;
    }
    w->destroying = true;
    NotifyParents(hwnd, WM_DESTROY);
    if ((w = Find(hwnd)) && (w->style & WS_VISIBLE)) {
        SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!Find(hwnd))
            return TRUE;
        UINT flags = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags);
    }
    // Windows owned by a top-level window go before it.
    System& s = Sys();
    std::vector<HWND> owned;
    for (HWND top : s.topLevel)
        if (WndRec* t = Find(top); t && t->owner == hwnd)
            owned.push_back(top);
    for (HWND o : owned)
        DestroyWindow(o);
    if (!Find(hwnd))
        return TRUE;
    LeaveInput(hwnd);
    SendDestroy(hwnd);
    FreeWindow(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return Find(hwnd) != nullptr; }
