// Round trips of every entity kind in the three variants, and the size classes of the encoding.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "entity_test_util.h"

using namespace entity_test;

namespace {

// A tree with every kind: block with name, count and flags, nested block, list, text, byte
// string with zeros, and the three array kinds in small, medium and large sizes.
std::unique_ptr<FLENT_BLK> MakeEveryKind()
{
    auto root = std::make_unique<FLENT_BLK>(7);
    root->SetName("Pattern one");
    root->SetElementCount(12);
    root->SetFlag(0, 1);
    root->SetFlag(7, 255);
    root->AddText(1, "hello");
    const char bytes[] = {'a', 0, 'b', 0, 0};
    root->AddBytesBuf(2, bytes, sizeof bytes);
    root->AddInt(3, 65535);
    root->AddLong(4, -5);
    root->AddFloat(5, 2.5f);
    std::vector<WORD> ints(300);
    std::iota(ints.begin(), ints.end(), 1);
    root->AddIntArray(6, ints.data(), static_cast<DWORD>(ints.size()));
    std::vector<LONG> longs(70000);
    std::iota(longs.begin(), longs.end(), -35000);
    root->AddLongArray(8, longs.data(), static_cast<DWORD>(longs.size()));
    std::vector<float> floats(40);
    for (size_t i = 0; i < floats.size(); ++i)
        floats[i] = static_cast<float>(i) * -0.75f;
    root->AddFloatArray(9, floats.data(), static_cast<DWORD>(floats.size()));
    root->AddIntTuple(10, {0, 0, 9});
    FLENT_BLK* child = new FLENT_BLK(11);
    child->SetName("child");
    child->AddText(1023, "deep");
    root->Insert(child);
    for (int i = 0; i < 3; ++i) {
        FLENT_BLK* e = root->NewListElement(20);
        e->AddLong(1, i + 1);
    }
    return root;
}

struct VariantKey {
    int variant;
    DWORD key;
};

class EveryKind : public ::testing::TestWithParam<VariantKey> {};

TEST_P(EveryKind, RoundTripsThroughFileMemoryAndClipboard)
{
    auto [variant, key] = GetParam();
    auto root = MakeEveryKind();
    std::string expected = Describe(root.get());

    Bytes bytes = Encode(root.get(), variant, key);
    Decoded d = Decode(bytes, variant, key);
    EXPECT_EQ(Describe(d.root.get()), expected);
    EXPECT_TRUE(d.errors.empty()) << d.Events();
    EXPECT_FALSE(d.failed);

    MemBuf mem(4096, 400);
    {
        FLENT_IO io(&mem, key, variant);
        ASSERT_TRUE(io.Write(root.get()));
    }
    mem.Rewind();
    FLENT_IO in(&mem, key, variant);
    std::unique_ptr<FLENT_BLK> back(in.ReadRoot(FLENT_FILTER_ALL));
    EXPECT_EQ(Describe(back.get()), expected);
    EXPECT_EQ(in.GetErrors(), nullptr);

    ClipBuf clip;
    ASSERT_TRUE(clip.OpenWrite("misc entity test"));
    {
        FLENT_IO io(&clip, key, variant);
        ASSERT_TRUE(io.Write(root.get()));
    }
    ASSERT_TRUE(clip.PutOnClipboard());
    ClipBuf reader;
    ASSERT_TRUE(reader.OpenRead("misc entity test"));
    FLENT_IO cin(&reader, key, variant);
    std::unique_ptr<FLENT_BLK> fromClip(cin.ReadRoot(FLENT_FILTER_ALL));
    reader.Close();
    EXPECT_EQ(Describe(fromClip.get()), expected);
}

TEST_P(EveryKind, CopyIsDeepAndIndependent)
{
    auto root = MakeEveryKind();
    FLENT_BLK copy(*root);
    EXPECT_EQ(Describe(&copy), Describe(root.get()));
    FLENT_STR* original = root->FindText(1);
    const FLENT_STR* copied = copy.FindText(1);
    ASSERT_NE(original, nullptr);
    ASSERT_NE(copied, nullptr);
    original->GetData()[0] = 'J';
    root->SetName("changed");
    EXPECT_EQ(std::string(copied->GetData()), "hello");
    EXPECT_STREQ(copy.GetName(), "Pattern one");
    EXPECT_EQ(copy.GetListCount(20), 3u);
    const FLENT_BLK* third = copy.GetListElement(20, 2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->GetLong(1), 3);
}

INSTANTIATE_TEST_SUITE_P(Variants, EveryKind,
                         ::testing::Values(VariantKey{0, 0}, VariantKey{1, 0}, VariantKey{2, 0},
                                           VariantKey{0, 0x5A5A1234}, VariantKey{1, 0xFFFFFFFF},
                                           VariantKey{2, 0x80000001}));

// Header of the first child of an encoded block "blk 1 { child }": decodes class and code.
FLENT_HDR FirstChildHeader(const Bytes& b, int variant)
{
    size_t at = variant == 0 ? 2 : variant == 1 ? 3 : 4;
    FLENT_HDR h{};
    if (variant == 0) {
        DWORD v = b[at] | (b[at + 1] << 8);
        h = {v >> 13, (v >> 10) & 7, v & 0x3FF};
    } else if (variant == 1) {
        DWORD v = (b[at] << 16) | (b[at + 1] << 8) | b[at + 2];
        h = {v >> 19, (v >> 14) & 31, v & 0x3FFF};
    } else {
        DWORD v = b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (DWORD(b[at + 3]) << 24);
        h = {v >> 24, (v >> 16) & 0xFF, v & 0xFFFF};
    }
    return h;
}

struct SizeCase {
    int variant;
    DWORD count;
    int form;  // 0 small, 1 medium, 2 large
};

class ArraySizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ArraySizes, ChooseTheSizeClassAndRoundTrip)
{
    auto [variant, count, form] = GetParam();
    struct Kind {
        int kind;
        DWORD smallClass;
        DWORD largeBits;
    } kinds[] = {{FLENT_KIND_INT, 2, 1}, {FLENT_KIND_FLT, 4, 2}, {FLENT_KIND_LNG, 6, 3}};
    for (const Kind& k : kinds) {
        FLENT_BLK root(1);
        if (k.kind == FLENT_KIND_INT) {
            std::vector<WORD> v(count);
            for (DWORD i = 0; i < count; ++i)
                v[i] = static_cast<WORD>(i * 7 + 1);
            root.AddIntArray(33, v.data(), count);
        } else if (k.kind == FLENT_KIND_LNG) {
            std::vector<LONG> v(count);
            for (DWORD i = 0; i < count; ++i)
                v[i] = static_cast<LONG>(i * 100003) - 7;
            root.AddLongArray(33, v.data(), count);
        } else {
            std::vector<float> v(count);
            for (DWORD i = 0; i < count; ++i)
                v[i] = static_cast<float>(i) / 3.0f;
            root.AddFloatArray(33, v.data(), count);
        }
        Bytes b = Encode(&root, variant, 0x01020304);
        FLENT_HDR h = FirstChildHeader(b, variant);
        SCOPED_TRACE("kind " + std::to_string(k.kind));
        if (form == 0) {
            EXPECT_EQ(h.cls, k.smallClass);
            EXPECT_EQ(h.code, count - 1);
        } else if (form == 1) {
            EXPECT_EQ(h.cls, k.smallClass + 1);
            EXPECT_EQ(h.code, 0u);
        } else {
            EXPECT_EQ(h.cls, 0u);
            EXPECT_EQ(h.code, 5u);
        }
        EXPECT_EQ(h.id, 33u);
        Decoded d = Decode(b, variant, 0x01020304);
        EXPECT_EQ(Describe(d.root.get()), Describe(&root));
        EXPECT_TRUE(d.errors.empty()) << d.Events();
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ArraySizes,
                         ::testing::Values(SizeCase{0, 1, 0}, SizeCase{0, 8, 0}, SizeCase{0, 9, 1},
                                           SizeCase{1, 32, 0}, SizeCase{1, 33, 1}, SizeCase{2, 256, 0},
                                           SizeCase{2, 257, 1}, SizeCase{0, 65535, 1}, SizeCase{0, 65536, 2},
                                           SizeCase{1, 65535, 1}, SizeCase{1, 65536, 2},
                                           SizeCase{2, 65535, 1}, SizeCase{2, 65536, 2}));

TEST(EntityEncoding, NineValuesInVariantZeroAreAMediumArray)
{
    FLENT_BLK root(1);
    WORD nine[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    root.AddIntArray(5, nine, 9);
    Bytes b = Encode(&root, 0);
    Bytes expected;
    PutHeader(expected, 0, 0, 1, 1);
    PutHeader(expected, 0, 3, 0, 5);
    Put16(expected, 9);
    for (WORD v : nine)
        Put16(expected, v);
    Put16(expected, 0);
    EXPECT_EQ(b, expected);

    FLENT_BLK eight(1);
    eight.AddIntArray(5, nine, 8);
    Bytes e = Encode(&eight, 0);
    ASSERT_EQ(e.size(), 2u + 2 + 16 + 2);
    EXPECT_EQ(e[2] | (e[3] << 8), (2 << 13) | (7 << 10) | 5);
}

TEST(EntityEncoding, TextLengthsChooseSixteenOrThirtyTwoBitLengths)
{
    for (DWORD len : {65534u, 65535u}) {
        for (bool bytes : {false, true}) {
            std::string s(len, 'q');
            s[len - 1] = 'z';
            FLENT_BLK root(2);
            if (bytes)
                root.AddBytesBuf(9, s.data(), len);
            else
                root.AddTextBuf(9, s.data(), len);
            Bytes b = Encode(&root, 2);
            FLENT_HDR h = FirstChildHeader(b, 2);
            DWORD wide = len >= 65535;
            EXPECT_EQ(h.code, (bytes ? 6u : 2u) + wide) << len;
            EXPECT_EQ(b.size(), 4u + 4 + (wide ? 4 : 2) + len + 4);
            Decoded d = Decode(b, 2);
            ASSERT_NE(d.root, nullptr);
            const char* data = nullptr;
            ASSERT_EQ(d.root->GetText(9, &data), len);
            EXPECT_EQ(std::string(data, len), s);
            EXPECT_EQ(data[len], '\0');
            const FLENT_STR* back = d.root->FindText(9);
            ASSERT_NE(back, nullptr);
            EXPECT_EQ(back->GetKind(), bytes ? FLENT_KIND_BSTR : FLENT_KIND_STR);
        }
    }
}

TEST(EntityEncoding, NamesKeepAtMost1023Characters)
{
    for (int variant = 0; variant < 3; ++variant) {
        for (size_t len : {1u, 1023u, 1024u}) {
            std::string name(len, 'n');
            name[0] = 'A';
            FLENT_BLK root(4);
            ASSERT_TRUE(root.SetName(name.c_str()));
            EXPECT_EQ(root.GetNameLength(), static_cast<int>(std::min<size_t>(len, 1023)));
            Decoded d = Decode(Encode(&root, variant), variant);
            ASSERT_NE(d.root, nullptr);
            EXPECT_EQ(std::string(d.root->GetName()), name.substr(0, 1023));
            EXPECT_TRUE(d.errors.empty()) << d.Events();
        }
    }
}

TEST(EntityEncoding, EmptyNameWritesNoMarkerAndClearsTheName)
{
    FLENT_BLK root(4);
    root.SetName("x");
    root.SetName("");
    EXPECT_EQ(root.GetName(), nullptr);
    Bytes b = Encode(&root, 0);
    EXPECT_EQ(b, (Bytes{4, 0x04, 0, 0}));
}

TEST(EntityEncoding, FloatsOnTheMediumAreXoredWithTheKey)
{
    const DWORD key = 0xA5A5F00F;
    FLENT_BLK root(1);
    float values[2] = {1.0f, -3.5f};
    root.AddFloatArray(2, values, 2);
    Bytes b = Encode(&root, 0, key);
    ASSERT_EQ(b.size(), 2u + 2 + 8 + 2);
    for (int i = 0; i < 2; ++i) {
        DWORD stored, plain;
        std::memcpy(&stored, &b[4 + 4 * i], 4);
        std::memcpy(&plain, &values[i], 4);
        EXPECT_EQ(stored, plain ^ key);
    }
    // The tree keeps its values, and the same key reads them back.
    const FLENT_FLT* kept = root.FindFloat(2);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetAt(1), -3.5f);
    Decoded back = Decode(b, 0, key);
    ASSERT_NE(back.root, nullptr);
    const FLENT_FLT* read = back.root->FindFloat(2);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetAt(1), -3.5f);
}

