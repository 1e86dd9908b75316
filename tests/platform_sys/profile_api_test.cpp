// The Win32 private profile functions on real files: reading rules, writes, atomic replacement,
// the cache and bad input.
#include <windows.h>

#include "test_env.h"
#include "win32/profile.h"
#include "win32/system.h"

#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

class ProfileApi : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = misc_test::MakeTempDir("profile");
        file = dir + "/test.ini";
    }
    std::string Get(const char* section, const char* key, const char* def = "default")
    {
        char buf[256];
        GetPrivateProfileStringA(section, key, def, buf, sizeof buf, file.c_str());
        return buf;
    }
    std::string dir, file;
};

// The list in buf as "a,b,c".
std::string Joined(const char* buf, DWORD count)
{
    std::string out(buf, count);
    for (char& c : out)
        if (c == '\0')
            c = ',';
    return out;
}

const char kWindowsSample[] =
    "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";

} // namespace

TEST_F(ProfileApi, WindowsReadingResults)
{
    WriteFile(file, kWindowsSample);
    char buf[MAX_PATH];
    struct Case {
        const char* section;
        const char* key;
        const char* def;
        DWORD size;
        DWORD result;
        const char* text;
    } cases[] = {
        {"section1", "name1", "default", MAX_PATH, 4, "val1"},
        {"section1", "NaMe1", "default", MAX_PATH, 4, "val1"},
        {"section1", "name2", "default", MAX_PATH, 4, "val2"},      // quotes removed
        {"section1", "name3", "default", MAX_PATH, 7, "default"},   // not a key
        {"section1", "notakey", "default", MAX_PATH, 7, "default"},
        {"notasection", "name1", "default", MAX_PATH, 7, "default"},
        {"", "name1", "default", MAX_PATH, 7, "default"},
        {"section1", "", "default", MAX_PATH, 7, "default"},
        {"section1", "name1", nullptr, MAX_PATH, 4, "val1"},
        {"section1", "missing", nullptr, MAX_PATH, 0, ""},
        {"section1", "missing", "default  ", MAX_PATH, 7, "default"}, // trailing blanks of the default
        {"section1", "missing", "one two  ", MAX_PATH, 7, "one two"},
        {"section1", "name1", "default", 4, 3, "val"},               // cut: size - 1
        {"section1", "name1", "default", 5, 4, "val1"},
        {"section1", "name4", "default", 1, 0, ""},
        {"section2", "DoesntExist", "", MAX_PATH, 0, ""},
    };
    for (const Case& c : cases) {
        std::strcpy(buf, "kumquat");
        DWORD n = GetPrivateProfileStringA(c.section, c.key, c.def, buf, c.size, file.c_str());
        EXPECT_EQ(n, c.result) << c.section << "/" << c.key << " size " << c.size;
        EXPECT_STREQ(buf, c.text) << c.section << "/" << c.key << " size " << c.size;
    }
    std::strcpy(buf, "kumquat");
    EXPECT_EQ(GetPrivateProfileStringA("section1", "name1", "default", buf, 0, file.c_str()), 0u);
    EXPECT_STREQ(buf, "kumquat");
}

TEST_F(ProfileApi, ListsOfSectionsAndKeys)
{
    WriteFile(file, kWindowsSample);
    char buf[MAX_PATH];
    DWORD n = GetPrivateProfileStringA(nullptr, "ignored", "default", buf, MAX_PATH, file.c_str());
    EXPECT_EQ(n, 18u);
    EXPECT_EQ(std::string(buf, 19), std::string("section1\0section2\0\0", 19));
    n = GetPrivateProfileStringA("section1", nullptr, "default", buf, MAX_PATH, file.c_str());
    EXPECT_EQ(Joined(buf, n), "name1,name2,name4,");
    n = GetPrivateProfileStringA(nullptr, nullptr, nullptr, buf, 16, file.c_str());
    EXPECT_EQ(n, 14u);
    EXPECT_EQ(std::string(buf, 16), std::string("section1\0secti\0\0", 16));
    n = GetPrivateProfileStringA("section1", nullptr, "default", buf, 16, file.c_str());
    EXPECT_EQ(n, 14u);
    EXPECT_EQ(std::string(buf, 16), std::string("name1\0name2\0na\0\0", 16));
    n = GetPrivateProfileSectionNamesA(buf, MAX_PATH, file.c_str());
    EXPECT_EQ(Joined(buf, n), "section1,section2,");
    // A missing file lists nothing: one NUL, not two.
    std::memset(buf, 'z', 10);
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buf, 10, (dir + "/not_here.ini").c_str()), 0u);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], 'z');
}

