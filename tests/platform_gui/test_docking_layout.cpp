// The docking panes' arrangement: docking at the site's edges and beside panes, tab groups,
// floating, closing; layouts saved and loaded under names.
#include "test_docking_host.h"

#include "toolkit/frame.h"

using namespace guitest;
using namespace docktest;

namespace {

class DockingLayoutTest : public GuiTest {};

TEST_F(DockingLayoutTest, PanesTakeTheSitesEdgesAndTheViewGetsTheRest)
{
    DockHost h(600, 400);
    CXTPDockingPane* left = h.Pane(kSolution, "Solution", CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* bottom = h.Pane(kOutput, "Output", CRect(0, 0, 100, 80), xtpPaneDockBottom);
    ASSERT_TRUE(left && bottom);
    const int split = h.manager->GetPaintManager()->m_nSplitterSize;
    // The later pane is the outer one: the output runs the full width under the solution pane.
    EXPECT_EQ(bottom->GetPaneRect(), CRect(0, 320, 600, 400));
    EXPECT_EQ(left->GetPaneRect(), CRect(0, 0, 150, 320 - split));
    EXPECT_EQ(h.manager->GetViewRect(), CRect(150 + split, 0, 600, 320 - split));
    EXPECT_FALSE(left->IsFloating());
    EXPECT_TRUE(left->IsSelected());
    // The pane's own window sits in its group, under the caption.
    CRect child;
    left->GetChild()->GetWindowRect(&child);
    CRect group;
    ::GetWindowRect(h.PaneWnd(kSolution), &group);
    EXPECT_TRUE(group.PtInRect(child.TopLeft()));
    EXPECT_GE(child.top, group.top + h.manager->GetPaintManager()->m_nCaptionHeight);
    EXPECT_TRUE(left->GetChild()->IsWindowVisible());
    // A second pane at the same edge without a neighbour goes outside the first.
    CXTPDockingPane* outer = h.Pane(kTasks, "Tasks", CRect(0, 0, 100, 50), xtpPaneDockLeft);
    EXPECT_EQ(outer->GetPaneRect().left, 0);
    EXPECT_EQ(left->GetPaneRect().left, 100 + split);
    EXPECT_EQ(h.manager->CreatePane(kTasks, CRect(), xtpPaneDockTop), nullptr) << "identifiers are unique";
}

TEST_F(DockingLayoutTest, AFramesViewGetsWhatThePanesLeaveAndTheFrameMayGoFirst)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 360)));
    CEdit view;
    view.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST);
    auto manager = std::make_unique<CXTPDockingPaneManager>();
    ASSERT_TRUE(manager->InstallDockingPanes(frame));
    EXPECT_EQ(CXTPDockingPaneManager::FromSite(frame), manager.get());
    manager->CreatePane(kSolution, CRect(0, 0, 120, 100), xtpPaneDockLeft);
    MiscSettle();
    CRect placed;
    view.GetWindowRect(&placed);
    frame->ScreenToClient(&placed);
    EXPECT_EQ(placed, manager->GetViewRect());
    EXPECT_GE(placed.left, 120);
    // The frame deletes itself when destroyed; the manager outlives it without touching it.
    frame->DestroyWindow();
    MiscSettle();
    manager->RecalcFrameLayout();
    manager->FloatPane(manager->FindPane(kSolution), CRect(0, 0, 100, 100));
    manager.reset();
}

TEST_F(DockingLayoutTest, PaneWindowsGoBackToTheSiteOrMayGoFirst)
{
    DockHost h(400, 300);
    // Attached before it exists: the manager learns its handle once it shows it.
    CXTPDockingPane* early = h.manager->CreatePane(kProps, CRect(0, 0, 120, 100), xtpPaneDockRight);
    CListBox list;
    early->Attach(&list);
    list.Create(WS_CHILD, CRect(0, 0, 10, 10), &h.site, 1);
    h.manager->RecalcFrameLayout();
    MiscSettle();
    EXPECT_NE(list.GetParent(), &h.site);
    // The application destroys one pane's window object before the manager.
    CXTPDockingPane* gone = h.Pane(kSolution, "Solution", CRect(0, 0, 150, 100), xtpPaneDockLeft);
    ASSERT_NE(gone, nullptr);
    h.children.clear();
    h.manager.reset();
    EXPECT_EQ(list.GetParent(), &h.site);
    EXPECT_FALSE(list.IsWindowVisible());
}

// A frame with a bar along its top that hands the rest to its panes, as the toolkit's frames do.
class BarFrame : public CFrameWnd {
public:
    int layouts = 0;
    void RecalcLayout(BOOL) override
    {
        ++layouts;
        CXTPDockingPaneManager* panes = CXTPDockingPaneManager::FromSite(this);
        if (panes)
            panes->RecalcFrameLayout(); // asked again from inside: the layout under way answers
        CRect rest;
        GetClientRect(&rest);
        rest.top += 30;
        if (panes)
            rest = panes->RepositionPanes(rest);
        if (CWnd* view = GetDlgItem(AFX_IDW_PANE_FIRST))
            view->MoveWindow(&rest);
    }
};

