// The table grid's window: creation, size, values and styles, current cell and selection.
#include "toolkit/tablegrid.h"

#include "control.h"
#include "editors.h"
#include "model.h"
#include "render.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXGridWnd, CWnd)

using tablegrid::Control;

CGXGridWnd::CGXGridWnd()
    : m_model(std::make_unique<tablegrid::Model>()), m_editor(std::make_unique<tablegrid::Editor>(*this))
{
}

CGXGridWnd::~CGXGridWnd()
{
    m_editor.reset();
}

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    GXInit();
    if (!CWnd::Create(GX_GRID_CLASS, "", dwStyle | WS_CHILD | WS_VSCROLL | WS_HSCROLL, rect, pParentWnd, nID))
        return FALSE;
    Initialize();
    return TRUE;
}

void CGXGridWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    GXInit();
}

void CGXGridWnd::Initialize()
{
    if (m_initialized || !GetSafeHwnd())
        return;
    m_initialized = TRUE;
    // A grid from a dialog template may lack the scroll bars; the grid always has them.
    ModifyStyle(0, WS_VSCROLL | WS_HSCROLL);
    Control::UpdateScrollBars(*this);
}

void CGXGridWnd::PostNcDestroy()
{
    m_initialized = FALSE;
    CWnd::PostNcDestroy();
}

void CGXGridWnd::Update(UINT flags)
{
    if (!GetSafeHwnd())
        return;
    Control::UpdateScrollBars(*this);
    Control::PlaceEditor(*this);
    if (m_lockUpdate || flags == GX_NOREDRAW)
        return;
    Invalidate(FALSE);
}

void CGXGridWnd::Notify(UINT code, ROWCOL row, ROWCOL col)
{
    if (!GetSafeHwnd())
        return;
    CWnd* parent = GetParent();
    if (!parent)
        return;
    GXNMGRID nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = code;
    nm.row = row;
    nm.col = col;
    parent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// ---- Size ----

BOOL CGXGridWnd::SetRowCount(ROWCOL nRows, UINT flags)
{
    const ROWCOL old = m_model->RowCount();
    if (nRows < old)
        return RemoveRows(nRows + 1, old, flags);
    m_model->SetRowCount(nRows);
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::SetColCount(ROWCOL nCols, UINT flags)
{
    const ROWCOL old = m_model->ColCount();
    if (nCols < old)
        return RemoveCols(nCols + 1, old, flags);
    m_model->SetColCount(nCols);
    Update(flags);
    return TRUE;
}

ROWCOL CGXGridWnd::GetRowCount() const { return m_model->RowCount(); }
ROWCOL CGXGridWnd::GetColCount() const { return m_model->ColCount(); }

BOOL CGXGridWnd::InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags)
{
    if (nRow == 0 || nRow > GetRowCount() + 1 || nCount == 0 || nCount > GX_MAXROWCOL - GetRowCount() - 1)
        return FALSE;
    TransferCurrentCell(TRUE);
    if (!m_model->InsertRows(nRow, nCount))
        return FALSE;
    Control::ShiftRows(*this, nRow, static_cast<long long>(nCount));
    m_model->ClearUndo();
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags)
{
    if (nFrom == 0 || nFrom > nTo || nFrom > GetRowCount())
        return FALSE;
    nTo = std::min(nTo, GetRowCount());
    if (m_editor->Active() && m_editor->Row() >= nFrom && m_editor->Row() <= nTo)
        TransferCurrentCell(FALSE);
    else
        TransferCurrentCell(TRUE);
    Control::DropRows(*this, nFrom, nTo);
    m_model->RemoveRows(nFrom, nTo);
    m_model->ClearUndo();
    Control::ClampScroll(*this);
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags)
{
    TransferCurrentCell(TRUE);
    if (!m_model->InsertCols(nCol, nCount))
        return FALSE;
    m_param.GetRangeList()->RemoveAll();
    m_model->ClearUndo();
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags)
{
    if (nFrom == 0 || nFrom > nTo || nFrom > GetColCount())
        return FALSE;
    TransferCurrentCell(FALSE);
    m_model->RemoveCols(nFrom, nTo);
    m_param.GetRangeList()->RemoveAll();
    if (m_curCol > GetColCount())
        m_curCol = GetColCount();
    if (m_curCol == 0)
        m_curRow = 0;
    m_model->ClearUndo();
    Control::ClampScroll(*this);
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth, UINT flags)
{
    if (nFrom > nTo || nFrom > GetColCount())
        return FALSE;
    for (ROWCOL c = nFrom; c <= std::min(nTo, GetColCount()); ++c)
        m_model->SetColWidth(c, nWidth);
    Update(flags);
    return TRUE;
}

int CGXGridWnd::GetColWidth(ROWCOL nCol) const { return m_model->ColWidth(nCol); }

BOOL CGXGridWnd::SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight, UINT flags)
{
    if (nFrom > nTo || nFrom > GetRowCount())
        return FALSE;
    for (ROWCOL r = nFrom; r <= std::min(nTo, GetRowCount()); ++r)
        m_model->SetRowHeight(r, nHeight);
    Update(flags);
    return TRUE;
}

