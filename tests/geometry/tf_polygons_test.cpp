// Polygon measures, point in polygon and polygon outline intersection.
#include <misc/geometry.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

struct Poly
{
    std::vector<double> xs, ys;
    std::vector<InterfacePoint> pts;

    Poly(std::initializer_list<InterfacePoint> p) : pts(p)
    {
        for (const InterfacePoint& q : pts) {
            xs.push_back(q.x);
            ys.push_back(q.y);
        }
    }
    explicit Poly(std::vector<InterfacePoint> p) : pts(std::move(p))
    {
        for (const InterfacePoint& q : pts) {
            xs.push_back(q.x);
            ys.push_back(q.y);
        }
    }
    int n() const { return static_cast<int>(pts.size()); }
};

// Clockwise with y up.
const Poly kSquareCw{{0, 0}, {0, 1}, {1, 1}, {1, 0}};
const Poly kSquareCcw{{0, 0}, {1, 0}, {1, 1}, {0, 1}};

Poly Circle(int n, double cx, double cy, double r)
{
    std::vector<InterfacePoint> p(n);
    for (int i = 0; i < n; ++i)
        p[i] = {cx + r * std::cos(2 * kPi * i / n), cy + r * std::sin(2 * kPi * i / n)};
    return Poly(std::move(p));
}

TEST(MinMax, EmptyInputIsZeroNotARead)
{
    const double v[] = {3, -1, 7, 2};
    double lo = -9, hi = -9;
    EXPECT_EQ(tfMinMax(4, v, &lo, &hi), 1);
    EXPECT_EQ(lo, -1);
    EXPECT_EQ(hi, 7);
    EXPECT_EQ(tfMinMax(0, v, &lo, &hi), 0);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
    EXPECT_EQ(tfMinMax(3, nullptr, &lo, &hi), 0);

    double a, b, c, d;
    tfPolMinMax(kSquareCw.n(), kSquareCw.pts.data(), &a, &b, &c, &d);
    const InterfacePoint p[] = {{5, -2}, {1, 8}};
    tfPolMinMax(2, p, &a, &b, &c, &d);
    EXPECT_EQ(a, 1) << "xMin";
    EXPECT_EQ(b, -2) << "yMin";
    EXPECT_EQ(c, 5) << "xMax";
    EXPECT_EQ(d, 8) << "yMax";
    tfPolMinMax(-1, p, &a, &b, &c, &d);
    EXPECT_EQ(a + b + c + d, 0);
    tfPolMinMax(2, nullptr, &a, &b, &c, &d);
    EXPECT_EQ(a + b + c + d, 0);
}

TEST(LongestEdge, ClosingEdgeAndFirstOnTie)
{
    const Poly rect{{0, 0}, {0, 1}, {3, 1}, {3, 0}}; // edges 1 and 3 both have length 3
    EXPECT_EQ(tfPolLongestEdge(rect.n(), rect.pts.data()), 1);
    EXPECT_EQ(tfPolLongestEdge(rect.n(), rect.xs.data(), rect.ys.data()), 1);
    const Poly open{{0, 0}, {1, 0}, {1, 1}, {0, 5}}; // the closing edge (3) is the longest
    EXPECT_EQ(tfPolLongestEdge(open.n(), open.pts.data()), 3);
    EXPECT_EQ(tfPolLongestEdge(0, open.pts.data()), 0);
    EXPECT_EQ(tfPolLongestEdge(4, nullptr), 0);
    EXPECT_EQ(tfPolLongestEdge(4, open.xs.data(), nullptr), 0);
}

TEST(AreaAndOrientation, BothFormsAgree)
{
    for (const Poly* p : {&kSquareCw, &kSquareCcw}) {
        EXPECT_EQ(tfPolArea(p->n(), p->pts.data()), 1);
        EXPECT_EQ(tfPolArea(p->n(), p->xs.data(), p->ys.data()), 1);
    }
    EXPECT_EQ(tfPolClockwise(kSquareCw.n(), kSquareCw.pts.data()), 1);
    EXPECT_EQ(tfPolClockwise(kSquareCw.n(), kSquareCw.xs.data(), kSquareCw.ys.data()), 1);
    EXPECT_EQ(tfPolClockwise(kSquareCcw.n(), kSquareCcw.pts.data()), 0);
    EXPECT_EQ(tfPolClockwise(kSquareCcw.n(), kSquareCcw.xs.data(), kSquareCcw.ys.data()), 0);
    const Poly line{{0, 0}, {1, 1}, {2, 2}};
    EXPECT_EQ(tfPolClockwise(line.n(), line.pts.data()), 0) << "degenerate";
    EXPECT_EQ(tfPolArea(0, line.pts.data()), 0);
    EXPECT_EQ(tfPolArea(3, nullptr, nullptr), 0);
}

struct InsideCase
{
    const char* name;
    double px, py;
    int arrays; // result of the parallel-array form
    int points; // result of the InterfacePoint form
};

