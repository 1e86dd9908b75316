// cWorldDC with circles, ellipses and arcs far larger than the viewport: they must draw what
// shows in the viewport, and the work must follow the viewport's pixels, not the radius.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 0, 0);
// A 200 x 200 viewport on the world (0, 0)-(10, 10): 20 pixels a unit.
constexpr int kSize = 200;
constexpr double kPixel = 0.05;

class LargeShapeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        surface = MiscSurface(kSize, kSize, MiscPixelFromColor(kWhite));
        cdc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr));
        pen.CreatePen(PS_SOLID, 1, kInk);
        brush.CreateSolidBrush(kInk);
        cdc.SelectObject(&pen);
        cdc.SelectStockObject(NULL_BRUSH);
        world.AttachDC(&cdc);
        world.set_viewport(0, 0, kSize, kSize);
        world.set_world(0, 0, 10, 10);
    }
    bool Inked(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]) != kWhite; }
    bool InkNear(double x, double y, int radius = 1) const
    {
        const int px = world.conv_x(x), py = world.conv_y(y);
        for (int yy = py - radius; yy <= py + radius; ++yy)
            for (int xx = px - radius; xx <= px + radius; ++xx)
                if (xx >= 0 && yy >= 0 && xx < kSize && yy < kSize && Inked(xx, yy))
                    return true;
        return false;
    }
    int InkCount() const
    {
        int n = 0;
        for (uint32_t p : surface.pixels)
            n += MiscColorFromPixel(p) != kWhite;
        return n;
    }

    MiscSurface surface;
    CDC cdc;
    CPen pen;
    CBrush brush;
    cWorldDC world{nullptr, 0, 0, 1, 1, 0, 0, 1, 1};
};

// Caps the process's processor time (and, outside the sanitizers, which reserve vast address
// space, its memory), so that drawing which walks the whole figure is killed instead of running
// for minutes. Drawing that follows the viewport needs a tiny fraction of either.
void CapWork()
{
    rlimit cpu{5, 5};
    setrlimit(RLIMIT_CPU, &cpu);
#if !defined(__SANITIZE_ADDRESS__)
    rlimit as{1ull << 30, 1ull << 30};
    setrlimit(RLIMIT_AS, &as);
#endif
}

TEST_F(LargeShapeTest, WorkFollowsTheViewportNotTheRadius)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Radii of a million to a billion pixels, every figure crossing or covering the viewport.
    EXPECT_EXIT(
        {
            CapWork();
            for (double r : {5e4, 5e5, 5e6, 5e7}) {
                world.w_circle(5, 5, r);                    // the viewport inside the circle
                world.w_circle(5 + r - 0.5, 5, r);          // its arc crossing the viewport
                world.w_ellipse(-r, -r / 2, r, r / 2);
                world.w_move(2, 5);
                world.w_pol_arc(8, 5, 2 * r);               // a nearly straight arc
                world.w_move(5 + r, 5);
                world.w_arc(5, 5, 5 + r, 5 + r);
                cdc.SelectObject(&brush);
                world.w_ellipse(5 - r, 5 - r, 5 + r, 5 + r); // filled, covering everything
                cdc.Pie(-1 << 30, -1 << 30, 1 << 30, 1 << 30, 0, 100, 100, 0);
                cdc.Chord(-1 << 30, -1 << 30, 1 << 30, 1 << 30, 0, 100, 100, 0);
                cdc.RoundRect(-1 << 30, -1 << 30, 1 << 30, 1 << 30, 1 << 30, 1 << 30);
                cdc.SelectStockObject(NULL_BRUSH);
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(LargeShapeTest, ArcOfAHugeCircleCrossesTheViewport)
{
    // A radius of a million pixels, its leftmost point in the middle of the viewport: there the
    // circle is a vertical line to within a pixel.
    const double r = 1e6 * kPixel;
    world.w_circle(5 + r, 5, r);
    EXPECT_TRUE(InkNear(5, 5));
    EXPECT_TRUE(InkNear(5, 8));
    EXPECT_TRUE(InkNear(5, 1));
    EXPECT_FALSE(InkNear(7, 5, 3)) << "the inside of a hollow circle stays clear";
    EXPECT_FALSE(InkNear(3, 5, 3));
    EXPECT_LT(InkCount(), 3 * kSize) << "one line across the viewport";
}

TEST_F(LargeShapeTest, ViewportInsideAHollowCircleStaysClear)
{
    world.w_circle(5, 5, 1e6 * kPixel);
    world.w_ellipse(-1e5, -1e5, 1e5, 1e5);
    EXPECT_EQ(InkCount(), 0);
    // Filled, the same figure covers every pixel.
    cdc.SelectObject(&brush);
    world.w_ellipse(-1e5, -1e5, 1e5, 1e5);
    EXPECT_EQ(InkCount(), kSize * kSize);
}

TEST_F(LargeShapeTest, NearlyStraightArcOfLargeRadius)
{
    // Between nearby points with a radius of a hundred thousand units: a straight line as far
    // as pixels show, drawn along the chord and nowhere else.
    world.w_move(2, 5);
    world.w_pol_arc(8, 5, 1e5);
    EXPECT_TRUE(InkNear(2.5, 5));
    EXPECT_TRUE(InkNear(5, 5));
    EXPECT_TRUE(InkNear(7.5, 5));
    EXPECT_FALSE(InkNear(5, 7, 3));
    EXPECT_FALSE(InkNear(5, 3, 3));
    EXPECT_DOUBLE_EQ(world.curX, 8);
    EXPECT_DOUBLE_EQ(world.curY, 5);
}

} // namespace
