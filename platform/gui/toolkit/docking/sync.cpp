// The manager's windows following its model: pools of group, floating-frame and splitter
// windows assigned in order, the panes' own windows put into the group that shows them.
#include <algorithm>

#include "layout.h"
#include "windows.h"

using docking::Model;
using docking::Node;

CXTPDockingPaneManager::Impl::Impl(CXTPDockingPaneManager* o) : owner(o) {}

CXTPDockingPaneManager::Impl::~Impl()
{
    // The panes' windows belong to the application: hand them back before ours go.
    CWnd* site = Site();
    HWND siteHandle = site ? site->GetSafeHwnd() : nullptr;
    for (const auto& p : panes)
        if (HWND child = p->GetChildHandle(); child && siteHandle && ::IsWindow(child)) {
            ::ShowWindow(child, SW_HIDE);
            ::SetParent(child, siteHandle);
        }
    for (auto& w : groupPool)
        if (w->GetSafeHwnd())
            w->DestroyWindow();
    for (auto& w : floatPool)
        if (w->GetSafeHwnd())
            w->DestroyWindow();
    for (auto& w : splitterPool)
        if (w->GetSafeHwnd())
            w->DestroyWindow();
    for (auto& w : panels)
        if (w && w->GetSafeHwnd())
            w->DestroyWindow();
    for (auto& w : stickers)
        if (w && w->GetSafeHwnd())
            w->DestroyWindow();
    if (slide && slide->GetSafeHwnd())
        slide->DestroyWindow();
    if (context && context->GetSafeHwnd())
        context->DestroyWindow();
}

CWnd* CXTPDockingPaneManager::Impl::Site() const
{
    if (!siteHwnd || !::IsWindow(siteHwnd) || CWnd::FromHandlePermanent(siteHwnd) != owner->GetSite())
        return nullptr;
    return owner->GetSite();
}

CXTPDockingPane* CXTPDockingPaneManager::Impl::Pane(UINT id) const
{
    for (const auto& p : panes)
        if (p->GetID() == id)
            return p.get();
    return nullptr;
}

void CXTPDockingPaneManager::Impl::SetActive(UINT pane)
{
    if (pane == activePane)
        return;
    activePane = pane;
    for (auto& w : groupPool)
        if (w->node && w->GetSafeHwnd())
            w->Invalidate();
}

docking::GroupWnd* CXTPDockingPaneManager::Impl::WindowOf(const Node* node) const
{
    for (const auto& w : groupPool)
        if (w->node == node && w->GetSafeHwnd())
            return w.get();
    return nullptr;
}

namespace {

template <class W, class... Args>
W* Pooled(std::vector<std::unique_ptr<W>>& pool, size_t index, CWnd* parent, const char* cls, DWORD style, Args... args)
{
    while (pool.size() <= index)
        pool.push_back(nullptr);
    if (!pool[index]) {
        pool[index] = std::make_unique<W>(args...);
        pool[index]->CreateEx(style & WS_POPUP ? WS_EX_TOOLWINDOW : 0, cls, "", style, 0, 0, 10, 10,
                              parent ? parent->GetSafeHwnd() : nullptr, nullptr);
    }
    return pool[index].get();
}

} // namespace

void CXTPDockingPaneManager::Impl::Sync()
{
    CWnd* site = Site();
    if (!site || !site->GetSafeHwnd())
        return;
    if (!panels[0]) {
        for (int d = 0; d < 4; ++d) {
            panels[static_cast<size_t>(d)] = std::make_unique<docking::PanelWnd>(owner, static_cast<XTPDockingPaneDirection>(d));
            panels[static_cast<size_t>(d)]->CreateEx(0, XTP_DOCKINGPANE_PANEL_CLASS, "Auto Hide", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                                     site->GetSafeHwnd(), nullptr);
        }
        slide = std::make_unique<docking::SlideWnd>(owner);
        slide->CreateEx(0, XTP_DOCKINGPANE_SLIDE_CLASS, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, site->GetSafeHwnd(),
                        nullptr);
        static const char* names[5] = {"Dock Left", "Dock Right", "Dock Top", "Dock Bottom", "Dock Pane"};
        for (int k = 0; k < 5; ++k) {
            stickers[static_cast<size_t>(k)] = std::make_unique<docking::StickerWnd>(owner, k);
            stickers[static_cast<size_t>(k)]->CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, XTP_DOCKINGPANE_STICKER_CLASS, names[k], WS_POPUP,
                                                       0, 0, 10, 10, site->GetSafeHwnd(), nullptr);
        }
        context = std::make_unique<docking::ContextWnd>(owner);
        context->CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, XTP_DOCKINGPANE_CONTEXT_CLASS, "", WS_POPUP, 0, 0, 10, 10, site->GetSafeHwnd(),
                          nullptr);
    }
    // Floating frames first (the groups inside them are their children).
    size_t f = 0;
    for (; f < model.floats.size(); ++f) {
        auto* w = Pooled(floatPool, f, site, XTP_DOCKINGPANE_FLOAT_CLASS, WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN, owner);
        w->index = static_cast<int>(f);
    }
    for (size_t i = f; i < floatPool.size(); ++i) {
        floatPool[i]->index = -1;
        floatPool[i]->ShowWindow(SW_HIDE);
    }
    // Groups: docked ones are children of the site, floating ones of their frame.
    size_t g = 0;
    auto assign = [&](Node* root, CWnd* parent, bool floating) {
        std::vector<Node*> groups;
        Model::Groups(root, groups);
        for (Node* n : groups) {
            auto* w = Pooled(groupPool, g++, site, XTP_DOCKINGPANE_GROUP_CLASS, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, owner);
            w->node = n;
            w->floating = floating;
            if (w->GetParent() != parent)
                w->SetParent(parent);
        }
    };
    for (auto& e : model.edges)
        assign(e.node.get(), site, false);
    for (size_t i = 0; i < model.floats.size(); ++i)
        assign(model.floats[i].node.get(), floatPool[i].get(), true);
    for (size_t i = g; i < groupPool.size(); ++i) {
        groupPool[i]->node = nullptr;
        groupPool[i]->ShowWindow(SW_HIDE);
    }
    owner->RecalcFrameLayout();
}

