// The theme settings in the application's own profile.
#include "themes_settings.h"

#include <afxwin.h>

#include "misc/ui/themes.h"

namespace {

int Read(CWinApp* app, const CString& section, LPCTSTR key, int fallback)
{
    return app ? static_cast<int>(app->GetProfileInt(section, key, fallback)) : fallback;
}

} // namespace

MiscThemeSettings MiscReadThemeSettings(const CString& section)
{
    CWinApp* app = AfxGetApp();
    MiscThemeSettings s{};
    s.mainTheme = Read(app, section, MISC_THEME_KEY_MAIN, MISC_THEME_DEFAULT_MAIN);
    s.color1 = static_cast<COLORREF>(Read(app, section, MISC_THEME_KEY_COLOR1, MISC_THEME_DEFAULT_COLOR1));
    s.color2 = static_cast<COLORREF>(Read(app, section, MISC_THEME_KEY_COLOR2, MISC_THEME_DEFAULT_COLOR2));
    s.customVal = Read(app, section, MISC_THEME_KEY_VALUE, MISC_THEME_DEFAULT_VALUE);
    s.tabsAtBottom = Read(app, section, MISC_THEME_KEY_TABS_AT_BOTTOM, MISC_THEME_DEFAULT_TABS_AT_BOTTOM);
    s.toolbarText = Read(app, section, MISC_THEME_KEY_TOOLBAR_TEXT, MISC_THEME_DEFAULT_TOOLBAR_TEXT);
    s.dockingStickers = Read(app, section, MISC_THEME_KEY_STICKERS, MISC_THEME_DEFAULT_STICKERS);
    s.autoHideAnimation = Read(app, section, MISC_THEME_KEY_ANIMATION, MISC_THEME_DEFAULT_ANIMATION);
    return s;
}

void MiscWriteThemeSettings(const CString& section, const MiscThemeSettings& s)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    app->WriteProfileInt(section, MISC_THEME_KEY_MAIN, s.mainTheme);
    app->WriteProfileInt(section, MISC_THEME_KEY_COLOR1, static_cast<int>(s.color1));
    app->WriteProfileInt(section, MISC_THEME_KEY_COLOR2, static_cast<int>(s.color2));
    app->WriteProfileInt(section, MISC_THEME_KEY_VALUE, s.customVal);
    app->WriteProfileInt(section, MISC_THEME_KEY_TABS_AT_BOTTOM, s.tabsAtBottom);
    app->WriteProfileInt(section, MISC_THEME_KEY_TOOLBAR_TEXT, s.toolbarText);
    app->WriteProfileInt(section, MISC_THEME_KEY_STICKERS, s.dockingStickers);
    app->WriteProfileInt(section, MISC_THEME_KEY_ANIMATION, s.autoHideAnimation);
}
