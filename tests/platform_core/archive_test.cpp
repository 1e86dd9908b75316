// CArchive: the published byte format of numbers, strings, counts and objects, and the refusal
// of damaged input.
#include <afx.h>
#include <afxcoll.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "archive_test_util.h"
#include "test_env.h"

using namespace arc_test;

namespace {

class CArcItem : public CObject {
    DECLARE_SERIAL(CArcItem)
public:
    CArcItem() = default;
    CArcItem(LONG n, const char* s) : m_n(n), m_s(s) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n << m_s;
        else
            ar >> m_n >> m_s;
    }
    LONG m_n = 0;
    CString m_s;
};
IMPLEMENT_SERIAL(CArcItem, CObject, 2)

// A node that refers to another object (possibly itself) through the archive's object map.
class CArcNode : public CObject {
    DECLARE_SERIAL(CArcNode)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_pLink;
        else
            ar >> m_pLink;
    }
    CObject* m_pLink = nullptr;
};
IMPLEMENT_SERIAL(CArcNode, CObject, 1)

// Accepts older schemas and records the one it was loaded with.
class CArcVersioned : public CObject {
    DECLARE_SERIAL(CArcVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_loadedSchema = ar.GetObjectSchema();
    }
    UINT m_loadedSchema = 0;
};
IMPLEMENT_SERIAL(CArcVersioned, CObject, VERSIONABLE_SCHEMA | 3)

Bytes ItemData(LONG n, const char* s)
{
    Bytes out = B({n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF, (n >> 24) & 0xFF, static_cast<int>(std::strlen(s))});
    return Cat(out, Text(s));
}

Bytes NewClass(int schema, const std::string& name)
{
    return Cat(B({0xFF, 0xFF, schema & 0xFF, schema >> 8, static_cast<int>(name.size()), 0}), Text(name));
}

} // namespace

TEST(ArchiveNumbers, EachTypeHasItsWidthAndLittleEndianBytes)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(0xAB) << static_cast<WORD>(0x1234) << static_cast<LONG>(-2)
           << static_cast<DWORD>(0x89ABCDEF) << 7 << 8u << static_cast<short>(-1) << 'x' << true
           << 1.0f << 1.0 << static_cast<LONGLONG>(-1) << static_cast<ULONGLONG>(0x0102030405060708ull);
    });
    Bytes expected = B({0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89, 7, 0, 0, 0, 8, 0, 0, 0,
                        0xFF, 0xFF, 'x', 1, 0x00, 0x00, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F,
                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 8, 7, 6, 5, 4, 3, 2, 1});
    EXPECT_EQ(bytes, expected);

    BYTE by; WORD w; LONG l; DWORD dw; int i; unsigned u; short sh; char ch; bool b; float f; double d;
    LONGLONG ll; ULONGLONG ull;
    size_t left = Load(bytes, [&](CArchive& ar) { ar >> by >> w >> l >> dw >> i >> u >> sh >> ch >> b >> f >> d >> ll >> ull; });
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(by, 0xAB);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(l, -2);
    EXPECT_EQ(dw, 0x89ABCDEFu);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(u, 8u);
    EXPECT_EQ(sh, -1);
    EXPECT_EQ(ch, 'x');
    EXPECT_TRUE(b);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(d, 1.0);
    EXPECT_EQ(ll, -1);
    EXPECT_EQ(ull, 0x0102030405060708ull);
}

TEST(ArchiveNumbers, PlainCStringLiteralIsWrittenAsString)
{
    EXPECT_EQ(Store([](CArchive& ar) { ar << "ab"; }), B({2, 'a', 'b'}));
}

struct LengthForm {
    int length;
    Bytes prefix;
};

