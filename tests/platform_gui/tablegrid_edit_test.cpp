// Editing the table grid's cells in place: edit boxes, drop-down lists, check boxes, buttons,
// numbers, undo.
#include "tablegrid_fixture.h"

using namespace guitest;

namespace {

TEST_F(TableGridTest, EnterStoresAndEscapeDropsAnEdit)
{
    Fill(3, 2);
    ASSERT_TRUE(Cell(2, 2).TypeText("changed"));
    EXPECT_EQ(Value(2, 2), "changed");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_TRUE(grid.Saw("Start 2,2"));
    EXPECT_TRUE(grid.Saw("Modify 2,2"));
    EXPECT_EQ(grid.Last(), "End 2,2");

    // F2 opens the editor; text typed and Escape leaves the cell as it was.
    grid.log.clear();
    ASSERT_TRUE(Cell(1, 1).PressKey(VK_F2));
    ASSERT_TRUE(grid.IsActiveCurrentCell());
    ASSERT_TRUE(MiscElement(grid.GetEditorWnd()->m_hWnd).TypeText("dropped"));
    EXPECT_EQ(Value(1, 1), "r1c1"); // nothing stored while editing
    MiscPressKeyWith(VK_ESCAPE, 0, ::GetFocus());
    MiscSettle();
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(Value(1, 1), "r1c1");
    EXPECT_TRUE(grid.Saw("Start 1,1"));
    EXPECT_FALSE(grid.Saw("Modify 1,1"));
    EXPECT_EQ(grid.Last(), "Cancel 1,1");
    EXPECT_EQ(::GetFocus(), grid.m_hWnd); // the focus comes back to the grid
}

TEST_F(TableGridTest, TypingStartsAnEditAndLeavingTheCellStoresIt)
{
    Fill(3, 2);
    ASSERT_TRUE(Cell(1, 2).Click());
    ::SendMessageA(grid.m_hWnd, WM_CHAR, 'x', 0);
    MiscSettle();
    ASSERT_TRUE(grid.IsActiveCurrentCell());
    CString text;
    grid.GetEditorWnd()->GetWindowText(text);
    EXPECT_STREQ(text, "x"); // the typed character replaces the value
    ASSERT_TRUE(Cell(3, 1).Click()); // another cell: the edit is stored first
    EXPECT_EQ(Value(1, 2), "x");
    EXPECT_FALSE(grid.IsActiveCurrentCell());

    // Down in the editor stores and moves on.
    ASSERT_TRUE(Cell(3, 1).PressKey(VK_F2));
    MiscPressKeyWith(VK_UP, 0, ::GetFocus());
    MiscSettle();
    ROWCOL r = 0, c = 0;
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(r, 2u);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
}

TEST_F(TableGridTest, ComboCellPicksFromItsChoices)
{
    Fill(3, 2);
    grid.SetStyleRange(CGXRange().SetCols(2),
                       CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Cotton\nDenim\nSilk"));
    ASSERT_TRUE(Cell(1, 2).TypeText("Silk"));
    EXPECT_EQ(Value(1, 2), "Silk");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_TRUE(grid.Saw("Modify 1,2"));
    ASSERT_TRUE(Cell(2, 2).SetValue(1));
    EXPECT_EQ(Value(2, 2), "Denim");
    EXPECT_FALSE(Cell(3, 2).TypeText("Wool")); // not a choice
    EXPECT_EQ(Value(3, 2), "r3c2");
    EXPECT_EQ(Cell(1, 2).State().childCount, 3);

    // Escape in an open list leaves the value.
    grid.TransferCurrentCell(FALSE);
    ASSERT_TRUE(Cell(1, 2).PressKey(VK_F4));
    ASSERT_TRUE(grid.IsActiveCurrentCell());
    MiscPressKeyWith(VK_ESCAPE, 0, ::GetFocus());
    MiscPressKeyWith(VK_ESCAPE, 0, ::GetFocus());
    MiscSettle();
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(Value(1, 2), "Silk");
}

TEST_F(TableGridTest, CheckCellsToggleByClickAndSpaceUnlessReadOnly)
{
    Fill(3, 2);
    grid.SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    grid.SetValueRange(CGXRange(1, 1, 3, 1), "0");
    ASSERT_TRUE(Cell(1, 1).SetCheck(BST_CHECKED));
    EXPECT_EQ(Value(1, 1), "1");
    EXPECT_EQ(Cell(1, 1).State().checked, BST_CHECKED);
    ASSERT_TRUE(Cell(1, 1).PressKey(VK_SPACE));
    EXPECT_EQ(Value(1, 1), "0");
    EXPECT_FALSE(grid.IsActiveCurrentCell()); // no editor for a check box
    grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetReadOnly(TRUE));
    EXPECT_FALSE(Cell(2, 1).SetCheck(BST_CHECKED));
    EXPECT_EQ(Value(2, 1), "0");
    EXPECT_FALSE(grid.Saw("Modify 2,1"));
}

TEST_F(TableGridTest, ReadOnlyStaticAndRefusedCellsDoNotOpen)
{
    Fill(3, 3);
    grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetReadOnly(TRUE));
    grid.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetControl(GX_IDS_CTRL_STATIC));
    EXPECT_FALSE(Cell(1, 1).TypeText("no"));
    EXPECT_FALSE(Cell(2, 3).TypeText("no"));
    EXPECT_EQ(Value(1, 1), "r1c1");
    EXPECT_EQ(Value(2, 3), "r2c3");
    grid.refuseEditing = true;
    EXPECT_FALSE(grid.StartEditing(3, 3));
    EXPECT_FALSE(grid.IsActiveCurrentCell());
}

