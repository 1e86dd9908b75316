// The memory buffer and the clipboard buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "misc/data/entity.h"

namespace {

TEST(MemBuf, ReadsAndWritesAcrossBlocks)
{
    MemBuf mem(5, 10);
    EXPECT_EQ(mem.GetAllocatedSize(), 5u);
    const char text[] = "0123456789abc";
    ASSERT_TRUE(mem.Write(text, 13));
    EXPECT_EQ(mem.GetAllocatedSize(), 15u);
    EXPECT_EQ(mem.Tell(), 13);
    mem.Seek(3, SEEK_SET);
    char out[8] = {};
    ASSERT_TRUE(mem.Read(out, 7));
    EXPECT_EQ(std::string(out, 7), "3456789");
    // Past the allocated size a read fails and copies nothing.
    mem.Seek(10, SEEK_SET);
    char keep[6] = "?????";
    EXPECT_FALSE(mem.Read(keep, 6));
    EXPECT_STREQ(keep, "?????");
    EXPECT_EQ(mem.Tell(), 10);
    EXPECT_TRUE(mem.Read(keep, 5));  // up to the allocated size (zeros after the data)
    EXPECT_EQ(std::string(keep, 5), std::string("abc\0\0", 5));
    EXPECT_TRUE(mem.AtEnd());
}

TEST(MemBuf, GrowsZeroFilledAndStopsAtItsMaximum)
{
    MemBuf mem(4, 4);
    mem.Seek(9, SEEK_SET);
    ASSERT_TRUE(mem.Write("Z", 1));
    EXPECT_EQ(mem.GetAllocatedSize(), 12u);
    mem.Rewind();
    BYTE all[12];
    ASSERT_TRUE(mem.Read(all, 12));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(all[i], i == 9 ? 'Z' : 0) << i;
    EXPECT_FALSE(mem.HasRoom(4));  // 16 is not greater than 12 + 4
    EXPECT_TRUE(mem.HasRoom(3));
    mem.Seek(14, SEEK_SET);
    EXPECT_FALSE(mem.Write("abc", 3));
    EXPECT_EQ(mem.GetAllocatedSize(), 12u);
    EXPECT_TRUE(mem.Write("ab", 2));
    EXPECT_EQ(mem.GetAllocatedSize(), 16u);
}

TEST(MemBuf, SeekOrigins)
{
    MemBuf mem(8, 2);
    EXPECT_EQ(mem.Seek(3, SEEK_SET), 0);
    EXPECT_EQ(mem.Seek(2, SEEK_CUR), 0);
    EXPECT_EQ(mem.Tell(), 5);
    EXPECT_EQ(mem.Seek(1, SEEK_END), 0);  // allocated size minus the offset
    EXPECT_EQ(mem.Tell(), 7);
    EXPECT_EQ(mem.Seek(0, 7), 1);
    // Seeking does not check bounds; reading there fails.
    EXPECT_EQ(mem.Seek(-100, SEEK_CUR), 0);
    BYTE b;
    EXPECT_FALSE(mem.ReadByte(&b));
}

TEST(MemBuf, TextsValuesAndCopies)
{
    MemBuf mem(16, 8);
    ASSERT_TRUE(mem.WriteText("a long text here"));
    ASSERT_TRUE(mem.WriteText("b"));
    DWORD v = 0xDEADBEEF;
    float f = 1.25f;
    mem.Write(&v, 4);
    mem.Write(&f, 4);
    MemBuf copy(mem);
    mem.Rewind();
    char small[5];
    ASSERT_TRUE(mem.ReadText(small, sizeof small));
    EXPECT_STREQ(small, "a lo");  // the rest was read and dropped
    char b[4];
    ASSERT_TRUE(mem.ReadText(b, sizeof b));
    EXPECT_STREQ(b, "b");
    DWORD v2;
    float f2;
    ASSERT_TRUE(mem.Read32(&v2));
    ASSERT_TRUE(mem.ReadFloat(&f2));
    EXPECT_EQ(v2, v);
    EXPECT_EQ(f2, f);
    // The copy has its own blocks and position.
    EXPECT_EQ(copy.Tell(), mem.Tell());
    copy.Rewind();
    char whole[32];
    ASSERT_TRUE(copy.ReadText(whole, sizeof whole));
    EXPECT_STREQ(whole, "a long text here");
    // A text that runs into the end of the buffer answers FALSE.
    MemBuf unterminated(4, 1);
    unterminated.Write("abcd", 4);
    unterminated.Rewind();
    char t[8];
    EXPECT_FALSE(unterminated.ReadText(t, sizeof t));
    EXPECT_STREQ(t, "abcd");
}

TEST(ClipBuf, GrowsInStepsAndReadsBackFromTheClipboard)
{
    ClipBuf out;
    ASSERT_TRUE(out.OpenWrite("misc clip test"));
    std::vector<BYTE> data(5000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<BYTE>(i * 13);
    ASSERT_TRUE(out.Write(data.data(), 3000));
    EXPECT_EQ(out.GetSize(), 3072u);
    ASSERT_TRUE(out.Write(data.data() + 3000, 2000));
    EXPECT_EQ(out.GetSize(), 6144u);
    ASSERT_TRUE(out.PutOnClipboard());
    EXPECT_FALSE(out.Write(data.data(), 1));

    ClipBuf in;
    ASSERT_TRUE(in.OpenRead("MISC CLIP TEST"));  // format names ignore case
    EXPECT_EQ(in.GetSize(), 6144u);
    std::vector<BYTE> back(5000);
    ASSERT_TRUE(in.Read(back.data(), 5000));
    EXPECT_EQ(back, data);
    BYTE rest[1144];
    ASSERT_TRUE(in.Read(rest, sizeof rest));
    for (BYTE b : rest)
        EXPECT_EQ(b, 0);
    EXPECT_TRUE(in.AtEnd());
    BYTE one;
    EXPECT_FALSE(in.Read(&one, 1));
    // Seeking clamps to the size and says so.
    EXPECT_EQ(in.Seek(10, SEEK_SET), 0);
    EXPECT_EQ(in.Seek(7000, SEEK_SET), 2);
    EXPECT_EQ(in.Tell(), 6144);
    EXPECT_EQ(in.Seek(-7000, SEEK_CUR), 2);
    EXPECT_EQ(in.Tell(), 0);
    EXPECT_EQ(in.Seek(0, 42), 1);
    // The clipboard stays open until the buffer is closed.
    bool otherOpened = true;
    std::thread([&] { otherOpened = OpenClipboard(nullptr); }).join();
    EXPECT_FALSE(otherOpened);
    in.Close();
    std::thread([&] {
        otherOpened = OpenClipboard(nullptr);
        CloseClipboard();
    }).join();
    EXPECT_TRUE(otherOpened);
}

TEST(ClipBuf, ReadingAFormatThatIsNotThereFails)
{
    ClipBuf in;
    EXPECT_FALSE(in.OpenRead("misc format never set"));
    EXPECT_FALSE(in.Read(nullptr, 0) && false);
    EXPECT_TRUE(OpenClipboard(nullptr));  // and the clipboard was closed again
    CloseClipboard();
}

} // namespace
