// The node arithmetic of the cut-node editor, as tables: moving ends and starts on open and
// closed contours, forwards and backwards, single-step on and off, re-fitting the neighbours and
// the overlap test with wrapping intervals.
#include <gtest/gtest.h>

#include <misc/cutnode.h>

#include <set>

namespace {

CutNodeContext Ctx(int n, int closed, std::set<int> breaks, bool singleStep = false)
{
    CutNodeContext ctx;
    ctx.n = n;
    ctx.closed = closed;
    ctx.singleStep = singleStep;
    ctx.isBreak = [breaks](int p) { return breaks.count(p) > 0; };
    return ctx;
}

tagCutNode Node(int start, int length) { return tagCutNode{start, length, 0, 0}; }

struct Move {
    const char* what;
    bool closed;
    bool single;
    tagCutNode node;
    bool forward;
    tagCutNode expected;
};

::testing::AssertionResult SameNode(const tagCutNode& got, const tagCutNode& want)
{
    if (got.start == want.start && got.length == want.length)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << got.start << ", " << got.length << "}, want {" << want.start
                                         << ", " << want.length << "}";
}

// Ten points; break points 0, 3, 7 (and 9, the last point, on the open contour).
TEST(CutNodeArithmetic, MovingTheEnd)
{
    const Move table[] = {
        {"closed: forward to the next break", true, false, Node(0, 3), true, Node(0, 7)},
        {"closed: forward past the last break is the whole loop", true, false, Node(0, 7), true, Node(0, 0)},
        {"closed: backward to the previous break", true, false, Node(0, 7), false, Node(0, 3)},
        {"closed: backward below 1 is the whole loop", true, false, Node(0, 3), false, Node(0, 0)},
        {"closed: the whole loop backward", true, false, Node(0, 0), false, Node(0, 7)},
        {"closed: single step", true, true, Node(0, 3), true, Node(0, 4)},
        {"closed: a backward node", true, false, Node(~3, 3), true, Node(~3, 6)},
        {"open: forward to the next break", false, false, Node(0, 3), true, Node(0, 7)},
        {"open: forward stops at the available length", false, false, Node(0, 7), true, Node(0, 9)},
        {"open: forward at the available length changes nothing", false, false, Node(0, 9), true, Node(0, 9)},
        {"open: forward from length 0 changes nothing", false, false, Node(0, 0), true, Node(0, 0)},
        {"open: backward below 1 is redone forwards", false, false, Node(0, 3), false, Node(0, 3)},
        {"open: a backward node forward to point 0", false, false, Node(~7, 4), true, Node(~7, 7)},
        {"open: length available - 1 forward", false, false, Node(0, 8), true, Node(0, 9)},
    };
    for (const Move& m : table) {
        std::set<int> breaks = m.closed ? std::set<int>{0, 3, 7} : std::set<int>{0, 3, 7, 9};
        EXPECT_TRUE(SameNode(miscCutNodeMoveEnd(m.node, m.forward, Ctx(10, m.closed, breaks, m.single)), m.expected))
            << m.what;
    }
}

TEST(CutNodeArithmetic, MovingTheStartKeepsTheEnd)
{
    const Move table[] = {
        {"closed: forward to the next break", true, false, Node(0, 7), true, Node(3, 4)},
        {"closed: backward to the previous break", true, false, Node(3, 4), false, Node(0, 7)},
        {"closed: the whole loop forward", true, false, Node(0, 0), true, Node(3, 7)},
        {"closed: the whole loop backward", true, false, Node(0, 0), false, Node(7, 3)},
        {"closed: single step", true, true, Node(0, 7), true, Node(1, 6)},
        {"closed: a backward node to its end is the whole loop", true, false, Node(~7, 4), true, Node(~3, 0)},
        {"open: forward to the next break", false, false, Node(0, 7), true, Node(3, 4)},
        {"open: backward", false, false, Node(3, 4), false, Node(0, 7)},
        {"open: backward at point 0 changes nothing", false, false, Node(0, 7), false, Node(0, 7)},
        {"open: a backward node at the last point", false, false, Node(~9, 9), false, Node(~9, 9)},
        {"open: a backward node forward", false, false, Node(~9, 9), true, Node(~7, 7)},
        {"open: length 0 forward takes the available length first", false, false, Node(0, 0), true, Node(3, 6)},
    };
    for (const Move& m : table) {
        std::set<int> breaks = m.closed ? std::set<int>{0, 3, 7} : std::set<int>{0, 3, 7, 9};
        EXPECT_TRUE(SameNode(miscCutNodeMoveStart(m.node, m.forward, Ctx(10, m.closed, breaks, m.single)), m.expected))
            << m.what;
    }
}

TEST(CutNodeArithmetic, StartsAndLengthsFarOutsideTheContourStayInRange)
{
    CutNodeContext ctx = Ctx(10, 1, {0, 3, 7});
    for (tagCutNode node : {Node(1000003, 5000), Node(-2000000000, -7), Node(0x7fffffff, 0x7fffffff)}) {
        for (bool forward : {true, false}) {
            tagCutNode end = miscCutNodeMoveEnd(node, forward, ctx);
            tagCutNode start = miscCutNodeMoveStart(node, forward, ctx);
            EXPECT_GE(end.length, 0);
            EXPECT_LT(end.length, 10);
            EXPECT_GE(start.length, 0);
            EXPECT_LT(start.length, 10);
            EXPECT_LT(miscNodeFirstPoint(start, 10), 10);
        }
    }
    EXPECT_TRUE(SameNode(miscCutNodeMoveEnd(Node(0, 3), true, Ctx(0, 1, {})), Node(0, 3)));
}

TEST(CutNodeArithmetic, ReversingStartsAtTheFormerEnd)
{
    EXPECT_TRUE(SameNode(miscCutNodeReversed(Node(2, 3), 10), Node(~5, 3)));
    EXPECT_TRUE(SameNode(miscCutNodeReversed(Node(~2, 3), 10), Node(9, 3)));
    EXPECT_TRUE(SameNode(miscCutNodeReversed(Node(4, 0), 10), Node(~4, 0)));
    EXPECT_EQ(miscCutNodeStepsTo(Node(8, 1), 2, 10), 4);
    EXPECT_EQ(miscCutNodeStepsTo(Node(~1, 1), 7, 10), 4);
}

TEST(CutNodeRefit, SameDirectionNeighboursFollowTheMovedEnds)
{
    CutNodeContext ctx = Ctx(10, 1, {0, 3, 7, 9});
    std::vector<tagCutNode> nodes{Node(0, 3), Node(3, 6), Node(7, 3)};
    int current = 1;
    EXPECT_FALSE(miscCutNodeRefit(nodes, current, Node(3, 4), ctx));
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_TRUE(SameNode(nodes[0], Node(0, 3)));   // ended at the unchanged start
    EXPECT_TRUE(SameNode(nodes[2], Node(9, 1)));   // started at the old end: now at the new one
    EXPECT_EQ(current, 1);

    nodes = {Node(0, 3), Node(3, 7), Node(7, 3)};
    EXPECT_TRUE(miscCutNodeRefit(nodes, current, Node(3, 4), ctx)); // nothing left of the last
    ASSERT_EQ(nodes.size(), 2u);

    nodes = {Node(7, 3), Node(0, 3), Node(3, 4)};
    current = 2;
    nodes[2] = Node(3, 7); // the last node grows over the first, which lay before it
    EXPECT_TRUE(miscCutNodeRefit(nodes, current, Node(3, 4), ctx));
    EXPECT_EQ(current, 1);
}

TEST(CutNodeRefit, OppositeNeighboursAndTheWholeLoop)
{
    CutNodeContext ctx = Ctx(10, 1, {0, 1, 3, 7});
    std::vector<tagCutNode> nodes{Node(1, 2), Node(~0, 3)};
    int current = 0;
    miscCutNodeRefit(nodes, current, Node(0, 3), ctx);
    EXPECT_TRUE(SameNode(nodes[1], Node(~1, 4))); // started at the old start: starts at the new one

    nodes = {Node(~3, 3), Node(3, 4)}; // the current node turned round: nothing else moves
    EXPECT_FALSE(miscCutNodeRefit(nodes, current, Node(0, 3), ctx));
    EXPECT_TRUE(SameNode(nodes[1], Node(3, 4)));

    nodes = {Node(5, 2), Node(0, 0), Node(7, 3)};
    current = 1;
    EXPECT_TRUE(miscCutNodeRefit(nodes, current, Node(0, 3), ctx));
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(current, 0);

    nodes = {Node(0, 0), Node(3, 3)}; // the old node was the whole loop: no re-fitting
    current = 0;
    EXPECT_FALSE(miscCutNodeRefit(nodes, current, Node(0, 0), ctx));
    EXPECT_EQ(nodes.size(), 2u);
}

TEST(CutNodeOverlap, IntervalsTouchingAtAPointDoNotOverlapWrappingOnesDo)
{
    EXPECT_FALSE(miscCutNodesOverlap({Node(0, 3), Node(3, 4)}, 10));
    EXPECT_TRUE(miscCutNodesOverlap({Node(0, 3), Node(2, 4)}, 10));
    EXPECT_FALSE(miscCutNodesOverlap({Node(8, 4), Node(4, 2)}, 10));
    EXPECT_TRUE(miscCutNodesOverlap({Node(8, 4), Node(1, 2)}, 10));
    EXPECT_TRUE(miscCutNodesOverlap({Node(~3, 3), Node(1, 1)}, 10)); // a backward node's interval
    EXPECT_FALSE(miscCutNodesOverlap({Node(0, 3)}, 10));
    EXPECT_FALSE(miscCutNodesOverlap({}, 0));
}

} // namespace
