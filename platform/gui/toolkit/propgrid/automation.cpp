// The grid's automation provider: scripts reach rows by caption path ("Category|Row|Child") and
// act on them as a person does, with clicks on the +/- box, the caption and the value, typing into
// the in-place edit and picking from the drop-down list.
//
// Items are the categories, their children below; cell 1 of a row is its value, cell 2 its
// description (read only). Rectangles are in the grid's client coordinates (the view sits at its
// top left) and empty while a row is scrolled away or inside a collapsed parent.
#include "toolkit/propgrid/pgsys.h"

#include "win32/automation.h"

#include <algorithm>

namespace {

CXTPPropertyGrid* GridOf(HWND hwnd)
{
    return dynamic_cast<CXTPPropertyGrid*>(CWnd::FromHandlePermanent(hwnd));
}

CXTPPropertyGridItem* Resolve(CXTPPropertyGrid* grid, const MiscItemPath& path)
{
    if (!grid || path.items.empty())
        return nullptr;
    CXTPPropertyGridItems* level = grid->GetCategories();
    CXTPPropertyGridItem* item = nullptr;
    for (int index : path.items) {
        item = level ? level->GetAt(index) : nullptr;
        if (!item)
            return nullptr;
        level = item->GetChilds();
    }
    return item;
}

// The part of a row a person points at: the caption (column -1), the value (1).
CRect PartRect(CXTPPropertyGrid* grid, CXTPPropertyGridItem* item, int column)
{
    CRect row = item->GetItemRect();
    if (row.IsRectEmpty())
        return row;
    CRect client;
    grid->GetGridView().GetClientRect(&client);
    if (row.top < 0 || row.bottom > client.bottom)
        return CRect(0, 0, 0, 0); // not wholly on screen: Reveal scrolls first
    if (column == 1 && !item->IsCategory())
        return item->GetValueRect();
    if (column >= 0)
        return CRect(0, 0, 0, 0);
    if (!item->IsCategory())
        row.right = grid->GetGridView().GetDividerPos();
    row.left = pgsys::kIndent * (pgsys::Depth(item) + 1);
    return row;
}

POINT CenterOf(const CRect& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class GridProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        CXTPPropertyGrid* grid = GridOf(hwnd);
        if (!grid || parent.column >= 0)
            return 0;
        if (parent.IsWholeWindow())
            return grid->GetCategories()->GetCount();
        CXTPPropertyGridItem* item = Resolve(grid, parent);
        return item ? item->GetChilds()->GetCount() : 0;
    }

