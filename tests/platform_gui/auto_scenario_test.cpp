// One script the way a host program's test reads, through the automation layer only: in a frame
// with a menu and accelerators, a key becomes a command; a modal dialog's combo box is dropped and
// an entry picked by its text, a right click opens a pop-up menu whose command is picked by its
// text, a button is clicked with Ctrl held; then Tab leads from a property sheet's tabs into its
// page.
#include <windows.h>
#include <afxdlgs.h>
#include <afxwin.h>

#include "gui_fixture.h"
#include "win32/automation.h"

#include <string>
#include <vector>

using namespace guitest;

namespace {

enum : UINT { kNewCommand = 9101, kMenuCopy = 501, kMenuPaste = 502, kPageTemplate = 301 };
enum : int { kPageEdit = 3001 };

struct Seen {
    std::vector<std::string> commands; // reached the view, in order
    std::string chosen;                // combo text at CBN_SELENDOK
    UINT menuCommand = 0;              // what TrackPopupMenu returned
    bool ctrlAtClick = false;
};
Seen g_seen;

class ScenarioView : public CView {
public:
    afx_msg void OnNew() { g_seen.commands.push_back("new"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ScenarioView, CView)
    ON_COMMAND(kNewCommand, OnNew)
END_MESSAGE_MAP()

INT_PTR CALLBACK ScenarioDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        for (const char* s : {"Cotton", "Linen", "Silk", "Wool"})
            SendDlgItemMessageA(hwnd, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return TRUE;
    case WM_CONTEXTMENU: {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, kMenuCopy, "&Copy\tCtrl+C");
        AppendMenuA(menu, MF_STRING, kMenuPaste, "&Paste\tCtrl+V");
        g_seen.menuCommand = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, GET_X_LPARAM(lParam),
                                                              GET_Y_LPARAM(lParam), 0, hwnd, nullptr));
        DestroyMenu(menu);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kCombo && HIWORD(wParam) == CBN_SELENDOK) {
            char text[32] = {0};
            GetDlgItemTextA(hwnd, kCombo, text, sizeof(text));
            HWND combo = GetDlgItem(hwnd, kCombo);
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(SendMessageA(combo, CB_GETCURSEL, 0, 0)),
                         reinterpret_cast<LPARAM>(text));
            g_seen.chosen = text;
        } else if (LOWORD(wParam) == kCheck && HIWORD(wParam) == BN_CLICKED) {
            g_seen.ctrlAtClick = GetKeyState(VK_CONTROL) < 0;
        } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hwnd, LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// The property page's template, in a module of its own.
const MiscResControl kPageControls[] = {
    {"EDIT", "", kPageEdit, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 7, 100, 14},
};
const MiscResDialog kPageDialogs[] = {
    {kPageTemplate, DS_SETFONT | WS_CHILD | WS_CAPTION | WS_DISABLED, 0, 0, 0, 160, 60, "Marker", "MS Shell Dlg", 8,
     nullptr, kPageControls, 1},
};
const MiscResourceTable kPageTable = {nullptr, 0, kPageDialogs, 1, nullptr, 0, nullptr, 0, nullptr, 0};

class ScenarioTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_seen = Seen();
        savedResources = AfxGetResourceHandle();
        AfxSetResourceHandle(GetModuleHandleA("misc_res.dll"));
    }
    void TearDown() override
    {
        AfxSetResourceHandle(savedResources);
        GuiTest::TearDown();
    }
    HINSTANCE savedResources = nullptr;
};

TEST_F(ScenarioTest, AHostsWindowsDrivenThroughTheAutomationLayer)
{
    // The host: a frame with the sample menu and its accelerators, and a view.
    CWinApp app;
    CDocument doc;
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(9100, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    auto* view = new ScenarioView;
    ASSERT_TRUE(view->CreateInFrame(frame, &doc));
    MiscSettle();

    // An accelerator: Ctrl+N at the view reaches the view's command handler.
    MiscElement(view->m_hWnd).PressKey('N', MISC_MOD_CONTROL);
    EXPECT_EQ(g_seen.commands, std::vector<std::string>{"new"});
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);

    MiscScriptedUser user;
    user.ExpectDialog(kDlgBasic, [](MiscModal& m) {
        MiscElement combo = MiscFindControl(m.hwnd, kCombo);
        EXPECT_TRUE(combo.Expand());
        EXPECT_EQ(combo.State().expanded, 1);
        EXPECT_TRUE(combo.Item("Silk").Click());
        EXPECT_EQ(combo.Text(), "Silk");
        // A right click on the dialog opens its context menu; the next expectation picks from it.
        RECT client;
        GetClientRect(m.hwnd, &client);
        MiscClickAt(m.hwnd, POINT{client.right - 4, client.bottom - 4}, WM_RBUTTONDOWN);
        EXPECT_TRUE(MiscFindControlByLabel(m.hwnd, "Check").Click(MISC_MOD_CONTROL));
        EXPECT_TRUE(MiscFindControlByLabel(m.hwnd, "OK").Click());
    });
    user.Expect(
        MiscModalKind::PopupMenu, [](const MiscModal& m) { return m.text.find("Paste") != std::string::npos; },
        [](MiscModal& m) { EXPECT_TRUE(MiscChooseMenuPath(m.hwnd, "Paste")); }, "the dialog's context menu");
    EXPECT_EQ(DialogBoxParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), frame->m_hWnd, ScenarioDialogProc, 0), IDOK);
    EXPECT_EQ(g_seen.chosen, "Silk");
    EXPECT_EQ(g_seen.menuCommand, static_cast<UINT>(kMenuPaste));
    EXPECT_TRUE(g_seen.ctrlAtClick);

    // A property sheet: from the tabs, Tab enters the page.
    CPropertyPage page(kPageTemplate);
    page.m_hResourceModule = MiscRegisterModule("scenario_test.dll", &kPageTable);
    CPropertySheet sheet("Options", frame);
    sheet.AddPage(&page);
    HWND focusAfterTab = nullptr, pageEdit = nullptr;
    user.Expect(
        MiscModalKind::PropertySheet, [](const MiscModal& m) { return m.caption == "Options"; },
        [&](MiscModal& m) {
            EXPECT_EQ(GetFocus(), MiscPropertySheetTab(m.hwnd));
            MiscPressKey(VK_TAB);
            focusAfterTab = GetFocus();
            pageEdit = GetDlgItem(MiscPropertySheetPage(m.hwnd), kPageEdit);
            EXPECT_TRUE(MiscFindControlByLabel(m.hwnd, "OK").Click());
        },
        "the options sheet");
    EXPECT_EQ(sheet.DoModal(), IDOK);
    ASSERT_NE(pageEdit, nullptr);
    EXPECT_EQ(focusAfterTab, pageEdit);

    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_TRUE(MiscModalErrors().empty());
    frame->DestroyWindow();
}

} // namespace
