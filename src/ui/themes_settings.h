#pragma once
// The eight theme settings of a profile section, as one value.
#include <afx.h>

struct MiscThemeSettings {
    int mainTheme;
    COLORREF color1;
    COLORREF color2;
    int customVal;
    int tabsAtBottom;
    int toolbarText;
    int dockingStickers;
    int autoHideAnimation;
};

// Reads them with the application's integer profile reader (the defaults when there is no
// application object).
MiscThemeSettings MiscReadThemeSettings(const CString& section);
// Writes them with the application's integer profile writer (nothing without an application).
void MiscWriteThemeSettings(const CString& section, const MiscThemeSettings& settings);

#include <toolkit/frame.h>

// The command bars of a toolkit frame (single- or multi-document), or null for any other window.
inline CXTPCommandBars* MiscThemeFrameBars(CWnd* site)
{
    return XTPGetFrameCommandBars(site);
}
