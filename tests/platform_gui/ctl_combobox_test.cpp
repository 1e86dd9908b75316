// The combo box: Windows' searches (exact and prefix, case ignored, starting after an index and
// wrapping round), insertion at an index, deletion, selection, text, and the notifications.
#include "gui_fixture.h"

#include <afxwin.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

std::vector<WORD> g_notes;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == 7)
        g_notes.push_back(HIWORD(wParam));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ComboTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_notes.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "ComboTestParent";
        RegisterClassA(&wc);
        parent = CreateWindowExA(0, "ComboTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    HWND Make(DWORD style, std::vector<const char*> items = {})
    {
        HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 150, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), nullptr, nullptr);
        for (const char* item : items)
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return combo;
    }
    static LRESULT Find(HWND combo, UINT msg, int start, const char* text)
    {
        return SendMessageA(combo, msg, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    }
    HWND parent = nullptr;
};

TEST_F(ComboTest, ExactSearchIgnoresCaseStartsAfterTheIndexAndWraps)
{
    HWND combo = Make(CBS_DROPDOWN, {"abc", "xyz", "ABC", "abcd", "Abc"});
    struct Case {
        int start;
        const char* text;
        LRESULT found;
    } cases[] = {
        {-1, "abc", 0},  {0, "abc", 2},  {2, "abc", 4},  {4, "abc", 0},   // wraps round
        {-1, "ABCD", 3}, {-1, "ab", CB_ERR}, {3, "xyz", 1}, {1, "xyz", 1}, // its own index last
        {99, "abc", 0},  {-1, "", CB_ERR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Find(combo, CB_FINDSTRINGEXACT, c.start, c.text), c.found) << c.start << " " << c.text;
}

TEST_F(ComboTest, PrefixSearchAndSelectString)
{
    HWND combo = Make(CBS_DROPDOWNLIST, {"apple", "Banana", "apricot", "blueberry"});
    EXPECT_EQ(Find(combo, CB_FINDSTRING, -1, "AP"), 0);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, 0, "ap"), 2);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, 2, "ap"), 0);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, -1, "b"), 1);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, -1, "c"), CB_ERR);
    EXPECT_EQ(Find(combo, CB_FINDSTRING, 1, ""), 2); // an empty prefix matches the next entry
    EXPECT_EQ(Find(combo, CB_SELECTSTRING, -1, "blu"), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Find(combo, CB_SELECTSTRING, -1, "zzz"), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 3); // unchanged after a failed search
    char text[32];
    GetWindowTextA(combo, text, sizeof(text));
    EXPECT_STREQ(text, "blueberry"); // a drop-down list's text is its selection
}

TEST_F(ComboTest, InsertAtAnIndexAndDeleteKeepTheSelectionOnItsEntry)
{
    HWND combo = Make(CBS_DROPDOWN, {"a", "b", "c"});
    SendMessageA(combo, CB_SETCURSEL, 1, 0); // "b"
    EXPECT_EQ(SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("first")), 0);
    EXPECT_EQ(SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("last")), 4);
    EXPECT_EQ(SendMessageA(combo, CB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("nowhere")), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 0, 0), 4); // the count left
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 1, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_DELETESTRING, 7, 0), CB_ERR);
    std::vector<std::string> left;
    for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        char text[16];
        EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0),
                  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text)));
        left.push_back(text);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"a", "c", "last"}));
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(nullptr)), CB_ERR);
}

TEST_F(ComboTest, SortedCombosInsertInOrderIgnoringCase)
{
    HWND combo = Make(CBS_DROPDOWNLIST | CBS_SORT, {"pear", "Apple", "banana", "apple"});
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        char text[16];
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        order.push_back(text);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Apple", "apple", "banana", "pear"}));
}

TEST_F(ComboTest, ItemDataAndResetContent)
{
    HWND combo = Make(CBS_DROPDOWN, {"one", "two"});
    EXPECT_EQ(SendMessageA(combo, CB_SETITEMDATA, 1, 1234), CB_OKAY);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 1, 0), 1234);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 5, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SETITEMDATA, 5, 1), CB_ERR);
    SetWindowTextA(combo, "typed");
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(GetWindowTextLengthA(combo), 0);
}

TEST_F(ComboTest, TheUsersChoiceNotifiesTheParentAndSetCurSelDoesNot)
{
    HWND combo = Make(CBS_DROPDOWN, {"one", "two"});
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    EXPECT_TRUE(g_notes.empty());
    g_notes.clear();
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    MiscSelectItem(parent, 7, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    // The edit follows the choice without edit notifications (the user typed nothing); the list
    // closes before the change is reported.
    std::vector<WORD> want = {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE};
    EXPECT_EQ(g_notes, want);
    char text[16];
    GetWindowTextA(combo, text, sizeof(text));
    EXPECT_STREQ(text, "one");
}

TEST_F(ComboTest, TheBoxKeepsOneLineHighAndRemembersTheListHeight)
{
    HWND combo = Make(CBS_DROPDOWNLIST, {"x"});
    RECT r;
    GetWindowRect(combo, &r);
    EXPECT_LT(r.bottom - r.top, 40);
    RECT dropped;
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    MoveWindow(combo, 0, 0, 100, 300, TRUE);
    GetWindowRect(combo, &r);
    EXPECT_LT(r.bottom - r.top, 40);
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 300);
}

// The history combo's two ways of adding a text, written against CComboBox as a caller would.
void AddTop(CComboBox& combo, const char* text)
{
    int at = combo.FindStringExact(-1, text);
    if (at != CB_ERR)
        combo.DeleteString(static_cast<UINT>(at));
    combo.InsertString(0, text);
    combo.SetCurSel(0);
}

void AddAppend(CComboBox& combo, const char* text)
{
    int at = combo.FindStringExact(-1, text);
    if (at == CB_ERR) {
        combo.AddString(text);
        return;
    }
    CString existing;
    combo.GetLBText(at, existing);
    if (existing != text) {
        combo.InsertString(at, text);
        combo.DeleteString(static_cast<UINT>(at + 1));
    }
}

std::vector<std::string> Entries(CComboBox& combo)
{
    std::vector<std::string> out;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString s;
        combo.GetLBText(i, s);
        out.push_back(s.GetString());
    }
    return out;
}

TEST_F(ComboTest, HistoryListsBuiltOnTheExactSearch)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWN, CRect(0, 0, 100, 100), CWnd::FromHandle(parent), 7));
    AddAppend(combo, "xyz");
    AddAppend(combo, "abc");
    AddTop(combo, "abc");
    EXPECT_EQ(Entries(combo), (std::vector<std::string>{"abc", "xyz"}));
    AddTop(combo, "ABC");
    EXPECT_EQ(Entries(combo), (std::vector<std::string>{"ABC", "xyz"}));
    AddAppend(combo, "Xyz");
    EXPECT_EQ(Entries(combo), (std::vector<std::string>{"ABC", "Xyz"}));
    AddAppend(combo, "Xyz");
    EXPECT_EQ(Entries(combo), (std::vector<std::string>{"ABC", "Xyz"}));
    CString text;
    combo.GetWindowText(text);
    EXPECT_STREQ(text, "ABC");
}

} // namespace
