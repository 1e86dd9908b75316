// CWinThread and CWinApp: the application object, its main window, its message loop and its
// profile.
#include "mfc/app.h"
#include "win32/system.h"
#include "window/wndsys.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp*& CurrentApp()
{
    static CWinApp* app = nullptr;
    return app;
}

char* Duplicate(const std::string& text) { return strdup(text.c_str()); }

// The application's own profile: "<name>.INI" in the per-user data folder (made when missing, as
// it always exists on Windows). Separators in the name become '_'.
std::string DefaultProfileFile(std::string name)
{
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '_';
    char folder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_APPDATA, TRUE))
        return name + ".INI";
    return std::string(folder) + "/" + name + ".INI";
}

// The settle loop's idle step outside modal loops.
BOOL ThreadIdle(LONG count)
{
    CWinApp* app = CurrentApp();
    return app ? app->OnIdle(count) : FALSE;
}
} // namespace

// The application object takes the window system's idle time (constructed, not registered by a
// static constructor: the program's application object, or AfxGetApp's stand-in, installs it).
CWinThread::CWinThread() { wndsys::Sys().idle = &ThreadIdle; }
CWinThread::~CWinThread() = default;
BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return 0; }

BOOL CWinThread::OnIdle(LONG lCount)
{
    // The first idle call brings the user-interface state of the MFC windows up to date: every
    // visible top-level window with a CWnd, and its CWnd children, gets WM_IDLEUPDATECMDUI.
    if (lCount <= 0) {
        std::vector<HWND> tops = wndsys::Sys().topLevel;
        for (HWND top : tops) {
            CWnd* wnd = CWnd::FromHandlePermanent(top);
            if (!wnd || !::IsWindowVisible(top))
                continue;
            ::SendMessageA(top, WM_IDLEUPDATECMDUI, TRUE, 0);
            if (CWnd::FromHandlePermanent(top) == wnd)
                wnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    return FALSE;
}
CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(stop, pMsg);
}

int CWinThread::Run()
{
    MSG msg;
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        // Idle time while nothing waits, once after every message that is not a paint.
        while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (idleCount >= MISC_IDLE_CALL_LIMIT) {
                wndsys::WindowSystemError("idle processing still wanted more time after MISC_IDLE_CALL_LIMIT calls");
                idle = false;
            } else if (!OnIdle(idleCount++)) {
                idle = false;
            }
        }
        BOOL r = ::GetMessageA(&msg, nullptr, 0, 0);
        if (r == 0) {
            ExitInstance();
            return static_cast<int>(msg.wParam);
        }
        if (r < 0)
            return -1;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (msg.message != WM_PAINT) {
            idle = true;
            idleCount = 0;
        }
    }
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    std::string name = lpszAppName ? lpszAppName : MiscGetAppTitle();
    m_pszAppName = Duplicate(name);
    m_pszExeName = Duplicate(MiscGetAppTitle());
    m_pszProfileName = Duplicate(DefaultProfileFile(name));
    m_hInstance = AfxGetInstanceHandle();
    CurrentApp() = this;
}

CWinApp::~CWinApp()
{
    if (CurrentApp() == this)
        CurrentApp() = nullptr;
    for (LPCTSTR text : {m_pszAppName, m_pszExeName, m_pszProfileName, m_pszRegistryKey, m_pszHelpFilePath})
        std::free(const_cast<char*>(text));
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    // Values of any length: grow the buffer until the value fits.
    for (DWORD size = 256; size <= (1u << 24); size *= 4) {
        std::string buffer(size, '\0');
        DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buffer.data(), size, m_pszProfileName);
        if (n < size - 2 || !lpszEntry)
            return CString(buffer.data(), static_cast<int>(n));
    }
    return CString();
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    std::free(const_cast<char*>(m_pszRegistryKey));
    m_pszRegistryKey = lpszRegistryKey ? Duplicate(lpszRegistryKey) : nullptr;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key.GetString());
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(UINT nIDResource) const { return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    CWnd* main = AfxGetMainWnd();
    return ::MessageBoxA(main ? main->m_hWnd : nullptr, lpszPrompt, m_pszAppName, nType);
}

CWinApp* AfxGetApp()
{
    // A program (a test, a tool) that made no application object still gets one, named after
    // the program, so that library code asking for the application's profile finds it.
    if (!CurrentApp()) {
        static CWinApp* fallback = nullptr;
        if (!fallback)
            fallback = new CWinApp(); // registers itself as the current application
        CurrentApp() = fallback;
    }
    return CurrentApp();
}

CWinThread* AfxGetThread() { return AfxGetApp(); }

CWnd* AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    return thread ? thread->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName : "";
}
