// The rows that paint their own value: the push button, the image enum's initial text, the
// colour swatch and the bitmap choice with its drop-down list.
#include "rows_fixture.h"

#include <win32/surface.h>

namespace rows_test {
namespace {

using DrawnRowTest = RowsTest;

COLORREF PixelAt(const MiscSurface& shot, int x, int y) { return MiscColorFromPixel(shot.row(y)[x]); }

TEST_F(DrawnRowTest, AButtonReportsAClickInItsValueAreaOnly)
{
    auto* row = Add(new CCustomButton(0, CString("Apply")));
    row->SetCaption("Action");
    ClickCaption(row);
    EXPECT_EQ(m_owner.Changes(row), 0);
    ClickValue(row);
    EXPECT_EQ(m_owner.Changes(row), 1);
    EXPECT_FALSE(row->IsPressed()) << "released again after the click";
    row->SetReadOnly(TRUE);
    ClickValue(row);
    EXPECT_EQ(m_owner.Changes(row), 1);
}

TEST_F(DrawnRowTest, TheInitialTextOfAnEnumIsShownButNotKept)
{
    int bound = 1;
    auto* row = new CKestPropertyGridItemEnum(0, true, 1, &bound);
    row->SetCaption("Notch");
    row->GetConstraints()->AddConstraint("Slit", 1);
    row->GetConstraints()->AddConstraint("Vee", 2);
    Add(row);
    row->SetInitValue("(mixed)");
    EXPECT_STREQ(row->GetValue(), "(mixed)");
    ASSERT_EQ(row->GetConstraints()->GetCount(), 3);
    EXPECT_EQ(row->GetConstraints()->GetConstraintAt(2)->GetData(), static_cast<DWORD_PTR>(-1));
    EXPECT_EQ(row->GetConstraints()->GetCurrent(), 2);
    row->SetInitValue("Vee");
    EXPECT_EQ(row->GetConstraints()->GetCount(), 3) << "a choice's text adds nothing";
    row->RemoveInitValue();
    EXPECT_EQ(row->GetConstraints()->FindConstraint("Vee"), -1);
    EXPECT_EQ(row->GetConstraints()->GetCount(), 2);

    row->SetReadOnly(TRUE);
    EXPECT_STREQ(row->GetViewValue(), "") << "a read-only enum shows no value";
}

TEST_F(DrawnRowTest, TheSwatchIsFilledWithTheColour)
{
    auto* rect = new CDrawCustomItem(CString("Pen"), CString("red"), nullptr);
    rect->SetColour(RGB(255, 0, 0));
    auto* circle = new CDrawCustomItem(CString("Dot"), CString(""), nullptr);
    circle->SetColour(RGB(0, 0, 255));
    circle->SetRectangle(0);
    Add(rect);
    Add(circle);
    m_grid.Refresh();
    MiscSettle();
    MiscSurface shot = MiscCaptureWindow(ViewHwnd());
    // Along the middle of each value area: the background, then the black outline, then the fill.
    auto swatch = [&](CXTPPropertyGridItem* row, int* width) {
        CRect v = row->GetValueRect();
        int y = v.CenterPoint().y;
        int x = v.left;
        while (x < v.right && PixelAt(shot, x, y) != RGB(0, 0, 0))
            ++x;
        int start = x;
        COLORREF fill = x + 1 < v.right ? PixelAt(shot, x + 1, y) : CLR_INVALID;
        while (x + 1 < v.right && PixelAt(shot, x + 1, y) == fill)
            ++x;
        *width = x + 2 - start;
        return fill;
    };
    int width = 0;
    EXPECT_EQ(swatch(rect, &width), RGB(255, 0, 0));
    EXPECT_EQ(width, 18) << "the rectangle is 18 pixels wide, outline included";
    EXPECT_EQ(swatch(circle, &width), RGB(0, 0, 255));
    EXPECT_NEAR(width, circle->GetValueRect().Height() + 1, 2) << "the circle is as wide as the row is high";
}

class BmpRowTest : public RowsTest {
protected:
    void SetUp() override
    {
        RowsTest::SetUp();
        // A strip of three 16-pixel images: red, green, blue.
        CClientDC screen(nullptr);
        strip.CreateCompatibleBitmap(&screen, 48, 16);
        CDC mem;
        mem.CreateCompatibleDC(&screen);
        CBitmap* old = mem.SelectObject(&strip);
        mem.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
        mem.FillSolidRect(16, 0, 16, 16, RGB(0, 255, 0));
        mem.FillSolidRect(32, 0, 16, 16, RGB(0, 0, 255));
        mem.SelectObject(old);
        row = new CCustomItemBmp(0, &index, static_cast<HBITMAP>(strip.GetSafeHandle()));
        row->SetCaption("Pattern");
        CLongStringArray list;
        list.Add(10, "Plain");
        list.Add(20, "Twill");
        list.Add(30, "Satin");
        row->SetList(list);
        Add(row);
    }
    CBitmap strip;
    long index = 0;
    CCustomItemBmp* row = nullptr;
};

TEST_F(BmpRowTest, TheListRunsModallyAndOnlyOKChooses)
{
    ClickCaption(row);
    {
        MiscScriptedUser user;
        user.Expect(MiscModalKind::Dialog, nullptr, [](MiscModal& m) {
            HWND list = GetDlgItem(m.hwnd, 1000);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
            EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 18) << "image height and 2";
            MiscSelectItem(m.hwnd, 1000, 2);
        });
        MiscClickAt(row->GetInplaceButton().GetSafeHwnd(), CPoint(4, 4));
        MiscSettle();
        EXPECT_TRUE(user.AllDone());
    }
    EXPECT_EQ(index, 2);
    EXPECT_EQ(m_owner.Changes(row), 1);
    {
        MiscScriptedUser user;
        user.Expect(MiscModalKind::Dialog, nullptr, [](MiscModal&) { MiscPressKey(VK_ESCAPE); });
        MiscClickAt(row->GetInplaceButton().GetSafeHwnd(), CPoint(4, 4));
        MiscSettle();
        EXPECT_TRUE(user.AllDone());
    }
    EXPECT_EQ(index, 2) << "Escape chooses nothing";
    EXPECT_EQ(m_owner.Changes(row), 1);
}

TEST_F(BmpRowTest, TheValueShowsTheChosenSliceAndGreysWhenReadOnly)
{
    index = 1;
    m_grid.Refresh();
    MiscSettle();
    CRect v = row->GetValueRect();
    MiscSurface shot = MiscCaptureWindow(ViewHwnd());
    EXPECT_EQ(PixelAt(shot, v.left + 4, v.top + 5), RGB(0, 255, 0)) << "the second slice";
    row->SetReadOnly(TRUE);
    m_grid.Refresh();
    MiscSettle();
    shot = MiscCaptureWindow(ViewHwnd());
    EXPECT_NE(PixelAt(shot, v.left + 4, v.top + 5), RGB(0, 255, 0)) << "greyed over";
}

} // namespace
} // namespace rows_test
