// Layout reset on the sample host frame: every combination of the dialog's three boxes resets
// exactly what was ticked to the factory state the frame saved at its start, Cancel changes
// nothing, and the factory buttons come back without temporary controls.
#include <misc/ui.h>
#include <toolkit/shortcuts.h>
#include <win32/automation.h>
#include <win32/script.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_host/frame_host.h"

namespace {

using sample::CFrameHostFrame;

// What the three kinds of layout look like now, comparable as a whole.
struct Snapshot {
    std::vector<std::string> bars;     // "title visible: id id id"
    std::vector<std::string> panes;    // "id floating hidden closed"
    std::vector<std::string> shortcuts; // "flags key cmd"
    bool operator==(const Snapshot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Snapshot& s)
{
    for (const auto* list : {&s.bars, &s.panes, &s.shortcuts})
        for (const auto& line : *list)
            out << "\n  " << line;
    return out;
}

Snapshot Take(CFrameHostFrame* frame)
{
    Snapshot s;
    CXTPCommandBars* bars = frame->GetCommandBars();
    for (int i = 0; i < bars->GetCount(); ++i) {
        CXTPToolBar* bar = bars->GetAt(i);
        std::string line = std::string(bar->GetTitle()) + (bar->IsVisible() ? " shown:" : " hidden:");
        for (int c = 0; c < bar->GetControls()->GetCount(); ++c)
            line += " " + std::to_string(bar->GetControls()->GetAt(c)->GetID());
        s.bars.push_back(line);
    }
    CXTPDockingPaneManager* panes = frame->GetDockingPaneManager();
    for (int i = 0; i < panes->GetPaneCount(); ++i) {
        CXTPDockingPane* p = panes->GetPaneAt(i);
        s.panes.push_back(std::to_string(p->GetID()) + (p->IsFloating() ? " floating" : " docked") +
                          (p->IsHidden() ? " hidden" : "") + (p->IsClosed() ? " closed" : ""));
    }
    HACCEL table = bars->GetShortcutManager()->GetAccelTable();
    const int n = table ? CopyAcceleratorTableA(table, nullptr, 0) : 0;
    std::vector<ACCEL> entries(static_cast<size_t>(n));
    if (n > 0)
        CopyAcceleratorTableA(table, entries.data(), n);
    for (const ACCEL& a : entries)
        s.shortcuts.push_back(std::to_string(a.fVirt) + " " + std::to_string(a.key) + " " + std::to_string(a.cmd));
    return s;
}

class LayoutResetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        frame = CFrameHostFrame::Create(CRect(0, 0, 800, 560), true);
        ASSERT_NE(frame, nullptr);
        factory = Take(frame);
    }
    void TearDown() override
    {
        if (frame)
            frame->DestroyWindow();
        MiscResetPlatform();
    }

    // Changes all three kinds: a button removed and the drawing bar hidden, a shortcut table
    // of one entry, the properties pane floating.
    void Rearrange()
    {
        CXTPCommandBars* bars = frame->GetCommandBars();
        bars->GetToolBar(IDR_FRAME_STANDARD)->GetControls()->Remove(0);
        bars->GetToolBar(IDR_FRAME_DRAWING)->SetVisible(FALSE);
        ACCEL one = {FVIRTKEY | FCONTROL, 'Q', ID_HOST_FILE_EXIT};
        HACCEL table = CreateAcceleratorTableA(&one, 1);
        bars->GetShortcutManager()->SetAccelTable(table);
        DestroyAcceleratorTable(table);
        CXTPDockingPaneManager* panes = frame->GetDockingPaneManager();
        panes->FloatPane(panes->FindPane(sample::kPaneProperties), CRect(300, 200, 500, 400));
        changed = Take(frame);
        ASSERT_NE(changed.bars, factory.bars);
        ASSERT_NE(changed.shortcuts, factory.shortcuts);
        ASSERT_NE(changed.panes, factory.panes);
    }

    CFrameHostFrame* frame = nullptr;
    Snapshot factory, changed;
};

