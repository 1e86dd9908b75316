// Mouse input routed from screen points: activation by a click, capture, hit testing through
// transparent and disabled windows, non-client messages, double clicks by time and distance,
// hover and leave on the virtual clock, the wheel and the modifier keys.
#include "gui_fixture.h"
#include "msg_log.h"

#include <vector>

using namespace msgtest;
using namespace guitest;

namespace {

HWND g_transparent = nullptr;       // answers HTTRANSPARENT
LRESULT g_mouseActivate = 0;        // answer to WM_MOUSEACTIVATE when not 0
std::vector<LPARAM> g_setCursor;    // lParam of every WM_SETCURSOR (the recorder leaves it out)

bool RouteHook(HWND hwnd, UINT msg, WPARAM, LPARAM lParam, LRESULT* result)
{
    if (msg == WM_NCHITTEST && hwnd == g_transparent) {
        *result = HTTRANSPARENT;
        return true;
    }
    if (msg == WM_SETCURSOR)
        g_setCursor.push_back(lParam);
    if (msg == WM_MOUSEACTIVATE && g_mouseActivate) {
        *result = g_mouseActivate;
        return true;
    }
    return false;
}

class MouseRouteTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        g_transparent = nullptr;
        g_mouseActivate = 0;
        g_setCursor.clear();
        rec.SetHook(&RouteHook);
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Recorder::Proc;
        wc.lpszClassName = "MiscDblRecorder";
        RegisterClassA(&wc);
        top = Make(0, WS_POPUP | WS_VISIBLE, nullptr, 100, 100, 200, 150);
        child = Make(0, WS_CHILD | WS_VISIBLE, top, 10, 10, 50, 40);
        SetActiveWindow(nullptr); // as if the user had clicked elsewhere
        MiscSettle();
        rec.Clear();
    }
    HWND Make(DWORD ex, DWORD style, HWND parent, int x, int y, int w, int h, const char* cls = nullptr)
    {
        return CreateWindowExA(ex, cls ? cls : Recorder::ClassName(), "", style, x, y, w, h, parent, nullptr, nullptr,
                               nullptr);
    }
    // Messages of the mouse range that reached hwnd.
    std::vector<UINT> MouseOf(HWND hwnd) const
    {
        std::vector<UINT> out;
        for (UINT m : rec.MessagesOf(hwnd))
            if ((m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= 0x00A9) ||
                m == WM_MOUSEHOVER || m == WM_MOUSELEAVE || m == WM_NCMOUSELEAVE || m == WM_MOUSEACTIVATE)
                out.push_back(m);
        return out;
    }
    Recorder rec;
    HWND top = nullptr;
    HWND child = nullptr;
};

TEST_F(MouseRouteTest, AClickInAnInactiveWindowAsksTheChildAndActivatesItsTopLevelWindowFirst)
{
    ASSERT_NE(GetActiveWindow(), top);
    MiscSendMouseAt(WM_LBUTTONDOWN, 125, 125); // child's client (15, 15)
    EXPECT_EQ(rec.Compare({{WM_MOUSEACTIVATE, kChild},
                           {WM_MOUSEACTIVATE, kSelf},
                           {WM_NCACTIVATE, kSelf},
                           {WM_ACTIVATE, kSelf},
                           {WM_SETFOCUS, kSelf | kOptional},
                           {WM_LBUTTONDOWN, kChild},
                           {WM_NCPAINT, kSelf | kOptional}},
                          top, nullptr, child),
              "");
    for (const Logged& l : rec.Log())
        if (l.msg == WM_LBUTTONDOWN)
            EXPECT_EQ(l.lParam, MAKELPARAM(15, 15));
    EXPECT_EQ(GetActiveWindow(), top);
    // Once active, a click sends no WM_MOUSEACTIVATE.
    rec.Clear();
    MiscSendMouseAt(WM_LBUTTONUP, 125, 125);
    MiscSendMouseAt(WM_RBUTTONDOWN, 125, 125);
    EXPECT_EQ(rec.Compare({{WM_LBUTTONUP, kChild}, {WM_RBUTTONDOWN, kChild}}, top, nullptr, child), "");
}

