// CToolsLayersTableDialog: the tool layers table, and ToolsLayersTable, which shows it.
#include <misc/datadlg/toolslayers.h>

#include <mfc/resscope.h>

#include <algorithm>
#include <vector>

namespace {

bool Held(int vk)
{
    return GetKeyState(vk) < 0;
}

CString Trimmed(const CString& text)
{
    CString copy(text);
    copy.Trim();
    return copy;
}

// The number a new layer gets: the reference tool's number plus one (minus one before it), at
// least the smallest valid number; when a tool has it already, or it is past the largest valid
// number, the smallest number no tool has.
int ProposedNumber(const CToolsArray& tools, INT_PTR reference, bool before)
{
    int number = TOOLS_MIN_NUMBER;
    if (reference >= 0 && reference < tools.GetSize()) {
        const long long next = static_cast<long long>(tools[reference].m_number) + (before ? -1 : 1);
        number = static_cast<int>(std::clamp<long long>(next, TOOLS_MIN_NUMBER, TOOLS_MAX_NUMBER + 1LL));
    }
    std::vector<bool> used(TOOLS_MAX_NUMBER + 2, false);
    for (INT_PTR i = 0; i < tools.GetSize(); ++i) {
        const int n = tools[i].m_number;
        if (n >= TOOLS_MIN_NUMBER && n <= TOOLS_MAX_NUMBER)
            used[static_cast<size_t>(n)] = true;
    }
    used[TOOLS_MAX_NUMBER + 1] = true;
    if (!used[static_cast<size_t>(number)])
        return number;
    number = TOOLS_MIN_NUMBER;
    while (number <= TOOLS_MAX_NUMBER && used[static_cast<size_t>(number)])
        ++number;
    return number;
}

} // namespace

BEGIN_MESSAGE_MAP(CToolsLayersTableDialog, CVmxDialog)
    ON_BN_CLICKED(IDC_LAYERS_NEW, OnNewLayer)
    ON_BN_CLICKED(IDC_LAYERS_DELETE, OnDeleteLayer)
    ON_BN_CLICKED(IDC_LAYERS_SAVE, OnSave)
    ON_BN_CLICKED(IDC_LAYERS_SAVE_TOOL, OnSave)
    ON_BN_CLICKED(IDC_LAYERS_RELOAD, OnReload)
    ON_BN_CLICKED(IDC_LAYERS_SORT, OnSort)
    ON_BN_CLICKED(IDC_LAYERS_IMPORT, OnImport)
    ON_BN_CLICKED(IDC_LAYERS_MERGE, OnMerge)
    ON_BN_CLICKED(IDC_LAYERS_EXPORT, OnExport)
    ON_EN_CHANGE(IDC_LAYERS_EXPORT_PATH, OnExportPathChanged)
END_MESSAGE_MAP()

CToolsLayersTableDialog::CToolsLayersTableDialog(int value, CWnd* parent)
    : CVmxDialog(IDD_TOOLS_LAYERS_TABLE, parent, 0, GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE), 0), m_value(value)
{
    GXInit(); // the template's grid control needs the grid's window class
}

CToolsLayersTableDialog::~CToolsLayersTableDialog() = default;

BOOL CToolsLayersTableDialog::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_LAYERS_GRID, this);
    m_grid.Setup();
    m_busy = 1;
    SetDlgItemText(IDC_LAYERS_EXPORT_PATH, m_exportPath);
    SetDlgItemText(IDC_LAYERS_IMPORT_PATH, m_importPath);
    m_busy = 0;
    m_tools.LoadTools();
    Refill(1);
    Check();
    m_changed = 0;
    EnableSave(FALSE);
    return TRUE;
}

