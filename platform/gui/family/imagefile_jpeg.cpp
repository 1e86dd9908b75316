// JPEG pictures through libjpeg(-turbo): grey and colour pictures become RGB, CMYK pictures
// (Adobe's inverted form included) are converted to RGB. A file that ends early is refused
// rather than shown with its missing part grey.
#include <cstdio>
// jpeglib.h needs FILE and size_t before it.
#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "imagecodecs.h"

namespace miscimage {
namespace {

// The decoder's working memory (progressive pictures keep all coefficients) is limited too.
constexpr long kMaxDecoderMemory = 512L << 20;

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    bool truncated;
};

void OnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level < 0 && err->pub.msg_code == JWRN_JPEG_EOF)
        err->truncated = true;
    if (level < 0 && err->pub.num_warnings++ > 1000)
        std::longjmp(err->jump, 1); // endless corrupt data: give up
}

void OnOutput(j_common_ptr) {}

void SetDensity(const jpeg_decompress_struct& cinfo, Decoded& out)
{
    if (!cinfo.saw_JFIF_marker || cinfo.X_density == 0 || cinfo.Y_density == 0)
        return;
    if (cinfo.density_unit == 1) { // dots per inch
        out.ppmX = cinfo.X_density / 0.0254;
        out.ppmY = cinfo.Y_density / 0.0254;
    } else if (cinfo.density_unit == 2) { // dots per centimetre
        out.ppmX = cinfo.X_density * 100.0;
        out.ppmY = cinfo.Y_density * 100.0;
    }
}

void CmykRowToRgb(const JSAMPLE* in, uint8_t* out, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        out[0] = static_cast<uint8_t>(c * k / 255);
        out[1] = static_cast<uint8_t>(m * k / 255);
        out[2] = static_cast<uint8_t>(y * k / 255);
    }
}

// Runs libjpeg. `out` and `cmykRow` belong to the caller, so a longjmp skips no destructor.
bool Run(jpeg_decompress_struct& cinfo, ErrorManager& err, const uint8_t* data, size_t size,
         Decoded& out, std::vector<JSAMPLE>& cmykRow)
{
    if (setjmp(err.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!SizeAllowed(cinfo.image_width, cinfo.image_height))
        return false;
    SetDensity(cinfo, out);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (static_cast<int>(cinfo.output_components) != (cmyk ? 4 : 3) ||
        !SizeAllowed(cinfo.output_width, cinfo.output_height))
        return false;
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    out.alpha = false;
    if (!AllocatePixels(out))
        return false;
    if (cmyk)
        cmykRow.resize(static_cast<size_t>(out.width) * 4);
    const size_t stride = static_cast<size_t>(out.width) * 3;
    while (cinfo.output_scanline < cinfo.output_height) {
        const size_t y = cinfo.output_scanline;
        uint8_t* row = out.pixels.data() + (out.height - 1 - y) * stride; // bottom-up
        JSAMPROW target = cmyk ? cmykRow.data() : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
            return false;
        if (cmyk)
            CmykRowToRgb(cmykRow.data(), row, out.width, cinfo.saw_Adobe_marker);
        if (err.truncated)
            return false;
    }
    jpeg_finish_decompress(&cinfo);
    return !err.truncated;
}

} // namespace

bool IsJpeg(const uint8_t* data, size_t size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool DecodeJpeg(const uint8_t* data, size_t size, Decoded& out)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.pub.output_message = OnOutput;
    std::vector<JSAMPLE> cmykRow;
    bool ok = false;
    try {
        ok = Run(cinfo, err, data, size, out, cmykRow);
    } catch (...) {
        ok = false;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        out.pixels.clear();
    return ok;
}

} // namespace miscimage
