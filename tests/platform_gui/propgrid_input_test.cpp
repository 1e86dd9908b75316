// The property grid as a person works it: clicks, the in-place edit, the drop-down list, double
// clicks on captions, the divider, the keyboard, and the notifications the owner hears.
#include "gui_fixture.h"
#include "propgrid_host.h"

#include "win32/automation.h"

#include <string>

using namespace guitest;

namespace {

std::string S(const CString& s)
{
    return std::string(static_cast<LPCTSTR>(s));
}

class PropGridInputTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(host->Open(400, 300));
        FillSample(host->grid);
        MiscSettle();
        host->Clear();
    }
    void TearDown() override
    {
        host.reset();
        GuiTest::TearDown();
    }
    CXTPPropertyGrid& Grid() { return host->grid; }
    MiscElement Row(const char* path) { return MiscElement(Grid().GetSafeHwnd()).Item(path); }
    CXTPPropertyGridItem* Find(const char* caption) { return Grid().FindItem(caption); }
    CXTPPropertyGridInplaceEdit& Edit() { return Find("Width")->GetInplaceEdit(); }
    static std::string TextOf(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return S(text);
    }
    std::unique_ptr<GridHost> host = std::make_unique<GridHost>();
};

TEST_F(PropGridInputTest, AClickSelectsTheRowAndPlacesTheEditOverItsValue)
{
    ASSERT_TRUE(Row("General|Width").Click());
    CXTPPropertyGridItem* width = Find("Width");
    EXPECT_EQ(Grid().GetSelectedItem(), width);
    EXPECT_TRUE(Row("General|Width").State().selected);
    EXPECT_EQ(host->Count(XTP_PGN_SELECTION_CHANGED), 1);
    ASSERT_TRUE(Edit().GetSafeHwnd());
    EXPECT_TRUE(Edit().IsWindowVisible());
    EXPECT_EQ(TextOf(Edit()), "10");
    CRect edit;
    Edit().GetWindowRect(&edit);
    Grid().GetGridView().ScreenToClient(&edit);
    const CRect value = width->GetValueRect();
    EXPECT_GE(edit.left, value.left);
    EXPECT_LE(edit.right, value.right);
    EXPECT_GE(edit.top, value.top);
    EXPECT_LE(edit.bottom, value.bottom);
    // Another row takes the edit with it.
    ASSERT_TRUE(Row("General|Name").Click());
    EXPECT_EQ(Edit().GetItem(), Find("Name"));
    EXPECT_EQ(TextOf(Edit()), "plain");
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 0);
}

TEST_F(PropGridInputTest, TypingAndEnterCommitOnceWhileEscapeRestoresTheValue)
{
    long bound = 0;
    auto* width = static_cast<CXTPPropertyGridItemNumber*>(Find("Width"));
    width->BindToNumber(&bound);
    ASSERT_TRUE(Row("General|Width").TypeText("25"));
    EXPECT_EQ(S(width->GetValue()), "25");
    EXPECT_EQ(bound, 25);
    ASSERT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 1);
    EXPECT_EQ(host->notes.back().item, width);
    // Moving away after Enter commits nothing more.
    ASSERT_TRUE(Row("General|Name").Click());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 1);

    // Escape: typed text goes back to the value, and leaving the row reports nothing.
    ASSERT_TRUE(Row("General|Width").Click());
    MiscClickAt(Grid().GetSafeHwnd(), POINT{width->GetValueRect().CenterPoint().x, width->GetValueRect().CenterPoint().y});
    ASSERT_EQ(CWnd::GetFocus(), &Edit());
    MiscTypeText("7");
    MiscSendKey(VK_ESCAPE);
    EXPECT_EQ(TextOf(Edit()), "25");
    ASSERT_TRUE(Row("General|Ratio").Click());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 1);
    EXPECT_EQ(bound, 25);

    // Text typed and left without Enter still counts, once, when the focus moves on.
    MiscClickAt(Grid().GetSafeHwnd(), Grid().FindItem("Ratio")->GetValueRect().CenterPoint());
    MiscPressKeyWith(VK_END, 0);
    MiscTypeText("7");
    ASSERT_TRUE(Row("General|Name").Click());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 2);
    EXPECT_EQ(S(Find("Ratio")->GetValue()), "1.51"); // "1.507" shown with two decimals
}

