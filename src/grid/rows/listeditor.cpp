// Runs the list editor for the combo row.
#include "rows_listeditor.h"

namespace misc_grid {

bool RunListEditor(int, const CRect&)
{
    // The list editor of the data dialogs joins here once it is available.
    return false;
}

} // namespace misc_grid
