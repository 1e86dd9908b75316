// CArray, CList, CMap and the ready-made collections: semantics and archive bytes.
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "archive_test_util.h"

using namespace arc_test;

namespace {

struct Pt {
    double x;
    double y;
};

class CCollItem : public CObject {
    DECLARE_SERIAL(CCollItem)
public:
    CCollItem() = default;
    explicit CCollItem(const char* name) : m_name(name) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name;
        else
            ar >> m_name;
    }
    CString m_name;
};
IMPLEMENT_SERIAL(CCollItem, CObject, 1)

// A list that owns its items, as the family's object lists do.
class CCollItemList : public CObArray {
    DECLARE_SERIAL(CCollItemList)
public:
    ~CCollItemList() override
    {
        for (INT_PTR i = 0; i < GetSize(); ++i)
            delete GetAt(i);
    }
};
IMPLEMENT_SERIAL(CCollItemList, CObArray, 1)

std::string Join(const CStringArray& a)
{
    std::string out;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        out += std::string(a[i].GetString()) + (i + 1 < a.GetSize() ? "," : "");
    return out;
}

template <class LIST>
std::string JoinList(const LIST& list)
{
    std::string out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        out += std::to_string(list.GetNext(pos));
        out += pos ? "," : "";
    }
    return out;
}

} // namespace

TEST(CArray, SizeGrowthAndZeroedElements)
{
    CArray<int, int> a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    a.SetSize(3);
    EXPECT_EQ(a[0] + a[1] + a[2], 0);
    a[1] = 5;
    a.SetSize(1);
    a.SetSize(3);
    EXPECT_EQ(a[1], 0); // regrown elements are zero again
    a.SetAtGrow(6, 7);
    EXPECT_EQ(a.GetSize(), 7);
    EXPECT_EQ(a[5], 0);
    EXPECT_EQ(a[6], 7);
    for (int i = 0; i < 100000; ++i)
        EXPECT_EQ(a.Add(i), 7 + i);
    EXPECT_EQ(a.GetCount(), 100007);
    EXPECT_EQ(a[100006], 99999);
    a.FreeExtra();
    EXPECT_EQ(a.GetData()[7], 0);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
    EXPECT_EQ(a.GetData(), nullptr);
}

TEST(CArray, InsertRemoveAndCopy)
{
    CStringArray a;
    a.Add("a");
    a.Add("d");
    a.InsertAt(1, "x", 2);
    EXPECT_EQ(Join(a), "a,x,x,d");
    a.SetAt(2, "c");
    a[1] = "b";
    a.InsertAt(6, "g");
    EXPECT_EQ(Join(a), "a,b,c,d,,,g");
    a.RemoveAt(4, 2);
    EXPECT_EQ(Join(a), "a,b,c,d,g");
    a.RemoveAt(0);
    EXPECT_EQ(Join(a), "b,c,d,g");

    CStringArray other;
    other.Add("1");
    other.Add("2");
    a.InsertAt(1, &other);
    EXPECT_EQ(Join(a), "b,1,2,c,d,g");
    a.InsertAt(0, &a);
    EXPECT_EQ(a.GetSize(), 12);
    EXPECT_EQ(a.Append(other), 12);
    EXPECT_EQ(other.Append(other), 2);
    EXPECT_EQ(Join(other), "1,2,1,2");
    a.Copy(other);
    EXPECT_EQ(Join(a), "1,2,1,2");
}

TEST(CArray, ElementOfTheArrayItselfSurvivesGrowth)
{
    CStringArray a;
    a.Add("first element, long enough to live on the heap");
    for (int i = 0; i < 200; ++i)
        a.Add(a[0]);
    a.InsertAt(0, a[5]);
    a.SetAtGrow(500, a[3]);
    EXPECT_TRUE(a[500] == a[1]);
    EXPECT_TRUE(a[0] == a[200]);
}

