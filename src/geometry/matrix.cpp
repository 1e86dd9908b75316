// CMatrix: 4x4 matrices of doubles for homogeneous transformations.
#include <misc/geometry/matrix.h>

#include <cmath>
#include <ostream>

namespace {

void SetComponent(CVector& v, int i, double value)
{
    switch (i) {
    case 0: v.x = value; break;
    case 1: v.y = value; break;
    case 2: v.z = value; break;
    case 3: v.w = value; break;
    default: break;
    }
}

bool InRange(int i)
{
    return i >= 0 && i < 4;
}

double Det3(double a, double b, double c, double d, double e, double f, double g, double h, double i)
{
    return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}

} // namespace

void CMatrix::FillZeros()
{
    for (auto& row : m)
        for (double& v : row)
            v = 0.0;
}

void CMatrix::FillUnitMatrix()
{
    for (int i = 0; i < 4; ++i)
        m[i][i] = 1.0;
}

CMatrix CMatrix::operator*(const CMatrix& b) const
{
    CMatrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k)
                s += b.m[i][k] * m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

CMatrix& CMatrix::operator*=(const CMatrix& b)
{
    *this = *this * b;
    return *this;
}

CVector CMatrix::operator*(const CVector& v) const
{
    CVector r;
    for (int i = 0; i < 4; ++i)
        SetComponent(r, i, CVector(m[i][0], m[i][1], m[i][2], m[i][3]) * v);
    return r;
}

CMatrix CMatrix::operator*(double s) const
{
    CMatrix r(*this);
    for (auto& row : r.m)
        for (double& v : row)
            v *= s;
    return r;
}

CVector CMatrix::GetVec(const CMatrix* src, int r1, int c1, int r2, int c2) const
{
    CVector v;
    if (!src)
        return v;
    if (r2 <= r1) {
        if (InRange(r1))
            for (int c = c1; c <= c2; ++c)
                if (InRange(c))
                    SetComponent(v, c, src->m[r1][c]);
    } else if (InRange(c1)) {
        for (int r = r1; r <= r2; ++r)
            if (InRange(r))
                SetComponent(v, r, src->m[r][c1]);
    }
    return v;
}

CMatrix CMatrix::ScaleM(CVector s)
{
    FillZeros();
    m[0][0] = s.x != 0.0 ? s.x : 1.0;
    m[1][1] = s.y != 0.0 ? s.y : 1.0;
    m[2][2] = s.z != 0.0 ? s.z : 1.0;
    m[3][3] = 1.0;
    return *this;
}

CMatrix CMatrix::TranslateM(CVector t)
{
    FillZeros();
    FillUnitMatrix();
    m[0][3] = t.x;
    m[1][3] = t.y;
    m[2][3] = t.z;
    return *this;
}

CMatrix CMatrix::RotateX(double a)
{
    FillZeros();
    m[0][0] = 1.0;
    m[1][1] = std::cos(a);
    m[1][2] = -std::sin(a);
    m[2][1] = std::sin(a);
    m[2][2] = std::cos(a);
    m[3][3] = 1.0;
    return *this;
}

CMatrix CMatrix::RotateY(double a)
{
    FillZeros();
    m[0][0] = std::cos(a);
    m[0][2] = std::sin(a);
    m[1][1] = 1.0;
    m[2][0] = -std::sin(a);
    m[2][2] = std::cos(a);
    m[3][3] = 1.0;
    return *this;
}

CMatrix CMatrix::RotateZ(double a)
{
    FillZeros();
    m[0][0] = std::cos(a);
    m[0][1] = -std::sin(a);
    m[1][0] = std::sin(a);
    m[1][1] = std::cos(a);
    m[2][2] = 1.0;
    m[3][3] = 1.0;
    return *this;
}

CMatrix CMatrix::PerspectiveM(double d)
{
    m[0][0] = 1.0;
    m[1][1] = 1.0;
    m[2][2] = 0.0;
    m[3][3] = 1.0;
    m[3][2] = 1.0 / d;
    return *this;
}

double CMatrix::GetMinor(int row, int col) const
{
    if (!InRange(row) || !InRange(col))
        return 0.0;
    double e[9];
    int k = 0;
    for (int r = 0; r < 4; ++r) {
        if (r == row)
            continue;
        for (int c = 0; c < 4; ++c)
            if (c != col)
                e[k++] = m[r][c];
    }
    return Det3(e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8]);
}

double CMatrix::Determinant() const
{
    return m[0][0] * GetMinor(0, 0) - m[0][1] * GetMinor(0, 1) + m[0][2] * GetMinor(0, 2);
}

CMatrix CMatrix::Reverse() const
{
    CMatrix adj;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            adj.m[c][r] = ((r + c) % 2 == 0 ? 1.0 : -1.0) * GetMinor(r, c);
    const double det = Determinant();
    if (det == 0.0)
        return CMatrix();
    return adj * (1.0 / det);
}

std::ostream& operator<<(std::ostream& os, const CMatrix& mat)
{
    os << '[';
    for (int r = 0; r < 4; ++r) {
        os << (r ? "; " : "");
        for (int c = 0; c < 4; ++c)
            os << (c ? " " : "") << mat.m[r][c];
    }
    return os << ']';
}
