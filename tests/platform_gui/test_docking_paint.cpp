// The docking looks: switching the theme changes the captions' colours, a custom look's caption
// gradient and tab colours are what it set; the tab appearances take different shapes.
#include "test_docking_host.h"

#include "win32/surface.h"

using namespace guitest;
using namespace docktest;

namespace {

class DockingPaintTest : public GuiTest {};

// The colour in the middle of the caption's free stretch (between the title and the buttons).
COLORREF CaptionColour(DockHost& h, UINT id, int dy = 0)
{
    MiscSettle();
    HWND w = h.PaneWnd(id);
    const MiscSurface s = MiscCaptureWindow(w);
    const RECT cap = MiscElement(w).Item(0).State().rect;
    const int x = cap.right - 50, y = (cap.top + cap.bottom) / 2 + dy;
    return MiscColorFromPixel(s.pixels[static_cast<size_t>(y * s.width + x)]);
}

// A custom look as a theme of the library builds one: the office base with its own colours.
class RedCaptions : public CXTPDockingPaneOffice2003Theme {
public:
    RedCaptions()
    {
        m_clrNormalCaption.SetStandardValue(RGB(255, 0, 0), RGB(255, 0, 0));
        m_clrNormalCaption.SetCustomValue(RGB(200, 0, 0), RGB(200, 0, 0));
        GetTabPaintManager()->GetColorSet()->clrHeaderFace = RGB(0, 160, 0);
    }
};

TEST_F(DockingPaintTest, EachLookPaintsItsOwnCaptions)
{
    DockHost h;
    h.Pane(kSolution, "Solution", CRect(0, 0, 220, 100), xtpPaneDockLeft);
    h.Pane(kProps, "Properties", CRect(0, 0, 220, 100), xtpPaneDockRight);
    // Default: the inactive caption is the face colour.
    h.manager->SetTheme(xtpPaneThemeDefault);
    EXPECT_EQ(h.manager->GetCurrentTheme(), xtpPaneThemeDefault);
    EXPECT_EQ(CaptionColour(h, kSolution), ::GetSysColor(COLOR_3DFACE));
    // Office 2003: a vertical blue gradient, lighter at the top.
    h.manager->SetTheme(xtpPaneThemeOffice2003);
    EXPECT_EQ(h.manager->GetCurrentTheme(), xtpPaneThemeOffice2003);
    const COLORREF top = CaptionColour(h, kSolution, -6), bottom = CaptionColour(h, kSolution, 6);
    EXPECT_GT(GetBValue(top), GetRValue(top)) << "blue";
    EXPECT_GT(GetRValue(top) + GetGValue(top), GetRValue(bottom) + GetGValue(bottom)) << "lighter at the top";
    // The active pane's caption differs from the others; a click into a pane's own window
    // makes it the active one.
    ASSERT_TRUE(h.Element(kProps, "Properties").Click());
    const COLORREF active = CaptionColour(h, kProps), inactive = CaptionColour(h, kSolution);
    EXPECT_NE(active, inactive);
    CRect inside;
    h.manager->FindPane(kSolution)->GetChild()->GetWindowRect(&inside);
    MiscSendMouseAt(WM_LBUTTONDOWN, inside.CenterPoint().x, inside.CenterPoint().y);
    MiscSendMouseAt(WM_LBUTTONUP, inside.CenterPoint().x, inside.CenterPoint().y);
    EXPECT_EQ(CaptionColour(h, kSolution), active);
    EXPECT_EQ(CaptionColour(h, kProps), inactive);
    // Numbers without a look of their own fall to the nearest.
    h.manager->SetTheme(static_cast<XTPDockingPanePaintTheme>(9));
    EXPECT_EQ(h.manager->GetCurrentTheme(), xtpPaneThemeOffice2003);
    // A custom look: its custom caption value wins over its standard one.
    h.manager->SetCustomTheme(new RedCaptions);
    EXPECT_EQ(CaptionColour(h, kProps), RGB(200, 0, 0));
}

TEST_F(DockingPaintTest, TabAppearancesAndOneNoteColours)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 300, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Properties", CRect(0, 0, 300, 100), xtpPaneDockRight);
    CXTPDockingPane* c = h.Pane(kTasks, "Tasks", CRect(0, 0, 300, 100), xtpPaneDockRight);
    h.manager->AttachPane(b, a);
    h.manager->AttachPane(c, a);
    CXTPTabPaintManager* tabs = h.manager->GetPaintManager()->GetTabPaintManager();
    MiscElement group(h.PaneWnd(kSolution));
    auto strip = [&] {
        MiscSettle();
        const MiscSurface s = MiscCaptureWindow(group.Window());
        const RECT first = group.Item(3).State().rect, last = group.Item(5).State().rect;
        std::vector<uint32_t> px;
        for (int y = first.top; y < first.bottom; ++y)
            for (int x = first.left; x < last.right; ++x)
                px.push_back(s.pixels[static_cast<size_t>(y * s.width + x)]);
        return px;
    };
    std::vector<std::vector<uint32_t>> shapes;
    for (int appearance : {0, 1, 3, 5}) {
        tabs->SetAppearance(appearance);
        h.manager->RedrawPanes();
        shapes.push_back(strip());
    }
    for (size_t i = 0; i < shapes.size(); ++i)
        for (size_t j = i + 1; j < shapes.size(); ++j)
            EXPECT_NE(shapes[i], shapes[j]) << "appearances " << i << " and " << j << " look alike";
    // OneNote: each unselected tab in a hue of its own.
    tabs->SetAppearance(0);
    tabs->SetOneNoteColors(TRUE);
    h.manager->RedrawPanes();
    MiscSettle();
    const MiscSurface s = MiscCaptureWindow(group.Window());
    auto face = [&](int item) {
        const RECT r = group.Item(item).State().rect;
        return s.pixels[static_cast<size_t>((r.top + r.bottom) / 2 * s.width + r.left + 3)];
    };
    EXPECT_NE(face(3), face(4));
    EXPECT_NE(face(4), face(5));
    EXPECT_NE(face(3), face(5));
    EXPECT_TRUE(c->IsSelected());
    // Hot tracking lights the tab under the mouse, and only while it is there.
    tabs->m_bHotTracking = TRUE;
    RECT first = group.Item(3).State().rect;
    POINT p{first.left + 3, (first.top + first.bottom) / 2};
    ::ClientToScreen(group.Window(), &p);
    MiscSendMouseAt(WM_MOUSEMOVE, p.x, p.y);
    MiscSettle();
    const MiscSurface lit = MiscCaptureWindow(group.Window());
    EXPECT_NE(lit.pixels[static_cast<size_t>((first.top + first.bottom) / 2 * lit.width + first.left + 3)], face(3));
    MiscSendMouseAt(WM_MOUSEMOVE, p.x + 400, p.y + 200);
    MiscSettle();
    const MiscSurface off = MiscCaptureWindow(group.Window());
    EXPECT_EQ(off.pixels[static_cast<size_t>((first.top + first.bottom) / 2 * off.width + first.left + 3)], face(3));
}

} // namespace
