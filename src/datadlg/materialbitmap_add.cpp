// CMaterialAddDialog, which asks for a new material's name, and CMaterialProfile, which chooses
// the fabric pattern profile.
#include <misc/datadlg/materialbitmap.h>

#include <misc/data/combolist.h>
#include <mfc/resscope.h>

#include <cstring>

namespace {

HINSTANCE Resources()
{
    return GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE);
}

} // namespace

CMaterialAddDialog::CMaterialAddDialog(const MatGridCtrl& rows, CWnd* parent)
    : CVmxDialog(IDD_MATERIAL_ADD, parent, 0, Resources(), 0), m_rows(rows)
{
}

BOOL CMaterialAddDialog::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    // The remembered material names, most recent first; the field starts empty.
    CComboItemList names;
    names.Load(COMBO_LIST_MATERIAL_NAME);
    if (auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_MATERIAL_ADD_NAME)))
        for (int i = 0; i < names.GetSize(); ++i)
            if (CComboItem* item = names.GetComboItem(i))
                combo->AddString(item->m_strName);
    SetDlgItemText(IDC_MATERIAL_ADD_NAME, "");
    return TRUE;
}

void CMaterialAddDialog::OnOK()
{
    GetDlgItemText(IDC_MATERIAL_ADD_NAME, m_name);
    m_name.Trim();
    for (ROWCOL row = 1; row <= m_rows.GetRowCount(); ++row) {
        CString other = m_rows.GetValueRowCol(row, MatGridCtrl::kName);
        other.Trim();
        if (other.CompareNoCase(m_name) != 0)
            continue;
        // An empty name is entry 0's.
        CString text, caption;
        text.LoadString(m_name.IsEmpty() ? IDS_MATERIAL_NAME_EMPTY : IDS_MATERIAL_NAME_EXISTS);
        caption.LoadString(IDS_MATERIAL_ADD_CAPTION);
        MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The name enters the history of the field (the stored material names) at the front.
    CComboItemList names;
    names.Load(COMBO_LIST_MATERIAL_NAME);
    CString listName;
    getNameByType(listName, COMBO_LIST_MATERIAL_NAME);
    CComboItem item(m_name, listName);
    names.AddNewComboItem(item, 1);
    names.Store(COMBO_LIST_MATERIAL_NAME);
    EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CMaterialProfile, CVmxDialog)
    ON_BN_CLICKED(IDC_MATERIAL_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_MATERIAL_PATH, OnPathChanged)
    ON_BN_CLICKED(IDC_MATERIAL_LOAD, OnLoad)
END_MESSAGE_MAP()

CMaterialProfile::CMaterialProfile(const CString& path, int selectorArg, CWnd* parent)
    : CVmxDialog(IDD_MATERIAL_PROFILE, parent, 0, Resources(), 0), m_path(path), m_selectorArg(selectorArg)
{
}

BOOL CMaterialProfile::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    SetDlgItemText(IDC_MATERIAL_PATH, m_path);
    UpdateLoadButton();
    return TRUE;
}

void CMaterialProfile::UpdateLoadButton()
{
    CString text;
    GetDlgItemText(IDC_MATERIAL_PATH, text);
    char path[MAX_PATH];
    std::strncpy(path, text.GetString(), MAX_PATH - 1);
    path[MAX_PATH - 1] = '\0';
    if (CWnd* button = GetDlgItem(IDC_MATERIAL_LOAD))
        button->EnableWindow(MaterialProfileLoadable(path));
}

void CMaterialProfile::OnPathChanged()
{
    UpdateLoadButton();
}

void CMaterialProfile::OnBrowse()
{
    CString title, filter, pattern;
    title.LoadString(IDS_MATERIAL_BROWSE_TITLE);
    if (filter.LoadString(IDS_MATERIAL_FILTER_NAME) && pattern.LoadString(IDS_MATERIAL_FILTER_PATTERN))
        filter += pattern;
    else
        filter = MATERIAL_FILE_FILTER;
    CString current;
    GetDlgItemText(IDC_MATERIAL_PATH, current);
    char path[MAX_PATH];
    std::strncpy(path, current.GetString(), MAX_PATH - 1);
    path[MAX_PATH - 1] = '\0';
    if (!SelectFileFpf(GetSafeHwnd(), path, MAX_PATH, "*.fpf", title, filter, m_selectorArg))
        return;
    char full[MAX_PATH];
    SetDlgItemText(IDC_MATERIAL_PATH, _fullpath(full, path, MAX_PATH) ? full : path);
}

void CMaterialProfile::OnOK()
{
    GetDlgItemText(IDC_MATERIAL_PATH, m_path);
    m_path.Trim();
    EndDialog(IDOK);
}

void CMaterialProfile::OnLoad()
{
    m_load = TRUE;
    OnOK();
}
