// The toolkit stand-in's frames: a single- and a multi-document frame that own command bars and
// a status bar and lay them out around the docking panes and the view.
#include "toolkit/frame.h"

#include "commandbars_internal.h"
#include "toolkit/paintmanager.h"
#include "win32/automation.h"

IMPLEMENT_DYNAMIC(CXTPFrameWnd, CFrameWnd)
IMPLEMENT_DYNAMIC(CXTPMDIFrameWnd, CMDIFrameWnd)

// --- what both frames share -----------------------------------------------------------------------

CXTPCommandBarsSiteBase::~CXTPCommandBarsSiteBase()
{
    if (m_statusBar && m_statusBar->m_hWnd)
        m_statusBar->DestroyWindow();
    delete m_statusBar;
}

BOOL CXTPCommandBarsSiteBase::InitCommandBars(CFrameWnd* frame)
{
    if (!frame || !frame->m_hWnd)
        return FALSE;
    if (!m_bars)
        m_bars = std::make_unique<CXTPCommandBars>();
    m_bars->SetSite(frame);
    frame->RecalcLayout();
    return TRUE;
}

BOOL CXTPCommandBarsSiteBase::CreateStatusBar(CFrameWnd* frame, const UINT* indicators, int count)
{
    if (!frame || !frame->m_hWnd || m_statusBar)
        return FALSE;
    auto* bar = new CXTPStatusBar;
    if (!bar->Create(frame, indicators, count)) {
        delete bar;
        return FALSE;
    }
    m_statusBar = bar;
    frame->RecalcLayout();
    return TRUE;
}

void CXTPCommandBarsSiteBase::LayoutFrame(CFrameWnd* frame)
{
    if (!frame || !frame->m_hWnd)
        return;
    CRect rest;
    frame->GetClientRect(&rest);
    if (auto* status = dynamic_cast<CXTPStatusBar*>(m_statusBar); status && status->m_hWnd && (status->GetStyle() & WS_VISIBLE)) {
        // Its own style: the frame itself may not be shown yet.
        const int h = status->GetHeight();
        status->MoveWindow(rest.left, rest.bottom - h, rest.Width(), h, TRUE);
        rest.bottom -= h;
    }
    if (m_bars)
        m_bars->RepositionBars(rest);
    if (m_layoutHook)
        m_layoutHook(rest);
    if (rest.right < rest.left)
        rest.right = rest.left;
    if (rest.bottom < rest.top)
        rest.bottom = rest.top;
    if (CWnd* pane = frame->GetDlgItem(AFX_IDW_PANE_FIRST))
        pane->MoveWindow(&rest, TRUE);
}

void XTPSetFrameLayoutHook(CFrameWnd* frame, XTPFrameLayoutHook hook)
{
    if (auto* site = dynamic_cast<CXTPCommandBarsSiteBase*>(frame))
        site->m_layoutHook = std::move(hook);
}

BOOL XTPHasFrameLayoutHook(CFrameWnd* frame)
{
    auto* site = dynamic_cast<CXTPCommandBarsSiteBase*>(frame);
    return site && site->m_layoutHook;
}

CXTPCommandBars* XTPGetFrameCommandBars(CWnd* frame)
{
    auto* site = dynamic_cast<CXTPCommandBarsSiteBase*>(frame);
    return site ? site->GetCommandBars() : nullptr;
}

CXTPStatusBar* XTPGetFrameStatusBar(CWnd* frame)
{
    auto* site = dynamic_cast<CXTPCommandBarsSiteBase*>(frame);
    auto* status = site ? dynamic_cast<CXTPStatusBar*>(site->GetStatusBar()) : nullptr;
    return status && status->m_hWnd ? status : nullptr;
}

namespace xtpbars {

void ShowStatusText(CFrameWnd* site, const CString& text)
{
    CXTPStatusBar* status = XTPGetFrameStatusBar(site);
    if (!status)
        return;
    for (int i = 0; i < status->GetPaneCount(); ++i)
        if (status->GetItemID(i) == 0) {
            status->SetPaneText(i, text.IsEmpty() ? status->m_idleText : text);
            return;
        }
}

} // namespace xtpbars

BOOL CXTPCommandBarsSiteBase::TranslateMenuMnemonic(const MSG* msg)
{
    if (!m_bars || !msg || msg->message != WM_SYSKEYDOWN || ::GetKeyState(VK_CONTROL) < 0)
        return FALSE;
    const WPARAM vk = msg->wParam;
    if (!((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
        return FALSE;
    CXTPMenuBar* menu = m_bars->GetMenuBar();
    if (!menu || !menu->IsVisible())
        return FALSE;
    for (int i = 0; i < menu->GetControls()->GetCount(); ++i) {
        const CXTPControl* c = menu->GetControls()->GetAt(i);
        if (c->IsVisible() && c->GetEnabled() && static_cast<WPARAM>(XTPCaptionMnemonic(c->GetCaption())) == vk)
            return menu->PopupControl(i);
    }
    return FALSE;
}

namespace {

// A look changed: lay out again and repaint the frame with everything in it.
void ThemeChanged(CFrameWnd* frame)
{
    frame->RecalcLayout();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

} // namespace

// --- the single-document frame ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_XTP_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

CXTPFrameWnd::CXTPFrameWnd() = default;
CXTPFrameWnd::~CXTPFrameWnd() = default;

BOOL CXTPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return CFrameWnd::PreTranslateMessage(pMsg) || TranslateMenuMnemonic(pMsg);
}

void CXTPFrameWnd::RecalcLayout(BOOL)
{
    LayoutFrame(this);
}

LRESULT CXTPFrameWnd::OnThemeChanged(WPARAM, LPARAM)
{
    ThemeChanged(this);
    return 0;
}

// --- the multi-document frame -----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPMDIFrameWnd, CMDIFrameWnd)
    ON_MESSAGE(WM_XTP_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

CXTPMDIFrameWnd::CXTPMDIFrameWnd() = default;
CXTPMDIFrameWnd::~CXTPMDIFrameWnd() = default;

BOOL CXTPMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return CMDIFrameWnd::PreTranslateMessage(pMsg) || TranslateMenuMnemonic(pMsg);
}

void CXTPMDIFrameWnd::RecalcLayout(BOOL)
{
    LayoutFrame(this);
}

LRESULT CXTPMDIFrameWnd::OnThemeChanged(WPARAM, LPARAM)
{
    ThemeChanged(this);
    return 0;
}
