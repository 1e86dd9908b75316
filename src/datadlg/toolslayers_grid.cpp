// ToolsLayersGridCtrl: the two-column grid of the tool layers table.
#include <misc/datadlg/toolslayers.h>

#include <cstdlib>

namespace {

const int kNumberWidth = 70;
const int kNameWidth = 236;

} // namespace

void ToolsLayersGridCtrl::Setup()
{
    Initialize();
    GetParam()->EnableSelection(GX_SELROW | GX_SELROWWHOLE | GX_SELMULTIPLE | GX_SELSHIFT);
    GetParam()->EnableUndo(FALSE);
    SetColCount(2, GX_NOREDRAW);
    SetRowCount(0, GX_NOREDRAW);
    CString heading;
    if (!heading.LoadString(IDS_LAYERS_COL_NUMBER))
        heading = "Number";
    SetValueRange(CGXRange(0, 1), heading, GX_NOREDRAW);
    if (!heading.LoadString(IDS_LAYERS_COL_NAME))
        heading = "Name";
    SetValueRange(CGXRange(0, 2), heading, GX_NOREDRAW);
    SetColWidth(1, 1, kNumberWidth, GX_NOREDRAW);
    SetColWidth(2, 2, kNameWidth, GX_NOREDRAW);
    SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetHorizontalAlignment(DT_RIGHT), gxOverride, GX_NOREDRAW);
    // A name is at most 31 characters in the profile.
    SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetMaxLength(31), gxOverride, GX_NOREDRAW);
    GetParam()->EnableUndo(TRUE);
    Redraw();
}

void ToolsLayersGridCtrl::Fill(const CToolsArray& tools)
{
    GetParam()->EnableUndo(FALSE);
    TransferCurrentCell(FALSE, GX_NOREDRAW);
    ClearSelection(FALSE);
    SetRowCount(static_cast<ROWCOL>(tools.GetSize()), GX_NOREDRAW);
    for (INT_PTR i = 0; i < tools.GetSize(); ++i) {
        const ROWCOL row = static_cast<ROWCOL>(i + 1);
        CString number;
        number.Format("%d", static_cast<int>(tools[i].m_number));
        SetValueRange(CGXRange(row, 1), number, GX_NOREDRAW);
        SetValueRange(CGXRange(row, 2), tools[i].m_name, GX_NOREDRAW);
    }
    GetParam()->EnableUndo(TRUE);
    Redraw();
}

void ToolsLayersGridCtrl::Read(CToolsArray& tools)
{
    TransferCurrentCell(TRUE, GX_NOREDRAW);
    tools.RemoveAll();
    const ROWCOL rows = GetRowCount();
    for (ROWCOL row = 1; row <= rows; ++row) {
        const CString number = GetValueRowCol(row, 1);
        const long value = std::strtol(number.GetString(), nullptr, 10);
        // Beyond the range of the record's number the value cannot be valid: keep it out of
        // range rather than let it wrap into a valid one.
        const int32_t stored = value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
        tools.Add(CToolsBlock(GetValueRowCol(row, 2), stored));
    }
}

ROWCOL ToolsLayersGridCtrl::FirstSelectedRow() const
{
    CRowColArray rows;
    if (GetSelectedRows(rows, FALSE, FALSE) == 0 || rows.GetSize() == 0)
        return 0;
    return rows[0] >= 1 && rows[0] <= GetRowCount() ? rows[0] : 0;
}

void ToolsLayersGridCtrl::SelectRow(ROWCOL row)
{
    ClearSelection(FALSE);
    if (row == 0 || row > GetRowCount()) {
        Redraw();
        return;
    }
    SetCurrentCell(row, 1, GX_SCROLLINVIEW | GX_NOSETFOCUS | GX_NOREDRAW);
    SelectRange(CGXRange().SetRows(row), TRUE, FALSE);
    Redraw();
}

void ToolsLayersGridCtrl::OnModifyCell(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnModifyCell(nRow, nCol);
    if (auto* dialog = dynamic_cast<CToolsLayersTableDialog*>(GetParent()))
        dialog->OnGridEdited();
}
