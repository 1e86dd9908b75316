#include "paint_kit.h"

#include <algorithm>

#include "draw/style/style_painter.h"

namespace theme {

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    gdi::StylePainter p(dc);
    p.Fill(r, color);
}

void Frame(HDC dc, const RECT& r, COLORREF color)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    gdi::StylePainter p(dc);
    p.Fill(r.left, r.top, r.right, r.top + 1, color);
    p.Fill(r.left, r.bottom - 1, r.right, r.bottom, color);
    p.Fill(r.left, r.top, r.left + 1, r.bottom, color);
    p.Fill(r.right - 1, r.top, r.right, r.bottom, color);
}

void Shade(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    auto c16 = [](int v) { return static_cast<COLOR16>(v << 8); };
    TRIVERTEX v[2] = {
        {r.left, r.top, c16(GetRValue(from)), c16(GetGValue(from)), c16(GetBValue(from)), 0},
        {r.right, r.bottom, c16(GetRValue(to)), c16(GetGValue(to)), c16(GetBValue(to)), 0}};
    GRADIENT_RECT mesh{0, 1};
    if (!GradientFill(dc, v, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H))
        Fill(dc, r, from);
}

void Arrow(HDC dc, int cx, int cy, int size, int direction, COLORREF color)
{
    gdi::StylePainter p(dc);
    p.Arrow(cx, cy, size, direction, color);
}

void CheckMark(HDC dc, const RECT& box, COLORREF color)
{
    gdi::StylePainter p(dc);
    const int x0 = box.left + (box.right - box.left - 7) / 2;
    const int y0 = box.top + (box.bottom - box.top - 7) / 2;
    static const int rise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        p.Fill(x0 + i, y0 + rise[i], x0 + i + 1, y0 + rise[i] + 3, color);
}

void Disc(HDC dc, int cx, int cy, int radius, COLORREF color)
{
    gdi::StylePainter p(dc);
    for (int y = -radius; y <= radius; ++y) {
        int first = 1, last = 0;
        for (int x = -radius; x <= radius; ++x)
            if ((2 * x + 1) * (2 * x + 1) + (2 * y + 1) * (2 * y + 1) <= 4 * radius * radius) {
                if (first > last)
                    first = x;
                last = x;
            }
        if (first <= last)
            p.Fill(cx + first, cy + y, cx + last + 1, cy + y + 1, color);
    }
}

COLORREF Tint(COLORREF c, int percent)
{
    auto f = [percent](int v) {
        const int r = percent < 0 ? v * (100 + percent) / 100 : v + (255 - v) * percent / 100;
        return std::clamp(r, 0, 255);
    };
    return RGB(f(GetRValue(c)), f(GetGValue(c)), f(GetBValue(c)));
}

RECT Inset(RECT r, int by)
{
    return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

} // namespace theme
