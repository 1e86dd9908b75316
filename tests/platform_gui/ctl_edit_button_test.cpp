// Edits and buttons: typing, limits, selection and undo with EN_CHANGE; check boxes, radio
// groups and owner-drawn buttons with BN_CLICKED.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include <string>

using namespace guitest;

namespace {

class EditTest : public GuiTest {
protected:
    std::string Text(HWND edit)
    {
        char buffer[256];
        GetWindowTextA(edit, buffer, sizeof(buffer));
        return buffer;
    }
};

TEST_F(EditTest, TypingReplacesTheSelectionAndNotifiesEachChange)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", WS_BORDER, 1);
    SetFocus(edit);
    parent.notes.clear();
    MiscTypeText("abc");
    EXPECT_EQ(Text(edit), "abc");
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    SendMessageA(edit, EM_SETSEL, 1, 2);
    MiscTypeText("X");
    EXPECT_EQ(Text(edit), "aXc");
    MiscSendKey(VK_BACK);
    EXPECT_EQ(Text(edit), "ac");
    MiscSendKey(VK_HOME);
    MiscSendKey(VK_DELETE);
    EXPECT_EQ(Text(edit), "c");
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    // WM_SETTEXT notifies too and clears the modified flag.
    parent.notes.clear();
    SetWindowTextA(edit, "new");
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, SelectionFollowsWindowsRules)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", 0, 1, 10, 10, 120, 20, "hello world");
    DWORD start = 9, end = 9;
    struct Case {
        int from, to;
        DWORD start, end;
    } cases[] = {{0, -1, 0, 11}, {6, 3, 3, 6}, {2, 99, 2, 11}, {-5, 4, 0, 4}, {4, 4, 4, 4}};
    for (const Case& c : cases) {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
        LRESULT both = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, c.start) << c.from << "," << c.to;
        EXPECT_EQ(end, c.end) << c.from << "," << c.to;
        EXPECT_EQ(both, MAKELONG(c.start, c.end));
    }
    // -1 as the start removes the selection and leaves the caret.
    SendMessageA(edit, EM_SETSEL, 2, 5);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
}

TEST_F(EditTest, LimitReadOnlyNumberAndCase)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", 0, 1);
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    SetFocus(edit);
    parent.notes.clear();
    MiscTypeText("abcdef");
    EXPECT_EQ(Text(edit), "abcd");
    EXPECT_EQ(parent.Codes(WM_COMMAND).back(), static_cast<UINT>(EN_MAXTEXT));
    SetWindowTextA(edit, "longer than the limit"); // WM_SETTEXT is not limited
    EXPECT_EQ(Text(edit), "longer than the limit");

    HWND readOnly = parent.Child("Edit", ES_READONLY, 2, 10, 40, 100, 20, "fixed");
    SetFocus(readOnly);
    MiscTypeText("zz");
    EXPECT_EQ(Text(readOnly), "fixed");
    SendMessageA(readOnly, EM_SETREADONLY, FALSE, 0);
    MiscSendKey(VK_END);
    MiscTypeText("!");
    EXPECT_EQ(Text(readOnly), "fixed!");

    HWND number = parent.Child("Edit", ES_NUMBER | ES_UPPERCASE, 3, 10, 70, 100, 20);
    SetFocus(number);
    int beeps = MiscMessageBeepCount();
    MiscTypeText("1a2");
    EXPECT_EQ(Text(number), "12");
    EXPECT_EQ(MiscMessageBeepCount(), beeps + 1);
    HWND upper = parent.Child("Edit", ES_UPPERCASE, 4, 10, 100, 100, 20);
    SetFocus(upper);
    MiscTypeText("MiXeD");
    EXPECT_EQ(Text(upper), "MIXED");
}

TEST_F(EditTest, UndoSwapsWithTheLastChange)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", 0, 1, 10, 10, 100, 20, "start");
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("changed"));
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "start");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "changed");
}

TEST_F(EditTest, MultiLineEditsCountLinesAndKeepReturns)
{
    NoteParent parent;
    HWND edit = parent.Child("Edit", ES_MULTILINE | ES_WANTRETURN, 1, 10, 10, 200, 100);
    SetFocus(edit);
    MiscTypeText("one\ntwo\nthree");
    EXPECT_EQ(Text(edit), "one\r\ntwo\r\nthree");
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 2, 0), 10);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 6, 0), 1);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, 10, 0), 5);
    char line[16] = {0};
    *reinterpret_cast<WORD*>(line) = 3;
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 2, reinterpret_cast<LPARAM>(line)), 3);
    EXPECT_EQ(std::string(line, 3), "thr");
    // A single-line edit keeps the first line of what it is given.
    HWND single = parent.Child("Edit", 0, 2, 10, 120, 100, 20);
    SetWindowTextA(single, "first\r\nsecond");
    EXPECT_EQ(Text(single), "first");
}

