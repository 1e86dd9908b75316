// Menus as data: the Win32 menu functions and CMenu.
#include "win32/menu.h"
#include "mfc/menu.h"
#include "mfc/module.h"
#include "win32/module.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Menu;

struct Item {
    UINT flags = 0;
    UINT id = 0;
    std::string text;
    Menu* popup = nullptr; // owned by the menu through `owned`
};

struct Menu {
    bool popup = false;
    std::vector<Item> items;
};

// Every live menu; the map owns them.
std::map<HMENU, std::unique_ptr<Menu>>& Menus()
{
    static auto* menus = new std::map<HMENU, std::unique_ptr<Menu>>;
    return *menus;
}

Menu* Find(HMENU h)
{
    auto& menus = Menus();
    auto it = menus.find(h);
    return it == menus.end() ? nullptr : it->second.get();
}

HMENU HandleOf(Menu* m)
{
    return reinterpret_cast<HMENU>(m);
}

HMENU Make(bool popup)
{
    auto m = std::make_unique<Menu>();
    m->popup = popup;
    HMENU h = HandleOf(m.get());
    Menus()[h] = std::move(m);
    return h;
}

void Destroy(HMENU h);

void ForgetWrapper(HMENU h);
std::map<HMENU, CMenu*>& Attached();

void Destroy(HMENU h)
{
    Menu* m = Find(h);
    if (!m)
        return;
    std::vector<HMENU> children;
    for (const Item& item : m->items)
        if (item.popup)
            children.push_back(HandleOf(item.popup));
    Menus().erase(h);
    ForgetWrapper(h);
    for (HMENU c : children)
        Destroy(c);
}

const Item* ItemAt(HMENU h, UINT item, UINT flags)
{
    Menu* m = Find(h);
    if (!m)
        return nullptr;
    if (flags & MF_BYPOSITION)
        return item < m->items.size() ? &m->items[item] : nullptr;
    for (const Item& it : m->items) {
        if (!it.popup && !(it.flags & MF_SEPARATOR) && it.id == item)
            return &it;
        if (it.popup)
            if (const Item* inner = ItemAt(HandleOf(it.popup), item, flags))
                return inner;
    }
    return nullptr;
}

// The temporary CMenu wrappers of FromHandle.
std::map<HMENU, std::unique_ptr<CMenu>>& Wrappers()
{
    static auto* wrappers = new std::map<HMENU, std::unique_ptr<CMenu>>;
    return *wrappers;
}

std::map<HMENU, CMenu*>& Attached()
{
    static auto* attached = new std::map<HMENU, CMenu*>;
    return *attached;
}

void ForgetWrapper(HMENU h)
{
    auto& a = Attached();
    auto at = a.find(h);
    if (at != a.end()) {
        at->second->m_hMenu = nullptr; // its object outlives the menu; it holds nothing now
        a.erase(at);
    }
    auto& w = Wrappers();
    auto it = w.find(h);
    if (it != w.end()) {
        it->second->m_hMenu = nullptr; // the menu is gone; the wrapper must not destroy it again
        w.erase(it);
    }
}

// Builds the submenu tree of a menu resource from `index` at `level`; returns the next index.
int Build(const MiscResMenu& res, int index, int level, HMENU into)
{
    while (index < res.itemCount && res.items[index].level >= level) {
        const MiscResMenuItem& item = res.items[index];
        if (item.level > level) { // children without a pop-up parent: skip them
            ++index;
            continue;
        }
        ++index;
        if (item.popup) {
            HMENU sub = Make(true);
            index = Build(res, index, level + 1, sub);
            AppendMenuA(into, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(sub), item.text);
        } else if (!item.text) {
            AppendMenuA(into, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(into, MF_STRING | item.flags, item.id, item.text);
        }
    }
    return index;
}

} // namespace

HMENU CreateMenu() { return Make(false); }
HMENU CreatePopupMenu() { return Make(true); }

