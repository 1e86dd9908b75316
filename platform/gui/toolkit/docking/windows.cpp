// The docked and floating windows: tab groups (caption, buttons, tabs, the selected pane's
// window), floating frames and splitters.
#include "windows.h"

#include "../window_class.h"

#include <algorithm>

using docking::GroupParts;
using docking::Node;

namespace docking {

void RegisterClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const char* names[] = {XTP_DOCKINGPANE_GROUP_CLASS, XTP_DOCKINGPANE_FLOAT_CLASS, XTP_DOCKINGPANE_SPLITTER_CLASS,
                           XTP_DOCKINGPANE_PANEL_CLASS, XTP_DOCKINGPANE_SLIDE_CLASS, XTP_DOCKINGPANE_STICKER_CLASS,
                           XTP_DOCKINGPANE_CONTEXT_CLASS};
    for (const char* name : names)
        xtpkit::RegisterWindowClass(name, name == names[0] ? CS_DBLCLKS : 0);
    RegisterAutomation();
}

std::vector<CString> TitlesOf(CXTPDockingPaneManager* manager, const std::vector<UINT>& panes)
{
    std::vector<CString> titles;
    for (UINT id : panes) {
        const CXTPDockingPane* p = manager->FindPane(id);
        titles.push_back(p ? p->GetTitle() : CString());
    }
    return titles;
}

GroupParts LayoutGroup(CXTPDockingPaneManager* manager, const CRect& client, const std::vector<UINT>& panes, bool caption)
{
    CXTPDockingPanePaintManager* paint = manager->GetPaintManager();
    GroupParts parts;
    CRect rest = client;
    if (caption) {
        parts.caption = CRect(rest.left, rest.top, rest.right, rest.top + paint->m_nCaptionHeight);
        rest.top = parts.caption.bottom;
        const int top = parts.caption.top + (parts.caption.Height() - kButton) / 2;
        parts.close = CRect(parts.caption.right - kButton - 3, top, parts.caption.right - 3, top + kButton);
        parts.hide = CRect(parts.close.left - kButton - 2, top, parts.close.left - 2, top + kButton);
    }
    if (panes.size() > 1) {
        CXTPTabPaintManager* tabs = paint->GetTabPaintManager();
        if (tabs->GetPosition() == xtpTabPositionBottom) {
            parts.tabs = CRect(rest.left, rest.bottom - kTabStrip, rest.right, rest.bottom);
            rest.bottom = parts.tabs.top;
        } else {
            parts.tabs = CRect(rest.left, rest.top, rest.right, rest.top + kTabStrip);
            rest.top = parts.tabs.bottom;
        }
        parts.tabRects = tabs->LayoutTabs(nullptr, parts.tabs, TitlesOf(manager, panes));
    }
    rest.DeflateRect(1, 1);
    if (rest.Width() < 0)
        rest.right = rest.left;
    if (rest.Height() < 0)
        rest.bottom = rest.top;
    parts.client = rest;
    return parts;
}

} // namespace docking

// --- tab groups --------------------------------------------------------------------------------

