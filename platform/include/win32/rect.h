#pragma once
// Win32 rectangle functions. A rectangle holds its left and top edges but not its right and
// bottom ones: a point on the right or bottom edge is outside, and a rectangle whose right is not
// beyond its left (or bottom beyond top) is empty. Functions given a null pointer return FALSE.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL CopyRect(LPRECT dst, const RECT* src);
BOOL IsRectEmpty(const RECT* rect);
BOOL PtInRect(const RECT* rect, POINT pt);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL InflateRect(LPRECT rect, int dx, int dy);
// The common part of two rectangles; an empty (all zero) rectangle and FALSE when there is none.
BOOL IntersectRect(LPRECT dst, const RECT* src1, const RECT* src2);
// The smallest rectangle holding both; empty ones are ignored. All zero and FALSE when both are
// empty.
BOOL UnionRect(LPRECT dst, const RECT* src1, const RECT* src2);
BOOL EqualRect(const RECT* a, const RECT* b);

MISC_PUBLIC_END
