// Applying themes: which looks each of the 22 themes sets, the settings every theme shares, the
// profile and its defaults, and the library's docking look.
#include <misc/ui/themes.h>
#include <misc/geometry/text.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <typeinfo>

#include "test_env.h"

namespace {

// A plain site with a docking-pane manager and an application object with its own profile.
class ThemesApplyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        app = std::make_unique<CWinApp>("ThemesTest");
        const std::string file = misc_test::MakeTempDir("themes") + "/themes.ini";
        std::free(const_cast<char*>(app->m_pszProfileName));
        app->m_pszProfileName = strdup(file.c_str());
        site.CreateEx(0, AfxRegisterWndClass(0), "site", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
        manager = std::make_unique<CXTPDockingPaneManager>();
        manager->InstallDockingPanes(&site);
    }
    void TearDown() override
    {
        manager.reset();
        site.DestroyWindow();
        app.reset();
        MiscResetPlatform();
    }
    void Apply(int theme, COLORREF c1 = 0x123456, COLORREF c2 = 0x654321, int value = 99, int tabsAtBottom = 0,
               int stickers = 1, int animation = 1)
    {
        CThemesDlg::SetMainTheme(manager.get(), static_cast<THEME>(theme), c1, c2, value, tabsAtBottom, stickers, animation, 0);
    }
    CXTPDockingPanePaintManager* Docking() const { return manager->GetPaintManager(); }
    const CXTPMyDockingPaneOffice2003Theme* MyDocking() const
    {
        return dynamic_cast<const CXTPMyDockingPaneOffice2003Theme*>(Docking());
    }

    std::unique_ptr<CWinApp> app;
    CWnd site;
    std::unique_ptr<CXTPDockingPaneManager> manager;
};

// What a theme should set: the command-bar look and the docking look.
enum class Bars { Flat, Classic, Gradient, UserColor, UserGradient, Icy, Mac, Bevel };
enum class Dock { Builtin6, Builtin0, Builtin1, Mine };
struct Expected {
    int theme;
    Bars bars;
    COLORREF c1, c2; // user colour and amount, or the two colours
    int style;       // of a user gradient theme
    Dock dock;
    COLORREF d1, d2, d3; // the library's docking look's colours
};

const COLORREF U1 = 0x123456, U2 = 0x654321; // the user colours the test passes
const COLORREF N = CLR_NONE;
COLORREF L(int amount, COLORREF c) { return LightenColor(amount, c); }

const Expected kTable[] = {
    {0, Bars::Flat, 0, 0, 0, Dock::Builtin6, 0, 0, 0},
    {1, Bars::Classic, 0, 0, 0, Dock::Builtin0, 0, 0, 0},
    {2, Bars::Gradient, 0, 0, 0, Dock::Mine, N, N, N},
    {3, Bars::UserColor, 0xa8c0c0, 220, 0, Dock::Mine, 0xa8c0c0, L(165, 0xa8c0c0), L(220, 0xa8c0c0)},
    {4, Bars::UserColor, 0xffd2aa, 180, 0, Dock::Mine, 0xffd2aa, L(135, 0xffd2aa), L(180, 0xffd2aa)},
    {5, Bars::UserColor, 0xc09d82, 240, 0, Dock::Mine, 0xc09d82, L(180, 0xc09d82), L(240, 0xc09d82)},
    {6, Bars::UserGradient, 0xc09d89, 0xa6e3dc, 1, Dock::Mine, 0xc09d89, L(150, 0xc09d89), 0xa6e3dc},
    {7, Bars::UserColor, 0x7fc87f, 192, 0, Dock::Mine, 0x7fc87f, L(144, 0x7fc87f), L(192, 0x7fc87f)},
    {8, Bars::UserGradient, 0xf2b9a0, 0x7fc87f, 1, Dock::Mine, 0xf2b9a0, L(150, 0xf2b9a0), 0x7fc87f},
    {9, Bars::UserColor, 0x8caab9, 255, 0, Dock::Mine, 0x8caab9, L(191, 0x8caab9), L(255, 0x8caab9)},
    {10, Bars::UserGradient, 0xff555a, 0x96c8ff, 1, Dock::Mine, 0xff555a, L(150, 0xff555a), 0x96c8ff},
    {11, Bars::UserGradient, 0xffa0a0, 0xffffcc, 1, Dock::Mine, 0xffa0a0, L(150, 0xffa0a0), 0xffffcc},
    {12, Bars::UserGradient, 0xf6c874, 0xf0965a, 1, Dock::Mine, 0xf6c874, L(150, 0xf6c874), 0xf0965a},
    {13, Bars::UserGradient, 0xc8dde1, 0xd6d6d6, 1, Dock::Mine, 0xc8dde1, L(150, 0xc8dde1), 0xd6d6d6},
    {14, Bars::Icy, 0, 0, 0, Dock::Builtin1, 0, 0, 0},
    {15, Bars::UserColor, 0xc0c0c0, 0, 0, Dock::Mine, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0},
    {16, Bars::Mac, 0, 0, 0, Dock::Builtin1, 0, 0, 0},
    {17, Bars::Bevel, 0, 0, 0, Dock::Builtin0, 0, 0, 0},
    {18, Bars::UserGradient, 0x000000, 0x0000ff, 2, Dock::Mine, 0x000000, 0x000000, 0x0000ff},
    {19, Bars::UserColor, U1, 99, 0, Dock::Mine, U1, L(74, U1), L(99, U1)},
    {20, Bars::UserGradient, U1, U2, 1, Dock::Mine, U1, L(150, U1), U2},
    {21, Bars::UserGradient, U1, U2, 2, Dock::Mine, U1, U1, U2},
};

