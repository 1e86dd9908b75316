// The table grid's value types: ranges, the selection list, fonts and styles.
#include "toolkit/tablegrid.h"

#include "model.h"

#include <algorithm>
#include <cstdlib>

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    rtype = cells;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nTop, ROWCOL nBottom)
{
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = 0;
    right = GX_MAXROWCOL;
    rtype = rows;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nLeft, ROWCOL nRight)
{
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    top = 0;
    bottom = GX_MAXROWCOL;
    rtype = cols;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetTable()
{
    top = left = 0;
    bottom = right = GX_MAXROWCOL;
    rtype = table;
    m_bValid = TRUE;
    return *this;
}

CGXRange CGXRange::Bounded(ROWCOL rowCount, ROWCOL colCount) const
{
    CGXRange r(*this);
    r.rtype = cells;
    if (rtype == rows || rtype == table) {
        r.left = 1;
        r.right = colCount;
    }
    if (rtype == cols || rtype == table) {
        r.top = 1;
        r.bottom = rowCount;
    }
    r.bottom = std::min(r.bottom, rowCount);
    r.right = std::min(r.right, colCount);
    r.m_bValid = m_bValid && r.top <= r.bottom && r.left <= r.right;
    return r;
}

BOOL CGXRange::IsCellInRange(ROWCOL row, ROWCOL col) const
{
    if (!m_bValid)
        return FALSE;
    const bool inRows = rtype == cols || rtype == table || (row >= top && row <= bottom);
    const bool inCols = rtype == rows || rtype == table || (col >= left && col <= right);
    return inRows && inCols;
}

bool CGXRange::operator==(const CGXRange& o) const
{
    return top == o.top && left == o.left && bottom == o.bottom && right == o.right && rtype == o.rtype &&
           m_bValid == o.m_bValid;
}

BOOL CGXRangeList::IsCellInList(ROWCOL row, ROWCOL col) const
{
    for (const CGXRange& r : m_ranges)
        if (r.IsCellInRange(row, col))
            return TRUE;
    return FALSE;
}

BOOL CGXRangeList::IsRowInList(ROWCOL row) const
{
    for (const CGXRange& r : m_ranges)
        if ((r.IsRows() && row >= r.top && row <= r.bottom) || r.IsTable())
            return TRUE;
    return FALSE;
}

void CGXFont::ChangeFont(const CGXFont& o)
{
    if (o.m_mask & 1)
        m_weight = o.m_weight;
    if (o.m_mask & 2)
        m_italic = o.m_italic;
    if (o.m_mask & 4)
        m_size = o.m_size;
    if (o.m_mask & 8)
        m_face = o.m_face;
    m_mask |= o.m_mask;
}

bool CGXFont::operator==(const CGXFont& o) const
{
    return m_weight == o.m_weight && m_italic == o.m_italic && m_size == o.m_size && m_face == o.m_face &&
           m_mask == o.m_mask;
}

CGXStyle& CGXStyle::SetValue(LPCTSTR text)
{
    m_value = text ? text : "";
    m_mask |= kValue;
    return *this;
}

CGXStyle& CGXStyle::SetValue(long number)
{
    m_value.Format("%ld", number);
    m_mask |= kValue;
    return *this;
}

CGXStyle& CGXStyle::SetValue(double number)
{
    m_value = tablegrid::FormatNumber(number);
    m_mask |= kValue;
    return *this;
}

long CGXStyle::GetLongValue() const
{
    return std::strtol(m_value, nullptr, 10);
}

double CGXStyle::GetDoubleValue() const
{
    return std::strtod(m_value, nullptr);
}

void CGXStyle::SetIncludeValue(BOOL b)
{
    if (b) {
        m_mask |= kValue;
    } else {
        m_mask &= ~kValue;
        m_value.Empty();
    }
}

void CGXStyle::ChangeStyle(const CGXStyle& o, GXModifyType mt)
{
    if (mt == gxCopy) {
        *this = o;
        return;
    }
    // Takes attribute `bit` from `o` when the merge kind says so.
    auto take = [&](unsigned bit) {
        if (!(o.m_mask & bit))
            return false;
        if (mt == gxExclude) {
            m_mask &= ~bit;
            return false;
        }
        if (mt == gxApplyNew && (m_mask & bit))
            return false;
        m_mask |= bit;
        return true;
    };
    if (take(kValue))
        m_value = o.m_value;
    if (take(kControl))
        m_control = o.m_control;
    if (take(kChoices))
        m_choices = o.m_choices;
    if (take(kHAlign))
        m_hAlign = o.m_hAlign;
    if (take(kVAlign))
        m_vAlign = o.m_vAlign;
    if (take(kReadOnly))
        m_readOnly = o.m_readOnly;
    if (take(kEnabled))
        m_enabled = o.m_enabled;
    if (take(kInterior))
        m_interior = o.m_interior;
    if (take(kTextColor))
        m_textColor = o.m_textColor;
    if (o.m_mask & kFont) {
        if (mt == gxExclude) {
            m_mask &= ~kFont;
            m_font = CGXFont();
        } else if (mt == gxApplyNew && (m_mask & kFont)) {
            CGXFont merged(o.m_font);
            merged.ChangeFont(m_font); // own attributes win, missing ones come from below
            m_font = merged;
        } else {
            m_font.ChangeFont(o.m_font);
            m_mask |= kFont;
        }
    }
    if (take(kValueType))
        m_valueType = o.m_valueType;
    if (take(kBitmap))
        m_bitmap = o.m_bitmap;
    if (take(kItemData))
        m_itemData = o.m_itemData;
    if (take(kMaxLength))
        m_maxLength = o.m_maxLength;
}
