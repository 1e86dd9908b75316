// Runs the list editor for the combo row.
#include "rows_listeditor.h"

#include "misc/datadlg/lbedit.h"

namespace misc_grid {

bool RunListEditor(int type, const CRect& row, CWnd* window)
{
    CLbEditDlg dialog(nullptr, type, -1, 0, 0, 0, 0);
    dialog.CalculatePlacement(row, window);
    return dialog.DoModal() == IDOK;
}

} // namespace misc_grid
