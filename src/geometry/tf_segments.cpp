// Plane geometry functions: points on segments, distances, segment and circle intersections,
// extending and shifting segments.
#include <misc/geometry/tf.h>

#include "tf_internal.h"

#include <cmath>

using namespace misc_geom;

int tfPointOnLine(double px, double py, double x1, double y1, double x2, double y2, double tol)
{
    return PointOnSegment(px, py, x1, y1, x2, y2, EffectiveTol(tol)) ? 1 : 0;
}

int tfIntsectLineArc(double x1, double y1, double x2, double y2, double cx, double cy, double r, double* ax,
                     double* ay, double* bx, double* by)
{
    // The quadratic below needs A^2 + B^2 = 1, so short segments are normalised as well.
    const Line l = UnitLine(x1, y1, x2, y2);
    const double A = l.A, B = l.B, C = l.C;

    if (std::fabs(A) <= kTol) {
        const double d = y1 - cy;
        Put(ay, y1);
        Put(by, y1);
        if (std::fabs(std::fabs(d) - r) < kTol) {
            Put(ax, cx);
            Put(bx, cx);
            return 1;
        }
        if (std::fabs(d) > r)
            return 0;
        const double h = std::sqrt(r * r - d * d);
        Put(ax, cx - h);
        Put(bx, cx + h);
        return 2;
    }

    const double m = A * A * cy - B * C - A * B * cx;
    const double K = (C + A * cx) * (C + A * cx) + A * A * cy * cy - A * A * r * r;
    const double disc = m * m - K;
    if (std::fabs(disc) < kTol) {
        Put(ay, m);
        Put(by, m);
        const double x = -(B * m + C) / A;
        Put(ax, x);
        Put(bx, x);
        return 1;
    }
    if (disc < 0.0)
        return 0;
    const double root = std::sqrt(disc);
    const double ya = m - root;
    const double yb = m + root;
    Put(ay, ya);
    Put(by, yb);
    Put(ax, -(B * ya + C) / A);
    Put(bx, -(B * yb + C) / A);
    return 2;
}

double tfDistPointLine(double x1, double y1, double x2, double y2, double px, double py, double* fx, double* fy,
                       int* where, double tol)
{
    const double t = EffectiveTol(tol);
    Put(where, 0);
    double rx;
    double ry;
    if (std::fabs(x1 - x2) + std::fabs(y1 - y2) <= t) {
        rx = (x1 + x2) / 2.0;
        ry = (y1 + y2) / 2.0;
        Put(fx, rx);
        Put(fy, ry);
    } else {
        const Line l = LineABC(x1, y1, x2, y2, false);
        const double n = l.A * l.A + l.B * l.B;
        const double D = px * l.B - py * l.A;
        const double footX = (D * l.B - l.C * l.A) / n;
        const double footY = (-D * l.A - l.C * l.B) / n;
        Put(fx, footX);
        Put(fy, footY);
        rx = footX;
        ry = footY;
        const double t2 = t * t;
        if (!((x1 - footX) * (x2 - footX) <= t2 && (y1 - footY) * (y2 - footY) <= t2)) {
            const double s1 = (x1 - x2) * (x2 - footX) + (y1 - y2) * (y2 - footY);
            const double s2 = (x2 - x1) * (x1 - footX) + (y2 - y1) * (y1 - footY);
            if (s2 < s1) {
                rx = x2;
                ry = y2;
                Put(where, 2);
            } else {
                rx = x1;
                ry = y1;
                Put(where, 1);
            }
        }
    }
    const double dx = px - rx;
    const double dy = py - ry;
    if (tol < 0.0)
        return dx * dx + dy * dy;
    return std::hypot(dx, dy);
}

namespace misc_geom {

int IntersectParallel(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      const Line& l1, const Line& l2, double t2, double& ix, double& iy)
{
    if (std::fabs(l1.C * l2.B - l2.C * l1.B) >= kTol || std::fabs(l1.C * l2.A - l2.C * l1.A) >= kTol) {
        ix = (x1 + x2 + x3 + x4) / 4.0;
        iy = (y1 + y2 + y3 + y4) / 4.0;
        return -1;
    }
    // Collinear: the first end point lying inside the other segment, in this order.
    const double ex[4] = {x4, x3, x2, x1};
    const double ey[4] = {y4, y3, y2, y1};
    const bool inside[4] = {
        Inside(x1, x4, x2, t2) || Inside(y1, y4, y2, t2),
        Inside(x1, x3, x2, t2) || Inside(y1, y3, y2, t2),
        Inside(x3, x2, x4, t2) || Inside(y3, y2, y4, t2),
        Inside(x4, x1, x3, t2) || Inside(y4, y1, y3, t2),
    };
    for (int k = 0; k < 4; ++k) {
        if (inside[k]) {
            ix = ex[k];
            iy = ey[k];
            return -3;
        }
    }
    // Apart: the middle of the gap between the facing ends.
    ix = (x3 > x1) ? (std::fmax(x1, x2) + std::fmin(x3, x4)) / 2.0 : (std::fmin(x1, x2) + std::fmax(x3, x4)) / 2.0;
    iy = (y3 > y1) ? (std::fmax(y1, y2) + std::fmin(y3, y4)) / 2.0 : (std::fmin(y1, y2) + std::fmax(y3, y4)) / 2.0;
    return -2;
}

} // namespace misc_geom

int tfIintsectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                    double* ix, double* iy, double tol)
{
    double x = 0.0;
    double y = 0.0;
    const int r = IntersectLines(x1, y1, x2, y2, x3, y3, x4, y4, x, y, tol);
    Put(ix, x);
    Put(iy, y);
    return r;
}

void tfLongLine(double x1, double y1, double x2, double y2, double d, double* ox, double* oy)
{
    const double a = Arctan2(y2 - y1, x2 - x1);
    Put(ox, x2 + d * std::cos(a));
    Put(oy, y2 + d * std::sin(a));
}

void tfShiftLine(double x1, double y1, double x2, double y2, double d, int left, double* ox1, double* oy1,
                 double* ox2, double* oy2)
{
    const double a = Arctan2(y2 - y1, x2 - x1) + (left ? kHalfPi : -kHalfPi);
    const double dx = d * std::cos(a);
    const double dy = d * std::sin(a);
    Put(ox1, x1 + dx);
    Put(oy1, y1 + dy);
    Put(ox2, x2 + dx);
    Put(oy2, y2 + dy);
}
