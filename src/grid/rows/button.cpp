// The push-button row and the colour-swatch row.
#include "misc/grid/rows_drawn.h"

IMPLEMENT_DYNAMIC(CCustomButton, CXTPPropertyGridItem)
IMPLEMENT_DYNAMIC(CDrawCustomItem, CXTPPropertyGridItem)

namespace {

bool StrictlyInside(const CRect& rc, CPoint pt)
{
    return pt.x > rc.left && pt.x < rc.right && pt.y > rc.top && pt.y < rc.bottom;
}

} // namespace

CCustomButton::CCustomButton(UINT id, const CString& value) : CXTPPropertyGridItem(id, static_cast<LPCTSTR>(value))
{
    SetFlags(0); // the value area is the button: nothing is typed there
}

BOOL CCustomButton::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    CRect frame = rcValue;
    dc.DrawFrameControl(&frame, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pPressed ? DFCS_PUSHED : 0));
    CString text = GetValue();
    if (!text.IsEmpty()) {
        CRect rc = rcValue;
        rc.DeflateRect(2, 0);
        if (m_pPressed)
            rc.OffsetRect(1, 1);
        int oldMode = dc.SetBkMode(TRANSPARENT);
        COLORREF oldColor = dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc.DrawText(text, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        dc.SetTextColor(oldColor);
        dc.SetBkMode(oldMode);
    }
    return TRUE;
}

BOOL CCustomButton::OnLButtonDown(UINT flags, CPoint point)
{
    BOOL handled = CXTPPropertyGridItem::OnLButtonDown(flags, point);
    if (GetReadOnly() || !StrictlyInside(GetValueRect(), point))
        return handled;
    m_pPressed = this;
    RedrawItem();
    // Re-applying the value makes the grid report a change of this row to its owner.
    OnValueChanged(GetValue());
    m_pPressed = nullptr;
    RedrawItem();
    return TRUE;
}

CDrawCustomItem::CDrawCustomItem(const CString& caption, const CString& value, CString* bind)
    : CXTPPropertyGridItem(static_cast<LPCTSTR>(caption), static_cast<LPCTSTR>(value), bind)
{
}

BOOL CDrawCustomItem::OnDrawItemValue(CDC& dc, CRect rcValue)
{
    CRect swatch;
    if (m_Rectangle)
        swatch.SetRect(rcValue.left + 2, rcValue.top + 1, rcValue.left + 2 + kSwatchWidth, rcValue.bottom - 1);
    else
        swatch.SetRect(rcValue.left + 2, rcValue.top, rcValue.left + 2 + rcValue.Height(), rcValue.bottom);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush brush(m_Colour);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    if (m_Rectangle)
        dc.Rectangle(&swatch);
    else
        dc.Ellipse(&swatch);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    CString text = GetValue();
    if (!text.IsEmpty()) {
        CRect rc(swatch.right + 4, rcValue.top, rcValue.right, rcValue.bottom);
        int oldMode = dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        dc.SetBkMode(oldMode);
    }
    return TRUE;
}
