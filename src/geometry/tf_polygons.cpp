// Plane geometry functions: polygon measures and point in polygon.
#include <misc/geometry/tf.h>

#include "tf_internal.h"

#include <cmath>

using namespace misc_geom;

namespace {

// Uniform access to the two polygon forms.
struct XYArrays
{
    const double* xs;
    const double* ys;
    double X(int i) const { return xs[i]; }
    double Y(int i) const { return ys[i]; }
};

struct Points
{
    const InterfacePoint* pts;
    double X(int i) const { return pts[i].x; }
    double Y(int i) const { return pts[i].y; }
};

template <class Poly>
int LongestEdge(int n, const Poly& p)
{
    int best = 0;
    double bestLen = -1.0;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1 == n) ? 0 : i + 1;
        const double len = std::hypot(p.X(j) - p.X(i), p.Y(j) - p.Y(i));
        if (len > bestLen) {
            bestLen = len;
            best = i;
        }
    }
    return best;
}

// The shoelace sum of the edges: positive for a clockwise polygon with y up.
template <class Poly>
double ShoelaceSum(int n, const Poly& p)
{
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1 == n) ? 0 : i + 1;
        s += (p.X(j) - p.X(i)) * (p.Y(j) + p.Y(i));
    }
    return s;
}

// The edge angles of a point-in-polygon sum are taken whole: the 0.001 guard of myArctan2 and
// the snap to zero of tfNormAngle suit a single angle, but on a finely divided outline every
// edge seen from an inner point spans less than 0.001, and snapping each to zero would lose the
// whole turn (the centre of a 10,000-point circle would come out as outside).
inline double FoldTurn(double d)
{
    if (d > kPi)
        return d - kTwoPi;
    if (d < -kPi)
        return d + kTwoPi;
    return d;
}

} // namespace

int tfMinMax(int n, const double* v, double* min, double* max)
{
    if (n < 1 || !v) {
        Put(min, 0.0);
        Put(max, 0.0);
        return 0;
    }
    double lo = v[0];
    double hi = v[0];
    // Written as two independent tests so that the loop vectorises; a value below the minimum
    // can never be above the maximum, so this is the same as testing the maximum only otherwise.
    for (int i = 1; i < n; ++i) {
        lo = v[i] < lo ? v[i] : lo;
        hi = v[i] > hi ? v[i] : hi;
    }
    Put(min, lo);
    Put(max, hi);
    return 1;
}

void tfPolMinMax(int n, const InterfacePoint* pts, double* xMin, double* yMin, double* xMax, double* yMax)
{
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    if (n >= 1 && pts) {
        x0 = x1 = pts[0].x;
        y0 = y1 = pts[0].y;
        for (int i = 1; i < n; ++i) {
            const double x = pts[i].x;
            const double y = pts[i].y;
            x0 = x < x0 ? x : x0;
            x1 = x > x1 ? x : x1;
            y0 = y < y0 ? y : y0;
            y1 = y > y1 ? y : y1;
        }
    }
    Put(xMin, x0);
    Put(yMin, y0);
    Put(xMax, x1);
    Put(yMax, y1);
}

int tfPolLongestEdge(int n, const double* xs, const double* ys)
{
    if (n < 1 || !xs || !ys)
        return 0;
    return LongestEdge(n, XYArrays{xs, ys});
}

int tfPolLongestEdge(int n, const InterfacePoint* pts)
{
    if (n < 1 || !pts)
        return 0;
    return LongestEdge(n, Points{pts});
}

double tfPolArea(int n, const double* xs, const double* ys)
{
    if (n < 1 || !xs || !ys)
        return 0.0;
    return std::fabs(ShoelaceSum(n, XYArrays{xs, ys})) / 2.0;
}

double tfPolArea(int n, const InterfacePoint* pts)
{
    if (n < 1 || !pts)
        return 0.0;
    return std::fabs(ShoelaceSum(n, Points{pts})) / 2.0;
}

int tfPolClockwise(int n, const double* xs, const double* ys)
{
    if (n < 1 || !xs || !ys)
        return 0;
    return ShoelaceSum(n, XYArrays{xs, ys}) > 0.0 ? 1 : 0;
}

int tfPolClockwise(int n, const InterfacePoint* pts)
{
    if (n < 1 || !pts)
        return 0;
    return ShoelaceSum(n, Points{pts}) > 0.0 ? 1 : 0;
}

namespace {

// Point in polygon over either form. Every vertex is taken relative to P once and serves both of
// its edges. The range test of tfPointOnLine is made on these differences: px - max(x1, x2) > t
// is the same comparison as max(x1 - px, x2 - px) < -t, because subtraction is exactly
// antisymmetric and rounds monotonically. Only edges that pass it get the line test.
template <class Poly>
int PointInPolygon(int n, const Poly& p, double px, double py, double tol, bool wholeAngles)
{
    const double t = EffectiveTol(tol);
    double sum = 0.0;
    double dxi = p.X(0) - px;
    double dyi = p.Y(0) - py;
    double angleI = wholeAngles ? std::atan2(dyi, dxi) : 0.0;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1 == n) ? 0 : i + 1;
        const double dxj = p.X(j) - px;
        const double dyj = p.Y(j) - py;
        const bool apart = (dxi < -t && dxj < -t) || (dxi > t && dxj > t) || (dyi < -t && dyj < -t) ||
                           (dyi > t && dyj > t);
        if (!apart && PointOnSegment(px, py, p.X(i), p.Y(i), p.X(j), p.Y(j), t))
            return 1;
        if (wholeAngles) {
            const double angleJ = std::atan2(dyj, dxj);
            sum += FoldTurn(angleJ - angleI);
            angleI = angleJ;
        } else {
            sum += std::atan2(dxi * dyj - dxj * dyi, dxi * dxj + dyi * dyj);
        }
        dxi = dxj;
        dyi = dyj;
    }
    return std::fabs(sum) > kPi ? 2 : 0;
}

} // namespace

int tfPolIntPoint(int n, const double* xs, const double* ys, double px, double py, double tol)
{
    if (n < 1 || !xs || !ys)
        return 0;
    double xMin, xMax, yMin, yMax;
    tfMinMax(n, xs, &xMin, &xMax);
    tfMinMax(n, ys, &yMin, &yMax);
    if (px < xMin || px > xMax || py < yMin || py > yMax)
        return 0;
    // The array form sums the turns between the directions of the vertices.
    return PointInPolygon(n, XYArrays{xs, ys}, px, py, tol, true);
}

int tfPolIntPoint(int n, const InterfacePoint* pts, double px, double py, double tol)
{
    if (n < 1 || !pts)
        return 0;
    // The point form sums the angles of the edges seen from P (cross and dot products).
    return PointInPolygon(n, Points{pts}, px, py, tol, false);
}
