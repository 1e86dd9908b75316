// CImageFile: PNG, JPEG and BMP pictures into bottom-up RGB(A) rows with their densities, and
// damaged or absurd pictures refused.
#include <family.h>
#include <family/imagefile.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

using misc_test::WriteFile;

namespace {

using Bytes = std::vector<unsigned char>;

// --- writers of test pictures ---------------------------------------------------------------

struct PngParams {
    int width = 3, height = 2;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    int interlace = PNG_INTERLACE_NONE;
    unsigned ppm = 0; // pHYs in pixels per metre when non-zero
    bool transparentIndex0 = false;
};

void PngWrite(png_structp png, png_bytep data, png_size_t n)
{
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), n);
}
void PngFlush(png_structp) {}

// Sample (x, y) of channel c: a pattern that tells rows, columns and channels apart.
int Sample(int x, int y, int c)
{
    return (x * 40 + y * 90 + c * 20) & 0xFF;
}

std::string MakePng(const PngParams& s)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "";
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, s.width, s.height, s.bitDepth, s.colorType, s.interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (s.colorType == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}};
        png_set_PLTE(png, info, palette, 4);
        if (s.transparentIndex0) {
            png_byte alpha[1] = {0};
            png_set_tRNS(png, info, alpha, 1, nullptr);
        }
    }
    if (s.ppm)
        png_set_pHYs(png, info, s.ppm, s.ppm * 2, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    int channels = s.colorType == PNG_COLOR_TYPE_RGB ? 3
                   : s.colorType == PNG_COLOR_TYPE_RGBA ? 4
                   : s.colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    const int bytesPerSample = s.bitDepth == 16 ? 2 : 1;
    std::vector<std::vector<png_byte>> rows(s.height);
    for (int y = 0; y < s.height; ++y) {
        auto& row = rows[y];
        row.assign(static_cast<size_t>(s.width) * channels * bytesPerSample + 8, 0);
        for (int x = 0; x < s.width; ++x)
            for (int c = 0; c < channels; ++c) {
                int v = Sample(x, y, c);
                if (s.colorType == PNG_COLOR_TYPE_PALETTE)
                    v = (x + y) % 4;
                if (s.bitDepth == 16) {
                    row[(x * channels + c) * 2] = static_cast<png_byte>(v);
                    row[(x * channels + c) * 2 + 1] = 0x55;
                } else if (s.bitDepth < 8) { // grey levels of 1 bit: packed, high bit first
                    if (v & 0x80)
                        row[x / 8] |= static_cast<png_byte>(0x80 >> (x % 8));
                } else {
                    row[x * channels + c] = static_cast<png_byte>(v);
                }
            }
    }
    std::vector<png_bytep> pointers;
    for (auto& r : rows)
        pointers.push_back(r.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct JpegParams {
    int width = 16, height = 8;
    int components = 3; // 1 grey, 3 RGB, 4 CMYK
    int densityUnit = 1;
    int density = 300;
    bool progressive = false;
};

std::string MakeJpeg(const JpegParams& s)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = s.width;
    cinfo.image_height = s.height;
    cinfo.input_components = s.components;
    cinfo.in_color_space = s.components == 1 ? JCS_GRAYSCALE : s.components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    if (s.progressive)
        jpeg_simple_progression(&cinfo);
    cinfo.write_JFIF_header = s.components != 4;
    cinfo.density_unit = static_cast<UINT8>(s.densityUnit);
    cinfo.X_density = static_cast<UINT16>(s.density);
    cinfo.Y_density = static_cast<UINT16>(s.density);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(s.width) * s.components);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < s.width; ++x)
            for (int c = 0; c < s.components; ++c) // top half one colour, bottom half another
                row[x * s.components + c] = static_cast<JSAMPLE>(y < s.height / 2 ? 200 - 60 * c : 30 + 50 * c);
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

