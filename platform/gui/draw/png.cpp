// Writing surfaces as PNG: 8-bit RGBA, fast deflate and the "sub" row filter, so that a window
// capture takes tens of milliseconds.
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "win32/surface.h"

namespace {

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngWriter()
    {
        if (png)
            png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

void OnError(png_structp png, png_const_charp)
{
    std::longjmp(png_jmpbuf(png), 1);
}

void OnWarning(png_structp, png_const_charp) {}

bool Write(const MiscSurface& surface, FILE* file)
{
    PngWriter w;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!w.png)
        return false;
    w.info = png_create_info_struct(w.png);
    if (!w.info)
        return false;
    std::vector<png_bytep> rows(static_cast<size_t>(surface.height));
    for (int y = 0; y < surface.height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(const_cast<uint32_t*>(surface.row(y)));
    if (setjmp(png_jmpbuf(w.png)))
        return false;
    png_init_io(w.png, file);
    png_set_compression_level(w.png, Z_BEST_SPEED);
    png_set_filter(w.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(w.png, w.info, static_cast<png_uint_32>(surface.width),
                 static_cast<png_uint_32>(surface.height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(w.png, w.info);
    png_set_bgr(w.png); // memory holds B, G, R, A
    png_write_image(w.png, rows.data());
    png_write_end(w.png, nullptr);
    return true;
}

} // namespace

BOOL MiscWritePng(const MiscSurface& surface, const char* path)
{
    if (!path || surface.width <= 0 || surface.height <= 0 ||
        surface.pixels.size() < static_cast<size_t>(surface.width) * surface.height)
        return FALSE;
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return FALSE;
    const bool ok = Write(surface, file);
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        std::remove(path);
        return FALSE;
    }
    return TRUE;
}
