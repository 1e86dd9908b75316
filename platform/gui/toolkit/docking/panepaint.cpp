// The docking paint managers: the base (captions from the two caption gradients, frames,
// splitters, caption buttons) and the built-in looks — default (classic captions, the active
// one in the highlight colour), grippered (face captions with a gripper after the title) and
// office 2003 (blue gradient captions, the active one in amber; office tab colours).
#include "toolkit/dockingpane.h"
#include "toolkit/paintmanager.h"

#include <algorithm>

#include "manager_impl.h"

namespace {

bool IsDark(COLORREF c)
{
    return GetRValue(c) + 2 * GetGValue(c) + GetBValue(c) / 2 < 300;
}

} // namespace

CXTPDockingPanePaintManager::CXTPDockingPanePaintManager()
{
    CXTPDockingPanePaintManager::RefreshMetrics();
}

CXTPDockingPanePaintManager::~CXTPDockingPanePaintManager() = default;

void CXTPDockingPanePaintManager::RefreshMetrics()
{
    for (int i = 0; i < 30; ++i)
        m_colors[i] = ::GetSysColor(i);
    for (int i = 30; i < XTP_COLOR_COUNT; ++i)
        m_colors[i] = ::GetSysColor(COLOR_3DFACE);
    m_clrNormalCaption.SetStandardValue(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DFACE));
    m_clrActiveCaption.SetStandardValue(::GetSysColor(COLOR_ACTIVECAPTION), ::GetSysColor(COLOR_ACTIVECAPTION));
    m_tabs.RefreshMetrics();
    m_panel.RefreshMetrics();
}

void CXTPDockingPanePaintManager::SetColors(int count, const int* indices, const COLORREF* colors)
{
    for (int i = 0; i < count && indices && colors; ++i)
        if (indices[i] >= 0 && indices[i] < XTP_COLOR_COUNT)
            m_colors[indices[i]] = colors[i];
}

COLORREF CXTPDockingPanePaintManager::GetXtremeColor(int index) const
{
    return index >= 0 && index < XTP_COLOR_COUNT ? m_colors[index] : 0;
}

COLORREF CXTPDockingPanePaintManager::GetCaptionTextColor(BOOL active) const
{
    const CXTPPaintManagerColorGradient& g = active ? m_clrActiveCaption : m_clrNormalCaption;
    return IsDark(XTPBlendColors(g.GetLight(), g.GetDark(), 50)) ? RGB(255, 255, 255) : ::GetSysColor(COLOR_BTNTEXT);
}

void CXTPDockingPanePaintManager::DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active)
{
    if (!dc || rect.IsRectEmpty())
        return;
    (active ? m_clrActiveCaption : m_clrNormalCaption).Fill(dc, rect, m_theme == xtpPaneThemeOffice2003 ? FALSE : TRUE);
    CFont* old = static_cast<CFont*>(dc->SelectStockObject(DEFAULT_GUI_FONT));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetCaptionTextColor(active));
    CRect text = rect;
    text.left += m_nCaptionFontGap;
    text.right -= 2 * 16 + 4;
    dc->DrawText(title ? title : "", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    if (old)
        dc->SelectObject(old);
}

void CXTPDockingPanePaintManager::DrawCaptionButton(CDC* dc, const CRect& rect, int kind, BOOL active)
{
    if (!dc || rect.IsRectEmpty())
        return;
    CPen pen(PS_SOLID, 1, GetCaptionTextColor(active));
    CPen* old = dc->SelectObject(&pen);
    const CPoint c = rect.CenterPoint();
    if (kind == 0) { // a cross
        for (int d = 0; d < 2; ++d) {
            dc->MoveTo(c.x - 4 + d, c.y - 4);
            dc->LineTo(c.x + 4 + d, c.y + 4);
            dc->MoveTo(c.x + 3 + d, c.y - 4);
            dc->LineTo(c.x - 5 + d, c.y + 4);
        }
    } else if (kind == 1) { // a pin standing: head, needle
        dc->Rectangle(c.x - 3, c.y - 5, c.x + 3, c.y + 1);
        dc->MoveTo(c.x - 5, c.y + 1);
        dc->LineTo(c.x + 6, c.y + 1);
        dc->MoveTo(c.x, c.y + 1);
        dc->LineTo(c.x, c.y + 6);
    } else { // a pin lying
        dc->Rectangle(c.x - 1, c.y - 3, c.x + 5, c.y + 3);
        dc->MoveTo(c.x - 1, c.y - 5);
        dc->LineTo(c.x - 1, c.y + 6);
        dc->MoveTo(c.x - 1, c.y);
        dc->LineTo(c.x - 6, c.y);
    }
    dc->SelectObject(old);
}

void CXTPDockingPanePaintManager::DrawPaneFrame(CDC* dc, const CRect& rect)
{
    if (dc)
        dc->Draw3dRect(&rect, m_colors[COLOR_3DSHADOW], m_colors[COLOR_3DSHADOW]);
}

void CXTPDockingPanePaintManager::DrawSplitter(CDC* dc, const CRect& rect, BOOL)
{
    if (dc)
        dc->FillSolidRect(&rect, m_colors[XTP_COLOR_MASK]);
}

void CXTPDockingPanePaintManager::FillClient(CDC* dc, const CRect& rect)
{
    if (dc)
        dc->FillSolidRect(&rect, m_colors[XTP_COLOR_MASK]);
}

// --- default -----------------------------------------------------------------------------------

CXTPDockingPaneDefaultTheme::CXTPDockingPaneDefaultTheme()
{
    m_theme = xtpPaneThemeDefault;
    RefreshMetrics();
}

// --- grippered ---------------------------------------------------------------------------------

