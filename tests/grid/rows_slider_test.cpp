// The slider row (its place beside the number text, slider-only and too-narrow rows, drags) and
// the spin row (its button, steps).
#include "rows_fixture.h"

namespace rows_test {
namespace {

using SliderRowTest = RowsTest;

int TextWidth(CWnd& view, const char* text)
{
    CClientDC dc(&view);
    CFont* old = dc.SelectObject(view.GetFont());
    int width = dc.GetTextExtent(CString(text)).cx;
    if (old)
        dc.SelectObject(old);
    return width;
}

TEST_F(SliderRowTest, TheSliderStandsRightOfTheNumberText)
{
    long bound = 40;
    auto* row = Add(new CCustomItemSlider(CString("Opacity"), 40, &bound));
    CSliderCtrl* slider = row->GetWndSlider();
    ASSERT_TRUE(Shows(*slider)) << "the slider shows with the row";
    CRect value = row->GetValueRect();
    CRect placed = Placed(*slider);
    EXPECT_EQ(placed.left, value.left + TextWidth(View(), "100") + 2) << "room for the widest number, \"100\"";
    EXPECT_EQ(placed.right, value.right);
    EXPECT_EQ(slider->GetPos(), 40);
    EXPECT_EQ(m_owner.Changes(), 0) << "showing the slider reports nothing";

    row->EnableStrValueDisplay(true);
    CString text = "very transparent";
    ASSERT_GT(TextWidth(View(), text), TextWidth(View(), "XXXXXXXX"));
    ASSERT_LT(TextWidth(View(), text) + 2, value.Width());
    row->SetStrValueDisplay(text);
    m_grid.Refresh();
    MiscSettle();
    EXPECT_EQ(Placed(*slider).left, value.left + TextWidth(View(), text) + 2) << "the display text is wider";

    row->SetSliderOnly(true);
    m_grid.Refresh();
    MiscSettle();
    EXPECT_EQ(Placed(*slider).left, value.left + 2) << "slider only: no text room";
}

TEST_F(SliderRowTest, ARowTooNarrowForTheTextShowsNoSlider)
{
    long bound = 0;
    auto* row = Add(new CCustomItemSlider(CString("Opacity"), 0, &bound));
    row->SetRange(0, 1000000000);
    m_grid.SetViewDivider(0.97);
    m_grid.Refresh();
    MiscSettle();
    ASSERT_LT(row->GetValueRect().Width(), TextWidth(View(), "1000000000") + 2);
    EXPECT_FALSE(row->GetWndSlider()->GetSafeHwnd());
    // Slider-only, the same row has room.
    row->SetSliderOnly(true);
    m_grid.Refresh();
    MiscSettle();
    EXPECT_TRUE(Shows(*row->GetWndSlider()));
}

TEST_F(SliderRowTest, ADragReportsTheNewValue)
{
    long bound = 10;
    auto* row = Add(new CCustomItemSlider(CString("Opacity"), 10, &bound));
    row->EnableStrValueDisplay(true);
    CString shown = "custom";
    row->SetStrValueDisplay(shown);
    CSliderCtrl* slider = row->GetWndSlider();
    ASSERT_TRUE(Shows(*slider));
    ASSERT_TRUE(MiscSelectItem(ViewHwnd(), slider->GetDlgCtrlID(), 75)); // the thumb dragged there
    MiscSettle();
    EXPECT_EQ(slider->GetPos(), 75);
    EXPECT_EQ(row->GetNumber(), 75);
    EXPECT_EQ(bound, 75);
    EXPECT_GE(m_owner.Changes(row), 1);
    EXPECT_STREQ(row->GetValue(), "custom") << "the display text stays";

    // The program moving the row's number moves the thumb without a report.
    int before = m_owner.Changes(row);
    row->SetNumber(20);
    MiscSettle();
    EXPECT_EQ(slider->GetPos(), 20);
    EXPECT_EQ(m_owner.Changes(row), before);
}

TEST_F(SliderRowTest, TheSliderGoesWhenTheRowIsHidden)
{
    long bound = 10;
    auto* row = Add(new CCustomItemSlider(CString("Opacity"), 10, &bound));
    ASSERT_TRUE(row->GetWndSlider()->GetSafeHwnd());
    m_category->Collapse();
    MiscSettle();
    EXPECT_FALSE(row->GetWndSlider()->GetSafeHwnd());
}

using SpinRowTest = RowsTest;

TEST_F(SpinRowTest, TheSpinButtonStepsByItsStepSize)
{
    auto* row = Add(new CCustomItemSpin(CString("Angle")));
    row->SetDouble(2.0);
    row->SetSpinDeltaSize(0.5f);
    CSpinButtonCtrl* spin = row->GetSpinButton();
    EXPECT_FALSE(spin->GetSafeHwnd());

    ClickCaption(row);
    ASSERT_TRUE(Shows(*spin));
    CRect item = row->GetItemRect();
    CRect placed = Placed(*spin);
    EXPECT_EQ(placed.Width(), 17);
    EXPECT_EQ(placed.left, row->GetValueRect().right) << "the value area ends where the button starts";
    EXPECT_LE(placed.right, item.right);

    const int id = spin->GetDlgCtrlID();
    ASSERT_TRUE(MiscSelectItem(ViewHwnd(), id, 1)); // the up arrow
    MiscSettle();
    EXPECT_DOUBLE_EQ(row->GetDouble(), 2.5);
    MiscSelectItem(ViewHwnd(), id, 0); // the down arrow, twice
    MiscSelectItem(ViewHwnd(), id, 0);
    MiscSettle();
    EXPECT_DOUBLE_EQ(row->GetDouble(), 1.5);
    EXPECT_EQ(m_owner.Changes(row), 3) << "every step is reported like typed input";

    Deselect();
    EXPECT_FALSE(Shows(*spin));
}

TEST_F(SpinRowTest, RefreshingFromTheNumberReportsIt)
{
    auto* row = Add(new CCustomItemSpin(CString("Angle")));
    row->SetNumber(12.345f);
    row->UpdateFromNumber();
    EXPECT_DOUBLE_EQ(row->GetDouble(), 12.35) << "the shown text is what was applied";
    EXPECT_STREQ(row->GetValue(), "12.35");
    EXPECT_EQ(m_owner.Changes(row), 1);
}

} // namespace
} // namespace rows_test
