// CWarningPane: stacking, hiding after the delay, pinning, dragging, the closed notification and
// the show delay in the application profile; driven by mouse input and the virtual clock.
#include <misc/ui.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_env.h"
#include "win32/automation.h"

namespace {

constexpr UINT kSign = 498; // the resource module's warning sign

// The host's main window: it hands the pop-ups' notifications to its pane.
class HostWnd : public CWnd {
public:
    CWarningPane* pane = nullptr;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg && msg == XTPPopupControlNotifyMessage()) {
            if (pane)
                pane->OnWarningPanePopUpNotify(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

class WarningPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        CWinApp* app = AfxGetApp();
        savedProfile = app->m_pszProfileName;
        profile = misc_test::MakeTempDir("warn") + "/host.ini";
        app->m_pszProfileName = strdup(profile.c_str());
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr,
                                  nullptr));
        app->m_pMainWnd = &host;
    }
    void TearDown() override
    {
        pane.reset();
        CWinApp* app = AfxGetApp();
        app->m_pMainWnd = nullptr;
        std::free(const_cast<char*>(app->m_pszProfileName));
        app->m_pszProfileName = savedProfile;
        host.DestroyWindow();
        EXPECT_EQ(MiscWindowSystemErrors(), std::vector<std::string>());
        MiscResetPlatform();
    }
    CWarningPane& Pane()
    {
        pane = std::make_unique<CWarningPane>(&host);
        host.pane = pane.get();
        return *pane;
    }
    // The open pop-ups, in the pane's order.
    std::vector<CKestXTPPopupControl*> Popups() const
    {
        std::vector<CKestXTPPopupControl*> out;
        for (POSITION pos = pane->m_popups.GetHeadPosition(); pos;)
            out.push_back(pane->m_popups.GetNext(pos));
        return out;
    }
    static CRect Rect(CXTPPopupControl* p)
    {
        CRect r;
        p->GetWindowRect(&r);
        return r;
    }
    static MiscElement Button(CXTPPopupControl* p, UINT id)
    {
        return MiscElement(p->GetSafeHwnd()).Item(std::to_string(id));
    }
    static CXTPPopupItem* Pin(CXTPPopupControl* p) { return p->GetItem(5); }
    void WriteDelay(const char* value)
    {
        misc_test::WriteFile(profile, std::string("[WarningPane]\nShowDelay=") + value + "\n");
    }

    HostWnd host;
    std::unique_ptr<CWarningPane> pane;
    std::string profile;
    LPCTSTR savedProfile = nullptr;
};

TEST_F(WarningPaneTest, ThreeWarningsStackUpwardWithoutOverlap)
{
    CWarningPane& p = Pane();
    p.Show("Disk", "The disk is nearly full.", kSign);
    p.Show("Plotter", "The plotter does not answer.", kSign);
    p.Show("Marker", "The marker is longer than the table.", kSign);
    MiscAdvanceClock(600);
    const auto popups = Popups();
    ASSERT_EQ(popups.size(), 3u);
    EXPECT_EQ(p.m_current, popups[2]);
    // The host's client area ends at (700, 500): the first pop-up sits in its corner, each next
    // one right above the one before.
    EXPECT_EQ(Rect(popups[0]), CRect(480, 410, 700, 500));
    EXPECT_EQ(Rect(popups[1]), CRect(480, 320, 700, 410));
    EXPECT_EQ(Rect(popups[2]), CRect(480, 230, 700, 320));
    for (size_t i = 0; i < popups.size(); ++i)
        for (size_t j = i + 1; j < popups.size(); ++j) {
            CRect common;
            EXPECT_FALSE(common.IntersectRect(Rect(popups[i]), Rect(popups[j]))) << i << " and " << j;
        }
}

