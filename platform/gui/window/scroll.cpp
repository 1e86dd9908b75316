// The scroll bars of windows (WS_HSCROLL, WS_VSCROLL) and the SB_CTL forms that talk to a scroll
// bar control.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

SCROLLINFO* BarOf(HWND hwnd, int bar)
{
    WndRec* w = Find(hwnd);
    if (!w || (bar != SB_HORZ && bar != SB_VERT))
        return nullptr;
    return &w->scroll[bar];
}

void Normalise(SCROLLINFO& si)
{
    if (si.nMax < si.nMin)
        si.nMax = si.nMin;
    UINT range = static_cast<UINT>(si.nMax - si.nMin + 1);
    si.nPage = std::min(si.nPage, range);
    int maxPos = si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
    si.nPos = std::clamp(si.nPos, si.nMin, std::max(si.nMin, maxPos));
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw)
{
    if (!info)
        return 0;
    if (bar == SB_CTL)
        return static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    SCROLLINFO* si = BarOf(hwnd, bar);
    if (!si)
        return 0;
    if (info->fMask & SIF_RANGE) {
        si->nMin = info->nMin;
        si->nMax = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
        si->nPage = info->nPage;
    if (info->fMask & SIF_POS)
        si->nPos = info->nPos;
    Normalise(*si);
    if (redraw)
        if (WndRec* w = Find(hwnd))
            w->ncDirty = true;
    return si->nPos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info)
{
    if (!info)
        return FALSE;
    if (bar == SB_CTL)
        return static_cast<BOOL>(SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    SCROLLINFO* si = BarOf(hwnd, bar);
    if (!si)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = si->nMin;
        info->nMax = si->nMax;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = si->nPage;
    if (info->fMask & SIF_POS)
        info->nPos = si->nPos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = si->nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    int old = GetScrollPos(hwnd, bar);
    SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hwnd, bar, &si) ? si.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    SCROLLINFO si{sizeof(si), SIF_RANGE, minPos, maxPos, 0, 0, 0};
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos)
{
    SCROLLINFO si{sizeof(si), SIF_RANGE, 0, 0, 0, 0, 0};
    BOOL ok = GetScrollInfo(hwnd, bar, &si);
    if (minPos)
        *minPos = si.nMin;
    if (maxPos)
        *maxPos = si.nMax;
    return ok;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return FALSE;
    if (bar == SB_CTL)
        return ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE), TRUE;
    DWORD bits = 0;
    if (bar == SB_HORZ || bar == SB_BOTH)
        bits |= WS_HSCROLL;
    if (bar == SB_VERT || bar == SB_BOTH)
        bits |= WS_VSCROLL;
    DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style != w->style) {
        w->style = style;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return TRUE;
}
