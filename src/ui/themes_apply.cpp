// Applying a theme: the command-bar and docking looks of each THEME value and the settings
// every theme shares, and reading the user's choice from the application's profile.
#include "misc/ui/themes.h"

#include "misc/geometry/text.h"
#include "themes_settings.h"

namespace {

// The user colour and user gradient themes with fixed colours.
struct FixedColors {
    int theme;
    bool gradient;
    COLORREF color1;
    COLORREF color2; // the amount of a user colour theme
};
const FixedColors kFixed[] = {
    {3, false, 0xa8c0c0, 220},      {4, false, 0xffd2aa, 180},      {5, false, 0xc09d82, 240},
    {6, true, 0xc09d89, 0xa6e3dc},  {7, false, 0x7fc87f, 192},      {8, true, 0xf2b9a0, 0x7fc87f},
    {9, false, 0x8caab9, 255},      {10, true, 0xff555a, 0x96c8ff}, {11, true, 0xffa0a0, 0xffffcc},
    {12, true, 0xf6c874, 0xf0965a}, {13, true, 0xc8dde1, 0xd6d6d6}, {15, false, 0xc0c0c0, 0},
};

void SetDockingTheme(CXTPDockingPaneManager* manager, XTPDockingPanePaintTheme theme)
{
    if (manager)
        manager->SetTheme(theme);
}

void SetDockingCustomTheme(CXTPDockingPaneManager* manager, COLORREF c1, COLORREF c2, COLORREF c3)
{
    if (manager)
        manager->SetCustomTheme(new CXTPMyDockingPaneOffice2003Theme(c1, c2, c3));
}

// Both looks of `theme`; false when the value names no theme.
bool SetLooks(CXTPDockingPaneManager* manager, int theme, COLORREF color1, COLORREF color2, int customVal)
{
    for (const FixedColors& f : kFixed) {
        if (f.theme != theme)
            continue;
        if (f.gradient)
            CThemesDlg::SetCustomGradientTheme(manager, f.color1, f.color2);
        else
            CThemesDlg::SetCustomColorTheme(manager, f.color1, static_cast<int>(f.color2));
        return true;
    }
    switch (theme) {
    case THEME_FLAT:
        CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
        if (manager) {
            manager->SetTheme(xtpPaneThemeOffice2003);
            manager->GetPaintManager()->GetTabPaintManager()->SetOneNoteColors(TRUE);
            manager->GetPaintManager()->GetPanelPaintManager()->SetOneNoteColors(TRUE);
        }
        XTPPaintManager()->GetIconsInfo()->bOfficeStyleDisabledIcons = FALSE;
        return true;
    case THEME_CLASSIC:
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
        if (manager) {
            manager->SetTheme(xtpPaneThemeDefault);
            manager->GetPaintManager()->GetPanelPaintManager()->SetAppearance(5);
            manager->GetPaintManager()->GetTabPaintManager()->SetAppearance(5);
        }
        return true;
    case THEME_GRADIENT:
        CXTPPaintManager::SetTheme(xtpThemeOffice2003);
        SetDockingCustomTheme(manager, CLR_NONE, CLR_NONE, CLR_NONE);
        return true;
    case THEME_ICY:
        CXTPPaintManager::SetCustomTheme(new CCustomIcyTheme());
        SetDockingTheme(manager, xtpPaneThemeGrippered);
        return true;
    case THEME_PINSTRIPE:
        CXTPPaintManager::SetCustomTheme(new CCustomMacTheme());
        SetDockingTheme(manager, xtpPaneThemeGrippered);
        return true;
    case THEME_BEVEL:
        CXTPPaintManager::SetCustomTheme(new CCustomBevelTheme());
        SetDockingTheme(manager, xtpPaneThemeDefault);
        return true;
    case THEME_BLACK_RED:
        CXTPPaintManager::SetCustomTheme(new CCustomUserGradientTheme(0x000000, 0x0000ff, 2));
        SetDockingCustomTheme(manager, 0x000000, 0x000000, 0x0000ff);
        return true;
    case THEME_USER_COLOR:
        CThemesDlg::SetCustomColorTheme(manager, color1, customVal);
        return true;
    case THEME_USER_GRADIENT:
        CThemesDlg::SetCustomGradientTheme(manager, color1, color2);
        return true;
    case THEME_USER_GRADIENT_BARS:
        CXTPPaintManager::SetCustomTheme(new CCustomUserGradientTheme(color1, color2, 2));
        SetDockingCustomTheme(manager, color1, color1, color2);
        return true;
    default:
        return false;
    }
}

void SetTabSettings(CXTPDockingPanePaintManager* paint, int tabsAtBottom)
{
    CXTPTabPaintManager* tabs = paint->GetTabPaintManager();
    CXTPTabPaintManager* panel = paint->GetPanelPaintManager();
    tabs->SetPosition(tabsAtBottom ? xtpTabPositionBottom : xtpTabPositionTop);
    for (CXTPTabPaintManager* t : {tabs, panel}) {
        t->m_bHotTracking = TRUE;
        t->m_bShowIcons = TRUE;
    }
    panel->SetLayout(0);
}

void SetFrameSettings(CWnd* site, int toolbarText)
{
    CXTPCommandBars* bars = MiscThemeFrameBars(site);
    if (!bars)
        return;
    CXTPCommandBarsOptions* options = bars->GetCommandBarsOptions();
    options->bShowTextBelowIcons = toolbarText ? TRUE : FALSE;
    options->bAlwaysShowFullMenus = TRUE;
    options->bToolBarScreenTips = TRUE;
    options->bShowExpandButtonAlways = TRUE;
    options->nAnimationType = 3;
}

} // namespace

