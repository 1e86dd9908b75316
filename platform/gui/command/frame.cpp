// CFrameWnd, CView and CDocument: command routing, the frame's menu bar and accelerators, the
// update of menu items when a menu opens, and the idle update of the frame's bars.
#include "mfc/frame.h"

#include <string>

#include "win32/module.h"

#include "frame_class.h"

namespace framecls {

void EnsureClass(const char* name, int background, UINT style)
{
    WNDCLASSEXA probe{};
    if (GetClassInfoExA(nullptr, name, &probe))
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

} // namespace framecls

namespace {

const char kFrameClass[] = "MiscFrameWnd";
const char kViewClass[] = "MiscView";
constexpr UINT kFrameStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

bool IsCommandId(UINT id) { return id >= 1 && id < 0xF000; }

} // namespace

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)
IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CView, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_INITMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle)
{
    HMENU menu = nullptr;
    if (lpszMenuName) {
        menu = MiscFromResourceModules([&](HINSTANCE module) { return ::LoadMenuA(module, lpszMenuName); });
        if (!menu)
            return FALSE;
    }
    if (!lpszClassName) {
        framecls::EnsureClass(kFrameClass, COLOR_WINDOW, kFrameStyle);
        lpszClassName = kFrameClass;
    }
    // rectDefault holds CW_USEDEFAULT, whose differences would overflow: it means 640 x 480 at the
    // top left.
    const bool byDefault = rect.left == CW_USEDEFAULT;
    int cx = byDefault ? 640 : static_cast<int>(static_cast<long long>(rect.right) - rect.left);
    int cy = byDefault ? 480 : static_cast<int>(static_cast<long long>(rect.bottom) - rect.top);
    int x = byDefault ? 0 : rect.left, y = byDefault ? 0 : rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle & ~static_cast<DWORD>(FWS_ADDTOTITLE), x, y, cx,
                  cy, MiscSafeHwnd(pParentWnd), menu)) {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd)
{
    CString title;
    if (const char* text = MiscFromResourceModules([&](HINSTANCE module) { return MiscFindString(module, nIDResource); })) {
        std::string full = text;
        title = full.substr(0, full.find('\n')).c_str();
    }
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, MAKEINTRESOURCEA(nIDResource)))
        return FALSE;
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable)
        return FALSE; // only once
    m_hAccelTable = MiscFromResourceModules([&](HINSTANCE module) { return ::LoadAcceleratorsA(module, lpszResourceName); });
    return m_hAccelTable != nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL)
{
    m_pViewActive = pViewNew;
    if (pViewNew && pViewNew->m_hWnd && ::GetFocus() != pViewNew->m_hWnd && ::IsWindowVisible(m_hWnd))
        pViewNew->SetFocus();
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pViewActive ? m_pViewActive->GetDocument() : nullptr; }

void CFrameWnd::RecalcLayout(BOOL)
{
    CRect client;
    GetClientRect(&client);
    if (CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pane->MoveWindow(&client, TRUE);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and through it its document), the frame, then the application.
    CView* view = GetActiveView();
    if (view && view->m_hWnd && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnInitMenu(CMenu*) { Default(); }

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || !pMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A pop-up: its first item's command stands for it, as in MFC; a pop-up is never
            // disabled automatically, so that its items can still be reached.
            state.m_pSubMenu = pMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!state.m_pSubMenu || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(this, FALSE);
            state.m_pSubMenu = nullptr;
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && IsCommandId(state.m_nID));
        }
        // An update handler may have removed items.
        UINT count = pMenu->GetMenuItemCount();
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - count;
            state.m_nIndexMax = count;
        }
    }
}

void CFrameWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (m_pViewActive && child == m_pViewActive->m_hWnd)
            continue;
        if (CWnd* bar = CWnd::FromHandle(child))
            bar->UpdateDialogControls(this, static_cast<BOOL>(wParam));
    }
    return 0;
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::PostNcDestroy() { delete this; }

// ---- CView ----
BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CView::CreateInFrame(CFrameWnd* pFrame, CDocument* pDocument)
{
    if (!pFrame || !pFrame->m_hWnd)
        return FALSE;
    framecls::EnsureClass(kViewClass, COLOR_WINDOW, kFrameStyle);
    m_pDocument = pDocument;
    CRect client;
    pFrame->GetClientRect(&client);
    if (!CreateEx(0, kViewClass, "", WS_CHILD | WS_VISIBLE, client.left, client.top, client.Width(), client.Height(),
                  pFrame->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST))))
        return FALSE;
    pFrame->SetActiveView(this);
    return TRUE;
}

void CView::OnDraw(CDC*) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnDestroy()
{
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr);
    Default();
}

void CView::PostNcDestroy() { delete this; }
