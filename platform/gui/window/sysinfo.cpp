// System metrics and parameters of the classic Windows look at 96 dots per inch, the virtual
// desktop, and the reported Windows version.
#include "window/wndsys.h"

#include <cstring>

using namespace wndsys;

namespace {

LOGFONTA UiFont(bool bold)
{
    LOGFONTA lf{};
    lf.lfHeight = -11; // 8 points at 96 dpi
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Tahoma");
    return lf;
}

} // namespace

int GetSystemMetrics(int index)
{
    System& s = Sys();
    switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: case SM_CXFULLSCREEN: return s.desktopWidth;
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return s.desktopHeight;
    case SM_CYFULLSCREEN: return s.desktopHeight - 19;
    case SM_XVIRTUALSCREEN: case SM_YVIRTUALSCREEN: return 0;
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: return 16;
    case SM_CYVTHUMB: case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXICONSPACING: case SM_CYICONSPACING: return 75;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXSIZE: case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 16;
    case SM_CXSMSIZE: case SM_CYSMSIZE: return 15;
    case SM_CXMENUSIZE: case SM_CYMENUSIZE: return 18;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXMAXTRACK: return s.desktopWidth + 12;
    case SM_CYMAXTRACK: return s.desktopHeight + 12;
    case SM_CXMAXIMIZED: return s.desktopWidth + 8;
    case SM_CYMAXIMIZED: return s.desktopHeight + 8;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 24;
    case SM_CXMINSPACING: return 160;
    case SM_CYMINSPACING: return 24;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXMOUSEHOVER: case SM_CYMOUSEHOVER: return 4;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    case SM_CXFOCUSBORDER: case SM_CYFOCUSBORDER: return 1;
    case SM_MOUSEPRESENT: case SM_MOUSEWHEELPRESENT: case SM_CMONITORS: case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_ARRANGE: return 8;
    default: return 0;
    }
}

BOOL SystemParametersInfoA(UINT action, UINT, PVOID data, UINT)
{
    System& s = Sys();
    switch (action) {
    case SPI_GETWORKAREA:
        if (!data)
            return FALSE;
        *static_cast<RECT*>(data) = RECT{0, 0, s.desktopWidth, s.desktopHeight};
        return TRUE;
    case SPI_GETBORDER:
        if (!data)
            return FALSE;
        *static_cast<int*>(data) = 1;
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
        if (!data)
            return FALSE;
        *static_cast<UINT*>(data) = 3;
        return TRUE;
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETFLATMENU:
        if (!data)
            return FALSE;
        *static_cast<BOOL*>(data) = FALSE;
        return TRUE;
    case SPI_GETICONTITLELOGFONT:
        if (!data)
            return FALSE;
        *static_cast<LOGFONTA*>(data) = UiFont(false);
        return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* m = static_cast<NONCLIENTMETRICSA*>(data);
        // Programs of the Windows XP era pass the size without iPaddedBorderWidth.
        const UINT oldSize = static_cast<UINT>(offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth));
        if (!m || (m->cbSize != sizeof(NONCLIENTMETRICSA) && m->cbSize != oldSize))
            return FALSE;
        UINT size = m->cbSize;
        NONCLIENTMETRICSA full{};
        full.cbSize = size;
        full.iBorderWidth = 1;
        full.iScrollWidth = full.iScrollHeight = 16;
        full.iCaptionWidth = full.iCaptionHeight = 18;
        full.lfCaptionFont = UiFont(true);
        full.iSmCaptionWidth = 12;
        full.iSmCaptionHeight = 15;
        full.lfSmCaptionFont = UiFont(true);
        full.iMenuWidth = full.iMenuHeight = 18;
        full.lfMenuFont = UiFont(false);
        full.lfStatusFont = UiFont(false);
        full.lfMessageFont = UiFont(false);
        std::memcpy(m, &full, size);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL GetVersionExA(LPOSVERSIONINFOA info)
{
    if (!info)
        return FALSE;
    const OSVERSIONINFOEXA& v = Sys().version;
    if (info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA)) {
        std::memcpy(info, &v, sizeof(OSVERSIONINFOEXA));
        return TRUE;
    }
    if (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(info, &v, sizeof(OSVERSIONINFOA));
    info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return TRUE;
}

DWORD GetVersion()
{
    const OSVERSIONINFOEXA& v = Sys().version;
    return (v.dwMajorVersion & 0xFF) | ((v.dwMinorVersion & 0xFF) << 8) | ((v.dwBuildNumber & 0x7FFF) << 16);
}

UINT GetDoubleClickTime() { return 500; }

void MiscSetDesktopSize(int width, int height)
{
    System& s = Sys();
    s.desktopWidth = width > 0 ? width : 1;
    s.desktopHeight = height > 0 ? height : 1;
    MiscSetScreenSize(s.desktopWidth, s.desktopHeight);
}
