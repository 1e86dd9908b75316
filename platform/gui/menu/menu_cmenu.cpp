// CMenu: the MFC front of the menu functions, with its permanent and temporary handle maps.
#include "mfc/menu.h"

#include <map>
#include <memory>
#include <string>

#include "menu/menusys.h"
#include "mfc/module.h"
#include "mfc/wnd.h"
#include "win32/module.h"

namespace {

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

} // namespace

namespace menusys {

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

} // namespace menusys

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    if (HMENU h = Detach())
        ::DestroyMenu(h);
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menusys::Find(menu))
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
    if (m_hMenu || !menusys::Find(menu) || Attached().count(menu))
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

BOOL CMenu::LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEA(id)); }

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
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text) { return ::InsertMenuA(m_hMenu, position, flags, id, text); }
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, LPCTSTR text) { return ::ModifyMenuA(m_hMenu, position, flags, id, text); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
UINT CMenu::CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) { return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable)); }
BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition) { return ::SetMenuDefaultItem(m_hMenu, item, byPosition); }
UINT CMenu::GetDefaultItem(UINT flags, BOOL byPosition) { return ::GetMenuDefaultItem(m_hMenu, byPosition, flags); }
BOOL CMenu::GetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPosition) { return ::GetMenuItemInfoA(m_hMenu, item, byPosition, info); }
BOOL CMenu::SetMenuItemInfo(UINT item, LPMENUITEMINFO info, BOOL byPosition) { return ::SetMenuItemInfoA(m_hMenu, item, byPosition, info); }
BOOL CMenu::InsertMenuItem(UINT item, LPMENUITEMINFO info, BOOL byPosition) { return ::InsertMenuItemA(m_hMenu, item, byPosition, info); }
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

int CMenu::GetMenuString(UINT item, LPTSTR buffer, int size, UINT flags) const
{
    return ::GetMenuStringA(m_hMenu, item, buffer, size, flags);
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, MiscSafeHwnd(owner), rect);
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params)
{
    return ::TrackPopupMenuEx(m_hMenu, flags, x, y, MiscSafeHwnd(owner), params);
}

// ---- CWnd's menu members ----
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