namespace docking {

BEGIN_MESSAGE_MAP(GroupWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SIZE()
    ON_WM_CAPTURECHANGED()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

GroupParts GroupWnd::Parts()
{
    CRect client;
    GetClientRect(&client);
    return LayoutGroup(m_manager, client, node ? node->panes : std::vector<UINT>{}, true);
}

void GroupWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!node)
        return;
    CXTPDockingPanePaintManager* paint = m_manager->GetPaintManager();
    CRect client;
    GetClientRect(&client);
    const GroupParts parts = Parts();
    paint->FillClient(&dc, client);
    const UINT selected = node->SelectedPane();
    const CXTPDockingPane* pane = m_manager->FindPane(selected);
    const bool active = m_manager->GetImpl()->activePane && std::find(node->panes.begin(), node->panes.end(),
                                                                      m_manager->GetImpl()->activePane) != node->panes.end();
    const BOOL themed = !floating || m_manager->IsThemedFloatingFrames();
    if (themed) {
        paint->DrawCaption(&dc, parts.caption, pane ? pane->GetTitle().GetString() : "", active);
    } else {
        RECT r = parts.caption;
        const UINT state = active ? static_cast<UINT>(MISC_TS_SELECTED) : 0u;
        MiscCurrentTheme().DrawCaption(dc.GetSafeHdc(), r, state);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(MiscCurrentTheme().TextColor(MiscThemeElement::Caption, state));
        CRect text = parts.caption;
        text.left += 4;
        dc.DrawText(pane ? pane->GetTitle() : CString(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    }
    paint->DrawCaptionButton(&dc, parts.hide, 1, active);
    paint->DrawCaptionButton(&dc, parts.close, 0, active);
    if (!parts.tabs.IsRectEmpty())
        paint->GetTabPaintManager()->DrawTabs(&dc, parts.tabs, TitlesOf(m_manager, node->panes), node->selected, m_hot);
    CRect frame = parts.client;
    frame.InflateRect(1, 1);
    paint->DrawPaneFrame(&dc, frame);
    // A tab setting changed since the last layout (tabs moved to the bottom by a look) moves
    // the pane's window to where its room is now.
    if (pane && pane->GetChild() && pane->GetChild()->GetSafeHwnd() && pane->GetChild()->GetParent() == this) {
        CRect now;
        pane->GetChild()->GetWindowRect(&now);
        ScreenToClient(&now);
        if (now != parts.client)
            pane->GetChild()->MoveWindow(&parts.client);
    }
}

void GroupWnd::OnSize(UINT, int, int)
{
    Invalidate();
}

void GroupWnd::OnLButtonDown(UINT, CPoint point)
{
    if (!node)
        return;
    const GroupParts parts = Parts();
    CXTPDockingPaneManager* m = m_manager;
    const UINT selected = node->SelectedPane();
    m->GetImpl()->SetActive(selected);
    if (parts.close.PtInRect(point)) {
        m->ClosePane(m->FindPane(selected));
        return;
    }
    if (parts.hide.PtInRect(point)) {
        m->HidePane(m->FindPane(selected));
        return;
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    for (size_t i = 0; i < parts.tabRects.size(); ++i)
        if (parts.tabRects[i].PtInRect(point)) {
            const UINT id = node->panes[i];
            m->ShowPane(m->FindPane(id));
            m->GetImpl()->BeginPress(m_hWnd, {id}, screen);
            return;
        }
    if (parts.caption.PtInRect(point)) {
        std::vector<UINT> group = node->panes;
        // The selected pane first, so that it stays selected where the group lands.
        std::stable_partition(group.begin(), group.end(), [&](UINT id) { return id == selected; });
        Invalidate();
        m->GetImpl()->BeginPress(m_hWnd, group, screen);
        return;
    }
    Invalidate();
}

void GroupWnd::OnMouseMove(UINT, CPoint point)
{
    if (::GetCapture() != m_hWnd) {
        int hot = -1;
        const GroupParts parts = Parts();
        for (size_t i = 0; i < parts.tabRects.size(); ++i)
            if (parts.tabRects[i].PtInRect(point))
                hot = static_cast<int>(i);
        if (hot != m_hot) {
            m_hot = hot;
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
            Invalidate();
        }
        return;
    }
    ClientToScreen(&point);
    m_manager->GetImpl()->DragMove(point);
}

void GroupWnd::OnLButtonUp(UINT, CPoint point)
{
    if (::GetCapture() != m_hWnd)
        return;
    ClientToScreen(&point);
    m_manager->GetImpl()->DragEnd(point, false);
}

void GroupWnd::OnCaptureChanged(CWnd*)
{
    // Losing the mouse in the middle of a drag (another window took it) ends the drag unmade.
    auto* impl = m_manager->GetImpl();
    if (impl->drag.pressed && impl->drag.capture == m_hWnd)
        impl->DragEnd(CPoint(), true);
}

BOOL GroupWnd::OnSetCursor(CWnd* wnd, UINT, UINT message)
{
    // A click into the pane's own window makes its caption the active one.
    if (message == WM_LBUTTONDOWN && node && wnd != this)
        m_manager->GetImpl()->SetActive(node->SelectedPane());
    return FALSE;
}

LRESULT GroupWnd::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_hot >= 0) {
        m_hot = -1;
        Invalidate();
    }
    return 0;
}

void GroupWnd::OnLButtonDblClk(UINT, CPoint point)
{
    // A double click on the caption floats a docked group where it is, and docks a floating one
    // back at its last edge.
    if (!node || !Parts().caption.PtInRect(point) || Parts().close.PtInRect(point) || Parts().hide.PtInRect(point))
        return;
    CXTPDockingPaneManager* m = m_manager;
    std::vector<UINT> group = node->panes;
    const UINT selected = node->SelectedPane();
    std::stable_partition(group.begin(), group.end(), [&](UINT id) { return id == selected; });
    auto* impl = m->GetImpl();
    impl->drag = DragState();
    impl->drag.panes = group;
    DropTarget target;
    if (floating) {
        target.kind = DropTarget::SiteEdge;
        target.dir = impl->model.LastDirection(selected);
    } else {
        target.kind = DropTarget::Float;
        GetWindowRect(&target.rect);
    }
    impl->Drop(target);
}

// --- floating frames ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(FloatWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOVE()
END_MESSAGE_MAP()

void FloatWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    m_manager->GetPaintManager()->FillClient(&dc, client);
}

