// cWorldDC: the mapping and its aspect correction, the edges of the viewport, arcs and their
// straight-line fallbacks, arrowheads, contours, cut nodes and the context's ownership.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "test_env.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 0, 0);

// A white surface with a CDC on it, and a world context drawing there with a red pen.
class WorldDCTest : public ::testing::Test {
protected:
    void Open(int w, int h, double x1, double y1, double x2, double y2)
    {
        if (cdc.GetSafeHdc())
            cdc.DeleteDC();
        surface = MiscSurface(w, h, MiscPixelFromColor(kWhite));
        cdc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr));
        if (!pen.GetSafeHandle())
            pen.CreatePen(PS_SOLID, 1, kInk);
        cdc.SelectObject(&pen);
        world.AttachDC(&cdc);
        world.set_viewport(0, 0, w, h);
        world.set_world(x1, y1, x2, y2);
    }
    void TearDown() override
    {
        if (HasFailure() && surface.width > 0) {
            const std::string path = misc_test::MakeTempDir("worlddc") + "/failed.png";
            MiscWritePng(surface, path.c_str());
            std::printf("surface written to %s\n", path.c_str());
        }
    }
    bool Inked(int x, int y) const
    {
        return MiscColorFromPixel(surface.row(y)[x]) != kWhite;
    }
    bool InkedWorld(double x, double y) const { return Inked(world.conv_x(x), world.conv_y(y)); }
    // Ink within `radius` pixels of the pixel of a world point.
    bool InkNear(double x, double y, int radius) const
    {
        const int px = world.conv_x(x), py = world.conv_y(y);
        for (int yy = std::max(0, py - radius); yy <= std::min(surface.height - 1, py + radius); ++yy)
            for (int xx = std::max(0, px - radius); xx <= std::min(surface.width - 1, px + radius); ++xx)
                if (Inked(xx, yy))
                    return true;
        return false;
    }
    void Clear() { std::fill(surface.pixels.begin(), surface.pixels.end(), MiscPixelFromColor(kWhite)); }
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
    cWorldDC world{nullptr, 0, 0, 1, 1, 0, 0, 1, 1};
};

// ---- Mapping ----

TEST_F(WorldDCTest, WideViewportWidensTheXRange)
{
    Open(200, 100, 0, 0, 10, 10);
    EXPECT_DOUBLE_EQ(world.aspect, 1.0);
    EXPECT_DOUBLE_EQ(world.worldX1, -5);
    EXPECT_DOUBLE_EQ(world.worldX2, 15);
    EXPECT_DOUBLE_EQ(world.worldY1, 0);
    EXPECT_DOUBLE_EQ(world.worldY2, 10);
    EXPECT_DOUBLE_EQ(world.scaleX, 10);
    EXPECT_DOUBLE_EQ(world.scaleY, 10);
    EXPECT_NEAR(world.GetX1(), 0.1, 1e-12);
    EXPECT_NEAR(world.GetY1(), 0.1, 1e-12);
}

TEST_F(WorldDCTest, AspectCorrectionKeepsCirclesRound)
{
    struct Case {
        int l, t, r, b;
        double aspect, x1, y1, x2, y2;
    };
    const Case cases[] = {
        {0, 0, 200, 100, 1.0, 0, 0, 10, 10},   {0, 0, 100, 300, 1.0, 0, 0, 10, 10},
        {10, 20, 110, 70, 2.0, -3, -3, 3, 3},  {0, 0, 640, 480, 0.5, 100, 0, 300, 1000},
        {5, 5, 6, 6, 1.0, 0, 0, 1e6, 1},       {0, 0, 300, 300, 1.5, -1e-3, 2, 1e-3, 2},
    };
    for (const Case& c : cases) {
        cWorldDC w(nullptr, 0, 0, 1, 1, c.l, c.t, c.r, c.b);
        w.aspect = c.aspect;
        w.set_world(c.x1, c.y1, c.x2, c.y2);
        SCOPED_TRACE(testing::Message() << "viewport " << c.l << "," << c.t << "," << c.r << "," << c.b
                                        << " aspect " << c.aspect);
        EXPECT_NEAR(w.scaleX * w.aspect / w.scaleY, 1.0, 1e-9);
        // The world window only ever grows, symmetrically.
        EXPECT_LE(w.worldX1, std::min(c.x1, c.x2) + 1e-9);
        EXPECT_GE(w.worldX2, std::max(c.x1, c.x2) - 1e-9);
        EXPECT_NEAR((w.worldX1 + w.worldX2) / 2, (c.x1 + c.x2) / 2, 1e-9);
        EXPECT_NEAR((w.worldY1 + w.worldY2) / 2, (c.y1 + c.y2) / 2, 1e-9);
        // The whole viewport shows the world window.
        EXPECT_NEAR(w.wconv_x(c.r), w.worldX2, 1e-9 * std::max(1.0, std::fabs(w.worldX2)));
        EXPECT_NEAR(w.wconv_y(c.t), w.worldY2, 1e-9 * std::max(1.0, std::fabs(w.worldY2)));
    }
}

