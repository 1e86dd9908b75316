#pragma once
// Bitmaps: device bitmaps (32-bit, or monochrome stored as black and white pixels) held as a
// MiscSurface, and DIB sections whose bits belong to the program. A 32-bit DIB section is drawn
// into directly (bottom-up ones through a negative stride); other depths keep a 32-bit shadow
// that is filled from the bits before each drawing operation and written back after it.
#include <memory>
#include <vector>

#include "objects.h"
#include "pixels.h"
#include "win32/surface.h"

namespace gdi {

// The layout of device-independent bits as a BITMAPINFO describes them.
struct DibFormat {
    int width = 0;
    int height = 0;       // always positive
    bool bottomUp = true;
    int bpp = 0;          // 1, 4, 8, 16, 24, 32
    DWORD compression = BI_RGB;
    DWORD masks[3] = {0, 0, 0}; // 16/32 bits: red, green, blue
    std::vector<RGBQUAD> colors;
    size_t stride = 0;    // bytes per row, padded to 4 bytes
};

// Reads a BITMAPINFO (core, info, V4 or V5 header). `colorBytesLimit`, when not SIZE_MAX, is the
// number of bytes available after the header for the colour table (a bounded reader).
bool ParseDibFormat(const BITMAPINFO* info, UINT usage, DibFormat& out,
                    size_t available = SIZE_MAX);
size_t DibStride(int width, int bpp);
// Converts one row of bits to 32-bit pixels (opaque) and back.
void DibRowToPixels(const DibFormat& f, const uint8_t* src, uint32_t* out, int count);
void PixelsToDibRow(const DibFormat& f, const uint32_t* in, uint8_t* dst, int count);

class Bitmap : public Object {
public:
    // A device bitmap; `bitsPixel` 1 makes a monochrome one. Null when the size is refused.
    static std::shared_ptr<Bitmap> CreateDevice(int width, int height, int bitsPixel);
    // A DIB section; *bits receives the program's pointer.
    static std::shared_ptr<Bitmap> CreateDibSection(const DibFormat& format, void** bits);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPixel() const { return m_bitsPixel; }
    bool IsMono() const { return m_bitsPixel == 1 && !m_dib; }
    bool IsDib() const { return m_dib; }
    const DibFormat& Format() const { return m_format; }
    uint8_t* DibBits() const { return m_dibBits.get(); }

    // Pixels for drawing: call Begin before and End (modified = written) after an operation.
    PixelView Begin();
    void End(bool modified);
    // The surface of a device bitmap (or the shadow of a DIB section after Begin).
    MiscSurface* Surface() { return m_dib && m_format.bpp == 32 ? nullptr : &m_surface; }
    void CopyTo(MiscSurface& out);
    void FillBITMAP(BITMAP& bm) const;

    int selectedCount = 0; // contexts holding it

private:
    Bitmap() : Object(Kind::Bitmap) {}
    int m_width = 0, m_height = 0, m_bitsPixel = 32;
    bool m_dib = false;
    DibFormat m_format;
    std::unique_ptr<uint8_t[]> m_dibBits;
    MiscSurface m_surface; // device pixels, or the shadow of a non-32-bit DIB section
};

// The largest bitmap accepted, in pixels (1 GiB of 32-bit pixels).
constexpr long long kMaxBitmapPixels = 1LL << 28;
constexpr int kMaxBitmapSide = 1 << 16;

} // namespace gdi
