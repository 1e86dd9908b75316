// Painting (invalidation, WM_ERASEBKGND and WM_PAINT through BeginPaint) and captures of windows
// with their children, window regions and layered attributes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "gui_fixture.h"
#include "msg_log.h"
#include "test_env.h"

using namespace msgtest;
using namespace guitest;

namespace {

// Windows of this class fill their client area with the colour kept in their user data.
LRESULT CALLBACK SolidProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class PaintTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = SolidProc;
        wc.lpszClassName = "MiscSolid";
        RegisterClassA(&wc);
    }
    HWND Solid(COLORREF color, DWORD style, HWND parent, int x, int y, int w, int h, DWORD ex = 0)
    {
        HWND hwnd = CreateWindowExA(ex, "MiscSolid", "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(color));
        return hwnd;
    }
    static uint32_t At(const MiscSurface& s, int x, int y) { return s.row(y)[x]; }
    static uint32_t Opaque(COLORREF c) { return MiscPixelFromColor(c); }
    Recorder rec;
};

TEST_F(PaintTest, BeginPaintErasesOnlyWhenAskedAndValidates)
{
    HWND w = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    UpdateWindow(w);
    rec.Clear();
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    EXPECT_EQ(rec.Compare({{WM_PAINT}, {WM_ERASEBKGND}}, w, nullptr), "");
    rec.Clear();
    InvalidateRect(w, nullptr, FALSE);
    UpdateWindow(w);
    EXPECT_EQ(rec.Compare({{WM_PAINT}}, w, nullptr), "");
    rec.Clear();
    UpdateWindow(w); // nothing left to paint
    EXPECT_TRUE(rec.Log().empty());
    RECT update;
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

TEST_F(PaintTest, PaintComesAfterPostedMessagesAndTheUpdateAreaAccumulates)
{
    HWND w = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    UpdateWindow(w);
    RECT a{10, 10, 20, 20}, b{50, 60, 70, 80};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.bottom, 80);
    PostMessageA(w, WM_USER, 0, 0);
    rec.Clear();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(rec.Compare({{WM_USER}, {WM_PAINT}}, w, nullptr), "");
}

TEST_F(PaintTest, InvalidatingAParentReachesChildrenUnlessItClipsThem)
{
    for (DWORD clip : {0u, static_cast<DWORD>(WS_CLIPCHILDREN)}) {
        HWND parent = CreateWindowExA(0, Recorder::ClassName(), "", WS_POPUP | WS_VISIBLE | clip, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
        HWND child = CreateWindowExA(0, Recorder::ClassName(), "", WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, parent,
                                     nullptr, nullptr, nullptr);
        UpdateWindow(parent);
        rec.Clear();
        InvalidateRect(parent, nullptr, TRUE);
        UpdateWindow(parent);
        std::vector<UINT> childGot = rec.MessagesOf(child);
        bool childPainted = std::find(childGot.begin(), childGot.end(), static_cast<UINT>(WM_PAINT)) != childGot.end();
        EXPECT_EQ(childPainted, clip == 0);
        DestroyWindow(parent);
    }
}

TEST_F(PaintTest, CapturesComposeChildrenInZOrderClippedToTheParent)
{
    HWND parent = Solid(RGB(255, 0, 0), WS_POPUP | WS_VISIBLE | WS_BORDER, nullptr, 0, 0, 100, 80);
    Solid(RGB(0, 0, 255), WS_CHILD | WS_VISIBLE, parent, 10, 10, 30, 30);
    HWND top = Solid(RGB(0, 255, 0), WS_CHILD | WS_VISIBLE, parent, 70, 50, 60, 60); // runs off the edge
    Solid(RGB(255, 255, 0), WS_CHILD, parent, 40, 40, 10, 10); // hidden
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    MiscSurface s = MiscCaptureWindow(parent);
    ASSERT_EQ(s.width, 100);
    ASSERT_EQ(s.height, 80);
    EXPECT_EQ(At(s, 0, 0), Opaque(GetSysColor(COLOR_WINDOWFRAME))); // the border
    EXPECT_EQ(At(s, 5, 5), Opaque(RGB(255, 0, 0)));
    EXPECT_EQ(At(s, 1 + 10, 1 + 10), Opaque(RGB(0, 0, 255))); // child at its place inside the border
    EXPECT_EQ(At(s, 1 + 45, 1 + 45), Opaque(RGB(255, 0, 0)));  // the hidden child is not drawn
    EXPECT_EQ(At(s, 98, 78), Opaque(RGB(0, 255, 0)));          // clipped at the client's edge
    EXPECT_EQ(At(s, 99, 79), Opaque(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(MiscCaptureWindow(nullptr).width, 1280); // the whole desktop
    ShowWindow(parent, SW_HIDE);
    EXPECT_EQ(MiscCaptureWindow(parent).width, 0);
}

TEST_F(PaintTest, RegionsAndLayeredAttributesBecomeTransparency)
{
    HWND round = Solid(RGB(10, 20, 30), WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 40, 40);
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 40, 40), TRUE);
    MiscSurface s = MiscCaptureWindow(round);
    EXPECT_EQ(At(s, 20, 20), Opaque(RGB(10, 20, 30)));
    EXPECT_EQ(At(s, 0, 0) >> 24, 0u); // the corner is outside the ellipse
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(round, copy), ERROR);
    DeleteObject(copy);

    HWND glass = Solid(RGB(200, 100, 50), WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 20, 20, WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributes(glass, 0, 128, LWA_ALPHA));
    s = MiscCaptureWindow(glass);
    EXPECT_EQ(At(s, 5, 5) >> 24, 128u);
    EXPECT_EQ(At(s, 5, 5) & 0xFFFFFFu, Opaque(RGB(200, 100, 50)) & 0xFFFFFFu);
    SetLayeredWindowAttributes(glass, RGB(200, 100, 50), 255, LWA_COLORKEY);
    s = MiscCaptureWindow(glass);
    EXPECT_EQ(At(s, 5, 5), 0u);
    // Layered attributes need the layered style.
    HWND plain = Solid(RGB(0, 0, 0), WS_POPUP, nullptr, 0, 0, 5, 5);
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 10, LWA_ALPHA));
}

