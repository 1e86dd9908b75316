// The table grid's selection by a person (clicks with Shift and Ctrl, keys) and scrolling.
#include "tablegrid_fixture.h"

#include <algorithm>

using namespace guitest;

namespace {

using Rows = std::vector<ROWCOL>;

TEST_F(TableGridTest, RowHeaderClicksSelectRowsWithShiftAndCtrl)
{
    Fill(8, 2);
    ASSERT_TRUE(Cell(2, 0).Click());
    EXPECT_EQ(SelectedRows(), Rows({2}));
    ASSERT_TRUE(Cell(5, 0).Click(MISC_MOD_SHIFT)); // from the anchor to here
    EXPECT_EQ(SelectedRows(), Rows({2, 3, 4, 5}));
    ASSERT_TRUE(Cell(7, 0).Click(MISC_MOD_CONTROL)); // added
    EXPECT_EQ(SelectedRows(), Rows({2, 3, 4, 5, 7}));
    ASSERT_TRUE(Cell(3, 0).Click(MISC_MOD_CONTROL)); // taken out of the middle of a range
    EXPECT_EQ(SelectedRows(), Rows({2, 4, 5, 7}));
    EXPECT_TRUE(Cell(4, 0).State().selected);
    EXPECT_FALSE(Cell(3, 0).State().selected);
    ASSERT_TRUE(Cell(6, 0).Click()); // a plain click starts again
    EXPECT_EQ(SelectedRows(), Rows({6}));
    EXPECT_TRUE(grid.Saw("Selection 6,0"));
}

TEST_F(TableGridTest, WholeRowModeSelectsRowsFromAnyCellAndTheKeyboard)
{
    Fill(10, 3);
    grid.GetParam()->EnableSelection(GX_SELFULL | GX_SELROWWHOLE);
    ASSERT_TRUE(Cell(3, 2).Click());
    EXPECT_EQ(SelectedRows(), Rows({3}));
    ASSERT_TRUE(Cell(3, 2).PressKey(VK_DOWN, MISC_MOD_SHIFT));
    ASSERT_TRUE(Cell(4, 2).PressKey(VK_DOWN, MISC_MOD_SHIFT));
    EXPECT_EQ(SelectedRows(), Rows({3, 4, 5}));
    ASSERT_TRUE(Grid().PressKey(VK_UP));
    EXPECT_EQ(SelectedRows(), Rows({4}));
    ROWCOL r = 0, c = 0;
    EXPECT_TRUE(grid.GetCurrentCell(r, c));
    EXPECT_EQ(r, 4u);
    EXPECT_EQ(c, 2u);
    ASSERT_TRUE(Cell(9, 1).Click(MISC_MOD_CONTROL));
    EXPECT_EQ(SelectedRows(), Rows({4, 9}));
}

TEST_F(TableGridTest, CellModeWithoutRowsSelectedGivesTheCurrentRow)
{
    Fill(5, 3);
    grid.GetParam()->EnableSelection(GX_SELNONE);
    ASSERT_TRUE(Cell(2, 0).Click()); // row selection off: the header only moves the current cell
    ASSERT_TRUE(Cell(4, 3).Click());
    CRowColArray rows;
    EXPECT_EQ(grid.GetSelectedRows(rows), 1u);
    EXPECT_EQ(rows[0], 4u);
    EXPECT_EQ(grid.GetSelectedRows(rows, TRUE, FALSE), 0u);
}

TEST_F(TableGridTest, ScrollingByBarWheelAndKeysKeepsTheSelection)
{
    Fill(500, 3);
    ASSERT_TRUE(Cell(2, 0).Click());
    ASSERT_TRUE(Cell(4, 0).Click(MISC_MOD_SHIFT));
    const ROWCOL shown = grid.GetLastVisibleRow();
    ASSERT_GT(shown, 3u);
    ASSERT_LT(shown, 20u);

    grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_GT(grid.GetTopRow(), 1u);
    const ROWCOL afterPage = grid.GetTopRow();
    ::SetFocus(grid.m_hWnd);
    MiscSendMouse(grid.m_hWnd, WM_MOUSEWHEEL, 50, 50, -WHEEL_DELTA);
    MiscSettle();
    EXPECT_EQ(grid.GetTopRow(), afterPage + 3); // three rows a notch
    EXPECT_EQ(SelectedRows(), Rows({2, 3, 4}));
    EXPECT_TRUE(Cell(3, 1).State().rect.bottom <= 0 || grid.CalcRectFromRowCol(3, 1).IsRectEmpty());

    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.GetLastVisibleRow(), 500u); // the last row is shown whole, not past it
    EXPECT_LT(grid.GetTopRow(), 500u);
    EXPECT_EQ(SelectedRows(), Rows({2, 3, 4}));

