// selectCutContour without a window: the answers for missing input, the empty list's first node,
// what each command writes and whether it counts as carried out.
#include <gtest/gtest.h>

#include <misc/cutnode.h>

#include <vector>

namespace {

// A closed square (every corner a break point) and an L-shaped open line.
const InterfacePoint kSquare[] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};

void Fill(CArray<tagCutNode, tagCutNode>& nodes, std::initializer_list<tagCutNode> list)
{
    nodes.RemoveAll();
    for (const tagCutNode& n : list)
        nodes.Add(n);
}

int Apply(CArray<tagCutNode, tagCutNode>& nodes, ENUM_CUT_CONTOUR_COMMAND command, int current = 0,
        int* value = nullptr, int* flag = nullptr, int* currentOut = nullptr)
{
    return selectCutContour(nullptr, kSquare, 4, 1, "Piece", nodes, command, current, value, flag, nullptr, 0,
                            currentOut, 0, nullptr);
}

TEST(SelectCutContour, MissingPointsAnswerZeroAndTouchNothing)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{1, 2, 3, 4}});
    EXPECT_EQ(selectCutContour(nullptr, nullptr, 4, 1, "", nodes, CUT_CONTOUR_REVERSE, 0, nullptr, nullptr, nullptr,
                               0, nullptr, 0, nullptr),
              0);
    EXPECT_EQ(selectCutContour(nullptr, kSquare, 0, 1, "", nodes, CUT_CONTOUR_REVERSE, 0, nullptr, nullptr, nullptr,
                               0, nullptr, 0, nullptr),
              0);
    ASSERT_EQ(nodes.GetSize(), 1);
    EXPECT_EQ(nodes[0].start, 1);
}

TEST(SelectCutContour, AnEmptyListStartsWithOneNodeAtPointZero)
{
    CArray<tagCutNode, tagCutNode> nodes;
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_REVERSE), 1);
    ASSERT_EQ(nodes.GetSize(), 1);
    EXPECT_EQ(nodes[0].start, ~0); // length 0 only changes direction
    EXPECT_EQ(nodes[0].length, 0);
}

TEST(SelectCutContour, CommandsThatOnlyAskLeaveTheListAlone)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0, 2, 1, 0}, {2, 2, 1, 0}});
    int value = 2;
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_BREAK_POINT, 0, &value), 0);
    EXPECT_EQ(value, 1);
    value = 99; // no such point
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_BREAK_POINT, 0, &value), 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_NOTHING), 0);
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_CLOCKWISE), 0); // value is required
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_TO_POINT), 0);
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_DIRECTION), 0);
    EXPECT_EQ(nodes.GetSize(), 2);
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_CLOCKWISE, 1, &value), 1);
    EXPECT_TRUE(value == 0 || value == 1);
}

TEST(SelectCutContour, DirectionFollowsTheWantedClockwiseState)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0, 2, 0, 0}});
    int cw = 0;
    ASSERT_EQ(Apply(nodes, CUT_CONTOUR_CLOCKWISE, 0, &cw), 1);
    int want = !cw;
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_DIRECTION, 0, &want), 1);
    int now = 0;
    Apply(nodes, CUT_CONTOUR_CLOCKWISE, 0, &now);
    EXPECT_EQ(now, want);
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_DIRECTION, 0, &want), 1); // already so: unchanged
    Apply(nodes, CUT_CONTOUR_CLOCKWISE, 0, &now);
    EXPECT_EQ(now, want);
}

TEST(SelectCutContour, CurrentIsLimitedToTheLastNodeAndReported)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0, 1, 0, 0}, {1, 1, 0, 0}, {2, 2, 0, 0}});
    int out = -5;
    int flag = 1;
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_REVERSE, 1000, nullptr, &flag, &out), 1);
    EXPECT_EQ(out, 2);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(nodes[2].start, ~0); // 2 -> 0 turned round
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_REVERSE, -7, nullptr, nullptr, &out), 1);
    EXPECT_EQ(out, 0);
}

TEST(SelectCutContour, ASingleNodeOfAClosedContourBecomesTheWholeLoop)
{
    for (ENUM_CUT_CONTOUR_COMMAND command : {CUT_CONTOUR_FORWARD, CUT_CONTOUR_BACKWARD}) {
        CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0, 2, 0, 0}});
        EXPECT_EQ(Apply(nodes, command), 1);
        ASSERT_EQ(nodes.GetSize(), 1);
        EXPECT_EQ(nodes[0].length, 0);
    }
}

TEST(SelectCutContour, ToPointMovesTheStartThereAndWrapsWildPoints)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0, 0, 0, 0}});
    int point = 2;
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_TO_POINT, 0, &point), 1);
    EXPECT_EQ(miscNodeFirstPoint(nodes[0], 4), 2);
    point = -1000001; // far outside: taken modulo the point count
    EXPECT_EQ(Apply(nodes, CUT_CONTOUR_TO_POINT, 0, &point), 1);
    EXPECT_LT(miscNodeFirstPoint(nodes[0], 4), 4);
}

TEST(SelectCutContour, HostileNodesNeverCrash)
{
    CArray<tagCutNode, tagCutNode> nodes;
    Fill(nodes, {{0x7fffffff, -5, 0, 0}, {-2000000000, 2000000000, 0, 0}, {5, 9999, 0, 0}});
    for (int command = 1; command <= 8; ++command) {
        int value = 3;
        CArray<tagCutNode, tagCutNode> copy;
        copy.Copy(nodes);
        Apply(copy, static_cast<ENUM_CUT_CONTOUR_COMMAND>(command), 1, &value);
    }
    std::vector<bool> smooth(2, true);
    CArray<tagCutNode, tagCutNode> copy;
    copy.Copy(nodes);
    int value = 1;
    selectCutContour(nullptr, kSquare, 4, 0, nullptr, copy, CUT_CONTOUR_BREAK_POINT, 0, &value, nullptr, nullptr, 0,
                     nullptr, 1, &smooth);
    EXPECT_EQ(value, 0); // smooth points are no break points
}

} // namespace
