#pragma once
// 4x4 matrices of doubles and 2-D/3-D transforms of homogeneous CVector values.
//
// Column vectors: M transforms v as M*v, and a translation sits in the fourth column.
// Composition is by pre-multiplication: A * B is the product B*A and A *= B makes A = B*A, so the
// later matrix acts after the earlier one. Rotations are counter-clockwise in radians.
#include <misc/geometry/types.h>

#include <iosfwd>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class AFX_EXT_CLASS CMatrix
{
public:
    // m[row][column]; rows 0-2 act on x, y, z, row 3 on the weight.
    double m[4][4];

    // The zero matrix (not the identity).
    CMatrix() { FillZeros(); }
    CMatrix(const CMatrix& other) = default;
    CMatrix& operator=(const CMatrix& other) = default;

    void FillZeros();
    // Sets the diagonal to 1.0 and leaves the other twelve elements as they are.
    void FillUnitMatrix();

    // b * this; *this is unchanged.
    CMatrix operator*(const CMatrix& b) const;
    // *this = b * this.
    CMatrix& operator*=(const CMatrix& b);
    // this * v.
    CVector operator*(const CVector& v) const;
    CMatrix operator*(double s) const;

    // A row (r2 <= r1: row r1, columns c1..c2) or a column (column c1, rows r1..r2) of src into
    // the matching components of (0, 0, 0, 1). Indices outside 0..3 are left out.
    CVector GetVec(const CMatrix* src, int r1, int c1, int r2, int c2) const;

    // Each of these sets *this to the named matrix and returns a copy of it.
    CMatrix ScaleM(CVector s);
    CMatrix TranslateM(CVector t);
    CMatrix RotateX(double a);
    CMatrix RotateY(double a);
    CMatrix RotateZ(double a);
    // Writes only [0][0], [1][1], [2][2], [3][3] and [3][2] = 1/d.
    CMatrix PerspectiveM(double d);

    // Determinant of the 3x3 matrix left without that row and column (0.0 outside 0..3).
    double GetMinor(int row, int col) const;
    // The first three cofactor terms along row 0: exact when the bottom row is (0, 0, 0, w).
    double Determinant() const;
    // Adjugate divided by Determinant(); the zero matrix when that is exactly 0.
    CMatrix Reverse() const;
};

class AFX_EXT_CLASS CTransform : public CMatrix
{
public:
    // The identity.
    CTransform();
    CTransform(const CTransform& other) = default;
    CTransform& operator=(const CMatrix& other);
    CTransform& operator=(const CTransform& other);

    // Each step acts after those already accumulated.
    CTransform& Translate(CVector t);
    // Zero components leave their axis unscaled.
    CTransform& Scale(CVector s);
    // About x, then y, then z.
    CTransform& Rotate(CVector angles);
    CTransform& Perspective(double d);
    void Reset();
    void TransformVec(CVector& v) const;
};

AFX_EXT_API std::ostream& operator<<(std::ostream& os, const CMatrix& m);

MISC_PUBLIC_END
