// Each notification of the grid reaches the manager's hook with the right data item.
#include "propdlg_fixture.h"

#include <algorithm>

namespace propdlgtest {
namespace {

class PropDlgNotifyTest : public PropDlgTest {
protected:
    void SetUp() override
    {
        PropDlgTest::SetUp();
        MakeHost();
        ASSERT_TRUE(CreatePane(dlg));
        dlg.BuildGrid(7, nullptr);
        dlg.log.clear();
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        PropDlgTest::TearDown();
    }
    bool Logged(const std::string& what) const { return std::count(dlg.log.begin(), dlg.log.end(), what) > 0; }
    RecordingDlg dlg{7, false};
};

TEST_F(PropDlgNotifyTest, AnEditedValueReachesValueChangedAndMarksTheGridChanged)
{
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 0);
    ASSERT_TRUE(Value(dlg, "General|Name").TypeText("Back"));
    EXPECT_EQ(dlg.log, std::vector<std::string>{"ValueChanged Name"});
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 1);
    EXPECT_EQ(dlg.GetPropMngr()->GetItem(kRowName)->GetStrValue(), CString("Back"));
}

TEST_F(PropDlgNotifyTest, RowsNamedByCaptionAreFoundByTheirPathNotByTheSharedIdentifier)
{
    ASSERT_TRUE(Value(dlg, "Cutting|Left").TypeText("9"));
    ASSERT_TRUE(Row(dlg, "General|Offset").Expand());
    ASSERT_TRUE(Value(dlg, "General|Offset|Left").TypeText("2"));
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"ValueChanged Left (Cutting)", "ValueChanged Offset/Left"}));
}

TEST_F(PropDlgNotifyTest, TheInplaceButtonReachesInplaceButtonDown)
{
    CXTPPropertyGridItem* width = dlg.GetGrid()->FindItem(static_cast<UINT>(kRowWidth));
    ASSERT_NE(width, nullptr);
    ASSERT_TRUE(Row(dlg, "General|Width").Click());
    ASSERT_TRUE(MiscElement(width->GetInplaceButton().GetSafeHwnd()).Click());
    EXPECT_TRUE(Logged("InplaceButtonDown Width"));
}

TEST_F(PropDlgNotifyTest, ExpandingACategoryReachesItemExpandAndARightClickInplaceRClick)
{
    ASSERT_TRUE(Row(dlg, "Cutting").Collapse());
    ASSERT_TRUE(Row(dlg, "Cutting").Expand());
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "ItemExpand " + std::to_string(kCatCutting)), 2);
    ASSERT_TRUE(Row(dlg, "General|Name").RightClick());
    EXPECT_TRUE(Logged("InplaceRClick Name"));
}

TEST_F(PropDlgNotifyTest, RowsWithoutADataItemAreDropped)
{
    CXTPPropertyGridItem* general = dlg.GetGrid()->FindItem(static_cast<UINT>(kCatGeneral));
    ASSERT_NE(general, nullptr);
    general->AddChildItem(new CXTPPropertyGridItem("Loose", "x"));
    dlg.GetGrid()->GetGridView().Refresh();
    ASSERT_TRUE(Value(dlg, "General|Loose").TypeText("y"));
    EXPECT_TRUE(dlg.log.empty());
    EXPECT_EQ(dlg.GetGrid()->IsChanged(), 1); // the grid still counts the change
}

TEST_F(PropDlgNotifyTest, DataItemAndRowFindEachOther)
{
    CGnrlGridItemData* left = dlg.GetPropMngr()->GetCategory(kCatGeneral)->GetChildItem("Offset")->GetItem(CString("Left"));
    ASSERT_NE(left, nullptr);
    CXTPPropertyGridItem* row = dlg.GetGridItemData(left);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetParentItem()->GetCaption(), CString("Offset"));
    EXPECT_EQ(dlg.GetGridItemData(row), left);
    EXPECT_EQ(dlg.GetGridItemData(static_cast<CGnrlGridItemData*>(nullptr)), nullptr);
}

} // namespace
} // namespace propdlgtest
