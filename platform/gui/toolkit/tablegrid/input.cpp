// The table grid's messages: painting, scroll bars and wheel, mouse, keyboard and the editors'
// reports.
#include "control.h"

#include "editors.h"

#include <algorithm>

namespace tablegrid {

namespace {
// While a dragged selection rests beyond an edge the grid scrolls on at this pace.
constexpr UINT_PTR kDragScrollTimer = 0x4753;
constexpr UINT kDragScrollDelay = 50;
} // namespace

namespace {

bool Held(int vk) { return (::GetKeyState(vk) & 0x8000) != 0; }

bool IsCombo(WORD control) { return control == GX_IDS_CTRL_COMBOBOX || control == GX_IDS_CTRL_CBS_DROPDOWNLIST; }

// Removes one row from the whole-row ranges of the selection, splitting a range around it.
void DeselectRow(CGXRangeList& list, ROWCOL row)
{
    std::vector<CGXRange> out;
    for (const CGXRange& r : list.Ranges()) {
        if (!r.IsRows() || row < r.top || row > r.bottom) {
            out.push_back(r);
            continue;
        }
        if (r.top < row)
            out.push_back(CGXRange().SetRows(r.top, row - 1));
        if (row < r.bottom)
            out.push_back(CGXRange().SetRows(row + 1, r.bottom));
    }
    list.Ranges() = std::move(out);
}

} // namespace

void Control::OnPaint(CGXGridWnd& g)
{
    CPaintDC dc(&g);
    if (g.m_lockUpdate)
        return;
    PaintState st;
    st.selection = g.m_param.GetRangeList();
    st.curRow = g.m_curRow;
    st.curCol = g.m_curCol;
    if (g.m_editor->Active()) {
        st.editRow = g.m_editor->Row();
        st.editCol = g.m_editor->Col();
    }
    st.focused = ::GetFocus() == g.m_hWnd;
    Paint(*g.m_model, LayoutOf(g), st, dc, g.GetFont());
}

void Control::OnScroll(CGXGridWnd& g, bool vertical, int code)
{
    const Layout l = LayoutOf(g);
    ROWCOL& pos = vertical ? g.m_topRow : g.m_leftCol;
    const long long page = std::max<long long>(vertical ? l.fullRows : l.fullCols, 1);
    const long long last = vertical ? g.GetRowCount() : g.GetColCount();
    long long p = pos;
    switch (code) {
    case SB_LINEUP: p -= 1; break;
    case SB_LINEDOWN: p += 1; break;
    case SB_PAGEUP: p -= page; break;
    case SB_PAGEDOWN: p += page; break;
    case SB_TOP: p = 1; break;
    case SB_BOTTOM: p = last; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        g.GetScrollInfo(vertical ? SB_VERT : SB_HORZ, &si, SIF_TRACKPOS);
        p = si.nTrackPos;
        break;
    }
    default: return;
    }
    pos = static_cast<ROWCOL>(std::clamp<long long>(p, 1, std::max<long long>(last, 1)));
    g.Update(GX_INVALIDATE);
}

void Control::SelectByPerson(CGXGridWnd& g, ROWCOL row, ROWCOL col, bool shift, bool ctrl, bool byKey)
{
    const WORD flags = g.m_param.GetSelectionFlags();
    CGXRangeList& list = *g.m_param.GetRangeList();
    const bool whole = (col == 0 && g.m_model->ControlOf(row, 0) == GX_IDS_CTRL_HEADER) || (flags & GX_SELROWWHOLE);
    if (whole && !(flags & GX_SELROW)) {
        list.RemoveAll();
        return;
    }
    CGXRange changed;
    if (shift && (flags & GX_SELSHIFT) && g.m_anchorRow) {
        if (!ctrl)
            list.RemoveAll();
        changed = whole ? CGXRange().SetRows(g.m_anchorRow, row)
                        : CGXRange(g.m_anchorRow, std::max<ROWCOL>(g.m_anchorCol, 1), row, std::max<ROWCOL>(col, 1));
        list.AddTail(changed);
    } else if (ctrl && (flags & GX_SELMULTIPLE)) {
        changed = whole ? CGXRange().SetRows(row) : CGXRange(row, col);
        if (whole && list.IsRowInList(row))
            DeselectRow(list, row);
        else
            list.AddTail(changed);
        g.m_anchorRow = row;
        g.m_anchorCol = col;
    } else {
        list.RemoveAll();
        changed = whole ? CGXRange().SetRows(row) : CGXRange(row, col);
        if (whole)
            list.AddTail(changed);
        g.m_anchorRow = row;
        g.m_anchorCol = col;
    }
    g.Invalidate(FALSE);
    g.OnChangedSelection(&changed, FALSE, byKey);
}

