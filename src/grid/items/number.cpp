// The number item: a real number with a unit, or a whole number.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/rows.h"

#include "items/items_internal.h"

CNumberGnrlItemData::CNumberGnrlItemData(long id, double value, int unit, ePropertyType kind, const CString& format,
                                         const CString& regKey)
    : CGnrlGridItemData(id, CString(), eGridItemNumber, kind, regKey, CString()), m_Value(value), m_Default(value),
      m_Unit(unit), m_Format(format)
{
}

CNumberGnrlItemData::CNumberGnrlItemData(const CString& caption, double value, int unit, ePropertyType kind,
                                         const CString& format, const CString& regKey)
    : CGnrlGridItemData(caption, CString(), eGridItemNumber, kind, regKey, CString()), m_Value(value),
      m_Default(value), m_Unit(unit), m_Format(format)
{
}

CString CNumberGnrlItemData::FormatValue() const
{
    double shown = m_UnitType == UNIT_TYPE_PERCENT ? m_Value * 100.0 : m_Value;
    CString text;
    if (m_Value == 0.0)
        text.Format("%0.0f", shown);
    else
        text.Format(m_Format.IsEmpty() ? "%0.2f" : static_cast<LPCTSTR>(m_Format), shown);
    SubstituteSeparator(text);
    return text;
}

void CNumberGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CItemNumberWithUnit(m_Name, FormatValue(), nullptr, m_Unit, m_UnitType, &m_Value);
    if (!parent->AddChildItem(row))
        return;
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    row->SetPreventZero(m_PreventZero);
    if (m_Type == eGridItemInteger) {
        row->SetUnit(CString(""));
        row->AddStrUnit();
    }
    if (m_UnitType == UNIT_TYPE_NONE)
        row->SetDouble(0);
    row->SetID(static_cast<UINT>(m_NameId));
    if (!m_StrValue.IsEmpty())
        row->SetValue(m_StrValue);
    row->SetAdditionLegalChar(m_AdditionLegalChar);
    SetFlags(row);
    CreateChildren(row);
}

void CNumberGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    auto* row = DYNAMIC_DOWNCAST(CItemNumberWithUnit, FindItem(grid, byId));
    if (!row)
        return;
    row->Update();
    if (m_GlobalDouble)
        *m_GlobalDouble = m_Value;
    if (m_GlobalInt)
        *m_GlobalInt = static_cast<int>(m_Value); // toward zero
}

void CNumberGnrlItemData::OnApply()
{
    if (m_GlobalDouble)
        *m_GlobalDouble = m_Value;
    if (m_GlobalInt)
        *m_GlobalInt = static_cast<int>(m_Value);
    CString text;
    text.Format("%f", m_Value);
    miscgrid::WriteItemValue(m_AppRegName, m_RegKey, text);
    CGnrlGridItemData::OnApply();
}

int CNumberGnrlItemData::IsChanged()
{
    if (m_GlobalDouble)
        return *m_GlobalDouble != m_Value;
    if (m_GlobalInt)
        return static_cast<double>(*m_GlobalInt) != m_Value;
    return 0;
}

void CNumberGnrlItemData::OnDefault()
{
    m_Value = m_Default;
    CGnrlGridItemData::OnDefault();
}
