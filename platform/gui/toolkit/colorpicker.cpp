// The colour picker button: a swatch that opens the colour pop-up and reports the pick to its
// parent.
#include "toolkit/colorpicker.h"

#include "win32/theme.h"

IMPLEMENT_DYNAMIC(CXTColorPicker, CButton)

BEGIN_MESSAGE_MAP(CXTColorPicker, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_MESSAGE(CPN_XT_SELENDOK, OnSelEndOK)
    ON_MESSAGE(CPN_XT_SELENDCANCEL, OnSelEndCancel)
END_MESSAGE_MAP()

void CXTColorPicker::SetColor(COLORREF color)
{
    m_color = color;
    if (GetSafeHwnd())
        Invalidate();
}

void CXTColorPicker::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW)
        ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
}

void CXTColorPicker::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect r(item->rcItem);
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const UINT state = (pressed ? UINT(MISC_TS_PRESSED) : 0u) | (disabled ? UINT(MISC_TS_DISABLED) : 0u);
    MiscCurrentTheme().DrawPushButton(item->hDC, r, state);
    // The arrow takes a square at the right, the swatch the rest.
    const int arrowWidth = 12;
    CRect swatch(r.left + 4, r.top + 4, r.right - arrowWidth - 4, r.bottom - 4);
    if (pressed)
        swatch.OffsetRect(1, 1);
    if (swatch.Width() > 0 && swatch.Height() > 0) {
        const COLORREF edge = MiscCurrentTheme().SysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
        dc->FillSolidRect(&swatch, disabled ? MiscCurrentTheme().SysColor(COLOR_3DFACE) : m_color);
        dc->Draw3dRect(&swatch, edge, edge);
    }
    const COLORREF arrow = MiscCurrentTheme().SysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    const int ax = r.right - arrowWidth - 1 + (pressed ? 1 : 0), ay = r.top + r.Height() / 2 - 2 + (pressed ? 1 : 0);
    for (int i = 0; i < 4; ++i)
        dc->FillSolidRect(ax + i, ay + i, 7 - 2 * i, 1, arrow);
    if ((item->itemState & ODS_FOCUS) && !disabled) {
        CRect focus(r);
        focus.DeflateRect(2, 2);
        dc->DrawFocusRect(&focus);
    }
}

void CXTColorPicker::OnClicked()
{
    CRect rect;
    GetWindowRect(&rect);
    auto* popup = new CXTColorPopup(TRUE);
    popup->AddListener(m_hWnd);
    // Runs until the person picks or cancels; the pop-up deletes itself.
    popup->Create(rect, this, m_popupStyle, m_color, m_default);
}

LRESULT CXTColorPicker::OnSelEndOK(WPARAM color, LPARAM)
{
    SetColor(static_cast<COLORREF>(color));
    NotifyParent(CPN_XT_SELENDOK);
    return 0;
}

LRESULT CXTColorPicker::OnSelEndCancel(WPARAM, LPARAM)
{
    NotifyParent(CPN_XT_SELENDCANCEL);
    return 0;
}

void CXTColorPicker::NotifyParent(UINT code)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}
