// The table grid's rows and contents: inserting and removing, styles, sorting, copying, and
// calls from outside the grid's range.
#include "tablegrid_fixture.h"

using namespace guitest;

namespace {

using Rows = std::vector<ROWCOL>;

std::vector<std::string> Column(const CGXGridWnd& g, ROWCOL col)
{
    std::vector<std::string> out;
    for (ROWCOL r = 1; r <= g.GetRowCount(); ++r)
        out.push_back(std::string(g.GetValueRowCol(r, col)));
    return out;
}

TEST_F(TableGridTest, InsertAndRemoveMoveTheSelectionAndCurrentCellWithTheirRows)
{
    Fill(6, 2);
    ASSERT_TRUE(Cell(2, 0).Click());
    ASSERT_TRUE(Cell(5, 0).Click(MISC_MOD_CONTROL));
    ASSERT_TRUE(grid.InsertRows(3, 2));
    EXPECT_EQ(grid.GetRowCount(), 8u);
    EXPECT_EQ(Value(3, 1), "");
    EXPECT_EQ(Value(5, 1), "r3c1");
    EXPECT_EQ(SelectedRows(), Rows({2, 7}));
    ROWCOL r = 0, c = 0;
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(r, 7u);

    ASSERT_TRUE(grid.RemoveRows(6, 7)); // the current row goes: the row now there is current
    EXPECT_EQ(grid.GetRowCount(), 6u);
    EXPECT_EQ(SelectedRows(), Rows({2}));
    grid.GetCurrentCell(r, c);
    EXPECT_EQ(r, 6u);
    EXPECT_EQ(Value(6, 2), "r6c2");
    ASSERT_TRUE(grid.InsertRows(7, 1)); // appending
    EXPECT_EQ(grid.GetRowCount(), 7u);
    ASSERT_TRUE(grid.RemoveRows(1, 100)); // bounded by the row count
    EXPECT_EQ(grid.GetRowCount(), 0u);
    EXPECT_FALSE(grid.GetCurrentCell(r, c));
    EXPECT_EQ(SelectedRows(), Rows({}));
}

TEST_F(TableGridTest, RemovingTheRowUnderAnOpenEditorDropsTheEdit)
{
    Fill(3, 2);
    ASSERT_TRUE(Cell(2, 1).PressKey(VK_F2));
    ASSERT_TRUE(grid.IsActiveCurrentCell());
    ASSERT_TRUE(grid.RemoveRows(2, 2));
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"r1c1", "r3c1"}));
    MiscSettle();
}

TEST_F(TableGridTest, StylesComposeFromCellRowColumnAndStandard)
{
    Fill(3, 3);
    grid.ChangeStandardStyle(CGXStyle().SetTextColor(RGB(1, 1, 1)));
    grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetInterior(RGB(0, 0, 200)).SetHorizontalAlignment(DT_RIGHT));
    grid.SetStyleRange(CGXRange().SetRows(3), CGXStyle().SetInterior(RGB(0, 200, 0)).SetFont(CGXFont().SetBold(TRUE)));
    grid.SetStyleRange(CGXRange(3, 2), CGXStyle().SetInterior(RGB(200, 0, 0)));
    CGXStyle s;
    grid.ComposeStyleRowCol(1, 2, &s);
    EXPECT_EQ(s.GetInterior(), RGB(0, 0, 200));
    EXPECT_EQ(s.GetHorizontalAlignment(), static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(s.GetTextColor(), RGB(1, 1, 1));
    EXPECT_STREQ(s.GetValue(), "r1c2");
    grid.ComposeStyleRowCol(3, 1, &s);
    EXPECT_EQ(s.GetInterior(), RGB(0, 200, 0)); // the row is above the column
    EXPECT_TRUE(s.GetFont().GetBold());
    grid.ComposeStyleRowCol(3, 2, &s);
    EXPECT_EQ(s.GetInterior(), RGB(200, 0, 0));
    grid.SetStyleRange(CGXRange(3, 2), CGXStyle().SetInterior(0), gxExclude);
    grid.ComposeStyleRowCol(3, 2, &s);
    EXPECT_EQ(s.GetInterior(), RGB(0, 200, 0));
    // A value given to whole columns goes to their data cells; the header keeps its look.
    grid.SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue("1"));
    EXPECT_EQ(Column(grid, 3), (std::vector<std::string>{"1", "1", "1"}));
    EXPECT_EQ(Cell(2, 3).State().checked, BST_CHECKED);
    EXPECT_EQ(Cell(0, 3).Text(), "C");
    EXPECT_EQ(Cell(0, 3).State().checked, -1);
    grid.SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetValueType(GX_VT_NUMERIC));
    grid.ComposeStyleRowCol(1, 1, &s);
    EXPECT_EQ(s.GetHorizontalAlignment(), static_cast<UINT>(DT_RIGHT)); // numbers align right
    EXPECT_EQ(Cell(0, 1).Text(), "A"); // header without a value: the column letter
    EXPECT_EQ(Cell(2, 0).Text(), "2");
    grid.SetValueRange(CGXRange(0, 1), "Name");
    EXPECT_EQ(Grid().Cell(2, "Name").Text(), "r2c1");
}

