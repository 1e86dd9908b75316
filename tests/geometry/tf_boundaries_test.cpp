// The strict tolerance comparisons of the plane functions, tried exactly at their boundaries.
// Every value here is exact in binary, so a boundary case sits on the boundary and not beside it:
// a comparison turned from strict to inclusive (or back) changes an answer below.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ToleranceBoundaries, PointOnLineAtTheEndsOfTheRange)
{
    // Along x: 0.5 beyond either end is on the segment, 0.6 and 0.5 + 2^-10 are not.
    EXPECT_EQ(tfPointOnLine(10.5, 0, 0, 0, 10, 0, 0.5), 1);
    EXPECT_EQ(tfPointOnLine(10.6, 0, 0, 0, 10, 0, 0.5), 0);
    EXPECT_EQ(tfPointOnLine(10.5009765625, 0, 0, 0, 10, 0, 0.5), 0);
    EXPECT_EQ(tfPointOnLine(-0.5, 0, 0, 0, 10, 0, 0.5), 1);
    EXPECT_EQ(tfPointOnLine(-0.5009765625, 0, 0, 0, 10, 0, 0.5), 0);
    // The same with the ends given the other way round.
    EXPECT_EQ(tfPointOnLine(10.5, 0, 10, 0, 0, 0, 0.5), 1);
    EXPECT_EQ(tfPointOnLine(-0.5009765625, 0, 10, 0, 0, 0, 0.5), 0);
    // Along y.
    EXPECT_EQ(tfPointOnLine(0, 10.5, 0, 0, 0, 10, 0.5), 1);
    EXPECT_EQ(tfPointOnLine(0, 10.6, 0, 0, 0, 10, 0.5), 0);
    EXPECT_EQ(tfPointOnLine(0, -0.5, 0, 0, 0, 10, 0.5), 1);
    EXPECT_EQ(tfPointOnLine(0, -0.5009765625, 0, 0, 0, 10, 0.5), 0);
}

TEST(ToleranceBoundaries, PointOnLineAtTheDistanceFromTheLine)
{
    // Off the diagonal (0,0)-(4,4) the test is |py - px| < 8t (the normal is not a unit one):
    // with t = 0.25, (3, 1) lies on the boundary and is off; 1/16 nearer is on.
    EXPECT_EQ(tfPointOnLine(3, 1, 0, 0, 4, 4, 0.25), 0);
    EXPECT_EQ(tfPointOnLine(2.9375, 1.0625, 0, 0, 4, 4, 0.25), 1);
    EXPECT_EQ(tfPointOnLine(1, 3, 0, 0, 4, 4, 0.25), 0);
    EXPECT_EQ(tfPointOnLine(1.0625, 2.9375, 0, 0, 4, 4, 0.25), 1);
}

TEST(ToleranceBoundaries, PointInPolygonOnEachEdge)
{
    const double xs[] = {0, 10, 10, 0};
    const double ys[] = {0, 0, 10, 10};
    InterfacePoint pts[4];
    for (int i = 0; i < 4; ++i)
        pts[i].x = xs[i], pts[i].y = ys[i];
    // 1 on the boundary, 2 inside, 0 outside. The array form first refuses points outside the
    // bounding box without tolerance; the point form has no such step.
    const struct {
        double x, y;
        int arrays, points;
    } cases[] = {
        {10.5, 5, 0, 1},   {10.5009765625, 5, 0, 0}, {-0.5, 5, 0, 1},  {-0.5009765625, 5, 0, 0},
        {5, 10.5, 0, 1},   {5, 10.5009765625, 0, 0}, {5, -0.5, 0, 1},  {5, -0.5009765625, 0, 0},
        {10.5, 10.5, 0, 1}, {-0.5, -0.5, 0, 1},      {10.5, 10.5009765625, 0, 0},
        {9.5, 5, 1, 1},    {9.4990234375, 5, 2, 2},  {0.5, 5, 1, 1},   {0.5009765625, 5, 2, 2},
        {5, 9.5, 1, 1},    {5, 9.4990234375, 2, 2},  {5, 0.5, 1, 1},   {5, 0.5009765625, 2, 2},
        {10, 5, 1, 1},     {5, 0, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tfPolIntPoint(4, xs, ys, c.x, c.y, 0.5), c.arrays) << c.x << " " << c.y;
        EXPECT_EQ(tfPolIntPoint(4, pts, c.x, c.y, 0.5), c.points) << c.x << " " << c.y;
    }
}

TEST(ToleranceBoundaries, IntersectionEndPointsAtTheTolerance)
{
    double x = 0, y = 0;
    // The second segment starts 0.5 (Manhattan) after the first one's end: not an end point at
    // tol 0.5, an end point (3) at tol 0.5 + 2^-10.
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 10.5, 0, 10.5, 5, &x, &y, 0.5), 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 10.5, 0, 10.5, 5, &x, &y, 0.5009765625), 3);
    EXPECT_EQ(x, 10);
    // The same at the first segment's start, and against the other end of the second segment.
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, -0.5, 5, -0.5, 0, &x, &y, 0.5), 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, -0.5, 5, -0.5, 0, &x, &y, 0.5009765625), 3);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 10.25, 0.25, 10.25, 5, &x, &y, 0.5), 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 10.25, 0.25, 10.25, 5, &x, &y, 0.5009765625), 3);
}

TEST(ToleranceBoundaries, IntersectionInsideTestsAtTheTolerance)
{
    double x = 0, y = 0;
    // The crossing (2, 0) gives (0 - 2)(2 - 10) = 16 on the first segment: inside only when that
    // exceeds tol squared. The second segment holds it well inside.
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 2, -8, 2, 8, &x, &y, 4), 2);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 10, 0, 2, -8, 2, 8, &x, &y, 3.96875), 3);
    // The roles swapped: the second segment's inside test at its boundary.
    EXPECT_EQ(tfIintsectLines(2, -8, 2, 8, 0, 0, 10, 0, &x, &y, 4), 1);
    EXPECT_EQ(tfIintsectLines(2, -8, 2, 8, 0, 0, 10, 0, &x, &y, 3.96875), 3);
}

TEST(ToleranceBoundaries, DistancesAtTheTolerance)
{
    double fx = 0, fy = 0;
    int where = -1;
    // A segment whose ends are exactly tol apart (Manhattan) is a point: its middle.
    EXPECT_EQ(tfDistPointLine(0, 0, 0.25, 0.25, 3.125, 4.125, &fx, &fy, &where, 0.5), 5);
    EXPECT_EQ(fx, 0.125);
    EXPECT_EQ(where, 0);
    EXPECT_NE(tfDistPointLine(0, 0, 0.25, 0.25, 3.125, 4.125, &fx, &fy, &where, 0.4990234375), 5);
    // A foot 2 beyond the end of (0,0)-(6,0): (0 - 8)(6 - 8) = 16 = tol squared still counts as
    // on the segment; a smaller tol measures to the end point instead.
    EXPECT_EQ(tfDistPointLine(0, 0, 6, 0, 8, 3, &fx, &fy, &where, 4), 3);
    EXPECT_EQ(where, 0);
    EXPECT_EQ(tfDistPointLine(0, 0, 6, 0, 8, 3, &fx, &fy, &where, 3.96875), std::hypot(2.0, 3.0));
    EXPECT_EQ(where, 2);
}

} // namespace
