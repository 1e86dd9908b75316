#pragma once
// Plane geometry functions: angles, lines, segments, arcs, offset corners and polygon measures.
//
// Values are doubles in world units, angles radians counter-clockwise with y up ("clockwise"
// means clockwise in that frame). The common tolerance is 0.001. Polygons are closed implicitly
// (edge i runs from vertex i to vertex (i + 1) mod n) and come either as parallel x and y arrays
// or as an array of InterfacePoint. Every output pointer may be null; it is then not written.
// Polygon functions give their empty result for a null array or a count below 1.
#include <misc/geometry/types.h>

// Angles and lines --------------------------------------------------------------------------------

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The angle brought into [-pi, pi]; values within 0.001 of 0 become 0.
AFX_EXT_API double tfNormAngle(double a);
// The line through P1, P2 as A*x + B*y + C = 0; (A, B) is P1->P2 turned 90 degrees clockwise.
// With normalise set and a squared length of at least 0.001 the coefficients are divided by it.
AFX_EXT_API void tfLineABC(double x1, double y1, double x2, double y2, double* A, double* B, double* C,
                           int normalise);
// The mirror image Q of P in the line A*x + B*y + C = 0.
AFX_EXT_API void tfSimPoint(double px, double py, double A, double B, double C, double* qx, double* qy);
// Sagitta of an arc of the radius and opening angle.
AFX_EXT_API double tfDensArc(double radius, double angle);
// Opening angle of an arc of the radius with the sagitta (pi when the sagitta reaches the radius).
AFX_EXT_API double tfArcDens(double radius, double sagitta);
// The nearer of P1 (result 1) and P2 (result 2, also on a tie) to P, written to Q.
AFX_EXT_API int tfNearest2(double px, double py, double x1, double y1, double x2, double y2, double* qx,
                           double* qy);
// Signed angle turning vector 1 onto vector 2, in [-pi, pi].
AFX_EXT_API double tfVecAngle(double x1, double y1, double x2, double y2);
// Signed angle at P0 from P0->P1 to P0->P2.
AFX_EXT_API double tfSimplexAngle(double x0, double y0, double x1, double y1, double x2, double y2);
// 1 when both points lie strictly on the same side of the line, else 0.
AFX_EXT_API int tfSameSide(double x1, double y1, double x2, double y2, double A, double B, double C);

// Points and segments -----------------------------------------------------------------------------

// 1 when P lies on the segment P1P2 (tolerance at least 0.001, relative to the segment's length).
AFX_EXT_API int tfPointOnLine(double px, double py, double x1, double y1, double x2, double y2, double tol);
// Points where the infinite line P1P2 meets the circle (centre, r): 0, 1 (tangent, A = B) or 2
// (the A point has the smaller y; on a line within 0.001 of horizontal, taken as y = y1, the
// smaller x). The line gets a unit normal whatever the segment's length.
AFX_EXT_API int tfIntsectLineArc(double x1, double y1, double x2, double y2, double cx, double cy, double r,
                                 double* ax, double* ay, double* bx, double* by);
// Distance from P to the segment P1P2 (squared when tol < 0). F receives the foot on the
// infinite line (the midpoint for a degenerate segment); where is 0 when the foot lies within
// the segment, 1 or 2 when the distance was measured to that end point instead.
AFX_EXT_API double tfDistPointLine(double x1, double y1, double x2, double y2, double px, double py, double* fx,
                                   double* fy, int* where, double tol);
// Intersection of segments P1P2 and P3P4, written to I. Both lines are taken with unit normals
// (also segments shorter than tfLineABC would normalise), so the tolerances mean the same at
// every scale. Results: -1 parallel, -2 collinear and
// apart (I in the gap), -3 collinear and overlapping (I an end point inside the other segment),
// 3 a shared end point or a crossing inside both, otherwise a mask: 1 inside P1P2, 2 inside P3P4.
AFX_EXT_API int tfIintsectLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                                double y4, double* ix, double* iy, double tol);
// P2 moved on by d along P1->P2 (back towards P1 for a negative d).
AFX_EXT_API void tfLongLine(double x1, double y1, double x2, double y2, double d, double* ox, double* oy);
// The segment moved sideways by d, to the left of P1->P2 when left is non-zero.
AFX_EXT_API void tfShiftLine(double x1, double y1, double x2, double y2, double d, int left, double* ox1,
                             double* oy1, double* ox2, double* oy2);

// Offset-polyline corners -------------------------------------------------------------------------

// Corner at P2 of the polyline P1-P2-P3 offset by d; 1 when the legs cross, 0 (midpoint) when
// they are parallel.
AFX_EXT_API int tfFindVertex(double x1, double y1, double x2, double y2, double x3, double y3, double d,
                             int left, int shiftFirst, int shiftSecond, double* vx, double* vy);
// The two points of a bevelled offset corner at P2; 0 when they coincide, 1 when the corner is cut.
AFX_EXT_API int tfFindBufferPoints(double x1, double y1, double x2, double y2, double x3, double y3, double d,
                                   int left, double* ax, double* ay, double* bx, double* by);

// Polygons ----------------------------------------------------------------------------------------

// Smallest and largest of n values; 1 when n > 0, else 0 (and both outputs 0.0).
AFX_EXT_API int tfMinMax(int n, const double* v, double* min, double* max);
// Bounding box of the points: both minima first, then both maxima; all 0.0 for no points.
AFX_EXT_API void tfPolMinMax(int n, const InterfacePoint* pts, double* xMin, double* yMin, double* xMax,
                             double* yMax);
// Index of the longest edge (the first on a tie); 0 for no points.
AFX_EXT_API int tfPolLongestEdge(int n, const double* xs, const double* ys);
AFX_EXT_API int tfPolLongestEdge(int n, const InterfacePoint* pts);
// Point in polygon: 0 outside, 1 on the boundary (tfPointOnLine with tol), 2 inside (the edges
// seen from P turn by more than pi in all). The array form first rejects points outside the
// bounding box, without tolerance. The turn is summed from whole edge angles, without the 0.001
// guard of single angles, so finely divided outlines keep their full turn.
AFX_EXT_API int tfPolIntPoint(int n, const double* xs, const double* ys, double px, double py, double tol);
AFX_EXT_API int tfPolIntPoint(int n, const InterfacePoint* pts, double px, double py, double tol);
// Enclosed area, whatever the orientation.
AFX_EXT_API double tfPolArea(int n, const double* xs, const double* ys);
AFX_EXT_API double tfPolArea(int n, const InterfacePoint* pts);
// 1 when the polygon runs clockwise (y up), 0 when counter-clockwise or degenerate.
AFX_EXT_API int tfPolClockwise(int n, const double* xs, const double* ys);
AFX_EXT_API int tfPolClockwise(int n, const InterfacePoint* pts);
// 1 when the outlines of the two polygons meet (or their bounding boxes coincide), else 0.
AFX_EXT_API int tfPolsIntersect(int count1, const double* xs1, const double* ys1, int count2, const double* xs2,
                                const double* ys2);

MISC_PUBLIC_END
