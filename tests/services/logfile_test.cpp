// CLogFile: where the file goes, what a line looks like, and what happens when it cannot be written.
#include <misc/services.h>

#include "services_env.h"
#include "test_env.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using misc_test::ReadFile;

namespace {

class LogFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        services_test::FreshProfile();
        tmp = misc_test::MakeTempDir("logtmp");
        setenv("TMPDIR", tmp.c_str(), 1);
        MiscClearMessageBoxLog();
    }
    void TearDown() override
    {
        services_test::RestoreStandardFolders();
        KestProfile::Reset();
    }
    std::string tmp;
};

} // namespace

TEST_F(LogFile, DisabledDoesNothing)
{
    CLogFile log(0, 1, 1, 1);
    EXPECT_EQ(log.Add("hello %d", 1), 0);
    EXPECT_STREQ(log.m_fileName, "");
    EXPECT_FALSE(KestProfile::m_initialized); // the profile was not even read
    EXPECT_EQ(ReadFile(tmp + "/vmx.log"), "");
}

TEST_F(LogFile, DefaultFileInTheTemporaryFolder)
{
    CLogFile log;
    EXPECT_EQ(log.Add("started %s", "now"), 11);
    EXPECT_EQ(std::string(log.m_fileName), tmp + "/vmx.log");
    std::string text = ReadFile(tmp + "/vmx.log");
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d\d:\d\d:\d{4} \d\d:\d\d:\d\d:\d\d\d started now\n)"))) << text;
    log.Add("second");
    EXPECT_NE(ReadFile(tmp + "/vmx.log").find(" second\n"), std::string::npos);
}

TEST_F(LogFile, PathFromTheProfile)
{
    struct Case {
        const char* stored;
        std::string expected;
    } cases[] = {
        {"logs\\app.log", tmp + "/logs/app.log"},
        {"NULL", tmp + "/vmx.log"},
        {"\\rooted.log", tmp + "//rooted.log"},
    };
    mkdir((tmp + "/logs").c_str(), 0755);
    for (const Case& c : cases) {
        ASSERT_TRUE(ProfileWriteString("Kestrel Mark", "log file", c.stored, 1));
        CLogFile log(1, 0, 0, 0);
        log.Add("x");
        EXPECT_EQ(std::string(log.m_fileName), c.expected) << c.stored;
        EXPECT_EQ(ReadFile(c.expected), "x\n") << c.stored;
        unlink(c.expected.c_str());
    }
    std::string absolute = misc_test::MakeTempDir("abs") + "/abs.log";
    ProfileWriteString("Kestrel Mark", "log file", absolute.c_str(), 1);
    CLogFile log(1, 0, 0, 0);
    log.Add("y");
    EXPECT_EQ(std::string(log.m_fileName), absolute);
    EXPECT_EQ(ReadFile(absolute), "y\n");
}

// Paths written by the Windows programs, and a temporary folder given relative to the current one.
TEST_F(LogFile, DriveLettersNameTheRootAndARelativeTempFolderIsFixedOnce)
{
    std::string here = misc_test::MakeTempDir("cwd");
    char old[4096];
    ASSERT_TRUE(getcwd(old, sizeof old));
    ASSERT_EQ(chdir(here.c_str()), 0);
    std::string windowsPath = "D:" + tmp + "\\app.log";
    for (char& c : windowsPath)
        if (c == '/')
            c = '\\';
    CLogFile log(windowsPath.c_str(), 1, 0, 0, 0);
    log.Add("z");
    EXPECT_EQ(std::string(log.m_fileName), tmp + "/app.log");
    EXPECT_EQ(ReadFile(tmp + "/app.log"), "z\n");

    mkdir((here + "/tmpd").c_str(), 0755);
    setenv("TMPDIR", "tmpd", 1);
    CLogFile relative(1, 0, 0, 0);
    relative.Add("one");
    relative.Add("two");
    EXPECT_EQ(std::string(relative.m_fileName), here + "/tmpd/vmx.log");
    EXPECT_EQ(ReadFile(here + "/tmpd/vmx.log"), "one\ntwo\n");
    ASSERT_EQ(chdir(old), 0);
    // Still the same file from another current folder.
    relative.Add("three");
    EXPECT_EQ(ReadFile(here + "/tmpd/vmx.log"), "one\ntwo\nthree\n");
    setenv("TMPDIR", tmp.c_str(), 1);
}

