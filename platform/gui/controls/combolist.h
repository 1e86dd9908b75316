#pragma once
// The drop-down list of a combo box: a pop-up window of class "ComboLBox" that shows the combo
// box's entries under it, follows the mouse, and hands the user's choice back to the combo box.
// It reads the entries through the combo box's own CB_ messages and answers the LB_ queries a
// script needs to find an entry (LB_GETCOUNT, LB_GETTEXT, LB_GETITEMRECT, LB_ITEMFROMPOINT).
#include "win32/user.h"

namespace ctl {

void RegisterComboListClass();
// The (hidden) list of a combo box, created with it.
HWND CreateComboList(HWND combo);
// Places the list under (or above, when the desktop ends) the combo box, shows it and captures
// the mouse; hides it and gives the capture back.
void ShowComboList(HWND list, bool show);
// The highlighted entry, kept in view.
void SetComboListHot(HWND list, int index);
int ComboListHot(HWND list);
// The number of entries the list shows at once.
int ComboListRows(HWND list);

// Implemented by the combo box: a click on an entry, and the list closed otherwise (ok when
// closed by a click on the combo box itself).
void ComboListPicked(HWND combo, int index);
void ComboListClosed(HWND combo, bool ok);

} // namespace ctl
