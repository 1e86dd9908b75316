#pragma once
// Block transfers: pixels from a source (another context, or device-independent bits) onto a
// context, stretched by nearest-pixel sampling (source column floor(i * sw / w), so doubling
// repeats every pixel and halving keeps every other one starting with the first), combined with
// a ternary raster operation, a constant or per-pixel alpha, or a transparent colour.
#include <vector>

#include "dc.h"

namespace gdi {

struct BlitSource {
    PixelView view;
    RECT bounds{0, 0, 0, 0}; // the pixels that exist
    bool mono = false;
    COLORREF bkColor = 0xFFFFFF; // the source context's background (colour -> mono)
};

enum class BlitMode { Rop, Alpha, Transparent };

struct BlitOp {
    BlitMode mode = BlitMode::Rop;
    uint8_t rop = 0xCC;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
    COLORREF transparent = 0;
    int stretchMode = COLORONCOLOR;
};

// Destination rectangle (x, y, w, h) and source rectangle in surface coordinates; negative
// extents mirror. `src` may be null for operations without a source.
bool Blit(DeviceContext& dst, int x, int y, int w, int h, const BlitSource* src, int sx,
          int sy, int sw, int sh, const BlitOp& op);
// The whole blit from one context to another (handles a context that is its own source).
bool BlitFromDC(DeviceContext& dst, int x, int y, int w, int h, DeviceContext& src, int sx,
                int sy, int sw, int sh, BlitOp op);

} // namespace gdi
