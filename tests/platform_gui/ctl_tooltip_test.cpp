// Tool tips: the tool list, showing after the initial delay on the virtual clock and hiding after
// the auto-pop delay, relayed and subclassed mouse messages, texts asked of the tool's window,
// clicks and leaving the tool, the reshow delay between tools, wrapping at the maximum width.
#include "gui_fixture.h"

#include <afxcmn.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

std::vector<UINT> g_codes;        // tool tip notifications seen by the tool windows
std::string g_callbackText = "Asked";

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        g_codes.push_back(hdr->code);
        if (hdr->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            std::snprintf(info->szText, sizeof(info->szText), "%s %d", g_callbackText.c_str(), static_cast<int>(hdr->idFrom));
            if (g_callbackText.empty())
                info->szText[0] = '\0';
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ToolTipTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_codes.clear();
        g_callbackText = "Asked";
        WNDCLASSA wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.lpszClassName = "TipOwner";
        RegisterClassA(&wc);
        owner = CreateWindowExA(0, "TipOwner", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
        button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 200, 150, 80, 30, owner,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(1)), nullptr, nullptr);
        tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, owner, nullptr, nullptr, nullptr);
    }
    BOOL AddRect(UINT_PTR id, RECT r, const char* text, UINT flags = 0)
    {
        TOOLINFOA ti{};
        ti.cbSize = sizeof(ti);
        ti.uFlags = flags;
        ti.hwnd = owner;
        ti.uId = id;
        ti.rect = r;
        ti.lpszText = const_cast<LPSTR>(text);
        return static_cast<BOOL>(SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    }
    void Relay(HWND hwnd, UINT msg, int x, int y)
    {
        MiscSendMouse(hwnd, WM_MOUSEMOVE, x, y); // places the cursor
        MSG m{hwnd, msg, 0, MAKELPARAM(x, y), 0, {}};
        GetCursorPos(&m.pt);
        SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
    }
    std::string Shown() const
    {
        if (!IsWindowVisible(tip))
            return "";
        char text[128] = {0};
        GetWindowTextA(tip, text, sizeof(text));
        return text;
    }
    HWND owner = nullptr, button = nullptr, tip = nullptr;
};

TEST_F(ToolTipTest, ToolsAreAddedFoundUpdatedAndRemoved)
{
    ASSERT_TRUE(AddRect(1, RECT{0, 0, 50, 50}, "First"));
    ASSERT_TRUE(AddRect(2, RECT{60, 0, 110, 50}, "Second"));
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    char buffer[80] = {0};
    TOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = owner;
    ti.uId = 2;
    ti.lpszText = buffer;
    SendMessageA(tip, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(buffer, "Second");
    ti.lpszText = const_cast<LPSTR>("Renamed");
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    ti.lpszText = buffer;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_STREQ(buffer, "Renamed");
    EXPECT_EQ(ti.rect.left, 60);

    TTHITTESTINFOA hit{};
    hit.hwnd = owner;
    hit.pt = POINT{70, 10};
    hit.ti.cbSize = sizeof(TOOLINFOA);
    ASSERT_TRUE(SendMessageA(tip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)));
    EXPECT_EQ(hit.ti.uId, 2u);
    hit.pt = POINT{55, 10};
    EXPECT_FALSE(SendMessageA(tip, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)));

    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_FALSE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)));
}

TEST_F(ToolTipTest, ShowsAfterTheInitialDelayAndPopsAfterTheAutoPopDelay)
{
    AddRect(1, RECT{0, 0, 100, 100}, "Zoom in");
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 400);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 3000);
    Relay(owner, WM_MOUSEMOVE, 20, 20);
    MiscAdvanceClock(399);
    EXPECT_EQ(Shown(), "");
    MiscAdvanceClock(1);
    EXPECT_EQ(Shown(), "Zoom in");
    // Below the cursor, on the desktop.
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_GT(r.top, 120);
    EXPECT_GE(r.left, 100);
    EXPECT_EQ(g_codes, std::vector<UINT>{TTN_SHOW});
    MiscAdvanceClock(2999);
    EXPECT_EQ(Shown(), "Zoom in");
    MiscAdvanceClock(1);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(g_codes, (std::vector<UINT>{TTN_SHOW, TTN_POP}));
    // It stays away while the mouse stays on the tool.
    Relay(owner, WM_MOUSEMOVE, 25, 25);
    MiscAdvanceClock(1000);
    EXPECT_EQ(Shown(), "");
}

TEST_F(ToolTipTest, ClickOrLeavingTheToolHidesTheTip)
{
    AddRect(1, RECT{0, 0, 100, 100}, "Tool");
    Relay(owner, WM_MOUSEMOVE, 20, 20);
    MiscAdvanceClock(GetDoubleClickTime());
    ASSERT_EQ(Shown(), "Tool");
    Relay(owner, WM_LBUTTONDOWN, 20, 20);
    EXPECT_EQ(Shown(), "");
    MiscAdvanceClock(2000);
    EXPECT_EQ(Shown(), ""); // not again until the mouse has left

    Relay(owner, WM_MOUSEMOVE, 150, 150);
    Relay(owner, WM_MOUSEMOVE, 20, 20);
    MiscAdvanceClock(GetDoubleClickTime());
    ASSERT_EQ(Shown(), "Tool");
    // The mouse goes where no relayed message reports it: the tip sees it leave by itself.
    MiscSendMouse(owner, WM_MOUSEMOVE, 250, 20);
    MiscAdvanceClock(200);
    EXPECT_EQ(Shown(), "");
}

