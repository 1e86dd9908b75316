// tfPolsIntersect: whether the outlines of two polygons meet.
//
// The edges are visited as described for the function: every edge e of the first polygon in
// order that touches the second polygon's box, and for it every edge f of the second polygon in
// order that does not lie wholly beyond one side of e's box. To keep this from costing the
// product of the edge counts on ordinary outlines, the second polygon's edges are grouped in
// runs of consecutive edges whose boxes are kept in a fixed table on the stack; a run whose box
// misses e's box holds only edges that would be skipped, so it is passed over whole. The first
// polygon's edges are grouped the same way, so that each of its runs tests only the second
// polygon's runs near it. Nothing is allocated and the order of the tests is unchanged.
#include <misc/geometry/tf.h>

#include "tf_internal.h"

#include <cmath>

using namespace misc_geom;

namespace {

struct Box
{
    double xMin, xMax, yMin, yMax;
};

// 512 runs keep the two tables and the index list near 34 KB of stack.
constexpr int kMaxRuns = 512;

inline Box EdgeBox(const double* xs, const double* ys, int i, int n)
{
    const int j = (i + 1 == n) ? 0 : i + 1;
    Box b;
    b.xMin = xs[i] < xs[j] ? xs[i] : xs[j];
    b.xMax = xs[i] < xs[j] ? xs[j] : xs[i];
    b.yMin = ys[i] < ys[j] ? ys[i] : ys[j];
    b.yMax = ys[i] < ys[j] ? ys[j] : ys[i];
    return b;
}

// Closed boxes overlap (touching counts).
inline bool Overlap(const Box& a, const Box& b)
{
    return !(b.xMin > a.xMax || b.xMax < a.xMin || b.yMin > a.yMax || b.yMax < a.yMin);
}

// Edges of a polygon cut into runs of equal length (the last may be shorter), with their boxes.
struct Runs
{
    int n = 0;
    int runLength = 1;
    int count = 0;
    Box box[kMaxRuns];

    void Build(const double* xs, const double* ys, int edges)
    {
        n = edges;
        // About the square root of the edge count in runs of as many edges, so that comparing
        // the runs of both polygons costs no more than a pass over the edges; at most kMaxRuns.
        runLength = (edges + kMaxRuns - 1) / kMaxRuns;
        const int root = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(edges))));
        if (root > runLength)
            runLength = root;
        count = (edges + runLength - 1) / runLength;
        for (int r = 0; r < count; ++r) {
            const int first = r * runLength;
            const int last = first + runLength < edges ? first + runLength : edges;
            Box b = EdgeBox(xs, ys, first, edges);
            for (int i = first + 1; i < last; ++i) {
                const Box e = EdgeBox(xs, ys, i, edges);
                b.xMin = e.xMin < b.xMin ? e.xMin : b.xMin;
                b.xMax = e.xMax > b.xMax ? e.xMax : b.xMax;
                b.yMin = e.yMin < b.yMin ? e.yMin : b.yMin;
                b.yMax = e.yMax > b.yMax ? e.yMax : b.yMax;
            }
            box[r] = b;
        }
    }
    int First(int r) const { return r * runLength; }
    int End(int r) const { return First(r) + runLength < n ? First(r) + runLength : n; }
};

// Edge f (of the second polygon) lies wholly beyond one side of box e.
inline bool Beyond(const Box& e, double fx1, double fy1, double fx2, double fy2)
{
    return (fx1 < e.xMin && fx2 < e.xMin) || (fx1 > e.xMax && fx2 > e.xMax) || (fy1 < e.yMin && fy2 < e.yMin) ||
           (fy1 > e.yMax && fy2 > e.yMax);
}

bool EdgeMeetsRun(const double* xs1, const double* ys1, int i, int n1, const Box& e, const double* xs2,
                  const double* ys2, const Runs& runs, int r)
{
    const int j = (i + 1 == n1) ? 0 : i + 1;
    for (int k = runs.First(r), end = runs.End(r); k < end; ++k) {
        const int l = (k + 1 == runs.n) ? 0 : k + 1;
        if (Beyond(e, xs2[k], ys2[k], xs2[l], ys2[l]))
            continue;
        double ix, iy;
        const int res =
            IntersectLines(xs1[i], ys1[i], xs1[j], ys1[j], xs2[k], ys2[k], xs2[l], ys2[l], ix, iy, kTol);
        if (res == 3 || res == -3)
            return true;
    }
    return false;
}

} // namespace

int tfPolsIntersect(int count1, const double* xs1, const double* ys1, int count2, const double* xs2,
                    const double* ys2)
{
    if (count1 < 1 || count2 < 1 || !xs1 || !ys1 || !xs2 || !ys2)
        return 0;
    Box p1, p2;
    tfMinMax(count1, xs1, &p1.xMin, &p1.xMax);
    tfMinMax(count1, ys1, &p1.yMin, &p1.yMax);
    tfMinMax(count2, xs2, &p2.xMin, &p2.xMax);
    tfMinMax(count2, ys2, &p2.yMin, &p2.yMax);
    if (p2.xMax < p1.xMin || p2.xMin > p1.xMax || p2.yMax < p1.yMin || p2.yMin > p1.yMax)
        return 0;
    const double kSame = 0.0005;
    if (std::fabs(p1.xMin - p2.xMin) < kSame && std::fabs(p1.yMin - p2.yMin) < kSame &&
        std::fabs(p1.xMax - p2.xMax) < kSame && std::fabs(p1.yMax - p2.yMax) < kSame)
        return 1;

    Runs runs1, runs2;
    runs1.Build(xs1, ys1, count1);
    runs2.Build(xs2, ys2, count2);
    int nearRuns[kMaxRuns];
    for (int r1 = 0; r1 < runs1.count; ++r1) {
        if (!Overlap(runs1.box[r1], p2))
            continue;
        // The second polygon's runs near this run of the first; only they can hold candidates.
        int nearCount = 0;
        for (int r2 = 0; r2 < runs2.count; ++r2) {
            if (Overlap(runs1.box[r1], runs2.box[r2]))
                nearRuns[nearCount++] = r2;
        }
        for (int i = runs1.First(r1), end = runs1.End(r1); i < end; ++i) {
            const Box e = EdgeBox(xs1, ys1, i, count1);
            if (!Overlap(e, p2))
                continue;
            for (int k = 0; k < nearCount; ++k) {
                if (Overlap(e, runs2.box[nearRuns[k]]) &&
                    EdgeMeetsRun(xs1, ys1, i, count1, e, xs2, ys2, runs2, nearRuns[k]))
                    return 1;
            }
        }
    }
    return 0;
}
