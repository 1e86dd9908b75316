// CFile, CMemFile and CStdioFile.
#include <afx.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "archive_test_util.h"
#include "test_env.h"

using namespace arc_test;

namespace {

std::string TempFile(const char* name, const std::string& content = std::string(), bool create = true)
{
    std::string path = misc_test::MakeTempDir("file") + "/" + name;
    if (create)
        misc_test::WriteFile(path, content);
    return path;
}

int FileCause(CFileException* e)
{
    int cause = e->m_cause;
    e->Delete();
    return cause;
}

} // namespace

TEST(File, OpenModes)
{
    std::string path = TempFile("a.txt", "hello world");
    CFile file;
    // modeCreate without modeNoTruncate empties the file; with it the content stays.
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 11u);
    file.Close();
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite));
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("abc", 3);
    file.Close();
    EXPECT_EQ(misc_test::ReadFile(path), "abc");

    // A read-only file cannot be written.
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::typeBinary));
    char buf[8] = {};
    EXPECT_EQ(file.Read(buf, sizeof(buf)), 3u);
    EXPECT_STREQ(buf, "abc");
    try {
        file.Write("x", 1);
        ADD_FAILURE() << "wrote to a read-only file";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_lOsError, EBADF);
        e->Delete();
    }
}

TEST(File, OpenFailuresAreReportedNotThrown)
{
    std::string dir = misc_test::MakeTempDir("file");
    struct {
        std::string path;
        UINT flags;
        int cause;
        int err;
    } const cases[] = {
        {dir + "/missing.txt", CFile::modeRead, CFileException::fileNotFound, ENOENT},
        {dir + "/no/such/dir/f.txt", CFile::modeCreate | CFile::modeWrite, CFileException::fileNotFound, ENOENT},
        {dir, CFile::modeRead, CFileException::accessDenied, EISDIR},
        {"", CFile::modeRead, CFileException::fileNotFound, ENOENT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &error));
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_EQ(error.m_lOsError, c.err);
        EXPECT_TRUE(error.m_strFileName == c.path.c_str());
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    }
    // The constructor that opens throws instead.
    try {
        CFile file((dir + "/missing.txt").c_str(), CFile::modeRead);
        ADD_FAILURE() << "opened a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(FileCause(e), CFileException::fileNotFound);
    }
}