void CXTPDockingPaneManager::Impl::Place()
{
    CWnd* site = Site();
    if (!site || !site->GetSafeHwnd() || !panels[0])
        return;
    if (placing)
        return;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(placing);
    CXTPDockingPanePaintManager* paint = owner->GetPaintManager();
    docking::LayoutResult result;
    viewRect = docking::LayoutModel(model, available, paint->m_nSplitterSize, result);
    inner = result.inner;
    splitters = result.splitters;
    for (int d = 0; d < 4; ++d) {
        auto& p = panels[static_cast<size_t>(d)];
        if (result.hasPanel[d]) {
            p->MoveWindow(&result.panel[d], FALSE);
            p->ShowWindow(SW_SHOWNA);
            p->Invalidate();
        } else {
            p->ShowWindow(SW_HIDE);
        }
    }
    size_t s = 0;
    for (; s < splitters.size(); ++s) {
        auto* w = Pooled(splitterPool, s, site, XTP_DOCKINGPANE_SPLITTER_CLASS, WS_CHILD | WS_CLIPSIBLINGS, owner);
        w->info = splitters[s];
        w->MoveWindow(&splitters[s].rect, FALSE);
        w->ShowWindow(SW_SHOWNA);
        w->Invalidate();
    }
    for (; s < splitterPool.size(); ++s)
        splitterPool[s]->ShowWindow(SW_HIDE);
    for (size_t i = 0; i < model.floats.size(); ++i) {
        auto& fw = floatPool[i];
        const CRect r = model.floats[i].rect;
        fw->MoveWindow(&r, FALSE);
        CRect client;
        fw->GetClientRect(&client);
        docking::PlaceFloating(model.floats[i].node.get(), client, paint->m_nSplitterSize);
        fw->ShowWindow(SW_SHOWNA);
        fw->Invalidate();
    }
    for (auto& w : groupPool) {
        if (!w->node)
            continue;
        w->MoveWindow(&w->node->rect, FALSE);
        w->ShowWindow(w->node->rect.IsRectEmpty() ? SW_HIDE : SW_SHOWNA);
        w->Invalidate();
    }
    if (slideState.pane) {
        slideState.full = SlideRect(slideState.steps);
        CRect r = SlideRect(slideState.step);
        slide->MoveWindow(&r, FALSE);
        slide->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // The panes' own windows: the selected pane of each group in its group, the rest hidden.
    for (const auto& p : panes) {
        CWnd* child = p->GetChild();
        if (!child || !child->GetSafeHwnd())
            continue;
        if (p->GetChildHandle() != child->GetSafeHwnd())
            p->Attach(child); // created after it was attached
        const Node* n = model.GroupOf(p->GetID());
        docking::GroupWnd* w = n ? WindowOf(n) : nullptr;
        if (w && n->SelectedPane() == p->GetID()) {
            if (child->GetParent() != w)
                child->SetParent(w);
            CRect client = w->Parts().client;
            child->MoveWindow(&client, FALSE);
            child->ShowWindow(SW_SHOWNA);
        } else if (slideState.pane == p->GetID() && slide) {
            if (child->GetParent() != slide.get())
                child->SetParent(slide.get());
            CRect client = slide->Parts().client;
            child->MoveWindow(&client, FALSE);
            child->ShowWindow(SW_SHOWNA);
        } else {
            child->ShowWindow(SW_HIDE);
        }
    }
}
