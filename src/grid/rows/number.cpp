// The number row with its unit and the edit that takes only number characters.
#include "misc/grid/rows_number.h"

#include "family/vmxunits.h"
#include "mfc/resscope.h"

#include <cstdlib>

namespace {
// The unit text of fixed-text numbers (pieces), a string of the resource module.
constexpr UINT kFixedUnitString = 28712;
} // namespace

IMPLEMENT_DYNAMIC(CItemNumberWithUnitEdit, CXTPPropertyGridInplaceEdit)
IMPLEMENT_DYNAMIC(CItemNumberWithUnit, CXTPPropertyGridItem)

BEGIN_MESSAGE_MAP(CItemNumberWithUnitEdit, CXTPPropertyGridInplaceEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

bool CItemNumberWithUnitEdit::IsCharLegal(char c) const
{
    if (c >= '0' && c <= '9')
        return true;
    if ((c == '.' || c == '/') && m_Double)
        return true;
    if (c == 8 || c == 13)
        return true;
    return m_AdditionLegalChar.Find(static_cast<unsigned char>(c));
}

void CItemNumberWithUnitEdit::OnChar(UINT ch, UINT repeat, UINT flags)
{
    if (ch > 0xff || !IsCharLegal(static_cast<char>(ch))) {
        MessageBeep(static_cast<UINT>(-1));
        return;
    }
    CXTPPropertyGridInplaceEdit::OnChar(ch, repeat, flags);
}

CItemNumberWithUnit::CItemNumberWithUnit(const CString& caption, const CString& value, CString* bind, int unit,
                                         eUnitType type, double* number)
    : CXTPPropertyGridItem(static_cast<LPCTSTR>(caption), static_cast<LPCTSTR>(value)), m_UnitType(type),
      m_pNumber(number)
{
    SetUnit(unit);
    AddStrUnit();
    if (bind) {
        *bind = m_strValue;
        BindToString(bind);
    }
}

CItemNumberWithUnit::CItemNumberWithUnit(UINT id, const CString& value, CString* bind, int unit, eUnitType type)
    : CXTPPropertyGridItem(id, static_cast<LPCTSTR>(value)), m_UnitType(type)
{
    SetUnit(unit);
    AddStrUnit();
    if (bind) {
        *bind = m_strValue;
        BindToString(bind);
    }
}

void CItemNumberWithUnit::SetUnit(int unit)
{
    m_Unit = unit;
    m_strUnit.Empty();
    if (unit == -1)
        return;
    switch (m_UnitType) {
    case UNIT_TYPE_LINEAR:
        getLinearUnitString(unit, m_strUnit, false);
        break;
    case UNIT_TYPE_AREA:
        getSquareUnitString(unit, m_strUnit);
        break;
    case UNIT_TYPE_ANGLE:
        getAngleUnitString(unit, m_strUnit);
        break;
    case UNIT_TYPE_TIME:
        getTimeUnitString(unit, m_strUnit, false);
        break;
    case UNIT_TYPE_FIXED: {
        CCallResourceScope scope;
        m_strUnit.LoadString(kFixedUnitString);
        break;
    }
    case UNIT_TYPE_PERCENT:
        getPercentageUnitString(m_strUnit);
        break;
    default:
        break;
    }
}

void CItemNumberWithUnit::SetUnit(const CString& text)
{
    m_strUnit = text;
    m_Unit = 2;
}

void CItemNumberWithUnit::SetValueText(const CString& text)
{
    if (text != m_strValue)
        SetValue(text);
}

void CItemNumberWithUnit::AddStrUnit()
{
    CString text = m_strValue;
    if (!m_strUnit.IsEmpty() && !text.IsEmpty()) {
        int blank = text.Find(' ');
        if (blank > 0)
            text = text.Left(blank);
        text += " " + m_strUnit;
    } else if (m_strUnit.IsEmpty() && !text.IsEmpty()) {
        BuildNumber(text);
    }
    SetValueText(text);
}

void CItemNumberWithUnit::BuildNumber(CString& text)
{
    BuildDigitString(text, m_Unit, m_edit.GetAdditionLegalChar());
}

void CItemNumberWithUnit::Update()
{
    if (!m_pNumber)
        return;
    double shown = *m_pNumber;
    if (m_UnitType == UNIT_TYPE_PERCENT)
        shown *= 100.0;
    CString text;
    text.Format("%0.2f", shown);
    SetValueText(text);
    AddStrUnit();
    SetValue(m_strValue);
}

// A percentage is kept as the fraction it shows (25 % is 0.25), the form the row shows multiplied
// by 100 again, so a typed percentage comes back as typed. Reading it as one plus the fraction
// would turn a typed 25 into 101 on the next showing.
int CItemNumberWithUnit::StringToFloat(double& out)
{
    if (m_strValue.IsEmpty())
        return 0;
    const char* text = m_strValue;
    char* end = nullptr;
    out = std::strtod(text, &end);
    while (*end == ' ')
        ++end;
    if (m_UnitType == UNIT_TYPE_PERCENT) {
        out *= 0.01;
        return 1;
    }
    if (*end != '\0')
        out = 0.0;
    return 1;
}

void CItemNumberWithUnit::OnValueChanged(CString value)
{
    BuildNumber(value);
    m_strValue = value;
    double number = 0.0;
    if (m_pNumber && StringToFloat(number))
        *m_pNumber = number;
    AddStrUnit();
    CXTPPropertyGridItem::OnValueChanged(m_strValue);
}

CXTPPropertyGridInplaceEdit& CItemNumberWithUnit::GetInplaceEdit() { return m_edit; }
