// Providers of the list box, the combo box (and its dropped list) and the list view.
#include "autosys.h"

#include <algorithm>

using namespace autosys;

namespace {

bool InsideClient(HWND hwnd, RECT& r)
{
    RECT client;
    GetClientRect(hwnd, &client);
    RECT shown;
    if (!IntersectRect(&shown, &r, &client) || shown.bottom - shown.top < (r.bottom - r.top + 1) / 2) {
        r = RECT{};
        return false;
    }
    r = shown;
    return true;
}

// ---- List box ----

class ListBoxProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        return parent.IsWholeWindow() ? static_cast<int>(std::max<LRESULT>(0, SendMessageA(hwnd, LB_GETCOUNT, 0, 0))) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (path.IsWholeWindow() || !st.exists)
            return st;
        MiscElementState item;
        int index = path.items[0];
        if (path.items.size() != 1 || path.column >= 0 || index < 0 || index >= ChildCount(hwnd, MiscItemPath()))
            return item;
        item.exists = true;
        item.enabled = st.enabled;
        item.visible = st.visible;
        LRESULT length = SendMessageA(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
        bool strings = !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
        if (strings && length >= 0) {
            std::string text(static_cast<size_t>(length) + 1, '\0');
            LRESULT n = SendMessageA(hwnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<size_t>(std::max<LRESULT>(0, n)));
            item.text = text;
        }
        bool multi = (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
        item.selected = multi ? SendMessageA(hwnd, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0
                              : SendMessageA(hwnd, LB_GETCURSEL, 0, 0) == index;
        item.focused = st.focused && SendMessageA(hwnd, LB_GETCARETINDEX, 0, 0) == index;
        SendMessageA(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item.rect));
        if (!st.visible)
            item.rect = RECT{};
        else
            InsideClient(hwnd, item.rect);
        return item;
    }
    // Scrolls as clicks on the scroll bar's arrows do: a line at a time.
    bool Reveal(HWND hwnd, const MiscItemPath& path) override
    {
        for (int guard = ChildCount(hwnd, MiscItemPath()) + 1; guard > 0; --guard) {
            MiscElementState st = Read(hwnd, path);
            if (!st.exists)
                return false;
            if (!IsRectEmpty(&st.rect))
                return true;
            int top = static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0));
            SendMessageA(hwnd, WM_VSCROLL, path.items[0] < top ? SB_LINEUP : SB_LINEDOWN, 0);
            MiscSettle();
            if (SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0) == top)
                return false; // it cannot scroll further
        }
        return false;
    }
};

// ---- Combo box ----

struct ListSearch {
    HWND combo;
    HWND found = nullptr;
};

