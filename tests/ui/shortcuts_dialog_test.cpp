// The shortcuts dialog driven as a person would: which rows it shows and their texts, the
// keyboard order, copying to the clipboard, and loading and saving the shortcut file with the
// questions and messages a person sees.
#include <misc/ui.h>

#include <gtest/gtest.h>

#include <mfc/archive.h>
#include <mfc/resscope.h>
#include <toolkit/commandbars.h>
#include <toolkit/shortcuts.h>
#include <win32/automation.h>
#include <win32/script.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

enum : WORD {
    kNew = 33001, kOpen = 33002, kSave = 33003, kCut = 33004, kCopy = 33005, kNothing = 33006,
    kFind = 33007, kHelp = 33008, kZoom = 33009
};

const MiscResString kStrings[] = {
    {kOpen, "Open a document\nOpen"},
    {kFind, "Find text"},
};
const MiscResourceTable kTable = {kStrings, 2, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};

using Rows = std::vector<std::vector<std::string>>;

std::string ResourceText(UINT id)
{
    CCallResourceScope scope;
    CString text;
    text.LoadString(id);
    return text.GetString();
}

class ShortcutsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        MiscResetPlatform();
        MiscRegisterModule("ui_shortcuts_dialog_test.dll", &kTable);
        CXTPToolBar* bar = bars.Add("Standard");
        CXTPControls* c = bar->GetControls();
        c->Add(xtpControlButton, kNew, "&New")->SetDescription("Create a document");
        c->Add(xtpControlButton, kSave, "Save")->SetDescription("SAVE"); // same as the caption
        c->Add(xtpControlButton, kCopy, "")->SetDescription("Copy the selection");
        CXTPControl* popup = c->Add(xtpControlPopup, 0, "More");
        popup->GetCommandBar()->GetControls()->Add(xtpControlButton, kCut, "Cu&t && Keep");
        c->Add(xtpControlButton, kHelp, "Help");
        c->Add(xtpControlButton, kZoom, "Zoom");
    }
    void TearDown() override
    {
        EXPECT_TRUE(MiscModalErrors().empty()) << MiscModalErrors().front();
        MiscResetPlatform();
    }
    void SetEntries(const std::vector<ACCEL>& entries) { bars.GetShortcutManager()->SetEntries(entries); }

    static Rows Cells(HWND grid)
    {
        Rows out;
        MiscElement table(grid);
        for (int row = 1; row < table.ItemCount(); ++row)
            out.push_back({table.Cell(row, 1).Text(), table.Cell(row, 2).Text()});
        return out;
    }
    static std::vector<std::string> Keys(HWND grid)
    {
        std::vector<std::string> out;
        for (const auto& row : Cells(grid))
            out.push_back(row[0]);
        return out;
    }
    // Opens the dialog over `frame` (may be null), runs `act` on it, closes it.
    void Run(CFrameWnd* frame, const std::function<void(HWND dialog, HWND grid)>& act,
             const std::function<void(MiscScriptedUser&)>& afterwards = nullptr)
    {
        MiscScriptedUser user;
        user.ExpectDialog(IDD_SHORTCUTS, [&](MiscModal& m) {
            act(m.hwnd, MiscFindControl(m.hwnd, IDC_SHORTCUTS_GRID).Window());
            if (IsWindow(m.hwnd))
                MiscClickButton(m.hwnd, IDOK);
        });
        if (afterwards)
            afterwards(user);
        CShortcutsDlg dialog(frame, &bars, nullptr);
        dialog.DoModal();
        dialog.ResetResource();
        changed = dialog.m_changed;
        EXPECT_TRUE(user.AllDone()) << user.Report();
    }

    CXTPCommandBars bars;
    BOOL changed = FALSE;
};

