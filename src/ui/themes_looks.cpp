// The fixed looks of the library: pinstripes, ice, bevels and the fancy dock bar.
#include "misc/ui/themes.h"

#include "misc/geometry/text.h"

#include <initializer_list>
#include <utility>

namespace {

void SetTable(CXTPPaintManager& pm, std::initializer_list<std::pair<int, COLORREF>> entries)
{
    for (const auto& [index, colour] : entries)
        pm.SetColors(1, &index, &colour);
}

// Horizontal stripes one pixel high, alternating two colours from the top of `rect`.
void Stripes(CDC* dc, const CRect& rect, COLORREF even, COLORREF odd)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        dc->FillSolidRect(rect.left, y, rect.Width(), 1, ((y - rect.top) & 1) ? odd : even);
}

} // namespace

// --- pinstripes --------------------------------------------------------------------------------

CCustomMacTheme::CCustomMacTheme()
{
    m_bFlatToolBar = TRUE;
    m_bFlatMenuBar = TRUE;
    CCustomMacTheme::RefreshMetrics();
}

void CCustomMacTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();
    SetTable(*this, {{XTP_COLOR_BAR_FACE, RGB(246, 246, 246)},
                     {XTP_COLOR_DOCKBAR_FACE, RGB(252, 252, 252)},
                     {XTP_COLOR_MENU_FACE, RGB(250, 250, 250)},
                     {XTP_COLOR_HIGHLIGHT, RGB(200, 200, 206)},
                     {XTP_COLOR_HIGHLIGHT_PUSHED, RGB(160, 160, 168)},
                     {XTP_COLOR_HIGHLIGHT_CHECKED, RGB(220, 220, 226)},
                     {XTP_COLOR_HIGHLIGHT_BORDER, RGB(128, 128, 136)},
                     {XTP_COLOR_HIGHLIGHT_PUSHED_BORDER, RGB(96, 96, 104)},
                     {XTP_COLOR_HIGHLIGHT_CHECKED_BORDER, RGB(128, 128, 136)},
                     {XTP_COLOR_SEPARATOR, RGB(190, 190, 190)},
                     {XTP_COLOR_GRIPPER, RGB(160, 160, 160)},
                     {XTP_COLOR_FRAME, RGB(168, 168, 168)},
                     {XTP_COLOR_MENU_BORDER, RGB(168, 168, 168)}});
    m_clrDockBar.SetStandardValue(0xfbfbfb, 0xfdfdfd);
    m_clrStatusBar.SetStandardValue(0xfbfbfb, 0xfdfdfd);
}

void CCustomMacTheme::FillDockBar(CDC* dc, const CRect& rect)
{
    Stripes(dc, rect, 0xfbfbfb, 0xfdfdfd);
}

void CCustomMacTheme::FillStatusBar(CDC* dc, const CRect& rect)
{
    Stripes(dc, rect, 0xfbfbfb, 0xfdfdfd);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, GetXtremeColor(XTP_COLOR_FRAME));
}

void CCustomMacTheme::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    // Bars in slightly greyer stripes, closed by a grey line at the bottom.
    Stripes(dc, rect, RGB(244, 244, 244), RGB(250, 250, 250));
    dc->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, GetXtremeColor(XTP_COLOR_FRAME));
}

void CCustomMacTheme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // Three short grooves.
    const COLORREF groove = GetXtremeColor(XTP_COLOR_GRIPPER);
    for (int i = 0; i < 3; ++i) {
        if (vertical)
            dc->FillSolidRect(rect.left + rect.Width() / 2 - 4 + 3 * i, rect.top + 2, 1, rect.Height() - 4, groove);
        else
            dc->FillSolidRect(rect.left + 2, rect.top + rect.Height() / 2 - 4 + 3 * i, rect.Width() - 4, 1, groove);
    }
}