BOOL CALLBACK FindDroppedList(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ListSearch*>(param);
    if (ClassOf(hwnd) == "COMBOLBOX" && IsWindowVisible(hwnd) &&
        (GetWindow(hwnd, GW_OWNER) == search->combo || GetParent(hwnd) == search->combo)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The combo box's list window while it shows: a child of a simple combo box, a pop-up owned by a
// dropped one. Null while the combo box keeps its list to itself.
HWND DroppedList(HWND combo)
{
    // The combo box names its list; a list shown as a pop-up is owned by the top-level window.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndList && info.hwndList != combo && IsWindowVisible(info.hwndList))
        return info.hwndList;
    ListSearch search{combo};
    EnumChildWindows(combo, FindDroppedList, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND EditOf(HWND combo)
{
    for (HWND child = GetWindow(combo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "EDIT")
            return child;
    return nullptr;
}

class ComboBoxProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        return parent.IsWholeWindow() ? static_cast<int>(std::max<LRESULT>(0, SendMessageA(hwnd, CB_GETCOUNT, 0, 0))) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (st.exists && path.IsWholeWindow()) {
            st.expanded = SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0) ? 1 : 0;
            return st;
        }
        MiscElementState item;
        int index = path.items.empty() ? -1 : path.items[0];
        if (!st.exists || path.items.size() != 1 || path.column >= 0 || index < 0 || index >= ChildCount(hwnd, MiscItemPath()))
            return item;
        item.exists = true;
        item.enabled = st.enabled;
        LRESULT length = SendMessageA(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        std::string text(static_cast<size_t>(std::max<LRESULT>(0, length)) + sizeof(ULONG_PTR) + 1, '\0');
        LRESULT n = SendMessageA(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min(n, length))));
        item.text = text;
        item.selected = SendMessageA(hwnd, CB_GETCURSEL, 0, 0) == index;
        // An entry has a place only while the list shows; it is given in the combo box's client
        // coordinates.
        if (HWND list = DroppedList(hwnd)) {
            MiscElementState inList = MiscAutomationProviderFor(list).Read(list, path);
            item.rect = inList.rect;
            MapWindowPoints(list, hwnd, reinterpret_cast<POINT*>(&item.rect), 2);
        }
        item.visible = !IsRectEmpty(&item.rect);
        return item;
    }
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        MiscElementState st = Read(hwnd, MiscItemPath());
        if (!st.exists || !st.enabled)
            return false;
        if (path.IsWholeWindow())
            return PerformOnBox(hwnd, action);
        if (!Read(hwnd, path).exists)
            return false;
        switch (action.verb) {
        case MiscVerb::Click:
        case MiscVerb::Select: return Choose(hwnd, path.items[0]);
        default: return false;
        }
    }

private:
    static DWORD Kind(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 0x3; }

    bool PerformOnBox(HWND hwnd, const MiscAction& action)
    {
        switch (action.verb) {
        case MiscVerb::Expand:
            if (!Dropped(hwnd))
                ClickButton(hwnd);
            return IsWindow(hwnd) && Dropped(hwnd);
        case MiscVerb::Collapse:
            if (Dropped(hwnd))
                MiscSendKey(VK_F4, hwnd);
            MiscSettle();
            return IsWindow(hwnd) && !Dropped(hwnd);
        case MiscVerb::TypeText: {
            if (HWND edit = EditOf(hwnd))
                return MiscAutomationProviderFor(edit).Perform(edit, MiscItemPath(), action);
            // A drop-down list has no edit: choosing is the only way to change its text.
            LRESULT index = SendMessageA(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(action.text.c_str()));
            return index >= 0 && Choose(hwnd, static_cast<int>(index));
        }
        default: return MiscAutomationProvider::Perform(hwnd, MiscItemPath(), action);
        }
    }

    // The drop button at the right end of the field.
    static void ClickButton(HWND hwnd)
    {
        RECT r;
        GetClientRect(hwnd, &r);
        POINT at{r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2, (r.top + r.bottom) / 2};
        MiscClickAt(hwnd, at);
    }

    static bool Dropped(HWND hwnd) { return SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    static int Current(HWND hwnd) { return static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0)); }

    // Drops the list and clicks the entry in it. While the combo box has no list window of its
    // own, the keyboard walks to the entry instead: the arrow keys (which its edit passes on to
    // it) move through the closed box to the entry's neighbour, a click drops the list, and the
    // last arrow chooses from the open list, so that the choice ends the way a click would end
    // it (CBN_SELENDOK). F4 closes a list that stays open.
    bool Choose(HWND hwnd, int index)
    {
        if (Kind(hwnd) == CBS_SIMPLE)
            return Walk(hwnd, index);
        if (!Dropped(hwnd))
            ClickButton(hwnd);
        if (!IsWindow(hwnd))
            return false;
        if (HWND list = DroppedList(hwnd)) {
            MiscAutomationProvider& p = MiscAutomationProviderFor(list);
            MiscItemPath item = MiscItemPath().Child(index);
            if (!p.Reveal(list, item))
                return false;
            MiscElementState st = p.Read(list, item);
            MiscClickAt(list, Center(st.rect));
            return IsWindow(hwnd) && Current(hwnd) == index;
        }
        int current = Current(hwnd);
        if (current != index) {
            int neighbour = index > current ? index - 1 : index + 1;
            bool lastKeyOnly = current == neighbour || (current < 0 && index == 0);
            if (!lastKeyOnly) {
                if (Dropped(hwnd))
                    MiscSendKey(VK_F4, hwnd);
                if (!Walk(hwnd, neighbour))
                    return false;
                if (!Dropped(hwnd))
                    ClickButton(hwnd);
            }
            if (!IsWindow(hwnd))
                return false;
            MiscSendKey(Current(hwnd) < 0 ? VK_HOME : index > Current(hwnd) ? VK_DOWN : VK_UP, hwnd);
        }
        if (IsWindow(hwnd) && Dropped(hwnd))
            MiscSendKey(VK_F4, hwnd);
        MiscSettle();
        return IsWindow(hwnd) && Current(hwnd) == index;
    }

    // Arrow keys at the box until entry `index` shows.
    static bool Walk(HWND hwnd, int index)
    {
        if (Current(hwnd) < 0 && IsWindow(hwnd))
            MiscSendKey(VK_HOME, hwnd);
        for (int guard = 0; IsWindow(hwnd) && Current(hwnd) != index && guard < 100000; ++guard) {
            int before = Current(hwnd);
            MiscSendKey(index > before ? VK_DOWN : VK_UP, hwnd);
            if (Current(hwnd) == before)
                return false;
        }
        MiscSettle();
        return IsWindow(hwnd) && Current(hwnd) == index;
    }
};

