// The raster codec of preview pictures: "MZP1", the raw size, then zlib over the pixel rows.
#include "misc/data/entity.h"

#include <cstdlib>
#include <cstring>
#include <zlib.h>

namespace {

constexpr BYTE kMagic[4] = {'M', 'Z', 'P', '1'};
constexpr DWORD kHeader = 8;
// zlib cannot expand data by more than about 1032:1, so a stored size beyond that is a lie.
constexpr unsigned long long kMaxRatio = 1100;

unsigned long long RawSize(WORD format, WORD width, WORD height)
{
    return 1ULL * (format & 15) * width * height;
}

} // namespace

BYTE* FLENT_CompressPicture(const BYTE* pixels, WORD format, WORD width, WORD height, DWORD* size)
{
    if (size)
        *size = 0;
    unsigned long long raw = RawSize(format, width, height);
    if (!pixels || raw == 0 || raw > 0xFFFFFFFFULL)
        return nullptr;
    uLong bound = compressBound(static_cast<uLong>(raw));
    BYTE* out = static_cast<BYTE*>(std::malloc(kHeader + bound));
    if (!out)
        return nullptr;
    uLongf packed = bound;
    if (compress2(out + kHeader, &packed, pixels, static_cast<uLong>(raw), Z_DEFAULT_COMPRESSION) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    std::memcpy(out, kMagic, 4);
    DWORD raw32 = static_cast<DWORD>(raw);
    std::memcpy(out + 4, &raw32, 4);
    if (size)
        *size = static_cast<DWORD>(kHeader + packed);
    return out;
}

BYTE* FLENT_DecompressPicture(const BYTE* data, DWORD size, WORD format, WORD width, WORD height)
{
    unsigned long long raw = RawSize(format, width, height);
    if (!data || size <= kHeader || raw == 0 || std::memcmp(data, kMagic, 4) != 0)
        return nullptr;
    DWORD stored;
    std::memcpy(&stored, data + 4, 4);
    if (stored != raw || raw > 1ULL * (size - kHeader) * kMaxRatio)
        return nullptr;
    BYTE* out = static_cast<BYTE*>(std::malloc(raw));
    if (!out)
        return nullptr;
    uLongf unpacked = static_cast<uLongf>(raw);
    if (uncompress(out, &unpacked, data + kHeader, size - kHeader) != Z_OK || unpacked != raw) {
        std::free(out);
        return nullptr;
    }
    return out;
}
