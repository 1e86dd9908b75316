#pragma once
// Pixel primitives: views of 32-bit pixel memory and the raster operations applied to rows of
// it. Everything above (lines, shapes, text, blits) ends in these functions; they know nothing
// of contexts, objects or clipping.
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace gdi {

// A view of 32-bit pixels (B, G, R, A in memory). `bits` is row 0 (the top row); `stride` is in
// pixels and negative for bottom-up memory. `alphaOr` is OR'ed into every pixel a raster
// operation writes: 0xFF000000 for surfaces that must stay opaque (windows, device bitmaps),
// 0 for device-independent bitmaps whose alpha belongs to the program.
struct PixelView {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    ptrdiff_t stride = 0;
    uint32_t alphaOr = 0xFF000000u;

    uint32_t* Row(int y) const { return bits + static_cast<ptrdiff_t>(y) * stride; }
    bool Valid() const { return bits != nullptr && width > 0 && height > 0; }
};

// Binary raster operation (R2_*) of a pen or brush pixel `p` with a destination pixel `d`.
uint32_t Rop2(int rop2, uint32_t p, uint32_t d);
// Ternary raster operation: `rop` is the operation index (bits 16..23 of a ROP3 code).
uint32_t Rop3(uint8_t rop, uint32_t p, uint32_t s, uint32_t d);

// Row fills over [x1, x2) of one row.
inline void FillRowCopy(uint32_t* row, int x1, int x2, uint32_t pixel)
{
    if (x2 - x1 >= 32) {
        std::fill(row + x1, row + x2, pixel);
        return;
    }
    for (uint32_t *p = row + x1, *e = row + x2; p < e; ++p)
        *p = pixel;
}
void FillRowRop2(uint32_t* row, int x1, int x2, uint32_t pixel, int rop2, uint32_t alphaOr);
// A row of a pattern brush: pattern row `pat` of width `patWidth`, whose column 0 falls on
// device x `phase` (mod patWidth). `mask` (optional) skips pixels whose mask is 0.
void FillRowPattern(uint32_t* row, int x1, int x2, const uint32_t* pat, const uint8_t* mask,
                    int patWidth, int phase, int rop2, uint32_t alphaOr);

// A ternary operation over n pixels: dst = rop(pat, src, dst). `src` or `pat` may be null when
// the operation does not use it; `pat` holds n pixels (already expanded) or is a single pixel
// when `patSolid` is set.
void Rop3Row(uint32_t* dst, const uint32_t* src, const uint32_t* pat, bool patSolid, int n,
             uint8_t rop, uint32_t alphaOr);
// Whether a ternary operation reads the source, the pattern, the destination.
bool Rop3UsesSource(uint8_t rop);
bool Rop3UsesPattern(uint8_t rop);

// Source-over blend of a colour with coverage 0..255 into a pixel.
inline uint32_t BlendCoverage(uint32_t dst, uint32_t color, unsigned cov)
{
    if (cov >= 255)
        return color;
    if (cov == 0)
        return dst;
    const unsigned inv = 255 - cov;
    uint32_t rb = ((color & 0xFF00FFu) * cov + (dst & 0xFF00FFu) * inv + 0x800080u);
    rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
    uint32_t g = ((color & 0xFF00u) * cov + (dst & 0xFF00u) * inv + 0x8000u);
    g = ((g + ((g >> 8) & 0xFF00u)) >> 8) & 0xFF00u;
    return rb | g | (dst & 0xFF000000u) | (color & 0xFF000000u);
}

} // namespace gdi
