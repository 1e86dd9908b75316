// Hostile input: truncated, byte-flipped and made-up documents give the described events and a
// partial tree, never a crash, a hang or an allocation the data cannot back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "entity_test_util.h"

using namespace entity_test;

namespace {

std::unique_ptr<FLENT_BLK> MakeDoc()
{
    auto root = std::make_unique<FLENT_BLK>(1);
    root->SetName("doc");
    root->SetFlag(1, 3);
    std::string text(3000, 'x');
    root->AddText(2, text.c_str());
    root->AddBytes(3, "bytes");
    std::vector<float> f(20, 1.5f);
    root->AddFloatArray(4, f.data(), 20);
    std::vector<LONG> l(40, 7);
    root->AddLongArray(5, l.data(), 40);
    root->AddIntTuple(6, {1, 2, 3});
    for (int i = 0; i < 2; ++i)
        root->NewListElement(7)->AddText(1, "element");
    FLENT_BLK* inner = new FLENT_BLK(8);
    inner->AddLong(1, 99);
    root->Insert(inner);
    return root;
}

TEST(EntityHostile, EveryTruncationEndsCleanlyWithAPartialTree)
{
    for (int variant = 0; variant < 3; ++variant) {
        auto doc = MakeDoc();
        Bytes full = Encode(doc.get(), variant, 0x1234);
        for (size_t cut = 0; cut < full.size(); ++cut) {
            Bytes part(full.begin(), full.begin() + cut);
            Decoded d = Decode(part, variant, 0x1234);
            // Short data always ends in a failed stream; only the last header can be missing.
            ASSERT_TRUE(d.failed || d.root == nullptr) << variant << " cut " << cut;
            for (auto& e : d.errors)
                EXPECT_EQ(e.severity, FLENT_SEV_ERROR) << d.Events();
        }
    }
}

TEST(EntityHostile, ShortTextsAndArraysLogTheirCodes)
{
    struct Case {
        int kind;
        DWORD count;
        WORD code;
    } cases[] = {
        {FLENT_KIND_STR, 3000, 14}, {FLENT_KIND_STR, 2048, 13}, {FLENT_KIND_STR, 40, 14},
        {FLENT_KIND_INT, 5, 15},    {FLENT_KIND_INT, 300, 17},  {FLENT_KIND_INT, 70000, 15},
        {FLENT_KIND_LNG, 5, 19},    {FLENT_KIND_LNG, 300, 21},  {FLENT_KIND_LNG, 70000, 19},
        {FLENT_KIND_FLT, 5, 23},    {FLENT_KIND_FLT, 300, 25},  {FLENT_KIND_FLT, 70000, 23},
    };
    for (const Case& c : cases) {
        FLENT_BLK root(1);
        if (c.kind == FLENT_KIND_STR) {
            std::string s(c.count, 's');
            root.AddText(9, s.c_str());
        } else if (c.kind == FLENT_KIND_INT) {
            std::vector<WORD> v(c.count, 3);
            root.AddIntArray(9, v.data(), c.count);
        } else if (c.kind == FLENT_KIND_LNG) {
            std::vector<LONG> v(c.count, 3);
            root.AddLongArray(9, v.data(), c.count);
        } else {
            std::vector<float> v(c.count, 3.0f);
            root.AddFloatArray(9, v.data(), c.count);
        }
        Bytes b = Encode(&root, 2);
        b.resize(b.size() - 4 - 3);  // lose the end header and three bytes of data
        Decoded d = Decode(b, 2);
        ASSERT_NE(d.root, nullptr);
        ASSERT_EQ(d.errors.size(), 1u) << c.kind << " " << c.count << d.Events();
        EXPECT_EQ(d.errors[0].code, c.code) << c.kind << " " << c.count;
        EXPECT_EQ(d.errors[0].arg1, 9);
        EXPECT_EQ(d.errors[0].arg2, 2);
        EXPECT_TRUE(d.failed);
        if (c.kind == FLENT_KIND_STR) {
            const char* text;
            DWORD len = d.root->GetText(9, &text);
            EXPECT_LT(len, c.count);
            EXPECT_EQ(text[len], '\0');
        } else if (c.kind == FLENT_KIND_FLT) {
            EXPECT_EQ(d.root->GetFloat(9), 0.0f);  // a float array cut short is cleared
        } else if (c.kind == FLENT_KIND_LNG && c.count > 5) {
            EXPECT_EQ(d.root->GetLongAt(9, 0), 3);  // what arrived is kept
        }
    }
}

TEST(EntityHostile, MadeUpCountsReadShortWithoutGiantAllocations)
{
    struct Case {
        const char* what;
        DWORD cls, code;
        DWORD word;
        bool len32;
        WORD expected;
    } cases[] = {
        {"large 32-bit array", 0, 5, 0xC0000000u | 0x3FFFFFFFu, true, 19},
        {"large float array", 0, 5, 0x80000000u | 0x3FFFFFFFu, true, 23},
        {"large 16-bit array", 0, 5, 0x3FFFFFFFu, true, 15},
        {"text of 4 GB", 0, 3, 0xFFFFFFFFu, true, 13},
        {"byte string of 4 GB", 0, 7, 0xFFFFFFF0u, true, 13},
    };
    for (const Case& c : cases) {
        Bytes b;
        PutHeader(b, 2, 0, 1, 1);
        PutHeader(b, 2, c.cls, c.code, 9);
        Put32(b, c.word);
        for (int i = 0; i < 5000; ++i)
            b.push_back(static_cast<BYTE>(i));
        Decoded d = Decode(b, 2);
        ASSERT_NE(d.root, nullptr) << c.what;
        ASSERT_FALSE(d.errors.empty()) << c.what;
        EXPECT_EQ(d.errors.back().code, c.expected) << c.what << d.Events();
        const FLENT* e = d.root->Find(9);
        ASSERT_NE(e, nullptr) << c.what;
        // Nothing larger than the data that was there was allocated.
        if (e->GetKind() == FLENT_KIND_LNG)
            EXPECT_LE(static_cast<const FLENT_LNG*>(e)->GetCount(), 5000u / 4);
        if (e->GetKind() == FLENT_KIND_FLT)
            EXPECT_LE(static_cast<const FLENT_FLT*>(e)->GetCount(), 5000u / 4);
        if (e->GetKind() == FLENT_KIND_INT)
            EXPECT_LE(static_cast<const FLENT_INT*>(e)->GetCount(), 5000u / 2);
        if (e->GetKind() == FLENT_KIND_STR || e->GetKind() == FLENT_KIND_BSTR)
            EXPECT_LE(static_cast<const FLENT_STR*>(e)->GetLength(), 5000u);
    }
}

TEST(EntityHostile, MadeUpCountsInMemoryBuffersReadShortToo)
{
    MemBuf mem(1024, 8);
    Bytes b;
    PutHeader(b, 0, 0, 1, 1);
    PutHeader(b, 0, 0, 5, 9);
    Put32(b, 0xC0000000u | 0x3FFFFFFFu);
    mem.Write(b.data(), static_cast<DWORD>(b.size()));
    mem.Rewind();
    FLENT_IO io(&mem, 0, 0);
    std::unique_ptr<FLENT_BLK> root(io.ReadRoot(0));
    ASSERT_NE(root, nullptr);
    EXPECT_LE(root->GetLongCount(9), 1024u / 4);
    EXPECT_TRUE(io.IsFailed());
}

TEST(EntityHostile, DeepNestingIsRefusedAtTheDepthLimit)
{
    for (int filter : {FLENT_FILTER_ALL, FLENT_FILTER_PREVIEW}) {
        Bytes b;
        for (int i = 0; i < 100000; ++i)
            PutHeader(b, 0, 0, 1, filter == FLENT_FILTER_PREVIEW ? 1 : 53);
        Decoded d = Decode(b, 0, 0, filter);
        ASSERT_NE(d.root, nullptr);
        ASSERT_FALSE(d.errors.empty());
        EXPECT_EQ(d.errors.back().code, 30) << d.Events();
        EXPECT_TRUE(d.failed);
    }
    // Through lists too.
    Bytes l;
    PutHeader(l, 0, 0, 1, 1);
    for (int i = 0; i < 100000; ++i)
        PutHeader(l, 0, 0, 4, 2);
    Decoded d = Decode(l, 0);
    EXPECT_EQ(d.errors.back().code, 30);
}

TEST(EntityHostile, EventFloodsAreCappedInTheLog)
{
    Bytes b;
    PutHeader(b, 2, 0, 1, 1);
    for (DWORD i = 0; i < FLENT_IO::kMaxLoggedEvents + 10; ++i)
        PutHeader(b, 2, 0, 200, 1);  // unknown code: logged, reading goes on
    PutHeader(b, 2, 0, 0, 0);
    Decoded d = Decode(b, 2);
    EXPECT_EQ(d.errors.size(), FLENT_IO::kMaxLoggedEvents);
    EXPECT_EQ(d.worst, FLENT_SEV_FORMAT);
    EXPECT_FALSE(d.failed);
}

TEST(EntityHostile, FlippedBytesNeverCrash)
{
    std::mt19937 rng(20240611);
    for (int variant = 0; variant < 3; ++variant) {
        auto doc = MakeDoc();
        Bytes full = Encode(doc.get(), variant);
        for (int round = 0; round < 400; ++round) {
            Bytes b = full;
            int flips = 1 + static_cast<int>(rng() % 4);
            for (int i = 0; i < flips; ++i)
                b[rng() % b.size()] ^= static_cast<BYTE>(1 + rng() % 255);
            for (int filter : {FLENT_FILTER_ALL, FLENT_FILTER_PREVIEW}) {
                Decoded d = Decode(b, variant, 0, filter);
                if (d.root) {
                    FLENT_BLK copy(*d.root);  // the partial tree is whole
                    EXPECT_EQ(Describe(&copy), Describe(d.root.get()));
                }
            }
        }
    }
}

} // namespace
