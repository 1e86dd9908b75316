#pragma once
// Filling with brushes and plotting with pens on a Target, clipped to its visible area. All
// coordinates here are surface coordinates.
#include <vector>

#include "dc.h"

namespace gdi {

// A brush (or a solid colour) resolved for one operation: colours are target pixels and a
// pattern is anchored at the brush origin.
struct Fill {
    bool none = true;
    uint32_t color = 0;
    int rop2 = R2_COPYPEN;
    int patWidth = 0, patHeight = 0; // 0: solid
    int orgX = 0, orgY = 0;
    std::vector<uint32_t> pattern;
    std::vector<uint8_t> mask; // empty: all drawn

    bool Solid() const { return patWidth == 0; }
    // The pattern colour at a surface position (for ROP3 expansion).
    uint32_t At(int x, int y) const;
};

Fill SolidFill(const Target& t, COLORREF color, int rop2 = R2_COPYPEN);
// The brush selected in dc (brush null) or the given one, with dc's colours and brush origin.
Fill BrushFill(DeviceContext& dc, const Target& t, const BrushObject* brush, int rop2);

void FillSpan(const Target& t, int y, int x1, int x2, const Fill& f);
void FillRect(const Target& t, const RECT& r, const Fill& f);
void FillRegion(const Target& t, const Region& region, const Fill& f);
// A ternary raster operation with the fill as pattern over a rectangle (PatBlt).
void PatRect(const Target& t, const RECT& r, const Fill& f, uint8_t rop3);
inline void Plot(const Target& t, int x, int y, uint32_t pixel, int rop2)
{
    if (!t.Visible(x, y))
        return;
    uint32_t* p = t.view.Row(y) + x;
    *p = (rop2 == R2_COPYPEN ? pixel : Rop2(rop2, pixel, *p)) | t.view.alphaOr;
}
// Calls f(x1, x2) for each visible part of row y within [x1, x2).
template <class F>
void ForVisible(const Target& t, int y, int x1, int x2, F&& f)
{
    if (y < t.box.top || y >= t.box.bottom)
        return;
    if (x1 < t.box.left)
        x1 = t.box.left;
    if (x2 > t.box.right)
        x2 = t.box.right;
    if (x1 >= x2)
        return;
    if (!t.region) {
        f(x1, x2);
        return;
    }
    const Region::Band* b = t.region->FindBand(y);
    if (!b)
        return;
    const int* xs = t.region->Xs().data() + b->first;
    for (int i = 0; i < b->count; ++i) {
        const int a = xs[2 * i] > x1 ? xs[2 * i] : x1;
        const int e = xs[2 * i + 1] < x2 ? xs[2 * i + 1] : x2;
        if (a < e)
            f(a, e);
    }
}

} // namespace gdi
