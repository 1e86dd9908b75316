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

// A quick look before the full conversion: a number starts with a digit, a sign or a point.
bool MayBeNumber(const char* s)
{
    while (*s == ' ' || *s == '\t')
        ++s;
    return (*s >= '0' && *s <= '9') || *s == '-' || *s == '+' || *s == '.';
}

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

namespace {

// The order of `n` rows by one key: the common case, sorted with the key text (or number) next
// to the row index so that the sort touches little memory. Equal keys fall back to the index,
// which keeps the sort stable.
std::vector<uint32_t> OrderBySingleKey(const std::vector<Key>& keys, const CGXSortInfo& info)
{
    struct Item {
        const char* text;
        double number;
        uint32_t index;
    };
    const size_t n = keys.size();
    bool allNumbers = true;
    for (const Key& k : keys)
        allNumbers = allNumbers && k.isNumber;
    std::vector<Item> items(n);
    for (size_t i = 0; i < n; ++i)
        items[i] = Item{keys[i].text, keys[i].number, static_cast<uint32_t>(i)};
    const bool desc = info.sortOrder == CGXSortInfo::descending;
    if (info.sortType != CGXSortInfo::alphanumeric && allNumbers) {
        std::sort(items.begin(), items.end(), [desc](const Item& a, const Item& b) {
            if (a.number != b.number)
                return desc ? a.number > b.number : a.number < b.number;
            return a.index < b.index;
        });
    } else if (info.sortType != CGXSortInfo::numeric) {
        auto by = [&items, desc](auto compare) {
            std::sort(items.begin(), items.end(), [desc, compare](const Item& a, const Item& b) {
                const int c = compare(a.text, b.text);
                if (c)
                    return desc ? c > 0 : c < 0;
                return a.index < b.index;
            });
        };
        if (info.bCase)
            by([](const char* a, const char* b) { return std::strcmp(a, b); });
        else
            by([](const char* a, const char* b) { return strcasecmp(a, b); });
    } else { // numbers and texts mixed under a numeric sort: the general comparison
        std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
            const int c = CompareKey(keys[a.index], keys[b.index], info);
            return c ? c < 0 : a.index < b.index;
        });
    }
    std::vector<uint32_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = items[i].index;
    return order;
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
            if (info.sortType != CGXSortInfo::alphanumeric && MayBeNumber(key.text))
                key.isNumber = tablegrid::ParseNumber(key.text, &key.number);
        }
    }
    std::vector<uint32_t> order;
    if (nk == 1) {
        order = OrderBySingleKey(keys, sortInfo[0]);
    } else {
        order.resize(n);
        for (size_t i = 0; i < n; ++i)
            order[i] = static_cast<uint32_t>(i);
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            for (size_t k = 0; k < nk; ++k) {
                const int c = CompareKey(keys[a * nk + k], keys[b * nk + k], sortInfo[static_cast<INT_PTR>(k)]);
                if (c)
                    return c < 0;
            }
            return a < b;
        });
    }
    // Rows move whole (cells, row style, height).
    std::vector<tablegrid::Row>& rows = m_model->Rows();
    std::vector<tablegrid::Row> sorted;
    sorted.reserve(rows.size());
    for (ROWCOL r = 0; r < top; ++r)
        sorted.push_back(std::move(rows[r]));
    for (uint32_t i : order)
        sorted.push_back(std::move(rows[top + i]));
    for (size_t r = static_cast<size_t>(bottom) + 1; r < rows.size(); ++r)
        sorted.push_back(std::move(rows[r]));
    rows.swap(sorted);
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
