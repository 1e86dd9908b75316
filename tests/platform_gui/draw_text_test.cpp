// Fonts and text: sizes and line counts, never glyph pixels.
#include <cstring>

#include "draw_fixture.h"

namespace {

using draw_test::Describe;
using draw_test::SurfaceTest;
constexpr COLORREF kWhite = RGB(255, 255, 255);

HFONT MakeFont(LONG height, LONG weight = FW_NORMAL, const char* face = "MS Shell Dlg",
               LONG escapement = 0)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfEscapement = escapement;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

class TextTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        Reset(300, 200);
        font = MakeFont(-11);
        SelectObject(dc, font);
    }
    void TearDown() override
    {
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        DeleteObject(font);
        SurfaceTest::TearDown();
    }
    SIZE Extent(const char* s)
    {
        SIZE size{};
        GetTextExtentPoint32A(dc, s, static_cast<int>(std::strlen(s)), &size);
        return size;
    }
    TEXTMETRICA Metrics()
    {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        return tm;
    }
    HFONT font = nullptr;
};

TEST_F(TextTest, NegativeHeightIsTheCharacterHeightPositiveTheCellHeight)
{
    const TEXTMETRICA tm = Metrics();
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    HFONT cell = MakeFont(20);
    SelectObject(dc, cell);
    EXPECT_NEAR(Metrics().tmHeight, 20, 1);
    SelectObject(dc, font);
    DeleteObject(cell);
}

TEST_F(TextTest, FontsMapToThePinnedFiles)
{
    LOGFONTA lf{};
    std::strcpy(lf.lfFaceName, "Arial");
    EXPECT_NE(std::strstr(MiscFontFileFor(&lf), "/DejaVuSans.ttf"), nullptr);
    lf.lfWeight = FW_BOLD;
    EXPECT_NE(std::strstr(MiscFontFileFor(&lf), "/DejaVuSans-Bold.ttf"), nullptr);
    lf.lfItalic = 1;
    EXPECT_NE(std::strstr(MiscFontFileFor(&lf), "/DejaVuSans-BoldOblique.ttf"), nullptr);
    std::strcpy(lf.lfFaceName, "Courier New");
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = 0;
    EXPECT_NE(std::strstr(MiscFontFileFor(&lf), "/DejaVuSansMono.ttf"), nullptr);
    lf.lfWeight = 600; // semibold counts as bold
    EXPECT_NE(std::strstr(MiscFontFileFor(&lf), "/DejaVuSansMono-Bold.ttf"), nullptr);
}

TEST_F(TextTest, ExtentsAddUpAndGrowWithTheFont)
{
    const SIZE ab = Extent("ab"), a = Extent("a"), b = Extent("b");
    EXPECT_EQ(ab.cx, a.cx + b.cx);
    EXPECT_EQ(ab.cy, Metrics().tmHeight);
    EXPECT_GT(Extent("WWW").cx, Extent("iii").cx);
    EXPECT_EQ(Extent("").cx, 0);
    HFONT big = MakeFont(-22);
    SelectObject(dc, big);
    const int bigWidth = Extent("Hello").cx;
    SelectObject(dc, font);
    EXPECT_NEAR(bigWidth, 2 * Extent("Hello").cx, 4);
    HFONT bold = MakeFont(-11, FW_BOLD);
    SelectObject(dc, bold);
    const int boldWidth = Extent("Hello world").cx;
    SelectObject(dc, font);
    EXPECT_GT(boldWidth, Extent("Hello world").cx);
    // Fixed pitch: every character has the same advance.
    HFONT mono = MakeFont(-12, FW_NORMAL, "Courier");
    SelectObject(dc, mono);
    EXPECT_EQ(Extent("iiii").cx, Extent("WWWW").cx);
    EXPECT_FALSE(Metrics().tmPitchAndFamily & TMPF_FIXED_PITCH);
    SelectObject(dc, font);
    EXPECT_TRUE(Metrics().tmPitchAndFamily & TMPF_FIXED_PITCH);
    DeleteObject(big);
    DeleteObject(bold);
    DeleteObject(mono);
}