TEST_F(MouseRouteTest, MouseActivateCanRefuseActivationAndEatTheClick)
{
    g_mouseActivate = MA_NOACTIVATEANDEAT;
    MiscSendMouseAt(WM_LBUTTONDOWN, 125, 125);
    EXPECT_EQ(MouseOf(child), (std::vector<UINT>{WM_MOUSEACTIVATE}));
    EXPECT_NE(GetActiveWindow(), top);
}

TEST_F(MouseRouteTest, TheCaptureWindowGetsEveryMouseMessageInItsOwnCoordinates)
{
    HWND other = Make(0, WS_POPUP | WS_VISIBLE, nullptr, 500, 500, 50, 50);
    SetActiveWindow(top);
    SetCapture(child);
    rec.Clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 510, 520);
    MiscSendMouseAt(WM_LBUTTONUP, 90, 95); // left of and above the child
    EXPECT_TRUE(MouseOf(other).empty());
    ASSERT_EQ(MouseOf(child), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONUP}));
    const Logged& up = rec.Log().back();
    EXPECT_EQ(GET_X_LPARAM(up.lParam), 90 - 110);
    EXPECT_EQ(GET_Y_LPARAM(up.lParam), 95 - 110);
}

TEST_F(MouseRouteTest, TransparentAndDisabledWindowsPassThePointOn)
{
    SetActiveWindow(top);
    HWND below = Make(0, WS_CHILD | WS_VISIBLE, top, 100, 10, 60, 60);
    HWND above = Make(0, WS_CHILD | WS_VISIBLE, top, 90, 0, 80, 80);
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    g_transparent = above;
    rec.Clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 220, 130); // inside both
    EXPECT_TRUE(MouseOf(above).empty());
    EXPECT_EQ(MouseOf(below), (std::vector<UINT>{WM_MOUSEMOVE}));
    // A disabled child gives the point to its parent.
    EnableWindow(child, FALSE);
    rec.Clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 125, 125);
    EXPECT_TRUE(MouseOf(child).empty());
    EXPECT_EQ(MouseOf(top), (std::vector<UINT>{WM_MOUSEMOVE}));
    // A disabled top-level window (a modal dialog's owner) takes nothing.
    EnableWindow(top, FALSE);
    rec.Clear();
    MiscSendMouseAt(WM_LBUTTONDOWN, 105, 105);
    EXPECT_TRUE(MouseOf(top).empty());
    MiscSendMouseAt(WM_LBUTTONUP, 105, 105);
}

TEST_F(MouseRouteTest, OutsideTheClientAreaMessagesAreNonClientWithTheHitCode)
{
    HWND framed = Make(0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 400, 300, 200, 150);
    SetActiveWindow(framed);
    MiscSettle();
    rec.Clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 500, 305 + GetSystemMetrics(SM_CYCAPTION) / 2);
    ASSERT_EQ(rec.Compare({{WM_NCMOUSEMOVE, kSelf | kWParam, HTCAPTION}}, framed, nullptr), "");
    EXPECT_EQ(rec.Log().back().lParam, MAKELPARAM(500, 305 + GetSystemMetrics(SM_CYCAPTION) / 2));
}

