// Points on segments, distances, segment and circle intersections, offset corners.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PointOnLine, ToleranceRules)
{
    // tol 0 behaves as 0.001: 0.002 beyond the end fails, 0.0009 passes.
    EXPECT_EQ(tfPointOnLine(10.002, 0, 0, 0, 10, 0, 0), 0);
    EXPECT_EQ(tfPointOnLine(10.0009, 0, 0, 0, 10, 0, 0), 1);
    EXPECT_EQ(tfPointOnLine(10.002, 0, 0, 0, 10, 0, 0.005), 1);
    // The accepted distance from the line grows with the segment's length: 0.009 off a segment
    // of length 10 passes, 0.011 does not.
    EXPECT_EQ(tfPointOnLine(3 + 0.8 * 0.009, 4 - 0.6 * 0.009, 0, 0, 6, 8, 0.001), 1);
    EXPECT_EQ(tfPointOnLine(3 + 0.8 * 0.011, 4 - 0.6 * 0.011, 0, 0, 6, 8, 0.001), 0);
}

struct DistCase
{
    const char* name;
    double x1, y1, x2, y2, px, py, tol;
    double dist, fx, fy;
    int where;
};

const DistCase kDistCases[] = {
    {"foot inside", 0, 0, 10, 0, 5, 2, 0.001, 2, 5, 0, 0},
    {"beyond P2", 0, 0, 10, 0, 13, 4, 0.001, 5, 13, 0, 2},
    {"beyond P2 squared", 0, 0, 10, 0, 13, 4, -1, 25, 13, 0, 2},
    {"before P1", 0, 0, 10, 0, -3, -4, 0.001, 5, -3, 0, 1},
    {"backwards segment, beyond its P1", 10, 0, 0, 0, 13, 4, 0.001, 5, 13, 0, 1},
    {"just past the end is the end", 0, 0, 10, 0, 10.0005, 1, 0.001, std::hypot(0.0005, 1), 10.0005, 0, 2},
    {"degenerate segment uses the midpoint", 1, 1, 1.0004, 1, 1.0002, 4, 0.001, 3, 1.0002, 1, 0},
    {"diagonal foot", 0, 0, 4, 4, 0, 4, 0.001, std::sqrt(8.0), 2, 2, 0},
};

TEST(DistPointLine, Table)
{
    for (const DistCase& c : kDistCases) {
        double fx = -99, fy = -99;
        int where = -99;
        const double d = tfDistPointLine(c.x1, c.y1, c.x2, c.y2, c.px, c.py, &fx, &fy, &where, c.tol);
        EXPECT_NEAR(d, c.dist, 1e-9) << c.name;
        EXPECT_NEAR(fx, c.fx, 1e-9) << c.name;
        EXPECT_NEAR(fy, c.fy, 1e-9) << c.name;
        EXPECT_EQ(where, c.where) << c.name;
    }
    EXPECT_NEAR(tfDistPointLine(0, 0, 10, 0, 13, 4, nullptr, nullptr, nullptr, 0), 5, 1e-12);
}

struct CrossCase
{
    const char* name;
    double x1, y1, x2, y2, x3, y3, x4, y4, tol;
    int result;
    double ix, iy;
};

