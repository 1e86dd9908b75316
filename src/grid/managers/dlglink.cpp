// Stand-ins for what a property manager asks of its dialog, used while no property dialog is
// linked in: the dialog's unit gives the real ones, which take precedence at link time.
#include "misc/grid/managers.h"

#define MISC_GRID_FALLBACK __attribute__((weak))

MISC_GRID_FALLBACK CXTPGridEx* MiscPropertyDlgGrid(CPropertyDlg*) { return nullptr; }
MISC_GRID_FALLBACK void MiscPropertyDlgSetBitmap(CPropertyDlg*) {}
MISC_GRID_FALLBACK BOOL MiscPropertyDlgPost(CPropertyDlg*, WPARAM, LPARAM) { return FALSE; }
