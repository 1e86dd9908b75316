// Plane geometry functions: corners of offset polylines (buffer and seam lines).
#include <misc/geometry/tf.h>

#include "tf_internal.h"

using namespace misc_geom;

namespace {

struct Segment
{
    double x1, y1, x2, y2;
};

Segment Shifted(const Segment& s, double d, int left)
{
    Segment o{};
    tfShiftLine(s.x1, s.y1, s.x2, s.y2, d, left, &o.x1, &o.y1, &o.x2, &o.y2);
    return o;
}

} // namespace

int tfFindVertex(double x1, double y1, double x2, double y2, double x3, double y3, double d, int left,
                 int shiftFirst, int shiftSecond, double* vx, double* vy)
{
    Segment a{x1, y1, x2, y2};
    Segment b{x2, y2, x3, y3};
    if (shiftFirst)
        a = Shifted(a, d, left);
    if (shiftSecond)
        b = Shifted(b, d, left);
    double x = 0.0;
    double y = 0.0;
    const int r = IntersectLines(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2, x, y, kTol);
    if (r >= 0) {
        Put(vx, x);
        Put(vy, y);
        return 1;
    }
    Put(vx, (a.x2 + b.x1) / 2.0);
    Put(vy, (a.y2 + b.y1) / 2.0);
    return 0;
}

int tfFindBufferPoints(double x1, double y1, double x2, double y2, double x3, double y3, double d, int left,
                       double* ax, double* ay, double* bx, double* by)
{
    const Segment a = Shifted(Segment{x1, y1, x2, y2}, d, left);
    const Segment b = Shifted(Segment{x2, y2, x3, y3}, d, left);
    if (Manhattan(a.x2, a.y2, b.x1, b.y1) < kTol) {
        const double mx = (a.x2 + b.x1) / 2.0;
        const double my = (a.y2 + b.y1) / 2.0;
        Put(ax, mx);
        Put(ay, my);
        Put(bx, mx);
        Put(by, my);
        return 0;
    }
    double eax = 0.0, eay = 0.0, ebx = 0.0, eby = 0.0;
    tfLongLine(a.x1, a.y1, a.x2, a.y2, d + kTol, &eax, &eay);
    tfLongLine(b.x2, b.y2, b.x1, b.y1, d + kTol, &ebx, &eby);
    double ix = 0.0;
    double iy = 0.0;
    if (IntersectLines(a.x1, a.y1, eax, eay, ebx, eby, b.x2, b.y2, ix, iy, kTol) == 3) {
        Put(ax, ix);
        Put(ay, iy);
        Put(bx, ix);
        Put(by, iy);
        return 0;
    }
    Put(ax, eax);
    Put(ay, eay);
    Put(bx, ebx);
    Put(by, eby);
    return 1;
}