    // Reaching a cell scrolls it back into view; Ctrl+End goes to the last row.
    ASSERT_TRUE(Cell(3, 1).Click());
    EXPECT_LE(grid.GetTopRow(), 3u);
    ASSERT_TRUE(Grid().PressKey(VK_END, MISC_MOD_CONTROL));
    EXPECT_EQ(grid.GetLastVisibleRow(), 500u);
    ASSERT_TRUE(Grid().PressKey(VK_PRIOR)); // a page up: the current cell stays in view
    ROWCOL r = 0, c = 0;
    grid.GetCurrentCell(r, c);
    EXPECT_LT(r, 500u - shown / 2);
    EXPECT_FALSE(grid.CalcRectFromRowCol(r, c).IsRectEmpty());
    SCROLLINFO si{sizeof si, SIF_ALL};
    ASSERT_TRUE(grid.GetScrollInfo(SB_VERT, &si));
    EXPECT_EQ(si.nPos, static_cast<int>(grid.GetTopRow()));
    EXPECT_EQ(si.nMax, 500);
}

TEST_F(TableGridTest, HeaderCornerAndCtrlASelectTheTable)
{
    Fill(3, 2);
    ASSERT_TRUE(Cell(0, 0).Click());
    EXPECT_EQ(SelectedRows(), Rows({1, 2, 3}));
    ASSERT_TRUE(Cell(2, 2).Click());
    EXPECT_EQ(SelectedRows(), Rows({}));
    ASSERT_TRUE(Grid().PressKey('A', MISC_MOD_CONTROL));
    EXPECT_EQ(SelectedRows(), Rows({1, 2, 3}));
}

TEST_F(TableGridTest, AnOpenEditorFollowsItsCellAcrossScrolling)
{
    Fill(200, 12);
    ASSERT_TRUE(Cell(2, 2).PressKey(VK_F2));
    CWnd* editor = grid.GetEditorWnd();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsWindowVisible());
    grid.SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_GT(grid.GetLeftCol(), 2u);
    EXPECT_FALSE(editor->IsWindowVisible()); // its cell is out of view
    EXPECT_TRUE(grid.IsActiveCurrentCell());
    grid.SendMessage(WM_HSCROLL, SB_LEFT);
    EXPECT_TRUE(editor->IsWindowVisible());
    CRect at;
    editor->GetWindowRect(&at);
    grid.ScreenToClient(&at);
    EXPECT_TRUE(grid.CalcRectFromRowCol(2, 2).PtInRect(at.CenterPoint()));
    MiscPressKeyWith(VK_ESCAPE, 0, ::GetFocus());
    MiscSettle();
}

TEST_F(TableGridTest, AParentThatDoesNotDeriveHearsTheGridThroughNotifications)
{
    Fill(3, 2);
    parent->notes.clear();
    ASSERT_TRUE(Cell(2, 1).Click());
    ASSERT_TRUE(Cell(2, 1).TypeText("new"));
    std::vector<UINT> codes;
    for (const Note& n : parent->notes)
        if (n.msg == WM_NOTIFY && n.id == 1498)
            codes.push_back(n.code);
    auto has = [&](UINT code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); };
    EXPECT_TRUE(has(GXN_MOVEDCURRENTCELL));
    EXPECT_TRUE(has(GXN_CLICKED));
    EXPECT_TRUE(has(GXN_STARTEDITING));
    EXPECT_TRUE(has(GXN_MODIFYCELL));
    EXPECT_TRUE(has(GXN_ENDEDITING));
    EXPECT_FALSE(has(GXN_CANCELEDITING));
}

} // namespace

