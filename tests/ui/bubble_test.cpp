// CBuble: placement and its flips, the pointer codes, the region, the joined text and the
// 500 ms show timer on the virtual clock.
#include <misc/ui.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class BubleTest : public ::testing::Test {
protected:
    void SetUp() override { MiscResetPlatform(); }
    void TearDown() override
    {
        bubble.reset();
        parent.DestroyWindow();
        MiscResetPlatform();
    }
    void OpenParent(int w, int h)
    {
        ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 50, 40, w, h, nullptr, nullptr));
    }
    CBuble& Make(int x, int y, std::initializer_list<const char*> texts = {"Piece 12", "Size M"})
    {
        CStringArray lines;
        for (const char* t : texts)
            lines.Add(t);
        bubble = std::make_unique<CBuble>(CPoint(x, y), lines, &parent);
        return *bubble;
    }
    // The bubble's rectangle in the parent's client coordinates.
    CRect Placed()
    {
        CRect r;
        bubble->GetWindowRect(&r);
        parent.ScreenToClient(&r);
        return r;
    }

    CWnd parent;
    std::unique_ptr<CBuble> bubble;
};

TEST_F(BubleTest, SitsAboveThePointWhenThereIsRoom)
{
    OpenParent(400, 300);
    CBuble& b = Make(200, 150);
    ASSERT_TRUE(b.GetSafeHwnd());
    const CRect r = Placed();
    EXPECT_EQ(b.m_direction, 4);
    EXPECT_EQ(r.bottom, 145) << "five pixels above the point";
    EXPECT_NEAR((r.left + r.right) / 2.0, 195, 1) << "centred five pixels left of it";
    EXPECT_EQ(r.Width(), b.m_rect.Width() + 10);
    EXPECT_EQ(r.Height(), b.m_rect.Height() + 40);
    // The point, now in the bubble's own coordinates, lies below it.
    EXPECT_EQ(b.m_point, CPoint(200 - r.left, 150 - r.top));
    EXPECT_EQ(b.m_rect.top, 20);
    EXPECT_EQ(b.m_rect.left, 5);
}

TEST_F(BubleTest, FlipsAndPointerCodes)
{
    struct Case {
        int x, y, code;
        const char* where;
    };
    const Case cases[] = {
        {200, 10, 1, "near the top: below the point"},
        {395, 10, 16, "top-right corner: flipped and moved left"},
        {5, 10, 32, "top-left corner: flipped and moved right"},
        {395, 150, 8, "right edge only"},
        {5, 150, 2, "left edge only"},
        {200, 295, 4, "bottom edge: above the point already"},
    };
    OpenParent(400, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        CBuble& b = Make(c.x, c.y);
        EXPECT_EQ(b.m_direction, c.code);
        const CRect r = Placed();
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, 400);
        EXPECT_GE(r.top, 0);
        if (c.code == 1 || c.code == 16 || c.code == 32) {
            EXPECT_EQ(r.top, c.y + 5) << "flipped: five pixels below the point";
        }
    }
}

TEST_F(BubleTest, PointerLeansTowardThePoint)
{
    OpenParent(400, 300);
    struct Case {
        int x, y;
        bool top; // the pointer leaves the top edge
    };
    for (const Case c : {Case{200, 10, true}, Case{395, 10, true}, Case{5, 10, true}, Case{395, 150, false},
                         Case{5, 150, false}, Case{200, 150, false}}) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        CBuble& b = Make(c.x, c.y);
        CRect r = b.m_rect;
        r.InflateRect(4, 2);
        CRgn tip;
        b.GetTriangleRgn(tip, r);
        CRect box;
        tip.GetRgnBox(&box);
        if (c.top) {
            EXPECT_LT(box.top, r.top);
            EXPECT_LE(box.bottom, r.top + 2);
        } else {
            EXPECT_GE(box.top, r.bottom - 2);
            EXPECT_GT(box.bottom, r.bottom);
        }
        // The apex is a sliver narrower than a pixel over its last rows, so the filled pixels
        // stop a few columns short of the point.
        EXPECT_LE(box.left, b.m_point.x + 4);
        EXPECT_GE(box.right, b.m_point.x - 4);
        EXPECT_LE(b.m_tipBase.cx, r.Width() / 3);
    }
}

TEST_F(BubleTest, RightThirdBaseForCode8)
{
    OpenParent(400, 300);
    CBuble& b = Make(395, 150);
    ASSERT_EQ(b.m_direction, 8);
    CRect r = b.m_rect;
    r.InflateRect(4, 2);
    CRgn tip;
    b.GetTriangleRgn(tip, r);
    const int a = r.CenterPoint().x + r.Width() / 3; // base from a - 25 to a on the bottom edge
    EXPECT_TRUE(tip.PtInRegion(a - 12, r.bottom));
    EXPECT_FALSE(tip.PtInRegion(a + 3, r.bottom));
    EXPECT_FALSE(tip.PtInRegion(a - 28, r.bottom));
}

TEST_F(BubleTest, CodesOutsideTheTableTakeTheirStrongestFlag)
{
    OpenParent(400, 300);
    CBuble& b = Make(200, 150);
    CRect r = b.m_rect;
    r.InflateRect(4, 2);
    struct Case {
        int code;
        bool top;
    };
    for (const Case c : {Case{5, true}, Case{0, false}, Case{6, false}, Case{12, false}, Case{64, false}}) {
        SCOPED_TRACE(c.code);
        b.m_direction = c.code;
        CRgn tip;
        b.GetTriangleRgn(tip, r);
        CRect box;
        ASSERT_NE(tip.GetRgnBox(&box), ERROR);
        EXPECT_EQ(box.top < r.top, c.top);
    }
}

