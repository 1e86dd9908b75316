// Geometric value types: Cpoint_type, CDoubleRect, CVector and myArctan2.
#include <misc/geometry/types.h>

#include "geom_internal.h"

#include <cmath>

using namespace misc_geom;

double myArctan2(double y, double x)
{
    return Arctan2(y, x);
}

// Cpoint_type ----------------------------------------------------------------------------------

Cpoint_type::~Cpoint_type() = default;

Cpoint_type& Cpoint_type::operator=(const Cpoint_type& other)
{
    x = other.x;
    y = other.y;
    return *this;
}

Cpoint_type& Cpoint_type::operator*=(double s)
{
    x *= s;
    y *= s;
    return *this;
}

Cpoint_type Cpoint_type::operator*(double s) const
{
    return Cpoint_type(x * s, y * s);
}

Cpoint_type& Cpoint_type::operator+=(const Cpoint_type& other)
{
    x += other.x;
    y += other.y;
    return *this;
}

Cpoint_type& Cpoint_type::operator-=(const Cpoint_type& other)
{
    x -= other.x;
    y -= other.y;
    return *this;
}

Cpoint_type Cpoint_type::operator+(const Cpoint_type& other) const
{
    return Cpoint_type(x + other.x, y + other.y);
}

Cpoint_type Cpoint_type::operator-(const Cpoint_type& other) const
{
    return Cpoint_type(x - other.x, y - other.y);
}

// CDoubleRect ----------------------------------------------------------------------------------

int CDoubleRect::IntersectRect(const CDoubleRect& other) const
{
    return (xMin <= other.xMax && xMax >= other.xMin && yMin <= other.yMax && yMax >= other.yMin) ? 1 : 0;
}

void CDoubleRect::ResizeRect(const CDoubleRect& other)
{
    if (other.xMax > xMax)
        xMax = other.xMax;
    if (other.yMax > yMax)
        yMax = other.yMax;
    if (other.xMin < xMin)
        xMin = other.xMin;
    if (other.yMin < yMin)
        yMin = other.yMin;
}

void CDoubleRect::InflateRect(double d)
{
    xMin -= d;
    yMin -= d;
    xMax += d;
    yMax += d;
}

int CDoubleRect::InXRange(double x) const
{
    return (xMin - kTol < x && x < xMax + kTol) ? 1 : 0;
}

int CDoubleRect::InYRange(double y) const
{
    return (yMin - kTol < y && y < yMax + kTol) ? 1 : 0;
}

namespace {

// Folds an angle into [-pi/2, pi/2] by half turns. Huge angles are first reduced with fmod, so
// that the loops below stay short (and end at all: subtracting pi from 1e300 changes nothing).
double FoldHalfTurn(double angle)
{
    if (std::fabs(angle) > 64.0 * kPi)
        angle = std::fmod(angle, kPi);
    while (angle > kHalfPi)
        angle -= kPi;
    while (angle < -kHalfPi)
        angle += kPi;
    return angle;
}

} // namespace

int CDoubleRect::IntersectLineRect(const Cpoint_type& p, double angle, Cpoint_type& a, Cpoint_type& b) const
{
    angle = FoldHalfTurn(angle);
    if (std::fabs(angle - kHalfPi) < kTol) {
        if (!InXRange(p.x))
            return 0;
        a.x = p.x;
        a.y = yMin;
        b.x = p.x;
        b.y = yMax;
        return 1;
    }
    if (std::fabs(angle) < kTol && InYRange(p.y)) {
        a.x = xMin;
        a.y = p.y;
        b.x = xMax;
        b.y = p.y;
        return 1;
    }
    const double k = std::tan(angle);
    const double c = p.y - k * p.x;
    const double xTop = (yMax - c) / k;
    const double xBottom = (yMin - c) / k;
    const double yLeft = k * xMin + c;
    const double yRight = k * xMax + c;
    const bool top = InXRange(xTop);
    const bool bottom = InXRange(xBottom);
    const bool left = InYRange(yLeft);
    const bool right = InYRange(yRight);

    if (bottom) {
        a.x = xBottom;
        a.y = yMin;
        if (top) {
            b.x = xTop;
            b.y = yMax;
            return 1;
        }
        if (right) {
            b.x = xMax;
            b.y = yRight;
            return 1;
        }
        if (left) {
            b.x = xMin;
            b.y = yLeft;
            return 1;
        }
    }
    if (top) {
        a.x = xTop;
        a.y = yMax;
        if (left) {
            b.x = xMin;
            b.y = yLeft;
            return 1;
        }
        if (right) {
            b.x = xMax;
            b.y = yRight;
            return 1;
        }
    }
    if (left || right) {
        a.x = xMin;
        a.y = yLeft;
        b.x = xMax;
        b.y = yRight;
        return 1;
    }
    return 0;
}

// CVector --------------------------------------------------------------------------------------

CVector::CVector(const CVector* src)
{
    if (src) {
        x = src->x;
        y = src->y;
        z = src->z;
        w = src->w;
    } else {
        FillZeros();
    }
}

void CVector::FillZeros()
{
    x = 0.0;
    y = 0.0;
    z = 0.0;
    w = 1.0;
}

double CVector::operator*(const CVector& v) const
{
    return x * v.x + y * v.y + z * v.z + w * v.w;
}

CVector CVector::operator+(const CVector& v) const
{
    return CVector(x + v.x, y + v.y, z + v.z, w + v.w);
}

CVector CVector::operator-(const CVector& v) const
{
    return CVector(x - v.x, y - v.y, z - v.z, w - v.w);
}

CVector CVector::operator*(double s) const
{
    return CVector(x * s, y * s, z * s, w * s);
}

CVector CVector::operator/(double s) const
{
    return CVector(x / s, y / s, z / s, w / s);
}

CVector CVector::operator-() const
{
    return CVector(-x, -y, -z, 1.0);
}

double CVector::GetSize() const
{
    return std::sqrt(*this * *this);
}

CVector CVector::GetNormal() const
{
    return *this / GetSize();
}
