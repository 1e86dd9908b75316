// The table grid's data.
#include "model.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace tablegrid {

namespace {
const CString kEmpty;
constexpr size_t kUndoLimit = 256;
} // namespace

Model::Model() : m_rows(1), m_cols(1)
{
    m_standard.SetControl(GX_IDS_CTRL_EDIT)
        .SetHorizontalAlignment(DT_LEFT)
        .SetVerticalAlignment(DT_VCENTER)
        .SetReadOnly(FALSE)
        .SetEnabled(TRUE)
        .SetValueType(GX_VT_STRING);
    CGXStyle header;
    header.SetControl(GX_IDS_CTRL_HEADER).SetHorizontalAlignment(DT_CENTER).SetReadOnly(TRUE);
    m_colHeader = header;
    m_rowHeader = header;
    m_cols[0].width = 40;
}

void Model::SetRowCount(ROWCOL n)
{
    if (n > GX_MAXROWCOL - 1)
        n = GX_MAXROWCOL - 1;
    m_rows.resize(static_cast<size_t>(n) + 1);
}

void Model::SetColCount(ROWCOL n)
{
    if (n > 0xFFFF)
        n = 0xFFFF; // columns are few; a bound keeps a wrong count from taking all memory
    m_cols.resize(static_cast<size_t>(n) + 1);
    for (Row& r : m_rows)
        if (r.cells.size() > m_cols.size())
            r.cells.resize(m_cols.size());
}

