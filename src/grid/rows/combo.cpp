// The combo row: free choices that grow with what is typed, or a stored remembered-value list
// that the list editor opens on while Ctrl is held.
#include "misc/grid/rows_combo.h"

#include "misc/data/combolist.h"
#include "rows_listeditor.h"

IMPLEMENT_DYNAMIC(CItemComboBoxEdit, CXTPPropertyGridInplaceEdit)
IMPLEMENT_DYNAMIC(CItemComboBoxInBut, CXTPPropertyGridInplaceButton)
IMPLEMENT_DYNAMIC(CItemComboBox, CXTPPropertyGridItem)

CItemComboBox::CItemComboBox(UINT id, const CString& value, CString* bind, CLongStringArray* list)
    : CXTPPropertyGridItem(id, static_cast<LPCTSTR>(value), bind), m_pList(list)
{
    SetFlags(GetFlags() | xtpGridItemHasComboButton);
    if (!list)
        return;
    for (int i = 0; i < list->GetSize(); ++i)
        GetConstraints()->AddConstraint((*list)[i].Text, 0);
}

void CItemComboBox::Sort() { GetConstraints()->Sort(); }

void CItemComboBox::OnValueChanged(CString value)
{
    if (GetFlags() & xtpGridItemHasEdit) {
        CString text = value;
        text.Trim();
        CXTPPropertyGridItemConstraints* choices = GetConstraints();
        if (!text.IsEmpty() && choices->FindConstraint(text) < 0) {
            if (m_ComboType == 0 || !m_pList) {
                choices->AddConstraint(text, 0);
            } else {
                // A stored list puts the newest text first; the choices follow the list.
                m_pList->InsertAt(0, sLongString(-1, text));
                choices->RemoveAll();
                for (int i = 0; i < m_pList->GetSize(); ++i)
                    choices->AddConstraint((*m_pList)[i].Text, 0);
            }
        }
    }
    CXTPPropertyGridItem::OnValueChanged(value);
}

void CItemComboBox::OnRButtonDown()
{
    if (GetReadOnly())
        return;
    if (_IsRunEditDlg())
        _RunEditDlg();
    else
        CXTPPropertyGridItem::OnRButtonDown();
}

void CItemComboBox::OnInplaceButtonDown()
{
    if (GetReadOnly())
        return;
    if (_IsRunEditDlg())
        _RunEditDlg();
    else
        CXTPPropertyGridItem::OnInplaceButtonDown();
}

BOOL CItemComboBox::_IsRunEditDlg()
{
    return (GetFlags() & xtpGridItemHasComboButton) && m_pList && m_pList->GetSize() > 0 && m_ComboType != 0 &&
           GetKeyState(VK_CONTROL) < 0;
}

void CItemComboBox::_RunEditDlg()
{
    if (!misc_grid::RunListEditor(m_ComboType, GetItemRect(), GetGrid()))
        return;
    CXTPPropertyGridItemConstraints* choices = GetConstraints();
    choices->RemoveAll();
    m_pList->RemoveAll();
    CComboItemList stored;
    stored.Load(m_ComboType);
    for (int i = 0; i < stored.GetSize(); ++i) {
        CComboItem* item = stored.GetComboItem(i);
        if (!item)
            continue;
        choices->AddConstraint(item->m_strName, 0);
        m_pList->Add(-1, item->m_strName);
    }
    if (CXTPPropertyGrid* grid = GetPropertyGrid())
        grid->Refresh();
}

void CItemComboBox::OnLButtonDblClk() { CXTPPropertyGridItem::OnLButtonDblClk(); }

void CItemComboBox::OnSelect()
{
    // The control places the editors GetInplaceButton and GetInplaceEdit give, which are this
    // row's own; a read-only row shows no button and a read-only edit.
    CXTPPropertyGridItem::OnSelect();
    if (GetReadOnly() && m_button.GetSafeHwnd())
        m_button.HideWindow();
    if ((GetFlags() & xtpGridItemHasEdit) && m_edit.GetSafeHwnd()) {
        m_edit.SetValue(GetValue());
        m_edit.SetReadOnly(GetReadOnly());
    }
}

CXTPPropertyGridInplaceEdit& CItemComboBox::GetInplaceEdit() { return m_edit; }
CXTPPropertyGridInplaceButton& CItemComboBox::GetInplaceButton() { return m_button; }
