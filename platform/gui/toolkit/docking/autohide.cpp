// Auto-hidden panes: the panels of tabs along the site's edges and the window an auto-hidden
// pane slides out in. The slide runs on the virtual clock in steps of the animation interval
// over the animation duration; it slides back once neither the mouse nor the focus has been in
// it for the hover delay.
#include <algorithm>

#include "windows.h"

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT_PTR kStepTimer = 2;
constexpr UINT_PTR kAwayTimer = 3;
constexpr int kAwayPoll = 50;

} // namespace

int CXTPDockingPaneManager::Impl::AnimationSteps() const
{
    const int duration = owner->GetAnimationDuration(), interval = std::max(owner->GetAnimationInterval(), 1);
    if (owner->GetAnimationDelay() == 0 && duration <= 1)
        return 1;
    return std::clamp(duration / interval, 1, 256);
}

int CXTPDockingPaneManager::Impl::HoverDelay() const
{
    const double d = owner->GetAnimationDelay();
    return d < 0 ? MISC_HOVER_TIME : static_cast<int>(d);
}

CRect CXTPDockingPaneManager::Impl::SlideRect(int step) const
{
    const int h = model.HiddenOf(slideState.pane);
    if (h < 0)
        return CRect();
    const docking::Hidden& hidden = model.hidden[static_cast<size_t>(h)];
    const bool across = docking::IsVertical(hidden.dir);
    const int room = std::max(0, across ? inner.Width() : inner.Height());
    const int full = std::min(hidden.size, room);
    const int extent = slideState.steps > 0 ? full * std::clamp(step, 0, slideState.steps) / slideState.steps : full;
    CRect r = inner;
    switch (hidden.dir) {
    case xtpPaneDockLeft: r.right = r.left + extent; break;
    case xtpPaneDockRight: r.left = r.right - extent; break;
    case xtpPaneDockTop: r.bottom = r.top + extent; break;
    default: r.top = r.bottom - extent; break;
    }
    return r;
}

void CXTPDockingPaneManager::Impl::SlideOut(UINT pane, bool animate)
{
    if (model.HiddenOf(pane) < 0 || !slide)
        return;
    if (slideState.pane == pane && slideState.out)
        return;
    const bool switching = slideState.pane && slideState.pane != pane;
    slideState.pane = pane;
    slideState.out = true;
    slideState.steps = AnimationSteps();
    if (switching || !animate || slideState.steps <= 1)
        slideState.step = slideState.steps;
    else
        slideState.step = std::min(slideState.step, slideState.steps - 1) + 1;
    activePane = pane;
    Place();
    slide->ShowWindow(SW_SHOWNA);
    slide->Invalidate();
    slide->StartTimers();
    CXTPDockingPane* p = Pane(pane);
    if (p && p->GetChild() && p->GetChild()->GetSafeHwnd())
        p->GetChild()->SetFocus();
    else
        slide->SetFocus();
    for (auto& panel : panels)
        if (panel)
            panel->Invalidate();
}

void CXTPDockingPaneManager::Impl::SlideIn(bool animate)
{
    if (!slideState.pane || !slide)
        return;
    slideState.out = false;
    if (animate && slideState.steps > 1 && slideState.step > 0) {
        slide->StartTimers();
        return;
    }
    slideState.step = 0;
    const UINT pane = slideState.pane;
    slideState.pane = 0;
    slide->KillTimer(kStepTimer);
    slide->KillTimer(kAwayTimer);
    slide->ShowWindow(SW_HIDE);
    if (CXTPDockingPane* p = Pane(pane); p && p->GetChild() && p->GetChild()->GetSafeHwnd())
        p->GetChild()->ShowWindow(SW_HIDE);
    for (auto& panel : panels)
        if (panel)
            panel->Invalidate();
}

void CXTPDockingPaneManager::Impl::SlideStep()
{
    if (!slideState.pane)
        return;
    if (slideState.out) {
        if (slideState.step < slideState.steps)
            ++slideState.step;
    } else if (--slideState.step <= 0) {
        SlideIn(false);
        return;
    }
    Place();
    slide->Invalidate();
}

namespace docking {

// --- panels ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(PanelWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

std::vector<UINT> PanelWnd::Panes() const
{
    std::vector<UINT> ids;
    for (const Hidden& h : m_manager->GetImpl()->model.hidden)
        if (h.dir == dir)
            ids.insert(ids.end(), h.panes.begin(), h.panes.end());
    return ids;
}

std::vector<CRect> PanelWnd::TabRects()
{
    CRect client;
    GetClientRect(&client);
    client.DeflateRect(2, 2);
    return m_manager->GetPaintManager()->GetPanelPaintManager()->LayoutTabs(nullptr, client, TitlesOf(m_manager, Panes()));
}

void PanelWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CXTPTabPaintManager* tabs = m_manager->GetPaintManager()->GetPanelPaintManager();
    dc.FillSolidRect(&client, tabs->GetColorSet()->clrAutoHideFace);
    const std::vector<UINT> ids = Panes();
    int selected = -1;
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == m_manager->GetImpl()->slideState.pane)
            selected = static_cast<int>(i);
    client.DeflateRect(2, 2);
    tabs->DrawTabs(&dc, client, TitlesOf(m_manager, ids), selected);
}