const CrossCase kCrossCases[] = {
    {"diagonals of a square", 0, 0, 2, 2, 0, 2, 2, 0, 0.001, 3, 1, 1},
    {"crossing on the second only", 0, 0, 1, 0, 2, 1, 2, -1, 0.001, 2, 2, 0},
    {"crossing on the first only", 0, 0, 4, 0, 2, 1, 2, 3, 0.001, 1, 2, 0},
    {"crossing of extensions only", 0, 0, 1, 0, 2, 1, 2, 0.5, 0.001, 0, 2, 0},
    {"parallel apart", 0, 0, 1, 0, 0, 1, 1, 1, 0.001, -1, 0.5, 0.5},
    {"collinear gap", 0, 0, 1, 0, 3, 0, 4, 0, 0.001, -2, 2, 0},
    {"collinear gap, second before first", 3, 0, 4, 0, 0, 0, 1, 0, 0.001, -2, 2, 0},
    {"collinear vertical gap", 0, 0, 0, 1, 0, 3, 0, 4, 0.001, -2, 0, 2},
    {"overlap, P4 tested first", 0, 0, 4, 0, 1, 0, 2, 0, 0.001, -3, 2, 0},
    {"overlap, P3 when P4 is out", 0, 0, 4, 0, 3, 0, 6, 0, 0.001, -3, 3, 0},
    {"overlap, P2 when the first lies inside", -1, 0, 2, 0, -5, 0, 5, 0, 0.001, -3, 2, 0},
    {"collinear touching ends is a gap", 0, 0, 1, 0, 1, 0, 2, 0, 0.001, -2, 1, 0},
    {"shared end P2-P3 beats the crossing test", 0, 0, 1, 0, 1.0005, 0, 2, 1, 0.001, 3, 1, 0},
    {"shared end P1-P4", 0, 0, 1, 0, 3, 3, 0, 0.0002, 0.001, 3, 0, 0},
    {"P2 tested before P1", 0, 0, 1, 0, 0, 1, 1, -1, 1.5, 3, 1, 0},
    {"short segments still cross", 0, 0, 0.02, 0.02, 0, 0.02, 0.02, 0, 0.001, 3, 0.01, 0.01},
    {"short parallel segments", 0, 0, 0.02, 0, 0, 0.01, 0.02, 0.01, 0.001, -1, 0.01, 0.005},
};

TEST(IintsectLines, Table)
{
    for (const CrossCase& c : kCrossCases) {
        double ix = -99, iy = -99;
        const int r = tfIintsectLines(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, &ix, &iy, c.tol);
        EXPECT_EQ(r, c.result) << c.name;
        EXPECT_NEAR(ix, c.ix, 1e-9) << c.name;
        EXPECT_NEAR(iy, c.iy, 1e-9) << c.name;
    }
}

TEST(IintsectLines, DegenerateSegmentsDoNotFail)
{
    double ix, iy;
    const int r = tfIintsectLines(1, 1, 1, 1, 1, 1, 1, 1, &ix, &iy, 0.001);
    EXPECT_LT(r, 0);
    EXPECT_EQ(tfIintsectLines(0, 0, 1, 1, 1, 0, 0, 1, nullptr, nullptr, 0.001), 3);
}

struct ArcCase
{
    const char* name;
    double x1, y1, x2, y2, cx, cy, r;
    int result;
    double ax, ay, bx, by;
};

const ArcCase kArcCases[] = {
    {"horizontal through centre", -5, 0, 5, 0, 0, 0, 1, 2, -1, 0, 1, 0},
    {"horizontal tangent", -5, 1, 5, 1, 0, 0, 1, 1, 0, 1, 0, 1},
    {"horizontal tangent within tolerance", -5, 1.0005, 5, 1.0005, 0, 0, 1, 1, 0, 1.0005, 0, 1.0005},
    {"horizontal miss", -5, 2, 5, 2, 0, 0, 1, 0, 0, 0, 0, 0},
    {"nearly horizontal uses y1", -10, 0, 10, 0.01, 0, 0, 1, 2, -1, 0, 1, 0},
    {"vertical, A point below", 0, 5, 0, -5, 0, 0, 1, 2, 0, -1, 0, 1},
    {"vertical tangent", 1, -5, 1, 5, 0, 0, 1, 1, 1, 0, 1, 0},
    {"vertical miss", 2, -5, 2, 5, 0, 0, 1, 0, 0, 0, 0, 0},
    {"diagonal, off centre", 3, 2, 4, 3, 3, 2, 2, 2, 3 - std::sqrt(2.0), 2 - std::sqrt(2.0), 3 + std::sqrt(2.0),
     2 + std::sqrt(2.0)},
    {"short segment still a line", 0, 0, 0.01, 0.01, 0, 0, 1, 2, -std::sqrt(0.5), -std::sqrt(0.5), std::sqrt(0.5),
     std::sqrt(0.5)},
};

TEST(IntsectLineArc, Table)
{
    for (const ArcCase& c : kArcCases) {
        double ax = -99, ay = -99, bx = -99, by = -99;
        const int r = tfIntsectLineArc(c.x1, c.y1, c.x2, c.y2, c.cx, c.cy, c.r, &ax, &ay, &bx, &by);
        EXPECT_EQ(r, c.result) << c.name;
        if (r == 0 || r != c.result)
            continue;
        EXPECT_NEAR(ax, c.ax, 1e-6) << c.name;
        EXPECT_NEAR(ay, c.ay, 1e-6) << c.name;
        EXPECT_NEAR(bx, c.bx, 1e-6) << c.name;
        EXPECT_NEAR(by, c.by, 1e-6) << c.name;
    }
}

