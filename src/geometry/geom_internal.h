#pragma once
// Constants and small inline helpers shared by the geometry sources.
#include <cmath>

namespace misc_geom {

// The fixed tolerance of the geometry functions (world units, radians or squared units).
inline constexpr double kTol = 0.001;
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kTwoPi = 6.283185307179586;

// Writes v through p when p is not null.
inline void Put(double* p, double v)
{
    if (p)
        *p = v;
}

inline void Put(int* p, int v)
{
    if (p)
        *p = v;
}

// The same as myArctan2, for the inner loops.
inline double Arctan2(double y, double x)
{
    if (std::fabs(x) < kTol && std::fabs(y) < kTol)
        return 0.0;
    return std::atan2(y, x);
}

// The same as tfNormAngle: fmod by a full turn, fold into [-pi, pi], snap near-zero to 0.
inline double NormAngle(double a)
{
    // fmod is exact and leaves a value below a full turn unchanged, so it is skipped then.
    double r = (std::fabs(a) < kTwoPi) ? a : std::fmod(a, kTwoPi);
    while (r > kPi)
        r -= kTwoPi;
    while (r < -kPi)
        r += kTwoPi;
    if (std::fabs(r) < kTol)
        return 0.0;
    return r;
}

} // namespace misc_geom
