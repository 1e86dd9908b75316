// CPropertyPage: a dialog template shown as a page of a property sheet, answering the sheet's
// PSN_ notifications through its virtual functions; and the scripted user's reach into sheets.
#include "mfc/propsheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() { m_psp.dwSize = sizeof(m_psp); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD)
{
    m_psp.dwSize = sizeof(m_psp);
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD)
{
    m_psp.dwSize = sizeof(m_psp);
    Construct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    m_psp.pszTemplate = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName));
    if (nIDCaption) {
        m_strCaption.LoadString(nIDCaption);
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption.GetString();
    }
}

CString CPropertyPage::GetTabText() const
{
    if ((m_psp.dwFlags & PSP_USETITLE) && m_psp.pszTitle)
        return CString(m_psp.pszTitle);
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    HINSTANCE module = nullptr;
    const MiscResDialog* t = FindTemplate(&module);
    return CString(t && t->caption ? t->caption : "");
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (sheet)
        ::SendMessageA(sheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose()
{
    HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (sheet)
        ::SendMessageA(sheet, PSM_CANCELTOCLOSE, 0, 0);
}

BOOL CPropertyPage::OnSetActive()
{
    // The first time the page shows, OnInitDialog has just filled it.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
// A page never ends itself: OK and Cancel belong to the sheet.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    // The sheet's dialog keys (Tab across pages, Enter, Escape, Ctrl+Tab) are the sheet's.
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!hdr || hdr->hwndFrom != sheet)
        return CDialog::OnNotify(wParam, lParam, pResult);
    switch (hdr->code) {
    case PSN_SETACTIVE: *pResult = OnSetActive() ? 0 : -1; return TRUE;
    case PSN_KILLACTIVE: *pResult = OnKillActive() ? FALSE : TRUE; return TRUE;
    case PSN_APPLY: *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; return TRUE;
    case PSN_RESET: OnReset(); *pResult = 0; return TRUE;
    case PSN_QUERYCANCEL: *pResult = OnQueryCancel() ? FALSE : TRUE; return TRUE;
    case PSN_HELP: ::SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0); *pResult = 0; return TRUE;
    default: return CDialog::OnNotify(wParam, lParam, pResult);
    }
}

// ---- The scripted user's reach ----

HWND MiscPropertySheetTab(HWND sheet)
{
    return IsWindow(sheet) ? reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)) : nullptr;
}

HWND MiscPropertySheetPage(HWND sheet)
{
    return IsWindow(sheet) ? reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
}

BOOL MiscSelectPropertyPage(HWND sheet, const char* caption)
{
    HWND tab = MiscPropertySheetTab(sheet);
    return tab && MiscClickTab(tab, caption);
}
