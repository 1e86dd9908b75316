// misctool contour info: measures, break points and node ends of a contour text file, and the
// line-numbered messages for malformed files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "test_env.h"
#include "tool_run.h"

namespace {

using tooltest::ToolRun;

ToolRun ContourInfo(const std::string& text)
{
    const std::string path = misc_test::MakeTempDir() + "/contour.txt";
    misc_test::WriteFile(path, text);
    return tooltest::Misctool("contour info '" + path + "'");
}

using tooltest::Has;

TEST(ContourTool, ClosedSquareWithMidpointsAndNodes)
{
    const ToolRun r = ContourInfo("closed\n"
                              "# a square with the midpoints of its edges\n"
                              "0 0\n0 1\n0 2\n1 2\n2 2\n2 1\n2 0\n1 0\n"
                              "\n"
                              "node 2 3 1 0\n"
                              "node -3 2 0 8\n");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Has(r, "points: 8 (closed)")) << r.out;
    EXPECT_TRUE(Has(r, "orientation: clockwise\n")) << r.out;
    EXPECT_TRUE(Has(r, "area: 4\n")) << r.out;
    EXPECT_TRUE(Has(r, "perimeter: 8\n")) << r.out;
    EXPECT_TRUE(Has(r, "rightmost: point 4 (2, 2)")) << r.out;
    EXPECT_TRUE(Has(r, "break points: 4: 0 2 4 6\n")) << r.out;
    EXPECT_TRUE(Has(r, "first point 2, end point 5, forwards, clockwise")) << r.out;
    EXPECT_TRUE(Has(r, "first point 2, end point 0, backwards, counter-clockwise")) << r.out;
}

TEST(ContourTool, OpenPolyline)
{
    const ToolRun r = ContourInfo("open\n0 0\n3 4\n3 -1.5e0\n");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Has(r, "orientation: open")) << r.out;
    EXPECT_TRUE(Has(r, "perimeter: 10.5\n")) << r.out;
    EXPECT_TRUE(Has(r, "lowest: point 2 (3, -1.5)")) << r.out;
}

struct BadCase {
    const char* text;
    const char* message;
};

TEST(ContourTool, MalformedLinesNameTheLine)
{
    const BadCase cases[] = {
        {"0 0\n1 1\n", "line 1: expected \"closed\" or \"open\""},
        {"closed\n0 0\n1\n", "line 3: expected \"x y\""},
        {"closed\n\n0 0\n1 x\n", "line 4: expected two finite numbers"},
        {"open\n0 0\n1 nan\n", "line 3: expected two finite numbers"},
        {"open\n0 0\n1 2 3\n", "line 3:"},
        {"open\n0 0\n1 1\nnode 1 2 3\n", "line 4: a node needs four numbers"},
        {"open\n0 0\n1 1\nnode 1 2 3 99999999999\n", "line 4: \"99999999999\" is not a 32-bit integer"},
        {"open\n0 0\nnode 1.5 2 3 4\n", "line 3:"},
        {"closed\n", "no points"},
        {"", "empty"},
    };
    for (const BadCase& c : cases) {
        const ToolRun r = ContourInfo(c.text);
        EXPECT_EQ(r.status, 1) << c.text << "\n" << r.out;
        EXPECT_TRUE(Has(r, c.message)) << c.text << "\n" << r.out;
        EXPECT_EQ(r.out.rfind("misctool contour: ", 0), 0u) << r.out;
    }
}

TEST(ContourTool, MissingFileAndBadAction)
{
    const ToolRun missing = tooltest::Misctool("contour info /nonexistent/contour.txt");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Has(missing, "cannot open")) << missing.out;

    const std::string usage = std::string("'") + MISCTOOL_PATH + "' contour draw x >/dev/null 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(usage.c_str())), 2);
}

} // namespace