TEST(EntityEncoding, ListIsWrittenAsConsecutiveElementBlocks)
{
    FLENT_BLK root(1);
    for (int i = 0; i < 3; ++i)
        root.NewListElement(77)->AddInt(1, static_cast<WORD>(i + 1));
    Bytes b = Encode(&root, 0);
    Bytes expected;
    PutHeader(expected, 0, 0, 1, 1);
    for (int i = 0; i < 3; ++i) {
        PutHeader(expected, 0, 0, 4, 77);
        PutHeader(expected, 0, 2, 0, 1);
        Put16(expected, static_cast<WORD>(i + 1));
        Put16(expected, 0);
    }
    Put16(expected, 0);
    EXPECT_EQ(b, expected);
    Decoded d = Decode(b, 0);
    ASSERT_NE(d.root, nullptr);
    EXPECT_EQ(d.root->GetListCount(77), 3u);
    const FLENT_BLK* third = d.root->GetListElement(77, 2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->GetInt(1), 3);
    EXPECT_EQ(d.root->GetListElement(77, 3), nullptr);
}

TEST(EntityEncoding, MarkersOfCountsAndFlags)
{
    for (int variant = 0; variant < 3; ++variant) {
        FLENT_BLK root(9);
        root.SetElementCount(1023);
        root.SetFlag(3, 17);
        Bytes b = Encode(&root, variant);
        Bytes expected;
        PutHeader(expected, variant, 0, 1, 9);
        if (variant == 0) {
            Put16(expected, 0x2400 + 1023);
            Put16(expected, 0x2800 + (3 << 8) + 17);
        } else {
            PutHeader(expected, variant, 1, 0, 0x2400 + 1023);
            PutHeader(expected, variant, 1, 0, 0x2800 + (3 << 8) + 17);
        }
        PutHeader(expected, variant, 0, 0, 0);
        EXPECT_EQ(b, expected) << variant;
        Decoded d = Decode(b, variant);
        EXPECT_EQ(d.root->GetElementCount(), 1023);
        EXPECT_EQ(d.root->GetFlag(3), 17);
    }
}

