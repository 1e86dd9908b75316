// cWorldDC::clipRect at pixel precision: the pixels just inside and just outside each edge of
// the clip rectangle, for the world form and the pixel form.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class WorldClip : public ::testing::Test {
protected:
    void SetUp() override
    {
        surface = MiscSurface(100, 100, MiscPixelFromColor(kWhite));
        cdc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr));
        pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 200));
        cdc.SelectObject(&pen);
        world.AttachDC(&cdc);
        world.set_viewport(0, 0, 100, 100);
        world.set_world(0, 0, 10, 10);
    }
    bool Inked(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]) != kWhite; }
    // Ink over the whole surface: one world line per pixel row and column.
    void Flood()
    {
        for (int p = 0; p < 100; ++p) {
            const double w = world.wconv_y(p);
            world.w_move(-1, w);
            world.w_line(11, w);
        }
    }
    // The clip rectangle [left, right) x [top, bottom) in pixels holds ink; the pixels next to
    // it outside hold none.
    void ExpectClippedTo(int left, int top, int right, int bottom)
    {
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        EXPECT_TRUE(Inked(left, midY)) << "left edge, inside";
        EXPECT_FALSE(Inked(left - 1, midY)) << "left edge, outside";
        EXPECT_TRUE(Inked(right - 1, midY)) << "right edge, inside";
        EXPECT_FALSE(Inked(right, midY)) << "right edge, outside";
        EXPECT_TRUE(Inked(midX, top)) << "top edge, inside";
        EXPECT_FALSE(Inked(midX, top - 1)) << "top edge, outside";
        EXPECT_TRUE(Inked(midX, bottom - 1)) << "bottom edge, inside";
        EXPECT_FALSE(Inked(midX, bottom)) << "bottom edge, outside";
        // The corners, inside and diagonally outside.
        EXPECT_TRUE(Inked(left, top));
        EXPECT_TRUE(Inked(right - 1, bottom - 1));
        EXPECT_FALSE(Inked(left - 1, top - 1));
        EXPECT_FALSE(Inked(right, bottom));
    }

    MiscSurface surface;
    CDC cdc;
    CPen pen;
    cWorldDC world{nullptr, 0, 0, 1, 1, 0, 0, 1, 1};
};

TEST_F(WorldClip, WorldRectangleClipsAtItsPixelEdges)
{
    // World (2, 3) to (8, 7) is the pixel rectangle (conv_x(2), conv_y(7), conv_x(8), conv_y(3)).
    world.clipRect(2, 3, 8, 7);
    Flood();
    const int left = world.conv_x(2), top = world.conv_y(7), right = world.conv_x(8), bottom = world.conv_y(3);
    ASSERT_LT(left, right);
    ASSERT_LT(top, bottom);
    ExpectClippedTo(left, top, right, bottom);
}

TEST_F(WorldClip, PixelRectangleClipsAtItsEdges)
{
    const RECT r{17, 23, 61, 88};
    world.clipRect(&r);
    Flood();
    ExpectClippedTo(17, 23, 61, 88);
}

} // namespace