int CGXGridWnd::GetRowHeight(ROWCOL nRow) const { return m_model->RowHeight(nRow); }

void CGXGridWnd::SetDefaultRowHeight(int nHeight)
{
    m_model->SetDefaultRowHeight(nHeight);
    Update(GX_INVALIDATE);
}

void CGXGridWnd::SetDefaultColWidth(int nWidth)
{
    m_model->SetDefaultColWidth(nWidth);
    Update(GX_INVALIDATE);
}

BOOL CGXGridWnd::HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, UINT flags)
{
    return SetColWidth(nFrom, nTo, bHide ? 0 : -1, flags);
}

BOOL CGXGridWnd::HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, UINT flags)
{
    return SetRowHeight(nFrom, nTo, bHide ? 0 : -1, flags);
}

// ---- Values and styles ----

BOOL CGXGridWnd::SetValueRange(const CGXRange& range, LPCTSTR text, UINT flags)
{
    CGXStyle style;
    style.SetValue(text);
    return SetStyleRange(range, style, gxOverride, flags);
}

BOOL CGXGridWnd::SetValueRange(const CGXRange& range, long number, UINT flags)
{
    CGXStyle style;
    style.SetValue(number);
    return SetStyleRange(range, style, gxOverride, flags);
}

BOOL CGXGridWnd::SetValueRange(const CGXRange& range, double number, UINT flags)
{
    CGXStyle style;
    style.SetValue(number);
    return SetStyleRange(range, style, gxOverride, flags);
}

CString CGXGridWnd::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) const
{
    return m_model->Value(nRow, nCol);
}

BOOL CGXGridWnd::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt, UINT flags)
{
    if (!range.IsValid())
        return FALSE;
    tablegrid::Model& m = *m_model;
    if (range.IsTable()) {
        ChangeStandardStyle(style, mt, flags);
        return TRUE;
    }
    // A value goes to the cells; the other attributes of a whole row or column to its style.
    CGXStyle rest(style);
    rest.SetIncludeValue(FALSE);
    const bool wholeLine = (range.IsRows() || range.IsCols()) && (!rest.IsEmpty() || mt != gxOverride);
    if (range.IsRows() && wholeLine)
        for (ROWCOL r = range.top; r <= std::min(range.bottom, m.RowCount()); ++r)
            m.ChangeRowStyle(r, rest, mt);
    if (range.IsCols() && wholeLine)
        for (ROWCOL c = range.left; c <= std::min(range.right, m.ColCount()); ++c)
            m.ChangeColStyle(c, rest, mt);
    if (range.IsCells() || style.GetIncludeValue()) {
        CGXRange cells(range);
        if (!range.IsCells()) {
            cells = range.Bounded(m.RowCount(), m.ColCount()); // data cells; headers keep theirs
        }
        CGXStyle valueOnly;
        valueOnly.SetValue(style.GetValue());
        const CGXStyle& applied = range.IsCells() ? style : valueOnly;
        const ROWCOL bottom = std::min(cells.bottom, m.RowCount());
        const ROWCOL right = std::min(cells.right, m.ColCount());
        if (cells.top > bottom || cells.left > right)
            return range.IsCells() ? FALSE : TRUE;
        // With undo on, a program's change of values can be taken back like the person's.
        const bool undo = m_param.IsEnableUndo() && style.GetIncludeValue();
        for (ROWCOL r = cells.top; r <= bottom; ++r)
            for (ROWCOL c = cells.left; c <= right; ++c) {
                if (undo && m.Value(r, c) != style.GetValue())
                    m.PushUndo(r, c, m.Value(r, c));
                m.ChangeCellStyle(r, c, applied, range.IsCells() ? mt : gxOverride);
            }
    }
    Update(flags);
    return TRUE;
}