TEST_F(WarningPaneTest, APopupHoldsItsItemsInOrder)
{
    CWarningPane& p = Pane();
    p.Show("Plotter", "The plotter does not answer.", kSign);
    CXTPPopupControl* popup = Popups().at(0);
    ASSERT_EQ(popup->GetItemCount(), 6);
    EXPECT_EQ(popup->GetItem(0)->GetBackgroundColor(), 0xe1ffffu);
    EXPECT_EQ(popup->GetItem(1)->GetCaption(), "The plotter does not answer.");
    EXPECT_FALSE(popup->GetItem(1)->IsHyperLink());
    EXPECT_GT(popup->GetItem(1)->GetRect().Height(), 0) << "measured with the pop-up's font";
    EXPECT_EQ(popup->GetItem(2)->GetCaption(), "Plotter");
    EXPECT_TRUE(popup->GetItem(2)->IsBold());
    EXPECT_EQ(popup->GetItem(2)->GetTextAlignment(), 36u);
    EXPECT_EQ(popup->GetItem(3)->GetIconID(), kSign);
    EXPECT_EQ(popup->GetItem(4)->GetID(), 495);
    EXPECT_EQ(popup->GetItem(4)->GetIconID(xtpPopupItemIconPressed), 495u);
    EXPECT_EQ(Pin(popup)->GetID(), 497);
    EXPECT_EQ(Pin(popup)->GetIconID(xtpPopupItemIconSelected), 497u);
    EXPECT_EQ(popup->GetPopupAnimation(), xtpPopupAnimationSlide);
    EXPECT_EQ(popup->GetAnimateDelay(), 500u);
    EXPECT_EQ(popup->GetPopupSize(), CSize(220, 90));
}

TEST_F(WarningPaneTest, AnUnpinnedPopupGoesAfterItsDelayAndIsDestroyed)
{
    CWarningPane& p = Pane();
    EXPECT_EQ(p.m_showDelay, 3000) << "no value in the profile";
    p.Show("Disk", "The disk is nearly full.", kSign);
    HWND hwnd = Popups().at(0)->GetSafeHwnd();
    MiscAdvanceClock(500 + 2900);
    EXPECT_EQ(Popups().size(), 1u);
    MiscAdvanceClock(100 + 600);
    EXPECT_TRUE(p.m_popups.IsEmpty());
    EXPECT_EQ(p.m_current, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd)) << "the closed pop-up was destroyed";
}

TEST_F(WarningPaneTest, ThePinKeepsAPopupAndUnpinningHidesIt)
{
    CWarningPane& p = Pane();
    p.Show("Plotter", "The plotter does not answer.", kSign);
    CXTPPopupControl* popup = Popups().at(0);
    MiscAdvanceClock(600);
    ASSERT_TRUE(Button(popup, 497).Click());
    EXPECT_EQ(p.m_showDelay, 0);
    EXPECT_EQ(popup->GetShowDelay(), 0u);
    EXPECT_EQ(Pin(popup)->GetIconID(), 496u);
    MiscSendMouseAt(WM_MOUSEMOVE, 300, 300); // the mouse leaves it
    MiscAdvanceClock(60000);
    ASSERT_EQ(Popups().size(), 1u) << "pinned: it stays";
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateShow);

    ASSERT_TRUE(Button(popup, 497).Click());
    EXPECT_EQ(p.m_showDelay, 3000);
    EXPECT_EQ(Pin(popup)->GetIconID(), 497u);
    EXPECT_EQ(popup->GetPopupState(), xtpPopupStateCollapsing) << "unpinning hides it at once";
    MiscAdvanceClock(600);
    EXPECT_TRUE(p.m_popups.IsEmpty());
}

TEST_F(WarningPaneTest, WithoutAnimationTheButtonsCloseAtOnce)
{
    // The closed notification arrives inside the click's own notification and destroys the
    // pop-up with its items before the click is done with.
    CWarningPane& p = Pane();
    p.m_animation = 0;
    p.Show("Disk", "The disk is nearly full.", kSign);
    ASSERT_TRUE(Button(Popups().at(0), 495).Click());
    EXPECT_TRUE(p.m_popups.IsEmpty());

    p.Show("Plotter", "The plotter does not answer.", kSign);
    CXTPPopupControl* popup = Popups().at(0);
    ASSERT_TRUE(Button(popup, 497).Click());
    EXPECT_EQ(p.m_showDelay, 0);
    ASSERT_TRUE(Button(popup, 497).Click());
    EXPECT_EQ(p.m_showDelay, 3000);
    EXPECT_TRUE(p.m_popups.IsEmpty());
}