void PanelWnd::OnLButtonDown(UINT, CPoint point)
{
    const std::vector<UINT> ids = Panes();
    const std::vector<CRect> rects = TabRects();
    for (size_t i = 0; i < rects.size() && i < ids.size(); ++i)
        if (rects[i].PtInRect(point)) {
            m_manager->ShowPane(m_manager->FindPane(ids[i]));
            return;
        }
}

void PanelWnd::OnMouseMove(UINT, CPoint point)
{
    // Resting on a tab for the hover delay slides its pane out.
    const std::vector<UINT> ids = Panes();
    const std::vector<CRect> rects = TabRects();
    UINT over = 0;
    for (size_t i = 0; i < rects.size() && i < ids.size(); ++i)
        if (rects[i].PtInRect(point))
            over = ids[i];
    if (over == m_hover)
        return;
    m_hover = over;
    KillTimer(kHoverTimer);
    if (over && m_manager->GetImpl()->slideState.pane != over)
        SetTimer(kHoverTimer, static_cast<UINT>(std::max(1, m_manager->GetImpl()->HoverDelay())), nullptr);
}

void PanelWnd::OnTimer(UINT_PTR id)
{
    if (id != kHoverTimer)
        return;
    KillTimer(kHoverTimer);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    const std::vector<UINT> ids = Panes();
    const std::vector<CRect> rects = TabRects();
    for (size_t i = 0; i < rects.size() && i < ids.size(); ++i)
        if (rects[i].PtInRect(cursor) && ids[i] == m_hover)
            m_manager->GetImpl()->SlideOut(ids[i], true);
}

// --- the slide-out window ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SlideWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

GroupParts SlideWnd::Parts()
{
    CRect client;
    GetClientRect(&client);
    const UINT pane = m_manager->GetImpl()->slideState.pane;
    return LayoutGroup(m_manager, client, {pane}, true, true);
}

void SlideWnd::StartTimers()
{
    m_away = 0;
    SetTimer(kStepTimer, static_cast<UINT>(std::max(1, m_manager->GetAnimationInterval())), nullptr);
    SetTimer(kAwayTimer, kAwayPoll, nullptr);
}

void SlideWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CXTPDockingPanePaintManager* paint = m_manager->GetPaintManager();
    paint->FillClient(&dc, client);
    const GroupParts parts = Parts();
    const CXTPDockingPane* pane = m_manager->FindPane(m_manager->GetImpl()->slideState.pane);
    paint->DrawCaption(&dc, parts.caption, pane ? pane->GetTitle().GetString() : "", TRUE);
    paint->DrawCaptionButton(&dc, parts.hide, 2, TRUE);
    paint->DrawCaptionButton(&dc, parts.close, 0, TRUE);
    dc.Draw3dRect(&client, paint->GetXtremeColor(COLOR_3DSHADOW), paint->GetXtremeColor(COLOR_3DSHADOW));
}

void SlideWnd::OnLButtonDown(UINT, CPoint point)
{
    auto* impl = m_manager->GetImpl();
    const GroupParts parts = Parts();
    CXTPDockingPane* pane = m_manager->FindPane(impl->slideState.pane);
    if (!pane)
        return;
    if (parts.close.PtInRect(point)) {
        m_manager->ClosePane(pane);
    } else if (parts.hide.PtInRect(point)) {
        // The pin docks the pane back at its edge.
        m_manager->DockPane(pane, m_manager->GetPaneDirection(pane));
    } else {
        SetFocus();
    }
}

void SlideWnd::OnTimer(UINT_PTR id)
{
    auto* impl = m_manager->GetImpl();
    if (id == kStepTimer) {
        const bool moving = impl->slideState.out ? impl->slideState.step < impl->slideState.steps : impl->slideState.step > 0;
        if (moving)
            impl->SlideStep();
        else
            KillTimer(kStepTimer);
        return;
    }
    if (id != kAwayTimer || !impl->slideState.out)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect mine, panel;
    GetWindowRect(&mine);
    const int h = impl->model.HiddenOf(impl->slideState.pane);
    if (h >= 0)
        impl->panels[impl->model.hidden[static_cast<size_t>(h)].dir]->GetWindowRect(&panel);
    const HWND focus = ::GetFocus();
    const bool focused = focus && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
    const bool over = mine.PtInRect(cursor) || panel.PtInRect(cursor);
    m_away = focused || over ? 0 : m_away + kAwayPoll;
    if (m_away >= std::max(kAwayPoll, impl->HoverDelay()))
        impl->SlideIn(true);
}

} // namespace docking
