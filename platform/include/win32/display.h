#pragma once
// Display backends: the window system's windows on a real desktop.
//
// Headless is the default. A display shows every top-level window of the window system inside
// one desktop window (as a virtual desktop does), presents what was painted after each settle
// (uploading only the areas that changed), and turns the person's input into the messages a
// Windows user's input would produce, routed by point as MiscSendMouseAt routes them. While a
// display runs, the virtual clock follows real time, modal loops (dialogs, message boxes,
// pop-up menus) wait for the person, and the clipboard's text is shared with the desktop's.
//
// MISC_DISPLAY=sdl selects the SDL backend when the window system starts; a build without SDL2
// reports that it has none. Nothing above the platform depends on whether a display runs.
#include <functional>

#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Opens the named display ("sdl"); FALSE, with the reason in MiscDisplayError, when it is not
// available (no SDL2 in this build, no desktop to connect to). Starting one while one runs
// closes the first.
BOOL MiscStartDisplay(LPCSTR name);
// Starts the display named by MISC_DISPLAY, if any; TRUE when none is asked for or it started.
BOOL MiscStartDisplayFromEnvironment();
void MiscStopDisplay();
BOOL MiscDisplayActive();
const char* MiscDisplayError();

// Runs the desktop until done() holds (checked after every settle) or the person closes the
// desktop window; FALSE when the desktop was closed. Without a display it returns done().
BOOL MiscDisplayRun(const std::function<bool()>& done);

// lParam bit of a WM_KEYDOWN whose characters arrive separately as WM_CHAR (the desktop's text
// input composes them): TranslateMessage makes no WM_CHAR of its own for it.
#define MISC_KEY_TEXT_FOLLOWS 0x02000000

MISC_PUBLIC_END
