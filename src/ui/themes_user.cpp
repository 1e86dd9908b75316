// The command-bar looks computed from user colours: one colour and an amount, or two colours
// and a style.
#include "misc/ui/themes.h"

#include "misc/geometry/text.h"

namespace {

BYTE Red(COLORREF c) { return GetRValue(c); }
BYTE Green(COLORREF c) { return GetGValue(c); }
BYTE Blue(COLORREF c) { return GetBValue(c); }

// Dark colours (at most 375) get light text.
double Brightness(COLORREF c, double extra)
{
    return Red(c) + 2.0 * Green(c) + 0.6 * Blue(c) + extra;
}

// The colour with green and blue exchanged.
COLORREF Rotated(COLORREF c)
{
    return RGB(Red(c), Blue(c), Green(c));
}

// Hands a list of (index, colour) to the paint manager in the order given.
template <size_t N>
void Apply(CXTPPaintManager& pm, const int (&idx)[N], const COLORREF (&col)[N])
{
    static_assert(N > 0);
    pm.SetColors(static_cast<int>(N), idx, col);
}

const COLORREF kWhite = RGB(255, 255, 255);

} // namespace

// --- one colour --------------------------------------------------------------------------------

CCustomUserColorTheme::CCustomUserColorTheme(COLORREF color, int amount)
    : m_clrLight1(LightenColor(3 * amount / 4, color)), m_clrLight2(LightenColor(amount, color)),
      m_clrColor(color), m_nAmount(amount)
{
    m_bThickCheckMark = FALSE;
    m_bShowShadow = TRUE;
    CCustomUserColorTheme::RefreshMetrics();
}

void CCustomUserColorTheme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    const COLORREF c = m_clrColor;
    const bool dark = Brightness(c, 0.75 * m_nAmount) <= 375.0;
    const COLORREF t = dark ? LightenColor(128, c) : DarkenColor(110, c);
    const COLORREF s = dark ? DarkenColor(32, c) : DarkenColor(96, c);
    if (dark) {
        const int idx[] = {XTP_COLOR_CAPTION_TEXT};
        const COLORREF col[] = {kWhite};
        Apply(*this, idx, col);
    }
    const COLORREF r = Rotated(c);
    const int idx[] = {51, 41, 30, 31, 32, 33, 50, 36, 37, 35, 40, 39, 41, 42, 43};
    const COLORREF col[] = {RGB(255, 0, 255), m_clrLight1, m_clrLight1, LightenColor(110, r), s, s, s,
                            LightenColor(150, r), s, t, t, s, m_clrLight1, m_clrLight2, s};
    Apply(*this, idx, col);
    m_clrDockBar.SetStandardValue(0xe4e4e4, DarkenColor(75, c), 0.5f);
}

// --- two colours -------------------------------------------------------------------------------

CCustomUserGradientTheme::CCustomUserGradientTheme(COLORREF color1, COLORREF color2, int style)
    : m_clrLight1a(LightenColor(150, color1)), m_clrLight2a(LightenColor(200, color1)), m_clrColor1(color1),
      m_clrLight1b(LightenColor(150, color2)), m_clrLight2b(LightenColor(200, color2)), m_clrColor2(color2),
      m_nStyle(style)
{
    m_bThickCheckMark = FALSE;
    m_bShowShadow = TRUE;
    CCustomUserGradientTheme::RefreshMetrics();
}

