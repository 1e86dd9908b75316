// List boxes, list views, sliders, spin buttons and scroll bars: their models and the
// notifications a user's action sends.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include <afxwin.h>

#include <string>

using namespace guitest;

namespace {

class ListBoxTest : public GuiTest {};

TEST_F(ListBoxTest, SingleSelectionNotifiesOnlyForTheUser)
{
    NoteParent parent;
    HWND list = parent.Child("ListBox", LBS_NOTIFY | WS_BORDER, 1);
    for (const char* s : {"b", "a", "c"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    parent.notes.clear();
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_TRUE(parent.notes.empty());
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR); // an invalid index clears it
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), LB_ERR); // single selection has no count
    MiscSelectItem(parent.hwnd, 1, 1);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(parent.Codes(WM_COMMAND), std::vector<UINT>{LBN_SELCHANGE});
    char text[8];
    SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "a"); // unsorted: kept in the order added
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("C")), 2);
}

TEST_F(ListBoxTest, MultipleSelection)
{
    NoteParent parent;
    HWND list = parent.Child("ListBox", LBS_MULTIPLESEL | LBS_SORT, 1);
    for (const char* s : {"d", "b", "a", "c"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 0, 0), LB_ERR);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    SendMessageA(list, LB_SETSEL, TRUE, 3);
    int items[4] = {-1, -1, -1, -1};
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items)), 2);
    EXPECT_EQ(items[0], 1);
    EXPECT_EQ(items[1], 3);
    EXPECT_EQ(SendMessageA(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(items)), 1); // bounded
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 0);
    // A click toggles an entry of a multiple-selection list.
    RECT r;
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    MiscSendMouse(list, WM_LBUTTONDOWN, r.left + 2, r.top + 2);
    MiscSendMouse(list, WM_LBUTTONDOWN, r.left + 2, r.top + 2);
    MiscSendMouse(list, WM_LBUTTONDOWN, r.left + 2, r.top + 2);
    EXPECT_EQ(SendMessageA(list, LB_GETSEL, 2, 0), 1);
    char text[8];
    SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "c");
}

TEST_F(ListBoxTest, OwnerDrawnVariableEntriesAreMeasuredAndDrawnByTheParent)
{
    NoteParent parent;
    parent.measureHeight = 25;
    HWND list = parent.Child("ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 1);
    parent.notes.clear();
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("tall"));
    parent.measureHeight = 10;
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("short"));
    ASSERT_EQ(parent.notes.size(), 2u);
    EXPECT_EQ(parent.notes[0].msg, static_cast<UINT>(WM_MEASUREITEM));
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 25);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 1, 0), 10);
    RECT r;
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 25);
    parent.drawCount = 0;
    UpdateWindow(list);
    EXPECT_EQ(parent.drawCount, 2);
}

class ListViewTest : public GuiTest {};

TEST_F(ListViewTest, ReportViewItemsAndSubItems)
{
    NoteParent parent;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | WS_BORDER, CRect(0, 0, 300, 200),
                            CWnd::FromHandle(parent.hwnd), 9));
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 100), 0);
    EXPECT_EQ(list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60), 1);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.InsertItem(5, "last"), 1); // clamped to the end
    EXPECT_EQ(list.InsertItem(1, "middle"), 1);
    EXPECT_TRUE(list.SetItemText(2, 1, "12"));
    EXPECT_TRUE(list.SetItemData(2, 777));
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_STREQ(list.GetItemText(1, 0), "middle");
    EXPECT_STREQ(list.GetItemText(2, 1), "12");
    EXPECT_STREQ(list.GetItemText(0, 1), "");
    EXPECT_EQ(list.GetItemData(2), 777u);
    char small[4];
    EXPECT_EQ(list.GetItemText(1, 0, small, sizeof(small)), 3);
    EXPECT_STREQ(small, "mid");
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_STREQ(list.GetItemText(0, 0), "middle");
    EXPECT_FALSE(list.DeleteItem(9));
    LVFINDINFO find{};
    find.flags = LVFI_STRING;
    find.psz = "LAST";
    EXPECT_EQ(list.FindItem(&find), 1);
}

TEST_F(ListViewTest, SelectionStatesAndNextSelectedItem)
{
    NoteParent parent;
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), CWnd::FromHandle(parent.hwnd), 9);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    for (int i = 0; i < 5; ++i)
        list.InsertItem(i, std::to_string(i).c_str());
    parent.notes.clear();
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(3, LVNI_SELECTED), -1);
    std::vector<int> selected;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(parent.Codes(WM_NOTIFY), (std::vector<UINT>{LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_ITEMCHANGING, LVN_ITEMCHANGED}));
    // A single-selection list keeps one.
    list.ModifyStyle(0, LVS_SINGLESEL);
    list.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 4);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_TRUE(list.EnsureVisible(4, FALSE));
}

class RangeTest : public GuiTest {};

