// The spin, drop-down list, drawn and button items.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/rows.h"

#include "items/items_internal.h"

CSpinGnrlItemData::CSpinGnrlItemData(long id, float defaultValue, float min, float max, float* global,
                                     ePropertyType kind, const CString& regKey)
    : CGnrlGridItemData(id, CString(), eGridItemSpin, kind, regKey, CString())
{
    InitSpin(defaultValue, min, max, global, kind);
}

CSpinGnrlItemData::CSpinGnrlItemData(const CString& caption, float defaultValue, float min, float max, float* global,
                                     ePropertyType kind, const CString& regKey)
    : CGnrlGridItemData(caption, CString(), eGridItemSpin, kind, regKey, CString())
{
    InitSpin(defaultValue, min, max, global, kind);
}

void CSpinGnrlItemData::InitSpin(float defaultValue, float min, float max, float* global, ePropertyType /*kind*/)
{
    m_Min = min;
    m_Max = max;
    m_Global = global;
    m_Default = defaultValue;
    m_Value = global ? *global : miscgrid::Midpoint(min, max);
}

void CSpinGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CCustomItemSpin(m_Name);
    if (!parent->AddChildItem(row))
        return;
    row->SetID(static_cast<UINT>(m_NameId));
    CString text;
    text.Format("%0.2f", static_cast<double>(m_Value));
    SubstituteSeparator(text);
    row->SetValue(text);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    row->SetNumber(m_Value);
    row->SetSpinDeltaSize(m_SpinDeltaSize);
    SetFlags(row);
    CreateChildren(row);
}

void CSpinGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    if (auto* row = DYNAMIC_DOWNCAST(CCustomItemSpin, FindItem(grid, byId))) {
        row->SetDouble(m_Value);
        row->SetSpinDeltaSize(m_SpinDeltaSize);
    }
}

void CSpinGnrlItemData::OnApply()
{
    if (m_Global)
        *m_Global = m_Value;
    CString text;
    text.Format("%f", static_cast<double>(m_Value));
    miscgrid::WriteItemValue(m_AppRegName, m_RegKey, text);
    CGnrlGridItemData::OnApply();
}

int CSpinGnrlItemData::IsChanged() { return m_Global ? *m_Global != m_Value : 0; }

void CSpinGnrlItemData::OnDefault()
{
    m_Value = m_Default;
    CGnrlGridItemData::OnDefault();
}

CListGnrlItemData::CListGnrlItemData(long id, const CString& value, const CLongStringArray& list, ePropertyType kind)
    : CGnrlGridItemData(id, value, eGridItemList, kind, CString(), CString()), m_List(list)
{
    m_EditEnable = 0;
}

long CListGnrlItemData::GetLongValue() { return CGnrlGridItemData::GetLongValue(m_List); }

void CListGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CItemComboBox(static_cast<UINT>(m_NameId), m_StrValue, &m_StrValue, &m_List);
    if (!parent->AddChildItem(row))
        return;
    miscgrid::CaptionFallback(row, m_Name);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    row->SetComboType(m_ComboType);
    SetFlags(row);
    CreateChildren(row);
}

void CListGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    CXTPPropertyGridItem* row = FindItem(grid, false);
    if (!row)
        return;
    CGnrlGridItemData::Update(grid, byId);
    if (m_Global)
        *m_Global = static_cast<int>(GetLongValue());
    if (!m_Enable)
        row->SetReadOnly(TRUE);
}

void CListGnrlItemData::OnApply()
{
    int index = m_List.FindText(m_StrValue);
    if (index >= 0) {
        long number = m_List.GetNumberAt(index);
        if (m_Global)
            *m_Global = static_cast<int>(number);
        CString text;
        if (!m_IniFileData.GetText(number, text))
            text.Format("%d", static_cast<int>(number));
        miscgrid::WriteItemValue(m_AppRegName, m_RegKey, text);
    }
    CGnrlGridItemData::OnApply();
}

CDrawGnrlItemData::CDrawGnrlItemData(long id, const CString& value, unsigned long colour)
    : CGnrlGridItemData(id, value, eGridItemNone, ePropertyNone, CString(), CString()),
      m_Colour(static_cast<COLORREF>(colour))
{
}

CDrawGnrlItemData::CDrawGnrlItemData(const CString& caption, const CString& value, unsigned long colour)
    : CGnrlGridItemData(caption, value, eGridItemNone, ePropertyNone, CString(), CString()),
      m_Colour(static_cast<COLORREF>(colour))
{
}

void CDrawGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CDrawCustomItem(m_Name, m_StrValue, &m_StrValue);
    if (!parent->AddChildItem(row))
        return;
    row->SetID(static_cast<UINT>(m_NameId));
    row->SetColour(m_Colour);
    row->SetRectangle(m_Rectangle);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    SetFlags(row);
    CreateChildren(row);
}

CButtonGnrlItemData::CButtonGnrlItemData(long id, ePropertyType kind)
    : CGnrlGridItemData(id, CString(), eGridItemNone, kind, CString(), CString())
{
    m_EditEnable = 0;
}

void CButtonGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CCustomButton(static_cast<UINT>(m_NameId), m_StrValue);
    if (!parent->AddChildItem(row))
        return;
    miscgrid::CaptionFallback(row, m_Name);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    if (!m_Name.IsEmpty())
        row->SetCaption(m_Name);
    SetFlags(row);
    CreateChildren(row);
}
