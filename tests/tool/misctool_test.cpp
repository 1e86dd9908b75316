// misctool as a user runs it: exit codes, one-line errors, help, version and the demo.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "tool_run.h"

namespace {

using tooltest::ToolRun;

ToolRun Misctool(const std::string& args)
{
    return tooltest::Misctool(args);
}

size_t Lines(const std::string& s)
{
    size_t n = 0;
    for (char c : s)
        n += c == '\n';
    return n;
}

TEST(Misctool, VersionAndHelp)
{
    ToolRun v = Misctool("--version");
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "misctool 10.0.1151\n");
    ToolRun h = Misctool("--help");
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("demo"), std::string::npos) << h.out;
    ToolRun ch = Misctool("demo --help");
    EXPECT_EQ(ch.status, 0);
    EXPECT_NE(ch.out.find("usage: misctool demo"), std::string::npos) << ch.out;
}

TEST(Misctool, BadUsageExitsTwoWithOneLine)
{
    const char* cases[] = {"", "frobnicate", "--frobnicate", "demo --no-such-option", "demo extra"};
    for (const char* args : cases) {
        ToolRun r = Misctool(args);
        EXPECT_EQ(r.status, 2) << "misctool " << args << "\n" << r.out;
        EXPECT_EQ(Lines(r.out), 1u) << "misctool " << args << "\n" << r.out;
        EXPECT_EQ(r.out.rfind("misctool", 0), 0u) << r.out;
    }
}

TEST(Misctool, DemoRunsTheMainScenario)
{
    ToolRun r = Misctool("demo");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("resource handle after InitMiscDLL: misc_res.dll"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("inside a call-bound scope: misc_res.dll"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("29017: localhost"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("60375: Copyright"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("(missing)"), std::string::npos) << r.out;
}

} // namespace
