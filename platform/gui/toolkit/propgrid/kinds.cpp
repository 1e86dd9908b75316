// The typed row kinds: whole number, real number, choice and colour. Each keeps its typed value
// and the value text in step, and writes both to the variables it is bound to.
#include "toolkit/propertygrid.h"

#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CXTPPropertyGridItemNumber, CXTPPropertyGridItem)
IMPLEMENT_DYNAMIC(CXTPPropertyGridItemDouble, CXTPPropertyGridItem)
IMPLEMENT_DYNAMIC(CXTPPropertyGridItemEnum, CXTPPropertyGridItem)
IMPLEMENT_DYNAMIC(CXTPPropertyGridItemColor, CXTPPropertyGridItem)

// ---- Number ----

CXTPPropertyGridItemNumber::CXTPPropertyGridItemNumber(LPCTSTR caption, long value, long* bind)
    : CXTPPropertyGridItem(caption)
{
    m_pBindNumber = bind;
    SetNumber(bind ? *bind : value);
}

CXTPPropertyGridItemNumber::CXTPPropertyGridItemNumber(UINT id, long value, long* bind) : CXTPPropertyGridItem(id)
{
    m_pBindNumber = bind;
    SetNumber(bind ? *bind : value);
}

void CXTPPropertyGridItemNumber::SetNumber(long value)
{
    m_nValue = value;
    if (m_pBindNumber)
        *m_pBindNumber = value;
    CString text;
    text.Format("%ld", value);
    CXTPPropertyGridItem::SetValue(text);
}

long CXTPPropertyGridItemNumber::GetNumber() const
{
    return m_nValue;
}

void CXTPPropertyGridItemNumber::BindToNumber(long* bind)
{
    m_pBindNumber = bind;
    if (bind)
        *bind = m_nValue;
}

void CXTPPropertyGridItemNumber::SetValue(CString value)
{
    SetNumber(std::strtol(static_cast<LPCTSTR>(value), nullptr, 10));
}

// ---- Double ----

CXTPPropertyGridItemDouble::CXTPPropertyGridItemDouble(LPCTSTR caption, double value, LPCTSTR format, double* bind)
    : CXTPPropertyGridItem(caption)
{
    m_strFormat = format && *format ? format : "%0.2f";
    m_pBindDouble = bind;
    SetDouble(bind ? *bind : value);
}

CXTPPropertyGridItemDouble::CXTPPropertyGridItemDouble(UINT id, double value, LPCTSTR format, double* bind)
    : CXTPPropertyGridItem(id)
{
    m_strFormat = format && *format ? format : "%0.2f";
    m_pBindDouble = bind;
    SetDouble(bind ? *bind : value);
}

void CXTPPropertyGridItemDouble::SetDouble(double value)
{
    m_dValue = value;
    if (m_pBindDouble)
        *m_pBindDouble = value;
    // The format comes from the host; it is given exactly one double, within a bounded buffer.
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, static_cast<LPCTSTR>(m_strFormat), value);
    CXTPPropertyGridItem::SetValue(CString(buffer));
}

double CXTPPropertyGridItemDouble::GetDouble() const
{
    return m_dValue;
}

void CXTPPropertyGridItemDouble::BindToDouble(double* bind)
{
    m_pBindDouble = bind;
    if (bind)
        *bind = m_dValue;
}

void CXTPPropertyGridItemDouble::SetValue(CString value)
{
    SetDouble(std::strtod(static_cast<LPCTSTR>(value), nullptr));
}

// ---- Enum ----

CXTPPropertyGridItemEnum::CXTPPropertyGridItemEnum(LPCTSTR caption, int value, int* bind) : CXTPPropertyGridItem(caption)
{
    m_flags = xtpGridItemHasComboButton;
    m_pBindEnum = bind;
    SetEnum(bind ? *bind : value);
}

CXTPPropertyGridItemEnum::CXTPPropertyGridItemEnum(UINT id, int value, int* bind) : CXTPPropertyGridItem(id)
{
    m_flags = xtpGridItemHasComboButton;
    m_pBindEnum = bind;
    SetEnum(bind ? *bind : value);
}

void CXTPPropertyGridItemEnum::SetEnum(int value)
{
    m_nValue = value;
    if (m_pBindEnum)
        *m_pBindEnum = value;
    CXTPPropertyGridItemConstraints* choices = GetConstraints();
    const int index = choices->FindConstraint(static_cast<DWORD_PTR>(value));
    CXTPPropertyGridItem::SetValue(index >= 0 ? choices->GetAt(index) : CString());
    choices->SetCurrent(index);
}

