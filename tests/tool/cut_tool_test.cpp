// misctool cut: one command on a contour file's nodes, the result in the file's own node form so
// that it can be fed back in, and the dialog as a picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "test_env.h"
#include "tool_run.h"

namespace {

using tooltest::ToolRun;

ToolRun Tool(const std::string& arguments)
{
    return tooltest::Misctool(arguments);
}

// A clockwise square with the midpoints of its sides: corners 0, 2, 4, 6 break.
const char kSquare[] = "closed\n0 0\n0 1\n0 2\n1 2\n2 2\n2 1\n2 0\n1 0\n";

TEST(CutTool, CommandsByNameAndNumberPrintNodesThatReadBackIn)
{
    const std::string dir = misc_test::MakeTempDir();
    const std::string file = dir + "/piece.txt";
    misc_test::WriteFile(file, std::string(kSquare) + "node 0 2 0 0\nnode 2 4 5 0\nnode 6 2 0 0\n");
    ToolRun r = Tool("cut end-less-name '" + file + "'");
    EXPECT_EQ(r.status, 2) << r.out;
    r = Tool("cut forward '" + file + "' --node 1");
    ASSERT_EQ(r.status, 0) << r.out;
    // The start moves to the next corner; the node before now ends there.
    EXPECT_EQ(r.out, "carried out: yes\ncurrent: 1\nnode 0 4 0 0\nnode 4 2 5 0\nnode 6 2 0 0\n");
    // The result, pasted back into the file, is a valid contour file again.
    misc_test::WriteFile(file, std::string(kSquare) + "node 0 4 0 0\nnode 4 4 0 0\n");
    r = Tool("cut 7 '" + file + "' --node 1 --value 0");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("value: 1\n"), std::string::npos) << r.out;
    r = Tool("cut break-point '" + file + "' --value 1");
    EXPECT_EQ(r.out.rfind("carried out: no\nvalue: 0\nnode 0 4 0 0\n", 0), 0u) << r.out;
    r = Tool("cut break-point '" + file + "' --value 1 --smooth 9");
    EXPECT_EQ(r.status, 2) << r.out;
}

TEST(CutTool, EditWritesTheDialogAsAPicture)
{
    const std::string dir = misc_test::MakeTempDir();
    const std::string file = dir + "/piece.txt";
    misc_test::WriteFile(file, std::string(kSquare) + "node 0 2 0 0\n");
    ToolRun r = Tool("cut edit '" + file + "' --png '" + dir + "/dialog.png'");
    ASSERT_EQ(r.status, 0) << r.out;
    FILE* png = std::fopen((dir + "/dialog.png").c_str(), "rb");
    ASSERT_NE(png, nullptr);
    std::fclose(png);
    EXPECT_EQ(Tool("cut edit '" + file + "'").status, 2);
}

} // namespace