TEST_F(TextTest, CharacterExtraAddsToEveryCharacter)
{
    const int plain = Extent("abcd").cx;
    SetTextCharacterExtra(dc, 2);
    EXPECT_EQ(Extent("abcd").cx, plain + 8);
}

TEST_F(TextTest, TextAlignmentPlacesTheReferencePoint)
{
    SetBkMode(dc, TRANSPARENT);
    const SIZE ext = Extent("Mmmm");
    TextOutA(dc, 100, 50, "Mmmm", 4);
    RECT left = Ink();
    EXPECT_GE(left.left, 100);
    EXPECT_LE(left.right, 100 + ext.cx + 1);
    EXPECT_GE(left.top, 50);
    Reset(300, 200);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_RIGHT | TA_BASELINE);
    TextOutA(dc, 100, 50, "Mmmm", 4);
    RECT right = Ink();
    EXPECT_LE(right.right, 101);
    EXPECT_GE(right.left, 100 - ext.cx - 1);
    EXPECT_LE(right.bottom, 51); // nothing below the baseline in these letters
    Reset(300, 200);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    TextOutA(dc, 100, 50, "Mmmm", 4);
    RECT centre = Ink();
    EXPECT_LE(centre.bottom, 50);
    EXPECT_NEAR((centre.left + centre.right) / 2.0, 100, 2);
}

TEST_F(TextTest, OpaqueBackgroundFillsTheTextCell)
{
    SetBkColor(dc, RGB(0, 255, 0));
    TextOutA(dc, 10, 10, "ab", 2);
    const SIZE ext = Extent("ab");
    EXPECT_EQ(At(10, 10), RGB(0, 255, 0));
    EXPECT_EQ(Describe(Ink()), Describe(RECT{10, 10, 10 + ext.cx, 10 + ext.cy}));
}

TEST_F(TextTest, UpdateCpMovesTheCurrentPosition)
{
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 5, 5, nullptr);
    TextOutA(dc, 0, 0, "abc", 3);
    POINT p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p.x, 5 + Extent("abc").cx);
    EXPECT_EQ(p.y, 5);
}

TEST_F(TextTest, ExtTextOutClipsAndFills)
{
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(0, 0, 255));
    const RECT r{20, 20, 40, 30};
    ExtTextOutA(dc, 10, 15, ETO_CLIPPED | ETO_OPAQUE, &r, "WWWWWWWW", 8, nullptr);
    EXPECT_EQ(Describe(Ink()), Describe(r));
    EXPECT_EQ(At(20, 20), RGB(0, 0, 255));
}

TEST_F(TextTest, EscapementRotatesTheBaseline)
{
    HFONT up = MakeFont(-14, FW_NORMAL, "Arial", 900);
    SelectObject(dc, up);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 100, 150, "Rotated text", 12);
    const RECT ink = Ink();
    // Written upwards: tall and narrow, above the reference point.
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.left, 99);
    SelectObject(dc, font);
    DeleteObject(up);
}

TEST_F(TextTest, DrawTextCalcRectMeasuresOneLine)
{
    RECT r{10, 10, 10, 10};
    const int h = DrawTextA(dc, "Hello world", -1, &r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, Metrics().tmHeight);
    EXPECT_EQ(r.right - r.left, Extent("Hello world").cx);
    EXPECT_EQ(r.bottom - r.top, h);
    EXPECT_EQ(Count(kWhite), 300 * 200); // measuring draws nothing
}

