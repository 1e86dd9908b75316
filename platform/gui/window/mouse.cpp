// Mouse input as Windows routes it: from a point on the screen to the window under it (or the
// capture window), with WM_NCHITTEST, WM_MOUSEACTIVATE, WM_SETCURSOR, non-client messages,
// double clicks by time and distance, hover and leave tracking (TrackMouseEvent) on the virtual
// clock, and the wheel to the focus.
#include "window/wndsys.h"

#include <cstdlib>

using namespace wndsys;

namespace {

const UINT_PTR kHoverTimer = 0xFFFF0A11u; // the system's hover timer on the tracked window

struct Tracking {
    HWND hwnd = nullptr;
    DWORD flags = 0; // TME_HOVER | TME_LEAVE | TME_NONCLIENT
    UINT hoverTime = 0;
    POINT hoverStart{};
};

struct ClickMemory {
    UINT button = 0; // WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN of the last click
    HWND hwnd = nullptr;
    bool nonClient = false;
    DWORD time = 0;
    POINT pt{};
};

// Input state that lives with the window system (cleared by ResetMouseRouting).
Tracking g_tracking;
ClickMemory g_lastClick;

bool IsButtonDown(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}

UINT DoubleOf(UINT down) { return down + 2; } // WM_xBUTTONDOWN -> WM_xBUTTONDBLCLK

void UpdateButtons(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: MiscSetKeyState(VK_LBUTTON, TRUE); break;
    case WM_LBUTTONUP: MiscSetKeyState(VK_LBUTTON, FALSE); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: MiscSetKeyState(VK_RBUTTON, TRUE); break;
    case WM_RBUTTONUP: MiscSetKeyState(VK_RBUTTON, FALSE); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: MiscSetKeyState(VK_MBUTTON, TRUE); break;
    case WM_MBUTTONUP: MiscSetKeyState(VK_MBUTTON, FALSE); break;
    default: break;
    }
}

WPARAM KeyFlags()
{
    WPARAM flags = 0;
    if (GetKeyState(VK_LBUTTON) < 0) flags |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) flags |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) flags |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) flags |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) flags |= MK_CONTROL;
    return flags;
}

LPARAM Pack(POINT pt) { return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)); }

// The deepest visible, enabled child of h under a screen point (h itself when none).
HWND Descend(HWND h, POINT screen)
{
    for (int depth = 0; depth < 256; ++depth) {
        POINT p = screen;
        ScreenToClient(h, &p);
        HWND c = ChildWindowFromPointEx(h, p, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
        if (!c || c == h)
            return h;
        h = c;
    }
    return h;
}

// The window under a screen point that claims it: WindowFromPoint, then WM_NCHITTEST; a window
// answering HTTRANSPARENT gives the point to the windows below it (its lower siblings, then its
// parent). `hit` receives the hit-test code.
HWND Claimant(POINT screen, LRESULT* hit)
{
    HWND h = WindowFromPoint(screen);
    for (int guard = 0; h && guard < 256; ++guard) {
        *hit = SendMessageA(h, WM_NCHITTEST, 0, Pack(screen));
        if (!Find(h))
            break;
        if (*hit != HTTRANSPARENT)
            return h;
        HWND next = nullptr;
        if (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) {
            for (HWND s = GetWindow(h, GW_HWNDNEXT); s && !next; s = GetWindow(s, GW_HWNDNEXT)) {
                RECT r;
                GetWindowRect(s, &r);
                if (IsWindowVisible(s) && IsWindowEnabled(s) && PtInRect(&r, screen))
                    next = Descend(s, screen);
            }
        }
        h = next ? next : GetParent(h);
    }
    *hit = HTNOWHERE;
    return nullptr;
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Find(hwnd))
        PostMessageA(hwnd, msg, wParam, lParam);
}

