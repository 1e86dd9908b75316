// What an item does to its row once the row exists: expand, select, colour, enable, read back.
#include "misc/grid/gridwnd.h"
#include "misc/grid/model.h"

#include "model/model_internal.h"

void CGnrlGridItemData::Expand(CXTPGridEx* grid, int expand)
{
    if (!grid || !IsHasChildren())
        return;
    CXTPPropertyGridItem* item = FindItem(grid, false);
    if (!item)
        return;
    m_Expand = expand;
    if (expand)
        item->Expand();
    else
        item->Collapse();
}

void CGnrlGridItemData::SetExpand(int expand, int save)
{
    m_Expand = expand;
    if (save && m_RegMngr && !m_AppRegName.IsEmpty() && !m_ExpandRegKey.IsEmpty())
        m_RegMngr->WriteInt(m_AppRegName, m_ExpandRegKey, expand);
}

void CGnrlGridItemData::SetExpandRegKey(const CString& appRegName, const CString& parentKey)
{
    m_AppRegName = appRegName;
    m_ExpandRegKey = parentKey + "_" + m_Name;
    for (CGnrlGridItemData* child : m_Children) {
        if (!child || !child->IsHasChildren())
            continue;
        child->SetRegMngr(m_RegMngr);
        child->SetExpandRegKey(appRegName, m_ExpandRegKey);
    }
}

void CGnrlGridItemData::UpdateExpandStatus(CXTPPropertyGridItems* items)
{
    if (!items || !IsHasChildren())
        return;
    CXTPPropertyGridItem* item = items->FindItem(static_cast<LPCTSTR>(m_Name));
    if (!item)
        return;
    m_Expand = item->IsExpanded() ? 1 : 0;
    for (CGnrlGridItemData* child : m_Children)
        if (child && item->GetChilds())
            child->UpdateExpandStatus(item->GetChilds());
}

void CGnrlGridItemData::UpdateEnable(int enable, CXTPPropertyGridItem* item)
{
    m_Enable = enable;
    if (item)
        item->SetReadOnly(enable == 0);
    // Children follow even when this row is not shown, so the model stays consistent.
    for (CGnrlGridItemData* child : m_Children)
        if (child)
            child->UpdateEnable(enable, item ? miscgrid::DirectChild(item->GetChilds(), child->m_Name) : nullptr);
}

void CGnrlGridItemData::Select(CXTPGridEx* grid)
{
    if (CXTPPropertyGridItem* item = FindItem(grid, false))
        item->Select();
}

void CGnrlGridItemData::SetTopItem(CXTPGridEx* grid)
{
    if (CXTPPropertyGridItem* item = FindItem(grid, false))
        grid->SetTopIndex(item->GetIndex());
}

void CGnrlGridItemData::SetColor(CXTPGridEx* grid, COLORREF color, int caption, int value, int back)
{
    CXTPPropertyGridItem* item = FindItem(grid, false);
    if (!item)
        return;
    if (caption) {
        CXTPPropertyGridItemMetrics* m = item->GetCaptionMetrics();
        (back ? m->m_clrBack : m->m_clrFore) = color;
    }
    if (value) {
        CXTPPropertyGridItemMetrics* m = item->GetValueMetrics();
        (back ? m->m_clrBack : m->m_clrFore) = color;
    }
    item->RedrawItem();
}
