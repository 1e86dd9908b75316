// Keys in dialogs as the dialog manager routes them: WM_GETDLGCODE of the focus, Tab and arrows
// into WS_EX_CONTROLPARENT children (pages, panes), and mnemonics with and without Alt.
#include "gui_fixture.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

std::vector<std::string> g_events;

INT_PTR CALLBACK Recording(HWND, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        g_events.push_back("command " + std::to_string(LOWORD(wParam)));
    return msg == WM_INITDIALOG;
}

// An in-place editor that wants every key, as a grid's cell editor does.
LRESULT CALLBACK GreedyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    if (msg == WM_KEYDOWN)
        g_events.push_back("editor key " + std::to_string(wParam));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class DialogKeysTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_events.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = GreedyProc;
        wc.lpszClassName = "MiscGreedyEditor";
        RegisterClassA(&wc);
        dlg = CreateDialogParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), nullptr, Recording, 0);
        ASSERT_NE(dlg, nullptr);
        ShowWindow(dlg, SW_SHOW);
        MiscSettle();
    }
    void TearDown() override
    {
        DestroyWindow(dlg);
        GuiTest::TearDown();
    }
    // A page: a WS_EX_CONTROLPARENT child of the dialog holding its own controls.
    HWND AddPage()
    {
        HWND page = CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 120, 200,
                                    60, dlg, reinterpret_cast<HMENU>(900), nullptr, nullptr);
        for (int i = 0; i < 2; ++i)
            CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5 + i * 20, 80, 16, page,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(901 + i)), nullptr, nullptr);
        CreateWindowExA(0, "BUTTON", "&Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 100, 5, 60, 14, page,
                        reinterpret_cast<HMENU>(903), nullptr, nullptr);
        return page;
    }
    HWND dlg = nullptr;
};

TEST_F(DialogKeysTest, AnEditorThatWantsAllKeysKeepsEnterAndEscapeFromTheDialog)
{
    HWND editor = CreateWindowExA(0, "MiscGreedyEditor", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 14,
                                  GetDlgItem(dlg, kCombo), nullptr, nullptr, nullptr);
    SetFocus(editor);
    MiscSendKey(VK_RETURN);
    MiscSendKey(VK_ESCAPE);
    MiscSendKey(VK_TAB);
    EXPECT_EQ(g_events, (std::vector<std::string>{"editor key 13", "editor key 27", "editor key 9"}));
    EXPECT_EQ(GetFocus(), editor);
    // The same keys on an ordinary control go to the dialog.
    g_events.clear();
    SetFocus(GetDlgItem(dlg, kCheck));
    MiscSendKey(VK_RETURN);
    MiscSendKey(VK_ESCAPE);
    EXPECT_EQ(g_events, (std::vector<std::string>{"command 1", "command 2"}));
}

TEST_F(DialogKeysTest, TabAndShiftTabEnterControlParentChildren)
{
    HWND page = AddPage();
    HWND first = GetDlgItem(page, 901), second = GetDlgItem(page, 902), go = GetDlgItem(page, 903);
    SetFocus(GetDlgItem(dlg, IDCANCEL));
    MiscSendKey(VK_TAB);
    EXPECT_EQ(GetFocus(), first);
    MiscSendKey(VK_TAB);
    EXPECT_EQ(GetFocus(), second);
    MiscSendKey(VK_TAB);
    EXPECT_EQ(GetFocus(), go);
    MiscSendKey(VK_TAB); // round to the dialog's first tab stop
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, kEdit));
    MiscSetKeyState(VK_SHIFT, TRUE);
    MiscSendKey(VK_TAB);
    MiscSetKeyState(VK_SHIFT, FALSE);
    EXPECT_EQ(GetFocus(), go);
    // A hidden page is skipped.
    ShowWindow(page, SW_HIDE);
    SetFocus(GetDlgItem(dlg, IDCANCEL));
    MiscSendKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, kEdit));
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, FALSE), GetDlgItem(dlg, kEdit));
}

TEST_F(DialogKeysTest, ArrowsMoveWithinTheGroupOfThePage)
{
    HWND page = AddPage();
    HWND radio[2];
    for (int i = 0; i < 2; ++i)
        radio[i] = CreateWindowExA(0, "BUTTON", i ? "B" : "A",
                                   WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i ? 0 : WS_GROUP | WS_TABSTOP), 100,
                                   25 + i * 15, 60, 14, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(910 + i)),
                                   nullptr, nullptr);
    SetFocus(radio[0]);
    MiscSendKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), radio[1]);
    EXPECT_EQ(SendMessageA(radio[1], BM_GETCHECK, 0, 0), BST_CHECKED);
    MiscSendKey(VK_DOWN); // the group ends at the page's last control: round to its first
    EXPECT_EQ(GetFocus(), radio[0]);
    // An edit keeps its arrows.
    HWND edit = GetDlgItem(page, 901);
    SetFocus(edit);
    MiscSendKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DialogKeysTest, MnemonicsWithAltOrAloneWhenTheFocusWantsNoCharacters)
{
    HWND check = GetDlgItem(dlg, kCheck);
    HWND edit = GetDlgItem(dlg, kEdit);
    // Alt+C clicks "&Check" wherever the focus is.
    SetFocus(edit);
    MiscSetKeyState(VK_MENU, TRUE);
    MiscSendKey('C');
    MiscSetKeyState(VK_MENU, FALSE);
    EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(GetFocus(), check);
    // A plain 'c' clicks it again from a button, which wants no characters...
    SetFocus(GetDlgItem(dlg, IDCANCEL));
    MiscSendKey('C');
    EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), static_cast<UINT>(BST_UNCHECKED));
    // ...but is typed into an edit.
    SetFocus(edit);
    MiscSendKey('C');
    EXPECT_EQ(MiscGetControlText(dlg, kEdit), "c");
    EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), static_cast<UINT>(BST_UNCHECKED));
    // A label's mnemonic focuses the control after it.
    SetFocus(check);
    MiscSetKeyState(VK_MENU, TRUE);
    MiscSendKey('N');
    MiscSetKeyState(VK_MENU, FALSE);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DialogKeysTest, MnemonicsReachIntoPagesAndSharedLettersOnlyMoveTheFocus)
{
    HWND page = AddPage();
    HWND go = GetDlgItem(page, 903);
    MiscSetKeyState(VK_MENU, TRUE);
    MiscSendKey('G');
    EXPECT_EQ(SendMessageA(go, BM_GETCHECK, 0, 0), BST_CHECKED);
    // A second "&Go": the letter now alternates the focus between the two and clicks neither.
    HWND go2 = CreateWindowExA(0, "BUTTON", "&Go on", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 100, 25,
                               60, 14, page, reinterpret_cast<HMENU>(904), nullptr, nullptr);
    SetFocus(go);
    MiscSendKey('G');
    EXPECT_EQ(GetFocus(), go2);
    MiscSendKey('G');
    EXPECT_EQ(GetFocus(), go);
    MiscSetKeyState(VK_MENU, FALSE);
    EXPECT_EQ(SendMessageA(go, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(go2, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

} // namespace
