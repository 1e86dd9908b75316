#pragma once
// A grid row with a check box left of its value: two-state or three-state, bound to an int or to
// bits of a flag word.
#include <afxwin.h>

#include "toolkit/propertygrid.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CCustomItemCheckBox;

// The box shown while the row is selected: a push-button window of check-box style that knows
// its row.
class CInplaceCheckBox : public CButton {
    DECLARE_DYNAMIC(CInplaceCheckBox)
public:
    CInplaceCheckBox() = default;
    void SetItem(CCustomItemCheckBox* item) { m_pItem = item; }
    CCustomItemCheckBox* GetItem() const { return m_pItem; }

protected:
    DECLARE_MESSAGE_MAP()
    // The box's check state is set (by a click or by the row): the row follows and reports it.
    afx_msg LRESULT OnCheck(WPARAM state, LPARAM);
    // The box takes the grid's colours.
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);

    CCustomItemCheckBox* m_pItem = nullptr;
    CBrush m_brush;
    COLORREF m_brushColor = CLR_INVALID;
};

class CCustomItemCheckBox : public CXTPPropertyGridItem {
    DECLARE_DYNAMIC(CCustomItemCheckBox)
public:
    // Bound to an int that receives the state (0, 1 or 2).
    CCustomItemCheckBox(const CString& caption, int value, int* bound);
    CCustomItemCheckBox(UINT id, int value, int* bound);
    // Bound to the bits `mask` of *flags: checked when any of them is set.
    CCustomItemCheckBox(const CString& caption, DWORD mask, DWORD* flags);
    CCustomItemCheckBox(UINT id, DWORD mask, DWORD* flags);

    // BS_AUTOCHECKBOX (3, the default) or BS_AUTO3STATE (6).
    void SetChkBoxStyle(DWORD style) { m_ChkBoxStyle = style; }
    DWORD GetChkBoxStyle() const { return m_ChkBoxStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate. SetBool moves the box and the bound variables.
    int GetBool() const { return m_Bool; }
    void SetBool(int state);
    // Reads the state back from the bound variable, refreshes the box and selects the row.
    virtual void Update();
    CInplaceCheckBox& GetInplaceCheckBox() { return m_check; }

    CRect GetValueRect() override;
    void OnSelect() override;
    void OnDeselect() override;
    BOOL OnLButtonDown(UINT flags, CPoint point) override;
    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;

protected:
    friend class CInplaceCheckBox;
    // The bound int takes the state; the flag word gets the mask set or cleared.
    void _SetBool(int state);
    void Init();
    // The 13-pixel box area left of the value rectangle.
    CRect BoxRect();

    CInplaceCheckBox m_check;
    int m_Bool = 0;
    int* m_pBound = nullptr;
    DWORD* m_pFlags = nullptr;
    DWORD m_Mask = 0;
    DWORD m_ChkBoxStyle = 3;
};

MISC_PUBLIC_END