void ExpectBars(const Expected& e)
{
    CXTPPaintManager* pm = XTPPaintManager();
    SCOPED_TRACE("command-bar look");
    switch (e.bars) {
    case Bars::Flat: EXPECT_EQ(typeid(*pm), typeid(CXTPOfficeTheme)); break;
    case Bars::Classic: EXPECT_EQ(typeid(*pm), typeid(CXTPDefaultTheme)); break;
    case Bars::Gradient: EXPECT_EQ(typeid(*pm), typeid(CXTPOffice2003Theme)); break;
    case Bars::Icy: EXPECT_EQ(typeid(*pm), typeid(CCustomIcyTheme)); break;
    case Bars::Mac: EXPECT_EQ(typeid(*pm), typeid(CCustomMacTheme)); break;
    case Bars::Bevel: EXPECT_EQ(typeid(*pm), typeid(CCustomBevelTheme)); break;
    case Bars::UserColor: {
        auto* t = dynamic_cast<CCustomUserColorTheme*>(pm);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->m_clrColor, e.c1);
        EXPECT_EQ(t->m_nAmount, static_cast<int>(e.c2));
        break;
    }
    case Bars::UserGradient: {
        auto* t = dynamic_cast<CCustomUserGradientTheme*>(pm);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->m_clrColor1, e.c1);
        EXPECT_EQ(t->m_clrColor2, e.c2);
        EXPECT_EQ(t->m_nStyle, e.style);
        break;
    }
    }
}

TEST_F(ThemesApplyTest, EachThemeSetsItsTwoLooks)
{
    for (const Expected& e : kTable) {
        SCOPED_TRACE("theme " + std::to_string(e.theme));
        // Start from another look each time, so that every theme has to set both.
        Apply(e.theme == 17 ? 16 : 17);
        Apply(e.theme);
        ExpectBars(e);
        switch (e.dock) {
        case Dock::Builtin6:
            EXPECT_EQ(manager->GetCurrentTheme(), xtpPaneThemeOffice2003);
            EXPECT_EQ(MyDocking(), nullptr);
            EXPECT_TRUE(Docking()->GetTabPaintManager()->IsOneNoteColors());
            EXPECT_TRUE(Docking()->GetPanelPaintManager()->IsOneNoteColors());
            EXPECT_FALSE(XTPPaintManager()->GetIconsInfo()->bOfficeStyleDisabledIcons);
            break;
        case Dock::Builtin0:
            EXPECT_EQ(manager->GetCurrentTheme(), xtpPaneThemeDefault);
            EXPECT_EQ(MyDocking(), nullptr);
            if (e.theme == 1) {
                EXPECT_EQ(Docking()->GetTabPaintManager()->GetAppearance(), 5);
                EXPECT_EQ(Docking()->GetPanelPaintManager()->GetAppearance(), 5);
            }
            break;
        case Dock::Builtin1:
            EXPECT_EQ(manager->GetCurrentTheme(), xtpPaneThemeGrippered);
            EXPECT_EQ(MyDocking(), nullptr);
            break;
        case Dock::Mine:
            ASSERT_NE(MyDocking(), nullptr);
            EXPECT_EQ(MyDocking()->m_clr1, e.d1);
            EXPECT_EQ(MyDocking()->m_clr2, e.d2);
            EXPECT_EQ(MyDocking()->m_clr3, e.d3);
            break;
        }
    }
}

