// The list-box editor's editing in place and its list box's keys.
#include "listboxeditor_parts.h"

// ---- The list box ----
BEGIN_MESSAGE_MAP(SECListBoxEditor::ListBox, CListBox)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

void SECListBoxEditor::ListBox::OnLButtonDblClk(UINT flags, CPoint point)
{
    CListBox::OnLButtonDblClk(flags, point);
    BOOL outside = TRUE;
    const UINT index = ItemFromPoint(point, outside);
    if (!outside && (m_owner->m_nFlags & LBE_AUTOEDIT))
        m_owner->StartEditing(static_cast<int>(index));
}

void SECListBoxEditor::ListBox::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (!m_owner->HandleListKey(vk))
        CListBox::OnKeyDown(vk, repeat, flags);
}

void SECListBoxEditor::ListBox::OnChar(UINT ch, UINT repeat, UINT flags)
{
    const int sel = GetCurSel();
    if ((m_owner->m_nFlags & LBE_AUTOEDIT) && ch >= 0x20 && ch != 0x7F && sel >= 0 &&
        GetKeyState(VK_CONTROL) >= 0) {
        // Typing replaces the entry's text, starting with this character.
        if (m_owner->StartEditing(sel)) {
            const char text[2] = {static_cast<char>(ch), 0};
            m_owner->m_pEdit->SetWindowText(text);
            m_owner->m_pEdit->SetSel(1, 1);
        }
        return;
    }
    CListBox::OnChar(ch, repeat, flags);
}

bool SECListBoxEditor::HandleListKey(UINT vk)
{
    if (vk == VK_F2 && (m_nFlags & LBE_AUTOEDIT)) {
        StartEditing(m_pListBox->GetCurSel());
        return true;
    }
    if (vk == VK_INSERT && (m_nFlags & LBE_INSERTKEY)) {
        OnEditNew();
        return true;
    }
    if (vk == VK_DELETE && (m_nFlags & LBE_DELETEKEY)) {
        OnEditDelete();
        return true;
    }
    return false;
}

// ---- The in-place edit ----
BEGIN_MESSAGE_MAP(SECListBoxEditor::InplaceEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

BOOL SECListBoxEditor::InplaceEdit::Open(int index, const CString& text)
{
    if (!GetSafeHwnd()) {
        const CRect none(0, 0, 10, 10);
        if (!Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, none, m_owner, LBE_IDC_EDIT))
            return FALSE;
        if (CWnd* parent = m_owner->GetParent())
            SetFont(parent->GetFont(), FALSE);
    }
    SetWindowText(text);
    PlaceOver(index);
    ShowWindow(SW_SHOW);
    SetFocus();
    SetSel(0, -1);
    return TRUE;
}

void SECListBoxEditor::InplaceEdit::PlaceOver(int index)
{
    CListBox* list = m_owner->m_pListBox;
    CRect item;
    if (list->GetItemRect(index, &item) == LB_ERR)
        return;
    list->ClientToScreen(&item);
    m_owner->ScreenToClient(&item);
    item.InflateRect(0, 2);
    MoveWindow(&item);
}

void SECListBoxEditor::InplaceEdit::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (vk == VK_RETURN) {
        m_owner->EndEditing(true);
        return;
    }
    if (vk == VK_ESCAPE) {
        m_owner->EndEditing(false);
        return;
    }
    CEdit::OnKeyDown(vk, repeat, flags);
}

void SECListBoxEditor::InplaceEdit::OnKillFocus(CWnd* newWnd)
{
    CEdit::OnKillFocus(newWnd);
    m_owner->EndEditing(true);
}

UINT SECListBoxEditor::InplaceEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
}

// ---- Starting and ending ----
BOOL SECListBoxEditor::StartEditing(int index)
{
    if (!m_pListBox || index < 0 || index >= m_pListBox->GetCount())
        return FALSE;
    if (m_editIndex >= 0 && m_editIndex != index)
        StopEditing();
    CString text;
    m_pListBox->GetText(index, text);
    m_pListBox->SetCurSel(index);
    m_pListBox->SetTopIndex(index < m_pListBox->GetTopIndex() ? index : m_pListBox->GetTopIndex());
    m_editIndex = index;
    if (!m_pEdit->Open(index, text)) {
        m_editIndex = -1;
        return FALSE;
    }
    return TRUE;
}

void SECListBoxEditor::StopEditing()
{
    EndEditing(true);
}

void SECListBoxEditor::CancelEditing()
{
    EndEditing(false);
}

void SECListBoxEditor::EndEditing(bool keep)
{
    if (m_editIndex < 0 || m_ending)
        return;
    m_ending = true;
    const int index = m_editIndex;
    const bool isNew = m_editIsNew;
    m_editIndex = -1;
    m_editIsNew = false;
    CString text;
    m_pEdit->GetWindowText(text);
    if (::GetFocus() == m_pEdit->GetSafeHwnd())
        m_pListBox->SetFocus();
    m_pEdit->ShowWindow(SW_HIDE);
    if (isNew && (!keep || text.IsEmpty())) {
        m_pListBox->DeleteString(static_cast<UINT>(index));
    } else if (keep) {
        CString old;
        m_pListBox->GetText(index, old);
        if (old != text) {
            const DWORD_PTR data = m_pListBox->GetItemData(index);
            m_pListBox->DeleteString(static_cast<UINT>(index));
            m_pListBox->InsertString(index, text);
            m_pListBox->SetItemData(index, data);
            if (isNew)
                OnItemAdded(index, text);
            else
                OnItemRenamed(index, old, text);
        }
        m_pListBox->SetCurSel(index);
    }
    m_ending = false;
}
