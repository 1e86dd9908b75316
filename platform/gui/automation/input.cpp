// The input steps of the automation layer: clicks, drags and keys with modifiers held, typing.
#include "autosys.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

struct Modifier {
    UINT flag;
    int vk;
};
const Modifier kModifiers[] = {{MISC_MOD_SHIFT, VK_SHIFT}, {MISC_MOD_CONTROL, VK_CONTROL}, {MISC_MOD_ALT, VK_MENU}};

// Posts a key message to the focus (or the active window) and lets it be handled.
void PostKey(UINT msg, int vk, LPARAM flags)
{
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    if (!target)
        return;
    PostMessageA(target, msg, static_cast<WPARAM>(vk), flags);
    MiscSettle();
}

struct LastPress {
    UINT button = 0;
    POINT screen{};
    DWORD time = 0;
};
LastPress g_lastPress;

} // namespace

// Shift and Ctrl go down as keys at the focus; Alt is held in the key state only, so that its
// release after the action does not open a menu bar.
MiscModifierScope::MiscModifierScope(UINT modifiers) : m_modifiers(modifiers)
{
    for (const Modifier& m : kModifiers) {
        if (!(modifiers & m.flag))
            continue;
        MiscSetKeyState(m.vk, TRUE);
        if (m.vk != VK_MENU)
            PostKey(WM_KEYDOWN, m.vk, 1);
    }
}

MiscModifierScope::~MiscModifierScope()
{
    for (const Modifier& m : kModifiers) {
        if (!(m_modifiers & m.flag))
            continue;
        MiscSetKeyState(m.vk, FALSE);
        if (m.vk != VK_MENU)
            PostKey(WM_KEYUP, m.vk, static_cast<LPARAM>(0xC0000001u));
    }
}

void MiscClickAt(HWND hwnd, POINT pt, UINT buttonDown, int count, UINT modifiers)
{
    if (!IsWindow(hwnd))
        return;
    int buttonVk = buttonDown == WM_RBUTTONDOWN ? VK_RBUTTON : buttonDown == WM_MBUTTONDOWN ? VK_MBUTTON : VK_LBUTTON;
    MiscModifierScope held(modifiers);
    MiscSendMouse(hwnd, WM_MOUSEMOVE, pt.x, pt.y);
    autosys::KeepClicksApart(hwnd, pt, buttonDown);
    for (int i = 0; i < std::clamp(count, 1, 2) && IsWindow(hwnd); ++i) {
        MiscSendMouse(hwnd, i == 0 ? buttonDown : buttonDown + 2, pt.x, pt.y);
        if (IsWindow(hwnd))
            MiscSendMouse(hwnd, buttonDown + 1, pt.x, pt.y);
    }
    // A window that closed under the button never sees it released; the key state must still
    // show the button up.
    MiscSetKeyState(buttonVk, FALSE);
    MiscSettle();
}

void MiscDragFrom(HWND hwnd, POINT from, POINT offset, UINT modifiers)
{
    if (!IsWindow(hwnd))
        return;
    MiscModifierScope held(modifiers);
    MiscSendMouse(hwnd, WM_MOUSEMOVE, from.x, from.y);
    autosys::KeepClicksApart(hwnd, from, WM_LBUTTONDOWN);
    MiscSendMouse(hwnd, WM_LBUTTONDOWN, from.x, from.y);
    const int steps = 4;
    for (int i = 1; i <= steps && IsWindow(hwnd); ++i)
        MiscSendMouse(hwnd, WM_MOUSEMOVE, from.x + offset.x * i / steps, from.y + offset.y * i / steps);
    if (IsWindow(hwnd))
        MiscSendMouse(hwnd, WM_LBUTTONUP, from.x + offset.x, from.y + offset.y);
    MiscSetKeyState(VK_LBUTTON, FALSE);
    MiscSettle();
}

void MiscPressKeyWith(int vk, UINT modifiers, HWND hwnd)
{
    MiscModifierScope held(modifiers);
    MiscSendKey(vk, hwnd);
    MiscSettle();
}

std::string MiscStripMnemonic(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
        } else if (i + 1 < text.size()) {
            out += text[i + 1]; // "&&" is one '&', "&F" is the underlined F
            ++i;
        }
    }
    return out;
}

namespace autosys {

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string ClassOf(HWND hwnd)
{
    char name[64] = {0};
    GetClassNameA(hwnd, name, sizeof(name));
    std::string out = name;
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void FocusControl(HWND control)
{
    if (!IsWindow(control) || GetFocus() == control)
        return;
    for (HWND w = GetParent(control); w; w = GetParent(w)) {
        if (ClassOf(w) == "#32770") {
            SendMessageA(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            MiscSettle();
            break;
        }
    }
    if (GetFocus() != control) {
        RECT r;
        GetClientRect(control, &r);
        MiscClickAt(control, Center(r));
    }
}

void KeepClicksApart(HWND hwnd, POINT client, UINT buttonDown)
{
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    DWORD elapsed = GetTickCount() - g_lastPress.time;
    bool near = std::abs(screen.x - g_lastPress.screen.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                std::abs(screen.y - g_lastPress.screen.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (g_lastPress.button == buttonDown && near && elapsed <= GetDoubleClickTime())
        MiscAdvanceClock(GetDoubleClickTime() + 1 - elapsed);
    g_lastPress = LastPress{buttonDown, screen, GetTickCount()};
}

void Key(int vk)
{
    MiscSendKey(vk);
    MiscSettle();
}

void Keys(int vk, int count)
{
    for (int i = 0; i < count; ++i)
        Key(vk);
}

void TypeAtFocus(const std::string& text)
{
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n' || c == '\t') {
            Key(c == '\n' ? VK_RETURN : VK_TAB); // the message loop makes the character
            continue;
        }
        PostKey(WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

} // namespace autosys
