#pragma once
// The window system's own records: classes, windows, the message queue, timers and the input
// state. Private to the platform's window, dialog and control code.
//
// Every window record lives behind its HWND in one table; handles are never reused while the
// process runs (MiscResetWindowSystem clears the table), so a stale handle finds nothing. Code
// that sends a message must look the record up again afterwards: the window may be gone.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "win32/gdi.h"
#include "win32/user.h"

namespace wndsys {

struct ClassRec {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSm = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    std::vector<BYTE> extra;
};

struct DialogRec; // dialog state, dialog/dlgsys.h

struct WndRec {
    HWND handle = nullptr;
    std::shared_ptr<ClassRec> cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;          // child windows only
    HWND owner = nullptr;           // top-level windows only
    std::vector<HWND> children;     // z-order, topmost first
    RECT window{};                  // parent client coordinates (screen for top-level windows)
    RECT client{};                  // relative to the window's top-left corner
    std::string text;
    LONG_PTR id = 0;                // control identifier, or the menu of a top-level window
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    WNDPROC proc = nullptr;
    std::vector<BYTE> extra;
    HFONT font = nullptr;
    HICON iconBig = nullptr;
    HICON iconSmall = nullptr;
    HRGN region = nullptr;          // owned; window coordinates
    DWORD layeredFlags = 0;
    BYTE alpha = 255;
    COLORREF colorKey = 0;
    bool layeredSet = false;
    MiscSurface surface;
    RECT update{};                  // client coordinates; empty = nothing to paint
    bool updateErase = false;
    bool ncDirty = false;
    unsigned validations = 0;       // BeginPaint and ValidateRect/Rgn calls, see PaintMessage
    bool redrawOff = false;         // WM_SETREDRAW FALSE
    bool destroying = false;
    bool linked = false;
    int showState = SW_SHOWNORMAL;  // SW_SHOWMINIMIZED / SW_SHOWMAXIMIZED / normal
    RECT normalRect{};              // the restored position while minimised or maximised
    SCROLLINFO scroll[2]{};         // the window's own horizontal and vertical bars
    std::map<std::string, HANDLE> props;
    std::unique_ptr<DialogRec, void (*)(DialogRec*)> dialog{nullptr, nullptr};
};

struct TimerRec {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
    unsigned long long order; // ties on the same due time fire in the order they were set
};

using PreTranslateHook = BOOL (*)(MSG* msg);
using CreateHook = void (*)(HWND hwnd, CREATESTRUCTA* cs);
using DestroyHook = void (*)(HWND hwnd);
using IdleHook = BOOL (*)(LONG count); // MFC's CWinThread::OnIdle; TRUE asks for more idle time

struct System {
    std::unordered_map<HWND, std::unique_ptr<WndRec>> windows;
    uintptr_t nextHandle = 0x10010;
    std::vector<HWND> topLevel; // z-order, topmost first
    std::map<std::string, std::shared_ptr<ClassRec>> classes; // key: upper-case name
    ATOM nextAtom = 0xC000;
    bool standardClasses = false;

    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
    MSG lastMessage{};
    int sendDepth = 0;
    bool sendOverflow = false;      // the depth limit was hit and not yet recovered from
    int paintsInARow = 0;           // WM_PAINT made up by PeekMessage for one window, nothing between
    HWND lastPaintTarget = nullptr;
    std::vector<HWND> modalStack;   // the modal windows open now, innermost last
    std::vector<std::string> errors; // MiscWindowSystemErrors
    std::map<std::string, UINT> registeredMessages; // key: upper-case name
    UINT nextRegisteredMessage = 0xC000;

    std::vector<TimerRec> timers;
    unsigned long long timerOrder = 0;

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    bool clipping = false;
    RECT clip{};
    POINT cursorPos{};
    HCURSOR cursor = nullptr;
    int cursorCount = 0;
    BYTE keys[256]{};

    int desktopWidth = 1280;
    int desktopHeight = 1024;
    OSVERSIONINFOEXA version{};

    std::unordered_map<HDC, HWND> dcs; // contexts handed out by GetDC and BeginPaint

