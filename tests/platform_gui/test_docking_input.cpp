// The docking panes under a person's hands: caption buttons, auto-hide tabs sliding panes out
// on the virtual clock, dragging captions onto the stickers or into the open, splitters.
#include "test_docking_host.h"

using namespace guitest;
using namespace docktest;

namespace {

class DockingInputTest : public GuiTest {};

// A view in the site that takes the focus when clicked.
struct WithView : DockHost {
    CEdit view;
    WithView()
    {
        view.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &site, AFX_IDW_PANE_FIRST);
        manager->RecalcFrameLayout();
    }
    void ClickView()
    {
        CRect r;
        view.GetWindowRect(&r);
        MiscSendMouseAt(WM_LBUTTONDOWN, r.CenterPoint().x, r.CenterPoint().y);
        MiscSendMouseAt(WM_LBUTTONUP, r.CenterPoint().x, r.CenterPoint().y);
        MiscSettle();
    }
};

CPoint ScreenCentre(const MiscElement& e)
{
    CRect r = e.State().rect;
    ::ClientToScreen(e.Window(), reinterpret_cast<POINT*>(&r.left));
    ::ClientToScreen(e.Window(), reinterpret_cast<POINT*>(&r.right));
    return r.CenterPoint();
}

// Presses on a caption and moves far enough for the drag to begin.
CPoint BeginDrag(DockHost& h, UINT id, CPoint by = CPoint(40, 30))
{
    const CPoint at = ScreenCentre(MiscElement(h.PaneWnd(id)).Item(0));
    MiscSendMouseAt(WM_MOUSEMOVE, at.x, at.y);
    MiscSendMouseAt(WM_LBUTTONDOWN, at.x, at.y);
    MiscSendMouseAt(WM_MOUSEMOVE, at.x + by.x / 2, at.y + by.y / 2);
    MiscSendMouseAt(WM_MOUSEMOVE, at.x + by.x, at.y + by.y);
    MiscSettle();
    return at + by;
}

void DropAt(CPoint p)
{
    MiscSendMouseAt(WM_MOUSEMOVE, p.x, p.y);
    MiscSendMouseAt(WM_LBUTTONUP, p.x, p.y);
    MiscSettle();
}

bool Visible(const char* cls, const char* name)
{
    HWND w = ::FindWindowA(cls, name);
    return w && ::IsWindowVisible(w);
}

TEST_F(DockingInputTest, CaptionButtonsCloseAndAutoHide)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 160, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kOutput, "Output", CRect(0, 0, 160, 100), xtpPaneDockRight);
    EXPECT_EQ(h.Element(kSolution, "Solution").Text(), "Solution");
    ASSERT_TRUE(h.Element(kOutput, "Auto Hide").Click());
    EXPECT_TRUE(b->IsHidden());
    EXPECT_EQ(h.manager->GetPaneDirection(b), xtpPaneDockRight);
    // Its tab waits on the right edge's panel; the site's room shrinks by the panel only.
    MiscElement tab = h.Element(kOutput, "Output");
    ASSERT_TRUE(tab.Exists());
    CRect client;
    h.site.GetClientRect(&client);
    EXPECT_LT(h.manager->GetViewRect().right, client.right);
    EXPECT_GT(h.manager->GetViewRect().right, client.right - 40);
    ASSERT_TRUE(h.Element(kSolution, "Close").Click());
    EXPECT_TRUE(a->IsClosed());
    EXPECT_EQ(h.PaneWnd(kSolution), nullptr);
}

TEST_F(DockingInputTest, ADoubleClickOnTheCaptionFloatsTheGroupAndDocksItBack)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 160, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Properties", CRect(0, 0, 160, 100), xtpPaneDockBottom);
    h.manager->AttachPane(b, a);
    h.manager->ShowPane(a);
    MiscSettle();
    CRect docked;
    ::GetWindowRect(h.PaneWnd(kSolution), &docked);
    ASSERT_TRUE(h.Element(kSolution, "Solution").DoubleClick());
    EXPECT_TRUE(a->IsFloating());
    EXPECT_TRUE(b->IsFloating());
    EXPECT_TRUE(a->IsSelected());
    CRect frame;
    ::GetWindowRect(h.manager->GetFloatingFrame(a), &frame);
    EXPECT_EQ(frame, docked) << "it floats where it was";
    ASSERT_TRUE(h.Element(kSolution, "Solution").DoubleClick());
    EXPECT_FALSE(a->IsFloating());
    EXPECT_EQ(h.manager->GetPaneDirection(a), xtpPaneDockLeft);
    EXPECT_EQ(h.PaneWnd(kSolution), h.PaneWnd(kProps));
}