TEST(CArray, BadIndexesThrowInvalidArgument)
{
    CArray<int, int> a;
    a.SetSize(2);
    const auto invalid = RUNTIME_CLASS(CInvalidArgException);
    EXPECT_EQ(ThrownClass([&] { a.GetAt(2); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a[-1] = 1; }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.SetAt(5, 1); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.RemoveAt(1, 2); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.RemoveAt(-1); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.InsertAt(-1, 0); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.InsertAt(0, 0, 0); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.SetSize(-1); }), invalid);
    EXPECT_EQ(ThrownClass([&] { a.SetAtGrow(-1, 0); }), invalid);
    EXPECT_EQ(a.GetSize(), 2);
}

TEST(CArray, PlainRecordsAreArchivedByteForByte)
{
    CArray<Pt, const Pt&> points;
    points.Add(Pt{1.0, 2.0});
    points.Add(Pt{-0.5, 0.0});
    Bytes bytes = Store([&](CArchive& ar) { points.Serialize(ar); });
    ASSERT_EQ(bytes.size(), 2u + 32u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 10), B({2, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    CArray<Pt, const Pt&> back;
    back.Add(Pt{9, 9});
    back.Add(Pt{9, 9});
    back.Add(Pt{9, 9});
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back[0].y, 2.0);
    EXPECT_EQ(back[1].x, -0.5);
    // A count beyond the data ends in endOfFile.
    Bytes lying = Cat(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F}), Bytes(64, 0));
    EXPECT_EQ(ArchiveCause([&] { Load(lying, [&](CArchive& ar) { back.Serialize(ar); }); }),
              CArchiveException::endOfFile);
}

TEST(CList, OrderPositionsAndSearch)
{
    CList<int, int> list;
    list.AddTail(2);
    list.AddTail(3);
    list.AddHead(1);
    EXPECT_EQ(JoinList(list), "1,2,3");
    list.AddTail(&list);
    EXPECT_EQ(JoinList(list), "1,2,3,1,2,3");
    list.AddHead(&list);
    EXPECT_EQ(list.GetCount(), 12);
    list.RemoveAll();
    for (int i = 1; i <= 5; ++i)
        list.AddTail(i);
    POSITION three = list.Find(3);
    ASSERT_NE(three, nullptr);
    list.InsertBefore(three, 30);
    list.InsertAfter(three, 31);
    list.InsertAfter(nullptr, 6);
    EXPECT_EQ(JoinList(list), "1,2,30,3,31,4,5,6");
    list.SetAt(three, 33);
    list.RemoveAt(list.FindIndex(0));
    EXPECT_EQ(list.GetHead(), 2);
    EXPECT_EQ(list.RemoveTail(), 6);
    EXPECT_EQ(list.Find(33, list.Find(33)), nullptr);
    EXPECT_EQ(list.FindIndex(6), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), 33);

    POSITION pos = list.GetTailPosition();
    std::string backwards;
    while (pos)
        backwards += std::to_string(list.GetPrev(pos)) + " ";
    EXPECT_EQ(backwards, "5 4 31 33 30 2 ");

    CList<int, int> empty;
    EXPECT_EQ(ThrownClass([&] { empty.GetHead(); }), RUNTIME_CLASS(CInvalidArgException));
    EXPECT_EQ(ThrownClass([&] { empty.RemoveTail(); }), RUNTIME_CLASS(CInvalidArgException));
    EXPECT_EQ(ThrownClass([&] { empty.GetAt(nullptr); }), RUNTIME_CLASS(CInvalidArgException));
}

