// Dragging panes by a caption or a tab: past a few pixels the drag begins, the docking stickers
// show (when on) at the site's edges and over the group under the mouse, the context rectangle
// shows where the panes would go; the drop docks them there, or floats them.
#include <algorithm>

#include "windows.h"

using docking::DropTarget;
using docking::Node;

namespace {

constexpr int kDragThreshold = 4;

CRect SiteScreenRect(CXTPDockingPaneManager::Impl* impl, const CRect& client)
{
    CRect r = client;
    impl->owner->GetSite()->ClientToScreen(&r);
    return r;
}

// Where panes docked at `dir` of `outer` would go (a quarter of it, at most their own size).
CRect DockRect(const CRect& outer, XTPDockingPaneDirection dir, int size)
{
    CRect r = outer;
    const int across = docking::IsVertical(dir) ? outer.Width() : outer.Height();
    const int s = std::min(size > 0 ? size : across / 4, across / 2);
    switch (dir) {
    case xtpPaneDockLeft: r.right = r.left + s; break;
    case xtpPaneDockRight: r.left = r.right - s; break;
    case xtpPaneDockTop: r.bottom = r.top + s; break;
    default: r.top = r.bottom - s; break;
    }
    return r;
}

} // namespace

void CXTPDockingPaneManager::Impl::BeginPress(HWND from, const std::vector<UINT>& ids, CPoint screen)
{
    drag = docking::DragState();
    drag.pressed = true;
    drag.panes = ids;
    drag.start = screen;
    drag.capture = from;
    ::GetWindowRect(from, &drag.startRect);
    ::SetCapture(from);
}

