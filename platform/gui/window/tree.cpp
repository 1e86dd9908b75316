// The window tree (parents, owners, siblings in z-order), window words, properties, text and the
// enabled state.
#include "window/wndsys.h"

#include <algorithm>
#include <cstring>

using namespace wndsys;

namespace {

// The desktop is not a record: top-level windows have no parent record. Its handle answers the
// few questions callers put to it (size, children, coordinates).
HWND const kDesktop = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10000));

const std::vector<HWND>* Siblings(const WndRec* w)
{
    if (!w->parent)
        return &Sys().topLevel;
    WndRec* p = Find(w->parent);
    return p ? &p->children : nullptr;
}

LONG_PTR ReadExtra(const WndRec* w, int index, size_t size)
{
    if (index < 0 || static_cast<size_t>(index) + size > w->extra.size()) {
        SetLastError(1413); // ERROR_INVALID_INDEX
        return 0;
    }
    if (size == sizeof(LONG)) {
        LONG v;
        std::memcpy(&v, w->extra.data() + index, sizeof(v));
        return v;
    }
    LONG_PTR v;
    std::memcpy(&v, w->extra.data() + index, sizeof(v));
    return v;
}

void SetStyle(HWND hwnd, int index, DWORD value)
{
    WndRec* w = Find(hwnd);
    STYLESTRUCT ss{index == GWL_STYLE ? w->style : w->exStyle, value};
    SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    if (!(w = Find(hwnd)))
        return;
    if (index == GWL_STYLE)
        w->style = ss.styleNew;
    else
        w->exStyle = ss.styleNew;
    SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, size_t size)
{
    WndRec* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return 0;
    }
    LONG_PTR old = 0;
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE:
        old = index == GWL_STYLE ? w->style : w->exStyle;
        SetStyle(hwnd, index, static_cast<DWORD>(value));
        return old;
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(w->instance);
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_ID:
        old = w->id;
        w->id = value;
        return old;
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    case GWLP_HWNDPARENT:
        old = reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
        if (!w->parent)
            w->owner = reinterpret_cast<HWND>(value);
        return old;
    default:
        break;
    }
    old = ReadExtra(w, index, size);
    if (index >= 0 && static_cast<size_t>(index) + size <= w->extra.size()) {
        if (size == sizeof(LONG)) {
            LONG v = static_cast<LONG>(value);
            std::memcpy(w->extra.data() + index, &v, sizeof(v));
        } else {
            std::memcpy(w->extra.data() + index, &value, sizeof(value));
        }
    }
    return old;
}

LONG_PTR GetLong(HWND hwnd, int index, size_t size)
{
    WndRec* w = Find(hwnd);
    if (!w) {
        SetLastError(1400);
        return 0;
    }
    switch (index) {
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent : w->owner);
    default: return ReadExtra(w, index, size);
    }
}

bool Matches(const WndRec* w, LPCSTR className, LPCSTR windowName)
{
    if (className) {
        if (IS_INTRESOURCE(className)) {
            if (w->cls->atom != static_cast<ATOM>(reinterpret_cast<uintptr_t>(className)))
                return false;
        } else if (Upper(className) != Upper(w->cls->name.c_str())) {
            return false;
        }
    }
    return !windowName || w->text == windowName;
}

} // namespace

HWND GetDesktopWindow() { return kDesktop; }

BOOL IsChild(HWND parent, HWND hwnd)
{
    WndRec* w = Find(hwnd);
    while (w && w->parent) {
        if (w->parent == parent)
            return TRUE;
        w = Find(w->parent);
    }
    return FALSE;
}

