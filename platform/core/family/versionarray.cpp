#include "family/versionarray.h"

CVersionElm* CVersionArray::GetAt(int i) const
{
    return i >= 0 && i < GetSize() ? m_elements[static_cast<size_t>(i)] : nullptr;
}

int CVersionArray::Add(CVersionElm* elm)
{
    if (!elm)
        return -1;
    m_elements.push_back(elm);
    return GetSize() - 1;
}

void CVersionArray::DeleteAll()
{
    for (CVersionElm* e : m_elements)
        delete e;
    m_elements.clear();
}
