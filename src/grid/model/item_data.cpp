// One property row of the data model: identity, value text, children, and its control row.
#include "misc/grid/gridwnd.h"
#include "misc/grid/model.h"

#include "model/model_internal.h"

#include <windows.h>

char CGnrlGridItemData::m_decimalSymbol = 'A';

CGnrlGridItemData::CGnrlGridItemData(long id, const CString& value, eXTPGridItemType type, ePropertyType kind,
                                     const CString& regKey, const CString& appRegName)
    : CGnrlGridBaseItem(id), m_Type(type), m_StrValue(value)
{
    m_PropertyType = kind;
    m_RegKey = regKey;
    m_AppRegName = appRegName;
    InitDecimalSymbol();
    m_Name.LoadString(static_cast<UINT>(id));
}

CGnrlGridItemData::CGnrlGridItemData(const CString& caption, const CString& value, eXTPGridItemType type,
                                     ePropertyType kind, const CString& regKey, const CString& appRegName)
    : CGnrlGridBaseItem(-1), m_Type(type), m_Name(caption), m_StrValue(value)
{
    m_PropertyType = kind;
    m_RegKey = regKey;
    m_AppRegName = appRegName;
    InitDecimalSymbol();
}

CGnrlGridItemData::~CGnrlGridItemData()
{
    bool hadChildren = IsHasChildren();
    for (CGnrlGridItemData* child : m_Children)
        delete child;
    m_Children.RemoveAll();
    if (hadChildren && m_RegMngr && !m_AppRegName.IsEmpty() && !m_ExpandRegKey.IsEmpty())
        m_RegMngr->WriteInt(m_AppRegName, m_ExpandRegKey, m_Expand);
}

void CGnrlGridItemData::InitDecimalSymbol()
{
    if (m_decimalSymbol != 'A')
        return;
    char buffer[2] = {0, 0};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 2) > 0 && buffer[0])
        m_decimalSymbol = buffer[0];
}

void CGnrlGridItemData::SubstituteSeparator(CString& text)
{
    if (m_decimalSymbol != '.' && m_decimalSymbol != 'A')
        text.Replace('.', m_decimalSymbol);
}

void CGnrlGridItemData::SetName(const long& id)
{
    m_NameId = static_cast<int32_t>(id);
    m_Name.LoadString(static_cast<UINT>(id));
}

void CGnrlGridItemData::Add(CGnrlGridItemData* child) { m_Children.Add(child); }

CGnrlGridItemData* CGnrlGridItemData::GetItem(long id)
{
    if (m_NameId == id)
        return this;
    for (CGnrlGridItemData* child : m_Children)
        if (CGnrlGridItemData* found = child ? child->GetItem(id) : nullptr)
            return found;
    return nullptr;
}

CGnrlGridItemData* CGnrlGridItemData::GetItem(const CString& name)
{
    for (CGnrlGridItemData* child : m_Children)
        if (child && child->m_Name == name)
            return child;
    return nullptr;
}

bool CGnrlGridItemData::IsHasParent(const CString& name) const
{
    // A chain that loops back on itself is walked at most as far as GetProParent walks.
    int steps = 0;
    for (const CGnrlGridItemData* p = m_Parent; p && steps <= miscgrid::kMaxParentSteps; p = p->m_Parent, ++steps) {
        if (p->m_Name == name)
            return true;
        if (p->m_Parent == p)
            break;
    }
    return false;
}

CGnrlGridItemData* CGnrlGridItemData::GetProParent(CStringList& path)
{
    path.RemoveAll();
    path.AddTail(m_Name);
    if (m_Parent == this)
        return m_Parent;
    CGnrlGridItemData* last = nullptr;
    int steps = 0;
    for (CGnrlGridItemData* p = m_Parent; p; p = p->m_Parent) {
        path.AddHead(p->m_Name);
        last = p;
        if (!p->m_Parent || p->m_Parent == p || ++steps > miscgrid::kMaxParentSteps)
            break;
    }
    return last;
}

CXTPPropertyGridItem* CGnrlGridItemData::FindItem(CXTPGridEx* grid, bool byId)
{
    if (!grid)
        return nullptr;
    CStringList path;
    if (GetProParent(path))
        return grid->GetDataItem(path);
    if (byId)
        return grid->FindItem(static_cast<UINT>(m_NameId));
    return grid->FindItem(static_cast<LPCTSTR>(m_Name));
}

void CGnrlGridItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    CXTPPropertyGridItem* row = m_NameId < 0
        ? new CXTPPropertyGridItem(static_cast<LPCTSTR>(m_Name), m_StrValue, &m_StrValue)
        : new CXTPPropertyGridItem(static_cast<UINT>(m_NameId), m_StrValue, &m_StrValue);
    row = parent->AddChildItem(row);
    if (!row)
        return;
    row->SetID(static_cast<UINT>(m_NameId));
    // A caption the resources lack is the model's own (a blank row could not be told apart).
    if (row->GetCaption().IsEmpty() && !m_Name.IsEmpty())
        row->SetCaption(m_Name);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    SetFlags(row);
    CreateChildren(row);
}

void CGnrlGridItemData::CreateChildren(CXTPPropertyGridItem* item)
{
    if (!item)
        return;
    for (CGnrlGridItemData* child : m_Children) {
        if (!child)
            continue;
        child->SetRegMngr(m_RegMngr);
        child->Create(item);
    }
    bool any = IsHasChildren();
    if (any && !m_AppRegName.IsEmpty() && !m_ExpandRegKey.IsEmpty() && m_RegMngr)
        m_Expand = m_RegMngr->ReadInt(m_AppRegName, m_ExpandRegKey, m_Expand);
    if (m_Expand && any)
        item->Expand();
    else if (any)
        item->Collapse();
}

void CGnrlGridItemData::SetFlags(CXTPPropertyGridItem* item)
{
    if (!item)
        return;
    item->SetReadOnly(m_Enable == 0);
    UINT flags = item->GetFlags();
    flags = m_EditEnable ? (flags | xtpGridItemHasEdit) : (flags & ~UINT(xtpGridItemHasEdit));
    flags = m_HasButton ? (flags | xtpGridItemHasExpandButton) : (flags & ~UINT(xtpGridItemHasExpandButton));
    item->SetFlags(flags);
}

void CGnrlGridItemData::SetFlags(CXTPGridEx* grid)
{
    if (CXTPPropertyGridItem* item = FindItem(grid, false))
        SetFlags(item);
}

void CGnrlGridItemData::Update(CXTPGridEx* grid, bool byId)
{
    CXTPPropertyGridItem* item = FindItem(grid, byId);
    if (!item)
        return;
    SetFlags(item);
    item->SetValue(CString(m_StrValue));
    for (CGnrlGridItemData* child : m_Children)
        if (child)
            child->Update(grid, false);
}

void CGnrlGridItemData::Activate(CXTPGridEx* grid)
{
    for (CGnrlGridItemData* child : m_Children)
        if (child)
            child->Activate(grid);
}

void CGnrlGridItemData::OnApply()
{
    for (CGnrlGridItemData* child : m_Children)
        if (child)
            child->OnApply();
}

int CGnrlGridItemData::IsChanged() { return 1; }

void CGnrlGridItemData::OnDefault()
{
    m_StrValue = m_DefaultValue;
    for (CGnrlGridItemData* child : m_Children)
        if (child)
            child->OnDefault();
}

long CGnrlGridItemData::GetLongValue(CLongStringArray& list)
{
    if (list.GetSize() == 0)
        return 0;
    int index = list.FindText(m_StrValue);
    return list.GetNumberAt(index >= 0 ? index : 0);
}