TEST(LongAndShiftLine, Directions)
{
    double x, y;
    tfLongLine(0, 0, 10, 0, 2, &x, &y);
    EXPECT_NEAR(x, 12, 1e-12);
    tfLongLine(0, 0, 10, 0, -2, &x, &y);
    EXPECT_NEAR(x, 8, 1e-12);
    tfLongLine(1, 1, 1, 5, 1, &x, &y);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 6, 1e-12);
    double x1, y1, x2, y2;
    tfShiftLine(0, 0, 10, 0, 1, 1, &x1, &y1, &x2, &y2);
    EXPECT_NEAR(y1, 1, 1e-12);
    EXPECT_NEAR(y2, 1, 1e-12);
    EXPECT_NEAR(x2, 10, 1e-12);
    tfShiftLine(0, 0, 10, 0, 1, 0, &x1, &y1, &x2, &y2);
    EXPECT_NEAR(y1, -1, 1e-12);
    tfShiftLine(0, 0, 0, 10, 1, 1, &x1, &y1, &x2, &y2);
    EXPECT_NEAR(x1, -1, 1e-12) << "left of an upward segment is -x";
}

TEST(FindVertex, Corners)
{
    double vx, vy;
    EXPECT_EQ(tfFindVertex(0, 0, 10, 0, 10, 10, 1, 1, 1, 1, &vx, &vy), 1);
    EXPECT_NEAR(vx, 9, 1e-9);
    EXPECT_NEAR(vy, 1, 1e-9);
    EXPECT_EQ(tfFindVertex(0, 0, 10, 0, 10, 10, 1, 0, 1, 1, &vx, &vy), 1);
    EXPECT_NEAR(vx, 11, 1e-9);
    EXPECT_NEAR(vy, -1, 1e-9);
    // Only the first leg shifted: the legs cross outside the first leg, which still counts.
    EXPECT_EQ(tfFindVertex(0, 0, 10, 0, 10, 10, 1, 1, 1, 0, &vx, &vy), 1);
    EXPECT_NEAR(vx, 10, 1e-9);
    EXPECT_NEAR(vy, 1, 1e-9);
    // A straight run: parallel legs give the midpoint of the facing ends.
    EXPECT_EQ(tfFindVertex(0, 0, 10, 0, 20, 0, 1, 1, 1, 1, &vx, &vy), 0);
    EXPECT_NEAR(vx, 10, 1e-9);
    EXPECT_NEAR(vy, 1, 1e-9);
}

TEST(FindBufferPoints, MitreBevelAndStraight)
{
    double ax, ay, bx, by;
    // Right-angled outer corner: the extended legs meet, one point.
    EXPECT_EQ(tfFindBufferPoints(0, 0, 10, 0, 10, 10, 1, 0, &ax, &ay, &bx, &by), 0);
    EXPECT_NEAR(ax, 11, 1e-9);
    EXPECT_NEAR(ay, -1, 1e-9);
    EXPECT_EQ(bx, ax);
    EXPECT_EQ(by, ay);
    // Straight run: the shifted legs share their end, one point.
    EXPECT_EQ(tfFindBufferPoints(0, 0, 10, 0, 20, 0, 1, 1, &ax, &ay, &bx, &by), 0);
    EXPECT_NEAR(ax, 10, 1e-9);
    EXPECT_NEAR(ay, 1, 1e-9);
    // A sharp turn back: the legs extended by d + 0.001 do not meet, the corner is cut.
    EXPECT_EQ(tfFindBufferPoints(0, 0, 10, 0, 0, 1, 1, 0, &ax, &ay, &bx, &by), 1);
    EXPECT_NEAR(ax, 11.001, 1e-9);
    EXPECT_NEAR(ay, -1, 1e-9);
    const double len = std::sqrt(101.0);
    const double b1x = 10 + 1 / len, b1y = 10 / len; // b's first point: P2 shifted right of (-10, 1)
    EXPECT_NEAR(bx, b1x + 1.001 * 10 / len, 1e-9);
    EXPECT_NEAR(by, b1y - 1.001 * 1 / len, 1e-9);
}

} // namespace
