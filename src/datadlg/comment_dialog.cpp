// The version comment dialog: asks for the comment of a new version, adds the version record and,
// when asked, stores a copy of the document within the profile's limits.
#include "misc/datadlg/comment_dlg.h"

#include <new>

#include "misc/datadlg/versions_dlg.h"
#include "misc/frame/profile.h"

namespace {

HINSTANCE ResourceModule() { return GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE); }

int AskResourceQuestion(CWnd* owner, UINT textId, UINT icon)
{
    CString text;
    {
        CCallResourceScope scope;
        text.LoadString(textId);
    }
    return owner->MessageBox(text, nullptr, MB_OKCANCEL | icon);
}

} // namespace

BEGIN_MESSAGE_MAP(CCommentDialog, CVmxDialog)
    ON_BN_CLICKED(IDC_MISC_COMMENT_STORE_COPY, OnStoreCopy)
    ON_BN_CLICKED(IDC_MISC_COMMENT_SAVE_ONLY, OnSaveOnly)
END_MESSAGE_MAP()

CCommentDialog::CCommentDialog(CVersionsData* versions, CWnd* parent)
    : CVmxDialog(IDD_MISC_VERSION_COMMENT, parent, 0, ResourceModule(), 0),
      m_dateTime(CTime::GetCurrentTime()), m_storeCopy(0), m_viewOnly(0), m_pVersions(versions),
      m_pOwner(nullptr), m_maxStorage(MISC_MAX_STORAGE_DEFAULT),
      m_maxStorageWarning(MISC_MAX_STORAGE_WARNING_DEFAULT)
{
}

BOOL CCommentDialog::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    vmxSetIcon(this, ResourceModule(), IDI_MISC_VERSION_HISTORY);
    m_comment.SubclassDlgItem(IDC_MISC_COMMENT_TEXT, this);
    SetDlgItemText(IDC_MISC_COMMENT_DATE, m_dateTime.Format("%c"));
    SetDlgItemText(IDC_MISC_COMMENT_SAVED_BY, m_savedBy);
    m_comment.SetWindowText(m_comments);
    CheckDlgButton(IDC_MISC_COMMENT_STORE_COPY, m_storeCopy ? BST_CHECKED : BST_UNCHECKED);
    if (m_viewOnly) {
        if (CWnd* check = GetDlgItem(IDC_MISC_COMMENT_STORE_COPY))
            check->ShowWindow(SW_HIDE);
    }
    return TRUE;
}

void CCommentDialog::OnStoreCopy() { m_storeCopy = !m_storeCopy; }

void CCommentDialog::OnSaveOnly() { EndDialog(IDOK); }

bool CCommentDialog::AskStorageLimits()
{
    if (!m_pVersions)
        return true;
    int stored = m_pVersions->GetFilesCount();
    if (stored >= m_maxStorageWarning && stored < m_maxStorage)
        AskResourceQuestion(this, IDS_MISC_STORAGE_WARNING, MB_ICONEXCLAMATION);  // either answer goes on
    if (stored >= m_maxStorage) {
        if (AskResourceQuestion(this, IDS_MISC_STORAGE_LIMIT, MB_ICONSTOP) != IDOK)
            return false;
        m_pVersions->DeleteLastFile();
    }
    return true;
}

void CCommentDialog::StoreCopy(CVersionDetail& record)
{
    CUniversalReadWrite* writer = m_pVersions->m_pWriter;
    FILE* storage = CVersionsData::GetTmpVersionsStorage(writer);
    if (!storage || !writer || !m_pOwner) {
        record.SetContaineFile(0);
        return;
    }
    writer->fseekData(storage, 0, SEEK_END);
    long start = writer->ftellData(storage);
    m_pOwner->WriteDocument(storage);
    writer->fseekData(storage, 0, SEEK_END);
    record.SetPosInFile(start);
    record.SetPosInFileEnd(writer->ftellData(storage));
    record.SetContaineFile(1);
}

void CCommentDialog::OnOK()
{
    if (m_storeCopy && !m_viewOnly && !AskStorageLimits())
        return;  // back to the dialog, nothing added
    m_comment.GetWindowText(m_comments);
    if (m_viewOnly || !m_pVersions) {
        EndDialog(IDOK);
        return;
    }
    CVersionDetail record(m_pVersions->m_pWriter);
    record.SetComments(m_comments);
    GetDlgItemText(IDC_MISC_COMMENT_SAVED_BY, m_savedBy);
    record.SetDateAndTime(m_dateTime);
    record.SetSavedBy(m_savedBy);
    if (m_storeCopy)
        StoreCopy(record);
    else
        record.SetContaineFile(0);
    m_pVersions->AddVersion(record);
    EndDialog(IDOK);
}

CCommentDlg::CCommentDlg(CVersionsData* versions, CWnd* parent)
    : m_pVersions(versions), m_pDialog(new (std::nothrow) CCommentDialog(versions, parent))
{
    if (!m_pDialog)
        return;
    char user[50] = "";
    DWORD size = sizeof user;
    if (GetUserNameA(user, &size))
        m_pDialog->m_savedBy = user;
    m_pDialog->m_maxStorage = ProfileReadInt(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_KEY, MISC_MAX_STORAGE_DEFAULT, 1);
    m_pDialog->m_maxStorageWarning =
        ProfileReadInt(MISC_HISTORY_SECTION, MISC_MAX_STORAGE_WARNING_KEY, MISC_MAX_STORAGE_WARNING_DEFAULT, 1);
}

CCommentDlg::CCommentDlg(CVersionsData* versions, CVersionDetail* detail, CWnd* parent)
    : m_pVersions(versions), m_pDialog(new (std::nothrow) CCommentDialog(versions, parent))
{
    if (!m_pDialog)
        return;
    m_pDialog->m_viewOnly = 1;
    if (detail) {
        m_pDialog->m_dateTime = detail->GetDateAndTime();
        m_pDialog->m_savedBy = detail->GetSavedBy();
        m_pDialog->m_comments = detail->GetComments();
    }
}

CCommentDlg::~CCommentDlg() { delete m_pDialog; }

int CCommentDlg::DoModal()
{
    if (!m_pDialog)
        return IDCANCEL;
    m_pDialog->m_pOwner = this;
    return static_cast<int>(m_pDialog->DoModal());
}

const char* CCommentDlg::GetComments()
{
    static CString shared;
    shared = m_pDialog ? m_pDialog->m_comments : CString();
    return shared.GetString();
}
