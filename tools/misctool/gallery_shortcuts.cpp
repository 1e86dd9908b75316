// Gallery pictures of the keyboard shortcuts: the shortcuts dialog over a small frame with a
// dozen shortcuts in keyboard order, and the keyboard customisation page in its sheet.
#include <string>
#include <vector>

#include <afxwin.h>
#include <misc/ui.h>

#include "gallery.h"
#include "toolkit/commandbars.h"
#include "toolkit/shortcuts.h"
#include "win32/automation.h"
#include "win32/script.h"

namespace misctool {

namespace {

struct Command {
    WORD id;
    const char* caption;
    const char* description;
};

const Command kCommands[] = {
    {57600, "&New", "Create a new pattern"},       {57601, "&Open...", "Open a pattern"},
    {57603, "&Save", "Save the pattern"},          {57635, "Cu&t", "Cut the selection"},
    {57634, "&Copy", "Copy the selection"},        {57637, "&Paste", "Insert the clipboard"},
    {57643, "&Undo", "Undo the last action"},      {32771, "&Grade", "Grade the piece to all sizes"},
    {32772, "&Mirror", "Mirror the piece"},        {32773, "Zoom &In", "Show the piece larger"},
    {32774, "Zoom &Out", "Show the piece smaller"}, {57670, "&Help", "Open the help"},
};

// The frame's keys, in the order a program would list them.
const ACCEL kKeys[] = {
    {FVIRTKEY | FCONTROL, 'S', 57603},          {FVIRTKEY | FCONTROL, 'N', 57600},
    {FVIRTKEY | FCONTROL, 'O', 57601},          {FVIRTKEY | FCONTROL, 'X', 57635},
    {FVIRTKEY | FSHIFT, VK_DELETE, 57635},      {FVIRTKEY | FCONTROL, 'C', 57634},
    {FVIRTKEY | FCONTROL, VK_INSERT, 57634},    {FVIRTKEY | FCONTROL, 'V', 57637},
    {FVIRTKEY | FCONTROL, 'Z', 57643},          {FVIRTKEY | FALT, VK_BACK, 57643},
    {FVIRTKEY, 'G', 32771},                     {FVIRTKEY | FSHIFT, 'M', 32772},
    {FVIRTKEY, VK_ADD, 32773},                  {FVIRTKEY, VK_SUBTRACT, 32774},
    {FVIRTKEY, VK_F1, 57670},                   {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, 32771},
};

void FillBars(CXTPCommandBars& bars)
{
    CXTPToolBar* standard = bars.Add("Standard");
    CXTPToolBar* pattern = bars.Add("Pattern");
    for (const Command& c : kCommands) {
        CXTPToolBar* bar = c.id < 57000 ? pattern : standard;
        bar->GetControls()->Add(xtpControlButton, c.id, c.caption)->SetDescription(c.description);
    }
    bars.GetShortcutManager()->SetEntries(std::vector<ACCEL>(std::begin(kKeys), std::end(kKeys)));
}

} // namespace

bool GalleryShortcutsDialog(const std::string& png, std::string& error)
{
    CXTPCommandBars bars;
    FillBars(bars);
    CFrameWnd* frame = new CFrameWnd;
    if (!frame->Create(nullptr, "Pattern Designer")) {
        delete frame;
        error = "cannot create the sample frame";
        return false;
    }
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        if (m.kind == MiscModalKind::Dialog && m.templateId == IDD_SHORTCUTS)
            ok = CaptureToPng(m.hwnd, png, error);
        if (m.hwnd)
            MiscClickButton(m.hwnd, IDOK);
    });
    {
        CShortcutsDlg dialog(frame, &bars, frame);
        dialog.DoModal();
        dialog.ResetResource();
    }
    MiscSetModalHandler(previous);
    frame->DestroyWindow();
    return ok;
}

bool GalleryCustomizeKeyboard(const std::string& png, std::string& error)
{
    CXTPCommandBars bars;
    FillBars(bars);
    CXTPCustomizeKeyboardPage keyboard(&bars);
    CXTPCustomizeCommandsPage commands(&bars);
    AddAllToolbarsItemsToKbrdAndCmndsPage(keyboard, commands, &bars);
    CPropertySheet sheet("Customize");
    sheet.AddPage(&commands);
    sheet.AddPage(&keyboard);
    sheet.SetActivePage(1);
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        if (m.kind == MiscModalKind::PropertySheet) {
            // "Cut", which two keys run.
            MiscSelectItem(MiscPropertySheetPage(m.hwnd), XTP_IDC_KBD_COMMANDS, 3);
            ok = CaptureToPng(m.hwnd, png, error);
        }
        if (m.hwnd)
            MiscClickButton(m.hwnd, IDCANCEL);
    });
    sheet.DoModal();
    MiscSetModalHandler(previous);
    return ok;
}

} // namespace misctool
