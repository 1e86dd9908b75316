#pragma once
// MFC's non-template collections: CObArray, CPtrArray, CStringArray, CDWordArray, CUIntArray,
// CStringList, CPtrList, CMapStringToPtr, CMapStringToOb, CMapPtrToPtr.
#include <afx.h>
#if __has_include("mfc/coll.h")
#include "mfc/coll.h"
#endif
