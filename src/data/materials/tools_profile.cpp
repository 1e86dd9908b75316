// CToolsArray: the tool list in the section "Layers" of the user profile file, and sorting.
#include <algorithm>
#include <vector>

#include "misc/data/combolist.h"
#include "misc/data/tools.h"
#include "misc/frame/profile.h"

namespace {

const char kSection[] = "Layers";
const char kLastKey[] = "LastLayerNum";

CString Trimmed(const CString& text)
{
    CString copy(text);
    copy.Trim();
    return copy;
}

// A name as the profile can hold it: trimmed, on one line. The profile refuses values with line
// breaks, so each break (CR LF, CR or LF) becomes a space, as in the material files.
CString ProfileName(const CString& text)
{
    CString name = Trimmed(text);
    CString out;
    const char* p = name.GetString();
    for (int i = 0; i < name.GetLength(); ++i) {
        if (p[i] == '\r' && p[i + 1] == '\n')
            continue;  // the LF that follows stands for both
        out += (p[i] == '\r' || p[i] == '\n') ? ' ' : p[i];
    }
    return out;
}

CString NumberKey(int number)
{
    CString key;
    key.Format("%d", number);
    return key;
}

} // namespace

int CToolsArray::LoadTools()
{
    RemoveAll();
    int last = ProfileReadInt(kSection, kLastKey, 0, 1);
    last = std::min(last, TOOLS_MAX_NUMBER);
    int loaded = 0;
    for (int n = TOOLS_MIN_NUMBER; n <= last; ++n) {
        char value[32] = "";
        ProfileReadString(kSection, NumberKey(n), "", value, sizeof value, 1);
        CString name(value);
        name.Trim();
        if (name.IsEmpty())
            continue;
        Add(CToolsBlock(name, n));
        ++loaded;
    }
    return loaded;
}

int CToolsArray::SaveTools()
{
    int last = 0;
    for (INT_PTR i = 0; i < m_nSize; ++i)
        last = std::max(last, static_cast<int>(m_pData[i].m_number));
    // Keys are written up to the last valid number only: LoadTools reads no further, and a
    // stray huge number must not write billions of keys.
    const int lastKey = std::min(last, TOOLS_MAX_NUMBER);
    // The first tool of each number.
    std::vector<INT_PTR> first(static_cast<size_t>(std::max(lastKey + 1, 0)), -1);
    for (INT_PTR i = m_nSize - 1; i >= 0; --i)
        if (m_pData[i].m_number >= 0 && m_pData[i].m_number <= lastKey)
            first[static_cast<size_t>(m_pData[i].m_number)] = i;
    // "LastLayerNum" and every key from 100 up go to the profile in one replacement of the file,
    // with exactly the bytes that writing them one by one gives: a key per write would rewrite
    // the whole file up to 32,668 times.
    const CString lastText = NumberKey(last);
    const int keyCount = std::max(lastKey - TOOLS_MIN_NUMBER + 1, 0);
    std::vector<CString> keys, values;
    keys.reserve(static_cast<size_t>(keyCount));
    values.reserve(static_cast<size_t>(keyCount));
    std::vector<MiscProfileWrite> writes;
    writes.reserve(static_cast<size_t>(keyCount) + 1);
    writes.push_back({kSection, kLastKey, lastText});
    for (int n = TOOLS_MIN_NUMBER; n <= lastKey; ++n) {
        const INT_PTR i = first[static_cast<size_t>(n)];
        keys.push_back(NumberKey(n));
        values.push_back(i >= 0 ? ProfileName(m_pData[i].m_name) : CString());
    }
    for (size_t k = 0; k < keys.size(); ++k)
        writes.push_back({kSection, keys[k], values[k]});
    bool failed = !ProfileWriteBatch(writes.data(), writes.size(), 1);
    CString listName;
    getNameByType(listName, COMBO_LIST_TOOL_NAME);
    CComboItemList list;
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        CString name = Trimmed(m_pData[i].m_name);
        if (!name.IsEmpty())
            list.AddComboItem(new CComboItem(name, listName), 0);
    }
    list.Store(COMBO_LIST_TOOL_NAME);
    return failed ? 1 : 0;
}

void CToolsArray::Sort(int descending, int byName)
{
    // A stable sort gives exactly the order of a bubble sort that exchanges only neighbours
    // strictly out of order.
    auto compare = [byName](const CToolsBlock& a, const CToolsBlock& b) {
        if (!byName)
            return a.m_number < b.m_number ? -1 : (a.m_number > b.m_number ? 1 : 0);
        return Trimmed(a.m_name).CompareNoCase(Trimmed(b.m_name));
    };
    auto before = [&](const CToolsBlock& a, const CToolsBlock& b) {
        const int order = compare(a, b);
        return descending ? order > 0 : order < 0;
    };
    std::stable_sort(m_pData, m_pData + m_nSize, before);
}
