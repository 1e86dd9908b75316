// Sent and posted messages, the queue, registered messages, and loops that cannot hang.
#include <gtest/gtest.h>

#include <windows.h>

#include "msg_log.h"
#include "win32/script.h"

using namespace msgtest;

namespace {

class WndMessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        a = CreateWindowExA(0, Recorder::ClassName(), "a", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        b = CreateWindowExA(0, Recorder::ClassName(), "b", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        rec.Clear();
    }
    void TearDown() override { MiscResetPlatform(); }
    Recorder rec;
    HWND a = nullptr, b = nullptr;
};

TEST_F(WndMessageTest, SentMessagesArriveAtOncePostedOnesWaitForThePump)
{
    SendMessageA(a, WM_USER + 1, 1, 2);
    PostMessageA(b, WM_USER + 2, 3, 4);
    ASSERT_EQ(rec.Log().size(), 1u);
    EXPECT_EQ(rec.Log()[0].msg, static_cast<UINT>(WM_USER + 1));
    EXPECT_EQ(rec.Log()[0].hwnd, a);
    MiscPumpMessages();
    ASSERT_EQ(rec.Log().size(), 2u);
    EXPECT_EQ(rec.Log()[1].hwnd, b);
    EXPECT_EQ(rec.Log()[1].wParam, 3u);
    EXPECT_EQ(rec.Log()[1].lParam, 4);
}

TEST_F(WndMessageTest, PostedMessagesKeepTheirOrderAndPeekFilters)
{
    PostMessageA(a, WM_USER + 1, 0, 0);
    PostMessageA(b, WM_USER + 2, 0, 0);
    PostMessageA(a, WM_USER + 3, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    std::vector<UINT> order;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_PAINT)
        order.push_back(msg.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
}

TEST_F(WndMessageTest, RegisteredMessagesAreSharedByNameAndTravelLikeOthers)
{
    UINT first = RegisterWindowMessageA("MiscTestMessage");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA("misctestmessage"), first);
    EXPECT_NE(RegisterWindowMessageA("Another"), first);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
    PostMessageA(b, first, 7, 8);
    MiscPumpMessages();
    ASSERT_EQ(rec.Log().size(), 1u);
    EXPECT_EQ(rec.Log()[0].msg, first);
}

TEST_F(WndMessageTest, AGetMessageLoopWithNothingToDoReturnsInsteadOfWaiting)
{
    PostMessageA(a, WM_USER, 0, 0);
    MSG msg;
    int got = 0;
    BOOL r;
    while ((r = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        DispatchMessageA(&msg);
        ++got;
    }
    EXPECT_EQ(r, -1);
    EXPECT_GE(got, 1);
}

TEST_F(WndMessageTest, ALoopThatIgnoresMinusOneIsEndedInsteadOfHanging)
{
    MiscClearModalErrors();
    MSG msg;
    int calls = 0;
    while (GetMessageA(&msg, nullptr, 0, 0) && calls < 5000) // the classic loop that spins on -1
        ++calls;
    EXPECT_LT(calls, 5000);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(MiscModalErrors().size(), 1u);
    MiscClearModalErrors();
}

TEST_F(WndMessageTest, QuitComesAfterPostedMessagesAndEndsGetMessage)
{
    PostQuitMessage(3);
    PostMessageA(a, WM_USER, 0, 0);
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    }
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WndMessageTest, MessagesToADestroyedWindowAreDropped)
{
    PostMessageA(a, WM_USER, 0, 0);
    DestroyWindow(a);
    rec.Clear();
    MiscPumpMessages();
    EXPECT_TRUE(rec.MessagesOf(a).empty());
    EXPECT_EQ(SendMessageA(a, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(a, WM_USER, 0, 0));
}

bool PostForever(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*)
{
    if (msg == WM_USER)
        PostMessageA(hwnd, WM_USER, 0, 0);
    return false;
}

TEST_F(WndMessageTest, APumpEndsEvenWhenAWindowKeepsPostingToItself)
{
    rec.SetHook(&PostForever);
    PostMessageA(a, WM_USER, 0, 0);
    MiscPumpMessages();
    rec.SetHook(nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_PAINT) {
    }
    SUCCEED();
}

TEST_F(WndMessageTest, SubclassingThroughTheWindowProcedureSeesMessagesFirst)
{
    static WNDPROC previous = nullptr;
    static int seen = 0;
    seen = 0;
    auto sub = [](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_USER + 9) {
            ++seen;
            return 42;
        }
        return CallWindowProcA(previous, hwnd, msg, w, l);
    };
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+sub)));
    EXPECT_EQ(previous, &Recorder::Proc);
    EXPECT_EQ(SendMessageA(a, WM_USER + 9, 0, 0), 42);
    SendMessageA(a, WM_USER + 10, 0, 0);
    EXPECT_EQ(seen, 1);
    ASSERT_EQ(rec.Log().size(), 1u);
    EXPECT_EQ(rec.Log()[0].msg, static_cast<UINT>(WM_USER + 10));
    SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    EXPECT_EQ(SendMessageA(a, WM_USER + 9, 0, 0), 0);
}

TEST_F(WndMessageTest, WindowWordsAndStyleChanges)
{
    SetWindowLongPtrA(a, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtrA(a, GWLP_USERDATA), 1234);
    SetWindowLongPtrA(a, GWLP_ID, 77);
    EXPECT_EQ(GetWindowLongPtrA(a, GWLP_ID), 77);
    rec.Clear();
    LONG old = SetWindowLongA(a, GWL_STYLE, GetWindowLongA(a, GWL_STYLE) | WS_BORDER);
    EXPECT_FALSE(old & WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(a, GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(rec.Compare({{WM_STYLECHANGING, kWParam, static_cast<WPARAM>(GWL_STYLE)},
                           {WM_STYLECHANGED, kWParam, static_cast<WPARAM>(GWL_STYLE)}},
                          a, nullptr),
              "");
    // A window without extra bytes refuses an index into them.
    EXPECT_EQ(GetWindowLongPtrA(a, 0), 0);
}

} // namespace
