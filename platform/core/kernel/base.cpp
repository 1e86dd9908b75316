#include "win32/base.h"

#include <chrono>
#include <cstdint>
#include <ctime>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    // Windows rounds half away from zero.
    int64_t half = (c > 0 ? c : -static_cast<int64_t>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t quotient = magnitude / (c > 0 ? c : -static_cast<int64_t>(c));
    int64_t result = negative ? -quotient : quotient;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<int>(result);
}

namespace {
thread_local DWORD g_lastError = 0;

void FillSystemTime(LPSYSTEMTIME out, bool local)
{
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm parts{};
    if (local)
        localtime_r(&t, &parts);
    else
        gmtime_r(&t, &parts);
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    out->wYear = static_cast<WORD>(parts.tm_year + 1900);
    out->wMonth = static_cast<WORD>(parts.tm_mon + 1);
    out->wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    out->wDay = static_cast<WORD>(parts.tm_mday);
    out->wHour = static_cast<WORD>(parts.tm_hour);
    out->wMinute = static_cast<WORD>(parts.tm_min);
    out->wSecond = static_cast<WORD>(parts.tm_sec);
    out->wMilliseconds = static_cast<WORD>(ms);
}
} // namespace

DWORD GetLastError() { return g_lastError; }
void SetLastError(DWORD code) { g_lastError = code; }

void GetLocalTime(LPSYSTEMTIME time) { FillSystemTime(time, true); }
void GetSystemTime(LPSYSTEMTIME time) { FillSystemTime(time, false); }