TEST_F(RangeTest, SliderReportsUserMovesButNotProgramMoves)
{
    NoteParent parent;
    CSliderCtrl slider;
    slider.Create(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, CRect(0, 0, 200, 30), CWnd::FromHandle(parent.hwnd), 4);
    slider.SetRange(10, 20);
    slider.SetPos(99);
    EXPECT_EQ(slider.GetPos(), 20);
    slider.SetPos(15);
    EXPECT_TRUE(parent.notes.empty());
    slider.SetFocus();
    MiscSendKey(VK_RIGHT);
    EXPECT_EQ(slider.GetPos(), 16);
    MiscSendKey(VK_NEXT);
    EXPECT_EQ(slider.GetPos(), 18); // a page is a fifth of the range
    ASSERT_EQ(parent.notes.size(), 4u);
    EXPECT_EQ(parent.notes[0].msg, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(parent.notes[0].code, static_cast<UINT>(TB_LINEDOWN));
    EXPECT_EQ(parent.notes[1].code, static_cast<UINT>(TB_ENDTRACK));
    EXPECT_EQ(parent.notes[2].code, static_cast<UINT>(TB_PAGEDOWN));
    parent.notes.clear();
    MiscSelectItem(parent.hwnd, 4, 12);
    EXPECT_EQ(slider.GetPos(), 12);
    ASSERT_FALSE(parent.notes.empty());
    EXPECT_EQ(parent.notes[1].code, static_cast<UINT>(TB_THUMBPOSITION));
    EXPECT_EQ(parent.notes[1].value, 12);
}

TEST_F(RangeTest, SpinButtonAsksBeforeEachStepAndWritesItsBuddy)
{
    NoteParent parent;
    HWND buddy = parent.Child("Edit", WS_BORDER, 5, 10, 10, 80, 22);
    CSpinButtonCtrl spin;
    spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY, CRect(0, 0, 16, 22),
                CWnd::FromHandle(parent.hwnd), 6);
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, buddy);
    RECT b;
    GetWindowRect(buddy, &b);
    EXPECT_EQ(b.right - b.left, 80 - 16); // the spin button took its side of the buddy's place
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 100); // Windows' default range runs backwards
    EXPECT_EQ(upper, 0);
    spin.SetRange(0, 1500);
    spin.SetPos(998);
    char text[16];
    GetWindowTextA(buddy, text, sizeof(text));
    EXPECT_STREQ(text, "998");
    parent.notes.clear();
    MiscSelectItem(parent.hwnd, 6, 1); // the up arrow
    MiscSelectItem(parent.hwnd, 6, 1);
    MiscSelectItem(parent.hwnd, 6, 1);
    EXPECT_EQ(spin.GetPos(), 1001);
    GetWindowTextA(buddy, text, sizeof(text));
    EXPECT_STREQ(text, "1,001");
    // Each step: UDN_DELTAPOS, the buddy's own change notifications, then the scroll message.
    EXPECT_EQ(parent.notes[0].code, static_cast<UINT>(UDN_DELTAPOS));
    EXPECT_EQ(parent.notes[0].value, 1);
    EXPECT_EQ(parent.Codes(WM_VSCROLL), (std::vector<UINT>{SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBPOSITION,
                                                            SB_ENDSCROLL, SB_THUMBPOSITION, SB_ENDSCROLL}));
    // The parent may refuse a step.
    parent.refuseDelta = 1;
    MiscSelectItem(parent.hwnd, 6, 0);
    EXPECT_EQ(spin.GetPos(), 1001);
    parent.refuseDelta = 0;
    // What the user typed into the buddy counts.
    SetWindowTextA(buddy, "7");
    EXPECT_EQ(spin.GetPos(), 7);
    SetWindowTextA(buddy, "seven");
    BOOL error = FALSE;
    spin.GetPos32(&error);
    EXPECT_TRUE(error);
}

TEST_F(RangeTest, ScrollBarControlKeepsItsPositionInRange)
{
    NoteParent parent;
    CScrollBar bar;
    bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), CWnd::FromHandle(parent.hwnd), 8);
    bar.SetScrollRange(0, 50);
    EXPECT_EQ(bar.SetScrollPos(80), 0);
    EXPECT_EQ(bar.GetScrollPos(), 50);
    SCROLLINFO si{sizeof(si), SIF_PAGE, 0, 0, 10, 0, 0};
    bar.SetScrollInfo(&si);
    EXPECT_EQ(bar.GetScrollPos(), 41); // the last position that shows a full page
    parent.notes.clear();
    MiscSendMouse(bar.m_hWnd, WM_LBUTTONDOWN, 3, 8); // the left arrow
    ASSERT_EQ(parent.notes.size(), 1u);
    MiscSendMouse(bar.m_hWnd, WM_LBUTTONUP, 3, 8); // the press ends on release
    ASSERT_EQ(parent.notes.size(), 2u);
    EXPECT_EQ(parent.notes[0].code, static_cast<UINT>(SB_LINELEFT));
    EXPECT_EQ(parent.notes[1].code, static_cast<UINT>(SB_ENDSCROLL));
}

} // namespace