    PreTranslateHook preTranslate = nullptr; // MFC's PreTranslateMessage walk
    CreateHook createHook = nullptr;         // MFC attaches its CWnd here
    DestroyHook destroyHook = nullptr;       // after WM_NCDESTROY, before the record goes
    IdleHook idle = nullptr;                 // installed by the MFC application object
};

System& Sys();

// A display backend's wait: runs the real desktop (presenting, real input, real time) until
// done() holds or the person closes the desktop; FALSE when closed. Installed by the display
// layer, kept across resets of the window system; null while headless.
using DisplayWaitHook = bool (*)(const std::function<bool()>& done);
void SetDisplayWait(DisplayWaitHook hook);
DisplayWaitHook DisplayWait();
WndRec* Find(HWND hwnd);
// Registers the standard control classes once (controls/registry.cpp).
void EnsureStandardClasses();
void RegisterStandardControls();
std::shared_ptr<ClassRec> FindClass(LPCSTR name);
std::string Upper(const char* text);

// Geometry helpers (position.cpp).
POINT ClientOriginOnScreen(const WndRec* w);
RECT WindowRectOnScreen(const WndRec* w);
void ComputeNonClient(const WndRec* w, RECT* client); // window rect -> client rect, same coords
void ResizeSurface(WndRec* w);
bool IsVisibleTree(const WndRec* w); // this window and every ancestor visible

// Painting helpers (paint.cpp).
void InvalidateWhole(WndRec* w, bool erase, bool children);
bool NeedsPaint(const WndRec* w);
// Paints (WM_NCPAINT, WM_PAINT) every window of the tree under `root` (all windows when null)
// that needs it, each at most once per call; returns how many were painted. Whatever a handler
// invalidates while painting stays for the next call.
int PaintPending(HWND root);
// Sends WM_PAINT and validates the window afterwards only when the handler neither called
// BeginPaint nor validated anything (a handler that ignores WM_PAINT would otherwise be asked
// again for ever).
void PaintMessage(HWND hwnd);
HWND FindWindowToPaint(HWND filter);
void DrawNonClient(HWND hwnd, HDC dc); // nonclient.cpp

// Focus and capture when a window goes (input.cpp): LeaveInput moves the focus to the parent and
// releases the capture with the usual messages when they are in hwnd's tree; ForgetWindowInput
// silently drops any reference to hwnd itself.
void LeaveInput(HWND hwnd);
void ForgetWindowInput(HWND hwnd);
void ResetMouseRouting(); // mouse.cpp: hover/leave tracking and the last click
void KillWindowTimers(HWND hwnd); // timer.cpp
void RemoveQueuedMessages(HWND hwnd); // message.cpp
void EnsureTimerService(); // timer.cpp

// Sends WM_NCCALCSIZE for the current window rectangle and stores the client rectangle.
void RecalcClient(HWND hwnd, bool sendCalc);

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Message loop steps (message.cpp): the pre-translation of a loop (MFC's walk, then the dialog
// manager for keys inside a dialog), and one queued message taken, translated and dispatched;
// false when the queue is empty.
bool PreTranslate(MSG* msg);
bool PumpOne();

// Records a failure the tests can see in MiscModalErrors (dialog/modal.cpp).
void ModalFailure(const std::string& what);

// Records a fault of the window system's own loops in MiscWindowSystemErrors (settle.cpp).
void WindowSystemError(const std::string& what);
// Settles the system (see MiscSettle); `stop`, when given, is asked after every message and ends
// the settle early (a modal loop whose window has ended). Returns messages and paints handled.
int Settle(const std::function<bool()>& stop);
// "class 0x10012" for error reports.
std::string Describe(HWND hwnd);
// Menu bars of top-level windows (menu/menu_bar.cpp): the bar's height for a window whose
// non-client area is `width` wide (0 without a bar), its drawing below the caption (moving
// r->top under it), and DefWindowProc's menu messages (true when handled, with the result).
int MenuBarHeight(HWND hwnd, int width);
void DrawMenuBarArea(HWND hwnd, HDC dc, RECT* r);
bool MenuDefProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

} // namespace wndsys