    std::vector<std::string> Columns(HWND) override { return {"Property", "Value"}; }

    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        CXTPPropertyGrid* grid = GridOf(hwnd);
        if (path.IsWholeWindow() || !st.exists || !grid)
            return path.IsWholeWindow() ? st : MiscElementState();
        CXTPPropertyGridItem* item = Resolve(grid, path);
        MiscElementState s;
        if (!item || path.column > 2)
            return s;
        s.exists = true;
        s.enabled = st.enabled && !item->GetReadOnly();
        s.visible = st.visible && item->IsVisible();
        s.selected = item->IsSelected() != FALSE;
        s.focused = s.selected && st.visible && ::GetFocus() && (::GetFocus() == grid->GetGridView().GetSafeHwnd() ||
                                                                  ::IsChild(grid->GetGridView().GetSafeHwnd(), ::GetFocus()));
        s.expanded = item->HasChilds() ? (item->IsExpanded() ? 1 : 0) : -1;
        s.childCount = item->GetChilds()->GetCount();
        if (path.column == 1)
            s.text = static_cast<LPCTSTR>(item->GetViewValue());
        else if (path.column == 2)
            s.text = static_cast<LPCTSTR>(item->GetDescription());
        else
            s.text = static_cast<LPCTSTR>(item->GetCaption());
        if (s.visible)
            s.rect = PartRect(grid, item, path.column);
        return s;
    }

    // Expands the parents with clicks on their boxes, then scrolls a line at a time.
    bool Reveal(HWND hwnd, const MiscItemPath& path) override
    {
        CXTPPropertyGrid* grid = GridOf(hwnd);
        CXTPPropertyGridItem* item = Resolve(grid, path);
        if (!item)
            return false;
        for (size_t depth = 1; depth < path.items.size(); ++depth) {
            MiscItemPath up;
            up.items.assign(path.items.begin(), path.items.begin() + static_cast<long>(depth));
            CXTPPropertyGridItem* parent = Resolve(grid, up);
            MiscAction expand;
            expand.verb = MiscVerb::Expand;
            if (parent && !parent->IsExpanded() && !Perform(hwnd, up, expand))
                return false;
        }
        HWND view = grid->GetGridView().GetSafeHwnd();
        for (int guard = grid->GetGridView().GetCount() + 1; guard > 0; --guard) {
            if (!PartRect(grid, item, path.column).IsRectEmpty())
                return true;
            const int top = grid->GetTopIndex();
            const int index = item->GetIndex();
            if (index < 0)
                return false;
            ::SendMessageA(view, WM_VSCROLL, index < top ? SB_LINEUP : SB_LINEDOWN, 0);
            MiscSettle();
            if (grid->GetTopIndex() == top)
                return !PartRect(grid, item, path.column).IsRectEmpty();
        }
        return false;
    }

    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        CXTPPropertyGrid* grid = GridOf(hwnd);
        CXTPPropertyGridItem* item = Resolve(grid, path);
        if (!item)
            return MiscAutomationProvider::Perform(hwnd, path, action);
        if (!::IsWindowVisible(hwnd) || !::IsWindowEnabled(hwnd) || !Reveal(hwnd, path))
            return false;
        const CRect row = item->GetItemRect();
        switch (action.verb) {
        case MiscVerb::Expand:
        case MiscVerb::Collapse: {
            if (!item->HasChilds())
                return false;
            if ((item->IsExpanded() != FALSE) == (action.verb == MiscVerb::Expand))
                return true;
            const int right = pgsys::kIndent * (pgsys::Depth(item) + 1);
            MiscClickAt(hwnd, POINT{right - pgsys::kIndent / 2, (row.top + row.bottom) / 2});
            return true;
        }
        case MiscVerb::Click:
        case MiscVerb::Select:
            MiscClickAt(hwnd, CenterOf(PartRect(grid, item, path.column)), WM_LBUTTONDOWN, 1, action.modifiers);
            return true;
        case MiscVerb::DoubleClick:
            MiscClickAt(hwnd, CenterOf(PartRect(grid, item, path.column)), WM_LBUTTONDOWN, 2, action.modifiers);
            return true;
        case MiscVerb::RightClick:
            MiscClickAt(hwnd, CenterOf(PartRect(grid, item, path.column)), WM_RBUTTONDOWN, 1, action.modifiers);
            return true;
        case MiscVerb::SetValue:
            return Type(hwnd, grid, path, item, std::to_string(action.value));
        case MiscVerb::TypeText:
            return Type(hwnd, grid, path, item, action.text);
        case MiscVerb::PressKey:
            MiscClickAt(hwnd, CenterOf(PartRect(grid, item, -1)));
            MiscPressKeyWith(action.value, action.modifiers);
            return true;
        default:
            return false;
        }
    }

private:
    // Selects the row, then enters the text as a person would: into the in-place edit followed by
    // Enter, or, for a row with choices and no edit, by picking the entry from the drop-down.
    static bool Type(HWND hwnd, CXTPPropertyGrid* grid, const MiscItemPath& path, CXTPPropertyGridItem* item,
                     const std::string& text)
    {
        if (item->GetReadOnly() || item->IsCategory())
            return false;
        MiscItemPath caption = path;
        caption.column = -1;
        MiscClickAt(hwnd, CenterOf(PartRect(grid, item, -1)));
        if (!item->IsSelected())
            return false;
        CXTPPropertyGridInplaceEdit& edit = item->GetInplaceEdit();
        if ((item->GetFlags() & xtpGridItemHasEdit) && edit.GetSafeHwnd() && edit.GetItem() == item) {
            MiscClickAt(hwnd, CenterOf(item->GetValueRect()));
            if (::GetFocus() != edit.GetSafeHwnd())
                return false;
            MiscPressKeyWith(VK_HOME, 0);
            MiscPressKeyWith(VK_END, MISC_MOD_SHIFT); // the old text is selected and typed over
            MiscTypeText(text.c_str());
            MiscSendKey(VK_RETURN);
            MiscSettle();
            return true;
        }
        const int choice = item->GetConstraints()->FindConstraint(text.c_str());
        if (!(item->GetFlags() & xtpGridItemHasComboButton) || choice < 0)
            return false;
        MiscSendKey(VK_F4, grid->GetGridView().GetSafeHwnd());
        MiscSettle();
        CXTPPropertyGridInplaceList& list = item->GetInplaceList();
        if (!list.GetSafeHwnd() || !list.IsWindowVisible())
            return false;
        CRect entry;
        list.GetItemRect(choice, &entry);
        list.SetTopIndex(choice); // scrolled to it as the person would with the wheel
        list.GetItemRect(choice, &entry);
        const POINT at = CenterOf(entry);
        MiscSendMouse(list.GetSafeHwnd(), WM_LBUTTONDOWN, at.x, at.y);
        MiscSendMouse(list.GetSafeHwnd(), WM_LBUTTONUP, at.x, at.y);
        MiscSettle();
        return true;
    }
};

} // namespace

namespace pgsys {

void RegisterAutomation()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    MiscRegisterAutomationProvider("XTPPropertyGrid", std::make_shared<GridProvider>());
}

} // namespace pgsys
