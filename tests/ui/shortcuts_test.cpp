// Keyboard shortcuts without the dialog: CShortcutManager's text of a command and its shared
// copies, the two sort keys of the shortcuts grid, and the feeding of the customisation pages
// from a menu resource and from the tool bars.
#include <misc/ui.h>

#include <gtest/gtest.h>

#include <mfc/menu.h>
#include <mfc/resscope.h>
#include <toolkit/commandbars.h>
#include <toolkit/frame.h>
#include <toolkit/shortcuts.h>

#include <string>
#include <vector>

namespace {

enum : UINT { kMenu = 33050, kNew = 33001, kOpen = 33002, kSave = 33003, kCut = 33004, kCopy = 33005 };

const MiscResMenuItem kMenuItems[] = {
    {0, TRUE, 0, "&File", 0},    {1, FALSE, kNew, "&New", 0},  {1, FALSE, 0, nullptr, 0},
    {1, TRUE, 0, "Recent", 0},   {2, FALSE, kOpen, "Open", 0}, {1, FALSE, kSave, "&Save\tCtrl+S", 0},
    {0, FALSE, 33099, "About", 0}, // a top-level command: no submenu, so no category
    {0, TRUE, 0, "&Edit && Go", 0}, {1, FALSE, kCut, "Cu&t", 0},
};
const MiscResMenu kMenus[] = {{kMenu, kMenuItems, static_cast<int>(sizeof(kMenuItems) / sizeof(kMenuItems[0]))}};
const MiscResourceTable kTable = {nullptr, 0, nullptr, 0, kMenus, 1, nullptr, 0, nullptr, 0};

class ShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override { MiscResetPlatform(); }
    void TearDown() override { MiscResetPlatform(); }
};

// ---- CShortcutManager ----

TEST_F(ShortcutsTest, ManagerGivesTheFirstEntryOfACommand)
{
    ACCEL table[] = {{FVIRTKEY | FSHIFT, VK_F12, kSave}, {FVIRTKEY | FCONTROL, 'N', kNew},
                     {FVIRTKEY | FCONTROL | FSHIFT, 'S', kSave}, {FVIRTKEY, VK_DELETE, 0}};
    CShortcutManager none(nullptr);
    CString text = "unchanged";
    EXPECT_FALSE(none.GetShortcutText(kSave, text)); // no frame: no table
    EXPECT_EQ(none.m_count, 0);
    EXPECT_EQ(none.m_accels, nullptr);

    CShortcutManager m(nullptr);
    m.m_count = 4;
    m.m_accels = table;
    EXPECT_TRUE(m.GetShortcutText(kSave, text));
    EXPECT_EQ(text, CString("Shift+F12"));
    EXPECT_TRUE(m.GetShortcutText(kNew, text));
    EXPECT_EQ(text, CString("Ctrl+N"));
    text = "unchanged";
    EXPECT_FALSE(m.GetShortcutText(kCut, text));  // no entry
    EXPECT_FALSE(m.GetShortcutText(0, text));     // command 0, though an entry has it
    EXPECT_EQ(text, CString("unchanged"));
    m.m_accels = nullptr; // the array was the test's
    m.m_count = 0;
}

TEST_F(ShortcutsTest, ManagerCopiesTheTableOfTheFramesShortcutManager)
{
    CXTPFrameWnd* frame = new CXTPFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Host"));
    CShortcutManager early(frame); // no command bars yet: nothing to copy
    EXPECT_EQ(early.m_count, 0);
    ASSERT_TRUE(frame->InitCommandBars());
    frame->GetCommandBars()->GetShortcutManager()->SetEntries(
        {{FVIRTKEY | FCONTROL, 'O', kOpen}, {FVIRTKEY | FSHIFT, VK_F3, kSave}, {FVIRTKEY, VK_F3, kSave}});
    CString text;
    {
        CShortcutManager m(frame);
        EXPECT_EQ(m.m_pFrame, frame);
        EXPECT_EQ(m.m_count, 3);
        // Later changes of the frame's table do not reach the copy.
        frame->GetCommandBars()->GetShortcutManager()->SetEntries({});
        EXPECT_TRUE(m.GetShortcutText(kSave, text));
        EXPECT_EQ(text, CString("Shift+F3"));
        CShortcutManager copy(nullptr);
        copy = m;
        EXPECT_EQ(copy.m_accels, m.m_accels);
        early = copy; // outlives both
    }
    EXPECT_TRUE(early.GetShortcutText(kOpen, text));
    EXPECT_EQ(text, CString("Ctrl+O"));
    CShortcutManager none(frame);
    EXPECT_FALSE(none.GetShortcutText(kOpen, text)); // the frame's table is empty now
    frame->DestroyWindow();
}

