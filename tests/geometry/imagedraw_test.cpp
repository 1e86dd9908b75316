// CWinImageFile::Draw: refusals, the unscaled and scaled paths showing the same colours,
// nearest-neighbour sampling that repeats and skips pixels exactly, and clipping.
#include <misc/geometry.h>
#include <misc/geometry/winimage.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "test_env.h"

namespace {

constexpr COLORREF kBack = RGB(1, 2, 3);

// A distinct colour for every pixel (x, y) of a picture, y from the top.
COLORREF Colour(int x, int y)
{
    return RGB(10 + 20 * x, 15 + 30 * y, 200 - 10 * x - 5 * y);
}

// A 24-bit BMP file whose pixel (x, y) from the top is Colour(x, y).
std::vector<BYTE> Bmp24(int w, int h)
{
    const int stride = (w * 3 + 3) / 4 * 4;
    const uint32_t size = 54 + static_cast<uint32_t>(stride * h);
    std::vector<BYTE> f(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            f[at + k] = static_cast<BYTE>(v >> (8 * k));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    f[26] = 1;
    f[28] = 24;
    for (int row = 0; row < h; ++row) // bottom-up
        for (int x = 0; x < w; ++x) {
            const COLORREF c = Colour(x, h - 1 - row);
            BYTE* p = &f[54 + static_cast<size_t>(row) * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return f;
}

CWinImageFile Picture(int w, int h)
{
    const std::vector<BYTE> bmp = Bmp24(w, h);
    CWinImageFile image;
    EXPECT_TRUE(image.LoadMemoryData(bmp.data(), bmp.size()));
    EXPECT_EQ(image.getAlpha(), 0);
    return image;
}

// A picture with an alpha channel (an RGBA PNG), same colours, opaque.
CWinImageFile AlphaPicture(int w, int h)
{
    MiscSurface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.row(y)[x] = MiscPixelFromColor(Colour(x, y));
    const std::string path = misc_test::MakeTempDir("img") + "/a.png";
    EXPECT_TRUE(MiscWritePng(s, path.c_str()));
    CWinImageFile image;
    EXPECT_TRUE(image.LoadDiskData(CGenString(path.c_str())));
    EXPECT_NE(image.getAlpha(), 0);
    return image;
}

class ImageDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        surface = MiscSurface(64, 48, MiscPixelFromColor(kBack));
        dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    }
    void TearDown() override
    {
        if (HasFailure()) {
            const std::string path = misc_test::MakeTempDir("imgdraw") + "/failed.png";
            MiscWritePng(surface, path.c_str());
            std::printf("surface written to %s\n", path.c_str());
        }
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]); }
    int Painted() const
    {
        int n = 0;
        for (uint32_t p : surface.pixels)
            n += MiscColorFromPixel(p) != kBack;
        return n;
    }

    MiscSurface surface;
    HDC dc = nullptr;
};

TEST_F(ImageDrawTest, RefusesWhatItCannotDraw)
{
    CWinImageFile image = Picture(4, 3);
    EXPECT_FALSE(image.Draw(nullptr, 0, 0, 4, 3, nullptr));
    EXPECT_FALSE(image.Draw(dc, 0, 0, 0, 3, nullptr));
    EXPECT_FALSE(image.Draw(dc, 0, 0, 4, 0, nullptr));
    image.m_drawable = 0;
    EXPECT_FALSE(image.Draw(dc, 0, 0, 4, 3, nullptr));
    CWinImageFile copy(image);
    EXPECT_EQ(copy.m_drawable, 0) << "a copy takes the flag";
    CWinImageFile empty;
    EXPECT_FALSE(empty.Draw(dc, 0, 0, 4, 3, nullptr));
    EXPECT_FALSE(empty.Draw(dc, 0, 0, -1, -1, nullptr));
    EXPECT_EQ(Painted(), 0);
}

TEST_F(ImageDrawTest, OwnSizeShowsEveryPixelInItsColours)
{
    for (bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "RGBA" : "RGB");
        CWinImageFile image = alpha ? AlphaPicture(5, 4) : Picture(5, 4);
        EXPECT_TRUE(image.Draw(dc, 7, 9, -1, -1, nullptr));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(At(7 + x, 9 + y), Colour(x, y)) << x << "," << y;
        EXPECT_EQ(Painted(), 20);
        std::fill(surface.pixels.begin(), surface.pixels.end(), MiscPixelFromColor(kBack));
    }
}

