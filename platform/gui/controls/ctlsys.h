#pragma once
// Shared pieces of the standard controls: per-control state kept behind the window's first extra
// word, notifications to the parent, colours asked of the parent, the control's font.
#include <string>

#include "window/wndsys.h"

namespace ctl {

// The control's state object, created at WM_NCCREATE and deleted at WM_NCDESTROY.
template <class T>
T* StateOf(HWND hwnd)
{
    return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, 0));
}

template <class T>
T* CreateState(HWND hwnd)
{
    T* state = new T;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
    return state;
}

template <class T>
void DeleteState(HWND hwnd)
{
    delete StateOf<T>(hwnd);
    SetWindowLongPtrA(hwnd, 0, 0);
}

// Registers a control class with one extra word for its state.
void RegisterControlClass(const char* name, WNDPROC proc, UINT style, LPCSTR cursor);

// WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the parent.
void NotifyParent(HWND hwnd, WORD code);
// WM_NOTIFY to the parent with hdr filled in (hwndFrom, idFrom, code); the parent's answer.
LRESULT NotifyParent(HWND hwnd, UINT code, NMHDR* hdr);
// Asks the parent for the brush and colours of the control (WM_CTLCOLOR...); DefWindowProc's
// answer when the parent gives none.
HBRUSH ControlColor(HWND hwnd, HDC dc, UINT msg);
// The control's font (WM_SETFONT), or the system font.
HFONT FontOf(HWND hwnd);
std::string TextOf(HWND hwnd);
bool HasFocus(HWND hwnd);

// Painting helpers.
void DrawFocus(HDC dc, RECT r);
// Text with '&' mnemonics, in the control's font and the given colours; disabled text is drawn
// embossed as Windows does.
void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, bool enabled);

void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();
void RegisterComboBoxClass();
void RegisterListBoxClass();
void RegisterScrollBarClass();
void RegisterTrackBarClass();
void RegisterUpDownClass();
void RegisterListViewClass();
void RegisterHeaderClass();
void RegisterTabClass();
void RegisterToolTipClass();

// The list view's header (lvheader.cpp): ListHeaderBefore sees the list's messages first and
// answers those it handles (true, with *result); ListHeaderAfter sees the list's answer to a
// column message and shows the columns in the header.
bool ListHeaderBefore(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
LRESULT ListHeaderAfter(HWND list, UINT msg, LRESULT result);

} // namespace ctl

namespace wndsys {
void RegisterDialogClass();
}

// Paints a scroll bar face (window/nonclient.cpp).
void MiscDrawScrollBar(HDC dc, const RECT* r, BOOL vertical, const SCROLLINFO* si, BOOL enabled);

namespace ctl {

// The skeleton of a control's window procedure: the state object T lives from WM_NCCREATE to
// WM_NCDESTROY, and Handle sees every other message while it exists (DefWindowProc before and
// after). A control registers ControlProc<T, Handle> with RegisterControlClass.
template <class T, LRESULT (*Handle)(HWND, T*, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCREATE:
        CreateState<T>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        DeleteState<T>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: break;
    }
    T* state = StateOf<T>(hwnd);
    return state ? Handle(hwnd, state, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// WM_PAINT for a control: paint(dc, client rectangle) between BeginPaint and EndPaint, in the
// control's font.
template <class Paint>
void PaintControl(HWND hwnd, Paint paint)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) {
        RECT client;
        GetClientRect(hwnd, &client);
        HGDIOBJ oldFont = SelectObject(dc, FontOf(hwnd));
        paint(dc, client);
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

} // namespace ctl
