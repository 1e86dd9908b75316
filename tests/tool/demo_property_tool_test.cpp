// misctool demo --out: the first typical request walked step by step, a picture after each step.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "test_env.h"
#include "tool_run.h"

namespace {

TEST(MisctoolDemo, TheTypicalRequestWritesAPictureAfterEachStepAndItsProfile)
{
    const std::string dir = misc_test::MakeTempDir("demo");
    const tooltest::ToolRun run = tooltest::Misctool("demo --out '" + dir + "'");
    const std::string& out = run.out;
    ASSERT_EQ(run.status, 0) << out;

    EXPECT_NE(out.find("1. The dialog opens in create mode"), std::string::npos) << out;
    EXPECT_NE(out.find("The person presses OK"), std::string::npos) << out;
    EXPECT_NE(out.find("the dialog closed with OK"), std::string::npos) << out;
    // Every step but the last (the dialog is gone) has its picture.
    for (int step = 1; step <= 14; ++step) {
        char name[64];
        std::snprintf(name, sizeof(name), "/property_request_%02d.png", step);
        EXPECT_TRUE(std::filesystem::is_regular_file(dir + name)) << name;
    }
    const std::string profile = misc_test::ReadFile(dir + "/property_demo.ini");
    EXPECT_NE(profile.find("Name=Back yoke"), std::string::npos) << profile;
    EXPECT_NE(profile.find("Prop_12_41002=0"), std::string::npos) << profile;
}

} // namespace
