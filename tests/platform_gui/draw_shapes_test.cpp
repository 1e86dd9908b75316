// Filled figures: rectangles leave out their right and bottom edges, a width-1 pen draws inside
// the figure, a null pen makes the figure one pixel smaller, polygons fill by their mode.
#include "draw_fixture.h"

namespace {

using draw_test::Describe;
using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class ShapeTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        brush = CreateSolidBrush(kRed);
        SelectObject(dc, brush);
    }
    void TearDown() override
    {
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(brush);
        SurfaceTest::TearDown();
    }
    HBRUSH brush = nullptr;
};

TEST_F(ShapeTest, RectangleExcludesRightAndBottomEdgesWithThePenInside)
{
    Rectangle(dc, 10, 10, 20, 16);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 20, 16}));
    EXPECT_EQ(At(10, 10), kBlack);
    EXPECT_EQ(At(19, 15), kBlack);
    EXPECT_EQ(At(19, 12), kBlack);
    EXPECT_EQ(At(11, 11), kRed);
    EXPECT_EQ(At(18, 14), kRed);
    EXPECT_EQ(Count(kRed), 8 * 4);
    EXPECT_EQ(Count(kBlack), 2 * 10 + 2 * 4);
}

TEST_F(ShapeTest, RectangleCornersMayComeInAnyOrder)
{
    Rectangle(dc, 20, 16, 10, 10);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 20, 16}));
}

TEST_F(ShapeTest, NullPenMakesTheRectangleOnePixelSmaller)
{
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 10, 10, 20, 16);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 19, 15}));
    EXPECT_EQ(Count(kRed), 9 * 5);
}

TEST_F(ShapeTest, NullBrushLeavesTheInside)
{
    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, 10, 10, 20, 20);
    EXPECT_EQ(At(15, 15), kWhite);
    EXPECT_EQ(Count(kBlack), 36);
}

TEST_F(ShapeTest, WidePenIsCentredOnTheOutlineAndInsideFrameStaysInside)
{
    HPEN wide = CreatePen(PS_SOLID, 3, kBlack);
    SelectObject(dc, wide);
    Rectangle(dc, 10, 10, 30, 30);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{9, 9, 31, 31}));
    Reset(64, 64);
    SelectObject(dc, brush);
    HPEN inside = CreatePen(PS_INSIDEFRAME, 3, kBlack);
    SelectObject(dc, inside);
    Rectangle(dc, 10, 10, 30, 30);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 30, 30}));
    EXPECT_EQ(At(12, 20), kBlack);
    EXPECT_EQ(At(13, 20), kRed);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
    DeleteObject(inside);
}

TEST_F(ShapeTest, FillRectFrameRectAndInvertRect)
{
    const RECT r{5, 6, 15, 12};
    FillRect(dc, &r, brush);
    EXPECT_EQ(Describe(Ink()), Describe(r));
    EXPECT_EQ(Count(kRed), 60);
    Reset(64, 64);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Count(kBlack), 2 * 10 + 2 * 4);
    EXPECT_EQ(At(10, 9), kWhite);
    InvertRect(dc, &r);
    EXPECT_EQ(At(10, 9), kBlack);
    EXPECT_EQ(At(5, 6), kWhite);
    // A system colour index + 1 stands for the system colour brush.
    Reset(64, 64);
    FillRect(dc, &r, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(At(5, 6), RGB(212, 208, 200));
}

TEST_F(ShapeTest, EllipseStaysInItsBoxAndIsSymmetric)
{
    Ellipse(dc, 10, 10, 41, 31);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 41, 31}));
    for (int y = 10; y < 31; ++y)
        for (int x = 10; x < 41; ++x) {
            ASSERT_EQ(At(x, y), At(50 - x, y)) << x << "," << y;
            ASSERT_EQ(At(x, y), At(x, 40 - y)) << x << "," << y;
        }
    EXPECT_EQ(At(25, 20), kRed);
    EXPECT_EQ(At(10, 10), kWhite);
    EXPECT_EQ(At(10, 20), kBlack);
}

TEST_F(ShapeTest, EllipseOutlineIsConnected)
{
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, 5, 5, 60, 40);
    // Every outline pixel has another outline pixel among its eight neighbours, and each row
    // and column crossing the ellipse meets the outline.
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (At(x, y) != kBlack)
                continue;
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && At(x + dx, y + dy) == kBlack)
                        ++neighbours;
            ASSERT_GE(neighbours, 2) << x << "," << y;
        }
    for (int x = 5; x < 60; ++x) {
        int hits = 0;
        for (int y = 0; y < 64; ++y)
            hits += At(x, y) == kBlack;
        ASSERT_GE(hits, 2) << x;
    }
}

