// Menu item information: GetMenuItemInfo, SetMenuItemInfo and InsertMenuItem.
#include "menu/menusys.h"

#include <cstring>

using menusys::Item;

namespace {

const UINT kTypeBits = MFT_BITMAP | MFT_MENUBARBREAK | MFT_MENUBREAK | MFT_OWNERDRAW | MFT_RADIOCHECK |
                       MFT_SEPARATOR | MFT_RIGHTORDER | MFT_RIGHTJUSTIFY;
const UINT kStateBits = MFS_GRAYED | MFS_CHECKED | MFS_HILITE | MFS_DEFAULT;

bool ApplyInfo(HMENU menu, Item& item, const MENUITEMINFOA& info)
{
    if (info.fMask & MIIM_SUBMENU) {
        HMENU sub = info.hSubMenu;
        if (sub && (!menusys::Find(sub) || sub == menu))
            return false;
        if (item.sub && item.sub != sub)
            menusys::Destroy(item.sub);
        item.sub = sub;
        item.flags = sub ? (item.flags | MF_POPUP) : (item.flags & ~static_cast<UINT>(MF_POPUP));
    }
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE))
        item.flags = (item.flags & ~kTypeBits) | (info.fType & kTypeBits);
    if (info.fMask & MIIM_STATE)
        item.flags = (item.flags & ~kStateBits) | (info.fState & kStateBits);
    if (info.fMask & MIIM_ID)
        item.id = info.wID;
    if (info.fMask & MIIM_DATA)
        item.data = info.dwItemData;
    if (info.fMask & MIIM_BITMAP)
        item.bitmap = info.hbmpItem;
    bool stringType = (info.fMask & MIIM_TYPE) && !(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW));
    if ((info.fMask & MIIM_STRING) || stringType)
        item.text = info.dwTypeData ? info.dwTypeData : "";
    if (item.flags & MF_SEPARATOR)
        item.text.clear();
    return true;
}

} // namespace

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info)
{
    const Item* it = menusys::Locate(menu, item, byPosition != FALSE);
    if (!it || !info)
        return FALSE;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE))
        info->fType = it->flags & kTypeBits;
    if (info->fMask & MIIM_STATE)
        info->fState = it->flags & kStateBits;
    if (info->fMask & MIIM_ID)
        info->wID = it->id;
    if (info->fMask & MIIM_SUBMENU)
        info->hSubMenu = it->sub;
    if (info->fMask & MIIM_DATA)
        info->dwItemData = it->data;
    if (info->fMask & MIIM_BITMAP)
        info->hbmpItem = it->bitmap;
    if (info->fMask & MIIM_CHECKMARKS) {
        info->hbmpChecked = nullptr;
        info->hbmpUnchecked = nullptr;
    }
    bool wantsText = (info->fMask & MIIM_STRING) || ((info->fMask & MIIM_TYPE) && !(it->flags & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)));
    if (wantsText) {
        const UINT len = static_cast<UINT>(it->text.size());
        if (info->dwTypeData && info->cch > 0) {
            const UINT n = len < info->cch - 1 ? len : info->cch - 1;
            std::memcpy(info->dwTypeData, it->text.data(), n);
            info->dwTypeData[n] = '\0';
            info->cch = n;
        } else {
            info->cch = len;
        }
    }
    return TRUE;
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    Item* it = menusys::Locate(menu, item, byPosition != FALSE);
    if (!it || !info)
        return FALSE;
    return ApplyInfo(menu, *it, *info) ? TRUE : FALSE;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    if (!info || !menusys::Find(menu))
        return FALSE;
    // Insert a plain item through InsertMenu, then give it the information.
    HMENU holder = menu;
    int at = -1;
    if (byPosition) {
        int count = GetMenuItemCount(menu);
        at = item >= static_cast<UINT>(count) ? count : static_cast<int>(item);
    } else if (!menusys::Locate(menu, item, false, &holder, &at)) {
        return FALSE;
    }
    if (!InsertMenuA(holder, static_cast<UINT>(at), MF_BYPOSITION | MF_STRING, 0, ""))
        return FALSE;
    Item* fresh = menusys::Locate(holder, static_cast<UINT>(at), true);
    if (!ApplyInfo(holder, *fresh, *info)) {
        RemoveMenu(holder, static_cast<UINT>(at), MF_BYPOSITION);
        return FALSE;
    }
    return TRUE;
}
