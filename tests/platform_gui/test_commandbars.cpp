// The command bars on a frame: bars laid out in rows along the edges, clicks that become
// commands, update-UI, the tool-bar text option, states saved and loaded under names, factory
// sets, the multi-document frame and the repaint after a look changes.
#include "gui_fixture.h"

#include <afxwin.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "test_env.h"
#include "toolkit/frame.h"
#include "toolkit/paintmanager.h"
#include "win32/automation.h"

namespace {

enum : UINT { kMenu = 9100, kNew = 9101, kOpen = 9102, kSave = 9103, kCut = 9108, kCopy = 9109, kPaste = 9110 };

std::vector<UINT>& Commands()
{
    static std::vector<UINT> commands;
    return commands;
}

class Frame : public CXTPFrameWnd {
public:
    afx_msg void OnCommandAt(UINT id) { Commands().push_back(id); }
    afx_msg void OnUpdateOpen(CCmdUI* ui) { ui->Enable(openEnabled); }
    BOOL openEnabled = TRUE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Frame, CXTPFrameWnd)
    ON_COMMAND_RANGE(kNew, kCopy, OnCommandAt)
    ON_UPDATE_COMMAND_UI(kOpen, OnUpdateOpen)
END_MESSAGE_MAP()

class CommandBarsTest : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Commands().clear();
        saved = AfxGetResourceHandle();
        AfxSetResourceHandle(GetModuleHandleA("misc_res.dll"));
        profile = misc_test::MakeTempDir("cmdbars") + "/app.ini";
        std::free(const_cast<char*>(app.m_pszProfileName));
        app.m_pszProfileName = strdup(profile.c_str());
        CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    }
    void TearDown() override
    {
        if (frame && ::IsWindow(frameWnd))
            frame->DestroyWindow();
        GuiTest::TearDown();
        AfxSetResourceHandle(saved);
    }
    // A frame of the sample resources with a menu bar, the sample tool bar and a second bar.
    Frame* Make(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE)
    {
        frame = new Frame;
        EXPECT_TRUE(frame->LoadFrame(kMenu, style));
        frameWnd = frame->m_hWnd;
        EXPECT_TRUE(frame->InitCommandBars());
        bars = frame->GetCommandBars();
        EXPECT_NE(bars->SetMenu("Menu Bar", kMenu), nullptr);
        standard = bars->Add("Standard");
        EXPECT_TRUE(standard->LoadToolBar(kMenu));
        extra = bars->Add("Extra");
        extra->GetControls()->Add(xtpControlButton, kCopy, "Copy");
        extra->SetDockRow(1);
        view = new CView;
        EXPECT_TRUE(view->CreateInFrame(frame));
        frame->RecalcLayout();
        MiscSettle();
        return frame;
    }
    CRect InFrame(CWnd* w) const
    {
        CRect r;
        w->GetWindowRect(&r);
        frame->ScreenToClient(&r);
        return r;
    }
    CWinApp app{"CmdBarsTest"};
    std::string profile;
    HINSTANCE saved = nullptr;
    Frame* frame = nullptr;
    HWND frameWnd = nullptr;
    CXTPCommandBars* bars = nullptr;
    CXTPToolBar* standard = nullptr;
    CXTPToolBar* extra = nullptr;
    CView* view = nullptr;
};

