#pragma once
// Opening documents and addresses the way the user's desktop does. ShellExecuteA runs
// `xdg-open FILE` directly (never through a shell; the file is one argument), which honours
// $BROWSER for addresses. $MISC_OPEN_COMMAND names another program to run in its place.
// The program runs on its own; its end is collected later, or by MiscShellWaitChildren.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Returns a value above 32 when the program was started. An empty or null file starts nothing
// and gives ERROR_FILE_NOT_FOUND (2); a program that cannot be started gives SE_ERR_NOASSOC.
// Verbs other than "open" (or null) give SE_ERR_NOASSOC. Parameters, folder and show state are
// accepted and not used: an opened address has no parameters of its own.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                        LPCSTR directory, INT show);
#define ShellExecute ShellExecuteA
#define SE_ERR_NOASSOC 31

// Waits for every program started by ShellExecuteA that is still running; returns how many
// were waited for.
int MiscShellWaitChildren();

MISC_PUBLIC_END
