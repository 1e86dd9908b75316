// The command bars' paint managers: the current one, its colour table and the three built-in
// looks. Bars ask the current paint manager for every fill and face.
#include "toolkit/paintmanager.h"

#include <memory>

namespace {

std::unique_ptr<CXTPPaintManager>& Current()
{
    static std::unique_ptr<CXTPPaintManager> current;
    return current;
}

UINT g_generation = 0;

COLORREF Mix(COLORREF a, COLORREF b, int percentOfB) { return XTPBlendColors(a, b, percentOfB); }

void Fill(CDC* dc, const CRect& r, COLORREF c)
{
    dc->FillSolidRect(&r, c);
}

void Frame(CDC* dc, const CRect& r, COLORREF c)
{
    dc->Draw3dRect(&r, c, c);
}

} // namespace

// --- colour gradients --------------------------------------------------------------------------

void CXTPPaintManagerColorGradient::SetStandardValue(COLORREF light, COLORREF dark, float factor)
{
    m_light = light;
    m_dark = dark;
    m_factor = factor;
}

void CXTPPaintManagerColorGradient::SetCustomValue(COLORREF light, COLORREF dark)
{
    m_customLight = light;
    m_customDark = dark;
    m_custom = TRUE;
}

void CXTPPaintManagerColorGradient::Fill(CDC* dc, const CRect& rect, BOOL horizontal) const
{
    if (!dc || rect.IsRectEmpty())
        return;
    // The factor places the mid colour: 0.5 is an even blend over the whole rectangle.
    const COLORREF light = GetLight(), dark = GetDark();
    if (m_factor == 0.5f || m_factor <= 0.0f || m_factor >= 1.0f) {
        dc->FillGradientRect(&rect, light, dark, horizontal);
        return;
    }
    const COLORREF mid = Mix(light, dark, 50);
    CRect first = rect, second = rect;
    if (horizontal)
        first.right = second.left = rect.left + static_cast<int>(rect.Width() * m_factor);
    else
        first.bottom = second.top = rect.top + static_cast<int>(rect.Height() * m_factor);
    dc->FillGradientRect(&first, light, mid, horizontal);
    dc->FillGradientRect(&second, mid, dark, horizontal);
}

// --- the paint manager -------------------------------------------------------------------------

CXTPPaintManager::CXTPPaintManager()
{
    for (int i = 0; i < XTP_COLOR_COUNT; ++i)
        m_colors[i] = i < 30 ? MiscCurrentTheme().SysColor(i) : MiscCurrentTheme().SysColor(COLOR_3DFACE);
}

CXTPPaintManager::~CXTPPaintManager() = default;

void CXTPPaintManager::SetTheme(XTPPaintTheme theme)
{
    std::unique_ptr<CXTPPaintManager> made;
    switch (theme) {
    case xtpThemeOffice2000: made = std::make_unique<CXTPDefaultTheme>(); break;
    case xtpThemeOfficeXP: made = std::make_unique<CXTPOfficeTheme>(); break;
    default: made = std::make_unique<CXTPOffice2003Theme>(); break;
    }
    made->RefreshMetrics();
    Current() = std::move(made);
    ++g_generation;
}

void CXTPPaintManager::SetCustomTheme(CXTPPaintManager* theme)
{
    if (!theme)
        return;
    Current().reset(theme);
    ++g_generation;
}

void CXTPPaintManager::GradientFill(CDC* dc, LPCRECT rect, COLORREF from, COLORREF to, BOOL horz)
{
    if (dc && rect)
        dc->FillGradientRect(rect, from, to, horz);
}

