// The e-mail compose dialog: start-up, recipients, OK, and the hook the e-mail support calls.
#include "misc/datadlg/emaildlg.h"

BEGIN_MESSAGE_MAP(CEmailDialog, CDialog)
    ON_BN_CLICKED(IDC_MISC_EMAIL_ADD_RECIPIENT, OnAddRecipient)
    ON_BN_CLICKED(IDC_MISC_EMAIL_CLEAR_RECIPIENTS, OnClearRecipients)
    ON_BN_CLICKED(IDC_MISC_EMAIL_ADD_FILE, OnAddFile)
    ON_BN_CLICKED(IDC_MISC_EMAIL_REMOVE_FILES, OnRemoveFiles)
    ON_BN_CLICKED(IDC_MISC_EMAIL_SINGLE_FILE, OnSingleFile)
END_MESSAGE_MAP()

// The library's resource module is current from here until the dialog object goes, so the
// template and the bitmaps come from it.
CEmailDialog::CEmailDialog(CWnd* parent) : CDialog(IDD_MISC_EMAIL, parent) { m_resource.Switch(); }

CEmailDialog::~CEmailDialog() = default;

BOOL CEmailDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_recipient.Initialize(IDC_MISC_EMAIL_RECIPIENT, this, MISC_EMAIL_RECIPIENT_LIST);
    if (m_addButton.LoadBitmaps(IDB_MISC_EMAIL_ADD, IDB_MISC_EMAIL_ADD_DOWN, IDB_MISC_EMAIL_ADD_FOCUS) &&
        m_addButton.SubclassDlgItem(IDC_MISC_EMAIL_ADD_RECIPIENT, this))
        m_addButton.SizeToContent();
    if (m_clearButton.LoadBitmaps(IDB_MISC_EMAIL_CLEAR, IDB_MISC_EMAIL_CLEAR_DOWN, IDB_MISC_EMAIL_CLEAR_FOCUS) &&
        m_clearButton.SubclassDlgItem(IDC_MISC_EMAIL_CLEAR_RECIPIENTS, this))
        m_clearButton.SizeToContent();
    // At first the message's recipients, joined as the mail program showed them.
    CString shown;
    for (INT_PTR i = 0; i < m_recipients.GetSize(); ++i)
        shown += (i ? " ," : "") + m_recipients[i];
    SetDlgItemText(IDC_MISC_EMAIL_RECIPIENTS, shown);
    SetDlgItemText(IDC_MISC_EMAIL_SUBJECT, m_subject);
    SetDlgItemText(IDC_MISC_EMAIL_TEXT, m_text);
    if (CWnd* check = GetDlgItem(IDC_MISC_EMAIL_SINGLE_FILE)) {
        check->ShowWindow(SingleOffered() ? SW_SHOW : SW_HIDE);
        CheckDlgButton(IDC_MISC_EMAIL_SINGLE_FILE, SingleOffered() && m_includeSingle ? BST_CHECKED : BST_UNCHECKED);
    }
    if (SingleOffered())
        IncludeSingle(m_includeSingle != 0);
    ShowFiles();
    return TRUE;
}

// Every recipient, each followed by ", ". The message's own recipients stay: the dialog adds to
// them and cannot take them back.
void CEmailDialog::ShowRecipients()
{
    CString shown;
    for (INT_PTR i = 0; i < m_recipients.GetSize(); ++i)
        shown += m_recipients[i] + ", ";
    for (INT_PTR i = 0; i < m_newRecipients.GetSize(); ++i)
        shown += m_newRecipients[i] + ", ";
    SetDlgItemText(IDC_MISC_EMAIL_RECIPIENTS, shown);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(m_recipients.GetSize() + m_newRecipients.GetSize() > 0);
}

void CEmailDialog::OnAddRecipient()
{
    CString typed;
    m_recipient.GetWindowText(typed);
    typed.Trim();
    if (!typed.IsEmpty())
        m_newRecipients.Add(typed);
    ShowRecipients();
}

void CEmailDialog::OnClearRecipients()
{
    m_newRecipients.RemoveAll();
    ShowRecipients();
}

void CEmailDialog::OnOK()
{
    // The message's own recipients count: a message opened for an address can go as it is.
    if (m_recipients.GetSize() + m_newRecipients.GetSize() == 0) {
        AfxMessageBox(MISC_EMAIL_NO_RECIPIENT, MB_OK);
        return;
    }
    GetDlgItemText(IDC_MISC_EMAIL_SUBJECT, m_subject);
    GetDlgItemText(IDC_MISC_EMAIL_TEXT, m_text);
    m_includeSingle = SingleOffered() && IsDlgButtonChecked(IDC_MISC_EMAIL_SINGLE_FILE) ? 1 : 0;
    m_recipient.CloseAndAddString();
    CDialog::OnOK();
}

namespace {

void CopyStrings(CStringArray& to, const CStringArray& from)
{
    to.RemoveAll();
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.Add(from[i]);
}

} // namespace

void CEmailDialog::SetComposeData(const CEmailComposeData& data)
{
    CopyStrings(m_recipients, data.recipients);
    m_newRecipients.RemoveAll();
    m_subject = data.subject;
    m_text = data.text;
    CopyStrings(m_names, data.names);
    CopyStrings(m_paths, data.paths);
    m_attachedCount = data.attachedCount;
    m_singleFile = data.singleFile;
    m_singleName = data.singleName;
    m_singlePath = data.singlePath;
    m_includeSingle = data.includeSingle;
}

void CEmailDialog::GetComposeData(CEmailComposeData& data) const
{
    CopyStrings(data.newRecipients, m_newRecipients);
    data.subject = m_subject;
    data.text = m_text;
    CopyStrings(data.names, m_names);
    CopyStrings(data.paths, m_paths);
    data.includeSingle = m_includeSingle;
}

bool MiscRunEmailDialog(CEmailComposeData& data)
{
    CEmailDialog dialog(nullptr);
    dialog.SetComposeData(data);
    if (dialog.DoModal() != IDOK)
        return false;
    dialog.GetComposeData(data);
    return true;
}

void MiscRegisterEmailDialog() { SetEmailComposeDialog(&MiscRunEmailDialog); }
