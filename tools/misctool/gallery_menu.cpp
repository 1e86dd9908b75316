// Gallery picture of the command layer: a frame with the sample menu bar, its File menu open and
// the Recent Files submenu open beside it (checked, grayed, separator and submenu items).
#include <afxwin.h>

#include <algorithm>
#include <string>

#include "gallery.h"
#include "win32/script.h"

namespace misctool {

namespace {

const UINT kSampleMenu = 9100;

// The part of the desktop that `area` covers.
MiscSurface Crop(const MiscSurface& desktop, RECT area)
{
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    area.right = std::min<LONG>(area.right, desktop.width);
    area.bottom = std::min<LONG>(area.bottom, desktop.height);
    MiscSurface out(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(desktop.row(area.top + y) + area.left, out.width, out.row(y));
    return out;
}

} // namespace

bool GalleryMenuOpen(const std::string& png, std::string& error)
{
    HMODULE module = GetModuleHandleA("misc_res.dll");
    HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    auto* frame = new CFrameWnd;
    bool created = frame->Create(nullptr, "Pattern - sample.cut", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(20, 20, 420, 260), nullptr, MAKEINTRESOURCEA(kSampleMenu));
    AfxSetResourceHandle(saved);
    if (!created) {
        delete frame;
        error = "the sample menu is missing from misc_res.dll";
        return false;
    }
    frame->m_bAutoMenuEnable = FALSE; // no handlers here: show the items as the script has them
    HWND hwnd = frame->m_hWnd;
    bool ok = false;
    MiscModalHandler previous = MiscSetModalHandler([&](MiscModal& m) {
        // File is open; move down to Recent Files and open it from the keyboard.
        for (int vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT})
            MiscPressKey(vk);
        RECT area;
        GetWindowRect(hwnd, &area);
        for (HWND menu = MiscOpenMenuWindow(); menu; menu = nullptr) {
            RECT sub, first;
            GetWindowRect(menu, &sub);
            GetWindowRect(m.hwnd, &first);
            UnionRect(&area, &area, &sub);
            UnionRect(&area, &area, &first);
        }
        InflateRect(&area, 4, 4);
        MiscSurface picture = Crop(MiscCaptureWindow(nullptr), area);
        ok = MiscWritePng(picture, png.c_str()) != FALSE;
        if (!ok)
            error = "cannot write " + png;
        EndMenu();
    });
    // A click on File in the bar, 8 pixels into the item.
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(client.x + 8, client.y - 6));
    MiscSetModalHandler(previous);
    if (!ok && error.empty())
        error = "the File menu did not open";
    frame->DestroyWindow();
    return ok;
}

} // namespace misctool
