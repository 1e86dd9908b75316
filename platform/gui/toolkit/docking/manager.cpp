// The docking-pane manager: its panes and what it does with them; the arrangement lives in the
// model, the windows follow it (Sync), the layout places them (Place).
#include "toolkit/dockingpane.h"

#include <algorithm>
#include <map>

#include "layout.h"
#include "windows.h"

using docking::Model;
using docking::Node;
using docking::PaneState;

namespace {

std::map<HWND, CXTPDockingPaneManager*>& Sites()
{
    static std::map<HWND, CXTPDockingPaneManager*> sites;
    return sites;
}

int SizeFor(const CRect& rect, XTPDockingPaneDirection dir)
{
    return docking::IsVertical(dir) ? rect.Width() : rect.Height();
}

} // namespace

// --- panes -------------------------------------------------------------------------------------

CXTPDockingPane::CXTPDockingPane(CXTPDockingPaneManager* manager, UINT id, LPCTSTR title)
    : m_manager(manager), m_id(id), m_title(title ? title : "")
{
}

CXTPDockingPane::~CXTPDockingPane() = default;

BOOL CXTPDockingPane::IsFloating() const
{
    return m_manager->GetImpl()->model.StateOf(m_id) == PaneState::Floating;
}

BOOL CXTPDockingPane::IsHidden() const
{
    return m_manager->GetImpl()->model.StateOf(m_id) == PaneState::Hidden;
}

BOOL CXTPDockingPane::IsClosed() const
{
    return m_manager->GetImpl()->model.StateOf(m_id) == PaneState::Closed;
}

BOOL CXTPDockingPane::IsSelected() const
{
    const Node* g = m_manager->GetImpl()->model.GroupOf(m_id);
    return g && g->SelectedPane() == m_id;
}

CRect CXTPDockingPane::GetPaneRect() const
{
    auto* impl = m_manager->GetImpl();
    const Model& m = impl->model;
    if (const Node* g = m.GroupOf(m_id)) {
        CRect r = g->rect;
        const int f = m.FloatOf(g);
        if (f >= 0) {
            // Floating: the group's place in its frame's client area, on the screen.
            CRect frame = m.floats[static_cast<size_t>(f)].rect;
            r.OffsetRect(frame.left + 1, frame.top + 1);
        }
        return r;
    }
    if (m.StateOf(m_id) == PaneState::Hidden && impl->slideState.pane == m_id)
        return impl->SlideRect(impl->slideState.step);
    return CRect();
}

// --- the manager -------------------------------------------------------------------------------

CXTPDockingPaneManager::CXTPDockingPaneManager()
    : m_paint(std::make_unique<CXTPDockingPaneDefaultTheme>()), m_impl(std::make_unique<Impl>(this))
{
    m_paint->RefreshMetrics();
}

CXTPDockingPaneManager::~CXTPDockingPaneManager()
{
    for (auto it = Sites().begin(); it != Sites().end();)
        it = it->second == this ? Sites().erase(it) : std::next(it);
    m_impl.reset();
}

CXTPDockingPaneManager* CXTPDockingPaneManager::FromSite(CWnd* site)
{
    if (!site || !site->GetSafeHwnd())
        return nullptr;
    auto it = Sites().find(site->GetSafeHwnd());
    return it == Sites().end() ? nullptr : it->second;
}

BOOL CXTPDockingPaneManager::InstallDockingPanes(CWnd* site)
{
    if (!site || !site->GetSafeHwnd())
        return FALSE;
    m_site = site;
    Sites()[site->GetSafeHwnd()] = this;
    docking::RegisterClasses();
    m_impl->Sync();
    return TRUE;
}

CXTPDockingPane* CXTPDockingPaneManager::CreatePane(UINT id, const CRect& rect, XTPDockingPaneDirection direction,
                                                    CXTPDockingPane* neighbour)
{
    if (FindPane(id))
        return nullptr;
    m_impl->panes.push_back(std::make_unique<CXTPDockingPane>(this, id, ""));
    CXTPDockingPane* pane = m_impl->panes.back().get();
    m_impl->model.panes.push_back(docking::PaneRecord{id, ""});
    m_impl->model.closed.push_back(id);
    DockPane(pane, direction, neighbour);
    const int size = SizeFor(rect, direction);
    if (!neighbour && !m_impl->model.edges.empty())
        m_impl->model.edges.front().size = std::max(size, 16);
    return pane;
}

CXTPDockingPane* CXTPDockingPaneManager::FindPane(UINT id) const
{
    return m_impl->Pane(id);
}

int CXTPDockingPaneManager::GetPaneCount() const
{
    return static_cast<int>(m_impl->panes.size());
}

CXTPDockingPane* CXTPDockingPaneManager::GetPaneAt(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_impl->panes[static_cast<size_t>(index)].get() : nullptr;
}