int CXTPPropertyGridItemEnum::GetEnum() const
{
    return m_nValue;
}

void CXTPPropertyGridItemEnum::BindToEnum(int* bind)
{
    m_pBindEnum = bind;
    if (bind)
        *bind = m_nValue;
}

void CXTPPropertyGridItemEnum::SetValue(CString value)
{
    CXTPPropertyGridItemConstraints* choices = GetConstraints();
    const int index = choices->FindConstraint(static_cast<LPCTSTR>(value));
    if (index >= 0) {
        SetEnum(static_cast<int>(choices->GetConstraintAt(index)->m_dwData));
        return;
    }
    // Not one of the choices: the text shows, the number stays.
    CXTPPropertyGridItem::SetValue(value);
}

// ---- Colour ----

namespace {

CString ColorText(COLORREF c)
{
    CString text;
    text.Format("%d; %d; %d", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// "R; G; B" (separators ';' or ',' with blanks); FALSE unless three numbers in 0..255 are found.
BOOL ParseColor(const char* text, COLORREF& out)
{
    int parts[3] = {0, 0, 0};
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        while (*p == ' ' || *p == ';' || *p == ',' || *p == '\t')
            ++p;
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p || v < 0 || v > 255)
            return FALSE;
        parts[i] = static_cast<int>(v);
        p = end;
    }
    out = RGB(parts[0], parts[1], parts[2]);
    return TRUE;
}

constexpr int kSwatchWidth = 20;

} // namespace

CXTPPropertyGridItemColor::CXTPPropertyGridItemColor(LPCTSTR caption, COLORREF value, COLORREF* bind)
    : CXTPPropertyGridItem(caption)
{
    m_flags = xtpGridItemHasEdit | xtpGridItemHasExpandButton;
    m_pBindColor = bind;
    SetColor(bind ? *bind : value);
}

CXTPPropertyGridItemColor::CXTPPropertyGridItemColor(UINT id, COLORREF value, COLORREF* bind)
    : CXTPPropertyGridItem(id)
{
    m_flags = xtpGridItemHasEdit | xtpGridItemHasExpandButton;
    m_pBindColor = bind;
    SetColor(bind ? *bind : value);
}

void CXTPPropertyGridItemColor::SetColor(COLORREF value)
{
    m_clrValue = value & 0x00FFFFFF;
    if (m_pBindColor)
        *m_pBindColor = m_clrValue;
    CXTPPropertyGridItem::SetValue(ColorText(m_clrValue));
}

COLORREF CXTPPropertyGridItemColor::GetColor() const
{
    return m_clrValue;
}

void CXTPPropertyGridItemColor::BindToColor(COLORREF* bind)
{
    m_pBindColor = bind;
    if (bind)
        *bind = m_clrValue;
}

void CXTPPropertyGridItemColor::SetValue(CString value)
{
    COLORREF c = 0;
    if (ParseColor(static_cast<LPCTSTR>(value), c))
        SetColor(c);
    else
        CXTPPropertyGridItem::SetValue(ColorText(m_clrValue)); // refused: the old colour stays
}

CRect CXTPPropertyGridItemColor::GetValueRect()
{
    CRect rc = CXTPPropertyGridItem::GetValueRect();
    rc.left += kSwatchWidth;
    if (rc.left > rc.right)
        rc.left = rc.right;
    return rc;
}

BOOL CXTPPropertyGridItemColor::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    // GetValueRect leaves the swatch's room left of the text; the view indents the text 3 pixels.
    const int left = rcValue.left - 3 - kSwatchWidth;
    CRect swatch(left + 2, rcValue.top + 3, left + kSwatchWidth - 2, rcValue.bottom - 2);
    if (swatch.bottom > swatch.top && swatch.right > swatch.left) {
        dc.FillSolidRect(&swatch, m_clrValue);
        CBrush frame(RGB(0, 0, 0));
        dc.FrameRect(&swatch, &frame);
    }
    dc.DrawText(GetViewValue(), &rcValue, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    return TRUE;
}

void CXTPPropertyGridItemColor::OnInplaceButtonDown()
{
    // No colour chooser in the platform yet: the owner hears the button and may pick the colour.
    CXTPPropertyGridItem::OnInplaceButtonDown();
}
