// Pop-up menus run modally: the messages the owner sees, choices by the scripted user, keys in the
// open menu, and the menu bar opened by a click or by Alt with a mnemonic.
#include <windows.h>

#include "gui_fixture.h"
#include "msg_log.h"

using namespace msgtest;

namespace {

enum : UINT { kOpen = 10, kSave = 11, kRecent1 = 12, kRecent2 = 13, kExit = 14 };

class MenuPopupTest : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        MiscResetMenus();
        owner = CreateWindowExA(0, Recorder::ClassName(), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                nullptr, nullptr, nullptr, nullptr);
        menu = CreatePopupMenu();
        recent = CreatePopupMenu();
        AppendMenuA(recent, MF_STRING, kRecent1, "&1 first");
        AppendMenuA(recent, MF_STRING, kRecent2, "&2 second");
        AppendMenuA(menu, MF_STRING, kOpen, "&Open...\tCtrl+O");
        AppendMenuA(menu, MF_STRING | MF_GRAYED, kSave, "&Save");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
        AppendMenuA(menu, MF_STRING, kExit, "E&xit");
        MiscPumpMessages();
        rec.Clear();
    }
    void TearDown() override
    {
        MiscResetMenus();
        GuiTest::TearDown();
    }
    // Runs the menu with the handler acting on it; returns TrackPopupMenu's answer.
    BOOL Run(UINT flags, const std::function<void(MiscModal&)>& act)
    {
        MiscSetModalHandler([&](MiscModal& m) {
            seen = m;
            act(m);
        });
        BOOL result = TrackPopupMenu(menu, flags, 50, 60, 0, owner, nullptr);
        MiscSetModalHandler(nullptr);
        return result;
    }
    std::vector<Logged> Of(UINT msg) const
    {
        std::vector<Logged> out;
        for (const Logged& l : rec.Log())
            if (l.msg == msg)
                out.push_back(l);
        return out;
    }

    Recorder rec;
    HWND owner = nullptr;
    HMENU menu = nullptr, recent = nullptr;
    MiscModal seen;
};

TEST_F(MenuPopupTest, ReturnCmdGivesTheChoiceWithTheMessagesOfAMenuLoop)
{
    BOOL result = Run(TPM_RETURNCMD, [](MiscModal& m) { EXPECT_TRUE(MiscChooseMenuPath(m.hwnd, "open...")); });
    EXPECT_EQ(result, static_cast<BOOL>(kOpen));
    EXPECT_EQ(seen.kind, MiscModalKind::PopupMenu);
    EXPECT_EQ(seen.text, "Open...|Save|Recent|Exit");
    EXPECT_FALSE(IsWindow(seen.hwnd)) << "the menu window is gone after the run";
    MiscPumpMessages();
    EXPECT_EQ(rec.Compare({{WM_ENTERMENULOOP, kWParam, TRUE},
                           {WM_INITMENU, kWParam, reinterpret_cast<WPARAM>(menu)},
                           {WM_INITMENUPOPUP, kWParam, reinterpret_cast<WPARAM>(menu)},
                           {WM_MENUSELECT, kWParam, MAKEWPARAM(kOpen, MF_HILITE)},
                           {WM_MENUSELECT, kWParam, MAKEWPARAM(0, 0xFFFF)},
                           {WM_EXITMENULOOP, kWParam, TRUE}},
                          owner, nullptr),
              "")
        << "no WM_COMMAND with TPM_RETURNCMD";
}

TEST_F(MenuPopupTest, WithoutReturnCmdTheCommandIsPostedToTheOwner)
{
    BOOL result = Run(0, [](MiscModal& m) { EXPECT_TRUE(MiscChooseMenuItem(m.hwnd, kExit)); });
    EXPECT_EQ(result, TRUE);
    EXPECT_TRUE(Of(WM_COMMAND).empty()) << "posted, not sent";
    MiscPumpMessages();
    auto commands = Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kExit, 0));
    EXPECT_EQ(commands[0].lParam, 0);
}

TEST_F(MenuPopupTest, ASubmenuOpensOnTheWayWithItsOwnInitMessage)
{
    BOOL result = Run(TPM_RETURNCMD, [](MiscModal& m) {
        EXPECT_TRUE(MiscChooseMenuPath(m.hwnd, "Recent|2 second"));
    });
    EXPECT_EQ(result, static_cast<BOOL>(kRecent2));
    auto inits = Of(WM_INITMENUPOPUP);
    ASSERT_EQ(inits.size(), 2u);
    EXPECT_EQ(inits[1].wParam, reinterpret_cast<WPARAM>(recent));
    EXPECT_EQ(LOWORD(inits[1].lParam), 3) << "the submenu's position";
    // By command the same path is found through the submenu.
    rec.Clear();
    EXPECT_EQ(Run(TPM_RETURNCMD, [](MiscModal& m) { EXPECT_TRUE(MiscChooseMenuItem(m.hwnd, kRecent1)); }),
              static_cast<BOOL>(kRecent1));
    EXPECT_EQ(Of(WM_INITMENUPOPUP).size(), 2u);
}

