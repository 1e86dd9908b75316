#include "tablegrid_fixture.h"

#include "win32/clipboard.h"

#include <algorithm>

namespace guitest {

bool LoggingGrid::Saw(const std::string& entry) const
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

void LoggingGrid::Add(const char* what, ROWCOL r, ROWCOL c)
{
    log.push_back(std::string(what) + " " + std::to_string(r) + "," + std::to_string(c));
}

void TableGridTest::SetUp()
{
    GuiTest::SetUp();
    parent = new NoteParent();
    ASSERT_TRUE(grid.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 360, 240), CWnd::FromHandle(parent->hwnd), 1498));
}

void TableGridTest::TearDown()
{
    if (grid.GetSafeHwnd())
        grid.DestroyWindow();
    delete parent;
    GuiTest::TearDown();
}

void TableGridTest::Fill(ROWCOL rows, ROWCOL cols)
{
    grid.GetParam()->EnableUndo(FALSE);
    grid.SetRowCount(rows);
    grid.SetColCount(cols);
    for (ROWCOL r = 1; r <= rows; ++r)
        for (ROWCOL c = 1; c <= cols; ++c)
            grid.SetValueRange(CGXRange(r, c), ("r" + std::to_string(r) + "c" + std::to_string(c)).c_str());
    grid.GetParam()->EnableUndo(TRUE);
    MiscSettle();
    grid.log.clear();
}

std::vector<ROWCOL> TableGridTest::SelectedRows() const
{
    CRowColArray rows;
    grid.GetSelectedRows(rows, TRUE, FALSE);
    std::vector<ROWCOL> out;
    for (INT_PTR i = 0; i < rows.GetSize(); ++i)
        out.push_back(rows[i]);
    return out;
}

std::string TableGridTest::ClipboardText() const
{
    std::string out;
    if (!OpenClipboard(nullptr))
        return out;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (auto* p = static_cast<const char*>(GlobalLock(h))) {
            out = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return out;
}

} // namespace guitest
