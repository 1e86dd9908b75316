// The classic Windows look: the default of every theme operation, built on DrawEdge and
// DrawFrameControl in the theme's system colours.
#include "win32/theme.h"

#include <algorithm>

#include "draw/stock.h"
#include "paint_kit.h"

using theme::Fill;

namespace {

COLORREF Sys(int index)
{
    return GetSysColor(index);
}

UINT FrameFlags(UINT state)
{
    UINT f = 0;
    if (state & MISC_TS_PRESSED)
        f |= DFCS_PUSHED;
    if (state & MISC_TS_DISABLED)
        f |= DFCS_INACTIVE;
    if (state & MISC_TS_FLAT)
        f |= DFCS_FLAT;
    return f;
}

} // namespace

COLORREF MiscTheme::SysColor(int index) const
{
    return gdi::ClassicSysColor(index);
}

COLORREF MiscTheme::TextColor(MiscThemeElement element, UINT state) const
{
    if (state & MISC_TS_DISABLED)
        return Sys(COLOR_GRAYTEXT);
    switch (element) {
    case MiscThemeElement::Caption:
        return Sys((state & MISC_TS_SELECTED) ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    case MiscThemeElement::MenuItem:
        return Sys((state & MISC_TS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    case MiscThemeElement::MenuBar: return Sys(COLOR_MENUTEXT);
    case MiscThemeElement::GridCategory:
        return Sys((state & MISC_TS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    case MiscThemeElement::ToolTip: return Sys(COLOR_INFOTEXT);
    case MiscThemeElement::Window: return Sys(COLOR_WINDOWTEXT);
    default: return Sys(COLOR_BTNTEXT);
    }
}

void MiscTheme::DrawPushButton(HDC dc, const RECT& rect, UINT state)
{
    RECT r = rect;
    if (state & MISC_TS_DEFAULT) {
        theme::Frame(dc, r, Sys(COLOR_WINDOWFRAME));
        r = theme::Inset(r, 1);
    }
    UINT flags = DFCS_BUTTONPUSH | FrameFlags(state);
    if (state & MISC_TS_CHECKED)
        flags |= DFCS_CHECKED;
    DrawFrameControl(dc, &r, DFC_BUTTON, flags);
}

void MiscTheme::DrawCheckBox(HDC dc, const RECT& box, UINT state)
{
    RECT r = box;
    UINT flags = DFCS_BUTTONCHECK | FrameFlags(state);
    if (state & MISC_TS_CHECKED)
        flags |= DFCS_CHECKED;
    if (state & MISC_TS_MIXED)
        flags |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    DrawFrameControl(dc, &r, DFC_BUTTON, flags);
}

void MiscTheme::DrawRadioButton(HDC dc, const RECT& box, UINT state)
{
    RECT r = box;
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     DFCS_BUTTONRADIO | FrameFlags(state) | ((state & MISC_TS_CHECKED) ? DFCS_CHECKED : 0));
}

void MiscTheme::DrawHeaderItem(HDC dc, const RECT& rect, UINT state)
{
    RECT r = rect;
    Fill(dc, r, Sys(COLOR_3DFACE));
    if (state & MISC_TS_PRESSED)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
    else
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
}

void MiscTheme::DrawScrollArrow(HDC dc, const RECT& rect, int direction, UINT state)
{
    static const UINT kinds[4] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
    RECT r = rect;
    DrawFrameControl(dc, &r, DFC_SCROLL, kinds[std::clamp(direction, 0, 3)] | FrameFlags(state));
}

void MiscTheme::DrawScrollThumb(HDC dc, const RECT& rect, bool, UINT state)
{
    RECT r = rect;
    Fill(dc, r, Sys(COLOR_3DFACE));
    DrawEdge(dc, &r, EDGE_RAISED, (state & MISC_TS_FLAT) ? BF_RECT | BF_FLAT : BF_RECT);
}

void MiscTheme::DrawScrollTrack(HDC dc, const RECT& r, bool, UINT state)
{
    Fill(dc, r, Sys((state & MISC_TS_PRESSED) ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT));
}

void MiscTheme::DrawComboButton(HDC dc, const RECT& rect, UINT state)
{
    RECT r = rect;
    DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameFlags(state));
}

void MiscTheme::DrawGridCategory(HDC dc, const RECT& r, UINT state)
{
    Fill(dc, r, Sys((state & MISC_TS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_3DFACE));
}

void MiscTheme::DrawGripper(HDC dc, const RECT& r, bool vertical)
{
    // A raised bar three pixels thick down the middle of r (across for a horizontal gripper).
    RECT bar = r;
    if (vertical) {
        const int x = (r.left + r.right) / 2 - 1;
        bar = RECT{x, r.top, x + 3, r.bottom};
    } else {
        const int y = (r.top + r.bottom) / 2 - 1;
        bar = RECT{r.left, y, r.right, y + 3};
    }
    DrawEdge(dc, &bar, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
}

void MiscTheme::DrawTab(HDC dc, const RECT& r, UINT state)
{
    // Raised on three sides with cut corners; the bottom is open towards the pane.
    (void)state;
    Fill(dc, RECT{r.left + 1, r.top + 1, r.right - 2, r.bottom}, Sys(COLOR_3DFACE));
    Fill(dc, RECT{r.left, r.top + 2, r.left + 1, r.bottom}, Sys(COLOR_3DHILIGHT));
    Fill(dc, RECT{r.left + 2, r.top, r.right - 2, r.top + 1}, Sys(COLOR_3DHILIGHT));
    Fill(dc, RECT{r.left + 1, r.top + 1, r.left + 2, r.top + 2}, Sys(COLOR_3DHILIGHT));
    Fill(dc, RECT{r.right - 2, r.top + 1, r.right - 1, r.bottom}, Sys(COLOR_3DSHADOW));
    Fill(dc, RECT{r.right - 1, r.top + 2, r.right, r.bottom}, Sys(COLOR_3DDKSHADOW));
}

void MiscTheme::DrawTabPane(HDC dc, const RECT& rect)
{
    RECT r = rect;
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
}

void MiscTheme::DrawCaption(HDC dc, const RECT& r, UINT state)
{
    const bool active = (state & MISC_TS_SELECTED) != 0;
    theme::Shade(dc, r, Sys(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
                 Sys(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION), false);
}

void MiscTheme::DrawMenuBar(HDC dc, const RECT& r)
{
    Fill(dc, r, Sys(COLOR_MENUBAR));
}

void MiscTheme::DrawMenuItem(HDC dc, const RECT& r, UINT state)
{
    Fill(dc, r, Sys((state & MISC_TS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_MENU));
}

void MiscTheme::DrawToolBar(HDC dc, const RECT& r)
{
    Fill(dc, r, Sys(COLOR_3DFACE));
}

void MiscTheme::DrawToolBarButton(HDC dc, const RECT& rect, UINT state)
{
    RECT r = rect;
    if (state & (MISC_TS_PRESSED | MISC_TS_CHECKED)) {
        if ((state & MISC_TS_CHECKED) && !(state & (MISC_TS_PRESSED | MISC_TS_HOT)))
            Fill(dc, r, Sys(COLOR_3DLIGHT) == Sys(COLOR_3DFACE) ? theme::Tint(Sys(COLOR_3DFACE), 50)
                                                                : Sys(COLOR_3DLIGHT));
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (state & MISC_TS_HOT) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
}

void MiscTheme::DrawToolTip(HDC dc, const RECT& r)
{
    Fill(dc, r, Sys(COLOR_INFOBK));
    theme::Frame(dc, r, Sys(COLOR_INFOTEXT));
}
