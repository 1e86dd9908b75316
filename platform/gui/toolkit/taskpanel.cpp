// The task panel's paint managers: group captions and client faces.
#include "toolkit/taskpanel.h"
#include "toolkit/paintmanager.h"

#include <algorithm>

#include "win32/theme.h"

CXTPTaskPanelPaintManager::CXTPTaskPanelPaintManager()
{
    CXTPTaskPanelPaintManager::RefreshMetrics();
}

CXTPTaskPanelPaintManager::~CXTPTaskPanelPaintManager() = default;

void CXTPTaskPanelPaintManager::RefreshMetrics()
{
    const MiscTheme& t = MiscCurrentTheme();
    m_clrBackground = t.SysColor(COLOR_WINDOW);
    m_clrCaptionFace = t.SysColor(COLOR_ACTIVECAPTION);
    m_clrCaptionText = t.SysColor(COLOR_CAPTIONTEXT);
    m_clrClientFace = t.SysColor(COLOR_WINDOW);
    m_clrClientBorder = t.SysColor(COLOR_3DSHADOW);
}

void CXTPTaskPanelPaintManager::FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state)
{
    dc->FillSolidRect(&rect, state.bHot ? XTPBlendColors(m_clrCaptionFace, RGB(255, 255, 255), 20) : m_clrCaptionFace);
}

void CXTPTaskPanelPaintManager::FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE&)
{
    dc->FillSolidRect(&rect, m_clrClientFace);
    dc->Draw3dRect(&rect, m_clrClientBorder, m_clrClientBorder);
}

CRect CXTPTaskPanelPaintManager::DrawGroup(CDC* dc, const CRect& rect, LPCTSTR caption, const XTP_TASKPANEL_GROUPSTATE& state)
{
    if (!dc || rect.IsRectEmpty())
        return CRect();
    CRect head = rect;
    head.bottom = std::min(static_cast<int>(rect.bottom), static_cast<int>(rect.top) + m_nCaptionHeight);
    FillGroupCaptionBackground(dc, head, state);
    // The expand sign: a small box with a minus (expanded) or plus (collapsed).
    CRect sign(head.left + 4, head.top + head.Height() / 2 - 4, head.left + 13, head.top + head.Height() / 2 + 5);
    dc->FillSolidRect(&sign, m_clrClientFace);
    dc->Draw3dRect(&sign, m_clrCaptionText, m_clrCaptionText);
    dc->FillSolidRect(sign.left + 2, sign.top + 4, 5, 1, m_clrCaptionText);
    if (!state.bExpanded)
        dc->FillSolidRect(sign.left + 4, sign.top + 2, 1, 5, m_clrCaptionText);
    if (caption && *caption) {
        CRect text = head;
        text.left = sign.right + 4;
        const int oldMode = dc->SetBkMode(TRANSPARENT);
        const COLORREF oldColor = dc->SetTextColor(m_clrCaptionText);
        dc->DrawText(caption, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc->SetTextColor(oldColor);
        dc->SetBkMode(oldMode);
    }
    if (!state.bExpanded)
        return CRect();
    CRect client(rect.left, head.bottom, rect.right, rect.bottom);
    if (!client.IsRectEmpty())
        FillGroupClientFace(dc, client, state);
    return client;
}

CXTPTaskPanelToolboxTheme::CXTPTaskPanelToolboxTheme()
{
    CXTPTaskPanelToolboxTheme::RefreshMetrics();
}

void CXTPTaskPanelToolboxTheme::RefreshMetrics()
{
    CXTPTaskPanelPaintManager::RefreshMetrics();
    const MiscTheme& t = MiscCurrentTheme();
    m_clrBackground = t.SysColor(COLOR_3DFACE);
    m_clrCaptionFace = t.SysColor(COLOR_3DFACE);
    m_clrCaptionText = t.SysColor(COLOR_BTNTEXT);
    m_clrClientFace = t.SysColor(COLOR_WINDOW);
    m_nCaptionHeight = 18;
}

void CXTPTaskPanelToolboxTheme::FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state)
{
    CXTPTaskPanelPaintManager::FillGroupCaptionBackground(dc, rect, state);
    dc->Draw3dRect(&rect, MiscCurrentTheme().SysColor(COLOR_3DHILIGHT), m_clrClientBorder);
}

CXTPTaskPanelToolboxWhidbeyTheme::CXTPTaskPanelToolboxWhidbeyTheme()
{
    CXTPTaskPanelToolboxWhidbeyTheme::RefreshMetrics();
}

void CXTPTaskPanelToolboxWhidbeyTheme::RefreshMetrics()
{
    CXTPTaskPanelToolboxTheme::RefreshMetrics();
    const COLORREF face = MiscCurrentTheme().SysColor(COLOR_3DFACE);
    m_grcCaption.SetStandardValue(XTPBlendColors(face, RGB(255, 255, 255), 60), face);
    m_clrClientFace = XTPBlendColors(face, RGB(255, 255, 255), 80);
}

void CXTPTaskPanelToolboxWhidbeyTheme::FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE&)
{
    m_grcCaption.Fill(dc, rect, FALSE);
    CRect line = rect;
    line.top = line.bottom - 1;
    dc->FillSolidRect(&line, m_clrClientBorder);
}

void CXTPTaskPanelToolboxWhidbeyTheme::FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE&)
{
    dc->FillSolidRect(&rect, m_clrClientFace);
}
