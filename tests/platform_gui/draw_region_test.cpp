// Regions (exact sets of pixels) and clipping, saved context states and coordinate mapping.
#include "draw_fixture.h"

namespace {

using draw_test::Describe;
using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The number of pixels of a region inside a 100 x 100 square.
int Area(HRGN r)
{
    int n = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            n += PtInRegion(r, x, y) ? 1 : 0;
    return n;
}

struct CombineCase {
    int mode;
    int area;
    int type;
};

class CombineModes : public ::testing::TestWithParam<CombineCase> {};

// Two 20 x 20 squares overlapping in a 10 x 10 square.
INSTANTIATE_TEST_SUITE_P(Regions, CombineModes,
                         ::testing::Values(CombineCase{RGN_AND, 100, SIMPLEREGION},
                                           CombineCase{RGN_OR, 700, COMPLEXREGION},
                                           CombineCase{RGN_XOR, 600, COMPLEXREGION},
                                           CombineCase{RGN_DIFF, 300, COMPLEXREGION},
                                           CombineCase{RGN_COPY, 400, SIMPLEREGION}));

TEST_P(CombineModes, CombineTwoSquares)
{
    const CombineCase c = GetParam();
    HRGN a = CreateRectRgn(10, 10, 30, 30);
    HRGN b = CreateRectRgn(20, 20, 40, 40);
    HRGN d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, c.mode), c.type);
    EXPECT_EQ(Area(d), c.area);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(d);
}

TEST(RegionTest, EmptyAndDisjointCombinations)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(20, 0, 30, 10);
    HRGN d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(GetRgnBox(d, &box), COMPLEXREGION);
    EXPECT_EQ(Describe(box), Describe(RECT{0, 0, 30, 10}));
    // The destination may be one of the sources.
    EXPECT_EQ(CombineRgn(a, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(EqualRgn(a, d));
    EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_AND), ERROR);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(d);
}

TEST(RegionTest, TouchingRectanglesMergeIntoOne)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(10, 0, 20, 10);
    HRGN c = CreateRectRgn(0, 10, 20, 20);
    CombineRgn(a, a, b, RGN_OR);
    EXPECT_EQ(CombineRgn(a, a, c, RGN_OR), SIMPLEREGION);
    HRGN whole = CreateRectRgn(0, 0, 20, 20);
    EXPECT_TRUE(EqualRgn(a, whole));
    for (HRGN r : {a, b, c, whole})
        DeleteObject(r);
}

TEST(RegionTest, PointsAndRectanglesInRegions)
{
    HRGN r = CreateRectRgn(5, 5, 15, 15);
    EXPECT_TRUE(PtInRegion(r, 5, 5));
    EXPECT_TRUE(PtInRegion(r, 14, 14));
    EXPECT_FALSE(PtInRegion(r, 15, 14));
    EXPECT_FALSE(PtInRegion(r, 14, 15));
    const RECT in{0, 0, 6, 6}, out{15, 15, 20, 20};
    EXPECT_TRUE(RectInRegion(r, &in));
    EXPECT_FALSE(RectInRegion(r, &out));
    EXPECT_EQ(OffsetRgn(r, -5, 10), SIMPLEREGION);
    RECT box;
    GetRgnBox(r, &box);
    EXPECT_EQ(Describe(box), Describe(RECT{0, 15, 10, 25}));
    SetRectRgn(r, 1, 2, 3, 4);
    GetRgnBox(r, &box);
    EXPECT_EQ(Describe(box), Describe(RECT{1, 2, 3, 4}));
    DeleteObject(r);
    EXPECT_FALSE(PtInRegion(r, 1, 2)); // a deleted handle is refused
    EXPECT_EQ(GetRgnBox(r, &box), ERROR);
}

TEST(RegionTest, PolygonRegionsFollowTheirFillMode)
{
    const POINT star[5] = {{50, 0}, {80, 95}, {2, 35}, {98, 35}, {20, 95}};
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 50, 55));
    EXPECT_TRUE(PtInRegion(winding, 50, 55));
    EXPECT_TRUE(PtInRegion(alternate, 50, 15));
    EXPECT_GT(Area(winding), Area(alternate));
    // A square polygon covers exactly its rectangle.
    const POINT sq[4] = {{10, 10}, {30, 10}, {30, 20}, {10, 20}};
    HRGN p = CreatePolygonRgn(sq, 4, ALTERNATE);
    HRGN r = CreateRectRgn(10, 10, 30, 20);
    EXPECT_TRUE(EqualRgn(p, r));
    // A triangle with a horizontal top: half the square's pixels, near enough.
    const POINT tri[3] = {{0, 0}, {40, 0}, {0, 40}};
    HRGN t = CreatePolygonRgn(tri, 3, WINDING);
    EXPECT_NEAR(Area(t), 800, 40);
    for (HRGN h : {alternate, winding, p, r, t})
        DeleteObject(h);
    EXPECT_EQ(CreatePolygonRgn(sq, 4, 7), nullptr);
}

