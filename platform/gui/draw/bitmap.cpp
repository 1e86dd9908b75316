#include "bitmap.h"

#include <algorithm>
#include <cstring>

namespace gdi {
namespace {

int MaskShift(DWORD mask)
{
    int s = 0;
    while (mask && !(mask & 1u)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int MaskBits(DWORD mask)
{
    mask >>= MaskShift(mask);
    int n = 0;
    while (mask & 1u) {
        mask >>= 1;
        ++n;
    }
    return n;
}

// A masked field scaled to 0..255.
uint32_t Field(uint32_t v, DWORD mask)
{
    if (!mask)
        return 0;
    const int bits = MaskBits(mask);
    uint32_t x = (v & mask) >> MaskShift(mask);
    if (bits >= 8)
        return x >> (bits - 8);
    const uint32_t max = (1u << bits) - 1;
    return (x * 255 + max / 2) / max;
}

uint32_t Pack(uint32_t c, DWORD mask) // c: 0..255
{
    if (!mask)
        return 0;
    const int bits = MaskBits(mask);
    const uint32_t v = bits >= 8 ? (c << (bits - 8)) : (c >> (8 - bits));
    return (v << MaskShift(mask)) & mask;
}

uint32_t QuadPixel(const RGBQUAD& q)
{
    return 0xFF000000u | (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

int NearestIndex(const std::vector<RGBQUAD>& colors, uint32_t p)
{
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    int best = 0, bestDist = 1 << 30;
    for (size_t i = 0; i < colors.size(); ++i) {
        const int dr = colors[i].rgbRed - r, dg = colors[i].rgbGreen - g,
                  db = colors[i].rgbBlue - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = static_cast<int>(i);
            if (d == 0)
                break;
        }
    }
    return best;
}

} // namespace

size_t DibStride(int width, int bpp)
{
    return ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
}

bool ParseDibFormat(const BITMAPINFO* info, UINT usage, DibFormat& f, size_t available)
{
    if (!info)
        return false;
    const DWORD size = info->bmiHeader.biSize;
    const uint8_t* base = reinterpret_cast<const uint8_t*>(info);
    long long w, h;
    int bpp;
    DWORD compression = BI_RGB, clrUsed = 0;
    bool core = false;
    if (size == sizeof(BITMAPCOREHEADER)) {
        if (available < 12)
            return false;
        BITMAPCOREHEADER ch;
        std::memcpy(&ch, base, sizeof ch);
        w = ch.bcWidth, h = ch.bcHeight, bpp = ch.bcBitCount;
        core = true;
    } else if (size >= 40 && size <= 124 + 256) {
        if (available < size)
            return false;
        const BITMAPINFOHEADER& ih = info->bmiHeader;
        w = ih.biWidth, h = ih.biHeight, bpp = ih.biBitCount;
        compression = ih.biCompression;
        clrUsed = ih.biClrUsed;
    } else {
        return false;
    }
    if (w <= 0 || h == 0 || w > kMaxBitmapSide || std::llabs(h) > kMaxBitmapSide)
        return false;
    if (w * std::llabs(h) > kMaxBitmapPixels)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return false;
    f = DibFormat();
    f.width = static_cast<int>(w);
    f.height = static_cast<int>(std::llabs(h));
    f.bottomUp = h > 0;
    f.bpp = bpp;
    f.compression = compression;
    f.stride = DibStride(f.width, bpp);
    size_t offset = size;
    if (compression == BI_BITFIELDS) {
        if (bpp != 16 && bpp != 32)
            return false;
        if (size >= 52) { // V4/V5 headers carry the masks
            std::memcpy(f.masks, base + 40, sizeof f.masks);
        } else {
            if (available < offset + 12)
                return false;
            std::memcpy(f.masks, base + offset, sizeof f.masks);
            offset += 12;
        }
    } else if (compression == BI_RLE8) {
        if (bpp != 8 || !f.bottomUp)
            return false;
    } else if (compression == BI_RLE4) {
        if (bpp != 4 || !f.bottomUp)
            return false;
    } else if (compression != BI_RGB) {
        return false;
    } else if (bpp == 16) {
        f.masks[0] = 0x7C00, f.masks[1] = 0x03E0, f.masks[2] = 0x001F;
    } else if (bpp == 32 || bpp == 24) {
        f.masks[0] = 0xFF0000, f.masks[1] = 0xFF00, f.masks[2] = 0xFF;
    }
    if (bpp <= 8) {
        size_t count = clrUsed ? std::min<size_t>(clrUsed, 1u << bpp) : (1u << bpp);
        const size_t entry = core ? 3 : (usage == DIB_PAL_COLORS ? 2 : 4);
        if (available != SIZE_MAX && available < offset + count * entry) {
            if (available < offset)
                return false;
            count = (available - offset) / entry; // a short table: the rest stays black
        }
        f.colors.resize(1u << bpp, RGBQUAD{0, 0, 0, 0});
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* e = base + offset + i * entry;
            if (entry == 2) {
                // Palette indexes: the default palette has black and white at its ends.
                WORD index;
                std::memcpy(&index, e, 2);
                const BYTE v = (index % 20) < 10 ? 0 : 255;
                f.colors[i] = RGBQUAD{v, v, v, 0};
            } else {
                f.colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
            }
        }
    }
    return true;
}

void DibRowToPixels(const DibFormat& f, const uint8_t* src, uint32_t* out, int count)
{
    switch (f.bpp) {
    case 1:
        for (int x = 0; x < count; ++x)
            out[x] = QuadPixel(f.colors[(src[x >> 3] >> (7 - (x & 7))) & 1]);
        break;
    case 4:
        for (int x = 0; x < count; ++x)
            out[x] = QuadPixel(f.colors[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]);
        break;
    case 8:
        for (int x = 0; x < count; ++x)
            out[x] = QuadPixel(f.colors[src[x]]);
        break;
    case 16:
        for (int x = 0; x < count; ++x) {
            const uint32_t v = src[2 * x] | (uint32_t(src[2 * x + 1]) << 8);
            out[x] = 0xFF000000u | (Field(v, f.masks[0]) << 16) | (Field(v, f.masks[1]) << 8) |
                     Field(v, f.masks[2]);
        }
        break;
    case 24:
        for (int x = 0; x < count; ++x) {
            const uint8_t* p = src + 3 * x;
            out[x] = 0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
        }
        break;
    case 32:
        if (f.compression == BI_BITFIELDS) {
            for (int x = 0; x < count; ++x) {
                uint32_t v;
                std::memcpy(&v, src + 4 * x, 4);
                out[x] = 0xFF000000u | (Field(v, f.masks[0]) << 16) |
                         (Field(v, f.masks[1]) << 8) | Field(v, f.masks[2]);
            }
        } else {
            std::memcpy(out, src, static_cast<size_t>(count) * 4);
        }
        break;
    default:
        std::fill(out, out + count, 0xFF000000u);
        break;
    }
}

void PixelsToDibRow(const DibFormat& f, const uint32_t* in, uint8_t* dst, int count)
{
    switch (f.bpp) {
    case 1:
    case 4:
    case 8: {
        std::memset(dst, 0, DibStride(count, f.bpp));
        uint32_t lastPixel = 0;
        int lastIndex = -1;
        for (int x = 0; x < count; ++x) {
            if (lastIndex < 0 || in[x] != lastPixel) {
                lastPixel = in[x];
                lastIndex = NearestIndex(f.colors, in[x]);
            }
            if (f.bpp == 8)
                dst[x] = static_cast<uint8_t>(lastIndex);
            else if (f.bpp == 4)
                dst[x >> 1] |= static_cast<uint8_t>((lastIndex & 0xF) << ((x & 1) ? 0 : 4));
            else
                dst[x >> 3] |= static_cast<uint8_t>((lastIndex & 1) << (7 - (x & 7)));
        }
        break;
    }
    case 16:
        for (int x = 0; x < count; ++x) {
            const uint32_t p = in[x];
            const uint32_t v = Pack((p >> 16) & 0xFF, f.masks[0]) |
                               Pack((p >> 8) & 0xFF, f.masks[1]) | Pack(p & 0xFF, f.masks[2]);
            dst[2 * x] = v & 0xFF;
            dst[2 * x + 1] = (v >> 8) & 0xFF;
        }
        break;
    case 24:
        for (int x = 0; x < count; ++x) {
            dst[3 * x] = in[x] & 0xFF;
            dst[3 * x + 1] = (in[x] >> 8) & 0xFF;
            dst[3 * x + 2] = (in[x] >> 16) & 0xFF;
        }
        break;
    case 32:
        if (f.compression == BI_BITFIELDS) {
            for (int x = 0; x < count; ++x) {
                const uint32_t p = in[x];
                const uint32_t v = Pack((p >> 16) & 0xFF, f.masks[0]) |
                                   Pack((p >> 8) & 0xFF, f.masks[1]) |
                                   Pack(p & 0xFF, f.masks[2]);
                std::memcpy(dst + 4 * x, &v, 4);
            }
        } else {
            std::memcpy(dst, in, static_cast<size_t>(count) * 4);
        }
        break;
    default:
        break;
    }
}

std::shared_ptr<Bitmap> Bitmap::CreateDevice(int width, int height, int bitsPixel)
{
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        static_cast<long long>(width) * height > kMaxBitmapPixels)
        return nullptr;
    std::shared_ptr<Bitmap> b(new Bitmap());
    b->m_width = width;
    b->m_height = height;
    b->m_bitsPixel = bitsPixel == 1 ? 1 : 32;
    b->m_surface = MiscSurface(width, height, bitsPixel == 1 ? 0xFF000000u : 0xFF000000u);
    return b;
}

std::shared_ptr<Bitmap> Bitmap::CreateDibSection(const DibFormat& format, void** bits)
{
    if (format.compression != BI_RGB && format.compression != BI_BITFIELDS)
        return nullptr;
    std::shared_ptr<Bitmap> b(new Bitmap());
    b->m_width = format.width;
    b->m_height = format.height;
    b->m_bitsPixel = format.bpp;
    b->m_dib = true;
    b->m_format = format;
    const size_t bytes = format.stride * static_cast<size_t>(format.height);
    b->m_dibBits.reset(new (std::nothrow) uint8_t[bytes]());
    if (!b->m_dibBits)
        return nullptr;
    if (format.bpp != 32)
        b->m_surface = MiscSurface(format.width, format.height, 0xFF000000u);
    if (bits)
        *bits = b->m_dibBits.get();
    return b;
}

PixelView Bitmap::Begin()
{
    PixelView v;
    v.width = m_width;
    v.height = m_height;
    if (m_dib && m_format.bpp == 32) {
        const ptrdiff_t stride = static_cast<ptrdiff_t>(m_format.stride / 4);
        uint32_t* base = reinterpret_cast<uint32_t*>(m_dibBits.get());
        v.bits = m_format.bottomUp ? base + (m_height - 1) * stride : base;
        v.stride = m_format.bottomUp ? -stride : stride;
        v.alphaOr = 0;
        return v;
    }
    if (m_dib) {
        for (int y = 0; y < m_height; ++y) {
            const int row = m_format.bottomUp ? m_height - 1 - y : y;
            DibRowToPixels(m_format, m_dibBits.get() + row * m_format.stride, m_surface.row(y),
                           m_width);
        }
    }
    v.bits = m_surface.pixels.data();
    v.stride = m_width;
    v.alphaOr = 0xFF000000u;
    return v;
}

void Bitmap::End(bool modified)
{
    if (!m_dib || m_format.bpp == 32 || !modified)
        return;
    for (int y = 0; y < m_height; ++y) {
        const int row = m_format.bottomUp ? m_height - 1 - y : y;
        PixelsToDibRow(m_format, m_surface.row(y), m_dibBits.get() + row * m_format.stride,
                       m_width);
    }
}

void Bitmap::CopyTo(MiscSurface& out)
{
    const PixelView v = Begin();
    out = MiscSurface(m_width, m_height);
    for (int y = 0; y < m_height; ++y)
        std::memcpy(out.row(y), v.Row(y), static_cast<size_t>(m_width) * 4);
    End(false);
}

void Bitmap::FillBITMAP(BITMAP& bm) const
{
    bm.bmType = 0;
    bm.bmWidth = m_width;
    bm.bmHeight = m_height;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(m_bitsPixel);
    if (m_dib) {
        bm.bmWidthBytes = static_cast<LONG>(m_format.stride);
        bm.bmBits = m_dibBits.get();
    } else {
        // Device bitmaps report word-aligned rows, as GetBitmapBits lays them out.
        bm.bmWidthBytes = static_cast<LONG>(((static_cast<size_t>(m_width) * m_bitsPixel + 15) / 16) * 2);
        bm.bmBits = nullptr;
    }
}

} // namespace gdi
