// The pop-up control: its window, the states and their animation on the virtual clock, the
// mouse (hot and pressed items, dragging, the hide timer) and the notifications to the parent.
#include "toolkit/popupcontrol.h"

#include "window_class.h"

#include <algorithm>
#include <memory>
#include <string>

#include "win32/automation.h"

UINT XTPWM_POPUPCONTROL_NOTIFY = 0;

UINT XTPPopupControlNotifyMessage()
{
    if (!XTPWM_POPUPCONTROL_NOTIFY)
        XTPWM_POPUPCONTROL_NOTIFY = ::RegisterWindowMessageA("XTPWM_POPUPCONTROL_NOTIFY");
    return XTPWM_POPUPCONTROL_NOTIFY;
}

namespace {

// The automation provider: the pop-up's items, named by caption or identifier.
class PopupProvider : public MiscAutomationProvider {
public:
    static CXTPPopupControl* Of(HWND hwnd)
    {
        return dynamic_cast<CXTPPopupControl*>(CWnd::FromHandlePermanent(hwnd));
    }
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CXTPPopupControl* p = Of(hwnd);
        return p && parent.items.empty() ? p->GetItemCount() : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow())
            return MiscAutomationProvider::Read(hwnd, path);
        MiscElementState s;
        CXTPPopupControl* p = Of(hwnd);
        CXTPPopupItem* item = p && path.items.size() == 1 ? p->GetItem(path.items[0]) : nullptr;
        if (!item)
            return s;
        s.exists = true;
        s.text = item->GetCaption().IsEmpty() ? std::to_string(item->GetID()) : item->GetCaption().GetString();
        CRect client;
        ::GetClientRect(hwnd, &client);
        CRect shown;
        shown.IntersectRect(item->GetRect(), client);
        s.rect = shown;
        s.visible = !shown.IsRectEmpty();
        s.selected = item->IsSelected() != FALSE;
        return s;
    }
};

void RegisterOnce()
{
    static const bool registered = xtpkit::RegisterWindowClass(XTP_POPUPCONTROL_CLASS, 0, std::make_shared<PopupProvider>());
    (void)registered;
}

// Where a pop-up goes when nobody placed it: the main window's lower-right corner, or the work
// area's.
CPoint DefaultPosition()
{
    CWnd* main = AfxGetMainWnd();
    if (main && main->GetSafeHwnd() && main->IsWindowVisible()) {
        CRect client;
        main->GetClientRect(&client);
        main->ClientToScreen(&client);
        return client.BottomRight();
    }
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return CPoint(work.right, work.bottom);
}

// The screen point of the mouse message being handled. Not the client point turned to screen
// coordinates: while dragging, the window moves between the messages.
CPoint MessageScreenPoint()
{
    const DWORD pos = ::GetMessagePos();
    return CPoint(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
}

} // namespace

IMPLEMENT_DYNAMIC(CXTPPopupControl, CWnd)

BEGIN_MESSAGE_MAP(CXTPPopupControl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivateMsg)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeaveMsg)
END_MESSAGE_MAP()

CXTPPopupControl::CXTPPopupControl() : m_paintManager(new CXTPPopupPaintManager)
{
    XTPPopupControlNotifyMessage();
}

CXTPPopupControl::~CXTPPopupControl()
{
    if (GetSafeHwnd()) {
        KillTimer(TID_ANIMATION);
        KillTimer(TID_SHOWDELAY);
        DestroyWindow();
    }
    RemoveAllItems();
    delete m_paintManager;
}

// ---- Items and look ----

CXTPPopupItem* CXTPPopupControl::AddItem(CXTPPopupItem* item)
{
    if (!item)
        return nullptr;
    item->m_control = this;
    m_items.push_back(item);
    item->RedrawControl();
    return item;
}

void CXTPPopupControl::RemoveItem(CXTPPopupItem* item)
{
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return;
    item->RedrawControl();
    m_items.erase(it);
    if (m_hot == item)
        m_hot = nullptr;
    if (m_pressed == item)
        m_pressed = nullptr;
    delete item;
}

void CXTPPopupControl::RemoveAllItems()
{
    m_hot = m_pressed = nullptr;
    for (CXTPPopupItem* item : m_items)
        delete item;
    m_items.clear();
    RedrawControl();
}

CXTPPopupItem* CXTPPopupControl::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)] : nullptr;
}

CXTPPopupItem* CXTPPopupControl::HitTest(CPoint point) const
{
    CXTPPopupItem* any = nullptr;
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        if (!(*it)->GetRect().PtInRect(point))
            continue;
        if ((*it)->IsClickable())
            return *it;
        if (!any)
            any = *it;
    }
    return any;
}

void CXTPPopupControl::SetTheme(CXTPPopupPaintManager* paintManager)
{
    if (paintManager != m_paintManager) {
        delete m_paintManager;
        m_paintManager = paintManager ? paintManager : new CXTPPopupPaintManager;
    }
    RedrawControl();
}

void CXTPPopupControl::SetTransparency(BYTE alpha)
{
    m_transparency = alpha;
    if (GetSafeHwnd())
        ApplyFrame(m_fraction);
}