void FloatWnd::OnSize(UINT, int, int)
{
    Remember();
    Invalidate();
}

void FloatWnd::OnMove(int, int)
{
    Remember();
}

void FloatWnd::Remember()
{
    // A person moved or sized the frame (by its border): the arrangement keeps the new place.
    auto* impl = m_manager->GetImpl();
    if (impl->placing || index < 0 || index >= static_cast<int>(impl->model.floats.size()))
        return;
    CRect r;
    GetWindowRect(&r);
    if (r == impl->model.floats[static_cast<size_t>(index)].rect)
        return;
    impl->model.floats[static_cast<size_t>(index)].rect = r;
    impl->Place();
}

// --- splitters ---------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void SplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    m_manager->GetPaintManager()->DrawSplitter(&dc, client, info.vertical);
}

void SplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_tracking = true;
    m_start = point;
    GetWindowRect(&m_startRect);
    GetParent()->ScreenToClient(&m_startRect);
    SetCapture();
}

void SplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_tracking)
        return;
    ClientToScreen(&point);
    const int delta = info.vertical ? point.x - m_start.x : point.y - m_start.y;
    if (m_manager->IsSplitterTrackerUsed()) {
        // The tracker: only the bar moves until the button is let go.
        CRect r = m_startRect;
        if (info.vertical)
            r.OffsetRect(delta, 0);
        else
            r.OffsetRect(0, delta);
        MoveWindow(&r);
        return;
    }
    m_start = point;
    Apply(delta);
}

void SplitterWnd::OnLButtonUp(UINT, CPoint point)
{
    if (!m_tracking)
        return;
    m_tracking = false;
    ReleaseCapture();
    ClientToScreen(&point);
    const int delta = info.vertical ? point.x - m_start.x : point.y - m_start.y;
    Apply(delta);
}

void SplitterWnd::Apply(int delta)
{
    auto* impl = m_manager->GetImpl();
    docking::Model& m = impl->model;
    if (info.edge < 0 || info.edge >= static_cast<int>(m.edges.size()))
        return;
    if (!info.split) {
        Edge& e = m.edges[static_cast<size_t>(info.edge)];
        const bool grows = e.dir == xtpPaneDockLeft || e.dir == xtpPaneDockTop;
        e.size = std::max(16, (IsVertical(e.dir) ? e.rect.Width() : e.rect.Height()) + (grows ? delta : -delta));
    } else {
        Node* s = info.split;
        const size_t i = static_cast<size_t>(info.index);
        if (i + 1 >= s->children.size())
            return;
        // The weights become the children's extents, then the two beside the bar trade pixels.
        for (size_t k = 0; k < s->children.size(); ++k)
            s->weights[k] = std::max(1, s->horizontal ? s->children[k]->rect.Width() : s->children[k]->rect.Height());
        const int total = s->weights[i] + s->weights[i + 1];
        s->weights[i] = std::clamp(s->weights[i] + delta, 8, std::max(8, total - 8));
        s->weights[i + 1] = std::max(1, total - s->weights[i]);
    }
    m_manager->RecalcFrameLayout();
}

// --- the context rectangle ---------------------------------------------------------------------

BEGIN_MESSAGE_MAP(ContextWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void ContextWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    if (m_manager->IsAlphaDockingContext()) {
        // A light wash of the highlight colour with a solid edge (what shows through a
        // translucent rectangle on a light face).
        const COLORREF wash = RGB((GetRValue(highlight) + 3 * 255) / 4, (GetGValue(highlight) + 3 * 255) / 4,
                                  (GetBValue(highlight) + 3 * 255) / 4);
        dc.FillSolidRect(&client, wash);
        dc.Draw3dRect(&client, highlight, highlight);
    } else {
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
        CRect r = client;
        for (int i = 0; i < 3; ++i) {
            dc.Draw3dRect(&r, RGB(64, 64, 64), RGB(64, 64, 64));
            r.DeflateRect(1, 1);
        }
    }
}

} // namespace docking
