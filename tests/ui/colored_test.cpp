// Coloured dialogs (the shared brush and its reference count, background modes, flat buttons),
// pop-up menu groups, SetTransparency and IsWindowsXP.
#include <misc/ui.h>

#include <gtest/gtest.h>

#include <mfc/menu.h>
#include <toolkit/commandbars.h>
#include <toolkit/xtbutton.h>

#include <cstdlib>
#include <memory>

namespace {

enum : UINT { kDlg = 700, kMenu = 710 };
enum : int { kLabel = 701, kApply = 702 };

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const MiscResControl kControls[] = {
    {"STATIC", "Colour", kLabel, kChild | SS_LEFT, 0, 10, 10, 60, 10},
    {"BUTTON", "Apply", kApply, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 10, 70, 50, 14},
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 100, 70, 50, 14},
};
const MiscResDialog kDialogs[] = {
    {kDlg, DS_SETFONT | WS_POPUP | WS_VISIBLE, 0, 0, 0, 160, 90, "Coloured", "MS Shell Dlg", 8, nullptr, kControls, 3},
};
const MiscResMenuItem kMenuItems[] = {
    {0, TRUE, 0, "Draw", 0},     {1, FALSE, 100, "Line", 0}, {1, FALSE, 101, "Arc", 0},
    {1, FALSE, 0, nullptr, 0},   {1, FALSE, 102, "Circle", 0},
    {0, TRUE, 0, "Edit", 0},     {1, FALSE, 200, "Cut", 0},  {1, TRUE, 0, "More", 0},
    {2, FALSE, 210, "Trim", 0},  {1, FALSE, 201, "Copy", 0},
    {0, FALSE, 300, "Help", 0},  {0, TRUE, 0, "After", 0},   {1, FALSE, 400, "Never", 0},
};
const MiscResMenu kMenus[] = {{kMenu, kMenuItems, static_cast<int>(sizeof(kMenuItems) / sizeof(kMenuItems[0]))}};
const MiscResourceTable kTable = {nullptr, 0, kDialogs, 1, kMenus, 1, nullptr, 0, nullptr, 0};

HMODULE Module()
{
    return MiscRegisterModule("ui_colored_test.dll", &kTable);
}

class ColoredTest : public ::testing::Test {
protected:
    void SetUp() override { MiscResetPlatform(); }
    void TearDown() override { MiscResetPlatform(); }

    // A modeless coloured dialog, open and painted.
    std::unique_ptr<CQVXColoredDlg> Open(COLORREF* colour, int mode)
    {
        auto dlg = std::make_unique<CQVXColoredDlg>(colour, kDlg, nullptr, mode, Module());
        EXPECT_TRUE(dlg->Create(kDlg, nullptr, 0));
        MiscPumpMessages();
        return dlg;
    }
    static COLORREF Pixel(const MiscSurface& s, int x, int y) { return MiscColorFromPixel(s.row(y)[x]); }
};

