// CMDIFrameWnd and CMDIChildWnd: the multi-document frame with its MDI client window, and the
// document frames inside it, one of them active. Commands go to the active document frame (and
// its view and document) before the main frame.
#include "mfc/frame.h"

#include "frame_class.h"

namespace {

const char kClientClass[] = "MiscMDIClient";
const char kChildClass[] = "MiscMDIChild";

// The MDI client: the document frames' parent, filling the frame's client area.
class MDIClientWnd : public CWnd {
protected:
    void PostNcDestroy() override { delete this; }
};

} // namespace

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNAMIC(CMDIChildWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle)
{
    if (!CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, lpszMenuName, dwExStyle))
        return FALSE;
    framecls::EnsureClass(kClientClass, COLOR_APPWORKSPACE, CS_DBLCLKS);
    auto* client = new MDIClientWnd;
    CRect area;
    GetClientRect(&area);
    if (!client->CreateEx(0, kClientClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, area.left, area.top,
                          area.Width(), area.Height(), m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)))) {
        delete client;
        DestroyWindow();
        return FALSE;
    }
    m_pMDIClient = client;
    RecalcLayout();
    return TRUE;
}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd)
{
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd);
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child)
{
    if (child && child->GetMDIFrame() != this)
        return;
    m_pActiveChild = child;
    if (child && child->m_hWnd) {
        child->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (CView* view = child->GetActiveView(); view && view->m_hWnd && ::IsWindowVisible(m_hWnd))
            view->SetFocus();
    }
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active document frame (its view and document first) before the main frame.
    CMDIChildWnd* child = m_pActiveChild;
    if (child && child->m_hWnd && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- the document frames ----

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivate)
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::CreateChild(CMDIFrameWnd* parent, LPCTSTR title, const RECT& rect)
{
    if (!parent || !parent->GetMDIClient() || !parent->GetMDIClient()->m_hWnd)
        return FALSE;
    framecls::EnsureClass(kChildClass, COLOR_WINDOW, CS_DBLCLKS);
    m_pMDIFrame = parent;
    if (!Create(kChildClass, title, WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPSIBLINGS, rect,
                parent->GetMDIClient())) {
        m_pMDIFrame = nullptr;
        return FALSE;
    }
    parent->MDIActivate(this);
    return TRUE;
}

BOOL CMDIChildWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The view (and its document), then this frame; the application comes after the main frame.
    CView* view = GetActiveView();
    if (view && view->m_hWnd && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMDIChildWnd::OnMouseActivate(WPARAM, LPARAM)
{
    if (m_pMDIFrame && m_pMDIFrame->MDIGetActive() != this)
        m_pMDIFrame->MDIActivate(this);
    return MA_ACTIVATE;
}

void CMDIChildWnd::OnDestroy()
{
    // The next document frame becomes active.
    if (m_pMDIFrame && m_pMDIFrame->m_pActiveChild == this) {
        m_pMDIFrame->m_pActiveChild = nullptr;
        CWnd* client = m_pMDIFrame->GetMDIClient();
        for (HWND w = client && client->m_hWnd ? ::GetWindow(client->m_hWnd, GW_CHILD) : nullptr; w; w = ::GetWindow(w, GW_HWNDNEXT))
            if (w != m_hWnd)
                if (auto* other = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(w))) {
                    m_pMDIFrame->MDIActivate(other);
                    break;
                }
    }
    CFrameWnd::OnDestroy();
}
