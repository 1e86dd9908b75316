// A top-level group of items, and the category list.
#include "misc/grid/gridwnd.h"
#include "misc/grid/model.h"

#include "model/model_internal.h"

CGnrlGridCategoryData::CGnrlGridCategoryData(long id, ePropertyType kind, const CDbArray<CGnrlGridItemData*>& items)
    : CGnrlGridBaseItem(id), m_Items(items)
{
    m_PropertyType = kind;
}

CGnrlGridCategoryData::~CGnrlGridCategoryData()
{
    if (m_RegMngr && !m_AppRegName.IsEmpty() && !m_RegKey.IsEmpty())
        m_RegMngr->WriteInt(m_AppRegName, m_RegKey, m_Expand);
    for (CGnrlGridItemData* item : m_Items)
        delete item;
    m_Items.RemoveAll();
}

void CGnrlGridCategoryData::SetExpand(int expand, int save)
{
    m_Expand = expand;
    if (save && m_RegMngr && !m_AppRegName.IsEmpty() && !m_RegKey.IsEmpty())
        m_RegMngr->WriteInt(m_AppRegName, m_RegKey, expand);
}

void CGnrlGridCategoryData::Expand(CXTPGridEx* grid, int expand)
{
    if (!grid)
        return;
    CXTPPropertyGridItem* row = grid->FindItem(static_cast<UINT>(m_NameId));
    if (!row)
        return;
    m_Expand = expand;
    if (expand)
        row->Expand();
    else
        row->Collapse();
}

void CGnrlGridCategoryData::OnApply()
{
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->OnApply();
}

void CGnrlGridCategoryData::OnDefault()
{
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->OnDefault();
}

void CGnrlGridCategoryData::Update(CXTPGridEx* grid)
{
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->Update(grid, false);
}

void CGnrlGridCategoryData::Activate(CXTPGridEx* grid)
{
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->Activate(grid);
}

CGnrlGridItemData* CGnrlGridCategoryData::GetItem(long id)
{
    for (CGnrlGridItemData* item : m_Items)
        if (CGnrlGridItemData* found = item ? item->GetItem(id) : nullptr)
            return found;
    return nullptr;
}

CGnrlGridItemData* CGnrlGridCategoryData::GetChildItem(const CString& name)
{
    for (CGnrlGridItemData* item : m_Items)
        if (item && item->GetName() == name)
            return item;
    return nullptr;
}

CGnrlGridItemData* CGnrlGridCategoryData::GetByPropertyType(ePropertyType kind)
{
    if (kind == ePropertyNone)
        return nullptr;
    for (CGnrlGridItemData* item : m_Items)
        if (item && item->GetPropertyType() == kind)
            return item;
    return nullptr;
}

void CGnrlGridCategoryData::Delete(CGnrlGridItemData* item)
{
    int index = m_Items.GetIndex(item);
    if (index < 0)
        return;
    m_Items.RemoveAt(index);
    delete item;
}

void CGnrlGridCategoryData::Create(CXTPGridEx* grid)
{
    if (!grid)
        return;
    CXTPPropertyGridItem* row = grid->AddCategory(static_cast<UINT>(m_NameId));
    if (!row)
        return;
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    if (!m_Enable)
        row->SetReadOnly(TRUE);
    if (m_Bold)
        row->GetCaptionMetrics()->m_clrFore = 0;
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->Create(row);
    if (m_RegMngr && !m_AppRegName.IsEmpty() && !m_RegKey.IsEmpty())
        m_Expand = m_RegMngr->ReadInt(m_AppRegName, m_RegKey, m_Expand);
    // The control may show new categories expanded: collapse explicitly.
    if (m_Expand)
        row->Expand();
    else
        row->Collapse();
}

void CGnrlGridCategoryData::BuildRegKey(long id, const CString& prefix, CString& out)
{
    out.Format("%s_%d", static_cast<LPCTSTR>(prefix), static_cast<int>(id));
}

void CGnrlGridCategoryData::SetRegInfo(const CString& appRegName, const CString& prefix)
{
    m_AppRegName = appRegName;
    BuildRegKey(m_NameId, prefix, m_RegKey);
    for (CGnrlGridItemData* item : m_Items) {
        if (!item || !item->IsHasChildren())
            continue;
        item->SetRegMngr(m_RegMngr);
        item->SetExpandRegKey(appRegName, m_RegKey);
    }
}

void CGnrlGridCategoryData::UpdateExpandStatus(CXTPPropertyGridItems* items)
{
    for (CGnrlGridItemData* item : m_Items)
        if (item)
            item->UpdateExpandStatus(items);
}

void CGnrlGridCategoryData::UpdateEnable(int enable, CXTPGridEx* grid)
{
    if (!grid)
        return;
    m_Enable = enable;
    CXTPPropertyGridItem* row = grid->FindItem(static_cast<UINT>(m_NameId));
    if (row)
        row->SetReadOnly(enable == 0);
    for (CGnrlGridItemData* item : m_Items) {
        if (!item)
            continue;
        // The item's row under this category's row; anywhere in the grid when the category has none.
        CXTPPropertyGridItem* itemRow = row ? miscgrid::DirectChild(row->GetChilds(), item->GetName())
                                            : grid->FindItem(static_cast<LPCTSTR>(item->GetName()));
        item->UpdateEnable(enable, itemRow);
    }
}

CGnrlGridCategoryData* CGnrlGridCategoryDataArray::GetByNameId(int id) const
{
    for (CGnrlGridCategoryData* c : *this)
        if (c && c->GetNameId() == id)
            return c;
    return nullptr;
}

CGnrlGridCategoryData* CGnrlGridCategoryDataArray::GetByPropertyType(ePropertyType kind) const
{
    for (CGnrlGridCategoryData* c : *this)
        if (c && c->GetPropertyType() == kind)
            return c;
    return nullptr;
}

void CGnrlGridCategoryDataArray::Delete(ePropertyType kind)
{
    for (int i = 0; i < GetSize(); ++i) {
        CGnrlGridCategoryData* c = (*this)[i];
        if (c && c->GetPropertyType() == kind) {
            RemoveAt(i);
            delete c;
            return;
        }
    }
}
