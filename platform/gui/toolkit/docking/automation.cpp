// What scripts reach of the docking panes: a group's caption, its buttons and its tabs; the
// slide-out window's caption and buttons; the auto-hide panels' tabs; the stickers. Each item
// is named by what a person reads (button items by their tool tips) and clicked or dragged
// where it is drawn.
#include <memory>

#include "win32/automation.h"
#include "windows.h"

namespace docking {

namespace {

struct Item {
    std::string text;
    CRect rect;
    bool selected = false;
};

std::vector<Item> PartsItems(const GroupParts& parts, const CString& title, const std::vector<CString>& tabs, int selected,
                             const char* pinName)
{
    std::vector<Item> items = {{title.GetString(), parts.caption}, {"Close", parts.close}, {pinName, parts.hide}};
    for (size_t i = 0; i < parts.tabRects.size() && i < tabs.size(); ++i)
        items.push_back({tabs[i].GetString(), parts.tabRects[i], static_cast<int>(i) == selected});
    return items;
}

std::vector<Item> ItemsOf(HWND hwnd)
{
    CWnd* w = CWnd::FromHandlePermanent(hwnd);
    if (auto* g = dynamic_cast<GroupWnd*>(w); g && g->node) {
        const CXTPDockingPane* p = g->Manager()->FindPane(g->node->SelectedPane());
        return PartsItems(g->Parts(), p ? p->GetTitle() : CString(), TitlesOf(g->Manager(), g->node->panes), g->node->selected,
                          "Auto Hide");
    }
    if (auto* s = dynamic_cast<SlideWnd*>(w)) {
        CXTPDockingPaneManager* m = nullptr;
        for (CWnd* parent = s->GetParent(); parent && !m; parent = nullptr)
            m = CXTPDockingPaneManager::FromSite(parent);
        if (!m || !m->GetImpl()->slideState.pane)
            return {};
        const CXTPDockingPane* p = m->FindPane(m->GetImpl()->slideState.pane);
        return PartsItems(s->Parts(), p ? p->GetTitle() : CString(), {}, -1, "Dock");
    }
    if (auto* panel = dynamic_cast<PanelWnd*>(w)) {
        CXTPDockingPaneManager* m = CXTPDockingPaneManager::FromSite(panel->GetParent());
        if (!m)
            return {};
        std::vector<Item> items;
        const std::vector<UINT> ids = panel->Panes();
        const std::vector<CRect> rects = panel->TabRects();
        for (size_t i = 0; i < ids.size() && i < rects.size(); ++i) {
            const CXTPDockingPane* p = m->FindPane(ids[i]);
            items.push_back({p ? p->GetTitle().GetString() : "", rects[i], m->GetImpl()->slideState.pane == ids[i]});
        }
        return items;
    }
    if (auto* st = dynamic_cast<StickerWnd*>(w)) {
        std::vector<Item> items;
        const std::vector<CRect> rects = st->Items();
        const std::vector<CString> names = StickerWnd::ItemNames(st->kind);
        for (size_t i = 0; i < rects.size(); ++i)
            items.push_back({names[i].GetString(), rects[i], static_cast<int>(i) == st->hot});
        return items;
    }
    return {};
}

class DockingProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        return parent.items.empty() ? static_cast<int>(ItemsOf(hwnd).size()) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        if (path.IsWholeWindow()) {
            MiscElementState s = MiscAutomationProvider::Read(hwnd, path);
            s.childCount = static_cast<int>(ItemsOf(hwnd).size());
            return s;
        }
        MiscElementState s;
        const std::vector<Item> items = ItemsOf(hwnd);
        if (path.items.size() != 1 || path.items[0] < 0 || path.items[0] >= static_cast<int>(items.size()))
            return s;
        const Item& it = items[static_cast<size_t>(path.items[0])];
        s.exists = !it.rect.IsRectEmpty();
        s.text = it.text;
        s.rect = it.rect;
        s.selected = it.selected;
        s.visible = ::IsWindowVisible(hwnd) != FALSE;
        return s;
    }
};

} // namespace

void RegisterAutomation()
{
    auto provider = std::make_shared<DockingProvider>();
    for (const char* cls : {XTP_DOCKINGPANE_GROUP_CLASS, XTP_DOCKINGPANE_SLIDE_CLASS, XTP_DOCKINGPANE_PANEL_CLASS, XTP_DOCKINGPANE_STICKER_CLASS})
        MiscRegisterAutomationProvider(cls, provider);
}

} // namespace docking
