// The resource module as built: every string the library asks for by number is there, and the
// sample dialog holds one control of every standard kind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "misc/resources.h"

namespace {

// The string numbers that the library's subsystems load from the resource module.
const UINT kLibraryStrings[] = {
    20533, 20534,                                           // list editor
    28678, 57519, 58426, 58427, 58524, 60380, 60451, 60452, // material pattern profiles
    61388, 61389, 61390, 61391, 61392, 61393, 61397, 61399, 61400, 61401, 61402, 61423,
    28695, 28696, 28709, 29019,                             // keyboard shortcuts
    28703, 28704, 28705, 28706, 28707, 28708, 28846, 60378, 60379, // version history
    28712,                                                  // property grid
    28837, 28838, 28839, 28840, 28842, 28843, 28844, 28845, 60453, 61396, // tool layers
    29008, 29009, 29010, 29011, 29012, 29013, 29014, 29015, 29016, 29017, 29018, // shares
    60375, 61404, 61405,                                    // notice and web links
};

HMODULE Res()
{
    HMODULE res = GetModuleHandleA("misc_res.dll");
    EXPECT_NE(res, nullptr) << "the resource module registers itself when loaded";
    return res;
}

TEST(MiscRes, HoldsEveryStringTheLibraryLoads)
{
    HMODULE res = Res();
    for (UINT id : kLibraryStrings) {
        const char* text = MiscFindString(res, id);
        ASSERT_NE(text, nullptr) << "string " << id;
        EXPECT_GT(std::strlen(text), 0u) << "string " << id;
    }
}

TEST(MiscRes, FormatStringsCarryTheirPlaceholders)
{
    HMODULE res = Res();
    struct Case {
        UINT id;
        const char* placeholders;
    };
    const Case cases[] = {{28837, "%d"}, {28838, "%d"}, {28839, "%s%d%d"}, {28846, "%s"}, {61400, "%s"}};
    for (const Case& c : cases) {
        std::string text = MiscFindString(res, c.id);
        std::string found;
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '%')
                found += text.substr(i, 2);
        EXPECT_EQ(found, c.placeholders) << "string " << c.id << ": " << text;
    }
}

TEST(MiscRes, WebLinksAndFallbackTexts)
{
    HMODULE res = Res();
    EXPECT_STREQ(MiscFindString(res, 61404), "https://www.example.com/");
    EXPECT_STREQ(MiscFindString(res, 61405), "https://www.example.com/support");
    std::string filter = std::string(MiscFindString(res, 60452)) + MiscFindString(res, 60451);
    EXPECT_EQ(filter, "Fabric Pattern Profile(*.fpf)|*.fpf|");
    EXPECT_EQ(std::string(MiscFindString(res, 60453)).find("|*.lyt|"), std::string(MiscFindString(res, 60453)).size() - 7);
}

TEST(MiscRes, SampleDialogHasEveryStandardControlKind)
{
    const MiscResDialog* d = MiscFindDialog(Res(), 9000);
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->caption, "Sample Controls");
    std::set<std::string> classes;
    std::set<DWORD> buttonKinds;
    for (int i = 0; i < d->controlCount; ++i) {
        const MiscResControl& c = d->controls[i];
        classes.insert(c.className);
        if (std::string(c.className) == "BUTTON")
            buttonKinds.insert(c.style & BS_TYPEMASK);
        EXPECT_TRUE(c.style & WS_CHILD) << c.text;
    }
    for (const char* cls : {"STATIC", "BUTTON", "EDIT", "COMBOBOX", "LISTBOX", "SCROLLBAR", "SysListView32",
                            "msctls_trackbar32", "msctls_updown32"})
        EXPECT_TRUE(classes.count(cls)) << cls;
    for (DWORD kind : {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_CHECKBOX, BS_AUTOCHECKBOX, BS_AUTO3STATE, BS_RADIOBUTTON,
                       BS_AUTORADIOBUTTON, BS_GROUPBOX})
        EXPECT_TRUE(buttonKinds.count(kind)) << "button kind " << kind;
}

TEST(MiscRes, InitCountsItsCalls)
{
    int before = MiscResInitCount();
    InitMiscResDLL();
    EXPECT_EQ(MiscResInitCount(), before + 1);
}

} // namespace

namespace {

uint16_t Word(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

TEST(MiscRes, CursorsAndIconsTheLibraryLoads)
{
    // The x splitter's cursor: a .cur file (type 2) whose hot spot is its centre.
    const MiscResBlob* cursor = MiscFindCursor(Res(), 30980);
    ASSERT_NE(cursor, nullptr);
    ASSERT_GE(cursor->size, 22u);
    EXPECT_EQ(Word(cursor->data + 2), 2) << "cursor file";
    EXPECT_EQ(Word(cursor->data + 10), 16) << "hot spot x";
    EXPECT_EQ(Word(cursor->data + 12), 16) << "hot spot y";
    // The property dialog's icon and the list editor's icon.
    for (UINT id : {9u, 16387u}) {
        const MiscResBlob* icon = MiscFindIcon(Res(), id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(Word(icon->data + 2), 1) << "icon file " << id;
    }
}

TEST(MiscRes, SampleMenuComesWithAcceleratorsToolBarAndComboList)
{
    const MiscResAccelTable* accel = MiscFindAccelerators(Res(), 9100);
    ASSERT_NE(accel, nullptr);
    bool ctrlN = false;
    for (int i = 0; i < accel->count; ++i)
        ctrlN |= accel->entries[i].key == 'N' && accel->entries[i].cmd == 9101 && (accel->entries[i].fVirt & FCONTROL);
    EXPECT_TRUE(ctrlN) << "Ctrl+N gives File New";
    const MiscResToolBar* bar = MiscFindToolBar(Res(), 9100);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count, 7);
    EXPECT_EQ(bar->commands[3], 0u) << "separator";
    const MiscResDlgInit* init = MiscFindDlgInit(Res(), 9000);
    ASSERT_NE(init, nullptr);
    ASSERT_EQ(init->count, 3);
    EXPECT_STREQ(init->entries[1].text, "Green");
    ASSERT_NE(MiscFindMenu(Res(), 9100), nullptr);
}

} // namespace
