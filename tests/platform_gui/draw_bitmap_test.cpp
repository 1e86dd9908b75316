// Bitmaps and blits: memory contexts, raster operations, stretching that repeats and skips
// pixels, device-independent bits in both row orders, bitmap files and resources, alpha and
// transparent blits.
#include <cstring>
#include <vector>

#include "draw_fixture.h"
#include "win32/module.h"

namespace {

using draw_test::Describe;
using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory context holding a w x h colour bitmap whose pixel (x, y) is Colour(x, y).
struct MemoryBitmap {
    static COLORREF Colour(int x, int y) { return RGB(x * 16, y * 16, 128); }
    MemoryBitmap(HDC like, int w, int h, bool pattern = true)
    {
        dc = CreateCompatibleDC(like);
        bitmap = CreateCompatibleBitmap(like, w, h);
        old = SelectObject(dc, bitmap);
        if (pattern)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    SetPixel(dc, x, y, Colour(x, y));
    }
    ~MemoryBitmap()
    {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

class BitmapTest : public SurfaceTest {};

TEST_F(BitmapTest, MemoryContextsStartWithAOnePixelMonochromeBitmap)
{
    HDC mem = CreateCompatibleDC(dc);
    BITMAP bm{};
    HGDIOBJ stock = GetCurrentObject(mem, OBJ_BITMAP);
    ASSERT_EQ(GetObjectA(stock, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // So a bitmap "compatible" with the memory context is monochrome, as in Windows.
    HBITMAP mono = CreateCompatibleBitmap(mem, 8, 8);
    GetObjectA(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HBITMAP colour = CreateCompatibleBitmap(dc, 8, 8);
    GetObjectA(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidth, 8);
    DeleteObject(mono);
    DeleteObject(colour);
    DeleteDC(mem);
}

TEST_F(BitmapTest, ABitmapIsSelectedIntoOneContextAtATime)
{
    MemoryBitmap a(dc, 4, 4);
    HDC other = CreateCompatibleDC(dc);
    EXPECT_EQ(SelectObject(other, a.bitmap), nullptr);
    SelectObject(a.dc, a.old);
    EXPECT_NE(SelectObject(other, a.bitmap), nullptr);
    SelectObject(other, GetStockObject(BLACK_PEN)); // unrelated; keeps the bitmap
    DeleteDC(other);
    SelectObject(a.dc, a.bitmap);
}

TEST_F(BitmapTest, BitBltCopiesAndClipsToTheSource)
{
    MemoryBitmap src(dc, 8, 8);
    BitBlt(dc, 10, 20, 8, 8, src.dc, 0, 0, SRCCOPY);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(At(10 + x, 20 + y), MemoryBitmap::Colour(x, y));
    Reset(64, 64);
    // Only the part of the source rectangle that exists is copied.
    BitBlt(dc, 0, 0, 20, 20, src.dc, 4, 4, SRCCOPY);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{0, 0, 4, 4}));
    EXPECT_EQ(At(0, 0), MemoryBitmap::Colour(4, 4));
}

TEST_F(BitmapTest, BitBltWithinOneSurfaceHandlesOverlap)
{
    for (int x = 0; x < 64; ++x)
        SetPixel(dc, x, 0, RGB(x, 0, 0));
    BitBlt(dc, 1, 0, 63, 1, dc, 0, 0, SRCCOPY); // scroll right by one
    for (int x = 1; x < 64; ++x)
        ASSERT_EQ(At(x, 0), RGB(x - 1, 0, 0)) << x;
}

struct RopCase {
    DWORD rop;
    COLORREF src, dst, brush, expected;
};

class RasterOps : public SurfaceTest, public ::testing::WithParamInterface<RopCase> {};

INSTANTIATE_TEST_SUITE_P(
    Rop3, RasterOps,
    ::testing::Values(
        RopCase{SRCCOPY, RGB(0x12, 0x34, 0x56), RGB(0xFF, 0, 0), 0, RGB(0x12, 0x34, 0x56)},
        RopCase{SRCPAINT, RGB(0x0F, 0xF0, 0x00), RGB(0xF0, 0x00, 0x0F), 0, RGB(0xFF, 0xF0, 0x0F)},
        RopCase{SRCAND, RGB(0x3C, 0xFF, 0x0F), RGB(0xF0, 0x0F, 0xFF), 0, RGB(0x30, 0x0F, 0x0F)},
        RopCase{SRCINVERT, RGB(0xFF, 0x0F, 0x00), RGB(0x0F, 0x0F, 0x0F), 0, RGB(0xF0, 0x00, 0x0F)},
        RopCase{NOTSRCCOPY, RGB(0xFF, 0x0F, 0x00), RGB(1, 2, 3), 0, RGB(0x00, 0xF0, 0xFF)},
        RopCase{DSTINVERT, RGB(1, 2, 3), RGB(0xFF, 0x0F, 0x00), 0, RGB(0x00, 0xF0, 0xFF)},
        RopCase{PATCOPY, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(7, 8, 9)},
        RopCase{PATINVERT, RGB(1, 2, 3), RGB(0xF0, 0xF0, 0xF0), RGB(0xFF, 0x0F, 0), RGB(0x0F, 0xFF, 0xF0)},
        RopCase{BLACKNESS, RGB(1, 2, 3), RGB(4, 5, 6), 0, RGB(0, 0, 0)},
        RopCase{WHITENESS, RGB(1, 2, 3), RGB(4, 5, 6), 0, RGB(255, 255, 255)},
        RopCase{MERGECOPY, RGB(0xFF, 0x0F, 0xF0), RGB(4, 5, 6), RGB(0x0F, 0xFF, 0xF0), RGB(0x0F, 0x0F, 0xF0)}));

TEST_P(RasterOps, BitBltCombinesSourcePatternAndDestination)
{
    const RopCase c = GetParam();
    Reset(8, 8, c.dst);
    MemoryBitmap src(dc, 4, 4, false);
    SetPixel(src.dc, 1, 1, c.src);
    HBRUSH brush = CreateSolidBrush(c.brush);
    SelectObject(dc, brush);
    BitBlt(dc, 2, 2, 1, 1, src.dc, 1, 1, c.rop);
    EXPECT_EQ(At(2, 2), c.expected) << std::hex << At(2, 2);
    EXPECT_EQ(At(3, 3), c.dst);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST_F(BitmapTest, StretchingRepeatsAndSkipsPixels)
{
    MemoryBitmap src(dc, 4, 4);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, 8, 8, src.dc, 0, 0, 4, 4, SRCCOPY);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(At(x, y), MemoryBitmap::Colour(x / 2, y / 2)) << x << "," << y;
    Reset(64, 64);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(At(0, 0), MemoryBitmap::Colour(0, 0));
    EXPECT_EQ(At(1, 0), MemoryBitmap::Colour(2, 0));
    EXPECT_EQ(At(1, 1), MemoryBitmap::Colour(2, 2));
    EXPECT_EQ(Describe(Ink()), Describe(RECT{0, 0, 2, 2}));
    // Three source pixels over two: each destination pixel takes the first one it covers.
    Reset(64, 64);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, 2, 1, src.dc, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(At(0, 0), MemoryBitmap::Colour(0, 0));
    EXPECT_EQ(At(1, 0), MemoryBitmap::Colour(1, 0));
}

TEST_F(BitmapTest, NegativeExtentsMirror)
{
    // The usual idiom: a negative width from the last column mirrors into the same columns.
    MemoryBitmap src(dc, 4, 1);
    StretchBlt(dc, 3, 0, -4, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{0, 0, 4, 1}));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(At(x, 0), MemoryBitmap::Colour(3 - x, 0));
}

TEST_F(BitmapTest, BlackOnWhiteShrinkingKeepsThinBlackLines)
{
    MemoryBitmap src(dc, 4, 4, false);
    const RECT all{0, 0, 4, 4};
    FillRect(src.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(src.dc, 1, 1, kBlack); // a pixel that plain sampling would skip
    SetStretchBltMode(dc, BLACKONWHITE);
    StretchBlt(dc, 0, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(At(0, 0), kBlack);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(At(0, 0), kWhite);
}

TEST_F(BitmapTest, MonochromeBitmapsTakeTextAndBackgroundColours)
{
    const BYTE rows[2 * 2] = {0x80, 0, 0x40, 0}; // (0,0) and (1,1) set, word-aligned rows
    HBITMAP mono = CreateBitmap(8, 2, 1, 1, rows);
    HDC mem = CreateCompatibleDC(dc);
    SelectObject(mem, mono);
    SetTextColor(dc, RGB(255, 0, 0)); // 0 bits
    SetBkColor(dc, RGB(0, 0, 255));   // 1 bits
    BitBlt(dc, 0, 0, 8, 2, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(1, 1), RGB(0, 0, 255));
    // Colour to monochrome: the source's background colour becomes white, the rest black.
    SetBkColor(dc, RGB(0, 0, 255));
    const RECT clear{0, 0, 8, 2};
    FillRect(mem, &clear, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    BitBlt(mem, 0, 0, 8, 2, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mem, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mem, 1, 0), kBlack);
    DeleteDC(mem);
    DeleteObject(mono);
}

BITMAPINFO Info32(int w, int h)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

TEST_F(BitmapTest, DibSectionBitsAreThePixelsInBothRowOrders)
{
    for (int h : {4, -4}) {
        BITMAPINFO bi = Info32(4, h);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(dib, nullptr);
        ASSERT_NE(bits, nullptr);
        HDC mem = CreateCompatibleDC(dc);
        SelectObject(mem, dib);
        SetPixel(mem, 1, 0, RGB(10, 20, 30)); // the top row
        const uint32_t* px = static_cast<const uint32_t*>(bits);
        const int topRow = h > 0 ? 3 : 0;
        EXPECT_EQ(px[topRow * 4 + 1] & 0xFFFFFFu, 0x0A141Eu) << "height " << h;
        // And writing the bits shows through GDI.
        uint32_t* w = static_cast<uint32_t*>(bits);
        w[(h > 0 ? 0 : 3) * 4 + 2] = 0x00FF0000u; // the bottom row, red
        EXPECT_EQ(GetPixel(mem, 2, 3), RGB(255, 0, 0));
        DIBSECTION ds{};
        EXPECT_EQ(GetObjectA(dib, sizeof ds, &ds), static_cast<int>(sizeof ds));
        EXPECT_EQ(ds.dsBm.bmBits, bits);
        EXPECT_EQ(ds.dsBmih.biHeight, h);
        DeleteDC(mem);
        DeleteObject(dib);
    }
}

TEST_F(BitmapTest, TwentyFourBitDibSectionsAreKeptInStep)
{
    BITMAPINFO bi = Info32(3, 2);
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    uint8_t* b = static_cast<uint8_t*>(bits);
    b[0] = 0x30, b[1] = 0x20, b[2] = 0x10; // bottom-left, B G R
    HDC mem = CreateCompatibleDC(dc);
    SelectObject(mem, dib);
    EXPECT_EQ(GetPixel(mem, 0, 1), RGB(0x10, 0x20, 0x30));
    SetPixel(mem, 2, 0, RGB(1, 2, 3)); // top-right: the second stored row, padded to 12 bytes
    EXPECT_EQ(b[12 + 6], 3);
    EXPECT_EQ(b[12 + 7], 2);
    EXPECT_EQ(b[12 + 8], 1);
    DeleteDC(mem);
    DeleteObject(dib);
}

TEST_F(BitmapTest, GetDIBitsAndSetDIBitsRoundTrip)
{
    MemoryBitmap src(dc, 5, 3);
    SelectObject(src.dc, src.old); // GDI wants the bitmap free for the bits functions
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_TRUE(GetDIBits(dc, src.bitmap, 0, 0, nullptr, &bi, DIB_RGB_COLORS));
    EXPECT_EQ(bi.bmiHeader.biWidth, 5);
    EXPECT_EQ(bi.bmiHeader.biHeight, 3);
    EXPECT_EQ(bi.bmiHeader.biBitCount, 32);
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bits(16 * 3);
    EXPECT_EQ(GetDIBits(dc, src.bitmap, 0, 3, bits.data(), &bi, DIB_RGB_COLORS), 3);
    // Bottom-up: the first stored row is the bottom one.
    const COLORREF c = MemoryBitmap::Colour(1, 2);
    EXPECT_EQ(bits[3 * 1 + 2], GetRValue(c));
    EXPECT_EQ(bits[3 * 1 + 1], GetGValue(c));
    HBITMAP copy = CreateCompatibleBitmap(dc, 5, 3);
    EXPECT_EQ(SetDIBits(dc, copy, 0, 3, bits.data(), &bi, DIB_RGB_COLORS), 3);
    HDC mem = CreateCompatibleDC(dc);
    SelectObject(mem, copy);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(GetPixel(mem, x, y), MemoryBitmap::Colour(x, y));
    DeleteDC(mem);
    DeleteObject(copy);
    SelectObject(src.dc, src.bitmap);
}

TEST_F(BitmapTest, DibsToTheDeviceInBothRowOrdersAndWithAPalette)
{
    // 2 x 2, 32 bits: stored rows are bottom first for a positive height.
    const uint32_t pixels[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0x00FFFFFFu};
    BITMAPINFO bi = Info32(2, 2);
    EXPECT_EQ(SetDIBitsToDevice(dc, 10, 10, 2, 2, 0, 0, 0, 2, pixels, &bi, DIB_RGB_COLORS), 2);
    EXPECT_EQ(At(10, 11), RGB(255, 0, 0)); // first stored pixel: bottom-left
    EXPECT_EQ(At(10, 10), RGB(0, 0, 255));
    bi.bmiHeader.biHeight = -2;
    SetDIBitsToDevice(dc, 20, 10, 2, 2, 0, 0, 0, 2, pixels, &bi, DIB_RGB_COLORS);
    EXPECT_EQ(At(20, 10), RGB(255, 0, 0)); // top-down: first stored pixel is top-left
    // Stretched, 8 bits with a palette, rows padded to four bytes.
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } pal{};
    pal.h = Info32(2, 2).bmiHeader;
    pal.h.biBitCount = 8;
    pal.h.biClrUsed = 2;
    pal.colors[0] = RGBQUAD{0, 0, 0, 0};
    pal.colors[1] = RGBQUAD{0, 255, 0, 0};
    const uint8_t idx[8] = {1, 0, 0, 0, 0, 1, 0, 0};
    EXPECT_EQ(StretchDIBits(dc, 30, 30, 4, 4, 0, 0, 2, 2, idx, reinterpret_cast<BITMAPINFO*>(&pal),
                            DIB_RGB_COLORS, SRCCOPY),
              2);
    EXPECT_EQ(At(30, 33), RGB(0, 255, 0)); // bottom-left, doubled
    EXPECT_EQ(At(31, 32), RGB(0, 255, 0));
    EXPECT_EQ(At(33, 30), RGB(0, 255, 0)); // top-right
    EXPECT_EQ(At(30, 30), kBlack);
}

// A .bmp file of the given depth holding a 3 x 2 picture: red, green, blue on the top row and
// white, black, grey below.
std::vector<uint8_t> MakeBmp(int bpp)
{
    const COLORREF picture[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                    {RGB(255, 255, 255), RGB(0, 0, 0), RGB(128, 128, 128)}};
    std::vector<RGBQUAD> palette;
    if (bpp <= 8) {
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                palette.push_back(RGBQUAD{GetBValue(picture[y][x]), GetGValue(picture[y][x]),
                                          GetRValue(picture[y][x]), 0});
        if (bpp == 1)
            palette = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
        palette.resize(static_cast<size_t>(1) << bpp);
    }
    const size_t stride = ((3 * bpp + 31) / 32) * 4;
    const size_t offset = 14 + 40 + palette.size() * 4;
    std::vector<uint8_t> f(offset + stride * 2, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&f[at], &v, 4); };
    f[0] = 'B', f[1] = 'M';
    put32(2, static_cast<uint32_t>(f.size()));
    put32(10, static_cast<uint32_t>(offset));
    put32(14, 40);
    put32(18, 3);
    put32(22, 2);
    f[26] = 1;
    f[28] = static_cast<uint8_t>(bpp);
    if (!palette.empty())
        std::memcpy(&f[54], palette.data(), palette.size() * 4);
    for (int row = 0; row < 2; ++row) {
        const int y = 1 - row; // bottom-up
        uint8_t* r = &f[offset + row * stride];
        for (int x = 0; x < 3; ++x) {
            const COLORREF c = picture[y][x];
            const int index = bpp == 1 ? (c == RGB(255, 255, 255) ? 1 : 0) : y * 3 + x;
            switch (bpp) {
            case 1: r[0] |= static_cast<uint8_t>(index << (7 - x)); break;
            case 4: r[x / 2] |= static_cast<uint8_t>(index << ((x & 1) ? 0 : 4)); break;
            case 8: r[x] = static_cast<uint8_t>(index); break;
            case 24:
            case 32:
                r[x * (bpp / 8)] = GetBValue(c);
                r[x * (bpp / 8) + 1] = GetGValue(c);
                r[x * (bpp / 8) + 2] = GetRValue(c);
                break;
            }
        }
    }
    return f;
}

class BmpDepths : public BitmapTest, public ::testing::WithParamInterface<int> {};
INSTANTIATE_TEST_SUITE_P(Files, BmpDepths, ::testing::Values(1, 4, 8, 24, 32));

TEST_P(BmpDepths, BitmapFilesDecodeTopRowFirst)
{
    const int bpp = GetParam();
    const std::vector<uint8_t> file = MakeBmp(bpp);
    HBITMAP bmp = MiscCreateBitmapFromBmp(file.data(), file.size());
    ASSERT_NE(bmp, nullptr);
    MiscSurface s;
    ASSERT_TRUE(MiscCopyBitmapToSurface(bmp, &s));
    ASSERT_EQ(s.width, 3);
    ASSERT_EQ(s.height, 2);
    auto at = [&](int x, int y) { return MiscColorFromPixel(s.row(y)[x]); };
    if (bpp == 1) {
        EXPECT_EQ(at(0, 1), kWhite);
        EXPECT_EQ(at(1, 1), kBlack);
    } else {
        EXPECT_EQ(at(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(at(2, 0), RGB(0, 0, 255));
        EXPECT_EQ(at(2, 1), RGB(128, 128, 128));
    }
    // Every shorter prefix of the file is refused or decoded without reading past its end.
    for (size_t n = 0; n < file.size(); ++n) {
        HBITMAP partial = MiscCreateBitmapFromBmp(file.data(), n);
        if (partial)
            DeleteObject(partial);
    }
    DeleteObject(bmp);
}

TEST_F(BitmapTest, LoadBitmapFindsAModulesBitmapResources)
{
    static std::vector<uint8_t> file = MakeBmp(24);
    static const MiscResBlob blobs[] = {{501, nullptr, file.data(), file.size()},
                                        {502, "IDB_NAMED", file.data(), file.size()}};
    static const MiscResourceTable table = {nullptr, 0, nullptr, 0, nullptr, 0, blobs, 2, nullptr, 0};
    HMODULE module = MiscRegisterModule("draw_test_bitmaps.dll", &table);
    HBITMAP a = LoadBitmapA(module, MAKEINTRESOURCE(501));
    HBITMAP b = LoadBitmapA(module, "idb_named");
    HBITMAP c = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCE(501), IMAGE_BITMAP, 6, 4, 0));
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr);
    ASSERT_NE(c, nullptr);
    BITMAP bm{};
    GetObjectA(c, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 6);
    EXPECT_EQ(bm.bmHeight, 4);
    EXPECT_EQ(LoadBitmapA(module, MAKEINTRESOURCE(999)), nullptr);
    for (HBITMAP h : {a, b, c})
        DeleteObject(h);
    MiscUnregisterModule("draw_test_bitmaps.dll");
}

TEST_F(BitmapTest, AlphaBlendAndTransparentBlt)
{
    Reset(8, 8, RGB(0, 0, 200));
    MemoryBitmap src(dc, 4, 4, false);
    const RECT all{0, 0, 4, 4};
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    FillRect(src.dc, &all, red);
    SetPixel(src.dc, 0, 0, RGB(255, 0, 255));
    BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    AlphaBlend(dc, 0, 0, 4, 4, src.dc, 0, 0, 4, 4, half);
    EXPECT_NEAR(GetRValue(At(1, 1)), 100, 1);
    EXPECT_NEAR(GetBValue(At(1, 1)), 100, 1);
    Reset(8, 8, RGB(0, 0, 200));
    TransparentBlt(dc, 0, 0, 8, 8, src.dc, 0, 0, 4, 4, RGB(255, 0, 255));
    EXPECT_EQ(At(0, 0), RGB(0, 0, 200)); // the transparent colour, doubled
    EXPECT_EQ(At(1, 1), RGB(0, 0, 200));
    EXPECT_EQ(At(2, 2), RGB(200, 0, 0));
    DeleteObject(red);
}

TEST_F(BitmapTest, PatternBrushesTileFromTheBrushOrigin)
{
    MemoryBitmap tile(dc, 2, 2, false);
    SetPixel(tile.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(tile.dc, 1, 1, RGB(255, 0, 0));
    SelectObject(tile.dc, tile.old);
    HBRUSH brush = CreatePatternBrush(tile.bitmap);
    SelectObject(tile.dc, tile.bitmap);
    const RECT r{0, 0, 6, 6};
    FillRect(dc, &r, brush);
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(1, 0), kBlack);
    EXPECT_EQ(At(4, 4), RGB(255, 0, 0));
    SetBrushOrgEx(dc, 1, 0, nullptr);
    FillRect(dc, &r, brush);
    EXPECT_EQ(At(1, 0), RGB(255, 0, 0));
    DeleteObject(brush);
}

} // namespace
