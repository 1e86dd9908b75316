// The colour tables of the looks computed from user colours: every index they set, the dark and
// light branches at their boundary, the amount's truncation, and the task-panel look.
#include <misc/ui/themes.h>
#include <misc/geometry/text.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <win32/surface.h>

namespace {

using Table = std::vector<std::pair<int, COLORREF>>;

void ExpectTable(const CXTPPaintManager& pm, const Table& expected)
{
    for (const auto& [index, colour] : expected)
        EXPECT_EQ(pm.GetXtremeColor(index), colour) << "colour index " << index << std::hex << " got 0x"
                                                    << pm.GetXtremeColor(index) << " want 0x" << colour;
}

// What an office look that nobody changed has at `index`.
COLORREF BaseColor(int index)
{
    CXTPOfficeTheme base;
    base.RefreshMetrics();
    return base.GetXtremeColor(index);
}

TEST(UserColorTheme, LightColourFillsTheTableInOrder)
{
    const COLORREF c = 0xffd2aa; // a light blue; brightness 170 + 420 + 153 + 135 = 878
    CCustomUserColorTheme theme(c, 180);
    EXPECT_EQ(theme.m_clrLight1, LightenColor(135, c));
    EXPECT_EQ(theme.m_clrLight2, LightenColor(180, c));
    EXPECT_EQ(theme.m_clrColor, c);
    EXPECT_EQ(theme.m_nAmount, 180);
    const COLORREF r = RGB(0xaa, 0xff, 0xd2); // red kept, green and blue exchanged
    const COLORREF t = DarkenColor(110, c), s = DarkenColor(96, c);
    ExpectTable(theme, {{51, 0xff00ff}, {41, theme.m_clrLight1}, {30, theme.m_clrLight1},
                        {31, LightenColor(110, r)}, {32, s}, {33, s}, {50, s}, {36, LightenColor(150, r)},
                        {37, s}, {35, t}, {40, t}, {39, s}, {42, theme.m_clrLight2}, {43, s}});
    EXPECT_EQ(theme.GetXtremeColor(46), BaseColor(46)) << "only dark colours make the caption text white";
    EXPECT_EQ(theme.m_clrDockBar.GetLight(), 0xe4e4e4u);
    EXPECT_EQ(theme.m_clrDockBar.GetDark(), DarkenColor(75, c));
    EXPECT_FLOAT_EQ(theme.m_clrDockBar.GetFactor(), 0.5f);
}

TEST(UserColorTheme, BlackTakesTheDarkBranchAndWhiteTheLight)
{
    CCustomUserColorTheme black(0x000000, 255);
    ExpectTable(black, {{46, 0xffffff}, {35, LightenColor(128, 0)}, {40, LightenColor(128, 0)}, {32, DarkenColor(32, 0)},
                        {43, 0x000000}, {51, 0xff00ff}});
    CCustomUserColorTheme white(0xffffff, 0);
    ExpectTable(white, {{35, DarkenColor(110, 0xffffff)}, {32, DarkenColor(96, 0xffffff)}});
}

TEST(UserColorTheme, DarkUpToBrightness375)
{
    // R + 2G (blue 0, amount 0) exactly 375 is dark, one more is light.
    CCustomUserColorTheme edge(RGB(175, 100, 0), 0);
    EXPECT_EQ(edge.GetXtremeColor(35), LightenColor(128, RGB(175, 100, 0)));
    EXPECT_EQ(edge.GetXtremeColor(46), 0xffffffu);
    CCustomUserColorTheme above(RGB(176, 100, 0), 0);
    EXPECT_EQ(above.GetXtremeColor(35), DarkenColor(110, RGB(176, 100, 0)));
    // The amount counts three quarters: 0.75 * 4 = 3 lifts 373 over the edge.
    CCustomUserColorTheme lifted(RGB(173, 100, 0), 4);
    EXPECT_EQ(lifted.GetXtremeColor(35), DarkenColor(110, RGB(173, 100, 0)));
}

TEST(UserColorTheme, AmountZeroKeepsTheColourAndThreeQuartersTruncate)
{
    const COLORREF c = 0xa8c0c0;
    CCustomUserColorTheme none(c, 0);
    EXPECT_EQ(none.m_clrLight1, c);
    EXPECT_EQ(none.m_clrLight2, c);
    ExpectTable(none, {{41, c}, {30, c}, {42, c}});
    // 3 * 1 / 4 is 0 and 3 * 5 / 4 is 3 in whole numbers (black shows every step of lightening).
    CCustomUserColorTheme one(0x000000, 1);
    EXPECT_EQ(one.m_clrLight1, 0x000000u);
    EXPECT_EQ(one.m_clrLight2, 0x010101u);
    CCustomUserColorTheme five(0x000000, 5);
    EXPECT_EQ(five.m_clrLight1, 0x030303u);
    EXPECT_EQ(five.m_clrLight2, 0x050505u);
}

TEST(UserGradientTheme, FillsTheTableFromBothColours)
{
    const COLORREF c1 = 0xf2b9a0, c2 = 0x7fc87f;
    CCustomUserGradientTheme theme(c1, c2, 1);
    EXPECT_EQ(theme.m_clrLight1a, LightenColor(150, c1));
    EXPECT_EQ(theme.m_clrLight2a, LightenColor(200, c1));
    EXPECT_EQ(theme.m_clrColor1, c1);
    EXPECT_EQ(theme.m_clrLight1b, LightenColor(150, c2));
    EXPECT_EQ(theme.m_clrLight2b, LightenColor(200, c2));
    EXPECT_EQ(theme.m_clrColor2, c2);
    EXPECT_EQ(theme.m_nStyle, 1);
    const COLORREF t = DarkenColor(110, c1), s1 = DarkenColor(96, c1), s2 = DarkenColor(96, c2);
    ExpectTable(theme, {{51, 0xff00ff}, {41, LightenColor(150, c1)}, {30, LightenColor(150, c1)},
                        {31, LightenColor(80, c2)}, {32, s1}, {33, s2}, {50, c2}, {36, LightenColor(150, c2)},
                        {37, s2}, {35, t}, {40, t}, {39, s1}, {42, LightenColor(200, c1)}, {43, s1}});
    EXPECT_EQ(theme.GetXtremeColor(44), BaseColor(44));
    EXPECT_EQ(theme.GetXtremeColor(46), BaseColor(46));
    EXPECT_EQ(theme.m_clrDockBar.GetLight(), 0xe4e4e4u);
    EXPECT_EQ(theme.m_clrDockBar.GetDark(), DarkenColor(75, c1));
}

TEST(UserGradientTheme, DarkFirstColourWhitensMenuAndCaptionText)
{
    CCustomUserGradientTheme theme(0x000000, 0x0000ff, 2);
    ExpectTable(theme, {{44, 0xffffff}, {46, 0xffffff}, {35, LightenColor(128, 0)}, {32, 0x000000},
                        {33, DarkenColor(32, 0x0000ff)}, {50, 0x0000ff}});
    // The edge: R + 2G + 150 (blue 0) exactly 375 is dark.
    CCustomUserGradientTheme edge(RGB(25, 100, 0), 0xffffff, 1);
    EXPECT_EQ(edge.GetXtremeColor(44), 0xffffffu);
    CCustomUserGradientTheme above(RGB(26, 100, 0), 0xffffff, 1);
    EXPECT_EQ(above.GetXtremeColor(35), DarkenColor(110, RGB(26, 100, 0)));
    CCustomUserGradientTheme white(0xffffff, 0xffffff, 1);
    EXPECT_EQ(white.GetXtremeColor(32), DarkenColor(96, 0xffffff));
}

TEST(UserGradientTheme, RefreshingAgainKeepsTheTable)
{
    CCustomUserGradientTheme theme(0xff555a, 0x96c8ff, 1);
    const COLORREF before = theme.GetXtremeColor(31);
    theme.RefreshMetrics();
    EXPECT_EQ(theme.GetXtremeColor(31), before);
    EXPECT_EQ(before, LightenColor(80, 0x96c8ff));
}

// Draws with a paint manager on a white surface.
struct Canvas {
    MiscSurface surface{80, 40, MiscPixelFromColor(RGB(255, 255, 255))};
    HDC dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    ~Canvas() { DeleteDC(dc); }
    CDC* Dc() { return CDC::FromHandle(dc); }
    COLORREF At(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]); }
};

