// The version history dialog and the host's handle on it.
#include "misc/datadlg/versions_dlg.h"

namespace {

HINSTANCE ResourceModule() { return GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE); }

} // namespace

// ---- CVersionsDlg ----

CVersionsDlg::CVersionsDlg(CVersionsData* versions, CWnd* parent, const char* titleSuffix)
    : m_pVersions(versions), m_pParent(parent), m_titleSuffix(titleSuffix ? titleSuffix : ""),
      m_pDialog(nullptr), m_changed(0)
{
}

CVersionsDlg::~CVersionsDlg() = default;

int CVersionsDlg::OpenFile(int) { return 1; }
int CVersionsDlg::ViewComments(int) { return 0; }
void CVersionsDlg::put_str(char*, FILE*) {}
void CVersionsDlg::put_char(char, FILE*) {}
void CVersionsDlg::put_long(long, FILE*) {}

INT_PTR CVersionsDlg::DoModal()
{
    CVersionsDialog dialog(this, m_pParent);
    m_pDialog = &dialog;
    dialog.DoModal();
    m_pDialog = nullptr;
    return m_changed;
}

void CVersionsDlg::RefreshAsList()
{
    if (m_pDialog && m_pDialog->GetSafeHwnd())
        m_pDialog->Refresh();
}

// ---- CVersionsDialog ----

BEGIN_MESSAGE_MAP(CVersionsDialog, CVmxDialog)
    ON_BN_CLICKED(IDC_MISC_VERSIONS_AUTOSAVE, OnAutoSave)
    ON_BN_CLICKED(IDC_MISC_VERSIONS_OPEN, OnOpen)
    ON_BN_CLICKED(IDC_MISC_VERSIONS_COMMENTS, OnComments)
    ON_BN_CLICKED(IDC_MISC_VERSIONS_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_MISC_VERSIONS_DELETE_COPY, OnDeleteCopy)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MISC_VERSIONS_LIST, OnItemChanged)
END_MESSAGE_MAP()

CVersionsDialog::CVersionsDialog(CVersionsDlg* owner, CWnd* parent)
    : CVmxDialog(IDD_MISC_VERSIONS, parent, 0, ResourceModule(), 0), m_pOwner(owner)
{
}

BOOL CVersionsDialog::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    vmxSetIcon(this, ResourceModule(), IDI_MISC_VERSION_HISTORY);
    if (!m_pOwner->m_titleSuffix.IsEmpty()) {
        CString title;
        GetWindowText(title);
        SetWindowText(title + m_pOwner->m_titleSuffix);
    }
    m_list.SubclassDlgItem(IDC_MISC_VERSIONS_LIST, this);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.InsertColumns();
    Refresh();
    return TRUE;
}

void CVersionsDialog::Refresh()
{
    CVersionsData* versions = m_pOwner->m_pVersions;
    if (versions) {
        // The same rows stay selected while the list keeps its length (no version was deleted).
        CArray<int, int> selected;
        m_list.GetSelection(selected);
        bool keep = m_list.GetItemCount() == versions->GetItemCount();
        m_list.Fill(*versions);
        for (INT_PTR i = 0; keep && i < selected.GetSize(); ++i)
            m_list.SetItemState(selected[i], LVIS_SELECTED, LVIS_SELECTED);
        CheckDlgButton(IDC_MISC_VERSIONS_AUTOSAVE, versions->GetAutomaticSaveVersion() ? BST_CHECKED : BST_UNCHECKED);
    }
    EnableButtons();
}

void CVersionsDialog::EnableButtons()
{
    CVersionsData* versions = m_pOwner->m_pVersions;
    CArray<int, int> rows;
    m_list.GetSelection(rows);
    bool anyCopy = false;
    for (INT_PTR i = 0; versions && i < rows.GetSize(); ++i) {
        CVersionDetail* v = versions->GetAt(rows[i]);
        anyCopy = anyCopy || (v && v->GetContaineFile());
    }
    bool one = rows.GetSize() == 1;
    CVersionDetail* single = one && versions ? versions->GetAt(rows[0]) : nullptr;
    auto enable = [this](int id, bool on) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(on);
    };
    enable(IDC_MISC_VERSIONS_OPEN, single && single->GetContaineFile());
    enable(IDC_MISC_VERSIONS_COMMENTS, one);
    enable(IDC_MISC_VERSIONS_DELETE, rows.GetSize() > 0);
    enable(IDC_MISC_VERSIONS_DELETE_COPY, anyCopy);
}

void CVersionsDialog::OnItemChanged(NMHDR*, LRESULT* result)
{
    EnableButtons();
    if (result)
        *result = 0;
}

void CVersionsDialog::OnAutoSave()
{
    if (CVersionsData* versions = m_pOwner->m_pVersions)
        versions->SetAutomaticSaveVersion(!versions->GetAutomaticSaveVersion());
    m_pOwner->m_changed = 1;
    Refresh();
}

void CVersionsDialog::OnOpen()
{
    CArray<int, int> rows;
    m_list.GetSelection(rows);
    if (rows.GetSize() != 1)
        return;
    if (m_pOwner->OpenFile(rows[0]) == 0) {
        EndDialog(m_pOwner->m_changed);
        return;
    }
    Refresh();
}

void CVersionsDialog::OnComments()
{
    CArray<int, int> rows;
    m_list.GetSelection(rows);
    if (rows.GetSize() != 1)
        return;
    if (m_pOwner->ViewComments(rows[0]))
        m_pOwner->m_changed = 1;
    Refresh();
}

void CVersionsDialog::OnDelete()
{
    CVersionsData* versions = m_pOwner->m_pVersions;
    CArray<int, int> rows;
    m_list.GetSelection(rows);
    if (!versions || rows.GetSize() == 0)
        return;
    for (INT_PTR i = 0; i < rows.GetSize(); ++i)
        versions->Delete(rows[i] - static_cast<int>(i));  // rows above moved up by those deleted
    m_pOwner->m_changed = 1;
    Refresh();
}

void CVersionsDialog::OnDeleteCopy()
{
    CVersionsData* versions = m_pOwner->m_pVersions;
    CArray<int, int> rows;
    m_list.GetSelection(rows);
    if (!versions)
        return;
    for (INT_PTR i = 0; i < rows.GetSize(); ++i)
        if (CVersionDetail* v = versions->GetAt(rows[i]))
            v->SetContaineFile(0);
    m_pOwner->m_changed = 1;
    Refresh();
}

void CVersionsDialog::OnOK() { EndDialog(m_pOwner->m_changed); }

void CVersionsDialog::OnCancel() { EndDialog(m_pOwner->m_changed); }