TEST_F(ShortcutsTest, CopiesShareTheEntriesAndTheLastFreesThem)
{
    // Without a frame with command bars there is nothing to copy; the sharing itself is seen
    // through copies of a copy outliving the original.
    CShortcutManager a(nullptr);
    {
        CShortcutManager b(nullptr);
        b = a;
        CShortcutManager c(b);
        EXPECT_EQ(c.m_accels, a.m_accels);
        EXPECT_EQ(c.m_count, a.m_count);
        EXPECT_EQ(c.m_pFrame, a.m_pFrame);
        a = c; // assigning a copy back to its source
    }
    CString text;
    EXPECT_FALSE(a.GetShortcutText(kNew, text));
}

// ---- Sort keys ----

TEST_F(ShortcutsTest, SortKeysPutShortKeyNamesFirstAndTheBareKeyBeforeItsCombinations)
{
    const struct {
        const char* keys;
        const char* first;
        const char* second;
    } cases[] = {
        {"A", "ZA", "b"},
        {"Shift+A", "ZA", "c"},
        {"Alt+A", "ZA", "f"},
        {"Ctrl+A", "ZA", "g"},
        {"F2", "ZZF2", "c"},
        {"Shift+F10", "ZZZF10", "c"},       // nine characters: still Shift's place
        {"Shift+Home", "ZZZZHome", "k"},    // ten: by length like any other combination
        {"Ctrl+Shift+Alt+Del", "ZZZDel", "s"},
        {"Ctrl+Num +", "ZZZ", "k"},         // nothing after the last "+": three Z
        {"", "ZZZ", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CShortCutsGrid::FirstSortKey(c.keys), CString(c.first)) << c.keys;
        EXPECT_EQ(CShortCutsGrid::SecondSortKey(c.keys), CString(c.second)) << c.keys;
    }
}

// ---- Customisation pages ----

TEST_F(ShortcutsTest, MenuItemsGoToTheKeyboardPageByTopLevelTitle)
{
    HMODULE module = MiscRegisterModule("ui_shortcuts_test.dll", &kTable);
    CString prefix;
    {
        CCallResourceScope scope;
        ASSERT_TRUE(prefix.LoadString(IDS_SHORTCUT_MENU_CATEGORY));
    }
    AfxSetResourceHandle(module); // the host's own resources
    CXTPCustomizeKeyboardPage page;
    EXPECT_EQ(AddAllMenuItemsToKbrdpage(page, kMenu), 1);
    EXPECT_EQ(AfxGetResourceHandle(), module); // switched only for the string
    ASSERT_EQ(page.GetCategoryCount(), 2);
    EXPECT_EQ(page.GetCategoryName(0), prefix + "File");
    EXPECT_EQ(page.GetCategoryName(1), prefix + "Edit & Go");
    EXPECT_EQ(page.GetCommands(0), (std::vector<UINT>{kNew, kOpen, kSave}));
    EXPECT_EQ(page.GetCommands(1), (std::vector<UINT>{kCut}));
    EXPECT_EQ(page.GetCommandCaption(kSave), CString("Save"));

    CXTPCustomizeKeyboardPage other;
    EXPECT_EQ(AddAllMenuItemsToKbrdpage(other, 33098), 0); // no such menu
    EXPECT_EQ(other.GetCategoryCount(), 0);
}

TEST_F(ShortcutsTest, ToolBarCommandsGoToBothPagesByBarTitle)
{
    CXTPCommandBars bars;
    CXTPToolBar* standard = bars.Add("&Standard");
    standard->GetControls()->Add(xtpControlButton, kNew, "&New");
    CXTPControl* split = standard->GetControls()->Add(xtpControlSplitButtonPopup, kOpen, "Open");
    ASSERT_NE(split->GetCommandBar(), nullptr);
    split->GetCommandBar()->GetControls()->Add(xtpControlButton, kSave, "Save");
    standard->GetControls()->Add(xtpControlButton, kNew, "New again"); // once per category
    CXTPToolBar* untitled = bars.Add("");
    untitled->GetControls()->Add(xtpControlButton, kCut, "Cut");
    untitled->GetControls()->Add(xtpControlLabel, 0, "a label");

    CXTPCustomizeKeyboardPage keyboard(&bars);
    CXTPCustomizeCommandsPage commands(&bars);
    EXPECT_EQ(AddAllToolbarsItemsToKbrdAndCmndsPage(keyboard, commands, &bars), 1);
    for (const CXTPCustomizeCategories* page :
         {static_cast<CXTPCustomizeCategories*>(&keyboard), static_cast<CXTPCustomizeCategories*>(&commands)}) {
        ASSERT_EQ(page->GetCategoryCount(), 2);
        EXPECT_EQ(page->GetCategoryName(0), CString("Standard"));
        EXPECT_EQ(page->GetCategoryName(1), CString("Toolbar 1"));
        EXPECT_EQ(page->GetCommands(0), (std::vector<UINT>{kNew, kOpen, kSave}));
        EXPECT_EQ(page->GetCommands(1), (std::vector<UINT>{kCut}));
        EXPECT_EQ(page->GetCommandCaption(kNew), CString("New"));
    }
    EXPECT_EQ(AddAllToolbarsItemsToKbrdAndCmndsPage(keyboard, commands, nullptr), 0);
}

} // namespace
