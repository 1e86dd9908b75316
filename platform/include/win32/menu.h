#pragma once
// Menus of the headless window system: menus built in code or loaded from a module's menu
// resources, with their items (command identifiers, texts, states and pop-up submenus); the menu
// bar of a top-level window (GetMenu / SetMenu), drawn in its non-client area; the system menu;
// and pop-up menus (TrackPopupMenu), which run modally and are answered by the scripted user
// (MiscChooseMenuItem, MiscChooseMenuPath) or by keys and clicks.
//
// A menu owns its submenus: DestroyMenu frees them all, and RemoveMenu takes a submenu out
// without freeing it. A window destroyed with a menu bar destroys the menu, as on Windows.
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
// Inserts before the item at `position` (MF_BYPOSITION; -1 or past the end appends) or before the
// item with command `position` (MF_BYCOMMAND, submenus searched).
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text);
#define InsertMenu InsertMenuA
// Replaces an item's kind, identifier, text and state; a submenu it held is destroyed unless the
// new item keeps it.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text);
#define ModifyMenu ModifyMenuA
// RemoveMenu takes an item out (a submenu survives, for the caller); DeleteMenu also destroys it.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
// The previous check state (MF_CHECKED or MF_UNCHECKED), or (DWORD)-1 for a missing item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
// Checks `check` with a radio bullet and unchecks the others of [first, last] (positions or
// commands as flags says), all in the one menu that holds `check`.
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// The previous state (MF_ENABLED, MF_GRAYED or MF_DISABLED), or -1 for a missing item.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);

// The resource `name` (a number) of a module, or of the current resource handle's search
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

// ---- Item information ----
#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MIIM_SUBMENU 0x00000004
#define MIIM_CHECKMARKS 0x00000008
#define MIIM_TYPE 0x00000010
#define MIIM_DATA 0x00000020
#define MIIM_STRING 0x00000040
#define MIIM_BITMAP 0x00000080
#define MIIM_FTYPE 0x00000100

typedef struct tagMENUITEMINFOA {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPSTR dwTypeData;
    UINT cch;
    HBITMAP hbmpItem;
} MENUITEMINFOA, *LPMENUITEMINFOA, MENUITEMINFO, *LPMENUITEMINFO;
typedef const MENUITEMINFOA* LPCMENUITEMINFOA;

// With MIIM_STRING (or MIIM_TYPE for a string item) the text goes into dwTypeData (cch is its
// size, set to the text's length); a null dwTypeData only reports the length.
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
#define GetMenuItemInfo GetMenuItemInfoA
#define SetMenuItemInfo SetMenuItemInfoA
#define InsertMenuItem InsertMenuItemA

// ---- Menu bars and the system menu ----
HMENU GetMenu(HWND hwnd);
// Gives a top-level window its menu bar (null removes it); the client area shrinks by the bar.
BOOL SetMenu(HWND hwnd, HMENU menu);
// Repaints the menu bar (and recomputes its height after items changed).
BOOL DrawMenuBar(HWND hwnd);
// The window's copy of the system menu (Restore, Move, Size, Minimize, Maximize, Close), made at
// the first call; revert = TRUE destroys the copy and returns null.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

// ---- Pop-up menus ----
#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_HORIZONTAL 0x0000
#define TPM_VERTICAL 0x0040
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100
#define TPM_RECURSE 0x0001
#define TPM_NOANIMATION 0x4000

typedef struct tagTPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
} TPMPARAMS, *LPTPMPARAMS;

// Shows `menu` at screen point (x, y) for the owner window and runs it modally: WM_INITMENU and
// WM_INITMENUPOPUP go to the owner first (unless TPM_NONOTIFY), the scripted user (modal kind
// PopupMenu) chooses or cancels, and the chosen command is posted to the owner as WM_COMMAND
// (HIWORD 0), or returned with TPM_RETURNCMD (0 when nothing was chosen). Without TPM_RETURNCMD
// the result is TRUE when the menu ran.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params);
// Sent to a pop-up menu window (class "#32768"): the menu it shows.
#define MN_GETHMENU 0x01E1

// Closes the pop-up menu that is open now, as Escape would.
BOOL EndMenu();

// ---- The scripted user's hands on menus ----
// The open pop-up menu window (class "#32768") at the top of the cascade, or null.
HWND MiscOpenMenuWindow();
// The menu a pop-up menu window shows.
HMENU MiscMenuOfWindow(HWND popup);
// Chooses the item with that command in the open pop-up menu `popup` (or any of its submenus):
// the submenus on the way open as a user would open them (with WM_INITMENUPOPUP) and the menu
// closes with the command. FALSE (menu left open) when no enabled item has that command.
BOOL MiscChooseMenuItem(HWND popup, UINT command);
// Chooses by a text path, "File|Open": each step matches an item's text with '&' removed and
// the accelerator text after a tab ignored, case-insensitively. `hwnd` is an open pop-up menu
// window, or a window with a menu bar (the path then starts at the bar, and the command goes to
// that window as a person's choice from its menu bar would).
BOOL MiscChooseMenuPath(HWND hwnd, const char* textPath);
// Closes the open pop-up menu `popup` without a choice.
BOOL MiscCancelMenu(HWND popup);

// Destroys every menu and its MFC wrappers, and every accelerator table (part of the platform's
// reset).
void MiscResetMenus();
MISC_PUBLIC_END