void Control::OnButtonDown(CGXGridWnd& g, UINT msg, WPARAM wp, CPoint pt)
{
    if (::GetFocus() != g.m_hWnd && !(g.m_editor->Active() && ::IsChild(g.m_hWnd, ::GetFocus())))
        g.SetFocus();
    if (msg == WM_LBUTTONDOWN && BeginTrack(g, pt))
        return;
    ROWCOL row = 0, col = 0;
    if (!LayoutOf(g).Hit(pt, row, col))
        return;
    const bool shift = (wp & MK_SHIFT) || Held(VK_SHIFT);
    const bool ctrl = (wp & MK_CONTROL) || Held(VK_CONTROL);
    const UINT keys = static_cast<UINT>(wp);
    const WORD selFlags = g.m_param.GetSelectionFlags();
    if (msg == WM_RBUTTONDOWN) {
        g.OnRButtonClickedRowCol(row, col, keys, pt);
        return;
    }
    if (row == 0) {
        if (msg == WM_LBUTTONDBLCLK && col > 0 && g.m_param.GetSortRowsOnDblClk()) {
            CGXSortInfoArray info;
            CGXSortInfo key;
            key.nRC = col;
            key.sortOrder = shift ? CGXSortInfo::descending : CGXSortInfo::ascending;
            info.Add(key);
            g.SortRows(CGXRange().SetTable(), info);
        } else if (!g.TransferCurrentCell(TRUE)) {
            return;
        } else if (col == 0 && (selFlags & GX_SELTABLE)) {
            g.m_param.GetRangeList()->RemoveAll();
            g.SelectRange(CGXRange().SetTable());
        } else if (col > 0 && (selFlags & GX_SELCOL)) {
            if (!ctrl)
                g.m_param.GetRangeList()->RemoveAll();
            g.SelectRange(CGXRange().SetCols(col));
        }
        if (msg == WM_LBUTTONDBLCLK)
            g.OnLButtonDblClkRowCol(row, col, keys, pt);
        else
            g.OnLButtonClickedRowCol(row, col, keys, pt);
        return;
    }
    const bool wasCurrent = row == g.m_curRow && col == g.m_curCol;
    if (col == 0 && g.m_model->ControlOf(row, 0) == GX_IDS_CTRL_HEADER) {
        if (!g.SetCurrentCell(row, std::max<ROWCOL>(g.m_curCol, 1), GX_SCROLLINVIEW | GX_INVALIDATE))
            return;
        SelectByPerson(g, row, 0, shift, ctrl, false);
        g.OnLButtonClickedRowCol(row, col, keys, pt);
        if (msg == WM_LBUTTONDOWN && !shift && !ctrl)
            BeginDragSelect(g, row, 0);
        return;
    }
    if (!g.SetCurrentCell(row, col, GX_SCROLLINVIEW | GX_INVALIDATE))
        return;
    if (msg == WM_LBUTTONDOWN)
        SelectByPerson(g, row, col, shift, ctrl, false);
    const bool handled = msg == WM_LBUTTONDBLCLK ? g.OnLButtonDblClkRowCol(row, col, keys, pt) != FALSE
                                                 : g.OnLButtonClickedRowCol(row, col, keys, pt) != FALSE;
    if (!handled || shift || ctrl)
        return;
    CGXStyle style;
    g.m_model->Compose(row, col, style);
    const WORD control = style.GetControl();
    const CRect cell = LayoutOf(g).CellRect(row, col);
    if (control == GX_IDS_CTRL_CHECKBOX) {
        ToggleCheck(g, row, col);
    } else if (control == GX_IDS_CTRL_PUSHBTN) {
        if (style.GetEnabled())
            g.OnClickedButtonRowCol(row, col);
    } else if (control == GX_IDS_CTRL_HOTSPOT && ButtonRect(cell, control).PtInRect(pt)) {
        if (style.GetEnabled() && !style.GetReadOnly())
            g.OnClickedButtonRowCol(row, col);
    } else if (IsCombo(control) && ButtonRect(cell, control).PtInRect(pt)) {
        BeginEdit(g, nullptr, true);
    } else if (wasCurrent || msg == WM_LBUTTONDBLCLK) {
        BeginEdit(g, nullptr, false);
    } else if (msg == WM_LBUTTONDOWN) {
        // A plain press on a cell that opened nothing may go on into a dragged selection.
        BeginDragSelect(g, row, col);
    }
}

