// BMP pictures, decoded by the drawing layer's bounded BMP reader after the header has been
// checked here: the size against the limits and, for uncompressed pictures, against the bytes
// the file really holds, before any pixel memory is allocated.
#include <cstring>

#include "../draw/bmpread.h"
#include "imagecodecs.h"

namespace miscimage {
namespace {

uint32_t Get16(const uint8_t* p)
{
    return p[0] | (uint32_t(p[1]) << 8);
}

uint32_t Get32(const uint8_t* p)
{
    return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

struct Header {
    uint64_t width = 0;
    uint64_t height = 0;
    int bpp = 0;
    uint32_t compression = 0;
    int32_t ppmX = 0;
    int32_t ppmY = 0;
};

constexpr size_t kFileHeader = 14;

bool ReadHeader(const uint8_t* data, size_t size, Header& h)
{
    if (size < kFileHeader + 12)
        return false;
    const uint8_t* info = data + kFileHeader;
    const uint32_t headerSize = Get32(info);
    if (headerSize == 12) {
        h.width = Get16(info + 4);
        h.height = Get16(info + 6);
        h.bpp = static_cast<int>(Get16(info + 10));
        return true;
    }
    if (headerSize < 40 || size < kFileHeader + 40)
        return false;
    const int32_t w = static_cast<int32_t>(Get32(info + 4));
    const int32_t hgt = static_cast<int32_t>(Get32(info + 8));
    if (w <= 0 || hgt == 0 || hgt == INT32_MIN)
        return false;
    h.width = static_cast<uint64_t>(w);
    h.height = static_cast<uint64_t>(hgt < 0 ? -static_cast<int64_t>(hgt) : hgt);
    h.bpp = static_cast<int>(Get16(info + 14));
    h.compression = Get32(info + 16);
    h.ppmX = static_cast<int32_t>(Get32(info + 24));
    h.ppmY = static_cast<int32_t>(Get32(info + 28));
    return true;
}

} // namespace

bool IsBmp(const uint8_t* data, size_t size)
{
    return size >= kFileHeader + 12 && data[0] == 'B' && data[1] == 'M';
}

bool DecodeBmpFile(const uint8_t* data, size_t size, Decoded& out)
{
    Header h;
    if (!ReadHeader(data, size, h) || !SizeAllowed(h.width, h.height))
        return false;
    if (h.compression == BI_RGB || h.compression == BI_BITFIELDS) {
        // Uncompressed rows must all be there (a truncated file is damaged, not a short picture).
        const uint64_t stride = (h.width * static_cast<uint64_t>(h.bpp) + 31) / 32 * 4;
        const uint32_t offBits = Get32(data + 10);
        if (h.bpp <= 0 || offBits < kFileHeader + 12 || offBits > size ||
            stride * h.height > size - offBits)
            return false;
    }
    int width = 0, height = 0;
    std::vector<uint32_t> argb;
    try {
        if (!gdi::DecodeBmp(data, size, width, height, argb))
            return false;
    } catch (...) {
        return false;
    }
    if (static_cast<uint64_t>(width) != h.width || static_cast<uint64_t>(height) != h.height ||
        argb.size() != static_cast<size_t>(width) * height)
        return false;
    out.width = width;
    out.height = height;
    out.alpha = false;
    if (!AllocatePixels(out))
        return false;
    // The reader gives top-down 0xAARRGGBB pixels; rows here go bottom-up as R, G, B.
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = argb.data() + static_cast<size_t>(height - 1 - y) * width;
        uint8_t* dst = out.pixels.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x, dst += 3) {
            dst[0] = static_cast<uint8_t>(src[x] >> 16);
            dst[1] = static_cast<uint8_t>(src[x] >> 8);
            dst[2] = static_cast<uint8_t>(src[x]);
        }
    }
    if (h.ppmX > 0 && h.ppmY > 0) {
        out.ppmX = h.ppmX;
        out.ppmY = h.ppmY;
    }
    return true;
}

} // namespace miscimage