// The unit square.
const InsideCase kInsideCases[] = {
    {"centre", 0.5, 0.5, 2, 2},
    {"on an edge", 0.5, 0, 1, 1},
    {"on a vertex", 1, 1, 1, 1},
    {"inside near an edge, within tolerance", 0.5, 0.0005, 1, 1},
    {"inside, beyond tolerance", 0.5, 0.01, 2, 2},
    {"outside", 2, 0.5, 0, 0},
    {"outside within tolerance: the box test of the array form has none", -0.0005, 0.5, 0, 1},
};

TEST(PolIntPoint, SquareTableBothOrientations)
{
    for (const Poly* p : {&kSquareCw, &kSquareCcw}) {
        for (const InsideCase& c : kInsideCases) {
            EXPECT_EQ(tfPolIntPoint(p->n(), p->xs.data(), p->ys.data(), c.px, c.py, 0.001), c.arrays) << c.name;
            EXPECT_EQ(tfPolIntPoint(p->n(), p->pts.data(), c.px, c.py, 0.001), c.points) << c.name;
        }
    }
}

TEST(PolIntPoint, ConcaveNotchAndLargeTolerance)
{
    // A U shape: the notch between the arms is outside although within the bounding box.
    const Poly u{{0, 0}, {0, 3}, {1, 3}, {1, 1}, {2, 1}, {2, 3}, {3, 3}, {3, 0}};
    EXPECT_EQ(tfPolIntPoint(u.n(), u.xs.data(), u.ys.data(), 1.5, 2, 0), 0);
    EXPECT_EQ(tfPolIntPoint(u.n(), u.pts.data(), 1.5, 2, 0), 0);
    EXPECT_EQ(tfPolIntPoint(u.n(), u.xs.data(), u.ys.data(), 0.5, 2, 0), 2);
    EXPECT_EQ(tfPolIntPoint(u.n(), u.pts.data(), 2.5, 2, 0), 2);
    EXPECT_EQ(tfPolIntPoint(u.n(), u.pts.data(), 1.5, 1.05, 0.1), 1);
}

