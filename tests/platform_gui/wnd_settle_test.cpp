// The settle loop: the order of posted messages, idle time and painting, invalidation made while
// painting, timers interleaved with what they post, and the named limits that end runaway loops.
#include "gui_fixture.h"
#include "msg_log.h"

#include <afxwin.h>

#include <string>
#include <vector>

using namespace msgtest;
using namespace guitest;

namespace {

// What the recorder's hook does; reset by every test.
int g_invalidateInPaint = 0;  // times WM_PAINT invalidates the window again after BeginPaint
bool g_postInPaint = false;   // WM_PAINT posts WM_USER
bool g_skipBeginPaint = false;
COLORREF g_colour = RGB(255, 0, 0);

bool PaintHook(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg == WM_TIMER) {
        PostMessageA(hwnd, WM_USER + 1, 0, 0);
        g_colour = RGB(0, 0, 255);
        InvalidateRect(hwnd, nullptr, FALSE);
        *result = 0;
        return true;
    }
    if (msg != WM_PAINT)
        return false;
    *result = 0;
    if (g_skipBeginPaint)
        return true;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(g_colour);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    if (g_invalidateInPaint > 0) {
        --g_invalidateInPaint;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    if (g_postInPaint) {
        g_postInPaint = false;
        PostMessageA(hwnd, WM_USER, 0, 0);
    }
    return true;
}

class SettleTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_invalidateInPaint = 0;
        g_postInPaint = false;
        g_skipBeginPaint = false;
        g_colour = RGB(255, 0, 0);
        rec.SetHook(&PaintHook);
        w = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr,
                            nullptr, nullptr);
        MiscSettle();
        rec.Clear();
    }
    Recorder rec;
    HWND w = nullptr;
};

TEST_F(SettleTest, AWindowInvalidatingItselfOnceWhilePaintingIsPaintedExactlyTwice)
{
    g_invalidateInPaint = 1;
    InvalidateRect(w, nullptr, FALSE);
    MiscSettle();
    EXPECT_EQ(rec.Compare({{WM_PAINT}, {WM_PAINT}}, w, nullptr), "");
    EXPECT_TRUE(MiscWindowSystemErrors().empty());
}

TEST_F(SettleTest, AHandlerThatNeverBeginsPaintingIsValidatedAfterItsOnePaint)
{
    g_skipBeginPaint = true;
    InvalidateRect(w, nullptr, TRUE);
    MiscSettle();
    EXPECT_EQ(rec.Compare({{WM_PAINT}}, w, nullptr), "");
    RECT update;
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

TEST_F(SettleTest, PostedMessagesComeBeforePaintingAndAPostFromPaintBeforeTheCapture)
{
    InvalidateRect(w, nullptr, FALSE);
    PostMessageA(w, WM_NULL, 0, 0);
    g_postInPaint = true;
    MiscCaptureWindow(w);
    EXPECT_EQ(rec.Compare({{WM_NULL}, {WM_PAINT}, {WM_USER}}, w, nullptr), "");
}

TEST_F(SettleTest, ATimerThatPostsAndInvalidatesShowsInTheNextCapture)
{
    SetTimer(w, 7, 100, nullptr);
    MiscAdvanceClock(100);
    EXPECT_EQ(rec.Compare({{WM_TIMER, kWParam, 7}, {WM_USER + 1}, {WM_PAINT}}, w, nullptr), "");
    MiscSurface picture = MiscCaptureWindow(w);
    ASSERT_FALSE(picture.pixels.empty());
    EXPECT_EQ(picture.row(10)[10], MiscPixelFromColor(RGB(0, 0, 255)));
}

TEST_F(SettleTest, TimersFallingDueInOneAdvanceEachSeeTheirPostsHandledFirst)
{
    SetTimer(w, 1, 10, nullptr);
    MiscAdvanceClock(25); // fires at 10 and 20
    EXPECT_EQ(rec.Compare({{WM_TIMER}, {WM_USER + 1}, {WM_PAINT}, {WM_TIMER}, {WM_USER + 1}, {WM_PAINT}}, w, nullptr),
              "");
}

TEST_F(SettleTest, AWindowThatAlwaysInvalidatesItselfEndsTheSettleWithAnError)
{
    g_invalidateInPaint = 1000000;
    InvalidateRect(w, nullptr, FALSE);
    MiscSettle();
    EXPECT_EQ(rec.MessagesOf(w).size(), static_cast<size_t>(MISC_SETTLE_ROUND_LIMIT));
    std::vector<std::string> errors = MiscWindowSystemErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("MISC_SETTLE_ROUND_LIMIT"), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("MiscTestRecorder"), std::string::npos) << errors[0];
    MiscClearWindowSystemErrors();
}

bool Reposting(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* result)
{
    if (msg == WM_USER)
        PostMessageA(hwnd, WM_USER, 0, 0);
    else if (msg == WM_USER + 2)
        SendMessageA(hwnd, WM_USER + 2, 0, 0);
    else
        return false;
    *result = 0;
    return true;
}

