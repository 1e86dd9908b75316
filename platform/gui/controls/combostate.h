#pragma once
// The combo box's state and the helpers its window procedure (combobox.cpp) and its CB_ messages
// (combomsg.cpp) share.
#include <string>

#include "controls/ctlsys.h"
#include "controls/itemlist.h"

namespace ctl::combo {

struct ComboState {
    ctl::ItemList items;
    int selected = -1;
    bool dropped = false;
    int droppedHeight = 100;
    int itemHeight = 0;
    int droppedWidth = 0;
    int topIndex = 0;
    bool extendedUi = false;
    HWND edit = nullptr;
    HWND list = nullptr;
    int dropStart = -1;      // the selection when the list opened (restored on cancel)
    int listItemHeight = 0;  // from WM_MEASUREITEM for owner-drawn entries
    bool quietEdit = false;  // the edit's text follows the selection without CBN_EDIT* notes
};

DWORD StyleOf(HWND hwnd);
DWORD Kind(HWND hwnd);
ComboState* Of(HWND hwnd);
bool OwnerDrawn(HWND hwnd);
bool HasStrings(HWND hwnd);
int FontHeight(HWND hwnd);
int FieldHeight(HWND hwnd);
int ButtonWidth();
std::string ItemText(HWND hwnd, int index);
// The edit (if any) shows the selected entry; the box is redrawn.
void SyncEdit(HWND hwnd);
void SetDropped(HWND hwnd, bool dropped);
// The user's choice of an entry, with the notifications it sends.
void UserSelect(HWND hwnd, int index);
// WM_MEASUREITEM for the field (-1) or an entry.
void Measure(HWND hwnd, ComboState* s, int item);

LRESULT AddOrInsert(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TextMessage(HWND hwnd, ComboState* s, UINT msg, WPARAM wParam, LPARAM lParam);
// The CB_ messages.
LRESULT ComboMessage(HWND hwnd, ComboState* s, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace ctl::combo
