// Registration of the standard control classes and the helpers they share.
#include "controls/ctlsys.h"

namespace wndsys {

void RegisterStandardControls()
{
    RegisterDialogClass();
    ctl::RegisterButtonClass();
    ctl::RegisterStaticClass();
    ctl::RegisterEditClass();
    ctl::RegisterComboBoxClass();
    ctl::RegisterListBoxClass();
    ctl::RegisterScrollBarClass();
    ctl::RegisterTrackBarClass();
    ctl::RegisterUpDownClass();
    ctl::RegisterListViewClass();
    ctl::RegisterHeaderClass();
    ctl::RegisterTabClass();
    ctl::RegisterToolTipClass();
}

} // namespace wndsys

namespace ctl {

void RegisterControlClass(const char* name, WNDPROC proc, UINT style, LPCSTR cursor)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hCursor = LoadCursorA(nullptr, cursor ? cursor : IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

void NotifyParent(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT NotifyParent(HWND hwnd, UINT code, NMHDR* hdr)
{
    HWND parent = GetParent(hwnd);
    hdr->hwndFrom = hwnd;
    hdr->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    hdr->code = code;
    return parent ? SendMessageA(parent, WM_NOTIFY, hdr->idFrom, reinterpret_cast<LPARAM>(hdr)) : 0;
}

HBRUSH ControlColor(HWND hwnd, HDC dc, UINT msg)
{
    HWND parent = GetParent(hwnd);
    HBRUSH brush = nullptr;
    if (parent)
        brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(hwnd, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    return brush;
}

HFONT FontOf(HWND hwnd)
{
    auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

std::string TextOf(HWND hwnd)
{
    wndsys::WndRec* w = wndsys::Find(hwnd);
    return w ? w->text : std::string();
}

bool HasFocus(HWND hwnd) { return GetFocus() == hwnd; }

void DrawFocus(HDC dc, RECT r) { DrawFocusRect(dc, &r); }

void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, bool enabled)
{
    int mode = SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        DrawTextA(dc, text.c_str(), -1, &r, format);
    } else {
        COLORREF old = SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        DrawTextA(dc, text.c_str(), -1, &shifted, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, text.c_str(), -1, &r, format);
        SetTextColor(dc, old);
    }
    SetBkMode(dc, mode);
}

} // namespace ctl
