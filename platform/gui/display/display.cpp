// The display layer: one backend at a time, the run loop that presents what the window system
// painted and feeds it the person's input, the virtual clock kept on real time, dragging windows
// by their captions, and the clipboard shared with the desktop's.
#include "display/displaysys.h"

#include "window/wndsys.h"
#include "win32/clipboard.h"
#include "win32/script.h"
#include "win32/user.h"

#include <cstdlib>
#include <cstring>

using namespace miscdisplay;

namespace {

struct CaptionDrag {
    HWND window = nullptr;
    POINT grab{};   // the press point on the desktop
    POINT origin{}; // the window's top-left corner at the press
};

struct DisplayState {
    std::unique_ptr<Backend> backend;
    std::string error;
    MiscSurface shown;          // the frame on the desktop now
    unsigned lastTicks = 0;     // the backend's clock at the last advance of the virtual clock
    DWORD clipboardSeen = 0;    // clipboard sequence number last shared with the desktop
    CaptionDrag drag;
    bool closed = false;
};

DisplayState& State()
{
    static DisplayState* state = new DisplayState;
    return *state;
}

// Shows what changed since the last frame.
void Present()
{
    DisplayState& d = State();
    MiscSurface frame = MiscCaptureWindow(nullptr);
    std::vector<RECT> areas = ChangedAreas(d.shown, frame);
    if (!areas.empty())
        d.backend->Present(frame, areas.data(), static_cast<int>(areas.size()));
    d.shown = std::move(frame);
}

// The virtual clock catches up with real time (timers fire on time).
void FollowRealTime(unsigned ticks)
{
    DisplayState& d = State();
    if (ticks > d.lastTicks) {
        MiscAdvanceClock(ticks - d.lastTicks);
        d.lastTicks = ticks;
    }
}

void ShareClipboardOut()
{
    DisplayState& d = State();
    DWORD seq = GetClipboardSequenceNumber();
    if (seq == d.clipboardSeen)
        return;
    d.clipboardSeen = seq;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr))
        return;
    std::string text;
    if (HANDLE mem = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(mem))) {
            text.assign(p, strnlen(p, GlobalSize(mem)));
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    d.backend->SetClipboardText(CodePageToUtf8(text));
}

void ShareClipboardIn()
{
    DisplayState& d = State();
    std::string text = Utf8ToCodePage(d.backend->ClipboardText());
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (char* p = mem ? static_cast<char*>(GlobalLock(mem)) : nullptr) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(mem);
        SetClipboardData(CF_TEXT, mem);
    }
    CloseClipboard();
    d.clipboardSeen = GetClipboardSequenceNumber();
}

