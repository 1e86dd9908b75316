// Contours and cut nodes: construction rules, measures, angles, break points, nearest point,
// node index arithmetic and the archive form.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// Clockwise with y up.
const InterfacePoint kSquare[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
// The square (0,0)-(2,2) clockwise with the midpoints of its edges: corners at even indices.
const InterfacePoint kOctagon[] = {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}};

// Opens the cached extreme-point indices.
struct Probe : myContour
{
    using myContour::myContour;
    int XMinIndex() const { return xMinIndex; }
    int XMaxIndex() const { return xMaxIndex; }
    int YMinIndex() const { return yMinIndex; }
    int YMaxIndex() const { return yMaxIndex; }
};

TEST(Contour, ConstructionFallsBackToOnePoint)
{
    const tagCutNode node{0, 1, 0, 0};
    for (int closed : {0, 1}) {
        myContour c(nullptr, 5, closed, &node, 1);
        ASSERT_EQ(c.GetSize(), 1);
        EXPECT_EQ(c[0].x, 0);
        EXPECT_EQ(c[0].y, 0);
        EXPECT_EQ(c.getNumNodes(), 0) << "nodes need at least two points";
        EXPECT_EQ(c.getArea(), 0);
        EXPECT_EQ(c.getPerimeter(), 0);
        EXPECT_EQ(c.getCW(), closed ? 1 : 0);
    }
    myContour negative(kSquare, -2, 1, nullptr, 0);
    EXPECT_EQ(negative.GetSize(), 1);
    myContour byDefault;
    EXPECT_EQ(byDefault.GetSize(), 1);
}

TEST(Contour, NodesAreCopiedOnlyWithTwoPoints)
{
    const tagCutNode nodes[] = {{0, 2, 3, 0}, {-2, 1, 0, 1}};
    EXPECT_EQ(myContour(kSquare, 4, 1, nodes, 2).getNumNodes(), 2);
    EXPECT_EQ(myContour(kSquare, 1, 1, nodes, 2).getNumNodes(), 0);
    EXPECT_EQ(myContour(kSquare, 4, 1, nodes, 0).getNumNodes(), 0);
    EXPECT_EQ(myContour(kSquare, 4, 1, nullptr, 2).getNumNodes(), 0);

    CArray<tagCutNode, tagCutNode> list;
    list.Add(nodes[0]);
    list.Add(nodes[1]);
    myContour fromArray(kSquare, 4, 0, list);
    ASSERT_EQ(fromArray.getNumNodes(), 2);
    EXPECT_EQ(fromArray.nodes[1].start, -2);
    EXPECT_EQ(myContour(kSquare, 1, 0, list).getNumNodes(), 0);

    const myContour copy(fromArray);
    EXPECT_EQ(copy.getNumNodes(), 2);
    EXPECT_EQ(copy.closed, 0);
    EXPECT_EQ(copy.GetSize(), 4);
    EXPECT_EQ(copy.getPerimeter(), 3) << "measures recomputed for the copy";
}

struct MeasureCase
{
    const char* name;
    std::vector<InterfacePoint> pts;
    int closed;
    int cw;
    double area, perimeter;
};

