// DefWindowProc: what a window does with the messages its own procedure leaves alone.
#include "window/wndsys.h"
#include "window/scrollbars.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT HitTest(WndRec* w, POINT screen)
{
    RECT wr = WindowRectOnScreen(w);
    if (!PtInRect(&wr, screen))
        return HTNOWHERE;
    POINT p{screen.x - wr.left, screen.y - wr.top};
    if (PtInRect(&w->client, p))
        return HTCLIENT;
    RECT inner = w->window;
    OffsetRect(&inner, -inner.left, -inner.top);
    ComputeNonClient(w, &inner);
    if ((w->style & WS_VSCROLL) && p.x >= inner.right && p.y >= inner.top && p.y < inner.bottom)
        return HTVSCROLL;
    if ((w->style & WS_HSCROLL) && p.y >= inner.bottom && p.x >= inner.left && p.x < inner.right)
        return HTHSCROLL;
    if ((w->style & WS_CAPTION) == WS_CAPTION && p.y < w->client.top && p.x >= w->client.left &&
        p.x < w->client.right) {
        int buttonWidth = GetSystemMetrics(SM_CXSIZE);
        if ((w->style & WS_SYSMENU) && p.x >= w->client.right - buttonWidth - 2)
            return HTCLOSE;
        return HTCAPTION;
    }
    if (w->style & WS_THICKFRAME) {
        int width = wr.right - wr.left, height = wr.bottom - wr.top, edge = GetSystemMetrics(SM_CXFRAME);
        bool left = p.x < edge, right = p.x >= width - edge, top = p.y < edge, bottom = p.y >= height - edge;
        if (top && left) return HTTOPLEFT;
        if (top && right) return HTTOPRIGHT;
        if (bottom && left) return HTBOTTOMLEFT;
        if (bottom && right) return HTBOTTOMRIGHT;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
    }
    return HTBORDER;
}

LRESULT ControlColor(HDC dc, UINT msg)
{
    int back = COLOR_3DFACE;
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX)
        back = COLOR_WINDOW;
    else if (msg == WM_CTLCOLORSCROLLBAR)
        back = COLOR_SCROLLBAR;
    SetBkColor(dc, GetSysColor(back == COLOR_SCROLLBAR ? COLOR_3DHILIGHT : back));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(back));
}

void HandlePosChanging(HWND hwnd, WINDOWPOS* wp)
{
    WndRec* w = Find(hwnd);
    if (!w || (wp->flags & SWP_NOSIZE) || !((w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD))))
        return;
    MINMAXINFO mmi{};
    mmi.ptMaxSize = {Sys().desktopWidth, Sys().desktopHeight};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!(w = Find(hwnd)) || (w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return;
    wp->cx = std::min<int>(wp->cx, mmi.ptMaxTrackSize.x);
    wp->cy = std::min<int>(wp->cy, mmi.ptMaxTrackSize.y);
    if (w->style & WS_THICKFRAME) {
        wp->cx = std::max<int>(wp->cx, mmi.ptMinTrackSize.x);
        wp->cy = std::max<int>(wp->cy, mmi.ptMinTrackSize.y);
    }
}

void HandlePosChanged(HWND hwnd, const WINDOWPOS* wp)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return;
    if (!(wp->flags & SWP_NOCLIENTMOVE))
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(w->window.left + w->client.left, w->window.top + w->client.top));
    if (!(w = Find(hwnd)))
        return;
    if (!(wp->flags & SWP_NOCLIENTSIZE)) {
        WPARAM type = SIZE_RESTORED;
        if (w->style & WS_MAXIMIZE)
            type = SIZE_MAXIMIZED;
        else if (w->style & WS_MINIMIZE)
            type = SIZE_MINIMIZED;
        SendMessageA(hwnd, WM_SIZE, type,
                     MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    }
}

LRESULT EraseBackground(WndRec* w, HDC dc)
{
    HBRUSH brush = w->cls->background;
    if (!brush)
        return 0;
    RECT r;
    GetClientRect(w->handle, &r);
    FillRect(dc, &r, brush); // FillRect accepts a system colour index + 1 as well
    return 1;
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return 0;
    if (LRESULT menuResult = 0; MenuDefProc(hwnd, msg, wParam, lParam, &menuResult)) // menu/menu_bar.cpp
        return menuResult;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        for (SCROLLINFO& si : w->scroll) {
            si = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0};
        }
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                         : reinterpret_cast<RECT*>(lParam);
        if (r)
            ComputeNonClient(w, r);
        return 0;
    }
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(hwnd);
        DrawNonClient(hwnd, dc);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_NCACTIVATE:
        w->ncDirty = true;
        return TRUE;
    case WM_NCHITTEST:
        return HitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
        // A press on the window's own scroll bar is tracked until the button is released.
        if (wParam == HTVSCROLL || wParam == HTHSCROLL)
            StartScrollTrack(hwnd, wParam == HTVSCROLL ? SB_VERT : SB_HORZ,
                             POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            w->ncDirty = true;
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? w->iconBig : w->iconSmall;
        HICON old = slot;
        slot = reinterpret_cast<HICON>(lParam);
        w->ncDirty = true;
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->iconBig : w->iconSmall);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(w->cls->icon);
    case WM_ERASEBKGND:
        return EraseBackground(w, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING:
        HandlePosChanging(hwnd, reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        HandlePosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_SETCURSOR: {
        if ((w->style & WS_CHILD) && w->parent &&
            SendMessageA(w->parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (!(w = Find(hwnd)))
            return FALSE;
        if (LOWORD(lParam) == HTCLIENT && w->cls->cursor) {
            SetCursor(w->cls->cursor);
            return TRUE;
        }
        return FALSE;
    }
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent) {
            LRESULT r = SendMessageA(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r)
                return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE))
            SetFocus(hwnd);
        return 0;
    case WM_RBUTTONUP: {
        // A right click asks for the context menu, at the click's place on the screen.
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        if ((w->style & WS_CHILD) && w->parent)
            return SendMessageA(w->parent, msg, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessageA(hwnd, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
        default: break;
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && GetKeyState(VK_MENU) < 0)
            SendMessageA(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColor(reinterpret_cast<HDC>(wParam), msg);
    case WM_SETREDRAW:
        w->redrawOff = !wParam;
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_NOTIFYFORMAT:
        return 1; // NFR_ANSI
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return -1;
    default:
        return 0;
    }
}
