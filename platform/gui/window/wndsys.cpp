// The window table, window classes and the reset used between tests.
#include "window/wndsys.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace wndsys {

namespace {

void SetDefaultVersion(OSVERSIONINFOEXA& v)
{
    v = OSVERSIONINFOEXA{};
    v.dwOSVersionInfoSize = sizeof(v);
    v.dwMajorVersion = 5;
    v.dwMinorVersion = 1;
    v.dwBuildNumber = 2600;
    v.dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::strcpy(v.szCSDVersion, "Service Pack 3");
    v.wServicePackMajor = 3;
    // MISC_WINDOWS_VERSION="major.minor[.build]" overrides the reported version.
    if (const char* env = std::getenv("MISC_WINDOWS_VERSION")) {
        unsigned major = 0, minor = 0, build = 0;
        int n = std::sscanf(env, "%u.%u.%u", &major, &minor, &build);
        if (n >= 2) {
            v.dwMajorVersion = major;
            v.dwMinorVersion = minor;
            v.dwBuildNumber = n == 3 ? build : 0;
        }
    }
}

void ResetState(System& s)
{
    s.queue.clear();
    s.quitPosted = false;
    s.quitCode = 0;
    s.lastMessage = MSG{};
    s.timers.clear();
    s.errors.clear();
    s.sendDepth = 0;
    s.sendOverflow = false;
    s.paintsInARow = 0;
    s.lastPaintTarget = nullptr;
    s.modalStack.clear();
    s.dcs.clear();
    ResetMouseRouting();
    s.focus = s.active = s.capture = nullptr;
    s.clipping = false;
    s.clip = RECT{};
    s.cursorPos = POINT{};
    s.cursor = nullptr;
    s.cursorCount = 0;
    std::memset(s.keys, 0, sizeof(s.keys));
    s.desktopWidth = 1280;
    s.desktopHeight = 1024;
    SetDefaultVersion(s.version);
}

} // namespace

System& Sys()
{
    static System* system = [] {
        auto* s = new System;
        ResetState(*s);
        return s;
    }();
    return *system;
}

WndRec* Find(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    System& s = Sys();
    auto it = s.windows.find(hwnd);
    return it == s.windows.end() ? nullptr : it->second.get();
}

std::string Upper(const char* text)
{
    std::string out = text ? text : "";
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void EnsureStandardClasses()
{
    System& s = Sys();
    if (s.standardClasses)
        return;
    s.standardClasses = true;
    RegisterStandardControls();
    EnsureTimerService();
}

std::shared_ptr<ClassRec> FindClass(LPCSTR name)
{
    EnsureStandardClasses();
    System& s = Sys();
    if (IS_INTRESOURCE(name)) {
        ATOM atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
        for (auto& entry : s.classes)
            if (entry.second->atom == atom)
                return entry.second;
        return nullptr;
    }
    auto it = s.classes.find(Upper(name));
    return it == s.classes.end() ? nullptr : it->second;
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(hwnd, msg, wParam, lParam);
}

} // namespace wndsys

using namespace wndsys;

namespace {

ATOM AddClass(const WNDCLASSEXA& wc)
{
    if (!wc.lpszClassName || !wc.lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    System& s = Sys();
    std::string key = IS_INTRESOURCE(wc.lpszClassName) ? std::string() : Upper(wc.lpszClassName);
    if (key.empty() || s.classes.count(key)) {
        SetLastError(1410); // ERROR_CLASS_ALREADY_EXISTS
        return 0;
    }
    auto cls = std::make_shared<ClassRec>();
    cls->name = wc.lpszClassName;
    cls->atom = s.nextAtom++;
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->clsExtra = wc.cbClsExtra > 0 ? wc.cbClsExtra : 0;
    cls->wndExtra = wc.cbWndExtra > 0 ? wc.cbWndExtra : 0;
    cls->instance = wc.hInstance;
    cls->icon = wc.hIcon;
    cls->iconSm = wc.hIconSm;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    if (wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName))
        cls->menuName = wc.lpszMenuName;
    cls->extra.assign(static_cast<size_t>(cls->clsExtra), 0);
    s.classes[key] = cls;
    return cls->atom;
}

} // namespace

