// SetTransparency and IsWindowsXP.
#include <misc/ui/colored.h>

DWORD SetTransparency(const CWnd* wnd, BYTE alpha)
{
    if (!wnd || !wnd->GetSafeHwnd())
        return 0;
    const HWND hwnd = wnd->GetSafeHwnd();
    ::SetLastError(0);
    const LONG old = ::GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (::SetWindowLongA(hwnd, GWL_EXSTYLE, old | WS_EX_LAYERED) == 0 && ::GetLastError() != 0)
        return 0;
    return static_cast<DWORD>(::SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA));
}

BOOL IsWindowsXP()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(&info))
        return FALSE;
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion == 1);
}
