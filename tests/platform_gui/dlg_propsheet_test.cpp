// Property sheets: a modal sheet as the scripted user meets it, pages created when first shown,
// the page protocol on page changes, OK, Apply and Cancel (and pages that refuse), the sheet's
// keyboard interface, its layout, and a modeless sheet.
#include "gui_fixture.h"

#include <afxdlgs.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

enum : UINT { kPageGeneral = 201, kPageUnits = 202, kPageColours = 203 };
enum : int { kName = 2001, kFlag = 2002, kUnitEdit = 2011, kPick = 2021 };

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kPage = DS_SETFONT | WS_CHILD | WS_CAPTION | WS_DISABLED;

const MiscResControl kGeneralControls[] = {
    {"EDIT", "", kName, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 7, 7, 100, 14},
    {"BUTTON", "&Flag", kFlag, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 26, 80, 10},
};
const MiscResControl kUnitsControls[] = {
    {"EDIT", "mm", kUnitEdit, kChild | WS_BORDER | WS_TABSTOP, 0, 7, 7, 60, 14},
};
const MiscResControl kColoursControls[] = {
    {"BUTTON", "Pick...", kPick, kChild | WS_TABSTOP, 0, 7, 7, 50, 14},
};
const MiscResDialog kPages[] = {
    {kPageGeneral, kPage, 0, 0, 0, 180, 80, "General", "MS Shell Dlg", 8, nullptr, kGeneralControls, 2},
    {kPageUnits, kPage, 0, 0, 0, 150, 120, "Units", "MS Shell Dlg", 8, nullptr, kUnitsControls, 1},
    {kPageColours, kPage, 0, 0, 0, 120, 60, "Colours", "MS Shell Dlg", 8, nullptr, kColoursControls, 1},
};
const MiscResourceTable kTable = {nullptr, 0, kPages, 3, nullptr, 0, nullptr, 0, nullptr, 0};

std::vector<std::string> g_events;

class TestPage : public CPropertyPage {
public:
    TestPage(UINT id, const char* name) : CPropertyPage(id), m_name(name)
    {
        m_hResourceModule = MiscRegisterModule("propsheet_test.dll", &kTable);
    }
    bool allowLeave = true, allowApply = true, allowCancel = true, allowShow = true;
    BOOL OnInitDialog() override { Log("init"); return CPropertyPage::OnInitDialog(); }
    BOOL OnSetActive() override { Log("set"); return allowShow && CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override { Log("kill"); return allowLeave && CPropertyPage::OnKillActive(); }
    BOOL OnApply() override { Log("apply"); return allowApply && CPropertyPage::OnApply(); }
    void OnReset() override { Log("reset"); }
    BOOL OnQueryCancel() override { Log("query"); return allowCancel; }

private:
    void Log(const char* what) { g_events.push_back(m_name + " " + what); }
    std::string m_name;
};

class PropSheetTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_events.clear();
        sheet.AddPage(&general);
        sheet.AddPage(&units);
        sheet.AddPage(&colours);
    }
    void TearDown() override
    {
        MiscSetKeyState(VK_CONTROL, FALSE);
        MiscSetKeyState(VK_SHIFT, FALSE);
        GuiTest::TearDown();
    }
    // Runs the sheet modally with `act` as the scripted user; the sheet's answer.
    INT_PTR Run(std::function<void(HWND)> act)
    {
        MiscSetModalHandler([this, act](MiscModal& m) {
            seen.push_back(m.kind == MiscModalKind::PropertySheet ? "sheet " + m.caption : m.Describe());
            act(m.hwnd);
        });
        return sheet.DoModal();
    }
    static int Active(HWND sheet)
    {
        HWND tab = MiscPropertySheetTab(sheet);
        return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    }
    static int FocusId() { return GetDlgCtrlID(GetFocus()); }
    TestPage general{kPageGeneral, "general"};
    TestPage units{kPageUnits, "units"};
    TestPage colours{kPageColours, "colours"};
    CPropertySheet sheet{"Options"};
    std::vector<std::string> seen;
};

