// The check box and slider items.
#include "misc/grid/gridwnd.h"
#include "misc/grid/items.h"
#include "misc/grid/rows.h"

#include "items/items_internal.h"

namespace {
constexpr DWORD kThreeState = 6; // automatic three-state check box
constexpr DWORD kTwoState = 3;   // automatic check box
} // namespace

CCheckBoxGnrlItemData::CCheckBoxGnrlItemData(long id, int defaultValue, int* global, ePropertyType kind,
                                             const CString& regKey)
    : CGnrlGridItemData(id, CString(), eGridItemCheckBox, kind, regKey, CString()),
      m_ChkBoxStyle(defaultValue == 2 ? kThreeState : kTwoState), m_Value(global ? *global : defaultValue),
      m_Global(global), m_Default(defaultValue)
{
    m_EditEnable = 0;
}

void CCheckBoxGnrlItemData::SetOpposite(int opposite)
{
    m_Opposite = opposite;
    // The box shows the inverse of the host variable from now on.
    if (m_Global)
        m_Value = opposite ? !*m_Global : *m_Global;
}

void CCheckBoxGnrlItemData::SetTrueFalse(const CString& trueText, const CString& falseText)
{
    m_TrueText = trueText;
    m_FalseText = falseText;
}

void CCheckBoxGnrlItemData::SetWriteYesNo(int /*yesNo*/) { SetTrueFalse("YES", "NO"); }

void CCheckBoxGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CCustomItemCheckBox(m_Name, m_Value, &m_Value);
    if (!parent->AddChildItem(row))
        return;
    row->SetID(static_cast<UINT>(m_NameId));
    row->SetChkBoxStyle(m_ChkBoxStyle);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    SetFlags(row);
    CreateChildren(row);
}

void CCheckBoxGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    CGnrlGridItemData::Update(grid, false);
    if (auto* row = DYNAMIC_DOWNCAST(CCustomItemCheckBox, FindItem(grid, byId))) {
        row->SetChkBoxStyle(m_ChkBoxStyle);
        row->Update();
    }
}

void CCheckBoxGnrlItemData::OnApply()
{
    if (m_Global)
        *m_Global = m_Opposite ? !m_Value : m_Value;
    bool checked = m_Value != 0;
    if (m_Opposite)
        checked = !checked;
    miscgrid::WriteItemValue(m_AppRegName, m_RegKey, checked ? m_TrueText : m_FalseText);
    CGnrlGridItemData::OnApply();
}

int CCheckBoxGnrlItemData::IsChanged()
{
    if (!m_Global)
        return 0;
    return *m_Global != (m_Opposite ? !m_Value : m_Value);
}

void CCheckBoxGnrlItemData::OnDefault()
{
    m_Value = m_Default;
    CGnrlGridItemData::OnDefault();
}

CSliderGnrlItemData::CSliderGnrlItemData(long id, int defaultValue, int min, int max, int* global, ePropertyType kind,
                                         const CString& regKey)
    : CGnrlGridItemData(id, CString(), eGridItemSlider, kind, regKey, CString())
{
    InitSlider(defaultValue, min, max, global, kind);
}

CSliderGnrlItemData::CSliderGnrlItemData(const CString& caption, int defaultValue, int min, int max, int* global,
                                         ePropertyType kind, const CString& regKey)
    : CGnrlGridItemData(caption, CString(), eGridItemSlider, kind, regKey, CString())
{
    InitSlider(defaultValue, min, max, global, kind);
}

void CSliderGnrlItemData::InitSlider(int defaultValue, int min, int max, int* global, ePropertyType /*kind*/)
{
    m_Min = min;
    m_Max = max;
    m_Global = global;
    m_Default = defaultValue;
    // Without a host variable the slider starts in the middle of its range.
    m_Value = global ? *global : miscgrid::Midpoint(min, max);
}

void CSliderGnrlItemData::Create(CXTPPropertyGridItem* parent)
{
    if (!parent)
        return;
    auto* row = new CCustomItemSlider(m_Name, m_Value, &m_Value);
    if (!parent->AddChildItem(row))
        return;
    row->SetID(static_cast<UINT>(m_NameId));
    row->SetRange(m_Min, m_Max);
    row->EnableStrValueDisplay(m_EnableStrValueDisplay);
    row->SetSliderOnly(m_SliderOnly);
    row->SetStrValueDisplay(m_StrValueDisplay);
    if (!m_Description.IsEmpty())
        row->SetDescription(m_Description);
    SetFlags(row);
    CreateChildren(row);
}

void CSliderGnrlItemData::Update(CXTPGridEx* grid, bool byId)
{
    CXTPPropertyGridItem* item = FindItem(grid, byId);
    if (auto* row = DYNAMIC_DOWNCAST(CCustomItemSlider, item)) {
        row->SetNumber(m_Value);
        row->EnableStrValueDisplay(m_EnableStrValueDisplay);
        row->SetStrValueDisplay(m_StrValueDisplay);
        row->SetToDefault();
        row->SetSliderOnly(m_SliderOnly);
    }
    if (item && item->HasChilds())
        if (auto* spin = DYNAMIC_DOWNCAST(CCustomItemSpin, item->GetChilds()->GetAt(0)))
            spin->UpdateFromNumber();
}

void CSliderGnrlItemData::OnApply()
{
    if (m_Global)
        *m_Global = static_cast<int>(m_Value);
    CString text;
    text.Format("%d", static_cast<int>(m_Value));
    miscgrid::WriteItemValue(m_AppRegName, m_RegKey, text);
    CGnrlGridItemData::OnApply();
}

int CSliderGnrlItemData::IsChanged() { return m_Global ? *m_Global != m_Value : 0; }

void CSliderGnrlItemData::OnDefault()
{
    m_Value = m_Default;
    CGnrlGridItemData::OnDefault();
}