void Put16(std::string& b, unsigned v)
{
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, unsigned v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP file with a 40-byte header; bits given as stored.
std::string MakeBmp(int width, int height, int bpp, const std::string& bits, int ppm = 0,
                    const std::string& palette = "", unsigned compression = 0)
{
    std::string b = "BM";
    Put32(b, static_cast<unsigned>(54 + palette.size() + bits.size()));
    Put32(b, 0);
    Put32(b, static_cast<unsigned>(54 + palette.size()));
    Put32(b, 40);
    Put32(b, static_cast<unsigned>(width));
    Put32(b, static_cast<unsigned>(height));
    Put16(b, 1);
    Put16(b, static_cast<unsigned>(bpp));
    Put32(b, compression);
    Put32(b, static_cast<unsigned>(bits.size()));
    Put32(b, static_cast<unsigned>(ppm));
    Put32(b, static_cast<unsigned>(ppm));
    Put32(b, static_cast<unsigned>(palette.size() / 4));
    Put32(b, 0);
    return b + palette + bits;
}

bool LoadBytes(CImageFile& image, const std::string& bytes)
{
    return image.LoadMemoryData(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

// The pixel at (x, y), y counted from the top of the picture.
std::vector<int> Pixel(const CImageFile& image, int x, int y)
{
    const int bpp = image.getBytesPerPixel();
    const BYTE* row = image.getData() + static_cast<size_t>(image.getHeight() - 1 - y) * image.getRowBytes();
    return std::vector<int>(row + x * bpp, row + x * bpp + bpp);
}

// --- PNG ------------------------------------------------------------------------------------

TEST(ImageFilePng, RowsAreBottomUpRgb)
{
    CImageFile image;
    ASSERT_TRUE(LoadBytes(image, MakePng({})));
    EXPECT_EQ(image.getWidth(), 3);
    EXPECT_EQ(image.getHeight(), 2);
    EXPECT_EQ(image.getAlpha(), 0);
    EXPECT_EQ(image.getFormat(), CImageFile::formatPng);
    ASSERT_EQ(image.getDataSize(), 3u * 2u * 3u);
    // The first row of the buffer is the bottom row of the picture.
    EXPECT_EQ(image.getData()[0], Sample(0, 1, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Pixel(image, x, y), (std::vector<int>{Sample(x, y, 0), Sample(x, y, 1), Sample(x, y, 2)}));
    EXPECT_FALSE(image.hasDensity());
    EXPECT_EQ(image.getRealWidth(), 0.0);
}

TEST(ImageFilePng, EveryColourTypeBecomesRgbOrRgba)
{
    PngParams rgba;
    rgba.colorType = PNG_COLOR_TYPE_RGBA;
    CImageFile image;
    ASSERT_TRUE(LoadBytes(image, MakePng(rgba)));
    EXPECT_EQ(image.getAlpha(), 1);
    EXPECT_EQ(Pixel(image, 2, 0), (std::vector<int>{Sample(2, 0, 0), Sample(2, 0, 1), Sample(2, 0, 2), Sample(2, 0, 3)}));

    PngParams palette;
    palette.colorType = PNG_COLOR_TYPE_PALETTE;
    ASSERT_TRUE(LoadBytes(image, MakePng(palette)));
    EXPECT_EQ(image.getAlpha(), 0);
    EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 255, 0}));
    palette.transparentIndex0 = true;
    ASSERT_TRUE(LoadBytes(image, MakePng(palette)));
    EXPECT_EQ(image.getAlpha(), 1);
    EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{255, 0, 0, 0}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 255, 0, 255}));

    PngParams grey;
    grey.colorType = PNG_COLOR_TYPE_GRAY;
    ASSERT_TRUE(LoadBytes(image, MakePng(grey)));
    EXPECT_EQ(Pixel(image, 1, 1), (std::vector<int>{Sample(1, 1, 0), Sample(1, 1, 0), Sample(1, 1, 0)}));
    grey.bitDepth = 1;
    ASSERT_TRUE(LoadBytes(image, MakePng(grey)));
    EXPECT_EQ(Pixel(image, 2, 1), (std::vector<int>{255, 255, 255})); // Sample(2,1,0) = 170
    EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 0, 0}));

    PngParams deep;
    deep.bitDepth = 16;
    deep.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
    ASSERT_TRUE(LoadBytes(image, MakePng(deep)));
    EXPECT_EQ(image.getAlpha(), 1);
    EXPECT_EQ(Pixel(image, 1, 0)[3], Sample(1, 0, 1));

    PngParams interlaced;
    interlaced.width = 17;
    interlaced.height = 11;
    interlaced.interlace = PNG_INTERLACE_ADAM7;
    PngParams plain = interlaced;
    plain.interlace = PNG_INTERLACE_NONE;
    CImageFile a, b;
    ASSERT_TRUE(LoadBytes(a, MakePng(interlaced)));
    ASSERT_TRUE(LoadBytes(b, MakePng(plain)));
    EXPECT_TRUE(std::equal(a.getData(), a.getData() + a.getDataSize(), b.getData()));
}

TEST(ImageFilePng, DensityGivesTheRealSize)
{
    PngParams s;
    s.width = 100;
    s.height = 50;
    s.ppm = 4000; // vertically 8000
    CImageFile image;
    ASSERT_TRUE(LoadBytes(image, MakePng(s)));
    ASSERT_TRUE(image.hasDensity());
    EXPECT_EQ(image.getDensityX(), 4000.0);
    EXPECT_EQ(image.getDensityY(), 8000.0);
    EXPECT_DOUBLE_EQ(image.getRealWidth(), 25.0);
    EXPECT_DOUBLE_EQ(image.getRealHeight(), 6.25);
}