// ---- Place ----

void CXTPPopupControl::SetPopupSize(CSize size)
{
    m_size = size;
    if (GetSafeHwnd() && m_state != xtpPopupStateClosed)
        ApplyFrame(m_fraction);
}

void CXTPPopupControl::SetPopupPos(CPoint bottomRight)
{
    m_pos = bottomRight;
    m_posSet = true;
    if (GetSafeHwnd() && m_state != xtpPopupStateClosed)
        ApplyFrame(m_fraction);
}

CPoint CXTPPopupControl::GetPopupPos() const
{
    return m_posSet ? m_pos : DefaultPosition();
}

CRect CXTPPopupControl::GetPopupRect() const
{
    const CPoint pos = GetPopupPos();
    return CRect(pos.x - m_size.cx, pos.y - m_size.cy, pos.x, pos.y);
}

void CXTPPopupControl::RedrawControl()
{
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

// ---- States ----

BOOL CXTPPopupControl::Show(CWnd* parent)
{
    RegisterOnce();
    if (!m_posSet)
        SetPopupPos(DefaultPosition());
    m_notify = parent ? parent->GetSafeHwnd() : nullptr;
    if (!GetSafeHwnd()) {
        const CRect r = GetPopupRect();
        if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, XTP_POPUPCONTROL_CLASS, "", WS_POPUP, r.left,
                      r.top, r.Width(), r.Height(), m_notify, nullptr))
            return FALSE;
    }
    KillTimer(TID_SHOWDELAY);
    if (m_animation == xtpPopupAnimationNone || m_animateDelay == 0) {
        KillTimer(TID_ANIMATION);
        ApplyFrame(1);
        ShowWindow(SW_SHOWNOACTIVATE);
        EnterShowState();
        return TRUE;
    }
    StartAnimation(xtpPopupStateExpanding, m_state == xtpPopupStateClosed ? 0 : m_fraction);
    ShowWindow(SW_SHOWNOACTIVATE);
    SetPopupState(xtpPopupStateExpanding);
    return TRUE;
}

void CXTPPopupControl::Hide()
{
    if (!GetSafeHwnd() || m_state == xtpPopupStateClosed || m_state == xtpPopupStateCollapsing)
        return;
    KillTimer(TID_SHOWDELAY);
    if (m_animation == xtpPopupAnimationNone || m_animateDelay == 0) {
        Close();
        return;
    }
    StartAnimation(xtpPopupStateCollapsing, m_fraction);
    SetPopupState(xtpPopupStateCollapsing);
}

void CXTPPopupControl::Close()
{
    if (GetSafeHwnd()) {
        KillTimer(TID_ANIMATION);
        KillTimer(TID_SHOWDELAY);
        if (GetCapture() == this)
            ::ReleaseCapture();
        ShowWindow(SW_HIDE);
    }
    m_fraction = 0;
    m_hot = m_pressed = nullptr;
    m_dragging = m_mouseInside = false;
    if (m_state != xtpPopupStateClosed)
        SetPopupState(xtpPopupStateClosed);
}

void CXTPPopupControl::SetPopupState(XTPPopupState state)
{
    m_state = state;
    Notify(XTP_PCN_STATECHANGED, reinterpret_cast<LPARAM>(this));
}

void CXTPPopupControl::Notify(WPARAM code, LPARAM data)
{
    if (m_notify && ::IsWindow(m_notify))
        ::SendMessageA(m_notify, XTPPopupControlNotifyMessage(), code, data);
}

void CXTPPopupControl::StartAnimation(XTPPopupState state, double from)
{
    // The clock at which this animation would have started from its beginning, so that an
    // expansion cut short collapses from where it was (and the other way round).
    const double done = state == xtpPopupStateExpanding ? from : 1 - from;
    m_animStart = ::GetTickCount() - static_cast<DWORD>(done * m_animateDelay + 0.5);
    ApplyFrame(from);
    SetTimer(TID_ANIMATION, kAnimationStep, nullptr);
}

void CXTPPopupControl::EnterShowState()
{
    StartHideTimer();
    SetPopupState(xtpPopupStateShow);
}

void CXTPPopupControl::StartHideTimer()
{
    // The mouse over the pop-up holds it; leaving starts the timer.
    if (m_showDelay && !m_mouseInside && !m_dragging)
        SetTimer(TID_SHOWDELAY, m_showDelay, nullptr);
}

// The window for a fraction of the animation: its rectangle and its alpha.
void CXTPPopupControl::ApplyFrame(double fraction)
{
    m_fraction = std::clamp(fraction, 0.0, 1.0);
    const CRect full = GetPopupRect();
    CRect r = full;
    BYTE alpha = m_transparency;
    if (m_fraction < 1) {
        const int h = std::max(1, static_cast<int>(full.Height() * m_fraction + 0.5));
        const int w = std::max(1, static_cast<int>(full.Width() * m_fraction + 0.5));
        switch (m_animation) {
        case xtpPopupAnimationFade:
            alpha = static_cast<BYTE>(m_transparency * m_fraction + 0.5);
            break;
        case xtpPopupAnimationSlide:
            r.top = full.bottom - h;
            break;
        case xtpPopupAnimationUnfold:
            r.top = full.bottom - h;
            r.left = full.right - w;
            break;
        default:
            break;
        }
    }
    if (!GetSafeHwnd())
        return;
    ::SetLayeredWindowAttributes(m_hWnd, 0, alpha, LWA_ALPHA);
    SetWindowPos(&wndTopMost, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE);
    Invalidate(FALSE);
}

