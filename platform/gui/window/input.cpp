// Focus, activation, mouse capture, the cursor, the simulated key state and input injection.
#include "window/wndsys.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

bool InTree(HWND root, HWND hwnd) { return hwnd && (hwnd == root || IsChild(root, hwnd)); }

void SyncSides(BYTE* keys, int both, int left, int right, int changed)
{
    if (changed == both) {
        keys[left] = (keys[left] & 0x01) | (keys[both] & 0x80);
        keys[right] &= 0x01;
    } else {
        BYTE down = (keys[left] | keys[right]) & 0x80;
        keys[both] = (keys[both] & 0x01) | down;
    }
}

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    PostMessageA(hwnd, msg, wParam, lParam);
    MiscPumpMessages();
}

} // namespace

namespace wndsys {

void LeaveInput(HWND hwnd)
{
    System& s = Sys();
    if (InTree(hwnd, s.capture))
        ReleaseCapture();
    if (InTree(hwnd, s.focus)) {
        WndRec* w = Find(hwnd);
        HWND parent = w ? w->parent : nullptr;
        WndRec* p = Find(parent);
        SetFocus(p && !p->destroying ? parent : nullptr);
    }
    if (s.active == hwnd) {
        WndRec* w = Find(hwnd);
        HWND next = w ? w->owner : nullptr;
        WndRec* n = Find(next);
        SetActiveWindow(n && !n->destroying && (n->style & WS_VISIBLE) ? next : nullptr);
    }
}

void ForgetWindowInput(HWND hwnd)
{
    System& s = Sys();
    if (s.focus == hwnd)
        s.focus = nullptr;
    if (s.capture == hwnd)
        s.capture = nullptr;
    if (s.active == hwnd)
        s.active = nullptr;
}

} // namespace wndsys

HWND SetActiveWindow(HWND hwnd)
{
    System& s = Sys();
    HWND old = s.active;
    if (hwnd) {
        WndRec* w = Find(hwnd);
        if (!w)
            return nullptr;
        hwnd = GetAncestor(hwnd, GA_ROOT);
    }
    if (old == hwnd)
        return old;
    s.active = hwnd;
    if (Find(old)) {
        SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd && s.active == hwnd && Find(hwnd)) {
        SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0);
        SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(hwnd)), reinterpret_cast<LPARAM>(old));
    } else if (!hwnd && s.focus) {
        SetFocus(nullptr);
    }
    return old;
}

HWND GetActiveWindow() { return Sys().active; }
BOOL SetForegroundWindow(HWND hwnd) { return Find(hwnd) && (SetActiveWindow(hwnd), TRUE); }
HWND GetForegroundWindow() { return Sys().active; }

HWND SetFocus(HWND hwnd)
{
    System& s = Sys();
    HWND old = s.focus;
    if (hwnd) {
        if (!Find(hwnd))
            return nullptr;
        // Neither a disabled or minimised window nor one inside such a window takes the focus.
        for (WndRec* w = Find(hwnd); w; w = w->parent ? Find(w->parent) : nullptr)
            if (w->style & (WS_MINIMIZE | WS_DISABLED))
                return nullptr;
        if (old == hwnd)
            return old;
        HWND top = GetAncestor(hwnd, GA_ROOT);
        if (s.active != top) {
            SetActiveWindow(top);
            if (!Find(hwnd))
                return nullptr;
            old = s.focus;
            if (old == hwnd)
                return old;
        }
    }
    if (old == hwnd)
        return old;
    s.focus = hwnd;
    if (Find(old))
        SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && Find(hwnd))
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return Sys().focus; }

HWND SetCapture(HWND hwnd)
{
    System& s = Sys();
    HWND old = s.capture;
    if (hwnd && !Find(hwnd))
        return nullptr;
    s.capture = hwnd;
    if (old && old != hwnd && Find(old))
        SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    System& s = Sys();
    HWND old = s.capture;
    s.capture = nullptr;
    if (old && Find(old))
        SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return Sys().capture; }