TEST(PolIntPoint, EmptyAndNullInput)
{
    EXPECT_EQ(tfPolIntPoint(0, kSquareCw.xs.data(), kSquareCw.ys.data(), 0, 0, 0), 0);
    EXPECT_EQ(tfPolIntPoint(-5, kSquareCw.pts.data(), 0, 0, 0), 0);
    EXPECT_EQ(tfPolIntPoint(4, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(tfPolIntPoint(4, static_cast<const InterfacePoint*>(nullptr), 0, 0, 0), 0);
}

TEST(PolIntPoint, ManyVerticesAgree)
{
    const Poly c = Circle(5000, 10, 20, 7);
    for (double dx : {-8.0, -6.9, 0.0, 3.0, 6.99, 7.2}) {
        const int expected = std::fabs(dx) < 6.99 ? 2 : (std::fabs(dx) < 7.1 ? -1 : 0);
        const int a = tfPolIntPoint(c.n(), c.xs.data(), c.ys.data(), 10 + dx, 20, 0.001);
        const int b = tfPolIntPoint(c.n(), c.pts.data(), 10 + dx, 20, 0.001);
        EXPECT_EQ(a, b) << dx;
        if (expected >= 0) {
            EXPECT_EQ(a, expected) << dx;
        }
    }
}

TEST(PolIntPoint, DenseOutlineKeepsTheWholeTurn)
{
    // Every edge of this outline spans less than 0.001 rad seen from the centre; the sum must
    // still make a whole turn.
    const Poly c = Circle(20000, 0, 0, 50);
    EXPECT_EQ(tfPolIntPoint(c.n(), c.xs.data(), c.ys.data(), 0, 0, 0.001), 2);
    EXPECT_EQ(tfPolIntPoint(c.n(), c.pts.data(), 0, 0, 0.001), 2);
    EXPECT_EQ(tfPolIntPoint(c.n(), c.xs.data(), c.ys.data(), 49.98, 0, 0.001), 2);
    EXPECT_EQ(tfPolIntPoint(c.n(), c.pts.data(), 49.98, 0, 0.001), 2);
    // Close to a vertex of the short edges, yet not on the outline.
    EXPECT_EQ(tfPolIntPoint(c.n(), c.pts.data(), 49.9993, 0, 0.001), 2);
}

int Intersect(const Poly& a, const Poly& b)
{
    return tfPolsIntersect(a.n(), a.xs.data(), a.ys.data(), b.n(), b.xs.data(), b.ys.data());
}

TEST(PolsIntersect, Rules)
{
    const Poly big{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    const Poly small{{4, 4}, {4, 6}, {6, 6}, {6, 4}};
    const Poly crossing{{5, 5}, {5, 15}, {15, 15}, {15, 5}};
    const Poly distant{{20, 20}, {20, 30}, {30, 30}};
    const Poly sharedEdge{{10, 2}, {10, 8}, {14, 8}, {14, 2}};
    const Poly touchingBoxOnly{{10, 10}, {12, 14}, {14, 10.5}};
    const Poly sameBoxDifferentShape{{0, 0}, {5, 10}, {10, 0.0004}};
    EXPECT_EQ(Intersect(big, big), 1);
    EXPECT_EQ(Intersect(big, sameBoxDifferentShape), 1) << "coinciding boxes count as meeting";
    EXPECT_EQ(Intersect(big, small), 0);
    EXPECT_EQ(Intersect(small, big), 0);
    EXPECT_EQ(Intersect(big, crossing), 1);
    EXPECT_EQ(Intersect(big, distant), 0);
    EXPECT_EQ(Intersect(big, sharedEdge), 1) << "collinear overlap";
    EXPECT_EQ(Intersect(big, touchingBoxOnly), 1) << "corner shared";
    const Poly nearCorner{{10.5, 10.5}, {12, 14}, {14, 10.5}};
    EXPECT_EQ(Intersect(big, nearCorner), 0);
    EXPECT_EQ(tfPolsIntersect(0, big.xs.data(), big.ys.data(), 4, big.xs.data(), big.ys.data()), 0);
    EXPECT_EQ(tfPolsIntersect(4, big.xs.data(), big.ys.data(), 4, nullptr, big.ys.data()), 0);
}

TEST(PolsIntersect, LargeOutlines)
{
    const Poly a = Circle(100000, 0, 0, 10);
    EXPECT_EQ(Intersect(a, Circle(100000, 1000, 0, 10)), 0);
    EXPECT_EQ(Intersect(a, Circle(100000, 15, 0, 10)), 1);
    EXPECT_EQ(Intersect(a, Circle(100000, 0.5, 0.25, 9)), 0) << "inside without touching";
}

// The reference: every pair of edges in order, with the rejections and skips of the function.
int ReferencePolsIntersect(const Poly& a, const Poly& b)
{
    double ax0, ax1, ay0, ay1, bx0, bx1, by0, by1;
    tfMinMax(a.n(), a.xs.data(), &ax0, &ax1);
    tfMinMax(a.n(), a.ys.data(), &ay0, &ay1);
    tfMinMax(b.n(), b.xs.data(), &bx0, &bx1);
    tfMinMax(b.n(), b.ys.data(), &by0, &by1);
    if (bx1 < ax0 || bx0 > ax1 || by1 < ay0 || by0 > ay1)
        return 0;
    if (std::fabs(ax0 - bx0) < 0.0005 && std::fabs(ay0 - by0) < 0.0005 && std::fabs(ax1 - bx1) < 0.0005 &&
        std::fabs(ay1 - by1) < 0.0005)
        return 1;
    for (int i = 0; i < a.n(); ++i) {
        const int j = (i + 1) % a.n();
        const double ex0 = std::min(a.xs[i], a.xs[j]), ex1 = std::max(a.xs[i], a.xs[j]);
        const double ey0 = std::min(a.ys[i], a.ys[j]), ey1 = std::max(a.ys[i], a.ys[j]);
        if (bx0 > ex1 || bx1 < ex0 || by0 > ey1 || by1 < ey0)
            continue;
        for (int k = 0; k < b.n(); ++k) {
            const int l = (k + 1) % b.n();
            if ((b.xs[k] < ex0 && b.xs[l] < ex0) || (b.xs[k] > ex1 && b.xs[l] > ex1) ||
                (b.ys[k] < ey0 && b.ys[l] < ey0) || (b.ys[k] > ey1 && b.ys[l] > ey1))
                continue;
            double ix, iy;
            const int r = tfIintsectLines(a.xs[i], a.ys[i], a.xs[j], a.ys[j], b.xs[k], b.ys[k], b.xs[l], b.ys[l],
                                          &ix, &iy, 0.001);
            if (r == 3 || r == -3)
                return 1;
        }
    }
    return 0;
}

Poly RandomStar(std::mt19937& rng, int n, double cx, double cy, double r)
{
    std::uniform_real_distribution<double> radius(0.3 * r, r);
    std::vector<InterfacePoint> p(n);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n, rr = radius(rng);
        p[i] = {cx + rr * std::cos(a), cy + rr * std::sin(a)};
    }
    return Poly(std::move(p));
}

TEST(PolsIntersect, SkippingRunsMatchesEveryPairReference)
{
    std::mt19937 rng(1234);
    std::uniform_real_distribution<double> offset(-20, 20);
    std::uniform_int_distribution<int> count(3, 3000);
    int met = 0;
    for (int trial = 0; trial < 120; ++trial) {
        const Poly a = RandomStar(rng, count(rng), 0, 0, 10);
        const Poly b = RandomStar(rng, count(rng), offset(rng), offset(rng), 6);
        const int expected = ReferencePolsIntersect(a, b);
        met += expected;
        ASSERT_EQ(Intersect(a, b), expected) << "trial " << trial << " sizes " << a.n() << ", " << b.n();
    }
    EXPECT_GT(met, 20);
    EXPECT_LT(met, 110);
}

} // namespace