TEST_F(SettleTest, RunawayPostingAndSendingAreCutOffAndReported)
{
    rec.SetHook(&Reposting);
    PostMessageA(w, WM_USER, 0, 0);
    MiscSettle();
    EXPECT_EQ(rec.MessagesOf(w).size(), static_cast<size_t>(MISC_SETTLE_MESSAGE_LIMIT));
    SendMessageA(w, WM_USER + 2, 0, 0); // would overflow the stack in Windows
    std::vector<std::string> errors = MiscWindowSystemErrors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("MISC_SETTLE_MESSAGE_LIMIT"), std::string::npos);
    EXPECT_NE(errors[1].find("MISC_SEND_DEPTH_LIMIT"), std::string::npos);
    // Sending works again once the runaway has unwound.
    rec.SetHook(nullptr);
    rec.Clear();
    SendMessageA(w, WM_USER + 3, 0, 0);
    EXPECT_EQ(rec.Compare({{WM_USER + 3}}, w, nullptr), "");
    MiscClearWindowSystemErrors();
}

// ---- Idle time ----

std::vector<std::string> g_idle;

class IdleApp : public CWinApp {
public:
    explicit IdleApp(bool greedy) : CWinApp("Idle"), m_greedy(greedy) {}
    BOOL OnIdle(LONG count) override
    {
        g_idle.push_back("idle " + std::to_string(count));
        CWinApp::OnIdle(count);
        return m_greedy || count < 1;
    }

private:
    bool m_greedy;
};

class UpdatedWnd : public CWnd {
public:
    std::string name;

protected:
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        g_idle.push_back("update " + name);
        return 0;
    }
    afx_msg LRESULT OnKick(WPARAM, LPARAM count)
    {
        g_idle.push_back("kick " + name + " " + std::to_string(count));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdatedWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
    ON_MESSAGE(WM_KICKIDLE, OnKick)
END_MESSAGE_MAP()

class IdleTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_idle.clear();
    }
};

TEST_F(IdleTest, IdleComesAfterPostedMessagesAndUpdatesVisibleMfcWindowsFirst)
{
    IdleApp app(false);
    UpdatedWnd frame, child, hidden;
    frame.name = "frame";
    child.name = "child";
    hidden.name = "hidden";
    frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr);
    child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame.m_hWnd, nullptr);
    hidden.CreateEx(0, nullptr, "hidden", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    MiscSettle();
    g_idle.clear();
    MiscSettle();
    EXPECT_EQ(g_idle, (std::vector<std::string>{"idle 0", "update frame", "update child", "idle 1"}));
    // Idle waits for the posted messages, and a settle with nothing new to do idles only once.
    g_idle.clear();
    frame.PostMessage(WM_NULL);
    EXPECT_EQ(MiscSettle(), 1);
    EXPECT_EQ(g_idle.front(), "idle 0");
    EXPECT_EQ(g_idle.size(), 4u);
}

TEST_F(IdleTest, AGreedyOnIdleIsCutOffAndReported)
{
    IdleApp app(true);
    MiscSettle();
    EXPECT_EQ(g_idle.size(), static_cast<size_t>(MISC_IDLE_CALL_LIMIT));
    ASSERT_EQ(MiscWindowSystemErrors().size(), 1u);
    EXPECT_NE(MiscWindowSystemErrors()[0].find("MISC_IDLE_CALL_LIMIT"), std::string::npos);
    MiscClearWindowSystemErrors();
}

INT_PTR CALLBACK KickRecorder(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        EndDialog(dialog, LOWORD(wParam));
    if (msg == WM_KICKIDLE)
        g_idle.push_back("kick " + std::to_string(lParam));
    return msg == WM_INITDIALOG;
}

TEST_F(IdleTest, AModalWindowGetsKickIdleInsteadOfTheApplication)
{
    IdleApp app(false);
    MiscSetModalHandler([&](MiscModal& m) {
        g_idle.push_back("handler");
        EXPECT_TRUE(MiscClickButton(m.hwnd, IDOK));
    });
    EXPECT_EQ(DialogBoxParamA(TestModule(), MAKEINTRESOURCEA(kDlgBasic), nullptr, KickRecorder, 0), IDOK);
    // The dialog idles before the scripted user sees it and again after every burst of messages;
    // the application's OnIdle waits for the outer loop.
    ASSERT_GE(g_idle.size(), 2u);
    EXPECT_EQ(g_idle[0], "kick 0");
    EXPECT_EQ(g_idle[1], "handler");
    for (const std::string& e : g_idle)
        EXPECT_EQ(e.find("idle"), std::string::npos) << e;
    EXPECT_TRUE(MiscModalErrors().empty());
}

} // namespace

namespace {

TEST_F(SettleTest, AGetMessageLoopOverAWindowThatAlwaysInvalidatesItselfEnds)
{
    g_invalidateInPaint = 1000000;
    InvalidateRect(w, nullptr, FALSE);
    MSG msg;
    int paints = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && paints < 100000) {
        DispatchMessageA(&msg);
        ++paints;
    }
    EXPECT_EQ(paints, MISC_SETTLE_ROUND_LIMIT);
    ASSERT_EQ(MiscWindowSystemErrors().size(), 1u);
    MiscClearWindowSystemErrors();
}

} // namespace

namespace {

TEST_F(IdleTest, TheApplicationsOwnLoopIdlesWhenNothingWaitsAndEndsOnQuit)
{
    class QuittingApp : public IdleApp {
    public:
        QuittingApp() : IdleApp(false) {}
        BOOL OnIdle(LONG count) override
        {
            BOOL more = IdleApp::OnIdle(count);
            if (count == 1)
                PostQuitMessage(3);
            return more;
        }
    } app;
    EXPECT_EQ(app.Run(), 3);
    EXPECT_EQ(g_idle, (std::vector<std::string>{"idle 0", "idle 1"}));
}

} // namespace
