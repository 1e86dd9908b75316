// List entries reached by text or index: list boxes (scrolled to when out of view), combo boxes
// (dropped down first), list views (rows and cells by column heading), with modifier clicks.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include "win32/automation.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace guitest;

namespace {

class AutoListTest : public GuiTest {};

void Fill(HWND list, UINT add, int count)
{
    for (int i = 0; i < count; ++i) {
        std::string text = "item " + std::to_string(i);
        SendMessageA(list, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

TEST_F(AutoListTest, AListEntryOutOfViewIsScrolledToAndClicked)
{
    NoteParent parent;
    HWND list = parent.Child("ListBox", LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 1, 10, 10, 120, 60);
    Fill(list, LB_ADDSTRING, 40);
    MiscElement box(list);
    EXPECT_EQ(box.ItemCount(), 40);
    MiscElement far = box.Item("item 33");
    ASSERT_TRUE(far.Exists());
    EXPECT_EQ(far.Path().items, std::vector<int>{33});
    RECT place = far.State().rect;
    EXPECT_TRUE(IsRectEmpty(&place)); // below the visible rows
    parent.notes.clear();
    ASSERT_TRUE(far.Select());
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 33);
    EXPECT_TRUE(far.State().selected);
    place = far.State().rect;
    EXPECT_FALSE(IsRectEmpty(&place));
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{LBN_SETFOCUS, LBN_SELCHANGE}));
    EXPECT_FALSE(box.Item("no such item").Exists());
    EXPECT_FALSE(box.Item(40).Select());
}

TEST_F(AutoListTest, CtrlClickAddsToAnExtendedSelection)
{
    NoteParent parent;
    HWND list = parent.Child("ListBox", LBS_EXTENDEDSEL | LBS_NOTIFY, 1, 10, 10, 120, 200);
    Fill(list, LB_ADDSTRING, 5);
    MiscElement box(list);
    ASSERT_TRUE(box.Item(1).Select());
    ASSERT_TRUE(box.Item(3).Select(MISC_MOD_CONTROL));
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 2);
    ASSERT_TRUE(box.Item(4).Select()); // a plain click starts over
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_TRUE(box.Item(4).State().selected);
}

TEST_F(AutoListTest, ADropListIsDroppedAndItsEntryChosenByText)
{
    NoteParent parent;
    HWND combo = parent.Child("ComboBox", CBS_DROPDOWNLIST, 7, 10, 10, 120, 150);
    Fill(combo, CB_ADDSTRING, 6);
    MiscElement box(combo);
    EXPECT_EQ(box.State().expanded, 0);
    parent.notes.clear();
    ASSERT_TRUE(box.Item("item 4").Select());
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 4);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    std::vector<UINT> codes = parent.Codes(WM_COMMAND);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), static_cast<UINT>(CBN_SETFOCUS));
    EXPECT_NE(std::find(codes.begin(), codes.end(), static_cast<UINT>(CBN_DROPDOWN)), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), static_cast<UINT>(CBN_SELENDOK)), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), static_cast<UINT>(CBN_SELCHANGE)), codes.end());
    char text[32];
    GetWindowTextA(combo, text, sizeof(text));
    EXPECT_STREQ(text, "item 4");
    // Going back up works the same way.
    ASSERT_TRUE(box.Item(1).Select());
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(AutoListTest, ExpandAndCollapseDropTheListAndTypingGoesToTheEdit)
{
    NoteParent parent;
    HWND combo = parent.Child("ComboBox", CBS_DROPDOWN, 7, 10, 10, 120, 150);
    Fill(combo, CB_ADDSTRING, 3);
    MiscElement box(combo);
    ASSERT_TRUE(box.Expand());
    EXPECT_EQ(box.State().expanded, 1);
    ASSERT_TRUE(box.Collapse());
    EXPECT_EQ(box.State().expanded, 0);
    ASSERT_TRUE(box.TypeText("typed"));
    char text[32];
    GetWindowTextA(combo, text, sizeof(text));
    EXPECT_STREQ(text, "typed");
}

TEST_F(AutoListTest, ListViewRowsAndCellsByColumnHeading)
{
    NoteParent parent;
    HWND view = parent.Child(WC_LISTVIEWA, LVS_REPORT, 3, 10, 10, 300, 200);
    const char* headings[] = {"Name", "Size"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 100;
        col.pszText = const_cast<char*>(headings[c]);
        SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    }
    for (int r = 0; r < 4; ++r) {
        std::string name = "row " + std::to_string(r), size = std::to_string(r * 10);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = name.data();
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = size.data();
        SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
    }
    MiscElement list(view);
    EXPECT_EQ(list.Cell(2, "Size").Text(), "20");
    EXPECT_EQ(list.Cell(2, 0).Text(), "row 2");
    EXPECT_FALSE(list.Cell(2, "Colour").Exists());
    RECT name = list.Cell(1, 0).State().rect, size = list.Cell(1, 1).State().rect;
    EXPECT_EQ(name.right, size.left); // cells sit side by side in their columns
    EXPECT_EQ(name.top, size.top);
    ASSERT_TRUE(list.Item("row 1").Select());
    ASSERT_TRUE(list.Cell(3, "Size").Click(MISC_MOD_CONTROL));
    EXPECT_TRUE(list.Item(1).State().selected);
    EXPECT_TRUE(list.Item(3).State().selected);
    EXPECT_FALSE(list.Item(0).State().selected);
}

} // namespace