void CXTPPaintManager::RefreshMetrics()
{
    const MiscTheme& t = MiscCurrentTheme();
    for (int i = 0; i < 30; ++i)
        m_colors[i] = t.SysColor(i);
    const COLORREF face = t.SysColor(COLOR_3DFACE), text = t.SysColor(COLOR_BTNTEXT);
    const COLORREF shadow = t.SysColor(COLOR_3DSHADOW), highlight = t.SysColor(COLOR_HIGHLIGHT);
    for (int i = 30; i < XTP_COLOR_COUNT; ++i)
        m_colors[i] = face;
    m_colors[XTP_COLOR_HIGHLIGHT_BORDER] = highlight;
    m_colors[XTP_COLOR_HIGHLIGHT_PUSHED_BORDER] = highlight;
    m_colors[XTP_COLOR_HIGHLIGHT_CHECKED_BORDER] = highlight;
    m_colors[XTP_COLOR_DISABLED_TEXT] = t.SysColor(COLOR_GRAYTEXT);
    m_colors[XTP_COLOR_BAR_TEXT] = text;
    m_colors[XTP_COLOR_HIGHLIGHT_TEXT] = text;
    m_colors[XTP_COLOR_MENUBAR_TEXT] = text;
    m_colors[XTP_COLOR_STATUSBAR_TEXT] = text;
    m_colors[XTP_COLOR_CAPTION_TEXT] = t.SysColor(COLOR_CAPTIONTEXT);
    m_colors[XTP_COLOR_SEPARATOR] = shadow;
    m_colors[XTP_COLOR_GRIPPER] = shadow;
    m_colors[XTP_COLOR_MENU_BORDER] = shadow;
    m_colors[XTP_COLOR_FRAME] = shadow;
    m_colors[XTP_COLOR_ICON_SHADOW] = shadow;
    m_colors[XTP_COLOR_STATUSBAR_BORDER] = shadow;
    m_colors[XTP_COLOR_MENU_FACE] = t.SysColor(COLOR_MENU);
    m_colors[XTP_COLOR_MASK] = RGB(255, 0, 255);
    m_clrDockBar.SetStandardValue(face, face);
    m_clrCommandBar.SetStandardValue(face, face);
    m_clrStatusBar.SetStandardValue(face, face);
}

void CXTPPaintManager::SetColors(int count, const int* indices, const COLORREF* colors)
{
    for (int i = 0; i < count && indices && colors; ++i)
        if (indices[i] >= 0 && indices[i] < XTP_COLOR_COUNT)
            m_colors[indices[i]] = colors[i];
}

COLORREF CXTPPaintManager::GetXtremeColor(int index) const
{
    return index >= 0 && index < XTP_COLOR_COUNT ? m_colors[index] : 0;
}

void CXTPPaintManager::FillDockBar(CDC* dc, const CRect& rect)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_DOCKBAR_FACE));
}

void CXTPPaintManager::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_BAR_FACE));
}

void CXTPPaintManager::FillPopupBar(CDC* dc, const CRect& rect)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_MENU_FACE));
    Frame(dc, rect, GetXtremeColor(XTP_COLOR_MENU_BORDER));
}

void CXTPPaintManager::FillStatusBar(CDC* dc, const CRect& rect)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_DOCKBAR_FACE));
}

void CXTPPaintManager::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // The window system's gripper is told which way its line runs: across a vertical bar, along
    // the short side of a horizontal one.
    MiscCurrentTheme().DrawGripper(dc->GetSafeHdc(), rect, vertical == FALSE);
}

void CXTPPaintManager::DrawPopupBarGripper(CDC* dc, const CRect& rect)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_BAR_FACE));
}

void CXTPPaintManager::DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical)
{
    CRect line = rect;
    if (vertical) {
        line.top += rect.Height() / 2;
        line.bottom = line.top + 1;
    } else {
        line.left += rect.Width() / 2;
        line.right = line.left + 1;
    }
    Fill(dc, line, GetXtremeColor(XTP_COLOR_SEPARATOR));
}

void CXTPPaintManager::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    if (state & (MISC_TS_HOT | MISC_TS_PRESSED | MISC_TS_CHECKED))
        MiscCurrentTheme().DrawToolBarButton(dc->GetSafeHdc(), rect, state);
}

