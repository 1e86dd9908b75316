// Menus as data: editing items, their states and information, CMenu, menu bars of windows and the
// system menu.
#include <windows.h>
#include <afxwin.h>

#include "gui_fixture.h"
#include "msg_log.h"

namespace {

class MenuEditTest : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        MiscResetMenus();
        savedResources = AfxGetResourceHandle();
    }
    void TearDown() override
    {
        AfxSetResourceHandle(savedResources);
        MiscResetMenus();
        GuiTest::TearDown();
    }
    HINSTANCE savedResources = nullptr;
    static std::string Text(HMENU menu, UINT item, UINT flags)
    {
        char buffer[64] = {0};
        GetMenuStringA(menu, item, buffer, sizeof(buffer), flags);
        return buffer;
    }
};

TEST_F(MenuEditTest, InsertModifyRemoveAndDeleteKeepSubmenusRight)
{
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(file, MF_STRING, 10, "&Open"));
    ASSERT_TRUE(AppendMenuA(file, MF_STRING, 12, "E&xit"));
    ASSERT_TRUE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File"));
    // By command, the insertion finds the item inside the submenu and goes before it.
    ASSERT_TRUE(InsertMenuA(bar, 12, MF_BYCOMMAND | MF_STRING, 11, "&Save"));
    EXPECT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(GetMenuItemID(file, 1), 11u);
    // A position past the end appends.
    ASSERT_TRUE(InsertMenuA(file, 99, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    EXPECT_EQ(GetMenuItemID(file, 3), 0u) << "a separator";
    // A menu can hold neither itself nor a menu that holds it.
    EXPECT_FALSE(AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "loop"));
    EXPECT_FALSE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "self"));

    ASSERT_TRUE(ModifyMenuA(bar, 11, MF_BYCOMMAND | MF_STRING | MF_GRAYED, 21, "Save &As"));
    EXPECT_EQ(Text(file, 1, MF_BYPOSITION), "Save &As");
    EXPECT_EQ(GetMenuState(bar, 21, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));

    // RemoveMenu hands a submenu back alive; DeleteMenu destroys it.
    ASSERT_TRUE(RemoveMenu(bar, 0, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(bar), 0);
    EXPECT_TRUE(IsMenu(file));
    ASSERT_TRUE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File"));
    ASSERT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_FALSE(DeleteMenu(bar, 0, MF_BYPOSITION));

    // Replacing a pop-up item by a plain one destroys the submenu it held.
    HMENU edit = CreatePopupMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    ASSERT_TRUE(ModifyMenuA(bar, 0, MF_BYPOSITION | MF_STRING, 30, "Plain"));
    EXPECT_FALSE(IsMenu(edit));
    EXPECT_EQ(GetMenuItemID(bar, 0), 30u);
    DestroyMenu(bar);
}

TEST_F(MenuEditTest, CheckEnableAndRadioReportThePreviousState)
{
    HMENU menu = CreatePopupMenu();
    for (UINT id = 1; id <= 4; ++id)
        AppendMenuA(menu, MF_STRING, id, "item");
    EXPECT_EQ(CheckMenuItem(menu, 2, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 1, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 99, MF_BYCOMMAND), static_cast<DWORD>(-1));
    EXPECT_EQ(EnableMenuItem(menu, 3, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, 3, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_BYCOMMAND), -1);

    // The radio group is [2, 4]: item 1 keeps its check, 3 gets the bullet, 2 loses its check.
    CheckMenuItem(menu, 1, MF_BYCOMMAND | MF_CHECKED);
    CheckMenuItem(menu, 2, MF_BYCOMMAND | MF_CHECKED);
    ASSERT_TRUE(CheckMenuRadioItem(menu, 2, 4, 3, MF_BYCOMMAND));
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, 2, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, 3, MF_BYCOMMAND) & MF_CHECKED);
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, 3, FALSE, &info));
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_FALSE(CheckMenuRadioItem(menu, 2, 4, 9, MF_BYCOMMAND)) << "the checked item must exist";
    DestroyMenu(menu);
}