TEST_F(CommandBarsTest, BarsStandInRowsAboveTheView)
{
    Make();
    EXPECT_EQ(frame->GetMenu(), nullptr) << "the menu bar replaces the frame's menu";
    ASSERT_EQ(bars->GetCount(), 3);
    EXPECT_EQ(bars->GetAt(0), bars->GetMenuBar()) << "the menu bar first";
    const CRect menu = InFrame(bars->GetMenuBar()->GetWindow());
    const CRect tools = InFrame(standard->GetWindow());
    const CRect second = InFrame(extra->GetWindow());
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(menu.top, 0);
    EXPECT_EQ(menu.Width(), client.Width()) << "the menu bar takes its row";
    EXPECT_EQ(tools.top, menu.bottom);
    EXPECT_GE(second.top, tools.bottom) << "row 1 below row 0";
    EXPECT_EQ(InFrame(view).top, second.bottom) << "the view gets what is left";
    EXPECT_EQ(standard->GetControls()->GetCount(), 6);
    EXPECT_TRUE(standard->GetControls()->GetAt(3)->GetBeginGroup()) << "the separator begins a group";

    standard->SetVisible(FALSE);
    EXPECT_EQ(InFrame(extra->GetWindow()).top, menu.bottom) << "a hidden bar gives its row up";
    standard->SetPosition(xtpBarLeft);
    standard->SetVisible(TRUE);
    EXPECT_EQ(InFrame(view).left, InFrame(standard->GetWindow()).right) << "docked at the left edge";
}

TEST_F(CommandBarsTest, ClickingButtonsAndMenusSendsCommandsToTheFrame)
{
    Make();
    MiscElement bar(standard->GetWindow()->m_hWnd);
    ASSERT_TRUE(bar.Item("New").Exists());
    EXPECT_TRUE(bar.Item("New").Click());
    EXPECT_TRUE(bar.Item(4).Click()); // Copy
    EXPECT_EQ(Commands(), (std::vector<UINT>{kNew, kCopy}));

    // The menu bar opens File as a pop-up menu; the chosen item goes to the frame.
    Commands().clear();
    MiscScriptedUser user;
    user.Expect(MiscModalKind::PopupMenu, nullptr, [](MiscModal& m) { MiscChooseMenuItem(m.hwnd, kOpen); });
    EXPECT_TRUE(MiscElement(bars->GetMenuBar()->GetWindow()->m_hWnd).Item("File").Click());
    MiscSettle();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(Commands(), (std::vector<UINT>{kOpen}));
}

TEST_F(CommandBarsTest, AltWithAMnemonicOpensTheMenuBarsPopup)
{
    Make();
    MiscScriptedUser user;
    // Alt+E opens Edit (the pop-up holds Cut), not File; the File pop-up with Alt+F after it.
    user.Expect(
        MiscModalKind::PopupMenu, [](const MiscModal& m) { return m.text.find("Cut") != std::string::npos; },
        [](MiscModal& m) { MiscChooseMenuItem(m.hwnd, kCut); }, "the Edit menu");
    user.Expect(MiscModalKind::PopupMenu, nullptr, [](MiscModal& m) { MiscChooseMenuItem(m.hwnd, kOpen); }, "the File menu");
    MiscPressKeyWith('E', MISC_MOD_ALT, view->m_hWnd);
    MiscSettle();
    MiscPressKeyWith('F', MISC_MOD_ALT, view->m_hWnd);
    MiscSettle();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(Commands(), (std::vector<UINT>{kCut, kOpen}));
    EXPECT_EQ(bars->GetMenuBar()->GetPressedIndex(), -1) << "the item is released when its menu closes";
    // A letter no caption marks, or with Ctrl held, opens nothing.
    MiscPressKeyWith('Q', MISC_MOD_ALT, view->m_hWnd);
    MiscPressKeyWith('F', MISC_MOD_ALT | MISC_MOD_CONTROL, view->m_hWnd);
    MiscSettle();
    EXPECT_EQ(Commands(), (std::vector<UINT>{kCut, kOpen}));
}