TEST_F(ColoredTest, TwoDialogsShareOneBrush)
{
    COLORREF colour = RGB(200, 220, 255);
    auto first = std::make_unique<CQVXColoredDlg>(&colour, kDlg, nullptr, 0, Module());
    HBRUSH brush = CQVXColoredDlg::s_hBkBrush;
    ASSERT_NE(brush, nullptr);
    auto second = std::make_unique<CQVXColoredDlg>(&colour, kDlg, nullptr, 1, Module());
    EXPECT_EQ(CQVXColoredDlg::s_hBkBrush, brush);
    EXPECT_EQ(CQVXColoredDlg::s_nRefCount, 2);
    first.reset();
    EXPECT_EQ(CQVXColoredDlg::s_hBkBrush, brush) << "the second dialog still uses it";
    EXPECT_EQ(CQVXColoredDlg::s_nRefCount, 1);
    LOGBRUSH lb{};
    EXPECT_EQ(::GetObjectA(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, colour);
    second.reset();
    EXPECT_EQ(CQVXColoredDlg::s_hBkBrush, nullptr);
    EXPECT_EQ(CQVXColoredDlg::s_nRefCount, 0);
    EXPECT_EQ(::GetObjectType(brush), 0u) << "deleted";
}

TEST_F(ColoredTest, RefreshMakesABrushOfTheNewColour)
{
    COLORREF colour = RGB(10, 20, 30);
    CQVXColoredDlg dlg(&colour, 0);
    colour = RGB(40, 50, 60);
    CQVXColoredDlg::RefreshBkBrushColor();
    LOGBRUSH lb{};
    ::GetObjectA(CQVXColoredDlg::s_hBkBrush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(40, 50, 60));
}

TEST_F(ColoredTest, NoColourSwitchesColouringOff)
{
    COLORREF none = 0xFFFFFFFF;
    CQVXColoredDlg off(&none, 0);
    EXPECT_EQ(CQVXColoredDlg::s_pClrDlgBk, nullptr);
    EXPECT_EQ(CQVXColoredDlg::s_hBkBrush, nullptr);
    CQVXColoredDlg alsoOff(nullptr, 0);
    EXPECT_EQ(CQVXColoredDlg::s_pClrDlgBk, nullptr);
    auto dlg = Open(&none, 0);
    const MiscSurface s = MiscCaptureWindow(dlg->m_hWnd);
    EXPECT_EQ(Pixel(s, s.width - 3, s.height / 2), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(dlg->m_buttons.GetCount(), 0) << "plain buttons";
    dlg->DestroyWindow();
}

TEST_F(ColoredTest, BackgroundModes)
{
    COLORREF colour = RGB(0, 96, 192);
    const COLORREF white = RGB(255, 255, 255);
    struct Case {
        int mode;
        bool horizontal;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}}) {
        SCOPED_TRACE(c.mode);
        auto dlg = Open(&colour, c.mode);
        const MiscSurface s = MiscCaptureWindow(dlg->m_hWnd);
        ASSERT_GT(s.width, 100);
        const int midY = s.height / 2, midX = s.width / 2;
        if (c.mode == 0) {
            EXPECT_EQ(Pixel(s, 2, midY), colour);
            EXPECT_EQ(Pixel(s, s.width - 3, 2), colour);
        } else if (c.horizontal) {
            EXPECT_EQ(Pixel(s, 0, midY), colour) << "the colour on the left";
            EXPECT_NEAR(GetRValue(Pixel(s, s.width - 1, midY)), 255, 3) << "white on the right";
            EXPECT_EQ(Pixel(s, 0, 2), Pixel(s, 0, s.height - 2)) << "no vertical change";
        } else {
            EXPECT_NEAR(GetBValue(Pixel(s, midX, 0)), 255, 3);
            EXPECT_NEAR(GetRValue(Pixel(s, midX, 0)), 255, 3) << "white at the top";
            const COLORREF bottom = Pixel(s, midX, s.height - 1);
            EXPECT_NEAR(GetRValue(bottom), GetRValue(colour), 2) << "the colour at the bottom";
            EXPECT_NEAR(GetGValue(bottom), GetGValue(colour), 2);
            EXPECT_NEAR(GetBValue(bottom), GetBValue(colour), 2);
        }
        (void)white;
        dlg->DestroyWindow();
    }
}

TEST_F(ColoredTest, PushButtonsBecomeFlatButtonsOfTheColour)
{
    COLORREF colour = RGB(230, 200, 120);
    auto dlg = Open(&colour, 0);
    EXPECT_EQ(dlg->m_buttons.GetCount(), 2);
    void* value = nullptr;
    ASSERT_TRUE(dlg->m_buttons.Lookup(reinterpret_cast<void*>(static_cast<INT_PTR>(kApply)), value));
    auto* button = static_cast<CXTButton*>(value);
    EXPECT_EQ(button->GetColorFace(), colour);
    EXPECT_EQ(button->GetTheme(), xtThemeOfficeXP);
    EXPECT_EQ(button->GetXButtonStyle(), 0x1010u);
    EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    ASSERT_TRUE(dlg->m_buttons.Lookup(reinterpret_cast<void*>(static_cast<INT_PTR>(IDOK)), value));
    EXPECT_EQ(static_cast<CXTButton*>(value)->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW))
        << "the default push button too";

    MiscPumpMessages();
    const MiscSurface s = MiscCaptureWindow(dlg->m_hWnd);
    if (const char* dump = std::getenv("MISC_TEST_DUMP"))
        MiscWritePng(s, dump);
    CRect r;
    button->GetWindowRect(&r);
    dlg->ScreenToClient(&r);
    EXPECT_EQ(Pixel(s, r.left + 2, r.top + 2), colour) << "the face, inside the frame";

    colour = RGB(90, 160, 90);
    dlg->UpdateButtonColors();
    EXPECT_EQ(button->GetColorFace(), colour);
    // A second paint does not subclass anything twice.
    dlg->Invalidate();
    MiscPumpMessages();
    EXPECT_EQ(dlg->m_buttons.GetCount(), 2);
    dlg->DestroyWindow();
}