COLORREF CXTPPaintManager::GetControlTextColor(UINT state) const
{
    if (state & MISC_TS_DISABLED)
        return GetXtremeColor(XTP_COLOR_DISABLED_TEXT);
    if (state & (MISC_TS_HOT | MISC_TS_PRESSED))
        return GetXtremeColor(XTP_COLOR_HIGHLIGHT_TEXT);
    return GetXtremeColor(XTP_COLOR_BAR_TEXT);
}

void CXTPPaintManager::DrawStatusBarGripper(CDC* dc, const CRect& rect)
{
    const COLORREF c = GetXtremeColor(XTP_COLOR_GRIPPER);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j)
            dc->FillSolidRect(rect.right - 4 - 4 * j, rect.bottom - 4 - 4 * (2 - i), 2, 2, c);
}

// --- the built-in looks ------------------------------------------------------------------------

CXTPDefaultTheme::CXTPDefaultTheme()
{
    m_theme = xtpThemeOffice2000;
    m_bFlatToolBar = FALSE;
    m_bFlatMenuBar = FALSE;
    m_bShowShadow = FALSE;
}

void CXTPDefaultTheme::RefreshMetrics()
{
    CXTPPaintManager::RefreshMetrics();
}

void CXTPDefaultTheme::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_BAR_FACE));
    dc->Draw3dRect(&rect, GetXtremeColor(COLOR_3DHILIGHT), GetXtremeColor(COLOR_3DSHADOW));
}

void CXTPDefaultTheme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // Two raised lines along the bar's short side.
    const COLORREF light = GetXtremeColor(COLOR_3DHILIGHT), dark = GetXtremeColor(COLOR_3DSHADOW);
    for (int i = 0; i < 2; ++i) {
        CRect line = rect;
        if (vertical) {
            line.top += 2 + 4 * i;
            line.bottom = line.top + 3;
            line.DeflateRect(2, 0);
        } else {
            line.left += 2 + 4 * i;
            line.right = line.left + 3;
            line.DeflateRect(0, 2);
        }
        dc->Draw3dRect(&line, light, dark);
    }
}

void CXTPDefaultTheme::DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical)
{
    // Etched: a shadow line with a highlight line beside it.
    CRect line = rect;
    if (vertical) {
        line.top += rect.Height() / 2 - 1;
        line.bottom = line.top + 1;
        Fill(dc, line, GetXtremeColor(COLOR_3DSHADOW));
        line.OffsetRect(0, 1);
    } else {
        line.left += rect.Width() / 2 - 1;
        line.right = line.left + 1;
        line.DeflateRect(0, 2);
        Fill(dc, line, GetXtremeColor(COLOR_3DSHADOW));
        line.OffsetRect(1, 0);
    }
    Fill(dc, line, GetXtremeColor(COLOR_3DHILIGHT));
}

void CXTPDefaultTheme::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    // Raised when hot, sunken when pressed or checked.
    const COLORREF light = GetXtremeColor(COLOR_3DHILIGHT), dark = GetXtremeColor(COLOR_3DSHADOW);
    if (state & (MISC_TS_PRESSED | MISC_TS_CHECKED))
        dc->Draw3dRect(&rect, dark, light);
    else if (state & MISC_TS_HOT)
        dc->Draw3dRect(&rect, light, dark);
}

CXTPOfficeTheme::CXTPOfficeTheme()
{
    m_theme = xtpThemeOfficeXP;
}

void CXTPOfficeTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();
    const COLORREF face = GetXtremeColor(COLOR_3DFACE), window = GetXtremeColor(COLOR_WINDOW);
    const COLORREF highlight = GetXtremeColor(COLOR_HIGHLIGHT);
    const int idx[] = {XTP_COLOR_BAR_FACE,  XTP_COLOR_MENU_FACE,        XTP_COLOR_DOCKBAR_FACE,
                       XTP_COLOR_HIGHLIGHT, XTP_COLOR_HIGHLIGHT_PUSHED, XTP_COLOR_HIGHLIGHT_CHECKED,
                       XTP_COLOR_GRIPPER,   XTP_COLOR_SEPARATOR,        XTP_COLOR_FRAME};
    const COLORREF col[] = {Mix(face, window, 60),
                            window,
                            face,
                            Mix(highlight, window, 70),
                            Mix(highlight, window, 50),
                            Mix(highlight, window, 85),
                            Mix(face, RGB(0, 0, 0), 45),
                            Mix(face, RGB(0, 0, 0), 25),
                            Mix(face, RGB(0, 0, 0), 30)};
    SetColors(9, idx, col);
    m_clrCommandBar.SetStandardValue(GetXtremeColor(XTP_COLOR_BAR_FACE), GetXtremeColor(XTP_COLOR_BAR_FACE));
    m_clrDockBar.SetStandardValue(face, face);
}