TEST_F(CommandBarsTest, ButtonsShowTheirCommandsTipWhenTheMouseRests)
{
    Make();
    auto tipOver = [&](CXTPToolBar* bar, int index) {
        const CRect r = bar->GetControls()->GetAt(index)->GetRect();
        MiscSendMouse(bar->GetWindow()->m_hWnd, WM_MOUSEMOVE, r.CenterPoint().x, r.CenterPoint().y);
        MiscAdvanceClock(::GetDoubleClickTime() * 2);
        HWND tip = ::FindWindowA(TOOLTIPS_CLASSA, nullptr);
        char text[80] = {};
        if (tip && ::IsWindowVisible(tip))
            ::GetWindowTextA(tip, text, sizeof text);
        MiscSendMouse(frame->m_hWnd, WM_MOUSEMOVE, 1, 1);
        MiscAdvanceClock(::GetDoubleClickTime() * 2);
        return std::string(text);
    };
    // The sample resources give New no tip: the button is named after its menu item.
    EXPECT_EQ(tipOver(standard, 0), "New");
    EXPECT_EQ(tipOver(extra, 0), "Copy");
    // A control without a tip in the resources shows its caption; tips follow the controls when
    // the bars are laid out again.
    extra->GetControls()->Add(xtpControlButton, 4242, "&Paste here");
    frame->RecalcLayout();
    EXPECT_EQ(tipOver(extra, 1), "Paste here");
}

TEST_F(CommandBarsTest, UpdateHandlersEnableTheButtons)
{
    Make();
    frame->openEnabled = FALSE;
    app.OnIdle(0); // the message loop's idle time

    MiscElement bar(standard->GetWindow()->m_hWnd);
    EXPECT_FALSE(bar.Item("Open...").State().enabled);
    EXPECT_FALSE(bar.Item("Paste").State().enabled) << "no handler anywhere";
    EXPECT_TRUE(bar.Item("New").State().enabled);
    EXPECT_FALSE(bar.Item("Open...").Click());
    EXPECT_TRUE(Commands().empty());
    frame->openEnabled = TRUE;
    app.OnIdle(0);
    EXPECT_TRUE(bar.Item("Open...").Click());
    EXPECT_EQ(Commands(), (std::vector<UINT>{kOpen}));
}

TEST_F(CommandBarsTest, SplitButtonsRunTheirPartsApart)
{
    Make();
    CXTPControl* split = extra->GetControls()->Add(xtpControlSplitButtonPopup, kCut, "Cut");
    split->GetCommandBar()->GetControls()->Add(xtpControlButton, kSave, "Save");
    split->GetCommandBar()->GetControls()->Add(xtpControlButton, kCopy, "Copy");
    frame->RecalcLayout();
    MiscSettle();
    MiscElement item = MiscElement(extra->GetWindow()->m_hWnd).Item("Cut");
    EXPECT_TRUE(item.Click());
    EXPECT_EQ(Commands(), (std::vector<UINT>{kCut}));
    Commands().clear();
    MiscScriptedUser user;
    user.Expect(MiscModalKind::PopupMenu, nullptr, [](MiscModal& m) { MiscChooseMenuItem(m.hwnd, kCopy); });
    EXPECT_TRUE(item.Item("More").Click());
    MiscSettle();
    EXPECT_TRUE(user.AllDone()) << user.Report();
    EXPECT_EQ(Commands(), (std::vector<UINT>{kCopy}));
}

TEST_F(CommandBarsTest, ToolBarTextWidensTheButtons)
{
    Make();
    const int narrow = standard->GetControls()->GetAt(0)->GetRect().Width();
    const int low = InFrame(standard->GetWindow()).Height();
    bars->GetCommandBarsOptions()->bShowTextBelowIcons = TRUE;
    frame->RecalcLayout();
    EXPECT_GT(standard->GetControls()->GetAt(0)->GetRect().Width() + 0, narrow - 1);
    EXPECT_GT(InFrame(standard->GetWindow()).Height(), low) << "captions below the icons";
    standard->GetControls()->GetAt(0)->SetStyle(xtpButtonIcon);
    frame->RecalcLayout();
    EXPECT_EQ(standard->GetControls()->GetAt(0)->GetRect().Width(), narrow) << "an icon-only button stays narrow";
}

