// Menus as data: creating, loading, editing and reading menus and their items.
#include "menu/menusys.h"

#include <cctype>
#include <cstring>
#include <map>
#include <memory>

#include "win32/accel.h"
#include "win32/module.h"

namespace {

using menusys::Item;
using menusys::Menu;

// Every live menu; the map owns them.
std::map<HMENU, std::unique_ptr<Menu>>& Menus()
{
    static auto* menus = new std::map<HMENU, std::unique_ptr<Menu>>;
    return *menus;
}

HMENU Make(bool popup)
{
    auto m = std::make_unique<Menu>();
    m->popup = popup;
    HMENU h = reinterpret_cast<HMENU>(m.get());
    Menus()[h] = std::move(m);
    return h;
}

// True when `sub` is `menu` or holds it somewhere below: such an item would make a cycle.
bool Contains(HMENU sub, HMENU menu)
{
    if (sub == menu)
        return true;
    Menu* m = menusys::Find(sub);
    if (!m)
        return false;
    for (const Item& item : m->items)
        if (item.sub && Contains(item.sub, menu))
            return true;
    return false;
}

// An item from the MF_* arguments of AppendMenu / InsertMenu / ModifyMenu; false when the
// submenu is no menu or would hold its own parent.
bool MakeItem(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text, Item& item)
{
    item.flags = flags & ~static_cast<UINT>(MF_BYPOSITION);
    if (flags & MF_POPUP) {
        HMENU sub = reinterpret_cast<HMENU>(id);
        if (!menusys::Find(sub) || Contains(sub, menu))
            return false;
        item.sub = sub;
        item.id = static_cast<UINT>(id);
    } else if (!(flags & MF_SEPARATOR)) {
        item.id = static_cast<UINT>(id);
    }
    if (flags & MF_BITMAP)
        item.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
    else if (text && !(flags & (MF_SEPARATOR | MF_OWNERDRAW)))
        item.text = text;
    else if (flags & MF_OWNERDRAW)
        item.data = reinterpret_cast<ULONG_PTR>(text);
    return true;
}

// Builds the submenu tree of a menu resource from `index` at `level`; returns the next index.
int Build(const MiscResMenu& res, int index, int level, HMENU into)
{
    while (index < res.itemCount && res.items[index].level >= level) {
        const MiscResMenuItem& item = res.items[index];
        ++index;
        if (item.level > level) // children without a pop-up parent: skip them
            continue;
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

namespace menusys {

Menu* Find(HMENU h)
{
    if (!h)
        return nullptr;
    auto& menus = Menus();
    auto it = menus.find(h);
    return it == menus.end() ? nullptr : it->second.get();
}

Item* Locate(HMENU menu, UINT item, bool byPosition, HMENU* holder, int* position)
{
    Menu* m = Find(menu);
    if (!m)
        return nullptr;
    if (byPosition) {
        if (item >= m->items.size())
            return nullptr;
        if (holder)
            *holder = menu;
        if (position)
            *position = static_cast<int>(item);
        return &m->items[item];
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        Item& it = m->items[i];
        if (it.sub) {
            if (Item* inner = Locate(it.sub, item, false, holder, position))
                return inner;
            continue;
        }
        if (!it.Separator() && it.id == item) {
            if (holder)
                *holder = menu;
            if (position)
                *position = static_cast<int>(i);
            return &it;
        }
    }
    return nullptr;
}

std::string PlainText(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\t')
            break;
        if (c == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += c;
    }
    return out;
}

char Mnemonic(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\t')
            break;
        if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        }
    }
    return 0;
}

void Destroy(HMENU h)
{
    Menu* m = Find(h);
    if (!m)
        return;
    std::vector<HMENU> children;
    for (const Item& item : m->items)
        if (item.sub)
            children.push_back(item.sub);
    Menus().erase(h);
    ForgetWrapper(h);
    for (HMENU c : children)
        Destroy(c);
}

} // namespace menusys

using menusys::Find;
using menusys::Locate;

HMENU CreateMenu() { return Make(false); }
HMENU CreatePopupMenu() { return Make(true); }

BOOL DestroyMenu(HMENU menu)
{
    if (!Find(menu))
        return FALSE;
    menusys::Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return Find(menu) != nullptr; }

void MiscResetMenus()
{
    while (!Menus().empty())
        menusys::Destroy(Menus().begin()->first);
    MiscResetAccelerators(); // the rest of the command layer's state
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text)
{
    return InsertMenuA(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text)
{
    Item item;
    if (!Find(menu) || !MakeItem(menu, flags, id, text, item))
        return FALSE;
    HMENU holder = menu;
    int at = -1;
    if (flags & MF_BYPOSITION) {
        Menu* m = Find(menu);
        at = position >= m->items.size() ? static_cast<int>(m->items.size()) : static_cast<int>(position);
    } else if (!Locate(menu, position, false, &holder, &at)) {
        return FALSE;
    }
    Menu* m = Find(holder);
    m->items.insert(m->items.begin() + at, std::move(item));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text)
{
    Item* it = Locate(menu, position, (flags & MF_BYPOSITION) != 0);
    if (!it)
        return FALSE;
    Item fresh;
    HMENU old = it->sub;
    it->sub = nullptr; // a submenu being replaced by itself is not a cycle
    bool ok = MakeItem(menu, flags, id, text, fresh);
    it->sub = old;
    if (!ok)
        return FALSE;
    if (old && old != fresh.sub)
        menusys::Destroy(old);
    fresh.data = (flags & MF_OWNERDRAW) ? fresh.data : it->data;
    *it = std::move(fresh);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags)
{
    HMENU holder = nullptr;
    int at = -1;
    if (!Locate(menu, position, (flags & MF_BYPOSITION) != 0, &holder, &at))
        return FALSE;
    Menu* m = Find(holder);
    m->items.erase(m->items.begin() + at);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags)
{
    Item* it = Locate(menu, position, (flags & MF_BYPOSITION) != 0);
    if (!it)
        return FALSE;
    HMENU sub = it->sub;
    RemoveMenu(menu, position, flags);
    if (sub)
        menusys::Destroy(sub);
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check)
{
    Item* it = Locate(menu, item, (check & MF_BYPOSITION) != 0);
    if (!it)
        return static_cast<DWORD>(-1);
    DWORD previous = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~static_cast<UINT>(MF_CHECKED)) | (check & MF_CHECKED);
    return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags)
{
    const bool byPosition = (flags & MF_BYPOSITION) != 0;
    HMENU holder = nullptr;
    if (!Locate(menu, check, byPosition, &holder))
        return FALSE;
    Menu* m = Find(holder);
    for (size_t i = 0; i < m->items.size(); ++i) {
        Item& it = m->items[i];
        UINT key = byPosition ? static_cast<UINT>(i) : it.id;
        if (it.sub || it.Separator() || key < first || key > last)
            continue;
        if (key == check)
            it.flags |= MF_CHECKED | MFT_RADIOCHECK;
        else
            it.flags &= ~static_cast<UINT>(MF_CHECKED);
    }
    return TRUE;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable)
{
    Item* it = Locate(menu, item, (enable & MF_BYPOSITION) != 0);
    if (!it)
        return -1;
    const UINT mask = MF_GRAYED | MF_DISABLED;
    BOOL previous = static_cast<BOOL>(it->flags & mask);
    it->flags = (it->flags & ~mask) | (enable & mask);
    return previous;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition)
{
    Menu* m = Find(menu);
    if (!m)
        return FALSE;
    Item* chosen = item == static_cast<UINT>(-1) ? nullptr : Locate(menu, item, byPosition != 0);
    if (item != static_cast<UINT>(-1) && (!chosen || (!byPosition && chosen != Locate(menu, item, false))))
        return FALSE;
    for (Item& it : m->items)
        it.flags &= ~static_cast<UINT>(MF_DEFAULT);
    if (chosen)
        chosen->flags |= MF_DEFAULT;
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT)
{
    Menu* m = Find(menu);
    if (!m)
        return static_cast<UINT>(-1);
    for (size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].flags & MF_DEFAULT)
            return byPosition ? static_cast<UINT>(i) : m->items[i].id;
    return static_cast<UINT>(-1);
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
    if (item.sub)
        return static_cast<UINT>(-1);
    return item.Separator() ? 0 : item.id;
}

HMENU GetSubMenu(HMENU menu, int position)
{
    Menu* m = Find(menu);
    if (!m || position < 0 || static_cast<size_t>(position) >= m->items.size())
        return nullptr;
    return m->items[static_cast<size_t>(position)].sub;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags)
{
    const Item* it = Locate(menu, item, (flags & MF_BYPOSITION) != 0);
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
    const Item* it = Locate(menu, item, (flags & MF_BYPOSITION) != 0);
    if (!it)
        return static_cast<UINT>(-1);
    if (Menu* sub = Find(it->sub))
        return (it->flags & 0xFF) | (static_cast<UINT>(sub->items.size()) << 8);
    return it->flags & 0xFFFF;
}
