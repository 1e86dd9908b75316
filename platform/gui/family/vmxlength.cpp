// Lengths as text in a dialog's working units.
#include "family/vmxdialog.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Millimetres per unit, for the unit codes of family/vmxunits.h.
double MillimetresPer(int unit)
{
    switch (unit) {
    case 1: return 10.0;
    case 2: return 1000.0;
    case 3: return 25.4;
    case 4: return 304.8;
    case 5: return 914.4;
    case 6: return 100.0;
    default: return 1.0;
    }
}

int DefaultDecimals(int unit)
{
    static const int decimals[] = {1, 2, 4, 3, 4, 4, 3};
    return unit >= 0 && unit <= 6 ? decimals[unit] : 2;
}

// A whole number, a decimal number (point or comma), or a fraction "a/b" possibly after a whole
// number ("1 1/2"), with an optional sign; anything after it must be a unit text (letters,
// quotes) or blanks. False for anything else.
bool ParseLength(const std::string& text, double* out)
{
    size_t i = 0, n = text.size();
    auto blanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    auto digits = [&] {
        std::string d;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
            d += text[i++];
        return d;
    };
    auto fractionAfterSlash = [&](const std::string& numerator, double* f) {
        ++i; // the slash
        std::string denominator = digits();
        if (denominator.empty() || std::strtod(denominator.c_str(), nullptr) == 0.0)
            return false;
        *f = std::strtod(numerator.c_str(), nullptr) / std::strtod(denominator.c_str(), nullptr);
        return true;
    };
    blanks();
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    blanks();
    std::string whole = digits();
    double value = 0;
    if (i < n && (text[i] == '.' || text[i] == ',')) {
        ++i;
        std::string decimals = digits();
        if (whole.empty() && decimals.empty())
            return false;
        value = std::strtod(((whole.empty() ? "0" : whole) + "." + decimals).c_str(), nullptr);
    } else if (i < n && text[i] == '/') {
        if (whole.empty() || !fractionAfterSlash(whole, &value))
            return false;
    } else {
        if (whole.empty())
            return false;
        value = std::strtod(whole.c_str(), nullptr);
        size_t back = i;
        blanks();
        std::string numerator = digits();
        double f = 0;
        if (!numerator.empty() && i < n && text[i] == '/') {
            if (!fractionAfterSlash(numerator, &f))
                return false;
            value += f;
        } else {
            i = back;
        }
    }
    for (; i < n; ++i) {
        char c = text[i];
        if (!(c == ' ' || c == '\t' || c == '"' || c == '\'' || std::isalpha(static_cast<unsigned char>(c))))
            return false;
    }
    if (!std::isfinite(value))
        return false;
    *out = negative ? -value : value;
    return true;
}

} // namespace

void CVmxDialog::setWorkingUnits(int u1, int u2, int u3, int u4, int u5)
{
    m_workingUnits[0] = u1;
    m_workingUnits[1] = u2;
    m_workingUnits[2] = u3;
    m_workingUnits[3] = u4;
    m_workingUnits[4] = u5;
}

void CVmxDialog::vmxSetTextReal(char* text, double value, int precision)
{
    if (!text)
        return;
    int unit = m_workingUnits[0];
    int decimals = m_workingUnits[1] >= 0 ? std::min(m_workingUnits[1], 10) : DefaultDecimals(unit);
    double shown = value / MillimetresPer(unit);
    char number[48];
    std::snprintf(number, sizeof(number), "%.*f", decimals, std::isfinite(shown) ? shown : 0.0);
    std::string out = number;
    if (!precision && out.find('.') != std::string::npos) {
        while (!out.empty() && out.back() == '0')
            out.pop_back();
        if (!out.empty() && out.back() == '.')
            out.pop_back();
    }
    if (out == "-0")
        out = "0";
    if (m_workingUnits[2]) {
        CString unitText;
        getLinearUnitString(unit, unitText);
        if (!unitText.IsEmpty())
            out += std::string(" ") + unitText.GetString();
    }
    if (out.size() > 63)
        out.resize(63);
    std::memcpy(text, out.c_str(), out.size() + 1);
}

int CVmxDialog::vmxGetStrReal(CString& text, double* value, int)
{
    double parsed = 0;
    if (!ParseLength(text.GetString(), &parsed))
        return 0;
    if (value)
        *value = parsed * MillimetresPer(m_workingUnits[0]);
    return 1;
}
