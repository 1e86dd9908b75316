// Gallery pictures of the common controls: a tool tip shown over a button of a small tool
// window, and a property sheet with three pages.
#include <afxcmn.h>
#include <afxdlgs.h>

#include <algorithm>
#include <string>

#include "gallery.h"
#include "win32/script.h"

namespace misctool {

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;

enum : int { kZoomIn = 1201, kZoomOut = 1202, kFit = 1203 };
const MiscResControl kToolControls[] = {
    {"BUTTON", "Zoom in", kZoomIn, kChild | WS_TABSTOP, 0, 7, 7, 50, 14},
    {"BUTTON", "Zoom out", kZoomOut, kChild | WS_TABSTOP, 0, 61, 7, 50, 14},
    {"BUTTON", "Fit", kFit, kChild | WS_TABSTOP, 0, 115, 7, 50, 14},
};
const MiscResDialog kToolDialog = {0, DS_SETFONT | WS_POPUP | WS_CAPTION, 0, 0, 0, 172, 60, "View tools", "MS Shell Dlg",
                                   8, nullptr, kToolControls, 3};

enum : UINT { kPageGeneral = 1301, kPageDisplay = 1302, kPageFiles = 1303 };
enum : int { kNameLabel = 1311, kName = 1312, kSeams = 1313, kUnits = 1314, kMm = 1315, kInch = 1316 };
const DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_CAPTION | WS_DISABLED;
const MiscResControl kGeneralControls[] = {
    {"STATIC", "Pattern &name:", kNameLabel, kChild | SS_LEFT, 0, 7, 9, 50, 8},
    {"EDIT", "Shirt front", kName, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 60, 7, 140, 14},
    {"BUTTON", "Show &seam allowance", kSeams, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 28, 120, 10},
    {"BUTTON", "Units", kUnits, kChild | BS_GROUPBOX, 0, 7, 44, 193, 40},
    {"BUTTON", "&Millimetres", kMm, kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 15, 56, 80, 10},
    {"BUTTON", "&Inches", kInch, kChild | BS_AUTORADIOBUTTON, 0, 15, 68, 80, 10},
};
const MiscResControl kDisplayControls[] = {
    {"BUTTON", "Show the &grid", 1321, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 7, 120, 10},
};
const MiscResControl kFilesControls[] = {
    {"BUTTON", "&Keep backups", 1331, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 7, 120, 10},
};
const MiscResDialog kPages[] = {
    {kPageGeneral, kPageStyle, 0, 0, 0, 207, 92, "General", "MS Shell Dlg", 8, nullptr, kGeneralControls, 6},
    {kPageDisplay, kPageStyle, 0, 0, 0, 207, 92, "Display", "MS Shell Dlg", 8, nullptr, kDisplayControls, 1},
    {kPageFiles, kPageStyle, 0, 0, 0, 207, 92, "Files", "MS Shell Dlg", 8, nullptr, kFilesControls, 1},
};
const MiscResourceTable kTable = {nullptr, 0, kPages, 3, nullptr, 0, nullptr, 0, nullptr, 0};

// The part of the desktop that shows both rectangles, with a small margin.
bool CaptureRegion(RECT a, RECT b, const std::string& png, std::string& error)
{
    MiscSurface desktop = MiscCaptureWindow(nullptr);
    RECT r{std::min(a.left, b.left) - 4, std::min(a.top, b.top) - 4, std::max(a.right, b.right) + 4,
           std::max(a.bottom, b.bottom) + 4};
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, desktop.width);
    r.bottom = std::min<LONG>(r.bottom, desktop.height);
    if (r.right <= r.left || r.bottom <= r.top) {
        error = "nothing to capture";
        return false;
    }
    MiscSurface out(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.pixels[static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)] =
                desktop.pixels[static_cast<size_t>(y + r.top) * static_cast<size_t>(desktop.width) + static_cast<size_t>(x + r.left)];
    if (!MiscWritePng(out, png.c_str())) {
        error = "cannot write " + png;
        return false;
    }
    return true;
}

class GalleryPage : public CPropertyPage {
public:
    GalleryPage(UINT id, HMODULE module) : CPropertyPage(id) { m_hResourceModule = module; }
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        if (GetDlgItem(kSeams)) {
            CheckDlgButton(kSeams, BST_CHECKED);
            CheckDlgButton(kMm, BST_CHECKED);
        }
        return TRUE;
    }
};

} // namespace

bool GalleryToolTip(const std::string& png, std::string& error)
{
    CDialog dialog;
    if (!dialog.CreateIndirect(&kToolDialog, nullptr)) {
        error = "cannot create the tool window";
        return false;
    }
    dialog.SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOW);
    CToolTipCtrl tips;
    tips.Create(&dialog);
    CWnd* zoom = dialog.GetDlgItem(kZoomIn);
    tips.AddTool(zoom, "Zooms in around the centre of the view (Ctrl++)");
    // The mouse rests on the button until the tip shows.
    MiscSendMouse(zoom->m_hWnd, WM_MOUSEMOVE, 20, 8);
    MiscAdvanceClock(static_cast<DWORD>(tips.GetDelayTime(TTDT_INITIAL)));
    bool ok = tips.IsWindowVisible() != FALSE;
    if (!ok)
        error = "the tool tip did not show";
    RECT a, b;
    dialog.GetWindowRect(&a);
    tips.GetWindowRect(&b);
    ok = ok && CaptureRegion(a, b, png, error);
    tips.DestroyWindow();
    dialog.DestroyWindow();
    return ok;
}

bool GalleryPropertySheet(const std::string& png, std::string& error)
{
    HMODULE module = MiscRegisterModule("gallery_pages.dll", &kTable);
    GalleryPage general(kPageGeneral, module), display(kPageDisplay, module), files(kPageFiles, module);
    CPropertySheet sheet("Pattern options");
    sheet.AddPage(&general);
    sheet.AddPage(&display);
    sheet.AddPage(&files);
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        if (m.kind == MiscModalKind::PropertySheet) {
            general.SetModified(); // Apply shows enabled
            ok = CaptureToPng(m.hwnd, png, error);
        }
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    sheet.DoModal();
    MiscSetModalHandler(previous);
    MiscUnregisterModule("gallery_pages.dll");
    return ok;
}

} // namespace misctool
