// Plane geometry functions: angles, line equations, mirror images, arcs, nearest points, sides.
#include <misc/geometry/tf.h>

#include "tf_internal.h"

#include <cmath>

using namespace misc_geom;

double tfNormAngle(double a)
{
    return NormAngle(a);
}

void tfLineABC(double x1, double y1, double x2, double y2, double* A, double* B, double* C, int normalise)
{
    const Line l = LineABC(x1, y1, x2, y2, normalise != 0);
    Put(A, l.A);
    Put(B, l.B);
    Put(C, l.C);
}

void tfSimPoint(double px, double py, double A, double B, double C, double* qx, double* qy)
{
    const double s = A * px + B * py + C;
    const double n = A * A + B * B;
    double x = px;
    double y = py;
    if (std::fabs(s) < kTol || (A == 0.0 && B == 0.0)) {
        // On the line, or no line at all: the point is its own image.
    } else if (n < kTol) {
        if (std::fabs(A) < kTol)
            y = -2.0 * C / B - py;
        else
            x = -2.0 * C / A - px;
    } else {
        const double fx = (B * B / n) * px - (A * B / n) * py - A * C / n;
        const double fy = (A * A / n) * py - (A * B / n) * px - B * C / n;
        x = 2.0 * fx - px;
        y = 2.0 * fy - py;
    }
    Put(qx, x);
    Put(qy, y);
}

double tfDensArc(double radius, double angle)
{
    return std::fabs(radius) * (1.0 - std::cos(angle / 2.0));
}

double tfArcDens(double radius, double sagitta)
{
    if (std::fabs(sagitta) < std::fabs(radius))
        return 2.0 * std::acos(1.0 - std::fabs(sagitta) / std::fabs(radius));
    return kPi;
}

int tfNearest2(double px, double py, double x1, double y1, double x2, double y2, double* qx, double* qy)
{
    const double d1 = std::hypot(px - x1, py - y1);
    const double d2 = std::hypot(px - x2, py - y2);
    if (d2 > d1) {
        Put(qx, x1);
        Put(qy, y1);
        return 1;
    }
    Put(qx, x2);
    Put(qy, y2);
    return 2;
}

double tfVecAngle(double x1, double y1, double x2, double y2)
{
    return NormAngle(Arctan2(y2, x2) - Arctan2(y1, x1));
}

double tfSimplexAngle(double x0, double y0, double x1, double y1, double x2, double y2)
{
    const double ux = x1 - x0;
    const double uy = y1 - y0;
    const double vx = x2 - x0;
    const double vy = y2 - y0;
    return Arctan2(ux * vy - vx * uy, ux * vx + uy * vy);
}

int tfSameSide(double x1, double y1, double x2, double y2, double A, double B, double C)
{
    return ((A * x1 + B * y1 + C) * (A * x2 + B * y2 + C) > 0.0) ? 1 : 0;
}