TEST_F(ToolTipTest, MovingToANeighbourShowsItsTipAfterTheReshowDelay)
{
    AddRect(1, RECT{0, 0, 50, 50}, "Left");
    AddRect(2, RECT{50, 0, 100, 50}, "Right");
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 500);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 5000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 100);
    Relay(owner, WM_MOUSEMOVE, 10, 10);
    MiscAdvanceClock(500);
    ASSERT_EQ(Shown(), "Left");
    Relay(owner, WM_MOUSEMOVE, 60, 10);
    EXPECT_EQ(Shown(), "");
    MiscAdvanceClock(100);
    EXPECT_EQ(Shown(), "Right");
}

TEST_F(ToolTipTest, SubclassedToolsNeedNoRelayAndAreReleasedAgain)
{
    auto original = GetWindowLongPtrA(button, GWLP_WNDPROC);
    TOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = owner;
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    ti.lpszText = const_cast<LPSTR>("Press me");
    ASSERT_TRUE(SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_NE(GetWindowLongPtrA(button, GWLP_WNDPROC), original);
    MiscSendMouse(button, WM_MOUSEMOVE, 5, 5);
    MiscAdvanceClock(GetDoubleClickTime());
    EXPECT_EQ(Shown(), "Press me");
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), original);

    // Destroying the tip lets go of its tools too.
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    DestroyWindow(tip);
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), original);
    MiscSendMouse(button, WM_MOUSEMOVE, 6, 6); // nothing left to reach
}

TEST_F(ToolTipTest, CallbackTextsAreAskedOfTheToolsWindow)
{
    AddRect(7, RECT{0, 0, 100, 100}, LPSTR_TEXTCALLBACKA);
    Relay(owner, WM_MOUSEMOVE, 20, 20);
    MiscAdvanceClock(GetDoubleClickTime());
    EXPECT_EQ(Shown(), "Asked 7");
    EXPECT_EQ(g_codes, (std::vector<UINT>{TTN_GETDISPINFOA, TTN_SHOW}));
    SendMessageA(tip, TTM_POP, 0, 0);
    g_callbackText.clear();
    SendMessageA(tip, TTM_POPUP, 0, 0);
    EXPECT_EQ(Shown(), ""); // no text, no tip
}

TEST_F(ToolTipTest, InactiveTipsStayHiddenAndLongTextsWrapAtTheMaximumWidth)
{
    std::string text = "A long explanation of what this tool does when it is pressed";
    AddRect(1, RECT{0, 0, 100, 100}, text.c_str());
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    Relay(owner, WM_MOUSEMOVE, 20, 20);
    MiscAdvanceClock(GetDoubleClickTime());
    EXPECT_EQ(Shown(), "");

    SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    SendMessageA(tip, TTM_POPUP, 0, 0);
    RECT wide;
    GetWindowRect(tip, &wide);
    EXPECT_EQ(SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 120), -1);
    SendMessageA(tip, TTM_POPUP, 0, 0);
    RECT narrow;
    GetWindowRect(tip, &narrow);
    EXPECT_LE(narrow.right - narrow.left, 120);
    EXPECT_GT(narrow.bottom - narrow.top, 2 * (wide.bottom - wide.top) - 8);
}

TEST_F(ToolTipTest, TrackingTipsShowWhereTheyAreToldUntilTurnedOff)
{
    ASSERT_TRUE(AddRect(3, RECT{0, 0, 10, 10}, "Length 120 mm", TTF_TRACK | TTF_ABSOLUTE));
    SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(300, 200));
    TOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = owner;
    ti.uId = 3;
    SendMessageA(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(Shown(), "Length 120 mm"); // at once, no delay
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
    SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(320, 210));
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.left, 320);
    MiscAdvanceClock(60000);
    EXPECT_EQ(Shown(), "Length 120 mm"); // no auto-pop for a tracking tip
    SendMessageA(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
    EXPECT_EQ(Shown(), "");
}

TEST_F(ToolTipTest, MfcToolTipCtrlOnAWindow)
{
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(CWnd::FromHandle(owner)));
    CWnd* ok = CWnd::FromHandle(button);
    ASSERT_TRUE(tips.AddTool(ok, "Accept"));
    EXPECT_FALSE(tips.AddTool(ok, "No id", CRect(0, 0, 5, 5))); // a rectangle needs an identifier
    EXPECT_EQ(tips.GetToolCount(), 1);
    tips.SetDelayTime(TTDT_INITIAL, 100);
    EXPECT_EQ(tips.GetDelayTime(TTDT_INITIAL), 100);
    MiscSendMouse(button, WM_MOUSEMOVE, 5, 5);
    MiscAdvanceClock(100);
    EXPECT_TRUE(tips.IsWindowVisible());
    CString text;
    tips.GetText(text, ok);
    EXPECT_STREQ(text.GetString(), "Accept");
    MiscSurface shot = MiscCaptureWindow(tips.m_hWnd);
    EXPECT_GT(shot.width, 20);
    tips.DestroyWindow();
}

} // namespace