TEST_F(ShapeTest, RoundRectCutsItsCorners)
{
    RoundRect(dc, 10, 10, 40, 30, 12, 12);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 40, 30}));
    EXPECT_EQ(At(10, 10), kWhite);
    EXPECT_EQ(At(39, 29), kWhite);
    EXPECT_EQ(At(25, 10), kBlack);
    EXPECT_EQ(At(10, 20), kBlack);
    EXPECT_EQ(At(25, 20), kRed);
}

// A pentagram: its centre is enclosed twice, so ALTERNATE leaves it empty and WINDING fills it.
const POINT kStar[5] = {{32, 2}, {50, 58}, {3, 22}, {61, 22}, {14, 58}};

TEST_F(ShapeTest, PolygonFillModes)
{
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetPolyFillMode(dc, ALTERNATE);
    Polygon(dc, kStar, 5);
    EXPECT_EQ(At(32, 32), kWhite);
    EXPECT_EQ(At(32, 10), kRed);
    const int alternate = Count(kRed);
    Reset(64, 64);
    SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetPolyFillMode(dc, WINDING);
    Polygon(dc, kStar, 5);
    EXPECT_EQ(At(32, 32), kRed);
    EXPECT_GT(Count(kRed), alternate);
}

TEST_F(ShapeTest, PolygonOfARectangleFillsLikeARegionAndOutlinesTheCorners)
{
    const POINT box[4] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, box, 4);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 20, 20}));
    Reset(64, 64);
    SelectObject(dc, brush);
    Polygon(dc, box, 4);
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 21, 21}));
    EXPECT_EQ(At(20, 20), kBlack);
}

TEST_F(ShapeTest, PieAndChordFillTheirPart)
{
    // A quarter from three o'clock to twelve o'clock, counter-clockwise: the top-right part.
    Pie(dc, 10, 10, 50, 50, 50, 30, 30, 10);
    EXPECT_EQ(At(40, 20), kRed);
    EXPECT_EQ(At(20, 40), kWhite);
    EXPECT_EQ(At(20, 20), kWhite);
    Reset(64, 64);
    SelectObject(dc, brush);
    SetArcDirection(dc, AD_CLOCKWISE); // now the other three quarters
    Pie(dc, 10, 10, 50, 50, 50, 30, 30, 10);
    EXPECT_EQ(At(40, 20), kWhite);
    EXPECT_EQ(At(20, 40), kRed);
    Reset(64, 64);
    SelectObject(dc, brush);
    Chord(dc, 10, 10, 50, 50, 50, 30, 30, 10);
    EXPECT_EQ(At(43, 17), kRed);  // between the arc and the chord
    EXPECT_EQ(At(32, 28), kWhite); // on the centre's side of the chord
}

TEST_F(ShapeTest, ArcDrawsOnlyTheOutlineOfItsSweep)
{
    Arc(dc, 10, 10, 50, 50, 50, 30, 30, 10);
    const RECT ink = Ink();
    EXPECT_GE(ink.left, 29);
    EXPECT_LE(ink.bottom, 32);
    EXPECT_EQ(Count(kRed), 0);
    EXPECT_GT(Count(kBlack), 20);
}

TEST_F(ShapeTest, ShapesUseTheMixMode)
{
    Reset(64, 64, kBlack);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetROP2(dc, R2_XORPEN);
    Rectangle(dc, 0, 0, 11, 11);
    EXPECT_EQ(Count(kWhite), 100);
    Rectangle(dc, 0, 0, 11, 11);
    EXPECT_EQ(Count(kWhite), 0);
}

TEST_F(ShapeTest, HatchedBrushesDrawLinesAndKeepTheBackgroundWhenTransparent)
{
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, kBlack);
    SetBkMode(dc, TRANSPARENT);
    const RECT r{0, 0, 16, 16};
    FillRect(dc, &r, hatch);
    EXPECT_EQ(Count(kBlack), 2 * 16);
    Reset(64, 64);
    SetBkColor(dc, kRed);
    FillRect(dc, &r, hatch);
    EXPECT_EQ(Count(kBlack), 2 * 16);
    EXPECT_EQ(Count(kRed), 16 * 16 - 2 * 16);
    DeleteObject(hatch);
}

} // namespace