TEST(UserGradientTheme, StrongStyleRunsTheDockBarBetweenTheColours)
{
    Canvas canvas;
    CCustomUserGradientTheme strong(0x000000, 0x0000ff, 2);
    strong.FillDockBar(canvas.Dc(), CRect(0, 0, 80, 10));
    EXPECT_EQ(canvas.At(0, 5), 0x000000u);
    EXPECT_GT(GetRValue(canvas.At(79, 5)), 200);
    CCustomUserGradientTheme light(0x000000, 0x0000ff, 1);
    light.FillDockBar(canvas.Dc(), CRect(0, 20, 80, 30));
    EXPECT_EQ(canvas.At(0, 25), 0xe4e4e4u) << "the first gradient value, from its light end";
}

TEST(FixedLooks, PinstripesAlternateTheTwoNearWhites)
{
    Canvas canvas;
    CCustomMacTheme mac;
    mac.FillDockBar(canvas.Dc(), CRect(0, 0, 80, 6));
    EXPECT_EQ(canvas.At(10, 0), 0xfbfbfbu);
    EXPECT_EQ(canvas.At(10, 1), 0xfdfdfdu);
    EXPECT_EQ(canvas.At(10, 2), 0xfbfbfbu);
    mac.FillStatusBar(canvas.Dc(), CRect(0, 10, 80, 20));
    EXPECT_EQ(canvas.At(10, 12), 0xfbfbfbu);
    EXPECT_EQ(canvas.At(10, 13), 0xfdfdfdu);
}