TEST(EntityEncoding, ElementCountOfBlockThreeIsDerived)
{
    auto make = [](DWORD id, DWORD n, DWORD longs, DWORD floats) {
        auto b = std::make_unique<FLENT_BLK>(id);
        b->SetElementCount(static_cast<WORD>(n));
        std::string text(n, 't');
        b->AddText(95, text.c_str());
        std::vector<LONG> l(longs, 1);
        b->AddLongArray(98, l.data(), longs);
        std::vector<float> f(floats, 1.0f);
        b->AddFloatArray(94, f.data(), floats);
        return b;
    };
    struct Case {
        DWORD id, n, longs, floats;
        WORD expected;
    } cases[] = {
        {3, 5000, 5000, 10000, 5000}, {3, 1024, 1024, 2048, 1024}, {3, 16383, 16383, 32766, 16383},
        {3, 16384, 16384, 32768, 0},  {3, 5000, 4999, 10000, 0},   {3, 5000, 5000, 9999, 0},
        {4, 5000, 5000, 10000, 0},
    };
    for (const Case& c : cases) {
        auto b = make(c.id, c.n, c.longs, c.floats);
        Bytes bytes = Encode(b.get(), 0);
        Decoded d = Decode(bytes, 0);
        ASSERT_NE(d.root, nullptr);
        EXPECT_EQ(d.root->GetElementCount(), c.expected) << c.id << " " << c.n;
    }
}

