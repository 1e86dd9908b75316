// Focus, activation, capture, cursor and keys; the non-client frame, SetWindowPos and coordinate
// mapping; system metrics and the reported Windows version.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

#include "gui_fixture.h"
#include "msg_log.h"

using namespace msgtest;
using namespace guitest;

namespace {

class InputTest : public GuiTest {
protected:
    HWND Window(DWORD style, HWND parent = nullptr, int x = 0, int y = 0, int w = 200, int h = 100)
    {
        return CreateWindowExA(0, Recorder::ClassName(), "w", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
    }
    Recorder rec;
};

TEST_F(InputTest, FocusMovesWithKillFocusBeforeSetFocus)
{
    HWND top = Window(WS_POPUP | WS_VISIBLE);
    HWND a = Window(WS_CHILD | WS_VISIBLE, top);
    HWND b = Window(WS_CHILD | WS_VISIBLE, top);
    SetFocus(a);
    rec.Clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    ASSERT_EQ(rec.Log().size(), 2u);
    EXPECT_EQ(rec.Log()[0].hwnd, a);
    EXPECT_EQ(rec.Log()[0].msg, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(rec.Log()[0].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(rec.Log()[1].hwnd, b);
    EXPECT_EQ(rec.Log()[1].msg, static_cast<UINT>(WM_SETFOCUS));
    // A disabled window takes no focus, and disabling the focus window takes it away.
    EnableWindow(a, FALSE);
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), b);
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(InputTest, DestroyingTheFocusWindowGivesTheFocusToItsParent)
{
    HWND top = Window(WS_POPUP | WS_VISIBLE);
    HWND child = Window(WS_CHILD | WS_VISIBLE, top);
    SetFocus(child);
    DestroyWindow(child);
    EXPECT_EQ(GetFocus(), top);
    EXPECT_EQ(GetActiveWindow(), top);
    DestroyWindow(top);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(InputTest, CaptureChangesAreAnnouncedToTheLoser)
{
    HWND a = Window(WS_POPUP | WS_VISIBLE);
    HWND b = Window(WS_POPUP | WS_VISIBLE);
    SetCapture(a);
    rec.Clear();
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(rec.Compare({{WM_CAPTURECHANGED}}, a, nullptr), "");
    EXPECT_EQ(rec.Log()[0].lParam, reinterpret_cast<LPARAM>(b));
    rec.Clear();
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(rec.Compare({{WM_CAPTURECHANGED}}, b, nullptr), "");
    // The captured window gets the mouse wherever it is, in its own coordinates.
    SetCapture(a);
    rec.Clear();
    MiscSendMouse(b, WM_MOUSEMOVE, 10, 10);
    auto moves = [&](HWND h) {
        std::vector<UINT> got = rec.MessagesOf(h);
        return std::count(got.begin(), got.end(), static_cast<UINT>(WM_MOUSEMOVE));
    };
    EXPECT_EQ(moves(a), 1);
    EXPECT_EQ(moves(b), 0);
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, TheCursorStaysInsideItsClipRectangle)
{
    RECT clip{100, 100, 200, 150};
    ClipCursor(&clip);
    SetCursorPos(500, 10);
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(pt.x, 199);
    EXPECT_EQ(pt.y, 100);
    RECT got;
    GetClipCursor(&got);
    EXPECT_TRUE(EqualRect(&got, &clip));
    ClipCursor(nullptr);
    SetCursorPos(500, 10);
    GetCursorPos(&pt);
    EXPECT_EQ(pt.x, 500);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
    EXPECT_NE(LoadCursorA(nullptr, IDC_SIZENS), arrow);
    SetCursor(arrow);
    EXPECT_EQ(GetCursor(), arrow);
}

TEST_F(InputTest, KeyStateFollowsTheSimulatedKeysAndTheirSides)
{
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    MiscSetKeyState(VK_LCONTROL, TRUE);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0);
    MiscSetKeyState(VK_LCONTROL, FALSE);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    MiscSetKeyState(VK_SHIFT, TRUE);
    EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
    MiscSetKeyState(VK_SHIFT, FALSE);
    // Caps Lock toggles on each press.
    MiscSetKeyState(VK_CAPITAL, TRUE);
    MiscSetKeyState(VK_CAPITAL, FALSE);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    HWND w = Window(WS_POPUP | WS_VISIBLE);
    SetFocus(w);
    rec.Clear();
    MiscSendKey('A');
    // Caps Lock on: the character is upper case.
    std::vector<std::pair<UINT, WPARAM>> got;
    for (const Logged& l : rec.Log())
        if (l.msg >= WM_KEYFIRST && l.msg <= WM_KEYLAST)
            got.emplace_back(l.msg, l.wParam);
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'A'}, {WM_KEYUP, 'A'}}));
}

