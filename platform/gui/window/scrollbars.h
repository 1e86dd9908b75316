#pragma once
// The scroll model and the scroll bar machinery shared by the window's own bars (WS_VSCROLL,
// WS_HSCROLL), the scroll bar control, the track bar, the list box and the list view: a range
// with a page and a position clamped as Windows clamps it, the layout of a bar's parts, and the
// tracking of a press on a bar (arrows, page areas, the thumb) that reports WM_VSCROLL /
// WM_HSCROLL as Windows' scroll loop does.
#include "win32/user.h"

namespace wndsys {

// A range nMin..nMax, a page and a position; the position runs from nMin to nMax - page + 1.
struct ScrollModel {
    // Orders the range, limits the page to it and clamps the position.
    static void Normalise(SCROLLINFO& si);
    static int MaxPos(const SCROLLINFO& si);
    // The position an SB_ (or TB_) code leads to: line and page steps, top and bottom, and the
    // thumb codes (to thumbPos). Clamped; SB_ENDSCROLL keeps the position.
    // page <= 0 steps by the model's own page.
    static int Apply(const SCROLLINFO& si, WORD code, int line, int page, int thumbPos);
};

enum class ScrollPart { None, FirstArrow, FirstPage, Thumb, LastPage, LastArrow };

// Where a bar's parts lie in the rectangle it fills.
struct ScrollBarLayout {
    RECT first{}, last{}, track{}, thumb{};
    bool active = false;     // enabled and the range is larger than the page
    bool thumbShown = false; // there is room for a thumb
};

ScrollBarLayout LayoutScrollBar(const RECT& r, bool vertical, const SCROLLINFO& si, bool enabled);
ScrollPart HitScrollBar(const ScrollBarLayout& layout, bool vertical, POINT p);
// The position whose thumb starts at `thumbStart` pixels into the track.
int ScrollPosAt(const ScrollBarLayout& layout, bool vertical, const SCROLLINFO& si, int thumbStart);
// Draws a bar through the theme; `pressed` is drawn held down, and while the thumb is dragged
// `trackPos` places it (otherwise pass si.nPos).
void PaintScrollBar(HDC dc, const RECT& r, bool vertical, const SCROLLINFO& si, bool enabled, ScrollPart pressed,
                    int trackPos);

// The rectangle of a window's own bar (SB_VERT, SB_HORZ) in its window coordinates; false when
// the window has no such bar.
bool WindowScrollBarRect(HWND hwnd, int bar, RECT* r);

// Starts tracking a press at `screen` on a bar: the window's own (SB_VERT, SB_HORZ; reported to
// hwnd) or a scroll bar control (SB_CTL; reported to its parent with the control's handle). The
// first report goes out at once; moves and the release are taken while the press lasts (the
// mouse is captured), then SB_ENDSCROLL ends it. False when the point is on no part.
bool StartScrollTrack(HWND hwnd, int bar, POINT screen);
// The part held down on hwnd's bar while it is tracked, else None; its position while the thumb
// is dragged.
ScrollPart TrackedScrollPart(HWND hwnd, int bar, int* trackPos);

} // namespace wndsys
