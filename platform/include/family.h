#pragma once
// The product family's own libraries, as far as this library imports them: CGenString,
// CDbArray, CLongStringArray, sTwoLong, CImageFile, CVersionArray and CVersionElm.
#include <afx.h>
#if __has_include("family/genstring.h")
#include "family/genstring.h"
#endif
#if __has_include("family/dbarray.h")
#include "family/dbarray.h"
#endif
#if __has_include("family/imagefile.h")
#include "family/imagefile.h"
#endif
#if __has_include("family/versionarray.h")
#include "family/versionarray.h"
#endif
