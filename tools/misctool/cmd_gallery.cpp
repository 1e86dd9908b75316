// misctool gallery: writes a PNG of every window of the gallery table (gallery.h).
#include <windows.h>
#include <afxwin.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "gallery.h"
#include "win32/script.h"

namespace misctool {

namespace {

struct Entry {
    const char* name;
    bool (*show)(const std::string& png, std::string& error);
    const char* summary;
};

#define MISCTOOL_GALLERY_ENTRY(name, function, summary) {name, &function, summary},
const Entry kEntries[] = {MISCTOOL_GALLERY(MISCTOOL_GALLERY_ENTRY)};
#undef MISCTOOL_GALLERY_ENTRY

// Numbers of the resource module (resources/resource.h).
const UINT kSampleDialog = 9000;
const int kSampleEdit = 9004, kSampleCombo = 9005, kSampleList = 9006, kSampleAutoCheck = 9008,
          kSample3State = 9009, kSampleAutoRadio1 = 9011, kSampleScroll = 9014, kSampleListView = 9017,
          kSampleSlider = 9018, kSampleSpin = 9019;

int RunGallery(Context& ctx, const std::vector<std::string>& args)
{
    std::string out;
    std::string only;
    bool list = false;
    ArgParser parser;
    parser.Option("--out", &out).Option("--only", &only).Flag("--list", &list);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (list) {
        for (const Entry& e : kEntries)
            ctx.out << e.name << "  " << e.summary << "\n";
        return kExitOk;
    }
    if (out.empty())
        return BadUsage(ctx, "--out DIR is required");
    if (!CreateDirectoryA(out.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return Fail(ctx, "cannot create the folder " + out);
    int failures = 0, written = 0;
    for (const Entry& e : kEntries) {
        if (!only.empty() && only != e.name)
            continue;
        std::string png = out + "/" + e.name + ".png";
        std::string error;
        MiscResetPlatform();
        if (e.show(png, error)) {
            ctx.out << png << "\n";
            ++written;
        } else {
            ctx.err << "misctool gallery: " << e.name << ": " << error << "\n";
            ++failures;
        }
    }
    MiscResetPlatform();
    if (!only.empty() && written == 0 && failures == 0)
        return BadUsage(ctx, "no gallery entry is called " + only);
    return failures ? kExitFailure : kExitOk;
}

} // namespace

namespace {
ShowHook g_showHook = nullptr;
}

void SetShowHook(ShowHook hook) { g_showHook = hook; }

GalleryFunction FindGalleryEntry(const std::string& name)
{
    for (const Entry& e : kEntries)
        if (name == e.name)
            return e.show;
    return nullptr;
}

// The desktop picture cut to a rectangle (screen coordinates).
bool CaptureScreenRect(const RECT& part, const std::string& png, std::string& error)
{
    MiscSurface desk = MiscCaptureWindow(nullptr);
    const RECT r{std::max<LONG>(0, part.left), std::max<LONG>(0, part.top), std::min<LONG>(desk.width, part.right),
                 std::min<LONG>(desk.height, part.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        error = "nothing to capture";
        return false;
    }
    MiscSurface cut(r.right - r.left, r.bottom - r.top);
    for (int y = r.top; y < r.bottom; ++y)
        std::copy(desk.row(y) + r.left, desk.row(y) + r.right, cut.row(y - r.top));
    if (!MiscWritePng(cut, png.c_str())) {
        error = "cannot write " + png;
        return false;
    }
    return true;
}

bool CaptureToPng(HWND hwnd, const std::string& png, std::string& error)
{
    if (g_showHook)
        return g_showHook(hwnd, error);
    MiscSurface picture = MiscCaptureWindow(hwnd);
    if (picture.width == 0 || picture.height == 0) {
        error = "the window has nothing to capture";
        return false;
    }
    if (!MiscWritePng(picture, png.c_str())) {
        error = "cannot write " + png;
        return false;
    }
    return true;
}

bool GallerySampleDialog(const std::string& png, std::string& error)
{
    HMODULE module = GetModuleHandleA("misc_res.dll");
    CDialog dialog;
    dialog.m_hResourceModule = module;
    if (!dialog.Create(kSampleDialog)) {
        error = "the sample dialog template is missing from misc_res.dll";
        return false;
    }
    // Some content, so that every control shows what it looks like in use.
    dialog.SetDlgItemText(kSampleEdit, "Edit text");
    for (const char* s : {"First entry", "Second entry", "Third entry"}) {
        dialog.SendDlgItemMessage(kSampleCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        dialog.SendDlgItemMessage(kSampleList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    dialog.SendDlgItemMessage(kSampleCombo, CB_SETCURSEL, 1);
    dialog.SendDlgItemMessage(kSampleList, LB_SETCURSEL, 0);
    dialog.CheckDlgButton(kSampleAutoCheck, BST_CHECKED);
    dialog.CheckDlgButton(kSample3State, BST_INDETERMINATE);
    dialog.CheckDlgButton(kSampleAutoRadio1, BST_CHECKED);
    ::SetScrollRange(dialog.GetDlgItem(kSampleScroll)->m_hWnd, SB_CTL, 0, 100, FALSE);
    ::SetScrollPos(dialog.GetDlgItem(kSampleScroll)->m_hWnd, SB_CTL, 30, TRUE);
    dialog.SendDlgItemMessage(kSampleSlider, TBM_SETPOS, TRUE, 40);
    dialog.SendDlgItemMessage(kSampleSpin, UDM_SETRANGE32, 0, 100);
    CListCtrl* view = static_cast<CListCtrl*>(dialog.GetDlgItem(kSampleListView));
    HWND viewHwnd = view->m_hWnd;
    CListCtrl list;
    list.Attach(viewHwnd);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 160);
    list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
    list.InsertItem(0, "Cotton");
    list.SetItemText(0, 1, "150");
    list.InsertItem(1, "Denim");
    list.SetItemText(1, 1, "120");
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.Detach();
    dialog.ShowWindow(SW_SHOW);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(kSampleEdit));
    bool ok = CaptureToPng(dialog.m_hWnd, png, error);
    dialog.DestroyWindow();
    return ok;
}

bool GalleryMessageBox(const std::string& png, std::string& error)
{
    bool ok = false;
    MiscMessageBoxHandler previous = MiscSetMessageBoxHandler([&](const MiscMessageBoxRequest&) {
        ok = CaptureToPng(MiscActiveModal(), png, error);
        return IDCANCEL;
    });
    MessageBoxA(nullptr, "The pattern has been changed.\nDo you want to save the changes?", "Misc",
                MB_YESNOCANCEL | MB_ICONQUESTION);
    MiscSetMessageBoxHandler(previous);
    return ok;
}

const Command& GalleryCommand()
{
    static const Command command{
        "gallery", "Write a PNG of every window the library can show", "--out DIR [--only NAME] | --list",
        "Opens each window of the gallery in the headless window system, captures it with its\n"
        "children and writes DIR/NAME.png. --only writes one picture; --list shows the names.",
        &RunGallery};
    return command;
}

} // namespace misctool