BOOL DestroyMenu(HMENU menu)
{
    if (!Find(menu))
        return FALSE;
    Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return Find(menu) != nullptr; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text)
{
    Menu* m = Find(menu);
    if (!m)
        return FALSE;
    Item item;
    item.flags = flags;
    if (flags & MF_POPUP) {
        Menu* sub = Find(reinterpret_cast<HMENU>(id));
        if (!sub || sub == m)
            return FALSE;
        item.popup = sub;
    } else if (!(flags & MF_SEPARATOR)) {
        item.id = static_cast<UINT>(id);
    }
    if (text && !(flags & MF_SEPARATOR))
        item.text = text;
    m->items.push_back(std::move(item));
    return TRUE;
}

HMENU LoadMenuA(HINSTANCE module, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    const MiscResMenu* res = MiscFindMenu(module, static_cast<UINT>(reinterpret_cast<uintptr_t>(name)));
    if (!res)
        return nullptr;
    HMENU bar = Make(false);
    Build(*res, 0, 0, bar);
    return bar;
}

int GetMenuItemCount(HMENU menu)
{
    Menu* m = Find(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    Menu* m = Find(menu);
    if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size())
        return static_cast<UINT>(-1);
    const Item& item = m->items[static_cast<size_t>(position)];
    if (item.popup)
        return static_cast<UINT>(-1);
    return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

HMENU GetSubMenu(HMENU menu, int position)
{
    Menu* m = Find(menu);
    if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size())
        return nullptr;
    Menu* sub = m->items[static_cast<size_t>(position)].popup;
    return sub ? HandleOf(sub) : nullptr;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags)
{
    const Item* it = ItemAt(menu, item, flags);
    if (!it)
        return 0;
    const int len = static_cast<int>(it->text.size());
    if (buffer && size > 0) {
        const int n = len < size - 1 ? len : size - 1;
        std::memcpy(buffer, it->text.data(), static_cast<size_t>(n));
        buffer[n] = '\0';
        return n;
    }
    return len;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags)
{
    const Item* it = ItemAt(menu, item, flags);
    if (!it)
        return static_cast<UINT>(-1);
    if (it->popup)
        return (it->flags & 0xFF) | (static_cast<UINT>(it->popup->items.size()) << 8);
    return it->flags & 0xFFFF;
}

// ---- CMenu ----

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    if (HMENU h = Detach())
        ::DestroyMenu(h);
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!Find(menu))
        return nullptr;
    auto att = Attached().find(menu);
    if (att != Attached().end())
        return att->second;
    auto& w = Wrappers();
    auto it = w.find(menu);
    if (it != w.end())
        return it->second.get();
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = menu;
    CMenu* result = wrapper.get();
    w[menu] = std::move(wrapper);
    return result;
}

void CMenu::DeleteTempMap()
{
    auto& w = Wrappers();
    for (auto& entry : w)
        entry.second->m_hMenu = nullptr; // wrappers never destroy what they wrap
    w.clear();
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !Find(menu) || Attached().count(menu))
        return FALSE;
    m_hMenu = menu;
    Attached()[menu] = this;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (h)
        Attached().erase(h);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT id)
{
    return LoadMenu(MAKEINTRESOURCEA(id));
}

BOOL CMenu::LoadMenu(LPCTSTR name)
{
    if (m_hMenu)
        return FALSE;
    HMENU h = ::LoadMenuA(AfxGetResourceHandle(), name);
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); !h && lib; lib = lib->m_pNextDLL)
        h = ::LoadMenuA(lib->m_hResource, name);
    return h ? Attach(h) : FALSE;
}

BOOL CMenu::DestroyMenu()
{
    HMENU h = Detach();
    return h ? ::DestroyMenu(h) : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) { return ::AppendMenuA(m_hMenu, flags, id, text); }
UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const int len = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    std::string buffer(static_cast<size_t>(len) + 1, '\0');
    const int n = ::GetMenuStringA(m_hMenu, item, buffer.data(), len + 1, flags);
    text = CString(buffer.c_str(), n);
    return n;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }

void MiscResetMenus()
{
    while (!Menus().empty())
        Destroy(Menus().begin()->first);
    Wrappers().clear();
}
