// Readable forms of the geometry value types, for diagnostics and test failures.
#include <misc/geometry/types.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const InterfacePoint& p)
{
    return os << '(' << p.x << ", " << p.y << ')';
}

std::ostream& operator<<(std::ostream& os, const Cpoint_type& p)
{
    return os << '(' << p.x << ", " << p.y << ')';
}

std::ostream& operator<<(std::ostream& os, const CDoubleRect& r)
{
    return os << "[x " << r.xMin << " .. " << r.xMax << ", y " << r.yMin << " .. " << r.yMax << ']';
}

std::ostream& operator<<(std::ostream& os, const CVector& v)
{
    return os << '(' << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ')';
}