void Control::BeginDragSelect(CGXGridWnd& g, ROWCOL row, ROWCOL col)
{
    if (!(g.m_param.GetSelectionFlags() & GX_SELSHIFT))
        return;
    g.m_dragSelecting = true;
    g.m_dragRow = row;
    g.m_dragCol = col;
    g.SetCapture();
}

void Control::DragSelectTo(CGXGridWnd& g, CPoint pt)
{
    // An open editor (a second click on the current cell) keeps the selection as it is.
    if (g.m_editor->Active() || g.GetRowCount() == 0 || g.GetColCount() == 0)
        return;
    g.m_dragPoint = pt;
    const Layout l = LayoutOf(g);
    const Model& m = *g.m_model;
    const int dataTop = l.client.top + m.HeaderRowHeight(), dataLeft = l.client.left + m.HeaderColWidth();
    // The cell under the mouse, the point taken into the cells first; beyond an edge the next
    // row or column out there, scrolled into view (again on the timer while the mouse rests).
    const CPoint inside(std::clamp<LONG>(pt.x, dataLeft, std::max<LONG>(dataLeft, l.client.right - 1)),
                        std::clamp<LONG>(pt.y, dataTop, std::max<LONG>(dataTop, l.client.bottom - 1)));
    ROWCOL row = 0, col = 0;
    if (!l.Hit(inside, row, col))
        return;
    bool beyond = false;
    if (pt.y >= l.client.bottom || pt.y < dataTop) {
        row = pt.y < dataTop ? std::max<ROWCOL>(g.m_topRow, 2) - 1 : std::min<ROWCOL>(g.m_topRow + l.fullRows, g.GetRowCount());
        beyond = true;
    }
    if (g.m_dragCol != 0 && (pt.x >= l.client.right || pt.x < dataLeft)) {
        col = pt.x < dataLeft ? std::max<ROWCOL>(g.m_leftCol, 2) - 1 : std::min<ROWCOL>(g.m_leftCol + l.fullCols, g.GetColCount());
        beyond = true;
    }
    col = g.m_dragCol == 0 ? 0 : std::max<ROWCOL>(col, 1);
    if (beyond) {
        if (ScrollInView(g, row, col == 0 ? g.m_leftCol : col))
            g.Update(GX_INVALIDATE);
        g.SetTimer(kDragScrollTimer, kDragScrollDelay, nullptr);
    }
    if (row == g.m_dragRow && col == g.m_dragCol)
        return;
    g.m_dragRow = row;
    g.m_dragCol = col;
    SelectByPerson(g, row, col, true, false, false);
}

void Control::EndDragSelect(CGXGridWnd& g)
{
    if (!g.m_dragSelecting)
        return;
    g.m_dragSelecting = false;
    g.KillTimer(kDragScrollTimer);
    if (::GetCapture() == g.m_hWnd)
        ::ReleaseCapture();
}

