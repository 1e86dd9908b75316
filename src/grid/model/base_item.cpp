// The root node of the grid data model.
#include "misc/grid/model.h"

CGnrlGridBaseItem::CGnrlGridBaseItem(long id) : m_NameId(static_cast<int32_t>(id)) {}

CGnrlGridBaseItem::~CGnrlGridBaseItem() = default;

void CGnrlGridBaseItem::SetExpand(int expand, int /*save*/) { m_Expand = expand; }

void CGnrlGridBaseItem::Expand(CXTPGridEx* /*grid*/, int /*expand*/) {}

void CGnrlGridBaseItem::SetDescription(const long& id)
{
    CString text;
    text.LoadString(static_cast<UINT>(id));
    m_Description = text;
}