void CThemesDlg::SetMainTheme(CXTPDockingPaneManager* manager, THEME theme, COLORREF color1, COLORREF color2,
                              int customVal, int tabsAtBottom, int dockingStickers, int autoHideAnimation,
                              int toolbarText)
{
    SetLooks(manager, static_cast<int>(theme), color1, color2, customVal);
    XTPPaintManager()->GetIconsInfo()->bIconsWithShadow = TRUE;
    if (manager) {
        if (CXTPDockingPanePaintManager* paint = manager->GetPaintManager())
            SetTabSettings(paint, tabsAtBottom);
        manager->SetThemedFloatingFrames(TRUE);
        manager->SetAlphaDockingContext(TRUE);
        manager->SetShowDockingContextStickers(dockingStickers ? TRUE : FALSE);
        manager->UseSplitterTracker(FALSE);
        if (autoHideAnimation)
            manager->SetAnimationDelay(-1, 128, 16);
        else
            manager->SetAnimationDelay(0, 1, 1);
        SetFrameSettings(manager->GetSite(), toolbarText);
    }
    XTP_COMMANDBARS_ICONSINFO* icons = XTPPaintManager()->GetIconsInfo();
    icons->bIconsWithShadow = TRUE;
    icons->bUseFadedIcons = FALSE;
}

void CThemesDlg::SetMainThemeByProfile(CXTPDockingPaneManager* manager, const CString& section)
{
    const MiscThemeSettings s = MiscReadThemeSettings(section);
    SetMainTheme(manager, static_cast<THEME>(s.mainTheme), s.color1, s.color2, s.customVal, s.tabsAtBottom,
                 s.dockingStickers, s.autoHideAnimation, s.toolbarText);
}

void CThemesDlg::SetCustomColorTheme(CXTPDockingPaneManager* manager, COLORREF color, int amount)
{
    CXTPPaintManager::SetCustomTheme(new CCustomUserColorTheme(color, amount));
    SetDockingCustomTheme(manager, color, LightenColor(3 * amount / 4, color), LightenColor(amount, color));
}

void CThemesDlg::SetCustomGradientTheme(CXTPDockingPaneManager* manager, COLORREF color1, COLORREF color2)
{
    CXTPPaintManager::SetCustomTheme(new CCustomUserGradientTheme(color1, color2, 1));
    SetDockingCustomTheme(manager, color1, LightenColor(150, color1), color2);
}