TEST_F(PropSheetTest, OpensOnTheStartPageAndOkAppliesThePagesShown)
{
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_FALSE(sheet.SetActivePage(3));
    INT_PTR result = Run([this](HWND hwnd) {
        EXPECT_EQ(Active(hwnd), 1);
        EXPECT_EQ(sheet.GetActivePage(), &units);
        EXPECT_EQ(MiscPropertySheetPage(hwnd), units.m_hWnd);
        EXPECT_EQ(general.m_hWnd, nullptr); // pages are made when first shown
        EXPECT_EQ(MiscGetControlText(units.m_hWnd, kUnitEdit), "mm");
        EXPECT_TRUE(MiscClickButton(hwnd, IDOK));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen, std::vector<std::string>{"sheet Options"});
    std::vector<std::string> want = {"units init", "units set", "units kill", "units apply"};
    EXPECT_EQ(g_events, want);
    EXPECT_TRUE(MiscModalErrors().empty());
    EXPECT_EQ(sheet.m_hWnd, nullptr);

    // The same sheet opens again, its pages made afresh.
    g_events.clear();
    EXPECT_EQ(Run([](HWND hwnd) { MiscPressKey(VK_ESCAPE); EXPECT_TRUE(IsWindow(hwnd)); }), IDCANCEL);
    EXPECT_EQ(g_events, (std::vector<std::string>{"units init", "units set", "units query", "units reset"}));
}

TEST_F(PropSheetTest, ChangingPagesAsksThePageLeftAndTellsThePageShown)
{
    Run([this](HWND hwnd) {
        EXPECT_TRUE(MiscSelectPropertyPage(hwnd, "Colours"));
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        EXPECT_TRUE(colours.IsWindowVisible());
        EXPECT_FALSE(general.IsWindowVisible());
        // A page whose data is wrong keeps the user on it.
        colours.allowLeave = false;
        EXPECT_FALSE(MiscSelectPropertyPage(hwnd, "General"));
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        EXPECT_EQ(Active(hwnd), 2);
        colours.allowLeave = true;
        EXPECT_TRUE(sheet.SetActivePage(&general));
        EXPECT_FALSE(MiscSelectPropertyPage(hwnd, "No such page"));
        MiscClickButton(hwnd, IDCANCEL);
    });
    std::vector<std::string> want = {"general init", "general set", "general kill", "colours init", "colours set",
                                     "colours kill", "colours kill", "general set", "general query", "general reset",
                                     "colours reset"};
    EXPECT_EQ(g_events, want);
}

TEST_F(PropSheetTest, ApplyIsEnabledByAModifiedPageAndKeepsTheSheetOpen)
{
    INT_PTR result = Run([this](HWND hwnd) {
        HWND apply = GetDlgItem(hwnd, ID_APPLY_NOW);
        ASSERT_NE(apply, nullptr);
        EXPECT_FALSE(IsWindowEnabled(apply));
        general.SetModified(TRUE);
        EXPECT_TRUE(IsWindowEnabled(apply));
        general.SetModified(FALSE);
        EXPECT_FALSE(IsWindowEnabled(apply));
        general.SetModified();
        g_events.clear();
        EXPECT_TRUE(MiscClickButton(hwnd, ID_APPLY_NOW));
        EXPECT_TRUE(IsWindow(hwnd));
        EXPECT_FALSE(IsWindowEnabled(apply));
        EXPECT_EQ(g_events, (std::vector<std::string>{"general kill", "general apply"}));
        // A page that refuses to apply keeps the sheet open on OK; one that refuses to be
        // cancelled keeps it open on Cancel.
        general.allowApply = false;
        MiscClickButton(hwnd, IDOK);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        general.allowCancel = false;
        MiscClickButton(hwnd, IDCANCEL);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        general.allowCancel = true;
        general.CancelToClose();
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDCANCEL)));
        EXPECT_EQ(MiscGetControlText(hwnd, IDOK), "Close");
        general.allowApply = true;
        MiscCloseWindow(hwnd); // the close box now means Close
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PropSheetTest, TabWalksThroughThePageAndCtrlTabChangesPages)
{
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    INT_PTR result = Run([this](HWND hwnd) {
        EXPECT_EQ(GetDlgItem(hwnd, ID_APPLY_NOW), nullptr);
        EXPECT_EQ(GetFocus(), MiscPropertySheetTab(hwnd));
        std::vector<int> order;
        for (int i = 0; i < 5; ++i) {
            MiscPressKey(VK_TAB);
            order.push_back(FocusId());
        }
        // Into the page, through it, to the buttons and round to the tabs.
        EXPECT_EQ(order, (std::vector<int>{kName, kFlag, IDOK, IDCANCEL, AFX_IDC_TAB_CONTROL}));
        MiscSetKeyState(VK_SHIFT, TRUE);
        MiscPressKey(VK_TAB);
        EXPECT_EQ(FocusId(), IDCANCEL);
        MiscSetKeyState(VK_SHIFT, FALSE);

        MiscSetKeyState(VK_CONTROL, TRUE);
        MiscPressKey(VK_TAB);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        MiscPressKey(VK_PRIOR);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        MiscSetKeyState(VK_SHIFT, TRUE);
        MiscPressKey(VK_TAB);
        EXPECT_EQ(sheet.GetActiveIndex(), 2); // wraps backwards
        MiscSetKeyState(VK_SHIFT, FALSE);
        MiscSetKeyState(VK_CONTROL, FALSE);

        // Typing in a page, then Enter: OK.
        SetFocus(GetDlgItem(colours.m_hWnd, kPick));
        MiscSetKeyState(VK_CONTROL, TRUE);
        MiscPressKey(VK_NEXT); // the focus was in the page that goes: it moves to the tabs
        MiscSetKeyState(VK_CONTROL, FALSE);
        EXPECT_EQ(GetFocus(), MiscPropertySheetTab(hwnd));
        MiscPressKey(VK_TAB);
        EXPECT_EQ(FocusId(), kName);
        MiscTypeText("abc");
        EXPECT_EQ(MiscGetControlText(general.m_hWnd, kName), "abc");
        MiscPressKey(VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PropSheetTest, EscapeCancelsAndTheLayoutHoldsTheLargestPage)
{
    INT_PTR result = Run([this](HWND hwnd) {
        RECT tab, page, ok, cancel, client;
        GetWindowRect(MiscPropertySheetTab(hwnd), &tab);
        GetWindowRect(general.m_hWnd, &page);
        GetWindowRect(GetDlgItem(hwnd, IDOK), &ok);
        GetWindowRect(GetDlgItem(hwnd, IDCANCEL), &cancel);
        GetClientRect(hwnd, &client);
        RECT units{0, 0, 150, 120}; // the tallest page
        MapDialogRect(hwnd, &units);
        EXPECT_GE(page.bottom - page.top, units.bottom);
        EXPECT_GE(page.top, tab.top);
        EXPECT_LE(page.bottom, tab.bottom);
        EXPECT_GT(page.left, tab.left);
        EXPECT_GE(ok.top, tab.bottom);
        EXPECT_EQ(ok.top, cancel.top);
        EXPECT_LT(ok.left, cancel.left);
        POINT corner{client.right, client.bottom};
        ClientToScreen(hwnd, &corner);
        EXPECT_LE(cancel.right, corner.x);
        EXPECT_LE(cancel.bottom, corner.y);
        MiscPressKey(VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PropSheetTest, TitlesAndPagesThatDoNotWantToBeShown)
{
    sheet.SetTitle("Shirt", PSH_PROPTITLE);
    units.allowShow = false;
    Run([this](HWND hwnd) {
        char caption[64] = {0};
        GetWindowTextA(hwnd, caption, sizeof(caption));
        EXPECT_STREQ(caption, "Properties for Shirt");
        EXPECT_FALSE(MiscSelectPropertyPage(hwnd, "Units"));
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_EQ(Active(hwnd), 0);
        EXPECT_TRUE(general.IsWindowVisible());
        sheet.SetTitle("Trousers");
        GetWindowTextA(hwnd, caption, sizeof(caption));
        EXPECT_STREQ(caption, "Trousers");
        MiscClickButton(hwnd, IDCANCEL);
    });
}

TEST_F(PropSheetTest, AModelessSheetClosesItselfAfterOkOrCancel)
{
    ASSERT_TRUE(sheet.Create());
    HWND hwnd = sheet.m_hWnd;
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(sheet.GetActivePage(), &general);
    // A page added to an open sheet gets its tab at once.
    TestPage extra{kPageColours, "extra"};
    extra.m_psp.dwFlags |= PSP_USETITLE;
    extra.m_psp.pszTitle = "Extra";
    sheet.AddPage(&extra);
    EXPECT_EQ(SendMessageA(MiscPropertySheetTab(hwnd), TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_TRUE(MiscSelectPropertyPage(hwnd, "extra"));
    sheet.RemovePage(&extra);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_TRUE(sheet.PressButton(PSBTN_OK));
    MiscPumpMessages();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST_F(PropSheetTest, NobodyToAnswerTheSheetIsAnError)
{
    EXPECT_EQ(sheet.DoModal(), -1);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
    EXPECT_NE(MiscModalErrors()[0].find("property sheet 'Options'"), std::string::npos) << MiscModalErrors()[0];
    MiscClearModalErrors();
}

} // namespace