TEST_F(ProfileApi, IntegersAndDefaults)
{
    WriteFile(file, "[s]\nn=42\nneg=-3\nempty=\nword=abc\nq=\"12\"\n");
    EXPECT_EQ(GetPrivateProfileIntA("s", "n", 7, file.c_str()), 42u);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("s", "neg", 7, file.c_str())), -3);
    EXPECT_EQ(GetPrivateProfileIntA("s", "empty", 7, file.c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "word", 7, file.c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "q", 7, file.c_str()), 12u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "missing", 7, file.c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileIntA(nullptr, "n", 7, file.c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileIntA("s", nullptr, 7, file.c_str()), 7u);
    EXPECT_EQ(GetPrivateProfileIntA("s", "n", 7, (dir + "/none.ini").c_str()), 7u);
}

TEST_F(ProfileApi, WritesBuildTheFileWindowsDoes)
{
    ASSERT_TRUE(WritePrivateProfileStringA("App1", "key1", "string1", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("App1", "key2", "string2", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("App2", "key3", "string3", file.c_str()));
    EXPECT_EQ(ReadFile(file), "[App1]\nkey1=string1\nkey2=string2\n[App2]\nkey3=string3\n");
    ASSERT_TRUE(WritePrivateProfileStringA("app1", "KEY2", nullptr, file.c_str()));
    EXPECT_EQ(ReadFile(file), "[App1]\nkey1=string1\n[App2]\nkey3=string3\n");
    ASSERT_TRUE(WritePrivateProfileStringA("App1", "key2", nullptr, file.c_str())); // again: no error
    ASSERT_TRUE(WritePrivateProfileStringA("App1", nullptr, "ignored", file.c_str()));
    EXPECT_EQ(ReadFile(file), "[App2]\nkey3=string3\n");
    ASSERT_TRUE(WritePrivateProfileStringA("App2", "key3", "", file.c_str()));
    EXPECT_EQ(ReadFile(file), "[App2]\nkey3=\n");
    EXPECT_EQ(Get("App2", "key3"), "");
}

TEST_F(ProfileApi, WriteKeepsForeignBytesAndLineEnds)
{
    std::string before = "; written by hand\r\n\r\n[a]\r\nx = 1 \r\nno equals here\r\n\x01\x02\xff\r\n[b]\r\ny=2";
    WriteFile(file, before);
    ASSERT_TRUE(WritePrivateProfileStringA("a", "x", "9", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("b", "z", "3", file.c_str()));
    EXPECT_EQ(ReadFile(file),
              "; written by hand\r\n\r\n[a]\r\nx = 9\r\nno equals here\r\n\x01\x02\xff\r\n[b]\r\ny=2\r\nz=3\r\n");
}

TEST_F(ProfileApi, ParameterRulesAndFlush)
{
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "key", "string", file.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(WritePrivateProfileStringA("App", "key", "string", ""));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(WritePrivateProfileStringA("App", "key", "two\nlines", file.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(WritePrivateProfileStringA("App", "a=b", "v", file.c_str()));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    // Flushing reports FALSE, as Windows documents, and is harmless.
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, ""));
}

TEST_F(ProfileApi, BareNamesAndTheDefaultFileLiveInTheWindowsFolder)
{
    char windir[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(windir, MAX_PATH), 0u);
    ASSERT_TRUE(WritePrivateProfileStringA("App", "key", "bare", "bare_name.ini"));
    EXPECT_EQ(ReadFile(std::string(windir) + "/bare_name.ini"), "[App]\nkey=bare\n");
    ASSERT_TRUE(WriteProfileStringA("Windows", "Beep", "yes"));
    char path[MAX_PATH];
    ASSERT_GT(MiscGetDefaultProfileFile(path, MAX_PATH), 0u);
    EXPECT_EQ(std::string(path), std::string(windir) + "/win.ini");
    EXPECT_EQ(ReadFile(path), "[Windows]\nBeep=yes\n");
    char buf[16];
    EXPECT_EQ(GetProfileStringA("windows", "beep", "", buf, sizeof buf), 3u);
    EXPECT_EQ(GetProfileIntA("windows", "missing", 5), 5u);
    ASSERT_TRUE(WritePrivateProfileStringA("a", "b", "c", (std::string(windir) + "\\back.ini").c_str()));
    EXPECT_EQ(ReadFile(std::string(windir) + "/back.ini"), "[a]\nb=c\n");
}

TEST_F(ProfileApi, ChangesByOthersAreSeen)
{
    WriteFile(file, "[s]\nk=1\n");
    EXPECT_EQ(Get("s", "k"), "1");
    WriteFile(file, "[s]\nk=2\n"); // same size, written within the same moment
    EXPECT_EQ(Get("s", "k"), "2");
    std::string other = dir + "/other.ini";
    WriteFile(other, "[s]\nk=33\n");
    ASSERT_EQ(rename(other.c_str(), file.c_str()), 0);
    EXPECT_EQ(Get("s", "k"), "33");
    ASSERT_EQ(unlink(file.c_str()), 0);
    EXPECT_EQ(Get("s", "k"), "default");
}

TEST_F(ProfileApi, SettledCacheStillNoticesChanges)
{
    WriteFile(file, "[s]\nk=1\n");
    struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}}; // a file at rest for years
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), old, 0), 0);
    EXPECT_EQ(Get("s", "k"), "1");
    EXPECT_EQ(Get("s", "k"), "1"); // served from the cache
    WriteFile(file, "[s]\nk=22\n");
    EXPECT_EQ(Get("s", "k"), "22");
}

