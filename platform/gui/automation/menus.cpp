// Menus and tabs: choosing from a window's menu, the provider of pop-up menu windows, and the
// provider of the tab control.
#include "autosys.h"

#include "win32/menu.h"

#include <algorithm>

using namespace autosys;

namespace {

const UINT kGetMenuOfPopup = 0x01E1; // MN_GETHMENU: a pop-up menu window's menu

std::string ItemText(HMENU menu, int position)
{
    char text[256] = {0};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    std::string s = text;
    size_t tab = s.find('\t'); // the shortcut shown at the right is not part of the name
    return MiscStripMnemonic(tab == std::string::npos ? s : s.substr(0, tab));
}

// Walks a path of positions down a menu; the menu that holds the last one and its position.
HMENU Descend(HMENU menu, const std::vector<int>& path, int& last)
{
    last = -1;
    for (size_t i = 0; menu && i < path.size(); ++i) {
        if (path[i] < 0 || path[i] >= GetMenuItemCount(menu))
            return nullptr;
        if (i + 1 == path.size()) {
            last = path[i];
            return menu;
        }
        menu = GetSubMenu(menu, path[i]);
    }
    return nullptr;
}

bool Usable(HMENU menu, int position)
{
    return !(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

// Opens the menus along the way as the window system tells a window a person opens them, then
// sends the command. Returns false for a missing, disabled or pop-up item.
bool Choose(HWND window, HMENU bar, const std::vector<int>& path)
{
    if (!IsWindow(window) || !bar || path.empty())
        return false;
    SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    HMENU menu = bar;
    for (size_t i = 0; i < path.size(); ++i) {
        if (!IsWindow(window) || !IsMenu(menu) || path[i] >= GetMenuItemCount(menu) || !Usable(menu, path[i]))
            return false;
        HMENU sub = GetSubMenu(menu, path[i]);
        if (i + 1 == path.size()) {
            UINT id = GetMenuItemID(menu, path[i]);
            if (sub || id == 0 || id == static_cast<UINT>(-1))
                return false;
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
            MiscSettle();
            return true;
        }
        if (!sub)
            return false;
        SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(path[i], 0));
        menu = sub;
    }
    return false;
}

bool FindCommand(HMENU menu, UINT command, std::vector<int>& path, int depth)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n && depth < 16; ++i) {
        path.push_back(i);
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (FindCommand(sub, command, path, depth + 1))
                return true;
        } else if (GetMenuItemID(menu, i) == command) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

bool FindPath(HMENU menu, const std::string& textPath, std::vector<int>& path)
{
    size_t start = 0;
    while (menu) {
        size_t bar = textPath.find('|', start);
        std::string part = MiscStripMnemonic(textPath.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        int found = -1;
        for (int i = 0, n = GetMenuItemCount(menu); i < n && found < 0; ++i)
            if (ItemText(menu, i) == part)
                found = i;
        if (found < 0)
            return false;
        path.push_back(found);
        if (bar == std::string::npos)
            return true;
        menu = GetSubMenu(menu, found);
        start = bar + 1;
    }
    return false;
}

// Pop-up menu windows (class "#32768") list the items of their menu.
class PopupMenuProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        HMENU menu = MenuOf(hwnd);
        if (parent.IsWholeWindow())
            return menu ? GetMenuItemCount(menu) : 0;
        int last = -1;
        HMENU holder = Descend(menu, parent.items, last);
        HMENU sub = holder ? GetSubMenu(holder, last) : nullptr;
        return sub ? GetMenuItemCount(sub) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (path.IsWholeWindow() || !st.exists)
            return st;
        MiscElementState item;
        int last = -1;
        HMENU holder = Descend(MenuOf(hwnd), path.items, last);
        if (!holder || path.column >= 0)
            return item;
        UINT state = GetMenuState(holder, static_cast<UINT>(last), MF_BYPOSITION);
        item.exists = true;
        item.text = ItemText(holder, last);
        item.enabled = !(state & (MF_GRAYED | MF_DISABLED));
        item.checked = (state & MF_CHECKED) ? BST_CHECKED : BST_UNCHECKED;
        item.childCount = ChildCount(hwnd, path);
        return item;
    }
    // Chooses through the command layer (win32/menu.h), which knows where the items are shown.
    bool Perform(HWND hwnd, const MiscItemPath& path, const MiscAction& action) override
    {
        if (path.IsWholeWindow() || (action.verb != MiscVerb::Click && action.verb != MiscVerb::Select))
            return MiscAutomationProvider::Perform(hwnd, path, action);
        MiscElementState st = Read(hwnd, path);
        if (!st.exists || !st.enabled)
            return false;
        int last = -1;
        HMENU holder = Descend(MenuOf(hwnd), path.items, last);
        UINT id = GetMenuItemID(holder, last);
        if (path.items.size() == 1 && id != 0 && id != static_cast<UINT>(-1))
            return MiscChooseMenuItem(hwnd, id) != FALSE;
        std::string textPath;
        MiscItemPath at;
        for (int index : path.items) {
            at = at.Child(index);
            if (!textPath.empty())
                textPath += '|';
            textPath += Read(hwnd, at).text;
        }
        return MiscChooseMenuPath(hwnd, textPath.c_str()) != FALSE;
    }

private:
    static HMENU MenuOf(HWND hwnd) { return reinterpret_cast<HMENU>(SendMessageA(hwnd, kGetMenuOfPopup, 0, 0)); }
};