TEST_F(ThemesApplyTest, AValueOutsideTheTableOnlyAppliesTheCommonSettings)
{
    for (int theme : {22, -1, 1000}) {
        SCOPED_TRACE(theme);
        Apply(14, U1, U2, 99, 0, 1, 1);
        CXTPPaintManager* bars = XTPPaintManager();
        CXTPDockingPanePaintManager* dock = Docking();
        const UINT generation = XTPPaintManagerGeneration();
        Apply(theme, U1, U2, 99, 1, 0, 0);
        EXPECT_EQ(XTPPaintManager(), bars);
        EXPECT_EQ(XTPPaintManagerGeneration(), generation);
        EXPECT_EQ(Docking(), dock);
        EXPECT_EQ(Docking()->GetTabPaintManager()->GetPosition(), xtpTabPositionBottom);
        EXPECT_FALSE(manager->IsShowDockingContextStickers());
        EXPECT_EQ(manager->GetAnimationDelay(), 0.0);
    }
}

TEST_F(ThemesApplyTest, CommonSettings)
{
    XTPPaintManager()->GetIconsInfo()->bUseFadedIcons = TRUE;
    manager->UseSplitterTracker(TRUE);
    Apply(0, U1, U2, 99, 1, 0, 0);
    CXTPTabPaintManager* tabs = Docking()->GetTabPaintManager();
    CXTPTabPaintManager* panel = Docking()->GetPanelPaintManager();
    EXPECT_EQ(tabs->GetPosition(), xtpTabPositionBottom);
    for (CXTPTabPaintManager* t : {tabs, panel}) {
        EXPECT_TRUE(t->m_bHotTracking);
        EXPECT_TRUE(t->m_bShowIcons);
    }
    EXPECT_EQ(panel->GetLayout(), 0);
    EXPECT_TRUE(manager->IsThemedFloatingFrames());
    EXPECT_TRUE(manager->IsAlphaDockingContext());
    EXPECT_FALSE(manager->IsShowDockingContextStickers());
    EXPECT_FALSE(manager->IsSplitterTrackerUsed());
    EXPECT_EQ(manager->GetAnimationDelay(), 0.0);
    EXPECT_EQ(manager->GetAnimationDuration(), 1);
    EXPECT_EQ(manager->GetAnimationInterval(), 1);
    const XTP_COMMANDBARS_ICONSINFO* icons = XTPPaintManager()->GetIconsInfo();
    EXPECT_TRUE(icons->bIconsWithShadow);
    EXPECT_FALSE(icons->bUseFadedIcons);

    Apply(0, U1, U2, 99, 0, 1, 1);
    EXPECT_EQ(Docking()->GetTabPaintManager()->GetPosition(), xtpTabPositionTop);
    EXPECT_TRUE(manager->IsShowDockingContextStickers());
    EXPECT_EQ(manager->GetAnimationDelay(), -1.0);
    EXPECT_EQ(manager->GetAnimationDuration(), 128);
    EXPECT_EQ(manager->GetAnimationInterval(), 16);
}

TEST_F(ThemesApplyTest, WithoutAManagerOnlyTheCommandBarsChange)
{
    CThemesDlg::SetMainTheme(nullptr, THEME_ICY, U1, U2, 99, 1, 1, 1, 1);
    EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CCustomIcyTheme));
    CThemesDlg::SetMainTheme(nullptr, THEME_USER_GRADIENT_BARS, U1, U2, 99, 1, 1, 1, 1);
    EXPECT_NE(dynamic_cast<CCustomUserGradientTheme*>(XTPPaintManager()), nullptr);
    EXPECT_TRUE(XTPPaintManager()->GetIconsInfo()->bIconsWithShadow);
}

TEST_F(ThemesApplyTest, AnEmptyProfileGivesTheBlueGradientWithStickersAndAnimation)
{
    Apply(14, U1, U2, 99, 1, 0, 0);
    CThemesDlg::SetMainThemeByProfile(manager.get(), "Frame");
    EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CXTPOffice2003Theme));
    ASSERT_NE(MyDocking(), nullptr);
    EXPECT_EQ(MyDocking()->m_clr1, CLR_NONE);
    EXPECT_EQ(Docking()->GetTabPaintManager()->GetPosition(), xtpTabPositionTop);
    EXPECT_TRUE(manager->IsShowDockingContextStickers());
    EXPECT_EQ(manager->GetAnimationDelay(), -1.0);
    EXPECT_EQ(manager->GetAnimationDuration(), 128);
}