void Control::MoveCurrent(CGXGridWnd& g, long long dRow, long long dCol, bool extend, bool absoluteRow, ROWCOL row)
{
    const ROWCOL rows = g.GetRowCount(), cols = g.GetColCount();
    if (rows == 0 || cols == 0)
        return;
    long long r = absoluteRow ? row : static_cast<long long>(std::max<ROWCOL>(g.m_curRow, 1)) + dRow;
    long long c = static_cast<long long>(std::max<ROWCOL>(g.m_curCol, 1)) + dCol;
    r = std::clamp<long long>(r, 1, rows);
    c = std::clamp<long long>(c, 1, cols);
    if (!g.SetCurrentCell(static_cast<ROWCOL>(r), static_cast<ROWCOL>(c), GX_SCROLLINVIEW | GX_INVALIDATE))
        return;
    const bool whole = (g.m_param.GetSelectionFlags() & GX_SELROWWHOLE) != 0;
    if (extend || whole)
        SelectByPerson(g, g.m_curRow, g.m_curCol, extend, false, true);
    else if (!g.m_param.GetRangeList()->IsEmpty())
        g.ClearSelection();
}

bool Control::OnKeyDown(CGXGridWnd& g, UINT vk)
{
    const bool shift = Held(VK_SHIFT), ctrl = Held(VK_CONTROL);
    const long long page = std::max<long long>(LayoutOf(g).fullRows, 1);
    switch (vk) {
    case VK_UP: MoveCurrent(g, -1, 0, shift, false, 0); return true;
    case VK_DOWN: MoveCurrent(g, 1, 0, shift, false, 0); return true;
    case VK_LEFT: MoveCurrent(g, 0, -1, shift, false, 0); return true;
    case VK_RIGHT: MoveCurrent(g, 0, 1, shift, false, 0); return true;
    case VK_PRIOR: MoveCurrent(g, -page, 0, shift, false, 0); return true;
    case VK_NEXT: MoveCurrent(g, page, 0, shift, false, 0); return true;
    case VK_HOME:
        if (ctrl)
            MoveCurrent(g, 0, 0, shift, true, 1);
        else
            MoveCurrent(g, 0, -static_cast<long long>(g.GetColCount()), shift, false, 0);
        return true;
    case VK_END:
        if (ctrl)
            MoveCurrent(g, 0, 0, shift, true, g.GetRowCount());
        else
            MoveCurrent(g, 0, g.GetColCount(), shift, false, 0);
        return true;
    case VK_F2:
    case VK_RETURN:
        BeginEdit(g, nullptr, false);
        return true;
    case VK_F4:
        BeginEdit(g, nullptr, true);
        return true;
    case VK_SPACE:
        if (g.m_curRow)
            ToggleCheck(g, g.m_curRow, g.m_curCol);
        return true;
    default:
        break;
    }
    if (ctrl && (vk == 'C' || vk == VK_INSERT)) {
        g.Copy();
        return true;
    }
    if ((ctrl && vk == 'V') || (shift && vk == VK_INSERT)) {
        g.Paste();
        return true;
    }
    if (ctrl && vk == 'A' && (g.m_param.GetSelectionFlags() & GX_SELTABLE)) {
        g.m_param.GetRangeList()->RemoveAll();
        g.SelectRange(CGXRange().SetTable());
        return true;
    }
    if (ctrl && vk == 'Z') {
        g.Undo();
        return true;
    }
    return false;
}

void Control::OnChar(CGXGridWnd& g, UINT ch)
{
    if (ch < 32 || ch == 127 || Held(VK_CONTROL) || !g.m_param.GetTypingStartsEdit() || !g.m_curRow)
        return;
    if (ch == ' ' && g.m_model->ControlOf(g.m_curRow, g.m_curCol) == GX_IDS_CTRL_CHECKBOX)
        return; // Space toggled it already
    const char c = static_cast<char>(ch);
    const CString typed(&c, 1);
    if (!BeginEdit(g, &typed, false))
        return;
    if (g.m_editor->IsCombo() && g.m_editor->Window())
        g.m_editor->Window()->SendMessage(WM_CHAR, ch, 0); // selects a choice by its first letter
}