int CToolsLayersTableDialog::Check()
{
    m_message.Empty();
    int valid = 1;
    const INT_PTR count = m_tools.GetSize();
    for (INT_PTR i = 0; i < count && valid; ++i) {
        const CString name = Trimmed(m_tools[i].m_name);
        if (name.IsEmpty())
            continue;
        const int number = m_tools[i].m_number;
        if (number < TOOLS_MIN_NUMBER || number > TOOLS_MAX_NUMBER) {
            m_message.Format(IDS_LAYERS_NUMBER_RANGE, number);
            valid = 0;
            break;
        }
        for (INT_PTR j = i + 1; j < count; ++j) {
            const CString other = Trimmed(m_tools[j].m_name);
            if (other.IsEmpty())
                continue;
            if (m_tools[j].m_number == number) {
                m_message.Format(IDS_LAYERS_NUMBER_TWICE, number);
                valid = 0;
                break;
            }
            if (other.CompareNoCase(name) == 0) {
                m_message.Format(IDS_LAYERS_NAME_TWICE, name.GetString(), number, static_cast<int>(m_tools[j].m_number));
                valid = 0;
                break;
            }
        }
    }
    ShowMessage(m_message);
    return valid;
}

void CToolsLayersTableDialog::OnGridEdited()
{
    m_changed = 1;
    EnableSave(TRUE);
}

void CToolsLayersTableDialog::ReadGrid()
{
    if (m_grid.GetSafeHwnd())
        m_grid.Read(m_tools);
}

void CToolsLayersTableDialog::Refill(ROWCOL select)
{
    m_grid.Fill(m_tools);
    m_grid.SelectRow(select);
}

void CToolsLayersTableDialog::ShowMessage(const CString& text)
{
    m_message = text;
    SetDlgItemText(IDC_LAYERS_MESSAGE, m_message);
}

void CToolsLayersTableDialog::EnableSave(BOOL enable)
{
    for (int id : {IDC_LAYERS_SAVE_TOOL, IDC_LAYERS_SAVE})
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(enable);
}

void CToolsLayersTableDialog::OnNewLayer()
{
    ShowMessage(CString());
    const bool before = Held(VK_SHIFT);
    // Cells edited so far belong to the list the new row goes into.
    ReadGrid();
    const INT_PTR count = m_tools.GetSize();
    INT_PTR reference = count == 0 ? -1 : (before ? 0 : count - 1);
    const ROWCOL selected = m_grid.FirstSelectedRow();
    if (selected > 1)
        reference = static_cast<INT_PTR>(selected) - 1;
    const int number = ProposedNumber(m_tools, reference, before);
    INT_PTR at = reference < 0 ? 0 : (before ? reference : reference + 1);
    m_tools.InsertAt(at, CToolsBlock("NEW_LAYER", number));
    Refill(static_cast<ROWCOL>(at + 1));
    Check();
    m_changed = 1;
    EnableSave(TRUE);
}

void CToolsLayersTableDialog::OnDeleteLayer()
{
    const ROWCOL row = m_grid.FirstSelectedRow();
    if (row == 0)
        return;
    ReadGrid();
    const bool firstOrLast = row == 1 || row == static_cast<ROWCOL>(m_tools.GetSize());
    m_tools.RemoveAt(static_cast<INT_PTR>(row) - 1);
    const ROWCOL rows = static_cast<ROWCOL>(m_tools.GetSize());
    Refill(firstOrLast ? rows : row);
    Check();
    m_changed = 1;
    EnableSave(TRUE);
}

void CToolsLayersTableDialog::OnSort()
{
    ReadGrid();
    m_tools.Sort(Held(VK_SHIFT) ? 1 : 0, Held(VK_CONTROL) ? 1 : 0);
    Refill(1);
    Check();
}

void CToolsLayersTableDialog::SaveList()
{
    ShowMessage(CString());
    m_tools.SaveTools();
    Check();
    m_changed = 0;
    EnableSave(FALSE);
}

void CToolsLayersTableDialog::OnSave()
{
    ReadGrid();
    if (Check())
        SaveList();
}

