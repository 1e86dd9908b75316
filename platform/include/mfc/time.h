#pragma once
// CTime and CTimeSpan: a calendar time as seconds since 1970-01-01 UTC (time_t), read in the
// local time zone, and a signed span of seconds.
#include <ctime>

#include "mfc/string.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CTimeSpan {
public:
    CTimeSpan() noexcept : m_timeSpan(0) {}
    CTimeSpan(LONGLONG seconds) noexcept : m_timeSpan(seconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
        : m_timeSpan(((static_cast<LONGLONG>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs)
    {
    }

    LONGLONG GetDays() const noexcept { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
    LONG GetHours() const noexcept { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
    LONG GetMinutes() const noexcept
    {
        return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60);
    }
    LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
    LONG GetSeconds() const noexcept
    {
        return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60);
    }
    LONGLONG GetTimeSpan() const noexcept { return m_timeSpan; }

    // %D days, %H hours (00-23), %M minutes, %S seconds, %% a percent sign; other text is copied.
    CString Format(LPCTSTR pFormat) const;

    CTimeSpan operator+(CTimeSpan span) const noexcept { return m_timeSpan + span.m_timeSpan; }
    CTimeSpan operator-(CTimeSpan span) const noexcept { return m_timeSpan - span.m_timeSpan; }
    CTimeSpan& operator+=(CTimeSpan span) noexcept
    {
        m_timeSpan += span.m_timeSpan;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan span) noexcept
    {
        m_timeSpan -= span.m_timeSpan;
        return *this;
    }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    LONGLONG m_timeSpan;
};

class CTime {
public:
    static CTime GetCurrentTime() noexcept;

    CTime() noexcept : m_time(0) {}
    CTime(time_t time) noexcept : m_time(time) {}
    // A local time. Out-of-range parts (month 13, day 0, hour 24...) give the invalid time -1.
    // nDST: 1 daylight saving time, 0 standard time, -1 as the time zone has it on that date.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1) noexcept;
    CTime(const SYSTEMTIME& st, int nDST = -1) noexcept;

    time_t GetTime() const noexcept { return m_time; }
    // The broken-down time, or null when the time cannot be represented.
    struct tm* GetLocalTm(struct tm* ptm) const noexcept;
    struct tm* GetGmtTm(struct tm* ptm) const noexcept;
    bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;

    // Local parts: year (e.g. 2024), month 1-12, day 1-31, hour 0-23, minute, second,
    // day of week 1 (Sunday) to 7 (Saturday). -1 for a time that cannot be represented.
    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept;

    // strftime formatting of the local (Format) or UTC (FormatGmt) time, any length; "" for a
    // time that cannot be represented.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    // The format is string resource nFormatID.
    CString Format(UINT nFormatID) const;

    CTimeSpan operator-(CTime time) const noexcept { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan span) const noexcept
    {
        return CTime(static_cast<time_t>(m_time - span.GetTimeSpan()));
    }
    CTime operator+(CTimeSpan span) const noexcept
    {
        return CTime(static_cast<time_t>(m_time + span.GetTimeSpan()));
    }
    CTime& operator+=(CTimeSpan span) noexcept
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span) noexcept
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(const CTime& other) const noexcept { return m_time == other.m_time; }
    auto operator<=>(const CTime& other) const noexcept { return m_time <=> other.m_time; }

private:
    time_t m_time;
};

MISC_PUBLIC_END