HWND GetParent(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return nullptr;
    if (w->style & WS_CHILD)
        return w->parent;
    if (w->style & WS_POPUP)
        return w->owner;
    return nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent)
{
    WndRec* w = Find(hwnd);
    if (!w || (newParent && !Find(newParent)) || newParent == hwnd || IsChild(hwnd, newParent))
        return nullptr;
    HWND old = w->parent ? w->parent : kDesktop;
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible)
        ShowWindow(hwnd, SW_HIDE);
    if (!(w = Find(hwnd)))
        return nullptr;
    std::vector<HWND>& from = w->parent ? Find(w->parent)->children : Sys().topLevel;
    from.erase(std::remove(from.begin(), from.end(), hwnd), from.end());
    if (newParent == kDesktop)
        newParent = nullptr;
    w->parent = newParent;
    if (newParent)
        Find(newParent)->children.insert(Find(newParent)->children.begin(), hwnd);
    else
        Sys().topLevel.insert(Sys().topLevel.begin(), hwnd);
    if (visible)
        ShowWindow(hwnd, SW_SHOWNA);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent ? w->parent : kDesktop;
    case GA_ROOT:
        while (w->parent)
            w = Find(w->parent);
        return w->handle;
    case GA_ROOTOWNER: {
        while (w->parent)
            w = Find(w->parent);
        while (w->owner && Find(w->owner))
            w = Find(w->owner);
        return w->handle;
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT cmd)
{
    if (hwnd == kDesktop) {
        if (cmd == GW_CHILD)
            return Sys().topLevel.empty() ? nullptr : Sys().topLevel.front();
        return nullptr;
    }
    WndRec* w = Find(hwnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (cmd == GW_OWNER)
        return w->owner;
    if (cmd == GW_ENABLEDPOPUP)
        return nullptr;
    const std::vector<HWND>* list = Siblings(w);
    if (!list || list->empty())
        return nullptr;
    auto it = std::find(list->begin(), list->end(), hwnd);
    switch (cmd) {
    case GW_HWNDFIRST: return list->front();
    case GW_HWNDLAST: return list->back();
    case GW_HWNDNEXT: return (it == list->end() || it + 1 == list->end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == list->end() || it == list->begin()) ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : kDesktop, GW_CHILD); }
HWND GetNextWindow(HWND hwnd, UINT cmd) { return GetWindow(hwnd, cmd); }

HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName)
{
    std::vector<HWND> list;
    if (!parent || parent == kDesktop) {
        list = Sys().topLevel;
    } else if (WndRec* p = Find(parent)) {
        list = p->children;
    }
    auto it = list.begin();
    if (childAfter) {
        it = std::find(list.begin(), list.end(), childAfter);
        if (it != list.end())
            ++it;
    }
    for (; it != list.end(); ++it)
        if (WndRec* w = Find(*it); w && Matches(w, className, windowName))
            return *it;
    return nullptr;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName)
{
    return FindWindowExA(nullptr, nullptr, className, windowName);
}

namespace {
bool EnumTree(const std::vector<HWND>& list, WNDENUMPROC proc, LPARAM param, bool deep)
{
    for (HWND h : list) {
        if (!Find(h))
            continue;
        if (!proc(h, param))
            return false;
        if (deep) {
            WndRec* w = Find(h);
            if (w && !EnumTree(std::vector<HWND>(w->children), proc, param, true))
                return false;
        }
    }
    return true;
}
} // namespace

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param)
{
    if (!proc)
        return FALSE;
    if (!parent || parent == kDesktop)
        return EnumTree(std::vector<HWND>(Sys().topLevel), proc, param, true);
    WndRec* p = Find(parent);
    if (!p)
        return FALSE;
    return EnumTree(std::vector<HWND>(p->children), proc, param, true);
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param)
{
    if (!proc)
        return FALSE;
    return EnumTree(std::vector<HWND>(Sys().topLevel), proc, param, false);
}

HWND GetDlgItem(HWND dialog, int id)
{
    WndRec* w = Find(dialog);
    if (!w)
        return nullptr;
    for (HWND h : w->children)
        if (WndRec* c = Find(h); c && static_cast<int>(c->id) == id)
            return h;
    SetLastError(1421); // ERROR_CONTROL_ID_NOT_FOUND
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return (w && (w->style & WS_CHILD)) ? static_cast<int>(w->id) : 0;
}

LONG GetWindowLongA(HWND hwnd, int index) { return static_cast<LONG>(GetLong(hwnd, index, sizeof(LONG))); }
LONG SetWindowLongA(HWND hwnd, int index, LONG value)
{
    return static_cast<LONG>(SetLong(hwnd, index, value, sizeof(LONG)));
}
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) { return GetLong(hwnd, index, sizeof(LONG_PTR)); }
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    return SetLong(hwnd, index, value, sizeof(LONG_PTR));
}

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data)
{
    WndRec* w = Find(hwnd);
    if (!w || !name)
        return FALSE;
    w->props[IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(name))
                                  : Upper(name)] = data;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name)
{
    WndRec* w = Find(hwnd);
    if (!w || !name)
        return nullptr;
    auto it = w->props.find(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(name))
                                                 : Upper(name));
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name)
{
    HANDLE old = GetPropA(hwnd, name);
    if (WndRec* w = Find(hwnd); w && name)
        w->props.erase(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(name))
                                            : Upper(name));
    return old;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    if (!Find(hwnd))
        return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    if (!Find(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd)
{
    if (!Find(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~static_cast<DWORD>(WS_DISABLED);
        SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = Find(hwnd)))
            return wasDisabled;
        w->style |= WS_DISABLED;
        System& s = Sys();
        // A disabled window can hold neither the focus nor the mouse.
        if (s.focus == hwnd || IsChild(hwnd, s.focus))
            SetFocus(nullptr);
        if (s.capture == hwnd)
            ReleaseCapture();
        SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
    }
    if ((w = Find(hwnd)))
        InvalidateRect(hwnd, nullptr, TRUE);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    WndRec* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}