TEST_F(BubleTest, NoPointerWhenThePointIsInsideTheBubble)
{
    OpenParent(400, 50); // too low for the bubble either side of the point
    CBuble& b = Make(200, 30);
    EXPECT_EQ(b.m_direction, 5) << "flipped, then moved up";
    CRect r = b.m_rect;
    r.InflateRect(4, 2);
    ASSERT_TRUE(r.PtInRect(b.m_point));
    CRect box;
    b.m_rgn.GetRgnBox(&box);
    EXPECT_EQ(box, r) << "only the rounded rectangle";
}

TEST_F(BubleTest, LinesJoinWithLineFeedsSkippingEmptyOnes)
{
    OpenParent(400, 300);
    struct Case {
        std::initializer_list<const char*> lines;
        const char* text;
    };
    const Case cases[] = {
        {{"a", "", "b"}, "a\nb"},
        {{"a", "b", ""}, "a\nb\n"},
        {{"", "a"}, "a"},
        {{"a"}, "a"},
        {{"", ""}, ""},
    };
    for (const Case& c : cases) {
        CBuble& b = Make(200, 150, c.lines);
        CString text;
        b.GetLongString(text);
        EXPECT_STREQ(text.GetString(), c.text);
    }
}

TEST_F(BubleTest, ShowsOnceAfterHalfASecondAndNeverBefore)
{
    OpenParent(400, 300);
    CBuble& b = Make(200, 150);
    EXPECT_FALSE(b.IsWindowVisible());
    MiscAdvanceClock(499);
    EXPECT_FALSE(b.IsWindowVisible()) << "not before 500 ms";
    MiscAdvanceClock(1);
    EXPECT_TRUE(b.IsWindowVisible());
    b.ShowWindow(SW_HIDE);
    MiscAdvanceClock(5000);
    EXPECT_FALSE(b.IsWindowVisible()) << "the timer fired once";
}

TEST_F(BubleTest, PaintsTheTipInsideItsRegion)
{
    OpenParent(400, 300);
    CBuble& b = Make(200, 150);
    MiscAdvanceClock(500);
    MiscPumpMessages();
    const MiscSurface s = MiscCaptureWindow(parent.m_hWnd);
    if (const char* dump = std::getenv("MISC_TEST_DUMP"))
        MiscWritePng(s, dump);
    CRect r = Placed();
    const CPoint mid((r.left + r.right) / 2, r.top + b.m_tipHeight - 1); // between the frame and the text
    EXPECT_EQ(MiscColorFromPixel(s.row(mid.y)[mid.x] & 0xFFFFFF), ::GetSysColor(COLOR_INFOBK) & 0xFFFFFF);
    const COLORREF parentColour = MiscColorFromPixel(s.row(5)[5]);
    EXPECT_EQ(MiscColorFromPixel(s.row(r.top + 1)[r.left + 1]), parentColour) << "outside the rounded corner";
    EXPECT_EQ(MiscColorFromPixel(s.row(r.bottom - 2)[r.left + 2]), parentColour) << "beside the pointer";
    int pointer = 0; // pixels of the pointer's row 8 above the bottom, near the point
    for (int x = b.m_point.x + r.left - 40; x <= b.m_point.x + r.left + 40; ++x)
        pointer += MiscColorFromPixel(s.row(r.bottom - 8)[x]) != parentColour;
    EXPECT_GT(pointer, 0) << "the pointer reaches toward the point";
}

TEST_F(BubleTest, DestroyingTheObjectRemovesTheWindow)
{
    OpenParent(400, 300);
    HWND hwnd = Make(200, 150).GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hwnd));
    bubble.reset();
    EXPECT_FALSE(::IsWindow(hwnd));
    MiscAdvanceClock(1000); // its timer went with it
}

TEST_F(BubleTest, WithoutAnyParentNothingIsCreated)
{
    CStringArray lines;
    lines.Add("x");
    CBuble b(CPoint(10, 10), lines, nullptr); // no main window in the tests
    EXPECT_EQ(b.GetSafeHwnd(), nullptr);
    EXPECT_EQ(b.MyCreate(), 0);
}

} // namespace

namespace {

TEST_F(BubleTest, TextRectangleStays250PixelsWideUnlessAWordIsWider)
{
    OpenParent(800, 300);
    // Short text does not shrink the bubble to its widest line.
    CBuble& b = Make(400, 150, {"a"});
    EXPECT_EQ(b.m_rect.Width(), 250);
    CRect measured(0, 0, 250, 1);
    b.CalcWindowRect(&measured);
    EXPECT_EQ(measured.Width(), 250);
    EXPECT_GT(measured.Height(), 1) << "the height is measured";
    // Several short lines wrap inside the 250 pixels and keep them.
    Make(400, 150, {"one two three", "four"});
    EXPECT_EQ(bubble->m_rect.Width(), 250);
    // A single word wider than 250 pixels widens it.
    Make(400, 150, {"Wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"});
    EXPECT_GT(bubble->m_rect.Width(), 250);
}

} // namespace