ATOM RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    EnsureStandardClasses();
    return AddClass(*wc);
}

ATOM RegisterClassA(const WNDCLASSA* wc)
{
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex{};
    ex.cbSize = sizeof(ex);
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassExA(&ex);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    std::shared_ptr<ClassRec> cls = FindClass(className);
    if (!cls)
        return FALSE;
    System& s = Sys();
    for (auto& entry : s.windows)
        if (entry.second->cls == cls) {
            SetLastError(1412); // ERROR_CLASS_HAS_WINDOWS
            return FALSE;
        }
    s.classes.erase(Upper(cls->name.c_str()));
    return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, LPWNDCLASSEXA wc)
{
    std::shared_ptr<ClassRec> cls = FindClass(className);
    if (!cls || !wc) {
        SetLastError(1411); // ERROR_CLASS_DOES_NOT_EXIST
        return FALSE;
    }
    wc->style = cls->style;
    wc->lpfnWndProc = cls->proc;
    wc->cbClsExtra = cls->clsExtra;
    wc->cbWndExtra = cls->wndExtra;
    wc->hInstance = cls->instance;
    wc->hIcon = cls->icon;
    wc->hIconSm = cls->iconSm;
    wc->hCursor = cls->cursor;
    wc->hbrBackground = cls->background;
    wc->lpszMenuName = cls->menuName.empty() ? nullptr : cls->menuName.c_str();
    wc->lpszClassName = cls->name.c_str();
    return cls->atom;
}

BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc)
{
    WNDCLASSEXA ex{};
    if (!wc || !GetClassInfoExA(instance, className, &ex))
        return FALSE;
    wc->style = ex.style;
    wc->lpfnWndProc = ex.lpfnWndProc;
    wc->cbClsExtra = ex.cbClsExtra;
    wc->cbWndExtra = ex.cbWndExtra;
    wc->hInstance = ex.hInstance;
    wc->hIcon = ex.hIcon;
    wc->hCursor = ex.hCursor;
    wc->hbrBackground = ex.hbrBackground;
    wc->lpszMenuName = ex.lpszMenuName;
    wc->lpszClassName = ex.lpszClassName;
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size)
{
    WndRec* w = Find(hwnd);
    if (!w || !buffer || size <= 0)
        return 0;
    int n = static_cast<int>(w->cls->name.size());
    if (n > size - 1)
        n = size - 1;
    std::memcpy(buffer, w->cls->name.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return 0;
    ClassRec& c = *w->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c.iconSm);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE: return c.style;
    default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c.extra.size()) {
        LONG_PTR v;
        std::memcpy(&v, c.extra.data() + index, sizeof(v));
        return static_cast<ULONG_PTR>(v);
    }
    SetLastError(1413); // ERROR_INVALID_INDEX
    return 0;
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    WndRec* w = Find(hwnd);
    if (!w)
        return 0;
    ULONG_PTR old = GetClassLongPtrA(hwnd, index);
    ClassRec& c = *w->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND: c.background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c.cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c.icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c.iconSm = reinterpret_cast<HICON>(value); break;
    case GCLP_WNDPROC: c.proc = reinterpret_cast<WNDPROC>(value); break;
    case GCL_STYLE: c.style = static_cast<UINT>(value); break;
    default:
        if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c.extra.size())
            std::memcpy(c.extra.data() + index, &value, sizeof(value));
        break;
    }
    return old;
}

void MiscResetWindowSystem()
{
    System& s = Sys();
    // Destroy top-level windows first (they take their children and owned windows along), then
    // whatever is left (windows whose creation failed half-way).
    while (!s.topLevel.empty()) {
        HWND top = s.topLevel.front();
        if (!DestroyWindow(top))
            s.topLevel.erase(s.topLevel.begin());
    }
    while (!s.windows.empty()) {
        HWND any = s.windows.begin()->first;
        if (!DestroyWindow(any))
            s.windows.erase(any);
    }
    ResetState(s);
}

void MiscSetWindowsVersion(DWORD major, DWORD minor, DWORD build)
{
    OSVERSIONINFOEXA& v = Sys().version;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    v.dwBuildNumber = build;
}
