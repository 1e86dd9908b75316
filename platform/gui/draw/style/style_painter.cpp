#include "style_painter.h"

#include <algorithm>

#include "../paint.h"

namespace gdi {

StylePainter::StylePainter(HDC hdc) : m_dc(FindDC(hdc))
{
    if (m_dc)
        m_begun = m_dc->Begin(m_target);
}

StylePainter::~StylePainter()
{
    if (m_begun)
        m_dc->End(true);
}

void StylePainter::Fill(const RECT& r, COLORREF color)
{
    if (!m_begun)
        return;
    const POINT a = m_dc->ToSurface(r.left, r.top), b = m_dc->ToSurface(r.right, r.bottom);
    FillRect(m_target, RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)},
             SolidFill(m_target, color));
}

void StylePainter::InvertDots(const RECT& r)
{
    if (!m_begun)
        return;
    const POINT a = m_dc->ToSurface(r.left, r.top), b = m_dc->ToSurface(r.right, r.bottom);
    for (int y = std::min(a.y, b.y); y < std::max(a.y, b.y); ++y)
        for (int x = std::min(a.x, b.x); x < std::max(a.x, b.x); ++x)
            if (((x + y) & 1) == 0)
                Plot(m_target, x, y, 0, R2_NOT);
}

void StylePainter::Arrow(int cx, int cy, int size, int direction, COLORREF color)
{
    // Row i from the apex is 2 i + 1 pixels wide; the arrow is centred on (cx, cy).
    const int apex = size / 2;
    for (int i = 0; i < size; ++i) {
        switch (direction) {
        case 0: Fill(cx - i, cy - apex + i, cx + i + 1, cy - apex + i + 1, color); break;
        case 1: Fill(cx - i, cy + apex - i, cx + i + 1, cy + apex - i + 1, color); break;
        case 2: Fill(cx - apex + i, cy - i, cx - apex + i + 1, cy + i + 1, color); break;
        default: Fill(cx + apex - i, cy - i, cx + apex - i + 1, cy + i + 1, color); break;
        }
    }
}

} // namespace gdi
