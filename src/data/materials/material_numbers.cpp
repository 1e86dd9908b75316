// Numbers of the fabric pattern profile files, independent of the process's locale, so that a
// file reads and writes the same whether or not the host has set a locale with a decimal comma.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "material_detail.h"

namespace materials_detail {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal magnitude of a number too large or too small for a double: positive for an
// overflow, otherwise an underflow.
long Magnitude(const char* p)
{
    long mag = 0;
    bool point = false, significant = false;
    for (; IsDigit(*p) || *p == '.'; ++p) {
        if (*p == '.') {
            point = true;
        } else if (!significant && *p == '0') {
            if (point)
                --mag;
        } else {
            significant = true;
            if (!point && mag < 100000)
                ++mag;
        }
    }
    if (*p == 'e' || *p == 'E') {
        long e = std::strtol(p + 1, nullptr, 10);
        e = std::max(-100000L, std::min(100000L, e));
        mag += e;
    }
    return mag;
}

} // namespace

double ParseNumber(const char* text)
{
    if (!text)
        return 0.0;
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (*p == '+' || *p == '-')
        return 0.0;
    double value = 0.0;
    const char* end = p + std::strlen(p);
    std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        value = Magnitude(p) > 0 ? HUGE_VAL : 0.0;
    else if (r.ec != std::errc())
        return 0.0;  // no digits: a missing number, whatever sign stood before it
    return negative ? -value : value;
}

void AppendFixed(CString& out, double value)
{
    char buffer[400]; // the longest double in fixed form has 309 digits before the point
    std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (r.ec == std::errc())
        out.Append(buffer, static_cast<int>(r.ptr - buffer));
}

} // namespace materials_detail
