#pragma once
// Layout and painting of the table grid. Only what is on screen is laid out: the header row and
// column, then rows from the top row and columns from the left column until the client area is
// full, so the cost of a paint does not grow with the number of rows.
#include "model.h"

#include <vector>

namespace tablegrid {

// A row or column on screen: its number, where it starts and its size (a last one may be cut).
struct Span {
    ROWCOL index = 0;
    int start = 0;
    int size = 0;
};

struct Layout {
    CRect client;
    std::vector<Span> rows; // the header row (when shown), then data rows from the top row
    std::vector<Span> cols; // the header column (when shown), then data columns from the left one
    ROWCOL fullRows = 0;    // data rows shown whole
    ROWCOL fullCols = 0;    // data columns shown whole

    // The cell's rectangle; empty when it is not on screen.
    CRect CellRect(ROWCOL row, ROWCOL col) const;
    // The cell under a point; false outside every cell.
    bool Hit(CPoint pt, ROWCOL& row, ROWCOL& col) const;
    const Span* FindRow(ROWCOL row) const;
    const Span* FindCol(ROWCOL col) const;
};

Layout ComputeLayout(const Model& model, const CRect& client, ROWCOL topRow, ROWCOL leftCol);

// What painting needs besides the model.
struct PaintState {
    const CGXRangeList* selection = nullptr;
    ROWCOL curRow = 0, curCol = 0;
    ROWCOL editRow = 0, editCol = 0; // the cell under an open editor (not painted)
    bool focused = false;
};

void Paint(const Model& model, const Layout& layout, const PaintState& state, CDC& dc, CFont* font);

// The part of a cell a click on which presses its button ("..." and combo buttons, push buttons).
CRect ButtonRect(const CRect& cell, WORD control);
// The check box of a check cell.
CRect CheckBoxRect(const CRect& cell, UINT align);

} // namespace tablegrid