TEST(RegionTest, EllipticAndRoundRegionsAreSymmetric)
{
    HRGN e = CreateEllipticRgn(10, 20, 61, 51);
    RECT box;
    EXPECT_EQ(GetRgnBox(e, &box), COMPLEXREGION);
    EXPECT_EQ(Describe(box), Describe(RECT{10, 20, 61, 51}));
    for (int y = 20; y < 51; ++y)
        for (int x = 10; x < 61; ++x)
            ASSERT_EQ(PtInRegion(e, x, y), PtInRegion(e, 70 - x, 70 - y)) << x << "," << y;
    HRGN rr = CreateRoundRectRgn(0, 0, 40, 30, 10, 10);
    EXPECT_FALSE(PtInRegion(rr, 0, 0));
    EXPECT_TRUE(PtInRegion(rr, 20, 0));
    EXPECT_TRUE(PtInRegion(rr, 0, 15));
    EXPECT_FALSE(PtInRegion(rr, 39, 29));
    DeleteObject(e);
    DeleteObject(rr);
}

class ClipTest : public SurfaceTest {};

TEST_F(ClipTest, FillsStayInsideTheClipRegion)
{
    HRGN clip = CreateRectRgn(10, 10, 20, 20);
    EXPECT_EQ(SelectClipRgn(dc, clip), SIMPLEREGION);
    DeleteObject(clip); // the context keeps its own copy
    const RECT all{0, 0, 64, 64};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 20, 20}));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(Describe(box), Describe(RECT{10, 10, 20, 20}));
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(Describe(box), Describe(RECT{0, 0, 64, 64}));
}

TEST_F(ClipTest, IntersectAndExcludeClipRects)
{
    IntersectClipRect(dc, 0, 0, 32, 32);
    EXPECT_EQ(ExcludeClipRect(dc, 8, 8, 16, 16), COMPLEXREGION);
    const RECT all{0, 0, 64, 64};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Count(kBlack), 32 * 32 - 8 * 8);
    EXPECT_EQ(At(10, 10), kWhite);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, r), 1);
    EXPECT_FALSE(PtInRegion(r, 10, 10));
    EXPECT_TRUE(PtInRegion(r, 20, 20));
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(GetClipRgn(dc, r), 0);
    DeleteObject(r);
}

TEST_F(ClipTest, LinesAndTextAreClippedToAComplexRegion)
{
    HRGN a = CreateRectRgn(0, 0, 10, 64);
    HRGN b = CreateRectRgn(30, 0, 40, 64);
    CombineRgn(a, a, b, RGN_OR);
    SelectClipRgn(dc, a);
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 64, 5);
    EXPECT_EQ(Count(kBlack), 20);
    TextOutA(dc, 0, 20, "WWWWWWWWWWWW", 12);
    for (int y = 0; y < 64; ++y)
        for (int x = 10; x < 30; ++x)
            ASSERT_EQ(At(x, y), kWhite) << x << "," << y;
    DeleteObject(a);
    DeleteObject(b);
}

TEST_F(ClipTest, ASurfaceContextClipsToItsVisibleRectangle)
{
    DeleteDC(dc);
    const RECT visible{20, 20, 40, 40};
    dc = MiscCreateSurfaceDC(&surface, 10, 10, &visible);
    const RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Describe(Ink()), Describe(visible));
    RECT box;
    GetClipBox(dc, &box); // in the context's own coordinates
    EXPECT_EQ(Describe(box), Describe(RECT{10, 10, 30, 30}));
    EXPECT_TRUE(PtVisible(dc, 10, 10));
    EXPECT_FALSE(PtVisible(dc, 9, 10));
}