void CCustomMacTheme::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    // A grey face with its corners cut off (rounded at this size).
    int face, border;
    if (!HighlightColors(state, &face, &border) || rect.Width() < 4 || rect.Height() < 4)
        return;
    const COLORREF f = GetXtremeColor(face), b = GetXtremeColor(border);
    dc->FillGradientRect(&rect, LightenColor(96, f), f, FALSE);
    dc->FillSolidRect(rect.left + 2, rect.top, rect.Width() - 4, 1, b);
    dc->FillSolidRect(rect.left + 2, rect.bottom - 1, rect.Width() - 4, 1, b);
    dc->FillSolidRect(rect.left, rect.top + 2, 1, rect.Height() - 4, b);
    dc->FillSolidRect(rect.right - 1, rect.top + 2, 1, rect.Height() - 4, b);
    dc->FillSolidRect(rect.left + 1, rect.top + 1, 1, 1, b);
    dc->FillSolidRect(rect.right - 2, rect.top + 1, 1, 1, b);
    dc->FillSolidRect(rect.left + 1, rect.bottom - 2, 1, 1, b);
    dc->FillSolidRect(rect.right - 2, rect.bottom - 2, 1, 1, b);
}

// --- ice ---------------------------------------------------------------------------------------

CCustomIcyTheme::CCustomIcyTheme()
{
    CCustomIcyTheme::RefreshMetrics();
}

void CCustomIcyTheme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    SetTable(*this, {{XTP_COLOR_BAR_FACE, RGB(236, 246, 252)},
                     {XTP_COLOR_DOCKBAR_FACE, RGB(205, 228, 242)},
                     {XTP_COLOR_MENU_FACE, RGB(248, 252, 255)},
                     {XTP_COLOR_HIGHLIGHT, RGB(196, 232, 250)},
                     {XTP_COLOR_HIGHLIGHT_PUSHED, RGB(150, 206, 236)},
                     {XTP_COLOR_HIGHLIGHT_CHECKED, RGB(214, 238, 250)},
                     {XTP_COLOR_HIGHLIGHT_BORDER, RGB(60, 140, 190)},
                     {XTP_COLOR_HIGHLIGHT_PUSHED_BORDER, RGB(40, 110, 160)},
                     {XTP_COLOR_HIGHLIGHT_CHECKED_BORDER, RGB(60, 140, 190)},
                     {XTP_COLOR_SEPARATOR, RGB(140, 190, 220)},
                     {XTP_COLOR_GRIPPER, RGB(100, 160, 200)},
                     {XTP_COLOR_FRAME, RGB(150, 196, 224)},
                     {XTP_COLOR_MENU_BORDER, RGB(100, 160, 200)},
                     {XTP_COLOR_BAR_TEXT, RGB(20, 50, 80)}});
    m_clrCommandBar.SetStandardValue(RGB(248, 252, 255), RGB(220, 238, 250));
    m_clrDockBar.SetStandardValue(RGB(190, 220, 240), RGB(232, 244, 252));
}

void CCustomIcyTheme::DrawPopupBarGripper(CDC* dc, const CRect& rect)
{
    // The icon strip of a menu: frosted, from white to ice blue.
    dc->FillGradientRect(&rect, RGB(255, 255, 255), GetXtremeColor(XTP_COLOR_DOCKBAR_FACE), TRUE);
}

void CCustomIcyTheme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // Two thin ice-blue lines with white beside them.
    const COLORREF line = GetXtremeColor(XTP_COLOR_GRIPPER);
    for (int i = 0; i < 2; ++i) {
        if (vertical) {
            const int y = rect.top + rect.Height() / 2 - 2 + 3 * i;
            dc->FillSolidRect(rect.left + 3, y, rect.Width() - 6, 1, line);
            dc->FillSolidRect(rect.left + 3, y + 1, rect.Width() - 6, 1, RGB(255, 255, 255));
        } else {
            const int x = rect.left + rect.Width() / 2 - 2 + 3 * i;
            dc->FillSolidRect(x, rect.top + 3, 1, rect.Height() - 6, line);
            dc->FillSolidRect(x + 1, rect.top + 3, 1, rect.Height() - 6, RGB(255, 255, 255));
        }
    }
}

void CCustomIcyTheme::DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical)
{
    const COLORREF line = GetXtremeColor(XTP_COLOR_SEPARATOR);
    if (vertical) {
        const int y = rect.top + rect.Height() / 2 - 1;
        dc->FillSolidRect(rect.left + 2, y, rect.Width() - 4, 1, line);
        dc->FillSolidRect(rect.left + 2, y + 2, rect.Width() - 4, 1, line);
    } else {
        const int x = rect.left + rect.Width() / 2 - 1;
        dc->FillSolidRect(x, rect.top + 3, 1, rect.Height() - 6, line);
        dc->FillSolidRect(x + 2, rect.top + 3, 1, rect.Height() - 6, line);
    }
}

