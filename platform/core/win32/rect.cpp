#include "win32/rect.h"

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom)
{
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect)
{
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT dst, const RECT* src)
{
    if (!dst || !src)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect)
{
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL PtInRect(const RECT* rect, POINT pt)
{
    return rect && pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top &&
           pt.y < rect->bottom;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(LPRECT dst, const RECT* src1, const RECT* src2)
{
    if (!dst || !src1 || !src2)
        return FALSE;
    // dst may be one of the sources.
    RECT r{std::max(src1->left, src2->left), std::max(src1->top, src2->top),
           std::min(src1->right, src2->right), std::min(src1->bottom, src2->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dst);
        return FALSE;
    }
    *dst = r;
    return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* src1, const RECT* src2)
{
    if (!dst || !src1 || !src2)
        return FALSE;
    bool empty1 = IsRectEmpty(src1), empty2 = IsRectEmpty(src2);
    if (empty1 && empty2) {
        SetRectEmpty(dst);
        return FALSE;
    }
    if (empty1) {
        *dst = *src2;
        return TRUE;
    }
    if (empty2) {
        *dst = *src1;
        return TRUE;
    }
    RECT r{std::min(src1->left, src2->left), std::min(src1->top, src2->top),
           std::max(src1->right, src2->right), std::max(src1->bottom, src2->bottom)};
    *dst = r;
    return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
           a->bottom == b->bottom;
}