TEST_F(ColoredTest, StaticsGetTheSharedBrush)
{
    COLORREF colour = RGB(250, 240, 200);
    auto dlg = Open(&colour, 0);
    CWnd* label = dlg->GetDlgItem(kLabel);
    CClientDC dc(label);
    const HBRUSH brush = reinterpret_cast<HBRUSH>(
        dlg->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(label->m_hWnd)));
    EXPECT_EQ(brush, CQVXColoredDlg::s_hBkBrush);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetBkColor(), colour);
    dlg->DestroyWindow();
}

// ---- Pop-up menu groups ----

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        saved = AfxGetResourceHandle();
        AfxSetResourceHandle(Module());
        ASSERT_EQ(manager.Initialize(kMenu), 1);
    }
    void TearDown() override { AfxSetResourceHandle(saved); }

    HINSTANCE saved = nullptr;
    CQVXPopupMenuManager manager;
};

TEST_F(PopupMenuTest, GroupsAreTheTopLevelSubmenus)
{
    ASSERT_NE(manager.GetPopupIDs(0), nullptr);
    const std::vector<UINT> draw = {100, 101, 0, 102};
    const std::vector<UINT> edit = {200, static_cast<UINT>(-1), 201};
    ASSERT_EQ(manager.GetPopupSize(0), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(manager.GetPopupID(0, i), draw[static_cast<size_t>(i)]);
    ASSERT_EQ(manager.GetPopupSize(1), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(manager.GetPopupID(1, i), edit[static_cast<size_t>(i)]);
    EXPECT_EQ(manager.GetPopupIDs(2), nullptr) << "stops at the first item without a submenu";
    EXPECT_EQ(manager.GetPopupIDs(-1), nullptr);

    EXPECT_EQ(manager.FindPopupByFirstID(100, 0), 0);
    EXPECT_EQ(manager.FindPopupByFirstID(101, 0), -1);
    EXPECT_EQ(manager.FindPopupByFirstID(101, 1), 0);
    EXPECT_EQ(manager.FindPopupByFirstID(201, 1), 1);
    EXPECT_EQ(manager.FindPopupByFirstID(400, 1), -1);

    CQVXPopupMenuManager missing;
    EXPECT_EQ(missing.Initialize(9999), 0);
    EXPECT_EQ(manager.Initialize(kMenu), 1) << "again: the same groups, not twice";
    EXPECT_EQ(manager.GetPopupIDs(2), nullptr);
}

TEST_F(PopupMenuTest, SplitButtonsFollowTheLastCommand)
{
    CXTPCommandBars bars;
    CXTPToolBar* tools = bars.Add("Tools");
    CXTPControl* a = tools->GetControls()->Add(xtpControlSplitButtonPopup, 100);
    CXTPControl* b = tools->GetControls()->Add(xtpControlSplitButtonPopup, 102);
    CXTPControl* plain = tools->GetControls()->Add(xtpControlButton, 102);
    CXTPControl* popup = bars.Add("More")->GetControls()->Add(xtpControlPopup, 0);
    CXTPControl* nested = popup->GetCommandBar()->GetControls()->Add(xtpControlSplitButtonPopup, 100);

    manager.UpdateToID(101 | (7 << 16), &bars);
    EXPECT_EQ(a->GetID(), 101);
    EXPECT_EQ(b->GetID(), 101);
    EXPECT_EQ(nested->GetID(), 101) << "anywhere in the command bars";
    EXPECT_EQ(plain->GetID(), 102) << "only split buttons";
    EXPECT_EQ(bars.m_redraws, 1);

    manager.UpdateToID(999, &bars);
    manager.UpdateToID(0, &bars);
    EXPECT_EQ(a->GetID(), 101);
    EXPECT_EQ(bars.m_redraws, 1) << "a command in no group changes nothing";

    manager.UpdateToID(102, tools);
    EXPECT_EQ(a->GetID(), 102);
    EXPECT_EQ(nested->GetID(), 101) << "the toolbar form stays in its toolbar";
    EXPECT_EQ(tools->m_redraws, 1);
    EXPECT_EQ(tools->m_lastRedrawFlags, static_cast<UINT>(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN));
}

TEST_F(PopupMenuTest, PopupBarsGetTheGroupsSubmenu)
{
    std::unique_ptr<CXTPPopupBar> bar(CXTPPopupBar::CreatePopupBar(nullptr));
    manager.GetPopupMenu(0, bar.get(), 1);
    ASSERT_EQ(bar->GetControls()->GetCount(), 3) << "the separator is no control";
    EXPECT_EQ(bar->GetControls()->GetAt(2)->GetID(), 102);
    EXPECT_STREQ(bar->GetControls()->GetAt(1)->GetCaption().GetString(), "Arc");
    EXPECT_TRUE(bar->IsTearOffPopup());
    EXPECT_STREQ(bar->m_tearOffCaption.GetString(), "Draw");
    EXPECT_EQ(bar->m_tearOffID, XTPHashKey("Draw"));
    EXPECT_EQ(bar->m_tearOffWidth, 400);

    CXTPToolBar tools;
    CXTPControl* split = tools.GetControls()->Add(xtpControlSplitButtonPopup, 200);
    manager.SetMenuToCtrl(split, 1);
    CXTPControls* items = split->GetCommandBar()->GetControls();
    ASSERT_EQ(items->GetCount(), 3);
    EXPECT_EQ(items->GetAt(1)->GetType(), xtpControlPopup) << "the nested submenu";
    EXPECT_EQ(items->GetAt(1)->GetCommandBar()->GetControls()->GetAt(0)->GetID(), 210);
    CXTPControl* button = tools.GetControls()->Add(xtpControlButton, 5);
    manager.SetMenuToCtrl(button, 1); // no pop-up bar: nothing
    manager.GetPopupMenu(7, bar.get(), 0);
    EXPECT_EQ(bar->GetControls()->GetCount(), 3) << "a group that does not exist changes nothing";
}

// ---- Window functions ----

TEST_F(ColoredTest, TransparencyMakesTheWindowLayeredAndTheCaptureHonoursIt)
{
    EXPECT_EQ(SetTransparency(nullptr, 128), 0u);
    CWnd wnd;
    EXPECT_EQ(SetTransparency(&wnd, 128), 0u) << "no window yet";
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr));
    EXPECT_NE(SetTransparency(&wnd, 128), 0u);
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(wnd.GetLayeredWindowAttributes(nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
    const MiscSurface s = MiscCaptureWindow(wnd.m_hWnd);
    ASSERT_GT(s.width, 0);
    EXPECT_NEAR(static_cast<int>(s.row(10)[10] >> 24), 128, 1);
    wnd.DestroyWindow();
}

TEST_F(ColoredTest, WindowsXPOnTheReportedVersion)
{
    struct Case {
        DWORD major, minor;
        BOOL xp;
    };
    const Case cases[] = {{4, 10, FALSE}, {5, 0, FALSE}, {5, 1, TRUE}, {5, 2, FALSE}, {6, 0, TRUE}, {10, 0, TRUE}};
    for (const Case& c : cases) {
        MiscSetWindowsVersion(c.major, c.minor, 1000);
        EXPECT_EQ(IsWindowsXP(), c.xp) << c.major << "." << c.minor;
    }
}

} // namespace
