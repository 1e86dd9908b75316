#pragma once
// MFC's window and drawing classes (CWnd, CDialog, CDC, GDI objects) on the headless window system.
#include <afx.h>
#include <afxcoll.h>
#if __has_include("mfc/gdi.h")
#include "mfc/gdi.h"
#endif
#if __has_include("mfc/wnd.h")
#include "mfc/wnd.h"
#endif
#if __has_include("mfc/dialog.h")
#include "mfc/dialog.h"
#endif
#if __has_include("mfc/controls.h")
#include "mfc/controls.h"
#endif
#if __has_include("mfc/app.h")
#include "mfc/app.h"
#endif
#if __has_include("mfc/imagelist.h")
#include "mfc/imagelist.h"
#endif
#if __has_include("mfc/wndclass.h")
#include "mfc/wndclass.h"
#endif
#if __has_include("mfc/frame.h")
#include "mfc/frame.h"
#endif