// The tab control (SysTabControl32): its tabs are items, chosen by a click on the tab.
const UINT kTabGetCount = 0x1304;   // TCM_GETITEMCOUNT
const UINT kTabGetItem = 0x1305;    // TCM_GETITEMA
const UINT kTabGetRect = 0x130A;    // TCM_GETITEMRECT
const UINT kTabGetCurSel = 0x130B;  // TCM_GETCURSEL
const UINT kTabTextMask = 0x0001;   // TCIF_TEXT

struct TabItem { // TCITEMA
    UINT mask;
    DWORD state;
    DWORD stateMask;
    LPSTR text;
    int textMax;
    int image;
    LPARAM param;
};

class TabProvider : public MiscAutomationProvider {
public:
    int ChildCount(HWND hwnd, const MiscItemPath& parent) override
    {
        return parent.IsWholeWindow() ? static_cast<int>(std::max<LRESULT>(0, SendMessageA(hwnd, kTabGetCount, 0, 0))) : 0;
    }
    MiscElementState Read(HWND hwnd, const MiscItemPath& path) override
    {
        MiscElementState st = MiscAutomationProvider::Read(hwnd, MiscItemPath());
        if (path.IsWholeWindow() || !st.exists)
            return st;
        MiscElementState tab;
        int index = path.items[0];
        if (path.items.size() != 1 || path.column >= 0 || index < 0 || index >= ChildCount(hwnd, MiscItemPath()))
            return tab;
        char text[256] = {0};
        TabItem item{};
        item.mask = kTabTextMask;
        item.text = text;
        item.textMax = sizeof(text);
        SendMessageA(hwnd, kTabGetItem, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        tab.exists = true;
        tab.enabled = st.enabled;
        tab.text = MiscStripMnemonic(text);
        tab.selected = SendMessageA(hwnd, kTabGetCurSel, 0, 0) == index;
        if (st.visible)
            SendMessageA(hwnd, kTabGetRect, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab.rect));
        tab.visible = !IsRectEmpty(&tab.rect);
        return tab;
    }
};

} // namespace

BOOL MiscChooseMenuByPath(HWND window, HMENU menu, const char* textPath)
{
    std::vector<int> path;
    return FindPath(menu, textPath ? textPath : "", path) && Choose(window, menu, path);
}

BOOL MiscChooseMenuByCommand(HWND window, HMENU menu, UINT command)
{
    std::vector<int> path;
    return menu && FindCommand(menu, command, path, 0) && Choose(window, menu, path);
}

namespace autosys {
std::shared_ptr<MiscAutomationProvider> MakeTabProvider() { return std::make_shared<TabProvider>(); }
std::shared_ptr<MiscAutomationProvider> MakePopupMenuProvider() { return std::make_shared<PopupMenuProvider>(); }
} // namespace autosys
