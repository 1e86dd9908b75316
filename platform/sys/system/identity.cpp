// User name, computer name and the locale's number punctuation.
#include "win32/system.h"
#include "win32/base.h"
#include "system/sysenv.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string UserName()
{
    std::string name = miscsys::Env("MISC_USER_NAME");
    if (!name.empty())
        return name;
    struct passwd pw;
    struct passwd* found = nullptr;
    char buf[4096];
    if (getpwuid_r(geteuid(), &pw, buf, sizeof buf, &found) == 0 && found && found->pw_name)
        return found->pw_name;
    name = miscsys::Env("USER");
    return name.empty() ? std::string("user") : name;
}

std::string ComputerName()
{
    std::string name = miscsys::Env("MISC_COMPUTER_NAME");
    if (!name.empty())
        return name;
    char buf[256] = {};
    if (gethostname(buf, sizeof buf - 1) == 0 && buf[0])
        return buf;
    return "localhost";
}

// The numeric locale the user chose (LC_ALL, LC_NUMERIC, LANG), read without touching the
// process's global locale.
std::string NumericItem(nl_item item, const char* fallback)
{
    std::string result = fallback;
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc != static_cast<locale_t>(0)) {
        const char* v = nl_langinfo_l(item, loc);
        if (v && (*v || item == THOUSEP))
            result = v;
        freelocale(loc);
    }
    return result;
}

} // namespace

BOOL GetUserNameA(LPSTR buffer, LPDWORD size)
{
    if (!size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string name = UserName();
    DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (!buffer || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    miscsys::CopyOut(name, buffer, *size);
    *size = needed;
    return TRUE;
}

BOOL GetComputerNameA(LPSTR buffer, LPDWORD size)
{
    if (!size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string name = ComputerName();
    if (!buffer || *size < name.size() + 1) {
        *size = static_cast<DWORD>(name.size() + 1);
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return FALSE;
    }
    miscsys::CopyOut(name, buffer, *size);
    *size = static_cast<DWORD>(name.size());
    return TRUE;
}

int GetLocaleInfoA(LCID, LCTYPE type, LPSTR buffer, int size)
{
    std::string value;
    switch (type & 0xffff) {
    case LOCALE_SDECIMAL:
        // MISC_DECIMAL_SEPARATOR stands in for the user's choice (tests, machines without locales).
        if (const char* forced = std::getenv("MISC_DECIMAL_SEPARATOR"))
            value = forced;
        else
            value = NumericItem(RADIXCHAR, ".");
        break;
    case LOCALE_STHOUSAND:
        value = NumericItem(THOUSEP, ",");
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int needed = static_cast<int>(value.size() + 1);
    if (size == 0)
        return needed;
    if (!buffer || size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    miscsys::CopyOut(value, buffer, static_cast<size_t>(size));
    return needed;
}
