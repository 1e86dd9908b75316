// Lines and pens: the pixels Windows programs rely on (a line leaves out its last pixel, a
// line and its reverse cover the same pixels), styles, widths and mix modes.
#include <set>
#include <utility>

#include "draw_fixture.h"

namespace {

using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class LineTest : public SurfaceTest {
protected:
    std::set<std::pair<int, int>> Drawn() const
    {
        std::set<std::pair<int, int>> s;
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x)
                if (At(x, y) != kWhite)
                    s.insert({x, y});
        return s;
    }
    std::set<std::pair<int, int>> Line(int x0, int y0, int x1, int y1)
    {
        Reset(64, 64);
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
        return Drawn();
    }
};

TEST_F(LineTest, HorizontalAndVerticalLinesLeaveOutTheirLastPixel)
{
    MoveToEx(dc, 10, 5, nullptr);
    LineTo(dc, 20, 5);
    EXPECT_EQ(At(10, 5), kBlack);
    EXPECT_EQ(At(19, 5), kBlack);
    EXPECT_EQ(At(20, 5), kWhite);
    EXPECT_EQ(Count(kBlack), 10);

    Reset(64, 64);
    MoveToEx(dc, 7, 30, nullptr);
    LineTo(dc, 7, 20); // upwards
    EXPECT_EQ(At(7, 30), kBlack);
    EXPECT_EQ(At(7, 21), kBlack);
    EXPECT_EQ(At(7, 20), kWhite);
    EXPECT_EQ(Count(kBlack), 10);
}

TEST_F(LineTest, LineToMovesTheCurrentPositionAndAZeroLineDrawsNothing)
{
    MoveToEx(dc, 3, 3, nullptr);
    LineTo(dc, 3, 3);
    EXPECT_EQ(Count(kBlack), 0);
    LineTo(dc, 13, 3);
    POINT p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p.x, 13);
    EXPECT_EQ(p.y, 3);
}

struct Slope {
    int x0, y0, x1, y1;
};

class LineSlopes : public LineTest, public ::testing::WithParamInterface<Slope> {};

// Every octant, shallow and steep, and lines with exact ties between two pixels.
INSTANTIATE_TEST_SUITE_P(Octants, LineSlopes,
                         ::testing::Values(Slope{10, 10, 30, 17}, Slope{10, 10, 17, 30},
                                           Slope{30, 10, 10, 17}, Slope{30, 10, 23, 30},
                                           Slope{10, 30, 30, 23}, Slope{10, 30, 17, 10},
                                           Slope{30, 30, 10, 23}, Slope{30, 30, 23, 10},
                                           Slope{0, 0, 4, 2}, Slope{5, 40, 45, 20},
                                           Slope{10, 10, 40, 40}, Slope{40, 10, 10, 40}));

TEST_P(LineSlopes, ALineAndItsReverseCoverTheSamePixelsApartFromTheEnds)
{
    const Slope s = GetParam();
    auto forward = Line(s.x0, s.y0, s.x1, s.y1);
    auto backward = Line(s.x1, s.y1, s.x0, s.y0);
    // Forward has the start but not the end, backward the other way round.
    EXPECT_TRUE(forward.count({s.x0, s.y0}));
    EXPECT_FALSE(forward.count({s.x1, s.y1}));
    EXPECT_TRUE(backward.count({s.x1, s.y1}));
    EXPECT_FALSE(backward.count({s.x0, s.y0}));
    forward.erase({s.x0, s.y0});
    backward.erase({s.x1, s.y1});
    EXPECT_EQ(forward, backward);
    // One pixel per step of the longer axis.
    const int steps = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
    EXPECT_EQ(static_cast<int>(forward.size()), steps - 1);
}

TEST_F(LineTest, AClosedPolylineDrawsEveryCornerOnce)
{
    SetROP2(dc, R2_XORPEN);
    HPEN white = CreatePen(PS_SOLID, 1, kWhite);
    SelectObject(dc, white);
    const POINT square[5] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}};
    Polyline(dc, square, 5);
    // XOR with white turns every pixel drawn once black; a pixel drawn twice would stay white.
    EXPECT_EQ(Count(kBlack), 40);
    EXPECT_EQ(At(20, 20), kBlack);
    EXPECT_EQ(At(10, 10), kBlack);
    DeleteObject(white);
}

TEST_F(LineTest, LinesFarOutsideTheSurfaceAreClippedQuickly)
{
    MoveToEx(dc, -1000000000, 32, nullptr);
    LineTo(dc, 1000000000, 32);
    EXPECT_EQ(Count(kBlack), 64);
    Reset(64, 64);
    MoveToEx(dc, -50000000, -50000000, nullptr);
    LineTo(dc, 50000000, 50000000);
    EXPECT_EQ(At(0, 0), kBlack);
    EXPECT_EQ(At(63, 63), kBlack);
    EXPECT_EQ(Count(kBlack), 64);
}

TEST_F(LineTest, NullPenDrawsNothingAndStockPensHaveTheirColours)
{
    SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 40, 5);
    EXPECT_EQ(Count(kBlack), 0);
    Reset(64, 64, kBlack);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 40, 5);
    EXPECT_EQ(Count(kWhite), 40);
}