TEST(Contour, MeasuresTable)
{
    const MeasureCase cases[] = {
        {"closed clockwise square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 1, 1, 1, 4},
        {"open square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 0, 0, 0, 3},
        {"closed counter-clockwise square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1, -1, 1, 4},
        {"closed line has zero area and counts as clockwise", {{0, 0}, {3, 4}}, 1, 1, 0, 10},
        {"open line", {{0, 0}, {3, 4}}, 0, 0, 0, 5},
    };
    for (const MeasureCase& c : cases) {
        myContour k(c.pts.data(), static_cast<int>(c.pts.size()), c.closed, nullptr, 0);
        EXPECT_EQ(k.getCW(), c.cw) << c.name;
        EXPECT_DOUBLE_EQ(k.getArea(), c.area) << c.name;
        EXPECT_DOUBLE_EQ(k.getPerimeter(), c.perimeter) << c.name;
    }
}

TEST(Contour, ExtremesFirstPointWinsTies)
{
    const InterfacePoint pts[] = {{1, 5}, {0, 5}, {0, 3}, {4, 3}, {4, 9}, {0, 9}};
    Probe c(pts, 6, 1, nullptr, 0);
    EXPECT_EQ(c.XMinIndex(), 1);
    EXPECT_EQ(c.XMaxIndex(), 3);
    EXPECT_EQ(c.YMinIndex(), 2);
    EXPECT_EQ(c.YMaxIndex(), 4);
    EXPECT_EQ(c.getXsize(), 4);
    EXPECT_EQ(c.getYsize(), 6);
    EXPECT_EQ(c.getXcenter(), 2);
    EXPECT_EQ(c.getYcenter(), 6);

    // Changing points takes effect with updateParameters.
    c[0].x = -3;
    EXPECT_EQ(c.getXmin(), 0);
    c.updateParameters();
    EXPECT_EQ(c.getXmin(), -3);
}

TEST(Contour, EdgeLengthIndicesWrap)
{
    const myContour c(kSquare, 4, 0, nullptr, 0);
    const InterfacePoint tri[] = {{0, 0}, {3, 0}, {3, 4}};
    const myContour t(tri, 3, 1, nullptr, 0);
    EXPECT_EQ(t.getEdgeLength(0, 0), 3);
    EXPECT_EQ(t.getEdgeLength(0, 1), 5) << "to the previous point, round the end";
    EXPECT_EQ(t.getEdgeLength(2, 0), 5);
    EXPECT_EQ(t.getEdgeLength(-1, 1), 4);
    EXPECT_EQ(t.getEdgeLength(7, 0), 4);
    EXPECT_EQ(c.getEdgeLength(3, 0), 1);
}

TEST(Contour, AnglePoint)
{
    const myContour cw(kSquare, 4, 1, nullptr, 0);
    EXPECT_NEAR(cw.anglePoint(1), kPi / 2, 1e-12);
    const InterfacePoint ccwPts[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const myContour ccw(ccwPts, 4, 1, nullptr, 0);
    EXPECT_NEAR(ccw.anglePoint(2), kPi / 2, 1e-12) << "counter-clockwise corners are inner angles too";
    const myContour oct(kOctagon, 8, 1, nullptr, 0);
    EXPECT_NEAR(oct.anglePoint(1), kPi, 1e-12);
    EXPECT_NEAR(oct.anglePoint(9), kPi, 1e-12) << "index taken modulo n";
    EXPECT_EQ(oct.anglePoint(-1), kPi);
    // An L shape: the inner corner is reflex.
    const InterfacePoint l[] = {{0, 0}, {0, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}};
    const myContour lc(l, 6, 1, nullptr, 0);
    EXPECT_NEAR(lc.anglePoint(3), 3 * kPi / 2, 1e-12);
}

TEST(Contour, BreakPoints)
{
    const myContour oct(kOctagon, 8, 1, nullptr, 0);
    const int expected[] = {1, 0, 1, 0, 1, 0, 1, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(oct.isBreakPoint(i, nullptr), expected[i]) << i;
    EXPECT_EQ(oct.isBreakPoint(8, nullptr), 0);
    EXPECT_EQ(oct.isBreakPoint(-1, nullptr), 0);

    std::vector<bool> smooth(3, false);
    smooth[2] = true;
    EXPECT_EQ(oct.isBreakPoint(2, &smooth), 0) << "declared smooth at a sharp corner";
    EXPECT_EQ(oct.isBreakPoint(4, &smooth), 1) << "beyond the vector the angle decides";
    smooth[0] = true;
    EXPECT_EQ(oct.isBreakPoint(0, &smooth), 0) << "even point 0";

    // Point 0 on a straight run: points whose angle is no larger than point 0's are corners.
    const InterfacePoint rotated[] = {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}};
    const myContour r(rotated, 8, 1, nullptr, 0);
    EXPECT_EQ(r.isBreakPoint(2, nullptr), 1);
    EXPECT_EQ(r.isBreakPoint(1, nullptr), 1);

    // Point 0 at a reflex corner: every point is a corner.
    const InterfacePoint l[] = {{1, 1}, {2, 1}, {2, 0}, {1, 0}, {0, 0}, {0, 1}, {0, 2}, {1, 2}};
    const myContour lc(l, 8, 1, nullptr, 0);
    EXPECT_GT(lc.anglePoint(0), kPi);
    EXPECT_EQ(lc.isBreakPoint(5, nullptr), 1);

    // Fewer than four points: all corners; open: the last point and reflex angles too.
    const myContour tri(kOctagon, 3, 1, nullptr, 0);
    EXPECT_EQ(tri.isBreakPoint(1, nullptr), 1);
    const InterfacePoint zig[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0.5}, {4, 0}, {5, 0}};
    const myContour open(zig, 6, 0, nullptr, 0);
    EXPECT_EQ(open.isBreakPoint(1, nullptr), 0) << "straight";
    EXPECT_EQ(open.isBreakPoint(2, nullptr), 1) << "open: a reflex angle is a corner";
    EXPECT_EQ(open.isBreakPoint(3, nullptr), 1);
    EXPECT_EQ(open.isBreakPoint(5, nullptr), 1) << "open: the last point";
}

TEST(Contour, FindNearestPoint)
{
    const myContour oct(kOctagon, 8, 1, nullptr, 0);
    EXPECT_EQ(oct.findNearestPoint({0.1, 1.2}, 1), 1);
    EXPECT_EQ(oct.findNearestPoint({0.1, 1.2}, 0), 2) << "only corners";
    EXPECT_EQ(oct.findNearestPoint({0.1, 0.8}, 0), 0);
    EXPECT_EQ(oct.findNearestPoint({1, 1}, 1), 1) << "ties keep the earlier point";
    const myContour tri(kOctagon, 3, 0, nullptr, 0);
    EXPECT_EQ(tri.findNearestPoint({0, 1.1}, 0), 1) << "three points: every point is a candidate";
}

struct NodeCase
{
    tagCutNode node;
    int n;
    int first, end;
};

TEST(CutNode, IndexArithmetic)
{
    const NodeCase cases[] = {
        {{-3, 2, 0, 0}, 10, 2, 0},  // backwards from 2 to 0
        {{~1, 3, 0, 0}, 10, 1, 8},  // backwards round the start
        {{8, 5, 0, 0}, 10, 8, 3},   // forwards round the end
        {{4, 0, 0, 0}, 10, 4, 4},   // the whole loop
        {{-1, 0, 0, 0}, 10, 0, 0},
        {{23, 1, 0, 0}, 10, 3, 4},  // a start beyond the contour
        {{~23, 1, 0, 0}, 10, 3, 2},
        {{2, -5, 0, 0}, 10, 2, 7},
        {{~2, 30, 0, 0}, 10, 2, 2},
        {{-2147483647 - 1, 2147483647, 0, 0}, 7, 1, 0}, // no overflow
        {{5, 1, 0, 0}, 0, 0, 0},
        {{5, 1, 0, 0}, -4, 0, 0},
    };
    for (const NodeCase& c : cases) {
        EXPECT_EQ(miscNodeFirstPoint(c.node, c.n), c.first) << c.node << " n " << c.n;
        EXPECT_EQ(miscNodeEndPoint(c.node, c.n), c.end) << c.node << " n " << c.n;
    }
}

TEST(CutNode, DirectionAndRoom)
{
    const tagCutNode forward{3, 1, 0, 0}, backward{~3, 1, 0, 0};
    EXPECT_TRUE(miscNodeClockwise(forward, 1));
    EXPECT_FALSE(miscNodeClockwise(backward, 1));
    EXPECT_FALSE(miscNodeClockwise(forward, -1));
    EXPECT_TRUE(miscNodeClockwise(backward, -1));
    EXPECT_FALSE(miscNodeClockwise(forward, 0)) << "open: forwards is not clockwise";
    EXPECT_TRUE(miscNodeClockwise(backward, 0));
    EXPECT_EQ(miscNodeAvailable(forward, 10, 1), 10);
    EXPECT_EQ(miscNodeAvailable(forward, 10, 0), 6);
    EXPECT_EQ(miscNodeAvailable(backward, 10, 0), 3);
    EXPECT_EQ(miscNodeAvailable(backward, 0, 0), 0);
}

TEST(Contour, ArchiveHoldsCountAndPointsOnly)
{
    const tagCutNode node{0, 2, 1, 0};
    myContour c(kSquare, 4, 1, &node, 1);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        c.Serialize(ar);
    }
    ASSERT_EQ(file.GetLength(), 2u + 4 * 16);
    std::vector<unsigned char> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes[1], 0);
    double y1;
    std::memcpy(&y1, &bytes[2 + 16 + 8], 8);
    EXPECT_EQ(y1, 1) << "point 1, y";

    file.SeekToBegin();
    myContour loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    ASSERT_EQ(loaded.GetSize(), 4);
    EXPECT_EQ(loaded.getNumNodes(), 0);
    EXPECT_EQ(loaded.closed, 0);
    loaded.closed = 1;
    loaded.updateParameters();
    EXPECT_EQ(loaded.getArea(), 1);
}

TEST(Contour, EmptyAfterLoadingStaysSafe)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteCount(0);
    }
    file.SeekToBegin();
    myContour c(kSquare, 4, 1, nullptr, 0);
    {
        CArchive ar(&file, CArchive::load);
        c.Serialize(ar);
    }
    ASSERT_EQ(c.GetSize(), 0);
    EXPECT_EQ(c.getXmax(), 0) << "stale cached indices are not followed";
    c.updateParameters();
    EXPECT_EQ(c.getXmin(), 0);
    EXPECT_EQ(c.getEdgeLength(3, 0), 0);
    EXPECT_EQ(c.anglePoint(2), kPi);
    EXPECT_EQ(c.isBreakPoint(0, nullptr), 0);
    EXPECT_EQ(c.findNearestPoint({1, 1}, 0), 0);
}

TEST(Contour, GetAndFree)
{
    const tagCutNode node{0, 2, 1, 0};
    myContour* c = miscGetContour(kSquare, 4, 1, &node, 1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->getNumNodes(), 1);
    EXPECT_EQ(c->getArea(), 1);
    miscFreeContour(c);
    EXPECT_EQ(c, nullptr);
    miscFreeContour(c);
    myContour* single = miscGetContour(nullptr, 3, 0, nullptr, 0);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->GetSize(), 1);
    miscFreeContour(single);
}

} // namespace