// --- JPEG -----------------------------------------------------------------------------------

TEST(ImageFileJpeg, ColourGreyAndCmyk)
{
    for (bool progressive : {false, true}) {
        JpegParams s;
        s.progressive = progressive;
        CImageFile image;
        ASSERT_TRUE(LoadBytes(image, MakeJpeg(s))) << progressive;
        EXPECT_EQ(image.getWidth(), 16);
        EXPECT_EQ(image.getHeight(), 8);
        EXPECT_EQ(image.getAlpha(), 0);
        EXPECT_EQ(image.getFormat(), CImageFile::formatJpeg);
        const std::vector<int> top = Pixel(image, 3, 0), bottom = Pixel(image, 3, 7);
        const int want[2][3] = {{200, 140, 80}, {30, 80, 130}};
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(top[c], want[0][c], 4) << c;
            EXPECT_NEAR(bottom[c], want[1][c], 4) << c;
        }
    }
    JpegParams grey;
    grey.components = 1;
    CImageFile image;
    ASSERT_TRUE(LoadBytes(image, MakeJpeg(grey)));
    std::vector<int> p = Pixel(image, 0, 0);
    EXPECT_NEAR(p[0], 200, 2);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);

    JpegParams cmyk; // plain CMYK (no Adobe marker here): C 200, M 140, Y 80, K 20 on top
    cmyk.components = 4;
    ASSERT_TRUE(LoadBytes(image, MakeJpeg(cmyk)));
    p = Pixel(image, 0, 0);
    ASSERT_EQ(p.size(), 3u);
}

TEST(ImageFileJpeg, Densities)
{
    const struct {
        int unit, density;
        double ppm;
    } cases[] = {
        {1, 254, 10000.0}, // dots per inch
        {2, 40, 4000.0},   // dots per centimetre
        {0, 1, 0.0},       // aspect ratio only
    };
    for (const auto& c : cases) {
        JpegParams s;
        s.densityUnit = c.unit;
        s.density = c.density;
        CImageFile image;
        ASSERT_TRUE(LoadBytes(image, MakeJpeg(s)));
        EXPECT_NEAR(image.getDensityX(), c.ppm, 1e-6) << c.unit;
        EXPECT_NEAR(image.getDensityY(), c.ppm, 1e-6) << c.unit;
    }
}

// --- BMP ------------------------------------------------------------------------------------

TEST(ImageFileBmp, DepthsAndDensity)
{
    // 24 bits, 2 by 2, bottom-up: bottom row red, green; top row blue, white.
    const std::string bits24 = std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8) +
                               std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);
    CImageFile image;
    ASSERT_TRUE(LoadBytes(image, MakeBmp(2, 2, 24, bits24, 3780)));
    EXPECT_EQ(image.getFormat(), CImageFile::formatBmp);
    EXPECT_EQ(image.getAlpha(), 0);
    EXPECT_EQ(Pixel(image, 0, 1), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(Pixel(image, 1, 1), (std::vector<int>{0, 255, 0}));
    EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(image.getDensityX(), 3780.0);

    // A top-down picture (negative height) reads the same.
    std::string topDown = MakeBmp(2, -2, 24, bits24.substr(8) + bits24.substr(0, 8));
    CImageFile same;
    ASSERT_TRUE(LoadBytes(same, topDown));
    EXPECT_TRUE(std::equal(image.getData(), image.getData() + image.getDataSize(), same.getData()));
    EXPECT_FALSE(same.hasDensity());

    // 8 bits with a palette, and the same compressed as RLE8.
    const std::string palette = std::string("\x00\x00\x00\x00\x10\x20\x30\x00", 8);
    ASSERT_TRUE(LoadBytes(image, MakeBmp(3, 1, 8, std::string("\x01\x00\x01\x00", 4), 0, palette)));
    EXPECT_EQ(Pixel(image, 0, 0), (std::vector<int>{0x30, 0x20, 0x10}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 0, 0}));
    ASSERT_TRUE(LoadBytes(image, MakeBmp(3, 1, 8, std::string("\x01\x01\x01\x00\x01\x01\x00\x01", 8), 0,
                                         palette, 1 /* BI_RLE8 */)));
    EXPECT_EQ(Pixel(image, 2, 0), (std::vector<int>{0x30, 0x20, 0x10}));
    EXPECT_EQ(Pixel(image, 1, 0), (std::vector<int>{0, 0, 0}));
}

// --- files and damage -----------------------------------------------------------------------

