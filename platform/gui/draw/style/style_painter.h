#pragma once
// Classic-look drawing (edges, frame controls, focus rectangles, gradients), kept apart from the
// painter: everything here is built from solid fills and inversions of rectangles.
#include "../dc.h"

namespace gdi {

class StylePainter {
public:
    explicit StylePainter(HDC hdc);
    ~StylePainter();
    StylePainter(const StylePainter&) = delete;
    StylePainter& operator=(const StylePainter&) = delete;

    bool Ok() const { return m_dc != nullptr; }
    // Rectangles in logical coordinates, right and bottom edges excluded.
    void Fill(const RECT& r, COLORREF color);
    void Fill(int l, int t, int r, int b, COLORREF color) { Fill(RECT{l, t, r, b}, color); }
    void Pixel(int x, int y, COLORREF color) { Fill(RECT{x, y, x + 1, y + 1}, color); }
    // Inverts the pixels of r whose (surface) x + y is even: a dotted pattern that a second
    // call erases.
    void InvertDots(const RECT& r);
    // A filled triangle of `size` rows pointing up (0), down (1), left (2) or right (3),
    // centred on (cx, cy).
    void Arrow(int cx, int cy, int size, int direction, COLORREF color);
    DeviceContext& DC() { return *m_dc; }

private:
    DeviceContext* m_dc;
    Target m_target;
    bool m_begun = false;
};

} // namespace gdi