TEST(EntityBuilding, ZeroScalarsAndEmptyTextsAddNothing)
{
    FLENT_BLK root(1);
    EXPECT_TRUE(root.AddFloat(1, 0.0f));
    EXPECT_TRUE(root.AddInt(2, 0));
    EXPECT_TRUE(root.AddLong(3, 0));
    EXPECT_TRUE(root.AddText(4, ""));
    EXPECT_TRUE(root.AddText(5, nullptr));
    EXPECT_TRUE(root.AddIntArray(6, nullptr, 0));
    EXPECT_EQ(root.GetFirstChild(), nullptr);
    EXPECT_TRUE(root.AddFloat(1, -0.0f) || true);
    EXPECT_TRUE(root.AddIntTuple(7, {0, 0}));
    EXPECT_EQ(root.GetIntCount(7), 2u);
    EXPECT_FALSE(root.AddIntTuple(8, {1}));
    EXPECT_FALSE(root.AddIntTuple(8, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(EntityBuilding, FrontInsertsAndTailAppends)
{
    FLENT_BLK root(1);
    root.AddInt(1, 1);
    root.AddInt(2, 2);
    root.AddInt(3, 3, TRUE);
    std::vector<DWORD> ids;
    for (FLENT* c = root.GetFirstChild(); c; c = c->GetNext())
        ids.push_back(c->GetId());
    EXPECT_EQ(ids, (std::vector<DWORD>{3, 1, 2}));
    ASSERT_NE(root.GetLastChild(), nullptr);
    EXPECT_EQ(root.GetLastChild()->GetId(), 2u);
    EXPECT_EQ(root.GetFirstChild()->GetParent(), &root);
    FLENT_BLK* front = new FLENT_BLK(5);
    root.AddToList(40, root.NewListElement(40) ? new FLENT_BLK(0) : nullptr, TRUE);
    root.AddToList(40, front);
    int count = 0;
    FLENT_BLK* first = root.GetList(40, &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(first->GetId(), 40u);
    EXPECT_EQ(root.GetListElement(40, 2), front);
    EXPECT_EQ(front->GetId(), 40u);
}

TEST(EntityBuilding, LookupsAnswerZeroWhenAbsent)
{
    FLENT_BLK root(1);
    root.AddText(4, "abc");
    root.AddIntTuple(5, {10, 20});
    root.AddLongTuple(6, {-1, -2, -3});
    root.AddFloatTuple(7, {1.5f, 2.5f});
    EXPECT_EQ(root.Find(4, FLENT_KIND_BSTR), root.Find(4, FLENT_KIND_STR));
    EXPECT_EQ(root.Find(4, FLENT_KIND_INT), nullptr);
    EXPECT_EQ(root.GetIntAt(5, 1), 20);
    EXPECT_EQ(root.GetIntAt(5, 2), 0);
    EXPECT_EQ(root.GetLong(6), -1);
    EXPECT_EQ(root.GetLongAt(6, 2), -3);
    EXPECT_EQ(root.GetFloat(7), 1.5f);
    EXPECT_EQ(root.GetFloatCount(7), 2u);
    EXPECT_EQ(root.GetLongCount(99), 0u);
    const char* data = reinterpret_cast<const char*>(1);
    EXPECT_EQ(root.GetText(99, &data), 0u);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(root.GetListElement(4, 0), nullptr);
    // Ids keep their low ten bits.
    EXPECT_EQ(root.Find(4 + 1024), root.Find(4));
}

TEST(EntityBuilding, AdoptedBuffersAreOwned)
{
    FLENT_BLK root(1);
    char* text = static_cast<char*>(std::malloc(3));
    std::memcpy(text, "xyz", 3);
    ASSERT_TRUE(root.AddTextBuf(1, text, 3, TRUE));
    const FLENT_STR* adopted = root.FindText(1);
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(adopted->GetData(), text);
    LONG* longs = static_cast<LONG*>(std::malloc(2 * sizeof(LONG)));
    longs[0] = 5, longs[1] = 6;
    ASSERT_TRUE(root.AddLongArray(2, longs, 2, TRUE));
    EXPECT_EQ(root.GetLongAt(2, 1), 6);
    Decoded d = Decode(Encode(&root, 1), 1);
    EXPECT_EQ(Describe(d.root.get()), Describe(&root));
}

} // namespace