BOOL ClipCursor(const RECT* rect)
{
    System& s = Sys();
    if (!rect) {
        s.clipping = false;
        return TRUE;
    }
    RECT screen{0, 0, s.desktopWidth, s.desktopHeight};
    if (!IntersectRect(&s.clip, rect, &screen))
        s.clip = *rect;
    s.clipping = true;
    s.cursorPos.x = std::clamp<LONG>(s.cursorPos.x, s.clip.left, std::max(s.clip.left, s.clip.right - 1));
    s.cursorPos.y = std::clamp<LONG>(s.cursorPos.y, s.clip.top, std::max(s.clip.top, s.clip.bottom - 1));
    return TRUE;
}

BOOL GetClipCursor(LPRECT rect)
{
    if (!rect)
        return FALSE;
    System& s = Sys();
    *rect = s.clipping ? s.clip : RECT{0, 0, s.desktopWidth, s.desktopHeight};
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR old = Sys().cursor;
    Sys().cursor = cursor;
    return old;
}

HCURSOR GetCursor() { return Sys().cursor; }

int ShowCursor(BOOL show) { return show ? ++Sys().cursorCount : --Sys().cursorCount; }

BOOL GetCursorPos(LPPOINT pt)
{
    if (!pt)
        return FALSE;
    *pt = Sys().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    System& s = Sys();
    RECT limit{0, 0, s.desktopWidth, s.desktopHeight};
    if (s.clipping)
        limit = s.clip;
    s.cursorPos.x = std::clamp<LONG>(x, limit.left, std::max(limit.left, limit.right - 1));
    s.cursorPos.y = std::clamp<LONG>(y, limit.top, std::max(limit.top, limit.bottom - 1));
    return TRUE;
}

SHORT GetKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    BYTE k = Sys().keys[vk];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

SHORT GetAsyncKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    return static_cast<SHORT>((Sys().keys[vk] & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* state)
{
    if (!state)
        return FALSE;
    std::memcpy(state, Sys().keys, 256);
    return TRUE;
}

void MiscSetKeyState(int vk, BOOL down)
{
    if (vk < 0 || vk > 255)
        return;
    BYTE* keys = Sys().keys;
    bool wasDown = (keys[vk] & 0x80) != 0;
    if (down && !wasDown)
        keys[vk] ^= 0x01; // every press flips the toggle bit (Caps Lock and friends)
    keys[vk] = static_cast<BYTE>((keys[vk] & 0x01) | (down ? 0x80 : 0));
    if (vk == VK_SHIFT || vk == VK_LSHIFT || vk == VK_RSHIFT)
        SyncSides(keys, VK_SHIFT, VK_LSHIFT, VK_RSHIFT, vk);
    if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL)
        SyncSides(keys, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, vk);
    if (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU)
        SyncSides(keys, VK_MENU, VK_LMENU, VK_RMENU, vk);
}

BOOL DragDetect(HWND, POINT) { return FALSE; }

void MiscSendKey(int vk, HWND hwnd)
{
    HWND target = hwnd ? hwnd : GetFocus() ? GetFocus() : GetActiveWindow();
    if (!Find(target))
        return;
    bool alt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0;
    UINT down = alt || vk == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = alt || vk == VK_F10 ? WM_SYSKEYUP : WM_KEYUP;
    bool modifier = vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU;
    if (modifier)
        MiscSetKeyState(vk, TRUE);
    PostInput(target, down, static_cast<WPARAM>(vk), 1);
    if (modifier)
        MiscSetKeyState(vk, FALSE);
    HWND after = hwnd ? hwnd : GetFocus() ? GetFocus() : GetActiveWindow();
    if (Find(after))
        PostInput(after, up, static_cast<WPARAM>(vk), static_cast<LPARAM>(0xC0000001u));
}

void MiscTypeText(const char* text, HWND hwnd)
{
    for (const char* p = text; p && *p; ++p) {
        if (*p == '\n' || *p == '\r') {
            MiscSendKey(VK_RETURN, hwnd);
            continue;
        }
        if (*p == '\t') {
            MiscSendKey(VK_TAB, hwnd);
            continue;
        }
        HWND target = hwnd ? hwnd : GetFocus();
        if (!Find(target))
            return;
        PostInput(target, WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
}
