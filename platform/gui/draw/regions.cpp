// Regions of shapes: polygons (both fill modes), ellipses, rounded rectangles, outlines.
// A pixel belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside, which gives GDI's
// rule that right and bottom edges are excluded.
#include <algorithm>
#include <cmath>

#include "region.h"
#include "win32/gditypes.h"

namespace gdi {
namespace {

struct Edge {
    long long x0, y0, x1, y1; // y0 < y1
    int dir;                  // +1 when the original edge runs downwards
};

long long CeilDiv(long long n, long long d) // d > 0
{
    return n >= 0 ? (n + d - 1) / d : -((-n) / d);
}

// The first pixel column whose centre is at or right of the edge at the centre of row y.
int Crossing(const Edge& e, long long y)
{
    const long long d = e.y1 - e.y0;
    const long long n = 2 * e.x0 * d + (2 * y + 1 - 2 * e.y0) * (e.x1 - e.x0) - d;
    return static_cast<int>(std::clamp<long long>(CeilDiv(n, 2 * d), -(1 << 29), 1 << 29));
}

} // namespace

Region PolygonRegion(const POINT* points, const int* counts, int polygons, int fillMode)
{
    std::vector<Edge> edges;
    const POINT* p = points;
    for (int k = 0; k < polygons; ++k) {
        const int n = counts[k];
        for (int i = 0; i < n && n >= 2; ++i) {
            const POINT a = p[i], b = p[(i + 1) % n];
            if (a.y == b.y)
                continue;
            if (a.y < b.y)
                edges.push_back(Edge{a.x, a.y, b.x, b.y, +1});
            else
                edges.push_back(Edge{b.x, b.y, a.x, a.y, -1});
        }
        p += std::max(n, 0);
    }
    RegionBuilder builder;
    if (edges.empty())
        return builder.Finish();
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    long long yMax = edges[0].y1;
    for (const Edge& e : edges)
        yMax = std::max(yMax, e.y1);
    // Rows far outside any surface are not worth scanning; clamp to the region range.
    const long long yStart = std::max<long long>(edges[0].y0, -(1 << 24));
    yMax = std::min<long long>(yMax, 1 << 24);

    std::vector<const Edge*> active;
    std::vector<std::pair<int, int>> xs; // crossing, direction
    std::vector<int> spans;
    size_t next = 0;
    for (long long y = yStart; y < yMax; ++y) {
        while (next < edges.size() && edges[next].y0 <= y) {
            active.push_back(&edges[next]);
            ++next;
        }
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [y](const Edge* e) { return e->y1 <= y; }),
                     active.end());
        if (active.empty()) {
            if (next < edges.size())
                y = edges[next].y0 - 1; // skip the gap
            continue;
        }
        xs.clear();
        for (const Edge* e : active)
            xs.emplace_back(Crossing(*e, y), e->dir);
        std::sort(xs.begin(), xs.end());
        spans.clear();
        if (fillMode == WINDING) {
            int winding = 0;
            for (const auto& [x, dir] : xs) {
                const int before = winding;
                winding += dir;
                if (before == 0 && winding != 0)
                    spans.push_back(x);
                else if (before != 0 && winding == 0)
                    spans.push_back(x);
            }
        } else {
            for (const auto& c : xs)
                spans.push_back(c.first);
        }
        builder.AddRows(static_cast<int>(y), static_cast<int>(y + 1), spans.data(),
                        static_cast<int>(spans.size() / 2));
    }
    return builder.Finish();
}