TEST_F(InputTest, MouseMessagesPassThroughWindowsThatAreTransparentToTheMouse)
{
    HWND top = Window(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    HWND label = CreateWindowExA(0, "Static", "label", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, top, nullptr, nullptr,
                                 nullptr);
    HWND notify = CreateWindowExA(0, "Static", "label", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 40, 100, 20, top,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(8)), nullptr, nullptr);
    rec.Clear();
    MiscSendMouse(label, WM_LBUTTONDOWN, 5, 5);
    std::vector<Logged> downs;
    for (const Logged& l : rec.Log())
        if (l.msg == WM_LBUTTONDOWN)
            downs.push_back(l);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, top);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 15); // in the parent's coordinates
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 15);
    rec.Clear();
    MiscSendMouse(notify, WM_LBUTTONDOWN, 5, 5);
    std::vector<UINT> parentGot = rec.MessagesOf(top);
    EXPECT_EQ(std::count(parentGot.begin(), parentGot.end(), static_cast<UINT>(WM_LBUTTONDOWN)), 0);
    EXPECT_EQ(std::count(parentGot.begin(), parentGot.end(), static_cast<UINT>(WM_COMMAND)), 1); // STN_CLICKED
}

class GeometryTest : public GuiTest {
protected:
    Recorder rec;
};

TEST_F(GeometryTest, NonClientFramesFollowTheStyles)
{
    struct Case {
        DWORD style, ex;
        RECT adjust; // what AdjustWindowRectEx adds on each side (left, top, right, bottom)
    } cases[] = {
        {WS_POPUP, 0, {0, 0, 0, 0}},
        {WS_POPUP | WS_BORDER, 0, {1, 1, 1, 1}},
        {WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 2, 2}},
        {WS_POPUP, WS_EX_STATICEDGE, {1, 1, 1, 1}},
        {WS_POPUP | WS_CAPTION, 0, {3, 22, 3, 3}},
        {WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, {4, 23, 4, 4}},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {3, 19, 3, 3}},
        {WS_POPUP | WS_DLGFRAME, WS_EX_DLGMODALFRAME, {3, 3, 3, 3}},
        {WS_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE, {6, 25, 6, 6}},
    };
    for (const Case& c : cases) {
        RECT r{100, 100, 300, 300};
        AdjustWindowRectEx(&r, c.style, FALSE, c.ex);
        EXPECT_EQ(100 - r.left, c.adjust.left) << std::hex << c.style;
        EXPECT_EQ(100 - r.top, c.adjust.top) << std::hex << c.style;
        EXPECT_EQ(r.right - 300, c.adjust.right) << std::hex << c.style;
        EXPECT_EQ(r.bottom - 300, c.adjust.bottom) << std::hex << c.style;
        // A window of that size has a client area of the size asked for.
        HWND w = CreateWindowExA(c.ex, Recorder::ClassName(), "", c.style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
        RECT client;
        GetClientRect(w, &client);
        EXPECT_EQ(client.right, 200) << std::hex << c.style;
        EXPECT_EQ(client.bottom, 200) << std::hex << c.style;
        POINT origin{0, 0};
        ClientToScreen(w, &origin);
        EXPECT_EQ(origin.x, 100);
        EXPECT_EQ(origin.y, 100);
        DestroyWindow(w);
    }
}