void CXTPDockingPaneManager::DockPane(CXTPDockingPane* pane, XTPDockingPaneDirection direction, CXTPDockingPane* neighbour)
{
    if (!pane || pane->GetDockingPaneManager() != this)
        return;
    if (m_impl->slideState.pane == pane->GetID())
        m_impl->SlideIn(false);
    Model& m = m_impl->model;
    // The size across the edge: what the pane had, else a quarter of the site.
    int size = 0;
    if (const Node* g = m.GroupOf(pane->GetID()))
        size = SizeFor(g->rect, direction);
    const int h = m.HiddenOf(pane->GetID());
    if (h >= 0)
        size = m.hidden[static_cast<size_t>(h)].size;
    if (size <= 0)
        size = 200;
    if (neighbour && neighbour != pane && m.GroupOf(neighbour->GetID()))
        m.DockBeside(pane->GetID(), neighbour->GetID(), direction, size);
    else
        m.DockAtEdge(pane->GetID(), direction, size);
    m_impl->Sync();
}

void CXTPDockingPaneManager::FloatPane(CXTPDockingPane* pane, const CRect& rect)
{
    if (!pane || pane->GetDockingPaneManager() != this)
        return;
    if (m_impl->slideState.pane == pane->GetID())
        m_impl->SlideIn(false);
    Model& m = m_impl->model;
    m.Remove(pane->GetID());
    auto g = std::make_unique<Node>();
    g->panes.push_back(pane->GetID());
    CRect r = rect;
    r.NormalizeRect();
    if (r.Width() < 40)
        r.right = r.left + 40;
    if (r.Height() < 40)
        r.bottom = r.top + 40;
    m.floats.push_back(docking::Floating{r, std::move(g)});
    m_impl->Sync();
}

void CXTPDockingPaneManager::AttachPane(CXTPDockingPane* pane, CXTPDockingPane* target)
{
    if (!pane || !target || pane == target || target->IsClosed())
        return;
    if (m_impl->slideState.pane == pane->GetID())
        m_impl->SlideIn(false);
    m_impl->model.AttachTo(pane->GetID(), target->GetID());
    m_impl->Sync();
}

void CXTPDockingPaneManager::HidePane(CXTPDockingPane* pane)
{
    if (!pane || pane->IsHidden() || pane->IsClosed())
        return;
    Model& m = m_impl->model;
    const Node* g = m.GroupOf(pane->GetID());
    XTPDockingPaneDirection dir = m.LastDirection(pane->GetID());
    const int edge = g ? m.EdgeOf(g) : -1;
    if (edge >= 0)
        dir = m.edges[static_cast<size_t>(edge)].dir;
    const int size = g ? SizeFor(g->rect, dir) : 200;
    m.HideGroup(pane->GetID(), dir, size > 0 ? size : 200);
    for (UINT id : m.hidden.back().panes)
        m.SetLastDirection(id, dir);
    m_impl->Sync();
}

void CXTPDockingPaneManager::ShowPane(CXTPDockingPane* pane)
{
    if (!pane)
        return;
    Model& m = m_impl->model;
    const UINT id = pane->GetID();
    switch (m.StateOf(id)) {
    case PaneState::Closed:
        m.DockAtEdge(id, m.LastDirection(id), 200);
        break;
    case PaneState::Hidden:
        m_impl->SlideOut(id, true);
        return;
    default: {
        Node* g = m.GroupOf(id);
        g->selected = static_cast<int>(std::find(g->panes.begin(), g->panes.end(), id) - g->panes.begin());
        break;
    }
    }
    m_impl->activePane = id;
    m_impl->Sync();
    if (pane->GetChild() && pane->GetChild()->GetSafeHwnd())
        pane->GetChild()->SetFocus();
}

void CXTPDockingPaneManager::ClosePane(CXTPDockingPane* pane)
{
    if (!pane || pane->IsClosed())
        return;
    if (m_impl->slideState.pane == pane->GetID())
        m_impl->SlideIn(false);
    m_impl->model.Remove(pane->GetID());
    m_impl->model.closed.push_back(pane->GetID());
    m_impl->Sync();
}

CXTPDockingPaneLayout* CXTPDockingPaneManager::CreateLayout()
{
    return new CXTPDockingPaneLayout(this);
}

void CXTPDockingPaneManager::GetLayout(CXTPDockingPaneLayout* layout)
{
    if (!layout)
        return;
    Model copy = m_impl->model;
    for (docking::PaneRecord& r : copy.panes)
        if (const CXTPDockingPane* p = FindPane(r.id))
            r.title = p->GetTitle();
    layout->m_impl->model = std::move(copy);
    layout->m_impl->valid = true;
}

void CXTPDockingPaneManager::SetLayout(CXTPDockingPaneLayout* layout)
{
    if (!layout || !layout->m_impl->valid)
        return;
    m_impl->SlideIn(false);
    Model next = layout->m_impl->model;
    // Panes the layout names that are not here yet are made; panes it does not name close.
    for (const docking::PaneRecord& r : next.panes)
        if (!FindPane(r.id)) {
            m_impl->panes.push_back(std::make_unique<CXTPDockingPane>(this, r.id, r.title));
        }
    for (const auto& p : m_impl->panes) {
        const bool named = std::any_of(next.panes.begin(), next.panes.end(), [&](const auto& r) { return r.id == p->GetID(); });
        if (!named) {
            next.panes.push_back(docking::PaneRecord{p->GetID(), p->GetTitle()});
            next.closed.push_back(p->GetID());
        }
    }
    // The panes keep the order they were made in.
    std::vector<docking::PaneRecord> ordered;
    for (const auto& p : m_impl->panes)
        ordered.push_back(docking::PaneRecord{p->GetID(), p->GetTitle()});
    next.panes = ordered;
    m_impl->model = std::move(next);
    m_impl->Sync();
}

