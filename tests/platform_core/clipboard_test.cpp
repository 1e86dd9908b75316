// The in-process clipboard and global memory blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include <windows.h>

namespace {

TEST(GlobalMemory, MoveableBlocksLockAndResize)
{
    HGLOBAL h = GlobalAlloc(GHND, 10);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 10u);
    char* p = static_cast<char*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void*>(p), h);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p[i], 0);
    std::memcpy(p, "0123456789", 10);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 1u);
    EXPECT_EQ(GlobalHandle(p), h);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(GlobalUnlock(h));  // not locked any more
    HGLOBAL same = GlobalReAlloc(h, 20, GMEM_MOVEABLE | GMEM_ZEROINIT);
    EXPECT_EQ(same, h);
    p = static_cast<char*>(GlobalLock(h));
    EXPECT_EQ(std::string(p, 10), "0123456789");
    for (int i = 10; i < 20; ++i)
        EXPECT_EQ(p[i], 0);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    // A freed or made-up handle is refused.
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GlobalFree(h), h);
    EXPECT_EQ(GlobalSize(reinterpret_cast<HGLOBAL>(0x1234)), 0u);
    EXPECT_EQ(GlobalFlags(h), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

TEST(GlobalMemory, FixedBlocksAreTheirOwnPointers)
{
    HGLOBAL h = GlobalAlloc(GPTR, 4);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalLock(h), h);
    EXPECT_EQ(static_cast<char*>(h)[3], 0);
    EXPECT_EQ(GlobalReAlloc(h, 100, 0), nullptr);  // may not move
    HGLOBAL moved = GlobalReAlloc(h, 100, GMEM_MOVEABLE);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(GlobalSize(moved), 100u);
    EXPECT_EQ(GlobalFree(moved), nullptr);
}

TEST(Clipboard, FormatsAreRegisteredByName)
{
    UINT a = RegisterClipboardFormatA("misc test format A");
    UINT b = RegisterClipboardFormatA("misc test format B");
    EXPECT_GE(a, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterClipboardFormatA("MISC TEST FORMAT a"), a);
    EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
    EXPECT_EQ(RegisterClipboardFormatA(nullptr), 0u);
    char name[64];
    EXPECT_EQ(GetClipboardFormatNameA(a, name, sizeof name), 18);
    EXPECT_STREQ(name, "misc test format A");
    EXPECT_EQ(GetClipboardFormatNameA(a, name, 5), 4);
    EXPECT_STREQ(name, "misc");
    EXPECT_EQ(GetClipboardFormatNameA(CF_TEXT, name, sizeof name), 0);
}

TEST(Clipboard, DataNeedsTheClipboardOpenAndBelongsToIt)
{
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "hello", 6);
    GlobalUnlock(text);
    EXPECT_EQ(SetClipboardData(CF_TEXT, text), nullptr);  // not open
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(OpenClipboard(nullptr));  // the same thread may open again
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(CountClipboardFormats(), 0);
    EXPECT_EQ(SetClipboardData(CF_TEXT, text), text);
    UINT custom = RegisterClipboardFormatA("misc test custom");
    HGLOBAL other = GlobalAlloc(GMEM_MOVEABLE, 1);
    SetClipboardData(custom, other);
    EXPECT_EQ(CountClipboardFormats(), 2);
    EXPECT_EQ(EnumClipboardFormats(0), static_cast<UINT>(CF_TEXT));
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), custom);
    EXPECT_EQ(EnumClipboardFormats(custom), 0u);
    // Replacing a format frees what it held.
    HGLOBAL other2 = GlobalAlloc(GMEM_MOVEABLE, 2);
    SetClipboardData(custom, other2);
    EXPECT_EQ(GlobalSize(other), 0u);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);  // not open
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE got = GetClipboardData(CF_TEXT);
    EXPECT_STREQ(static_cast<char*>(GlobalLock(got)), "hello");
    GlobalUnlock(got);
    DWORD seq = GetClipboardSequenceNumber();
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_GT(GetClipboardSequenceNumber(), seq);
    EXPECT_EQ(GlobalSize(text), 0u);  // freed by the clipboard
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();
}

TEST(Clipboard, AnotherThreadCannotOpenItMeanwhile)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    BOOL opened = TRUE, emptied = TRUE;
    std::thread([&] {
        opened = OpenClipboard(nullptr);
        emptied = EmptyClipboard();
    }).join();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(emptied);
    CloseClipboard();
}

} // namespace
