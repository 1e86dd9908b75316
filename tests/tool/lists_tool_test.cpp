// misctool cbi, fpf and tools as a user runs them.
#include "test_env.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

using Result = tooltest::ToolRun;

Result Tool(const std::string& args)
{
    return tooltest::Misctool(args);
}

using tooltest::Has;

TEST(MisctoolLists, PackAndDumpKeepEveryByte)
{
    const std::string dir = misc_test::MakeTempDir("cbi");
    // U+00E9 is the byte 0xE9 in the file; U+0001 the byte 1.
    misc_test::WriteFile(dir + "/in.json",
                         "{\"items\": [{\"name\": \"Caf\\u00e9\", \"type\": \"Styles\"},"
                         " {\"name\": \"\\u0001x\", \"type\": \"\"}]}");
    ASSERT_EQ(Tool("cbi pack " + dir + "/in.json " + dir + "/out.cbi").status, 0);
    const std::string bytes = misc_test::ReadFile(dir + "/out.cbi");
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
    EXPECT_NE(bytes.find("Caf\xE9"), std::string::npos);

    const Result dump = Tool("cbi dump " + dir + "/out.cbi");
    ASSERT_EQ(dump.status, 0) << dump.out;
    EXPECT_TRUE(Has(dump, "\"name\": \"Caf\\u00e9\"")) << dump.out;
    EXPECT_TRUE(Has(dump, "\"name\": \"\\u0001x\"")) << dump.out;
    EXPECT_LT(dump.out.find("Caf"), dump.out.find("x\""));

    misc_test::WriteFile(dir + "/wide.json", "{\"items\": [{\"name\": \"\\u20ac\", \"type\": \"\"}]}");
    EXPECT_EQ(Tool("cbi pack " + dir + "/wide.json " + dir + "/x.cbi").status, 1);
    misc_test::WriteFile(dir + "/cut.cbi", bytes.substr(0, bytes.size() - 1));
    const Result cut = Tool("cbi dump " + dir + "/cut.cbi");
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(Has(cut, "ends early")) << cut.out;
}

TEST(MisctoolLists, StoredListsByType)
{
    setenv("MISC_COMMON_DATA", misc_test::MakeTempDir("common").c_str(), 1);
    EXPECT_EQ(Tool("cbi list 130").out, "{\n  \"items\": []\n}\n");
    ASSERT_EQ(Tool("cbi add 130 Jacket").status, 0);
    ASSERT_EQ(Tool("cbi add SpecialStyleName Coat").status, 0);
    ASSERT_EQ(Tool("cbi add 130 Jacket").status, 0); // used again: to the front
    const Result list = Tool("cbi list specialstylename");
    EXPECT_LT(list.out.find("Jacket"), list.out.find("Coat")) << list.out;
    EXPECT_TRUE(Has(list, "\"type\": \"SpecialStyleName\"")) << list.out;
    EXPECT_EQ(Tool("cbi list 135").status, 2);
}

TEST(MisctoolLists, FabricPatternProfile)
{
    const std::string dir = misc_test::MakeTempDir("fpf");
    misc_test::WriteFile(dir + "/shop.fpf", "Block\nMaterial Denim\nFile \nSize 1 2 \nEndBlock\nEnd\n");
    const Result ok = Tool("fpf dump " + dir + "/shop");
    EXPECT_EQ(ok.status, 0) << ok.out;
    EXPECT_TRUE(Has(ok, "\"result\": 0")) << ok.out;
    EXPECT_TRUE(Has(ok, "\"name\": \"Denim\"")) << ok.out;
    EXPECT_TRUE(Has(ok, "\"file\": \"" + dir + "/shop.fpf\"")) << ok.out;

    misc_test::WriteFile(dir + "/bad.fpf", "Block\nMaterial A\nEndBlock\nstray\n");
    const Result bad = Tool("fpf dump " + dir + "/bad.fpf");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(Has(bad, "\"result\": 4")) << bad.out;
    EXPECT_TRUE(Has(bad, "\"name\": \"A\"")) << bad.out;
}

TEST(MisctoolLists, ToolsImportListExport)
{
    const std::string dir = misc_test::MakeTempDir("tools");
    setenv("XDG_DATA_HOME", dir.c_str(), 1);
    setenv("MISC_COMMON_DATA", (dir + "/common").c_str(), 1);
    misc_test::WriteFile(dir + "/in.lyt", "100 Knife\n150 Drill 5mm\n99 Low\n");
    const Result imported = Tool("tools --profile tools.ini import " + dir + "/in.lyt");
    ASSERT_EQ(imported.status, 0) << imported.out;
    const Result list = Tool("tools --profile tools.ini list");
    EXPECT_TRUE(Has(list, "\"number\": 150")) << list.out;
    EXPECT_FALSE(Has(list, "\"number\": 99")) << list.out;
    misc_test::WriteFile(dir + "/more.lyt", "150 Saw\n200 Pen\n");
    ASSERT_EQ(Tool("tools --profile tools.ini import --merge " + dir + "/more.lyt").status, 0);
    ASSERT_EQ(Tool("tools --profile tools.ini export " + dir + "/out.lyt").status, 0);
    EXPECT_EQ(misc_test::ReadFile(dir + "/out.lyt"), "100 Knife\n150 Drill\n200 Pen\n");
    EXPECT_EQ(Tool("tools --profile tools.ini import " + dir + "/missing.lyt").status, 1);
}

} // namespace
