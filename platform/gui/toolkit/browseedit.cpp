// The file-browse edit stand-in: an edit with a "..." button that asks for a file.
#include "toolkit/browseedit.h"

#include <afxdlgs.h>

// The button beside the edit; its click comes back to it reflected by the dialog.
class SECBrowseFileEdit::Button : public CButton {
public:
    explicit Button(SECBrowseFileEdit* owner) : m_owner(owner) {}

protected:
    afx_msg void OnClicked() { m_owner->OnBrowse(); }
    DECLARE_MESSAGE_MAP()

private:
    SECBrowseFileEdit* m_owner;
};

BEGIN_MESSAGE_MAP(SECBrowseFileEdit::Button, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(SECBrowseFileEdit, CEdit)

BEGIN_MESSAGE_MAP(SECBrowseFileEdit, CEdit)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

SECBrowseFileEdit::~SECBrowseFileEdit()
{
    if (m_pButton && m_pButton->GetSafeHwnd())
        m_pButton->DestroyWindow();
    delete m_pButton;
}

CButton* SECBrowseFileEdit::GetBrowseButton()
{
    return m_pButton;
}

BOOL SECBrowseFileEdit::Initialize(UINT nID, CWnd* pDlg)
{
    if (!pDlg || GetSafeHwnd())
        return FALSE;
    HWND edit = ::GetDlgItem(pDlg->GetSafeHwnd(), static_cast<int>(nID));
    if (!edit || !SubclassWindow(edit))
        return FALSE;
    CRect r;
    GetWindowRect(&r);
    pDlg->ScreenToClient(&r);
    const int side = r.Height();
    MoveWindow(r.left, r.top, r.Width() > 2 * side ? r.Width() - side - 2 : r.Width(), r.Height());
    m_pButton = new Button(this);
    const CRect button(r.right - side, r.top, r.right, r.bottom);
    if (!m_pButton->Create("...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, button, pDlg, BROWSE_EDIT_BUTTON_ID)) {
        delete m_pButton;
        m_pButton = nullptr;
        return FALSE;
    }
    m_pButton->SetFont(pDlg->GetFont(), FALSE);
    m_pButton->SetWindowPos(this, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL SECBrowseFileEdit::OnBrowse()
{
    CString current;
    GetWindowText(current);
    CFileDialog chooser(TRUE, nullptr, current.IsEmpty() ? nullptr : static_cast<LPCTSTR>(current),
                        OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, m_filter.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_filter),
                        GetParent());
    if (!m_title.IsEmpty())
        chooser.m_ofn.lpstrTitle = m_title;
    if (chooser.DoModal() != IDOK)
        return FALSE;
    SetWindowText(chooser.GetPathName());
    SetFocus();
    SetSel(0, -1);
    return TRUE;
}

void SECBrowseFileEdit::OnDestroy()
{
    if (m_pButton && m_pButton->GetSafeHwnd())
        m_pButton->DestroyWindow();
    CEdit::OnDestroy();
}
