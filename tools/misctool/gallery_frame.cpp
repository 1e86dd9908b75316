// Gallery pictures of the sample host frame: the frame itself (menu bar, two tool bars, two
// docking panes, status bar, the view) and the layout reset dialog it opens.
#include <misc/ui.h>
#include <win32/script.h>

#include "frame_host/frame_host.h"
#include "gallery.h"

namespace misctool {

bool GalleryFrameHost(const std::string& png, std::string& error)
{
    sample::CFrameHostFrame* frame = sample::CFrameHostFrame::Create(CRect(0, 0, 760, 520), true);
    if (!frame) {
        error = "the sample frame could not be made";
        return false;
    }
    const HWND hwnd = frame->GetSafeHwnd();
    const bool ok = CaptureToPng(hwnd, png, error);
    DestroyIfOpen(hwnd);
    return ok;
}

bool GalleryResetLayout(const std::string& png, std::string& error)
{
    sample::CFrameHostFrame* frame = sample::CFrameHostFrame::Create(CRect(0, 0, 760, 520), true);
    if (!frame) {
        error = "the sample frame could not be made";
        return false;
    }
    bool ok = false;
    MiscScriptedUser user;
    user.ExpectDialog(504, [&](MiscModal& m) {
        MiscSetCheck(m.hwnd, 1502, BST_UNCHECKED);
        ok = CaptureToPng(m.hwnd, png, error);
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    const HWND hwnd = frame->GetSafeHwnd();
    frame->SendMessage(WM_COMMAND, ID_HOST_RESET_LAYOUT);
    if (!user.AllDone() && error.empty())
        error = user.Report();
    DestroyIfOpen(hwnd);
    return ok;
}

} // namespace misctool
