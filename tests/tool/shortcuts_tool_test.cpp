// misctool shortcuts as a user runs it: dump and pack keep every byte, key texts are read, and
// damaged files and wrong entries are refused with a message.
#include "test_env.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

using Result = tooltest::ToolRun;

Result Tool(const std::string& args)
{
    return tooltest::Misctool(args);
}

using tooltest::Has;

// Ctrl+Shift+F5 -> 32771, the character 'a' with Alt -> 7, Del with FNOINVERT -> 0.
const std::string kTable("XACC\x01\x00\x03\x00\x00\x00"
                         "\x0D\x74\x00\x03\x80"
                         "\x10\x61\x00\x07\x00"
                         "\x03\x2E\x00\x00\x00",
                         25);

TEST(MisctoolShortcuts, DumpPacksBackByteForByte)
{
    const std::string dir = misc_test::MakeTempDir("acc");
    misc_test::WriteFile(dir + "/in.acc", kTable);
    const Result dump = Tool("shortcuts dump " + dir + "/in.acc");
    ASSERT_EQ(dump.status, 0) << dump.out;
    EXPECT_TRUE(Has(dump, "\"keys\": \"Ctrl+Shift+F5\"")) << dump.out;
    EXPECT_TRUE(Has(dump, "\"command\": 32771")) << dump.out;
    EXPECT_TRUE(Has(dump, "\"keys\": \"Alt+a\"")) << dump.out;
    EXPECT_TRUE(Has(dump, "\"keys\": \"Del\"")) << dump.out;
    EXPECT_LT(dump.out.find("F5"), dump.out.find("Alt+a"));
    misc_test::WriteFile(dir + "/dump.json", dump.out);
    ASSERT_EQ(Tool("shortcuts pack " + dir + "/dump.json " + dir + "/out.acc").status, 0);
    EXPECT_EQ(misc_test::ReadFile(dir + "/out.acc"), kTable);

    // Key texts alone are enough for virtual keys.
    misc_test::WriteFile(dir + "/keys.json", "{\"shortcuts\": [{\"keys\": \"Ctrl+Shift+F5\", \"command\": 32771}]}");
    ASSERT_EQ(Tool("shortcuts pack " + dir + "/keys.json " + dir + "/keys.acc").status, 0);
    EXPECT_EQ(misc_test::ReadFile(dir + "/keys.acc"), std::string("XACC\x01\x00\x01\x00\x00\x00\x0D\x74\x00\x03\x80", 15));
    misc_test::WriteFile(dir + "/none.json", "{\"shortcuts\": []}");
    ASSERT_EQ(Tool("shortcuts pack " + dir + "/none.json " + dir + "/none.acc").status, 0);
    const Result empty = Tool("shortcuts dump " + dir + "/none.acc");
    EXPECT_EQ(empty.status, 0) << empty.out;
    EXPECT_TRUE(Has(empty, "\"shortcuts\": []")) << empty.out;
}

TEST(MisctoolShortcuts, RefusesDamagedFilesAndWrongEntries)
{
    const std::string dir = misc_test::MakeTempDir("acc_bad");
    const struct {
        const char* what;
        std::string bytes;
        const char* message;
    } files[] = {
        {"cut short", kTable.substr(0, 24), "ends early"},
        {"something after", kTable + "x", "data after the table"},
        {"another format", "ACC\x01" + kTable.substr(4), "not a shortcut file"},
        {"another version", kTable.substr(0, 4) + "\x02" + kTable.substr(5), "another version"},
        {"unknown flag", kTable.substr(0, 10) + "\x40" + kTable.substr(11), "unknown flags"},
    };
    for (const auto& f : files) {
        misc_test::WriteFile(dir + "/bad.acc", f.bytes);
        const Result r = Tool("shortcuts dump " + dir + "/bad.acc");
        EXPECT_EQ(r.status, 1) << f.what;
        EXPECT_TRUE(Has(r, f.message)) << f.what << ": " << r.out;
    }
    EXPECT_EQ(Tool("shortcuts dump " + dir + "/missing.acc").status, 1);

    const struct {
        const char* what;
        const char* json;
        const char* message;
    } entries[] = {
        {"no command", "{\"shortcuts\": [{\"keys\": \"F5\"}]}", "shortcut 1 needs a \"command\""},
        {"unknown key", "{\"shortcuts\": [{\"keys\": \"Ctrl+Hyper\", \"command\": 1}]}", "needs \"keys\" naming a key"},
        {"flags without key", "{\"shortcuts\": [{\"flags\": 1, \"command\": 1}]}", "needs both"},
        {"virtual key 0", "{\"shortcuts\": [{\"flags\": 1, \"key\": 0, \"command\": 1}]}", "is no shortcut"},
        {"not a list", "{\"items\": []}", "expected {\"shortcuts\""},
    };
    for (const auto& e : entries) {
        misc_test::WriteFile(dir + "/in.json", e.json);
        const Result r = Tool("shortcuts pack " + dir + "/in.json " + dir + "/out.acc");
        EXPECT_EQ(r.status, 1) << e.what;
        EXPECT_TRUE(Has(r, e.message)) << e.what << ": " << r.out;
    }
    EXPECT_EQ(Tool("shortcuts frobnicate").status, 2);
}

} // namespace
