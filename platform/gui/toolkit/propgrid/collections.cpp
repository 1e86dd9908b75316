// Child collections and constraint lists of the property grid's rows.
#include "toolkit/propertygrid.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

// ---- Rows ----

CXTPPropertyGridItem* CXTPPropertyGridItems::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_items[static_cast<size_t>(index)];
}

CXTPPropertyGridItem* CXTPPropertyGridItems::FindItem(LPCTSTR caption) const
{
    if (!caption)
        return nullptr;
    for (CXTPPropertyGridItem* item : m_items) {
        if (std::strcmp(static_cast<LPCTSTR>(item->m_caption), caption) == 0)
            return item;
        if (CXTPPropertyGridItem* found = item->m_children->FindItem(caption))
            return found;
    }
    return nullptr;
}

CXTPPropertyGridItem* CXTPPropertyGridItems::FindItem(UINT id) const
{
    for (CXTPPropertyGridItem* item : m_items) {
        if (item->m_id == id)
            return item;
        if (CXTPPropertyGridItem* found = item->m_children->FindItem(id))
            return found;
    }
    return nullptr;
}

void CXTPPropertyGridItems::Clear()
{
    // Detach first, so that a row's destructor does not look for itself in this list.
    std::vector<CXTPPropertyGridItem*> rows;
    rows.swap(m_items);
    for (CXTPPropertyGridItem* item : rows)
        delete item;
}

// ---- Constraints ----

CXTPPropertyGridItemConstraint* CXTPPropertyGridItemConstraints::AddConstraint(LPCTSTR text, DWORD_PTR data, int image)
{
    auto c = std::make_unique<CXTPPropertyGridItemConstraint>();
    c->m_strConstraint = text ? text : "";
    c->m_dwData = data;
    c->m_nImage = image;
    c->m_nIndex = GetCount();
    m_items.push_back(std::move(c));
    return m_items.back().get();
}

CXTPPropertyGridItemConstraint* CXTPPropertyGridItemConstraints::GetConstraintAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_items[static_cast<size_t>(index)].get();
}

CString CXTPPropertyGridItemConstraints::GetAt(int index) const
{
    const CXTPPropertyGridItemConstraint* c = GetConstraintAt(index);
    return c ? c->m_strConstraint : CString();
}

void CXTPPropertyGridItemConstraints::RemoveAll()
{
    m_items.clear();
    m_current = -1;
}

void CXTPPropertyGridItemConstraints::RemoveAt(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    m_items.erase(m_items.begin() + index);
    if (m_current == index)
        m_current = -1;
    else if (m_current > index)
        --m_current;
    Renumber();
}

int CXTPPropertyGridItemConstraints::FindConstraint(LPCTSTR text) const
{
    if (!text)
        return -1;
    for (size_t i = 0; i < m_items.size(); ++i)
        if (std::strcmp(static_cast<LPCTSTR>(m_items[i]->m_strConstraint), text) == 0)
            return static_cast<int>(i);
    return -1;
}

int CXTPPropertyGridItemConstraints::FindConstraint(DWORD_PTR data) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->m_dwData == data)
            return static_cast<int>(i);
    return -1;
}

void CXTPPropertyGridItemConstraints::Sort()
{
    const CXTPPropertyGridItemConstraint* current = GetConstraintAt(m_current);
    std::stable_sort(m_items.begin(), m_items.end(), [](const auto& a, const auto& b) {
        return strcasecmp(static_cast<LPCTSTR>(a->m_strConstraint), static_cast<LPCTSTR>(b->m_strConstraint)) < 0;
    });
    Renumber();
    m_current = current ? current->m_nIndex : -1;
}

void CXTPPropertyGridItemConstraints::Renumber()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->m_nIndex = static_cast<int>(i);
}