TEST_F(CommandBarsTest, StatesAndOptionsAreSavedAndLoadedByName)
{
    Make();
    EXPECT_TRUE(bars->SaveBarState("Default"));
    EXPECT_TRUE(bars->SaveOptions("Default"));
    standard->GetControls()->Remove(0);
    standard->SetVisible(FALSE);
    extra->SetPosition(xtpBarBottom);
    bars->GetCommandBarsOptions()->bShowTextBelowIcons = TRUE;

    EXPECT_FALSE(bars->LoadBarState("Unknown", TRUE));
    EXPECT_FALSE(bars->LoadOptions("Unknown"));
    EXPECT_FALSE(standard->IsVisible()) << "an unknown name changes nothing";
    EXPECT_TRUE(bars->GetCommandBarsOptions()->bShowTextBelowIcons);

    EXPECT_TRUE(bars->LoadBarState("Default", TRUE));
    EXPECT_TRUE(bars->LoadOptions("Default"));
    EXPECT_TRUE(standard->IsVisible());
    EXPECT_EQ(extra->GetPosition(), xtpBarTop);
    ASSERT_EQ(standard->GetControls()->GetCount(), 6);
    EXPECT_EQ(standard->GetControls()->GetAt(0)->GetID(), static_cast<int>(kNew));
    EXPECT_FALSE(bars->GetCommandBarsOptions()->bShowTextBelowIcons);
    EXPECT_EQ(app.GetProfileInt("Default-Summary", "Bars", 0), 3u);
}

TEST_F(CommandBarsTest, FactoryControlsComeBackWithoutTemporaryOnes)
{
    CXTPToolBar bar;
    EXPECT_EQ(bar.GetOriginalControls(), nullptr);
    ASSERT_TRUE(bar.LoadToolBar(kMenu));
    EXPECT_EQ(bar.GetBarID(), static_cast<UINT>(kMenu));
    ASSERT_NE(bar.GetOriginalControls(), nullptr);
    bar.GetOriginalControls()->GetAt(1)->SetTemporary(TRUE);
    bar.GetControls()->RemoveAll();
    const CXTPControls* original = bar.GetOriginalControls();
    for (int i = 0; i < original->GetCount(); ++i)
        if (!original->GetAt(i)->IsTemporary())
            bar.GetControls()->AddClone(original->GetAt(i)->Clone());
    ASSERT_EQ(bar.GetControls()->GetCount(), 5);
    EXPECT_EQ(bar.GetControls()->GetAt(1)->GetID(), static_cast<int>(kSave));
    EXPECT_EQ(bar.GetControls()->GetAt(0)->GetParent(), &bar);
    EXPECT_FALSE(bar.LoadToolBar(4242)) << "no such tool bar";
    EXPECT_EQ(bar.GetControls()->GetCount(), 5);

    CXTPControl split(xtpControlSplitButtonPopup, 7, nullptr);
    split.GetCommandBar()->GetControls()->Add(xtpControlButton, 8, "Eight");
    std::unique_ptr<CXTPControl> copy(split.Clone());
    EXPECT_EQ(copy->GetCommandBar()->GetControls()->GetAt(0)->GetID(), 8) << "the pop-up is copied too";
}

TEST_F(CommandBarsTest, TheStatusBarShowsTheHotControlsDescription)
{
    Make();
    const UINT panes[] = {0, kNew};
    ASSERT_TRUE(frame->CreateStatusBar(frame, panes, 2));
    CXTPStatusBar* status = XTPGetFrameStatusBar(frame);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(InFrame(view).bottom, InFrame(status).top);
    standard->GetControls()->GetAt(0)->SetDescription("Makes a new pattern");
    CRect r = standard->GetControls()->GetAt(0)->GetRect();
    MiscSendMouse(standard->GetWindow()->m_hWnd, WM_MOUSEMOVE, r.CenterPoint().x, r.CenterPoint().y);
    EXPECT_STREQ(status->GetPaneText(0), "Makes a new pattern");
    MiscSendMouse(standard->GetWindow()->m_hWnd, WM_MOUSEMOVE, 1, 1);
    EXPECT_STREQ(status->GetPaneText(0), "Ready") << "off the controls: the idle text";
}

