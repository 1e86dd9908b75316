#pragma once
// The tool layers table: the modal dialog in which the user keeps the list of tools (a layer
// number from 100 to 32767 and a name each) in a two-column grid, checks it, saves it to the
// user profile file, and imports and exports it as a tool layers file (".lyt").
//
// Modifiers: New layer with Shift inserts before the reference row instead of after it; Sort
// with Shift sorts descending and with Ctrl by name; the merging import with Shift lets the
// file's names replace those of tools with the same number.
#include <afxwin.h>
#include <family/vmxdialog.h>
#include <toolkit/tablegrid.h>

#include "misc/data/tools.h"

// Dialog template and controls.
#define IDD_TOOLS_LAYERS_TABLE 24326
#define IDC_LAYERS_GRID 1498
#define IDC_LAYERS_EXPORT_PATH 1499
#define IDC_LAYERS_MESSAGE 1500
#define IDC_LAYERS_IMPORT_PATH 1501
#define IDC_LAYERS_NEW 1502
#define IDC_LAYERS_DELETE 1503
#define IDC_LAYERS_RELOAD 1504
#define IDC_LAYERS_SORT 1505
#define IDC_LAYERS_IMPORT 1506
#define IDC_LAYERS_MERGE 1507
#define IDC_LAYERS_EXPORT 1508
#define IDC_LAYERS_SAVE 625
#define IDC_LAYERS_SAVE_TOOL 43075
// Strings of the resource module.
#define IDS_LAYERS_NUMBER_RANGE 28837
#define IDS_LAYERS_NUMBER_TWICE 28838
#define IDS_LAYERS_NAME_TWICE 28839
#define IDS_LAYERS_EXPORT_PATH_EMPTY 28840
#define IDS_LAYERS_EXPORT_FAILED 28842
#define IDS_LAYERS_IMPORT_FAILED 28843
#define IDS_LAYERS_MERGE_FAILED 28844
#define IDS_LAYERS_SAVE_QUESTION 28845
#define IDS_LAYERS_FILTER 60453
#define IDS_LAYERS_FILE_TITLE 61396
#define IDS_LAYERS_COL_NUMBER 24330
#define IDS_LAYERS_COL_NAME 24331
// The file dialog's filter when the resource module has none.
#define TOOLS_LAYERS_FILTER "Toots Layers File(*.lyt)|*.lyt|"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The grid of the table: column 1 the number, column 2 the name, one row per tool. A person's
// edit of a cell is reported to the dialog, which marks the list changed.
class AFX_EXT_CLASS ToolsLayersGridCtrl : public CGXGridWnd {
public:
    // Columns, headings and settings (row selection); called once the grid is subclassed.
    void Setup();
    // One row per tool, in array order; undo is off while filling.
    void Fill(const CToolsArray& tools);
    // The rows as tools: the number read as a base-10 long, the name as it stands.
    void Read(CToolsArray& tools);
    // The first selected row (1-based), or 0 when no row is selected.
    ROWCOL FirstSelectedRow() const;
    // Makes `row` the only selected row and the current one (nothing for 0).
    void SelectRow(ROWCOL row);

protected:
    void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
};

class AFX_EXT_CLASS CToolsLayersTableDialog : public CVmxDialog {
public:
    explicit CToolsLayersTableDialog(int value, CWnd* parent = nullptr);
    ~CToolsLayersTableDialog() override;

    CToolsArray m_tools;        // the working list
    int m_value = 0;            // as given to ToolsLayersTable
    int m_busy = 0;             // set while the export path text is being handled
    int m_flag = 1;
    int m_changed = 0;          // 0 after loading and saving; set by every edit
    CString m_exportPath;       // control 1499
    CString m_importPath;       // control 1501
    CString m_message;          // control 1500: the last check's result, or a file error
    ToolsLayersGridCtrl m_grid; // control 1498

    // 1 when the list is valid; otherwise 0 and the problem in m_message. Shows the message.
    int Check();
    // Marks the list changed from an edit in the grid.
    void OnGridEdited();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnNewLayer();
    afx_msg void OnDeleteLayer();
    afx_msg void OnSave();
    afx_msg void OnReload();
    afx_msg void OnSort();
    afx_msg void OnImport();
    afx_msg void OnMerge();
    afx_msg void OnExport();
    afx_msg void OnExportPathChanged();
    DECLARE_MESSAGE_MAP()

private:
    void ReadGrid();
    void Refill(ROWCOL select);
    void ShowMessage(const CString& text);
    void EnableSave(BOOL enable);
    // The path of an edit control, or one asked for with a file dialog when it is empty.
    CString AskPath(int editId, BOOL open);
    void Import(BOOL merge);
    // The save of Save, OK and Cancel: checks, saves, clears the changed flag.
    void SaveList();
    void Close(int result);
};

// Shows the tool layers table modally, without an owner window. Returns the dialog's result.
int ToolsLayersTable(int value);

MISC_PUBLIC_END
