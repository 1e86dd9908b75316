// Icon pictures from the bytes of a module's icon resource: an .ico file (the entry closest to the
// size asked for, stored as PNG or as a device-independent bitmap with its AND mask), or a .png
// or .bmp file used as an icon. The result has straight alpha (0xAARRGGBB).
#include "window/icondecode.h"

#include "family/imagecodecs.h"

#include <cstring>

namespace {

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

bool FromDecoded(const miscimage::Decoded& d, MiscSurface* out)
{
    *out = MiscSurface(d.width, d.height, 0);
    int bpp = d.alpha ? 4 : 3;
    size_t stride = static_cast<size_t>(d.width) * bpp;
    for (int y = 0; y < d.height; ++y) {
        const uint8_t* src = d.pixels.data() + static_cast<size_t>(d.height - 1 - y) * stride; // bottom-up rows
        uint32_t* dst = out->row(y);
        for (int x = 0; x < d.width; ++x, src += bpp) {
            uint32_t a = d.alpha ? src[3] : 255u;
            dst[x] = (a << 24) | (static_cast<uint32_t>(src[0]) << 16) | (static_cast<uint32_t>(src[1]) << 8) | src[2];
        }
    }
    return true;
}

// An icon's bitmap: header, palette, colour rows and AND-mask rows, bottom-up, height doubled.
bool DecodeIconDib(const uint8_t* p, size_t size, MiscSurface* out)
{
    if (size < 40 || U32(p) < 40)
        return false;
    uint32_t headerSize = U32(p);
    int32_t width = static_cast<int32_t>(U32(p + 4));
    int32_t height = static_cast<int32_t>(U32(p + 8)) / 2;
    int bpp = U16(p + 14);
    uint32_t colors = U32(p + 32);
    if (width <= 0 || height <= 0 || width > 512 || height > 512 || headerSize > size)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return false;
    if (bpp <= 8 && colors == 0)
        colors = 1u << bpp;
    size_t paletteBytes = bpp <= 8 ? static_cast<size_t>(colors) * 4 : 0;
    size_t colorStride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    size_t maskStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
    size_t need = headerSize + paletteBytes + colorStride * height;
    if (need > size)
        return false;
    const uint8_t* palette = p + headerSize;
    const uint8_t* bits = palette + paletteBytes;
    const uint8_t* mask = need + maskStride * height <= size ? bits + colorStride * height : nullptr;
    bool anyAlpha = false;
    *out = MiscSurface(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bits + colorStride * (height - 1 - y);
        uint32_t* dst = out->row(y);
        for (int x = 0; x < width; ++x) {
            uint32_t b, g, r, a = 255;
            if (bpp == 32) {
                b = row[x * 4], g = row[x * 4 + 1], r = row[x * 4 + 2], a = row[x * 4 + 3];
                anyAlpha = anyAlpha || a != 0;
            } else if (bpp == 24) {
                b = row[x * 3], g = row[x * 3 + 1], r = row[x * 3 + 2];
            } else {
                int perByte = 8 / bpp;
                int shift = (perByte - 1 - x % perByte) * bpp;
                uint32_t index = (row[x / perByte] >> shift) & ((1u << bpp) - 1);
                if (index >= colors)
                    index = 0;
                const uint8_t* c = palette + index * 4;
                b = c[0], g = c[1], r = c[2];
            }
            dst[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    // Without an alpha channel of its own, the AND mask says which pixels are transparent.
    if (mask && !anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = mask + maskStride * (height - 1 - y);
            uint32_t* dst = out->row(y);
            for (int x = 0; x < width; ++x) {
                bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
                dst[x] = transparent ? 0 : (dst[x] | 0xFF000000u);
            }
        }
    }
    return true;
}

} // namespace

namespace wndsys {

bool DecodeIconResource(const unsigned char* data, size_t size, int wanted, MiscSurface* out)
{
    if (!data || !out)
        return false;
    miscimage::Decoded decoded;
    if (miscimage::IsPng(data, size))
        return miscimage::DecodePng(data, size, decoded) && FromDecoded(decoded, out);
    if (miscimage::IsBmp(data, size))
        return miscimage::DecodeBmpFile(data, size, decoded) && FromDecoded(decoded, out);
    if (size < 6 || U16(data) != 0 || (U16(data + 2) != 1 && U16(data + 2) != 2))
        return false;
    int count = U16(data + 4);
    if (count <= 0 || 6 + static_cast<size_t>(count) * 16 > size)
        return false;
    // The entry nearest the size wanted (an entry's 0 means 256).
    int best = -1, bestScore = 1 << 30;
    for (int i = 0; i < count; ++i) {
        const uint8_t* e = data + 6 + i * 16;
        int w = e[0] ? e[0] : 256;
        int score = w >= wanted ? (w - wanted) : (wanted - w) * 4;
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    const uint8_t* e = data + 6 + best * 16;
    uint32_t bytes = U32(e + 8), offset = U32(e + 12);
    if (offset >= size || bytes > size - offset)
        return false;
    const uint8_t* image = data + offset;
    if (miscimage::IsPng(image, bytes))
        return miscimage::DecodePng(image, bytes, decoded) && FromDecoded(decoded, out);
    return DecodeIconDib(image, bytes, out);
}

} // namespace wndsys