TEST_F(DockingLayoutTest, AFrameThatLaysOutItsBarsGivesThePanesWhatIsLeft)
{
    auto* frame = new BarFrame;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 360)));
    CEdit view;
    view.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST);
    {
        CXTPDockingPaneManager manager;
        manager.InstallDockingPanes(frame);
        CXTPDockingPane* a = manager.CreatePane(kSolution, CRect(0, 0, 120, 100), xtpPaneDockLeft);
        MiscSettle();
        EXPECT_EQ(a->GetPaneRect(), CRect(0, 30, 120, 360));
        CRect placed;
        view.GetWindowRect(&placed);
        frame->ScreenToClient(&placed);
        EXPECT_EQ(placed, manager.GetViewRect());
        EXPECT_EQ(placed.top, 30);
        // The frame grows: its layout places the panes again.
        frame->SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
        MiscSettle();
        EXPECT_EQ(a->GetPaneRect(), CRect(0, 30, 120, 400));
    }
    frame->DestroyWindow();
}

TEST_F(DockingLayoutTest, AToolkitFramesPanesStayClearOfItsStatusBar)
{
    auto* frame = new CXTPFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "frame", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 360)));
    ASSERT_TRUE(frame->InitCommandBars());
    const UINT indicators[] = {0};
    ASSERT_TRUE(frame->CreateStatusBar(frame, indicators, 1));
    {
        CXTPDockingPaneManager manager;
        manager.InstallDockingPanes(frame);
        EXPECT_TRUE(XTPHasFrameLayoutHook(frame));
        CXTPDockingPane* a = manager.CreatePane(kSolution, CRect(0, 0, 120, 100), xtpPaneDockLeft);
        MiscSettle();
        CRect status;
        frame->GetStatusBar()->GetWindowRect(&status);
        frame->ScreenToClient(&status);
        EXPECT_EQ(a->GetPaneRect().bottom, status.top);
        EXPECT_EQ(a->GetPaneRect().Width(), 120);
    }
    EXPECT_FALSE(XTPHasFrameLayoutHook(frame)) << "the manager took its hook with it";
    frame->DestroyWindow();
}

TEST_F(DockingLayoutTest, DockingBesideANeighbourSplitsItsRoom)
{
    DockHost h(600, 400);
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 200, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Properties", CRect(0, 0, 200, 100), xtpPaneDockBottom, a);
    CXTPDockingPane* c = h.Pane(kTasks, "Tasks", CRect(0, 0, 200, 100), xtpPaneDockTop, a);
    const CRect ra = a->GetPaneRect(), rb = b->GetPaneRect(), rc = c->GetPaneRect();
    // One column, three rows: Tasks over Solution over Properties.
    EXPECT_EQ(ra.left, 0);
    EXPECT_EQ(ra.Width(), 200);
    EXPECT_EQ(rb.Width(), 200);
    EXPECT_EQ(rc.top, 0);
    EXPECT_LT(rc.bottom, ra.top);
    EXPECT_LT(ra.bottom, rb.top);
    EXPECT_EQ(rb.bottom, 400);
    // Beside, not below: the column splits side by side.
    CXTPDockingPane* d = h.Pane(kOutput, "Output", CRect(0, 0, 80, 100), xtpPaneDockRight, b);
    EXPECT_EQ(d->GetPaneRect().top, b->GetPaneRect().top);
    EXPECT_GT(d->GetPaneRect().left, b->GetPaneRect().right - 1);
    EXPECT_EQ(d->GetPaneRect().right, 200);
    // Closing one gives its room back to its neighbours.
    h.manager->ClosePane(c);
    MiscSettle();
    EXPECT_TRUE(c->IsClosed());
    EXPECT_FALSE(c->GetChild()->IsWindowVisible());
    EXPECT_EQ(a->GetPaneRect().top, 0);
    h.manager->ShowPane(c);
    EXPECT_FALSE(c->IsClosed());
}

