// myContour: a polyline or polygon with cached measures and cut nodes.
#include <misc/geometry/contour.h>

#include "geom_internal.h"

#include <cmath>
#include <new>

using namespace misc_geom;

namespace {

// 0.9 pi and 1.1 pi: inner angles beyond these make a corner.
constexpr double kSharp = 2.827433388230814;
constexpr double kReflex = 3.455751918948773;

} // namespace

myContour::myContour(const InterfacePoint* pts, int n, int closed_, const tagCutNode* nodes_, int nNodes)
    : closed(closed_)
{
    SetPoints(pts, n);
    if (GetSize() >= 2 && nNodes >= 1 && nodes_) {
        try {
            nodes.SetSize(nNodes);
            for (int k = 0; k < nNodes; ++k)
                nodes[k] = nodes_[k];
        } catch (CException* e) {
            e->Delete();
            nodes.RemoveAll();
        }
    }
    updateParameters();
}

myContour::myContour(const InterfacePoint* pts, int n, int closed_, CArray<tagCutNode, tagCutNode>& nodes_)
    : closed(closed_)
{
    SetPoints(pts, n);
    if (GetSize() > 1 && nodes_.GetSize() > 0) {
        try {
            nodes.Copy(nodes_);
        } catch (CException* e) {
            e->Delete();
            nodes.RemoveAll();
        }
    }
    updateParameters();
}

myContour::myContour(const myContour& other) : CArray<InterfacePoint, InterfacePoint>(), closed(other.closed)
{
    try {
        Copy(other);
        nodes.Copy(other.nodes);
    } catch (CException* e) {
        e->Delete();
        nodes.RemoveAll();
        SetPoints(nullptr, 0);
    }
    if (GetSize() < 1)
        SetPoints(nullptr, 0);
    updateParameters();
}

myContour::~myContour() = default;

// The points, or the single point (0, 0) when there are none or they cannot be held.
void myContour::SetPoints(const InterfacePoint* pts, int n)
{
    if (pts && n >= 1) {
        try {
            SetSize(n);
            InterfacePoint* data = GetData();
            for (int i = 0; i < n; ++i)
                data[i] = pts[i];
            return;
        } catch (CException* e) {
            e->Delete();
        }
    }
    RemoveAll();
    try {
        Add(InterfacePoint{0.0, 0.0});
    } catch (CException* e) {
        e->Delete();
    }
}

void myContour::updateParameters()
{
    area = perimeter = 0.0;
    xMinIndex = yMinIndex = xMaxIndex = yMaxIndex = 0;
    const int n = static_cast<int>(GetSize());
    cw = 0;
    if (n < 1)
        return;
    const InterfacePoint* p = GetData();
    double xMin = p[0].x, xMax = p[0].x, yMin = p[0].y, yMax = p[0].y;
    double length = 0.0;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = p[i].x;
        const double y = p[i].y;
        if (x < xMin) {
            xMin = x;
            xMinIndex = i;
        } else if (x > xMax) {
            xMax = x;
            xMaxIndex = i;
        }
        if (y < yMin) {
            yMin = y;
            yMinIndex = i;
        } else if (y > yMax) {
            yMax = y;
            yMaxIndex = i;
        }
        if (!closed && i == n - 1)
            break;
        const InterfacePoint& q = p[i + 1 == n ? 0 : i + 1];
        const double dx = q.x - x;
        length += std::sqrt(dx * dx + (q.y - y) * (q.y - y));
        if (closed)
            sum += dx * (q.y + y);
    }
    perimeter = length;
    if (closed) {
        cw = sum >= 0.0 ? 1 : -1;
        area = std::fabs(sum) / 2.0;
    }
}

double myContour::getXmin() const
{
    return GetSize() > xMinIndex ? GetData()[xMinIndex].x : 0.0;
}

double myContour::getYmin() const
{
    return GetSize() > yMinIndex ? GetData()[yMinIndex].y : 0.0;
}

double myContour::getXmax() const
{
    return GetSize() > xMaxIndex ? GetData()[xMaxIndex].x : 0.0;
}

double myContour::getYmax() const
{
    return GetSize() > yMaxIndex ? GetData()[yMaxIndex].y : 0.0;
}

double myContour::getEdgeLength(int i, int previous) const
{
    const int n = static_cast<int>(GetSize());
    if (n < 1)
        return 0.0;
    const int64_t cur = ((static_cast<int64_t>(i) % n) + n) % n;
    const int64_t other = ((cur + (previous ? -1 : 1)) % n + n) % n;
    const InterfacePoint& a = GetData()[cur];
    const InterfacePoint& b = GetData()[other];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

double myContour::anglePoint(int i) const
{
    const int n = static_cast<int>(GetSize());
    if (i < 0 || n < 1)
        return kPi;
    return AngleAt(i % n);
}

// The inner angle at point cur, 0 <= cur < n.
double myContour::AngleAt(int cur) const
{
    const int n = static_cast<int>(GetSize());
    const int next = (cur + 1 == n) ? 0 : cur + 1;
    const int prev = (cur == 0) ? n - 1 : cur - 1;
    const InterfacePoint* p = GetData();
    double a = Arctan2(p[next].y - p[cur].y, p[next].x - p[cur].x) - Arctan2(p[cur].y - p[prev].y, p[cur].x - p[prev].x);
    if (cw < 0)
        a = -a;
    double r = kPi + a;
    if (r > kTwoPi)
        r -= kTwoPi;
    else if (r < 0.0)
        r += kTwoPi;
    return r;
}

// isBreakPoint with the angle at point 0 already known.
int myContour::BreakPointWith(int i, const std::vector<bool>* smooth, double angle0) const
{
    if (smooth && i >= 0 && static_cast<size_t>(i) < smooth->size() && (*smooth)[i])
        return 0;
    const int n = static_cast<int>(GetSize());
    if (i < 0 || i >= n)
        return 0;
    if (i == 0 || n < 4 || (!closed && i == n - 1))
        return 1;
    const double a = AngleAt(i);
    if (a < kSharp)
        return 1;
    if (!closed && a > kReflex)
        return 1;
    if (angle0 > kPi)
        return 1;
    return (a - angle0 < kTol) ? 1 : 0;
}

int myContour::isBreakPoint(int i, std::vector<bool>* smooth) const
{
    return BreakPointWith(i, smooth, anglePoint(0));
}

int myContour::findNearestPoint(InterfacePoint p, int all) const
{
    const int n = static_cast<int>(GetSize());
    const InterfacePoint* pts = GetData();
    const double angle0 = all ? 0.0 : anglePoint(0);
    int best = 0;
    double bestDist = -1.0;
    for (int i = 0; i < n; ++i) {
        if (!all && !BreakPointWith(i, nullptr, angle0))
            continue;
        const double d = std::hypot(pts[i].x - p.x, pts[i].y - p.y);
        if (bestDist < -kTol || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

myContour* miscGetContour(const InterfacePoint* pts, int n, int closed, const tagCutNode* nodes, int nNodes)
{
    myContour* c = new (std::nothrow) myContour(pts, n, closed, nodes, nNodes);
    if (!c)
        return nullptr;
    // The constructor falls back to a single point when the points cannot be held.
    const bool pointsLost = pts && n >= 1 && c->GetSize() != n;
    const bool nodesLost = c->GetSize() >= 2 && nodes && nNodes >= 1 && c->getNumNodes() != nNodes;
    if (pointsLost || nodesLost || c->GetSize() < 1) {
        delete c;
        return nullptr;
    }
    return c;
}

void miscFreeContour(myContour*& c)
{
    if (!c)
        return;
    delete c;
    c = nullptr;
}