TEST_F(LogFile, LineLayoutByFlags)
{
    setenv("MISC_USER_NAME", "cutter", 1);
    std::string file = tmp + "/flags.log";
    CLogFile bare(file.c_str(), 1, 0, 0, 0);
    EXPECT_EQ(bare.Add("plain %d", 7), 7);
    CLogFile user(file.c_str(), 1, 1, 0, 0);
    user.Add("with user");
    CLogFile both(file.c_str(), 1, 1, 1, 0);
    both.Add("both");
    std::string text = ReadFile(file);
    EXPECT_TRUE(std::regex_match(
        text, std::regex("plain 7\ncutter with user\n\\d\\d:\\d\\d:\\d{4} \\d\\d:\\d\\d:\\d\\d:\\d{3} cutter both\n")))
        << text;
    unsetenv("MISC_USER_NAME");
}

TEST_F(LogFile, NewFileEmptiesOnceThenAppends)
{
    std::string file = tmp + "/new.log";
    misc_test::WriteFile(file, "old content\n");
    CLogFile log(file.c_str(), 1, 0, 0, 1);
    log.Add("first");
    EXPECT_EQ(ReadFile(file), "first\n");
    EXPECT_EQ(log.m_newFile, 0);
    log.Add("second");
    EXPECT_EQ(ReadFile(file), "first\nsecond\n");
}

TEST_F(LogFile, LongMessagesAreWrittenWholeAndCountedBounded)
{
    std::string file = tmp + "/long.log";
    std::string message(2000, 'm');
    CLogFile log(file.c_str(), 1, 0, 0, 0);
    EXPECT_EQ(log.Add("%s", message.c_str()), 511);
    EXPECT_EQ(ReadFile(file), message + "\n");
    EXPECT_EQ(CLogFile::Trace("%s", message.c_str()), 511);
    EXPECT_EQ(CLogFile::Trace("%d-%s", 42, "x"), 4);
    CString name("cstring");
    EXPECT_EQ(log.Add("%s %d", name, 5), 9); // a CString goes in for %s
    EXPECT_NE(ReadFile(file).find("cstring 5\n"), std::string::npos);
    EXPECT_TRUE(MiscMessageBoxLog().empty());
}

TEST_F(LogFile, UnwritableFileShowsTheMessageEachTime)
{
    std::string file = tmp + "/missing/folder/x.log";
    CLogFile log(file.c_str(), 1, 0, 1, 1);
    EXPECT_EQ(log.Add("lost"), 0);
    EXPECT_EQ(log.Add("lost again"), 0);
    auto boxes = MiscMessageBoxLog();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "can't create or write to log file " + file);
    EXPECT_EQ(boxes[0].type & 0xF, static_cast<UINT>(MB_OK));
    EXPECT_EQ(log.m_newFile, 1); // the open never happened
    mkdir((tmp + "/missing").c_str(), 0755);
    mkdir((tmp + "/missing/folder").c_str(), 0755);
    EXPECT_EQ(log.Add("works now"), 9); // the object stays usable
}

TEST_F(LogFile, TimeStampAndCopies)
{
    SYSTEMTIME t{};
    t.wYear = 2026;
    t.wMonth = 2;
    t.wDay = 1;
    t.wHour = 9;
    t.wMinute = 5;
    t.wSecond = 3;
    t.wMilliseconds = 7;
    char buf[64];
    EXPECT_EQ(CLogFile::FormatTimeStamp(t, buf, sizeof buf), 24);
    EXPECT_STREQ(buf, "01:02:2026 09:05:03:007 ");
    EXPECT_EQ(CLogFile::FormatTimeStamp(t, buf, 5), 4); // cut, never overflowed
    EXPECT_STREQ(buf, "01:0");

    CLogFile a("/some/path.log", 1, 1, 0, 1);
    CLogFile b(a);
    EXPECT_STREQ(b.m_fileName, "/some/path.log");
    EXPECT_EQ(b.m_addUser, 1);
    EXPECT_EQ(b.m_addTime, 0);
    EXPECT_EQ(b.m_newFile, 1);
    CLogFile c;
    c = a;
    EXPECT_STREQ(c.m_fileName, "/some/path.log");
    CLogFile arrayDefault;
    EXPECT_EQ(arrayDefault.m_enabled, 1);
    EXPECT_EQ(arrayDefault.m_addTime, 1);
    EXPECT_EQ(arrayDefault.m_addUser, 0);
    EXPECT_EQ(arrayDefault.m_newFile, 0);
    std::string tooLong(400, 'p');
    CLogFile cut(tooLong.c_str(), 1, 0, 0, 0);
    EXPECT_EQ(std::strlen(cut.m_fileName), 255u);
}
