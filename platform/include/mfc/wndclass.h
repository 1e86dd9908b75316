#pragma once
// Window classes registered once and shared: AfxRegisterWndClass names a class by its style,
// cursor, background and icon, registering it the first time it is asked for.
#include "win32/user.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The name of a class with these attributes (the same name for the same attributes); the
// windows of CWnd::Create(Ex) run through the object's message map whatever the class.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);
// Registers a class unless one of its name is registered already; FALSE when it cannot be.
BOOL AfxRegisterClass(WNDCLASSA* wndClass);

MISC_PUBLIC_END
