#pragma once
// Helpers shared by the typed items.
#include <misc/frame/profile.h>
#include <misc/grid/model.h>
#include <toolkit/propertygrid.h>

namespace miscgrid {

// Writes a typed item's value to the user profile file when the host asked for it (a key, and
// the section that AppRegName names).
inline void WriteItemValue(const CString& section, const CString& key, const CString& text)
{
    if (!key.IsEmpty() && !section.IsEmpty())
        ProfileWriteString(section, key, text, 1);
}

// Rows created by resource identifier take the model's caption when the resources have none.
inline void CaptionFallback(CXTPPropertyGridItem* row, const CString& name)
{
    if (row && row->GetCaption().IsEmpty() && !name.IsEmpty())
        row->SetCaption(name);
}

// The midpoint of a range.
template <class T>
T Midpoint(T min, T max)
{
    return (min + max) / 2;
}

} // namespace miscgrid
