#include "mfc/atltypes.h"

#include <ostream>

void CRect::NormalizeRect() noexcept
{
    if (left > right)
        SwapLeftRight();
    if (top > bottom) {
        LONG t = top;
        top = bottom;
        bottom = t;
    }
}

std::ostream& operator<<(std::ostream& os, const POINT& pt)
{
    return os << '(' << pt.x << ", " << pt.y << ')';
}

std::ostream& operator<<(std::ostream& os, const SIZE& size)
{
    return os << '[' << size.cx << " x " << size.cy << ']';
}

std::ostream& operator<<(std::ostream& os, const RECT& rect)
{
    return os << '{' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
              << '}';
}
