// The manager of a preferences grid.
#include "misc/grid/managers.h"

void CPrefManager::Init() {}

void CPrefManager::Activate(CXTPGridEx* grid)
{
    for (CGnrlGridCategoryData* c : m_Categories)
        if (c)
            c->Activate(grid);
}

int CPrefManager::Activate(int unit)
{
    if (unit == m_Unit)
        return 0;
    m_Unit = unit;
    return 1;
}

bool CPrefManager::IsCharLegal(char c) { return (c >= '0' && c <= '9') || c == '.' || c == 8 || c == 13; }

void CPrefManager::BuildNumber(CString& text)
{
    CString out;
    bool point = false;
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            out += c;
        } else if (c == '.' && !point) {
            point = true;
            out += c;
        }
    }
    text = out.IsEmpty() ? CString("0") : out;
}

int CPrefManager::IsItemChanged(long id)
{
    CGnrlGridItemData* item = GetItem(id);
    return item ? item->IsChanged() : 0;
}