TEST_F(PropGridInputTest, TheDropDownListsTheChoicesAndAPickCommits)
{
    auto* mode = static_cast<CXTPPropertyGridItemEnum*>(Find("Mode"));
    ASSERT_TRUE(Row("General|Mode").Click());
    MiscSendKey(VK_F4);
    MiscSettle();
    CXTPPropertyGridInplaceList& list = mode->GetInplaceList();
    ASSERT_TRUE(list.GetSafeHwnd());
    ASSERT_TRUE(list.IsWindowVisible());
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetCurSel(), 1);
    CRect drop, row = mode->GetItemRect();
    list.GetWindowRect(&drop);
    Grid().GetGridView().ScreenToClient(&drop);
    EXPECT_EQ(drop.top, row.bottom); // under the row
    // Escape closes it and changes nothing.
    MiscSendKey(VK_ESCAPE);
    EXPECT_FALSE(list.IsWindowVisible());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 0);
    // A click elsewhere closes it as well.
    MiscSendKey(VK_F4, Grid().GetGridView().GetSafeHwnd());
    ASSERT_TRUE(list.IsWindowVisible());
    MiscClickAt(Grid().GetSafeHwnd(), POINT{5, 2});
    EXPECT_FALSE(list.IsWindowVisible());
    EXPECT_EQ(mode->GetEnum(), 1);
    // The pick: through the list, one notification.
    host->Clear();
    ASSERT_TRUE(Row("General|Mode").TypeText("Best"));
    EXPECT_FALSE(list.IsWindowVisible());
    EXPECT_EQ(mode->GetEnum(), 2);
    EXPECT_EQ(S(mode->GetValue()), "Best");
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 1);
    // The in-place button opens it too.
    CXTPPropertyGridInplaceButton& button = mode->GetInplaceButton();
    ASSERT_TRUE(button.IsWindowVisible());
    CRect b;
    button.GetClientRect(&b);
    EXPECT_GE(b.Width(), 15);
    EXPECT_LE(b.Width(), 17);
    MiscClickAt(button.GetSafeHwnd(), b.CenterPoint());
    EXPECT_TRUE(list.IsWindowVisible());
}

TEST_F(PropGridInputTest, DoubleClickOnACaptionExpandsAndCollapses)
{
    CXTPPropertyGridItem* depth = Find("Depth");
    EXPECT_FALSE(depth->IsExpanded());
    ASSERT_TRUE(Row("Advanced|Depth").DoubleClick());
    EXPECT_TRUE(depth->IsExpanded());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMEXPANDCHANGED), 1);
    EXPECT_EQ(Row("Advanced|Depth").State().expanded, 1);
    EXPECT_TRUE(Row("Advanced|Depth|Inner").State().visible);
    ASSERT_TRUE(Row("Advanced|Depth").DoubleClick());
    EXPECT_FALSE(depth->IsExpanded());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMEXPANDCHANGED), 2);
    EXPECT_EQ(host->notes.back().item, depth);
    // A category the same way, and by its box.
    ASSERT_TRUE(Row("General").DoubleClick());
    EXPECT_FALSE(Find("General")->IsExpanded());
    EXPECT_EQ(Grid().GetGridView().GetCount(), 3); // General, Advanced, Depth
    ASSERT_TRUE(Row("General").Expand());
    EXPECT_TRUE(Find("General")->IsExpanded());
    // A path into a collapsed branch opens it as a person would.
    ASSERT_TRUE(Row("Advanced|Depth|Inner").Click());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Inner"));
}

TEST_F(PropGridInputTest, TheDividerFollowsADrag)
{
    CXTPPropertyGridView& view = Grid().GetGridView();
    EXPECT_EQ(view.GetDividerPos(), 200);
    const CRect row = Find("Width")->GetItemRect();
    MiscDragFrom(view.GetSafeHwnd(), POINT{200, row.CenterPoint().y}, POINT{-80, 0});
    EXPECT_EQ(view.GetDividerPos(), 120);
    EXPECT_EQ(Find("Width")->GetValueRect().left, 121);
    // It cannot leave the window.
    MiscDragFrom(view.GetSafeHwnd(), POINT{120, row.CenterPoint().y}, POINT{-500, 0});
    EXPECT_GT(view.GetDividerPos(), 0);
    EXPECT_EQ(Grid().GetSelectedItem(), nullptr); // a drag selects nothing
}

