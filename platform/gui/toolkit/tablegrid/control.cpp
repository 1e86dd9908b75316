// The table grid's control: layout in the window, scroll bars, the editor's place, and how the
// selection and the current cell follow inserted and removed rows.
#include "control.h"

#include "editors.h"

#include <algorithm>

namespace tablegrid {

namespace {

CRect ClientOf(const CGXGridWnd& g)
{
    CRect r(0, 0, 0, 0);
    if (g.GetSafeHwnd())
        g.GetClientRect(&r);
    return r;
}

// The first index from which the items up to `last` fill `room` (at least 1).
ROWCOL FirstToFill(ROWCOL last, int room, auto sizeOf)
{
    ROWCOL first = last;
    int used = 0;
    for (ROWCOL i = last; i >= 1; --i) {
        const int size = sizeOf(i);
        if (used + size > room && used > 0)
            break;
        used += size;
        first = i;
        if (used >= room)
            break;
    }
    return std::max<ROWCOL>(first, 1);
}

} // namespace

Layout Control::LayoutOf(const CGXGridWnd& g)
{
    return ComputeLayout(*g.m_model, ClientOf(g), g.m_topRow, g.m_leftCol);
}

void Control::ClampScroll(CGXGridWnd& g)
{
    const Model& m = *g.m_model;
    const CRect client = ClientOf(g);
    const ROWCOL rows = m.RowCount(), cols = m.ColCount();
    const ROWCOL maxTop = rows == 0 ? 1 : FirstToFill(rows, client.Height() - m.HeaderRowHeight(),
                                                      [&](ROWCOL r) { return m.RowHeight(r); });
    const ROWCOL maxLeft = cols == 0 ? 1 : FirstToFill(cols, client.Width() - m.HeaderColWidth(),
                                                       [&](ROWCOL c) { return m.ColWidth(c); });
    g.m_topRow = std::clamp<ROWCOL>(g.m_topRow, 1, maxTop);
    g.m_leftCol = std::clamp<ROWCOL>(g.m_leftCol, 1, maxLeft);
}

void Control::UpdateScrollBars(CGXGridWnd& g)
{
    if (!g.GetSafeHwnd())
        return;
    ClampScroll(g);
    const Layout l = LayoutOf(g);
    const Model& m = *g.m_model;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 1;
    si.nMax = static_cast<int>(std::min<ROWCOL>(std::max<ROWCOL>(m.RowCount(), 1), 0x7FFFFFFF));
    si.nPage = std::max<UINT>(l.fullRows, 1);
    si.nPos = static_cast<int>(g.m_topRow);
    g.SetScrollInfo(SB_VERT, &si, TRUE);
    si.nMax = static_cast<int>(std::max<ROWCOL>(m.ColCount(), 1));
    si.nPage = std::max<UINT>(l.fullCols, 1);
    si.nPos = static_cast<int>(g.m_leftCol);
    g.SetScrollInfo(SB_HORZ, &si, TRUE);
}

bool Control::ScrollInView(CGXGridWnd& g, ROWCOL row, ROWCOL col)
{
    const Model& m = *g.m_model;
    const CRect client = ClientOf(g);
    const ROWCOL oldTop = g.m_topRow, oldLeft = g.m_leftCol;
    if (row >= 1 && row <= m.RowCount()) {
        if (row < g.m_topRow)
            g.m_topRow = row;
        else
            g.m_topRow = std::max(g.m_topRow, FirstToFill(row, client.Height() - m.HeaderRowHeight(),
                                                          [&](ROWCOL r) { return m.RowHeight(r); }));
    }
    if (col >= 1 && col <= m.ColCount()) {
        if (col < g.m_leftCol)
            g.m_leftCol = col;
        else
            g.m_leftCol = std::max(g.m_leftCol, FirstToFill(col, client.Width() - m.HeaderColWidth(),
                                                            [&](ROWCOL c) { return m.ColWidth(c); }));
    }
    ClampScroll(g);
    return oldTop != g.m_topRow || oldLeft != g.m_leftCol;
}

void Control::PlaceEditor(CGXGridWnd& g)
{
    Editor& e = *g.m_editor;
    if (e.Active())
        e.Move(LayoutOf(g).CellRect(e.Row(), e.Col()));
}

void Control::ShiftRows(CGXGridWnd& g, ROWCOL at, long long count)
{
    for (CGXRange& r : g.m_param.GetRangeList()->Ranges()) {
        if (r.IsCols() || r.IsTable())
            continue;
        if (r.top >= at)
            r.top = static_cast<ROWCOL>(r.top + count);
        if (r.bottom >= at && r.bottom != GX_MAXROWCOL)
            r.bottom = static_cast<ROWCOL>(r.bottom + count);
    }
    if (g.m_curRow >= at)
        g.m_curRow = static_cast<ROWCOL>(g.m_curRow + count);
    if (g.m_anchorRow >= at)
        g.m_anchorRow = static_cast<ROWCOL>(g.m_anchorRow + count);
}

void Control::DropRows(CGXGridWnd& g, ROWCOL from, ROWCOL to)
{
    const ROWCOL n = to - from + 1;
    auto& ranges = g.m_param.GetRangeList()->Ranges();
    const size_t before = ranges.size();
    std::vector<CGXRange> kept;
    for (CGXRange r : ranges) {
        if (!r.IsCols() && !r.IsTable()) {
            if (r.bottom < from) {
                // above: unchanged
            } else if (r.top > to) {
                r.top -= n;
                r.bottom -= n;
            } else {
                // The range loses its removed rows; what remains closes up.
                const ROWCOL top = std::min(r.top, from);
                const ROWCOL keptBelow = r.bottom > to ? r.bottom - to : 0;
                const ROWCOL keptAbove = r.top < from ? from - r.top : 0;
                if (keptAbove + keptBelow == 0)
                    continue;
                r.top = top;
                r.bottom = top + keptAbove + keptBelow - 1;
            }
        }
        kept.push_back(r);
    }
    ranges = std::move(kept);
    const ROWCOL remaining = g.m_model->RowCount() - n;
    auto follow = [&](ROWCOL& row) {
        if (row > to)
            row -= n;
        else if (row >= from)
            row = std::min(from, remaining);
    };
    follow(g.m_curRow);
    follow(g.m_anchorRow);
    if (g.m_curRow == 0)
        g.m_curCol = 0;
    if (ranges.size() != before)
        g.OnChangedSelection(nullptr, FALSE, FALSE);
}

} // namespace tablegrid