TEST_F(ImageDrawTest, DoublingRepeatsEveryPixelTwice)
{
    for (bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "RGBA" : "RGB");
        CWinImageFile image = alpha ? AlphaPicture(5, 4) : Picture(5, 4);
        EXPECT_TRUE(image.Draw(dc, 3, 2, 10, 8, nullptr));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(At(3 + x, 2 + y), Colour(x / 2, y / 2)) << x << "," << y;
        EXPECT_EQ(Painted(), 80);
        std::fill(surface.pixels.begin(), surface.pixels.end(), MiscPixelFromColor(kBack));
    }
}

TEST_F(ImageDrawTest, HalvingTakesEverySecondPixel)
{
    CWinImageFile image = Picture(8, 6);
    EXPECT_TRUE(image.Draw(dc, 0, 0, 4, 3, nullptr));
    // Columns 0, 2, 4, 6 from the left; rows are sampled from the bottom of the picture up,
    // so the bottom row shows and the top row does not: rows 1, 3, 5 from the top.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(At(x, y), Colour(2 * x, 2 * y + 1)) << x << "," << y;
    EXPECT_EQ(Painted(), 12);
}

TEST_F(ImageDrawTest, UnevenFactorsFollowTheFloorOfTheScaledPosition)
{
    CWinImageFile image = Picture(3, 2);
    EXPECT_TRUE(image.Draw(dc, 0, 0, 7, 2, nullptr));
    const int columns[7] = {0, 0, 0, 1, 1, 2, 2}; // floor(j * 3 / 7)
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(At(x, 0), Colour(columns[x], 0)) << x;
        EXPECT_EQ(At(x, 1), Colour(columns[x], 1)) << x;
    }
}

TEST_F(ImageDrawTest, BothPathsShowTheSameColours)
{
    CWinImageFile image = Picture(6, 5);
    EXPECT_TRUE(image.Draw(dc, 0, 0, 6, 5, nullptr));   // unscaled
    EXPECT_TRUE(image.Draw(dc, 10, 0, 18, 15, nullptr)); // scaled by three
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(At(x, y), At(10 + 3 * x + 1, 3 * y + 1)) << x << "," << y;
}

TEST_F(ImageDrawTest, ClippedScalingShowsTheSamePixelsAsUnclipped)
{
    CWinImageFile image = Picture(5, 4);
    EXPECT_TRUE(image.Draw(dc, 4, 4, 15, 12, nullptr));
    const std::vector<uint32_t> whole = surface.pixels;
    std::fill(surface.pixels.begin(), surface.pixels.end(), MiscPixelFromColor(kBack));
    RECT clip{11, 7, 30, 40};
    EXPECT_TRUE(image.Draw(dc, 4, 4, 15, 12, &clip));
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x) {
            const bool inside = x >= 11 && x < 30 && y >= 7 && y < 40;
            const COLORREF want = inside ? MiscColorFromPixel(whole[y * surface.width + x]) : kBack;
            ASSERT_EQ(At(x, y), want) << x << "," << y;
        }
    // The context's clipping is as before: nothing was selected, so nothing is left.
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, probe), 0);
    DeleteObject(probe);
}

TEST_F(ImageDrawTest, ExistingClipRegionIsKept)
{
    CWinImageFile image = Picture(4, 4);
    IntersectClipRect(dc, 0, 0, 20, 20);
    RECT clip{0, 0, 2, 2};
    EXPECT_TRUE(image.Draw(dc, 0, 0, 8, 8, &clip));
    EXPECT_EQ(Painted(), 4);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 20);
}

TEST_F(ImageDrawTest, OutsideTheClipBoxDrawsNothingButSucceeds)
{
    CWinImageFile image = Picture(4, 4);
    EXPECT_TRUE(image.Draw(dc, 100, 100, 8, 8, nullptr));
    EXPECT_TRUE(image.Draw(dc, -50, 0, 8, 8, nullptr));
    RECT clip{40, 40, 50, 50};
    EXPECT_TRUE(image.Draw(dc, 0, 0, 8, 8, &clip));
    EXPECT_TRUE(image.Draw(dc, 0, 0, -1, -1, &clip)) << "the unscaled path too";
    EXPECT_EQ(Painted(), 0);
}

TEST_F(ImageDrawTest, HugeEnlargementStaysInsideThePicture)
{
    // At this scale the single-precision row position rounds up to the picture's height; the
    // sample must still come from the top row, not from beyond the buffer.
    CWinImageFile image = Picture(3, 3);
    EXPECT_TRUE(image.Draw(dc, 0, 0, 2000000000L, 2000000000L, nullptr));
    EXPECT_EQ(At(0, 0), Colour(0, 0));
    EXPECT_EQ(At(63, 47), Colour(0, 0));
}

} // namespace
