// misctool profile and misctool log as a user runs them.
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

} // namespace

TEST(MisctoolProfile, GetSetDeleteAndLists)
{
    std::string file = misc_test::MakeTempDir("tool") + "/settings.ini";
    misc_test::WriteFile(file, "; kept\r\n[Main]\r\nKey = \"quoted value\"\r\n");
    EXPECT_EQ(Tool("profile get " + file + " main KEY").out, "quoted value\n");
    Result missing = Tool("profile get " + file + " main none");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "misctool profile: no key \"none\" in section \"main\" of " + file + "\n");
    EXPECT_EQ(Tool("profile get " + file + " main none --default dflt").out, "dflt\n");
    EXPECT_EQ(Tool("profile set " + file + " Other Count 3").status, 0);
    EXPECT_EQ(Tool("profile sections " + file).out, "Main\nOther\n");
    EXPECT_EQ(Tool("profile keys " + file + " other").out, "Count\n");
    EXPECT_EQ(Tool("profile delete " + file + " Main Key").status, 0);
    EXPECT_EQ(misc_test::ReadFile(file), "; kept\r\n[Main]\r\n[Other]\r\nCount=3\r\n");
    EXPECT_EQ(Tool("profile delete " + file + " Main").status, 0);
    EXPECT_EQ(misc_test::ReadFile(file), "; kept\r\n[Other]\r\nCount=3\r\n");
}

TEST(MisctoolProfile, Errors)
{
    std::string dir = misc_test::MakeTempDir("toolerr");
    Result noFolder = Tool("profile set " + dir + "/no/x.ini a b c");
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_NE(noFolder.out.find("its folder does not exist"), std::string::npos) << noFolder.out;
    EXPECT_EQ(Tool("profile keys " + dir + "/none.ini s").status, 1);
    EXPECT_EQ(Tool("profile frob " + dir + "/x.ini").status, 2);
    EXPECT_EQ(Tool("profile get " + dir + "/x.ini onlysection").status, 2);
}

TEST(MisctoolLog, WritesThroughTheLogFile)
{
    std::string file = misc_test::MakeTempDir("toollog") + "/app.log";
    Result r = Tool("log --file " + file + " --no-time hello world");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, file + "\n");
    EXPECT_EQ(misc_test::ReadFile(file), "hello world\n");
    Result bad = Tool("log --file /nonexistent-misc-folder/x.log oops");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "misctool log: can't create or write to log file /nonexistent-misc-folder/x.log\n");
    EXPECT_EQ(Tool("log").status, 2);
}
