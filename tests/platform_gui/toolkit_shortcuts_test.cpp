// The toolkit's shortcut manager: the key formatter and its reverse, the stored form of a table
// (exact bytes, and hostile input refused without a change), the table in use against its
// default with the frame following, and the keyboard and commands customisation pages.
#include <windows.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "gui_fixture.h"
#include "mfc/menu.h"
#include "toolkit/commandbars.h"
#include "toolkit/shortcuts.h"
#include "win32/accel.h"
#include "win32/automation.h"

namespace {

using Keys = CXTPShortcutManager::CKeyHelper;

std::string Text(BYTE flags, WORD key)
{
    ACCEL a{flags, key, 1};
    return Keys(&a).Format().GetString();
}

bool Same(const ACCEL& a, const ACCEL& b)
{
    return a.fVirt == b.fVirt && a.key == b.key && a.cmd == b.cmd;
}

TEST(KeyFormatter, WritesModifiersInKeyboardOrderThenTheKeyName)
{
    const BYTE v = FVIRTKEY;
    const struct {
        BYTE flags;
        WORD key;
        const char* text;
    } cases[] = {
        {v, 'A', "A"},
        {v | FCONTROL | FSHIFT, VK_F5, "Ctrl+Shift+F5"},
        {v | FALT | FSHIFT | FCONTROL, 'Z', "Ctrl+Shift+Alt+Z"}, // flag order does not matter
        {v | FALT, '7', "Alt+7"},
        {v | FNOINVERT | FCONTROL, 'S', "Ctrl+S"}, // FNOINVERT shows nothing
        {v, VK_F1 + 23, "F24"},
        {v, VK_DELETE, "Del"},
        {v, VK_INSERT, "Ins"},
        {v | FSHIFT, VK_HOME, "Shift+Home"},
        {v, VK_END, "End"},
        {v, VK_PRIOR, "PgUp"},
        {v, VK_NEXT, "PgDn"},
        {v, VK_LEFT, "Left"},
        {v | FCONTROL, VK_DOWN, "Ctrl+Down"},
        {v, VK_NUMPAD7, "Num 7"},
        {v | FCONTROL, VK_ADD, "Ctrl+Num +"},
        {v, VK_SPACE, "Space"},
        {v, VK_TAB, "Tab"},
        {v, VK_RETURN, "Enter"},
        {v, VK_ESCAPE, "Esc"},
        {v, VK_BACK, "Backspace"},
        {v, VK_OEM_COMMA, ","},
        {v | FCONTROL, VK_OEM_4, "Ctrl+["},
        {v, VK_OEM_5, "\\"},
        {v, 0xE5, "0xE5"}, // a key without a name still says which key
        // Characters: only Alt counts, control characters as the keys that type them.
        {0, 'a', "a"},
        {FALT, '?', "Alt+?"},
        {FCONTROL | FSHIFT, 'x', "x"},
        {0, 3, "Ctrl+C"},
        {0, 9, "Tab"},
        {0, 13, "Enter"},
        {0, ' ', "Space"},
        {0, 0x263A, "0x263A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(c.flags, c.key), c.text) << "flags " << int(c.flags) << " key " << c.key;
    EXPECT_EQ(Keys::GetKeyName('Q'), CString("Q"));
    EXPECT_EQ(Keys::GetKeyName(0xE5), CString());
    EXPECT_EQ(Keys::GetKeyName('q', FALSE), CString("q"));
    // No entry at all formats as an unnamed key rather than failing.
    EXPECT_EQ(Keys(nullptr).Format(), CString("0x0000"));
}

TEST(KeyFormatter, ParseReadsBackEveryVirtualKeyWithEveryModifierSet)
{
    const BYTE sets[] = {0, FCONTROL, FSHIFT, FALT, FCONTROL | FSHIFT, FCONTROL | FALT, FSHIFT | FALT,
                         FCONTROL | FSHIFT | FALT};
    for (int key = 1; key <= 0xFE; ++key)
        for (BYTE mods : sets) {
            ACCEL a{static_cast<BYTE>(FVIRTKEY | mods), static_cast<WORD>(key), 7};
            const CString text = Keys(&a).Format();
            ACCEL back{0, 0, 7};
            ASSERT_TRUE(Keys::Parse(text, &back)) << text.GetString();
            EXPECT_TRUE(Same(a, back)) << text.GetString();
        }
    ACCEL a{0, 0, 0};
    EXPECT_TRUE(Keys::Parse("shift+ctrl+f5", &a)); // any order, any case
    EXPECT_EQ(a.fVirt, FVIRTKEY | FCONTROL | FSHIFT);
    EXPECT_EQ(a.key, VK_F5);
    for (const char* bad : {"", "Ctrl+", "Hyper+A", "Ctrl+Ctrl+A", "F25", "0x00", "0xFF", "AB"}) {
        ACCEL b{9, 9, 9};
        EXPECT_FALSE(Keys::Parse(bad, &b)) << bad;
        EXPECT_TRUE(Same(b, ACCEL{9, 9, 9})) << bad;
    }
}

// ---- The stored form ----

std::vector<BYTE> Store(CXTPShortcutManager& m)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        m.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Loads the bytes; the exception's cause, or -1 when the load went through.
int Load(CXTPShortcutManager& m, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        m.Serialize(ar);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

class ShortcutTable : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        manager.SetEntries(entries);
    }
    std::vector<ACCEL> entries = {{FVIRTKEY | FCONTROL, 'S', 0xE103}, {FVIRTKEY | FSHIFT, VK_F5, 32771}};
    CXTPShortcutManager manager{nullptr};
};

TEST_F(ShortcutTable, StoresMagicVersionCountThenFiveBytesAnEntry)
{
    const std::vector<BYTE> want = {'X', 'A', 'C', 'C', 1, 0, 2, 0, 0, 0,
                                    0x09, 'S', 0, 0x03, 0xE1,
                                    0x05, VK_F5, 0, 0x03, 0x80};
    EXPECT_EQ(Store(manager), want);

    CXTPShortcutManager other(nullptr);
    EXPECT_EQ(Load(other, want), -1);
    const std::vector<ACCEL> back = other.GetEntries();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_TRUE(Same(back[0], entries[0]));
    EXPECT_TRUE(Same(back[1], entries[1]));

    // An empty table stores a count of 0 and loads as no table.
    CXTPShortcutManager empty(nullptr);
    const std::vector<BYTE> none = Store(empty);
    EXPECT_EQ(none, (std::vector<BYTE>{'X', 'A', 'C', 'C', 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Load(other, none), -1);
    EXPECT_EQ(other.GetAccelTable(), nullptr);
}

TEST_F(ShortcutTable, HostileInputIsRefusedAndChangesNothing)
{
    const std::vector<BYTE> good = Store(manager);
    // Every truncation ends early.
    for (size_t n = 0; n < good.size(); ++n) {
        CXTPShortcutManager m(nullptr);
        m.SetEntries({{FVIRTKEY, 'Q', 1}});
        EXPECT_EQ(Load(m, std::vector<BYTE>(good.begin(), good.begin() + static_cast<long>(n))),
                  CArchiveException::endOfFile) << n << " bytes";
        ASSERT_EQ(m.GetEntries().size(), 1u) << n << " bytes";
    }
    const struct {
        const char* what;
        size_t offset;
        BYTE value;
        int cause;
    } cases[] = {
        {"magic", 0, 'Y', CArchiveException::badClass},
        {"version", 4, 2, CArchiveException::badSchema},
        {"count beyond the most", 7, 0x80, CArchiveException::genericException}, // 32770
        {"huge count", 9, 0xFF, CArchiveException::genericException},
        {"unknown flag", 10, 0x21, CArchiveException::genericException},
        {"virtual key 0", 11, 0, CArchiveException::genericException},
        {"virtual key 0xFF", 11, 0xFF, CArchiveException::genericException},
    };
    for (const auto& c : cases) {
        std::vector<BYTE> bad = good;
        bad[c.offset] = c.value;
        if (c.offset == 11 && c.value == 0xFF)
            bad[12] = 0;
        EXPECT_EQ(Load(manager, bad), c.cause) << c.what;
        EXPECT_EQ(manager.GetEntries().size(), 2u) << c.what;
    }
    // A character entry needs a character; the most entries load.
    std::vector<BYTE> chars = {'X', 'A', 'C', 'C', 1, 0, 1, 0, 0, 0, 0x00, 0, 0, 1, 0};
    EXPECT_EQ(Load(manager, chars), CArchiveException::genericException);
    std::vector<BYTE> most = {'X', 'A', 'C', 'C', 1, 0, 0xFF, 0x7F, 0, 0};
    for (int i = 0; i < 32767; ++i)
        most.insert(most.end(), {FVIRTKEY, 'A', 0, 1, 0});
    EXPECT_EQ(Load(manager, most), -1);
    EXPECT_EQ(manager.GetEntries().size(), 32767u);
}

// ---- Table in use and default ----

TEST_F(ShortcutTable, ResetGoesBackToTheDefaultAndTheFrameFollows)
{
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Frame"));
    ACCEL own[] = {{FVIRTKEY | FCONTROL, 'O', 100}};
    frame->m_hAccelTable = CreateAcceleratorTable(own, 1);
    HACCEL frameOwn = frame->m_hAccelTable;
    CXTPCommandBars bars;
    bars.SetSite(frame);
    CXTPShortcutManager* m = bars.GetShortcutManager();

    m->SetAccelerators(frame->m_hAccelTable);
    EXPECT_NE(m->GetAccelTable(), frameOwn); // a copy
    EXPECT_EQ(frame->m_hAccelTable, m->GetAccelTable());
    EXPECT_EQ(m->GetDefaultAccelerator(), m->GetAccelTable());

    m->SetEntries(entries);
    EXPECT_EQ(frame->m_hAccelTable, m->GetAccelTable());
    EXPECT_NE(m->GetAccelTable(), m->GetDefaultAccelerator());
    EXPECT_EQ(CopyAcceleratorTable(frame->m_hAccelTable, nullptr, 0), 2);

    m->Reset();
    EXPECT_EQ(m->GetAccelTable(), m->GetDefaultAccelerator());
    EXPECT_EQ(frame->m_hAccelTable, m->GetAccelTable());
    ASSERT_EQ(m->GetEntries().size(), 1u);
    EXPECT_EQ(m->GetEntries()[0].key, 'O');
    m->Reset(); // twice changes nothing
    EXPECT_EQ(m->GetEntries().size(), 1u);

    // A frame with a table of its own that the manager never had keeps it.
    ACCEL other[] = {{FVIRTKEY, VK_F9, 200}};
    HACCEL mine = CreateAcceleratorTable(other, 1);
    frame->m_hAccelTable = mine;
    m->SetEntries(entries);
    EXPECT_EQ(frame->m_hAccelTable, mine);
    frame->m_hAccelTable = nullptr;
    DestroyAcceleratorTable(mine);
    DestroyAcceleratorTable(frameOwn);
    frame->DestroyWindow();
}

// ---- Customisation pages ----

enum : UINT { kNew = 100, kOpen = 101, kSave = 102, kCut = 200, kCopy = 201 };

void FillMenu(CMenu& menu)
{
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kNew, "&New\tCtrl+N");
    menu.AppendMenu(MF_SEPARATOR);
    CMenu recent;
    recent.CreatePopupMenu();
    recent.AppendMenu(MF_STRING, kOpen, "&Open && Read");
    recent.AppendMenu(MF_STRING, kNew, "New again");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(recent.Detach()), "Recent");
    menu.AppendMenu(MF_STRING, kSave, "&Save");
}

TEST(CustomizeCategories, AddsMenuCommandsOnceEachWithoutMnemonics)
{
    CXTPCustomizeCommandsPage page;
    CMenu menu;
    FillMenu(menu);
    EXPECT_TRUE(page.AddCategory("File", &menu));
    EXPECT_TRUE(page.AddCommand("Edit", kCut, "Cu&t"));
    EXPECT_TRUE(page.AddCommand("File", kCopy, "Copy"));
    EXPECT_FALSE(page.AddCommand("Edit", 0, "Nothing"));
    EXPECT_FALSE(page.AddCommand("", kCopy, "Copy"));
    EXPECT_FALSE(page.AddCategory("None", nullptr));
    ASSERT_EQ(page.GetCategoryCount(), 2);
    EXPECT_EQ(page.GetCategoryName(0), CString("File"));
    EXPECT_EQ(page.GetCategoryName(1), CString("Edit"));
    EXPECT_EQ(page.GetCategoryName(2), CString());
    EXPECT_EQ(page.GetCommands(0), (std::vector<UINT>{kNew, kOpen, kSave, kCopy}));
    EXPECT_EQ(page.GetCommands(1), (std::vector<UINT>{kCut}));
    EXPECT_EQ(page.GetCommandCaption(kNew), CString("New"));
    EXPECT_EQ(page.GetCommandCaption(kOpen), CString("Open & Read"));
    EXPECT_EQ(page.GetCommandCaption(kCut), CString("Cut"));
}

class CustomizePages : public guitest::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        CXTPToolBar* bar = bars.Add("Standard");
        bar->GetControls()->Add(xtpControlButton, kSave, "&Save")->SetDescription("Save the document");
        bars.GetShortcutManager()->SetEntries({{FVIRTKEY | FCONTROL, 'S', kSave},
                                               {FVIRTKEY | FSHIFT, VK_F12, kSave},
                                               {FVIRTKEY | FCONTROL, 'N', kNew},
                                               {FVIRTKEY | FCONTROL, 'X', kCut}});
        CMenu menu;
        FillMenu(menu);
        keyboard.AddCategory("File", &menu);
        keyboard.AddCommand("Edit", kCut, "Cu&t");
        keyboard.AddCommand("Edit", kCopy, "&Copy");
        commands.AddCategory("File", &menu);
        commands.AddCommand("Edit", kCut, "Cu&t");
        sheet.AddPage(&keyboard);
        sheet.AddPage(&commands);
    }
    static std::vector<std::string> Entries(HWND page, int id)
    {
        std::vector<std::string> out;
        MiscElement list = MiscFindControl(page, id);
        for (int i = 0; i < list.ItemCount(); ++i)
            out.push_back(list.Item(i).Text());
        return out;
    }
    CXTPCommandBars bars;
    CXTPCustomizeKeyboardPage keyboard{&bars};
    CXTPCustomizeCommandsPage commands{&bars};
    CPropertySheet sheet{"Customize"};
};

