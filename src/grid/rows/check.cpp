// The check-box row and the box it shows while selected.
#include "misc/grid/rows_check.h"

IMPLEMENT_DYNAMIC(CInplaceCheckBox, CButton)
IMPLEMENT_DYNAMIC(CCustomItemCheckBox, CXTPPropertyGridItem)

namespace {
// The box is this wide, and stands in this much room left of the value area.
constexpr int kBoxSize = 13;
constexpr int kBoxRoom = 15;
// Identifier of the in-place box among the view's children.
constexpr UINT kBoxId = 101;
} // namespace

BEGIN_MESSAGE_MAP(CInplaceCheckBox, CButton)
ON_MESSAGE(BM_SETCHECK, OnCheck)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

LRESULT CInplaceCheckBox::OnCheck(WPARAM state, LPARAM)
{
    CCustomItemCheckBox* item = m_pItem;
    if (item && static_cast<int>(state) != item->m_Bool) {
        item->m_Bool = static_cast<int>(state);
        item->_SetBool(item->m_Bool);
        // Re-applying the value makes the grid report the change to its owner.
        item->OnValueChanged(item->GetValue());
    }
    return Default();
}

HBRUSH CInplaceCheckBox::CtlColor(CDC* dc, UINT)
{
    CXTPPropertyGrid* grid = m_pItem ? m_pItem->GetPropertyGrid() : nullptr;
    if (!grid)
        return nullptr;
    COLORREF back = grid->GetViewBackColor();
    if (m_brushColor != back || !m_brush.GetSafeHandle()) {
        m_brush.DeleteObject();
        m_brush.CreateSolidBrush(back);
        m_brushColor = back;
    }
    dc->SetBkColor(back);
    dc->SetTextColor(grid->GetViewForeColor());
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

CCustomItemCheckBox::CCustomItemCheckBox(const CString& caption, int value, int* bound)
    : CXTPPropertyGridItem(static_cast<LPCTSTR>(caption)), m_Bool(value), m_pBound(bound)
{
    Init();
}

CCustomItemCheckBox::CCustomItemCheckBox(UINT id, int value, int* bound)
    : CXTPPropertyGridItem(id), m_Bool(value), m_pBound(bound)
{
    Init();
}

CCustomItemCheckBox::CCustomItemCheckBox(const CString& caption, DWORD mask, DWORD* flags)
    : CXTPPropertyGridItem(static_cast<LPCTSTR>(caption)), m_pFlags(flags), m_Mask(mask)
{
    m_Bool = flags && (*flags & mask) ? 1 : 0;
    Init();
}

CCustomItemCheckBox::CCustomItemCheckBox(UINT id, DWORD mask, DWORD* flags)
    : CXTPPropertyGridItem(id), m_pFlags(flags), m_Mask(mask)
{
    m_Bool = flags && (*flags & mask) ? 1 : 0;
    Init();
}

void CCustomItemCheckBox::Init()
{
    // Nothing is typed into a check-box row: its value area only takes clicks.
    SetFlags(0);
    m_check.SetItem(this);
}

void CCustomItemCheckBox::SetBool(int state)
{
    // With the box shown, its new check state reaches the row through the box (which reports the
    // change); without it the row takes the state quietly.
    if (m_check.GetSafeHwnd())
        m_check.SetCheck(state);
    m_Bool = state;
    _SetBool(state);
}

void CCustomItemCheckBox::_SetBool(int state)
{
    if (m_pBound)
        *m_pBound = state;
    if (m_pFlags) {
        if (state)
            *m_pFlags |= m_Mask;
        else
            *m_pFlags &= ~m_Mask;
    }
}

void CCustomItemCheckBox::Update()
{
    if (m_pFlags)
        m_Bool = (*m_pFlags & m_Mask) ? 1 : 0;
    else if (m_pBound)
        m_Bool = *m_pBound;
    if (m_check.GetSafeHwnd()) {
        m_check.SetCheck(m_Bool);
        m_check.Invalidate();
    }
    Select();
}

CRect CCustomItemCheckBox::GetValueRect()
{
    CRect rc = CXTPPropertyGridItem::GetValueRect();
    rc.left += kBoxRoom;
    return rc;
}

CRect CCustomItemCheckBox::BoxRect()
{
    CRect value = GetValueRect();
    int top = value.top + (value.Height() - kBoxSize) / 2;
    return CRect(value.left - kBoxSize, top, value.left, top + kBoxSize);
}

void CCustomItemCheckBox::OnSelect()
{
    CXTPPropertyGridItem::OnSelect();
    CXTPPropertyGridView* view = GetGrid();
    if (GetReadOnly() || !view)
        return;
    CRect box = BoxRect();
    if (!m_check.GetSafeHwnd()) {
        DWORD style = WS_CHILD | BS_FLAT | (m_ChkBoxStyle & 0x0F);
        if (!m_check.Create("", style, box, view, kBoxId))
            return;
    }
    m_check.SetCheck(m_Bool);
    m_check.MoveWindow(&box);
    m_check.ShowWindow(SW_SHOW);
}

void CCustomItemCheckBox::OnDeselect()
{
    CXTPPropertyGridItem::OnDeselect();
    if (m_check.GetSafeHwnd())
        m_check.DestroyWindow();
}

BOOL CCustomItemCheckBox::OnLButtonDown(UINT flags, CPoint point)
{
    BOOL handled = CXTPPropertyGridItem::OnLButtonDown(flags, point);
    if (GetReadOnly())
        return handled;
    CRect value = GetValueRect();
    bool inside = point.x > value.left && point.x < value.right && point.y > value.top && point.y < value.bottom;
    if (!inside)
        return handled;
    if ((m_ChkBoxStyle & 0x0F) == BS_AUTO3STATE)
        SetBool((m_Bool + 1) % 3);
    else
        SetBool(!m_Bool);
    return TRUE;
}

BOOL CCustomItemCheckBox::OnDrawItemValue(CDC& dc, CRect)
{
    // The box goes by the value rectangle itself, not by the text area the view passes.
    CRect box = BoxRect();
    if (m_check.GetSafeHwnd()) {
        m_check.MoveWindow(&box);
        m_check.Invalidate();
        return TRUE;
    }
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (m_Bool == 1)
        state |= DFCS_CHECKED;
    else if (m_Bool == 2)
        state = DFCS_BUTTON3STATE | DFCS_FLAT | DFCS_CHECKED | DFCS_INACTIVE;
    if (GetReadOnly())
        state |= DFCS_INACTIVE | DFCS_MONO;
    dc.DrawFrameControl(&box, DFC_BUTTON, state);
    return TRUE;
}
