// The resource compiler's command resources: accelerator tables, initial lists of dialog
// controls (DLGINIT) and tool bars, with the mistakes that stop it.
#include "rc_compile.h"

#include <gtest/gtest.h>

namespace {

using namespace misc_rc;

class NoFiles : public FileReader {
public:
    bool Read(const std::string&, std::string&) override { return false; }
};

struct Compiled {
    bool ok;
    CompileResult result;
};

Compiled Compile(const std::string& script)
{
    NoFiles reader;
    Compiled c;
    c.ok = CompileScript("cmd.rc", script, reader, CompileOptions{}, c.result);
    return c;
}

TEST(RcAccelerators, KeysFlagsAndCommands)
{
    Compiled c = Compile(
        "#define IDR_MAIN 128\n"
        "#define ID_NEW 100\n"
        "IDR_MAIN ACCELERATORS\n"
        "BEGIN\n"
        "    \"n\", ID_NEW, VIRTKEY, CONTROL, NOINVERT\n"
        "    \"^C\", 101\n"
        "    \"a\", 102, ASCII, ALT\n"
        "    VK_F1, 103, VIRTKEY\n"
        "    VK_DELETE, 104, VIRTKEY, SHIFT\n"
        "    65, 105\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    ASSERT_EQ(c.result.script.accelerators.size(), 1u);
    const AccelTable& t = c.result.script.accelerators[0];
    EXPECT_EQ(t.id, 128u);
    const struct {
        uint8_t flags;
        uint16_t key;
        uint16_t cmd;
    } want[] = {
        {0x01 | 0x08 | 0x02, 'N', 100}, // a virtual key is upper case whatever the script wrote
        {0, 3, 101},                    // "^C" is the control character
        {0x10, 'a', 102},
        {0x01, 0x70, 103},
        {0x01 | 0x04, 0x2E, 104},
        {0, 65, 105},
    };
    ASSERT_EQ(t.entries.size(), sizeof(want) / sizeof(want[0]));
    for (size_t i = 0; i < t.entries.size(); ++i) {
        EXPECT_EQ(t.entries[i].flags, want[i].flags) << i;
        EXPECT_EQ(t.entries[i].key, want[i].key) << i;
        EXPECT_EQ(t.entries[i].cmd, want[i].cmd) << i;
    }
    std::string src = WriteTableSource(c.result.script, "g_t", "cmd.rc");
    EXPECT_NE(src.find("{11, 78, 100},"), std::string::npos) << src;
    EXPECT_NE(src.find("kAccelerators, 1,"), std::string::npos) << src;
}

TEST(RcDlgInit, WordsAndStringsGiveTheComboStrings)
{
    // The word form resource editors write, with the odd length closed by a one-byte string,
    // and the string form.
    Compiled c = Compile(
        "200 DLGINIT\n"
        "BEGIN\n"
        "    1001, 0x403, 5, 0\n"
        "0x6c42, 0x6575, \"\\000\"\n"
        "    1002, 0x401, 4, 0\n"
        "\"Red\\000\"\n"
        "    1001, 0x403, 2, 0\n"
        "0x0041\n"
        "    0\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    ASSERT_EQ(c.result.script.dlgInits.size(), 1u);
    const DlgInit& d = c.result.script.dlgInits[0];
    EXPECT_EQ(d.id, 200u);
    ASSERT_EQ(d.entries.size(), 3u);
    EXPECT_EQ(d.entries[0].control, 1001);
    EXPECT_EQ(d.entries[0].message, 0x0143u) << "CB_ADDSTRING";
    EXPECT_EQ(d.entries[0].text, "Blue");
    EXPECT_EQ(d.entries[1].message, 0x0180u) << "LB_ADDSTRING";
    EXPECT_EQ(d.entries[1].text, "Red");
    EXPECT_EQ(d.entries[2].text, "A");
    std::string src = WriteTableSource(c.result.script, "g_t", "cmd.rc");
    EXPECT_NE(src.find("{1001, 0x00000143u, \"Blue\"},"), std::string::npos) << src;
}

TEST(RcToolBar, ButtonsAndSeparators)
{
    Compiled c = Compile(
        "#define IDR_TB 300\n"
        "IDR_TB TOOLBAR 16, 15\n"
        "BEGIN\n"
        "    BUTTON 100\n"
        "    SEPARATOR\n"
        "    BUTTON 101\n"
        "END\n");
    ASSERT_TRUE(c.ok) << FormatDiagnostic(c.result.error);
    ASSERT_EQ(c.result.script.toolBars.size(), 1u);
    const ToolBar& t = c.result.script.toolBars[0];
    EXPECT_EQ(t.buttonWidth, 16);
    EXPECT_EQ(t.buttonHeight, 15);
    EXPECT_EQ(t.commands, (std::vector<uint32_t>{100, 0, 101}));
}

TEST(RcCommands, MistakesStopWithTheirLine)
{
    const struct {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"1 ACCELERATORS\nBEGIN\n \"ab\", 5\nEND\n", 3, "not one character"},
        {"1 ACCELERATORS\nBEGIN\n \"a\", 5, VIRTKEY, ASCII\nEND\n", 3, "VIRTKEY and ASCII"},
        {"1 ACCELERATORS\nBEGIN\n \"a\", 5, CONTROL\nEND\n", 3, "need VIRTKEY"},
        {"1 ACCELERATORS\nBEGIN\n \"^C\", 5, VIRTKEY\nEND\n", 3, "cannot be VIRTKEY"},
        {"1 ACCELERATORS\nBEGIN\n \"a\", 5, BOLD\nEND\n", 3, "expected an accelerator option"},
        {"1 ACCELERATORS\nBEGIN\n \"a\", 70000\nEND\n", 3, "command out of range"},
        {"1 ACCELERATORS\nBEGIN\n \"a\", 5\n", 3, "without END"},
        {"1 ACCELERATORS\nBEGIN\nEND\n1 ACCELERATORS\nBEGIN\nEND\n", 4, "defined twice"},
        {"\n5 DLGINIT\nBEGIN\n 1, 0x403, 9, 0\n \"ab\"\n 0\nEND\n", 2, "longer than the data"},
        {"5 DLGINIT\nBEGIN\n 1, 0x403, 2, 0\n \"ab\"\nEND\n", 1, "does not end with 0"},
        {"5 DLGINIT\nBEGIN\n 1, 0x999, 2, 0\n \"ab\"\n 0\nEND\n", 1, "message 2457 is not understood"},
        {"5 DLGINIT\nBEGIN\n 1, 0x403, 3, 0\n \"a\\000b\"\n 0\nEND\n", 1, "holds a NUL"},
        {"5 DLGINIT\nBEGIN\n 70000\nEND\n", 3, "word out of range"},
        {"9 TOOLBAR 16, 15\nBEGIN\n BUTTON 1\n CHECKBOX 2\nEND\n", 4, "expected BUTTON or SEPARATOR"},
        {"9 TOOLBAR 0, 15\nBEGIN\nEND\n", 1, "must be positive"},
        {"9 TOOLBAR 16, 15\nBEGIN\n BUTTON 0\nEND\n", 3, "out of range"},
        {"NAMED TOOLBAR 16, 15\nBEGIN\nEND\n", 1, "not a defined number"},
    };
    for (const auto& k : cases) {
        Compiled c = Compile(k.script);
        ASSERT_FALSE(c.ok) << k.script;
        EXPECT_EQ(c.result.error.file, "cmd.rc") << k.script;
        EXPECT_EQ(c.result.error.line, k.line) << k.script << "\n" << c.result.error.message;
        EXPECT_NE(c.result.error.message.find(k.message), std::string::npos) << k.script << "\n" << c.result.error.message;
    }
}

} // namespace
