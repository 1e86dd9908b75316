// The toolkit's built-in command-bar looks told apart by their pixels, and the colour picker
// button driven as a person would.
#include "gui_fixture.h"

#include <afxwin.h>

#include <utility>
#include <vector>

#include "toolkit/colorpicker.h"
#include "toolkit/paintmanager.h"
#include "toolkit/taskpanel.h"
#include "win32/automation.h"
#include "win32/surface.h"

using namespace guitest;

namespace {

// A white surface to draw a look's pieces on.
struct Canvas {
    MiscSurface surface{120, 40, MiscPixelFromColor(RGB(255, 255, 255))};
    HDC dc = MiscCreateSurfaceDC(&surface, 0, 0, nullptr);
    ~Canvas() { DeleteDC(dc); }
    CDC* Dc() { return CDC::FromHandle(dc); }
    COLORREF At(int x, int y) const { return MiscColorFromPixel(surface.row(y)[x]); }
};

// The middle of a tool bar and of a hot button in the current look.
std::pair<COLORREF, COLORREF> BarAndHotButton()
{
    Canvas canvas;
    CXTPPaintManager* pm = XTPPaintManager();
    pm->FillCommandBar(canvas.Dc(), CRect(0, 0, 120, 24), nullptr);
    pm->DrawControlFace(canvas.Dc(), CRect(40, 2, 62, 22), MISC_TS_HOT);
    return {canvas.At(20, 12), canvas.At(51, 12)};
}

using LooksTest = GuiTest;

TEST_F(LooksTest, EachBuiltInLookHasItsOwnBarAndHotButton)
{
    std::vector<std::pair<COLORREF, COLORREF>> seen;
    for (XTPPaintTheme theme : {xtpThemeOffice2000, xtpThemeOfficeXP, xtpThemeOffice2003}) {
        const UINT generation = XTPPaintManagerGeneration();
        CXTPPaintManager::SetTheme(theme);
        EXPECT_EQ(XTPPaintManager()->GetCurrentTheme(), theme);
        EXPECT_EQ(XTPPaintManagerGeneration(), generation + 1);
        seen.push_back(BarAndHotButton());
    }
    for (size_t i = 0; i < seen.size(); ++i)
        for (size_t j = i + 1; j < seen.size(); ++j) {
            EXPECT_NE(seen[i].first, seen[j].first) << "bars of looks " << i << " and " << j;
            EXPECT_NE(seen[i].second, seen[j].second) << "hot buttons of looks " << i << " and " << j;
        }
    // The raised classic button keeps the bar's face inside its edges; the flat looks fill it.
    EXPECT_EQ(seen[0].second, seen[0].first);
}

TEST_F(LooksTest, GrippersDiffer)
{
    std::vector<int> inked;
    for (XTPPaintTheme theme : {xtpThemeOffice2000, xtpThemeOfficeXP, xtpThemeOffice2003}) {
        CXTPPaintManager::SetTheme(theme);
        Canvas canvas;
        XTPPaintManager()->DrawCommandBarGripper(canvas.Dc(), CRect(0, 0, 8, 24), FALSE);
        int n = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 8; ++x)
                n += canvas.At(x, y) != RGB(255, 255, 255);
        EXPECT_GT(n, 0);
        inked.push_back(n);
    }
    EXPECT_NE(inked[0], inked[1]);
    EXPECT_NE(inked[1], inked[2]);
}

TEST_F(LooksTest, CustomThemeIsOwnedAndReplaced)
{
    auto* mine = new CXTPOfficeTheme();
    mine->RefreshMetrics();
    CXTPPaintManager::SetCustomTheme(mine);
    EXPECT_EQ(XTPPaintManager(), mine);
    CXTPPaintManager::SetCustomTheme(nullptr); // ignored
    EXPECT_EQ(XTPPaintManager(), mine);
    CXTPPaintManager::SetTheme(xtpThemeOffice2003); // deletes mine
    EXPECT_NE(XTPPaintManager(), mine);
}

TEST_F(LooksTest, TaskPanelGroupCollapsesToItsCaption)
{
    Canvas canvas;
    CXTPTaskPanelToolboxWhidbeyTheme theme;
    XTP_TASKPANEL_GROUPSTATE state;
    EXPECT_EQ(theme.DrawGroup(canvas.Dc(), CRect(0, 0, 120, 40), "Group", state), CRect(0, theme.m_nCaptionHeight, 120, 40));
    EXPECT_EQ(canvas.At(100, 30), theme.m_clrClientFace);
    EXPECT_NE(canvas.At(100, 2), canvas.At(100, theme.m_nCaptionHeight - 3)) << "the caption is a gradient";
    state.bExpanded = FALSE;
    EXPECT_TRUE(theme.DrawGroup(canvas.Dc(), CRect(0, 0, 120, 40), "Group", state).IsRectEmpty());
}

// A window with a colour picker that records the commands it hears.
class PickerHost : public CWnd {
public:
    CXTColorPicker picker;
    std::vector<std::pair<int, int>> commands; // (control, notification)

    void Make()
    {
        CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr, nullptr);
        picker.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 80, 32), this, 1480);
        picker.SetColor(RGB(10, 20, 30));
        picker.SetDefaultColor(RGB(200, 100, 50));
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    bool Heard(int code) const
    {
        for (const auto& [id, c] : commands)
            if (id == 1480 && c == code)
                return true;
        return false;
    }
};

using PickerTest = GuiTest;

TEST_F(PickerTest, APickedColourIsTakenShownAndReported)
{
    PickerHost host;
    host.Make();
    MiscScriptedUser user;
    COLORREF marked = 0, offeredDefault = 0;
    user.Expect(MiscModalKind::ColorChooser, {}, [&](MiscModal& m) {
        auto* popup = static_cast<CXTColorPopup*>(CWnd::FromHandlePermanent(m.hwnd));
        if (popup) {
            marked = popup->GetCurrentColor();
            offeredDefault = popup->GetDefaultColor();
        }
        m.answer = "C0FFEE";
        m.answered = true;
    });
    EXPECT_TRUE(MiscElement(host.picker.m_hWnd).Click());
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(marked, RGB(10, 20, 30));
    EXPECT_EQ(offeredDefault, RGB(200, 100, 50));
    EXPECT_EQ(host.picker.GetColor(), RGB(0xC0, 0xFF, 0xEE));
    EXPECT_TRUE(host.Heard(CPN_XT_SELENDOK));
    // The swatch shows the new colour.
    MiscSurface shot = MiscCaptureWindow(host.picker.m_hWnd);
    ASSERT_GT(shot.width, 20);
    EXPECT_EQ(MiscColorFromPixel(shot.row(shot.height / 2)[15]), RGB(0xC0, 0xFF, 0xEE));
}

TEST_F(PickerTest, CancelKeepsTheColour)
{
    PickerHost host;
    host.Make();
    MiscScriptedUser user;
    user.Expect(MiscModalKind::ColorChooser, {}, [](MiscModal&) { MiscPressKey(VK_ESCAPE); });
    EXPECT_TRUE(MiscElement(host.picker.m_hWnd).Click());
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(host.picker.GetColor(), RGB(10, 20, 30));
    EXPECT_FALSE(host.Heard(CPN_XT_SELENDOK));
    EXPECT_TRUE(host.Heard(CPN_XT_SELENDCANCEL));
}

} // namespace