// The top-level window whose caption is under the point, or null.
HWND CaptionAt(int x, int y)
{
    HWND hit = WindowFromPoint(POINT{x, y});
    HWND root = hit ? GetAncestor(hit, GA_ROOT) : nullptr;
    if (!root || !IsWindowEnabled(root))
        return nullptr;
    LRESULT code = SendMessageA(root, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    return code == HTCAPTION ? root : nullptr;
}

bool StartCaptionDrag(const InputEvent& e)
{
    HWND window = e.button == 1 ? CaptionAt(e.x, e.y) : nullptr;
    if (!window)
        return false;
    RECT r{};
    GetWindowRect(window, &r);
    State().drag = CaptionDrag{window, POINT{e.x, e.y}, POINT{r.left, r.top}};
    SetActiveWindow(window);
    MiscSettle();
    return true;
}

bool FollowCaptionDrag(const InputEvent& e)
{
    CaptionDrag& drag = State().drag;
    if (!drag.window)
        return false;
    if (!IsWindow(drag.window)) {
        drag = CaptionDrag{};
        return false;
    }
    if (e.kind == InputEvent::Kind::MouseMove || e.kind == InputEvent::Kind::MouseUp) {
        SetWindowPos(drag.window, nullptr, drag.origin.x + e.x - drag.grab.x, drag.origin.y + e.y - drag.grab.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        MiscSettle();
    }
    if (e.kind == InputEvent::Kind::MouseUp)
        drag = CaptionDrag{};
    return true;
}

UINT MouseMessage(const InputEvent& e)
{
    bool down = e.kind == InputEvent::Kind::MouseDown;
    switch (e.button) {
    case 1: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case 2: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case 3: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default: return 0;
    }
}

bool IsModifier(int vk)
{
    return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || vk == VK_LSHIFT || vk == VK_RSHIFT ||
           vk == VK_LCONTROL || vk == VK_RCONTROL || vk == VK_LMENU || vk == VK_RMENU;
}

// Windows reports the left and right modifier keys under their common key.
int GenericKey(int vk)
{
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

void Key(const InputEvent& e)
{
    bool down = e.kind == InputEvent::Kind::KeyDown;
    if (IsModifier(e.vk))
        MiscSetKeyState(e.vk, down ? TRUE : FALSE);
    if (e.vk == VK_CAPITAL && down)
        MiscSetKeyState(VK_CAPITAL, (GetKeyState(VK_CAPITAL) & 1) ? FALSE : TRUE);
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target)
        return;
    bool alt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0;
    UINT msg = down ? (alt || e.vk == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt || e.vk == VK_F10 ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1;
    if (!down)
        lParam |= static_cast<LPARAM>(0xC0000000u);
    else if (e.repeat)
        lParam |= 0x40000000;
    // Plain character keys: the desktop composes their characters (layouts, dead keys) and sends
    // them as text; keys with Ctrl or Alt and the editing keys make theirs as Windows would.
    if (down && e.textKey && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
        lParam |= MISC_KEY_TEXT_FOLLOWS;
    PostMessageA(target, msg, static_cast<WPARAM>(GenericKey(e.vk)), lParam);
    MiscSettle();
}

void Text(const InputEvent& e)
{
    // Where the keys go: the focus, else the active window (a menu open on a frame without a
    // focused child reads its mnemonics from there).
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target)
        return;
    for (unsigned char c : e.text)
        PostMessageA(target, WM_CHAR, c, 1);
    MiscSettle();
}

// Hands one event to the window system; false when the person closed the desktop.
bool Deliver(const InputEvent& e)
{
    DisplayState& d = State();
    FollowRealTime(e.ticks);
    switch (e.kind) {
    case InputEvent::Kind::Quit:
        d.closed = true;
        return false;
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::MouseUp:
        if (FollowCaptionDrag(e))
            break;
        if (e.kind == InputEvent::Kind::MouseMove)
            MiscSendMouseAt(WM_MOUSEMOVE, e.x, e.y);
        else if (UINT msg = MouseMessage(e))
            MiscSendMouseAt(msg, e.x, e.y);
        break;
    case InputEvent::Kind::MouseDown:
        if (StartCaptionDrag(e))
            break;
        if (UINT msg = MouseMessage(e))
            MiscSendMouseAt(msg, e.x, e.y);
        break;
    case InputEvent::Kind::Wheel: MiscSendMouseAt(WM_MOUSEWHEEL, e.x, e.y, e.wheel); break;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp: Key(e); break;
    case InputEvent::Kind::Text: Text(e); break;
    case InputEvent::Kind::ClipboardChanged: ShareClipboardIn(); break;
    case InputEvent::Kind::Exposed: d.shown = MiscSurface(); break; // everything again
    case InputEvent::Kind::None: break;
    }
    return true;
}

bool RunDisplay(const std::function<bool()>& done)
{
    DisplayState& d = State();
    if (!d.backend)
        return done();
    bool changed = true;
    unsigned presented = 0;
    for (;;) {
        MiscSettle();
        if (done())
            break;
        // After input at once; while nothing happens, often enough for timers (a caret, a tip).
        unsigned now = d.backend->Ticks();
        if (changed || now - presented >= 100) {
            ShareClipboardOut();
            Present();
            presented = now;
            changed = false;
        }
        if (d.closed)
            return false;
        InputEvent e;
        // Short waits keep timers on time while nothing happens.
        if (d.backend->Wait(10, e)) {
            if (!Deliver(e))
                return false;
            changed = true;
        } else {
            FollowRealTime(d.backend->Ticks());
        }
    }
    ShareClipboardOut();
    Present();
    return true;
}

// Modal loops and GetMessage wait here. When the person closes the desktop, the program is
// wound up as a closing session would: the innermost modal window is closed as its close box
// would (a dialog ends with IDCANCEL), and with none left the message loop is asked to quit.
bool DisplayWaitHook(const std::function<bool()>& done)
{
    if (RunDisplay(done))
        return true;
    for (int round = 0; round < 8 && !done(); ++round) {
        if (HWND modal = MiscActiveModal())
            PostMessageA(modal, WM_CLOSE, 0, 0);
        else
            PostQuitMessage(0);
        MiscSettle();
    }
    return false;
}

} // namespace

BOOL MiscStartDisplay(LPCSTR name)
{
    DisplayState& d = State();
    MiscStopDisplay();
    std::string which = name ? name : "";
    std::unique_ptr<Backend> backend;
    if (which == "sdl") {
        backend = MakeSdlBackend(d.error);
    } else {
        d.error = "unknown display '" + which + "' (known: sdl)";
    }
    if (!backend)
        return FALSE;
    RECT desktop{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!backend->Open(desktop.right, desktop.bottom, d.error))
        return FALSE;
    d.backend = std::move(backend);
    d.shown = MiscSurface();
    d.closed = false;
    d.lastTicks = d.backend->Ticks();
    d.clipboardSeen = GetClipboardSequenceNumber();
    d.error.clear();
    wndsys::SetDisplayWait(&DisplayWaitHook);
    return TRUE;
}

BOOL MiscStartDisplayFromEnvironment()
{
    const char* name = std::getenv("MISC_DISPLAY");
    if (!name || !*name || std::strcmp(name, "none") == 0 || std::strcmp(name, "headless") == 0)
        return TRUE;
    return MiscStartDisplay(name);
}

void MiscStopDisplay()
{
    DisplayState& d = State();
    wndsys::SetDisplayWait(nullptr);
    d.backend.reset();
    d.shown = MiscSurface();
    d.drag = CaptionDrag{};
}

BOOL MiscDisplayActive() { return State().backend != nullptr; }

const char* MiscDisplayError() { return State().error.c_str(); }

BOOL MiscDisplayRun(const std::function<bool()>& done) { return RunDisplay(done) ? TRUE : FALSE; }
