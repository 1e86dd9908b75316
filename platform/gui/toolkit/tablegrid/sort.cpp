// Sorting and moving the table grid's rows.
#include "toolkit/tablegrid.h"

#include "control.h"
#include "model.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace {

// One row's keys, taken once before the sort.
struct Key {
    CString text;
    double number = 0;
    bool isNumber = false;
};

int CompareKey(const Key& a, const Key& b, const CGXSortInfo& info)
{
    const bool numeric = info.sortType == CGXSortInfo::numeric ||
                         (info.sortType == CGXSortInfo::autodetect && a.isNumber && b.isNumber);
    int c = 0;
    if (numeric) {
        // Texts that are no numbers sort after numbers, among themselves as text.
        if (a.isNumber != b.isNumber)
            c = a.isNumber ? -1 : 1;
        else if (a.isNumber)
            c = a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
        else
            c = std::strcmp(a.text, b.text);
    } else {
        c = info.bCase ? std::strcmp(a.text, b.text) : strcasecmp(a.text, b.text);
    }
    return info.sortOrder == CGXSortInfo::descending ? -c : c;
}

} // namespace

void CGXGridWnd::SortRows(CGXRange sortRange, CGXSortInfoArray& sortInfo, UINT flags)
{
    const ROWCOL count = GetRowCount();
    if (count < 2 || sortInfo.GetSize() == 0)
        return;
    ROWCOL top = 1, bottom = count;
    if (sortRange.IsValid() && !sortRange.IsTable() && !sortRange.IsCols()) {
        top = std::max<ROWCOL>(sortRange.top, 1);
        bottom = std::min(sortRange.bottom, count);
    }
    if (top >= bottom)
        return;
    TransferCurrentCell(TRUE);
    const size_t n = bottom - top + 1;
    const size_t nk = static_cast<size_t>(sortInfo.GetSize());
    for (size_t k = 0; k < nk; ++k)
        sortInfo[static_cast<INT_PTR>(k)].nKey = static_cast<int>(k);
    // Keys row by row: keys[i * nk + k] is key k of the i-th row of the range.
    std::vector<Key> keys(n * nk);
    static const CGXStyle kNoStyle;
    for (size_t i = 0; i < n; ++i) {
        const ROWCOL row = top + static_cast<ROWCOL>(i);
        for (size_t k = 0; k < nk; ++k) {
            const CGXSortInfo& info = sortInfo[static_cast<INT_PTR>(k)];
            const CGXStyle* own = m_model->CellStyle(row, info.nRC);
            Key& key = keys[i * nk + k];
            GetSortKey(row, info.nRC, info, own ? *own : kNoStyle, key.text);
            if (info.sortType != CGXSortInfo::alphanumeric)
                key.isNumber = tablegrid::ParseNumber(key.text, &key.number);
        }
    }
    std::vector<uint32_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = static_cast<uint32_t>(i);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        for (size_t k = 0; k < nk; ++k) {
            const int c = CompareKey(keys[a * nk + k], keys[b * nk + k], sortInfo[static_cast<INT_PTR>(k)]);
            if (c)
                return c < 0;
        }
        return false;
    });
    // Rows move whole (cells, row style, height).
    std::vector<tablegrid::Row>& rows = m_model->Rows();
    std::vector<tablegrid::Row> sorted;
    sorted.reserve(n);
    for (uint32_t i : order)
        sorted.push_back(std::move(rows[top + i]));
    std::move(sorted.begin(), sorted.end(), rows.begin() + top);
    m_model->ClearUndo();
    Update(flags);
}

BOOL CGXGridWnd::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags)
{
    TransferCurrentCell(TRUE);
    if (!m_model->MoveRows(nFrom, nTo, nDest))
        return FALSE;
    m_model->ClearUndo();
    Update(flags);
    return TRUE;
}
