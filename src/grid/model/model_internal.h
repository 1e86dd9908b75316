#pragma once
// Helpers shared by the data model's units.
#include <toolkit/propertygrid.h>

namespace miscgrid {

// GetProParent walks at most this many ancestors past the first (eleven in all).
constexpr int kMaxParentSteps = 10;

// The first of the rows (not their children) captioned name; null if none or no rows.
inline CXTPPropertyGridItem* DirectChild(CXTPPropertyGridItems* rows, const CString& name)
{
    if (!rows)
        return nullptr;
    for (int i = 0; i < rows->GetCount(); ++i)
        if (CXTPPropertyGridItem* row = rows->GetAt(i); row && row->GetCaption() == name)
            return row;
    return nullptr;
}

} // namespace miscgrid
