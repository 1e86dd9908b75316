// The property dialog builds, lays out and expands its grid, and closes or stays open by mode.
#include "propdlg_fixture.h"

#include <algorithm>

namespace propdlgtest {
namespace {

bool Logged(const std::vector<std::string>& log, const std::string& what)
{
    return std::count(log.begin(), log.end(), what) > 0;
}

class PropDlgBuildTest : public PropDlgTest {};

TEST_F(PropDlgBuildTest, BuildWithoutGridLeavesItHiddenAndEmptyAndTheNextBuildExpandsByDefaultOnlyWhenAsked)
{
    MakeHost();
    RecordingDlg dlg(7, false);
    ASSERT_TRUE(CreatePane(dlg));
    dlg.BuildGrid(-1, nullptr);
    EXPECT_EQ(dlg.GetGridId(), -1);
    EXPECT_FALSE(dlg.GetGrid()->IsWindowVisible());
    EXPECT_EQ(dlg.GetGrid()->GetCategories()->GetCount(), 0);
    EXPECT_EQ(dlg.GetPropMngr(), nullptr);
    EXPECT_FALSE(dlg.IsShow());

    dlg.BuildGrid(7, nullptr);
    EXPECT_TRUE(dlg.GetGrid()->IsWindowVisible());
    EXPECT_EQ(dlg.GetGrid()->GetCategories()->GetCount(), 2);
    EXPECT_TRUE(dlg.IsShow());
    EXPECT_FALSE(Logged(dlg.log, "SetDefaultExpand")); // "PropertyDefaultExpand" is not set
    dlg.DestroyWindow();
}

TEST_F(PropDlgBuildTest, DefaultExpansionOnlyWhenTheGridIdentifierChanges)
{
    ASSERT_TRUE(ProfileWriteString(kSection, "PropertyDefaultExpand", "1", 1));
    ASSERT_EQ(ProfileInt(kSection, "PropertyDefaultExpand"), 1) << KestProfile::m_namePath.GetString();
    MakeHost();
    RecordingDlg dlg(7, false);
    ASSERT_TRUE(CreatePane(dlg));
    dlg.BuildGrid(7, nullptr);
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "SetDefaultExpand"), 1);
    dlg.BuildGrid(7, nullptr); // the same kind of object again
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "SetDefaultExpand"), 1);
    dlg.BuildGrid(8, nullptr);
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "SetDefaultExpand"), 2);
    dlg.DestroyWindow();
}

CRect PlaceOf(CWnd* dlg, int id)
{
    CRect r;
    dlg->GetDlgItem(id)->GetWindowRect(&r);
    dlg->ScreenToClient(&r);
    return r;
}

TEST_F(PropDlgBuildTest, APictureTakesTheBottomOfTheFrameAndTheGridEndsFourPixelsAboveIt)
{
    MakeHost();
    RecordingDlg dlg(7, false);
    dlg.withBitmap = true;
    ASSERT_TRUE(CreatePane(dlg));
    dlg.GetDlgItem(CPropertyDlg::kFrameId)->MoveWindow(6, 20, 240, 400);
    dlg.GetDlgItem(CPropertyDlg::kPictureId)->MoveWindow(6, 100, 240, 60);
    dlg.BuildGrid(7, nullptr);
    const CRect frame = PlaceOf(&dlg, CPropertyDlg::kFrameId);
    const CRect picture = PlaceOf(&dlg, CPropertyDlg::kPictureId);
    CRect grid;
    dlg.GetGrid()->GetWindowRect(&grid);
    dlg.ScreenToClient(&grid);
    EXPECT_EQ(picture, CRect(6, 360, 246, 420));
    EXPECT_TRUE(dlg.GetDlgItem(CPropertyDlg::kPictureId)->IsWindowVisible());
    EXPECT_EQ(grid, CRect(6, 20, 246, 356));

    // Without a picture the grid takes the whole frame and the picture hides.
    dlg.withBitmap = false;
    dlg.BuildGrid(7, nullptr);
    dlg.GetGrid()->GetWindowRect(&grid);
    dlg.ScreenToClient(&grid);
    EXPECT_EQ(grid, frame);
    EXPECT_FALSE(dlg.GetDlgItem(CPropertyDlg::kPictureId)->IsWindowVisible());
    dlg.DestroyWindow();
}

