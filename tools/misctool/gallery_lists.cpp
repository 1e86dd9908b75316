// Gallery pictures of the remembered-value lists: the list editor with the tip of a sort button
// showing, a history combo box open after a value was recorded, and the locate dialog. The
// lists they show are written to a folder of their own, never to the machine's shared one.
#include <misc/data/combolist.h>
#include <misc/datadlg.h>
#include <misc/frame/profile.h>

#include <family/kestprofile.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "gallery.h"
#include "win32/automation.h"
#include "win32/script.h"
#include "win32/surface.h"

namespace misctool {

namespace {

// Points the shared data folder to a new temporary folder for its life.
class PrivateCommonData {
public:
    PrivateCommonData()
    {
        if (const char* old = std::getenv("MISC_COMMON_DATA")) {
            m_had = true;
            m_old = old;
        }
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/misctool_lists_XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (const char* made = mkdtemp(buf.data()))
            m_dir = made;
        setenv("MISC_COMMON_DATA", m_dir.c_str(), 1);
        KestProfile::Reset();
    }
    ~PrivateCommonData()
    {
        char folder[MAX_PATH + 1] = {0};
        GetCommonDataFolder(folder);
        for (int type : {COMBO_LIST_PIECE_NAME, COMBO_LIST_MATERIAL_NAME})
            std::remove(CComboItemList::GetListFilePath(type).GetString());
        ::rmdir(folder);
        ::rmdir(m_dir.c_str());
        if (m_had)
            setenv("MISC_COMMON_DATA", m_old.c_str(), 1);
        else
            unsetenv("MISC_COMMON_DATA");
        KestProfile::Reset();
    }

private:
    bool m_had = false;
    std::string m_old;
    std::string m_dir;
};

void StoreList(int type, std::initializer_list<const char*> names)
{
    CComboItemList list;
    for (const char* name : names)
        list.AddComboItem(new CComboItem(name, ""), 0);
    list.Store(type);
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;
enum : int { kLabel = 1301, kCombo = 1302 };
const MiscResControl kHostControls[] = {
    {"STATIC", "Piece name:", kLabel, kChild | SS_LEFT, 0, 7, 9, 44, 8},
    {"COMBOBOX", "", kCombo, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, 54, 7, 110, 90},
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 114, 100, 50, 14},
};
const MiscResDialog kHostDialog = {0, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 40, 40, 172, 121,
                                   "Piece", "MS Shell Dlg", 8, nullptr, kHostControls, 3};

} // namespace

bool GalleryListEditor(const std::string& png, std::string& error)
{
    PrivateCommonData folder;
    StoreList(COMBO_LIST_MATERIAL_NAME, {"Denim", "Cotton twill", "Linen", "Wool flannel", "Silk satin", "Jersey",
                                         "Corduroy", "Canvas"});
    bool ok = false;
    error = "the list editor did not open";
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        MiscFindControl(m.hwnd, IDC_LBEDIT_LIST).Item(2).Click();
        // The mouse rests on the button that sorts ascending until its tip shows.
        HWND down = MiscFindControl(m.hwnd, LBE_IDC_DOWN).Window();
        MiscSendMouse(down, WM_MOUSEMOVE, 6, 6);
        MiscAdvanceClock(::GetDoubleClickTime() * 2);
        HWND tip = ::FindWindowA(TOOLTIPS_CLASSA, nullptr);
        RECT frame, both;
        ::GetWindowRect(m.hwnd, &frame);
        both = frame;
        if (tip && ::IsWindowVisible(tip)) {
            RECT tipRect;
            ::GetWindowRect(tip, &tipRect);
            ::UnionRect(&both, &frame, &tipRect);
        }
        ok = CaptureScreenRect(both, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    RButtonTypeDlg(COMBO_LIST_MATERIAL_NAME, 60, 40, 190, 230);
    MiscSetModalHandler(previous);
    return ok;
}

bool GalleryHistoryComboDropped(const std::string& png, std::string& error)
{
    PrivateCommonData folder;
    StoreList(COMBO_LIST_PIECE_NAME, {"Back", "Collar", "Cuff", "Sleeve", "Pocket flap", "Waistband"});
    CDialog dialog;
    if (!dialog.CreateIndirect(&kHostDialog, nullptr)) {
        error = "cannot create the dialog";
        return false;
    }
    CVmxCombo history;
    history.Initialize(kCombo, &dialog, COMBO_LIST_PIECE_NAME);
    // The user typed a new name and confirmed it, then used "Cuff" again: most recent first.
    history.SetWindowText("Front yoke");
    history.CloseAndAddString();
    history.CloseAndAddString(CString("Cuff"));
    HWND combo = dialog.GetDlgItem(kCombo)->m_hWnd;
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
    MiscSettle();
    RECT frame, list, both;
    dialog.GetWindowRect(&frame);
    ::GetWindowRect(info.hwndList, &list);
    ::UnionRect(&both, &frame, &list);
    const bool ok = CaptureScreenRect(both, png, error);
    dialog.DestroyWindow();
    return ok;
}

bool GalleryLocate(const std::string& png, std::string& error)
{
    bool ok = false;
    error = "the locate dialog did not open";
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    char path[256] = "/srv/patterns/2026/spring/shirt-front.cut";
    miscLocate(nullptr, path);
    MiscSetModalHandler(previous);
    return ok;
}

} // namespace misctool