TEST_F(PropGridInputTest, TheKeyboardMovesTheSelectionAndExpands)
{
    CXTPPropertyGridView& view = Grid().GetGridView();
    ASSERT_TRUE(Row("General").Click());
    MiscSendKey(VK_DOWN);
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Width"));
    MiscSendKey(VK_DOWN);
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Ratio"));
    MiscSendKey(VK_UP);
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Width"));
    MiscSendKey(VK_END, view.GetSafeHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Depth"));
    MiscSendKey(VK_RIGHT, view.GetSafeHwnd()); // expands
    EXPECT_TRUE(Find("Depth")->IsExpanded());
    MiscSendKey(VK_RIGHT, view.GetSafeHwnd()); // into the child
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Inner"));
    MiscSendKey(VK_LEFT, view.GetSafeHwnd()); // to the parent
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Depth"));
    MiscSendKey(VK_LEFT, view.GetSafeHwnd()); // collapses
    EXPECT_FALSE(Find("Depth")->IsExpanded());
    MiscSendKey(VK_HOME, view.GetSafeHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("General"));
    host->Clear();
    MiscTypeText("-", view.GetSafeHwnd());
    EXPECT_FALSE(Find("General")->IsExpanded());
    MiscTypeText("-", view.GetSafeHwnd()); // already collapsed: nothing to report
    MiscTypeText("+", view.GetSafeHwnd());
    EXPECT_TRUE(Find("General")->IsExpanded());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMEXPANDCHANGED), 2);
    MiscSendKey(VK_END, view.GetSafeHwnd());
    MiscSendKey(VK_UP, view.GetSafeHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Advanced"));
    MiscTypeText("*", view.GetSafeHwnd());
    EXPECT_TRUE(Find("Depth")->IsExpanded());
    MiscSendKey(VK_NEXT, view.GetSafeHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Inner"));
    MiscSendKey(VK_PRIOR, view.GetSafeHwnd());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("General"));
    // Enter on an editable row puts the caret in its edit; typing there replaces the text.
    MiscSendKey(VK_DOWN, view.GetSafeHwnd());
    MiscSendKey(VK_RETURN, view.GetSafeHwnd());
    EXPECT_EQ(CWnd::GetFocus(), &Edit());
    MiscTypeText("64");
    MiscSendKey(VK_RETURN);
    EXPECT_EQ(S(Find("Width")->GetValue()), "64");
}

TEST_F(PropGridInputTest, RightClickSelectsThenTellsTheOwnerAndTheButtonRowReportsItsButton)
{
    ASSERT_TRUE(Row("General|Ratio").RightClick());
    EXPECT_EQ(Grid().GetSelectedItem(), Find("Ratio"));
    ASSERT_EQ(host->Count(XTP_PGN_RCLICK), 1);
    EXPECT_EQ(host->notes.back().item, Find("Ratio"));
    ASSERT_TRUE(Row("General|Colour").Click());
    CXTPPropertyGridInplaceButton& button = Find("Colour")->GetInplaceButton();
    ASSERT_TRUE(button.IsWindowVisible());
    CRect b;
    button.GetClientRect(&b);
    MiscClickAt(button.GetSafeHwnd(), b.CenterPoint());
    ASSERT_EQ(host->Count(XTP_PGN_INPLACEBUTTONDOWN), 1);
    EXPECT_EQ(host->notes.back().item, Find("Colour"));
    // The colour's text can be typed.
    ASSERT_TRUE(Row("General|Colour").TypeText("0; 128; 255"));
    EXPECT_EQ(static_cast<CXTPPropertyGridItemColor*>(Find("Colour"))->GetColor(), RGB(0, 128, 255));
}

TEST_F(PropGridInputTest, ReadOnlyRowsTakeNoInput)
{
    CXTPPropertyGridItem* name = Find("Name");
    name->SetReadOnly();
    EXPECT_FALSE(Row("General|Name").TypeText("other"));
    EXPECT_EQ(S(name->GetValue()), "plain");
    EXPECT_FALSE(Row("General|Name").State().enabled);
    Find("Mode")->SetReadOnly();
    ASSERT_TRUE(Row("General|Mode").Click());
    EXPECT_FALSE(Find("Mode")->GetInplaceButton().IsWindowVisible());
    MiscSendKey(VK_F4, Grid().GetGridView().GetSafeHwnd());
    EXPECT_FALSE(Find("Mode")->GetInplaceList().GetSafeHwnd() && Find("Mode")->GetInplaceList().IsWindowVisible());
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 0);
}

TEST_F(PropGridInputTest, AutomationReadsCaptionValueDescriptionAndState)
{
    MiscElement grid(Grid().GetSafeHwnd());
    EXPECT_EQ(grid.ItemCount(), 2);
    EXPECT_EQ(grid.Item("General").ItemCount(), 5);
    MiscElement width = grid.Item("General|Width");
    ASSERT_TRUE(width.Exists());
    EXPECT_EQ(width.Text(), "Width");
    EXPECT_EQ(MiscElement(width.Window(), width.Path().Cell(1)).Text(), "10");
    EXPECT_EQ(MiscElement(width.Window(), width.Path().Cell(2)).Text(), "The width in pixels.");
    EXPECT_EQ(width.State().expanded, -1);
    EXPECT_FALSE(grid.Item("General|Nothing").Exists());
    EXPECT_FALSE(grid.Item("Advanced|Depth|Inner").State().visible); // inside a collapsed row
    EXPECT_TRUE(width.SetValue(77));
    EXPECT_EQ(MiscElement(width.Window(), width.Path().Cell(1)).Text(), "77");
    EXPECT_EQ(host->Count(XTP_PGN_ITEMVALUE_CHANGED), 1);
}

} // namespace
