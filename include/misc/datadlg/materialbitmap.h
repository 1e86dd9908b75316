#pragma once
// The material pattern dialog: the materials of a CMaterialArray in a six-column grid (name,
// pattern picture, pattern size, pattern offset; lengths in the caller's working units), loaded
// from a fabric pattern profile file (".fpf") and saved to one on OK. Row 1 is entry 0, the
// unnamed material. Add with Ctrl takes a picture first and names the row after it.
//
// CMaterialAddDialog asks for the name of a new material; CMaterialProfile lets the user type
// or choose the profile path (its Load button closes it and loads the profile into the grid).
#include <afxwin.h>
#include <family/vmxdialog.h>
#include <toolkit/tablegrid.h>

#include <cstdio>

#include "misc/data/materials.h"

// Dialog templates and controls.
#define IDD_MATERIAL_BITMAP 24322
#define IDD_MATERIAL_ADD 24323
#define IDD_MATERIAL_BITMAP_NEW 24324
#define IDD_MATERIAL_PROFILE 24325
#define IDC_MATERIAL_CHOOSE_PROFILE 3
#define IDC_MATERIAL_DELETE 135
#define IDC_MATERIAL_SIZE_FROM_PICTURE 649
#define IDC_MATERIAL_BROWSE 651
#define IDC_MATERIAL_LOAD 652
#define IDC_MATERIAL_ADD 1426
#define IDC_MATERIAL_GRID 1474
#define IDC_MATERIAL_PREVIEW 1476
#define IDC_MATERIAL_ADD_NAME 1674
#define IDC_MATERIAL_PATH 1675
// Strings of the resource module.
#define IDS_MATERIAL_OVERWRITE_FILE 28678
#define IDS_MATERIAL_CAPTION 57519
#define IDS_MATERIAL_NAMES_INVALID 58426
#define IDS_MATERIAL_NAMES_HINT 58427
#define IDS_MATERIAL_PROFILE_OPEN_FAILED 58524
#define IDS_MATERIAL_PROFILE_BAD_FORMAT 60380
#define IDS_MATERIAL_FILTER_PATTERN 60451
#define IDS_MATERIAL_FILTER_NAME 60452
#define IDS_MATERIAL_BROWSE_TITLE 61388
#define IDS_MATERIAL_COL_NAME 61389
#define IDS_MATERIAL_COL_SIZE_X 61390
#define IDS_MATERIAL_COL_SIZE_Y 61391
#define IDS_MATERIAL_COL_OFFSET_X 61392
#define IDS_MATERIAL_COL_OFFSET_Y 61393
#define IDS_MATERIAL_COL_PICTURE 61397
#define IDS_MATERIAL_PICTURE_TOO_SMALL 61399
#define IDS_MATERIAL_PICTURE_NOT_LOADED 61400
#define IDS_MATERIAL_NAME_EXISTS 61401
#define IDS_MATERIAL_ADD_CAPTION 61402
#define IDS_MATERIAL_NAME_EMPTY 61423

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// One block of a fabric pattern profile as the dialog shows it (lengths as stored).
struct MaterialRow {
    CString name;
    CString file;
    double sizeX = 0, sizeY = 0;
    double offsetX = 0, offsetY = 0;
};

// Reads the blocks of a fabric pattern profile for the grid: "Material", "File", "Size" and
// "Offset" lines fill a row, "Weight" and "Cost" lines are read over; "End" ends the file.
// Returns 1 when "End" was reached; 0 for any other line between blocks, a block that ends
// early, or a file that ends before "End" (the rows read so far are kept). At most maxRows
// rows are read (a larger file answers 0 after them).
int ReadMaterialRows(FILE* file, CArray<MaterialRow, const MaterialRow&>& rows, int maxRows = 100000);

// The size of a picture in centimetres, as the dialog takes it: the real size when the picture
// states one, else from its pixel density, else at 72 pixels to the inch.
void MaterialPictureSize(const CImageFile& picture, double& widthCm, double& heightCm);

