// CMaterialBitmapDialog::OnOK: the grid's rows checked, turned into materials and written to the
// fabric pattern profile.
#include <misc/datadlg/materialbitmap.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

void CopyPath(char* target, const CString& source)
{
    std::strncpy(target, source.GetString(), MAX_PATH - 1);
    target[MAX_PATH - 1] = '\0';
}

// True when the file exists and its first line is a "Block" line.
bool StartsWithBlock(const char* path)
{
    FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    char line[280];
    char *key, *rest, *third;
    ReadKeywordLine(file, line, sizeof line, &key, &rest, &third);
    std::fclose(file);
    return CString(key).CompareNoCase("Block") == 0;
}

bool Exists(const char* path)
{
    FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool HasProfileExtension(const char* path)
{
    char ext[MAX_PATH] = "";
    _splitpath(path, nullptr, nullptr, nullptr, ext);
    return CString(ext).CompareNoCase("." MATERIAL_FILE_EXT) == 0;
}

} // namespace

// Each row's picture is loaded and its size checked; a row whose picture fails either check is
// kept without a picture when the user answers OK. False when the user answered Cancel.
bool CMaterialBitmapDialog::CheckRows(CArray<MaterialRow, const MaterialRow&>& rows, CArray<CWinImageFile*>& pictures)
{
    char profile[MAX_PATH];
    CopyPath(profile, m_path);
    for (ROWCOL row = 1; row <= m_grid.GetRowCount(); ++row) {
        MaterialRow values;
        values.name = m_grid.GetValueRowCol(row, MatGridCtrl::kName);
        values.name.Trim();
        values.file = m_grid.GetValueRowCol(row, MatGridCtrl::kFile);
        CString text;
        const MatGridCtrl::Column lengths[] = {MatGridCtrl::kSizeX, MatGridCtrl::kSizeY, MatGridCtrl::kOffsetX,
                                               MatGridCtrl::kOffsetY};
        double* targets[] = {&values.sizeX, &values.sizeY, &values.offsetX, &values.offsetY};
        for (int i = 0; i < 4; ++i) {
            text = m_grid.GetValueRowCol(row, lengths[i]);
            if (!vmxGetStrReal(text, targets[i], 0))
                *targets[i] = 0;
        }
        std::unique_ptr<CWinImageFile> picture;
        if (!values.file.IsEmpty()) {
            char path[MAX_PATH];
            CopyPath(path, values.file);
            picture = std::make_unique<CWinImageFile>();
            UINT problem = 0;
            if (!VerifyAndFindFile(path, nullptr, profile, 0) || !picture->LoadDiskData(CGenString(path)))
                problem = IDS_MATERIAL_PICTURE_NOT_LOADED;
            else if (values.sizeX < 0.05 || values.sizeY < 0.05)
                problem = IDS_MATERIAL_PICTURE_TOO_SMALL;
            if (problem) {
                if (Ask(problem, problem == IDS_MATERIAL_PICTURE_NOT_LOADED ? values.file : CString(),
                        MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL) {
                    m_grid.SetCurrentCell(row, MatGridCtrl::kFile);
                    return false;
                }
                // The row goes on without its picture; the grid shows it so.
                picture.reset();
                values.file.Empty();
                values.sizeX = values.sizeY = 0;
                m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kFile), "");
                m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeX), Length(0));
                m_grid.SetValueRange(CGXRange(row, MatGridCtrl::kSizeY), Length(0));
            }
        }
        rows.Add(values);
        pictures.Add(picture.release());
    }
    return true;
}

bool CMaterialBitmapDialog::WriteProfile(CString text)
{
    char path[MAX_PATH];
    char full[MAX_PATH];
    CopyPath(path, text);
    if (_fullpath(full, path, MAX_PATH))
        CopyPath(path, full);
    if (!VerifyAndFindFile(path, MATERIAL_FILE_EXT, nullptr, 1) || !IsFileValid(CString(path), 1)) {
        Ask(IDS_MATERIAL_PROFILE_OPEN_FAILED, CString(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (Exists(path) && !HasProfileExtension(path) && !StartsWithBlock(path) &&
        Ask(IDS_MATERIAL_OVERWRITE_FILE, CString(), MB_YESNO | MB_ICONQUESTION) == IDNO)
        return false;
    m_path = path;
    return true;
}

void CMaterialBitmapDialog::OnOK()
{
    CString path = m_path;
    if (!m_newForm)
        GetDlgItemText(IDC_MATERIAL_PATH, path);
    path.Trim();
    if (path.IsEmpty())
        path = BrowsePath();
    if (path.IsEmpty()) {
        EndDialog(IDOK);
        return;
    }
    m_path = path;
    m_grid.TransferCurrentCell(TRUE);

    CArray<MaterialRow, const MaterialRow&> rows;
    CArray<CWinImageFile*> pictures;
    struct Owned {
        CArray<CWinImageFile*>& list;
        ~Owned()
        {
            for (INT_PTR i = 0; i < list.GetSize(); ++i)
                delete list[i];
        }
    } owned{pictures};
    if (!CheckRows(rows, pictures))
        return;

    for (INT_PTR i = 1; i < rows.GetSize(); ++i) {
        bool bad = rows[i].name.IsEmpty();
        for (INT_PTR j = 1; j < i && !bad; ++j)
            bad = rows[j].name.CompareNoCase(rows[i].name) == 0;
        if (bad) {
            CString text, hint, caption;
            text.LoadString(IDS_MATERIAL_NAMES_INVALID);
            hint.LoadString(IDS_MATERIAL_NAMES_HINT);
            caption.LoadString(IDS_MATERIAL_CAPTION);
            MessageBox(text + hint, caption, MB_OK | MB_ICONEXCLAMATION);
            m_grid.SetCurrentCell(static_cast<ROWCOL>(i + 1), MatGridCtrl::kName);
            return;
        }
    }

    // The new materials are built aside and become the caller's only once the file is written,
    // so that a refused file leaves them as they were.
    CMaterialArray rebuilt;
    rebuilt.Clear();
    for (INT_PTR i = 0; i < rows.GetSize(); ++i) {
        if (i > 0)
            rebuilt.Add(CMaterialBlock());
        CMaterialBlock& m = rebuilt[i];
        m.Clear(0);
        if (i > 0)
            m.m_name = rows[i].name;
        std::strncpy(m.m_file, rows[i].file.GetString(), MAX_PATH - 1);
        m.m_file[MAX_PATH - 1] = '\0';
        m.m_sizeX = rows[i].sizeX;
        m.m_sizeY = rows[i].sizeY;
        m.m_offsetX = rows[i].offsetX;
        m.m_offsetY = rows[i].offsetY;
        m.m_pImage = pictures[i];
        pictures[i] = nullptr;
    }
    if (!WriteProfile(m_path))
        return;
    if (!WriteMaterialFile(rebuilt, m_path)) {
        Ask(IDS_MATERIAL_PROFILE_OPEN_FAILED, CString(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RememberMaterialNames(rebuilt);
    m_materials.Clear();
    m_materials.Copy(rebuilt);
    EndDialog(IDOK);
}
