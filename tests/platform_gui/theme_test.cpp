// The theme layer: registration, selection (colours, repaint, notice to every window), and
// controls and frames drawing through the current theme.
#include "gui_fixture.h"

#include <string>
#include <vector>

#include "win32/surface.h"
#include "win32/theme.h"

using namespace guitest;

namespace {

int g_themeChanged = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_THEMECHANGED)
        ++g_themeChanged;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A look that paints every push button face in one colour, to see who draws through the theme.
class MarkerTheme : public MiscTheme {
public:
    std::string Name() const override { return "marker"; }
    COLORREF SysColor(int index) const override
    {
        return index == COLOR_3DFACE ? RGB(1, 2, 3) : MiscTheme::SysColor(index);
    }
    void DrawPushButton(HDC dc, const RECT& r, UINT) override
    {
        HBRUSH b = CreateSolidBrush(RGB(200, 0, 200));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    void DrawCaption(HDC dc, const RECT& r, UINT) override
    {
        HBRUSH b = CreateSolidBrush(RGB(0, 200, 0));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
};

class ThemeTest : public GuiTest {
protected:
    void TearDown() override
    {
        MiscSelectTheme("classic");
        GuiTest::TearDown();
    }
};

COLORREF PixelAt(const MiscSurface& s, int x, int y)
{
    return MiscColorFromPixel(s.pixels[static_cast<size_t>(y) * s.width + x]);
}

TEST_F(ThemeTest, ClassicComesFirstAndOfficeIsBuiltIn)
{
    std::vector<std::string> names = MiscThemeNames();
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names.front(), "classic");
    EXPECT_NE(std::find(names.begin(), names.end(), "office2003"), names.end());
    EXPECT_EQ(MiscCurrentTheme().Name(), "classic");
}

TEST_F(ThemeTest, SelectingLoadsTheThemesSystemColoursIntoTheSameBrushes)
{
    const COLORREF classicCaption = GetSysColor(COLOR_ACTIVECAPTION);
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    ASSERT_TRUE(MiscSelectTheme("office2003"));
    EXPECT_EQ(MiscCurrentTheme().Name(), "office2003");
    EXPECT_NE(GetSysColor(COLOR_ACTIVECAPTION), classicCaption);
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), MiscCurrentTheme().SysColor(COLOR_3DFACE));
    // The brush handle stays valid and now paints in the new colour.
    EXPECT_EQ(GetSysColorBrush(COLOR_3DFACE), face);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectA(face, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_3DFACE));
    ASSERT_TRUE(MiscSelectTheme("classic"));
    EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), classicCaption);
}

TEST_F(ThemeTest, UnknownNameChangesNothing)
{
    ASSERT_TRUE(MiscSelectTheme("office2003"));
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    EXPECT_FALSE(MiscSelectTheme("no such look"));
    EXPECT_FALSE(MiscSelectTheme(""));
    EXPECT_EQ(MiscCurrentTheme().Name(), "office2003");
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), face);
}

TEST_F(ThemeTest, ReRegisteringANameReplacesItsFactoryWithoutDuplicating)
{
    MiscRegisterTheme("marker", [] { return std::make_unique<MarkerTheme>(); });
    const size_t count = MiscThemeNames().size();
    MiscRegisterTheme("marker", [] { return std::make_unique<MarkerTheme>(); });
    EXPECT_EQ(MiscThemeNames().size(), count);
    ASSERT_TRUE(MiscSelectTheme("marker"));
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), RGB(1, 2, 3));
}

TEST_F(ThemeTest, SelectingTellsAndRepaintsEveryWindowFramesIncluded)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "ThemeCounting";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, "ThemeCounting", "Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150,
                               nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExA(0, "ThemeCounting", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, top, nullptr,
                                 nullptr, nullptr);
    HWND grandchild = CreateWindowExA(0, "ThemeCounting", "", WS_CHILD | WS_VISIBLE, 1, 1, 10, 10, child,
                                      nullptr, nullptr, nullptr);
    MiscSettle();
    RECT r{};
    ASSERT_FALSE(GetUpdateRect(grandchild, &r, FALSE));
    g_themeChanged = 0;
    MiscRegisterTheme("marker", [] { return std::make_unique<MarkerTheme>(); });
    ASSERT_TRUE(MiscSelectTheme("marker"));
    EXPECT_EQ(g_themeChanged, 3);
    EXPECT_TRUE(GetUpdateRect(top, &r, FALSE));
    EXPECT_TRUE(GetUpdateRect(grandchild, &r, FALSE));
    // The caption is drawn by the theme.
    MiscSurface shot = MiscCaptureWindow(top);
    EXPECT_EQ(PixelAt(shot, 60, GetSystemMetrics(SM_CYFRAME) + 4), RGB(0, 200, 0));
}

TEST_F(ThemeTest, PushButtonsDrawThroughTheCurrentTheme)
{
    HWND top = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr, nullptr,
                               nullptr);
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, top,
                                  nullptr, nullptr, nullptr);
    MiscRegisterTheme("marker", [] { return std::make_unique<MarkerTheme>(); });
    ASSERT_TRUE(MiscSelectTheme("marker"));
    MiscSurface shot = MiscCaptureWindow(button);
    EXPECT_EQ(PixelAt(shot, 1, 1), RGB(200, 0, 200));
    ASSERT_TRUE(MiscSelectTheme("classic"));
    shot = MiscCaptureWindow(button);
    EXPECT_NE(PixelAt(shot, 1, 1), RGB(200, 0, 200));
}

} // namespace