// The grid of the dialog: columns 0 to 5 as the grid numbers them 1 to 6.
class AFX_EXT_CLASS MatGridCtrl : public CGXGridWnd {
public:
    enum Column { kName = 1, kFile = 2, kSizeX = 3, kSizeY = 4, kOffsetX = 5, kOffsetY = 6 };
    void Setup();
    // Row 1, entry 0, in the button-face colour with a read-only name.
    void StyleFirstRow();
    CString Text(ROWCOL row, Column col) const { return GetValueRowCol(row, col); }
    void SetText(ROWCOL row, Column col, const CString& text) { SetValueRange(CGXRange(row, col), text); }

protected:
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
    void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override;
};

class AFX_EXT_CLASS CMaterialBitmapDialog : public CVmxDialog {
public:
    CMaterialBitmapDialog(CMaterialArray& materials, int newForm, CWnd* parent = nullptr);
    ~CMaterialBitmapDialog() override;

    CMaterialArray& m_materials;
    MatGridCtrl m_grid;          // control 1474
    int m_currentRow = 1;
    CString m_path;              // the fabric pattern profile
    int m_newForm = 0;
    int m_selectorArg = 0;       // handed on to the file choosers
    CString m_argPath;           // the path given to MaterialBitmapDialogNew, kept

    // Loads the profile into the grid; FALSE (after a message) when it cannot be read.
    BOOL LoadProfile(const CString& path);
    // The row's picture chosen with the picture chooser.
    void ChoosePicture(ROWCOL row);
    void SetCurrentRow(ROWCOL row);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnBrowse();
    afx_msg void OnPathChanged();
    afx_msg void OnLoad();
    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnSizeFromPicture();
    afx_msg void OnChooseProfile();
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    DECLARE_MESSAGE_MAP()

private:
    void Fill();
    void AppendRow(const MaterialRow& row);
    void SetRow(ROWCOL row, const MaterialRow& values);
    CString Length(double mm);
    void UpdateLoadButton();
    CString BrowsePath();
    bool NameTaken(const CString& name) const;
    void TakeSizeFromPicture(ROWCOL row);
    bool CheckRows(CArray<MaterialRow, const MaterialRow&>& rows, CArray<CWinImageFile*>& pictures);
    bool WriteProfile(CString path);
    int Ask(UINT textId, const CString& argument, UINT type);

    CWinImageFile m_preview;     // the current row's picture, as the preview last loaded it
    CString m_previewFile;
};

class AFX_EXT_CLASS CMaterialAddDialog : public CVmxDialog {
public:
    // rows: the grid whose names the new name must differ from.
    explicit CMaterialAddDialog(const MatGridCtrl& rows, CWnd* parent = nullptr);
    CString m_name;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    const MatGridCtrl& m_rows;
};

class AFX_EXT_CLASS CMaterialProfile : public CVmxDialog {
public:
    CMaterialProfile(const CString& path, int selectorArg, CWnd* parent = nullptr);
    CString m_path;
    int m_selectorArg = 0;
    BOOL m_load = FALSE; // closed with the Load button

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBrowse();
    afx_msg void OnPathChanged();
    afx_msg void OnLoad();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateLoadButton();
};

// Shows the dialog for the caller's materials in the working units u1 to u5 (setWorkingUnits).
// On OK the materials hold the edited rows, the profile path is remembered and 1 is returned;
// otherwise 0.
int MaterialBitmapDialog(CMaterialArray& materials, int u1, int u2, int u3, int u4, int u5, int selectorArg);
int MaterialBitmapDialogNew(CMaterialArray& materials, int u1, int u2, int u3, int u4, int u5, int selectorArg,
                            const char* path);

// Whether a fabric pattern profile path can be loaded: it resolves (".fpf" added) and the file
// may be read. path holds MAX_PATH characters and receives the resolved path.
BOOL MaterialProfileLoadable(char* path);

MISC_PUBLIC_END