CXTPDockingPaneGripperedTheme::CXTPDockingPaneGripperedTheme()
{
    m_theme = xtpPaneThemeGrippered;
    RefreshMetrics();
}

void CXTPDockingPaneGripperedTheme::DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active)
{
    if (!dc || rect.IsRectEmpty())
        return;
    dc->FillSolidRect(&rect, m_colors[COLOR_3DFACE]);
    CFont* old = static_cast<CFont*>(dc->SelectStockObject(DEFAULT_GUI_FONT));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_colors[COLOR_BTNTEXT]);
    CRect text = rect;
    text.left += m_nCaptionFontGap;
    text.right -= 2 * 16 + 4;
    dc->DrawText(title ? title : "", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_CALCRECT);
    const int after = std::min(static_cast<int>(text.right) + 6, static_cast<int>(rect.right) - 2 * 16 - 6);
    text = rect;
    text.left += m_nCaptionFontGap;
    text.right = after - 4;
    dc->DrawText(title ? title : "", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    if (old)
        dc->SelectObject(old);
    // Two embossed lines from the title to the buttons; the active pane's are darker.
    const COLORREF light = m_colors[COLOR_3DHIGHLIGHT], dark = active ? m_colors[COLOR_3DDKSHADOW] : m_colors[COLOR_3DSHADOW];
    const int right = rect.right - 2 * 16 - 6, mid = rect.top + rect.Height() / 2;
    for (int line = 0; line < 2; ++line) {
        CRect r(after, mid - 3 + 4 * line, right, mid - 1 + 4 * line);
        if (r.Width() > 0)
            dc->Draw3dRect(&r, light, dark);
    }
}

// --- office 2003 -------------------------------------------------------------------------------

CXTPDockingPaneOffice2003Theme::CXTPDockingPaneOffice2003Theme()
{
    m_theme = xtpPaneThemeOffice2003;
    RefreshMetrics();
}

void CXTPDockingPaneOffice2003Theme::RefreshMetrics()
{
    CXTPDockingPanePaintManager::RefreshMetrics();
    m_clrNormalCaption.SetStandardValue(RGB(221, 236, 254), RGB(129, 169, 226), 0.5f);
    m_clrActiveCaption.SetStandardValue(RGB(255, 242, 200), RGB(255, 212, 151), 0.5f);
    m_colors[XTP_COLOR_MASK] = RGB(216, 231, 252);
    m_colors[COLOR_3DSHADOW] = RGB(106, 140, 203);
    for (CXTPTabPaintManager* t : {&m_tabs, &m_panel}) {
        CXTPTabPaintManager::CColorSet* c = t->GetColorSet();
        c->clrFace = RGB(252, 253, 254);
        c->clrBorder = RGB(127, 157, 185);
        c->clrHeaderFace = RGB(195, 218, 249);
        c->clrButtonNormal = RGB(221, 236, 254);
        c->clrButtonSelected = RGB(252, 253, 254);
        c->clrText = RGB(0, 0, 0);
        c->clrSelectedText = RGB(0, 0, 0);
        c->clrAutoHideFace = RGB(195, 218, 249);
    }
    m_tabs.SetAppearance(2);
    m_panel.SetAppearance(2);
}

void CXTPDockingPaneOffice2003Theme::DrawCaption(CDC* dc, const CRect& rect, LPCTSTR title, BOOL active)
{
    CXTPDockingPanePaintManager::DrawCaption(dc, rect, title, active);
    if (!dc || rect.IsRectEmpty())
        return;
    CRect line(rect.left, rect.bottom - 1, rect.right, rect.bottom);
    dc->FillSolidRect(&line, m_colors[COLOR_3DSHADOW]);
}

// --- stickers ----------------------------------------------------------------------------------

namespace docking {

void PaintSticker(CDC* dc, const CRect& rect, int kind, BOOL hot, CXTPDockingPanePaintManager* paint)
{
    const COLORREF edge = RGB(128, 128, 128), arrow = paint ? paint->m_clrActiveCaption.GetDark() : RGB(0, 84, 227);
    CRect box = rect;
    box.DeflateRect(1, 1);
    dc->FillGradientRect(&box, RGB(255, 255, 255), hot ? RGB(255, 226, 148) : RGB(222, 226, 236), FALSE);
    dc->Draw3dRect(&box, edge, edge);
    const CPoint c = box.CenterPoint();
    CBrush brush(IsDark(arrow) ? arrow : RGB(0, 84, 227));
    CPen pen(PS_SOLID, 1, RGB(40, 40, 40));
    CBrush* ob = dc->SelectObject(&brush);
    CPen* op = dc->SelectObject(&pen);
    if (kind == 4) {
        dc->Rectangle(c.x - 7, c.y - 6, c.x + 7, c.y + 7);
        CRect bar(c.x - 6, c.y - 5, c.x + 6, c.y - 2);
        dc->FillSolidRect(&bar, RGB(255, 255, 255));
    } else {
        // An arrow pointing at the edge the panes go to.
        POINT p[3];
        switch (kind) {
        case 0: p[0] = {c.x - 7, c.y}; p[1] = {c.x + 3, c.y - 7}; p[2] = {c.x + 3, c.y + 7}; break;
        case 1: p[0] = {c.x + 7, c.y}; p[1] = {c.x - 3, c.y - 7}; p[2] = {c.x - 3, c.y + 7}; break;
        case 2: p[0] = {c.x, c.y - 7}; p[1] = {c.x - 7, c.y + 3}; p[2] = {c.x + 7, c.y + 3}; break;
        default: p[0] = {c.x, c.y + 7}; p[1] = {c.x - 7, c.y - 3}; p[2] = {c.x + 7, c.y - 3}; break;
        }
        dc->Polygon(p, 3);
    }
    dc->SelectObject(ob);
    dc->SelectObject(op);
}

} // namespace docking