// --- bevels ------------------------------------------------------------------------------------

CCustomBevelTheme::CCustomBevelTheme()
{
    m_bFlatToolBar = FALSE;
    m_nGripperWidth = 10;
    m_nSeparatorWidth = 8;
    CCustomBevelTheme::RefreshMetrics();
}

void CCustomBevelTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();
    SetTable(*this, {{XTP_COLOR_BAR_FACE, RGB(206, 198, 180)},
                     {XTP_COLOR_DOCKBAR_FACE, RGB(170, 160, 140)},
                     {XTP_COLOR_MENU_FACE, RGB(226, 220, 206)},
                     {COLOR_3DHILIGHT, RGB(244, 240, 230)},
                     {COLOR_3DSHADOW, RGB(120, 110, 92)},
                     {COLOR_3DDKSHADOW, RGB(70, 62, 50)},
                     {XTP_COLOR_SEPARATOR, RGB(120, 110, 92)},
                     {XTP_COLOR_GRIPPER, RGB(120, 110, 92)}});
}

void CCustomBevelTheme::DrawBevel(CDC* dc, const CRect& rect, BOOL raised)
{
    const COLORREF light = GetXtremeColor(COLOR_3DHILIGHT), dark = GetXtremeColor(COLOR_3DSHADOW);
    const COLORREF darkest = GetXtremeColor(COLOR_3DDKSHADOW);
    CRect r = rect;
    dc->Draw3dRect(&r, raised ? light : darkest, raised ? darkest : light);
    r.DeflateRect(1, 1);
    dc->Draw3dRect(&r, raised ? light : dark, raised ? dark : light);
}

void CCustomBevelTheme::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    dc->FillSolidRect(&rect, GetXtremeColor(XTP_COLOR_BAR_FACE));
    DrawBevel(dc, rect, TRUE);
}

void CCustomBevelTheme::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    if (state & (MISC_TS_PRESSED | MISC_TS_CHECKED)) {
        dc->FillSolidRect(&rect, DarkenColor(24, GetXtremeColor(XTP_COLOR_BAR_FACE)));
        DrawBevel(dc, rect, FALSE);
    } else if (state & MISC_TS_HOT) {
        dc->FillSolidRect(&rect, LightenColor(48, GetXtremeColor(XTP_COLOR_BAR_FACE)));
        DrawBevel(dc, rect, TRUE);
    }
}

// --- fancy -------------------------------------------------------------------------------------

CCustomFancyTheme::CCustomFancyTheme()
{
    m_nGripperWidth = 10;
    m_nSeparatorWidth = 8;
    CCustomFancyTheme::RefreshMetrics();
}

void CCustomFancyTheme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    SetTable(*this, {{XTP_COLOR_BAR_FACE, RGB(236, 226, 246)},
                     {XTP_COLOR_DOCKBAR_FACE, RGB(184, 160, 214)},
                     {XTP_COLOR_HIGHLIGHT, RGB(250, 226, 160)},
                     {XTP_COLOR_HIGHLIGHT_BORDER, RGB(110, 60, 150)},
                     {XTP_COLOR_GRIPPER, RGB(110, 60, 150)}});
    m_clrDockBar.SetStandardValue(RGB(214, 196, 236), RGB(150, 120, 190));
}

void CCustomFancyTheme::FillDockBar(CDC* dc, const CRect& rect)
{
    // Diagonal: each column starts a little further along the gradient than the one before.
    m_clrDockBar.Fill(dc, rect, TRUE);
    const COLORREF streak = LightenColor(40, GetXtremeColor(XTP_COLOR_DOCKBAR_FACE));
    for (int x = rect.left - rect.Height(); x < rect.right; x += 12)
        for (int i = 0; i < rect.Height(); ++i)
            if (x + i >= rect.left && x + i < rect.right)
                dc->FillSolidRect(x + i, rect.top + i, 1, 1, streak);
}