TEST(ImageFile, LoadsFilesByContentNotName)
{
    const std::string dir = misc_test::MakeTempDir("img");
    WriteFile(dir + "/picture.jpg", MakePng({})); // a PNG under a JPEG name
    CImageFile image;
    ASSERT_TRUE(image.LoadDiskData(CGenString((dir + "/picture.jpg").c_str())));
    EXPECT_EQ(image.getFormat(), CImageFile::formatPng);
    std::string windows = dir + "\\picture.jpg";
    EXPECT_TRUE(image.LoadDiskData(CGenString(windows.c_str())));
    EXPECT_EQ(std::string(image.getPath()), windows);

    CImageFile copy(image);
    EXPECT_EQ(copy.getDataSize(), image.getDataSize());
    EXPECT_NE(copy.getData(), image.getData());

    EXPECT_FALSE(image.LoadDiskData(CGenString((dir + "/missing.png").c_str())));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.getData(), nullptr);
    EXPECT_FALSE(image.LoadDiskData(CGenString(dir.c_str()))); // a folder
    EXPECT_FALSE(image.LoadDiskData(CGenString("")));
    WriteFile(dir + "/empty.png", "");
    EXPECT_FALSE(image.LoadDiskData(CGenString((dir + "/empty.png").c_str())));
    WriteFile(dir + "/anim.gif", "GIF89a\x01\x00\x01\x00");
    EXPECT_FALSE(image.LoadDiskData(CGenString((dir + "/anim.gif").c_str())));
}

TEST(ImageFile, TruncatedAndDamagedPicturesFail)
{
    PngParams bigPng;
    bigPng.width = 40;
    bigPng.height = 30;
    JpegParams bigJpeg;
    bigJpeg.width = 40;
    bigJpeg.height = 30;
    std::string bits(12 * 4, '\x7F');
    // Each file, and how many bytes at its end follow the picture data (IEND, EOI).
    const std::pair<std::string, size_t> files[] = {
        {MakePng(bigPng), 12}, {MakeJpeg(bigJpeg), 2}, {MakeBmp(4, 4, 24, bits), 0}};
    for (const auto& [good, tail] : files) {
        CImageFile image;
        ASSERT_TRUE(LoadBytes(image, good));
        // Every cut that loses picture data fails.
        for (size_t cut = 0; cut + tail < good.size(); cut += 1 + cut / 16) {
            EXPECT_FALSE(LoadBytes(image, good.substr(0, cut))) << good.substr(0, 2) << " cut at " << cut;
            EXPECT_TRUE(image.IsEmpty());
        }
        // Flipped bytes: any result, but no crash and a consistent image.
        for (size_t at = 0; at < good.size(); at += 7) {
            std::string bad = good;
            bad[at] = static_cast<char>(bad[at] ^ 0x5A);
            if (LoadBytes(image, bad))
                EXPECT_EQ(image.getDataSize(), image.getRowBytes() * image.getHeight());
        }
    }
}

TEST(ImageFile, AbsurdSizesAreRefusedBeforeAllocating)
{
    // PNG headers claiming 60000 by 60000 pixels (beyond the limit) and 60000 by 1000 (more
    // than the few bytes of data could hold) over the data of 60000 by 2.
    PngParams s;
    s.width = 60000;
    s.height = 2;
    const std::string small = MakePng(s);
    ASSERT_FALSE(small.empty());
    CImageFile image;
    for (unsigned height : {60000u, 1000u}) {
        std::string png = small;
        // Patch the height in IHDR (bytes 20..23) and its CRC (29..32).
        for (int i = 0; i < 4; ++i)
            png[20 + i] = static_cast<char>((height >> (24 - 8 * i)) & 0xFF);
        unsigned long crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
        for (int i = 0; i < 4; ++i)
            png[29 + i] = static_cast<char>((crc >> (24 - 8 * i)) & 0xFF);
        EXPECT_FALSE(LoadBytes(image, png)) << height;
    }

    // BMP headers with sizes beyond the limits or beyond the bytes that follow.
    EXPECT_FALSE(LoadBytes(image, MakeBmp(70000, 1, 24, std::string(210000, '\0'))));
    EXPECT_FALSE(LoadBytes(image, MakeBmp(8000, 8000, 1, std::string(64, '\0'))));
    EXPECT_FALSE(LoadBytes(image, MakeBmp(30000, 30000, 8, std::string(8, '\0'), 0, "", 1)));
    EXPECT_FALSE(LoadBytes(image, MakeBmp(0, 5, 24, std::string(16, '\0'))));

    // A JPEG frame header of 65535 by 65535.
    std::string jpeg = MakeJpeg({});
    size_t sof = jpeg.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    jpeg[sof + 5] = jpeg[sof + 6] = jpeg[sof + 7] = jpeg[sof + 8] = static_cast<char>(0xFF);
    EXPECT_FALSE(LoadBytes(image, jpeg));
}

} // namespace
