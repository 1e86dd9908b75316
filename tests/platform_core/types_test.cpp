// CPoint, CSize, CRect and the Win32 rectangle functions: edges, emptiness, set operations.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

TEST(RectFunctions, RightAndBottomEdgesAreOutside)
{
    RECT r;
    ASSERT_TRUE(SetRect(&r, 10, 20, 30, 40));
    EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
    EXPECT_TRUE(PtInRect(&r, POINT{29, 39}));
    EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));
    EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));
    EXPECT_FALSE(PtInRect(&r, POINT{9, 25}));
    EXPECT_FALSE(PtInRect(nullptr, POINT{15, 25}));
}

TEST(RectFunctions, EmptinessAndNullPointers)
{
    RECT zeroWidth{5, 5, 5, 10}, inverted{10, 10, 0, 20}, ok{0, 0, 1, 1};
    EXPECT_TRUE(IsRectEmpty(&zeroWidth));
    EXPECT_TRUE(IsRectEmpty(&inverted));
    EXPECT_FALSE(IsRectEmpty(&ok));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(CopyRect(&ok, nullptr));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_FALSE(EqualRect(&ok, nullptr));
    EXPECT_FALSE(IntersectRect(nullptr, &ok, &ok));
}

TEST(RectFunctions, IntersectClearsDestinationWhenDisjoint)
{
    RECT a{0, 0, 10, 10}, touching{10, 0, 20, 10}, over{5, 5, 15, 15};
    RECT out{1, 2, 3, 4};
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
    EXPECT_EQ(CRect(0, 0, 0, 0), CRect(out));
    EXPECT_TRUE(IntersectRect(&out, &a, &over));
    EXPECT_EQ(CRect(5, 5, 10, 10), CRect(out));
    // The destination may be a source.
    EXPECT_TRUE(IntersectRect(&a, &a, &over));
    EXPECT_EQ(CRect(5, 5, 10, 10), CRect(a));
}

TEST(RectFunctions, UnionIgnoresEmptyRectangles)
{
    RECT a{0, 0, 10, 10}, empty{100, 100, 100, 200}, b{20, -5, 30, 5}, out;
    EXPECT_TRUE(UnionRect(&out, &a, &empty));
    EXPECT_TRUE(EqualRect(&out, &a));
    EXPECT_TRUE(UnionRect(&out, &empty, &b));
    EXPECT_TRUE(EqualRect(&out, &b));
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    EXPECT_EQ(CRect(0, -5, 30, 10), CRect(out));
    out = RECT{1, 1, 2, 2};
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
    EXPECT_EQ(CRect(0, 0, 0, 0), CRect(out));
}

TEST(CRectTest, MeasuresAndCorners)
{
    CRect r(10, 20, 40, 60);
    EXPECT_EQ(30, r.Width());
    EXPECT_EQ(40, r.Height());
    EXPECT_EQ(CSize(30, 40), r.Size());
    EXPECT_EQ(CPoint(25, 40), r.CenterPoint());
    r.TopLeft() = CPoint(0, 0); // the corners are the rectangle's own storage
    r.BottomRight() += CSize(5, 5);
    EXPECT_EQ(CRect(0, 0, 45, 65), r);
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(3, 3, 3, 3).IsRectEmpty());
    EXPECT_FALSE(CRect(3, 3, 3, 3).IsRectNull());
    EXPECT_EQ(CRect(1, 2, 4, 6), CRect(CPoint(1, 2), CSize(3, 4)));
}

TEST(CRectTest, InflateDeflateOffsetNormalize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(CRect(8, 7, 22, 23), r);
    r.DeflateRect(2, 3);
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 8, 23, 24), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.OffsetRect(-10, 5);
    EXPECT_EQ(CRect(0, 15, 10, 25), r);
    CRect inverted(30, 40, 10, 20);
    EXPECT_TRUE(inverted.IsRectEmpty());
    inverted.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), inverted);
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 210), r);
}

TEST(CRectTest, Operators)
{
    CRect r(0, 0, 10, 10);
    r += CPoint(5, 5);
    EXPECT_EQ(CRect(5, 5, 15, 15), r);
    r -= CSize(5, 5);
    EXPECT_EQ(CRect(0, 0, 10, 10), r);
    CRect margins(1, 1, 1, 1);
    r += &margins; // a rectangle pointer inflates
    EXPECT_EQ(CRect(-1, -1, 11, 11), r);
    r -= &margins;
    EXPECT_EQ(CRect(0, 0, 10, 10), r);

    CRect i = r;
    i &= CRect(5, 5, 20, 20);
    EXPECT_EQ(CRect(5, 5, 10, 10), i);
    i &= CRect(50, 50, 60, 60);
    EXPECT_TRUE(i.IsRectNull());
    CRect u = r;
    u |= CRect(20, 20, 30, 30);
    EXPECT_EQ(CRect(0, 0, 30, 30), u);
    EXPECT_EQ(CRect(2, 3, 12, 13), r + CPoint(2, 3));
    EXPECT_EQ(CRect(5, 5, 10, 10), r & CRect(5, 5, 20, 20));
    EXPECT_EQ(CRect(0, 0, 20, 20), r | CRect(5, 5, 20, 20));
    EXPECT_NE(r, CRect(0, 0, 10, 11));

    LPRECT p = r;
    LPCRECT cp = static_cast<const CRect&>(r);
    EXPECT_EQ(p, cp);
    EXPECT_EQ(&r.left, &p->left);
}

TEST(CRectTest, IntersectAndUnionMembers)
{
    CRect r;
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));
    EXPECT_EQ(CRect(0, 0, 10, 5), r);
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(3, 4);
    EXPECT_EQ(CPoint(4, 6), p + CSize(1, 2));
    EXPECT_EQ(CSize(2, 2), p - CPoint(1, 2));
    EXPECT_EQ(CPoint(-3, -4), -p);
    p += CPoint(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
    p -= CSize(4, 5);
    EXPECT_EQ(CPoint(0, 0), p);
    // A mouse-message coordinate carries signed words.
    EXPECT_EQ(CPoint(-2, 7), CPoint(static_cast<LPARAM>(MAKELPARAM(-2, 7))));
    CSize s(5, 6);
    EXPECT_EQ(CSize(6, 8), s + CSize(1, 2));
    EXPECT_EQ(CSize(-5, -6), -s);
    EXPECT_EQ(CRect(1, 1, 3, 3), CPoint(1, 1) + CRect(0, 0, 2, 2).operator LPCRECT());
}

} // namespace
