#pragma once
// The two windows inside the list-box editor: the list box it took over and the in-place edit.
#include "toolkit/listboxeditor.h"

// The list box, subclassed: double click, F2 and typing edit; Insert and Delete act.
class SECListBoxEditor::ListBox : public CListBox {
public:
    explicit ListBox(SECListBoxEditor* owner) : m_owner(owner) {}

protected:
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT vk, UINT repeat, UINT flags);
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    SECListBoxEditor* m_owner;
};

// The edit over an entry: Enter keeps, Escape drops, losing the focus keeps.
class SECListBoxEditor::InplaceEdit : public CEdit {
public:
    explicit InplaceEdit(SECListBoxEditor* owner) : m_owner(owner) {}
    // Creates the edit (once) and shows it over entry `index` of the list box.
    BOOL Open(int index, const CString& text);
    void PlaceOver(int index);

protected:
    afx_msg void OnKeyDown(UINT vk, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    SECListBoxEditor* m_owner;
};