// ---- Messages ----

void CXTPPopupControl::OnTimer(UINT_PTR id)
{
    if (id == TID_SHOWDELAY) {
        KillTimer(TID_SHOWDELAY);
        if (m_state == xtpPopupStateShow)
            Hide(); // may end in the closed notification: nothing after it
        return;
    }
    if (id != TID_ANIMATION) {
        CWnd::OnTimer(id);
        return;
    }
    const double elapsed = static_cast<double>(::GetTickCount() - m_animStart);
    const double part = m_animateDelay ? elapsed / m_animateDelay : 1.0;
    if (m_state == xtpPopupStateExpanding) {
        if (part < 1) {
            ApplyFrame(part);
            return;
        }
        KillTimer(TID_ANIMATION);
        ApplyFrame(1);
        EnterShowState();
    } else if (m_state == xtpPopupStateCollapsing) {
        if (part < 1) {
            ApplyFrame(1 - part);
            return;
        }
        Close();
    } else {
        KillTimer(TID_ANIMATION);
    }
}

void CXTPPopupControl::OnPaint()
{
    CPaintDC dc(this);
    const CRect whole(CPoint(0, 0), m_size);
    m_paintManager->DrawBackground(&dc, this, whole);
    for (CXTPPopupItem* item : m_items)
        m_paintManager->DrawItem(&dc, item);
}

BOOL CXTPPopupControl::OnEraseBkgnd(CDC*)
{
    return TRUE; // OnPaint covers everything
}

void CXTPPopupControl::SetHot(CXTPPopupItem* item)
{
    if (item == m_hot)
        return;
    if (m_hot)
        m_hot->RedrawControl();
    m_hot = item;
    if (m_hot)
        m_hot->RedrawControl();
}

void CXTPPopupControl::OnMouseMove(UINT, CPoint point)
{
    if (m_dragging) {
        const CSize delta = MessageScreenPoint() - m_dragStart;
        if (delta != CSize(0, 0) || m_moved) {
            m_moved = true;
            SetPopupPos(m_dragOrigin + delta);
        }
        return;
    }
    if (!m_mouseInside) {
        TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
        m_mouseInside = true;
    }
    CXTPPopupItem* hit = HitTest(point);
    SetHot(hit && hit->IsClickable() ? hit : nullptr);
    if (m_state == xtpPopupStateCollapsing) {
        // Caught while going away: back to fully shown, held while the mouse stays.
        KillTimer(TID_ANIMATION);
        ApplyFrame(1);
        SetPopupState(xtpPopupStateShow);
        return;
    }
    if (m_state == xtpPopupStateShow)
        KillTimer(TID_SHOWDELAY);
}

void CXTPPopupControl::OnMouseLeave()
{
    m_mouseInside = false;
    SetHot(nullptr);
    if (m_state == xtpPopupStateShow)
        StartHideTimer();
}

LRESULT CXTPPopupControl::OnMouseLeaveMsg(WPARAM, LPARAM)
{
    OnMouseLeave();
    return 0;
}

LRESULT CXTPPopupControl::OnMouseActivateMsg(WPARAM, LPARAM)
{
    return MA_NOACTIVATE; // a pop-up never takes the activation from the window the user works in
}

void CXTPPopupControl::OnLButtonDown(UINT, CPoint point)
{
    CXTPPopupItem* hit = HitTest(point);
    if (hit && hit->IsClickable()) {
        m_pressed = hit;
        SetHot(hit);
        hit->RedrawControl();
        SetCapture();
        return;
    }
    if (!m_allowMove)
        return;
    m_dragging = true;
    m_moved = false;
    m_dragStart = MessageScreenPoint();
    m_dragOrigin = GetPopupPos();
    KillTimer(TID_SHOWDELAY);
    SetCapture();
}

void CXTPPopupControl::OnLButtonUp(UINT, CPoint point)
{
    if (m_pressed) {
        CXTPPopupItem* pressed = m_pressed;
        m_pressed = nullptr;
        pressed->RedrawControl();
        if (GetCapture() == this)
            ::ReleaseCapture();
        if (HitTest(point) == pressed)
            Notify(XTP_PCN_ITEMCLICK, reinterpret_cast<LPARAM>(pressed)); // may delete this pop-up
        return;
    }
    if (!m_dragging)
        return;
    const bool moved = m_moved;
    m_dragging = m_moved = false;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (moved)
        Notify(XTP_PCN_POSCHANGED, reinterpret_cast<LPARAM>(this));
}

void CXTPPopupControl::OnCaptureChanged(CWnd*)
{
    if (m_pressed) {
        m_pressed->RedrawControl();
        m_pressed = nullptr;
    }
    m_dragging = false;
}
