// CMaterialArray: entry 0, clearing, sorting and lookup by name.
#include "misc/data/materials.h"

#include <algorithm>

#include "material_detail.h"

namespace materials_detail {

namespace {
const char kSeparators[] = ",;:\t\n\r";
const char kTrimmed[] = ",;:\t\n\r ";
} // namespace

std::vector<CString> NameTokens(const char* name)
{
    std::vector<CString> tokens;
    CString text(name);
    while (!text.IsEmpty()) {
        CString run = text.SpanExcluding(kSeparators);
        text = text.Mid(run.GetLength());
        text.Trim(kTrimmed);
        run.Trim(kTrimmed);
        if (!run.IsEmpty() && run != "0")
            tokens.push_back(run);
    }
    return tokens;
}

std::string NameKey(const char* name)
{
    std::string key(name ? name : "");
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

int NameLookup::FindExact(const char* name) const
{
    auto it = m_first.find(NameKey(name));
    return it == m_first.end() ? -1 : it->second;
}

int NameLookup::Find(const char* name) const
{
    int index = FindExact(name);
    if (index >= 0)
        return index;
    for (const CString& token : NameTokens(name)) {
        int found = FindExact(token);
        if (found >= 0 && (index < 0 || found < index))
            index = found;
    }
    return index;
}

} // namespace materials_detail

CMaterialArray::CMaterialArray()
{
    SetSize(1);
    CMaterialBlock& entry = m_pData[0];
    entry.Clear(0);
    entry.m_sizeX = entry.m_sizeY = 1.0;
    entry.m_weight = 1.0;
}

void CMaterialArray::Clear()
{
    if (m_nSize > 1)
        RemoveAt(1, m_nSize - 1);
    if (m_nSize > 0)
        m_pData[0].Clear(0);
}

void CMaterialArray::Sort(int descending)
{
    if (m_nSize <= 2)
        return;
    auto before = [descending](const CMaterialBlock& a, const CMaterialBlock& b) {
        const int order = a.m_name.CollateNoCase(b.m_name);
        return descending ? order > 0 : order < 0;
    };
    std::stable_sort(m_pData + 1, m_pData + m_nSize, before);
}

int CMaterialArray::find_material(const char* name)
{
    if (!name)
        return -1;
    for (INT_PTR i = 0; i < m_nSize; ++i)
        if (m_pData[i].m_name.CompareNoCase(name) == 0)
            return static_cast<int>(i);
    std::vector<CString> tokens = materials_detail::NameTokens(name);
    for (INT_PTR i = 0; i < m_nSize; ++i)
        for (const CString& token : tokens)
            if (m_pData[i].m_name.CompareNoCase(token) == 0)
                return static_cast<int>(i);
    return -1;
}
