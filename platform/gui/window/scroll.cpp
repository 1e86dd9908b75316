// The scroll bars of windows (WS_HSCROLL, WS_VSCROLL) and the SB_CTL forms that talk to a scroll
// bar control.
#include "window/wndsys.h"
#include "window/scrollbars.h"

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
    ScrollModel::Normalise(si);
}

// Moves the pixels of `area` (client coordinates, already clipped) by dx, dy inside `clip`.
void MovePixels(WndRec* w, const RECT& area, const RECT& clip, int dx, int dy)
{
    MiscSurface& s = w->surface;
    RECT dest = area;
    OffsetRect(&dest, dx, dy);
    RECT bounds{0, 0, s.width, s.height};
    OffsetRect(&bounds, -w->client.left, -w->client.top);
    IntersectRect(&dest, &dest, &clip);
    IntersectRect(&dest, &dest, &bounds);
    if (IsRectEmpty(&dest))
        return;
    const int width = dest.right - dest.left;
    std::vector<uint32_t> copy(static_cast<size_t>(width) * static_cast<size_t>(dest.bottom - dest.top));
    for (int y = dest.top; y < dest.bottom; ++y) {
        const uint32_t* from = s.row(y - dy + w->client.top) + (dest.left - dx + w->client.left);
        std::copy(from, from + width, copy.begin() + static_cast<long>(y - dest.top) * width);
    }
    for (int y = dest.top; y < dest.bottom; ++y)
        std::copy(copy.begin() + static_cast<long>(y - dest.top) * width,
                  copy.begin() + static_cast<long>(y - dest.top + 1) * width, s.row(y + w->client.top) + dest.left + w->client.left);
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
    if (info->fMask & SIF_TRACKPOS) {
        // The dragged thumb's position while a press on the bar lasts, else the position.
        int trackPos = si->nPos;
        TrackedScrollPart(hwnd, bar, &trackPos);
        info->nTrackPos = trackPos;
    }
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

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn, LPRECT updateRect,
                   UINT flags)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return ERROR;
    RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    RECT area = scroll ? *scroll : client;
    RECT limit = clip ? *clip : client;
    IntersectRect(&limit, &limit, &client);
    IntersectRect(&area, &area, &limit);
    if (flags & SW_SCROLLCHILDREN) {
        // Children whose rectangles meet the scrolled area (all of them without one) move along.
        std::vector<HWND> children = w->children;
        for (HWND child : children) {
            RECT cr;
            GetWindowRect(child, &cr);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&cr), 2);
            RECT meet;
            if (scroll && !IntersectRect(&meet, &cr, scroll))
                continue;
            SetWindowPos(child, nullptr, cr.left + dx, cr.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
        w = Find(hwnd);
        if (!w)
            return ERROR;
    }
    MovePixels(w, area, limit, dx, dy);
    // What was to be painted moves with the pixels.
    if (!IsRectEmpty(&w->update)) {
        RECT moved = w->update;
        OffsetRect(&moved, dx, dy);
        IntersectRect(&moved, &moved, &limit);
        UnionRect(&w->update, &w->update, &moved);
    }
    // The part of the area the move uncovered.
    HRGN uncovered = CreateRectRgnIndirect(&area);
    RECT covered = area;
    OffsetRect(&covered, dx, dy);
    IntersectRect(&covered, &covered, &limit);
    HRGN moved = CreateRectRgnIndirect(&covered);
    int kind = CombineRgn(uncovered, uncovered, moved, RGN_DIFF);
    DeleteObject(moved);
    RECT box{};
    GetRgnBox(uncovered, &box);
    if (updateRgn)
        CombineRgn(updateRgn, uncovered, nullptr, RGN_COPY);
    if (updateRect)
        *updateRect = box;
    if ((flags & SW_INVALIDATE) && kind != NULLREGION)
        InvalidateRgn(hwnd, uncovered, (flags & SW_ERASE) != 0);
    DeleteObject(uncovered);
    return kind;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip)
{
    // Without a scroll rectangle the children move too, as Windows does.
    const UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN);
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr, flags) != ERROR;
}