TEST_F(LineTest, DashedAndDottedPensLeaveGaps)
{
    struct Case {
        int style;
        int on; // pixels of the first dash
    } cases[] = {{PS_DASH, 18}, {PS_DOT, 3}, {PS_DASHDOT, 9}, {PS_DASHDOTDOT, 9}};
    for (const Case& c : cases) {
        Reset(64, 8);
        SetBkMode(dc, TRANSPARENT);
        HPEN pen = CreatePen(c.style, 1, kBlack);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, 2, nullptr);
        LineTo(dc, 60, 2);
        int run = 0;
        while (run < 60 && At(run, 2) == kBlack)
            ++run;
        EXPECT_EQ(run, c.on) << "style " << c.style;
        EXPECT_EQ(At(run, 2), kWhite) << "style " << c.style;
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

TEST_F(LineTest, OpaqueBackgroundFillsTheGapsOfStyledLines)
{
    SetBkColor(dc, RGB(255, 0, 0));
    HPEN pen = CreatePen(PS_DOT, 1, kBlack);
    SelectObject(dc, pen);
    MoveToEx(dc, 0, 2, nullptr);
    LineTo(dc, 12, 2);
    EXPECT_EQ(At(0, 2), kBlack);
    EXPECT_EQ(At(3, 2), RGB(255, 0, 0));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(LineTest, WidePensCoverTheirWidthAcrossTheLine)
{
    HPEN pen = CreatePen(PS_SOLID, 5, kBlack);
    SelectObject(dc, pen);
    MoveToEx(dc, 10, 30, nullptr);
    LineTo(dc, 50, 30);
    int thick = 0;
    for (int y = 20; y < 40; ++y)
        thick += At(30, y) == kBlack;
    EXPECT_EQ(thick, 5);
    EXPECT_EQ(At(30, 28), kBlack);
    EXPECT_EQ(At(30, 32), kBlack);
    // Round caps reach past both ends.
    EXPECT_EQ(At(8, 30), kBlack);
    EXPECT_EQ(At(52, 30), kBlack);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

struct MixCase {
    int rop2;
    COLORREF pen, dst, expected;
};

class MixModes : public SurfaceTest, public ::testing::WithParamInterface<MixCase> {};

INSTANTIATE_TEST_SUITE_P(
    Rop2, MixModes,
    ::testing::Values(MixCase{R2_COPYPEN, RGB(1, 2, 3), RGB(200, 100, 50), RGB(1, 2, 3)},
                      MixCase{R2_XORPEN, RGB(255, 0, 255), RGB(200, 100, 50), RGB(55, 100, 205)},
                      MixCase{R2_NOT, RGB(1, 2, 3), RGB(200, 100, 50), RGB(55, 155, 205)},
                      MixCase{R2_MERGEPENNOT, RGB(0x0F, 0, 0xF0), RGB(0xF0, 0xFF, 0x0F),
                              RGB(0x0F, 0x00, 0xF0)},
                      MixCase{R2_MERGEPENNOT, RGB(0x11, 0x22, 0x33), RGB(0, 0, 0),
                              RGB(255, 255, 255)},
                      MixCase{R2_MASKPEN, RGB(0xF0, 0x0F, 0xFF), RGB(0x3C, 0x3C, 0x3C),
                              RGB(0x30, 0x0C, 0x3C)},
                      MixCase{R2_MERGEPEN, RGB(0xF0, 0x0F, 0), RGB(0x0F, 0x0F, 0x0F),
                              RGB(0xFF, 0x0F, 0x0F)},
                      MixCase{R2_NOTXORPEN, RGB(0xFF, 0, 0), RGB(0xFF, 0xFF, 0),
                              RGB(0xFF, 0, 0xFF)},
                      MixCase{R2_NOP, RGB(1, 2, 3), RGB(9, 8, 7), RGB(9, 8, 7)},
                      MixCase{R2_BLACK, RGB(1, 2, 3), RGB(9, 8, 7), RGB(0, 0, 0)},
                      MixCase{R2_WHITE, RGB(1, 2, 3), RGB(9, 8, 7), RGB(255, 255, 255)}));

TEST_P(MixModes, PensCombineWithTheDestination)
{
    const MixCase c = GetParam();
    Reset(16, 4, c.dst);
    SetROP2(dc, c.rop2);
    HPEN pen = CreatePen(PS_SOLID, 1, c.pen);
    SelectObject(dc, pen);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 8, 1);
    EXPECT_EQ(At(3, 1), c.expected) << std::hex << At(3, 1);
    EXPECT_EQ(At(3, 2), c.dst);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(LineTest, XorTwiceRestoresThePicture)
{
    SetROP2(dc, R2_NOT);
    const POINT zig[4] = {{5, 5}, {40, 12}, {9, 50}, {60, 60}};
    Polyline(dc, zig, 4);
    EXPECT_GT(Count(kBlack), 0);
    Polyline(dc, zig, 4);
    EXPECT_EQ(Count(kWhite), 64 * 64);
}

TEST_F(LineTest, BeziersPassThroughTheirEndPoints)
{
    const POINT curve[4] = {{5, 50}, {15, 5}, {45, 5}, {55, 50}};
    PolyBezier(dc, curve, 4);
    EXPECT_EQ(At(5, 50), kBlack);
    const RECT ink = Ink();
    EXPECT_LT(ink.top, 30);
    EXPECT_GE(ink.top, 5);
    EXPECT_FALSE(PolyBezier(dc, curve, 3)); // not 3n + 1 points
}

} // namespace
