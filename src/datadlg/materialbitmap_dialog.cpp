// CMaterialBitmapDialog: the material pattern dialog's grid, commands and preview, and the
// entry functions that show it. Saving on OK is in materialbitmap_save.cpp.
#include <misc/datadlg/materialbitmap.h>

#include <misc/frame/profile.h>
#include <mfc/resscope.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool Held(int vk)
{
    return GetKeyState(vk) < 0;
}

void CopyPath(char* target, const CString& source)
{
    std::strncpy(target, source.GetString(), MAX_PATH - 1);
    target[MAX_PATH - 1] = '\0';
}

// The name a picture file gives a row: its file name without folder and extension.
CString NameFromPicture(const char* path)
{
    char name[MAX_PATH] = "";
    _splitpath(path, nullptr, nullptr, name, nullptr);
    CString out(name);
    out.Trim();
    return out;
}

} // namespace

BEGIN_MESSAGE_MAP(CMaterialBitmapDialog, CVmxDialog)
    ON_BN_CLICKED(IDC_MATERIAL_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_MATERIAL_PATH, OnPathChanged)
    ON_BN_CLICKED(IDC_MATERIAL_LOAD, OnLoad)
    ON_BN_CLICKED(IDC_MATERIAL_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MATERIAL_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_MATERIAL_SIZE_FROM_PICTURE, OnSizeFromPicture)
    ON_BN_CLICKED(IDC_MATERIAL_CHOOSE_PROFILE, OnChooseProfile)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

BOOL MaterialProfileLoadable(char* path)
{
    return VerifyAndFindFile(path, MATERIAL_FILE_EXT, nullptr, 0) && IsFileValid(CString(path), 0);
}

CMaterialBitmapDialog::CMaterialBitmapDialog(CMaterialArray& materials, int newForm, CWnd* parent)
    : CVmxDialog(newForm ? IDD_MATERIAL_BITMAP_NEW : IDD_MATERIAL_BITMAP, parent, 0,
                 GetModuleHandleA(MISC_DEFAULT_RESOURCE_MODULE), 0),
      m_materials(materials), m_newForm(newForm)
{
    GXInit(); // the template's grid control needs the grid's window class
}

CMaterialBitmapDialog::~CMaterialBitmapDialog() = default;

BOOL CMaterialBitmapDialog::OnInitDialog()
{
    CVmxDialog::OnInitDialog();
    if (m_materials.GetSize() == 0)
        m_materials.Add(CMaterialBlock());
    m_grid.SubclassDlgItem(IDC_MATERIAL_GRID, this);
    m_grid.Setup();
    if (m_newForm) {
        if (!m_path.IsEmpty())
            SetWindowText(m_path);
    } else {
        SetDlgItemText(IDC_MATERIAL_PATH, m_path);
        UpdateLoadButton();
    }
    Fill();
    SetCurrentRow(1);
    return TRUE;
}

CString CMaterialBitmapDialog::Length(double mm)
{
    char text[64] = "";
    vmxSetTextReal(text, mm, 1);
    return CString(text);
}

void CMaterialBitmapDialog::SetRow(ROWCOL row, const MaterialRow& values)
{
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kName), row == 1 ? CString() : values.name, GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kFile), values.file, GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeX), Length(values.sizeX), GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeY), Length(values.sizeY), GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kOffsetX), Length(values.offsetX), GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kOffsetY), Length(values.offsetY), GX_NOREDRAW);
}

void CMaterialBitmapDialog::AppendRow(const MaterialRow& values)
{
    const ROWCOL row = m_grid.GetRowCount() + 1;
    m_grid.InsertRows(row, 1, GX_NOREDRAW);
    SetRow(row, values);
}

