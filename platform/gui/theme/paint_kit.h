#pragma once
// Small drawing pieces the themes are built from: solid and shaded rectangles, frames, dots.
#include "win32/gdi.h"

namespace theme {

void Fill(HDC dc, const RECT& r, COLORREF color);
// A one-pixel frame just inside r.
void Frame(HDC dc, const RECT& r, COLORREF color);
// r shaded from `from` to `to`, top to bottom when vertical, else left to right.
void Shade(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical);
// A filled triangle of `size` rows pointing up (0), down (1), left (2) or right (3) about (cx, cy).
void Arrow(HDC dc, int cx, int cy, int size, int direction, COLORREF color);
// The classic tick of a check box or menu check in box.
void CheckMark(HDC dc, const RECT& box, COLORREF color);
// A disc of the given radius about (cx, cy), pixel centres within the circle.
void Disc(HDC dc, int cx, int cy, int radius, COLORREF color);
// c lightened (percent > 0) towards white or darkened (percent < 0) towards black.
COLORREF Tint(COLORREF c, int percent);
RECT Inset(RECT r, int by);

} // namespace theme
