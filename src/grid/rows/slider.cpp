// The slider row: the number (or a display text) at the left of the value area and a slider
// beside it that reports its moves as value changes.
#include "misc/grid/rows_slider.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CInplaceSlider, CSliderCtrl)
IMPLEMENT_DYNAMIC(CCustomItemSlider, CXTPPropertyGridItemNumber)

namespace {
constexpr UINT kSliderId = 102;
// Gap between the number text and the slider.
constexpr int kGap = 2;
} // namespace

BEGIN_MESSAGE_MAP(CInplaceSlider, CSliderCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONUP()
ON_WM_KEYUP()
END_MESSAGE_MAP()

void CInplaceSlider::SetPosQuiet(int pos)
{
    m_nReported = pos;
    if (GetSafeHwnd() && GetPos() != pos)
        SetPos(pos);
}

void CInplaceSlider::OnPaint()
{
    Default();
    ReportPosition(false);
}

void CInplaceSlider::OnLButtonUp(UINT, CPoint)
{
    Default();
    ReportPosition(true); // the end of a drag
}

void CInplaceSlider::OnKeyUp(UINT, UINT, UINT)
{
    Default();
    ReportPosition(false);
}

void CInplaceSlider::ReportPosition(bool always)
{
    if (!GetSafeHwnd())
        return;
    int pos = GetPos();
    if (!always && pos == m_nReported)
        return;
    m_nReported = pos;
    if (m_pItem)
        m_pItem->OnSliderPosition(pos);
}

CCustomItemSlider::CCustomItemSlider(CString caption, long value, long* bound)
    : CXTPPropertyGridItemNumber(static_cast<LPCTSTR>(caption), value, bound)
{
    m_slider.SetItem(this);
}

void CCustomItemSlider::SetRange(int min, int max)
{
    m_Min = min;
    m_Max = max;
    if (m_slider.GetSafeHwnd())
        m_slider.SetRange(min, max, TRUE);
}

void CCustomItemSlider::SetNumber(long value)
{
    CXTPPropertyGridItemNumber::SetNumber(value);
    if (m_slider.GetSafeHwnd())
        m_slider.SetPosQuiet(static_cast<int>(value));
}

void CCustomItemSlider::SetStrValueDisplay(const CString& text)
{
    m_strValueDisplay = text;
    if (m_EnableStrValueDisplay)
        m_strValue = text;
}

void CCustomItemSlider::OnSliderPosition(int pos)
{
    SetNumber(pos);
    CString value;
    value.Format("%d", pos);
    OnValueChanged(value);
    if (m_EnableStrValueDisplay)
        m_strValue = m_strValueDisplay;
}

int CCustomItemSlider::TextWidth()
{
    if (m_SliderOnly)
        return 0;
    CXTPPropertyGridView* view = GetGrid();
    if (!view || !view->GetSafeHwnd())
        return 0;
    CClientDC dc(view);
    CFont* old = dc.SelectObject(view->GetFont());
    int width;
    if (m_EnableStrValueDisplay) {
        width = std::max(dc.GetTextExtent(m_strValueDisplay).cx, dc.GetTextExtent(CString("XXXXXXXX")).cx);
    } else {
        CString max;
        max.Format("%d", m_Max);
        width = dc.GetTextExtent(max).cx;
    }
    if (old)
        dc.SelectObject(old);
    return width;
}

void CCustomItemSlider::CreateButton()
{
    CXTPPropertyGridView* view = GetGrid();
    if (!IsVisible() || !view || !view->GetSafeHwnd()) {
        if (m_slider.GetSafeHwnd())
            m_slider.DestroyWindow();
        return;
    }
    m_nTextWidth = TextWidth();
    CRect area = GetValueRect();
    area.left += m_nTextWidth + kGap;
    if (area.Width() <= 0 || area.Height() <= 0) {
        if (m_slider.GetSafeHwnd())
            m_slider.DestroyWindow();
        return;
    }
    int pos = static_cast<int>(GetNumber());
    if (!m_slider.GetSafeHwnd()) {
        if (!m_slider.Create(WS_CHILD | TBS_HORZ | TBS_NOTICKS, area, view, kSliderId))
            return;
        m_slider.SetRange(m_Min, m_Max);
        m_slider.SetPosQuiet(pos);
    } else {
        int min = 0, max = 0;
        m_slider.GetRange(min, max);
        if (min != m_Min || max != m_Max)
            m_slider.SetRange(m_Min, m_Max, TRUE);
        m_slider.SetPosQuiet(pos);
    }
    CRect now;
    m_slider.GetWindowRect(&now);
    view->ScreenToClient(&now);
    if (now != area)
        m_slider.MoveWindow(&area);
    if (!m_slider.IsWindowVisible())
        m_slider.ShowWindow(SW_SHOW);
}

void CCustomItemSlider::SetToDefault()
{
    long number = GetNumber();
    CString value;
    value.Format("%ld", number);
    CXTPPropertyGridItemNumber::SetValue(value);
    if (m_EnableStrValueDisplay)
        m_strValue = m_strValueDisplay;
    if (m_slider.GetSafeHwnd())
        m_slider.SetPosQuiet(static_cast<int>(number));
    if (CXTPPropertyGrid* grid = GetPropertyGrid())
        grid->Refresh();
}

BOOL CCustomItemSlider::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    CreateButton();
    if (m_SliderOnly || m_nTextWidth <= 0)
        return TRUE;
    CString text;
    if (m_EnableStrValueDisplay)
        text = m_strValueDisplay;
    else
        text.Format("%ld", GetNumber());
    CRect rc(rcValue.left, rcValue.top, std::min<LONG>(rcValue.right, rcValue.left + m_nTextWidth), rcValue.bottom);
    int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    dc.SetBkMode(oldMode);
    return TRUE;
}

void CCustomItemSlider::SetVisible(BOOL visible)
{
    CXTPPropertyGridItemNumber::SetVisible(visible);
    CreateButton();
}

void CCustomItemSlider::OnIndexChanged()
{
    CXTPPropertyGridItemNumber::OnIndexChanged();
    CreateButton();
}
