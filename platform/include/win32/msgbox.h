#pragma once
// Message boxes and beeps.
//
// Every message box is recorded (MiscMessageBoxLog) and then answered. A scripted user (a test,
// or a tool running without a person) installs a handler with MiscSetMessageBoxHandler and
// answers each box; without a handler a box answers with its default button: the one chosen by
// MB_DEFBUTTONn, or the first button when that button does not exist.
//
// How a box is shown is the business of a backend. The core's backend shows nothing: it asks the
// handler, else answers the default button. The window system installs a backend that opens a
// real modal window and asks the same handler when the window has opened.
#include <functional>
#include <string>
#include <vector>

#include "win32/types.h"

// Buttons.
#define MB_OK 0x00000000
#define MB_OKCANCEL 0x00000001
#define MB_ABORTRETRYIGNORE 0x00000002
#define MB_YESNOCANCEL 0x00000003
#define MB_YESNO 0x00000004
#define MB_RETRYCANCEL 0x00000005
#define MB_CANCELTRYCONTINUE 0x00000006
// Icons.
#define MB_ICONHAND 0x00000010
#define MB_ICONQUESTION 0x00000020
#define MB_ICONEXCLAMATION 0x00000030
#define MB_ICONASTERISK 0x00000040
#define MB_USERICON 0x00000080
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONSTOP MB_ICONHAND
// Default button.
#define MB_DEFBUTTON1 0x00000000
#define MB_DEFBUTTON2 0x00000100
#define MB_DEFBUTTON3 0x00000200
#define MB_DEFBUTTON4 0x00000300
// Modality and other flags.
#define MB_APPLMODAL 0x00000000
#define MB_SYSTEMMODAL 0x00001000
#define MB_TASKMODAL 0x00002000
#define MB_HELP 0x00004000
#define MB_NOFOCUS 0x00008000
#define MB_SETFOREGROUND 0x00010000
#define MB_DEFAULT_DESKTOP_ONLY 0x00020000
#define MB_TOPMOST 0x00040000
#define MB_RIGHT 0x00080000
#define MB_RTLREADING 0x00100000
#define MB_TYPEMASK 0x0000000F
#define MB_ICONMASK 0x000000F0
#define MB_DEFMASK 0x00000F00
#define MB_MODEMASK 0x00003000
#define MB_MISCMASK 0x0000C000

// Results (also the identifiers of the standard dialog buttons).
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDCLOSE 8
#define IDHELP 9
#define IDTRYAGAIN 10
#define IDCONTINUE 11

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// What a message box shows: recorded for every box and handed to the handler.
struct MiscMessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = MB_OK;
};

// The scripted user: returns the button pressed (IDOK, IDYES, ...).
using MiscMessageBoxHandler = std::function<int(const MiscMessageBoxRequest&)>;
// Installs a handler (an empty one removes it) and returns the previous handler.
MiscMessageBoxHandler MiscSetMessageBoxHandler(MiscMessageBoxHandler handler);
MiscMessageBoxHandler MiscGetMessageBoxHandler();

// Every box shown since the last clear, in order.
std::vector<MiscMessageBoxRequest> MiscMessageBoxLog();
// Clears the record of boxes and the beep count.
void MiscClearMessageBoxLog();

// The buttons of a box type in the order they are shown (MB_HELP adds IDHELP at the end), and
// the answer a box gives when nobody presses a button.
std::vector<int> MiscMessageBoxButtons(UINT type);
int MiscMessageBoxDefaultButton(UINT type);

// The backend that shows a recorded box and returns the answer. The default backend asks the
// handler if one is installed, else answers the default button. Returns the previous backend;
// an empty backend restores the default one.
using MiscMessageBoxBackend = std::function<int(const MiscMessageBoxRequest&)>;
MiscMessageBoxBackend MiscSetMessageBoxBackend(MiscMessageBoxBackend backend);

// The title that AfxMessageBox uses as caption: the application's name. Until one is set it is
// the executable's file name without its extension.
void MiscSetAppTitle(LPCSTR title);
std::string MiscGetAppTitle();

// Win32: shows a box; a null caption gives "Error", a null text an empty one.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// Win32: a beep; the platform counts them.
BOOL MessageBeep(UINT type);
int MiscMessageBeepCount();

// MFC: a box owned by the application's main window with the application's title as caption.
// The second form shows string resource `stringId` (an empty text when there is none).
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = (UINT)-1);

MISC_PUBLIC_END
