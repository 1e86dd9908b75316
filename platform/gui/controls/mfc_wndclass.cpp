// AfxRegisterWndClass and AfxRegisterClass: classes registered once, named by what they hold.
#include <afxwin.h>

#include <cstdio>
#include <set>
#include <string>

BOOL AfxRegisterClass(WNDCLASSA* wndClass)
{
    if (!wndClass || !wndClass->lpszClassName)
        return FALSE;
    WNDCLASSA existing{};
    if (GetClassInfoA(wndClass->hInstance, wndClass->lpszClassName, &existing))
        return TRUE;
    return RegisterClassA(wndClass) != 0;
}

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // The names live as long as the process: callers keep the pointer.
    static std::set<std::string> names;
    char name[128];
    std::snprintf(name, sizeof(name), "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    const std::string& kept = *names.insert(name).first;
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = kept.c_str();
    return AfxRegisterClass(&wc) ? kept.c_str() : nullptr;
}
