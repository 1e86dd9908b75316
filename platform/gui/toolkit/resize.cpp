// The toolkit's dialog resizer: anchored controls and the size grip.
#include "toolkit/resize.h"

#include <algorithm>
#include <cmath>

namespace {

struct GripDrag {
    bool active = false;
    POINT start{};  // screen point where the drag began
    SIZE startSize{}; // the owner's window size then
};

GripDrag& DragOf(HWND grip)
{
    // One drag at a time: the grip holds the capture while it lasts.
    static GripDrag drag;
    static HWND owner = nullptr;
    if (owner != grip) {
        drag = GripDrag();
        owner = grip;
    }
    return drag;
}

void ResizeOwner(HWND grip, POINT screen)
{
    GripDrag& d = DragOf(grip);
    HWND owner = ::GetParent(grip);
    if (!owner)
        return;
    SIZE size{d.startSize.cx + screen.x - d.start.x, d.startSize.cy + screen.y - d.start.y};
    MINMAXINFO info{};
    info.ptMaxTrackSize.x = 0x7FFF;
    info.ptMaxTrackSize.y = 0x7FFF;
    ::SendMessageA(owner, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    size.cx = std::clamp<LONG>(size.cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    size.cy = std::clamp<LONG>(size.cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    ::SetWindowPos(owner, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK GripProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r;
        ::GetClientRect(hwnd, &r);
        ::DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        GripDrag& d = DragOf(hwnd);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd, &p);
        RECT owner{};
        ::GetWindowRect(::GetParent(hwnd), &owner);
        d.active = true;
        d.start = p;
        d.startSize = SIZE{owner.right - owner.left, owner.bottom - owner.top};
        ::SetCapture(hwnd);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        GripDrag& d = DragOf(hwnd);
        if (!d.active)
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd, &p);
        if (msg == WM_LBUTTONUP) {
            d.active = false;
            ::ReleaseCapture();
        }
        ResizeOwner(hwnd, p);
        return 0;
    }
    case WM_CAPTURECHANGED:
        DragOf(hwnd).active = false;
        return 0;
    default:
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void RegisterGripClass()
{
    WNDCLASSA wc{};
    if (::GetClassInfoA(nullptr, XT_SIZEGRIP_CLASS, &wc))
        return;
    wc.lpfnWndProc = GripProc;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_SIZENWSE);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    wc.lpszClassName = XT_SIZEGRIP_CLASS;
    ::RegisterClassA(&wc);
}

int Scale(int delta, float fraction) { return static_cast<int>(std::lround(delta * fraction)); }

} // namespace

CXTResize::CXTResize(CWnd* window, UINT flags) : m_window(window), m_flags(flags) {}

CXTResize::~CXTResize()
{
    if (m_grip && ::IsWindow(m_grip))
        ::DestroyWindow(m_grip);
}

CSize CXTResize::ClientSize() const
{
    CRect r;
    if (m_window && m_window->GetSafeHwnd())
        m_window->GetClientRect(&r);
    return CSize(r.Width(), r.Height());
}

BOOL CXTResize::SetResize(int id, XT_RESIZEPOINT topLeft, XT_RESIZEPOINT bottomRight)
{
    if (!m_window || !m_window->GetSafeHwnd())
        return FALSE;
    return SetResize(m_window->GetDlgItem(id), topLeft, bottomRight);
}

BOOL CXTResize::SetResize(CWnd* control, XT_RESIZEPOINT topLeft, XT_RESIZEPOINT bottomRight)
{
    if (!control || !control->GetSafeHwnd() || !m_window || !m_window->GetSafeHwnd())
        return FALSE;
    Control c;
    c.hwnd = control->GetSafeHwnd();
    c.id = control->GetDlgCtrlID();
    c.topLeft = topLeft;
    c.bottomRight = bottomRight;
    control->GetWindowRect(&c.reference);
    m_window->ScreenToClient(&c.reference);
    c.referenceSize = ClientSize();
    auto same = [&c](const Control& o) { return o.hwnd == c.hwnd; };
    auto it = std::find_if(m_controls.begin(), m_controls.end(), same);
    if (it != m_controls.end())
        *it = c;
    else
        m_controls.push_back(c);
    return TRUE;
}

BOOL CXTResize::RemoveResize(int id)
{
    auto it = std::find_if(m_controls.begin(), m_controls.end(), [id](const Control& c) { return c.id == id; });
    if (it == m_controls.end())
        return FALSE;
    m_controls.erase(it);
    return TRUE;
}

void CXTResize::RemoveAllControls() { m_controls.clear(); }

void CXTResize::Init()
{
    if (!m_window || !m_window->GetSafeHwnd())
        return;
    m_initSize = ClientSize();
    if (!HasFlag(xtResizeNoMinsize) && m_minSize.cx == 0 && m_minSize.cy == 0)
        m_minSize = m_initSize;
    m_initialized = true;
    if (!HasFlag(xtResizeNoSizeIcon) && !m_grip) {
        RegisterGripClass();
        const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
        const int cy = ::GetSystemMetrics(SM_CYHSCROLL);
        m_grip = ::CreateWindowExA(0, XT_SIZEGRIP_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, cx, cy,
                                   m_window->GetSafeHwnd(), nullptr, nullptr, nullptr);
        PlaceGrip();
    }
}

void CXTResize::PlaceGrip()
{
    if (!m_grip)
        return;
    RECT r;
    ::GetClientRect(m_grip, &r);
    const CSize client = ClientSize();
    ::SetWindowPos(m_grip, HWND_TOP, client.cx - r.right, client.cy - r.bottom, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CXTResize::Size()
{
    if (!m_initialized || !m_window || !m_window->GetSafeHwnd())
        return;
    const CSize client = ClientSize();
    for (const Control& c : m_controls) {
        if (!::IsWindow(c.hwnd))
            continue;
        const int dx = HasFlag(xtResizeNoHorizontal) ? 0 : client.cx - c.referenceSize.cx;
        const int dy = HasFlag(xtResizeNoVertical) ? 0 : client.cy - c.referenceSize.cy;
        CRect r(c.reference.left + Scale(dx, c.topLeft.x), c.reference.top + Scale(dy, c.topLeft.y),
                c.reference.right + Scale(dx, c.bottomRight.x), c.reference.bottom + Scale(dy, c.bottomRight.y));
        if (r.right < r.left)
            r.right = r.left;
        if (r.bottom < r.top)
            r.bottom = r.top;
        ::SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PlaceGrip();
    m_window->Invalidate();
}

void CXTResize::OnGetMinMaxInfo(MINMAXINFO* info)
{
    if (!info || !m_window || !m_window->GetSafeHwnd())
        return;
    CRect window, client;
    m_window->GetWindowRect(&window);
    m_window->GetClientRect(&client);
    const int frameX = window.Width() - client.Width();
    const int frameY = window.Height() - client.Height();
    if (m_minSize.cx > 0 || m_minSize.cy > 0) {
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, m_minSize.cx + frameX);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, m_minSize.cy + frameY);
    }
    if (m_maxSize.cx > 0)
        info->ptMaxTrackSize.x = m_maxSize.cx + frameX;
    if (m_maxSize.cy > 0)
        info->ptMaxTrackSize.y = m_maxSize.cy + frameY;
    if (m_initialized && HasFlag(xtResizeNoHorizontal))
        info->ptMinTrackSize.x = info->ptMaxTrackSize.x = m_initSize.cx + frameX;
    if (m_initialized && HasFlag(xtResizeNoVertical))
        info->ptMinTrackSize.y = info->ptMaxTrackSize.y = m_initSize.cy + frameY;
}

void CXTResize::ShowSizeIcon(BOOL show)
{
    if (m_grip)
        ::ShowWindow(m_grip, show ? SW_SHOWNA : SW_HIDE);
}