TEST(File, PositionLengthAndNames)
{
    std::string path = TempFile("report.v2.dat", "0123456789");
    CFile file(path.c_str(), CFile::modeReadWrite);
    EXPECT_TRUE(file.GetFilePath() == path.c_str());
    EXPECT_TRUE(file.GetFileName() == "report.v2.dat");
    EXPECT_TRUE(file.GetFileTitle() == "report.v2");
    EXPECT_EQ(file.Seek(4, CFile::begin), 4u);
    EXPECT_EQ(file.Seek(-1, CFile::end), 9u);
    EXPECT_EQ(file.Seek(-2, CFile::current), 7u);
    char c = 0;
    file.Read(&c, 1);
    EXPECT_EQ(c, '7');
    EXPECT_EQ(file.GetPosition(), 8u);
    EXPECT_EQ(file.SeekToEnd(), 10u);
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    try {
        file.Seek(-1, CFile::begin);
        ADD_FAILURE() << "seek before the start";
    } catch (CFileException* e) {
        EXPECT_EQ(FileCause(e), CFileException::badSeek);
    }
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    file.SetLength(6);
    file.Close();
    EXPECT_EQ(misc_test::ReadFile(path), std::string("0123\0\0", 6));
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST(File, StatusRemoveAndRename)
{
    std::string a = TempFile("a.txt", "aaaa");
    std::string b = TempFile("b.txt", "bb");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(a.c_str(), status));
    EXPECT_EQ(status.m_size, 4u);
    EXPECT_STREQ(status.m_szFullName, a.c_str());
    EXPECT_EQ(status.m_attribute & CFile::readOnly, 0);
    EXPECT_GT(status.m_mtime.GetTime(), 0);
    chmod(b.c_str(), 0444);
    ASSERT_TRUE(CFile::GetStatus(b.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::readOnly, 0);
    EXPECT_FALSE(CFile::GetStatus((a + ".missing").c_str(), status));

    // Renaming onto an existing file is refused and changes nothing.
    try {
        CFile::Rename(a.c_str(), b.c_str());
        ADD_FAILURE() << "replaced an existing file";
    } catch (CFileException* e) {
        EXPECT_EQ(FileCause(e), CFileException::accessDenied);
    }
    EXPECT_EQ(misc_test::ReadFile(b), "bb");
    std::string c = a + ".moved";
    CFile::Rename(a.c_str(), c.c_str());
    EXPECT_EQ(misc_test::ReadFile(c), "aaaa");

    CFile::Remove(c.c_str());
    EXPECT_FALSE(CFile::GetStatus(c.c_str(), status));
    try {
        CFile::Remove(c.c_str());
        ADD_FAILURE() << "removed a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(FileCause(e), CFileException::fileNotFound);
    }
}

TEST(MemFile, GrowsAndFillsGapsWithZeros)
{
    CMemFile file(16);
    for (int i = 0; i < 1000; ++i)
        file.Write("abcd", 4);
    EXPECT_EQ(file.GetLength(), 4000u);
    file.Seek(4010, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 4011u);
    file.SeekToBegin();
    Bytes back(5000);
    EXPECT_EQ(file.Read(back.data(), 5000), 4011u);
    EXPECT_EQ(std::memcmp(back.data() + 3996, "abcd\0\0\0\0\0\0\0\0\0\0z", 15), 0);
    EXPECT_EQ(file.Read(back.data(), 1), 0u);
    file.SetLength(2);
    EXPECT_EQ(file.GetPosition(), 2u);
    file.SetLength(4);
    file.SeekToBegin();
    EXPECT_EQ(file.Read(back.data(), 10), 4u);
    EXPECT_EQ(std::memcmp(back.data(), "ab\0\0", 4), 0);
}

TEST(MemFile, AttachedBlocks)
{
    // A fixed block is the file's content and cannot grow.
    BYTE fixed[4] = {1, 2, 3, 4};
    CMemFile file(fixed, 4);
    EXPECT_EQ(file.GetLength(), 4u);
    file.Seek(2, CFile::begin);
    file.Write("\x09", 1);
    EXPECT_EQ(fixed[2], 9);
    EXPECT_EQ(ThrownClass([&] { file.Write("abc", 3); }), RUNTIME_CLASS(CMemoryException));
    EXPECT_EQ(file.Detach(), fixed);
    EXPECT_EQ(file.GetLength(), 0u);

    // A growable block starts empty; Detach hands the (reallocated) block over.
    auto* block = static_cast<BYTE*>(std::malloc(2));
    CMemFile grow;
    grow.Attach(block, 2, 8);
    EXPECT_EQ(grow.GetLength(), 0u);
    grow.Write("hello world", 11);
    BYTE* taken = grow.Detach();
    EXPECT_EQ(std::memcmp(taken, "hello world", 11), 0);
    std::free(taken);
}

TEST(MemFile, DirectBufferAccess)
{
    CMemFile file;
    EXPECT_EQ(file.GetBufferPtr(CFile::bufferCheck), static_cast<UINT>(CFile::bufferDirect));
    void* start = nullptr;
    void* max = nullptr;
    UINT n = file.GetBufferPtr(CFile::bufferWrite, 5, &start, &max);
    ASSERT_EQ(n, 5u);
    std::memcpy(start, "12345", 5);
    file.GetBufferPtr(CFile::bufferCommit, 5);
    EXPECT_EQ(file.GetLength(), 5u);
    file.SeekToBegin();
    n = file.GetBufferPtr(CFile::bufferRead, 100, &start, &max);
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(std::memcmp(start, "12345", 5), 0);
    EXPECT_EQ(file.GetPosition(), 5u);
}

TEST(StdioFile, ReadStringDropsLineEnds)
{
    std::string longLine(300, 'x');
    std::string path = TempFile("lines.txt", "one\r\ntwo\n\n" + longLine + "\nlast");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    const std::string expected[] = {"one", "two", "", longLine, "last"};
    for (const std::string& e : expected) {
        ASSERT_TRUE(file.ReadString(line));
        EXPECT_EQ(std::string(line.GetString()), e);
    }
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST(StdioFile, ReadStringIntoBufferKeepsTheLineEndAndItsBound)
{
    std::string path = TempFile("lines.txt", "ab\r\ncdefgh\n");
    CStdioFile file(path.c_str(), CFile::modeRead);
    char buf[5];
    EXPECT_STREQ(file.ReadString(buf, sizeof(buf)), "ab\n");
    EXPECT_STREQ(file.ReadString(buf, sizeof(buf)), "cdef");
    EXPECT_STREQ(file.ReadString(buf, sizeof(buf)), "gh\n");
    EXPECT_EQ(file.ReadString(buf, sizeof(buf)), nullptr);
}

TEST(StdioFile, WriteStringWritesTextAsGiven)
{
    std::string path = TempFile("out.txt", std::string(), false);
    {
        CStdioFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
        file.WriteString("a\nb\r\n");
        file.Write("c", 1);
        EXPECT_EQ(file.GetLength(), 6u);
        EXPECT_EQ(file.GetPosition(), 6u);
    }
    EXPECT_EQ(misc_test::ReadFile(path), "a\nb\r\nc");
    // Appending after modeNoTruncate: the content stays, writing goes where the position is.
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    file.SeekToEnd();
    file.WriteString("d");
    file.Close();
    EXPECT_EQ(misc_test::ReadFile(path), "a\nb\r\ncd");
}
