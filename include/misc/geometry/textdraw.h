#pragma once
// Multi-line text on a device: drawing (also with rotated fonts) and measuring. Lines are split
// as by getMultiLineTextSize (misc/geometry/text.h): at CR and LF, an empty piece that starts at
// a CR counting as a blank line when a non-empty line follows.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Draws text with its first line at (x, y). Without a font, or with a font whose escapement is
// 0, the platform's DrawText lays out the whole text (no clipping, no prefix characters);
// otherwise each line is drawn with TextOut in the font selected into the context, the lines
// stacked perpendicular to the rotated baseline by |lfHeight| per line. Nothing for a null or
// empty text.
AFX_EXT_API void DrawMultiLineText(HDC dc, int x, int y, const char* text, LOGFONTA* font);
AFX_EXT_API void DrawMultiLineText(CDC* dc, int x, int y, const char* text, LOGFONTA* font);

// The extent of the text in the context's font: the widest line, and the lines' heights added
// up with a blank line counting as a line of the height of the line after it. (0, 0) for a null
// or empty text; out may not be null.
AFX_EXT_API void GetTextExtentPoint32Multy(HDC dc, CString text, SIZE* out);

MISC_PUBLIC_END