void CXTPOfficeTheme::FillDockBar(CDC* dc, const CRect& rect)
{
    m_clrDockBar.Fill(dc, rect, TRUE);
}

void CXTPOfficeTheme::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    Fill(dc, rect, GetXtremeColor(XTP_COLOR_BAR_FACE));
    Frame(dc, rect, GetXtremeColor(XTP_COLOR_FRAME));
}

void CXTPOfficeTheme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // A dotted line: one-pixel dots two pixels apart.
    const COLORREF dot = GetXtremeColor(XTP_COLOR_GRIPPER);
    const int cx = rect.left + rect.Width() / 2, cy = rect.top + rect.Height() / 2;
    const int length = vertical ? rect.Width() : rect.Height();
    for (int i = 3; i + 3 < length; i += 2) {
        if (vertical)
            dc->FillSolidRect(rect.left + i, cy, 1, 1, dot);
        else
            dc->FillSolidRect(cx, rect.top + i, 1, 1, dot);
    }
}

void CXTPOfficeTheme::DrawCommandBarSeparator(CDC* dc, const CRect& rect, BOOL vertical)
{
    // The base's line, kept three pixels off the ends of a horizontal bar.
    CRect r = rect;
    if (!vertical)
        r.DeflateRect(0, 3);
    CXTPPaintManager::DrawCommandBarSeparator(dc, r, vertical);
}

bool CXTPPaintManager::HighlightColors(UINT state, int* face, int* border)
{
    *face = -1;
    *border = XTP_COLOR_HIGHLIGHT_BORDER;
    if (state & MISC_TS_PRESSED) {
        *face = XTP_COLOR_HIGHLIGHT_PUSHED;
        *border = XTP_COLOR_HIGHLIGHT_PUSHED_BORDER;
    } else if (state & MISC_TS_HOT) {
        *face = XTP_COLOR_HIGHLIGHT;
    } else if (state & MISC_TS_CHECKED) {
        *face = XTP_COLOR_HIGHLIGHT_CHECKED;
        *border = XTP_COLOR_HIGHLIGHT_CHECKED_BORDER;
    }
    return *face >= 0;
}

void CXTPOfficeTheme::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    // Flat: a face in the highlight tint, framed in the highlight colour.
    int face, border;
    if (!HighlightColors(state, &face, &border))
        return;
    Fill(dc, rect, GetXtremeColor(face));
    Frame(dc, rect, GetXtremeColor(border));
}

CXTPOffice2003Theme::CXTPOffice2003Theme()
{
    m_theme = xtpThemeOffice2003;
}

