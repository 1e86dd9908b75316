// Geometric value types: rectangle overlap and clipping, vector arithmetic, guarded arc tangent.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

TEST(DoubleRect, ConstructorArgumentOrderDiffersFromStorage)
{
    CDoubleRect r(1, 2, 3, 4);
    EXPECT_EQ(r.xMin, 1);
    EXPECT_EQ(r.yMin, 2);
    EXPECT_EQ(r.xMax, 3);
    EXPECT_EQ(r.yMax, 4);
}

TEST(DoubleRect, IntersectRectIsClosed)
{
    const CDoubleRect r(0, 0, 10, 10);
    EXPECT_EQ(r.IntersectRect(CDoubleRect(10, 0, 20, 10)), 1) << "touching edges";
    EXPECT_EQ(r.IntersectRect(CDoubleRect(10, 10, 20, 20)), 1) << "touching corners";
    EXPECT_EQ(r.IntersectRect(CDoubleRect(10.0001, 0, 20, 10)), 0);
    EXPECT_EQ(r.IntersectRect(CDoubleRect(0, -5, 10, -0.0001)), 0);
}

TEST(DoubleRect, ResizeRectGrowsOnlyOutwards)
{
    CDoubleRect r(0, 0, 10, 10);
    r.ResizeRect(CDoubleRect(2, 2, 8, 8));
    EXPECT_EQ(r.xMin, 0);
    EXPECT_EQ(r.yMin, 0);
    EXPECT_EQ(r.xMax, 10);
    EXPECT_EQ(r.yMax, 10);
    r.ResizeRect(CDoubleRect(-1, 5, 5, 12));
    EXPECT_EQ(r.xMin, -1);
    EXPECT_EQ(r.yMin, 0);
    EXPECT_EQ(r.xMax, 10);
    EXPECT_EQ(r.yMax, 12);
}

TEST(DoubleRect, InflateRectNegativeShrinksWithoutCheck)
{
    CDoubleRect r(0, 0, 2, 2);
    r.InflateRect(-3);
    EXPECT_EQ(r.xMin, 3);
    EXPECT_EQ(r.xMax, -1);
    EXPECT_EQ(r.yMin, 3);
    EXPECT_EQ(r.yMax, -1);
}

struct ClipCase
{
    const char* name;
    double px, py, angle;
    int result;
    double ax, ay, bx, by;
};

// The square (0,0)-(10,10); the tolerance of the range tests is 0.001 and strict.
const ClipCase kClipCases[] = {
    {"vertical 3pi/2 folds to pi/2", 5, 5, 3 * kPi / 2, 1, 5, 0, 5, 10},
    {"vertical just inside tolerance", 10.0005, 5, kPi / 2, 1, 10.0005, 0, 10.0005, 10},
    {"vertical exactly at tolerance", 10 + 0.001, 5, kPi / 2, 0, 0, 0, 0, 0},
    {"vertical outside", 12, 5, kPi / 2, 0, 0, 0, 0, 0},
    {"horizontal", 3, 4, 0, 1, 0, 4, 10, 4},
    {"horizontal folded from pi", 3, 4, kPi, 1, 0, 4, 10, 4},
    {"horizontal above misses", 3, 11, 0.0005, 0, 0, 0, 0, 0},
    {"diagonal starts at bottom crossing", 5, 5, kPi / 4, 1, 0, 0, 10, 10},
    {"steep line bottom to top", 5, 5, 1.3, 1, 5 - 5 / std::tan(1.3), 0, 5 + 5 / std::tan(1.3), 10},
    {"shallow line left to right", 5, 5, 0.2, 1, 0, 5 - 5 * std::tan(0.2), 10, 5 + 5 * std::tan(0.2)},
    {"falling line top then right", 2, 9, -kPi / 4, 1, 1, 10, 10, 1},
    {"line missing the corner", 20, 0, kPi / 4, 0, 0, 0, 0, 0},
};

TEST(DoubleRect, IntersectLineRectTable)
{
    const CDoubleRect r(0, 0, 10, 10);
    for (const ClipCase& c : kClipCases) {
        Cpoint_type a(-99, -99), b(-99, -99);
        const int res = r.IntersectLineRect(Cpoint_type(c.px, c.py), c.angle, a, b);
        EXPECT_EQ(res, c.result) << c.name;
        if (res != 1 || c.result != 1)
            continue;
        EXPECT_NEAR(a.x, c.ax, 1e-9) << c.name << " a=" << a;
        EXPECT_NEAR(a.y, c.ay, 1e-9) << c.name << " a=" << a;
        EXPECT_NEAR(b.x, c.bx, 1e-9) << c.name << " b=" << b;
        EXPECT_NEAR(b.y, c.by, 1e-9) << c.name << " b=" << b;
    }
}

TEST(DoubleRect, IntersectLineRectHugeAngleEnds)
{
    const CDoubleRect r(0, 0, 10, 10);
    Cpoint_type a, b;
    r.IntersectLineRect(Cpoint_type(5, 5), 1e300, a, b);
    EXPECT_EQ(r.IntersectLineRect(Cpoint_type(5, 5), INFINITY, a, b), 0);
    EXPECT_EQ(r.IntersectLineRect(Cpoint_type(5, 5), NAN, a, b), 0);
}

TEST(PointType, Arithmetic)
{
    Cpoint_type p(1, 2);
    const Cpoint_type q = p * 3;
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(q.x, 3);
    EXPECT_EQ(q.y, 6);
    p += q;
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 8);
    p -= Cpoint_type(1, 1);
    EXPECT_EQ((p - q).x, 0);
    EXPECT_EQ((p + q).y, 13);
    p *= 0.5;
    EXPECT_EQ(p.y, 3.5);
    Cpoint_type c(p);
    EXPECT_EQ(c.x, 1.5);
}

TEST(Vector, WeightRules)
{
    const CVector zero;
    EXPECT_EQ(zero.w, 1.0);
    EXPECT_EQ(zero.x + zero.y + zero.z, 0.0);
    const CVector neg = -CVector(1, 2, 3, 4);
    EXPECT_EQ(neg.x, -1);
    EXPECT_EQ(neg.y, -2);
    EXPECT_EQ(neg.z, -3);
    EXPECT_EQ(neg.w, 1) << "negation keeps weight 1";
    const CVector p(3, 4, 0, 1);
    EXPECT_DOUBLE_EQ(p.GetSize(), std::sqrt(26.0)) << "weight takes part in the size";
    EXPECT_EQ((p + p).w, 2);
    EXPECT_EQ((p - p).w, 0);
    EXPECT_EQ(p * CVector(1, 1, 1, 1), 8);
    const CVector n = p.GetNormal();
    EXPECT_NEAR(n.GetSize(), 1.0, 1e-15);
    EXPECT_EQ(p.x, 3) << "GetNormal leaves the vector";
    const CVector copy(&p);
    EXPECT_EQ(copy.GetY(), 4);
    const CVector fromNull(static_cast<const CVector*>(nullptr));
    EXPECT_EQ(fromNull.w, 1);
}

TEST(Arctan2, GuardsBothComponents)
{
    EXPECT_EQ(myArctan2(0.0005, -0.0005), 0.0);
    EXPECT_EQ(myArctan2(0, -1), kPi);
    EXPECT_NE(myArctan2(0.0005, -0.002), 0.0) << "only both below the guard give 0";
    EXPECT_DOUBLE_EQ(myArctan2(1, 0), kPi / 2);
}

} // namespace