namespace {

TEST_F(TableGridTest, DraggingFromACellSelectsWhatItCovers)
{
    Fill(8, 4);
    auto drag = [&](ROWCOL r1, ROWCOL c1, ROWCOL r2, ROWCOL c2) {
        const CPoint from = grid.CalcRectFromRowCol(r1, c1).CenterPoint(), to = grid.CalcRectFromRowCol(r2, c2).CenterPoint();
        MiscDragFrom(grid.m_hWnd, from, POINT{to.x - from.x, to.y - from.y});
    };
    drag(2, 1, 4, 3);
    for (ROWCOL r = 1; r <= 5; ++r)
        for (ROWCOL c = 1; c <= 4; ++c)
            EXPECT_EQ(Cell(r, c).State().selected, r >= 2 && r <= 4 && c <= 3) << r << "," << c;
    ROWCOL row = 0, col = 0;
    EXPECT_TRUE(grid.GetCurrentCell(row, col));
    EXPECT_EQ(row, 2u) << "the current cell stays where the drag began";
    EXPECT_EQ(col, 1u);
    EXPECT_NE(::GetCapture(), grid.m_hWnd) << "the grid lets the mouse go on release";
    // From the row headers whole rows; a plain click afterwards starts again.
    drag(6, 0, 8, 0);
    EXPECT_EQ(SelectedRows(), Rows({6, 7, 8}));
    ASSERT_TRUE(Cell(3, 0).Click());
    EXPECT_EQ(SelectedRows(), Rows({3}));
}

} // namespace

namespace {

TEST_F(TableGridTest, ADraggedSelectionScrollsOnWhileTheMouseRestsBelowTheGrid)
{
    Fill(200, 3);
    const ROWCOL shown = grid.GetTopRow();
    const CPoint from = grid.CalcRectFromRowCol(2, 1).CenterPoint();
    CRect client;
    grid.GetClientRect(&client);
    MiscSendMouse(grid.m_hWnd, WM_LBUTTONDOWN, from.x, from.y);
    MiscSendMouse(grid.m_hWnd, WM_MOUSEMOVE, from.x, client.bottom + 20);
    const ROWCOL afterMove = grid.GetTopRow();
    EXPECT_GT(afterMove, shown) << "one row on at once";
    MiscAdvanceClock(1000);
    EXPECT_GT(grid.GetTopRow(), afterMove + 5) << "and on while the mouse rests there";
    MiscSendMouse(grid.m_hWnd, WM_LBUTTONUP, from.x, client.bottom + 20);
    const ROWCOL top = grid.GetTopRow();
    MiscAdvanceClock(1000);
    EXPECT_EQ(grid.GetTopRow(), top) << "released: the scrolling stops";
    EXPECT_TRUE(Cell(2, 1).State().selected);
    EXPECT_TRUE(grid.GetParam()->GetRangeList()->IsCellInList(top + 2, 1));
    EXPECT_FALSE(grid.GetParam()->GetRangeList()->IsCellInList(top + 2, 2)) << "the column stays the one under the mouse";
}

TEST_F(TableGridTest, EdgesInTheHeadersSizeColumnsAndRows)
{
    Fill(5, 3);
    const CRect colHead = grid.CalcRectFromRowCol(0, 1), rowHead = grid.CalcRectFromRowCol(2, 0);
    const int width = grid.GetColWidth(1), height = grid.GetRowHeight(2);
    ASSERT_EQ(colHead.Width(), width);
    MiscDragFrom(grid.m_hWnd, POINT{colHead.right - 1, colHead.CenterPoint().y}, POINT{30, 0});
    EXPECT_EQ(grid.GetColWidth(1), width + 29);
    EXPECT_EQ(grid.CalcRectFromRowCol(1, 2).left, colHead.left + width + 29) << "the next column moves along";
    MiscDragFrom(grid.m_hWnd, POINT{rowHead.CenterPoint().x, rowHead.bottom - 1}, POINT{0, 10});
    EXPECT_EQ(grid.GetRowHeight(2), height + 9);
    // Never below the smallest size; nothing selected or edited by sizing.
    const CRect narrowed = grid.CalcRectFromRowCol(0, 1);
    MiscDragFrom(grid.m_hWnd, POINT{narrowed.right, narrowed.CenterPoint().y}, POINT{-500, 0});
    EXPECT_EQ(grid.GetColWidth(1), 4);
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_NE(::GetCapture(), grid.m_hWnd);
    // With tracking off the edge is only part of the header.
    grid.GetParam()->EnableTrackColWidth(0);
    const CRect again = grid.CalcRectFromRowCol(0, 2);
    MiscDragFrom(grid.m_hWnd, POINT{again.right - 1, again.CenterPoint().y}, POINT{30, 0});
    EXPECT_EQ(grid.GetColWidth(2), again.Width());
}

} // namespace