TEST(CList, SerializeAppends)
{
    CList<WORD, WORD> list;
    list.AddTail(0x0102);
    list.AddTail(0x0304);
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(bytes, B({2, 0, 2, 1, 4, 3}));
    Load(bytes, [&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetTail(), 0x0304);
}

TEST(CMap, LookupSetRemoveAndIterate)
{
    CMap<int, int, CString, const CString&> map;
    map.SetAt(1, "one");
    map[2] = "two";
    map[1] = "uno";
    EXPECT_EQ(map.GetCount(), 2);
    CString value;
    EXPECT_TRUE(map.Lookup(1, value));
    EXPECT_TRUE(value == "uno");
    EXPECT_FALSE(map.Lookup(3, value));
    EXPECT_NE(map.PLookup(2), nullptr);
    EXPECT_EQ(map.PLookup(2)->key, 2);
    EXPECT_TRUE(map.RemoveKey(1));
    EXPECT_FALSE(map.RemoveKey(1));
    EXPECT_EQ(map.GetCount(), 1);

    // Many keys: every key is found, and iteration visits each exactly once, also while the
    // entry just returned is removed.
    std::map<int, int> seen;
    map.RemoveAll();
    for (int i = 0; i < 5000; ++i)
        map[i * 7] = CString(std::to_string(i).c_str());
    EXPECT_EQ(map.GetCount(), 5000);
    EXPECT_GT(map.GetHashTableSize(), 17u);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(map.Lookup(i * 7, value));
        ASSERT_TRUE(value == std::to_string(i).c_str());
    }
    POSITION pos = map.GetStartPosition();
    int key;
    while (pos != nullptr) {
        map.GetNextAssoc(pos, key, value);
        ++seen[key];
        if (key % 2 == 0)
            map.RemoveKey(key);
    }
    EXPECT_EQ(seen.size(), 5000u);
    for (const auto& [k, n] : seen)
        ASSERT_EQ(n, 1) << k;
    EXPECT_EQ(map.GetCount(), 2500);
    int visited = 0;
    for (auto* p = map.PGetFirstAssoc(); p != nullptr; p = map.PGetNextAssoc(p))
        visited += p->key % 2;
    EXPECT_EQ(visited, 2500);
    map.RemoveAll();
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMap, StringKeysCompareByContent)
{
    CMapStringToPtr map;
    int a = 0, b = 0;
    char key[] = "key";
    map.SetAt(key, &a);
    map.SetAt(CString("other"), &b);
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup("key", p));
    EXPECT_EQ(p, &a);
    EXPECT_FALSE(map.Lookup("KEY", p));
    EXPECT_EQ(HashKey<LPCSTR>("key"), HashKey<const CString&>(CString("key")));
    map.InitHashTable(101);
    EXPECT_EQ(map.GetHashTableSize(), 101u);
    EXPECT_TRUE(map.Lookup("other", p));
    EXPECT_EQ(p, &b);
}

