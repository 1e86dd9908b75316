#pragma once
// Stand-in for the user-interface toolkit's paint manager: the gradient fill the library uses.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPPaintManager {
public:
    // A two-colour gradient over rect: from `from` at the left (horz) or top to `to` at the right
    // or bottom.
    static void GradientFill(CDC* dc, LPCRECT rect, COLORREF from, COLORREF to, BOOL horz);
};

MISC_PUBLIC_END