namespace {

// Pixels cut off at each side of row j of an ellipse inscribed in a w x h box (symmetric).
long long EllipseInset(long long w, long long h, long long j)
{
    const double rx = w / 2.0, ry = h / 2.0;
    const double dy = (j + 0.5) - ry;
    const double t = 1.0 - (dy * dy) / (ry * ry);
    if (t <= 0)
        return (w + 1) / 2;
    const double hw = rx * std::sqrt(t);
    const double k = std::ceil(rx - hw - 0.5 - 1e-9);
    return static_cast<long long>(std::clamp(k, 0.0, static_cast<double>((w + 1) / 2)));
}

// Adds the rows [y0, y1) of one span [x1, x2), both cut to `limit`.
void AddLimitedRows(RegionBuilder& builder, long long y0, long long y1, long long x1,
                    long long x2, const RECT& limit)
{
    y0 = std::max<long long>(y0, limit.top);
    y1 = std::min<long long>(y1, limit.bottom);
    if (y0 >= y1)
        return;
    x1 = std::max<long long>(x1, limit.left);
    x2 = std::min<long long>(x2, limit.right);
    const int xs[2] = {static_cast<int>(x1), static_cast<int>(x2)};
    builder.AddRows(static_cast<int>(y0), static_cast<int>(y1), xs, x1 < x2 ? 1 : 0);
}

} // namespace

Region EllipseRegion(int left, int top, int right, int bottom)
{
    const RECT all{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    return EllipseRegionIn(left, top, right, bottom, all);
}

Region RoundRectRegion(int left, int top, int right, int bottom, int ew, int eh)
{
    const RECT all{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    return RoundRectRegionIn(left, top, right, bottom, ew, eh, all);
}

Region EllipseRegionIn(long long left, long long top, long long right, long long bottom,
                       const RECT& limit)
{
    return RoundRectRegionIn(left, top, right, bottom, right - left, bottom - top, limit);
}

Region RoundRectRegionIn(long long left, long long top, long long right, long long bottom,
                         long long ew, long long eh, const RECT& limit)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    RegionBuilder builder;
    const long long w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0)
        return builder.Finish();
    ew = std::clamp<long long>(ew < 0 ? -ew : ew, 0, w);
    eh = std::clamp<long long>(eh < 0 ? -eh : eh, 0, h);
    if (ew < 2 || eh < 2) {
        AddLimitedRows(builder, top, bottom, left, right, limit);
        return builder.Finish();
    }
    const long long corner = eh / 2;
    // Only the rows inside `limit` are visited, so a figure of any size costs what its visible
    // part costs. Corner rows top and bottom; the straight middle is one band.
    const long long lo = std::max<long long>(0, limit.top - top);
    const long long hi = std::min<long long>(corner, static_cast<long long>(limit.bottom) - top);
    for (long long j = lo; j < hi; ++j) {
        const long long k = EllipseInset(ew, eh, j);
        AddLimitedRows(builder, top + j, top + j + 1, left + k, right - k, limit);
    }
    if (h - 2 * corner > 0) {
        const long long k = (eh & 1) ? EllipseInset(ew, eh, corner) : 0;
        AddLimitedRows(builder, top + corner, bottom - corner, left + k, right - k, limit);
    }
    // Bottom corner rows: row bottom - 1 - j for j from corner - 1 down to 0.
    const long long jFirst = std::min<long long>(corner - 1, bottom - 1 - limit.top);
    const long long jLast = std::max<long long>(0, bottom - static_cast<long long>(limit.bottom));
    for (long long j = jFirst; j >= jLast; --j) {
        const long long k = EllipseInset(ew, eh, j);
        AddLimitedRows(builder, bottom - 1 - j, bottom - j, left + k, right - k, limit);
    }
    return builder.Finish();
}

Region InnerBoundary(const Region& shape)
{
    if (shape.IsEmpty())
        return shape;
    RegionBuilder eroded;
    std::vector<int> spans;
    for (const Region::Band& b : shape.Bands()) {
        spans.clear();
        for (int i = 0; i < b.count; ++i) {
            const int x1 = shape.Xs()[b.first + 2 * i] + 1;
            const int x2 = shape.Xs()[b.first + 2 * i + 1] - 1;
            if (x1 < x2) {
                spans.push_back(x1);
                spans.push_back(x2);
            }
        }
        eroded.AddRows(b.top, b.bottom, spans.data(), static_cast<int>(spans.size() / 2));
    }
    Region up = shape, down = shape;
    up.Offset(0, 1);
    down.Offset(0, -1);
    Region interior = Region::Combine(eroded.Finish(), up, RGN_AND);
    interior = Region::Combine(interior, down, RGN_AND);
    return Region::Combine(shape, interior, RGN_DIFF);
}

} // namespace gdi
