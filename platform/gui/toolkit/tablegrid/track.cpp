// Sizing rows and columns with the mouse: the person presses on a column's right edge in the
// column headers (a row's lower edge in the row headers), drags, and lets go. The size follows
// the mouse, never below kMinSize; the cursor shows the sizing arrows over an edge.
#include "toolkit/tablegrid.h"

#include "control.h"
#include "render.h"

#include <algorithm>
#include <cstdlib>

using tablegrid::Control;

namespace {
constexpr int kGrip = 3;    // how near an edge a press takes it
constexpr int kMinSize = 4; // the smallest size dragging gives
} // namespace

bool Control::EdgeAt(const CGXGridWnd& g, CPoint pt, bool& column, ROWCOL& index, int& start)
{
    const tablegrid::Layout l = LayoutOf(g);
    const tablegrid::Span* headerRow = l.FindRow(0);
    const tablegrid::Span* headerCol = l.FindCol(0);
    if (headerRow && pt.y >= headerRow->start && pt.y < headerRow->start + headerRow->size && g.m_param.GetTrackColWidth())
        for (const tablegrid::Span& c : l.cols)
            if (c.index > 0 && std::abs(pt.x - (c.start + c.size)) <= kGrip) {
                column = true;
                index = c.index;
                start = c.start;
                return true;
            }
    if (headerCol && pt.x >= headerCol->start && pt.x < headerCol->start + headerCol->size && g.m_param.GetTrackRowHeight())
        for (const tablegrid::Span& r : l.rows)
            if (r.index > 0 && std::abs(pt.y - (r.start + r.size)) <= kGrip) {
                column = false;
                index = r.index;
                start = r.start;
                return true;
            }
    return false;
}

bool Control::BeginTrack(CGXGridWnd& g, CPoint pt)
{
    bool column = false;
    ROWCOL index = 0;
    int start = 0;
    if (!EdgeAt(g, pt, column, index, start) || !g.TransferCurrentCell(TRUE))
        return false;
    g.m_trackCol = column ? index : 0;
    g.m_trackRow = column ? 0 : index;
    g.m_trackStart = start;
    g.SetCapture();
    return true;
}

void Control::TrackTo(CGXGridWnd& g, CPoint pt)
{
    if (g.m_trackCol)
        g.SetColWidth(g.m_trackCol, g.m_trackCol, std::max(pt.x - g.m_trackStart, kMinSize), GX_INVALIDATE);
    else if (g.m_trackRow)
        g.SetRowHeight(g.m_trackRow, g.m_trackRow, std::max(pt.y - g.m_trackStart, kMinSize), GX_INVALIDATE);
}

void Control::EndTrack(CGXGridWnd& g)
{
    if (!g.m_trackCol && !g.m_trackRow)
        return;
    g.m_trackCol = g.m_trackRow = 0;
    if (::GetCapture() == g.m_hWnd)
        ::ReleaseCapture();
}