TEST_F(DockingLayoutTest, AttachedPanesShareOneGroupWithTabs)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 180, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Properties", CRect(0, 0, 180, 100), xtpPaneDockRight);
    h.manager->AttachPane(b, a);
    MiscSettle();
    EXPECT_EQ(a->GetPaneRect(), b->GetPaneRect());
    EXPECT_EQ(h.PaneWnd(kSolution), h.PaneWnd(kProps));
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_FALSE(a->GetChild()->IsWindowVisible());
    EXPECT_TRUE(b->GetChild()->IsWindowVisible());
    // A person clicks the first tab.
    MiscElement group(h.PaneWnd(kSolution));
    MiscElement tab = group.Item(3);
    ASSERT_TRUE(tab.Exists());
    EXPECT_EQ(tab.Text(), "Solution");
    EXPECT_TRUE(tab.Click());
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(a->GetChild()->IsWindowVisible());
    EXPECT_FALSE(b->GetChild()->IsWindowVisible());
    // Tabs at the bottom move the strip under the pane.
    const int tabTop = group.Item(3).State().rect.top;
    h.manager->GetPaintManager()->GetTabPaintManager()->SetPosition(xtpTabPositionBottom);
    ::InvalidateRect(group.Window(), nullptr, FALSE);
    MiscSettle();
    EXPECT_GT(group.Item(3).State().rect.top, tabTop + 100);
    CRect child;
    a->GetChild()->GetWindowRect(&child);
    CRect strip = group.Item(3).State().rect;
    ::ClientToScreen(group.Window(), reinterpret_cast<POINT*>(&strip.left));
    EXPECT_LT(child.bottom, strip.top + 1) << "the pane's window moved above the tabs";
    CRect groupRect;
    ::GetWindowRect(group.Window(), &groupRect);
    EXPECT_EQ(child.top, groupRect.top + h.manager->GetPaintManager()->m_nCaptionHeight + 1) << "right under the caption";
}

TEST_F(DockingLayoutTest, FloatingPanesLiveInTheirOwnFrame)
{
    DockHost h;
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 180, 100), xtpPaneDockLeft);
    h.manager->FloatPane(a, CRect(300, 200, 500, 450));
    MiscSettle();
    EXPECT_TRUE(a->IsFloating());
    HWND frame = h.manager->GetFloatingFrame(a);
    ASSERT_NE(frame, nullptr);
    CRect r;
    ::GetWindowRect(frame, &r);
    EXPECT_EQ(r, CRect(300, 200, 500, 450));
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_TRUE(r.PtInRect(a->GetPaneRect().TopLeft()));
    CRect client;
    h.site.GetClientRect(&client);
    EXPECT_EQ(h.manager->GetViewRect(), client) << "a floating pane takes no room in the site";
    // A person moves the frame: the arrangement keeps the new place.
    ::SetWindowPos(frame, nullptr, 100, 120, 220, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    MiscSettle();
    std::unique_ptr<CXTPDockingPaneLayout> layout(h.manager->CreateLayout());
    h.manager->GetLayout(layout.get());
    EXPECT_NE(std::string(layout->SaveToText().GetString()).find("floats 1 100 120 320 380 "), std::string::npos)
        << layout->SaveToText().GetString();
    ::GetWindowRect(frame, &r);
    EXPECT_EQ(r, CRect(100, 120, 320, 380));
    EXPECT_TRUE(r.PtInRect(a->GetPaneRect().TopLeft()));
    h.manager->DockPane(a, xtpPaneDockRight);
    MiscSettle();
    EXPECT_FALSE(a->IsFloating());
    EXPECT_FALSE(::IsWindowVisible(frame));
    EXPECT_EQ(a->GetPaneRect().right, client.right);
}

// Rearranges the four panes in a way that touches every state.
void Arrange(DockHost& h)
{
    CXTPDockingPane* a = h.Pane(kSolution, "Solution", CRect(0, 0, 170, 100), xtpPaneDockLeft);
    CXTPDockingPane* b = h.Pane(kProps, "Props with spaces", CRect(0, 0, 170, 120), xtpPaneDockBottom, a);
    CXTPDockingPane* c = h.Pane(kOutput, "Output", CRect(0, 0, 100, 90), xtpPaneDockBottom);
    CXTPDockingPane* d = h.Pane(kTasks, "Tasks", CRect(0, 0, 100, 90), xtpPaneDockRight);
    h.manager->AttachPane(d, c);
    h.manager->ShowPane(c);
    h.manager->FloatPane(b, CRect(400, 300, 560, 460));
    (void)a;
}

