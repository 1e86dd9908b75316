// Unit texts, the digit normaliser, rounding and the file check of the family dialogs library.
#include "family/vmxunits.h"

#include "win32/system.h"

#include <cmath>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct UnitName {
    const char* shortName;
    const char* fullName;
};

const UnitName kLinear[] = {{"mm", "millimetres"}, {"cm", "centimetres"}, {"m", "metres"}, {"in", "inches"},
                            {"ft", "feet"},        {"yd", "yards"},       {"dm", "decimetres"}};
const UnitName kTime[] = {{"s", "seconds"}, {"min", "minutes"}, {"h", "hours"}, {"ms", "milliseconds"}};
const char* const kAngle[] = {"deg", "rad", "grad"};

template <class T, size_t N>
const T* Pick(const T (&table)[N], int code)
{
    return code >= 0 && static_cast<size_t>(code) < N ? &table[code] : nullptr;
}

} // namespace

void getLinearUnitString(int unit, CString& out, bool fullName)
{
    const UnitName* u = Pick(kLinear, unit);
    out = u ? (fullName ? u->fullName : u->shortName) : "";
}

void getSquareUnitString(int unit, CString& out)
{
    const UnitName* u = Pick(kLinear, unit);
    out = u ? CString("sq ") + u->shortName : CString();
}

void getAngleUnitString(int unit, CString& out)
{
    const char* const* u = Pick(kAngle, unit);
    out = u ? *u : "";
}

void getTimeUnitString(int unit, CString& out, bool fullName)
{
    const UnitName* u = Pick(kTime, unit);
    out = u ? (fullName ? u->fullName : u->shortName) : "";
}

void getPercentageUnitString(CString& out) { out = "%"; }

void BuildDigitString(CString& text, int, const CDbArray<int>& extra)
{
    CString result;
    bool point = false;
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        // A minus before anything else is kept is the number's sign, extra character or not.
        bool sign = c == '-' && result.IsEmpty();
        if (sign || extra.Find(static_cast<unsigned char>(c)) || (c >= '0' && c <= '9') || c == '/') {
            result += c;
        } else if ((c == '.' || c == ',') && !point) {
            result += '.';
            point = true;
        }
    }
    text = result;
}

int roundReal(const double& value)
{
    if (std::isnan(value))
        return 0;
    double r = std::round(value); // halves away from zero
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

int IsFileValid(const CString& path, int forWriting)
{
    std::string p = MiscNativePath(path);
    if (p.empty())
        return 0;
    struct stat st;
    if (stat(p.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return 0;
        if (!forWriting)
            return access(p.c_str(), R_OK) == 0;
        return (GetFileAttributesA(p.c_str()) & FILE_ATTRIBUTE_READONLY) == 0;
    }
    if (!forWriting)
        return 0;
    size_t slash = p.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : p.substr(0, slash));
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(dir.c_str(), W_OK) == 0;
}
