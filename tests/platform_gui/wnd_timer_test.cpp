// Timers on the virtual clock: in order, never early, and GetTickCount following the clock.
#include <gtest/gtest.h>

#include <windows.h>

#include "msg_log.h"

using namespace msgtest;

namespace {

struct Fired {
    UINT_PTR id;
    DWORD tick;
};
std::vector<Fired> g_fired;

bool RecordTimer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM, LRESULT*)
{
    if (msg == WM_TIMER)
        g_fired.push_back(Fired{wParam, GetTickCount()});
    return false;
}

class WndTimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        g_fired.clear();
        rec.SetHook(&RecordTimer);
        hwnd = CreateWindowExA(0, Recorder::ClassName(), "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        start = GetTickCount();
    }
    void TearDown() override { MiscResetPlatform(); }
    Recorder rec;
    HWND hwnd = nullptr;
    DWORD start = 0;
};

TEST_F(WndTimerTest, TimersFireInTimeOrderAtTheirDueTimesAndNeverEarly)
{
    SetTimer(hwnd, 1, 300, nullptr);
    SetTimer(hwnd, 2, 100, nullptr);
    SetTimer(hwnd, 3, 250, nullptr);
    MiscAdvanceClock(99);
    EXPECT_TRUE(g_fired.empty());
    MiscAdvanceClock(201); // now start + 300
    std::vector<std::pair<UINT_PTR, DWORD>> got;
    for (const Fired& f : g_fired)
        got.emplace_back(f.id, f.tick - start);
    std::vector<std::pair<UINT_PTR, DWORD>> want = {{2, 100}, {2, 200}, {3, 250}, {1, 300}, {2, 300}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(GetTickCount() - start, 300u);
}

TEST_F(WndTimerTest, KillTimerStopsItAndResettingRestartsTheInterval)
{
    SetTimer(hwnd, 7, 100, nullptr);
    MiscAdvanceClock(60);
    SetTimer(hwnd, 7, 100, nullptr); // reset: next due at 160
    MiscAdvanceClock(60);
    EXPECT_TRUE(g_fired.empty());
    MiscAdvanceClock(40);
    ASSERT_EQ(g_fired.size(), 1u);
    EXPECT_EQ(g_fired[0].tick - start, 160u);
    EXPECT_TRUE(KillTimer(hwnd, 7));
    EXPECT_FALSE(KillTimer(hwnd, 7));
    MiscAdvanceClock(1000);
    EXPECT_EQ(g_fired.size(), 1u);
}

TEST_F(WndTimerTest, AHandlerThatKillsItsTimerFiresOnce)
{
    rec.SetHook([](HWND h, UINT msg, WPARAM w, LPARAM, LRESULT*) {
        if (msg == WM_TIMER) {
            g_fired.push_back(Fired{w, GetTickCount()});
            KillTimer(h, w);
        }
        return false;
    });
    SetTimer(hwnd, 1025, 500, nullptr);
    MiscAdvanceClock(499);
    EXPECT_TRUE(g_fired.empty());
    MiscAdvanceClock(10000);
    ASSERT_EQ(g_fired.size(), 1u);
    EXPECT_EQ(g_fired[0].tick - start, 500u);
}

TEST_F(WndTimerTest, TimersDieWithTheirWindowAndCallbacksRunWithoutOne)
{
    SetTimer(hwnd, 1, 50, nullptr);
    DestroyWindow(hwnd);
    MiscAdvanceClock(100);
    EXPECT_TRUE(g_fired.empty());

    static std::vector<DWORD> calls;
    calls.clear();
    UINT_PTR id = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD time) { calls.push_back(time); });
    EXPECT_NE(id, 0u);
    MiscAdvanceClock(95);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2] - start, 190u);
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(WndTimerTest, ShortIntervalsAreRaisedToTheWindowsMinimum)
{
    SetTimer(hwnd, 1, 1, nullptr);
    MiscAdvanceClock(25);
    ASSERT_EQ(g_fired.size(), 2u);
    EXPECT_EQ(g_fired[0].tick - start, 10u);
}

} // namespace
