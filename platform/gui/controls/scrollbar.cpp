// The SCROLLBAR class: horizontal and vertical scroll bar controls (and size boxes). Clicks on
// the arrows and the track send WM_HSCROLL / WM_VSCROLL to the parent with the control's handle.
#include "controls/ctlsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

struct BarState {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0};
    bool arrowsDisabled = false;
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
bool Vertical(HWND hwnd) { return (StyleOf(hwnd) & SBS_VERT) != 0; }
BarState* Of(HWND hwnd) { return ctl::StateOf<BarState>(hwnd); }

void Normalise(SCROLLINFO& si)
{
    if (si.nMax < si.nMin)
        si.nMax = si.nMin;
    UINT range = static_cast<UINT>(si.nMax - si.nMin + 1);
    si.nPage = std::min(si.nPage, range);
    int maxPos = si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
    si.nPos = std::clamp(si.nPos, si.nMin, std::max(si.nMin, maxPos));
}

void Notify(HWND hwnd, WORD code, int pos)
{
    HWND parent = GetParent(hwnd);
    if (parent)
        SendMessageA(parent, Vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)),
                     reinterpret_cast<LPARAM>(hwnd));
}

void Click(HWND hwnd, POINT pt)
{
    BarState* s = Of(hwnd);
    RECT r;
    GetClientRect(hwnd, &r);
    bool vertical = Vertical(hwnd);
    int length = vertical ? r.bottom : r.right;
    int at = vertical ? pt.y : pt.x;
    int arrow = std::min(length / 2, GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
    WORD code;
    if (at < arrow)
        code = SB_LINEUP;
    else if (at >= length - arrow)
        code = SB_LINEDOWN;
    else {
        int span = s->si.nMax - s->si.nMin + 1;
        int thumbAt = span > 0 ? arrow + (length - 2 * arrow) * (s->si.nPos - s->si.nMin) / span : arrow;
        code = at < thumbAt ? SB_PAGEUP : SB_PAGEDOWN;
    }
    Notify(hwnd, code, 0);
    if (IsWindow(hwnd))
        Notify(hwnd, SB_ENDSCROLL, 0);
}

void Paint(HWND hwnd)
{
    BarState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT r;
        GetClientRect(hwnd, &r);
        if (StyleOf(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP)) {
            FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
            DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        } else {
            MiscDrawScrollBar(dc, &r, Vertical(hwnd), &s->si, IsWindowEnabled(hwnd) && !s->arrowsDisabled);
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK BarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    BarState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<BarState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        ctl::DeleteState<BarState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case SBM_SETPOS: {
        int old = s->si.nPos;
        s->si.nPos = static_cast<int>(wParam);
        Normalise(s->si);
        if (lParam)
            InvalidateRect(hwnd, nullptr, FALSE);
        return old;
    }
    case SBM_GETPOS: return s->si.nPos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        int old = s->si.nPos;
        s->si.nMin = static_cast<int>(wParam);
        s->si.nMax = static_cast<int>(lParam);
        Normalise(s->si);
        InvalidateRect(hwnd, nullptr, FALSE);
        return old;
    }
    case SBM_GETRANGE:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = s->si.nMin;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = s->si.nMax;
        return 0;
    case SBM_SETSCROLLINFO: {
        auto* in = reinterpret_cast<const SCROLLINFO*>(lParam);
        if (!in)
            return s->si.nPos;
        if (in->fMask & SIF_RANGE) {
            s->si.nMin = in->nMin;
            s->si.nMax = in->nMax;
        }
        if (in->fMask & SIF_PAGE)
            s->si.nPage = in->nPage;
        if (in->fMask & SIF_POS)
            s->si.nPos = in->nPos;
        Normalise(s->si);
        if (wParam)
            InvalidateRect(hwnd, nullptr, FALSE);
        return s->si.nPos;
    }
    case SBM_GETSCROLLINFO: {
        auto* out = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!out)
            return FALSE;
        UINT mask = out->fMask;
        if (mask & SIF_RANGE) {
            out->nMin = s->si.nMin;
            out->nMax = s->si.nMax;
        }
        if (mask & SIF_PAGE)
            out->nPage = s->si.nPage;
        if (mask & SIF_POS)
            out->nPos = s->si.nPos;
        if (mask & SIF_TRACKPOS)
            out->nTrackPos = s->si.nPos;
        return TRUE;
    }
    case SBM_ENABLE_ARROWS:
        s->arrowsDisabled = wParam == ESB_DISABLE_BOTH;
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case WM_LBUTTONDOWN:
        if (!(StyleOf(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP)))
            Click(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterScrollBarClass() { RegisterControlClass("ScrollBar", BarProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
