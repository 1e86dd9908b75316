// The check-box row: the three-state cycle, clicks outside the value area, flag words, and the
// box shown while the row is selected.
#include "rows_fixture.h"

namespace rows_test {
namespace {

using CheckRowTest = RowsTest;

TEST_F(CheckRowTest, AThreeStateBoxCyclesOnClicksInTheValueArea)
{
    int bound = 0;
    auto* row = Add(new CCustomItemCheckBox(CString("Visible"), 0, &bound));
    row->SetChkBoxStyle(BS_AUTO3STATE);
    const int expected[] = {1, 2, 0, 1};
    for (int i = 0; i < 4; ++i) {
        ClickValue(row);
        EXPECT_EQ(row->GetBool(), expected[i]) << "click " << i + 1;
        EXPECT_EQ(bound, expected[i]);
        EXPECT_EQ(m_owner.Changes(row), i + 1) << "each click reports a change";
    }
    ClickCaption(row);
    EXPECT_EQ(row->GetBool(), 1) << "a click on the caption changes nothing";
    EXPECT_EQ(m_owner.Changes(row), 4);
    // The border of the value area is outside it.
    ClickValueAt(row, row->GetValueRect().right);
    EXPECT_EQ(row->GetBool(), 1);
}

TEST_F(CheckRowTest, ATwoStateBoxToggles)
{
    int bound = 1;
    auto* row = Add(new CCustomItemCheckBox(CString("Visible"), 1, &bound));
    ClickValue(row);
    EXPECT_EQ(bound, 0);
    ClickValue(row);
    EXPECT_EQ(bound, 1);
}

TEST_F(CheckRowTest, AFlagWordKeepsItsOtherBits)
{
    DWORD flags = 0x30;
    auto* row = Add(new CCustomItemCheckBox(CString("Mirror"), DWORD(0x05), &flags));
    EXPECT_EQ(row->GetBool(), 0);
    ClickValue(row);
    EXPECT_EQ(flags, 0x35u);
    ClickValue(row);
    EXPECT_EQ(flags, 0x30u);

    DWORD some = 0x04;
    CCustomItemCheckBox partly(CString("Partly"), DWORD(0x05), &some);
    EXPECT_EQ(partly.GetBool(), 1) << "any bit of the mask checks the box";
    some = 0;
    partly.Update();
    EXPECT_EQ(partly.GetBool(), 0) << "Update reads the word again";
}

TEST_F(CheckRowTest, TheBoxStandsLeftOfTheValueWhileSelected)
{
    int bound = 0;
    auto* row = Add(new CCustomItemCheckBox(CString("Visible"), 0, &bound));
    CInplaceCheckBox& box = row->GetInplaceCheckBox();
    EXPECT_FALSE(box.GetSafeHwnd());
    ClickCaption(row);
    ASSERT_TRUE(Shows(box));
    CRect placed = Placed(box);
    CRect value = row->GetValueRect();
    EXPECT_EQ(placed.Width(), 13);
    EXPECT_EQ(placed.right, value.left) << "immediately left of the value area";
    EXPECT_GE(placed.top, value.top);
    EXPECT_LE(placed.bottom, value.bottom);
    EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);

    // A click on the box itself checks it, and the row follows and reports it.
    MiscClickAt(box.GetSafeHwnd(), CPoint(6, 6));
    MiscSettle();
    EXPECT_EQ(row->GetBool(), 1);
    EXPECT_EQ(bound, 1);
    EXPECT_EQ(m_owner.Changes(row), 1);

    Deselect();
    EXPECT_FALSE(box.GetSafeHwnd()) << "the box goes with the selection";
}

TEST_F(CheckRowTest, AReadOnlyRowShowsNoBoxAndDoesNotChange)
{
    int bound = 1;
    auto* row = Add(new CCustomItemCheckBox(CString("Visible"), 1, &bound));
    row->SetReadOnly(TRUE);
    ClickValue(row);
    EXPECT_FALSE(row->GetInplaceCheckBox().GetSafeHwnd());
    EXPECT_EQ(bound, 1);
    EXPECT_EQ(m_owner.Changes(row), 0);
}

} // namespace
} // namespace rows_test
