#pragma once
// Stand-in for the user-interface toolkit's task-panel paint managers: how a task panel draws
// its groups (a caption row that expands and collapses the group, and the client face under it
// holding the group's items). Only the paint side is offered; a derived look replaces the
// caption background and the client face.
#include <afxwin.h>

#include "toolkit/paintmanager.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// What a group looks like when drawn.
struct XTP_TASKPANEL_GROUPSTATE {
    BOOL bExpanded = TRUE;
    BOOL bHot = FALSE;     // the mouse is over the caption
    BOOL bSpecial = FALSE; // the panel's special (first, emphasised) group
};

class CXTPTaskPanelPaintManager {
public:
    CXTPTaskPanelPaintManager();
    virtual ~CXTPTaskPanelPaintManager();
    CXTPTaskPanelPaintManager(const CXTPTaskPanelPaintManager&) = delete;
    CXTPTaskPanelPaintManager& operator=(const CXTPTaskPanelPaintManager&) = delete;

    virtual void RefreshMetrics();
    // The caption row's background and the face behind the group's items.
    virtual void FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state);
    virtual void FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state);
    // A whole group in rect: its caption row (m_nCaptionHeight high) with the text and the
    // expand sign, and, when expanded, the client face under it. Returns the client rectangle
    // (empty when collapsed).
    CRect DrawGroup(CDC* dc, const CRect& rect, LPCTSTR caption, const XTP_TASKPANEL_GROUPSTATE& state);

    COLORREF m_clrBackground;   // the panel behind the groups
    COLORREF m_clrCaptionFace;  // caption row
    COLORREF m_clrCaptionText;
    COLORREF m_clrClientFace;   // behind the items
    COLORREF m_clrClientBorder;
    int m_nCaptionHeight = 20;
};

// The toolbox look: flat grey caption rows with a border, items on the window colour.
class CXTPTaskPanelToolboxTheme : public CXTPTaskPanelPaintManager {
public:
    CXTPTaskPanelToolboxTheme();
    void RefreshMetrics() override;
    void FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state) override;
};

// The later toolbox look: caption rows with a soft vertical gradient, the client face lighter.
class CXTPTaskPanelToolboxWhidbeyTheme : public CXTPTaskPanelToolboxTheme {
public:
    CXTPTaskPanelToolboxWhidbeyTheme();
    void RefreshMetrics() override;
    void FillGroupCaptionBackground(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state) override;
    void FillGroupClientFace(CDC* dc, const CRect& rect, const XTP_TASKPANEL_GROUPSTATE& state) override;

    // The caption gradient (top to bottom).
    CXTPPaintManagerColorGradient m_grcCaption;
};

MISC_PUBLIC_END
