#pragma once
// A grid row choosing a text from a list: free choices that grow with what is typed, or a stored
// list of remembered values that the list editor opens on when Ctrl is held.
#include <afxwin.h>

#include "family/dbarray.h"
#include "toolkit/propertygrid.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CItemComboBoxEdit : public CXTPPropertyGridInplaceEdit {
    DECLARE_DYNAMIC(CItemComboBoxEdit)
public:
    CItemComboBoxEdit() = default;
};

class CItemComboBoxInBut : public CXTPPropertyGridInplaceButton {
    DECLARE_DYNAMIC(CItemComboBoxInBut)
public:
    CItemComboBoxInBut() = default;
};

class CItemComboBox : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CItemComboBox)
public:
    // The row by identifier, bound to bind, with a drop-down of list's texts in order. The list
    // stays the caller's; the row adds typed texts to it for stored lists.
    CItemComboBox(UINT id, const CString& value, CString* bind, CLongStringArray* list);

    // 0: free choices; another value names the stored remembered-value list the choices come from.
    void SetComboType(int type) { m_ComboType = type; }
    int GetComboType() const { return m_ComboType; }
    CLongStringArray* GetList() const { return m_pList; }
    // Sorts the choices by text.
    void Sort();

    void OnValueChanged(CString value) override;
    void OnRButtonDown() override;
    void OnInplaceButtonDown() override;
    void OnLButtonDblClk() override;
    void OnSelect() override;
    CXTPPropertyGridInplaceEdit& GetInplaceEdit() override;
    CXTPPropertyGridInplaceButton& GetInplaceButton() override;

protected:
    // The list editor opens instead of the drop-down: a stored list, choices shown, Ctrl held.
    BOOL _IsRunEditDlg();
    // Runs the list editor beside the row; on OK the choices are reloaded from the stored list.
    void _RunEditDlg();

    CItemComboBoxEdit m_edit;
    CItemComboBoxInBut m_button;
    int m_ComboType = 0;
    CLongStringArray* m_pList = nullptr;
};

MISC_PUBLIC_END