TEST_F(EditTest, CopyCutAndPasteGoThroughTheClipboard)
{
    NoteParent parent;
    HWND from = parent.Child("Edit", 0, 1, 10, 10, 100, 20, "copy me");
    HWND to = parent.Child("Edit", 0, 2, 10, 40, 100, 20, "<>");
    SetFocus(from);
    SendMessageA(from, EM_SETSEL, 0, 4);
    MiscSetKeyState(VK_CONTROL, TRUE);
    MiscSendKey('X');
    MiscSetKeyState(VK_CONTROL, FALSE);
    EXPECT_EQ(Text(from), " me");
    SetFocus(to);
    SendMessageA(to, EM_SETSEL, 1, 1);
    SendMessageA(to, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(to), "<copy>");
    // A password edit does not give its text away.
    HWND secret = parent.Child("Edit", ES_PASSWORD, 3, 10, 70, 100, 20, "hidden");
    SendMessageA(secret, EM_SETSEL, 0, -1);
    SendMessageA(secret, WM_COPY, 0, 0);
    SendMessageA(to, EM_SETSEL, 0, -1);
    SendMessageA(to, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(to), "copy");
}

class ButtonTest : public GuiTest {};

TEST_F(ButtonTest, ClicksNotifyAndAutomaticButtonsChangeTheirState)
{
    NoteParent parent;
    HWND push = parent.Child("Button", BS_PUSHBUTTON, 1, 10, 10, 60, 20, "Push");
    HWND check = parent.Child("Button", BS_AUTOCHECKBOX, 2, 10, 40, 80, 20, "Check");
    HWND manual = parent.Child("Button", BS_CHECKBOX, 3, 10, 70, 80, 20, "Manual");
    HWND tri = parent.Child("Button", BS_AUTO3STATE, 4, 10, 100, 80, 20, "Tri");
    HWND disabled = parent.Child("Button", BS_PUSHBUTTON | WS_DISABLED, 5, 10, 130, 60, 20, "Off");
    parent.notes.clear();
    SendMessageA(push, BM_CLICK, 0, 0);
    SendMessageA(check, BM_CLICK, 0, 0);
    SendMessageA(manual, BM_CLICK, 0, 0);
    SendMessageA(disabled, BM_CLICK, 0, 0);
    std::vector<int> ids;
    for (const Note& n : parent.notes)
        if (n.msg == WM_COMMAND && n.code == BN_CLICKED)
            ids.push_back(n.id);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(manual, BM_GETCHECK, 0, 0), BST_UNCHECKED); // the parent decides
    std::vector<LRESULT> states;
    for (int i = 0; i < 4; ++i) {
        SendMessageA(tri, BM_CLICK, 0, 0);
        states.push_back(SendMessageA(tri, BM_GETCHECK, 0, 0));
    }
    EXPECT_EQ(states, (std::vector<LRESULT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));
    // The push button has no check state, and a two-state box takes no third.
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(check, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, AutomaticRadioButtonsUncheckTheRestOfTheirGroupOnly)
{
    NoteParent parent;
    HWND a = parent.Child("Button", BS_AUTORADIOBUTTON | WS_GROUP, 1, 10, 10, 80, 20, "A");
    HWND b = parent.Child("Button", BS_AUTORADIOBUTTON, 2, 10, 30, 80, 20, "B");
    HWND c = parent.Child("Button", BS_AUTORADIOBUTTON, 3, 10, 50, 80, 20, "C");
    HWND other = parent.Child("Button", BS_AUTORADIOBUTTON | WS_GROUP, 4, 10, 70, 80, 20, "Other");
    SendMessageA(other, BM_CLICK, 0, 0);
    SendMessageA(a, BM_CLICK, 0, 0);
    SendMessageA(c, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
    // Only the checked radio button of a group is a tab stop.
    EXPECT_TRUE(GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongA(a, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, MouseClicksCountOnlyWhenReleasedOverTheButton)
{
    NoteParent parent;
    HWND push = parent.Child("Button", BS_PUSHBUTTON, 1, 10, 10, 60, 20, "Push");
    parent.notes.clear();
    MiscSendMouse(push, WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(GetCapture(), push);
    EXPECT_TRUE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    MiscSendMouse(push, WM_MOUSEMOVE, 100, 5); // dragged off
    EXPECT_FALSE(SendMessageA(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
    MiscSendMouse(push, WM_LBUTTONUP, 100, 5);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(parent.Codes(WM_COMMAND).empty());
    MiscSendMouse(push, WM_LBUTTONDOWN, 5, 5);
    MiscSendMouse(push, WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(parent.Codes(WM_COMMAND), std::vector<UINT>{BN_CLICKED});
    // The space bar clicks the focused button on release.
    parent.notes.clear();
    MiscSendKey(VK_SPACE, push);
    EXPECT_EQ(parent.Codes(WM_COMMAND), std::vector<UINT>{BN_CLICKED});
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheirParentToDraw)
{
    NoteParent parent;
    HWND owner = parent.Child("Button", BS_OWNERDRAW, 1, 10, 10, 60, 20, "Drawn");
    parent.drawCount = 0;
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
    EXPECT_EQ(parent.drawCount, 1);
}

} // namespace