void CCustomUserGradientTheme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    const COLORREF c1 = m_clrColor1, c2 = m_clrColor2;
    const bool dark = Brightness(c1, 150.0) <= 375.0;
    const COLORREF t = dark ? LightenColor(128, c1) : DarkenColor(110, c1);
    const COLORREF s1 = dark ? DarkenColor(32, c1) : DarkenColor(96, c1);
    const COLORREF s2 = dark ? DarkenColor(32, c2) : DarkenColor(96, c2);
    if (dark) {
        const int idx[] = {XTP_COLOR_MENUBAR_TEXT, XTP_COLOR_CAPTION_TEXT};
        const COLORREF col[] = {kWhite, kWhite};
        Apply(*this, idx, col);
    }
    const int idx[] = {51, 41, 30, 31, 32, 33, 50, 36, 37, 35, 40, 39, 41, 42, 43};
    const COLORREF col[] = {RGB(255, 0, 255), LightenColor(150, c1), LightenColor(150, c1), LightenColor(80, c2),
                            s1, s2, c2, LightenColor(150, c2), s2, t, t, s1, LightenColor(150, c1),
                            LightenColor(200, c1), s1};
    Apply(*this, idx, col);
    m_clrDockBar.SetStandardValue(0xe4e4e4, DarkenColor(75, c1), 0.5f);
    // The strong style: dock and status bars run between the two colours themselves.
    if (m_nStyle == 2) {
        m_clrStatusBar.SetStandardValue(c2, c1, 0.5f);
    } else {
        m_clrStatusBar.SetStandardValue(m_clrLight2b, m_clrLight1b, 0.5f);
    }
}

void CCustomUserGradientTheme::FillDockBar(CDC* dc, const CRect& rect)
{
    if (m_nStyle == 2)
        dc->FillGradientRect(&rect, m_clrColor1, m_clrColor2, TRUE);
    else
        m_clrDockBar.Fill(dc, rect, TRUE);
}

void CCustomUserGradientTheme::FillStatusBar(CDC* dc, const CRect& rect)
{
    m_clrStatusBar.Fill(dc, rect, FALSE);
}

void CCustomUserGradientTheme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // Square dots in the shade of the first colour, lit by its lightest tint.
    const COLORREF dot = GetXtremeColor(XTP_COLOR_GRIPPER);
    const int cx = rect.left + rect.Width() / 2 - 1, cy = rect.top + rect.Height() / 2 - 1;
    for (int i = 3; i + 3 < (vertical ? rect.Width() : rect.Height()); i += 4) {
        const int x = vertical ? rect.left + i : cx, y = vertical ? cy : rect.top + i;
        dc->FillSolidRect(x + 1, y + 1, 2, 2, m_clrLight2a);
        dc->FillSolidRect(x, y, 2, 2, dot);
    }
}

void CCustomUserGradientTheme::DrawPopupBarGripper(CDC* dc, const CRect& rect)
{
    // The icon strip of a menu: from the first colour's tint to the second's.
    dc->FillGradientRect(&rect, m_clrLight2a, m_clrLight1b, TRUE);
}

// --- task panel --------------------------------------------------------------------------------

CMyXTPTaskPanelToolboxWhidbeyTheme::CMyXTPTaskPanelToolboxWhidbeyTheme(COLORREF color) : m_clrColor(color)
{
    CMyXTPTaskPanelToolboxWhidbeyTheme::RefreshMetrics();
}

void CMyXTPTaskPanelToolboxWhidbeyTheme::RefreshMetrics()
{
    CXTPTaskPanelToolboxWhidbeyTheme::RefreshMetrics();
    m_grcCaption.SetStandardValue(LightenColor(200, m_clrColor), m_clrColor, 0.5f);
    m_clrClientFace = LightenColor(230, m_clrColor);
    m_clrClientBorder = DarkenColor(64, m_clrColor);
    m_clrCaptionText = Brightness(m_clrColor, 0.0) <= 375.0 ? kWhite : DarkenColor(160, m_clrColor);
}

void CMyXTPTaskPanelToolboxWhidbeyTheme::FillGroupCaptionBackground(CDC* dc, const CRect& rect,
                                                                    const XTP_TASKPANEL_GROUPSTATE& state)
{
    m_grcCaption.Fill(dc, rect, FALSE);
    CRect line = rect;
    line.top = line.bottom - 1;
    dc->FillSolidRect(&line, state.bHot ? m_clrColor : m_clrClientBorder);
}

void CMyXTPTaskPanelToolboxWhidbeyTheme::FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE&)
{
    dc->FillSolidRect(&rect, m_clrClientFace);
    dc->Draw3dRect(&rect, m_clrClientBorder, m_clrClientBorder);
}