TEST_F(ClipTest, ASystemRegionLimitsTheContextLikeAWindowRegion)
{
    DeleteDC(dc);
    const RECT visible{0, 0, 40, 40};
    dc = MiscCreateSurfaceDC(&surface, 5, 5, &visible);
    HRGN round = CreateEllipticRgn(0, 0, 40, 40); // surface coordinates
    ASSERT_TRUE(MiscSetDCSystemClip(dc, round));
    IntersectClipRect(dc, 0, 0, 20, 100); // the program's clip still applies, in its coordinates
    const RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(At(0, 0), kWhite);   // outside the ellipse
    EXPECT_EQ(At(20, 20), kBlack); // inside both
    EXPECT_EQ(At(26, 20), kWhite); // beyond the program's clip (device x 21)
    EXPECT_EQ(Describe(Ink()), Describe(RECT{5, 5, 25, 40}));
    ASSERT_TRUE(MiscSetDCSystemClip(dc, nullptr));
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(At(5, 5), kBlack);
    EXPECT_FALSE(MiscSetDCSystemClip(nullptr, round));
    DeleteObject(round);
}

TEST_F(ClipTest, RegionPaintingFunctions)
{
    HRGN r = CreateEllipticRgn(10, 10, 30, 30);
    HBRUSH red = CreateSolidBrush(kRed);
    FillRgn(dc, r, red);
    const int area = Count(kRed);
    EXPECT_GT(area, 250);
    InvertRgn(dc, r);
    EXPECT_EQ(Count(RGB(0, 255, 255)), area);
    Reset(64, 64);
    FrameRgn(dc, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1);
    const int frame = Count(kBlack);
    EXPECT_GT(frame, 40);
    EXPECT_LT(frame, area / 2);
    EXPECT_EQ(At(20, 20), kWhite);
    Reset(64, 64);
    SelectObject(dc, red);
    PaintRgn(dc, r);
    EXPECT_EQ(Count(kRed), area);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
    DeleteObject(r);
}

class StateTest : public SurfaceTest {};

TEST_F(StateTest, RestoreDCBringsBackColoursObjectsClipAndOrigin)
{
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, red);
    SetTextColor(dc, kRed);
    SetBkMode(dc, TRANSPARENT);
    SetROP2(dc, R2_XORPEN);
    SetViewportOrgEx(dc, 5, 5, nullptr);
    IntersectClipRect(dc, 0, 0, 4, 4);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(0, 255, 0));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), kRed);
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetTextColor(dc), kBlack);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    POINT org;
    GetViewportOrgEx(dc, &org);
    EXPECT_EQ(org.x, 0);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(Describe(box), Describe(RECT{0, 0, 64, 64}));
    EXPECT_FALSE(RestoreDC(dc, 1)); // nothing saved any more
    DeleteObject(red);
}

TEST_F(StateTest, SelectObjectReturnsThePreviousObject)
{
    HPEN a = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH b = CreateSolidBrush(kRed);
    EXPECT_EQ(SelectObject(dc, a), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, b), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), a);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    DeleteObject(a);
    // A deleted object's handle is refused, but what is selected keeps drawing.
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_EQ(SelectObject(dc, b), nullptr);
    const RECT r{0, 0, 4, 4};
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, 5, 5);
    EXPECT_EQ(At(1, 1), kRed);
    (void)r;
}

TEST_F(StateTest, OriginsMoveDrawingAndConvertPoints)
{
    SetViewportOrgEx(dc, 10, 20, nullptr);
    SetWindowOrgEx(dc, 3, 4, nullptr);
    SetPixel(dc, 3, 4, kRed);
    EXPECT_EQ(At(10, 20), kRed);
    POINT p{3, 4};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    DPtoLP(dc, &p, 1);
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 4);
    OffsetViewportOrgEx(dc, 1, 1, nullptr);
    EXPECT_EQ(GetPixel(dc, 2, 3), kRed);
}

TEST_F(StateTest, ScaledMappingModes)
{
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 50, 50, nullptr);
    const RECT r{0, 0, 20, 20};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Describe(Ink()), Describe(RECT{0, 0, 10, 10}));
    EXPECT_EQ(SetMapMode(dc, MM_LOMETRIC), MM_ANISOTROPIC);
    POINT p{254, -254}; // one inch right and one inch down
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p.x, 96);
    EXPECT_EQ(p.y, 96);
}

TEST(DeviceCapsTest, TheVirtualScreen)
{
    MiscSurface s(4, 4);
    HDC dc = MiscCreateSurfaceDC(&s, 0, 0, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1280);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 1024);
    EXPECT_EQ(GetDeviceCaps(dc, ASPECTX), 36);
    EXPECT_EQ(GetDeviceCaps(dc, ASPECTY), 36);
    EXPECT_EQ(GetDeviceCaps(dc, ASPECTXY), 51);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 339);
    EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHBLT);
    MiscSetScreenSize(800, 600);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 800);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 600);
    MiscSetScreenSize(1280, 1024);
    DeleteDC(dc);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 0); // a deleted context
}

} // namespace
