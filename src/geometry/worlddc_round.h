#pragma once
// The world-to-pixel rounding of cWorldDC, inline for the drawing loops: the same results as the
// dialogs library's roundReal (nearest integer, halves away from zero, the int range's ends
// beyond it, 0 for NaN).
#include <climits>
#include <cmath>

namespace misc_worlddc {

inline int RoundPixel(double v)
{
    if (!(std::fabs(v) < 2147483647.0)) { // NaN, or at the ends of the int range or beyond
        if (!(v == v))
            return 0;
        const double r = std::round(v);
        return r >= static_cast<double>(INT_MAX) ? INT_MAX : (r <= static_cast<double>(INT_MIN) ? INT_MIN : static_cast<int>(r));
    }
    // Truncation and the exact remainder, without a library call or a branch on the data.
    const int t = static_cast<int>(v);
    const double frac = v - t;
    return t + static_cast<int>(frac >= 0.5) - static_cast<int>(frac <= -0.5);
}

// v + d without leaving the int range (pixel offsets next to clamped coordinates).
inline int AddPixels(int v, int d)
{
    const long long r = static_cast<long long>(v) + d;
    return r > INT_MAX ? INT_MAX : (r < INT_MIN ? INT_MIN : static_cast<int>(r));
}

} // namespace misc_worlddc