TEST_F(CustomizePages, KeyboardPageShowsTheKeysOfTheChosenCommand)
{
    MiscScriptedUser user;
    user.Expect(MiscModalKind::PropertySheet, nullptr, [](MiscModal& m) {
        HWND page = MiscPropertySheetPage(m.hwnd);
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_CATEGORIES), (std::vector<std::string>{"File", "Edit"}));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_COMMANDS), (std::vector<std::string>{"New", "Open & Read", "Save"}));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_KEYS), (std::vector<std::string>{"Ctrl+N"}));
        EXPECT_TRUE(MiscSelectItem(page, XTP_IDC_KBD_COMMANDS, 2));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_KEYS), (std::vector<std::string>{"Ctrl+S", "Shift+F12"}));
        EXPECT_EQ(MiscGetControlText(page, XTP_IDC_KBD_DESCRIPTION), "Save the document");
        EXPECT_TRUE(MiscSelectItem(page, XTP_IDC_KBD_COMMANDS, 1));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_KEYS), std::vector<std::string>{});
        EXPECT_TRUE(MiscSelectItem(page, XTP_IDC_KBD_CATEGORIES, 1));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_COMMANDS), (std::vector<std::string>{"Cut", "Copy"}));
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_KEYS), (std::vector<std::string>{"Ctrl+X"}));

        EXPECT_TRUE(MiscSelectPropertyPage(m.hwnd, "Commands"));
        HWND second = MiscPropertySheetPage(m.hwnd);
        EXPECT_EQ(Entries(second, XTP_IDC_CMD_COMMANDS), (std::vector<std::string>{"New", "Open & Read", "Save"}));
        EXPECT_TRUE(MiscSelectItem(second, XTP_IDC_CMD_CATEGORIES, 1));
        EXPECT_EQ(Entries(second, XTP_IDC_CMD_COMMANDS), (std::vector<std::string>{"Cut"}));
        EXPECT_TRUE(MiscClickButton(m.hwnd, IDOK));
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

TEST_F(CustomizePages, PagesWithoutCategoriesOpenEmpty)
{
    CXTPCustomizeKeyboardPage empty;
    CPropertySheet bare{"Customize"};
    bare.AddPage(&empty);
    MiscScriptedUser user;
    user.Expect(MiscModalKind::PropertySheet, nullptr, [](MiscModal& m) {
        HWND page = MiscPropertySheetPage(m.hwnd);
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_CATEGORIES), std::vector<std::string>{});
        EXPECT_EQ(Entries(page, XTP_IDC_KBD_KEYS), std::vector<std::string>{});
        EXPECT_TRUE(MiscClickButton(m.hwnd, IDCANCEL));
    });
    EXPECT_EQ(bare.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.AllDone()) << user.Report();
}

} // namespace
