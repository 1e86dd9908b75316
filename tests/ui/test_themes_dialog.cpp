// The themes dialog driven as a person would: a picked theme repaints the frame at once, Cancel
// goes back to the stored look, OK stores all eight settings, and the colour controls show only
// for the themes made from user colours.
#include <misc/ui/themes.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

#include <win32/automation.h>
#include <win32/script.h>
#include <win32/surface.h>

#include "test_env.h"

namespace {

const char* const kSection = "Frame";

// A toolkit frame with one tool bar and two panes, counting the theme-change messages it gets.
class TestFrame : public CXTPFrameWnd {
public:
    int themeChanges = 0;
    CXTPDockingPaneManager panes;

    bool Build()
    {
        if (!Create(nullptr, "Themes test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 360)))
            return false;
        if (!InitCommandBars())
            return false;
        CXTPToolBar* bar = GetCommandBars()->Add("Standard", xtpBarTop);
        bar->GetControls()->Add(xtpControlButton, 100, "One");
        bar->GetControls()->Add(xtpControlButton, 101, "Two");
        panes.InstallDockingPanes(this);
        for (CStatic* s : {&left, &right})
            s->Create("", WS_CHILD, CRect(0, 0, 10, 10), this, s == &left ? 200 : 201);
        panes.CreatePane(200, CRect(0, 0, 120, 200), xtpPaneDockLeft)->Attach(&left);
        panes.CreatePane(201, CRect(0, 0, 120, 200), xtpPaneDockRight)->Attach(&right);
        RecalcLayout();
        MiscSettle();
        return true;
    }
    int Redraws() const { return GetCommandBars()->m_redraws; }
    COLORREF BarFace() const
    {
        // The middle of the tool bar's right end, past its buttons.
        CWnd* wnd = GetCommandBars()->GetAt(GetCommandBars()->GetCount() - 1)->GetWindow();
        if (!wnd)
            return CLR_NONE;
        MiscSurface shot = MiscCaptureWindow(wnd->m_hWnd);
        if (shot.width < 10 || shot.height < 4)
            return CLR_NONE;
        return MiscColorFromPixel(shot.row(shot.height / 2)[shot.width - 4]);
    }

protected:
    afx_msg LRESULT OnThemeChangedHere(WPARAM w, LPARAM l)
    {
        ++themeChanges;
        return OnThemeChanged(w, l);
    }
    DECLARE_MESSAGE_MAP()

private:
    CStatic left, right;
};

BEGIN_MESSAGE_MAP(TestFrame, CXTPFrameWnd)
    ON_MESSAGE(WM_XTP_THEMECHANGED, OnThemeChangedHere)
END_MESSAGE_MAP()

class ThemesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        app = std::make_unique<CWinApp>("ThemesDialogTest");
        const std::string file = misc_test::MakeTempDir("themesdlg") + "/app.ini";
        std::free(const_cast<char*>(app->m_pszProfileName));
        app->m_pszProfileName = strdup(file.c_str());
        frame = new TestFrame; // frames delete themselves
        ASSERT_TRUE(frame->Build());
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd())
            frame->DestroyWindow();
        app.reset();
        MiscResetPlatform();
    }
    // Opens the dialog and runs `act` on it; the action closes it.
    void Run(const std::function<void(HWND)>& act)
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_MISC_THEMES, [&](MiscModal& m) { act(m.hwnd); });
        CThemesDlg dialog(kSection, &frame->panes, frame, frame);
        dialog.DoModal();
        EXPECT_TRUE(user.AllDone()) << user.Report();
    }
    int Stored(const char* key) { return static_cast<int>(app->GetProfileInt(kSection, key, -12345)); }
    static bool Shown(HWND dlg, int id) { return ::IsWindowVisible(::GetDlgItem(dlg, id)) != FALSE; }

    std::unique_ptr<CWinApp> app;
    TestFrame* frame = nullptr;
};

