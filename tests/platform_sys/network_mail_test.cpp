// The platform's share server checks and its browser's buffers, and the mail server's message
// composition, without the library.
#include <windows.h>
#include <win32/mailserver.h>
#include <win32/network.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

class SimulatedServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MISC_NET_BACKEND", "simulated", 1);
        setenv("MISC_COMPUTER_NAME", "PC1", 1);
        MiscNetSimulatedReset();
        dir = misc_test::MakeTempDir("share");
    }
    void TearDown() override
    {
        unsetenv("MISC_NET_BACKEND");
        unsetenv("MISC_COMPUTER_NAME");
    }
    std::string dir;
};

} // namespace

TEST_F(SimulatedServer, NamesAndPathsAreCheckedBeforeTheServer)
{
    EXPECT_EQ(MiscNetShareAdd("", dir.c_str()), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(MiscNetShareAdd("-s", dir.c_str()), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(MiscNetShareAdd("tab\tname", dir.c_str()), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(MiscNetShareAdd(std::string(81, 'a').c_str(), dir.c_str()), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(MiscNetShareAdd(std::string(80, 'a').c_str(), dir.c_str()), static_cast<DWORD>(NERR_Success));
    EXPECT_EQ(MiscNetShareAdd("rel", "relative/path"), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(MiscNetShareAdd("file", "/etc/hostname"), static_cast<DWORD>(NERR_UnknownDevDir));
    EXPECT_EQ(MiscNetShareDel("nothing"), static_cast<DWORD>(NERR_NetNameNotFound));
    char small[4];
    EXPECT_EQ(MiscNetShareGetInfo(std::string(80, 'A').c_str(), small, sizeof small),
              static_cast<DWORD>(NERR_BufTooSmall));
}

TEST_F(SimulatedServer, EnumerationFillsTheBufferAndGoesOn)
{
    ASSERT_EQ(MiscNetShareAdd("one", dir.c_str()), static_cast<DWORD>(NERR_Success));
    ASSERT_EQ(MiscNetShareAdd("two", dir.c_str()), static_cast<DWORD>(NERR_Success));
    char server[] = "\\\\pc1", other[] = "\\\\OTHER";
    NETRESOURCEA container = {RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SERVER,
                              RESOURCEUSAGE_CONTAINER, nullptr, other, nullptr, nullptr};
    HANDLE handle = nullptr;
    EXPECT_EQ(WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &container, &handle),
              static_cast<DWORD>(ERROR_BAD_NETPATH));
    container.lpRemoteName = server;
    ASSERT_EQ(WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &container, &handle), 0u);
    // Too small for one record: the size needed comes back.
    char buffer[128];
    DWORD count = static_cast<DWORD>(-1), size = 8;
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_GT(size, sizeof(NETRESOURCEA));
    // Room for one record at a time.
    size = static_cast<DWORD>(sizeof(NETRESOURCEA) + 16);
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), 0u);
    EXPECT_EQ(count, 1u);
    const auto* r = reinterpret_cast<const NETRESOURCEA*>(buffer);
    EXPECT_STREQ(r->lpRemoteName, "\\\\PC1\\one");
    EXPECT_EQ(r->dwDisplayType, static_cast<DWORD>(RESOURCEDISPLAYTYPE_SHARE));
    count = static_cast<DWORD>(-1);
    size = sizeof buffer;
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), 0u);
    EXPECT_EQ(count, 1u);
    EXPECT_STREQ(r->lpRemoteName, "\\\\PC1\\two");
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(WNetCloseEnum(handle), 0u);
    char remote[260];
    DWORD length = sizeof remote;
    EXPECT_EQ(WNetGetConnectionA("/", remote, &length), static_cast<DWORD>(ERROR_NOT_CONNECTED));
}

TEST(ShareInfoReader, RecordsNamesAndPaths)
{
    const std::string text = "[my share]\npath=/tmp/a b\ncomment=x\n\n[b]\r\npath=/srv\r\n[c]\n";
    std::vector<std::pair<std::string, std::string>> shares;
    ASSERT_EQ(MiscNetParseShareInfo(text.data(), text.size(), &shares), 3u);
    EXPECT_EQ(shares[0], (std::pair<std::string, std::string>{"my share", "/tmp/a b"}));
    EXPECT_EQ(shares[1], (std::pair<std::string, std::string>{"b", "/srv"}));
    EXPECT_EQ(shares[2], (std::pair<std::string, std::string>{"c", ""}));
}

TEST(MailComposition, RefusesHeaderInjectionAndMissingAddresses)
{
    MiscMailMessage m;
    std::string error;
    EXPECT_EQ(m.Compose(&error), "");
    EXPECT_EQ(error, "no recipient");
    MiscMailRecipient* r = m.AddRecipient("", "", 1);
    r->name = "just a name";
    EXPECT_FALSE(r->Resolve(true));
    EXPECT_EQ(m.Compose(&error), "");
    r->name = "A <a@b.c>";
    EXPECT_TRUE(r->Resolve(true));
    EXPECT_EQ(r->address, "a@b.c");
    m.subject = "x\rBcc: y@z";
    EXPECT_EQ(m.Compose(&error), "");
    EXPECT_EQ(error, "the subject holds a line break");
    m.subject = "ok";
    EXPECT_NE(m.Compose(&error), "");
}

TEST(MailComposition, EncodesNonAsciiSubjectsAndFileNames)
{
    const std::string dir = misc_test::MakeTempDir("compose");
    misc_test::WriteFile(dir + "/f", "abc");
    MiscMailMessage m;
    m.AddRecipient("a@b.c", "a@b.c", 1);
    m.subject = "Größe";
    m.AddAttachment("Größe \"1\".mrk\n", 1, 1, dir + "/f");
    std::string error;
    const std::string text = m.Compose(&error);
    EXPECT_NE(text.find("Subject: =?UTF-8?B?R3LDtsOfZQ==?=\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("filename*=UTF-8''Gr%C3%B6%C3%9Fe%20%221%22.mrk\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nYWJj\r\n"), std::string::npos) << text;
}
