// Repeated ids within a block, and the depth limit: documents made byte by byte, read back, and
// their event logs compared in full.
#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "entity_test_util.h"

using namespace entity_test;

namespace {

// A root block 1 holding a text 7 "a" and then `tail` (headers in `variant`).
Bytes TextThen(int variant, DWORD cls, DWORD code, DWORD id)
{
    Bytes b;
    PutHeader(b, variant, 0, 1, 1);
    PutHeader(b, variant, 0, 2, 7);
    Put16(b, 1);
    b.push_back('a');
    PutHeader(b, variant, cls, code, id);
    PutHeader(b, variant, 0, 0, 0);
    return b;
}

TEST(EntityRepeatedId, UnknownCodesAndClassesAreCheckedForRepeatsFirst)
{
    // An unknown class-0 code under a used id: the repeat, then the unknown code.
    Decoded code = Decode(TextThen(2, 0, 9, 7), 2);
    ASSERT_NE(code.root, nullptr);
    EXPECT_EQ(code.Events(), "(16,29,7,1)(8,5,9,1)");
    EXPECT_EQ(code.worst, FLENT_SEV_ERROR);
    EXPECT_FALSE(code.failed);  // a repeat leaves the stream working
    EXPECT_EQ(Describe(code.root.get()), "blk 1 {txt 7 len=1 'a';}");

    // An unknown class under a used id is skipped after the repeat is logged.
    Decoded cls = Decode(TextThen(1, 9, 0, 7), 1);
    ASSERT_NE(cls.root, nullptr);
    EXPECT_EQ(cls.Events(), "(16,29,7,1)");
    EXPECT_EQ(cls.worst, FLENT_SEV_ERROR);
    EXPECT_FALSE(cls.failed);

    // Under an unused id they log only what they are.
    EXPECT_EQ(Decode(TextThen(2, 0, 9, 8), 2).Events(), "(8,5,9,1)");
    EXPECT_EQ(Decode(TextThen(1, 9, 0, 8), 1).Events(), "");
}

void PutName(Bytes& b, const char* name)
{
    std::string s(name);
    Put16(b, static_cast<WORD>(0x2000 + s.size()));
    b.insert(b.end(), s.begin(), s.end());
}

TEST(EntityRepeatedId, ARepeatedBlockReplacesTheFirstOne)
{
    Bytes b;
    PutHeader(b, 0, 0, 1, 1);
    PutHeader(b, 0, 0, 1, 4);  // block 4 {name "A", count 3, flag 2, u16 2 = 5}
    PutName(b, "A");
    Put16(b, 0x2400 + 3);
    Put16(b, 0x2800 + (2 << 8) + 9);
    PutHeader(b, 0, 2, 0, 2);
    Put16(b, 5);
    PutHeader(b, 0, 0, 0, 0);
    PutHeader(b, 0, 2, 0, 6);  // u16 6 = 1, after the block
    Put16(b, 1);
    PutHeader(b, 0, 0, 1, 4);  // block 4 again {flag 0, name "B"}
    Put16(b, 0x2800 + 1);
    PutName(b, "B");
    PutHeader(b, 0, 0, 0, 0);
    PutHeader(b, 0, 0, 0, 0);

    Decoded d = Decode(b, 0);
    ASSERT_NE(d.root, nullptr);
    // Only the second block's contents remain, in the first one's place; no "set twice".
    EXPECT_EQ(Describe(d.root.get()), "blk 1 {blk 4 'B' f0=1 {};int 6 #1 <1 sum=1>;}");
    EXPECT_EQ(d.Events(), "(16,29,4,1)");
    EXPECT_FALSE(d.failed);
}

TEST(EntityRepeatedId, TextsAndArraysAreReplacedAndListsGrowSilently)
{
    FLENT_BLK a(1);
    a.AddText(3, "first");
    a.AddIntTuple(5, {1, 2, 3});
    a.NewListElement(9)->AddInt(1, 1);
    FLENT_BLK b(1);
    b.AddText(3, "second");
    b.AddIntTuple(5, {7, 8});
    b.NewListElement(9)->AddInt(1, 2);
    Bytes bytes = Encode(&a, 0);
    Bytes more = Encode(&b, 0);
    bytes.pop_back(), bytes.pop_back();                            // a's end header
    bytes.insert(bytes.end(), more.begin() + 2, more.end());      // b's body and end
    Decoded d = Decode(bytes, 0);
    ASSERT_NE(d.root, nullptr);
    EXPECT_EQ(Describe(d.root.get()),
              "blk 1 {txt 3 len=6 'second';int 5 #2 <7 8 sum=225>;"
              "lst 9 #2 [blk 9 {int 1 #1 <1 sum=1>;},blk 9 {int 1 #1 <2 sum=2>;},];}");
    EXPECT_EQ(d.Events(), "(16,29,3,1)(16,29,5,1)");
}

// Nested blocks 1, 2, 3, 2, 3, ... `levels` deep, none closed.
Bytes Nested(int levels, bool named)
{
    Bytes b;
    PutHeader(b, 0, 0, 1, 1);
    for (int i = 0; i < levels; ++i) {
        PutHeader(b, 0, 0, 1, i % 2 ? 3 : 2);
        if (named)
            PutName(b, std::string(1023, 'n').c_str());
    }
    return b;
}

TEST(EntityDepth, ReadAndSkippedBlocksAreRefusedWithTheSameArguments)
{
    Bytes b = Nested(100000, false);
    Decoded read = Decode(b, 0, 0, FLENT_FILTER_ALL);
    Decoded skipped = Decode(b, 0, 0, FLENT_FILTER_PREVIEW);
    ASSERT_FALSE(read.errors.empty());
    ASSERT_FALSE(skipped.errors.empty());
    const FLENT_ERR& r = read.errors.back();
    const FLENT_ERR& s = skipped.errors.back();
    EXPECT_EQ(r.code, 30);
    EXPECT_EQ(s.code, 30);
    // The refused block and the block holding it: ids 2 and 3 alternate, so they differ.
    EXPECT_EQ(r.arg1 + r.arg2, 5);
    EXPECT_EQ(r.arg1, s.arg1);
    EXPECT_EQ(r.arg2, s.arg2);
}

void* ReadDeepNamedDocument(void* result)
{
    Decoded d = Decode(Nested(FLENT_IO::kMaxDepth - 1, true), 0);
    int depth = 0;
    for (const FLENT* b = d.root ? d.root->GetFirstChild() : nullptr; b; b = b->GetFirstChild())
        depth += b->GetNameLength() == 1023;
    *static_cast<bool*>(result) = d.errors.empty() && depth == FLENT_IO::kMaxDepth - 1;
    return nullptr;
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(EntityDepth, NamedBlocksReadToTheLimitOnASmallThreadStack)
{
    // The deepest document that is read whole, with a name of 1023 bytes on every level, read
    // on a thread of 256 KiB stack (a name buffer on every level would need more); in a child
    // process, so an overflow fails only this test.
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, 256 * 1024);
        pthread_t thread;
        bool ok = false;
        if (pthread_create(&thread, &attr, ReadDeepNamedDocument, &ok) != 0)
            _exit(3);
        pthread_join(thread, nullptr);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the reader died (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

} // namespace