TEST_F(ShortcutsDialog, RowsShowTheCommandTextOfTheirControlOrString)
{
    SetEntries({{FVIRTKEY | FCONTROL, 'N', kNew},
                {FVIRTKEY | FCONTROL, 'S', kSave},
                {FVIRTKEY | FCONTROL, 'C', kCopy},
                {FVIRTKEY | FCONTROL, 'X', kCut},
                {FVIRTKEY | FCONTROL, 'O', kOpen},
                {FVIRTKEY | FCONTROL, 'Q', kNothing}, // no control, no string: no row
                {FVIRTKEY | FCONTROL, 'F', kFind},
                {FVIRTKEY | FCONTROL, 'W', 0}});
    Run(nullptr, [](HWND dialog, HWND grid) {
        const Rows want = {
            {"Ctrl+C", "Copy the selection"},
            {"Ctrl+F", "Find text"},
            {"Ctrl+N", "New - Create a document"},
            {"Ctrl+O", "Open a document"},
            {"Ctrl+S", "Save"},
            {"Ctrl+X", "Cut & Keep"},
        };
        EXPECT_EQ(Cells(grid), want);
        MiscElement table(grid);
        EXPECT_EQ(table.Cell(0, 1).Text(), ResourceText(IDS_SHORTCUT_COL_KEYS));
        EXPECT_EQ(table.Cell(0, 2).Text(), ResourceText(IDS_SHORTCUT_COL_COMMAND));
        // Read-only: typing into a cell changes nothing.
        table.Cell(1, 2).TypeText("changed");
        EXPECT_EQ(table.Cell(1, 2).Text(), "Copy the selection");
        // Without a frame there is nothing to load into.
        EXPECT_FALSE(MiscFindControl(dialog, IDC_SHORTCUTS_LOAD).State().visible);
    });
}

TEST_F(ShortcutsDialog, SortsInKeyboardOrder)
{
    SetEntries({{FVIRTKEY | FCONTROL, 'A', kNew},
                {FVIRTKEY, VK_DELETE, kCut},
                {FVIRTKEY, 'A', kSave},
                {FVIRTKEY | FSHIFT, 'A', kCopy},
                {FVIRTKEY, VK_F2, kHelp},
                {FVIRTKEY | FALT, 'A', kFind},
                {FVIRTKEY | FCONTROL, 'Z', kZoom},
                {FVIRTKEY, 'Z', kOpen}});
    Run(nullptr, [](HWND, HWND grid) {
        EXPECT_EQ(Keys(grid), (std::vector<std::string>{"A", "Shift+A", "Alt+A", "Ctrl+A", "Z", "Ctrl+Z", "F2", "Del"}));
    });
}

TEST_F(ShortcutsDialog, CopyPutsTheWholeTableOnTheClipboardAndSelectsTheFirstCell)
{
    SetEntries({{FVIRTKEY | FCONTROL, 'N', kNew}, {FVIRTKEY, VK_F2, kHelp}, {FVIRTKEY, 'Z', kZoom}});
    Run(nullptr, [](HWND dialog, HWND grid) {
        MiscElement table(grid);
        EXPECT_TRUE(table.Cell(3, 2).Click()); // F2 becomes the current cell
        EXPECT_TRUE(MiscClickButton(dialog, IDC_SHORTCUTS_COPY));
        std::string text;
        ASSERT_TRUE(OpenClipboard(nullptr));
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(h));
            GlobalUnlock(h);
        }
        CloseClipboard();
        EXPECT_EQ(text, "Ctrl+N\tNew - Create a document\r\nZ\tZoom\r\nF2\tHelp\r\n");
        EXPECT_TRUE(table.Cell(1, 1).State().selected);
        EXPECT_FALSE(table.Cell(3, 2).State().selected);
    });
}

TEST_F(ShortcutsDialog, ResourceHandleIsTheModuleUntilResetThenTheHosts)
{
    HMODULE host = GetModuleHandleA("ui_shortcuts_dialog_test.dll");
    AfxSetResourceHandle(host);
    {
        CShortcutsDlg dialog(nullptr, &bars, nullptr);
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleA("misc_res.dll"));
        dialog.ResetResource();
        EXPECT_EQ(AfxGetResourceHandle(), host);
        AfxSetResourceHandle(nullptr);
        dialog.ResetResource(); // once only
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    }
    AfxSetResourceHandle(host);
    {
        CShortcutsDlg forgotten(nullptr, &bars, nullptr);
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
}

