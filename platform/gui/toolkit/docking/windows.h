#pragma once
// The windows of the docking panes. Each knows its manager and what it shows; the manager's
// Sync assigns them and the layout places them.
#include "manager_impl.h"

#define XTP_DOCKINGPANE_GROUP_CLASS "XTPDockingPaneTabbedContainer"
#define XTP_DOCKINGPANE_FLOAT_CLASS "XTPDockingPaneMiniWnd"
#define XTP_DOCKINGPANE_SPLITTER_CLASS "XTPDockingPaneSplitterWnd"
#define XTP_DOCKINGPANE_PANEL_CLASS "XTPDockingPaneAutoHidePanel"
#define XTP_DOCKINGPANE_SLIDE_CLASS "XTPDockingPaneAutoHideWnd"
#define XTP_DOCKINGPANE_STICKER_CLASS "XTPDockingPaneContextStickerWnd"
#define XTP_DOCKINGPANE_CONTEXT_CLASS "XTPDockingPaneContextAlphaWnd"

namespace docking {

void RegisterClasses();

// The parts of a group or slide-out window: caption with its buttons, tabs, the pane's room.
struct GroupParts {
    CRect caption, close, hide, tabs, client;
    std::vector<CRect> tabRects;
};
GroupParts LayoutGroup(CXTPDockingPaneManager* manager, const CRect& client, const std::vector<UINT>& panes, bool caption,
                       bool pinned);
std::vector<CString> TitlesOf(CXTPDockingPaneManager* manager, const std::vector<UINT>& panes);

class GroupWnd : public CWnd {
public:
    GroupWnd(CXTPDockingPaneManager* manager) : m_manager(manager) {}
    Node* node = nullptr;
    bool floating = false;
    GroupParts Parts();
    CXTPDockingPaneManager* Manager() const { return m_manager; }

protected:
    CXTPDockingPaneManager* m_manager;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT, CPoint);
    afx_msg void OnMouseMove(UINT, CPoint);
    afx_msg void OnLButtonUp(UINT, CPoint);
    afx_msg void OnSize(UINT, int, int);
};

class FloatWnd : public CWnd {
public:
    FloatWnd(CXTPDockingPaneManager* manager) : m_manager(manager) {}
    int index = -1;

protected:
    CXTPDockingPaneManager* m_manager;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSize(UINT, int, int);
};

class SplitterWnd : public CWnd {
public:
    SplitterWnd(CXTPDockingPaneManager* manager) : m_manager(manager) {}
    SplitterInfo info;

protected:
    CXTPDockingPaneManager* m_manager;
    bool m_tracking = false;
    CPoint m_start;
    CRect m_startRect;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT, CPoint);
    afx_msg void OnMouseMove(UINT, CPoint);
    afx_msg void OnLButtonUp(UINT, CPoint);
    void Apply(int delta);
};

class PanelWnd : public CWnd {
public:
    PanelWnd(CXTPDockingPaneManager* manager, XTPDockingPaneDirection dir) : m_manager(manager), dir(dir) {}
    XTPDockingPaneDirection dir;
    // The panes along this edge, in order, and their tabs (client coordinates).
    std::vector<UINT> Panes() const;
    std::vector<CRect> TabRects();

protected:
    CXTPDockingPaneManager* m_manager;
    UINT m_hover = 0;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT, CPoint);
    afx_msg void OnMouseMove(UINT, CPoint);
    afx_msg void OnTimer(UINT_PTR);
};

class SlideWnd : public CWnd {
public:
    SlideWnd(CXTPDockingPaneManager* manager) : m_manager(manager) {}
    GroupParts Parts();
    void StartTimers();

protected:
    CXTPDockingPaneManager* m_manager;
    int m_away = 0; // ms the mouse and the focus have been away
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT, CPoint);
    afx_msg void OnTimer(UINT_PTR);
};

// One docking sticker (an edge of the site) or the cross over a group (five items).
class StickerWnd : public CWnd {
public:
    StickerWnd(CXTPDockingPaneManager* manager, int kind) : m_manager(manager), kind(kind) {}
    int kind; // 0..3 a site edge (XTPDockingPaneDirection), 4 the cross
    int hot = -1;
    UINT node = 0; // the cross: a pane of the group it is over
    // The items: one for an edge sticker; left, top, right, bottom, centre for the cross.
    std::vector<CRect> Items() const;
    static std::vector<CString> ItemNames(int kind);

protected:
    CXTPDockingPaneManager* m_manager;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
};

class ContextWnd : public CWnd {
public:
    ContextWnd(CXTPDockingPaneManager* manager) : m_manager(manager) {}

protected:
    CXTPDockingPaneManager* m_manager;
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
};

void RegisterAutomation();

} // namespace docking