TEST_F(CommandBarsTest, AFrameMadeHiddenKeepsRoomForItsStatusBar)
{
    Make(WS_OVERLAPPEDWINDOW);
    const UINT panes[] = {0};
    ASSERT_TRUE(frame->CreateStatusBar(frame, panes, 1));
    frame->ShowWindow(SW_SHOW);
    MiscSettle();
    CXTPStatusBar* status = XTPGetFrameStatusBar(frame);
    ASSERT_NE(status, nullptr);
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(InFrame(status).bottom, client.bottom);
    EXPECT_EQ(InFrame(status).Height(), status->GetHeight());
    EXPECT_EQ(InFrame(view).bottom, InFrame(status).top);
}

TEST_F(CommandBarsTest, AThemeChangeRepaintsTheBars)
{
    Make();
    MiscSettle();
    CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    frame->SendMessage(WM_XTP_THEMECHANGED, 0, 0);
    MiscSettle();
    EXPECT_EQ(XTPPaintManager()->GetCurrentTheme(), xtpThemeOffice2000);
    int before = bars->m_redraws;
    CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    MiscSettle(); // the idle update sees the new generation
    EXPECT_GT(bars->m_redraws, before);
}

TEST_F(CommandBarsTest, TheLayoutHookPlacesPanesBeforeTheView)
{
    Make();
    XTPSetFrameLayoutHook(frame, [](CRect& rest) { rest.left += 50; });
    EXPECT_TRUE(XTPHasFrameLayoutHook(frame));
    frame->RecalcLayout();
    EXPECT_EQ(InFrame(view).left, 50);
    XTPSetFrameLayoutHook(frame, nullptr);
    frame->RecalcLayout();
    EXPECT_EQ(InFrame(view).left, 0);
}

class MDIFrame : public CXTPMDIFrameWnd {};
class ChildView : public CView {
public:
    afx_msg void OnCut() { Commands().push_back(id); }
    UINT id = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ChildView, CView)
    ON_COMMAND(kCut, OnCut)
END_MESSAGE_MAP()

TEST_F(CommandBarsTest, AMultiDocumentFrameRoutesToTheActiveChild)
{
    auto* main = new MDIFrame;
    ASSERT_TRUE(main->LoadFrame(kMenu, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(main->InitCommandBars());
    main->GetCommandBars()->SetMenu("Menu Bar", kMenu);
    ASSERT_NE(main->GetMDIClient(), nullptr);
    CMDIChildWnd* children[2] = {new CMDIChildWnd, new CMDIChildWnd};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(children[i]->CreateChild(main, i ? "Two" : "One", CRect(10 * i, 10 * i, 200, 150)));
        auto* v = new ChildView;
        v->id = static_cast<UINT>(i + 1);
        ASSERT_TRUE(v->CreateInFrame(children[i]));
    }
    EXPECT_EQ(main->MDIGetActive(), children[1]);
    main->SendMessage(WM_COMMAND, kCut, 0);
    main->MDIActivate(children[0]);
    main->SendMessage(WM_COMMAND, kCut, 0);
    EXPECT_EQ(Commands(), (std::vector<UINT>{2, 1}));
    CRect client, bar;
    main->GetMDIClient()->GetWindowRect(&client);
    main->GetCommandBars()->GetMenuBar()->GetWindow()->GetWindowRect(&bar);
    EXPECT_EQ(client.top, bar.bottom) << "the MDI client below the menu bar";
    children[0]->DestroyWindow();
    EXPECT_EQ(main->MDIGetActive(), children[1]);
    main->DestroyWindow();
}

} // namespace
