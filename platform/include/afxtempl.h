#pragma once
// MFC collection templates: CArray, CList, CMap.
#include <afx.h>
#if __has_include("mfc/templ.h")
#include "mfc/templ.h"
#endif
