#pragma once
// DrawText: formatting text into a rectangle (prefix characters, word breaking, alignment,
// ellipses, tab expansion) and measuring it (DT_CALCRECT).
#include "dc.h"

namespace gdi {

// rect in logical coordinates; returns the height of the text (logical units), as DrawTextA.
int FormatText(DeviceContext& dc, const char* text, int count, RECT* rect, UINT format,
               DRAWTEXTPARAMS* params);

} // namespace gdi