TEST_F(DockingLayoutTest, ASavedLayoutComesBackExactly)
{
    DockHost h;
    Arrange(h);
    std::unique_ptr<CXTPDockingPaneLayout> saved(h.manager->CreateLayout());
    h.manager->GetLayout(saved.get());
    saved->Save("DefaultLayout");
    const auto before = Snapshot(*h.manager);

    // Everything moves: docked elsewhere, hidden, closed.
    h.manager->DockPane(h.manager->FindPane(kProps), xtpPaneDockTop);
    h.manager->HidePane(h.manager->FindPane(kSolution));
    h.manager->ClosePane(h.manager->FindPane(kTasks));
    MiscSettle();
    ASSERT_NE(Snapshot(*h.manager), before);

    std::unique_ptr<CXTPDockingPaneLayout> loaded(h.manager->CreateLayout());
    ASSERT_TRUE(loaded->Load("DefaultLayout"));
    EXPECT_EQ(loaded->GetPaneIds(), (std::vector<UINT>{kSolution, kProps, kOutput, kTasks}));
    h.manager->SetLayout(loaded.get());
    MiscSettle();
    EXPECT_EQ(Snapshot(*h.manager), before);
    EXPECT_TRUE(h.manager->FindPane(kProps)->IsFloating());
    EXPECT_EQ(h.manager->FindPane(kProps)->GetTitle(), "Props with spaces");

    // A manager that has none of the panes yet makes them from the layout.
    DockHost fresh;
    std::free(const_cast<char*>(fresh.app.m_pszProfileName));
    fresh.app.m_pszProfileName = strdup(h.app.m_pszProfileName);
    std::unique_ptr<CXTPDockingPaneLayout> other(fresh.manager->CreateLayout());
    ASSERT_TRUE(other->Load("DefaultLayout"));
    fresh.manager->SetLayout(other.get());
    EXPECT_EQ(fresh.manager->GetPaneCount(), 4);
    EXPECT_EQ(fresh.manager->FindPane(kProps)->GetTitle(), "Props with spaces");
    EXPECT_TRUE(fresh.manager->FindPane(kProps)->IsFloating());
}

TEST_F(DockingLayoutTest, AnUnknownOrDamagedLayoutLoadsNothing)
{
    DockHost h;
    Arrange(h);
    std::unique_ptr<CXTPDockingPaneLayout> layout(h.manager->CreateLayout());
    EXPECT_FALSE(layout->IsValid());
    EXPECT_FALSE(layout->Load("NeverSaved"));
    EXPECT_FALSE(layout->IsValid());
    EXPECT_FALSE(layout->Load(""));
    h.manager->GetLayout(layout.get());
    const auto ids = layout->GetPaneIds();
    const auto before = Snapshot(*h.manager);
    // Damaged texts: each is refused and leaves the layout as it was.
    const char* damaged[] = {
        "garbage",
        "D1 panes 1 5 A edges 0 floats 0 hidden 0 closed 0",                      // cut short
        "D1 panes 1 5 A edges 1 0 100 g 0 1 6 floats 0 hidden 0 closed 0 last 0", // unknown pane
        "D1 panes 1 5 A edges 2 0 100 g 0 1 5 1 50 g 0 1 5 floats 0 hidden 0 closed 0 last 0", // placed twice
        "D1 panes 1 5 A edges 1 7 100 g 0 1 5 floats 0 hidden 0 closed 0 last 0", // no such edge
        "D1 panes 1 5 A edges 1 0 100 g 3 1 5 floats 0 hidden 0 closed 0 last 0", // selected tab missing
        "D1 panes 1 5 %Z edges 0 floats 0 hidden 0 closed 0 last 0",              // bad escape
        "D1 panes 1 5 A edges 1 0 100 s 0 1 9 g 0 1 5 floats 0 hidden 0 closed 0 last 0 extra",
    };
    for (const char* text : damaged) {
        h.app.WriteProfileString("DockingPaneLayouts\\Damaged", "Layout", text);
        EXPECT_FALSE(layout->Load("Damaged")) << text;
        EXPECT_EQ(layout->GetPaneIds(), ids) << text;
    }
    h.manager->SetLayout(layout.get());
    EXPECT_EQ(Snapshot(*h.manager), before);
}

TEST_F(DockingLayoutTest, TheTextFormReadsBackToTheSameText)
{
    const char* texts[] = {
        "D1 panes 3 1 A 2 B 3 C edges 1 0 200 s 0 2 120 g 0 1 1 80 s 1 2 50 g 0 1 2 50 g 0 1 3 floats 0 hidden 0 closed 0 last 0",
        "D1 panes 2 1 A%20b 2 B edges 0 floats 0 hidden 1 1 150 2 1 2 closed 0 last 2 1 1 2 1",
        "D1 panes 1 9 C edges 0 floats 1 -40 10 200 300 g 0 1 9 hidden 0 closed 0 last 0",
    };
    for (const char* text : texts) {
        CXTPDockingPaneLayout layout(nullptr);
        ASSERT_TRUE(layout.LoadFromText(text)) << text;
        EXPECT_STREQ(layout.SaveToText(), text);
    }
    // A pane listed but placed nowhere is closed.
    CXTPDockingPaneLayout layout(nullptr);
    ASSERT_TRUE(layout.LoadFromText("D1 panes 2 1 A 2 B edges 1 0 90 g 0 1 1 floats 0 hidden 0 closed 0 last 0"));
    EXPECT_NE(std::string(layout.SaveToText().GetString()).find("closed 1 2"), std::string::npos);
}

} // namespace
