// CShortcutsDlg: every shortcut of the frame in a read-only grid, sorted in keyboard order; copy
// to the clipboard; loading (or, with Alt, Shift and Ctrl held, saving) the shortcut file.
#include <misc/ui/shortcuts.h>

#include <mfc/archive.h>
#include <mfc/resscope.h>
#include <toolkit/commandbars.h>
#include <toolkit/shortcuts.h>

#include <algorithm>
#include <vector>

namespace {

bool Held(int vk)
{
    return GetKeyState(vk) < 0;
}

void ShowMessage(const char* format, const CString& path)
{
    CString text;
    text.Format(format, path.GetString());
    AfxMessageBox(text);
}

} // namespace

BEGIN_MESSAGE_MAP(CShortcutsDlg, CDialog)
    ON_BN_CLICKED(IDC_SHORTCUTS_COPY, OnCopyClipboard)
    ON_BN_CLICKED(IDC_SHORTCUTS_LOAD, OnLoadVer9)
END_MESSAGE_MAP()

CShortcutsDlg::CShortcutsDlg(CFrameWnd* frame, CXTPCommandBars* bars, CWnd* parent)
    : CDialog(IDD_SHORTCUTS, parent), m_pCommandBars(bars), m_pFrame(frame)
{
    m_hAccel = ShownTable();
    m_hSavedResource = AfxGetResourceHandle();
    AfxSetResourceHandle(GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE));
    GXInit(); // the grid's window class, named by the template
}

CShortcutsDlg::~CShortcutsDlg()
{
    ResetResource();
}

void CShortcutsDlg::ResetResource()
{
    if (m_hSavedResource)
        AfxSetResourceHandle(m_hSavedResource);
    m_hSavedResource = nullptr;
}

HACCEL CShortcutsDlg::ShownTable() const
{
    if (m_pFrame && m_pFrame->m_hAccelTable)
        return m_pFrame->m_hAccelTable;
    return m_pCommandBars ? m_pCommandBars->GetShortcutManager()->GetAccelTable() : nullptr;
}

BOOL CShortcutsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_grid.SubclassDlgItem(IDC_SHORTCUTS_GRID, this);
    m_grid.Initialize();
    CRect client;
    m_grid.GetClientRect(&client);
    m_grid.SetColCount(2);
    m_grid.SetColWidth(0, 0, 28);
    m_grid.SetColWidth(1, 1, 120);
    m_grid.SetColWidth(2, 2, std::max(80, client.Width() - 28 - 120 - ::GetSystemMetrics(SM_CXVSCROLL)));
    if (!m_pFrame)
        if (CWnd* load = GetDlgItem(IDC_SHORTCUTS_LOAD))
            load->ShowWindow(SW_HIDE);
    FillGrid();
    return TRUE;
}

void CShortcutsDlg::FillGrid()
{
    if (!m_hAccel)
        return;
    // The table, count first.
    const int count = CopyAcceleratorTable(m_hAccel, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(std::max(count, 0)));
    if (count > 0)
        CopyAcceleratorTable(m_hAccel, entries.data(), count);

    CString heading;
    heading.LoadString(IDS_SHORTCUT_COL_KEYS);
    m_grid.SetValueRange(CGXRange(0, 1), heading);
    heading.LoadString(IDS_SHORTCUT_COL_COMMAND);
    m_grid.SetValueRange(CGXRange(0, 2), heading);

    CXTPShortcutManager* manager = m_pCommandBars ? m_pCommandBars->GetShortcutManager() : nullptr;
    std::vector<std::pair<CString, CString>> rows;
    for (const ACCEL& entry : entries) {
        CString caption, description;
        // Command 0 runs nothing: the pop-ups and labels that carry it are no command's control.
        CXTPControl* control = m_pCommandBars && entry.cmd
                                   ? m_pCommandBars->FindControl(xtpControlError, entry.cmd, FALSE, TRUE)
                                   : nullptr;
        if (control) {
            caption = control->GetCaption();
            description = control->GetDescription();
        }
        caption = XTPPlainCaption(caption);
        if (!control) {
            // A command string holds the status text, then after '\n' the tip: the status text.
            if (entry.cmd)
                description.LoadString(entry.cmd);
            const int newline = description.Find('\n');
            if (newline >= 0)
                description = description.Left(newline);
        }
        if (caption.CompareNoCase(description) == 0)
            description.Empty();
        CString text = caption;
        if (!caption.IsEmpty() && !description.IsEmpty())
            text += " - ";
        text += description;
        if (text.IsEmpty())
            continue;
        CString keys;
        CXTPShortcutManager::CKeyHelper(&entry, manager).Format(keys);
        rows.emplace_back(keys, text);
    }
    m_grid.SetRowCount(static_cast<ROWCOL>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const ROWCOL row = static_cast<ROWCOL>(i + 1);
        m_grid.SetValueRange(CGXRange(row, 1), rows[i].first);
        m_grid.SetValueRange(CGXRange(row, 2), rows[i].second);
    }

    m_grid.SetStyleRange(CGXRange().SetTable(), CGXStyle().SetControl(GX_IDS_CTRL_STATIC));
    CGXGridParam* param = m_grid.GetParam();
    param->EnableSelection(4);
    param->EnableMoveRows(0);
    param->EnableMoveCols(0);
    param->EnableUndo(0);
    param->EnableTrackRowHeight(0x101);
    Sort();
}

