// Multi-line text on a device: DrawMultiLineText's two ways (DrawText, and line by line along a
// rotated baseline) and GetTextExtentPoint32Multy with blank lines.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class TextDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = MiscSurface(200, 200);
        b = MiscSurface(200, 200);
        da = MiscCreateSurfaceDC(&a, 0, 0, nullptr);
        db = MiscCreateSurfaceDC(&b, 0, 0, nullptr);
    }
    void TearDown() override
    {
        if (fa) {
            SelectObject(da, GetStockObject(SYSTEM_FONT));
            SelectObject(db, GetStockObject(SYSTEM_FONT));
            DeleteObject(fa);
        }
        DeleteDC(da);
        DeleteDC(db);
    }
    // The same rotated font selected into both contexts.
    LOGFONTA Rotated(int escapement, int height)
    {
        LOGFONTA lf{};
        lf.lfHeight = height;
        lf.lfEscapement = escapement;
        lf.lfOrientation = escapement;
        std::strcpy(lf.lfFaceName, "Arial");
        fa = CreateFontIndirectA(&lf);
        SelectObject(da, fa);
        SelectObject(db, fa);
        return lf;
    }
    int Ink(const MiscSurface& s) const
    {
        int n = 0;
        for (uint32_t p : s.pixels)
            n += (p & 0xFFFFFF) != 0xFFFFFF;
        return n;
    }

    MiscSurface a, b;
    HDC da = nullptr, db = nullptr;
    HFONT fa = nullptr;
};

TEST_F(TextDrawTest, NothingForNoText)
{
    LOGFONTA lf = Rotated(900, -20);
    DrawMultiLineText(da, 50, 50, nullptr, &lf);
    DrawMultiLineText(da, 50, 50, "", &lf);
    DrawMultiLineText(da, 50, 50, "", nullptr);
    DrawMultiLineText(static_cast<HDC>(nullptr), 50, 50, "x", nullptr);
    EXPECT_EQ(Ink(a), 0);
}

TEST_F(TextDrawTest, UnrotatedTextIsLaidOutByDrawText)
{
    const char* text = "First\r\nSecond line";
    LOGFONTA flat{};
    DrawMultiLineText(da, 20, 30, text, nullptr);
    RECT r{20, 30, 21, 31};
    DrawTextA(db, text, -1, &r, DT_NOCLIP | DT_NOPREFIX);
    EXPECT_GT(Ink(a), 0);
    EXPECT_EQ(a.pixels, b.pixels);
    std::fill(a.pixels.begin(), a.pixels.end(), 0xFFFFFFFFu);
    DrawMultiLineText(da, 20, 30, text, &flat); // escapement 0: the same way
    EXPECT_EQ(a.pixels, b.pixels);
}

TEST_F(TextDrawTest, RotatedLinesStackAcrossTheBaseline)
{
    struct Case {
        int escapement;
        int dx, dy; // one line's step for |lfHeight| = 20
    };
    for (const Case c : {Case{900, 20, 0}, Case{2700, -20, 0}, Case{450, 14, 14}}) {
        SCOPED_TRACE(c.escapement);
        std::fill(a.pixels.begin(), a.pixels.end(), 0xFFFFFFFFu);
        std::fill(b.pixels.begin(), b.pixels.end(), 0xFFFFFFFFu);
        LOGFONTA lf = Rotated(c.escapement, -20);
        // A blank line between the two: the second line is two steps away.
        DrawMultiLineText(da, 100, 100, "ab\r\n\r\ncd", &lf);
        TextOutA(db, 100, 100, "ab", 2);
        TextOutA(db, 100 + 2 * c.dx, 100 + 2 * c.dy, "cd", 2);
        EXPECT_GT(Ink(a), 0);
        EXPECT_EQ(a.pixels, b.pixels);
        SelectObject(da, GetStockObject(SYSTEM_FONT));
        SelectObject(db, GetStockObject(SYSTEM_FONT));
        DeleteObject(fa);
        fa = nullptr;
    }
}

TEST_F(TextDrawTest, CdcFormDrawsOnTheOutputContext)
{
    CDC* dc = CDC::FromHandle(da);
    DrawMultiLineText(dc, 10, 10, "x", nullptr);
    DrawMultiLineText(static_cast<CDC*>(nullptr), 10, 10, "x", nullptr);
    EXPECT_GT(Ink(a), 0);
}

TEST_F(TextDrawTest, ExtentAddsLineHeightsAndBlankLines)
{
    SIZE abc{}, de{};
    GetTextExtentPoint32A(da, "abc", 3, &abc);
    GetTextExtentPoint32A(da, "de", 2, &de);
    struct Case {
        const char* text;
        LONG cx, cy;
    };
    const Case cases[] = {
        {"abc\r\nde", abc.cx, 2 * abc.cy},
        {"de\r\n\r\nabc", abc.cx, 3 * abc.cy},
        {"abc\r\n\r\n", abc.cx, abc.cy},        // blank lines at the end do not count
        {"de\n\nabc", abc.cx, 2 * abc.cy},      // empty pieces after a line feed do not count
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        SIZE out{-1, -1};
        GetTextExtentPoint32Multy(da, c.text, &out);
        EXPECT_EQ(out.cx, c.cx) << c.text;
        EXPECT_EQ(out.cy, c.cy) << c.text;
    }
    GetTextExtentPoint32Multy(da, "abc", nullptr); // no crash
}

} // namespace