TEST_F(TableGridTest, NumberCellsKeepTheEditorOpenForText)
{
    Fill(2, 2);
    grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetValueType(GX_VT_NUMERIC));
    EXPECT_FALSE(Cell(1, 2).TypeText("12a")); // Enter does not close it
    EXPECT_TRUE(grid.IsActiveCurrentCell());
    EXPECT_EQ(Value(1, 2), "r1c2");
    EXPECT_FALSE(grid.TransferCurrentCell(TRUE));
    ASSERT_TRUE(MiscElement(grid.GetEditorWnd()->m_hWnd).TypeText(" -2.5 "));
    EXPECT_TRUE(grid.TransferCurrentCell(TRUE));
    EXPECT_EQ(Value(1, 2), " -2.5 ");
}

TEST_F(TableGridTest, ButtonCellsReportTheirClicks)
{
    Fill(2, 2);
    grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT));
    grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN));
    const CRect hot = grid.CalcRectFromRowCol(1, 2);
    MiscClickAt(grid.m_hWnd, POINT{hot.right - 5, hot.top + 5});
    EXPECT_EQ(grid.Last(), "Button 1,2");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    ASSERT_TRUE(Cell(1, 2).TypeText("file.png")); // the text part is an edit box
    EXPECT_EQ(Value(1, 2), "file.png");
    ASSERT_TRUE(Cell(2, 2).Click());
    EXPECT_EQ(grid.Last(), "Button 2,2");
}

TEST_F(TableGridTest, UndoTakesBackEditsButNotAFillWithUndoOff)
{
    Fill(2, 2); // filled with undo off
    EXPECT_FALSE(grid.CanUndo());
    ASSERT_TRUE(Cell(1, 1).TypeText("a"));
    ASSERT_TRUE(Cell(1, 1).TypeText("b"));
    ASSERT_TRUE(Grid().PressKey('Z', MISC_MOD_CONTROL));
    EXPECT_EQ(Value(1, 1), "a");
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Value(1, 1), "r1c1");
    EXPECT_FALSE(grid.Undo());
    grid.SetValueRange(CGXRange(2, 2), "program"); // undo is on again after the fill
    EXPECT_TRUE(grid.Undo());
    EXPECT_EQ(Value(2, 2), "r2c2");
}

