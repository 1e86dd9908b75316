// The resource compiler on small scripts: strings, preprocessing, dialogs, menus, files, errors.
#include "rc_compile.h"

#include <gtest/gtest.h>

#include <map>

#include "win32/msgbox.h"
#include "win32/styles.h"

namespace {

using namespace misc_rc;

class MemoryReader : public FileReader {
public:
    std::map<std::string, std::string> files;
    bool Read(const std::string& path, std::string& contents) override
    {
        auto it = files.find(path);
        if (it == files.end())
            return false;
        contents = it->second;
        return true;
    }
};

struct Compiled {
    bool ok;
    CompileResult result;
};

Compiled Compile(const std::string& script, MemoryReader reader = MemoryReader())
{
    Compiled c;
    c.ok = CompileScript("dir/test.rc", script, reader, CompileOptions{}, c.result);
    return c;
}

const uint32_t kChild = WS_CHILD | WS_VISIBLE;

TEST(RcStrings, EscapesAndDoubledQuotes)
{
    Compiled c = Compile(
        "STRINGTABLE\n"
        "BEGIN\n"
        "  1 \"line\\none\\ttab\"\n"
        "  2, \"back\\\\slash \\\"quoted\\\" and \"\"doubled\"\"\"\n"
        "  3 \"joined \" \"text\"\n"
        "  4 L\"wide\\x41\\101\"\n"
        "  5 \"keep \\q\"\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    const auto& s = c.result.script.strings;
    EXPECT_EQ(s.at(1), "line\none\ttab");
    EXPECT_EQ(s.at(2), "back\\slash \"quoted\" and \"doubled\"");
    EXPECT_EQ(s.at(3), "joined text");
    EXPECT_EQ(s.at(4), "wideAA");
    EXPECT_EQ(s.at(5), "keep \\q");
}

TEST(RcStrings, NamesFromAnIncludedHeaderAndConditionals)
{
    MemoryReader reader;
    reader.files["dir/resource.h"] =
        "// ids\n#define IDS_BASE 28000\n#define IDS_NEXT (IDS_BASE + 837)\n"
        "/* a comment with #define IDS_NOT_REAL 1 inside\n   */\nint declarations_are_ignored;\n"
        "#define TEXT_MACRO \"abc\"\n#define FUNC(x) (x)\n";
    Compiled c = Compile(
        "#include \"resource.h\"\n#include <windows.h>\n#include \"afxres.h\"\n"
        "#ifdef IDS_NOT_REAL\n#error comment text became a define\n#endif\n"
        "#if defined(IDS_BASE) && IDS_NEXT == 28837\n#define PICK 1\n#else\n#define PICK 2\n#endif\n"
        "#if 0\n STRINGTABLE garbage ' that is never read\n#endif\n"
        "STRINGTABLE DISCARDABLE\nBEGIN\n  IDS_NEXT \"next\"\n  IDS_BASE+PICK \"picked\"\n END\n",
        reader);
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    EXPECT_EQ(c.result.script.strings.at(28837), "next");
    EXPECT_EQ(c.result.script.strings.at(28001), "picked");
    ASSERT_EQ(c.result.dependencies.size(), 2u);
    EXPECT_EQ(c.result.dependencies[1], "dir/resource.h");
}

TEST(RcErrors, ReportFileLineAndCause)
{
    struct Case {
        const char* script;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"STRINGTABLE\nBEGIN\n 1 \"a\"\n 1 \"b\"\nEND\n", 4, "string 1 defined twice"},
        {"STRINGTABLE\nBEGIN\n 1 \"open\nEND\n", 3, "unterminated string"},
        {"STRINGTABLE\nBEGIN\n IDS_UNKNOWN \"x\"\nEND\n", 3, "undefined symbol IDS_UNKNOWN"},
        {"STRINGTABLE\nBEGIN\n 1 \"x\"\n", 3, "STRINGTABLE without END"},
        {"#include \"missing.h\"\n", 1, "cannot open include file missing.h"},
        {"#if 1\n", 1, "#if without #endif"},
        {"#endif\n", 1, "#endif without #if"},
        {"1 DIALOG 0, 0, 40000, 10\nBEGIN\nEND\n", 1, "coordinate out of range: 40000"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\n BOGUS \"x\", 1, 0, 0, 1, 1\nEND\n", 3, "unknown control statement 'BOGUS'"},
        {"IDD_X DIALOG 0, 0, 10, 10\nBEGIN\nEND\n", 1, "dialog IDD_X: the name is not a defined number"},
        {"5 BITMAP \"res\\\\none.bmp\"\n", 1, "cannot open file res/none.bmp"},
        {"1 MENU\nBEGIN\n MENUITEM \"a\" 5\nEND\n", 3, "expected ','"},
        {"STRINGTABLE\nBEGIN\n 1 \"a\" $\nEND\n", 3, "unexpected character '$'"},
        {"STRINGTABLE\nBEGIN\n 99999999999 \"a\"\nEND\n", 3, "number too large"},
        {"STRINGTABLE\nBEGIN\n 1/0 \"a\"\nEND\n", 3, "division by zero"},
    };
    for (const Case& k : cases) {
        Compiled c = Compile(k.script);
        EXPECT_FALSE(c.ok) << k.script;
        EXPECT_EQ(c.result.error.line, k.line) << k.script;
        EXPECT_NE(c.result.error.message.find(k.message), std::string::npos)
            << "got: " << FormatDiagnostic(c.result.error) << "\nwanted: " << k.message;
    }
}

TEST(RcDialogs, StatementsImplyClassesAndStyles)
{
    Compiled c = Compile(
        "#define IDC_A 1000\n"
        "100 DIALOGEX 1, 2, 200, 100\n"
        "STYLE DS_MODALFRAME | WS_POPUP\nCAPTION \"Implied\"\nFONT 8, \"MS Shell Dlg\", 400, 0, 1\n"
        "BEGIN\n"
        "  LTEXT \"l\", IDC_A, 1, 2, 3, 4\n"
        "  RTEXT \"r\", IDC_A+1, 1, 2, 3, 4\n"
        "  CTEXT \"c\", -1, 1, 2, 3, 4\n"
        "  PUSHBUTTON \"p\", 3, 1, 2, 3, 4\n"
        "  DEFPUSHBUTTON \"d\", IDOK, 1, 2, 3, 4\n"
        "  CHECKBOX \"k\", 5, 1, 2, 3, 4\n"
        "  AUTOCHECKBOX \"a\", 6, 1, 2, 3, 4\n"
        "  AUTO3STATE \"3\", 7, 1, 2, 3, 4\n"
        "  RADIOBUTTON \"o\", 8, 1, 2, 3, 4\n"
        "  AUTORADIOBUTTON \"u\", 9, 1, 2, 3, 4\n"
        "  GROUPBOX \"g\", 10, 1, 2, 3, 4\n"
        "  EDITTEXT 11, 1, 2, 3, 4\n"
        "  COMBOBOX 12, 1, 2, 3, 4\n"
        "  LISTBOX 13, 1, 2, 3, 4\n"
        "  SCROLLBAR 14, 1, 2, 3, 4\n"
        "  ICON 9, IDC_STATIC, 1, 2\n"
        "  EDITTEXT 16, 1, 2, 3, 4, ES_MULTILINE | NOT WS_BORDER | NOT WS_TABSTOP, WS_EX_CLIENTEDGE\n"
        "  CONTROL \"x\", 17, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, -1, -2, 30, 40\n"
        "  CONTROL IDB_PICTURE, 18, STATIC, SS_BITMAP, 1, 2, 3, 4, WS_EX_STATICEDGE\n"
        "  CONTROL \"\", 19, \"SysListView32\", LVS_REPORT | NOT WS_VISIBLE, 1, 2, 3, 4\n"
        "  COMBOBOX 20, 1, 2, 3, 4, CBS_DROPDOWN | WS_VSCROLL\n"
        "  COMBOBOX 21, 1, 2, 3, 4, CBS_DROPDOWNLIST | CBS_SORT\n"
        "  COMBOBOX 22, 1, 2, 3, 4, WS_VSCROLL | NOT WS_TABSTOP\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    ASSERT_EQ(c.result.script.dialogs.size(), 1u);
    const Dialog& d = c.result.script.dialogs[0];
    EXPECT_EQ(d.id, 100u);
    EXPECT_EQ(d.style, static_cast<uint32_t>(DS_MODALFRAME | WS_POPUP | WS_CAPTION | DS_SETFONT));
    EXPECT_EQ(d.caption, "Implied");
    EXPECT_EQ(d.fontFace, "MS Shell Dlg");
    EXPECT_EQ(d.fontPointSize, 8);
    EXPECT_EQ(d.x, 1);
    EXPECT_EQ(d.cy, 100);

    struct Expect {
        const char* cls;
        int id;
        uint32_t style;
        uint32_t exStyle;
    };
    const Expect expected[] = {
        {"STATIC", 1000, kChild | SS_LEFT | WS_GROUP, 0},
        {"STATIC", 1001, kChild | SS_RIGHT | WS_GROUP, 0},
        {"STATIC", -1, kChild | SS_CENTER | WS_GROUP, 0},
        {"BUTTON", 3, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
        {"BUTTON", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
        {"BUTTON", 5, kChild | BS_CHECKBOX | WS_TABSTOP, 0},
        {"BUTTON", 6, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
        {"BUTTON", 7, kChild | BS_AUTO3STATE | WS_TABSTOP, 0},
        {"BUTTON", 8, kChild | BS_RADIOBUTTON | WS_TABSTOP, 0},
        {"BUTTON", 9, kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, 0},
        {"BUTTON", 10, kChild | BS_GROUPBOX, 0},
        {"EDIT", 11, kChild | ES_LEFT | WS_BORDER | WS_TABSTOP, 0},
        {"COMBOBOX", 12, kChild | CBS_SIMPLE | WS_TABSTOP, 0},
        {"LISTBOX", 13, kChild | LBS_NOTIFY | WS_BORDER, 0},
        {"SCROLLBAR", 14, kChild | SBS_HORZ, 0},
        {"STATIC", -1, kChild | SS_ICON, 0},
        {"EDIT", 16, kChild | ES_MULTILINE, WS_EX_CLIENTEDGE},
        {"BUTTON", 17, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0},
        {"STATIC", 18, kChild | SS_BITMAP, WS_EX_STATICEDGE},
        {"SysListView32", 19, WS_CHILD | LVS_REPORT, 0},
        // A named kind replaces the simple one; without one the combo box stays simple.
        {"COMBOBOX", 20, kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 0},
        {"COMBOBOX", 21, kChild | CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP, 0},
        {"COMBOBOX", 22, kChild | CBS_SIMPLE | WS_VSCROLL, 0},
    };
    ASSERT_EQ(d.controls.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < d.controls.size(); ++i) {
        const Control& ctl = d.controls[i];
        EXPECT_EQ(ctl.className, expected[i].cls) << "control " << i;
        EXPECT_EQ(ctl.id, expected[i].id) << "control " << i;
        EXPECT_EQ(ctl.style, expected[i].style) << "control " << i << std::hex << " style 0x" << ctl.style;
        EXPECT_EQ(ctl.exStyle, expected[i].exStyle) << "control " << i;
    }
    EXPECT_EQ(d.controls[15].text, "9");
    EXPECT_EQ(d.controls[15].cx, 0) << "an ICON without a size";
    EXPECT_EQ(d.controls[17].x, -1);
    EXPECT_EQ(d.controls[17].cy, 40);
    EXPECT_EQ(d.controls[18].text, "IDB_PICTURE") << "a picture named by an undefined name keeps the name";
}

TEST(RcDialogs, HeaderDefaultsWithoutStyle)
{
    Compiled c = Compile("7 DIALOG DISCARDABLE 0, 0, 10, 10\nCAPTION \"\"\nMENU 300\nBEGIN\nEND\n"
                         "8 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n"
                         "9 DIALOG 0, 0, 10, 10\nSTYLE WS_CHILD\nBEGIN\nEND\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    const auto& d = c.result.script.dialogs;
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].style, static_cast<uint32_t>(WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION));
    EXPECT_EQ(d[0].menuName, "300");
    EXPECT_EQ(d[1].style, static_cast<uint32_t>(WS_POPUP | WS_BORDER | WS_SYSMENU));
    EXPECT_FALSE(d[1].hasFont);
    EXPECT_EQ(d[2].style, static_cast<uint32_t>(WS_CHILD));
}

TEST(RcMenus, NestingLevelsFlagsAndSeparators)
{
    Compiled c = Compile(
        "#define ID_OPEN 101\n"
        "200 MENU\nBEGIN\n"
        "  POPUP \"&File\"\n  BEGIN\n"
        "    MENUITEM \"&Open\\tCtrl+O\", ID_OPEN\n"
        "    MENUITEM SEPARATOR\n"
        "    POPUP \"&Recent\"\n    {\n"
        "      MENUITEM \"One\", 102, CHECKED, GRAYED\n"
        "    }\n"
        "    MENUITEM \"E&xit\", 103 INACTIVE\n"
        "  END\n"
        "  MENUITEM \"&Help\", 104, HELP\n"
        "END\n"
        "201 MENUEX\nBEGIN\n"
        "  POPUP \"&Edit\", 0, 0, 0\n  BEGIN\n"
        "    MENUITEM \"&Copy\", 110, MFT_STRING, MFS_GRAYED\n"
        "    MENUITEM \"\", 0, MFT_SEPARATOR\n"
        "    MENUITEM \"&Paste\", 111\n"
        "  END\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    ASSERT_EQ(c.result.script.menus.size(), 2u);
    struct Expect {
        int level;
        bool popup;
        bool separator;
        uint32_t id;
        const char* text;
        uint32_t flags;
    };
    const Expect plain[] = {
        {0, true, false, 0, "&File", 0},
        {1, false, false, 101, "&Open\tCtrl+O", 0},
        {1, false, true, 0, "", MF_SEPARATOR},
        {1, true, false, 0, "&Recent", 0},
        {2, false, false, 102, "One", MF_CHECKED | MF_GRAYED},
        {1, false, false, 103, "E&xit", MF_DISABLED},
        {0, false, false, 104, "&Help", MF_HELP},
    };
    const Expect extended[] = {
        {0, true, false, 0, "&Edit", 0},
        {1, false, false, 110, "&Copy", MFS_GRAYED},
        {1, false, true, 0, "", MFT_SEPARATOR},
        {1, false, false, 111, "&Paste", 0},
    };
    auto check = [](const Menu& m, const Expect* e, size_t n) {
        ASSERT_EQ(m.items.size(), n);
        for (size_t i = 0; i < n; ++i) {
            const MenuItem& it = m.items[i];
            EXPECT_EQ(it.level, e[i].level) << "item " << i;
            EXPECT_EQ(it.popup, e[i].popup) << "item " << i;
            EXPECT_EQ(it.separator, e[i].separator) << "item " << i;
            EXPECT_EQ(it.id, e[i].id) << "item " << i;
            EXPECT_EQ(it.text, e[i].text) << "item " << i;
            EXPECT_EQ(it.flags, e[i].flags) << "item " << i;
        }
    };
    check(c.result.script.menus[0], plain, sizeof(plain) / sizeof(plain[0]));
    check(c.result.script.menus[1], extended, sizeof(extended) / sizeof(extended[0]));
}

TEST(RcFiles, BitmapsIconsAndCursorsAreEmbedded)
{
    MemoryReader reader;
    reader.files["dir/res/a.bmp"] = std::string("BM\0\1\2", 5);
    reader.files["dir/b.ico"] = "ICO";
    reader.files["dir/c.cur"] = "CUR";
    Compiled c = Compile(
        "#define IDB_A 810\n"
        "IDB_A BITMAP \"res\\\\a.bmp\"\n"
        "IDI_NAMED ICON DISCARDABLE \"b.ico\"\n"
        "2 CURSOR \"c.cur\"\n"
        "STRINGTABLE\nBEGIN\n 1 \"after\"\nEND\n",
        reader);
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    const Script& s = c.result.script;
    ASSERT_EQ(s.bitmaps.size(), 1u);
    EXPECT_EQ(s.bitmaps[0].id, 810u);
    EXPECT_EQ(s.bitmaps[0].name, "IDB_A");
    EXPECT_EQ(std::string(s.bitmaps[0].data.begin(), s.bitmaps[0].data.end()), std::string("BM\0\1\2", 5));
    ASSERT_EQ(s.icons.size(), 1u);
    EXPECT_EQ(s.icons[0].id, 0u);
    EXPECT_EQ(s.icons[0].name, "IDI_NAMED");
    ASSERT_EQ(s.cursors.size(), 1u);
    EXPECT_EQ(s.cursors[0].id, 2u);
    EXPECT_EQ(s.strings.at(1), "after");
    EXPECT_TRUE(c.result.warnings.empty());
    EXPECT_EQ(c.result.dependencies.back(), "dir/c.cur");
}

TEST(RcFiles, AStatementNotUnderstoodStopsWithItsPlace)
{
    // Nothing is passed over unread: each of these stops the compiler at its line.
    const struct {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"STRINGTABLE\nBEGIN\n 1 \"a\"\nEND\n1 VERSIONINFO\nBEGIN\nEND\n", 5, "VERSIONINFO is not understood"},
        {"\n\n7 RCDATA \"x.bin\"\n", 3, "RCDATA is not understood"},
        {"1 TEXTINCLUDE\nBEGIN\n \"resource.h\\0\"\nEND\n", 1, "TEXTINCLUDE is not understood"},
    };
    for (const auto& k : cases) {
        Compiled c = Compile(k.script);
        ASSERT_FALSE(c.ok) << k.script;
        EXPECT_EQ(c.result.error.file, "dir/test.rc");
        EXPECT_EQ(c.result.error.line, k.line) << k.script;
        EXPECT_NE(c.result.error.message.find(k.message), std::string::npos) << c.result.error.message;
    }
}

TEST(RcWriter, SourceHoldsEveryTableAndEscapesText)
{
    MemoryReader reader;
    reader.files["dir/a.bmp"] = "xyz";
    Compiled c = Compile("STRINGTABLE\nBEGIN\n 5 \"say \"\"hi\"\"\\n\\001?\?=\"\nEND\n"
                         "3 DIALOG 0,0,1,1\nBEGIN\n PUSHBUTTON \"p\", 1, 0, 0, 1, 1\nEND\n"
                         "4 MENU\nBEGIN\n MENUITEM SEPARATOR\nEND\n"
                         "6 BITMAP \"a.bmp\"\n",
                         reader);
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    std::string src = WriteTableSource(c.result.script, "g_table", "test.rc");
    EXPECT_NE(src.find("const MiscResourceTable g_table = {"), std::string::npos);
    EXPECT_NE(src.find("{5u, \"say \\\"hi\\\"\\n\\001\\?\\?=\"}"), std::string::npos) << src;
    EXPECT_NE(src.find("kDialog3Controls, 1"), std::string::npos);
    EXPECT_NE(src.find("{0, FALSE, 0u, nullptr, 0x00000800u}"), std::string::npos) << "a separator has no text";
    EXPECT_NE(src.find("120, 121, 122,"), std::string::npos) << "bitmap bytes";
    EXPECT_NE(src.find("    nullptr, 0,\n};"), std::string::npos) << "no icons";
    EXPECT_EQ(WriteDepfile("out dir/x.cpp", {"a.rc", "b.h"}), "out\\ dir/x.cpp: \\\n  a.rc \\\n  b.h\n");
    EXPECT_TRUE(IsIdentifier("g_miscResourceTable"));
    EXPECT_FALSE(IsIdentifier("9lives"));
    EXPECT_FALSE(IsIdentifier("a-b"));
}

} // namespace
