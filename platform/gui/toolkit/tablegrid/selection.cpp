// The table grid's selection, clipboard text and undo.
#include "toolkit/tablegrid.h"

#include "control.h"
#include "model.h"

#include "win32/clipboard.h"

#include <algorithm>
#include <cstring>

BOOL CGXGridWnd::SelectRange(const CGXRange& range, BOOL bSelect, BOOL bUpdate)
{
    if (!range.IsValid())
        return FALSE;
    CGXRangeList& list = *m_param.GetRangeList();
    if (bSelect) {
        if (range.IsCells() && (range.top > GetRowCount() || range.left > GetColCount()))
            return FALSE;
        if (range.IsRows() && range.top > GetRowCount())
            return FALSE;
        list.AddTail(range);
    } else {
        // Deselecting drops every range the given one touches (a whole table drops all).
        auto& v = list.Ranges();
        v.erase(std::remove_if(v.begin(), v.end(),
                               [&](const CGXRange& r) {
                                   if (range.IsTable() || r.IsTable())
                                       return true;
                                   const bool rowsMeet = range.IsCols() || r.IsCols() ||
                                                         (r.top <= range.bottom && range.top <= r.bottom);
                                   const bool colsMeet = range.IsRows() || r.IsRows() ||
                                                         (r.left <= range.right && range.left <= r.right);
                                   return rowsMeet && colsMeet;
                               }),
                v.end());
    }
    if (bUpdate && GetSafeHwnd() && !m_lockUpdate)
        Invalidate(FALSE);
    OnChangedSelection(&range, FALSE, FALSE);
    return TRUE;
}

void CGXGridWnd::ClearSelection(BOOL bUpdate)
{
    CGXRangeList& list = *m_param.GetRangeList();
    if (list.IsEmpty())
        return;
    list.RemoveAll();
    if (bUpdate && GetSafeHwnd() && !m_lockUpdate)
        Invalidate(FALSE);
    OnChangedSelection(nullptr, FALSE, FALSE);
}

ROWCOL CGXGridWnd::GetSelectedRows(CRowColArray& awRows, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell) const
{
    awRows.RemoveAll();
    std::vector<ROWCOL> rows;
    const ROWCOL count = GetRowCount();
    for (const CGXRange& r : m_param.GetRangeList()->Ranges()) {
        if (bRangeRowsOnly && !r.IsRows() && !r.IsTable())
            continue;
        const ROWCOL top = r.IsTable() || r.IsCols() ? 1 : std::max<ROWCOL>(r.top, 1);
        const ROWCOL bottom = r.IsTable() || r.IsCols() ? count : std::min(r.bottom, count);
        for (ROWCOL row = top; row <= bottom && row >= 1; ++row)
            rows.push_back(row);
    }
    if (rows.empty() && bCanUseCurrentCell && m_curRow && m_curRow <= count)
        rows.push_back(m_curRow);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (ROWCOL r : rows)
        awRows.Add(r);
    return static_cast<ROWCOL>(rows.size());
}

BOOL CGXGridWnd::IsRowSelected(ROWCOL nRow) const
{
    return nRow >= 1 && nRow <= GetRowCount() && m_param.GetRangeList()->IsRowInList(nRow);
}

BOOL CGXGridWnd::IsCellSelected(ROWCOL nRow, ROWCOL nCol) const
{
    return nRow <= GetRowCount() && nCol <= GetColCount() && m_param.GetRangeList()->IsCellInList(nRow, nCol);
}

CString CGXGridWnd::GetCopyText() const
{
    // The block covering every selected range (the library copies one block), or the current
    // cell when nothing is selected.
    const ROWCOL rows = GetRowCount(), cols = GetColCount();
    ROWCOL top = GX_MAXROWCOL, left = GX_MAXROWCOL, bottom = 0, right = 0;
    bool any = false;
    for (const CGXRange& r : m_param.GetRangeList()->Ranges()) {
        const CGXRange b = r.Bounded(rows, cols);
        if (!b.IsValid())
            continue;
        any = true;
        top = std::min(top, std::max<ROWCOL>(b.top, 1));
        left = std::min(left, std::max<ROWCOL>(b.left, 1));
        bottom = std::max(bottom, b.bottom);
        right = std::max(right, b.right);
    }
    if (!any) {
        if (!m_curRow || !m_curCol || m_curRow > rows || m_curCol > cols)
            return CString();
        top = bottom = m_curRow;
        left = right = m_curCol;
    }
    const CGXRangeList& sel = *m_param.GetRangeList();
    std::string out;
    for (ROWCOL r = top; r <= bottom; ++r) {
        // Rows of the block that no range touches are left out (a Ctrl selection of rows 2 and 5
        // copies two lines).
        bool used = !any;
        for (ROWCOL c = left; c <= right && !used; ++c)
            used = sel.IsCellInList(r, c) != FALSE;
        if (!used)
            continue;
        for (ROWCOL c = left; c <= right; ++c) {
            if (c > left)
                out += '\t';
            const CString& v = m_model->Value(r, c);
            // A tab or line break inside a cell would break the table apart: they become spaces.
            for (const char* p = v; *p; ++p)
                out += (*p == '\t' || *p == '\r' || *p == '\n') ? ' ' : *p;
        }
        out += "\r\n";
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}

BOOL CGXGridWnd::CanCopy() const { return !GetCopyText().IsEmpty(); }

BOOL CGXGridWnd::Copy()
{
    TransferCurrentCell(TRUE);
    const CString text = GetCopyText();
    if (text.IsEmpty())
        return FALSE;
    if (!::OpenClipboard(GetSafeHwnd()))
        return FALSE;
    ::EmptyClipboard();
    const SIZE_T size = static_cast<SIZE_T>(text.GetLength()) + 1;
    HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, size);
    BOOL ok = FALSE;
    if (mem) {
        if (void* p = ::GlobalLock(mem)) {
            std::memcpy(p, static_cast<LPCTSTR>(text), size);
            ::GlobalUnlock(mem);
            ok = ::SetClipboardData(CF_TEXT, mem) != nullptr;
        }
        if (!ok)
            ::GlobalFree(mem);
    }
    ::CloseClipboard();
    return ok;
}

BOOL CGXGridWnd::Undo()
{
    TransferCurrentCell(TRUE);
    tablegrid::UndoEntry e;
    if (!m_param.IsEnableUndo() || !m_model->PopUndo(e) || !m_model->HasCell(e.row, e.col))
        return FALSE;
    m_model->SetValue(e.row, e.col, e.before);
    OnModifyCell(e.row, e.col);
    Update(GX_INVALIDATE);
    return TRUE;
}

BOOL CGXGridWnd::CanUndo() const { return m_param.IsEnableUndo() && m_model->CanUndo(); }