TEST_F(PropDlgBuildTest, AnExpandRequestExpandsTheCategoryAndItsListedRowsAndAMissingOneChangesNothing)
{
    MakeHost();
    RecordingDlg dlg(7, false);
    ASSERT_TRUE(CreatePane(dlg));
    dlg.BuildGrid(7, nullptr);
    CXTPPropertyGridItem* general = dlg.GetGrid()->FindItem(static_cast<UINT>(kCatGeneral));
    CXTPPropertyGridItem* offset = dlg.GetGrid()->FindItem("Offset");
    ASSERT_TRUE(general && offset);
    general->Collapse();
    offset->Collapse();

    // The sender allocates the request; the dialog deletes it (LeakSanitizer checks the asan run).
    auto* missing = new sExpandPropItem;
    missing->CategoryId = 999;
    missing->Items.Add(0, "");
    dlg.PostMessage(WM_PROPDLG_NOTIFY, 3, reinterpret_cast<LPARAM>(missing));
    MiscSettle();
    EXPECT_FALSE(general->IsExpanded());

    auto* request = new sExpandPropItem;
    request->CategoryId = kCatGeneral;
    request->Items.Add(2, "");  // Offset, the third row
    request->Items.Add(17, ""); // no such row: skipped
    dlg.PostMessage(WM_PROPDLG_NOTIFY, 3, reinterpret_cast<LPARAM>(request));
    MiscSettle();
    EXPECT_TRUE(general->IsExpanded());
    EXPECT_TRUE(offset->IsExpanded());
    EXPECT_EQ(dlg.GetGrid()->GetTopIndex(), general->GetIndex());
    dlg.PostMessage(WM_PROPDLG_NOTIFY, 3, 0); // no request: nothing
    MiscSettle();
    dlg.DestroyWindow();
}

TEST_F(PropDlgBuildTest, EditModeStaysOpenOnEnterAndEscapeButAsksTheManager)
{
    MakeHost();
    RecordingDlg dlg(7, false);
    ASSERT_TRUE(CreatePane(dlg));
    dlg.BuildGrid(7, nullptr);
    dlg.SendMessage(WM_COMMAND, IDOK);     // what Enter sends
    dlg.SendMessage(WM_COMMAND, IDCANCEL); // what Escape sends
    MiscSettle();
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
    EXPECT_TRUE(Logged(dlg.log, "OnOK"));
    dlg.DestroyWindow();
}

INT_PTR RunCreateMode(int answer, std::vector<std::string>* log)
{
    RecordingDlg dlg(7, true);
    dlg.okAnswer = answer;
    MiscScriptedUser user;
    user.ExpectDialog(CPropertyDlg::kTemplateCreate, [answer](MiscModal& m) {
        MiscClickButton(m.hwnd, IDOK);
        if (::IsWindow(m.hwnd)) // the manager kept it open
            MiscClickButton(m.hwnd, IDCANCEL);
    });
    const INT_PTR result = dlg.DoModal();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    if (log)
        *log = dlg.log;
    return result;
}

TEST_F(PropDlgBuildTest, CreateModeClosesByTheManagersAnswer)
{
    std::vector<std::string> log;
    EXPECT_EQ(RunCreateMode(1, &log), IDOK);
    EXPECT_EQ(RunCreateMode(2, &log), IDCANCEL); // confirmed, but closed as cancelled
    EXPECT_TRUE(Logged(log, "OnOK"));
    EXPECT_EQ(RunCreateMode(0, &log), IDCANCEL); // stayed open until Cancel
    EXPECT_TRUE(Logged(log, "OnOK"));
}

TEST_F(PropDlgBuildTest, PrivateMessageRunsTheHookAndTakesTheFocus)
{
    MakeHost();
    RecordingDlg dlg(7, false);
    ASSERT_TRUE(CreatePane(dlg));
    dlg.BuildGrid(7, nullptr);
    // A deferred push: the manager posts code 1 once.
    dlg.GetPropMngr()->SetPostUpdateMessage(true);
    dlg.GetPropMngr()->PostValueChanged(1);
    dlg.GetPropMngr()->PostValueChanged(1);
    MiscSettle();
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "OnPostedValueChanged"), 1);

    host.SetFocus();
    dlg.PostMessage(WM_PROPDLG_NOTIFY, 2, 0);
    MiscSettle();
    HWND focus = ::GetFocus();
    EXPECT_TRUE(focus == dlg.GetSafeHwnd() || ::IsChild(dlg.GetSafeHwnd(), focus));
    dlg.DestroyWindow();
}