// The file sits next to the test program, so one test does every step with it in order.
TEST_F(ShortcutsDialog, LoadsAndSavesTheShortcutFileNextToTheProgram)
{
    const std::string path = CShortcutsDlg::ShortcutFilePath().GetString();
    ASSERT_FALSE(path.empty());
    ASSERT_EQ(path.substr(path.size() - 4), ".acc");
    std::remove(path.c_str());

    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Host"));
    ACCEL own[] = {{FVIRTKEY | FCONTROL, 'N', kNew}, {FVIRTKEY, VK_F2, kHelp}};
    HACCEL frameTable = CreateAcceleratorTable(own, 2);
    frame->m_hAccelTable = frameTable;
    bars.SetSite(frame);
    bars.GetShortcutManager()->SetAccelerators(frameTable); // the frame now uses the manager's table
    const std::string loadQuestion = ResourceText(IDS_SHORTCUT_LOAD_QUESTION);
    const auto yesNoQuestion = [](const std::string& text) {
        return [text](const MiscModal& m) {
            return m.text == text && (m.type & MB_TYPEMASK) == MB_YESNO && (m.type & MB_ICONMASK) == MB_ICONQUESTION;
        };
    };

    // No: nothing happens.
    Run(frame, [](HWND dialog, HWND) { EXPECT_TRUE(MiscClickButton(dialog, IDC_SHORTCUTS_LOAD)); },
        [&](MiscScriptedUser& user) { user.ExpectMessageBox(IDNO, loadQuestion); });
    EXPECT_FALSE(changed);

    // No file yet.
    Run(frame, [](HWND dialog, HWND) { EXPECT_TRUE(MiscClickButton(dialog, IDC_SHORTCUTS_LOAD)); },
        [&](MiscScriptedUser& user) {
            user.Expect(MiscModalKind::MessageBox, yesNoQuestion(loadQuestion), [](MiscModal&) {}, "load question");
            user.ExpectMessageBox(IDOK, "Failed to open " + path + ".");
        });
    EXPECT_FALSE(changed);

    // Alt, Shift and Ctrl held: the table in use is saved.
    Run(frame, [](HWND dialog, HWND grid) {
        EXPECT_EQ(Keys(grid), (std::vector<std::string>{"Ctrl+N", "F2"}));
        EXPECT_TRUE(MiscFindControl(dialog, IDC_SHORTCUTS_LOAD).Click(MISC_MOD_ALT | MISC_MOD_SHIFT | MISC_MOD_CONTROL));
    }, [&](MiscScriptedUser& user) {
        user.Expect(MiscModalKind::MessageBox, yesNoQuestion("SAVING Shortcuts! Continue?"), [](MiscModal&) {}, "save question");
    });
    EXPECT_FALSE(changed);
    std::ifstream saved(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), 10u + 5u * 2u);
    EXPECT_EQ(bytes.substr(0, 4), "XACC");

    // Other shortcuts in use; loading brings the saved ones back into the grid.
    bars.GetShortcutManager()->SetEntries({{FVIRTKEY, 'Z', kZoom}});
    EXPECT_NE(frame->m_hAccelTable, frameTable);
    Run(frame, [](HWND dialog, HWND grid) {
        EXPECT_EQ(Keys(grid), (std::vector<std::string>{"Z"}));
        EXPECT_TRUE(MiscClickButton(dialog, IDC_SHORTCUTS_LOAD));
        EXPECT_EQ(Keys(grid), (std::vector<std::string>{"Ctrl+N", "F2"}));
    }, [&](MiscScriptedUser& user) { user.ExpectMessageBox(IDYES, loadQuestion); });
    EXPECT_TRUE(changed);
    EXPECT_EQ(bars.GetShortcutManager()->GetEntries().size(), 2u);

    // A damaged file is refused and changes nothing.
    {
        std::ofstream damaged(path, std::ios::binary | std::ios::trunc);
        damaged << "XACC\x01";
    }
    Run(frame, [](HWND dialog, HWND grid) {
        EXPECT_TRUE(MiscClickButton(dialog, IDC_SHORTCUTS_LOAD));
        EXPECT_EQ(Keys(grid), (std::vector<std::string>{"Ctrl+N", "F2"}));
    }, [&](MiscScriptedUser& user) {
        user.ExpectMessageBox(IDYES, loadQuestion);
        user.ExpectMessageBox(IDOK, "Failed to read " + path + ".");
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(bars.GetShortcutManager()->GetEntries().size(), 2u);

    std::remove(path.c_str());
    frame->m_hAccelTable = nullptr;
    DestroyAcceleratorTable(frameTable);
    frame->DestroyWindow();
}

} // namespace
