// The toolkit stand-ins: flat button and paint manager gradient.
#include "toolkit/xtbutton.h"
#include "toolkit/paintmanager.h"
#include "win32/theme.h"

namespace {

COLORREF Shade(COLORREF c, int percent)
{
    auto f = [percent](int v) {
        const int r = percent < 0 ? v * (100 + percent) / 100 : v + (255 - v) * percent / 100;
        return r < 0 ? 0 : (r > 255 ? 255 : r);
    };
    return RGB(f(GetRValue(c)), f(GetGValue(c)), f(GetBValue(c)));
}

} // namespace

IMPLEMENT_DYNAMIC(CXTButton, CButton)

BEGIN_MESSAGE_MAP(CXTButton, CButton)
END_MESSAGE_MAP()

DWORD CXTButton::SetXButtonStyle(DWORD style, BOOL redraw)
{
    const DWORD old = m_xStyle;
    m_xStyle = style;
    if (redraw && GetSafeHwnd())
        Invalidate();
    return old;
}

void CXTButton::SetColorFace(COLORREF face)
{
    m_face = face;
    if (GetSafeHwnd())
        Invalidate();
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect r(item->rcItem);
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    // The frame and face come from the theme; a face colour of the caller's own fills the inside.
    UINT state = (pressed ? UINT(MISC_TS_PRESSED) : 0u) | (disabled ? UINT(MISC_TS_DISABLED) : 0u);
    if (m_theme == xtThemeOfficeXP || (m_xStyle & BS_XT_FLAT_ANY))
        state |= MISC_TS_FLAT;
    MiscCurrentTheme().DrawPushButton(item->hDC, r, state);
    if (m_face != ::GetSysColor(COLOR_BTNFACE)) {
        CRect inside(r);
        inside.DeflateRect(2, 2);
        dc->FillSolidRect(&inside, pressed ? Shade(m_face, -15) : m_face);
    }
    CString text;
    GetWindowText(text);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc->SetTextColor(MiscCurrentTheme().TextColor(MiscThemeElement::PushButton, state));
    CFont* font = GetFont();
    CFont* oldFont = font ? dc->SelectObject(font) : nullptr;
    if (pressed)
        r.OffsetRect(1, 1);
    dc->DrawText(text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (oldFont)
        dc->SelectObject(oldFont);
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
    if ((item->itemState & ODS_FOCUS) && !disabled) {
        CRect focus(item->rcItem);
        focus.DeflateRect(3, 3);
        dc->DrawFocusRect(&focus);
    }
}