TEST(ArchiveStrings, NarrowLengthPrefixForms)
{
    const LengthForm forms[] = {
        {0, B({0x00})},
        {254, B({0xFE})},
        {255, B({0xFF, 0xFF, 0x00})},
        {65533, B({0xFF, 0xFD, 0xFF})},
        {65534, B({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {65535, B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {65536, B({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const LengthForm& form : forms) {
        SCOPED_TRACE(form.length);
        CString s;
        for (int i = 0; i < form.length; ++i)
            s.AppendChar(static_cast<char>('a' + i % 26));
        Bytes bytes = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(bytes.size(), form.prefix.size() + form.length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + form.prefix.size()), form.prefix);
        EXPECT_EQ(std::memcmp(bytes.data() + form.prefix.size(), s.GetString(), form.length), 0);
        CString back("old");
        EXPECT_EQ(Load(bytes, [&](CArchive& ar) { ar >> back; }), 0u);
        EXPECT_TRUE(back == s);
    }
}

TEST(ArchiveStrings, WideLengthPrefixFormsReadAsNarrow)
{
    const LengthForm forms[] = {
        {0, B({0xFF, 0xFE, 0xFF, 0x00})},
        {254, B({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {65534, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {65535, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {65536, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const LengthForm& form : forms) {
        SCOPED_TRACE(form.length);
        std::u16string wide;
        for (int i = 0; i < form.length; ++i)
            wide.push_back(static_cast<char16_t>('A' + i % 26));
        Bytes bytes = Store([&](CArchive& ar) { AfxWriteStringW(ar, wide.data(), wide.size()); });
        ASSERT_EQ(bytes.size(), form.prefix.size() + 2 * form.length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + form.prefix.size()), form.prefix);
        if (form.length > 0) {
            EXPECT_EQ(bytes[form.prefix.size()], 'A');
            EXPECT_EQ(bytes[form.prefix.size() + 1], 0);
        }
        CString back;
        EXPECT_EQ(Load(bytes, [&](CArchive& ar) { ar >> back; }), 0u);
        ASSERT_EQ(back.GetLength(), form.length);
        EXPECT_EQ(back.Right(2), CString(std::string(wide.end() - std::min(2, form.length), wide.end()).c_str()));
    }
}

TEST(ArchiveStrings, WideCharactersBeyondLatin1BecomeQuestionMarks)
{
    // 'A', e-acute, euro sign, a surrogate pair (one character), a lone high surrogate, 'z'.
    const char16_t text[] = {u'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00, 0xD800, u'z'};
    Bytes bytes = Store([&](CArchive& ar) { AfxWriteStringW(ar, text, 7); });
    CString back;
    Load(bytes, [&](CArchive& ar) { ar >> back; });
    EXPECT_EQ(std::string(back.GetString(), back.GetLength()), std::string("A\xE9??" "?z"));
}

TEST(ArchiveStrings, LengthBeyondTheDataThrowsEndOfFileWithoutAllocatingIt)
{
    // Claims 0x7FFFFFFE characters, holds three.
    Bytes bytes = B({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 'a', 'b', 'c'});
    CString s("keep");
    EXPECT_EQ(ArchiveCause([&] { Load(bytes, [&](CArchive& ar) { ar >> s; }); }), CArchiveException::endOfFile);
    EXPECT_TRUE(s == "keep");
    // Longer than a string can be at all.
    Bytes huge = B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
    EXPECT_EQ(ArchiveCause([&] { Load(huge, [&](CArchive& ar) { ar >> s; }); }), CArchiveException::genericException);
}

TEST(ArchiveCounts, CountForms)
{
    struct {
        ULONGLONG count;
        Bytes bytes;
    } const forms[] = {
        {0, B({0, 0})},
        {0xFFFE, B({0xFE, 0xFF})},
        {0xFFFF, B({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {0x12345678, B({0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12})},
        {0x100000000ull, B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0})},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.count);
        Bytes bytes = Store([&](CArchive& ar) { ar.WriteCount(form.count); });
        EXPECT_EQ(bytes, form.bytes);
        DWORD_PTR back = 0;
        Load(bytes, [&](CArchive& ar) { back = ar.ReadCount(); });
        EXPECT_EQ(back, form.count);
    }
}

TEST(ArchiveObjects, NewClassThenClassReferenceThenObjectReference)
{
    CArcItem first(1, "a");
    CArcItem second(2, "bc");
    Bytes bytes = Store([&](CArchive& ar) { ar << static_cast<CObject*>(nullptr) << &first << &second << &first; });
    // Index 1 is the class, 2 the first object, 3 the second.
    Bytes expected = Cat(Cat(Cat(B({0x00, 0x00}), NewClass(2, "CArcItem")), ItemData(1, "a")),
                         Cat(Cat(B({0x01, 0x80}), ItemData(2, "bc")), B({0x02, 0x00})));
    EXPECT_EQ(bytes, expected);

    CObject* objects[4] = {};
    EXPECT_EQ(Load(bytes, [&](CArchive& ar) { ar >> objects[0] >> objects[1] >> objects[2] >> objects[3]; }), 0u);
    EXPECT_EQ(objects[0], nullptr);
    ASSERT_NE(objects[1], nullptr);
    ASSERT_TRUE(objects[1]->IsKindOf(RUNTIME_CLASS(CArcItem)));
    auto* a = static_cast<CArcItem*>(objects[1]);
    auto* b = static_cast<CArcItem*>(objects[2]);
    EXPECT_EQ(a->m_n, 1);
    EXPECT_TRUE(a->m_s == "a");
    EXPECT_EQ(b->m_n, 2);
    EXPECT_TRUE(b->m_s == "bc");
    EXPECT_EQ(objects[3], objects[1]);
    delete a;
    delete b;
}

TEST(ArchiveObjects, SelfReferenceAndTypedExtraction)
{
    CArcNode node;
    node.m_pLink = &node;
    Bytes bytes = Store([&](CArchive& ar) { ar << &node; });
    EXPECT_EQ(bytes, Cat(NewClass(1, "CArcNode"), B({0x02, 0x00})));
    CArcNode* back = nullptr;
    Load(bytes, [&](CArchive& ar) { ar >> back; });
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_pLink, back);
    delete back;
}

TEST(ArchiveObjects, VersionableSchemaIsHandedToSerialize)
{
    CObject* pOb = nullptr;
    Load(NewClass(1, "CArcVersioned"), [&](CArchive& ar) { ar >> pOb; });
    ASSERT_NE(pOb, nullptr);
    EXPECT_EQ(static_cast<CArcVersioned*>(pOb)->m_loadedSchema, 1u);
    delete pOb;
    // Stored with its own schema, which WriteClass writes without the flag.
    CArcVersioned v;
    EXPECT_EQ(Store([&](CArchive& ar) { ar << &v; }), NewClass(3, "CArcVersioned"));
}

TEST(ArchiveObjects, ClassRecordsAloneWithSerializeClass)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArcItem));
        ar.SerializeClass(RUNTIME_CLASS(CArcItem));
    });
    EXPECT_EQ(bytes, Cat(NewClass(2, "CArcItem"), B({0x01, 0x80})));
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CArcItem)), RUNTIME_CLASS(CArcItem));
        EXPECT_EQ(ar.GetObjectSchema(), 2u);
        EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CArcItem));
    });
}

