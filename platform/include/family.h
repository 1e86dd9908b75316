#pragma once
// The product family's own libraries, as far as this library imports them (stand-ins):
// core strings and arrays, the profile class, the dialogs library, picture files, version arrays.
#include <afx.h>
#if __has_include("family/genstring.h")
#include "family/genstring.h"
#endif
#if __has_include("family/dbarray.h")
#include "family/dbarray.h"
#endif
#if __has_include("family/kestprofile.h")
#include "family/kestprofile.h"
#endif
#if __has_include("family/vmxunits.h")
#include "family/vmxunits.h"
#endif
#if __has_include("family/vmxdialog.h")
#include "family/vmxdialog.h"
#endif
#if __has_include("family/imagefile.h")
#include "family/imagefile.h"
#endif
#if __has_include("family/versionarray.h")
#include "family/versionarray.h"
#endif