TEST_F(ThemesApplyTest, TheProfileSectionChoosesTheThemeAndItsColours)
{
    app->WriteProfileInt("Frame", "MainTheme", 19);
    app->WriteProfileInt("Frame", "ThemeCustomColor1", 0x2060a0);
    app->WriteProfileInt("Frame", "ThemeCustomVal", 40);
    app->WriteProfileInt("Frame", "TabsAtBottom", 1);
    app->WriteProfileInt("Other", "MainTheme", 16);
    CThemesDlg::SetMainThemeByProfile(manager.get(), "Frame");
    auto* bars = dynamic_cast<CCustomUserColorTheme*>(XTPPaintManager());
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->m_clrColor, 0x2060a0u);
    EXPECT_EQ(bars->m_nAmount, 40);
    EXPECT_EQ(Docking()->GetTabPaintManager()->GetPosition(), xtpTabPositionBottom);
    CThemesDlg::SetMainThemeByProfile(manager.get(), "Other");
    EXPECT_EQ(typeid(*XTPPaintManager()), typeid(CCustomMacTheme));
    // Theme 20 takes its second colour's default when only the first is stored.
    app->WriteProfileInt("Frame", "MainTheme", 20);
    CThemesDlg::SetMainThemeByProfile(manager.get(), "Frame");
    auto* gradient = dynamic_cast<CCustomUserGradientTheme*>(XTPPaintManager());
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->m_clrColor1, 0x2060a0u);
    EXPECT_EQ(gradient->m_clrColor2, static_cast<COLORREF>(MISC_THEME_DEFAULT_COLOR2));
}

TEST(DockingTheme, WithoutColoursOnlyItsOwnMetrics)
{
    CXTPDockingPaneOffice2003Theme base;
    CXTPMyDockingPaneOffice2003Theme mine;
    EXPECT_EQ(mine.GetCurrentTheme(), xtpPaneThemeOffice2003);
    EXPECT_EQ(mine.m_nCaptionFontGap, 12);
    EXPECT_EQ(mine.m_nSplitterSize, 4);
    EXPECT_TRUE(mine.GetTabPaintManager()->IsOneNoteColors());
    EXPECT_TRUE(mine.GetTabPaintManager()->m_bBoldSelected);
    EXPECT_EQ(mine.GetPanelPaintManager()->GetAppearance(), 3);
    EXPECT_EQ(mine.GetXtremeColor(XTP_COLOR_MASK), base.GetXtremeColor(XTP_COLOR_MASK));
    EXPECT_EQ(mine.GetTabPaintManager()->GetColorSet()->clrFace, base.GetTabPaintManager()->GetColorSet()->clrFace);
    EXPECT_EQ(mine.m_clrNormalCaption.GetLight(), base.m_clrNormalCaption.GetLight());
    EXPECT_FALSE(mine.m_clrNormalCaption.IsCustomValue());
}

TEST(DockingTheme, TabsFromTheSecondAndThirdColourCaptionsFromTheFirst)
{
    const COLORREF c1 = 0xc09d82, c2 = 0xd0e0f0, c3 = 0xf0f8ff;
    CXTPMyDockingPaneOffice2003Theme mine(c1, c2, c3);
    for (CXTPTabPaintManager* t : {mine.GetTabPaintManager(), mine.GetPanelPaintManager()}) {
        const CXTPTabPaintManager::CColorSet* set = t->GetColorSet();
        EXPECT_EQ(set->clrHeaderFace, c2);
        EXPECT_EQ(set->clrFace, c3);
        EXPECT_EQ(set->clrBorder, DarkenColor(100, c1));
    }
    EXPECT_EQ(mine.GetXtremeColor(XTP_COLOR_MASK), c2);
    EXPECT_EQ(mine.m_clrNormalCaption.GetLight(), LightenColor(200, c1));
    EXPECT_EQ(mine.m_clrNormalCaption.GetDark(), c1);
    EXPECT_TRUE(mine.m_clrNormalCaption.IsCustomValue());
    // Without a third colour the second stands in for it.
    CXTPMyDockingPaneOffice2003Theme two(c1, c2);
    EXPECT_EQ(two.GetTabPaintManager()->GetColorSet()->clrFace, c2);
}

TEST(DockingTheme, ADarkFirstColourIsLightenedBeforeUse)
{
    // Brightness R + 2G + 0.5B: black is lightened by 64 first.
    CXTPMyDockingPaneOffice2003Theme black(0x000000, 0x000000, 0x0000ff);
    const COLORREF lifted = LightenColor(64, 0x000000);
    EXPECT_EQ(black.m_clrNormalCaption.GetDark(), lifted);
    EXPECT_EQ(black.m_clrNormalCaption.GetLight(), LightenColor(200, lifted));
    EXPECT_EQ(black.GetTabPaintManager()->GetColorSet()->clrBorder, DarkenColor(100, lifted));
    // Exactly 300 stays, 299 is lightened.
    CXTPMyDockingPaneOffice2003Theme edge(RGB(100, 100, 0));
    EXPECT_EQ(edge.m_clrNormalCaption.GetDark(), RGB(100, 100, 0));
    CXTPMyDockingPaneOffice2003Theme below(RGB(99, 100, 0));
    EXPECT_EQ(below.m_clrNormalCaption.GetDark(), LightenColor(64, RGB(99, 100, 0)));
}

} // namespace