bool Model::InsertRows(ROWCOL at, ROWCOL n)
{
    if (at < 1 || at > RowCount() + 1 || n == 0)
        return false;
    std::vector<Row> fresh(n);
    m_rows.insert(m_rows.begin() + at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    return true;
}

bool Model::RemoveRows(ROWCOL from, ROWCOL to)
{
    if (from < 1 || from > to || from > RowCount())
        return false;
    to = std::min(to, RowCount());
    m_rows.erase(m_rows.begin() + from, m_rows.begin() + to + 1);
    return true;
}

bool Model::InsertCols(ROWCOL at, ROWCOL n)
{
    if (at < 1 || at > ColCount() + 1 || n == 0 || ColCount() + n > 0xFFFF)
        return false;
    std::vector<Column> fresh(n);
    m_cols.insert(m_cols.begin() + at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    for (Row& r : m_rows)
        if (r.cells.size() > at) {
            std::vector<Cell> blank(n);
            r.cells.insert(r.cells.begin() + at, std::make_move_iterator(blank.begin()),
                           std::make_move_iterator(blank.end()));
        }
    return true;
}

bool Model::RemoveCols(ROWCOL from, ROWCOL to)
{
    if (from < 1 || from > to || from > ColCount())
        return false;
    to = std::min(to, ColCount());
    m_cols.erase(m_cols.begin() + from, m_cols.begin() + to + 1);
    for (Row& r : m_rows) {
        if (r.cells.size() > from)
            r.cells.erase(r.cells.begin() + from, r.cells.begin() + std::min<size_t>(to + 1, r.cells.size()));
    }
    return true;
}

bool Model::MoveRows(ROWCOL from, ROWCOL to, ROWCOL dest)
{
    if (from < 1 || from > to || to > RowCount() || dest < 1 || dest > RowCount() + 1)
        return false;
    if (dest >= from && dest <= to + 1)
        return true; // already there
    auto first = m_rows.begin() + from, last = m_rows.begin() + to + 1, target = m_rows.begin() + dest;
    if (dest < from)
        std::rotate(target, first, last);
    else
        std::rotate(first, last, target);
    return true;
}

const CString& Model::Value(ROWCOL row, ROWCOL col) const
{
    if (!HasCell(row, col))
        return kEmpty;
    const Row& r = m_rows[row];
    return col < r.cells.size() ? r.cells[col].value : kEmpty;
}

Cell& Model::Touch(ROWCOL row, ROWCOL col)
{
    Row& r = m_rows[row];
    if (r.cells.size() <= col)
        r.cells.resize(static_cast<size_t>(col) + 1);
    return r.cells[col];
}

void Model::SetValue(ROWCOL row, ROWCOL col, const CString& text)
{
    if (HasCell(row, col))
        Touch(row, col).value = text;
}

const CGXStyle* Model::CellStyle(ROWCOL row, ROWCOL col) const
{
    if (!HasCell(row, col))
        return nullptr;
    const Row& r = m_rows[row];
    return col < r.cells.size() ? r.cells[col].style.get() : nullptr;
}

void Model::Merge(std::unique_ptr<CGXStyle>& slot, const CGXStyle& style, GXModifyType mt)
{
    if (!slot)
        slot = std::make_unique<CGXStyle>();
    slot->ChangeStyle(style, mt);
    if (slot->IsEmpty())
        slot.reset();
}

void Model::ChangeCellStyle(ROWCOL row, ROWCOL col, const CGXStyle& style, GXModifyType mt)
{
    if (!HasCell(row, col))
        return;
    Cell& cell = Touch(row, col);
    // The value lives beside the style, so that a plain value costs no style record.
    if (style.GetIncludeValue()) {
        if (mt == gxExclude)
            cell.value.Empty();
        else if (mt != gxApplyNew || cell.value.IsEmpty())
            cell.value = style.GetValue();
    } else if (mt == gxCopy) {
        cell.value.Empty();
    }
    CGXStyle rest(style);
    rest.SetIncludeValue(FALSE);
    if (mt == gxCopy) {
        cell.style.reset();
        mt = gxOverride;
    }
    if (!rest.IsEmpty() || cell.style)
        Merge(cell.style, rest, mt);
}

void Model::ChangeRowStyle(ROWCOL row, const CGXStyle& style, GXModifyType mt)
{
    if (row <= RowCount())
        Merge(m_rows[row].style, style, mt);
}

void Model::ChangeColStyle(ROWCOL col, const CGXStyle& style, GXModifyType mt)
{
    if (col <= ColCount())
        Merge(m_cols[col].style, style, mt);
}

void Model::Compose(ROWCOL row, ROWCOL col, CGXStyle& out) const
{
    out = CGXStyle();
    if (!HasCell(row, col))
        return;
    if (const CGXStyle* own = CellStyle(row, col))
        out = *own;
    out.SetValue(Value(row, col));
    // A header cell takes the header's look, not that of the column (or row) it heads.
    if (const CGXStyle* rs = m_rows[row].style.get(); rs && (col != 0 || row == 0))
        out.LoadBaseStyle(*rs);
    if (const CGXStyle* cs = m_cols[col].style.get(); cs && row != 0)
        out.LoadBaseStyle(*cs);
    if (row == 0)
        out.LoadBaseStyle(m_colHeader);
    else if (col == 0)
        out.LoadBaseStyle(m_rowHeader);
    // Numbers align right and check boxes sit in the middle, unless a style says otherwise.
    if (!out.GetIncludeHorizontalAlignment()) {
        const int type = out.GetIncludeValueType() ? out.GetValueType() : m_standard.GetValueType();
        const WORD control = out.GetIncludeControl() ? out.GetControl() : m_standard.GetControl();
        if (control == GX_IDS_CTRL_CHECKBOX)
            out.SetHorizontalAlignment(DT_CENTER);
        else if (type == GX_VT_NUMERIC)
            out.SetHorizontalAlignment(DT_RIGHT);
    }
    out.LoadBaseStyle(m_standard);
}

WORD Model::ControlOf(ROWCOL row, ROWCOL col) const
{
    if (!HasCell(row, col))
        return GX_IDS_CTRL_STATIC;
    if (const CGXStyle* s = CellStyle(row, col); s && s->GetIncludeControl())
        return s->GetControl();
    if (const CGXStyle* s = m_rows[row].style.get(); s && s->GetIncludeControl() && (col != 0 || row == 0))
        return s->GetControl();
    if (const CGXStyle* s = m_cols[col].style.get(); s && s->GetIncludeControl() && row != 0)
        return s->GetControl();
    if (row == 0 || col == 0)
        return (row == 0 ? m_colHeader : m_rowHeader).GetControl();
    return m_standard.GetControl();
}

int Model::ColWidth(ROWCOL col) const
{
    if (col > ColCount())
        return 0;
    const int w = m_cols[col].width;
    return w < 0 ? m_defColWidth : w;
}

int Model::RowHeight(ROWCOL row) const
{
    if (row > RowCount())
        return 0;
    const int h = m_rows[row].height;
    return h < 0 ? m_defRowHeight : h;
}

void Model::SetColWidth(ROWCOL col, int width)
{
    if (col <= ColCount())
        m_cols[col].width = std::clamp(width, 0, 4096);
}

void Model::SetRowHeight(ROWCOL row, int height)
{
    if (row <= RowCount())
        m_rows[row].height = std::clamp(height, 0, 1024);
}

void Model::PushUndo(ROWCOL row, ROWCOL col, const CString& before)
{
    m_undo.push_back(UndoEntry{row, col, before});
    if (m_undo.size() > kUndoLimit)
        m_undo.pop_front();
}

bool Model::PopUndo(UndoEntry& entry)
{
    if (m_undo.empty())
        return false;
    entry = m_undo.back();
    m_undo.pop_back();
    return true;
}

CString DefaultHeaderText(ROWCOL row, ROWCOL col)
{
    CString text;
    if (row == 0 && col == 0)
        return text;
    if (col == 0) {
        text.Format("%lu", static_cast<unsigned long>(row));
        return text;
    }
    // Column letters: A to Z, then AA, AB, ...
    char buf[16];
    int n = 0;
    for (unsigned long c = col; c > 0 && n < 15; c = (c - 1) / 26)
        buf[n++] = static_cast<char>('A' + (c - 1) % 26);
    std::reverse(buf, buf + n);
    buf[n] = 0;
    return CString(buf);
}

CString FormatNumber(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return CString(buf);
}

bool ParseNumber(const CString& text, double* value)
{
    const char* s = text;
    if (!s)
        return false;
    while (*s == ' ' || *s == '\t')
        ++s;
    if (!*s)
        return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s, &end);
    if (end == s || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end)
        return false;
    if (value)
        *value = v;
    return true;
}

} // namespace tablegrid
