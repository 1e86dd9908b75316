#include "bmpread.h"

#include <algorithm>
#include <cstring>

namespace gdi {
namespace {

uint32_t Get32(const uint8_t* p)
{
    return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint32_t Quad(const DibFormat& f, int index)
{
    const RGBQUAD& q = f.colors[static_cast<size_t>(index) % f.colors.size()];
    return 0xFF000000u | (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

// RLE4 / RLE8: runs and escapes as the format defines them; bottom-up rows.
bool DecodeRle(const DibFormat& f, const uint8_t* p, size_t size, std::vector<uint32_t>& out)
{
    const bool rle4 = f.compression == BI_RLE4;
    int x = 0, y = 0; // y counts rows from the bottom
    size_t i = 0;
    auto put = [&](int index) {
        if (x < f.width && y < f.height)
            out[static_cast<size_t>(f.height - 1 - y) * f.width + x] = Quad(f, index);
        ++x;
    };
    while (i + 1 < size) {
        const int count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(rle4 ? ((k & 1) ? (value & 0xF) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // delta
            if (i + 1 >= size)
                return true;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else { // an absolute run of `value` pixels, padded to a word
            const size_t bytes = rle4 ? (static_cast<size_t>(value) + 1) / 2 : value;
            if (i + bytes > size)
                return true; // truncated: keep what was decoded
            for (int k = 0; k < value; ++k)
                put(rle4 ? ((k & 1) ? (p[i + k / 2] & 0xF) : (p[i + k / 2] >> 4)) : p[i + k]);
            i += (bytes + 1) & ~static_cast<size_t>(1);
        }
        if (y >= f.height)
            return true;
    }
    return true;
}

} // namespace

bool DecodeDibBits(const DibFormat& f, const uint8_t* bits, size_t size,
                   std::vector<uint32_t>& pixels)
{
    if (!bits || f.width <= 0 || f.height <= 0)
        return false;
    const size_t count = static_cast<size_t>(f.width) * f.height;
    if (f.compression == BI_RLE4 || f.compression == BI_RLE8) {
        // RLE data without a known size cannot be read safely; and a few bytes may not claim
        // a picture of hundreds of megabytes.
        if (size == SIZE_MAX || count > size * 1024 + (1u << 22))
            return false;
        pixels.assign(count, 0xFF000000u);
        return DecodeRle(f, bits, size, pixels);
    }
    if (size != SIZE_MAX && size < f.stride * static_cast<size_t>(f.height))
        return false; // a truncated picture
    pixels.assign(count, 0xFF000000u);
    for (int r = 0; r < f.height; ++r) {
        const int y = f.bottomUp ? f.height - 1 - r : r;
        DibRowToPixels(f, bits + static_cast<size_t>(r) * f.stride,
                       pixels.data() + static_cast<size_t>(y) * f.width, f.width);
    }
    return true;
}

bool DecodeBmp(const uint8_t* data, size_t size, int& width, int& height,
               std::vector<uint32_t>& pixels)
{
    if (!data || size < 16)
        return false;
    size_t base = 0;
    size_t offBits = 0;
    if (data[0] == 'B' && data[1] == 'M') {
        offBits = Get32(data + 10);
        base = 14;
    }
    if (size < base + 12)
        return false;
    const uint32_t headerSize = Get32(data + base);
    if (headerSize != 12 && (headerSize < 40 || headerSize > 124 + 256))
        return false;
    // Copy the header and colour table into aligned memory before reading them as records.
    const size_t avail = std::min<size_t>(size - base, headerSize + 12 + 256 * 4);
    std::vector<uint32_t> aligned((avail + 3) / 4 + 1, 0);
    std::memcpy(aligned.data(), data + base, avail);
    DibFormat f;
    if (!ParseDibFormat(reinterpret_cast<const BITMAPINFO*>(aligned.data()), DIB_RGB_COLORS, f,
                        avail))
        return false;
    size_t tableBytes = 0;
    if (f.bpp <= 8) {
        const size_t entry = headerSize == 12 ? 3 : 4;
        size_t count = 1u << f.bpp;
        if (headerSize >= 40) {
            const uint32_t used = Get32(data + base + 32);
            if (used && used < count)
                count = used;
        }
        tableBytes = count * entry;
    }
    const size_t maskBytes = (headerSize == 40 && f.compression == BI_BITFIELDS) ? 12 : 0;
    size_t bitsAt = base + headerSize + maskBytes + tableBytes;
    if (offBits >= base + headerSize && offBits < size)
        bitsAt = offBits;
    if (bitsAt >= size)
        return false;
    if (!DecodeDibBits(f, data + bitsAt, size - bitsAt, pixels))
        return false;
    width = f.width;
    height = f.height;
    return true;
}

} // namespace gdi
