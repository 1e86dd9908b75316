#pragma once
// The platform's MFC core: strings, geometry value classes, objects with run-time class
// information, archives, files, exceptions, time, modules and resources. Each family has its own
// header under mfc/; those present in this build are included here.
#include <windows.h>

#define AFX_INLINE inline
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))

#if __has_include("mfc/string.h")
#include "mfc/string.h"
#endif
#if __has_include("mfc/atltypes.h")
#include "mfc/atltypes.h"
#endif
#if __has_include("mfc/object.h")
#include "mfc/object.h"
#endif
#if __has_include("mfc/exception.h")
#include "mfc/exception.h"
#endif
#if __has_include("mfc/file.h")
#include "mfc/file.h"
#endif
#if __has_include("mfc/archive.h")
#include "mfc/archive.h"
#endif
#if __has_include("mfc/time.h")
#include "mfc/time.h"
#endif
#if __has_include("mfc/module.h")
#include "mfc/module.h"
#endif