TEST(Collections, ArchiveBytes)
{
    CStringArray strings;
    strings.Add("ab");
    strings.Add("");
    CDWordArray dwords;
    dwords.Add(0x01020304);
    CByteArray bytesArray;
    bytesArray.Add(9);
    CWordArray words;
    words.Add(0x0A0B);
    CUIntArray uints;
    uints.Add(1);
    CStringList stringList;
    stringList.AddTail("x");
    CMapStringToString pairs;
    pairs.SetAt("k", "v");
    struct {
        const char* what;
        CObject* collection;
        Bytes bytes;
    } const cases[] = {
        {"CStringArray", &strings, B({2, 0, 2, 'a', 'b', 0})},
        {"CDWordArray", &dwords, B({1, 0, 4, 3, 2, 1})},
        {"CByteArray", &bytesArray, B({1, 0, 9})},
        {"CWordArray", &words, B({1, 0, 0x0B, 0x0A})},
        {"CUIntArray", &uints, B({})},
        {"CStringList", &stringList, B({1, 0, 1, 'x'})},
        {"CMapStringToString", &pairs, B({1, 0, 1, 'k', 1, 'v'})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = Store([&](CArchive& ar) { c.collection->Serialize(ar); });
        EXPECT_EQ(bytes, c.bytes);
        // Loaded into a fresh object of the same class, stored again: the same bytes.
        CObject* fresh = c.collection->GetRuntimeClass()->CreateObject();
        if (fresh == nullptr)
            continue;
        Load(bytes, [&](CArchive& ar) { fresh->Serialize(ar); });
        EXPECT_EQ(Store([&](CArchive& ar) { fresh->Serialize(ar); }), c.bytes);
        delete fresh;
    }
}

TEST(Collections, ObjectArrayOfAnOwningListClass)
{
    CCollItemList list;
    list.Add(new CCollItem("a"));
    list.Add(new CCollItem("b"));
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
    Bytes expected = Cat(Cat(B({2, 0, 0xFF, 0xFF, 1, 0, 9, 0}), Text("CCollItem")),
                         B({1, 'a', 0x01, 0x80, 1, 'b'}));
    EXPECT_EQ(bytes, expected);

    CCollItemList back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_TRUE(static_cast<CCollItem*>(back[1])->m_name == "b");

    // The list itself as an object, then by reference.
    Bytes whole = Store([&](CArchive& ar) { ar << &list << &list; });
    CObject* p1 = nullptr;
    CObject* p2 = nullptr;
    Load(whole, [&](CArchive& ar) { ar >> p1 >> p2; });
    ASSERT_TRUE(p1 != nullptr && p1->IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_EQ(p1, p2);
    EXPECT_EQ(static_cast<CCollItemList*>(p1)->GetSize(), 2);
    delete p1;
}

TEST(Collections, ObjectListsAndMaps)
{
    CCollItem a("a");
    CObList list;
    list.AddTail(&a);
    list.AddTail(static_cast<CObject*>(nullptr));
    CMapStringToOb byName;
    byName.SetAt("a", &a);
    CMapWordToOb byNumber;
    byNumber.SetAt(7, &a);
    Bytes bytes = Store([&](CArchive& ar) {
        list.Serialize(ar);
        byName.Serialize(ar);
        byNumber.Serialize(ar);
    });
    Bytes expected = Cat(Cat(B({2, 0, 0xFF, 0xFF, 1, 0, 9, 0}), Text("CCollItem")),
                         B({1, 'a', 0, 0, 1, 0, 1, 'a', 2, 0, 1, 0, 7, 0, 2, 0}));
    EXPECT_EQ(bytes, expected);

    CObList list2;
    CMapStringToOb byName2;
    CMapWordToOb byNumber2;
    Load(bytes, [&](CArchive& ar) {
        list2.Serialize(ar);
        byName2.Serialize(ar);
        byNumber2.Serialize(ar);
    });
    ASSERT_EQ(list2.GetCount(), 2);
    CObject* viaName = nullptr;
    CObject* viaNumber = nullptr;
    EXPECT_TRUE(byName2.Lookup("a", viaName));
    EXPECT_TRUE(byNumber2.Lookup(7, viaNumber));
    EXPECT_EQ(viaName, list2.GetHead());
    EXPECT_EQ(viaNumber, list2.GetHead());
    EXPECT_EQ(list2.GetTail(), nullptr);
    delete list2.GetHead();
}

TEST(Collections, TypedPointerWrappers)
{
    CTypedPtrArray<CObArray, CCollItem*> items;
    items.Add(new CCollItem("x"));
    CCollItem* first = items[0];
    EXPECT_TRUE(first->m_name == "x");
    CTypedPtrList<CPtrList, int*> list;
    int n = 4;
    list.AddTail(&n);
    EXPECT_EQ(*list.GetHead(), 4);
    CTypedPtrMap<CMapStringToPtr, CString, int*> map;
    map.SetAt("n", &n);
    int* found = nullptr;
    EXPECT_TRUE(map.Lookup("n", found));
    EXPECT_EQ(found, &n);
    POSITION pos = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(pos, key, found);
    EXPECT_TRUE(key == "n");
    delete first;
}
