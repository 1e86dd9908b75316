// The e-mail compose dialog's files: adding through the file chooser, removing, the single file.
#include "misc/datadlg/emaildlg.h"

#include <vector>

namespace {

// A display name without the line feed that ends the names added in the dialog.
CString Shown(CString name)
{
    name.TrimRight("\r\n");
    return name;
}

} // namespace

// The check box is offered while nothing is attached to the message yet.
bool CEmailDialog::SingleOffered() const { return m_singleFile && m_attachedCount == 0; }

int CEmailDialog::FindSingle() const
{
    for (INT_PTR i = m_attachedCount; i < m_names.GetSize() && i < m_paths.GetSize(); ++i) {
        if (m_paths[i] == m_singlePath && Shown(m_names[i]) == m_singleName)
            return static_cast<int>(i);
    }
    return -1;
}

void CEmailDialog::IncludeSingle(bool include)
{
    const int at = FindSingle();
    if (include && at < 0) {
        m_names.Add(m_singleName);
        m_paths.Add(m_singlePath);
    } else if (!include && at >= 0) {
        m_names.RemoveAt(at);
        m_paths.RemoveAt(at);
    }
    ShowFiles();
}

void CEmailDialog::ShowFiles()
{
    CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_EMAIL_FILES));
    if (!list)
        return;
    list->ResetContent();
    for (INT_PTR i = 0; i < m_names.GetSize(); ++i)
        list->AddString(Shown(m_names[i]));
}

void CEmailDialog::OnAddFile()
{
    char names[MISC_EMAIL_FILE_BUFFER] = "";
    CFileDialog chooser(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        MISC_EMAIL_ADD_FILE_FILTER, this);
    chooser.m_ofn.lpstrFile = names;
    chooser.m_ofn.nMaxFile = sizeof names;
    chooser.m_ofn.lpstrTitle = MISC_EMAIL_ADD_FILE_TITLE;
    if (chooser.DoModal() != IDOK)
        return;
    for (POSITION pos = chooser.GetStartPosition(); pos;) {
        const CString path = chooser.GetNextPathName(pos);
        char name[_MAX_FNAME], ext[_MAX_EXT];
        _splitpath(path, nullptr, nullptr, name, ext);
        m_paths.Add(path);
        m_names.Add(CString(name) + ext + "\n");
    }
    ShowFiles();
}

// The chosen files go; with none chosen, every file added here. Files already attached to the
// message stay.
void CEmailDialog::OnRemoveFiles()
{
    CListBox* list = static_cast<CListBox*>(GetDlgItem(IDC_MISC_EMAIL_FILES));
    std::vector<int> chosen;
    if (list) {
        const int count = list->GetSelCount();
        if (count > 0) {
            chosen.resize(static_cast<size_t>(count));
            chosen.resize(static_cast<size_t>(list->GetSelItems(count, chosen.data())));
        }
    }
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        if (*it < m_attachedCount || *it >= m_names.GetSize() || *it >= m_paths.GetSize())
            continue;
        m_names.RemoveAt(*it);
        m_paths.RemoveAt(*it);
    }
    if (chosen.empty()) {
        const INT_PTR keep = m_attachedCount;
        if (m_names.GetSize() > keep)
            m_names.SetSize(keep);
        if (m_paths.GetSize() > keep)
            m_paths.SetSize(keep);
    }
    if (SingleOffered() && FindSingle() < 0)
        CheckDlgButton(IDC_MISC_EMAIL_SINGLE_FILE, BST_UNCHECKED);
    ShowFiles();
}

void CEmailDialog::OnSingleFile() { IncludeSingle(IsDlgButtonChecked(IDC_MISC_EMAIL_SINGLE_FILE) != 0); }