void Control::OnEditorKey(CGXGridWnd& g, UINT vk)
{
    switch (vk) {
    case VK_ESCAPE:
        g.TransferCurrentCell(FALSE);
        break;
    case VK_RETURN:
        g.TransferCurrentCell(TRUE);
        break;
    case VK_TAB:
        if (g.TransferCurrentCell(TRUE))
            MoveCurrent(g, 0, Held(VK_SHIFT) ? -1 : 1, false, false, 0);
        break;
    case VK_UP:
    case VK_DOWN:
        if (g.TransferCurrentCell(TRUE))
            MoveCurrent(g, vk == VK_UP ? -1 : 1, 0, false, false, 0);
        break;
    default:
        break;
    }
}

bool Control::Handle(CGXGridWnd& g, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    result = 0;
    switch (msg) {
    case WM_PAINT:
        OnPaint(g);
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SIZE:
        g.Update(GX_INVALIDATE);
        return false;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(g, msg == WM_VSCROLL, LOWORD(wp));
        return true;
    case WM_MOUSEWHEEL: {
        const int delta = GET_WHEEL_DELTA_WPARAM(wp);
        const long long lines = -static_cast<long long>(delta) * 3 / WHEEL_DELTA;
        const long long top = static_cast<long long>(g.m_topRow) + lines;
        g.m_topRow = static_cast<ROWCOL>(std::clamp<long long>(top, 1, std::max<ROWCOL>(g.GetRowCount(), 1)));
        g.Update(GX_INVALIDATE);
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        OnButtonDown(g, msg, wp, CPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))));
        return true;
    case WM_MOUSEMOVE:
        if (g.m_trackCol || g.m_trackRow) {
            if (wp & MK_LBUTTON)
                TrackTo(g, CPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))));
            else
                EndTrack(g);
            return true;
        }
        if (!g.m_dragSelecting)
            return false;
        if (wp & MK_LBUTTON)
            DragSelectTo(g, CPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))));
        else
            EndDragSelect(g);
        return true;
    case WM_LBUTTONUP:
        EndTrack(g);
        EndDragSelect(g);
        return false;
    case WM_TIMER:
        if (wp != kDragScrollTimer)
            return false;
        if (g.m_dragSelecting && ::GetCapture() == g.m_hWnd)
            DragSelectTo(g, g.m_dragPoint);
        else
            g.KillTimer(kDragScrollTimer);
        return true;
    case WM_CAPTURECHANGED:
        g.KillTimer(kDragScrollTimer);
        g.m_dragSelecting = false;
        g.m_trackCol = g.m_trackRow = 0;
        return false;
    case WM_SETCURSOR: {
        // The sizing arrows over an edge that can be dragged.
        CPoint pt;
        ::GetCursorPos(&pt);
        g.ScreenToClient(&pt);
        bool column = false;
        ROWCOL index = 0;
        int start = 0;
        if (LOWORD(lp) != HTCLIENT || !EdgeAt(g, pt, column, index, start))
            return false;
        ::SetCursor(::LoadCursorA(nullptr, column ? IDC_SIZEWE : IDC_SIZENS));
        result = TRUE;
        return true;
    }
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_KEYDOWN:
        return OnKeyDown(g, static_cast<UINT>(wp));
    case WM_CHAR:
        OnChar(g, static_cast<UINT>(wp));
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        g.Invalidate(FALSE);
        return false;
    case GXM_EDITKEY:
        OnEditorKey(g, static_cast<UINT>(wp));
        return true;
    case GXM_EDITLOST: {
        HWND focus = ::GetFocus();
        CWnd* ed = g.m_editor->Window();
        const bool inside = focus == g.m_hWnd || (ed && (focus == ed->m_hWnd || ::IsChild(ed->m_hWnd, focus)));
        if (g.m_editor->Active() && !inside && !g.TransferCurrentCell(TRUE))
            g.TransferCurrentCell(FALSE);
        return true;
    }
    case GXM_REAP:
        g.m_editor->Reap();
        return true;
    case WM_COMMAND:
        if (g.m_editor->Active() && g.m_editor->IsCombo() && HIWORD(wp) == CBN_SELCHANGE && g.m_editor->Window() &&
            reinterpret_cast<HWND>(lp) == g.m_editor->Window()->m_hWnd) {
            CComboBox* combo = static_cast<CComboBox*>(g.m_editor->Window());
            if (!combo->GetDroppedState())
                g.TransferCurrentCell(TRUE);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace tablegrid