TEST_F(TableGridTest, AHeaderColumnStyledAsCellsIsEditedLikeOne)
{
    // A table whose names stand in column 0, its first row fixed and greyed.
    Fill(3, 2);
    grid.GetParam()->EnableSelection(GX_SELFULL | GX_SELROWWHOLE);
    grid.SetStyleRange(CGXRange().SetCols(0), CGXStyle()
                                                  .SetControl(GX_IDS_CTRL_EDIT)
                                                  .SetReadOnly(FALSE)
                                                  .SetHorizontalAlignment(DT_LEFT)
                                                  .SetInterior(::GetSysColor(COLOR_WINDOW)));
    grid.SetStyleRange(CGXRange(1, 0), CGXStyle().SetReadOnly(TRUE).SetInterior(::GetSysColor(COLOR_BTNFACE)));
    grid.SetValueRange(CGXRange(0, 0), "Name");
    ASSERT_TRUE(Cell(2, 0).TypeText("Denim"));
    EXPECT_EQ(Value(2, 0), "Denim");
    EXPECT_EQ(std::vector<ROWCOL>({2}), SelectedRows());
    EXPECT_FALSE(Cell(1, 0).TypeText("x"));
    EXPECT_EQ(Cell(3, 0).Text(), ""); // a cell, not a header: no row number
    EXPECT_EQ(Grid().Cell(2, "Name").Text(), "Denim");
    EXPECT_EQ(Cell(0, 1).Text(), "A"); // the header row is still a header
}

} // namespace

namespace {

TEST_F(TableGridTest, PasteFillsCellsFromTheSelectionAndSkipsWhatCannotTakeIt)
{
    Fill(4, 4);
    grid.SetStyleRange(CGXRange(2, 3), CGXStyle().SetReadOnly(TRUE));
    grid.SetStyleRange(CGXRange(3, 3), CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("red\ngreen\n"));
    grid.SetStyleRange(CGXRange(4, 3), CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("red\ngreen\n"));
    grid.SetStyleRange(CGXRange(3, 4), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
    // Four lines of four values pasted at (2, 2): what falls beyond the last row and column is
    // dropped.
    auto clip = [&](const std::string& text) {
        ASSERT_TRUE(::OpenClipboard(grid.m_hWnd));
        ::EmptyClipboard();
        HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(::GlobalLock(mem), text.c_str(), text.size() + 1);
        ::GlobalUnlock(mem);
        ::SetClipboardData(CF_TEXT, mem);
        ::CloseClipboard();
    };
    clip("a\tb\tc\tbeyond\r\nd\tgreen\tno\r\ne\tblue\t1\r\nbelow\r\n");
    ASSERT_TRUE(Cell(2, 2).Click());
    ASSERT_TRUE(Grid().PressKey('V', MISC_MOD_CONTROL));
    EXPECT_EQ(Value(2, 2), "a");
    EXPECT_EQ(Value(2, 3), "r2c3") << "read-only";
    EXPECT_EQ(Value(2, 4), "c");
    EXPECT_EQ(Value(3, 2), "d");
    EXPECT_EQ(Value(3, 3), "green") << "one of the list's choices";
    EXPECT_EQ(Value(3, 4), "r3c4") << "a check box takes 0 or 1 only";
    EXPECT_EQ(Value(4, 2), "e");
    EXPECT_EQ(Value(4, 3), "r4c3") << "not among the choices";
    EXPECT_EQ(Value(4, 4), "1");
    EXPECT_EQ(Value(1, 2), "r1c2");
    EXPECT_TRUE(grid.Saw("Modify 3,3"));
    EXPECT_TRUE(grid.Undo()) << "each value is an edit of the person's";
    EXPECT_EQ(Value(4, 4), "r4c4");
    // Empty values empty a text cell but are no list choice.
    clip("\t\r\n");
    ASSERT_TRUE(grid.SetCurrentCell(3, 2));
    EXPECT_TRUE(grid.Paste());
    EXPECT_EQ(Value(3, 2), "");
    EXPECT_EQ(Value(3, 3), "green");
    clip("a\tb\tc\tbeyond\r\n");
    // A selection's top-left corner is where a paste starts.
    grid.SelectRange(CGXRange(1, 1, 2, 2));
    EXPECT_TRUE(grid.Paste());
    EXPECT_EQ(Value(1, 1), "a");
}

} // namespace