void CXTPDockingPaneManager::SetTheme(XTPDockingPanePaintTheme theme)
{
    std::unique_ptr<CXTPDockingPanePaintManager> made;
    switch (theme) {
    case xtpPaneThemeDefault: made = std::make_unique<CXTPDockingPaneDefaultTheme>(); break;
    case xtpPaneThemeGrippered: made = std::make_unique<CXTPDockingPaneGripperedTheme>(); break;
    case xtpPaneThemeOffice: made = std::make_unique<CXTPDockingPaneGripperedTheme>(); break;
    default: made = std::make_unique<CXTPDockingPaneOffice2003Theme>(); break;
    }
    made->RefreshMetrics();
    m_paint = std::move(made);
    RecalcFrameLayout();
}

void CXTPDockingPaneManager::SetCustomTheme(CXTPDockingPanePaintManager* theme)
{
    if (!theme)
        return;
    m_paint.reset(theme);
    RecalcFrameLayout();
}

XTPDockingPanePaintTheme CXTPDockingPaneManager::GetCurrentTheme() const
{
    return m_paint->GetCurrentTheme();
}

void CXTPDockingPaneManager::SetAnimationDelay(double delay, int duration, int interval)
{
    m_animationDelay = delay;
    m_animationDuration = std::max(duration, 1);
    m_animationInterval = std::max(interval, 1);
}

void CXTPDockingPaneManager::RecalcFrameLayout()
{
    if (!m_site || !m_site->GetSafeHwnd())
        return;
    // A toolkit frame hands its panes what its bars leave (RepositionPanes) from RecalcLayout;
    // any other site gives them its whole client area and its view (if any) what is left.
    m_impl->haveAvailable = false;
    auto* frame = dynamic_cast<CFrameWnd*>(m_site);
    if (frame)
        frame->RecalcLayout();
    if (!m_impl->haveAvailable) {
        CRect client;
        m_site->GetClientRect(&client);
        RepositionPanes(client);
        if (CWnd* view = m_site->GetDlgItem(AFX_IDW_PANE_FIRST))
            view->MoveWindow(&m_impl->viewRect);
    }
    RedrawPanes();
}

void CXTPDockingPaneManager::RedrawPanes()
{
    if (!m_site || !m_site->GetSafeHwnd())
        return;
    m_site->Invalidate();
    m_site->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

CRect CXTPDockingPaneManager::RepositionPanes(const CRect& available)
{
    m_impl->available = available;
    m_impl->haveAvailable = true;
    m_impl->Place();
    return m_impl->viewRect;
}

CRect CXTPDockingPaneManager::GetViewRect() const
{
    return m_impl->viewRect;
}

HWND CXTPDockingPaneManager::GetPaneWindow(const CXTPDockingPane* pane) const
{
    if (!pane)
        return nullptr;
    const Model& m = m_impl->model;
    if (const Node* g = m.GroupOf(pane->GetID()))
        if (auto* w = m_impl->WindowOf(g))
            return w->GetSafeHwnd();
    const int h = m.HiddenOf(pane->GetID());
    if (h < 0)
        return nullptr;
    if (m_impl->slideState.pane == pane->GetID() && m_impl->slide)
        return m_impl->slide->GetSafeHwnd();
    auto& panel = m_impl->panels[m.hidden[static_cast<size_t>(h)].dir];
    return panel ? panel->GetSafeHwnd() : nullptr;
}

HWND CXTPDockingPaneManager::GetFloatingFrame(const CXTPDockingPane* pane) const
{
    if (!pane)
        return nullptr;
    const Node* g = m_impl->model.GroupOf(pane->GetID());
    const int f = g ? m_impl->model.FloatOf(g) : -1;
    if (f < 0 || f >= static_cast<int>(m_impl->floatPool.size()))
        return nullptr;
    return m_impl->floatPool[static_cast<size_t>(f)]->GetSafeHwnd();
}

BOOL CXTPDockingPaneManager::IsPaneSlidOut(const CXTPDockingPane* pane) const
{
    return pane && m_impl->slideState.pane == pane->GetID() && m_impl->slideState.out ? TRUE : FALSE;
}

XTPDockingPaneDirection CXTPDockingPaneManager::GetPaneDirection(const CXTPDockingPane* pane) const
{
    if (!pane)
        return xtpPaneDockLeft;
    const Model& m = m_impl->model;
    const int h = m.HiddenOf(pane->GetID());
    if (h >= 0)
        return m.hidden[static_cast<size_t>(h)].dir;
    if (const Node* g = m.GroupOf(pane->GetID()); g && m.EdgeOf(g) >= 0)
        return m.edges[static_cast<size_t>(m.EdgeOf(g))].dir;
    return m.LastDirection(pane->GetID());
}