void CMaterialBitmapDialog::Fill()
{
    m_grid.GetParam()->EnableUndo(FALSE);
    m_grid.SetRowCount(0, GX_NOREDRAW);
    for (INT_PTR i = 0; i < m_materials.GetSize(); ++i) {
        const CMaterialBlock& m = m_materials[i];
        MaterialRow row;
        row.name = m.m_name;
        row.file = m.m_file;
        row.sizeX = m.m_sizeX;
        row.sizeY = m.m_sizeY;
        row.offsetX = m.m_offsetX;
        row.offsetY = m.m_offsetY;
        AppendRow(row);
    }
    m_grid.StyleFirstRow();
    m_grid.GetParam()->EnableUndo(TRUE);
    m_grid.Redraw();
}

void CMaterialBitmapDialog::SetCurrentRow(ROWCOL row)
{
    if (row < 1 || row > m_grid.GetRowCount())
        row = m_grid.GetRowCount() ? 1 : 0;
    m_currentRow = static_cast<int>(row);
    ROWCOL curRow = 0, curCol = 0;
    if (row && (!m_grid.GetCurrentCell(curRow, curCol) || curRow != row))
        m_grid.SetCurrentCell(row, MatGridCtrl::kName, GX_SCROLLINVIEW | GX_NOSETFOCUS);
    if (CWnd* button = GetDlgItem(IDC_MATERIAL_DELETE))
        button->EnableWindow(m_currentRow > 1);
    if (CWnd* preview = GetDlgItem(IDC_MATERIAL_PREVIEW))
        preview->Invalidate();
}

void CMaterialBitmapDialog::UpdateLoadButton()
{
    CString text;
    GetDlgItemText(IDC_MATERIAL_PATH, text);
    char path[MAX_PATH];
    CopyPath(path, text);
    if (CWnd* button = GetDlgItem(IDC_MATERIAL_LOAD))
        button->EnableWindow(MaterialProfileLoadable(path));
}

CString CMaterialBitmapDialog::BrowsePath()
{
    CString title, filter, pattern;
    title.LoadString(IDS_MATERIAL_BROWSE_TITLE);
    if (filter.LoadString(IDS_MATERIAL_FILTER_NAME) && pattern.LoadString(IDS_MATERIAL_FILTER_PATTERN))
        filter += pattern;
    else
        filter = MATERIAL_FILE_FILTER;
    char path[MAX_PATH];
    CopyPath(path, m_path);
    if (!SelectFileFpf(GetSafeHwnd(), path, MAX_PATH, "*.fpf", title, filter, m_selectorArg))
        return CString();
    char full[MAX_PATH];
    return _fullpath(full, path, MAX_PATH) ? CString(full) : CString(path);
}

void CMaterialBitmapDialog::OnBrowse()
{
    const CString path = BrowsePath();
    if (path.IsEmpty())
        return;
    m_path = path;
    if (m_newForm)
        SetWindowText(m_path);
    else
        SetDlgItemText(IDC_MATERIAL_PATH, m_path); // updates the load button
}

void CMaterialBitmapDialog::OnPathChanged()
{
    UpdateLoadButton();
}

void CMaterialBitmapDialog::OnLoad()
{
    CString path;
    GetDlgItemText(IDC_MATERIAL_PATH, path);
    LoadProfile(path);
}