TEST_F(WarningPaneTest, TheMousePassingOverAClosingPopupDoesNotStopIt)
{
    CWarningPane& p = Pane();
    p.Show("Disk", "The disk is nearly full.", kSign);
    MiscAdvanceClock(600);
    CKestXTPPopupControl* popup = Popups().at(0);
    ASSERT_TRUE(Button(popup, 495).Click());
    EXPECT_TRUE(popup->m_hiding);
    ASSERT_EQ(popup->GetPopupState(), xtpPopupStateCollapsing);
    for (int step = 0; step < 4; ++step) {
        MiscAdvanceClock(100);
        MiscSendMouseAt(WM_MOUSEMOVE, 600, 495 - step);
    }
    MiscAdvanceClock(200);
    EXPECT_TRUE(p.m_popups.IsEmpty());
}

TEST_F(WarningPaneTest, AfterADragTheNextOpensWhereItWasDropped)
{
    CWarningPane& p = Pane();
    p.Show("Disk", "The disk is nearly full.", kSign);
    MiscAdvanceClock(600);
    CXTPPopupControl* first = Popups().at(0);
    // Drag by the text, 200 to the left and 100 up, as a person does on the screen.
    MiscSendMouseAt(WM_MOUSEMOVE, 560, 470);
    MiscSendMouseAt(WM_LBUTTONDOWN, 560, 470);
    for (int i = 1; i <= 4; ++i)
        MiscSendMouseAt(WM_MOUSEMOVE, 560 - 50 * i, 470 - 25 * i);
    MiscSendMouseAt(WM_LBUTTONUP, 360, 370);
    EXPECT_EQ(p.m_lastPos, CPoint(500, 400));
    EXPECT_EQ(Rect(first), CRect(280, 310, 500, 400));

    // The next one would cover the dragged one: it stacks above it.
    p.Show("Plotter", "The plotter does not answer.", kSign);
    MiscAdvanceClock(600);
    EXPECT_EQ(Rect(Popups().at(1)), CRect(280, 220, 500, 310));

    // With both closed, a new one opens exactly at the dropped place.
    for (CXTPPopupControl* popup : Popups())
        ASSERT_TRUE(Button(popup, 495).Click());
    MiscAdvanceClock(600);
    ASSERT_TRUE(p.m_popups.IsEmpty());
    p.Show("Marker", "The marker is longer than the table.", kSign);
    MiscAdvanceClock(600);
    EXPECT_EQ(Rect(Popups().at(0)), CRect(280, 310, 500, 400));
}

TEST_F(WarningPaneTest, TheDelayComesFromTheProfileAndGoesBack)
{
    WriteDelay("0");
    {
        CWarningPane& p = Pane();
        EXPECT_EQ(p.m_showDelay, 0);
        p.Show("Plotter", "The plotter does not answer.", kSign);
        CXTPPopupControl* popup = Popups().at(0);
        EXPECT_EQ(Pin(popup)->GetIconID(), 496u) << "opened pinned";
        MiscAdvanceClock(60000);
        EXPECT_EQ(Popups().size(), 1u);
        ASSERT_TRUE(Button(popup, 497).Click());
        HWND hwnd = popup->GetSafeHwnd();
        p.Show("Disk", "The disk is nearly full.", kSign);
        HWND second = Popups().back()->GetSafeHwnd();
        pane.reset(); // the pane closes what is open
        EXPECT_FALSE(::IsWindow(hwnd));
        EXPECT_FALSE(::IsWindow(second));
    }
    EXPECT_EQ(::GetPrivateProfileIntA("WarningPane", "ShowDelay", -1, profile.c_str()), 3000)
        << "the value in force when the pane went";
    WriteDelay("1500");
    EXPECT_EQ(Pane().m_showDelay, 1500);
}

TEST_F(WarningPaneTest, ShowLeavesTheResourceModuleAsItWas)
{
    HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(nullptr);
    Pane().Show("Disk", "The disk is nearly full.", kSign);
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    EXPECT_EQ(Popups().at(0)->GetItem(4)->GetIconID(), 495u) << "the icons came from the resource module";
    AfxSetResourceHandle(before);
}

} // namespace
