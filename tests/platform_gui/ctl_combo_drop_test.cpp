// The combo box's drop-down list as a user works it: opening and closing with the mouse and the
// keys, picking an entry, cancelling, the CBN_ notifications in Windows' order, scrolling a long
// list, and owner-drawn entries.
#include "gui_fixture.h"
#include "ctl_test_parent.h"

#include <vector>

using namespace guitest;

namespace {

class ComboDropTest : public GuiTest {
protected:
    HWND Make(NoteParent& parent, DWORD style, int count, int height = 100)
    {
        HWND combo = parent.Child("ComboBox", style | WS_TABSTOP, 7, 10, 10, 120, height);
        static const char* names[] = {"apple", "banana", "cherry", "damson", "elder", "fig", "grape", "hazel"};
        for (int i = 0; i < count; ++i)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i % 8]));
        parent.notes.clear();
        return combo;
    }
    static HWND ListOf(HWND combo)
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
    }
    static void ClickItem(HWND list, int index)
    {
        RECT r{};
        ASSERT_EQ(SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)), 0);
        MiscSendMouse(list, WM_LBUTTONDOWN, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        MiscSendMouse(list, WM_LBUTTONUP, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static std::vector<UINT> Commands(const NoteParent& p) { return p.Codes(WM_COMMAND); }
};

TEST_F(ComboDropTest, AClickOpensTheListUnderTheBoxAndAClickOnAnEntryPicksIt)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWNLIST, 4);
    HWND list = ListOf(combo);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(IsWindowVisible(list));
    MiscSendMouse(combo, WM_LBUTTONDOWN, 20, 5);
    MiscSendMouse(combo, WM_LBUTTONUP, 20, 5); // released on the box: the list stays open
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    RECT box, drop;
    GetWindowRect(combo, &box);
    GetWindowRect(list, &drop);
    EXPECT_EQ(drop.top, box.bottom);
    EXPECT_EQ(drop.left, box.left);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);

    ClickItem(list, 2);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Commands(parent),
              (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(ComboDropTest, HoveringHighlightsWithoutChoosingAndAClickOutsideCancels)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWNLIST, 4);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = ListOf(combo);
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
    MiscSendMouse(list, WM_MOUSEMOVE, 5, r.top + 1);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    MiscSendMouse(parent.hwnd, WM_LBUTTONDOWN, 350, 250); // far from the box and the list
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboDropTest, KeysMoveTheSelectionAtOnceEscapeTakesItBackEnterKeepsIt)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWNLIST, 5);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SetFocus(combo);
    parent.notes.clear();
    MiscSendKey(VK_F4, combo);
    MiscSendKey(VK_DOWN, combo);
    MiscSendKey(VK_DOWN, combo);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessageA(ListOf(combo), LB_GETCURSEL, 0, 0), 3);
    MiscSendKey(VK_ESCAPE, combo);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELENDCANCEL,
                                                   CBN_CLOSEUP}));
    parent.notes.clear();
    MiscSendKey(VK_F4, combo);
    MiscSendKey(VK_END, combo);
    MiscSendKey(VK_RETURN, combo);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 4);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    // A typed letter picks the next entry that begins with it; closed, only CBN_SELCHANGE.
    parent.notes.clear();
    MiscTypeText("b", combo);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_SELCHANGE}));
}

TEST_F(ComboDropTest, TheEditOfADropDownComboHandsTheListKeysToTheBoxAndStaysQuiet)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWN, 3);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    ASSERT_NE(info.hwndItem, combo);
    SetFocus(info.hwndItem);
    parent.notes.clear();
    MiscSendKey(VK_F4);
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_NE(SendMessageA(info.hwndItem, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
    MiscSendKey(VK_DOWN);
    MiscSendKey(VK_RETURN);
    char text[16] = {0};
    GetWindowTextA(combo, text, sizeof(text));
    EXPECT_STREQ(text, "apple");
    // The edit's text follows the selection without CBN_EDITCHANGE: the user typed nothing.
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboDropTest, ALongListScrollsToKeepTheSelectionInView)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWNLIST, 40, 120);
    HWND list = ListOf(combo);
    SetFocus(combo);
    MiscSendKey(VK_F4, combo);
    EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    MiscSendKey(VK_END, combo);
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_GT(top, 30);
    RECT r{};
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 39, reinterpret_cast<LPARAM>(&r)), 0);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_LE(r.bottom, client.bottom);
    // The wheel scrolls the list, not the selection.
    MiscSendMouse(list, WM_MOUSEWHEEL, 5, 5, WHEEL_DELTA);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), top - 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 39);
}

TEST_F(ComboDropTest, OwnerDrawnEntriesAreMeasuredAndDrawnByTheParent)
{
    NoteParent parent;
    parent.measureHeight = 18;
    HWND combo = parent.Child("ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 7, 10, 10, 120, 150);
    std::vector<int> measured;
    for (const Note& n : parent.notes)
        if (n.msg == WM_MEASUREITEM)
            measured.push_back(n.value);
    EXPECT_EQ(measured, (std::vector<int>{-1, 0}));
    for (const char* s : {"one", "two", "three"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0), 18);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    parent.drawCount = 0;
    MiscSettle();
    EXPECT_GE(parent.drawCount, 3); // the field and the three entries of the open list
    RECT r{};
    SendMessageA(ListOf(combo), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 18);
    EXPECT_EQ(r.bottom, 36);
}

TEST_F(ComboDropTest, LosingTheFocusClosesTheListAsACancel)
{
    NoteParent parent;
    HWND combo = Make(parent, CBS_DROPDOWNLIST, 3);
    HWND other = parent.Child("Button", BS_PUSHBUTTON, 8, 200, 10, 60, 20, "x");
    SetFocus(combo);
    MiscSendKey(VK_F4, combo);
    MiscSendKey(VK_DOWN, combo);
    parent.notes.clear();
    SetFocus(other);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(ListOf(combo)));
    EXPECT_EQ(Commands(parent), (std::vector<UINT>{CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

} // namespace