void CToolsLayersTableDialog::OnReload()
{
    m_tools.LoadTools();
    Refill(1);
    Check();
    m_changed = 0;
    EnableSave(FALSE);
}

CString CToolsLayersTableDialog::AskPath(int editId, BOOL open)
{
    CString path;
    GetDlgItemText(editId, path);
    path.Trim();
    if (!path.IsEmpty())
        return path;
    CString title, filter;
    if (!title.LoadString(IDS_LAYERS_FILE_TITLE))
        title.Empty();
    if (!filter.LoadString(IDS_LAYERS_FILTER))
        filter = TOOLS_LAYERS_FILTER;
    CVMXFileDialog dialog(title, open, TOOLS_FILE_EXT, nullptr,
                          open ? OFN_HIDEREADONLY | OFN_FILEMUSTEXIST : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          filter, this);
    if (dialog.DoModal() != IDOK)
        return CString();
    return dialog.GetPathName();
}

void CToolsLayersTableDialog::Import(BOOL merge)
{
    const bool overwrite = Held(VK_SHIFT);
    const CString path = AskPath(IDC_LAYERS_IMPORT_PATH, TRUE);
    if (path.IsEmpty())
        return;
    m_importPath = path;
    // A merge goes into the list as the grid shows it.
    if (merge)
        ReadGrid();
    const int result = merge ? m_tools.ImportTools(path, 1, overwrite ? 1 : 0) : m_tools.ImportTools(path, 0, 0);
    if (result != TOOLS_FILE_OK) {
        CString text;
        text.LoadString(merge ? IDS_LAYERS_MERGE_FAILED : IDS_LAYERS_IMPORT_FAILED);
        if (result == TOOLS_FILE_BAD_DATA && !merge)
            Refill(1); // the tools read before the bad line are the list now
        ShowMessage(text);
        return;
    }
    Refill(1);
    Check();
    // The imported list is not in the profile yet: it can be saved, and closing asks.
    m_changed = 1;
    EnableSave(TRUE);
}

void CToolsLayersTableDialog::OnImport()
{
    Import(FALSE);
}

void CToolsLayersTableDialog::OnMerge()
{
    Import(TRUE);
}

void CToolsLayersTableDialog::OnExport()
{
    ReadGrid();
    if (!Check())
        return;
    const CString path = AskPath(IDC_LAYERS_EXPORT_PATH, FALSE);
    if (path.IsEmpty())
        return;
    m_exportPath = path;
    if (m_tools.ExportTools(path) != TOOLS_FILE_OK) {
        CString text;
        text.LoadString(IDS_LAYERS_EXPORT_FAILED);
        ShowMessage(text);
    }
}

void CToolsLayersTableDialog::OnExportPathChanged()
{
    if (m_busy)
        return;
    m_busy = 1;
    GetDlgItemText(IDC_LAYERS_EXPORT_PATH, m_exportPath);
    CString text;
    if (Trimmed(m_exportPath).IsEmpty())
        text.LoadString(IDS_LAYERS_EXPORT_PATH_EMPTY);
    ShowMessage(text);
    m_busy = 0;
}

void CToolsLayersTableDialog::Close(int result)
{
    ReadGrid();
    if (m_changed && Check()) {
        CString question, caption;
        question.LoadString(IDS_LAYERS_SAVE_QUESTION);
        GetWindowText(caption);
        if (MessageBox(question, caption, MB_YESNO | MB_ICONQUESTION) != IDNO)
            SaveList();
    }
    EndDialog(result);
}

void CToolsLayersTableDialog::OnOK()
{
    Close(IDOK);
}

void CToolsLayersTableDialog::OnCancel()
{
    Close(IDCANCEL);
}

int ToolsLayersTable(int value)
{
    CCallResourceScope scope;
    CToolsLayersTableDialog dialog(value, nullptr);
    return static_cast<int>(dialog.DoModal());
}