TEST_F(DockingInputTest, AnAutoHiddenPaneSlidesOutOverTheAnimationStepsAndBackWhenLeft)
{
    WithView h;
    CXTPDockingPane* b = h.Pane(kOutput, "Output", CRect(0, 0, 160, 100), xtpPaneDockRight);
    h.manager->SetAnimationDelay(-1, 128, 16);
    h.manager->HidePane(b);
    MiscSettle();
    ASSERT_TRUE(h.Element(kOutput, "Output").Click());
    EXPECT_TRUE(h.manager->IsPaneSlidOut(b));
    // Eight steps of 16 ms: it grows by an eighth each step, from the right edge.
    std::vector<int> widths{b->GetPaneRect().Width()};
    for (int i = 0; i < 8; ++i) {
        MiscAdvanceClock(16);
        MiscSettle();
        widths.push_back(b->GetPaneRect().Width());
    }
    EXPECT_EQ(widths.front(), 20) << "one step of 160 / 8";
    EXPECT_EQ(widths.back(), 160);
    EXPECT_TRUE(std::is_sorted(widths.begin(), widths.end()));
    EXPECT_EQ(b->GetPaneRect().right, h.manager->GetViewRect().right);
    EXPECT_TRUE(b->GetChild()->IsWindowVisible());
    // It stays while it has the focus, however long.
    MiscAdvanceClock(2000);
    EXPECT_TRUE(h.manager->IsPaneSlidOut(b));
    // The person clicks into the view: the pane slides back in once the delay is over.
    h.ClickView();
    MiscAdvanceClock(MISC_HOVER_TIME + 200);
    MiscSettle();
    EXPECT_FALSE(h.manager->IsPaneSlidOut(b));
    EXPECT_TRUE(b->IsHidden());
    EXPECT_FALSE(b->GetChild()->IsWindowVisible());
    EXPECT_EQ(h.manager->GetPaneWindow(b), h.Element(kOutput, "Output").Window());
}

TEST_F(DockingInputTest, WithoutAnimationThePaneIsOutAtOnceAndTheTabSlidesItByHovering)
{
    WithView h;
    CXTPDockingPane* b = h.Pane(kOutput, "Output", CRect(0, 0, 100, 120), xtpPaneDockBottom);
    h.manager->SetAnimationDelay(0, 1, 1);
    h.manager->HidePane(b);
    MiscSettle();
    ASSERT_TRUE(h.Element(kOutput, "Output").Click());
    EXPECT_EQ(b->GetPaneRect().Height(), 120);
    // The pin docks it back at its edge.
    ASSERT_TRUE(h.Element(kOutput, "Dock").Click());
    EXPECT_FALSE(b->IsHidden());
    EXPECT_EQ(b->GetPaneRect().bottom, h.manager->GetViewRect().bottom + h.manager->GetPaintManager()->m_nSplitterSize + 120);
    // Hovering: with the system's delay, resting on the tab slides it out after the hover time.
    h.manager->SetAnimationDelay(-1, 1, 1);
    h.manager->HidePane(b);
    MiscSettle();
    ASSERT_FALSE(h.manager->IsPaneSlidOut(b));
    const CPoint at = ScreenCentre(h.Element(kOutput, "Output"));
    MiscSendMouseAt(WM_MOUSEMOVE, at.x, at.y);
    MiscAdvanceClock(MISC_HOVER_TIME / 2);
    EXPECT_FALSE(h.manager->IsPaneSlidOut(b));
    MiscAdvanceClock(MISC_HOVER_TIME);
    MiscSettle();
    EXPECT_TRUE(h.manager->IsPaneSlidOut(b));
    // Slid out by the mouse, it has not taken the focus: it goes back once the mouse has left.
    CPoint inside = b->GetPaneRect().CenterPoint(); // site client coordinates
    h.site.ClientToScreen(&inside);
    MiscSendMouseAt(WM_MOUSEMOVE, inside.x, inside.y);
    MiscAdvanceClock(2 * MISC_HOVER_TIME);
    EXPECT_TRUE(h.manager->IsPaneSlidOut(b)) << "the mouse is over it";
    CRect view;
    h.view.GetWindowRect(&view);
    MiscSendMouseAt(WM_MOUSEMOVE, view.CenterPoint().x, view.top + 5);
    MiscAdvanceClock(MISC_HOVER_TIME + 100);
    MiscSettle();
    EXPECT_FALSE(h.manager->IsPaneSlidOut(b));
}

