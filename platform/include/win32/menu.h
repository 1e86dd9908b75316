#pragma once
// Menus of the headless window system as data: menus built in code or loaded from a module's
// menu resources, with their items (command identifiers, texts, flags and pop-up submenus). The
// headless system shows no menu bars; the menus serve the programs that read them (pop-up menu
// groups, toolkit command bars). A loaded menu owns its submenus; DestroyMenu frees them all.
#include "win32/types.h"
#include "win32/styles.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// MF_STRING (text), MF_SEPARATOR, MF_POPUP (id is the submenu's handle, which the menu then owns),
// with the state flags (MF_GRAYED, MF_CHECKED, ...) kept as given.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
#define AppendMenu AppendMenuA
// The menu resource `name` (a number) of a module, or of the current resource handle's search
// order when module is null: the module itself only.
HMENU LoadMenuA(HINSTANCE module, LPCSTR name);
#define LoadMenu LoadMenuA
int GetMenuItemCount(HMENU menu);
// The command identifier at a position: 0 for a separator, (UINT)-1 for a pop-up or a bad position.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The item's text (MF_BYPOSITION or MF_BYCOMMAND, the first item with that identifier, submenus
// searched too); at most size - 1 characters and a NUL; the text's length. 0 when missing.
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
#define GetMenuString GetMenuStringA
UINT GetMenuState(HMENU menu, UINT item, UINT flags);

MISC_PUBLIC_END
