// The base of every grid manager.
#include "misc/grid/model.h"

CGridMngr::~CGridMngr()
{
    for (CGnrlGridCategoryData* c : m_Categories)
        delete c;
    m_Categories.RemoveAll();
}

void CGridMngr::Init() {}

void CGridMngr::OnApply()
{
    for (CGnrlGridCategoryData* c : m_Categories)
        if (c)
            c->OnApply();
}

void CGridMngr::OnDefault()
{
    for (CGnrlGridCategoryData* c : m_Categories)
        if (c)
            c->OnDefault();
}

void CGridMngr::UpdateData(CXTPGridEx* grid)
{
    for (CGnrlGridCategoryData* c : m_Categories)
        if (c)
            c->Update(grid);
}

void CGridMngr::Activate(CXTPGridEx* /*grid*/) {}

void CGridMngr::InplaceButtonDown(CGnrlGridItemData* /*item*/) {}

CGnrlGridItemData* CGridMngr::GetItem(const long& id) const
{
    for (CGnrlGridCategoryData* c : m_Categories)
        if (CGnrlGridItemData* item = c ? c->GetItem(id) : nullptr)
            return item;
    return nullptr;
}

CGnrlGridBaseItem* CGridMngr::GetBaseItem(const long& id) const
{
    for (CGnrlGridCategoryData* c : m_Categories) {
        if (!c)
            continue;
        if (c->GetNameId() == id)
            return c;
        if (CGnrlGridItemData* item = c->GetItem(id))
            return item;
    }
    return nullptr;
}

void CGridMngr::GetImagesIds(const CLongStringArray& list, CDbArray<sTwoLong>& out)
{
    for (int i = 0; i < list.GetSize(); ++i)
        out.Add(sTwoLong(list[i].Number, ++m_ImageCounter));
}
