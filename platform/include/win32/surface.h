#pragma once
// 32-bit drawing surfaces of the headless window system. A pixel is 0xAARRGGBB in memory order
// B, G, R, A (the layout of a 32-bit top-down device-independent bitmap). Windows, memory bitmaps
// and screen captures all paint into surfaces; any surface can be written as PNG.
#include "win32/types.h"

#include <cstdint>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct MiscSurface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // width * height, row 0 at the top

    MiscSurface() = default;
    MiscSurface(int w, int h, uint32_t fill = 0xFFFFFFFFu)
        : width(w > 0 ? w : 0), height(h > 0 ? h : 0),
          pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}
    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// COLORREF (0x00BBGGRR) to an opaque surface pixel and back.
inline uint32_t MiscPixelFromColor(COLORREF c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF MiscColorFromPixel(uint32_t p)
{
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// Writes a surface as an 8-bit RGBA PNG (libpng). FALSE when the file cannot be written.
BOOL MiscWritePng(const MiscSurface& surface, const char* path);

// A device context drawing into `surface` with its origin at (originX, originY) of the surface
// and clipped to `clip` (surface coordinates; null = whole surface). The surface must outlive the
// context; release it with DeleteDC. Windows use this for their client and window contexts.
HDC MiscCreateSurfaceDC(MiscSurface* surface, int originX, int originY, const RECT* clip);

MISC_PUBLIC_END
