// Reading: filters, repeated ids, the deferred byte string 580, markers and logged events.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "entity_test_util.h"

using namespace entity_test;

namespace {

// A root with everything the preview filter treats differently.
std::unique_ptr<FLENT_BLK> MakeFilterDoc()
{
    auto root = std::make_unique<FLENT_BLK>(1);
    root->SetName("Title");
    root->AddText(12, "<MARKER>");
    root->AddBytes(37, "thirty-seven");
    root->AddText(13, "dropped text");
    root->AddBytes(14, "dropped bytes");
    FLENT_BLK* preview = new FLENT_BLK(53);
    preview->AddIntTuple(51, {3, 2, 2});
    preview->AddText(805, "caption");
    root->Insert(preview);
    FLENT_BLK* other = new FLENT_BLK(54);
    other->AddInt(1, 1);
    root->Insert(other);
    root->NewListElement(60)->AddInt(1, 1);
    root->AddIntTuple(20, {1, 2});                 // small 16-bit: kept
    root->AddLongTuple(21, {1, 2});                // small 32-bit: dropped
    root->AddFloatTuple(22, {1.0f, 2.0f});         // small float: dropped
    std::vector<WORD> medium(300, 7);
    root->AddIntArray(23, medium.data(), 300);     // medium: dropped
    std::vector<LONG> large(70000, 9);
    root->AddLongArray(24, large.data(), 70000);   // large: kept
    return root;
}

TEST(EntityFilters, PreviewFilterKeepsWhatTheTitleReaderNeeds)
{
    for (int variant = 0; variant < 3; ++variant) {
        auto doc = MakeFilterDoc();
        Decoded d = Decode(Encode(doc.get(), variant), variant, 0, FLENT_FILTER_PREVIEW);
        ASSERT_NE(d.root, nullptr);
        std::vector<DWORD> ids;
        for (FLENT* c = d.root->GetFirstChild(); c; c = c->GetNext())
            ids.push_back(c->GetId());
        EXPECT_EQ(ids, (std::vector<DWORD>{12, 37, 53, 20, 24})) << variant;
        EXPECT_STREQ(d.root->GetName(), "Title");
        const FLENT_BLK* preview = d.root->FindBlock(53);
        ASSERT_NE(preview, nullptr) << variant;
        EXPECT_EQ(preview->GetIntAt(51, 2), 2);
        EXPECT_EQ(d.root->GetLongCount(24), 70000u);
        EXPECT_TRUE(d.errors.empty()) << d.Events();
    }
}

TEST(EntityFilters, NoPreviewFilterDropsTextsTwelveAndThirtySeven)
{
    auto doc = MakeFilterDoc();
    Decoded d = Decode(Encode(doc.get(), 1), 1, 0, FLENT_FILTER_NO_PREVIEW);
    EXPECT_EQ(d.root->FindText(12), nullptr);
    EXPECT_EQ(d.root->FindText(37), nullptr);
    EXPECT_NE(d.root->FindText(13), nullptr);
    EXPECT_NE(d.root->FindBlock(54), nullptr);
    EXPECT_EQ(d.root->GetListCount(60), 1u);
    // Nested blocks are read with filter 0.
    FLENT_BLK nested(1);
    FLENT_BLK* inner = new FLENT_BLK(2);
    inner->AddText(12, "inner");
    nested.Insert(inner);
    Decoded n = Decode(Encode(&nested, 0), 0, 0, FLENT_FILTER_NO_PREVIEW);
    ASSERT_NE(n.root, nullptr);
    const FLENT_BLK* innerBack = n.root->FindBlock(2);
    ASSERT_NE(innerBack, nullptr);
    EXPECT_NE(innerBack->FindText(12), nullptr);
}

TEST(EntityDeferred, FirstByteString580IsLeftInPlaceTheSecondIsRead)
{
    for (int variant = 0; variant < 3; ++variant) {
        FLENT_BLK root(1);
        FLENT_BLK* a = new FLENT_BLK(2);
        a->AddBytes(580, "first");
        root.Insert(a);
        FLENT_BLK* b = new FLENT_BLK(3);
        b->AddBytes(580, "second");
        root.Insert(b);
        Bytes bytes = Encode(&root, variant);
        Decoded d = Decode(bytes, variant);
        ASSERT_NE(d.root, nullptr);
        const FLENT_BLK* first = d.root->FindBlock(2);
        const FLENT_BLK* second = d.root->FindBlock(3);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(first->FindText(580), nullptr);
        const char* text = nullptr;
        EXPECT_EQ(second->GetText(580, &text), 6u);
        EXPECT_STREQ(text, "second");
        // The deferred position is that of the first one's length field.
        size_t h = variant == 0 ? 2 : variant == 1 ? 3 : 4;
        EXPECT_EQ(d.deferredPos, static_cast<long>(3 * h));
        EXPECT_EQ(d.deferredWide, 0);
        EXPECT_EQ(bytes[d.deferredPos], 5);
    }
}

TEST(EntityDeferred, NullByteStringReservesRoomAndRecordsItsStart)
{
    for (bool mem : {false, true}) {
        FLENT_BLK root(1);
        FLENT_BSTR* placeholder = new FLENT_BSTR(580);
        ASSERT_TRUE(placeholder->SetData(nullptr, 10, TRUE));
        EXPECT_EQ(placeholder->GetLength(), 0u);  // adopting null keeps nothing
        root.Insert(placeholder);
        // A reserved byte string: null data with a length.
        struct Reserved : FLENT_BSTR {
            Reserved() : FLENT_BSTR(581) { m_length = 10; }
        };
        root.Insert(new Reserved);
        root.AddInt(2, 5);
        Bytes bytes;
        long deferred = -1;
        if (mem) {
            MemBuf buf(16, 10);
            FLENT_IO io(&buf, 0, 0);
            ASSERT_TRUE(io.Write(&root));
            deferred = io.GetDeferredPos();
            bytes.resize(buf.Tell());
            buf.Rewind();
            buf.Read(bytes.data(), static_cast<DWORD>(bytes.size()));
        } else {
            bytes = Encode(&root, 0);
        }
        // blk, empty bstr 580 (header + length), bstr 581 header + length, 10 reserved bytes
        ASSERT_EQ(bytes.size(), 2u + 4 + 4 + 10 + 4 + 2);
        if (mem)
            EXPECT_EQ(deferred, 10);
        for (int i = 10; i < 20; ++i)
            EXPECT_EQ(bytes[i], 0) << i;
        Decoded d = Decode(bytes, 0);
        EXPECT_EQ(d.root->GetInt(2), 5);
        EXPECT_EQ(d.root->GetText(581, nullptr), 10u);
    }
}

TEST(EntityRepeats, RepeatedIdIsLoggedAndReplacesTheContents)
{
    Bytes b;
    PutHeader(b, 0, 0, 1, 8);
    PutHeader(b, 0, 0, 2, 4);
    Put16(b, 3);
    b.insert(b.end(), {'o', 'n', 'e'});
    PutHeader(b, 0, 0, 2, 4);
    Put16(b, 2);
    b.insert(b.end(), {'t', 'w'});
    PutHeader(b, 0, 2, 0, 4);  // same id, another kind: dropped
    Put16(b, 77);
    PutHeader(b, 0, 2, 1, 6);
    Put16(b, 1);
    Put16(b, 2);
    PutHeader(b, 0, 0, 0, 0);
    Decoded d = Decode(b, 0);
    ASSERT_NE(d.root, nullptr);
    const char* text;
    EXPECT_EQ(d.root->GetText(4, &text), 2u);
    EXPECT_STREQ(text, "tw");
    EXPECT_EQ(d.root->GetIntCount(4), 0u);
    EXPECT_EQ(d.root->GetIntAt(6, 1), 2);
    EXPECT_EQ(d.Events(), "(16,29,4,8)(16,29,4,8)");
    EXPECT_FALSE(d.failed);
}

TEST(EntityRepeats, RepeatedLargeArrayIsSkippedAndListElementsJoinTheirList)
{
    Bytes b;
    PutHeader(b, 2, 0, 1, 8);
    PutHeader(b, 2, 2, 0, 5);
    Put16(b, 1);
    PutHeader(b, 2, 0, 5, 5);
    Put32(b, 0x40000000 | 2);
    Put16(b, 10), Put16(b, 11);
    PutHeader(b, 2, 0, 4, 9);
    PutHeader(b, 2, 0, 0, 0);
    PutHeader(b, 2, 2, 0, 7);
    Put16(b, 3);
    PutHeader(b, 2, 0, 4, 9);
    PutHeader(b, 2, 0, 0, 0);
    PutHeader(b, 2, 0, 0, 0);
    Decoded d = Decode(b, 2);
    ASSERT_NE(d.root, nullptr);
    EXPECT_EQ(d.root->GetIntCount(5), 1u);
    EXPECT_EQ(d.root->GetInt(7), 3);
    EXPECT_EQ(d.root->GetListCount(9), 2u);
    EXPECT_EQ(d.Events(), "(16,29,5,8)");
}

TEST(EntityMarkers, SettingTwiceWarnsAndReplaces)
{
    for (int variant = 0; variant < 3; ++variant) {
        Bytes b;
        PutHeader(b, variant, 0, 1, 8);
        auto marker = [&](WORD m) {
            if (variant == 0)
                Put16(b, m);
            else
                PutHeader(b, variant, 1, 0, m);
        };
        marker(0x2000 + 2), b.insert(b.end(), {'a', 'b'});
        marker(0x2000 + 1), b.insert(b.end(), {'c'});
        marker(0x2400 + 5);
        marker(0x2400 + 6);
        marker(0x2800 + (2 << 8) + 9);
        marker(0x2800 + (2 << 8) + 10);
        marker(0x2800 + (4 << 8));   // b = 0: ignored
        marker(0x2000);              // n = 0: ignored
        marker(0x3000);              // unknown: ignored
        PutHeader(b, variant, 0, 0, 0);
        Decoded d = Decode(b, variant);
        ASSERT_NE(d.root, nullptr);
        EXPECT_STREQ(d.root->GetName(), "c");
        EXPECT_EQ(d.root->GetElementCount(), 6);
        EXPECT_EQ(d.root->GetFlag(2), 10);
        EXPECT_EQ(d.root->GetFlag(4), 0);
        EXPECT_EQ(d.Events(), "(4,3,8,0)(4,2,8,0)(4,1,8,0)") << variant;
        EXPECT_EQ(d.worst, FLENT_SEV_WARNING);
    }
}

TEST(EntityCodes, UnknownCodesAndClassesInWideVariants)
{
    for (int variant = 1; variant < 3; ++variant) {
        Bytes b;
        PutHeader(b, variant, 0, 1, 8);
        PutHeader(b, variant, 0, 9, 3);   // unknown structural code: logged, reading goes on
        PutHeader(b, variant, 12, 0, 3);  // class above 7: skipped
        PutHeader(b, variant, 2, 0, 4);
        Put16(b, 42);
        // A nested block skipped by the preview filter holds an unknown class and code.
        PutHeader(b, variant, 0, 1, 70);
        PutHeader(b, variant, 9, 0, 1);
        PutHeader(b, variant, 0, 11, 1);
        PutHeader(b, variant, 0, 0, 0);
        PutHeader(b, variant, 0, 0, 0);
        Decoded d = Decode(b, variant);
        EXPECT_EQ(d.root->GetInt(4), 42);
        // Read, a class above 7 is passed over silently; skipped, it is logged (code 4).
        EXPECT_EQ(d.Events(), "(8,5,9,8)(8,5,11,70)");
        Decoded p = Decode(b, variant, 0, FLENT_FILTER_PREVIEW);
        EXPECT_EQ(p.Events(), "(8,5,9,8)(8,4,70,0)(8,5,11,70)");
        EXPECT_EQ(p.root->GetInt(4), 42);
    }
}

TEST(EntityCodes, ErrorArgumentsSaturate)
{
    FILE* f = std::tmpfile();
    FLENT_IO io(f, 0, 0);
    io.Log(FLENT_SEV_ERROR, 31, 70000, 1u << 31);
    EXPECT_EQ(io.GetErrors()->arg1, 65535);
    EXPECT_EQ(io.GetErrors()->arg2, 65535);
    EXPECT_TRUE(io.IsFailed());
    std::fclose(f);
}

TEST(EntityStream, FailedStreamDoesNothing)
{
    MemBuf mem(64, 4);
    FLENT_IO io(&mem, 0, 0);
    io.SetFailed();
    FLENT_BLK root(1);
    root.AddInt(1, 1);
    EXPECT_FALSE(io.Write(&root));
    EXPECT_EQ(mem.Tell(), 0);
    EXPECT_FALSE(io.Write16(1, 0));
    WORD v;
    EXPECT_FALSE(io.Read16(&v, 0));
    EXPECT_EQ(io.GetErrors(), nullptr);
}

TEST(EntityStream, WriteFailuresLogTheirCodesAndStop)
{
    struct Case {
        DWORD room;  // bytes the buffer can take
        WORD code;
    } cases[] = {
        {1, 7},    // the block header
        {4, 7},    // the array header
        {5, 7},    // the 16-bit count of a medium array
        {12, 20},  // the values
    };
    for (const Case& c : cases) {
        FLENT_BLK root(1);
        std::vector<LONG> v(10, 5);
        root.AddLongArray(2, v.data(), 10);
        root.AddInt(3, 1);
        MemBuf mem(static_cast<WORD>(c.room), 1);
        FLENT_IO io(&mem, 0, 0);
        EXPECT_FALSE(io.Write(&root));
        ASSERT_NE(io.GetErrors(), nullptr);
        EXPECT_EQ(io.GetErrors()->code, c.code) << c.room;
        EXPECT_EQ(io.GetErrors()->arg2, 1);
        EXPECT_EQ(io.GetErrors()->next, nullptr);  // nothing more after the failure
        EXPECT_TRUE(io.IsFailed());
    }
    // A file open for reading only takes nothing.
    FILE* f = std::fopen("/dev/null", "rb");
    FLENT_IO io(f, 0, 2);
    FLENT_BLK root(9);
    EXPECT_FALSE(io.Write(&root));
    EXPECT_EQ(io.GetErrors()->code, 7);
    EXPECT_EQ(io.GetErrors()->arg1, 9);
    std::fclose(f);
}

TEST(EntityStream, MemoryBufferFullSkipsTheTextAndGoesOn)
{
    MemBuf mem(32, 2);  // 64 bytes at most
    FLENT_BLK root(1);
    std::string big(100, 'b');
    root.AddText(2, big.c_str());
    root.AddInt(3, 9);
    FLENT_IO io(&mem, 0, 0);
    io.Write(&root);
    ASSERT_NE(io.GetErrors(), nullptr);
    EXPECT_EQ(io.GetErrors()->code, 40);
    EXPECT_EQ(io.GetErrors()->arg2, 1);
    EXPECT_FALSE(io.IsFailed());
    mem.Rewind();
    FLENT_IO in(&mem, 0, 0);
    std::unique_ptr<FLENT_BLK> back(in.ReadRoot(0));
    EXPECT_EQ(back->FindText(2), nullptr);
    EXPECT_EQ(back->GetInt(3), 9);
}

TEST(EntityStream, CountsOfTwoToTheThirtyAreReducedWithAWarning)
{
    FLENT_BLK root(1);
    WORD* values = static_cast<WORD*>(std::malloc(3 * sizeof(WORD)));
    values[0] = 1, values[1] = 2, values[2] = 3;
    // An array whose count claims 2^30 + 3 values: written as 3.
    struct Claim : FLENT_INT {
        using FLENT_INT::FLENT_INT;
        void SetCount(DWORD n) { m_count = n; }
    };
    Claim* a = new Claim(5);
    a->SetValues(values, 3, TRUE);
    root.Insert(a);
    a->SetCount((1u << 30) + 3);
    MemBuf mem(1024, 4);
    FLENT_IO io(&mem, 0, 0);
    io.Write(&root);
    a->SetCount(3);
    ASSERT_NE(io.GetErrors(), nullptr);
    EXPECT_EQ(io.GetErrors()->code, 78);
    EXPECT_EQ(io.GetWorstSeverity(), FLENT_SEV_WARNING);
    mem.Rewind();
    FLENT_IO in(&mem, 0, 0);
    std::unique_ptr<FLENT_BLK> back(in.ReadRoot(0));
    EXPECT_EQ(back->GetIntAt(5, 2), 3);
}

TEST(EntityStream, ProbeVersionFindsTheMagicOrStepsBack)
{
    for (DWORD magic : {FLENT_MAGIC0, FLENT_MAGIC1, FLENT_MAGIC2, 0x12345678u}) {
        FILE* f = std::tmpfile();
        std::fwrite(&magic, 4, 1, f);
        std::rewind(f);
        FLENT_IO io(f, 0, 0);
        int v = io.ProbeVersion();
        if (magic == 0x12345678u) {
            EXPECT_EQ(v, 0);
            EXPECT_EQ(std::ftell(f), 0);
        } else {
            EXPECT_EQ(v, static_cast<int>(magic - FLENT_MAGIC0) + 1);
            EXPECT_EQ(std::ftell(f), 4);
        }
        std::fclose(f);
    }
    MemBuf mem(2, 4);
    FLENT_IO small(&mem, 0, 0);
    EXPECT_EQ(small.ProbeVersion(), 0);
    MemBuf doc(64, 4);
    DWORD words[6] = {1, 2, 3, 4, 5, 6};
    FLENT_IO w(&doc, 0, 2);
    w.WriteDocHeader(words);
    EXPECT_EQ(w.ProbeVersion(), 3);
    doc.Rewind();
    DWORD magic = 0, back[6];
    doc.Read32(&magic);
    FLENT_IO r(&doc, 0, 2);
    ASSERT_TRUE(r.ReadDocWords(back));
    EXPECT_EQ(magic, FLENT_MAGIC2);
    EXPECT_EQ(back[5], 6u);
}

TEST(EntityStream, SeekAndTellWithoutASinkLogTheirCodes)
{
    FLENT_IO io(static_cast<FILE*>(nullptr), 0, 0);
    EXPECT_NE(io.Seek(0, SEEK_SET), 0);
    EXPECT_LT(io.Tell(7), 0);
    ASSERT_NE(io.GetErrors(), nullptr);
    EXPECT_EQ(io.GetErrors()->code, 27);
    EXPECT_EQ(io.GetErrors()->arg2, 3);
    EXPECT_EQ(io.GetErrors()->next->code, 28);
    EXPECT_EQ(io.GetErrors()->next->arg1, 7);
}

} // namespace
