// CTime and CTimeSpan. Expectations are worked out in the local time zone of the run.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

TEST(CTimeTest, PartsRoundTrip)
{
    CTime t(2024, 2, 29, 13, 45, 30);
    ASSERT_NE(-1, t.GetTime());
    EXPECT_EQ(2024, t.GetYear());
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_EQ(29, t.GetDay());
    EXPECT_EQ(13, t.GetHour());
    EXPECT_EQ(45, t.GetMinute());
    EXPECT_EQ(30, t.GetSecond());
    EXPECT_EQ(5, t.GetDayOfWeek()); // a Thursday; Sunday is 1
    EXPECT_EQ(2, CTime(2024, 1, 1, 12, 0, 0).GetDayOfWeek());

    SYSTEMTIME st{};
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(2024, st.wYear);
    EXPECT_EQ(4, st.wDayOfWeek);
    EXPECT_EQ(t, CTime(st));
}

TEST(CTimeTest, OutOfRangePartsGiveInvalidTime)
{
    EXPECT_EQ(-1, CTime(2024, 13, 1, 0, 0, 0).GetTime());
    EXPECT_EQ(-1, CTime(2024, 1, 0, 0, 0, 0).GetTime());
    EXPECT_EQ(-1, CTime(2024, 1, 1, 24, 0, 0).GetTime());
    EXPECT_EQ(-1, CTime(1899, 1, 1, 0, 0, 0).GetTime());
}

TEST(CTimeTest, FormatFollowsStrftime)
{
    CTime t(2023, 7, 4, 9, 5, 7);
    EXPECT_EQ("2023-07-04 09:05:07", t.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ("", t.Format(""));
    EXPECT_EQ("", t.Format(static_cast<LPCTSTR>(nullptr)));
    CString longFormat;
    for (int i = 0; i < 400; ++i)
        longFormat += "%Y ";
    EXPECT_EQ(400 * 5, t.Format(longFormat).GetLength());
    EXPECT_EQ("1970-01-01 00:00", CTime(time_t(0)).FormatGmt("%Y-%m-%d %H:%M"));
}

TEST(CTimeTest, ArithmeticWithSpans)
{
    CTime a(2024, 3, 1, 10, 0, 0);
    CTime b = a + CTimeSpan(1, 2, 3, 4);
    CTimeSpan d = b - a;
    EXPECT_EQ(1, d.GetDays());
    EXPECT_EQ(2, d.GetHours());
    EXPECT_EQ(3, d.GetMinutes());
    EXPECT_EQ(4, d.GetSeconds());
    EXPECT_EQ(26, d.GetTotalHours());
    EXPECT_EQ(93784, d.GetTotalSeconds());
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b - d == a);
    b -= d;
    EXPECT_EQ(a, b);
    EXPECT_EQ("1 days 02:03:04 100%", d.Format("%D days %H:%M:%S 100%%"));
    EXPECT_GE(CTime::GetCurrentTime().GetYear(), 2024);
}

} // namespace
