// Messages: sent messages call the window procedure at once; posted ones wait in the one queue
// of the user-interface thread. WM_PAINT is not queued: it is made up when the queue has nothing
// else for a window whose update region is not empty. WM_QUIT comes after every posted message.
#include "window/wndsys.h"
#include "win32/display.h"

#include <cctype>
#include <cstdio>

using namespace wndsys;

namespace {

bool MatchesFilter(const MSG& m, HWND hwnd, UINT first, UINT last)
{
    if (hwnd && m.hwnd != hwnd && !IsChild(hwnd, m.hwnd))
        return false;
    if (first == 0 && last == 0)
        return true;
    return m.message >= first && m.message <= last;
}

bool InRange(UINT msg, UINT first, UINT last)
{
    return (first == 0 && last == 0) || (msg >= first && msg <= last);
}

std::string ToHex(UINT value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%04X", value);
    return text;
}

MSG Stamp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MSG m{hwnd, msg, wParam, lParam, GetTickCount(), Sys().cursorPos};
    return m;
}

// Characters of a US keyboard for the keys that make them.
char CharForKey(UINT vk, bool shift, bool ctrl, bool caps)
{
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return static_cast<char>(vk - 'A' + 1);
        bool upper = shift != caps;
        return static_cast<char>(upper ? vk : std::tolower(static_cast<int>(vk)));
    }
    if (ctrl)
        return 0;
    if (vk >= '0' && vk <= '9')
        return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<char>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return static_cast<char>('0' + (vk - VK_NUMPAD0));
    switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return '\t';
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_2: return shift ? '?' : '/';
    case VK_OEM_3: return shift ? '~' : '`';
    case VK_OEM_4: return shift ? '{' : '[';
    case VK_OEM_5: return shift ? '|' : '\\';
    case VK_OEM_6: return shift ? '}' : ']';
    case VK_OEM_7: return shift ? '"' : '\'';
    default: return 0;
    }
}

} // namespace

namespace wndsys {
void RemoveQueuedMessages(HWND hwnd)
{
    auto& q = Sys().queue;
    for (auto it = q.begin(); it != q.end();)
        it = it->hwnd == hwnd ? q.erase(it) : it + 1;
}
} // namespace wndsys

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops = Sys().topLevel;
        for (HWND top : tops)
            if (Find(top))
                SendMessageA(top, msg, wParam, lParam);
        return 0;
    }
    WndRec* w = Find(hwnd);
    if (!w || !w->proc) {
        SetLastError(1400);
        return 0;
    }
    System& s = Sys();
    if (s.sendDepth >= MISC_SEND_DEPTH_LIMIT) {
        // Windows would overflow the stack here; the message is dropped and the runaway reported
        // once (not once for every level it unwinds through).
        if (!s.sendOverflow)
            WindowSystemError("SendMessage nested deeper than MISC_SEND_DEPTH_LIMIT (message 0x" +
                              ToHex(msg) + " to " + Describe(hwnd) + ")");
        s.sendOverflow = true;
        return 0;
    }
    ++s.sendDepth;
    LRESULT result = w->proc(hwnd, msg, wParam, lParam);
    if (--s.sendDepth == 0)
        s.sendOverflow = false;
    return result;
}