BOOL CMaterialBitmapDialog::LoadProfile(const CString& text)
{
    char path[MAX_PATH];
    CopyPath(path, text);
    FILE* file = MaterialProfileLoadable(path) ? std::fopen(path, "r") : nullptr;
    if (!file) {
        Ask(IDS_MATERIAL_PROFILE_OPEN_FAILED, CString(), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CArray<MaterialRow, const MaterialRow&> rows;
    const int complete = ReadMaterialRows(file, rows);
    std::fclose(file);
    // Row 1 stays entry 0: a block without a name fills it, the others follow in file order.
    m_grid.GetParam()->EnableUndo(FALSE);
    m_grid.SetRowCount(0, GX_NOREDRAW);
    AppendRow(MaterialRow());
    for (INT_PTR i = 0; i < rows.GetSize(); ++i) {
        if (rows[i].name.IsEmpty())
            SetRow(1, rows[i]);
        else
            AppendRow(rows[i]);
    }
    m_grid.StyleFirstRow();
    m_grid.GetParam()->EnableUndo(TRUE);
    m_grid.Redraw();
    SetCurrentRow(1);
    if (!complete)
        Ask(IDS_MATERIAL_PROFILE_BAD_FORMAT, CString(), MB_OK | MB_ICONEXCLAMATION);
    return TRUE;
}

int CMaterialBitmapDialog::Ask(UINT textId, const CString& argument, UINT type)
{
    CString text, caption;
    if (argument.IsEmpty())
        text.LoadString(textId);
    else
        text.Format(textId, argument.GetString());
    caption.LoadString(IDS_MATERIAL_CAPTION);
    return MessageBox(text, caption, type);
}

bool CMaterialBitmapDialog::NameTaken(const CString& name) const
{
    for (ROWCOL row = 1; row <= m_grid.GetRowCount(); ++row) {
        CString other = m_grid.GetValueRowCol(row, MatGridCtrl::kName);
        other.Trim();
        if (other.CompareNoCase(name) == 0)
            return true;
    }
    return false;
}

void CMaterialBitmapDialog::OnAdd()
{
    CString name, file;
    if (Held(VK_CONTROL)) {
        char path[MAX_PATH] = "";
        if (!SelectBitmap(GetSafeHwnd(), path, MAX_PATH, nullptr, m_selectorArg))
            return;
        file = path;
        name = NameFromPicture(path);
        if (NameTaken(name)) {
            CString text, caption;
            text.LoadString(name.IsEmpty() ? IDS_MATERIAL_NAME_EMPTY : IDS_MATERIAL_NAME_EXISTS);
            caption.LoadString(IDS_MATERIAL_ADD_CAPTION);
            MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    } else {
        CMaterialAddDialog dialog(m_grid, this);
        if (dialog.DoModal() != IDOK)
            return;
        name = dialog.m_name;
    }
    if (name.IsEmpty())
        return;
    const ROWCOL row = m_grid.GetRowCount() + 1;
    m_grid.InsertRows(row, 1, GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kName), name, GX_NOREDRAW);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kFile), file, GX_NOREDRAW);
    for (ROWCOL col = MatGridCtrl::kSizeX; col <= MatGridCtrl::kOffsetY; ++col)
        m_grid.SetValueRange(CGXRange(row, col), "0", GX_NOREDRAW);
    m_grid.Redraw();
    SetCurrentRow(row);
    if (!file.IsEmpty())
        TakeSizeFromPicture(row);
}

void CMaterialBitmapDialog::OnDelete()
{
    CRowColArray selected;
    m_grid.GetSelectedRows(selected, FALSE, TRUE);
    std::vector<ROWCOL> rows(selected.GetData(), selected.GetData() + selected.GetSize());
    if (rows.empty() && m_currentRow > 1)
        rows.push_back(static_cast<ROWCOL>(m_currentRow));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (*it >= 2 && *it <= m_grid.GetRowCount())
            m_grid.RemoveRows(*it, *it, GX_NOREDRAW);
    m_grid.ClearSelection(FALSE);
    m_grid.Redraw();
    SetCurrentRow(std::min<ROWCOL>(static_cast<ROWCOL>(m_currentRow), m_grid.GetRowCount()));
}

void CMaterialBitmapDialog::TakeSizeFromPicture(ROWCOL row)
{
    if (row < 1 || row > m_grid.GetRowCount())
        return;
    char path[MAX_PATH];
    CopyPath(path, m_grid.GetValueRowCol(row, MatGridCtrl::kFile));
    char profile[MAX_PATH];
    CopyPath(profile, m_path);
    if (!VerifyAndFindFile(path, nullptr, profile, 0))
        return;
    CWinImageFile picture;
    if (!picture.LoadDiskData(CGenString(path)))
        return;
    double width = 0, height = 0;
    MaterialPictureSize(picture, width, height);
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeX), Length(width * 10.0));
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeY), Length(height * 10.0));
}

void CMaterialBitmapDialog::OnSizeFromPicture()
{
    TakeSizeFromPicture(static_cast<ROWCOL>(m_currentRow));
}