TEST_F(GeometryTest, SetWindowPosSendsWhatChanged)
{
    HWND w = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    rec.Clear();
    SetWindowPos(w, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(rec.Compare({{WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}, {WM_MOVE}}, w, nullptr), "");
    rec.Clear();
    MoveWindow(w, 10, 20, 50, 60, TRUE);
    EXPECT_EQ(rec.Compare({{WM_WINDOWPOSCHANGING}, {WM_NCCALCSIZE, kWParam, TRUE}, {WM_WINDOWPOSCHANGED},
                           {WM_SIZE, kWParam, SIZE_RESTORED}},
                          w, nullptr),
              "");
    rec.Clear();
    MoveWindow(w, 10, 20, 50, 60, TRUE); // nothing changes
    EXPECT_EQ(rec.Compare({{WM_WINDOWPOSCHANGING}}, w, nullptr), "");
    rec.Clear();
    ShowWindow(w, SW_HIDE);
    // Hiding the active window also takes away its focus and activation.
    EXPECT_EQ(rec.Compare({{WM_SHOWWINDOW, kWParam, FALSE},
                           {WM_WINDOWPOSCHANGING},
                           {WM_WINDOWPOSCHANGED},
                           {WM_KILLFOCUS, kOptional},
                           {WM_NCACTIVATE, kOptional},
                           {WM_ACTIVATE, kOptional}},
                          w, nullptr),
              "");
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(GeometryTest, SizableWindowsAreHeldToTheirTrackingSizes)
{
    static MINMAXINFO* seen = nullptr;
    rec.SetHook([](HWND, UINT msg, WPARAM, LPARAM l, LRESULT*) {
        if (msg == WM_GETMINMAXINFO) {
            auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
            mmi->ptMinTrackSize = {150, 120};
            mmi->ptMaxTrackSize = {400, 300};
            seen = mmi;
        }
        return false;
    });
    HWND w = CreateWindowExA(0, Recorder::ClassName(), "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 150);
    MoveWindow(w, 0, 0, 1000, 50, TRUE);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 120);
    EXPECT_NE(seen, nullptr);
    rec.SetHook(nullptr);
}

TEST_F(GeometryTest, MappingBetweenChildrenAndZOrder)
{
    HWND top = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_BORDER, 50, 60, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    HWND a = CreateWindowExA(0, Recorder::ClassName(), "", WS_CHILD, 10, 20, 50, 50, top, nullptr, nullptr, nullptr);
    HWND b = CreateWindowExA(0, Recorder::ClassName(), "", WS_CHILD, 100, 5, 50, 50, top, nullptr, nullptr, nullptr);
    POINT p{1, 2};
    EXPECT_EQ(MapWindowPoints(a, b, &p, 1), MAKELONG(static_cast<WORD>(-90), static_cast<WORD>(15)));
    EXPECT_EQ(p.x, -89);
    EXPECT_EQ(p.y, 17);
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.left, 50 + 1 + 10); // the parent's border comes first
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{15, 25}), a);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{5, 5}), top);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
}

TEST_F(GeometryTest, MetricsDesktopAndVersion)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    MiscSetDesktopSize(800, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.bottom, 600);
    OSVERSIONINFOA v{};
    v.dwOSVersionInfoSize = sizeof(v);
    ASSERT_TRUE(GetVersionExA(&v));
    EXPECT_EQ(v.dwMajorVersion, 5u);
    EXPECT_EQ(v.dwMinorVersion, 1u);
    EXPECT_EQ(v.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    MiscSetWindowsVersion(6, 1, 7601);
    GetVersionExA(&v);
    EXPECT_EQ(v.dwMajorVersion, 6u);
    v.dwOSVersionInfoSize = 3; // a wrong size is refused
    EXPECT_FALSE(GetVersionExA(&v));
    NONCLIENTMETRICSA m{};
    m.cbSize = 340; // the size of the record before Windows Vista
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &m, 0));
    EXPECT_EQ(m.iPaddedBorderWidth, 0);
    EXPECT_NE(m.lfMenuFont.lfHeight, 0);
    m.cbSize = 100;
    EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 100, &m, 0));
}

} // namespace
