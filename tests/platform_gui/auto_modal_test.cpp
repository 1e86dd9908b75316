// Expecting modal windows by kind and matcher, kinds registered by name, the report of what never
// came and what came unasked, and choosing from a window's menu.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include <afxwin.h>
#include "win32/automation.h"
#include "win32/menu.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

class AutoModalTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        module = TestModule();
    }
    HMODULE module = nullptr;
};

TEST_F(AutoModalTest, ADialogIsExpectedByAMatcherAndActedOn)
{
    MiscScriptedUser user;
    std::string seenCaption;
    user.Expect(
        MiscModalKind::Dialog, [](const MiscModal& m) { return m.caption == "Basic" && m.templateId == kDlgBasic; },
        [&](MiscModal& m) {
            seenCaption = m.caption;
            MiscFindControlByLabel(m.hwnd, "Name:").TypeText("Ada");
            MiscFindControlByLabel(m.hwnd, "Check").SetCheck(BST_CHECKED);
            MiscFindControlByLabel(m.hwnd, "OK").Click();
        },
        "the basic dialog");
    INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(kDlgBasic), nullptr,
                                     [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR {
                                         if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) {
                                             char name[16] = {0};
                                             GetDlgItemTextA(hwnd, kEdit, name, sizeof(name));
                                             bool ok = std::string(name) == "Ada" && IsDlgButtonChecked(hwnd, kCheck);
                                             EndDialog(hwnd, ok ? 7 : 3);
                                             return TRUE;
                                         }
                                         return msg == WM_INITDIALOG;
                                     },
                                     0);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(seenCaption, "Basic");
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_TRUE(user.Report().empty());
}

TEST_F(AutoModalTest, AMessageBoxActionPressesItsOwnButton)
{
    MiscScriptedUser user;
    user.Expect(
        MiscModalKind::MessageBox, [](const MiscModal& m) { return m.type & MB_YESNO; },
        [](MiscModal& m) {
            ASSERT_NE(m.hwnd, nullptr);
            MiscFindControlByLabel(m.hwnd, "No").Click();
        });
    EXPECT_EQ(MessageBoxA(nullptr, "Save the changes?", "Pattern", MB_YESNO), IDNO);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

TEST_F(AutoModalTest, RegisteredKindsAreExpectedByNameAndUnknownNamesReported)
{
    MiscRegisterModalKind("cut-node editor");
    EXPECT_TRUE(MiscIsModalKind("cut-node editor"));
    EXPECT_TRUE(MiscIsModalKind("pop-up menu"));
    EXPECT_FALSE(MiscIsModalKind("cut node editor"));

    MiscScriptedUser user;
    bool acted = false;
    user.Expect("cut-node editor", nullptr, [&](MiscModal&) { acted = true; });
    user.Expect("colour picker", nullptr, nullptr); // a misspelt kind
    // A toolkit control runs its modal window through the handler like any other.
    MiscModal m;
    m.kind = MiscModalKind::Other;
    m.kindName = "cut-node editor";
    m.caption = "Cut node";
    MiscModalHandler handler = MiscSetModalHandler(nullptr);
    MiscSetModalHandler(handler);
    handler(m);
    EXPECT_TRUE(acted);
    std::vector<std::string> pending = user.Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_NE(pending[0].find("[unknown kind]"), std::string::npos);
    EXPECT_EQ(user.Seen(), std::vector<std::string>{"cut-node editor 'Cut node'"});
}

TEST_F(AutoModalTest, TheReportListsWhatNeverCameAndWhatCameUnasked)
{
    MiscScriptedUser user;
    user.ExpectFileOpen("/tmp/a.txt");
    user.Expect(MiscModalKind::ColorChooser, nullptr, nullptr, "the line colour");
    MessageBoxA(nullptr, "Surprise", "Note", MB_OK);
    std::string report = user.Report();
    EXPECT_NE(report.find("never came: file open chooser"), std::string::npos) << report;
    EXPECT_NE(report.find("never came: colour chooser (the line colour)"), std::string::npos) << report;
    EXPECT_NE(report.find("unexpected: message box 'Note' \"Surprise\""), std::string::npos) << report;
    EXPECT_FALSE(user.AllDone());
}

// ---- Menus ----

std::vector<std::pair<UINT, WPARAM>> g_menuMessages;

LRESULT CALLBACK MenuOwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITMENU || msg == WM_INITMENUPOPUP || msg == WM_COMMAND)
        g_menuMessages.emplace_back(msg, msg == WM_COMMAND ? wParam : 0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(AutoModalTest, MenuItemsAreChosenByTextPathOrCommand)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = MenuOwnerProc;
    wc.lpszClassName = "AutoMenuOwner";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "AutoMenuOwner", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    AppendMenuA(recent, MF_STRING, 301, "&1 shirt.pat");
    AppendMenuA(file, MF_STRING, 101, "&Open...\tCtrl+O");
    AppendMenuA(file, MF_STRING | MF_GRAYED, 102, "&Save");
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");

    g_menuMessages.clear();
    EXPECT_TRUE(MiscChooseMenuByPath(frame, bar, "File|Open..."));
    ASSERT_EQ(g_menuMessages.size(), 3u);
    EXPECT_EQ(g_menuMessages[0].first, static_cast<UINT>(WM_INITMENU));
    EXPECT_EQ(g_menuMessages[1].first, static_cast<UINT>(WM_INITMENUPOPUP));
    EXPECT_EQ(g_menuMessages[2], std::make_pair(static_cast<UINT>(WM_COMMAND), static_cast<WPARAM>(101)));

    g_menuMessages.clear();
    EXPECT_TRUE(MiscChooseMenuByCommand(frame, bar, 301));
    ASSERT_FALSE(g_menuMessages.empty());
    EXPECT_EQ(g_menuMessages.back(), std::make_pair(static_cast<UINT>(WM_COMMAND), static_cast<WPARAM>(301)));

    g_menuMessages.clear();
    EXPECT_FALSE(MiscChooseMenuByPath(frame, bar, "File|Save"));   // grayed
    EXPECT_FALSE(MiscChooseMenuByPath(frame, bar, "File|Recent")); // opens a menu, chooses nothing
    EXPECT_FALSE(MiscChooseMenuByPath(frame, bar, "File|Close"));
    EXPECT_FALSE(MiscChooseMenuByCommand(frame, bar, 999));
    for (const auto& m : g_menuMessages)
        EXPECT_NE(m.first, static_cast<UINT>(WM_COMMAND));
    DestroyMenu(bar);
    DestroyWindow(frame);
}

} // namespace