void CGXGridWnd::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle) const
{
    if (pStyle)
        m_model->Compose(nRow, nCol, *pStyle);
}

void CGXGridWnd::ChangeStandardStyle(const CGXStyle& style, GXModifyType mt, UINT flags)
{
    m_model->Standard().ChangeStyle(style, mt);
    Update(flags);
}

void CGXGridWnd::ChangeColHeaderStyle(const CGXStyle& style, GXModifyType mt, UINT flags)
{
    m_model->ColHeader().ChangeStyle(style, mt);
    Update(flags);
}

void CGXGridWnd::ChangeRowHeaderStyle(const CGXStyle& style, GXModifyType mt, UINT flags)
{
    m_model->RowHeader().ChangeStyle(style, mt);
    Update(flags);
}

// ---- Drawing ----

BOOL CGXGridWnd::LockUpdate(BOOL bLock)
{
    const BOOL old = m_lockUpdate;
    m_lockUpdate = bLock;
    return old;
}

void CGXGridWnd::Redraw(UINT flags)
{
    if (!GetSafeHwnd())
        return;
    Control::UpdateScrollBars(*this);
    Control::PlaceEditor(*this);
    if (flags != GX_NOREDRAW)
        Invalidate(FALSE);
    if (flags == GX_UPDATENOW && !m_lockUpdate)
        UpdateWindow();
}

CRect CGXGridWnd::CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) const
{
    return Control::LayoutOf(*this).CellRect(nRow, nCol);
}

int CGXGridWnd::HitTest(CPoint pt, ROWCOL* pnRow, ROWCOL* pnCol) const
{
    ROWCOL row = 0, col = 0;
    if (!Control::LayoutOf(*this).Hit(pt, row, col))
        return GX_NOHIT;
    if (pnRow)
        *pnRow = row;
    if (pnCol)
        *pnCol = col;
    return row == 0 || col == 0 ? GX_HEADERHIT : GX_CELLHIT;
}

// ---- Scrolling ----

ROWCOL CGXGridWnd::GetTopRow() const { return m_topRow; }
ROWCOL CGXGridWnd::GetLeftCol() const { return m_leftCol; }

BOOL CGXGridWnd::SetTopRow(ROWCOL nRow, UINT flags)
{
    if (nRow < 1 || nRow > std::max<ROWCOL>(GetRowCount(), 1))
        return FALSE;
    m_topRow = nRow;
    Control::ClampScroll(*this);
    Update(flags);
    return TRUE;
}

BOOL CGXGridWnd::SetLeftCol(ROWCOL nCol, UINT flags)
{
    if (nCol < 1 || nCol > std::max<ROWCOL>(GetColCount(), 1))
        return FALSE;
    m_leftCol = nCol;
    Control::ClampScroll(*this);
    Update(flags);
    return TRUE;
}

ROWCOL CGXGridWnd::GetLastVisibleRow() const
{
    const tablegrid::Layout l = Control::LayoutOf(*this);
    return l.rows.empty() || l.rows.back().index == 0 ? 0 : l.rows.back().index;
}

BOOL CGXGridWnd::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    if (nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    if (Control::ScrollInView(*this, nRow, nCol))
        Update(flags);
    return TRUE;
}
