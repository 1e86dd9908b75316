// The drag loop of the splitter bars.
#include "splitter_drag.h"

#include <algorithm>

namespace misc_splitter {

CRect RectInDialog(CWnd* bar, CWnd* dialog)
{
    CRect r;
    bar->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    return r;
}

CWnd* Pane(CWnd* dialog, DWORD id)
{
    return dialog ? dialog->GetDlgItem(static_cast<int>(id)) : nullptr;
}

namespace {

// The displacement a mouse position (bar client coordinates) gives, the cursor held inside the
// clip rectangle as the confined system cursor would be.
int Displacement(CPoint mouse, CPoint start, CPoint origin, const RECT& clip, bool horizontal)
{
    if (horizontal) {
        const int x = std::clamp<int>(mouse.x + origin.x, clip.left, clip.right - 1);
        return x - origin.x - start.x;
    }
    const int y = std::clamp<int>(mouse.y + origin.y, clip.top, clip.bottom - 1);
    return y - origin.y - start.y;
}

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR;
}

} // namespace

int RunDrag(CWnd* bar, CWnd* dialog, CPoint start, const RECT& clip, bool horizontal)
{
    CPoint origin(0, 0); // the bar's client origin on the screen
    bar->ClientToScreen(&origin);
    const CRect home = RectInDialog(bar, dialog);
    const CSize thickness(home.Width(), home.Height());
    const CSize none(0, 0);

    ::ClipCursor(&clip);
    bar->SetCapture();
    CDC* dc = dialog->GetDC();
    CRect outline = home;
    if (dc)
        dc->DrawDragRect(&outline, thickness, nullptr, none);

    int moved = 0;
    MSG msg;
    for (;;) {
        if (::GetCapture() != bar->GetSafeHwnd())
            break;
        const BOOL got = ::GetMessage(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop outside
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (IsKeyMessage(msg.message))
            continue;
        if (msg.message == WM_MOUSEMOVE) {
            const CPoint mouse(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            moved = Displacement(mouse, start, origin, clip, horizontal);
            CRect next = home;
            next.OffsetRect(horizontal ? moved : 0, horizontal ? 0 : moved);
            if (dc && next != outline)
                dc->DrawDragRect(&next, thickness, &outline, thickness);
            outline = next;
            continue;
        }
        ::DispatchMessage(&msg);
    }

    if (dc) {
        const CRect empty(0, 0, 0, 0);
        dc->DrawDragRect(&empty, none, &outline, thickness);
        dialog->ReleaseDC(dc);
    }
    if (::GetCapture() == bar->GetSafeHwnd())
        ::ReleaseCapture();
    ::ClipCursor(nullptr);
    return moved;
}

} // namespace misc_splitter