TEST_F(MenuEditTest, ItemInformationReadsAndWritesEachPart)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 7, "&Properties\tAlt+Enter");
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &info));
    EXPECT_EQ(info.cch, 21u) << "a null buffer asks for the length";
    EXPECT_EQ(info.wID, 7u);
    char small[6];
    info.dwTypeData = small;
    info.cch = sizeof(small);
    ASSERT_TRUE(GetMenuItemInfoA(menu, 7, FALSE, &info));
    EXPECT_STREQ(small, "&Prop");
    EXPECT_EQ(info.cch, 5u);

    HMENU sub = CreatePopupMenu();
    MENUITEMINFOA set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
    set.dwTypeData = const_cast<LPSTR>("&More");
    set.fState = MFS_DEFAULT | MFS_GRAYED;
    set.dwItemData = 0x1234;
    set.hSubMenu = sub;
    ASSERT_TRUE(InsertMenuItemA(menu, 0, TRUE, &set));
    EXPECT_EQ(GetSubMenu(menu, 0), sub);
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
    MENUITEMINFOA got{};
    got.cbSize = sizeof(got);
    got.fMask = MIIM_DATA | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &got));
    EXPECT_EQ(got.dwItemData, 0x1234u);
    EXPECT_EQ(got.fState & MFS_GRAYED, static_cast<UINT>(MFS_GRAYED));
    set.hSubMenu = menu;
    set.fMask = MIIM_SUBMENU;
    EXPECT_FALSE(SetMenuItemInfoA(menu, 0, TRUE, &set)) << "a menu cannot hold itself";
    DestroyMenu(menu);
    EXPECT_FALSE(IsMenu(sub));
}

TEST_F(MenuEditTest, CMenuLoadsTheSampleMenuAndWrapsHandles)
{
    CMenu menu;
    AfxSetResourceHandle(GetModuleHandleA("misc_res.dll"));
    ASSERT_TRUE(menu.LoadMenu(9100));
    ASSERT_EQ(menu.GetMenuItemCount(), 3u);
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CMenu::FromHandle(file->m_hMenu), file) << "one wrapper per handle";
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");
    EXPECT_TRUE(file->GetMenuState(9103, MF_BYCOMMAND) & MF_GRAYED) << "Save is grayed in the script";
    CMenu* recent = file->GetSubMenu(4);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->GetMenuItemID(1), 9105u);
    EXPECT_EQ(menu.CheckMenuItem(9111, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    HMENU handle = menu.m_hMenu;
    menu.DestroyMenu();
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(CMenu::FromHandle(handle), nullptr);
}

TEST_F(MenuEditTest, AMenuBarTakesItsRowFromTheClientAreaAndGoesWithItsWindow)
{
    msgtest::Recorder rec;
    HWND w = CreateWindowExA(0, msgtest::Recorder::ClassName(), "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                             nullptr, nullptr, nullptr, nullptr);
    RECT before, after;
    GetClientRect(w, &before);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&One");
    ASSERT_TRUE(SetMenu(w, bar));
    EXPECT_EQ(GetMenu(w), bar);
    GetClientRect(w, &after);
    EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
    // The bar is hit-tested as the menu.
    RECT wr;
    GetWindowRect(w, &wr);
    POINT client{0, 0};
    ClientToScreen(w, &client);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(client.x + 5, client.y - 5)), HTMENU);
    ASSERT_TRUE(SetMenu(w, nullptr));
    GetClientRect(w, &after);
    EXPECT_EQ(after.bottom, before.bottom);
    // A child window has no menu bar; a window destroyed takes its bar with it.
    HWND child = CreateWindowExA(0, msgtest::Recorder::ClassName(), "", WS_CHILD, 0, 0, 10, 10, w, nullptr, nullptr, nullptr);
    EXPECT_FALSE(SetMenu(child, bar));
    SetMenu(w, bar);
    DestroyWindow(w);
    EXPECT_FALSE(IsMenu(bar));
}

TEST_F(MenuEditTest, SystemMenuFollowsTheWindowStyle)
{
    msgtest::Recorder rec;
    HWND w = CreateWindowExA(0, msgtest::Recorder::ClassName(), "frame", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                             200, 100, nullptr, nullptr, nullptr, nullptr);
    HMENU sys = GetSystemMenu(w, FALSE);
    ASSERT_NE(sys, nullptr);
    EXPECT_EQ(GetSystemMenu(w, FALSE), sys) << "one copy per window";
    EXPECT_TRUE(GetMenuState(sys, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED) << "no maximise box";
    EXPECT_TRUE(GetMenuState(sys, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED) << "no sizing frame";
    EXPECT_FALSE(GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuDefaultItem(sys, FALSE, 0), static_cast<UINT>(SC_CLOSE));
    EXPECT_EQ(GetSystemMenu(w, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(sys));
}

} // namespace