TEST(ArchiveObjects, DamagedInputThrowsTheMatchingCause)
{
    struct {
        const char* what;
        Bytes bytes;
        int cause;
    } const cases[] = {
        {"unknown class", NewClass(1, "CNoSuchClass"), CArchiveException::badClass},
        {"class that cannot be serialised", NewClass(0xFFFF, "CFile"), CArchiveException::badClass},
        {"name of 64 characters", NewClass(1, std::string(64, 'C')), CArchiveException::badClass},
        {"wrong schema", Cat(NewClass(7, "CArcItem"), ItemData(1, "a")), CArchiveException::badSchema},
        {"object index never seen", B({0x05, 0x00}), CArchiveException::badIndex},
        {"big object index never seen", B({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}), CArchiveException::badIndex},
        {"class index never seen", B({0x05, 0x80}), CArchiveException::badIndex},
        {"class index 0", B({0x00, 0x80}), CArchiveException::badIndex},
        {"object reference to a class", Cat(Cat(NewClass(1, "CArcNode"), B({0x01, 0x00})), B({})),
         CArchiveException::badIndex},
        {"class reference to an object",
         Cat(Cat(NewClass(1, "CArcNode"), B({0x00, 0x00})), B({0x02, 0x80})), CArchiveException::badIndex},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ArchiveCause([&] {
                      Load(c.bytes, [](CArchive& ar) {
                          CObject* a = nullptr;
                          CObject* b = nullptr;
                          ar >> a;
                          delete a; // only reached by the two-object cases that do not throw first
                          ar >> b;
                      });
                  }),
                  c.cause);
    }
}

TEST(ArchiveObjects, ObjectOfAnotherClassThanRequestedIsRefused)
{
    CArcNode node;
    Bytes bytes = Store([&](CArchive& ar) { ar << &node; });
    EXPECT_EQ(ArchiveCause([&] { Load(bytes, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CArcItem)); }); }),
              CArchiveException::badClass);
}

TEST(ArchiveObjects, EveryTruncationThrowsEndOfFile)
{
    CObArray items;
    CArcItem a(1, "first"), b(2, "second");
    items.Add(&a);
    items.Add(&b);
    items.Add(&a);
    Bytes bytes = Store([&](CArchive& ar) { items.Serialize(ar); });
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        CObArray back;
        int cause = ArchiveCause([&] {
            Load(Bytes(bytes.begin(), bytes.begin() + n), [&](CArchive& ar) {
                try {
                    back.Serialize(ar);
                } catch (CException*) {
                    for (CObject* p : ar.GetLoadedObjects())
                        delete p;
                    throw;
                }
            });
        });
        EXPECT_EQ(cause, CArchiveException::endOfFile);
    }
}