TEST_F(ThemesDialogTest, AnEmptyProfileOpensOnTheDefaults)
{
    Run([&](HWND dlg) {
        EXPECT_EQ(::SendDlgItemMessageA(dlg, IDC_MISC_THEMES_LIST, LB_GETCOUNT, 0, 0), MISC_THEME_COUNT);
        EXPECT_EQ(::SendDlgItemMessageA(dlg, IDC_MISC_THEMES_LIST, LB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_MISC_THEMES_STICKERS), BST_CHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_MISC_THEMES_ANIMATION), BST_CHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_MISC_THEMES_TABS_AT_BOTTOM), BST_UNCHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_MISC_THEMES_TOOLBAR_TEXT), BST_UNCHECKED);
        EXPECT_EQ(::SendDlgItemMessageA(dlg, IDC_MISC_THEMES_SLIDER, TBM_GETPOS, 0, 0), MISC_THEME_DEFAULT_VALUE);
        auto* picker = static_cast<CXTColorPicker*>(CWnd::FromHandlePermanent(::GetDlgItem(dlg, IDC_MISC_THEMES_COLOR1)));
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->GetColor(), static_cast<COLORREF>(MISC_THEME_DEFAULT_COLOR1));
        EXPECT_EQ(picker->GetDefaultColor(), static_cast<COLORREF>(MISC_THEME_DEFAULT_COLOR1));
        EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CXTPOffice2003Theme)) << "the stored theme is previewed";
        MiscClickButton(dlg, IDCANCEL);
    });
}

TEST_F(ThemesDialogTest, PickingAThemeRepaintsTheFrameAtOnce)
{
    Run([&](HWND dlg) {
        const int redraws = frame->Redraws(), changes = frame->themeChanges;
        const COLORREF before = frame->BarFace();
        EXPECT_TRUE(MiscElement(::GetDlgItem(dlg, IDC_MISC_THEMES_LIST)).Item(18).Select());
        EXPECT_NE(dynamic_cast<CCustomUserGradientTheme*>(XTPPaintManager()), nullptr);
        EXPECT_EQ(frame->themeChanges, changes + 1);
        EXPECT_GE(frame->Redraws(), redraws + 2) << "before and after the frame";
        const COLORREF after = frame->BarFace();
        EXPECT_NE(after, before);
        EXPECT_EQ(after, XTPPaintManager()->GetXtremeColor(XTP_COLOR_BAR_FACE));
        MiscClickButton(dlg, IDCANCEL);
    });
}

TEST_F(ThemesDialogTest, CancelGoesBackExactlyToTheStoredLook)
{
    app->WriteProfileInt(kSection, "MainTheme", 7);
    app->WriteProfileInt(kSection, "TabsAtBottom", 1);
    CThemesDlg::SetMainThemeByProfile(&frame->panes, kSection);
    Run([&](HWND dlg) {
        MiscSelectItem(dlg, IDC_MISC_THEMES_LIST, 16);
        MiscSetCheck(dlg, IDC_MISC_THEMES_TABS_AT_BOTTOM, BST_UNCHECKED);
        MiscSetCheck(dlg, IDC_MISC_THEMES_STICKERS, BST_UNCHECKED);
        EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CCustomMacTheme));
        EXPECT_EQ(frame->panes.GetPaintManager()->GetTabPaintManager()->GetPosition(), xtpTabPositionTop);
        MiscClickButton(dlg, IDCANCEL);
    });
    auto* bars = dynamic_cast<CCustomUserColorTheme*>(XTPPaintManager());
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->m_clrColor, 0x7fc87fu);
    EXPECT_EQ(bars->m_nAmount, 192);
    auto* dock = dynamic_cast<CXTPMyDockingPaneOffice2003Theme*>(frame->panes.GetPaintManager());
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->m_clr1, 0x7fc87fu);
    EXPECT_EQ(frame->panes.GetPaintManager()->GetTabPaintManager()->GetPosition(), xtpTabPositionBottom);
    EXPECT_TRUE(frame->panes.IsShowDockingContextStickers());
    EXPECT_EQ(Stored("MainTheme"), 7);
    EXPECT_EQ(Stored("DockingStickers"), -12345) << "nothing written";
}

