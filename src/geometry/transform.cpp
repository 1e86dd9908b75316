// CTransform: a matrix that starts as the identity and accumulates steps in the order asked.
#include <misc/geometry/matrix.h>

CTransform::CTransform()
{
    FillUnitMatrix();
}

CTransform& CTransform::operator=(const CMatrix& other)
{
    CMatrix::operator=(other);
    return *this;
}

CTransform& CTransform::operator=(const CTransform& other)
{
    CMatrix::operator=(other);
    return *this;
}

CTransform& CTransform::Translate(CVector t)
{
    CTransform step;
    *this *= step.TranslateM(t);
    return *this;
}

CTransform& CTransform::Scale(CVector s)
{
    CTransform step;
    *this *= step.ScaleM(s);
    return *this;
}

CTransform& CTransform::Rotate(CVector angles)
{
    CTransform step;
    *this *= step.RotateX(angles.x);
    *this *= step.RotateY(angles.y);
    *this *= step.RotateZ(angles.z);
    return *this;
}

CTransform& CTransform::Perspective(double d)
{
    CTransform step;
    *this *= step.PerspectiveM(d);
    return *this;
}

void CTransform::Reset()
{
    FillZeros();
    FillUnitMatrix();
}

void CTransform::TransformVec(CVector& v) const
{
    v = *this * v;
}
