// The SCROLLBAR class: horizontal and vertical scroll bar controls (and size boxes). Presses on
// the arrows, the page areas and the thumb send WM_HSCROLL / WM_VSCROLL to the parent with the
// control's handle, tracked as the window's own bars are (window/scrollbars.h).
#include "controls/ctlsys.h"
#include "window/scrollbars.h"

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

void Normalise(SCROLLINFO& si) { ScrollModel::Normalise(si); }

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
            int trackPos = s->si.nPos;
            const ScrollPart pressed = TrackedScrollPart(hwnd, SB_CTL, &trackPos);
            PaintScrollBar(dc, r, Vertical(hwnd), s->si, IsWindowEnabled(hwnd) && !s->arrowsDisabled, pressed,
                           trackPos);
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
        if (mask & SIF_TRACKPOS) {
            int trackPos = s->si.nPos;
            TrackedScrollPart(hwnd, SB_CTL, &trackPos);
            out->nTrackPos = trackPos;
        }
        return TRUE;
    }
    case SBM_ENABLE_ARROWS:
        s->arrowsDisabled = wParam == ESB_DISABLE_BOTH;
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case WM_LBUTTONDOWN:
        if (!(StyleOf(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP)) && !s->arrowsDisabled) {
            POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &pt);
            StartScrollTrack(hwnd, SB_CTL, pt);
        }
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
