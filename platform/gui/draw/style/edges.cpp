// DrawEdge, DrawFocusRect and the system colours, in the classic Windows look.
#include <algorithm>

#include "../stock.h"
#include "style_painter.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

struct RingColors {
    COLORREF topLeft, bottomRight;
};

// One ring of an edge: top-left lines stop one pixel short of the far corners, so the
// top-right and bottom-left corner pixels take the bottom-right colour.
void Ring(StylePainter& p, RECT& r, UINT flags, RingColors c)
{
    const int l = r.left, t = r.top, rr = r.right, b = r.bottom;
    if (rr <= l || b <= t)
        return;
    if (flags & BF_TOP)
        p.Fill(l, t, (flags & BF_RIGHT) ? rr - 1 : rr, t + 1, c.topLeft);
    if (flags & BF_LEFT)
        p.Fill(l, t, l + 1, (flags & BF_BOTTOM) ? b - 1 : b, c.topLeft);
    if (flags & BF_BOTTOM)
        p.Fill(l, b - 1, rr, b, c.bottomRight);
    if (flags & BF_RIGHT)
        p.Fill(rr - 1, t, rr, b, c.bottomRight);
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_RIGHT)
        --r.right;
    if (flags & BF_BOTTOM)
        --r.bottom;
}

void Diagonal(StylePainter& p, const RECT& r, UINT flags, COLORREF color)
{
    // A line from one corner to the other, as the end corner in the flags names it.
    const int w = r.right - r.left, h = r.bottom - r.top, n = std::min(w, h);
    const bool toRight = (flags & BF_RIGHT) != 0, toTop = (flags & BF_TOP) != 0;
    for (int i = 0; i < n; ++i) {
        const int x = toRight ? r.left + i : r.right - 1 - i;
        const int y = toTop ? r.bottom - 1 - i : r.top + i;
        p.Pixel(x, y, color);
    }
}

} // namespace

BOOL DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags)
{
    if (!rect)
        return FALSE;
    StylePainter p(hdc);
    if (!p.Ok())
        return FALSE;
    const bool soft = (flags & BF_SOFT) != 0;
    RingColors outer{}, inner{};
    const bool hasOuter = (edge & BDR_OUTER) != 0, hasInner = (edge & BDR_INNER) != 0;
    if (flags & BF_MONO) {
        outer = {SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_WINDOWFRAME)};
        inner = {SysColor(COLOR_WINDOW), SysColor(COLOR_WINDOW)};
    } else if (flags & BF_FLAT) {
        outer = {SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DSHADOW)};
        inner = {SysColor(COLOR_3DFACE), SysColor(COLOR_3DFACE)};
    } else {
        if (edge & BDR_RAISEDOUTER)
            outer = {SysColor(soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT), SysColor(COLOR_3DDKSHADOW)};
        else
            outer = {SysColor(soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW), SysColor(COLOR_3DHILIGHT)};
        if (edge & BDR_RAISEDINNER)
            inner = {SysColor(soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT), SysColor(COLOR_3DSHADOW)};
        else
            inner = {SysColor(soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW), SysColor(COLOR_3DLIGHT)};
    }
    RECT r = *rect;
    if (flags & BF_DIAGONAL) {
        if (hasOuter)
            Diagonal(p, r, flags, outer.bottomRight);
        return TRUE;
    }
    if (hasOuter)
        Ring(p, r, flags, outer);
    if (hasInner)
        Ring(p, r, flags, inner);
    if ((flags & BF_MIDDLE) && r.left < r.right && r.top < r.bottom)
        p.Fill(r, SysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect)
{
    if (!rect)
        return FALSE;
    StylePainter p(hdc);
    if (!p.Ok())
        return FALSE;
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    p.InvertDots(RECT{r.left, r.top, r.right, r.top + 1});
    if (r.bottom - r.top > 1)
        p.InvertDots(RECT{r.left, r.bottom - 1, r.right, r.bottom});
    if (r.bottom - r.top > 2) {
        p.InvertDots(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1});
        if (r.right - r.left > 1)
            p.InvertDots(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1});
    }
    return TRUE;
}

DWORD GetSysColor(int index)
{
    return SysColor(index);
}

HBRUSH GetSysColorBrush(int index)
{
    if (index < 0 || index >= MISC_SYSCOLOR_COUNT)
        return nullptr;
    return static_cast<HBRUSH>(StockHandle(kSysColorBrushBase + index));
}

BOOL SetSysColors(int count, const INT* indexes, const COLORREF* colors)
{
    if (count < 0 || (count > 0 && (!indexes || !colors)))
        return FALSE;
    for (int i = 0; i < count; ++i)
        SetSysColor(indexes[i], colors[i]);
    return TRUE;
}
