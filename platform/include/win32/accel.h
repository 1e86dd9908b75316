#pragma once
// Accelerator tables: keys that stand for commands. TranslateAccelerator turns a key message that
// matches an entry into WM_COMMAND (HIWORD 1) for the window, after letting the window's menu bar
// update the item (WM_INITMENU, WM_INITMENUPOPUP); a disabled menu item swallows the key without
// a command. ACCEL and the FVIRTKEY / FSHIFT / FCONTROL / FALT flags are in win32/types.h.
#include "win32/types.h"
#include "win32/user.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The accelerator table `name` (a number) of a module; tables loaded from a module are shared
// and stay until the module's resources go (DestroyAcceleratorTable leaves them).
HACCEL LoadAcceleratorsA(HINSTANCE module, LPCSTR name);
#define LoadAccelerators LoadAcceleratorsA
HACCEL CreateAcceleratorTableA(LPACCEL entries, int count);
#define CreateAcceleratorTable CreateAcceleratorTableA
// Copies at most `count` entries; with a null destination, the number of entries.
int CopyAcceleratorTableA(HACCEL table, LPACCEL entries, int count);
#define CopyAcceleratorTable CopyAcceleratorTableA
BOOL DestroyAcceleratorTable(HACCEL table);
// Nonzero when msg (WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR) matched an entry.
int TranslateAcceleratorA(HWND hwnd, HACCEL table, LPMSG msg);
#define TranslateAccelerator TranslateAcceleratorA

// Destroys every accelerator table (the platform's reset).
void MiscResetAccelerators();

MISC_PUBLIC_END