TEST_F(DockingInputTest, StickersShowOnlyWhenEnabledAndDockWhereDropped)
{
    DockHost h(640, 420);
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 160, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kOutput, "Output", CRect(0, 0, 100, 100), xtpPaneDockBottom);
    h.manager->SetAlphaDockingContext(TRUE);
    BeginDrag(h, kSolution);
    EXPECT_FALSE(Visible(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Right"));
    EXPECT_TRUE(Visible(XTP_DOCKINGPANE_CONTEXT_CLASS, nullptr));
    CRect client;
    h.site.GetWindowRect(&client);
    // Without stickers, a drop close to the site's right edge docks there.
    DropAt(CPoint(client.right - 5, client.top + 100));
    EXPECT_FALSE(a->IsFloating());
    EXPECT_EQ(h.manager->GetPaneDirection(a), xtpPaneDockRight);

    h.manager->SetShowDockingContextStickers(TRUE);
    BeginDrag(h, kSolution, CPoint(-60, 20));
    ASSERT_TRUE(Visible(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Top"));
    MiscElement top = MiscElement(::FindWindowA(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Top")).Item("Top");
    ASSERT_TRUE(top.Exists());
    DropAt(ScreenCentre(top));
    EXPECT_FALSE(Visible(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Top"));
    EXPECT_EQ(h.manager->GetPaneDirection(a), xtpPaneDockTop);
    EXPECT_EQ(a->GetPaneRect().top, 0);

    // Over another group the cross offers its sides and its tabs.
    const CPoint over = ScreenCentre(MiscElement(h.PaneWnd(kOutput)).Item(0));
    BeginDrag(h, kSolution);
    MiscSendMouseAt(WM_MOUSEMOVE, over.x, over.y + 30);
    MiscSettle();
    HWND cross = ::FindWindowA(XTP_DOCKINGPANE_STICKER_CLASS, "Dock Pane");
    ASSERT_TRUE(cross && ::IsWindowVisible(cross));
    DropAt(ScreenCentre(MiscElement(cross).Item("Tab")));
    EXPECT_EQ(h.PaneWnd(kSolution), h.PaneWnd(kOutput));
    EXPECT_TRUE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected());

    // Dropped in the open, the panes float where they were let go.
    const CPoint to = BeginDrag(h, kSolution, CPoint(150, -120));
    DropAt(to);
    EXPECT_TRUE(a->IsFloating());
    EXPECT_TRUE(b->IsFloating()) << "the group moves as one";
    EXPECT_FALSE(Visible(XTP_DOCKINGPANE_CONTEXT_CLASS, nullptr));
}

TEST_F(DockingInputTest, ATabDraggedOutTakesOnlyItsPane)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 200, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Properties", CRect(0, 0, 200, 100), xtpPaneDockLeft);
    h.manager->AttachPane(b, a);
    MiscSettle();
    // Items: the caption (the selected pane's title), Close, Auto Hide, then the tabs.
    MiscElement tab = MiscElement(h.PaneWnd(kSolution)).Item(4);
    ASSERT_EQ(tab.Text(), "Properties");
    EXPECT_TRUE(tab.Drag(250, 40));
    EXPECT_TRUE(b->IsFloating());
    EXPECT_FALSE(a->IsFloating());
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(a->GetChild()->IsWindowVisible());
    // A short wiggle is a click, not a drag.
    MiscElement solution = MiscElement(h.PaneWnd(kSolution)).Item(0);
    EXPECT_TRUE(solution.Drag(2, 1));
    EXPECT_FALSE(a->IsFloating());
}

TEST_F(DockingInputTest, SplittersResizeLiveOrThroughTheTracker)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 160, 100), xtpPaneDockLeft);
    HWND bar = MiscFindControlByClass(h.site.GetSafeHwnd(), XTP_DOCKINGPANE_SPLITTER_CLASS).Window();
    ASSERT_NE(bar, nullptr);
    auto press = [&](int dx) {
        CRect r;
        ::GetWindowRect(bar, &r);
        const CPoint c = r.CenterPoint();
        MiscSendMouseAt(WM_LBUTTONDOWN, c.x, c.y);
        MiscSendMouseAt(WM_MOUSEMOVE, c.x + dx, c.y);
        MiscSettle();
        return c + CPoint(dx, 0);
    };
    // The tracker: the pane keeps its size until the button is let go.
    h.manager->UseSplitterTracker(TRUE);
    CPoint at = press(30);
    EXPECT_EQ(a->GetPaneRect().Width(), 160);
    DropAt(at);
    EXPECT_EQ(a->GetPaneRect().Width(), 190);
    // Live: the pane follows the mouse.
    h.manager->UseSplitterTracker(FALSE);
    at = press(-50);
    EXPECT_EQ(a->GetPaneRect().Width(), 140);
    DropAt(at);
    EXPECT_EQ(a->GetPaneRect().Width(), 140);
}

} // namespace
