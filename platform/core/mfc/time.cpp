#include "mfc/time.h"

#include <cstring>

namespace {

// strftime into a CString, growing the buffer until the text fits. strftime answers 0 both for
// an empty result and for a buffer that is too small, so stop at a generous bound.
CString FormatTm(const struct tm& tm, LPCTSTR pFormat)
{
    CString out;
    if (!pFormat || !*pFormat)
        return out;
    size_t size = 256;
    const size_t limit = 64 * 1024 + 16 * strlen(pFormat);
    for (; size <= limit; size *= 2) {
        char* buffer = out.GetBuffer(static_cast<int>(size));
        size_t n = strftime(buffer, size + 1, pFormat, &tm);
        if (n > 0) {
            out.ReleaseBuffer(static_cast<int>(n));
            return out;
        }
    }
    out.Empty();
    return out;
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

CTime CTime::GetCurrentTime() noexcept
{
    return CTime(time(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) noexcept
    : m_time(-1)
{
    if (!InRange(nYear, 1900, 9999) || !InRange(nMonth, 1, 12) || !InRange(nDay, 1, 31) ||
        !InRange(nHour, 0, 23) || !InRange(nMin, 0, 59) || !InRange(nSec, 0, 59))
        return;
    struct tm tm {};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMin;
    tm.tm_sec = nSec;
    tm.tm_isdst = nDST < 0 ? -1 : (nDST > 0 ? 1 : 0);
    m_time = mktime(&tm);
}

CTime::CTime(const SYSTEMTIME& st, int nDST) noexcept
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const noexcept
{
    return ptm ? localtime_r(&m_time, ptm) : nullptr;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const noexcept
{
    return ptm ? gmtime_r(&m_time, ptm) : nullptr;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept
{
    struct tm tm;
    if (!GetLocalTm(&tm) || tm.tm_year + 1900 < 1601 || tm.tm_year + 1900 > 30827)
        return false;
    st.wYear = static_cast<WORD>(tm.tm_year + 1900);
    st.wMonth = static_cast<WORD>(tm.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(tm.tm_wday);
    st.wDay = static_cast<WORD>(tm.tm_mday);
    st.wHour = static_cast<WORD>(tm.tm_hour);
    st.wMinute = static_cast<WORD>(tm.tm_min);
    st.wSecond = static_cast<WORD>(tm.tm_sec);
    st.wMilliseconds = 0;
    return true;
}

int CTime::GetYear() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_year + 1900 : -1;
}

int CTime::GetMonth() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_mon + 1 : -1;
}

int CTime::GetDay() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_mday : -1;
}

int CTime::GetHour() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_hour : -1;
}

int CTime::GetMinute() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_min : -1;
}

int CTime::GetSecond() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_sec : -1;
}

int CTime::GetDayOfWeek() const noexcept
{
    struct tm tm;
    return GetLocalTm(&tm) ? tm.tm_wday + 1 : -1;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm tm;
    return GetLocalTm(&tm) ? FormatTm(tm, pFormat) : CString();
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm tm;
    return GetGmtTm(&tm) ? FormatTm(tm, pFormat) : CString();
}

CString CTime::Format(UINT nFormatID) const
{
    CString format;
    format.LoadString(nFormatID);
    return Format(format.GetString());
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString out;
    if (!pFormat)
        return out;
    for (const char* p = pFormat; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out.AppendChar(*p);
            continue;
        }
        switch (*++p) {
        case 'D': out.AppendFormat("%lld", static_cast<long long>(GetDays())); break;
        case 'H': out.AppendFormat("%02ld", static_cast<long>(GetHours())); break;
        case 'M': out.AppendFormat("%02ld", static_cast<long>(GetMinutes())); break;
        case 'S': out.AppendFormat("%02ld", static_cast<long>(GetSeconds())); break;
        case '%': out.AppendChar('%'); break;
        default:
            out.AppendChar('%');
            out.AppendChar(*p);
            break;
        }
    }
    return out;
}
