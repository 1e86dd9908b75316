// The spin row: a real number with a spin button at the right of its value area.
#include "misc/grid/rows_slider.h"

IMPLEMENT_DYNAMIC(CCustomItemSpinInplaceButton, CSpinButtonCtrl)
IMPLEMENT_DYNAMIC(CCustomItemSpin, CXTPPropertyGridItemDouble)

namespace {
constexpr UINT kSpinId = 103;
// The button's own position only has to stay clear of its ends; the row keeps the number.
constexpr int kSpinRange = 30000;
} // namespace

BEGIN_MESSAGE_MAP(CCustomItemSpinInplaceButton, CSpinButtonCtrl)
ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

void CCustomItemSpinInplaceButton::OnDeltaPos(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const NMUPDOWN* nm = reinterpret_cast<const NMUPDOWN*>(header);
    if (m_pItem && nm->iDelta != 0)
        m_pItem->Spin(nm->iDelta);
}

CCustomItemSpin::CCustomItemSpin(const CString& caption) : CXTPPropertyGridItemDouble(static_cast<LPCTSTR>(caption))
{
    m_spin.SetItem(this);
}

void CCustomItemSpin::Spin(int steps)
{
    SetDouble(GetDouble() + steps * static_cast<double>(m_SpinDeltaSize));
    OnValueChanged(GetValue());
}

void CCustomItemSpin::UpdateFromNumber()
{
    SetDouble(m_fNumber);
    CString value;
    value.Format("%0.2f", m_fNumber);
    OnValueChanged(value);
}

CRect CCustomItemSpin::GetValueRect()
{
    CRect rc = CXTPPropertyGridItemDouble::GetValueRect();
    rc.right -= kButtonWidth;
    return rc;
}

void CCustomItemSpin::OnSelect()
{
    CXTPPropertyGridItemDouble::OnSelect();
    CXTPPropertyGridView* view = GetGrid();
    if (!view || !view->GetSafeHwnd() || GetReadOnly())
        return;
    CRect value = GetValueRect();
    CRect rc(value.right, value.top, value.right + kButtonWidth, value.bottom);
    if (!m_spin.GetSafeHwnd()) {
        if (!m_spin.Create(WS_CHILD | UDS_ARROWKEYS, rc, view, kSpinId))
            return;
        m_spin.SetRange32(-kSpinRange, kSpinRange);
    }
    m_spin.SetPos32(0);
    m_spin.MoveWindow(&rc);
    m_spin.ShowWindow(SW_SHOW);
}

void CCustomItemSpin::OnDeselect()
{
    CXTPPropertyGridItemDouble::OnDeselect();
    if (m_spin.GetSafeHwnd())
        m_spin.ShowWindow(SW_HIDE);
}