TEST_F(TableGridTest, SortIsStableAscendingDescendingAndNumeric)
{
    grid.SetRowCount(6);
    grid.SetColCount(2);
    const char* names[] = {"pen", "Awl", "knife", "awl", "Pen", "chalk"};
    const char* numbers[] = {"10", "9", "100", "-1", "9", "x"};
    for (ROWCOL r = 1; r <= 6; ++r) {
        grid.SetValueRange(CGXRange(r, 1), names[r - 1]);
        grid.SetValueRange(CGXRange(r, 2), numbers[r - 1]);
    }
    grid.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetInterior(RGB(9, 9, 9)));
    CGXSortInfoArray keys;
    CGXSortInfo byName;
    byName.nRC = 1;
    keys.Add(byName);
    grid.SortRows(CGXRange().SetTable(), keys);
    // Case is ignored and equal keys keep their order.
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"Awl", "awl", "chalk", "knife", "pen", "Pen"}));
    CGXStyle s;
    grid.ComposeStyleRowCol(1, 2, &s); // the row style moved with "Awl"
    EXPECT_EQ(s.GetInterior(), RGB(9, 9, 9));

    keys[0].sortOrder = CGXSortInfo::descending;
    grid.SortRows(CGXRange().SetTable(), keys);
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"pen", "Pen", "knife", "chalk", "Awl", "awl"}));

    keys[0].nRC = 2;
    keys[0].sortOrder = CGXSortInfo::ascending;
    keys[0].sortType = CGXSortInfo::numeric; // numbers by value, texts after them
    grid.SortRows(CGXRange().SetTable(), keys);
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"-1", "9", "9", "10", "100", "x"}));
    EXPECT_EQ(Column(grid, 1)[1], "Pen"); // 9 and 9 kept the order they had

    grid.SortRows(CGXRange().SetRows(4, 6), keys); // a part of the rows; the rest stays
    keys[0].sortOrder = CGXSortInfo::descending;
    grid.SortRows(CGXRange().SetRows(4, 6), keys);
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"-1", "9", "9", "x", "100", "10"}));
}

// Two keys from one column, as a derived grid computes them.
class KeyGrid : public LoggingGrid {
public:
    void GetSortKey(ROWCOL r, ROWCOL c, const CGXSortInfo& info, const CGXStyle& style, CString& key) override
    {
        CGXGridWnd::GetSortKey(r, c, info, style, key);
        if (info.nKey == 0)
            key = CString(key.Right(1)); // last letter first
    }
};

TEST_F(TableGridTest, ADerivedGridComputesItsOwnKeys)
{
    KeyGrid g;
    ASSERT_TRUE(g.Create(WS_VISIBLE, CRect(0, 0, 200, 200), CWnd::FromHandle(parent->hwnd), 7));
    g.SetRowCount(4);
    g.SetColCount(1);
    const char* texts[] = {"zb", "ya", "xb", "wa"};
    for (ROWCOL r = 1; r <= 4; ++r)
        g.SetValueRange(CGXRange(r, 1), texts[r - 1]);
    CGXSortInfoArray keys;
    CGXSortInfo k;
    k.nRC = 1;
    keys.Add(k);
    keys.Add(k);
    g.SortRows(CGXRange().SetTable(), keys);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"wa", "ya", "xb", "zb"}));
    g.DestroyWindow();
}

