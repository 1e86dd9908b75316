#pragma once
// The MFC application objects, as far as a library needs them: CWinThread and CWinApp with the
// application's name, main window and profile. The profile functions of CWinApp read and write
// the private profile file named by m_pszProfileName (default "<application name>.INI" in the
// per-user data folder, CSIDL_APPDATA of win32/system.h, made when missing); a host may name
// another file, a bare name then lying in the Windows folder (win32/profile.h). SetRegistryKey
// only records the key, since the port keeps
// application settings in profile files.
#include "mfc/string.h"
#include "mfc/wnd.h"
#include "win32/profile.h" // its macros rename the profile members (GetProfileIntA), as in MFC

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop: dispatches until WM_QUIT (its exit code) or until nothing can arrive any
    // more in a headless run (-1).
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle time from the settle loop (MiscSettle) when no modal window is open, lCount counting
    // the calls since the last message; return TRUE to be called again. The default sends
    // WM_IDLEUPDATECMDUI to the visible top-level MFC windows and their MFC children when lCount
    // is 0, and asks for no more.
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd();
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object of the process becomes AfxGetApp() when constructed.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Strings owned by the application (allocated with malloc, as MFC programs expect when they
    // replace them: free the old one, assign a strdup'ed new one).
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
};

// The application object; a program that constructed none gets a default one named after the
// program (so that library code run by tests and tools finds an application and its profile).
CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();

MISC_PUBLIC_END
