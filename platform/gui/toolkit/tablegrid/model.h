#pragma once
// The table grid's data: rows of cells with their styles, column and row sizes, the base styles
// and the undo list. Row 0 is the header row and column 0 the header column; a row holds only
// the cells written so far, so a large grid of empty rows costs one small record per row.
#include "toolkit/tablegrid.h"

#include <deque>
#include <memory>
#include <vector>

namespace tablegrid {

struct Cell {
    CString value;
    std::unique_ptr<CGXStyle> style;
};

struct Row {
    std::vector<Cell> cells;
    std::unique_ptr<CGXStyle> style;
    int height = -1; // -1: the default height; 0: hidden
};

struct Column {
    std::unique_ptr<CGXStyle> style;
    int width = -1; // -1: the default width; 0: hidden
};

struct UndoEntry {
    ROWCOL row = 0, col = 0;
    CString before;
};

class Model {
public:
    Model();

    ROWCOL RowCount() const { return static_cast<ROWCOL>(m_rows.size() - 1); }
    ROWCOL ColCount() const { return static_cast<ROWCOL>(m_cols.size() - 1); }
    bool HasCell(ROWCOL row, ROWCOL col) const { return row <= RowCount() && col <= ColCount(); }
    void SetRowCount(ROWCOL n);
    void SetColCount(ROWCOL n);
    // Inserts n rows before `at` (1 to RowCount()+1); false when `at` is outside.
    bool InsertRows(ROWCOL at, ROWCOL n);
    bool RemoveRows(ROWCOL from, ROWCOL to);
    bool InsertCols(ROWCOL at, ROWCOL n);
    bool RemoveCols(ROWCOL from, ROWCOL to);
    bool MoveRows(ROWCOL from, ROWCOL to, ROWCOL dest);

    // The stored text (an empty string for a cell never written or outside the grid).
    const CString& Value(ROWCOL row, ROWCOL col) const;
    void SetValue(ROWCOL row, ROWCOL col, const CString& text);
    // The cell's own style, or null.
    const CGXStyle* CellStyle(ROWCOL row, ROWCOL col) const;
    // Merges into the cell's own style (the value part of `style` goes to the cell's value).
    void ChangeCellStyle(ROWCOL row, ROWCOL col, const CGXStyle& style, GXModifyType mt);
    void ChangeRowStyle(ROWCOL row, const CGXStyle& style, GXModifyType mt);
    void ChangeColStyle(ROWCOL col, const CGXStyle& style, GXModifyType mt);
    void Compose(ROWCOL row, ROWCOL col, CGXStyle& out) const;
    // Only what painting a data cell needs most: its control (without composing everything).
    WORD ControlOf(ROWCOL row, ROWCOL col) const;

    CGXStyle& Standard() { return m_standard; }
    CGXStyle& ColHeader() { return m_colHeader; }
    CGXStyle& RowHeader() { return m_rowHeader; }

    int ColWidth(ROWCOL col) const;
    int RowHeight(ROWCOL row) const;
    void SetColWidth(ROWCOL col, int width);
    void SetRowHeight(ROWCOL row, int height);
    int DefaultRowHeight() const { return m_defRowHeight; }
    int DefaultColWidth() const { return m_defColWidth; }
    void SetDefaultRowHeight(int h) { m_defRowHeight = h > 0 ? h : 1; }
    void SetDefaultColWidth(int w) { m_defColWidth = w > 0 ? w : 1; }
    // The header column's width and the header row's height.
    int HeaderColWidth() const { return ColWidth(0); }
    int HeaderRowHeight() const { return RowHeight(0); }

    // Direct access for sorting (row 0 excluded by the caller).
    std::vector<Row>& Rows() { return m_rows; }

    // The undo list: the text a cell had before each stored edit, last first out.
    void PushUndo(ROWCOL row, ROWCOL col, const CString& before);
    bool PopUndo(UndoEntry& entry);
    bool CanUndo() const { return !m_undo.empty(); }
    void ClearUndo() { m_undo.clear(); }

private:
    Cell& Touch(ROWCOL row, ROWCOL col);
    static void Merge(std::unique_ptr<CGXStyle>& slot, const CGXStyle& style, GXModifyType mt);

    std::vector<Row> m_rows;
    std::vector<Column> m_cols;
    CGXStyle m_standard, m_colHeader, m_rowHeader;
    std::deque<UndoEntry> m_undo;
    int m_defRowHeight = 20;
    int m_defColWidth = 64;
};

// The header text shown for a header cell without a value: row numbers, column letters.
CString DefaultHeaderText(ROWCOL row, ROWCOL col);
// The text a number is stored as.
CString FormatNumber(double value);
// Whether `text` reads wholly as a number (leading and trailing blanks allowed).
bool ParseNumber(const CString& text, double* value);

} // namespace tablegrid