TEST_F(TableGridTest, DoubleClickOnAColumnHeaderSortsWhenAsked)
{
    Fill(3, 2);
    grid.SetValueRange(CGXRange(1, 2), "b");
    grid.SetValueRange(CGXRange(2, 2), "c");
    grid.SetValueRange(CGXRange(3, 2), "a");
    grid.GetParam()->SetSortRowsOnDblClk(TRUE);
    ASSERT_TRUE(Cell(0, 2).DoubleClick());
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_TRUE(Cell(0, 2).DoubleClick(MISC_MOD_SHIFT));
    EXPECT_EQ(Column(grid, 2), (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(TableGridTest, CopyPutsTheSelectionOnTheClipboardAsTabbedLines)
{
    Fill(4, 3);
    grid.SetValueRange(CGXRange(2, 2), "tab\there");
    ASSERT_TRUE(Cell(2, 0).Click());
    ASSERT_TRUE(Cell(4, 0).Click(MISC_MOD_CONTROL));
    ASSERT_TRUE(Grid().PressKey('C', MISC_MOD_CONTROL));
    EXPECT_EQ(ClipboardText(), "r2c1\ttab here\tr2c3\r\nr4c1\tr4c2\tr4c3\r\n");

    ASSERT_TRUE(Cell(3, 2).Click()); // nothing selected: the current cell
    EXPECT_TRUE(grid.Copy());
    EXPECT_EQ(ClipboardText(), "r3c2\r\n");

    grid.SelectRange(CGXRange().SetTable()); // the whole table, as the shortcut list copies it
    EXPECT_EQ(std::string(grid.GetCopyText()), "r1c1\tr1c2\tr1c3\r\nr2c1\ttab here\tr2c3\r\nr3c1\tr3c2\tr3c3\r\n"
                                              "r4c1\tr4c2\tr4c3\r\n");
}

TEST_F(TableGridTest, OutOfRangeAndEmptyGridCallsAreRefusedQuietly)
{
    // An empty grid: every call answers and nothing breaks.
    EXPECT_EQ(grid.GetRowCount(), 0u);
    EXPECT_FALSE(grid.SetCurrentCell(1, 1));
    EXPECT_FALSE(grid.StartEditing(0, 0));
    EXPECT_FALSE(grid.RemoveRows(1, 1));
    EXPECT_FALSE(grid.InsertRows(2, 1));
    EXPECT_FALSE(grid.Copy());
    EXPECT_EQ(grid.GetValueRowCol(5, 5), CString());
    CGXSortInfoArray keys;
    keys.Add(CGXSortInfo());
    grid.SortRows(CGXRange().SetTable(), keys);
    ASSERT_TRUE(Grid().PressKey(VK_DOWN));
    ASSERT_TRUE(Grid().PressKey(VK_F2));
    ASSERT_TRUE(Grid().PressKey('C', MISC_MOD_CONTROL));
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    MiscClickAt(grid.m_hWnd, POINT{300, 200});
    EXPECT_FALSE(Cell(3, 1).Exists());
    EXPECT_EQ(Grid().ItemCount(), 1); // the header row

    Fill(2, 2);
    EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 1), "x"));
    EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 9), "x"));
    EXPECT_FALSE(grid.SelectRange(CGXRange(9, 9)));
    EXPECT_FALSE(grid.SelectRange(CGXRange()));
    EXPECT_FALSE(grid.RemoveRows(0, 1)); // the header row stays
    EXPECT_FALSE(grid.RemoveRows(2, 1));
    EXPECT_FALSE(grid.InsertRows(0, 1));
    EXPECT_FALSE(grid.InsertRows(1, GX_MAXROWCOL));
    EXPECT_FALSE(grid.SetTopRow(0));
    EXPECT_FALSE(grid.SetTopRow(99));
    EXPECT_FALSE(grid.ScrollCellInView(99, 1));
    EXPECT_FALSE(grid.MoveRows(2, 1, 1));
    EXPECT_FALSE(Cell(-1, 1).Exists());
    EXPECT_FALSE(Cell(1, 99).TypeText("x"));
    EXPECT_EQ(grid.HitTest(CPoint(-5, -5)), GX_NOHIT);
    EXPECT_TRUE(grid.CalcRectFromRowCol(99, 1).IsRectEmpty());
    grid.SetColCount(0); // all columns go; rows stay, with nothing to show
    EXPECT_EQ(grid.GetColCount(), 0u);
    EXPECT_FALSE(grid.SetCurrentCell(1, 1));
    grid.UpdateWindow();
    EXPECT_EQ(grid.GetCopyText(), CString());
}

TEST_F(TableGridTest, MoveRowsKeepsEveryRowOnce)
{
    Fill(5, 1);
    ASSERT_TRUE(grid.MoveRows(4, 5, 1));
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"r4c1", "r5c1", "r1c1", "r2c1", "r3c1"}));
    ASSERT_TRUE(grid.MoveRows(1, 1, 6));
    EXPECT_EQ(Column(grid, 1), (std::vector<std::string>{"r5c1", "r1c1", "r2c1", "r3c1", "r4c1"}));
}

} // namespace
