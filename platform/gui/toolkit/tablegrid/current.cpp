// The table grid's current cell, in-place editing and the operations a derived grid overrides.
#include "toolkit/tablegrid.h"

#include "control.h"
#include "editors.h"
#include "model.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using tablegrid::Control;

namespace {

bool Editable(const CGXStyle& s)
{
    switch (s.GetControl()) {
    case GX_IDS_CTRL_EDIT:
    case GX_IDS_CTRL_COMBOBOX:
    case GX_IDS_CTRL_CBS_DROPDOWNLIST:
    case GX_IDS_CTRL_HOTSPOT:
    case GX_IDS_CTRL_BITMAP:
        return !s.GetReadOnly() && s.GetEnabled();
    default:
        return false;
    }
}

} // namespace

BOOL CGXGridWnd::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags)
{
    if (nRow < 1 || nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    if (nCol == 0 && m_model->ControlOf(nRow, 0) == GX_IDS_CTRL_HEADER)
        return FALSE; // a header column cell can be current only when a style made it a cell
    if (m_editor->Active() && (m_editor->Row() != nRow || m_editor->Col() != nCol) && !TransferCurrentCell(TRUE))
        return FALSE;
    const bool moved = nRow != m_curRow || nCol != m_curCol;
    m_curRow = nRow;
    m_curCol = nCol;
    if (m_anchorRow == 0) {
        m_anchorRow = nRow;
        m_anchorCol = nCol;
    }
    if (flags & GX_SCROLLINVIEW)
        Control::ScrollInView(*this, nRow, nCol);
    Update(flags & 0xFF);
    if (moved)
        OnMovedCurrentCell(nRow, nCol);
    if (flags & GX_DISPLAYEDITWND)
        StartEditing(nRow, nCol);
    return TRUE;
}

BOOL CGXGridWnd::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const
{
    nRow = m_curRow;
    nCol = m_curCol;
    return m_curRow != 0;
}

BOOL CGXGridWnd::GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol) const
{
    ROWCOL r = 0, c = 0;
    const BOOL ok = GetCurrentCell(r, c);
    if (pnRow)
        *pnRow = r;
    if (pnCol)
        *pnCol = c;
    return ok;
}

BOOL CGXGridWnd::StartEditing(ROWCOL nRow, ROWCOL nCol)
{
    if (!GetSafeHwnd())
        return FALSE;
    if ((nRow != m_curRow || nCol != m_curCol) && !SetCurrentCell(nRow, nCol))
        return FALSE;
    return Control::BeginEdit(*this, nullptr, false) ? TRUE : FALSE;
}

BOOL CGXGridWnd::TransferCurrentCell(BOOL bSaveAndValidate, UINT flags)
{
    if (!m_editor->Active())
        return TRUE;
    const ROWCOL row = m_editor->Row(), col = m_editor->Col();
    if (!bSaveAndValidate) {
        m_editor->Close();
        Update(flags);
        OnCanceledEditing(row, col);
        return TRUE;
    }
    const CString text = m_editor->Text();
    CGXStyle style;
    m_model->Compose(row, col, style);
    if (style.GetValueType() == GX_VT_NUMERIC && !text.IsEmpty() && !tablegrid::ParseNumber(text, nullptr))
        return FALSE;
    if (!OnValidateCell(row, col, text))
        return FALSE;
    m_editor->Close();
    if (text != m_model->Value(row, col))
        Control::StoreByPerson(*this, row, col, text);
    Update(flags);
    OnEndEditing(row, col);
    return TRUE;
}

BOOL CGXGridWnd::IsActiveCurrentCell() const { return m_editor->Active(); }

CWnd* CGXGridWnd::GetEditorWnd() const { return m_editor->Window(); }

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (Control::Handle(*this, message, wParam, lParam, result))
        return result;
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---- Defaults of the overridable operations: tell the parent ----

BOOL CGXGridWnd::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    Notify(GXN_CLICKED, nRow, nCol);
    return TRUE;
}

BOOL CGXGridWnd::OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    Notify(GXN_DBLCLK, nRow, nCol);
    return TRUE;
}

BOOL CGXGridWnd::OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint)
{
    Notify(GXN_RCLICKED, nRow, nCol);
    return TRUE;
}

void CGXGridWnd::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) { Notify(GXN_BUTTONCLICKED, nRow, nCol); }

BOOL CGXGridWnd::OnStartEditing(ROWCOL nRow, ROWCOL nCol)
{
    Notify(GXN_STARTEDITING, nRow, nCol);
    return TRUE;
}

BOOL CGXGridWnd::OnValidateCell(ROWCOL, ROWCOL, const CString&) { return TRUE; }

BOOL CGXGridWnd::OnEndEditing(ROWCOL nRow, ROWCOL nCol)
{
    Notify(GXN_ENDEDITING, nRow, nCol);
    return TRUE;
}

void CGXGridWnd::OnCanceledEditing(ROWCOL nRow, ROWCOL nCol) { Notify(GXN_CANCELEDITING, nRow, nCol); }

void CGXGridWnd::OnModifyCell(ROWCOL nRow, ROWCOL nCol) { Notify(GXN_MODIFYCELL, nRow, nCol); }

void CGXGridWnd::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) { Notify(GXN_MOVEDCURRENTCELL, nRow, nCol); }

void CGXGridWnd::OnChangedSelection(const CGXRange* pChangedRect, BOOL, BOOL)
{
    Notify(GXN_SELCHANGED, pChangedRect ? pChangedRect->top : 0, pChangedRect ? pChangedRect->left : 0);
}

