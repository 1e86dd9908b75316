// Short string buffers and small blocks come from per-thread slabs: every size class and its
// edges keep their text through growing, shrinking and moving, blocks do not overlap, and a
// block freed by another thread than the one that made it is taken back safely.
#include <afx.h>
#include <mfc/smallblock.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(SmallBlocks, StringsAtEverySizeClassEdgeKeepTheirText)
{
    std::vector<CString> strings;
    for (int length = 0; length <= 130; ++length)
        strings.emplace_back(std::string(static_cast<size_t>(length), static_cast<char>('a' + length % 26)).c_str());
    for (int length = 0; length <= 130; ++length) {
        CString& s = strings[static_cast<size_t>(length)];
        ASSERT_EQ(s.GetLength(), length);
        s += "!";            // grows, possibly into the next class or out of the slabs
        s.FreeExtra();       // shrinks to fit
        CString moved(std::move(s));
        EXPECT_EQ(moved.GetLength(), length + 1);
        EXPECT_EQ(moved.Right(1), "!");
        if (length > 0)
            EXPECT_EQ(moved[0], static_cast<char>('a' + length % 26));
        s = moved;
    }
}

TEST(SmallBlocks, BlocksAreAlignedAndDistinct)
{
    std::vector<std::pair<void*, size_t>> blocks;
    std::set<uintptr_t> seen;
    for (size_t bytes : {1u, 24u, 32u, 33u, 40u, 48u, 49u, 64u, 65u, 200u}) {
        for (int i = 0; i < 500; ++i) {
            void* p = MiscSmallBlockAlloc(bytes);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 16, 0u) << bytes;
            EXPECT_TRUE(seen.insert(reinterpret_cast<uintptr_t>(p)).second);
            std::memset(p, 0x5A, bytes);
            blocks.emplace_back(p, bytes);
        }
    }
    for (auto& [p, bytes] : blocks)
        for (size_t i = 0; i < bytes; ++i)
            ASSERT_EQ(static_cast<unsigned char*>(p)[i], 0x5A);
    for (auto& [p, bytes] : blocks)
        MiscSmallBlockFree(p, bytes);
    MiscSmallBlockFree(nullptr, 32);
}

TEST(SmallBlocks, StringsMadeOnOneThreadAreFreedOnAnother)
{
    std::vector<CString> made;
    std::thread maker([&] {
        for (int i = 0; i < 20000; ++i) {
            CString s;
            s.Format("value %d", i);
            made.push_back(s);
        }
    });
    maker.join();
    std::thread user([&] {
        for (int i = 0; i < 20000; i += 997) {
            CString expected;
            expected.Format("value %d", i);
            EXPECT_EQ(made[static_cast<size_t>(i)], expected);
        }
        made.clear();
        // What was freed here is used again here.
        std::vector<CString> again(20000, CString("again"));
        EXPECT_EQ(again.back(), "again");
    });
    user.join();
}

} // namespace
