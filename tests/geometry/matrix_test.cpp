// Matrices and transforms: composition order, partial writes, row/column extraction, inverse.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

void ExpectVec(const CVector& v, double x, double y, double z, double w, const char* what)
{
    EXPECT_NEAR(v.x, x, 1e-12) << what << " got " << v;
    EXPECT_NEAR(v.y, y, 1e-12) << what << " got " << v;
    EXPECT_NEAR(v.z, z, 1e-12) << what << " got " << v;
    EXPECT_NEAR(v.w, w, 1e-12) << what << " got " << v;
}

void ExpectMatrix(const CMatrix& a, const CMatrix& b, double eps = 1e-12)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(a.m[r][c], b.m[r][c], eps) << "[" << r << "][" << c << "] of " << a << " vs " << b;
}

CMatrix Filled(double v)
{
    CMatrix m;
    for (auto& row : m.m)
        for (double& e : row)
            e = v;
    return m;
}

TEST(Matrix, DefaultsAndPartialWrites)
{
    ExpectMatrix(CMatrix(), Filled(0));
    CMatrix id = Filled(0);
    id.FillUnitMatrix();
    ExpectMatrix(CTransform(), id);

    CMatrix m = Filled(7);
    m.FillUnitMatrix();
    EXPECT_EQ(m.m[0][0], 1);
    EXPECT_EQ(m.m[0][1], 7) << "FillUnitMatrix leaves the off-diagonal";

    m = Filled(7);
    m.PerspectiveM(4);
    EXPECT_EQ(m.m[2][2], 0);
    EXPECT_EQ(m.m[3][2], 0.25);
    EXPECT_EQ(m.m[0][1], 7) << "PerspectiveM writes only five elements";
    EXPECT_EQ(m.m[2][3], 7);

    m = Filled(7);
    m.ScaleM(CVector(2, 0, 3, 1));
    EXPECT_EQ(m.m[1][1], 1) << "a zero scale leaves its axis";
    EXPECT_EQ(m.m[0][1], 0) << "ScaleM zeroes first";
}

TEST(Matrix, ProductIsPreMultiplication)
{
    CMatrix t, s;
    t.TranslateM(CVector(5, 0, 0, 1));
    s.ScaleM(CVector(2, 2, 2, 1));
    const CVector p(1, 0, 0, 1);
    // t * s is s.t: translate, then scale.
    ExpectVec((t * s) * p, 12, 0, 0, 1, "t * s");
    ExpectVec((s * t) * p, 7, 0, 0, 1, "s * t");
    CMatrix u = t;
    u *= s;
    ExpectVec(u * p, 12, 0, 0, 1, "t *= s");
    ExpectVec((t * 2.0) * p, 12, 0, 0, 2, "scalar product");
}

TEST(Transform, StepsApplyInTheOrderAsked)
{
    const CVector p(1, 0, 0, 1);
    CTransform a;
    a.Translate(CVector(5, 0, 0, 1)).Scale(CVector(2, 2, 0, 1));
    ExpectVec(a * p, 12, 0, 0, 1, "translate then scale");
    CTransform b;
    b.Scale(CVector(2, 2, 0, 1)).Translate(CVector(5, 0, 0, 1));
    ExpectVec(b * p, 7, 0, 0, 1, "scale then translate");

    CTransform r;
    r.Rotate(CVector(0, 0, kPi / 2, 1));
    ExpectVec(r * p, 0, 1, 0, 1, "z rotation is counter-clockwise");
    // x first, then y, then z: (0, 1, 0) goes to (0, 0, 1) about x, which z leaves alone.
    CTransform xz;
    xz.Rotate(CVector(kPi / 2, 0, kPi / 2, 1));
    ExpectVec(xz * CVector(0, 1, 0, 1), 0, 0, 1, 1, "rotation order");
    CTransform y;
    y.Rotate(CVector(0, kPi / 2, 0, 1));
    ExpectVec(y * CVector(0, 0, 1, 1), 1, 0, 0, 1, "y rotation");

    CVector v(1, 2, 3, 1);
    a.TransformVec(v);
    ExpectVec(v, 12, 4, 3, 1, "TransformVec");
    a.Reset();
    ExpectMatrix(a, CTransform());
}

TEST(Transform, PerspectiveStep)
{
    CTransform t;
    t.Translate(CVector(0, 0, 4, 1)).Perspective(2);
    // z goes to 0 and the weight becomes z/d + 1 of the translated point.
    ExpectVec(t * CVector(1, 2, 0, 1), 1, 2, 0, 3, "perspective after translation");
    EXPECT_EQ(t.m[0][1], 0);
}

TEST(Matrix, GetVecRowsAndColumns)
{
    CMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m.m[r][c] = 10 * r + c + 1;
    const CMatrix other;
    ExpectVec(other.GetVec(&m, 2, 0, 2, 3), 21, 22, 23, 24, "row 2");
    ExpectVec(other.GetVec(&m, 0, 1, 3, 1), 2, 12, 22, 32, "column 1");
    ExpectVec(other.GetVec(&m, 1, 1, 1, 2), 0, 12, 13, 1, "part of row 1");
    ExpectVec(other.GetVec(&m, 3, -2, 1, 9), 31, 32, 33, 34, "indices outside are left out");
    ExpectVec(other.GetVec(&m, -1, 5, 7, 5), 0, 0, 0, 1, "column outside");
    ExpectVec(other.GetVec(nullptr, 0, 0, 0, 3), 0, 0, 0, 1, "no source");
}

TEST(Matrix, DeterminantHasThreeTerms)
{
    EXPECT_EQ(CTransform().Determinant(), 1);
    CMatrix a;
    const double block[3][3] = {{2, 1, 0}, {1, 3, 1}, {0, 1, 4}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            a.m[r][c] = block[r][c];
    a.m[0][3] = 5;
    a.m[1][3] = -2;
    a.m[3][3] = 1;
    EXPECT_DOUBLE_EQ(a.Determinant(), 2 * 11 - 1 * 4);
    // Swapping x and the weight: the full determinant is -1, but its only term is the fourth.
    CMatrix swap;
    swap.m[0][3] = swap.m[3][0] = swap.m[1][1] = swap.m[2][2] = 1;
    EXPECT_EQ(swap.Determinant(), 0);
    EXPECT_EQ(a.GetMinor(4, 0), 0);
    EXPECT_EQ(a.GetMinor(0, -1), 0);
}

TEST(Matrix, ReverseOfAffineSingularAndZero)
{
    CMatrix t;
    t.TranslateM(CVector(3, 4, 0, 1));
    CMatrix expected;
    expected.TranslateM(CVector(-3, -4, 0, 1));
    ExpectMatrix(t.Reverse(), expected);
    EXPECT_EQ(t.m[0][3], 3) << "Reverse leaves *this";

    ExpectMatrix(CMatrix().Reverse(), CMatrix());
    CMatrix singular = Filled(0);
    singular.m[0][0] = 1;
    singular.m[1][1] = 1;
    singular.m[3][3] = 1; // z collapses
    ExpectMatrix(singular.Reverse(), CMatrix());

    CTransform g;
    g.Scale(CVector(2, 3, 4, 1)).Rotate(CVector(0.3, -0.7, 1.1, 1)).Translate(CVector(1, -2, 5, 1));
    const CMatrix inv = g.Reverse();
    ExpectMatrix(g * inv, CTransform(), 1e-12);
    ExpectMatrix(inv * g, CTransform(), 1e-12);
    ExpectVec(inv * (g * CVector(1, 2, 3, 1)), 1, 2, 3, 1, "round trip");
}

} // namespace
