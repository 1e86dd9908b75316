// A whole script against a modal dialog, the way a test of a program's dialog reads: drop the
// combo box and pick an entry by its text, Ctrl-click a check box and see the key state in the
// handler, close with OK found by its label.
#include "gui_fixture.h"

#include "win32/automation.h"

#include <string>

using namespace guitest;

namespace {

struct Seen {
    std::string chosen;      // the combo box text when it reported CBN_SELENDOK
    bool ctrlAtClick = false;
    int clicks = 0;
};
Seen g_seen;

INT_PTR CALLBACK FabricProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        for (const char* s : {"Cotton", "Linen", "Silk", "Wool"})
            SendDlgItemMessageA(hwnd, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return TRUE;
    }
    if (msg != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == kCombo && HIWORD(wParam) == CBN_SELENDOK) {
        char text[32] = {0};
        HWND combo = GetDlgItem(hwnd, kCombo);
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(SendMessageA(combo, CB_GETCURSEL, 0, 0)),
                     reinterpret_cast<LPARAM>(text));
        g_seen.chosen = text;
    } else if (LOWORD(wParam) == kCheck && HIWORD(wParam) == BN_CLICKED) {
        g_seen.ctrlAtClick = GetKeyState(VK_CONTROL) < 0;
        ++g_seen.clicks;
    } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hwnd, LOWORD(wParam));
    }
    return TRUE;
}

class AutoDialogTest : public GuiTest {};

TEST_F(AutoDialogTest, PickByTextAndCtrlClickInAModalDialog)
{
    g_seen = Seen();
    MiscScriptedUser user;
    user.ExpectDialog(kDlgBasic, [](MiscModal& m) {
        MiscElement combo = MiscFindControl(m.hwnd, kCombo);
        ASSERT_TRUE(combo.Exists());
        EXPECT_EQ(combo.ItemCount(), 4);
        EXPECT_TRUE(combo.Item("Silk").Select());
        EXPECT_EQ(combo.Text(), "Silk");
        EXPECT_TRUE(MiscFindControlByLabel(m.hwnd, "Check").Click(MISC_MOD_CONTROL));
        EXPECT_EQ(MiscFindControlByLabel(m.hwnd, "Check").State().checked, BST_CHECKED);
        EXPECT_TRUE(MiscFindControlByClass(m.hwnd, "Button", 1).Exists()); // the second button: OK
        EXPECT_TRUE(MiscFindControlByLabel(m.hwnd, "OK").Click());
    });
    INT_PTR result = DialogBoxParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), nullptr, FabricProc, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_TRUE(MiscModalErrors().empty());
    EXPECT_EQ(g_seen.chosen, "Silk");
    EXPECT_TRUE(g_seen.ctrlAtClick);
    EXPECT_EQ(g_seen.clicks, 1);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0); // released when the click was done
}

TEST_F(AutoDialogTest, ControlsAreFoundByLabelIdOrClassAndNotBeyond)
{
    MiscScriptedUser user;
    user.ExpectDialog(kDlgBasic, [](MiscModal& m) {
        EXPECT_EQ(MiscFindControlByLabel(m.hwnd, "Name:").Window(), GetDlgItem(m.hwnd, kEdit)); // what it labels
        EXPECT_EQ(MiscFindControlByLabel(m.hwnd, "&Name:").Window(), GetDlgItem(m.hwnd, kEdit));
        EXPECT_EQ(MiscFindControlByLabel(m.hwnd, "Cancel").Window(), GetDlgItem(m.hwnd, IDCANCEL));
        EXPECT_FALSE(MiscFindControlByLabel(m.hwnd, "Nothing").Exists());
        EXPECT_EQ(MiscFindControlByClass(m.hwnd, "combobox").Window(), GetDlgItem(m.hwnd, kCombo));
        EXPECT_FALSE(MiscFindControlByClass(m.hwnd, "ComboBox", 1).Exists());
        EXPECT_FALSE(MiscFindControl(m.hwnd, 4242).Exists());
        MiscFindControl(m.hwnd, IDCANCEL).Click();
    });
    EXPECT_EQ(DialogBoxParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), nullptr, FabricProc, 0), IDCANCEL);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

} // namespace