TEST_F(ThemesDialogTest, OkStoresAllEightSettings)
{
    Run([&](HWND dlg) {
        MiscSelectItem(dlg, IDC_MISC_THEMES_LIST, 20);
        MiscSetCheck(dlg, IDC_MISC_THEMES_TABS_AT_BOTTOM, BST_CHECKED);
        MiscSetCheck(dlg, IDC_MISC_THEMES_TOOLBAR_TEXT, BST_CHECKED);
        MiscSetCheck(dlg, IDC_MISC_THEMES_ANIMATION, BST_UNCHECKED);
        // The second colour from its picker's pop-up.
        MiscScriptedUser picker;
        picker.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal& m) {
            m.answer = "102030";
            m.answered = true;
        });
        EXPECT_TRUE(MiscClickButton(dlg, IDC_MISC_THEMES_COLOR2));
        EXPECT_TRUE(picker.AllDone()) << picker.Report();
        auto* bars = dynamic_cast<CCustomUserGradientTheme*>(XTPPaintManager());
        ASSERT_NE(bars, nullptr);
        EXPECT_EQ(bars->m_clrColor2, RGB(0x10, 0x20, 0x30)) << "a picked colour is previewed";
        EXPECT_TRUE(XTPGetFrameCommandBars(frame)->GetCommandBarsOptions()->bShowTextBelowIcons);
        MiscClickButton(dlg, IDOK);
    });
    EXPECT_EQ(Stored("MainTheme"), 20);
    EXPECT_EQ(Stored("ThemeCustomColor1"), MISC_THEME_DEFAULT_COLOR1);
    EXPECT_EQ(Stored("ThemeCustomColor2"), static_cast<int>(RGB(0x10, 0x20, 0x30)));
    EXPECT_EQ(Stored("ThemeCustomVal"), MISC_THEME_DEFAULT_VALUE);
    EXPECT_EQ(Stored("TabsAtBottom"), 1);
    EXPECT_EQ(Stored("ToolbarText"), 1);
    EXPECT_EQ(Stored("DockingStickers"), 1);
    EXPECT_EQ(Stored("AutoHideAnimation"), 0);
}

TEST_F(ThemesDialogTest, ColourControlsOnlyForTheUserThemes)
{
    Run([&](HWND dlg) {
        for (int theme = 0; theme < MISC_THEME_COUNT; ++theme) {
            SCOPED_TRACE(theme);
            MiscSelectItem(dlg, IDC_MISC_THEMES_LIST, theme);
            EXPECT_EQ(Shown(dlg, IDC_MISC_THEMES_COLOR1), theme >= 19);
            EXPECT_EQ(Shown(dlg, IDC_MISC_THEMES_COLOR2), theme >= 20);
            EXPECT_EQ(Shown(dlg, IDC_MISC_THEMES_SLIDER), theme == 19);
            EXPECT_EQ(Shown(dlg, IDC_MISC_THEMES_SLIDER_LABEL), theme == 19);
        }
        MiscClickButton(dlg, IDCANCEL);
    });
}

TEST_F(ThemesDialogTest, TheSliderSetsTheAmountLive)
{
    Run([&](HWND dlg) {
        MiscSelectItem(dlg, IDC_MISC_THEMES_LIST, 19);
        EXPECT_TRUE(MiscSelectItem(dlg, IDC_MISC_THEMES_SLIDER, 40));
        auto* bars = dynamic_cast<CCustomUserColorTheme*>(XTPPaintManager());
        ASSERT_NE(bars, nullptr);
        EXPECT_EQ(bars->m_nAmount, 40);
        EXPECT_EQ(bars->m_clrColor, static_cast<COLORREF>(MISC_THEME_DEFAULT_COLOR1));
        MiscClickButton(dlg, IDOK);
    });
    EXPECT_EQ(Stored("ThemeCustomVal"), 40);
    EXPECT_EQ(Stored("MainTheme"), 19);
}

TEST_F(ThemesDialogTest, WithoutAFrameTheDialogChangesNothing)
{
    CThemesDlg::SetMainTheme(&frame->panes, THEME_BEVEL, 0, 0, 0, 0, 1, 1, 0);
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_THEMES, [&](MiscModal& m) {
        EXPECT_EQ(::SendDlgItemMessageA(m.hwnd, IDC_MISC_THEMES_LIST, LB_GETCOUNT, 0, 0), 0);
        MiscClickButton(m.hwnd, IDOK);
    });
    CThemesDlg dialog(kSection, &frame->panes, static_cast<CXTPFrameWnd*>(nullptr), nullptr);
    dialog.DoModal();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CCustomBevelTheme));
    EXPECT_EQ(Stored("MainTheme"), -12345);
}

} // namespace