void CXTPOffice2003Theme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    // The blue office colours.
    const int idx[] = {XTP_COLOR_BAR_FACE,  XTP_COLOR_MENU_FACE,  XTP_COLOR_DOCKBAR_FACE,
                       XTP_COLOR_HIGHLIGHT, XTP_COLOR_HIGHLIGHT_PUSHED, XTP_COLOR_HIGHLIGHT_CHECKED,
                       XTP_COLOR_HIGHLIGHT_BORDER, XTP_COLOR_HIGHLIGHT_PUSHED_BORDER,
                       XTP_COLOR_HIGHLIGHT_CHECKED_BORDER, XTP_COLOR_SEPARATOR, XTP_COLOR_GRIPPER,
                       XTP_COLOR_FRAME, XTP_COLOR_MENU_BORDER};
    const COLORREF col[] = {RGB(221, 236, 254), RGB(246, 246, 246), RGB(158, 190, 245), RGB(255, 238, 194),
                            RGB(254, 128, 62),  RGB(255, 192, 111), RGB(0, 0, 128),     RGB(0, 0, 128),
                            RGB(0, 0, 128),     RGB(106, 140, 203), RGB(39, 65, 118),   RGB(59, 97, 156),
                            RGB(0, 45, 150)};
    SetColors(13, idx, col);
    m_clrDockBar.SetStandardValue(RGB(158, 190, 245), RGB(196, 218, 250));
    m_clrCommandBar.SetStandardValue(RGB(221, 236, 254), RGB(129, 169, 226));
    m_clrStatusBar.SetStandardValue(RGB(158, 190, 245), RGB(196, 218, 250));
}

void CXTPOffice2003Theme::FillCommandBar(CDC* dc, const CRect& rect, CXTPCommandBar*)
{
    m_clrCommandBar.Fill(dc, rect, FALSE);
    // Rounded ends: the dock bar's colour shows in the corners, a darker line closes the bottom.
    const COLORREF corner = GetXtremeColor(XTP_COLOR_DOCKBAR_FACE);
    if (rect.Width() > 4 && rect.Height() > 4) {
        for (const CPoint& p : {CPoint(rect.left, rect.top), CPoint(rect.right - 1, rect.top),
                                CPoint(rect.left, rect.bottom - 1), CPoint(rect.right - 1, rect.bottom - 1)})
            dc->FillSolidRect(p.x, p.y, 1, 1, corner);
        dc->FillSolidRect(rect.left + 2, rect.bottom - 1, rect.Width() - 4, 1, GetXtremeColor(XTP_COLOR_FRAME));
    }
}

void CXTPOffice2003Theme::FillDockBar(CDC* dc, const CRect& rect)
{
    m_clrDockBar.Fill(dc, rect, TRUE);
}

void CXTPOffice2003Theme::FillStatusBar(CDC* dc, const CRect& rect)
{
    m_clrStatusBar.Fill(dc, rect, FALSE);
}

void CXTPOffice2003Theme::DrawCommandBarGripper(CDC* dc, const CRect& rect, BOOL vertical)
{
    // A column (or row) of raised dots.
    const COLORREF dot = GetXtremeColor(XTP_COLOR_GRIPPER), light = RGB(255, 255, 255);
    const int cx = rect.left + rect.Width() / 2 - 1, cy = rect.top + rect.Height() / 2 - 1;
    for (int i = 3; i + 3 < (vertical ? rect.Width() : rect.Height()); i += 4) {
        const int x = vertical ? rect.left + i : cx, y = vertical ? cy : rect.top + i;
        dc->FillSolidRect(x + 1, y + 1, 2, 2, light);
        dc->FillSolidRect(x, y, 2, 2, dot);
    }
}

void CXTPOffice2003Theme::DrawControlFace(CDC* dc, const CRect& rect, UINT state)
{
    // Hot and pressed faces are gradients of their colour, framed like the flat look.
    int face, border;
    if (!HighlightColors(state, &face, &border))
        return;
    const COLORREF c = GetXtremeColor(face);
    dc->FillGradientRect(&rect, Mix(c, RGB(255, 255, 255), 40), c, FALSE);
    Frame(dc, rect, GetXtremeColor(border));
}

// --- the current one ---------------------------------------------------------------------------

CXTPPaintManager* XTPPaintManager()
{
    if (!Current())
        CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    return Current().get();
}

UINT XTPPaintManagerGeneration()
{
    return g_generation;
}

COLORREF XTPBlendColors(COLORREF a, COLORREF b, int percentOfB)
{
    auto ch = [&](int shift) {
        const int x = (a >> shift) & 0xff, y = (b >> shift) & 0xff;
        return static_cast<COLORREF>((x * (100 - percentOfB) + y * percentOfB) / 100) << shift;
    };
    return ch(0) | ch(8) | ch(16);
}