void CMaterialBitmapDialog::ChoosePicture(ROWCOL row)
{
    if (row < 1 || row > m_grid.GetRowCount())
        return;
    char path[MAX_PATH];
    CopyPath(path, m_grid.GetValueRowCol(row, MatGridCtrl::kFile));
    if (!SelectBitmap(GetSafeHwnd(), path, MAX_PATH, nullptr, m_selectorArg))
        return;
    m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kFile), path);
    TakeSizeFromPicture(row);
    SetCurrentRow(row);
}

void CMaterialBitmapDialog::OnChooseProfile()
{
    CMaterialProfile dialog(m_path, m_selectorArg, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_path = dialog.m_path;
    if (m_newForm)
        SetWindowText(m_path);
    else
        SetDlgItemText(IDC_MATERIAL_PATH, m_path);
    if (dialog.m_load)
        LoadProfile(m_path);
}

void CMaterialBitmapDialog::OnDrawItem(int id, LPDRAWITEMSTRUCT item)
{
    if (id != IDC_MATERIAL_PREVIEW || !item) {
        CVmxDialog::OnDrawItem(id, item);
        return;
    }
    CDC* dc = CDC::FromHandle(item->hDC);
    const CRect box(item->rcItem);
    dc->FillSolidRect(box, GetSysColor(COLOR_WINDOW));
    CString file;
    if (m_currentRow >= 1 && static_cast<ROWCOL>(m_currentRow) <= m_grid.GetRowCount())
        file = m_grid.GetValueRowCol(static_cast<ROWCOL>(m_currentRow), MatGridCtrl::kFile);
    if (file != m_previewFile) {
        m_previewFile = file;
        m_preview.Clear();
        char path[MAX_PATH], profile[MAX_PATH];
        CopyPath(path, file);
        CopyPath(profile, m_path);
        if (!file.IsEmpty() && VerifyAndFindFile(path, nullptr, profile, 0))
            m_preview.LoadDiskData(CGenString(path));
    }
    if (m_preview.IsEmpty())
        return;
    // The whole picture, as large as the box allows without distortion, centred.
    const double scale = std::min(static_cast<double>(box.Width()) / m_preview.getWidth(),
                                  static_cast<double>(box.Height()) / m_preview.getHeight());
    const long w = std::max(1L, static_cast<long>(m_preview.getWidth() * scale));
    const long h = std::max(1L, static_cast<long>(m_preview.getHeight() * scale));
    RECT clip = box;
    m_preview.Draw(item->hDC, box.left + (box.Width() - w) / 2, box.top + (box.Height() - h) / 2, w, h, &clip);
}

namespace {

int RunMaterialDialog(CMaterialArray& materials, int newForm, const int units[5], int selectorArg, const char* path)
{
    CCallResourceScope scope;
    CMaterialBitmapDialog dialog(materials, newForm, nullptr);
    dialog.setWorkingUnits(units[0], units[1], units[2], units[3], units[4]);
    dialog.m_selectorArg = selectorArg;
    if (path)
        dialog.m_argPath = path;
    char last[MAX_PATH] = "";
    ProfileReadString("MaterialPatterns", "MaterialPatternsFile", "", last, MAX_PATH, 1);
    dialog.m_path = last;
    if (dialog.DoModal() != IDOK)
        return 0;
    SetFabricPatternFileName(dialog.m_path);
    return 1;
}

} // namespace

int MaterialBitmapDialog(CMaterialArray& materials, int u1, int u2, int u3, int u4, int u5, int selectorArg)
{
    const int units[5] = {u1, u2, u3, u4, u5};
    return RunMaterialDialog(materials, 0, units, selectorArg, nullptr);
}

int MaterialBitmapDialogNew(CMaterialArray& materials, int u1, int u2, int u3, int u4, int u5, int selectorArg,
                            const char* path)
{
    const int units[5] = {u1, u2, u3, u4, u5};
    return RunMaterialDialog(materials, 1, units, selectorArg, path);
}
