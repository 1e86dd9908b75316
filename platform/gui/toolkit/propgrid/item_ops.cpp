// The default behaviour of a row's overridable operations: what the view asks of every row when
// it paints, places editors, and passes on clicks and keys.
#include "toolkit/propertygrid.h"
#include "toolkit/propgrid/pgsys.h"

namespace {

// Editors of a row that is not in a view: never created, so every use of them is harmless.
struct Detached {
    CXTPPropertyGridInplaceEdit edit;
    CXTPPropertyGridInplaceButton button;
    CXTPPropertyGridInplaceList list;
};

Detached& DetachedEditors()
{
    static Detached* editors = new Detached; // never destroyed: no window ever belongs to it
    return *editors;
}

bool HasButton(const CXTPPropertyGridItem* item)
{
    return (item->GetFlags() & (xtpGridItemHasExpandButton | xtpGridItemHasComboButton)) != 0 && !item->GetReadOnly();
}

} // namespace

BOOL CXTPPropertyGridItem::OnDrawItemValue(CDC&, CRect)
{
    return FALSE; // the view draws the value metrics' image and GetViewValue()
}

CRect CXTPPropertyGridItem::GetValueRect()
{
    CRect rc = GetItemRect();
    if (rc.IsRectEmpty() || !m_view)
        return CRect(0, 0, 0, 0);
    rc.left = m_view->GetDividerPos() + 1;
    if (IsSelected() && HasButton(this))
        rc.right -= pgsys::kButtonWidth;
    rc.bottom -= 1; // the grid line under the row
    if (rc.left > rc.right)
        rc.left = rc.right;
    return rc;
}

void CXTPPropertyGridItem::OnSelect()
{
    if (!m_view || !m_view->GetSafeHwnd())
        return;
    CRect row = GetItemRect();
    if (row.IsRectEmpty())
        return;
    if (HasButton(this)) {
        CRect button(row.right - pgsys::kButtonWidth, row.top, row.right, row.bottom - 1);
        GetInplaceButton().Create(this, button);
    }
    if (m_flags & xtpGridItemHasEdit) {
        CRect value = GetValueRect();
        value.left += 2;
        GetInplaceEdit().Create(this, value);
    }
}

void CXTPPropertyGridItem::OnDeselect()
{
    if (GetInplaceEdit().GetItem() == this)
        GetInplaceEdit().HideWindow();
    if (GetInplaceButton().GetItem() == this)
        GetInplaceButton().HideWindow();
    if (GetInplaceList().GetItem() == this)
        GetInplaceList().Cancel();
}

BOOL CXTPPropertyGridItem::OnLButtonDown(UINT, CPoint point)
{
    if (m_readOnly || !(m_flags & xtpGridItemHasEdit))
        return FALSE;
    CXTPPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (!edit.GetSafeHwnd() || edit.GetItem() != this || !edit.IsWindowVisible())
        return FALSE;
    CRect value = GetValueRect();
    if (!value.PtInRect(point))
        return FALSE;
    // The caret goes where the person clicked: pass the click on to the edit.
    edit.SetFocus();
    CPoint inEdit(point);
    m_view->MapWindowPoints(&edit, &inEdit, 1);
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inEdit.x, inEdit.y));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(inEdit.x, inEdit.y));
    return TRUE;
}

void CXTPPropertyGridItem::OnLButtonDblClk()
{
    if (HasChilds()) {
        if (m_view && m_view->GetImpl())
            m_view->GetImpl()->ToggleExpand(this);
        else if (m_expanded)
            Collapse();
        else
            Expand();
        return;
    }
    if (m_readOnly || m_constraints->IsEmpty())
        return;
    int next = m_constraints->FindConstraint(static_cast<LPCTSTR>(GetValue())) + 1;
    if (next >= m_constraints->GetCount())
        next = 0;
    OnValueChanged(m_constraints->GetAt(next));
}

void CXTPPropertyGridItem::OnRButtonDown()
{
}

void CXTPPropertyGridItem::OnInplaceButtonDown()
{
    if (m_readOnly)
        return;
    if (m_flags & xtpGridItemHasComboButton) {
        if (!m_view || !m_view->GetSafeHwnd())
            return;
        CRect row = GetItemRect();
        CRect drop(m_view->GetDividerPos() + 1, row.bottom, row.right, row.bottom);
        GetInplaceList().Create(this, drop);
        return;
    }
    if (CXTPPropertyGrid* grid = GetPropertyGrid())
        grid->SendNotifyMessage(XTP_PGN_INPLACEBUTTONDOWN, this);
}

void CXTPPropertyGridItem::OnValueChanged(CString value)
{
    SetValue(value);
    if (CXTPPropertyGrid* grid = GetPropertyGrid())
        grid->SendNotifyMessage(XTP_PGN_ITEMVALUE_CHANGED, this);
}

CXTPPropertyGridInplaceEdit& CXTPPropertyGridItem::GetInplaceEdit()
{
    if (m_view && m_view->GetImpl())
        return m_view->GetImpl()->edit;
    return DetachedEditors().edit;
}

CXTPPropertyGridInplaceButton& CXTPPropertyGridItem::GetInplaceButton()
{
    if (m_view && m_view->GetImpl())
        return m_view->GetImpl()->button;
    return DetachedEditors().button;
}

CXTPPropertyGridInplaceList& CXTPPropertyGridItem::GetInplaceList()
{
    if (m_view && m_view->GetImpl())
        return m_view->GetImpl()->list;
    return DetachedEditors().list;
}

void CXTPPropertyGridItem::SetVisible(BOOL visible)
{
    m_visibleRow = visible ? TRUE : FALSE;
    if (!visible && IsSelected())
        OnDeselect();
}

void CXTPPropertyGridItem::OnIndexChanged()
{
}

CString CXTPPropertyGridItem::GetViewValue()
{
    return GetValue();
}

CSize CXTPPropertyGridItem::OnMergeItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint)
{
    const int height = GetHeight();
    if (!dc || !constraint)
        return CSize(0, height);
    const CSize text = dc->GetTextExtent(constraint->m_strConstraint);
    return CSize(text.cx + 6, height);
}

void CXTPPropertyGridItem::OnDrawItemConstraint(CDC* dc, CXTPPropertyGridItemConstraint* constraint, CRect rc,
                                                BOOL selected)
{
    if (!dc || !constraint)
        return;
    dc->FillSolidRect(&rc, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc->SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    CRect text(rc);
    text.left += 3;
    if (constraint->m_nImage >= 0) {
        if (CXTPPropertyGrid* grid = GetPropertyGrid()) {
            CXTPImageManager* images = grid->GetImageManager();
            const UINT id = static_cast<UINT>(constraint->m_nImage);
            if (images->HasImage(id)) {
                const CSize size = images->GetImageSize(id);
                images->DrawImage(dc, id, CPoint(text.left, rc.top + (rc.Height() - size.cy) / 2));
                text.left += size.cx + 3;
            }
        }
    }
    dc->DrawText(constraint->m_strConstraint, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CXTPPropertyGridItem::OnBeforeInsert()
{
}

BOOL CXTPPropertyGridItem::OnKeyDown(UINT)
{
    return FALSE;
}

BOOL CXTPPropertyGridItem::OnChar(UINT)
{
    return FALSE;
}