TEST_F(MouseRouteTest, DoubleClicksNeedTheClassStyleAndComeWithinTimeAndDistance)
{
    HWND dbl = Make(0, WS_POPUP | WS_VISIBLE, nullptr, 400, 100, 100, 100, "MiscDblRecorder");
    SetActiveWindow(dbl);
    auto click = [](int x, int y) {
        MiscSendMouseAt(WM_LBUTTONDOWN, x, y);
        MiscSendMouseAt(WM_LBUTTONUP, x, y);
    };
    rec.Clear();
    click(450, 150);
    click(451, 151);
    click(451, 151); // the third press starts afresh
    EXPECT_EQ(MouseOf(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                                                WM_LBUTTONDOWN, WM_LBUTTONUP}));
    // Too late, too far, or a class without CS_DBLCLKS: two single clicks.
    MiscAdvanceClock(GetDoubleClickTime() + 1);
    rec.Clear();
    click(450, 150);
    MiscAdvanceClock(GetDoubleClickTime() + 1);
    click(450, 150);
    click(450 + GetSystemMetrics(SM_CXDOUBLECLK), 150);
    EXPECT_EQ(MouseOf(dbl), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                                WM_LBUTTONDOWN, WM_LBUTTONUP}));
    SetActiveWindow(top);
    MiscAdvanceClock(GetDoubleClickTime() + 1);
    rec.Clear();
    click(125, 125);
    click(125, 125);
    EXPECT_EQ(MouseOf(child), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(MouseRouteTest, HoverComesAfterTheHoverTimeAndLeaveWhenTheMouseGoesElsewhere)
{
    SetActiveWindow(top);
    MiscSendMouseAt(WM_MOUSEMOVE, 125, 125);
    TRACKMOUSEEVENT tme{sizeof(tme), TME_HOVER | TME_LEAVE, child, HOVER_DEFAULT};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    rec.Clear();
    MiscAdvanceClock(MISC_HOVER_TIME - 1);
    MiscSendMouseAt(WM_MOUSEMOVE, 126, 125); // small moves keep the hover time running
    EXPECT_TRUE(rec.Log().size() == 1);
    MiscAdvanceClock(1);
    EXPECT_EQ(MouseOf(child), (std::vector<UINT>{WM_MOUSEMOVE, WM_MOUSEHOVER}));
    EXPECT_EQ(rec.Log().back().lParam, MAKELPARAM(16, 15));
    // Hover is reported once; leave when the mouse moves to the parent.
    rec.Clear();
    MiscAdvanceClock(MISC_HOVER_TIME * 3);
    MiscSendMouseAt(WM_MOUSEMOVE, 105, 105);
    EXPECT_EQ(rec.Compare({{WM_MOUSELEAVE, kChild}, {WM_MOUSEMOVE, kSelf}}, top, nullptr, child), "");
    // Tracking a window the mouse is not over reports the leave at once.
    rec.Clear();
    ASSERT_TRUE(TrackMouseEvent(&tme));
    MiscSettle();
    EXPECT_EQ(MouseOf(child), (std::vector<UINT>{WM_MOUSELEAVE}));
}

TEST_F(MouseRouteTest, TheWheelGoesToTheFocusAndModifiersComeFromTheKeyState)
{
    HWND other = Make(0, WS_POPUP | WS_VISIBLE, nullptr, 500, 500, 50, 50);
    SetFocus(child);
    rec.Clear();
    MiscSendMouseAt(WM_MOUSEWHEEL, 510, 510, -WHEEL_DELTA);
    ASSERT_EQ(MouseOf(child), (std::vector<UINT>{WM_MOUSEWHEEL}));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(rec.Log().front().wParam), -WHEEL_DELTA);
    EXPECT_TRUE(MouseOf(other).empty());
    rec.Clear();
    MiscSetKeyState(VK_CONTROL, TRUE);
    MiscSendMouseAt(WM_LBUTTONDOWN, 125, 125);
    MiscSetKeyState(VK_CONTROL, FALSE);
    ASSERT_FALSE(rec.Log().empty());
    EXPECT_EQ(rec.Log().back().wParam, static_cast<WPARAM>(MK_CONTROL | MK_LBUTTON));
    MiscSendMouseAt(WM_LBUTTONUP, 125, 125);
}

TEST_F(MouseRouteTest, SetCursorCarriesTheHitCodeAndTheMessageButNotUnderCapture)
{
    SetActiveWindow(top);
    g_setCursor.clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 125, 125);
    // The child's default handling asks its parent first, so both see the same lParam.
    ASSERT_FALSE(g_setCursor.empty());
    EXPECT_EQ(g_setCursor.front(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    SetCapture(child);
    g_setCursor.clear();
    MiscSendMouseAt(WM_MOUSEMOVE, 130, 125);
    EXPECT_TRUE(g_setCursor.empty());
    ReleaseCapture();
}

} // namespace
