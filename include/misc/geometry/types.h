#pragma once
// Geometric value types: the point record, the point object, the rectangle of doubles, the
// homogeneous vector and the guarded arc tangent.
//
// World coordinates are doubles in units chosen by the caller, with the y axis pointing up;
// angles are radians, counter-clockwise positive. Field orders are part of the interface.
#include <afx.h>

#include <iosfwd>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The library's plain point record; arrays of it are polygons and polylines.
struct InterfacePoint
{
    double x;
    double y;
};

// A point object with arithmetic; an in-memory value, never persisted.
class AFX_EXT_CLASS Cpoint_type : public CObject
{
public:
    double x;
    double y;

    Cpoint_type() : x(0.0), y(0.0) {}
    Cpoint_type(const Cpoint_type& other) : CObject(), x(other.x), y(other.y) {}
    Cpoint_type(double ax, double ay) : x(ax), y(ay) {}
    ~Cpoint_type() override;

    Cpoint_type& operator=(const Cpoint_type& other);
    Cpoint_type& operator*=(double s);
    Cpoint_type operator*(double s) const;
    Cpoint_type& operator+=(const Cpoint_type& other);
    Cpoint_type& operator-=(const Cpoint_type& other);
    Cpoint_type operator+(const Cpoint_type& other) const;
    Cpoint_type operator-(const Cpoint_type& other) const;
};

// An axis-aligned closed rectangle. Stored as xMin, xMax, yMin, yMax; the four-value constructor
// takes x1, y1, x2, y2. Nothing normalises it.
class AFX_EXT_CLASS CDoubleRect
{
public:
    double xMin;
    double xMax;
    double yMin;
    double yMax;

    CDoubleRect() : xMin(0.0), xMax(0.0), yMin(0.0), yMax(0.0) {}
    CDoubleRect(double x1, double y1, double x2, double y2) : xMin(x1), xMax(x2), yMin(y1), yMax(y2) {}
    CDoubleRect(const CDoubleRect& other) = default;
    CDoubleRect& operator=(const CDoubleRect& other) = default;

    // 1 when the closed rectangles overlap or touch, else 0; neither changes.
    int IntersectRect(const CDoubleRect& other) const;
    // Grows this rectangle to the bounding box of both.
    void ResizeRect(const CDoubleRect& other);
    // Moves every edge outwards by d (inwards for a negative d).
    void InflateRect(double d);
    // Clips the infinite line through p with direction angle; 1 and the chord in a, b, or 0.
    int IntersectLineRect(const Cpoint_type& p, double angle, Cpoint_type& a, Cpoint_type& b) const;

private:
    int InXRange(double x) const;
    int InYRange(double y) const;
};

// A four-component homogeneous vector; w is 1.0 for a point.
class AFX_EXT_CLASS CVector
{
public:
    double x;
    double y;
    double z;
    double w;

    CVector() { FillZeros(); }
    explicit CVector(const CVector* src);
    CVector(double ax, double ay, double az, double aw) : x(ax), y(ay), z(az), w(aw) {}
    CVector(const CVector& other) = default;
    CVector& operator=(const CVector& other) = default;

    void FillZeros();
    double operator*(const CVector& v) const;
    CVector operator+(const CVector& v) const;
    CVector operator-(const CVector& v) const;
    CVector operator*(double s) const;
    CVector operator/(double s) const;
    // (-x, -y, -z, 1): the weight of the result is 1.
    CVector operator-() const;
    // Length over all four components (the weight takes part).
    double GetSize() const;
    CVector GetNormal() const;
    double GetX() const { return x; }
    double GetY() const { return y; }
    double GetZ() const { return z; }
};

// atan2(y, x), but 0.0 when both |x| and |y| are below 0.001.
AFX_EXT_API double myArctan2(double y, double x);

// Readable forms for diagnostics and test failures.
AFX_EXT_API std::ostream& operator<<(std::ostream& os, const InterfacePoint& p);
AFX_EXT_API std::ostream& operator<<(std::ostream& os, const Cpoint_type& p);
AFX_EXT_API std::ostream& operator<<(std::ostream& os, const CDoubleRect& r);
AFX_EXT_API std::ostream& operator<<(std::ostream& os, const CVector& v);

MISC_PUBLIC_END
