#pragma once
// The list editor of the stored remembered-value lists, as the combo row runs it.
#include <afxwin.h>

namespace misc_grid {

// Runs the list editor for list type `type` beside `row` (client coordinates of `window`); true
// when the person closed it with OK.
bool RunListEditor(int type, const CRect& row, CWnd* window);

} // namespace misc_grid