// Leave tracking: the tracked window is told once the mouse is no longer over it (or over its
// non-client area, for TME_NONCLIENT).
void CheckLeave(HWND under, bool nonClient)
{
    Tracking& t = g_tracking;
    if (!t.hwnd || !(t.flags & TME_LEAVE))
        return;
    bool wantNc = (t.flags & TME_NONCLIENT) != 0;
    if (under == t.hwnd && nonClient == wantNc)
        return;
    HWND hwnd = t.hwnd;
    t = Tracking{};
    KillTimer(hwnd, kHoverTimer);
    Post(hwnd, wantNc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

void CALLBACK HoverDue(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    KillTimer(hwnd, kHoverTimer);
    Tracking& t = g_tracking;
    if (t.hwnd != hwnd || !(t.flags & TME_HOVER))
        return;
    t.flags &= ~static_cast<DWORD>(TME_HOVER);
    if (!(t.flags & TME_LEAVE))
        t = Tracking{};
    POINT pt = Sys().cursorPos;
    if (WindowFromPoint(pt) != hwnd)
        return;
    LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, Pack(pt));
    if (hit != HTCLIENT) {
        Post(hwnd, WM_NCMOUSEHOVER, static_cast<WPARAM>(hit), Pack(pt));
        return;
    }
    ScreenToClient(hwnd, &pt);
    Post(hwnd, WM_MOUSEHOVER, KeyFlags(), Pack(pt));
}

// A move more than half the hover rectangle away starts the hover time again.
void CheckHover(HWND under, POINT screen)
{
    Tracking& t = g_tracking;
    if (!t.hwnd || under != t.hwnd || !(t.flags & TME_HOVER))
        return;
    int dx = std::abs(static_cast<int>(screen.x - t.hoverStart.x));
    int dy = std::abs(static_cast<int>(screen.y - t.hoverStart.y));
    if (dx <= GetSystemMetrics(SM_CXMOUSEHOVER) / 2 && dy <= GetSystemMetrics(SM_CYMOUSEHOVER) / 2)
        return;
    t.hoverStart = screen;
    SetTimer(t.hwnd, kHoverTimer, t.hoverTime, &HoverDue);
}

// WM_xBUTTONDOWN becomes WM_xBUTTONDBLCLK when the same button goes down again on the same window
// within the double-click time and rectangle; the click after a double click starts afresh.
UINT ClickKind(UINT down, HWND target, bool nonClient, POINT screen)
{
    ClickMemory& last = g_lastClick;
    DWORD now = GetTickCount();
    bool isDouble = last.button == down && last.hwnd == target && last.nonClient == nonClient &&
                    now - last.time <= GetDoubleClickTime() &&
                    std::abs(static_cast<int>(screen.x - last.pt.x)) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                    std::abs(static_cast<int>(screen.y - last.pt.y)) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    WndRec* w = Find(target);
    // Non-client double clicks come to every window; client ones only to classes that ask.
    if (isDouble && !nonClient && !(w && w->cls && (w->cls->style & CS_DBLCLKS)))
        isDouble = false;
    if (isDouble) {
        last = ClickMemory{};
        return DoubleOf(down);
    }
    last = ClickMemory{down, target, nonClient, now, screen};
    return down;
}

// Activation by a click in an inactive top-level window; true when the click is eaten.
bool MouseActivate(HWND target, LRESULT hit, UINT msg)
{
    HWND top = GetAncestor(target, GA_ROOT);
    if (!top || top == GetActiveWindow())
        return false;
    LRESULT r = SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(hit, msg));
    if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT || r == 0) && Find(top))
        SetActiveWindow(top);
    return r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT;
}

void RouteWheel(int delta, POINT screen)
{
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target)
        target = WindowFromPoint(screen);
    if (target)
        PostMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(KeyFlags(), delta), Pack(screen));
}

} // namespace

namespace wndsys {
void ResetMouseRouting()
{
    g_tracking = Tracking{};
    g_lastClick = ClickMemory{};
}
} // namespace wndsys

