#pragma once
// Stand-in for the user-interface toolkit's flat push button (CXTButton): an owner-drawn button
// with a theme, extended style bits and a face colour. Only what the library calls.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Button themes.
enum XTThemeStyle { xtThemeDefault = 0, xtThemeOffice2000 = 1, xtThemeOfficeXP = 2 };

// Extended button style bits (SetXButtonStyle).
#define BS_XT_FLAT 0x0001
#define BS_XT_SEMIFLAT 0x0002
#define BS_XT_CENTERALIGN 0x0010
#define BS_XT_FLAT_ANY (BS_XT_FLAT | BS_XT_SEMIFLAT)
#define BS_XT_WINXP_COMPAT 0x1000

class CXTButton : public CButton {
    DECLARE_DYNAMIC(CXTButton)
public:
    CXTButton() = default;

    void SetTheme(XTThemeStyle theme) { m_theme = theme; }
    XTThemeStyle GetTheme() const { return m_theme; }
    // The extended style bits; redraws the button when asked to. The redraw is queued, so that
    // a style set while the button paints (from WM_CTLCOLORBTN) still shows.
    DWORD SetXButtonStyle(DWORD style, BOOL redraw = TRUE);
    DWORD GetXButtonStyle() const { return m_xStyle; }
    // The colour of the button's face (its edges are drawn in darker and lighter shades).
    void SetColorFace(COLORREF face);
    COLORREF GetColorFace() const { return m_face; }

    // Paints the face, a flat one-pixel frame (Office XP theme) or raised edges, and the caption
    // centred; pressed and disabled states are shown.
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    DECLARE_MESSAGE_MAP()

    XTThemeStyle m_theme = xtThemeDefault;
    DWORD m_xStyle = 0;
    COLORREF m_face = ::GetSysColor(COLOR_BTNFACE);
};

MISC_PUBLIC_END
