// Index arithmetic of cut nodes.
#include <misc/geometry/contour.h>

#include <cstdint>
#include <ostream>

namespace {

// v mod n in 0 .. n - 1 for any sign of v (n > 0).
int Wrap(int64_t v, int n)
{
    const int64_t r = v % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

int64_t Origin(const tagCutNode& node)
{
    return node.start >= 0 ? node.start : ~static_cast<int64_t>(node.start);
}

} // namespace

int miscNodeFirstPoint(const tagCutNode& node, int n)
{
    if (n < 1)
        return 0;
    return Wrap(Origin(node), n);
}

int miscNodeEndPoint(const tagCutNode& node, int n)
{
    if (n < 1)
        return 0;
    if (node.start >= 0)
        return Wrap(static_cast<int64_t>(node.start) + node.length, n);
    // n - 1 - s - length, that is length steps backwards from ~s.
    return Wrap(static_cast<int64_t>(n) - 1 - node.start - node.length, n);
}

bool miscNodeClockwise(const tagCutNode& node, int cw)
{
    return (node.start < 0) != (cw >= 1);
}

int miscNodeAvailable(const tagCutNode& node, int n, int closed)
{
    if (n < 1)
        return 0;
    if (closed)
        return n;
    const int first = miscNodeFirstPoint(node, n);
    return node.start >= 0 ? n - 1 - first : first;
}

std::ostream& operator<<(std::ostream& os, const tagCutNode& node)
{
    return os << "{start " << node.start << ", length " << node.length << ", layer " << node.layer << ", flags "
              << node.flags << '}';
}