void CShortcutsDlg::Sort()
{
    CGXSortInfoArray keys;
    keys.SetSize(2);
    for (INT_PTR k = 0; k < 2; ++k) {
        keys[k].nRC = 1;
        keys[k].sortOrder = CGXSortInfo::ascending;
        keys[k].sortType = CGXSortInfo::alphanumeric;
    }
    m_grid.SortRows(CGXRange().SetTable(), keys);
}

void CShortcutsDlg::OnCopyClipboard()
{
    BeginWaitCursor();
    m_grid.SelectRange(CGXRange().SetTable());
    m_grid.Copy();
    m_grid.ClearSelection();
    if (m_grid.GetRowCount() > 0) {
        m_grid.SetCurrentCell(1, 1);
        m_grid.SelectRange(CGXRange(1, 1));
    }
    EndWaitCursor();
}

CString CShortcutsDlg::ShortcutFilePath()
{
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CString();
    CString path(buffer);
    // "app.exe" -> "app.acc"; a name without a 3-letter extension keeps its name.
    const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    const int length = path.GetLength();
    if (length - 4 > slash + 1 && path[length - 4] == '.')
        path = path.Left(length - 4);
    path += ".acc";
    if (path.GetLength() >= MAX_PATH)
        return CString();
    return path;
}

void CShortcutsDlg::OnLoadVer9()
{
    if (!m_pFrame)
        return;
    const bool save = Held(VK_MENU) && Held(VK_SHIFT) && Held(VK_CONTROL);
    CString question;
    if (save)
        question = "SAVING Shortcuts! Continue?";
    else
        question.LoadString(IDS_SHORTCUT_LOAD_QUESTION);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    LoadOrSave(save);
}

void CShortcutsDlg::LoadOrSave(bool save)
{
    const CString path = ShortcutFilePath();
    CFile file;
    const UINT mode = save ? (CFile::modeCreate | CFile::modeWrite) : CFile::modeRead;
    if (path.IsEmpty() || !m_pCommandBars || !file.Open(path, mode)) {
        ShowMessage("Failed to open %s.", path);
        return;
    }
    CXTPShortcutManager* manager = m_pCommandBars->GetShortcutManager();
    try {
        CArchive archive(&file, save ? CArchive::store : CArchive::load, 4096);
        manager->Serialize(archive);
        archive.Close();
        file.Close();
    } catch (CException* e) {
        // A damaged file (or a full disk) changes nothing in the table.
        e->Delete();
        file.Abort();
        ShowMessage(save ? "Failed to write %s." : "Failed to read %s.", path);
        return;
    }
    if (save)
        return;
    m_changed = TRUE;
    m_hAccel = ShownTable();
    if (!m_hAccel)
        m_grid.SetRowCount(0); // an empty file: no shortcuts left to show
    const BOOL locked = m_grid.LockUpdate(TRUE);
    FillGrid();
    m_grid.LockUpdate(locked);
    m_grid.Redraw();
}