TEST_F(ProfileApi, FailedWriteLeavesTheOldFileWhole)
{
    std::string before = "[s]\nk=old\n" + std::string(200, ';') + "\n";
    WriteFile(file, before);
    // Cap the size of files this process may write: writing the temporary file fails midway.
    struct sigaction ignore{}, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    struct rlimit oldLimit;
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    struct rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    BOOL ok = WritePrivateProfileStringA("s", "k", std::string(10000, 'x').c_str(), file.c_str());
    DWORD error = GetLastError();
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(Get("s", "k"), "old");
    // No temporary file is left behind.
    int leftovers = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            leftovers += std::strncmp(e->d_name, ".test.ini.", 10) == 0;
        closedir(d);
    }
    EXPECT_EQ(leftovers, 0);
}

TEST_F(ProfileApi, ReadOnlyFileAndMissingFolder)
{
    WriteFile(file, "[s]\nk=1\n");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", file.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadFile(file), "[s]\nk=1\n");
    EXPECT_EQ(Get("s", "k"), "1");
    chmod(file.c_str(), 0644);

    std::string missing = dir + "/no/such/folder/x.ini";
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", missing.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesA((dir + "/no").c_str()), INVALID_FILE_ATTRIBUTES);
    char buf[8];
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "d", buf, sizeof buf, missing.c_str()), 1u);
}

TEST_F(ProfileApi, ReadOnlyFolderKeepsTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::string ro = misc_test::MakeTempDir("ro");
    std::string f = ro + "/p.ini";
    WriteFile(f, "[s]\nk=1\n");
    ASSERT_EQ(chmod(ro.c_str(), 0555), 0);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", f.c_str()));
    chmod(ro.c_str(), 0755);
    EXPECT_EQ(ReadFile(f), "[s]\nk=1\n");
}

TEST_F(ProfileApi, BadInputGivesClearResults)
{
    // Binary garbage around a good section, and a 10 MB line.
    std::string garbage;
    for (int i = 0; i < 3000; ++i)
        garbage += static_cast<char>((i * 131) & 0xff);
    std::string big(10 * 1024 * 1024, 'y');
    WriteFile(file, garbage + "\n[good]\nk=v\nlong=" + big + "\n" + garbage);
    EXPECT_EQ(Get("good", "k"), "v");
    char buf[16];
    EXPECT_EQ(GetPrivateProfileStringA("good", "long", "", buf, sizeof buf, file.c_str()), 15u);
    EXPECT_EQ(std::string(buf), std::string(15, 'y'));
    ASSERT_TRUE(WritePrivateProfileStringA("good", "k", "w", file.c_str()));
    EXPECT_EQ(ReadFile(file), garbage + "\n[good]\nk=w\nlong=" + big + "\n" + garbage);
    // A folder given as the file: defaults, and the write fails without harm.
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "d", buf, sizeof buf, dir.c_str()), 1u);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir.c_str()));
}