TEST_F(WorldDCTest, DegenerateRangesOpenAroundTheirCentre)
{
    // A square viewport and equal sizes: no aspect widening, so the opened range shows as is.
    cWorldDC w(nullptr, 5, 1, 5, 1.2, 0, 0, 100, 100);
    EXPECT_DOUBLE_EQ(w.worldX1, 4.9);
    EXPECT_DOUBLE_EQ(w.worldX2, 5.1);
    cWorldDC both(nullptr, 5, -2, 5.0005, -2, 0, 0, 100, 100);
    EXPECT_NEAR(both.worldX2 - both.worldX1, 0.2, 1e-12);
    EXPECT_NEAR(both.worldY2 - both.worldY1, 0.2, 1e-12);
    // A tall world: the opened x range is then widened further.
    cWorldDC tall(nullptr, 5, 0, 5, 10, 0, 0, 100, 100);
    EXPECT_LE(tall.worldX1, 4.9);
    EXPECT_GE(tall.worldX2, 5.1);
    EXPECT_DOUBLE_EQ(tall.worldX1 + tall.worldX2, 10);
}

TEST_F(WorldDCTest, ViewportEdgesMapExactly)
{
    cWorldDC w(nullptr, -7, 3, 13, 23, 10, 20, 210, 220);
    EXPECT_EQ(w.conv_x(w.worldX1), 10);
    EXPECT_EQ(w.conv_x(w.worldX2), 210);
    EXPECT_EQ(w.conv_y(w.worldY1), 220) << "the world's bottom is the viewport's bottom";
    EXPECT_EQ(w.conv_y(w.worldY2), 20);
    EXPECT_DOUBLE_EQ(w.wconv_x(10), w.worldX1);
    EXPECT_DOUBLE_EQ(w.wconv_x(210), w.worldX2);
    EXPECT_DOUBLE_EQ(w.wconv_y(220), w.worldY1);
    EXPECT_DOUBLE_EQ(w.wconv_y(20), w.worldY2);
    // Round trips through every pixel of a row.
    for (int px = 10; px <= 210; ++px)
        ASSERT_EQ(w.conv_x(w.wconv_x(px)), px);
}

TEST_F(WorldDCTest, RoundingTakesHalvesAwayFromZero)
{
    cWorldDC w(nullptr, 0, 0, 10, 10, -50, -50, 50, 50); // ten pixels per world unit
    EXPECT_EQ(w.conv_x(0.25), -48) << "-47.5";
    EXPECT_EQ(w.conv_x(0.35), -47) << "-46.5";
    EXPECT_EQ(w.conv_x(5.25), 3) << "2.5";
    EXPECT_EQ(w.conv_y(5.25), -3) << "-2.5";
}

