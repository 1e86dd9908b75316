#pragma once
// Stand-in for the user-interface toolkit's colour picker button (CXTColorPicker).
//
// An owner-drawn push button that shows its colour as a swatch with a drop-down arrow beside it.
// A click opens the colour pop-up (toolkit/colorpopup.h) under the button, with the picker's
// colour marked and its default colour on the pop-up's default button. When the person picks a
// colour the picker takes it, repaints, and tells its parent with WM_COMMAND, notification code
// CPN_XT_SELENDOK and the picker's identifier (ON_CPN_XT_SELENDOK in the parent's message map);
// a cancelled pop-up sends CPN_XT_SELENDCANCEL and changes nothing.
#include <afxwin.h>

#include "toolkit/colorpopup.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Parent message-map entries for the picker's notifications.
#define ON_CPN_XT_SELENDOK(id, memberFxn) ON_CONTROL(CPN_XT_SELENDOK, id, memberFxn)
#define ON_CPN_XT_SELENDCANCEL(id, memberFxn) ON_CONTROL(CPN_XT_SELENDCANCEL, id, memberFxn)

class CXTColorPicker : public CButton {
    DECLARE_DYNAMIC(CXTColorPicker)
public:
    CXTColorPicker() = default;

    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    // The colour of the pop-up's default button.
    void SetDefaultColor(COLORREF color) { m_default = color; }
    COLORREF GetDefaultColor() const { return m_default; }
    // The pop-up's style flags (CPS_XT_*); a default button and the extended palette unless set.
    void SetPopupStyle(DWORD style) { m_popupStyle = style; }
    DWORD GetPopupStyle() const { return m_popupStyle; }

    // Paints the frame (the theme's push button), the swatch and the arrow.
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // Makes a subclassed button owner-drawn, as the picker paints itself.
    void PreSubclassWindow() override;

protected:
    DECLARE_MESSAGE_MAP()
    afx_msg void OnClicked();
    afx_msg LRESULT OnSelEndOK(WPARAM color, LPARAM popup);
    afx_msg LRESULT OnSelEndCancel(WPARAM color, LPARAM popup);

private:
    void NotifyParent(UINT code);

    COLORREF m_color = 0;
    COLORREF m_default = 0;
    DWORD m_popupStyle = CPS_XT_DEFAULT | CPS_XT_EXTENDED;
};

MISC_PUBLIC_END
