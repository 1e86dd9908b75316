#pragma once
// Shared set-up of the table-grid tests: a parent window holding a grid that records what its
// overridable operations are told, and helpers to fill it.
#include "ctl_test_parent.h"
#include "gui_fixture.h"

#include <afxwin.h>

#include "toolkit/tablegrid.h"
#include "win32/automation.h"

#include <string>
#include <vector>

namespace guitest {

// A grid as a dialog derives it: every notification is logged as "Name row,col".
class LoggingGrid : public CGXGridWnd {
public:
    std::vector<std::string> log;
    bool refuseEditing = false;
    std::string Last() const { return log.empty() ? std::string() : log.back(); }
    bool Saw(const std::string& entry) const;

    void OnModifyCell(ROWCOL r, ROWCOL c) override { Add("Modify", r, c); CGXGridWnd::OnModifyCell(r, c); }
    BOOL OnStartEditing(ROWCOL r, ROWCOL c) override
    {
        Add("Start", r, c);
        return refuseEditing ? FALSE : CGXGridWnd::OnStartEditing(r, c);
    }
    BOOL OnEndEditing(ROWCOL r, ROWCOL c) override { Add("End", r, c); return CGXGridWnd::OnEndEditing(r, c); }
    void OnCanceledEditing(ROWCOL r, ROWCOL c) override { Add("Cancel", r, c); CGXGridWnd::OnCanceledEditing(r, c); }
    void OnClickedButtonRowCol(ROWCOL r, ROWCOL c) override { Add("Button", r, c); CGXGridWnd::OnClickedButtonRowCol(r, c); }
    BOOL OnLButtonDblClkRowCol(ROWCOL r, ROWCOL c, UINT f, CPoint p) override
    {
        Add("DblClk", r, c);
        return CGXGridWnd::OnLButtonDblClkRowCol(r, c, f, p);
    }
    void OnChangedSelection(const CGXRange* range, BOOL drag, BOOL key) override
    {
        Add("Selection", range ? range->top : 0, range ? range->left : 0);
        CGXGridWnd::OnChangedSelection(range, drag, key);
    }

private:
    void Add(const char* what, ROWCOL r, ROWCOL c);
};

class TableGridTest : public GuiTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Rows of "r<row>c<col>" texts.
    void Fill(ROWCOL rows, ROWCOL cols);
    MiscElement Grid() const { return MiscElement(grid.m_hWnd); }
    MiscElement Cell(int row, int col) const { return Grid().Cell(row, col); }
    std::vector<ROWCOL> SelectedRows() const;
    std::string Value(ROWCOL r, ROWCOL c) const { return std::string(grid.GetValueRowCol(r, c)); }
    std::string ClipboardText() const;

    NoteParent* parent = nullptr;
    LoggingGrid grid;
};

} // namespace guitest