TEST_F(WorldDCTest, ContoursRoundLikeConvAtTheEndsOfTheIntRange)
{
    // A one-pixel-per-unit mapping, so the world values are the pixel values before rounding.
    cWorldDC w(nullptr, 0, -100, 100, 0, 0, 0, 100, 100);
    Open(100, 100, 0, 0, 100, 100);
    const double values[] = {0.5, -0.5, 1.5, -1.5, 2.4999999999999996, 0.49999999999999994, -2147483647.2,
                             -2147483647.5, -2147483648.4, -2147483649.0, 2147483646.5, 2147483647.4, 3e9,
                             -3e9, 1e300, -1e300};
    for (double v : values) {
        // drawContour computes its pixels itself; they must be conv_x's.
        const InterfacePoint pts[] = {{v, 50}, {50, 50}};
        myContour c(pts, 2, 0);
        Clear();
        world.drawContour(c, nullptr);
        const std::vector<uint32_t> drawn = surface.pixels;
        Clear();
        world.w_move(pts[0]);
        world.w_line(pts[1]);
        EXPECT_EQ(drawn, surface.pixels) << v;
    }
    EXPECT_EQ(w.conv_x(-2147483647.2), -2147483647);
    EXPECT_EQ(w.conv_x(-3e9), INT_MIN);
    EXPECT_EQ(w.conv_x(3e9), INT_MAX);
    EXPECT_EQ(w.conv_x(std::nan("")), 0);
}

TEST_F(WorldDCTest, EmptyViewportBecomesOnePixel)
{
    cWorldDC w(nullptr, 0, 0, 10, 10, 30, 40, 30, 20);
    EXPECT_EQ(w.vpRight, 31);
    EXPECT_EQ(w.vpBottom, 41);
    EXPECT_TRUE(std::isfinite(w.scaleX));
    EXPECT_GT(w.scaleY, 0);
}