void MiscSendMouseAt(UINT msg, int screenX, int screenY, int wheel)
{
    SetCursorPos(screenX, screenY);
    POINT screen = Sys().cursorPos;
    UpdateButtons(msg);
    if (msg == WM_MOUSEWHEEL) {
        RouteWheel(wheel, screen);
        MiscSettle();
        return;
    }
    LRESULT hit = HTCLIENT;
    HWND target = GetCapture();
    if (target) {
        CheckLeave(target, false);
        CheckHover(target, screen);
    } else {
        target = Claimant(screen, &hit);
        CheckLeave(target, hit != HTCLIENT);
        if (!target) {
            MiscSettle();
            return;
        }
        // A disabled top-level window (the owner of a modal dialog) takes no clicks.
        HWND top = GetAncestor(target, GA_ROOT);
        if (!IsWindowEnabled(top)) {
            SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTERROR, msg));
            MiscSettle();
            return;
        }
        bool eaten = IsButtonDown(msg) && MouseActivate(target, hit, msg);
        if (!Find(target))
            return;
        SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, msg));
        if (eaten || !Find(target)) {
            MiscSettle();
            return;
        }
        CheckHover(target, screen);
    }
    bool nonClient = hit != HTCLIENT;
    UINT routed = IsButtonDown(msg) ? ClickKind(msg, target, nonClient, screen) : msg;
    if (nonClient) {
        // WM_MOUSEMOVE 0x200 -> WM_NCMOUSEMOVE 0xA0, WM_LBUTTONDOWN 0x201 -> WM_NCLBUTTONDOWN 0xA1...
        Post(target, routed - WM_MOUSEFIRST + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), Pack(screen));
    } else {
        POINT client = screen;
        ScreenToClient(target, &client);
        Post(target, routed, KeyFlags(), Pack(client));
    }
    MiscSettle();
}

void MiscSendMouse(HWND hwnd, UINT msg, int x, int y, int wheel)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    POINT screen{x, y};
    ClientToScreen(hwnd, &screen);
    if (IsVisibleTree(w) || msg == WM_MOUSEWHEEL) {
        MiscSendMouseAt(msg, screen.x, screen.y, wheel);
        return;
    }
    // A hidden window is under no point: the message goes to it directly, as a test of a window
    // that was never shown expects.
    SetCursorPos(screen.x, screen.y);
    UpdateButtons(msg);
    HWND target = GetCapture() ? GetCapture() : hwnd;
    POINT client = Sys().cursorPos;
    ScreenToClient(target, &client);
    Post(target, msg, KeyFlags(), Pack(client));
    MiscSettle();
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT tme)
{
    if (!tme || tme->cbSize < sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Tracking& t = g_tracking;
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = t.hwnd ? t.flags : 0;
        tme->hwndTrack = t.hwnd;
        tme->dwHoverTime = t.hoverTime;
        return TRUE;
    }
    if (!Find(tme->hwndTrack)) {
        SetLastError(1400);
        return FALSE;
    }
    DWORD wanted = tme->dwFlags & (TME_HOVER | TME_LEAVE);
    if (tme->dwFlags & TME_CANCEL) {
        if (t.hwnd == tme->hwndTrack) {
            t.flags &= ~wanted;
            if (!(t.flags & TME_HOVER))
                KillTimer(t.hwnd, kHoverTimer);
            if (!(t.flags & (TME_HOVER | TME_LEAVE)))
                t = Tracking{};
        }
        return TRUE;
    }
    POINT pt = Sys().cursorPos;
    bool nonClient = (tme->dwFlags & TME_NONCLIENT) != 0;
    LRESULT hit = HTCLIENT;
    HWND under = Claimant(pt, &hit);
    if (under != tme->hwndTrack || (hit != HTCLIENT) != nonClient) {
        // The mouse is not there: a leave is reported at once and nothing is tracked.
        if (wanted & TME_LEAVE)
            PostMessageA(tme->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (t.hwnd && t.hwnd != tme->hwndTrack)
        KillTimer(t.hwnd, kHoverTimer);
    if (t.hwnd != tme->hwndTrack)
        t = Tracking{};
    t.hwnd = tme->hwndTrack;
    t.flags = (t.flags & ~static_cast<DWORD>(TME_NONCLIENT)) | wanted | (tme->dwFlags & TME_NONCLIENT);
    if (wanted & TME_HOVER) {
        t.hoverTime = tme->dwHoverTime == HOVER_DEFAULT ? MISC_HOVER_TIME : tme->dwHoverTime;
        t.hoverStart = pt;
        SetTimer(t.hwnd, kHoverTimer, t.hoverTime, &HoverDue);
    }
    return TRUE;
}
