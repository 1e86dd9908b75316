// CDialog: templates from the resource modules, modal and modeless use, OK and Cancel, the
// keyboard interface through IsDialogMessage, and MFC's centring after OnInitDialog.
#include "mfc/dialog.h"

#include "dialog/dlgsys.h"
#include "mfc/app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

const MiscResDialog* CDialog::FindTemplate(HINSTANCE* module) const
{
    if (m_lpDialogTemplate) {
        *module = m_hResourceModule ? m_hResourceModule : AfxGetResourceHandle();
        return m_lpDialogTemplate;
    }
    if (!m_lpszTemplateName || !IS_INTRESOURCE(m_lpszTemplateName))
        return nullptr;
    UINT id = static_cast<UINT>(reinterpret_cast<uintptr_t>(m_lpszTemplateName));
    HINSTANCE first[] = {m_hResourceModule, AfxGetResourceHandle()};
    for (HINSTANCE h : first)
        if (h)
            if (const MiscResDialog* t = MiscFindDialog(h, id)) {
                *module = h;
                return t;
            }
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL)
        if (const MiscResDialog* t = MiscFindDialog(lib->m_hResource, id)) {
            *module = lib->m_hResource;
            return t;
        }
    return nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName));
    HINSTANCE module = nullptr;
    const MiscResDialog* t = FindTemplate(&module);
    return t ? CreateIndirect(t, pParentWnd, module) : FALSE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(const MiscResDialog* lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (!lpDialogTemplate || m_hWnd)
        return FALSE;
    if (!pParentWnd && !(lpDialogTemplate->style & WS_CHILD))
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    AfxHookWindowCreate(this);
    HWND hwnd = wndsys::CreateDialogFromTemplate(hInst ? hInst : AfxGetResourceHandle(), lpDialogTemplate,
                                                 MiscSafeHwnd(pParentWnd), nullptr, 0, false);
    AfxUnhookWindowCreate();
    if (!hwnd) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::InitModalIndirect(const MiscResDialog* lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    if (lpDialogTemplate)
        m_nIDHelp = lpDialogTemplate->id;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module = nullptr;
    const MiscResDialog* t = FindTemplate(&module);
    if (!t) {
        wndsys::ModalFailure("dialog " + std::to_string(m_nIDHelp) + " has no template in any resource module");
        return -1;
    }
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND owner = parent ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : nullptr;
    m_hWndTop = owner;
    bool enableParent = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableParent = true;
    }
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hwnd = wndsys::CreateDialogFromTemplate(module, t, owner, nullptr, 0, true);
    AfxUnhookWindowCreate();
    if (hwnd && m_hWnd) {
        if (m_nFlags & WF_CONTINUEMODAL)
            RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd)
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~static_cast<UINT>(WF_CONTINUEMODAL);
    if (enableParent && ::IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    if (owner && ::IsWindow(owner) && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    if (m_hWnd)
        DestroyWindow();
    m_hWndTop = nullptr;
    return m_nModalResult;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    RECT before;
    GetWindowRect(&before);
    BOOL result = OnInitDialog();
    // MFC centres a top-level dialog that did not place itself during OnInitDialog.
    if (m_hWnd && !(GetStyle() & WS_CHILD)) {
        RECT after;
        GetWindowRect(&after);
        if (EqualRect(&before, &after))
            CenterWindow();
    }
    return result;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_MOUSELAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