TEST_F(MenuPopupTest, DisabledItemsSeparatorsAndWrongPathsAreNotChosen)
{
    BOOL result = Run(TPM_RETURNCMD, [](MiscModal& m) {
        EXPECT_FALSE(MiscChooseMenuItem(m.hwnd, kSave)) << "grayed";
        EXPECT_FALSE(MiscChooseMenuPath(m.hwnd, "Recent")) << "a submenu is no command";
        EXPECT_FALSE(MiscChooseMenuPath(m.hwnd, "Open...|deeper"));
        EXPECT_FALSE(MiscChooseMenuPath(m.hwnd, "Nothing"));
        EXPECT_FALSE(MiscChooseMenuItem(m.hwnd, 999));
        EXPECT_TRUE(IsWindow(m.hwnd)) << "still open";
        EXPECT_TRUE(MiscCancelMenu(m.hwnd));
    });
    EXPECT_EQ(result, 0);
    MiscPumpMessages();
    EXPECT_TRUE(Of(WM_COMMAND).empty());
    EXPECT_TRUE(MiscModalErrors().empty());
}

TEST_F(MenuPopupTest, KeysMoveOpenChooseAndClose)
{
    // Down skips the separator; Right opens the submenu; Enter chooses.
    EXPECT_EQ(Run(TPM_RETURNCMD, [](MiscModal&) {
                  for (int vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN})
                      MiscPressKey(vk);
              }),
              static_cast<BOOL>(kRecent2));
    // A mnemonic chooses at once.
    EXPECT_EQ(Run(TPM_RETURNCMD, [](MiscModal&) { MiscTypeText("x"); }), static_cast<BOOL>(kExit));
    // Escape closes the submenu first; Up then lands on the grayed Save, which Enter cannot
    // choose; a second Escape closes the menu.
    EXPECT_EQ(Run(TPM_RETURNCMD, [this](MiscModal& m) {
                  MiscTypeText("r");
                  EXPECT_EQ(MiscMenuOfWindow(MiscOpenMenuWindow()), recent);
                  EXPECT_EQ(SendMessageA(MiscOpenMenuWindow(), MN_GETHMENU, 0, 0), reinterpret_cast<LRESULT>(recent));
                  MiscPressKey(VK_ESCAPE);
                  EXPECT_EQ(MiscOpenMenuWindow(), m.hwnd);
                  MiscPressKey(VK_UP);
                  MiscPressKey(VK_RETURN);
                  EXPECT_TRUE(IsWindow(m.hwnd));
                  MiscPressKey(VK_ESCAPE);
              }),
              0);
    EXPECT_TRUE(MiscModalErrors().empty());
}

TEST_F(MenuPopupTest, AMenuNobodyAnswersIsClosedAndReported)
{
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0);
    ASSERT_EQ(MiscModalErrors().size(), 1u);
    EXPECT_NE(MiscModalErrors()[0].find("pop-up menu"), std::string::npos) << MiscModalErrors()[0];
    EXPECT_EQ(MiscOpenMenuWindow(), nullptr);
}

TEST_F(MenuPopupTest, TheMenuBarOpensOnAClickAndOnAltWithAMnemonic)
{
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "&File");
    ASSERT_TRUE(SetMenu(owner, bar));
    MiscPumpMessages();
    rec.Clear();
    // A person's choice through the bar, without pixel positions.
    EXPECT_TRUE(MiscChooseMenuPath(owner, "File|Exit"));
    auto commands = Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kExit, 0));
    EXPECT_FALSE(MiscChooseMenuPath(owner, "File|Save")) << "grayed";

    // A click on the bar item opens its pop-up as a modal menu run.
    rec.Clear();
    MiscSetModalHandler([&](MiscModal& m) {
        seen = m;
        EXPECT_TRUE(MiscChooseMenuPath(m.hwnd, "Open..."));
    });
    RECT wr;
    GetWindowRect(owner, &wr);
    POINT client{0, 0};
    ClientToScreen(owner, &client);
    SendMessageA(owner, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(client.x + 8, client.y - 6));
    EXPECT_EQ(seen.caption, "File");
    MiscPumpMessages();
    commands = Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), kOpen);
    EXPECT_EQ(Of(WM_INITMENU).size(), 1u);
    EXPECT_EQ(Of(WM_ENTERMENULOOP).size(), 1u);
    EXPECT_EQ(Of(WM_EXITMENULOOP).size(), 1u);

    // Alt+F opens the same menu from the keyboard.
    rec.Clear();
    seen = MiscModal{};
    MiscSetModalHandler([&](MiscModal& m) {
        seen = m;
        MiscPressKey(VK_ESCAPE);
    });
    SendMessageA(owner, WM_SYSCHAR, 'f', 1 << 29);
    EXPECT_EQ(seen.kind, MiscModalKind::PopupMenu);
    EXPECT_EQ(seen.caption, "File");
    MiscSetModalHandler(nullptr);
    EXPECT_TRUE(MiscModalErrors().empty());
}

} // namespace
