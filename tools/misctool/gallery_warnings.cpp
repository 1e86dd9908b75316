// Gallery: the warning pane's pop-ups over a host window.
#include <afxwin.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <misc/ui/warningpane.h>

#include "gallery.h"
#include "win32/automation.h"

namespace misctool {

namespace {

constexpr UINT kWarningSign = 498; // the resource module's warning sign

// The host's main window: a plain document area that hands the pop-ups' notifications to the
// pane, as a host frame does.
class WarningHost : public CWnd {
public:
    CWarningPane* pane = nullptr;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg && msg == XTPPopupControlNotifyMessage()) {
            if (pane)
                pane->OnWarningPanePopUpNotify(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

// The application's profile pointed at a scratch file while the pane reads and writes its
// delay, so that the gallery leaves the user's settings alone.
class ScratchProfile {
public:
    ScratchProfile()
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(sizeof dir, dir);
        m_path = std::string(dir) + "misctool-gallery-warnings.ini";
        ::DeleteFileA(m_path.c_str());
        CWinApp* app = AfxGetApp();
        m_saved = app->m_pszProfileName;
        app->m_pszProfileName = strdup(m_path.c_str());
    }
    ~ScratchProfile()
    {
        CWinApp* app = AfxGetApp();
        std::free(const_cast<char*>(app->m_pszProfileName));
        app->m_pszProfileName = m_saved;
        ::DeleteFileA(m_path.c_str());
    }

private:
    std::string m_path;
    LPCTSTR m_saved = nullptr;
};

} // namespace

bool GalleryWarningsStacked(const std::string& png, std::string& error)
{
    ScratchProfile profile;
    WarningHost host;
    const LPCTSTR cls = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    if (!host.CreateEx(0, cls, "Marker planning", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 620, 460, nullptr,
                       nullptr)) {
        error = "cannot create the host window";
        return false;
    }
    CWinApp* app = AfxGetApp();
    CWnd* savedMain = app->m_pMainWnd;
    app->m_pMainWnd = &host; // the pop-ups go to the main window's lower right
    bool ok = false;
    {
        CWarningPane pane(&host);
        host.pane = &pane;
        pane.Show("Plotter", "The plotter on port 9100 does not answer.", kWarningSign);
        pane.Show("Marker", "The marker is 14 cm longer than the cutting table.", kWarningSign);
        pane.Show("Disk space", "Less than 200 MB are left on the drive of the documents.", kWarningSign);
        MiscAdvanceClock(600); // the slides are over
        // The newest warning is pinned; the mouse stays on its pin, which shows its hot face.
        CXTPPopupControl* top = pane.m_current;
        if (top)
            MiscElement(top->GetSafeHwnd()).Item("497").Click();
        MiscSettle();
        CRect frame;
        host.GetWindowRect(&frame);
        ok = CaptureScreenRect(frame, png, error);
        host.pane = nullptr;
    }
    app->m_pMainWnd = savedMain;
    host.DestroyWindow();
    return ok;
}

} // namespace misctool
