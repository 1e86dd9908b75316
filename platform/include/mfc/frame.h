#pragma once
// MFC's frame window, view and document as far as commands need them: the frame's menu bar and
// accelerator table, command routing (active view, its document, the frame, the application),
// the update of menu items on WM_INITMENUPOPUP, and the idle update of the frame's bars.
#include "mfc/app.h"
#include "mfc/menu.h"
#include "mfc/wnd.h"
#include "win32/accel.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

#define AFX_IDW_PANE_FIRST 0xE900
#define FWS_ADDTOTITLE 0x00008000L

#define ON_WM_INITMENU() AFX_MSG_ENTRY(WM_INITMENU, 0, 0, 0, 0, self->OnInitMenu(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam))))
#define ON_WM_INITMENUPOPUP() \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP, 0, 0, 0, 0, \
                  self->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_MENUSELECT() \
    AFX_MSG_ENTRY(WM_MENUSELECT, 0, 0, 0, 0, \
                  self->OnMenuSelect(LOWORD(c.wParam), HIWORD(c.wParam), reinterpret_cast<HMENU>(c.lParam)))
#define ON_MESSAGE_VOID(message, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, 0, self->memberFxn())

class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override = default;
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }

protected:
    CString m_strTitle;
};

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    HACCEL m_hAccelTable = nullptr;
    // Menu items with no command handler and no update handler are disabled.
    BOOL m_bAutoMenuEnable = TRUE;

    // A frame with the window class of frames; the menu (a number in the resource module, made
    // with MAKEINTRESOURCE) becomes its menu bar.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0);
    // The frame of resource number nIDResource: its menu bar, its accelerator table and its
    // title (the string of that number, up to the first '\n').
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    CDocument* GetActiveDocument();
    // Sizes the view (the child AFX_IDW_PANE_FIRST) to the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    // WM_IDLEUPDATECMDUI: the buttons of the frame's bars (its child windows other than the view)
    // are enabled and checked through their update handlers, routed as commands are.
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

protected:
    void PostNcDestroy() override; // frames delete themselves, as in MFC
    CView* m_pViewActive = nullptr;
    DECLARE_MESSAGE_MAP()
};

// The multi-document frame: an MDI client window (AFX_IDW_PANE_FIRST) in its client area holds
// the document frames (CMDIChildWnd), one of them active. Commands go to the active document
// frame (its view, its document, the document frame) before the main frame.
class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;
    // The frame and its MDI client.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr) override;
    CWnd* GetMDIClient() const { return m_pMDIClient; }
    CMDIChildWnd* MDIGetActive() const { return m_pActiveChild; }
    // Makes a document frame of this frame the active one (brought to the top, its view focused).
    void MDIActivate(CMDIChildWnd* child);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    friend class CMDIChildWnd;
    CWnd* m_pMDIClient = nullptr;
    CMDIChildWnd* m_pActiveChild = nullptr;
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;
    // A document frame inside the MDI client of `parent`, made the active one.
    BOOL CreateChild(CMDIFrameWnd* parent, LPCTSTR title, const RECT& rect);
    CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    // Its view (and document), then itself; not the application (the main frame routes there).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    afx_msg LRESULT OnMouseActivate(WPARAM, LPARAM);
    afx_msg void OnDestroy();

protected:
    CMDIFrameWnd* m_pMDIFrame = nullptr;
    DECLARE_MESSAGE_MAP()
};

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView() = default;
    ~CView() override = default;

    CDocument* GetDocument() const { return m_pDocument; }
    // Creates the view as the frame's pane (AFX_IDW_PANE_FIRST) and makes it the active view.
    BOOL CreateInFrame(CFrameWnd* pFrame, CDocument* pDocument = nullptr);

    virtual void OnDraw(CDC* pDC);
    // The view first, then its document.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    afx_msg void OnPaint();
    afx_msg void OnDestroy();

    CDocument* m_pDocument = nullptr;

protected:
    void PostNcDestroy() override; // views delete themselves, as in MFC
    DECLARE_MESSAGE_MAP()
};

MISC_PUBLIC_END
