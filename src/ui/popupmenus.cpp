// CQVXPopupMenuManager: menu groups for the toolkit's split-button pop-ups.
#include <misc/ui/colored.h>

#include <mfc/menu.h>
#include <toolkit/commandbars.h>

CQVXPopupMenuManager::~CQVXPopupMenuManager()
{
    Clear();
}

void CQVXPopupMenuManager::Clear()
{
    for (INT_PTR i = 0; i < m_groups.GetSize(); ++i)
        delete m_groups[i];
    m_groups.RemoveAll();
}

void CQVXPopupMenuManager::InsertArray(CMenu* submenu)
{
    auto* ids = new CUIntArray;
    const int n = static_cast<int>(submenu->GetMenuItemCount());
    for (int i = 0; i < n; ++i)
        ids->Add(submenu->GetMenuItemID(i));
    m_groups.Add(ids);
}

int CQVXPopupMenuManager::Initialize(UINT menuId)
{
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return 0;
    Clear();
    m_menuId = menuId;
    const int n = static_cast<int>(menu.GetMenuItemCount());
    for (int pos = 0; pos < n; ++pos) {
        CMenu* sub = menu.GetSubMenu(pos);
        if (!sub)
            break;
        InsertArray(sub);
    }
    return 1;
}

CUIntArray* CQVXPopupMenuManager::GetPopupIDs(int group)
{
    return group >= 0 && group < m_groups.GetSize() ? m_groups[group] : nullptr;
}

int CQVXPopupMenuManager::GetPopupSize(int group)
{
    CUIntArray* ids = GetPopupIDs(group);
    return ids ? static_cast<int>(ids->GetSize()) : 0;
}

UINT CQVXPopupMenuManager::GetPopupID(int group, int index)
{
    CUIntArray* ids = GetPopupIDs(group);
    return ids && index >= 0 && index < ids->GetSize() ? (*ids)[index] : 0;
}

int CQVXPopupMenuManager::FindPopupByFirstID(UINT id, int anyItem)
{
    for (int g = 0; g < m_groups.GetSize(); ++g) {
        const CUIntArray& ids = *m_groups[g];
        const INT_PTR last = anyItem ? ids.GetSize() : (ids.GetSize() > 0 ? 1 : 0);
        for (INT_PTR i = 0; i < last; ++i)
            if (ids[i] == id)
                return g;
    }
    return -1;
}

void CQVXPopupMenuManager::GetPopupMenu(int group, CXTPPopupBar* bar, int tearOff)
{
    if (!bar || !GetPopupIDs(group))
        return;
    CMenu menu;
    if (!menu.LoadMenu(m_menuId))
        return;
    CMenu* sub = menu.GetSubMenu(group);
    if (!sub)
        return;
    bar->LoadMenu(sub);
    if (tearOff) {
        CString title;
        menu.GetMenuString(static_cast<UINT>(group), title, MF_BYPOSITION);
        bar->SetTearOffPopup(title, XTPHashKey(title), 400);
    }
}

void CQVXPopupMenuManager::SetMenuToCtrl(CXTPControl* control, int group)
{
    if (!control)
        return;
    if (auto* bar = dynamic_cast<CXTPPopupBar*>(control->GetCommandBar()))
        GetPopupMenu(group, bar, 0);
}

void CQVXPopupMenuManager::UpdateToID(int id, CXTPCommandBars* bars)
{
    if (id == 0 || !bars)
        return;
    const UINT command = LOWORD(id);
    const int group = FindPopupByFirstID(command, TRUE);
    if (group < 0)
        return;
    const CUIntArray& ids = *m_groups[group];
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        if (ids[i] == command)
            continue;
        while (CXTPControl* c = bars->FindControl(xtpControlSplitButtonPopup, static_cast<int>(ids[i]), FALSE, TRUE))
            c->SetID(static_cast<int>(command));
    }
    bars->RedrawCommandBars();
}

void CQVXPopupMenuManager::UpdateToID(int id, CXTPToolBar* bar)
{
    if (id == 0 || !bar)
        return;
    const UINT command = LOWORD(id);
    const int group = FindPopupByFirstID(command, TRUE);
    if (group < 0)
        return;
    const CUIntArray& ids = *m_groups[group];
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        if (ids[i] == command)
            continue;
        while (CXTPControl* c =
                   bar->GetControls()->FindControl(xtpControlSplitButtonPopup, static_cast<int>(ids[i]), FALSE, TRUE))
            c->SetID(static_cast<int>(command));
    }
    bar->RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