TEST(FixedLooks, EachKeepsItsToolkitBase)
{
    CCustomMacTheme mac;
    CCustomBevelTheme bevel;
    CCustomIcyTheme icy;
    CCustomFancyTheme fancy;
    EXPECT_EQ(dynamic_cast<CXTPOfficeTheme*>(static_cast<CXTPPaintManager*>(&mac)), nullptr);
    EXPECT_EQ(dynamic_cast<CXTPOfficeTheme*>(static_cast<CXTPPaintManager*>(&bevel)), nullptr);
    EXPECT_NE(dynamic_cast<CXTPOfficeTheme*>(static_cast<CXTPPaintManager*>(&icy)), nullptr);
    EXPECT_NE(dynamic_cast<CXTPOfficeTheme*>(static_cast<CXTPPaintManager*>(&fancy)), nullptr);
    // Each bar face differs from the others and from the plain office look.
    const COLORREF faces[] = {mac.GetXtremeColor(XTP_COLOR_BAR_FACE), bevel.GetXtremeColor(XTP_COLOR_BAR_FACE),
                              icy.GetXtremeColor(XTP_COLOR_BAR_FACE), fancy.GetXtremeColor(XTP_COLOR_BAR_FACE),
                              BaseColor(XTP_COLOR_BAR_FACE)};
    for (size_t i = 0; i < std::size(faces); ++i)
        for (size_t j = i + 1; j < std::size(faces); ++j)
            EXPECT_NE(faces[i], faces[j]) << i << " and " << j;
}

TEST(TaskPanelTheme, CaptionRunsFromATintToTheColour)
{
    Canvas canvas;
    CMyXTPTaskPanelToolboxWhidbeyTheme theme(RGB(40, 80, 160));
    XTP_TASKPANEL_GROUPSTATE state;
    const CRect client = theme.DrawGroup(canvas.Dc(), CRect(0, 0, 80, 40), "Tools", state);
    EXPECT_EQ(client, CRect(0, theme.m_nCaptionHeight, 80, 40));
    EXPECT_EQ(canvas.At(70, 0), LightenColor(200, RGB(40, 80, 160)));
    EXPECT_EQ(canvas.At(40, 30), LightenColor(230, RGB(40, 80, 160)));
    state.bExpanded = FALSE;
    EXPECT_TRUE(theme.DrawGroup(canvas.Dc(), CRect(0, 0, 80, 40), "Tools", state).IsRectEmpty());
}

} // namespace
