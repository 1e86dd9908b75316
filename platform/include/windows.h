#pragma once
// The platform's Win32 surface. Each family of functions has its own header under win32/; the
// families that exist in this build are all included here.
#include "win32/types.h"
#include "win32/base.h"
#if __has_include("win32/rect.h")
#include "win32/rect.h"
#endif
#if __has_include("win32/module.h")
#include "win32/module.h"
#endif
#if __has_include("win32/styles.h")
#include "win32/styles.h"
#endif
#if __has_include("win32/msgbox.h")
#include "win32/msgbox.h"
#endif
#if __has_include("win32/system.h")
#include "win32/system.h"
#endif
#if __has_include("win32/profile.h")
#include "win32/profile.h"
#endif
#if __has_include("win32/clipboard.h")
#include "win32/clipboard.h"
#endif
#if __has_include("win32/user.h")
#include "win32/user.h"
#endif
#if __has_include("win32/gdi.h")
#include "win32/gdi.h"
#endif
#if __has_include("win32/menu.h")
#include "win32/menu.h"
#endif
#if __has_include("win32/accel.h")
#include "win32/accel.h"
#endif
#if __has_include("win32/shell.h")
#include "win32/shell.h"
#endif
#if __has_include("win32/network.h")
#include "win32/network.h"
#endif