BOOL SendNotifyMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!Find(hwnd) && hwnd != HWND_BROADCAST)
        return FALSE;
    SendMessageA(hwnd, msg, wParam, lParam);
    return TRUE;
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        for (HWND top : Sys().topLevel)
            Sys().queue.push_back(Stamp(top, msg, wParam, lParam));
        return TRUE;
    }
    if (hwnd && !Find(hwnd)) {
        SetLastError(1400);
        return FALSE;
    }
    Sys().queue.push_back(Stamp(hwnd, msg, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    Sys().quitPosted = true;
    Sys().quitCode = exitCode;
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove)
{
    if (!msg)
        return FALSE;
    System& s = Sys();
    for (auto it = s.queue.begin(); it != s.queue.end(); ++it) {
        if (!MatchesFilter(*it, hwnd, first, last))
            continue;
        *msg = *it;
        s.paintsInARow = 0;
        if (remove & PM_REMOVE)
            s.queue.erase(it);
        s.lastMessage = *msg;
        return TRUE;
    }
    if (s.quitPosted && !hwnd && InRange(WM_QUIT, first, last)) {
        *msg = Stamp(nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0);
        if (remove & PM_REMOVE)
            s.quitPosted = false;
        s.lastMessage = *msg;
        return TRUE;
    }
    if (InRange(WM_PAINT, first, last)) {
        if (HWND target = FindWindowToPaint(hwnd)) {
            // A window that invalidates itself in every WM_PAINT would keep a GetMessage loop
            // busy for ever; after as many paints in a row as a settle allows it is validated.
            if (target != s.lastPaintTarget)
                s.paintsInARow = 0;
            s.lastPaintTarget = target;
            if (++s.paintsInARow > MISC_SETTLE_ROUND_LIMIT) {
                s.paintsInARow = 0;
                WindowSystemError("a message loop got WM_PAINT for " + Describe(target) +
                                  " more than MISC_SETTLE_ROUND_LIMIT times in a row");
                ValidateRect(target, nullptr);
                if (WndRec* w = Find(target))
                    w->ncDirty = false;
                return FALSE;
            }
            *msg = Stamp(target, WM_PAINT, 0, 0);
            s.lastMessage = *msg;
            return TRUE;
        }
    }
    return FALSE;
}

namespace {
wndsys::DisplayWaitHook g_displayWait = nullptr;
}

void wndsys::SetDisplayWait(DisplayWaitHook hook) { g_displayWait = hook; }
wndsys::DisplayWaitHook wndsys::DisplayWait() { return g_displayWait; }

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last)
{
    static int idleCalls = 0;
    if (!msg)
        return -1;
    // With a display, the loop waits for the person as Windows' would.
    if (g_displayWait && Sys().queue.empty() && !Sys().quitPosted)
        g_displayWait([] { return !Sys().queue.empty() || Sys().quitPosted; });
    if (!PeekMessageA(msg, hwnd, first, last, PM_REMOVE)) {
        // Nothing can arrive while nobody drives the system: report instead of waiting forever.
        // A loop that keeps asking (while (GetMessage(...)) treats -1 as a message) is ended
        // with a WM_QUIT of its own, and the hang it would have been is recorded.
        *msg = MSG{};
        if (++idleCalls < 1000)
            return -1;
        idleCalls = 0;
        ModalFailure("a message loop kept waiting with nothing that could ever arrive");
        msg->message = WM_QUIT;
        return FALSE;
    }
    idleCalls = 0;
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage()
{
    if (g_displayWait && Sys().queue.empty() && !Sys().quitPosted)
        g_displayWait([] { return !Sys().queue.empty() || Sys().quitPosted; });
    return !Sys().queue.empty() || Sys().quitPosted;
}

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    if (msg->lParam & MISC_KEY_TEXT_FOLLOWS)
        return FALSE;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    char c = CharForKey(static_cast<UINT>(msg->wParam), shift, ctrl, caps);
    if (!c)
        return FALSE;
    UINT charMsg = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // The character goes before anything else queued, as it follows its key press at once.
    Sys().queue.push_front(Stamp(msg->hwnd, charMsg, static_cast<unsigned char>(c), msg->lParam));
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, static_cast<UINT_PTR>(msg->wParam), GetTickCount());
        return 0;
    }
    if (!Find(msg->hwnd))
        return 0;
    if (msg->message == WM_PAINT) {
        // Windows would send WM_PAINT again and again to a window that does not validate itself;
        // the headless system validates it instead, so a careless handler cannot spin a loop.
        PaintMessage(msg->hwnd);
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return Sys().lastMessage.time; }

DWORD GetMessagePos()
{
    const POINT& pt = Sys().lastMessage.pt;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}

BOOL InSendMessage() { return FALSE; }

UINT RegisterWindowMessageA(LPCSTR name)
{
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    System& s = Sys();
    std::string key = Upper(name);
    auto it = s.registeredMessages.find(key);
    if (it != s.registeredMessages.end())
        return it->second;
    if (s.nextRegisteredMessage == 0) // all 16384 numbers taken
        return 0;
    UINT id = s.nextRegisteredMessage;
    s.nextRegisteredMessage = id == 0xFFFF ? 0 : id + 1;
    s.registeredMessages[key] = id;
    return id;
}

namespace wndsys {
bool PreTranslate(MSG* msg)
{
    System& s = Sys();
    if (s.preTranslate && s.preTranslate(msg))
        return true;
    // Keyboard input inside a dialog goes through the dialog manager, as the loops of modal and
    // modeless dialogs do.
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !msg->hwnd)
        return false;
    HWND h = msg->hwnd;
    HWND dialog = nullptr;
    for (WndRec* w = Find(h); w; w = w->parent ? Find(w->parent) : nullptr)
        if (w->dialog)
            dialog = w->handle;
    return dialog && IsDialogMessageA(dialog, msg);
}

bool PumpOne()
{
    System& s = Sys();
    if (s.queue.empty())
        return false;
    MSG msg = s.queue.front();
    s.queue.pop_front();
    s.lastMessage = msg;
    if (!PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}
} // namespace wndsys

int MiscPumpMessages() { return MiscSettle(); }