TEST(ArchiveObjects, DeepNestingIsRefusedInsteadOfExhaustingTheStack)
{
    // An array holding an array holding an array ... 5000 levels deep.
    Bytes bytes = Cat(B({0x01, 0x00}), NewClass(0, "CObArray"));
    for (int i = 0; i < 5000; ++i)
        bytes = Cat(bytes, B({0x01, 0x00, 0x01, 0x80}));
    CObArray top;
    EXPECT_EQ(ArchiveCause([&] {
                  Load(bytes, [&](CArchive& ar) {
                      try {
                          top.Serialize(ar);
                      } catch (CException*) {
                          for (CObject* p : ar.GetLoadedObjects())
                              delete p;
                          throw;
                      }
                  });
              }),
              CArchiveException::genericException);
}

TEST(ArchiveBuffer, DirectionErrorsAndLargeBlocks)
{
    EXPECT_EQ(ArchiveCause([] { Store([](CArchive& ar) { BYTE b; ar >> b; }); }), CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([] { Load(B({1}), [](CArchive& ar) { ar << static_cast<BYTE>(1); }); }),
              CArchiveException::readOnly);

    // Blocks larger than the buffer, written and read across its boundary.
    Bytes big(10000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<BYTE>(i * 7);
    Bytes bytes = Store([&](CArchive& ar) {
        ar << static_cast<BYTE>(0x55);
        ar.Write(big.data(), static_cast<UINT>(big.size()));
    }, 128);
    ASSERT_EQ(bytes.size(), big.size() + 1);
    Load(bytes, [&](CArchive& ar) {
        BYTE first;
        ar >> first;
        Bytes back(big.size() + 10);
        EXPECT_EQ(ar.Read(back.data(), static_cast<UINT>(back.size())), big.size());
        back.resize(big.size());
        EXPECT_EQ(back, big);
        EXPECT_TRUE(ar.IsBufferEmpty());
    }, 128);
}

TEST(ArchiveBuffer, IsBufferEmptyMeansNoDataLeftAndCloseGivesBackTheReadAhead)
{
    Bytes bytes(1000, 0x11);
    // A buffer much smaller than the data: emptiness is only reported at the end.
    size_t left = Load(bytes, [](CArchive& ar) {
        int reads = 0;
        while (!ar.IsBufferEmpty()) {
            BYTE b;
            ar >> b;
            ++reads;
        }
        EXPECT_EQ(reads, 1000);
    }, 128);
    EXPECT_EQ(left, 0u);
    // Closing a loading archive leaves the file just after the last byte read.
    left = Load(bytes, [](CArchive& ar) {
        WORD w;
        ar >> w;
    });
    EXPECT_EQ(left, 998u);
}

TEST(ArchiveText, ReadStringSplitsLinesAtLfOrCrLf)
{
    Bytes bytes = Store([](CArchive& ar) { ar.WriteString("one\r\ntwo\n\nthree"); });
    Load(bytes, [](CArchive& ar) {
        CString line;
        const char* expected[] = {"one", "two", "", "three"};
        for (const char* e : expected) {
            ASSERT_TRUE(ar.ReadString(line));
            EXPECT_TRUE(line == e) << line;
        }
        EXPECT_FALSE(ar.ReadString(line));
    });
    char small[4];
    Load(Text("abcdef\n"), [&](CArchive& ar) { EXPECT_STREQ(ar.ReadString(small, sizeof(small)), "abc"); });
}

TEST(ArchiveFile, ErrorsNameTheFile)
{
    std::string path = misc_test::MakeTempDir("arc") + "/items.bin";
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        CArcItem item(5, "five");
        ar << &item << static_cast<WORD>(0x0505);
    }
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CObject* pOb = nullptr;
    WORD w = 0;
    ar >> pOb >> w;
    EXPECT_EQ(w, 0x0505);
    ASSERT_NE(pOb, nullptr);
    EXPECT_EQ(static_cast<CArcItem*>(pOb)->m_n, 5);
    delete pOb;
    try {
        ar >> w;
        FAIL() << "no exception";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        EXPECT_TRUE(e->m_strFileName == path.c_str());
        char msg[512];
        EXPECT_TRUE(e->GetErrorMessage(msg, sizeof(msg)));
        EXPECT_NE(std::string(msg).find(path), std::string::npos) << msg;
        e->Delete();
    }
}