TEST_F(WorldDCTest, ExtremeViewportsStayOrdered)
{
    cWorldDC w(nullptr, 0, 0, 10, 10, INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    EXPECT_LT(w.vpLeft, w.vpRight);
    EXPECT_LT(w.vpTop, w.vpBottom);
    EXPECT_TRUE(std::isfinite(w.wconv_x(INT_MIN)));
    cWorldDC wide(nullptr, 0, 0, 10, 10, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_NEAR(wide.scaleX * wide.aspect / wide.scaleY, 1.0, 1e-9);
}

TEST_F(WorldDCTest, ContourWorldIsWidenedByTheMargin)
{
    const InterfacePoint pts[] = {{0, 0}, {20, 0}, {20, 10}, {0, 10}};
    myContour c(pts, 4, 1);
    cWorldDC w(nullptr, c, 0.1, 0, 0, 240, 120);
    EXPECT_DOUBLE_EQ(w.worldX1, -2);
    EXPECT_DOUBLE_EQ(w.worldX2, 22);
    EXPECT_DOUBLE_EQ(w.worldY1, -1);
    EXPECT_DOUBLE_EQ(w.worldY2, 11);
    EXPECT_DOUBLE_EQ(w.curX, -2);
    EXPECT_DOUBLE_EQ(w.curY, -1);
    cWorldDC none(nullptr, c, -1, 0, 0, 200, 100);
    EXPECT_DOUBLE_EQ(none.worldX1, 0);
    EXPECT_DOUBLE_EQ(none.worldX2, 20);
}

// ---- Primitives ----

TEST_F(WorldDCTest, ArcRunsCounterClockwiseInTheWorld)
{
    Open(100, 100, -10, -10, 10, 10);
    world.w_move(0, 0);
    world.w_arc(8, 0, -8, 0);
    EXPECT_TRUE(InkedWorld(0, 8)) << "the upper half";
    EXPECT_FALSE(InkedWorld(0, -8));
    EXPECT_DOUBLE_EQ(world.curX, -8);
    EXPECT_DOUBLE_EQ(world.curY, 0);
}

TEST_F(WorldDCTest, TinyArcBecomesAChord)
{
    Open(100, 100, -500, -500, 500, 500); // 10 world units per pixel
    world.w_move(0, 0);
    world.w_arc(4, 0, -40, 0); // a box of one pixel
    EXPECT_DOUBLE_EQ(world.curX, -40);
    EXPECT_GT(InkCount(), 0);
}

TEST_F(WorldDCTest, PolArcFallsBackToStraightLines)
{
    // Reference: the plain line.
    Open(120, 120, 0, 0, 12, 12);
    world.w_move(2, 2);
    world.w_line(10, 6);
    const std::vector<uint32_t> line = surface.pixels;

    struct Case {
        double ex, ey, r;
        const char* why;
    };
    const Case cases[] = {
        {10, 6, 4.4, "radius below half the chord (4.47)"},
        {10, 6, -4.4, "negative radius below half the chord"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Clear();
        world.w_move(2, 2);
        world.w_pol_arc(c.ex, c.ey, c.r);
        EXPECT_EQ(surface.pixels, line);
        EXPECT_DOUBLE_EQ(world.curX, c.ex);
        EXPECT_DOUBLE_EQ(world.curY, c.ey);
    }
    // An end within one pixel of the start: a line even with a fitting radius.
    Clear();
    world.w_move(5, 5);
    world.w_pol_arc(5.05, 5.05, 1);
    EXPECT_LE(InkCount(), 2);
    EXPECT_DOUBLE_EQ(world.curX, 5.05);
}

TEST_F(WorldDCTest, PolArcWithHalfTheChordIsAHalfCircle)
{
    Open(200, 200, -10, -10, 10, 10);
    struct Case {
        double r, bulgeY;
    };
    // From (-8, 0) to (8, 0): the centre is the chord's middle; a positive radius bulges to the
    // left of the travel (up), a negative one to the right (down).
    for (const Case c : {Case{8, 8}, Case{-8, -8}}) {
        SCOPED_TRACE(c.r);
        Clear();
        world.w_move(-8, 0);
        world.w_pol_arc(8, 0, c.r);
        EXPECT_TRUE(InkedWorld(0, c.bulgeY));
        EXPECT_FALSE(InkedWorld(0, -c.bulgeY));
        EXPECT_FALSE(InkedWorld(0, 0)) << "no chord";
        EXPECT_DOUBLE_EQ(world.curX, 8);
        EXPECT_DOUBLE_EQ(world.curY, 0);
    }
    // A larger radius gives the shorter arc, on the same side.
    Clear();
    world.w_move(-8, 0);
    world.w_pol_arc(8, 0, 10); // centre (0, -6), top of the arc at y = 4
    EXPECT_TRUE(InkedWorld(0, 4));
    EXPECT_FALSE(InkedWorld(0, -9.9));
}

TEST_F(WorldDCTest, CircleIsHollowAndEllipseUsesTheBrush)
{
    Open(100, 100, -10, -10, 10, 10);
    CBrush blue(RGB(0, 0, 255));
    cdc.SelectObject(&blue);
    world.w_circle(0, 0, 5);
    EXPECT_TRUE(InkNear(5, 0, 1));
    EXPECT_TRUE(InkNear(-5, 0, 1));
    EXPECT_FALSE(InkNear(0, 0, 10)) << "the null brush";
    EXPECT_EQ(cdc.GetCurrentBrush()->m_hObject, blue.m_hObject) << "the brush is restored";
    world.w_ellipse(-9, -9, -6, -6);
    EXPECT_EQ(MiscColorFromPixel(surface.row(world.conv_y(-7.5))[world.conv_x(-7.5)]), RGB(0, 0, 255));
    EXPECT_DOUBLE_EQ(world.curX, -7.5);
    cdc.SelectStockObject(WHITE_BRUSH);
}

TEST_F(WorldDCTest, ArrowOnCoincidentPointsDrawsNothing)
{
    Open(100, 100, 0, 0, 10, 10);
    world.w_move(1, 1);
    EXPECT_EQ(world.w_arrow(InterfacePoint{5, 5}, InterfacePoint{5, 5}), 0);
    EXPECT_EQ(world.w_arrow(InterfacePoint{5, 5}, InterfacePoint{5.0005, 5}), 0);
    EXPECT_EQ(InkCount(), 0);
    EXPECT_DOUBLE_EQ(world.curX, 1) << "the position is untouched";
    EXPECT_EQ(world.w_arrow(InterfacePoint{5, 5}, InterfacePoint{0, 5}), 1);
    // About twelve pixels long, pointing right: ink left of the tip, none right of it.
    EXPECT_TRUE(InkedWorld(5, 5));
    EXPECT_TRUE(InkNear(4, 5.25, 1));
    EXPECT_TRUE(InkNear(4, 4.75, 1));
    EXPECT_FALSE(InkedWorld(5.5, 5));
    EXPECT_DOUBLE_EQ(world.curX, 5);
}

TEST_F(WorldDCTest, ArrowFromSkipsPointsOnTopOfTheStart)
{
    const InterfacePoint pts[] = {{1, 1}, {1, 1}, {1.0002, 1}, {9, 1}, {9, 9}};
    myContour c(pts, 5, 0);
    Open(100, 100, 0, 0, 10, 10);
    world.drawArrorFrom(c, 0, 0);
    EXPECT_TRUE(InkedWorld(9, 1)) << "the head sits on the first distinct point";
    EXPECT_FALSE(InkedWorld(9, 9));
    Clear();
    world.drawArrorTo(c, 3, 1); // into point 3 from point 4
    EXPECT_TRUE(InkedWorld(9, 1));
    EXPECT_TRUE(InkNear(8.75, 2, 1)) << "pointing down, the head's wings are above";
    EXPECT_FALSE(InkNear(9, 0.2, 2));
}

// ---- Contours and nodes ----

const InterfacePoint kBox[] = {{1, 1}, {9, 1}, {9, 9}, {1, 9}};

TEST_F(WorldDCTest, OpenContourHasNoClosingEdge)
{
    CPen green(PS_SOLID, 1, RGB(0, 160, 0));
    for (int closed : {0, 1}) {
        SCOPED_TRACE(closed);
        Open(100, 100, 0, 0, 10, 10);
        myContour c(kBox, 4, closed);
        CPen* before = cdc.GetCurrentPen();
        world.drawContour(c, &green);
        EXPECT_EQ(cdc.GetCurrentPen()->m_hObject, before->m_hObject) << "the pen is restored";
        EXPECT_EQ(MiscColorFromPixel(surface.row(world.conv_y(1))[world.conv_x(5)]), RGB(0, 160, 0));
        EXPECT_EQ(InkedWorld(1, 5), closed != 0);
        EXPECT_DOUBLE_EQ(world.curX, 1);
        EXPECT_DOUBLE_EQ(world.curY, closed ? 1 : 9);
    }
}

TEST_F(WorldDCTest, LongContourDrawsTheSamePixelsAsLineByLine)
{
    // More points than one run of the context's polyline, with halves to round both ways.
    std::vector<InterfacePoint> pts;
    for (int i = 0; i < 10007; ++i) {
        const double a = 0.00163 * i;
        pts.push_back(InterfacePoint{50 + (35 + 8 * std::sin(a * 37)) * std::cos(a), 50 + (35 + 8 * std::sin(a * 37)) * std::sin(a)});
    }
    pts.push_back(InterfacePoint{50.25, 50.25});
    pts.push_back(InterfacePoint{-0.25, 99.75});
    for (int closed : {0, 1}) {
        SCOPED_TRACE(closed);
        myContour c(pts.data(), static_cast<int>(pts.size()), closed);
        Open(120, 120, 0, 0, 100, 100);
        world.drawContour(c, nullptr);
        const std::vector<uint32_t> drawn = surface.pixels;
        Clear();
        world.w_move(pts[0]);
        for (size_t i = 1; i < pts.size(); ++i)
            world.w_line(pts[i]);
        if (closed)
            world.w_line(pts[0]);
        EXPECT_EQ(drawn, surface.pixels);
    }
}

TEST_F(WorldDCTest, WholeLoopNodeGoesAllTheWayRoundWithItsNumberInParentheses)
{
    myContour c(kBox, 4, 1);
    tagCutNode node{2, 0, 0, 0};
    Open(100, 100, 0, 0, 10, 10);
    world.drawNode(c, &node, 4, false, false, nullptr);
    for (int i = 0; i < 4; ++i) {
        const InterfacePoint& a = kBox[i];
        const InterfacePoint& b = kBox[(i + 1) % 4];
        EXPECT_TRUE(InkedWorld((a.x + b.x) / 2, (a.y + b.y) / 2)) << "edge " << i;
    }
    const std::vector<uint32_t> drawn = surface.pixels;

    // The same picture made by hand: square, loop, label "(5)", arrowhead on the end point.
    Clear();
    const int px = world.conv_x(9), py = world.conv_y(9);
    cdc.Rectangle(px - 3, py - 3, px + 3, py + 3);
    world.w_move(kBox[2]);
    for (int k = 1; k <= 4; ++k)
        world.w_line(kBox[(2 + k) % 4]);
    // The middle of the loop is point 0; the label sits at the middle of edge 0 -> 1, moved up
    // to stay inside the viewport.
    const CSize extent = cdc.GetTextExtent("(5)", 3);
    const int ly = std::min(world.conv_y(1), world.vpBottom - static_cast<int>(extent.cy));
    cdc.SetBkMode(TRANSPARENT);
    cdc.TextOut(world.conv_x(5), ly, "(5)", 3);
    cdc.SetBkMode(OPAQUE);
    world.drawArrorTo(c, 2, 0);
    EXPECT_EQ(drawn, surface.pixels);
    // "5" alone draws a different picture.
    Clear();
    cdc.TextOut(world.conv_x(5), ly, "5", 1);
    EXPECT_NE(drawn, surface.pixels);
}

TEST_F(WorldDCTest, LabelStaysInsideTheViewport)
{
    {
        // Along the right edge: the label moves left.
        const InterfacePoint right[] = {{10, 0}, {10, 10}};
        myContour c(right, 2, 0);
        tagCutNode node{0, 1, 0, 0};
        Open(100, 100, 0, 0, 10, 10);
        world.drawNode(c, &node, 0, false, false, nullptr);
        const CSize extent = cdc.GetTextExtent("1", 1);
        int ink = 0;
        for (int yy = 50; yy < 50 + extent.cy; ++yy)
            for (int xx = 100 - extent.cx; xx < 100; ++xx)
                ink += Inked(xx, yy);
        EXPECT_GT(ink, 0) << "the label moved left into the viewport";
    }
    // The node runs along the bottom-right corner, where the label must move left and up.
    const InterfacePoint pts[] = {{0, 0}, {10, 0}, {10, 0.2}};
    myContour c(pts, 3, 0);
    tagCutNode node{0, 1, 0, 0};
    Open(100, 100, 0, 0, 10, 10);
    world.drawNode(c, &node, 0, false, false, nullptr);
    // Nothing can be drawn beyond the surface, so look for the label's ink near the corner:
    // it must lie wholly left of the right edge and above the bottom edge.
    const CSize extent = cdc.GetTextExtent("1", 1);
    const int x = world.conv_x(5);
    const int y = world.vpBottom - extent.cy;
    int ink = 0;
    for (int yy = y; yy < world.vpBottom; ++yy)
        for (int xx = x; xx < x + extent.cx; ++xx)
            ink += Inked(xx, yy);
    EXPECT_GT(ink, 0) << "the label moved up into the viewport";
}

TEST_F(WorldDCTest, BackwardNodeAndAlternativeNode)
{
    myContour c(kBox, 4, 0);
    Open(100, 100, 0, 0, 10, 10);
    tagCutNode back{~3, 2, 0, 0}; // from point 3 backwards over two edges: 3 -> 2 -> 1
    world.drawNode(c, &back, 0, false, false, nullptr);
    EXPECT_TRUE(InkedWorld(5, 9));
    EXPECT_TRUE(InkedWorld(9, 5));
    EXPECT_FALSE(InkedWorld(5, 1)) << "edge 0 -> 1 is not part of the node";
    EXPECT_DOUBLE_EQ(world.curX, 9) << "the arrowhead ends on the end point";
    EXPECT_DOUBLE_EQ(world.curY, 1);

    Clear();
    world.drawNode(c, &back, 0, true, false, nullptr);
    EXPECT_FALSE(InkedWorld(5, 9)) << "an alternative node draws no run";
    EXPECT_DOUBLE_EQ(world.curX, 1) << "its arrowhead is on its first point";
    EXPECT_DOUBLE_EQ(world.curY, 9);

    // Nothing for an empty contour or a negative index.
    Clear();
    world.drawNode(c, &back, -1, false, false, nullptr);
    myContour empty;
    empty.RemoveAll();
    world.drawNode(empty, &back, 0, false, false, nullptr);
    world.drawContour(empty, nullptr);
    EXPECT_EQ(InkCount(), 0);
}

// ---- The context ----

TEST_F(WorldDCTest, FarAwayGeometryDrawsQuickly)
{
    // Pixels far outside the int range are clamped to it; the line must still cross the viewport.
    Open(100, 100, 0, 0, 10, 10);
    world.w_move(5, 5);
    world.w_line(1e12, 5);
    EXPECT_TRUE(InkedWorld(7, 5));
    world.w_line(-1e12, -1e12);
    world.w_move(5, 5);
    world.w_pol_arc(5, 1e12, 1e3); // a radius below half the chord: a straight line
    EXPECT_DOUBLE_EQ(world.curY, 1e12);
    // Shapes a thousand pixels across, hollow.
    cdc.SelectStockObject(NULL_BRUSH);
    world.w_move(5, 5);
    world.w_arc(1e2, 5, 5, 1e2);
    world.w_circle(5, 5, 1e2);
    world.w_ellipse(-1e2, -1e2, 1e2, 1e2);
    world.w_move(5, 5);
    world.w_pol_arc(5, 1e2, -1e2);
    cdc.SelectStockObject(WHITE_BRUSH);
}

TEST_F(WorldDCTest, ClipRectLimitsDrawing)
{
    Open(100, 100, 0, 0, 10, 10);
    world.clipRect(2, 2, 8, 8);
    world.w_move(0, 5);
    world.w_line(10, 5);
    EXPECT_FALSE(InkedWorld(1, 5));
    EXPECT_TRUE(InkedWorld(5, 5));
    EXPECT_FALSE(InkedWorld(9, 5));
}

TEST_F(WorldDCTest, WithoutAContextNothingIsDrawnButPositionsMove)
{
    cWorldDC w(nullptr, 0, 0, 10, 10, 0, 0, 100, 100);
    EXPECT_EQ(w.dc, nullptr);
    EXPECT_DOUBLE_EQ(w.aspect, 1);
    w.w_line(3, 4);
    EXPECT_DOUBLE_EQ(w.curX, 3);
    EXPECT_EQ(w.getWorldDC().GetSafeHdc(), nullptr);
    EXPECT_FALSE(w.getWorldDC().LineTo(1, 1));
}

TEST(WorldDCWindow, ViewportInsetFromTheClientArea)
{
    MiscResetPlatform();
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80, nullptr, nullptr));
    {
        cWorldDC w(&wnd, 0, 0, 10, 10, 3, 3, -3, -3);
        EXPECT_NE(w.dc, nullptr);
        EXPECT_EQ(w.vpLeft, 3);
        EXPECT_EQ(w.vpTop, 3);
        EXPECT_EQ(w.vpRight, 117);
        EXPECT_EQ(w.vpBottom, 77);
        // Copies borrow the context; only the original deletes it.
        {
            cWorldDC copy(w);
            EXPECT_EQ(copy.dc, w.dc);
            cWorldDC assigned(nullptr, 0, 0, 1, 1);
            assigned = copy;
            EXPECT_EQ(assigned.dc, w.dc);
        }
        w.getWorldDC().MoveTo(1, 1);
        EXPECT_TRUE(w.getWorldDC().LineTo(5, 5)) << "the context outlives its copies";
        cWorldDC moved(std::move(w));
        EXPECT_NE(moved.dc, nullptr);
        moved.SetPDC(nullptr);
        EXPECT_EQ(moved.dc, nullptr);
    }
    wnd.DestroyWindow();
    MiscResetPlatform();
}

} // namespace