TEST_F(LayoutResetTest, EachCombinationOfTheBoxesResetsExactlyWhatWasTicked)
{
    for (int mask = 0; mask < 8; ++mask) {
        SCOPED_TRACE("boxes " + std::to_string(mask));
        Rearrange();
        MiscScriptedUser user;
        user.ExpectDialog(504, [&](MiscModal& m) {
            // All three start ticked.
            for (int id : {1501, 1502, 1503})
                EXPECT_EQ(IsDlgButtonChecked(m.hwnd, id), static_cast<UINT>(BST_CHECKED));
            MiscSetCheck(m.hwnd, 1501, (mask & 1) ? BST_CHECKED : BST_UNCHECKED);
            MiscSetCheck(m.hwnd, 1502, (mask & 2) ? BST_CHECKED : BST_UNCHECKED);
            MiscSetCheck(m.hwnd, 1503, (mask & 4) ? BST_CHECKED : BST_UNCHECKED);
            MiscClickButton(m.hwnd, IDOK);
        });
        ResetAppLayout(frame->GetDockingPaneManager(), frame, nullptr, TRUE, 0, 0, 0);
        EXPECT_TRUE(user.AllDone()) << user.Report();
        const Snapshot now = Take(frame);
        EXPECT_EQ(now.bars, (mask & 1) ? factory.bars : changed.bars);
        EXPECT_EQ(now.shortcuts, (mask & 2) ? factory.shortcuts : changed.shortcuts);
        EXPECT_EQ(now.panes, (mask & 4) ? factory.panes : changed.panes);
        // Back to the factory state for the next round.
        ResetAppLayout(frame->GetDockingPaneManager(), frame, nullptr, FALSE, 1, 1, 1);
        ASSERT_EQ(Take(frame), factory);
    }
}

TEST_F(LayoutResetTest, CancelChangesNothingAndTheFlagsAreIgnored)
{
    Rearrange();
    MiscScriptedUser user;
    user.ExpectDialog(504, [](MiscModal& m) { MiscClickButton(m.hwnd, IDCANCEL); });
    const HINSTANCE before = AfxGetResourceHandle();
    ResetAppLayout(frame->GetDockingPaneManager(), frame, nullptr, TRUE, 1, 1, 1);
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(Take(frame), changed);
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST_F(LayoutResetTest, WithoutFramesOnlyThePanesCanBeReset)
{
    Rearrange();
    ResetAppLayout(frame->GetDockingPaneManager(), nullptr, nullptr, FALSE, 1, 1, 1);
    const Snapshot now = Take(frame);
    EXPECT_EQ(now.panes, factory.panes);
    EXPECT_EQ(now.bars, changed.bars);
    EXPECT_EQ(now.shortcuts, changed.shortcuts);
}

TEST_F(LayoutResetTest, WithoutAFactoryLayoutThePanesStayAsTheyAre)
{
    Rearrange();
    // The docking panes keep a layout in the section "DockingPaneLayouts\\<name>".
    AfxGetApp()->WriteProfileString("DockingPaneLayouts\\" MISC_DEFAULT_LAYOUT, nullptr, nullptr);
    std::unique_ptr<CXTPDockingPaneLayout> probe(frame->GetDockingPaneManager()->CreateLayout());
    if (probe->Load(MISC_DEFAULT_LAYOUT))
        GTEST_SKIP() << "the layout is not kept in a section of that name";
    ResetAppLayout(frame->GetDockingPaneManager(), frame, nullptr, FALSE, 0, 0, 1);
    EXPECT_EQ(Take(frame).panes, changed.panes);
}

TEST_F(LayoutResetTest, FactoryButtonsComeBackWithoutTemporaryControlsAndUserBarsGoOff)
{
    CXTPCommandBars* bars = frame->GetCommandBars();
    CXTPToolBar* standard = bars->GetToolBar(IDR_FRAME_STANDARD);
    // A temporary control among the kept factory controls (a host adds one at run time).
    CXTPControl* temporary = standard->GetOriginalControls()->Add(xtpControlButton, ID_HOST_ABOUT, "About");
    temporary->SetTemporary(TRUE);
    CXTPToolBar* user = bars->Add("My Bar");
    user->SetBuiltIn(FALSE);
    user->GetControls()->Add(xtpControlButton, ID_HOST_FILE_NEW, "New");

    ResetToolbarsContent(bars);

    const CXTPControls* controls = standard->GetControls();
    EXPECT_EQ(controls->FindControl(xtpControlError, ID_HOST_ABOUT, FALSE, FALSE), nullptr);
    EXPECT_NE(controls->FindControl(xtpControlError, ID_HOST_FILE_NEW, FALSE, FALSE), nullptr);
    EXPECT_TRUE(standard->IsVisible());
    EXPECT_FALSE(user->IsVisible());
}

} // namespace

namespace {

// The sample frame from the keyboard: Alt+F opens File, and its Exit closes the frame.
TEST_F(LayoutResetTest, TheFileMenuOpensWithAltFAndExitClosesTheFrame)
{
    const HWND hwnd = frame->GetSafeHwnd();
    MiscScriptedUser user;
    user.Expect(
        MiscModalKind::PopupMenu, [](const MiscModal& m) { return m.text.find("Exit") != std::string::npos; },
        [](MiscModal& m) { EXPECT_TRUE(MiscChooseMenuItem(m.hwnd, ID_HOST_FILE_EXIT)); }, "the File menu");
    MiscPressKeyWith('F', MISC_MOD_ALT, hwnd);
    MiscSettle();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_FALSE(::IsWindow(hwnd));
    frame = nullptr; // the frame deleted itself
}

} // namespace
