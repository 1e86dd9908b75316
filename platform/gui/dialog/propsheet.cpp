// CPropertySheet: the sheet window (a dialog built here: a tab control and the buttons), its
// pages, the page protocol (PSN_ to the pages, PSM_ from them), and its keyboard interface.
#include "mfc/propsheet.h"

#include <algorithm>

#include "dialog/dlgsys.h"
#include "mfc/app.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(PSM_SETCURSEL, OnSetCurSel)
    ON_MESSAGE(PSM_CHANGED, OnChanged)
    ON_MESSAGE(PSM_UNCHANGED, OnUnchanged)
    ON_MESSAGE(PSM_CANCELTOCLOSE, OnCancelToClose)
    ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
    ON_MESSAGE(PSM_GETTABCONTROL, OnGetTabControl)
    ON_MESSAGE(PSM_GETCURRENTPAGEHWND, OnGetCurrentPage)
    ON_MESSAGE(PSM_SETTITLEA, OnSetTitle)
    ON_MESSAGE(WM_CLOSE, OnCloseSheet)
END_MESSAGE_MAP()


CPropertySheet::CPropertySheet() { m_psh.dwSize = sizeof(m_psh); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CString caption;
    caption.LoadString(nIDCaption);
    Construct(caption.GetString(), pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_psh.dwSize = sizeof(m_psh);
    m_strCaption = pszCaption ? pszCaption : "";
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

// ---- Pages ----

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage || GetPageIndex(pPage) >= 0)
        return;
    m_pages.push_back(pPage);
    if (m_hWnd)
        m_tab.InsertItem(GetPageCount() - 1, pPage->GetTabText().GetString());
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    CPropertyPage* page = m_pages[static_cast<size_t>(nPage)];
    m_pages.erase(m_pages.begin() + nPage);
    if (!m_hWnd)
        return;
    m_tab.DeleteItem(nPage);
    if (page->m_hWnd)
        page->DestroyWindow();
    if (m_active == nPage) {
        m_active = -1;
        if (!m_pages.empty()) {
            m_tab.SetCurSel(0);
            ShowPage(0);
        }
    } else if (m_active > nPage) {
        --m_active;
    }
    UpdateApply();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const { return m_hWnd ? m_active : static_cast<int>(m_psh.nStartPage); }
CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return ChangePage(nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

CTabCtrl* CPropertySheet::GetTabControl() const { return m_tab.m_hWnd ? const_cast<CTabCtrl*>(&m_tab) : nullptr; }

CString CPropertySheet::WindowCaption() const
{
    if (m_psh.dwFlags & PSH_PROPTITLE) {
        CString out = "Properties for ";
        out += m_strCaption;
        return out;
    }
    return m_strCaption;
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText ? lpszText : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~static_cast<DWORD>(PSH_PROPTITLE)) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd)
        SetWindowText(WindowCaption());
}

LRESULT CPropertySheet::SendToPage(CPropertyPage* page, UINT code, LPARAM lParam)
{
    if (!page || !page->m_hWnd)
        return 0;
    PSHNOTIFY nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = 0;
    nm.hdr.code = code;
    nm.lParam = lParam;
    return ::SendMessageA(page->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

bool CPropertySheet::CreatePageWindow(CPropertyPage* page)
{
    if (page->m_hWnd)
        return true;
    HINSTANCE module = nullptr;
    const MiscResDialog* t = page->FindTemplate(&module);
    if (!t) {
        wndsys::ModalFailure("property page " + std::to_string(page->m_nIDHelp) + " has no template in any resource module");
        return false;
    }
    // The page is a child of the sheet, without the frame and caption its template may carry.
    page->m_childTemplate = *t;
    page->m_childTemplate.style = (t->style & ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                                                  WS_DISABLED | WS_VISIBLE | DS_MODALFRAME)) |
                                  WS_CHILD;
    page->m_childTemplate.exStyle |= WS_EX_CONTROLPARENT;
    page->m_bFirstSetActive = TRUE;
    page->m_modified = false;
    return page->CreateIndirect(&page->m_childTemplate, this, module) && page->m_hWnd;
}

bool CPropertySheet::ShowPage(int index)
{
    CPropertyPage* page = GetPage(index);
    if (!page || !CreatePageWindow(page))
        return false;
    if (SendToPage(page, PSN_SETACTIVE) == -1)
        return false; // the page does not want to be shown
    if (!m_hWnd || !page->m_hWnd)
        return false;
    RECT display;
    m_tab.GetWindowRect(&display);
    ScreenToClient(&display);
    m_tab.AdjustRect(FALSE, &display);
    // Above the tab control, which would otherwise paint its pane over the page.
    page->SetWindowPos(&CWnd::wndTop, display.left, display.top, display.right - display.left, display.bottom - display.top,
                       SWP_NOACTIVATE);
    HWND focus = ::GetFocus();
    CPropertyPage* old = GetPage(m_active);
    bool focusInOld = old && old != page && old->m_hWnd && (focus == old->m_hWnd || ::IsChild(old->m_hWnd, focus));
    page->ShowWindow(SW_SHOW);
    if (old && old != page && old->m_hWnd)
        old->ShowWindow(SW_HIDE);
    m_active = index;
    if (m_tab.GetCurSel() != index)
        m_tab.SetCurSel(index);
    if (focusInOld || !focus)
        m_tab.SetFocus();
    return true;
}

bool CPropertySheet::LeavePage()
{
    CPropertyPage* page = GetPage(m_active);
    return !page || SendToPage(page, PSN_KILLACTIVE) == 0;
}

bool CPropertySheet::ChangePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (index == m_active)
        return true;
    if (!LeavePage())
        return false;
    int before = m_active;
    if (!ShowPage(index)) {
        if (m_tab.m_hWnd && before >= 0)
            m_tab.SetCurSel(before);
        return false;
    }
    return true;
}

