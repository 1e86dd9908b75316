// MatGridCtrl: the six-column grid of the material pattern dialog.
#include <misc/datadlg/materialbitmap.h>

namespace {

struct ColumnInfo {
    int heading;
    int width;
};
const ColumnInfo kColumns[] = {
    {IDS_MATERIAL_COL_NAME, 60},     {IDS_MATERIAL_COL_PICTURE, 180}, {IDS_MATERIAL_COL_SIZE_X, 45},
    {IDS_MATERIAL_COL_SIZE_Y, 45},   {IDS_MATERIAL_COL_OFFSET_X, 45}, {IDS_MATERIAL_COL_OFFSET_Y, 45},
};

} // namespace

void MatGridCtrl::Setup()
{
    Initialize();
    GetParam()->EnableUndo(FALSE);
    GetParam()->EnableSelection(GX_SELROW | GX_SELROWWHOLE | GX_SELMULTIPLE | GX_SELSHIFT);
    SetColCount(6, GX_NOREDRAW);
    for (ROWCOL col = 1; col <= 6; ++col) {
        CString heading;
        heading.LoadString(kColumns[col - 1].heading);
        SetValueRange(CGXRange(0, col), heading, GX_NOREDRAW);
        SetColWidth(col, col, kColumns[col - 1].width, GX_NOREDRAW);
    }
    SetStyleRange(CGXRange().SetCols(kFile), CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT), gxOverride, GX_NOREDRAW);
    // The heading stays a heading, without the column's button.
    SetStyleRange(CGXRange(0, kFile), CGXStyle().SetControl(GX_IDS_CTRL_HEADER), gxOverride, GX_NOREDRAW);
    SetStyleRange(CGXRange().SetCols(kSizeX, kOffsetY), CGXStyle().SetHorizontalAlignment(DT_RIGHT), gxOverride,
                  GX_NOREDRAW);
    SetStyleRange(CGXRange().SetCols(kName, kOffsetY), CGXStyle().SetInterior(GetSysColor(COLOR_WINDOW)), gxOverride,
                  GX_NOREDRAW);
    GetParam()->EnableUndo(TRUE);
}

void MatGridCtrl::StyleFirstRow()
{
    if (GetRowCount() < 1)
        return;
    // Entry 0 has no name: its name cell is a read-only cell of its own in the button face.
    SetStyleRange(CGXRange(1, kName),
                  CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetReadOnly(TRUE).SetInterior(GetSysColor(COLOR_BTNFACE)),
                  gxOverride, GX_NOREDRAW);
}

void MatGridCtrl::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
    if (nCol != kFile)
        return;
    if (auto* dialog = dynamic_cast<CMaterialBitmapDialog*>(GetParent()))
        dialog->ChoosePicture(nRow);
}

void MatGridCtrl::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    CGXGridWnd::OnMovedCurrentCell(nRow, nCol);
    if (auto* dialog = dynamic_cast<CMaterialBitmapDialog*>(GetParent()))
        dialog->SetCurrentRow(nRow);
}
