#pragma once
// The entries of a list box or combo box: text, item data, selection and height, with Windows'
// rules for adding (sorted or not), inserting, deleting and searching. Pure data.
#include <string>
#include <vector>

#include "win32/types.h"

namespace ctl {

struct ListItem {
    std::string text;
    ULONG_PTR data = 0;
    bool selected = false;
    int height = 0; // owner-drawn variable lists
};

class ItemList {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    ListItem& At(int index) { return m_items[static_cast<size_t>(index)]; }
    const ListItem& At(int index) const { return m_items[static_cast<size_t>(index)]; }

    // Appends, or with `sorted` inserts after every entry that does not sort after the text
    // (case ignored); returns the new index.
    int Add(const std::string& text, bool sorted);
    // Inserts at index (-1: at the end); -1 when the index is beyond the end.
    int Insert(int index, const std::string& text);
    // Removes an entry; false for an index out of range.
    bool Delete(int index);
    void Clear() { m_items.clear(); }

    // Windows' searches: start after `start` and wrap round to it (-1 searches from the top);
    // case ignored. FindPrefix matches entries that begin with the text (an empty text matches
    // the first entry searched); FindExact whole entries. -1 when nothing matches.
    int FindPrefix(int start, const std::string& text) const;
    int FindExact(int start, const std::string& text) const;

    // LB_GETTEXT / CB_GETLBTEXT: copies the entry's text with its NUL (or, for a list without
    // strings, its item data) to `out` and returns the length; -1 for a bad index or no buffer.
    LRESULT CopyText(int index, bool hasStrings, LPARAM out) const;
    // LB_GETTEXTLEN / CB_GETLBTEXTLEN: the length CopyText would return, -1 for a bad index.
    LRESULT TextLength(int index, bool hasStrings) const;

private:
    template <class Match>
    int Search(int start, Match match) const;
    std::vector<ListItem> m_items;
};

} // namespace ctl
