// Gallery pictures of the theme layer and the combo box's drop-down list: the sample dialog in
// each built-in look, and a dialog whose combo box is open with the mouse over an entry.
#include <algorithm>
#include <string>

#include <afxwin.h>

#include "gallery.h"
#include "win32/surface.h"
#include "win32/theme.h"

namespace misctool {

namespace {

bool SampleDialogIn(const char* theme, const std::string& png, std::string& error)
{
    if (!MiscSelectTheme(theme)) {
        error = std::string("no theme is called ") + theme;
        return false;
    }
    const bool ok = GallerySampleDialog(png, error);
    MiscSelectTheme("classic");
    return ok;
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;
enum : int { kLabel = 1201, kCombo = 1202, kOk = IDOK };
const MiscResControl kComboControls[] = {
    {"STATIC", "Material:", kLabel, kChild | SS_LEFT, 0, 7, 9, 40, 8},
    {"COMBOBOX", "", kCombo, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 50, 7, 100, 70},
    {"BUTTON", "OK", kOk, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 100, 90, 50, 14},
};
const MiscResDialog kComboDialog = {0, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 160, 111,
                                    "Drop-down list", "MS Shell Dlg", 8, nullptr, kComboControls, 3};

} // namespace

bool GallerySampleDialogClassic(const std::string& png, std::string& error)
{
    return SampleDialogIn("classic", png, error);
}

bool GallerySampleDialogOffice2003(const std::string& png, std::string& error)
{
    return SampleDialogIn("office2003", png, error);
}

bool GalleryComboDropped(const std::string& png, std::string& error)
{
    CDialog dialog;
    if (!dialog.CreateIndirect(&kComboDialog, nullptr)) {
        error = "cannot create the dialog";
        return false;
    }
    HWND combo = dialog.GetDlgItem(kCombo)->m_hWnd;
    for (const char* s : {"Cotton", "Denim", "Linen", "Silk", "Tweed", "Velvet", "Wool", "Jersey", "Satin", "Felt"})
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    ::SendMessageA(combo, CB_SETCURSEL, 1, 0);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(kCombo));
    // The user opens the list and rests the mouse on the fourth entry.
    RECT box;
    ::GetWindowRect(combo, &box);
    MiscSendMouse(combo, WM_LBUTTONDOWN, box.right - box.left - 8, 5);
    MiscSendMouse(combo, WM_LBUTTONUP, box.right - box.left - 8, 5);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info) || !::IsWindowVisible(info.hwndList)) {
        dialog.DestroyWindow();
        error = "the list did not open";
        return false;
    }
    RECT item{};
    ::SendMessageA(info.hwndList, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
    MiscSendMouse(info.hwndList, WM_MOUSEMOVE, item.left + 10, (item.top + item.bottom) / 2);
    MiscSettle();
    RECT frame, list, both;
    dialog.GetWindowRect(&frame);
    ::GetWindowRect(info.hwndList, &list);
    ::UnionRect(&both, &frame, &list);
    const bool ok = CaptureScreenRect(both, png, error);
    dialog.DestroyWindow();
    return ok;
}

} // namespace misctool
