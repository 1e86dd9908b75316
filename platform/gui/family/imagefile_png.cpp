// PNG pictures through libpng: every colour type and bit depth is expanded to 8-bit RGB, with
// alpha when the picture has an alpha channel or a transparency chunk.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "imagecodecs.h"

namespace miscimage {
namespace {

struct Source {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count)
{
    auto* src = static_cast<Source*>(png_get_io_ptr(png));
    if (count > src->size - src->pos)
        png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, count);
    src->pos += count;
}

void OnError(png_structp png, png_const_charp)
{
    std::longjmp(png_jmpbuf(png), 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The largest deflate expansion is 1032 to 1; more raw data than that from the file's bytes is
// a lie of the header, refused before the rows are allocated.
bool RawSizePlausible(png_uint_32 width, png_uint_32 height, int bitDepth, int channels,
                      size_t fileSize)
{
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitDepth * channels + 7) / 8 + 1;
    return rowBytes * height <= static_cast<uint64_t>(fileSize) * 1100 + 4096;
}

// Runs libpng; everything that lives across setjmp is held by `out`, `rows` and `src`, which
// belong to the caller, so a longjmp skips no destructor.
bool Run(png_structp png, png_infop info, Source& src, Decoded& out, std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &src, ReadFromMemory);
    png_set_user_limits(png, 65535, 65535);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    if (!SizeAllowed(width, height) ||
        !RawSizePlausible(width, height, bitDepth, png_get_channels(png, info), src.size))
        return false;
    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER && resX &&
        resY) {
        out.ppmX = resX;
        out.ppmY = resY;
    }
    png_set_expand(png); // palette to RGB, small grey to 8 bits, transparency chunk to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    if (channels != 3 && channels != 4)
        return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.alpha = channels == 4;
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * channels ||
        !AllocatePixels(out))
        return false;
    rows.resize(height);
    const size_t stride = static_cast<size_t>(width) * channels;
    for (png_uint_32 y = 0; y < height; ++y) // bottom-up: the top row goes last
        rows[y] = out.pixels.data() + (height - 1 - y) * stride;
    png_read_image(png, rows.data());
    return true;
}

} // namespace

bool IsPng(const uint8_t* data, size_t size)
{
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool DecodePng(const uint8_t* data, size_t size, Decoded& out)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    Source src{data, size, 0};
    std::vector<png_bytep> rows;
    bool ok = false;
    try {
        ok = Run(png, info, src, out, rows);
    } catch (...) {
        ok = false;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok)
        out.pixels.clear();
    return ok;
}

} // namespace miscimage