TEST_F(PropDlgBuildTest, ClosingWritesTheLayoutAndTheExpandedStates)
{
    {
        MakeHost();
        RecordingDlg dlg(7, false);
        ASSERT_TRUE(CreatePane(dlg));
        dlg.ReadRegistryInfo(kSection);
        dlg.BuildGrid(7, nullptr);
        EXPECT_TRUE(Row(dlg, "Cutting").Collapse());
        dlg.DestroyWindow();
    }
    EXPECT_EQ(ProfileInt(kSection, "Prop_7_41002"), 0);
    EXPECT_EQ(ProfileInt(kSection, "Prop_7_41001"), 1);
    EXPECT_EQ(ProfileInt(kSection, "PrefHelpHeightProperty7"), 50); // the default read on opening
    EXPECT_NE(ProfileText(kSection, "PrefDividerProperty7"), "");
    EXPECT_EQ(ProfileInt(kSection, "PrefTopIndexProperty7"), 0);
}


TEST_F(PropDlgBuildTest, DraggingTheSizeGripStretchesGridAndFrameAndMovesTheButtons)
{
    RecordingDlg dlg(7, true);
    dlg.withBitmap = true;
    CRect grid0, grid1, ok0, ok1, frame1, picture1;
    MiscScriptedUser user;
    user.ExpectDialog(CPropertyDlg::kTemplateCreate, [&](MiscModal& m) {
        CWnd* wnd = CWnd::FromHandle(m.hwnd);
        auto place = [wnd](HWND h) {
            CRect r;
            ::GetWindowRect(h, &r);
            wnd->ScreenToClient(&r);
            return r;
        };
        dlg.SetBitmap(); // the manager's picture is shown under the grid
        grid0 = place(GridOf(dlg));
        ok0 = place(::GetDlgItem(m.hwnd, IDOK));
        HWND grip = MiscFindControlByClass(m.hwnd, XT_SIZEGRIP_CLASS).Window();
        ASSERT_NE(grip, nullptr);
        RECT g;
        ::GetWindowRect(grip, &g);
        const int x = g.left + 4, y = g.top + 4;
        MiscSendMouseAt(WM_MOUSEMOVE, x, y);
        MiscSendMouseAt(WM_LBUTTONDOWN, x, y);
        MiscSendMouseAt(WM_MOUSEMOVE, x + 40, y + 60);
        MiscSendMouseAt(WM_LBUTTONUP, x + 40, y + 60);
        MiscSettle();
        grid1 = place(GridOf(dlg));
        ok1 = place(::GetDlgItem(m.hwnd, IDOK));
        frame1 = place(::GetDlgItem(m.hwnd, CPropertyDlg::kFrameId));
        picture1 = place(::GetDlgItem(m.hwnd, CPropertyDlg::kPictureId));
        MiscClickButton(m.hwnd, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(grid1.Width(), grid0.Width() + 40);
    EXPECT_EQ(ok1.TopLeft(), ok0.TopLeft() + CPoint(40, 60));
    EXPECT_EQ(picture1.bottom, frame1.bottom); // laid out again after the size change
    EXPECT_EQ(grid1.bottom, picture1.top - CPropertyDlg::kPictureGap);
}

TEST_F(PropDlgBuildTest, TheColouredDialogsColourReachesTheGrid)
{
    COLORREF colour = RGB(200, 220, 240);
    MakeHost();
    RecordingDlg dlg(7, false);
    CQVXColoredDlg::s_pClrDlgBk = &colour;
    ASSERT_TRUE(CreatePane(dlg));
    EXPECT_EQ(dlg.GetGrid()->GetHelpBackColor(), colour);
    EXPECT_EQ(dlg.GetGrid()->GetViewLineColor(), colour);
    EXPECT_EQ(dlg.GetGrid()->GetViewBackColor(), RGB(255, 255, 255));
    colour = RGB(90, 100, 110); // the host changes it
    dlg.UpdateColor();
    EXPECT_EQ(dlg.GetGrid()->GetHelpBackColor(), colour);
    CQVXColoredDlg::s_pClrDlgBk = nullptr;
    dlg.DestroyWindow();
}

} // namespace
} // namespace propdlgtest