bool CPropertySheet::ApplyAll(bool closing)
{
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = m_pages[static_cast<size_t>(i)];
        if (!page->m_hWnd)
            continue;
        LRESULT r = SendToPage(page, PSN_APPLY, closing);
        if (r == PSNRET_INVALID || r == PSNRET_INVALID_NOCHANGEPAGE) {
            if (r == PSNRET_INVALID)
                ShowPage(i);
            return false;
        }
    }
    for (CPropertyPage* page : m_pages)
        page->m_modified = false;
    UpdateApply();
    return true;
}

void CPropertySheet::UpdateApply()
{
    bool any = std::any_of(m_pages.begin(), m_pages.end(), [](CPropertyPage* p) { return p->m_hWnd && p->m_modified; });
    if (HWND apply = ::GetDlgItem(m_hWnd, ID_APPLY_NOW))
        ::EnableWindow(apply, any);
}

void CPropertySheet::Finish(int result)
{
    if (m_bModeless)
        DestroyWindow();
    else
        EndDialog(result);
}

void CPropertySheet::EndDialog(int nEndID)
{
    if (m_hWnd)
        ::EndDialog(m_hWnd, nEndID);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        if (LeavePage() && ApplyAll(true))
            Finish(IDOK);
        return TRUE;
    case IDCANCEL:
        if (SendToPage(GetPage(m_active), PSN_QUERYCANCEL) != 0)
            return TRUE; // the page keeps the sheet open
        for (CPropertyPage* page : m_pages)
            SendToPage(page, PSN_RESET);
        Finish(IDCANCEL);
        return TRUE;
    case ID_APPLY_NOW:
        if (LeavePage())
            ApplyAll(false);
        return TRUE;
    case IDHELP:
        SendToPage(GetPage(m_active), PSN_HELP);
        return TRUE;
    default: return CWnd::OnCommand(wParam, lParam);
    }
}

BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr && hdr->hwndFrom == m_tab.m_hWnd) {
        if (hdr->code == TCN_SELCHANGING) {
            *pResult = LeavePage() ? FALSE : TRUE;
            return TRUE;
        }
        if (hdr->code == TCN_SELCHANGE) {
            int before = m_active;
            if (!ShowPage(m_tab.GetCurSel()) && before >= 0)
                m_tab.SetCurSel(before);
            *pResult = 0;
            return TRUE;
        }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertySheet::PressButton(int nButton)
{
    return m_hWnd && ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

// ---- PSM_ messages from the pages ----

LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM) { return ChangePage(static_cast<int>(wParam)); }

LRESULT CPropertySheet::OnChanged(WPARAM wParam, LPARAM)
{
    for (CPropertyPage* page : m_pages)
        if (page->m_hWnd && page->m_hWnd == reinterpret_cast<HWND>(wParam))
            page->m_modified = true;
    UpdateApply();
    return 0;
}

LRESULT CPropertySheet::OnUnchanged(WPARAM wParam, LPARAM)
{
    for (CPropertyPage* page : m_pages)
        if (page->m_hWnd && page->m_hWnd == reinterpret_cast<HWND>(wParam))
            page->m_modified = false;
    UpdateApply();
    return 0;
}

LRESULT CPropertySheet::OnCancelToClose(WPARAM, LPARAM)
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDCANCEL), FALSE);
    ::SetDlgItemTextA(m_hWnd, IDOK, "Close");
    return 0;
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM)
{
    int id = wParam == PSBTN_OK ? IDOK : wParam == PSBTN_CANCEL ? IDCANCEL : wParam == PSBTN_APPLYNOW ? ID_APPLY_NOW
           : wParam == PSBTN_HELP ? IDHELP : 0;
    HWND button = id ? ::GetDlgItem(m_hWnd, id) : nullptr;
    if (button && ::IsWindowEnabled(button))
        OnCommand(MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return 0;
}

LRESULT CPropertySheet::OnGetTabControl(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_tab.m_hWnd); }

LRESULT CPropertySheet::OnGetCurrentPage(WPARAM, LPARAM)
{
    CPropertyPage* page = GetPage(m_active);
    return reinterpret_cast<LRESULT>(page ? page->m_hWnd : nullptr);
}

LRESULT CPropertySheet::OnSetTitle(WPARAM wParam, LPARAM lParam)
{
    SetTitle(reinterpret_cast<LPCSTR>(lParam), static_cast<UINT>(wParam));
    return 0;
}

LRESULT CPropertySheet::OnCloseSheet(WPARAM, LPARAM)
{
    // After CancelToClose the close box means "Close", which is OK.
    HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    int id = cancel && !::IsWindowEnabled(cancel) ? IDOK : IDCANCEL;
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, id)));
    return 0;
}
