#pragma once
// Stand-in for the user-interface toolkit's frames: an MFC frame that owns command bars (menu
// bar, tool bars, status bar) and lays them out around its view and docking panes.
#include <afxwin.h>

#include "toolkit/commandbars.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Sent to a toolkit frame after its look changed, so that it lays out and repaints everything
// (its bars, panes and children). Both parameters 0.
#define WM_XTP_THEMECHANGED 0x1731

// What the frames share: the command bars and how the frame lays them out.
class CXTPCommandBarsSiteBase {
public:
    // Makes the command bars (site = the frame); FALSE when the frame has no window yet.
    BOOL InitCommandBars(CFrameWnd* frame);
    CXTPCommandBars* GetCommandBars() const { return m_bars.get(); }
    // A status bar with panes of these string identifiers (0: the message pane); its text is
    // the command description while a control is hot.
    BOOL CreateStatusBar(CFrameWnd* frame, const UINT* indicators, int count);
    CWnd* GetStatusBar() const { return m_statusBar; }

protected:
    std::unique_ptr<CXTPCommandBars> m_bars;
    CWnd* m_statusBar = nullptr;
};

class CXTPFrameWnd : public CFrameWnd, public CXTPCommandBarsSiteBase {
    DECLARE_DYNAMIC(CXTPFrameWnd)
public:
    CXTPFrameWnd();
    ~CXTPFrameWnd() override;
    BOOL InitCommandBars() { return CXTPCommandBarsSiteBase::InitCommandBars(this); }
    // Bars along the edges, then the docking panes (CXTPDockingPaneManager), the view in what
    // is left.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    afx_msg LRESULT OnThemeChanged(WPARAM, LPARAM);

protected:
    DECLARE_MESSAGE_MAP()
};

class CXTPMDIFrameWnd : public CMDIFrameWnd, public CXTPCommandBarsSiteBase {
    DECLARE_DYNAMIC(CXTPMDIFrameWnd)
public:
    CXTPMDIFrameWnd();
    ~CXTPMDIFrameWnd() override;
    BOOL InitCommandBars() { return CXTPCommandBarsSiteBase::InitCommandBars(this); }
    void RecalcLayout(BOOL bNotify = TRUE) override;

    afx_msg LRESULT OnThemeChanged(WPARAM, LPARAM);

protected:
    DECLARE_MESSAGE_MAP()
};

// The command bars of a frame when it is a toolkit frame (single- or multi-document); null
// otherwise.
CXTPCommandBars* XTPGetFrameCommandBars(CWnd* frame);

MISC_PUBLIC_END