TEST_F(TextTest, DrawTextBreaksWordsToTheWidth)
{
    const char* text = "one two three four five six seven eight nine ten";
    const int lineHeight = Metrics().tmHeight;
    const int width = Extent("three four").cx + 1;
    RECT r{0, 0, width, 0};
    const int h = DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK);
    const int lines = h / lineHeight;
    EXPECT_EQ(h % lineHeight, 0);
    EXPECT_GE(lines, 4);
    EXPECT_LE(lines, 6);
    EXPECT_LE(r.right, width);
    // A word wider than the rectangle stays whole and widens it.
    RECT narrow{0, 0, 5, 0};
    DrawTextA(dc, "unbreakable", -1, &narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.right, Extent("unbreakable").cx);
    EXPECT_EQ(narrow.bottom, lineHeight);
    // Line breaks make lines; a single-line format ignores them.
    RECT multi{0, 0, 200, 0};
    EXPECT_EQ(DrawTextA(dc, "a\r\nb\nc", -1, &multi, DT_CALCRECT), 3 * lineHeight);
    RECT single{0, 0, 200, 0};
    EXPECT_EQ(DrawTextA(dc, "a\r\nb\nc", -1, &single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    EXPECT_EQ(single.right, Extent("abc").cx);
}

TEST_F(TextTest, PrefixCharactersAreNotMeasured)
{
    RECT a{0, 0, 0, 0}, b{0, 0, 0, 0}, c{0, 0, 0, 0};
    DrawTextA(dc, "&File", -1, &a, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(a.right, Extent("File").cx);
    DrawTextA(dc, "&File", -1, &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(b.right, Extent("&File").cx);
    DrawTextA(dc, "Save && Exit", -1, &c, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(c.right, Extent("Save & Exit").cx);
}

TEST_F(TextTest, DrawTextAlignsAndClips)
{
    SetBkMode(dc, TRANSPARENT);
    RECT r{0, 0, 300, 100};
    DrawTextA(dc, "Centre", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT ink = Ink();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 150, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 50, 4);
    Reset(300, 200);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT right{0, 0, 200, 50};
    DrawTextA(dc, "Right", -1, &right, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    ink = Ink();
    EXPECT_LE(ink.right, 200);
    EXPECT_GE(ink.right, 195);
    EXPECT_LE(ink.bottom, 50);
    Reset(300, 200);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT small{10, 10, 30, 20};
    DrawTextA(dc, "Clipped to the rectangle", -1, &small, DT_SINGLELINE);
    ink = Ink();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 30);
    EXPECT_LE(ink.bottom, 20);
}

TEST_F(TextTest, EndEllipsisFitsTheWidth)
{
    const char* text = "A rather long caption that does not fit";
    const int width = Extent("A rather long").cx;
    RECT r{0, 0, width, 20};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(r.right, width);
    EXPECT_GT(r.right, width / 2);
    RECT whole{0, 0, 1000, 20};
    DrawTextA(dc, text, -1, &whole, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(whole.right, Extent(text).cx);
}

TEST_F(TextTest, ExpandTabsMovesToTabStops)
{
    const int avg = Metrics().tmAveCharWidth;
    RECT r{0, 0, 500, 0};
    DrawTextA(dc, "a\tb", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_EQ(r.right, 8 * avg + Extent("b").cx);
}

TEST_F(TextTest, EmptyTextMeasuresNothingWide)
{
    RECT r{5, 5, 50, 50};
    DrawTextA(dc, "", 0, &r, DT_CALCRECT);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 5);
    RECT s{5, 5, 50, 50};
    DrawTextA(dc, "", -1, &s, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(s.right, 5);
    EXPECT_EQ(s.bottom, 5 + Metrics().tmHeight);
}

TEST_F(TextTest, StockFonts)
{
    for (int index : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT}) {
        LOGFONTA lf{};
        ASSERT_EQ(GetObjectA(GetStockObject(index), sizeof lf, &lf), static_cast<int>(sizeof lf));
        SelectObject(dc, GetStockObject(index));
        EXPECT_GT(Metrics().tmHeight, 8) << index;
        EXPECT_GT(Extent("x").cx, 2) << index;
    }
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    char face[LF_FACESIZE];
    EXPECT_GT(GetTextFaceA(dc, sizeof face, face), 0);
    EXPECT_STREQ(face, "MS Shell Dlg");
    EXPECT_TRUE(DeleteObject(GetStockObject(DEFAULT_GUI_FONT))); // ignored for stock objects
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
}

} // namespace
