// Angles, line equations, mirror images, arcs, nearest points and sides.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

struct NormCase
{
    double in;
    double out;
};

TEST(NormAngle, Table)
{
    const NormCase cases[] = {
        {3 * kPi, kPi},     {-0.0005, 0.0},     {0.0009, 0.0},   {-kPi, -kPi},
        {kPi, kPi},         {7 * kPi / 2, -kPi / 2}, {-5 * kPi / 2, -kPi / 2}, {2 * kPi + 0.5, 0.5},
        {0.0011, 0.0011},
    };
    for (const NormCase& c : cases)
        EXPECT_NEAR(tfNormAngle(c.in), c.out, 1e-12) << "in " << c.in;
    EXPECT_EQ(tfNormAngle(-0.0005), 0.0);
    const double huge = tfNormAngle(1e300);
    EXPECT_TRUE(huge >= -kPi && huge <= kPi);
}

TEST(LineABC, SignConventionAndNormalising)
{
    double A, B, C;
    tfLineABC(0, 0, 10, 0, &A, &B, &C, 1);
    EXPECT_EQ(A, 0.0);
    EXPECT_EQ(B, -1.0);
    EXPECT_EQ(C, 0.0);
    // (A, B) is the direction turned clockwise: for an upward segment it points to +x.
    tfLineABC(2, 0, 2, 5, &A, &B, &C, 1);
    EXPECT_EQ(A, 1.0);
    EXPECT_EQ(B, 0.0);
    EXPECT_EQ(C, -2.0);
    // Squared length 0.0001 is below 0.001: left as it is.
    tfLineABC(0, 0, 0.01, 0, &A, &B, &C, 1);
    EXPECT_EQ(B, -0.01);
    tfLineABC(0, 0, 3, 4, &A, &B, &C, 0);
    EXPECT_EQ(A, 4.0);
    EXPECT_EQ(B, -3.0);
    tfLineABC(0, 0, 3, 4, nullptr, nullptr, nullptr, 1);
}

TEST(SimPoint, Branches)
{
    double qx, qy;
    tfSimPoint(1, 1, 0, 1, 0, &qx, &qy);
    EXPECT_EQ(qx, 1);
    EXPECT_EQ(qy, -1);
    tfSimPoint(4, 0.0005, 0, 1, 0, &qx, &qy);
    EXPECT_EQ(qy, 0.0005) << "within 0.001 of the line the point is its own image";
    // Unnormalised coefficients of the line y = 1 (A^2 + B^2 below 0.001).
    tfSimPoint(2, 3, 0, 0.01, -0.01, &qx, &qy);
    EXPECT_NEAR(qx, 2, 1e-12);
    EXPECT_NEAR(qy, -1, 1e-12);
    tfSimPoint(3, 2, 0.01, 0, -0.01, &qx, &qy);
    EXPECT_NEAR(qx, -1, 1e-12);
    EXPECT_NEAR(qy, 2, 1e-12);
    // The diagonal x - y = 0 swaps the coordinates.
    tfSimPoint(3, 1, 1, -1, 0, &qx, &qy);
    EXPECT_NEAR(qx, 1, 1e-12);
    EXPECT_NEAR(qy, 3, 1e-12);
    // No line at all: the point stays, no division by zero.
    tfSimPoint(3, 1, 0, 0, 5, &qx, &qy);
    EXPECT_EQ(qx, 3);
    EXPECT_EQ(qy, 1);
}

TEST(ArcSagitta, InverseAndLimits)
{
    for (double a : {0.1, 1.0, 2.0, 3.0}) {
        const double s = tfDensArc(-5, a);
        EXPECT_GT(s, 0);
        EXPECT_NEAR(tfArcDens(5, s), a, 1e-9) << a;
    }
    EXPECT_NEAR(tfDensArc(2, kPi), 2, 1e-12);
    EXPECT_EQ(tfArcDens(2, 2), kPi);
    EXPECT_EQ(tfArcDens(2, -3), kPi);
    EXPECT_EQ(tfArcDens(0, 0), kPi);
}

TEST(Nearest2, TieGoesToSecond)
{
    double qx = 0, qy = 0;
    EXPECT_EQ(tfNearest2(0, 0, -1, 0, 1, 0, &qx, &qy), 2);
    EXPECT_EQ(qx, 1);
    EXPECT_EQ(tfNearest2(0, 0, -1, 0, 1.5, 0, &qx, &qy), 1);
    EXPECT_EQ(qx, -1);
    EXPECT_EQ(tfNearest2(0, 0, -1, 0, 1.5, 0, nullptr, nullptr), 1);
}

TEST(Angles, VecAngleWrapsAndSimplexGuard)
{
    EXPECT_NEAR(tfVecAngle(1, 0, 0, 1), kPi / 2, 1e-12);
    EXPECT_NEAR(tfVecAngle(0, 1, 1, 0), -kPi / 2, 1e-12);
    const double a = 170 * kPi / 180, b = -170 * kPi / 180;
    EXPECT_NEAR(tfVecAngle(std::cos(a), std::sin(a), std::cos(b), std::sin(b)), 20 * kPi / 180, 1e-12);
    EXPECT_NEAR(tfSimplexAngle(1, 1, 2, 1, 1, 2), kPi / 2, 1e-12);
    EXPECT_NEAR(tfSimplexAngle(1, 1, 1, 2, 2, 1), -kPi / 2, 1e-12);
    // Arms of 0.01: cross and dot products both below the guard.
    EXPECT_EQ(tfSimplexAngle(0, 0, 0.01, 0, 0, 0.01), 0.0);
    EXPECT_NEAR(tfVecAngle(0.01, 0, 0, 0.01), kPi / 2, 1e-12);
}

TEST(SameSide, PointOnLineIsNotSameSide)
{
    // The line y = 0.
    EXPECT_EQ(tfSameSide(1, 1, 5, 2, 0, 1, 0), 1);
    EXPECT_EQ(tfSameSide(1, 1, 5, -2, 0, 1, 0), 0);
    EXPECT_EQ(tfSameSide(1, 0, 5, 2, 0, 1, 0), 0);
}

} // namespace
