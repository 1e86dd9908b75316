#include "controls/itemlist.h"

#include <cstring>
#include <strings.h>

namespace ctl {

int ItemList::Add(const std::string& text, bool sorted)
{
    ListItem item;
    item.text = text;
    if (!sorted) {
        m_items.push_back(item);
        return Count() - 1;
    }
    size_t at = 0;
    while (at < m_items.size() && strcasecmp(m_items[at].text.c_str(), text.c_str()) <= 0)
        ++at;
    m_items.insert(m_items.begin() + static_cast<long>(at), item);
    return static_cast<int>(at);
}

int ItemList::Insert(int index, const std::string& text)
{
    if (index == -1)
        index = Count();
    if (index < 0 || index > Count())
        return -1;
    ListItem item;
    item.text = text;
    m_items.insert(m_items.begin() + index, item);
    return index;
}

bool ItemList::Delete(int index)
{
    if (!Valid(index))
        return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

template <class Match>
int ItemList::Search(int start, Match match) const
{
    int n = Count();
    if (n == 0)
        return -1;
    if (start < -1 || start >= n)
        start = -1;
    for (int step = 1; step <= n; ++step) {
        int i = (start + step) % n;
        if (match(m_items[static_cast<size_t>(i)].text))
            return i;
    }
    return -1;
}

int ItemList::FindPrefix(int start, const std::string& text) const
{
    return Search(start, [&](const std::string& item) {
        return item.size() >= text.size() && strncasecmp(item.c_str(), text.c_str(), text.size()) == 0;
    });
}

int ItemList::FindExact(int start, const std::string& text) const
{
    return Search(start, [&](const std::string& item) { return strcasecmp(item.c_str(), text.c_str()) == 0; });
}

LRESULT ItemList::CopyText(int index, bool hasStrings, LPARAM out) const
{
    if (!Valid(index) || !out)
        return -1;
    if (!hasStrings) {
        ULONG_PTR data = At(index).data;
        std::memcpy(reinterpret_cast<void*>(out), &data, sizeof(data));
        return sizeof(data);
    }
    const std::string& text = At(index).text;
    std::memcpy(reinterpret_cast<char*>(out), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

LRESULT ItemList::TextLength(int index, bool hasStrings) const
{
    if (!Valid(index))
        return -1;
    return hasStrings ? static_cast<LRESULT>(At(index).text.size()) : sizeof(ULONG_PTR);
}

} // namespace ctl
