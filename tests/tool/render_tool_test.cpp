// misctool render contour: the PNG it writes (size from --size) and its refusals.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "test_env.h"
#include "tool_run.h"

namespace {

using tooltest::ToolRun;

ToolRun RunRender(const std::string& arguments)
{
    return tooltest::Misctool("render " + arguments);
}

// Width and height from a PNG file's header; (0, 0) when it is not a PNG.
std::pair<unsigned, unsigned> PngSize(const std::string& path)
{
    const std::string bytes = misc_test::ReadFile(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto be32 = [&](size_t at) {
        return (unsigned(static_cast<unsigned char>(bytes[at])) << 24) |
               (unsigned(static_cast<unsigned char>(bytes[at + 1])) << 16) |
               (unsigned(static_cast<unsigned char>(bytes[at + 2])) << 8) | unsigned(static_cast<unsigned char>(bytes[at + 3]));
    };
    return {be32(16), be32(20)};
}

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("render");
        contour = dir + "/c.txt";
        misc_test::WriteFile(contour, "closed\n0 0\n40 0\n40 10\n60 10\n60 30\n0 30\nnode 0 3 1 0\nnode -1 2 0 0\n");
    }
    std::string dir, contour;
};

TEST_F(RenderTool, WritesAPictureOfTheAskedSize)
{
    const std::string png = dir + "/out.png";
    ToolRun r = RunRender("contour '" + contour + "' --png '" + png + "' --size 320x200 --node 2");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(PngSize(png), std::make_pair(320u, 200u));
    r = RunRender("contour '" + contour + "' --png '" + png + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(PngSize(png), std::make_pair(400u, 300u)) << "the default size";
    r = RunRender("contour '" + contour + "' --png '" + png + "' --node 0");
    EXPECT_EQ(r.status, 0) << "no current node" << r.out;
}

TEST_F(RenderTool, RefusesBadArguments)
{
    const std::string png = dir + "/bad.png";
    struct Case {
        std::string args;
        int status;
    };
    const Case cases[] = {
        {"contour '" + contour + "'", 2},                                   // no --png
        {"picture '" + contour + "' --png '" + png + "'", 2},               // not a contour
        {"contour '" + contour + "' --png '" + png + "' --size 10x10", 2},  // too small
        {"contour '" + contour + "' --png '" + png + "' --size 400", 2},
        {"contour '" + contour + "' --png '" + png + "' --size 400x300x", 2},
        {"contour '" + contour + "' --png '" + png + "' --node 3", 2},      // two nodes only
        {"contour '" + contour + "' --png '" + png + "' --node -1", 2},
        {"contour '" + dir + "/missing.txt' --png '" + png + "'", 1},
        {"contour '" + contour + "' --png '" + dir + "/no/such/dir/x.png'", 1},
    };
    for (const Case& c : cases) {
        const ToolRun r = RunRender(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    }
    EXPECT_EQ(PngSize(png), std::make_pair(0u, 0u)) << "nothing written";
}

} // namespace