// ---- List view ----

class ListViewProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        return parent.IsWholeWindow() ? static_cast<int>(std::max<LRESULT>(0, SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0))) : 0;
    }
    std::vector<std::string> Columns(HWND hwnd) override
    {
        std::vector<std::string> out;
        for (int c = 0; c < 256; ++c) {
            char text[256] = {0};
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT;
            col.pszText = text;
            col.cchTextMax = sizeof(text);
            if (!SendMessageA(hwnd, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col)))
                break;
            out.push_back(text);
        }
        return out;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (path.IsWholeWindow() || !st.exists)
            return st;
        MiscElementState item;
        int index = path.items[0];
        int columns = static_cast<int>(Columns(hwnd).size());
        if (path.items.size() != 1 || index < 0 || index >= ChildCount(hwnd, MiscItemPath()) ||
            path.column >= std::max(1, columns))
            return item;
        item.exists = true;
        item.enabled = st.enabled;
        char text[1024] = {0};
        LVITEMA lv{};
        lv.iSubItem = std::max(0, path.column);
        lv.pszText = text;
        lv.cchTextMax = sizeof(text);
        SendMessageA(hwnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
        item.text = text;
        item.selected = (SendMessageA(hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) & LVIS_SELECTED) != 0;
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageA(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        if (path.column >= 0) {
            int x = 0;
            for (int c = 0; c < path.column; ++c)
                x += static_cast<int>(SendMessageA(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
            r.left = x;
            r.right = x + static_cast<int>(SendMessageA(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(path.column), 0));
        }
        item.rect = r;
        if (!st.visible)
            item.rect = RECT{};
        else
            InsideClient(hwnd, item.rect);
        item.visible = !IsRectEmpty(&item.rect);
        return item;
    }
    // The list view has no scroll bars of its own yet; it is asked to scroll the row in.
    bool Reveal(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = Read(hwnd, path);
        if (!st.exists)
            return false;
        if (IsRectEmpty(&st.rect)) {
            SendMessageA(hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(path.items[0]), FALSE);
            MiscSettle();
            st = Read(hwnd, path);
        }
        return !IsRectEmpty(&st.rect);
    }
};

} // namespace

namespace autosys {
std::shared_ptr<MiscAutomationProvider> MakeListBoxProvider() { return std::make_shared<ListBoxProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakeComboBoxProvider() { return std::make_shared<ComboBoxProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakeListViewProvider() { return std::make_shared<ListViewProvider>(); }
} // namespace autosys