void CGXGridWnd::GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGXSortInfo&, const CGXStyle&, CString& sKey)
{
    sKey = m_model->Value(nRow, nCol);
}

namespace tablegrid {

bool Control::BeginEdit(CGXGridWnd& g, const CString* typed, bool dropDown)
{
    const ROWCOL row = g.m_curRow, col = g.m_curCol;
    if (!row || !g.GetSafeHwnd())
        return false;
    if (g.m_editor->Active())
        return g.m_editor->Row() == row && g.m_editor->Col() == col;
    CGXStyle style;
    g.m_model->Compose(row, col, style);
    if (!Editable(style))
        return false;
    ScrollInView(g, row, col);
    const CRect rect = LayoutOf(g).CellRect(row, col);
    if (rect.IsRectEmpty() || !g.OnStartEditing(row, col))
        return false;
    const bool combo = style.GetControl() == GX_IDS_CTRL_COMBOBOX || style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    CString start = typed && !combo ? *typed : g.m_model->Value(row, col);
    if (!g.m_editor->Open(row, col, style, rect, start, typed != nullptr, dropDown))
        return false;
    g.Invalidate(FALSE);
    return true;
}

void Control::StoreByPerson(CGXGridWnd& g, ROWCOL row, ROWCOL col, const CString& text)
{
    if (g.m_param.IsEnableUndo())
        g.m_model->PushUndo(row, col, g.m_model->Value(row, col));
    g.m_model->SetValue(row, col, text);
    g.OnModifyCell(row, col);
    g.Invalidate(FALSE);
}

bool Control::ToggleCheck(CGXGridWnd& g, ROWCOL row, ROWCOL col)
{
    CGXStyle style;
    g.m_model->Compose(row, col, style);
    if (style.GetControl() != GX_IDS_CTRL_CHECKBOX || style.GetReadOnly() || !style.GetEnabled())
        return false;
    StoreByPerson(g, row, col, style.GetValue() == "1" ? CString("0") : CString("1"));
    return true;
}

} // namespace tablegrid

namespace {

// Whether a pasted value may go into a cell of this style.
bool TakesPastedText(const CGXStyle& s, const CString& text)
{
    if (s.GetReadOnly() || !s.GetEnabled())
        return false;
    switch (s.GetControl()) {
    case GX_IDS_CTRL_EDIT:
    case GX_IDS_CTRL_COMBOBOX:
    case GX_IDS_CTRL_HOTSPOT:
        return true;
    case GX_IDS_CTRL_CHECKBOX:
        return text == "0" || text == "1";
    case GX_IDS_CTRL_CBS_DROPDOWNLIST: {
        // One of the choices, one per line (an empty text is none of them).
        const std::string choices = std::string("\n") + s.GetChoiceList().GetString() + "\n";
        return !text.IsEmpty() && choices.find("\n" + std::string(text.GetString()) + "\n") != std::string::npos;
    }
    default:
        return false;
    }
}

// Lines of tab-separated values, at most `maxLines`; a final line break ends the last line.
std::vector<std::vector<CString>> SplitTable(const std::string& text, size_t maxLines)
{
    std::vector<std::vector<CString>> table;
    size_t at = 0;
    while (at < text.size() && table.size() < maxLines) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<CString>& row = table.emplace_back();
        for (size_t from = 0;;) {
            const size_t tab = line.find('\t', from);
            row.emplace_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from).c_str());
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        at = end + 1;
    }
    return table;
}

std::string ClipboardText(HWND owner)
{
    std::string text;
    if (!::OpenClipboard(owner))
        return text;
    if (HANDLE mem = ::GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(::GlobalLock(mem))) {
            text.assign(p, ::strnlen(p, ::GlobalSize(mem)));
            ::GlobalUnlock(mem);
        }
    }
    ::CloseClipboard();
    return text;
}

} // namespace

BOOL CGXGridWnd::CanPaste() const
{
    return m_curRow > 0 && GetRowCount() > 0 && GetColCount() > 0 && ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CGXGridWnd::Paste()
{
    if (!CanPaste() || !TransferCurrentCell(TRUE))
        return FALSE;
    ROWCOL top = m_curRow, left = std::max<ROWCOL>(m_curCol, 1);
    for (const CGXRange& r : m_param.GetRangeList()->Ranges())
        if (const CGXRange b = r.Bounded(GetRowCount(), GetColCount()); b.IsValid()) {
            top = std::min(top, std::max<ROWCOL>(b.top, 1));
            left = std::min(left, std::max<ROWCOL>(b.left, 1));
        }
    const std::vector<std::vector<CString>> table = SplitTable(ClipboardText(GetSafeHwnd()), GetRowCount() - top + 1);
    bool changed = false;
    for (size_t i = 0; i < table.size() && top + i <= GetRowCount(); ++i)
        for (size_t j = 0; j < table[i].size() && left + j <= GetColCount(); ++j) {
            const ROWCOL row = top + static_cast<ROWCOL>(i), col = left + static_cast<ROWCOL>(j);
            CGXStyle style;
            m_model->Compose(row, col, style);
            if (!TakesPastedText(style, table[i][j]) || m_model->Value(row, col) == table[i][j])
                continue;
            Control::StoreByPerson(*this, row, col, table[i][j]);
            changed = true;
        }
    Update(GX_INVALIDATE);
    return changed;
}
