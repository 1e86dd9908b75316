#include "paint.h"

#include <algorithm>

#include "stock.h"

namespace gdi {
namespace {

// Hatch patterns, one byte per row, bit 7 the leftmost pixel.
const uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF}, // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF}, // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // HS_DIAGCROSS
};

int Mod(int a, int m)
{
    const int r = a % m;
    return r < 0 ? r + m : r;
}

} // namespace

uint32_t Fill::At(int x, int y) const
{
    if (Solid())
        return color;
    return pattern[static_cast<size_t>(Mod(y - orgY, patHeight)) * patWidth +
                   Mod(x - orgX, patWidth)];
}

Fill SolidFill(const Target& t, COLORREF color, int rop2)
{
    Fill f;
    f.none = false;
    f.color = TargetPixel(t, color);
    f.rop2 = rop2;
    return f;
}

Fill BrushFill(DeviceContext& dc, const Target& t, const BrushObject* brush, int rop2)
{
    const DCState& s = dc.State();
    if (!brush)
        brush = s.brush.get();
    Fill f;
    f.rop2 = rop2;
    if (!brush || brush->style == BS_NULL)
        return f;
    f.none = false;
    const POINT origin = dc.Origin();
    f.orgX = s.brushOrg.x + origin.x;
    f.orgY = s.brushOrg.y + origin.y;
    if (brush->style == BS_HATCHED) {
        const int hatch = std::clamp(brush->hatch, 0, 5);
        f.patWidth = f.patHeight = 8;
        f.pattern.resize(64);
        const uint32_t fg = TargetPixel(t, brush->color);
        const uint32_t bg = TargetPixel(t, s.bkColor);
        const bool opaque = s.bkMode == OPAQUE;
        if (!opaque)
            f.mask.resize(64);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool on = (kHatches[hatch][y] >> (7 - x)) & 1;
                f.pattern[y * 8 + x] = on ? fg : bg;
                if (!opaque)
                    f.mask[y * 8 + x] = on;
            }
        }
        return f;
    }
    if ((brush->style == BS_PATTERN || brush->style == BS_DIBPATTERN ||
         brush->style == BS_DIBPATTERNPT) && brush->pattern && brush->pattern->width > 0) {
        const Pattern& p = *brush->pattern;
        f.patWidth = p.width;
        f.patHeight = p.height;
        f.pattern.resize(p.pixels.size());
        const uint32_t fg = TargetPixel(t, s.textColor), bg = TargetPixel(t, s.bkColor);
        for (size_t i = 0; i < p.pixels.size(); ++i) {
            uint32_t v = p.pixels[i];
            if (p.mono)
                v = (v & 0xFFFFFF) ? bg : fg;
            else if (t.mono)
                v = TargetPixel(t, MiscColorFromPixel(v));
            f.pattern[i] = v | 0xFF000000u;
        }
        return f;
    }
    COLORREF c = brush->color;
    if (brush == DCBrushObject())
        c = s.dcBrushColor;
    f.color = TargetPixel(t, c);
    return f;
}

void FillSpan(const Target& t, int y, int x1, int x2, const Fill& f)
{
    if (f.none || x1 >= x2)
        return;
    uint32_t* row = t.view.Row(y >= t.box.top && y < t.box.bottom ? y : t.box.top);
    if (f.Solid()) {
        ForVisible(t, y, x1, x2, [&](int a, int b) {
            FillRowRop2(row, a, b, f.color, f.rop2, t.view.alphaOr);
        });
        return;
    }
    const int py = Mod(y - f.orgY, f.patHeight);
    const uint32_t* pat = f.pattern.data() + static_cast<size_t>(py) * f.patWidth;
    const uint8_t* mask =
        f.mask.empty() ? nullptr : f.mask.data() + static_cast<size_t>(py) * f.patWidth;
    ForVisible(t, y, x1, x2, [&](int a, int b) {
        FillRowPattern(row, a, b, pat, mask, f.patWidth, f.orgX, f.rop2, t.view.alphaOr);
    });
}

void FillRect(const Target& t, const RECT& r0, const Fill& f)
{
    if (f.none)
        return;
    RECT r{std::max(r0.left, t.box.left), std::max(r0.top, t.box.top),
           std::min(r0.right, t.box.right), std::min(r0.bottom, t.box.bottom)};
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    if (!t.region && f.Solid() && f.rop2 == R2_COPYPEN) {
        // The fast path: plain row fills.
        const uint32_t px = f.color | t.view.alphaOr;
        uint32_t* row = t.view.Row(r.top);
        for (int y = r.top; y < r.bottom; ++y, row += t.view.stride)
            FillRowCopy(row, r.left, r.right, px);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y)
        FillSpan(t, y, r.left, r.right, f);
}

void FillRegion(const Target& t, const Region& region, const Fill& f)
{
    if (f.none)
        return;
    region.ForEachSpan([&](int top, int bottom, int x1, int x2) {
        FillRect(t, RECT{x1, top, x2, bottom}, f);
    });
}

void PatRect(const Target& t, const RECT& r0, const Fill& f, uint8_t rop3)
{
    RECT r{std::max(r0.left, t.box.left), std::max(r0.top, t.box.top),
           std::min(r0.right, t.box.right), std::min(r0.bottom, t.box.bottom)};
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    const bool usesPattern = Rop3UsesPattern(rop3);
    if (usesPattern && f.none && rop3 != 0x00 && rop3 != 0xFF)
        return; // a null brush paints nothing
    std::vector<uint32_t> line;
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = t.view.Row(y);
        ForVisible(t, y, r.left, r.right, [&](int a, int b) {
            if (!usesPattern || f.Solid()) {
                const uint32_t p = f.color;
                Rop3Row(row + a, nullptr, &p, true, b - a, rop3, t.view.alphaOr);
                return;
            }
            line.resize(static_cast<size_t>(b - a));
            for (int x = a; x < b; ++x)
                line[x - a] = f.At(x, y);
            Rop3Row(row + a, nullptr, line.data(), false, b - a, rop3, t.view.alphaOr);
        });
    }
}

} // namespace gdi
