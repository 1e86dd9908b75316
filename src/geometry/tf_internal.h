#pragma once
// Inline forms of the line and segment functions, for the polygon loops. The exported tf
// functions call these, so both give the same results.
#include "geom_internal.h"

#include <cmath>

namespace misc_geom {

struct Line
{
    double A;
    double B;
    double C;
};

inline Line LineABC(double x1, double y1, double x2, double y2, bool normalise)
{
    Line l{y2 - y1, x1 - x2, y1 * x2 - x1 * y2};
    if (normalise) {
        const double n = l.A * l.A + l.B * l.B;
        if (n >= kTol) {
            const double len = std::sqrt(n);
            l.A /= len;
            l.B /= len;
            l.C /= len;
        }
    }
    return l;
}

// The line with a unit normal whenever the segment has a length at all. The intersection
// functions compare determinants and discriminants with fixed tolerances, which only mean
// something for unit normals; tfLineABC leaves segments shorter than about 0.0316 unnormalised,
// which would make two short crossing segments look parallel.
inline Line UnitLine(double x1, double y1, double x2, double y2)
{
    Line l = LineABC(x1, y1, x2, y2, false);
    const double n = l.A * l.A + l.B * l.B;
    if (n > 0.0) {
        const double len = std::sqrt(n);
        l.A /= len;
        l.B /= len;
        l.C /= len;
    }
    return l;
}

inline double EffectiveTol(double tol)
{
    return tol > kTol ? tol : kTol;
}

// P on the segment P1P2 within t (t already at least 0.001).
inline bool PointOnSegment(double px, double py, double x1, double y1, double x2, double y2, double t)
{
    const double xlo = x1 < x2 ? x1 : x2;
    const double xhi = x1 < x2 ? x2 : x1;
    if (px - xhi > t || xlo - px > t)
        return false;
    const double ylo = y1 < y2 ? y1 : y2;
    const double yhi = y1 < y2 ? y2 : y1;
    if (py - yhi > t || ylo - py > t)
        return false;
    const Line l = LineABC(x1, y1, x2, y2, false);
    return std::fabs(l.A * px + l.B * py + l.C) < (l.A * l.A + l.B * l.B) * t;
}

// Whether (a1 - v)(v - a2) exceeds t2: v lies strictly inside the range of a1, a2.
inline bool Inside(double a1, double v, double a2, double t2)
{
    return (a1 - v) * (v - a2) > t2;
}

inline double Manhattan(double xa, double ya, double xb, double yb)
{
    return std::fabs(xa - xb) + std::fabs(ya - yb);
}

int IntersectParallel(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      const Line& l1, const Line& l2, double t2, double& ix, double& iy);

inline int IntersectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                          double& ix, double& iy, double tol)
{
    const Line l1 = UnitLine(x1, y1, x2, y2);
    const Line l2 = UnitLine(x3, y3, x4, y4);
    const double det = l1.A * l2.B - l2.A * l1.B;
    const double t2 = tol * tol;
    if (std::fabs(det) < kTol)
        return IntersectParallel(x1, y1, x2, y2, x3, y3, x4, y4, l1, l2, t2, ix, iy);

    if (Manhattan(x2, y2, x3, y3) < tol || Manhattan(x2, y2, x4, y4) < tol) {
        ix = x2;
        iy = y2;
        return 3;
    }
    if (Manhattan(x1, y1, x3, y3) < tol || Manhattan(x1, y1, x4, y4) < tol) {
        ix = x1;
        iy = y1;
        return 3;
    }
    ix = (l2.C * l1.B - l1.C * l2.B) / det;
    iy = (l2.A * l1.C - l1.A * l2.C) / det;
    int r = 0;
    if (Inside(x1, ix, x2, t2) || Inside(y1, iy, y2, t2))
        r |= 1;
    if (Inside(x3, ix, x4, t2) || Inside(y3, iy, y4, t2))
        r |= 2;
    return r;
}

} // namespace misc_geom
