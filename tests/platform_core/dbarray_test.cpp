// CDbArray, CLongStringArray and sTwoLong.
#include <family.h>

#include <gtest/gtest.h>

namespace {

CDbArray<int> Make(std::initializer_list<int> values)
{
    CDbArray<int> a;
    for (int v : values)
        a.Add(v);
    return a;
}

TEST(CDbArrayTest, AddKeepsInsertionOrder)
{
    CDbArray<int> a;
    EXPECT_EQ(0, a.Add(7));
    EXPECT_EQ(1, a.Add(3));
    EXPECT_EQ(2, a.Add(7));
    ASSERT_EQ(3, a.GetSize());
    EXPECT_EQ(7, a[0]);
    EXPECT_EQ(3, a[1]);
    EXPECT_EQ(0, a.GetIndex(7)); // the first equal element
    EXPECT_EQ(-1, a.GetIndex(9));
    EXPECT_TRUE(a.Find(3));
    EXPECT_FALSE(a.Find(4));
    a.RemoveAll();
    EXPECT_EQ(0, a.GetSize());
    EXPECT_EQ(nullptr, a.PointerToArray());
}

TEST(CDbArrayTest, RemoveAtOutOfRangeChangesNothing)
{
    CDbArray<int> a = Make({1, 2, 3});
    EXPECT_FALSE(a.RemoveAt(-1));
    EXPECT_FALSE(a.RemoveAt(3));
    EXPECT_FALSE(a.RemoveAt(100));
    EXPECT_EQ(3, a.GetSize());
    EXPECT_TRUE(a.RemoveAt(1));
    ASSERT_EQ(2, a.GetSize());
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(3, a[1]);
    EXPECT_FALSE(CDbArray<int>().RemoveAt(0));
}

TEST(CDbArrayTest, IsAllEqual)
{
    EXPECT_TRUE(Make({}).IsAllEqual());
    EXPECT_TRUE(Make({5}).IsAllEqual());
    EXPECT_TRUE(Make({5, 5, 5}).IsAllEqual());
    EXPECT_FALSE(Make({5, 5, 6}).IsAllEqual());
    EXPECT_FALSE(Make({6, 5, 5}).IsAllEqual());
}

TEST(CDbArrayTest, GetNextGivesNullElementAtEndOrWhenAbsent)
{
    CDbArray<int> a = Make({4, 8, 4, 9});
    EXPECT_EQ(8, a.GetNext(4)); // after the first 4
    EXPECT_EQ(9, a.GetNext(4) + 1);
    EXPECT_EQ(0, a.GetNext(9));
    EXPECT_EQ(0, a.GetNext(12));

    int x = 1, y = 2;
    CDbArray<int*> p;
    p.Add(&x);
    p.Add(&y);
    EXPECT_EQ(&y, p.GetNext(&x));
    EXPECT_EQ(nullptr, p.GetNext(&y));
}

TEST(CDbArrayTest, SetSizeZeroFillsNewElements)
{
    CDbArray<int> a = Make({1, 2});
    a.SetSize(5);
    ASSERT_EQ(5, a.GetSize());
    EXPECT_EQ(2, a[1]);
    EXPECT_EQ(0, a[2]);
    EXPECT_EQ(0, a[4]);
    a.SetSize(1);
    EXPECT_EQ(1, a.GetSize());
    a.SetSize(3); // shrinking then growing again gives zeros, not the old values
    EXPECT_EQ(0, a[1]);

    CDbArray<sTwoLong> pairs;
    pairs.SetSize(2);
    EXPECT_EQ(sTwoLong(0, 0), pairs[1]);
    CDbArray<int*> pointers;
    pointers.SetSize(2);
    EXPECT_EQ(nullptr, pointers[0]);
}

TEST(CDbArrayTest, InsertAt)
{
    CDbArray<int> a = Make({1, 3});
    EXPECT_TRUE(a.InsertAt(1, 2));
    EXPECT_TRUE(a.InsertAt(0, 0));
    EXPECT_TRUE(a.InsertAt(4, 4)); // at the end
    EXPECT_FALSE(a.InsertAt(-1, 9));
    ASSERT_EQ(5, a.GetSize());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(i, a[i]);
    EXPECT_TRUE(a.InsertAt(7, a[1])); // beyond the end: grows with zeros
    ASSERT_EQ(8, a.GetSize());
    EXPECT_EQ(0, a[5]);
    EXPECT_EQ(1, a[7]);
}

TEST(CDbArrayTest, CopyOfPointersSharesTargets)
{
    int x = 1;
    CDbArray<int*> a;
    a.Add(&x);
    CDbArray<int*> b(a);
    *b[0] = 5;
    EXPECT_EQ(5, x);
    EXPECT_EQ(a[0], b[0]);
    a.Append(a);
    EXPECT_EQ(2, a.GetSize());
}

TEST(CLongStringArrayTest, LookupsBothWays)
{
    CLongStringArray list;
    list.Add(10, "ten");
    list.Add(20, "twenty");
    list.Add(30, "ten");

    EXPECT_EQ(1, list.GetIndex(20L));
    EXPECT_EQ(-1, list.GetIndex(25L));
    EXPECT_EQ(0, list.FindText("ten"));
    EXPECT_EQ(-1, list.FindText("TEN"));

    CString text("unchanged");
    EXPECT_FALSE(list.GetText(99, text));
    EXPECT_EQ("unchanged", text);
    EXPECT_TRUE(list.GetText(20, text));
    EXPECT_EQ("twenty", text);

    long number = -1;
    EXPECT_FALSE(list.GetNumber("eleven", number));
    EXPECT_EQ(-1, number);
    EXPECT_TRUE(list.GetNumber("ten", number));
    EXPECT_EQ(10, number);

    EXPECT_EQ("twenty", list.GetTextAt(1));
    EXPECT_EQ("", list.GetTextAt(3));
    EXPECT_EQ(30, list.GetNumberAt(2));
    EXPECT_EQ(0, list.GetNumberAt(-1));
    EXPECT_EQ(30, list[2].Number);
    EXPECT_TRUE(list.Find(sLongString(20, "twenty")));
}

} // namespace