void CXTPDockingPaneManager::Impl::DragMove(CPoint screen)
{
    if (!drag.pressed)
        return;
    if (!drag.dragging) {
        if (std::abs(screen.x - drag.start.x) < kDragThreshold && std::abs(screen.y - drag.start.y) < kDragThreshold)
            return;
        drag.dragging = true;
    }
    ShowStickers(owner->IsShowDockingContextStickers(), screen);
    drag.target = HitTest(screen);
    for (auto& s : stickers)
        if (s && s->IsWindowVisible())
            s->Invalidate();
    if (drag.target.kind == DropTarget::None) {
        context->ShowWindow(SW_HIDE);
        return;
    }
    context->SetWindowPos(&CWnd::wndTopMost, drag.target.rect.left, drag.target.rect.top, drag.target.rect.Width(),
                          drag.target.rect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    context->Invalidate();
}

void CXTPDockingPaneManager::Impl::DragEnd(CPoint screen, bool cancel)
{
    const bool dragging = drag.dragging;
    drag.pressed = drag.dragging = false;
    if (::GetCapture() == drag.capture)
        ::ReleaseCapture();
    ShowStickers(false, screen);
    context->ShowWindow(SW_HIDE);
    if (!dragging || cancel)
        return;
    const DropTarget target = HitTest(screen);
    Drop(target);
}

void CXTPDockingPaneManager::Impl::ShowStickers(bool show, CPoint screen)
{
    CWnd* site = owner->GetSite();
    for (auto& s : stickers)
        s->hot = -1;
    if (!show) {
        for (auto& s : stickers)
            s->ShowWindow(SW_HIDE);
        return;
    }
    const CRect area = SiteScreenRect(this, inner);
    const int k = docking::kStickerSize;
    const CPoint c = area.CenterPoint();
    const CRect places[4] = {CRect(area.left + 8, c.y - k / 2, area.left + 8 + k, c.y + k / 2),
                             CRect(area.right - 8 - k, c.y - k / 2, area.right - 8, c.y + k / 2),
                             CRect(c.x - k / 2, area.top + 8, c.x + k / 2, area.top + 8 + k),
                             CRect(c.x - k / 2, area.bottom - 8 - k, c.x + k / 2, area.bottom - 8)};
    for (int d = 0; d < 4; ++d)
        stickers[static_cast<size_t>(d)]->SetWindowPos(&CWnd::wndTopMost, places[d].left, places[d].top, k, k,
                                                      SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // The cross over the docked group under the mouse (not one of the dragged panes' own).
    const Node* under = nullptr;
    for (auto& e : model.edges) {
        std::vector<Node*> groups;
        docking::Model::Groups(e.node.get(), groups);
        for (Node* n : groups) {
            if (std::find(n->panes.begin(), n->panes.end(), drag.panes.front()) != n->panes.end() && n->panes.size() == drag.panes.size())
                continue;
            if (SiteScreenRect(this, n->rect).PtInRect(screen))
                under = n;
        }
    }
    auto& cross = stickers[4];
    if (!under) {
        cross->ShowWindow(SW_HIDE);
        return;
    }
    const CPoint uc = SiteScreenRect(this, under->rect).CenterPoint();
    cross->node = under->SelectedPane();
    cross->SetWindowPos(&CWnd::wndTopMost, uc.x - 3 * k / 2, uc.y - 3 * k / 2, 3 * k, 3 * k, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    (void)site;
}

DropTarget CXTPDockingPaneManager::Impl::HitTest(CPoint screen)
{
    DropTarget t;
    const CRect area = SiteScreenRect(this, inner);
    int size = 0;
    if (const Node* g = model.GroupOf(drag.panes.front()))
        size = std::max(g->rect.Width(), g->rect.Height()) > 0 ? g->rect.Width() : 0;
    if (owner->IsShowDockingContextStickers()) {
        for (int d = 0; d < 5; ++d) {
            auto& s = stickers[static_cast<size_t>(d)];
            if (!s->IsWindowVisible())
                continue;
            CPoint local = screen;
            s->ScreenToClient(&local);
            const std::vector<CRect> items = s->Items();
            for (size_t i = 0; i < items.size(); ++i) {
                if (!items[i].PtInRect(local))
                    continue;
                s->hot = static_cast<int>(i);
                if (d < 4) {
                    t.kind = DropTarget::SiteEdge;
                    t.dir = static_cast<XTPDockingPaneDirection>(d);
                    t.rect = DockRect(area, t.dir, 0);
                    return t;
                }
                const Node* n = model.GroupOf(s->node);
                const CRect nr = n ? SiteScreenRect(this, n->rect) : area;
                t.neighbour = s->node;
                if (i == 4) {
                    t.kind = DropTarget::Tab;
                    t.rect = nr;
                } else {
                    static const XTPDockingPaneDirection dirs[4] = {xtpPaneDockLeft, xtpPaneDockTop, xtpPaneDockRight, xtpPaneDockBottom};
                    t.kind = DropTarget::Beside;
                    t.dir = dirs[i];
                    t.rect = DockRect(nr, t.dir, nr.Width() / 2);
                }
                return t;
            }
        }
    } else if (area.PtInRect(screen)) {
        // Without stickers: close to an edge of the site docks there.
        const int gaps[4] = {screen.x - area.left, area.right - screen.x, screen.y - area.top, area.bottom - screen.y};
        const int best = static_cast<int>(std::min_element(gaps, gaps + 4) - gaps);
        if (gaps[best] < docking::kDockZone) {
            t.kind = DropTarget::SiteEdge;
            t.dir = static_cast<XTPDockingPaneDirection>(best);
            t.rect = DockRect(area, t.dir, 0);
            return t;
        }
    }
    (void)size;
    t.kind = DropTarget::Float;
    t.rect = drag.startRect;
    t.rect.OffsetRect(screen.x - drag.start.x, screen.y - drag.start.y);
    return t;
}

void CXTPDockingPaneManager::Impl::Drop(const DropTarget& target)
{
    if (drag.panes.empty())
        return;
    CXTPDockingPane* first = Pane(drag.panes.front());
    if (!first)
        return;
    switch (target.kind) {
    case DropTarget::SiteEdge: owner->DockPane(first, target.dir); break;
    case DropTarget::Beside: owner->DockPane(first, target.dir, Pane(target.neighbour)); break;
    case DropTarget::Tab: owner->AttachPane(first, Pane(target.neighbour)); break;
    case DropTarget::Float: owner->FloatPane(first, target.rect); break;
    default: return;
    }
    // The rest of a dragged group follows its first pane, which stays selected.
    for (size_t i = 1; i < drag.panes.size(); ++i)
        if (CXTPDockingPane* p = Pane(drag.panes[i]))
            model.AttachTo(p->GetID(), first->GetID());
    if (Node* g = model.GroupOf(first->GetID()))
        g->selected = static_cast<int>(std::find(g->panes.begin(), g->panes.end(), first->GetID()) - g->panes.begin());
    Sync();
}

namespace docking {

BEGIN_MESSAGE_MAP(StickerWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

std::vector<CRect> StickerWnd::Items() const
{
    const int k = kStickerSize;
    if (kind < 4)
        return {CRect(0, 0, k, k)};
    return {CRect(0, k, k, 2 * k), CRect(k, 0, 2 * k, k), CRect(2 * k, k, 3 * k, 2 * k), CRect(k, 2 * k, 2 * k, 3 * k),
            CRect(k, k, 2 * k, 2 * k)};
}

std::vector<CString> StickerWnd::ItemNames(int kind)
{
    static const char* edges[4] = {"Left", "Right", "Top", "Bottom"};
    if (kind < 4)
        return {CString(edges[kind])};
    return {CString("Left"), CString("Top"), CString("Right"), CString("Bottom"), CString("Tab")};
}

void StickerWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const std::vector<CRect> items = Items();
    if (kind == 4)
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
    static const int kinds4[5] = {0, 2, 1, 3, 4};
    for (size_t i = 0; i < items.size(); ++i) {
        const int arrow = kind < 4 ? kind : kinds4[i];
        PaintSticker(&dc, items[i], arrow, static_cast<int>(i) == hot, m_manager->GetPaintManager());
    }
}

} // namespace docking
