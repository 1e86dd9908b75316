#pragma once
// Stand-in for the user-interface toolkit's frames: an MFC frame that owns command bars (menu
// bar, tool bars, status bar) and lays them out around its view and docking panes.
#include <afxwin.h>

#include "toolkit/commandbars.h"

#include <functional>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Sent to a toolkit frame after its look changed, so that it lays out and repaints everything
// (its bars, panes and children). Both parameters 0.
#define WM_XTP_THEMECHANGED 0x1731

// The frame's status bar: panes of text side by side, the first (the message pane) taking the
// room the others leave; drawn by the paint manager (FillStatusBar, DrawStatusBarGripper).
class CXTPStatusBar : public CWnd {
    DECLARE_DYNAMIC(CXTPStatusBar)
public:
    CXTPStatusBar() = default;
    // A status bar along the bottom of `frame` (window XTP_IDW_STATUS_BAR); one pane per
    // string identifier, showing that string (0: the message pane, "Ready" when idle).
    BOOL Create(CFrameWnd* frame, const UINT* indicators, int count);
    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }
    CString GetPaneText(int index) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    UINT GetItemID(int index) const;
    // Where the pane is drawn (client coordinates); empty for an unknown pane.
    CRect GetItemRect(int index) const;
    // The height the bar takes at the bottom of the frame.
    int GetHeight() const;
    // The idle text of the message pane.
    CString m_idleText = "Ready";

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);

protected:
    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT id;
        CString text;
        CRect rect;
    };
    void LayoutPanes();
    std::vector<Pane> m_panes;
};

// What the frames share: the command bars and how the frame lays them out.
class CXTPCommandBarsSiteBase {
public:
    CXTPCommandBarsSiteBase() = default;
    virtual ~CXTPCommandBarsSiteBase(); // deletes the status bar object
    CXTPCommandBarsSiteBase(const CXTPCommandBarsSiteBase&) = delete;
    CXTPCommandBarsSiteBase& operator=(const CXTPCommandBarsSiteBase&) = delete;
    // Makes the command bars (site = the frame); FALSE when the frame has no window yet.
    BOOL InitCommandBars(CFrameWnd* frame);
    CXTPCommandBars* GetCommandBars() const { return m_bars.get(); }
    // A status bar with panes of these string identifiers (0: the message pane); its text is
    // the command description while a control is hot.
    BOOL CreateStatusBar(CFrameWnd* frame, const UINT* indicators, int count);
    CWnd* GetStatusBar() const { return m_statusBar; }
    // The layout both frames share: the status bar at the bottom, the command bars along the
    // edges, then the frame's layout hook (the docking panes); the view (AFX_IDW_PANE_FIRST)
    // gets what is left.
    void LayoutFrame(CFrameWnd* frame);
    // Alt with a letter or digit (WM_SYSKEYDOWN, Ctrl up) opens the menu bar's pop-up whose
    // caption has that mnemonic; TRUE when one was opened. The frames call it after their
    // accelerators, so an accelerator on the same keys wins.
    BOOL TranslateMenuMnemonic(const MSG* msg);

protected:
    friend void XTPSetFrameLayoutHook(CFrameWnd* frame, std::function<void(CRect& remaining)> hook);
    friend BOOL XTPHasFrameLayoutHook(CFrameWnd* frame);
    std::unique_ptr<CXTPCommandBars> m_bars;
    CWnd* m_statusBar = nullptr;
    std::function<void(CRect& remaining)> m_layoutHook;
};

class CXTPFrameWnd : public CFrameWnd, public CXTPCommandBarsSiteBase {
    DECLARE_DYNAMIC(CXTPFrameWnd)
public:
    CXTPFrameWnd();
    ~CXTPFrameWnd() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
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
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL InitCommandBars() { return CXTPCommandBarsSiteBase::InitCommandBars(this); }
    void RecalcLayout(BOOL bNotify = TRUE) override;

    afx_msg LRESULT OnThemeChanged(WPARAM, LPARAM);

protected:
    DECLARE_MESSAGE_MAP()
};

// The command bars of a frame when it is a toolkit frame (single- or multi-document); null
// otherwise.
CXTPCommandBars* XTPGetFrameCommandBars(CWnd* frame);
// The status bar of a toolkit frame, or null.
CXTPStatusBar* XTPGetFrameStatusBar(CWnd* frame);

// The frame's layout hook. A toolkit frame's RecalcLayout first places its status bar and its
// command bars, then calls the hook with the rectangle left over (client coordinates of the
// frame); the hook places its windows (the docking panes) and shrinks the rectangle to what they
// leave; the view, or the MDI client, gets that. One hook per frame: setting another replaces
// it, an empty function removes it; the hook goes with the frame's window. Plain CFrameWnds do
// not call hooks.
using XTPFrameLayoutHook = std::function<void(CRect& remaining)>;
void XTPSetFrameLayoutHook(CFrameWnd* frame, XTPFrameLayoutHook hook);
BOOL XTPHasFrameLayoutHook(CFrameWnd* frame);

MISC_PUBLIC_END
