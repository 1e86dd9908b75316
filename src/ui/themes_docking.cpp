// The library's docking look: pane captions and tabs coloured from up to three colours.
#include "misc/ui/themes.h"

#include "misc/geometry/text.h"

namespace {

bool Given(COLORREF c) { return c != CLR_NONE; }

} // namespace

CXTPMyDockingPaneOffice2003Theme::CXTPMyDockingPaneOffice2003Theme(COLORREF color1, COLORREF color2, COLORREF color3)
    : m_clr1(color1), m_clr2(color2), m_clr3(color3)
{
    CXTPMyDockingPaneOffice2003Theme::RefreshMetrics();
}

void CXTPMyDockingPaneOffice2003Theme::RefreshMetrics()
{
    CXTPDockingPaneOffice2003Theme::RefreshMetrics();
    m_nCaptionFontGap = 12;
    m_nSplitterSize = 4;
    CXTPTabPaintManager* tabs = GetTabPaintManager();
    CXTPTabPaintManager* panel = GetPanelPaintManager();
    tabs->SetOneNoteColors(TRUE);
    tabs->m_bBoldSelected = TRUE;
    panel->SetAppearance(3);
    if (Given(m_clr2)) {
        const COLORREF other = Given(m_clr3) ? m_clr3 : m_clr2;
        for (CXTPTabPaintManager* t : {tabs, panel}) {
            CXTPTabPaintManager::CColorSet* set = t->GetColorSet();
            set->clrHeaderFace = m_clr2;
            set->clrButtonNormal = m_clr2;
            set->clrFace = other;
            set->clrButtonSelected = other;
            set->clrAutoHideFace = other;
        }
        const int index = XTP_COLOR_MASK;
        SetColors(1, &index, &m_clr2);
    }
    if (Given(m_clr1)) {
        COLORREF c1 = m_clr1;
        if (GetRValue(c1) + 2.0 * GetGValue(c1) + 0.5 * GetBValue(c1) < 300.0)
            c1 = LightenColor(64, c1);
        m_clrNormalCaption.SetStandardValue(LightenColor(200, c1), c1, 0.5f);
        m_clrNormalCaption.SetCustomValue(LightenColor(200, c1), c1);
        for (CXTPTabPaintManager* t : {tabs, panel})
            t->GetColorSet()->clrBorder = DarkenColor(100, c1);
    }
}
