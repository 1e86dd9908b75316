// The table grid inside a dialog, as the table dialogs use it: a custom control of the grid's
// window class in the template, subclassed by a derived grid; the dialog's keys and buttons
// around an open editor; and what a person sees of the selection.
#include "tablegrid_fixture.h"

#include "win32/surface.h"

using namespace guitest;

namespace {

enum : int { kGrid = 1498, kNew = 1401 };
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const MiscResControl kControls[] = {
    {GX_GRID_CLASS, "", kGrid, kChild | WS_TABSTOP | WS_BORDER, 0, 7, 7, 200, 100},
    {"BUTTON", "New", kNew, kChild | WS_TABSTOP, 0, 7, 112, 50, 14},
    {"BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 100, 112, 50, 14},
    {"BUTTON", "Cancel", IDCANCEL, kChild | WS_TABSTOP, 0, 157, 112, 50, 14},
};
const MiscResDialog kDialog = {0, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 214, 133, "Tools",
                               "MS Shell Dlg", 8, nullptr, kControls, 4};

class ToolsDialog : public CDialog {
public:
    // The grid's window class must exist before a template names it, as a program's start-up
    // sees to.
    ToolsDialog() { GXInit(); }

    LoggingGrid grid;
    std::string readOnOk; // what OK found in the first cell
    int endedWith = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        grid.SubclassDlgItem(kGrid, this);
        grid.Initialize();
        grid.GetParam()->EnableUndo(FALSE);
        grid.SetRowCount(3);
        grid.SetColCount(2);
        for (ROWCOL r = 1; r <= 3; ++r)
            grid.SetValueRange(CGXRange(r, 1), ("tool" + std::to_string(r)).c_str());
        grid.GetParam()->EnableUndo(TRUE);
        grid.GetParam()->EnableSelection(GX_SELFULL | GX_SELROWWHOLE);
        return TRUE;
    }
    void OnOK() override
    {
        grid.TransferCurrentCell();
        readOnOk = std::string(grid.GetValueRowCol(1, 1));
        endedWith = IDOK;
        DestroyWindow();
    }
    void OnCancel() override
    {
        endedWith = IDCANCEL;
        DestroyWindow();
    }
};

class TableGridDialogTest : public GuiTest {};

TEST_F(TableGridDialogTest, TheGridOverATemplateControlTakesTheDialogsKeysWhileEditing)
{
    ToolsDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&kDialog, nullptr));
    MiscSettle();
    MiscElement grid = MiscFindControlByClass(dlg.m_hWnd, GX_GRID_CLASS);
    ASSERT_TRUE(grid.Exists());
    EXPECT_EQ(grid.Window(), dlg.grid.m_hWnd);
    EXPECT_EQ(grid.ItemCount(), 4); // the header row and three rows
    EXPECT_NE(dlg.grid.GetStyle() & WS_VSCROLL, 0u);

    // Escape and Enter in the editor end the edit, not the dialog.
    ASSERT_TRUE(grid.Cell(2, 1).PressKey(VK_F2));
    ASSERT_TRUE(dlg.grid.IsActiveCurrentCell());
    MiscPressKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.grid.IsActiveCurrentCell());
    EXPECT_EQ(dlg.endedWith, 0);
    ASSERT_TRUE(grid.Cell(2, 1).TypeText("knife"));
    EXPECT_EQ(dlg.endedWith, 0);
    EXPECT_EQ(dlg.grid.GetValueRowCol(2, 1), CString("knife"));

    // Clicking OK while a cell is edited stores the edit before OK reads the grid.
    ASSERT_TRUE(grid.Cell(1, 1).PressKey(VK_F2));
    ASSERT_TRUE(MiscElement(dlg.grid.GetEditorWnd()->m_hWnd).TypeText("pen"));
    ASSERT_TRUE(MiscClickButton(dlg.m_hWnd, IDOK));
    EXPECT_EQ(dlg.endedWith, IDOK);
    EXPECT_EQ(dlg.readOnOk, "pen");
}

TEST_F(TableGridDialogTest, LeavingTheGridForAnotherControlStoresTheEdit)
{
    ToolsDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&kDialog, nullptr));
    MiscSettle();
    MiscElement grid(dlg.grid.m_hWnd);
    ASSERT_TRUE(grid.Cell(3, 2).PressKey(VK_F2));
    ASSERT_TRUE(MiscElement(dlg.grid.GetEditorWnd()->m_hWnd).TypeText("kept"));
    ASSERT_TRUE(MiscClickButton(dlg.m_hWnd, kNew));
    EXPECT_EQ(dlg.grid.GetValueRowCol(3, 2), CString("kept"));
    EXPECT_FALSE(dlg.grid.IsActiveCurrentCell());
    EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(kNew)->m_hWnd); // the focus stays where the person put it
    dlg.DestroyWindow();
}

TEST_F(TableGridDialogTest, SelectedRowsAndTheCheckMarkAreDrawn)
{
    ToolsDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&kDialog, nullptr));
    dlg.grid.SetStyleRange(CGXRange(3, 2), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue("1"));
    dlg.grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetInterior(RGB(255, 0, 0)));
    MiscElement grid(dlg.grid.m_hWnd);
    ASSERT_TRUE(grid.Cell(2, 0).Click());
    MiscSettle();
    const MiscSurface shot = MiscCaptureWindow(dlg.grid.m_hWnd);
    CRect client;
    dlg.grid.GetClientRect(&client);
    CRect border;
    dlg.grid.GetWindowRect(&border);
    const int dx = (border.Width() - client.Width()) / 2; // the capture includes the border
    auto pixel = [&](const CRect& cell, int x, int y) {
        return MiscColorFromPixel(shot.row(cell.top + dx + y)[cell.left + dx + x]);
    };
    const CRect selected = dlg.grid.CalcRectFromRowCol(2, 2);
    const CRect red = dlg.grid.CalcRectFromRowCol(1, 2);
    EXPECT_EQ(pixel(selected, selected.Width() - 4, 3), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(red, red.Width() - 4, 3), RGB(255, 0, 0));
    // The check box sits in the middle of its cell and shows a mark (dark pixels inside).
    const CRect check = dlg.grid.CalcRectFromRowCol(3, 2);
    int dark = 0;
    for (int y = check.Height() / 2 - 3; y <= check.Height() / 2 + 3; ++y)
        for (int x = check.Width() / 2 - 3; x <= check.Width() / 2 + 3; ++x)
            dark += GetRValue(pixel(check, x, y)) < 80;
    EXPECT_GT(dark, 3);
    if (HasFailure())
        MiscWritePng(shot, "tablegrid_drawn_failure.png");
    dlg.DestroyWindow();
}

} // namespace
