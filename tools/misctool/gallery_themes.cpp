// Gallery pictures of the themes: the sample host frame (menu bar, two tool bars, two docking
// panes, a view with a pattern piece and a status bar) in each of the 22 themes, and the themes
// dialog it opens.
#include <misc/ui.h>

#include <toolkit/paintmanager.h>
#include <win32/script.h>

#include <string>

#include "frame_host/frame_host.h"
#include "gallery.h"

namespace misctool {

namespace {

constexpr int kWidth = 760, kHeight = 520;

bool FrameInTheme(int theme, const std::string& png, std::string& error)
{
    sample::CFrameHostFrame* frame = sample::CFrameHostFrame::Create(CRect(0, 0, kWidth, kHeight), true);
    if (!frame) {
        error = "the sample frame could not be made";
        return false;
    }
    // The user colours at their defaults, so that themes 19 to 21 show what a new user sees.
    CThemesDlg::SetMainTheme(frame->GetDockingPaneManager(), static_cast<THEME>(theme), MISC_THEME_DEFAULT_COLOR1,
                             MISC_THEME_DEFAULT_COLOR2, MISC_THEME_DEFAULT_VALUE, 0, 1, 1, 0);
    // The Pieces pane active, so that its caption shows the theme's active colours.
    CXTPDockingPaneManager* panes = frame->GetDockingPaneManager();
    panes->ShowPane(panes->FindPane(sample::kPanePieces));
    MiscSettle();
    const HWND hwnd = frame->GetSafeHwnd();
    const bool ok = CaptureToPng(hwnd, png, error);
    DestroyIfOpen(hwnd);
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    return ok;
}

} // namespace

#define MISCTOOL_GALLERY_THEME_FUNCTION(n)                             \
    bool GalleryTheme##n(const std::string& png, std::string& error) \
    {                                                                  \
        return FrameInTheme(1##n - 100, png, error);                   \
    }
MISCTOOL_GALLERY_THEME_FUNCTION(00)
MISCTOOL_GALLERY_THEME_FUNCTION(01)
MISCTOOL_GALLERY_THEME_FUNCTION(02)
MISCTOOL_GALLERY_THEME_FUNCTION(03)
MISCTOOL_GALLERY_THEME_FUNCTION(04)
MISCTOOL_GALLERY_THEME_FUNCTION(05)
MISCTOOL_GALLERY_THEME_FUNCTION(06)
MISCTOOL_GALLERY_THEME_FUNCTION(07)
MISCTOOL_GALLERY_THEME_FUNCTION(08)
MISCTOOL_GALLERY_THEME_FUNCTION(09)
MISCTOOL_GALLERY_THEME_FUNCTION(10)
MISCTOOL_GALLERY_THEME_FUNCTION(11)
MISCTOOL_GALLERY_THEME_FUNCTION(12)
MISCTOOL_GALLERY_THEME_FUNCTION(13)
MISCTOOL_GALLERY_THEME_FUNCTION(14)
MISCTOOL_GALLERY_THEME_FUNCTION(15)
MISCTOOL_GALLERY_THEME_FUNCTION(16)
MISCTOOL_GALLERY_THEME_FUNCTION(17)
MISCTOOL_GALLERY_THEME_FUNCTION(18)
MISCTOOL_GALLERY_THEME_FUNCTION(19)
MISCTOOL_GALLERY_THEME_FUNCTION(20)
MISCTOOL_GALLERY_THEME_FUNCTION(21)
#undef MISCTOOL_GALLERY_THEME_FUNCTION

bool GalleryThemesDialog(const std::string& png, std::string& error)
{
    sample::CFrameHostFrame* frame = sample::CFrameHostFrame::Create(CRect(0, 0, kWidth, kHeight), true);
    if (!frame) {
        error = "the sample frame could not be made";
        return false;
    }
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(IDD_MISC_THEMES, [&](MiscModal& m) {
        // The person picks "My colour" and moves the slider to 100: its colour controls show.
        MiscSelectItem(m.hwnd, IDC_MISC_THEMES_LIST, THEME_USER_COLOR);
        MiscSelectItem(m.hwnd, IDC_MISC_THEMES_SLIDER, 100);
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    const HWND hwnd = frame->GetSafeHwnd();
    frame->SendMessage(WM_COMMAND, ID_HOST_THEMES);
    if (ok && !user.AllDone()) {
        error = user.Report();
        ok = false;
    }
    DestroyIfOpen(hwnd);
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    return ok;
}

} // namespace misctool