// A 2 x 2 icon, 24 bits with an AND mask that makes its top right pixel transparent.
std::vector<unsigned char> TinyIco()
{
    std::vector<unsigned char> b = {0, 0, 1, 0, 1, 0, // ICONDIR: one entry
                                    2, 2, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    unsigned char dib[40] = {40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 24, 0};
    b.insert(b.end(), dib, dib + 40);
    unsigned char colours[16] = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0,        // bottom row: blue, green
                                 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}; // top row: red, white
    b.insert(b.end(), colours, colours + 16);
    unsigned char mask[8] = {0, 0, 0, 0, 0x40, 0, 0, 0}; // bottom row opaque; top row: x = 1 transparent
    b.insert(b.end(), mask, mask + 8);
    uint32_t size = static_cast<uint32_t>(b.size() - 22);
    std::memcpy(&b[14], &size, 4);
    return b;
}

TEST_F(PaintTest, IconsOfAModuleAreDecodedAndDrawnThroughTheirMask)
{
    static const std::vector<unsigned char> ico = TinyIco();
    static const MiscResBlob icons[] = {{77, nullptr, ico.data(), ico.size()}};
    static const MiscResourceTable table = {nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, icons, 1};
    HMODULE module = MiscRegisterModule("icon_test.dll", &table);
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(77));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCEA(78)), nullptr);
    HWND w = Solid(RGB(0, 0, 0), WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 10, 10);
    UpdateWindow(w);
    HDC dc = GetDC(w);
    EXPECT_TRUE(DrawIconEx(dc, 1, 1, icon, 2, 2, 0, nullptr, DI_NORMAL));
    ReleaseDC(w, dc);
    MiscSurface s = MiscCaptureWindow(w);
    EXPECT_EQ(At(s, 1, 1), Opaque(RGB(255, 0, 0)));
    EXPECT_EQ(At(s, 2, 1), Opaque(RGB(0, 0, 0))); // masked out
    EXPECT_EQ(At(s, 1, 2), Opaque(RGB(0, 0, 255)));
    EXPECT_EQ(At(s, 2, 2), Opaque(RGB(0, 255, 0)));
}

TEST_F(PaintTest, ACaptureIsWrittenAsPng)
{
    HWND w = Solid(RGB(1, 2, 3), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, nullptr, 0, 0, 120, 60);
    SetWindowTextA(w, "Caption");
    std::string path = misc_test::MakeTempDir("capture") + "/w.png";
    ASSERT_TRUE(MiscWritePng(MiscCaptureWindow(w), path.c_str()));
    std::string bytes = misc_test::ReadFile(path);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
}

} // namespace
