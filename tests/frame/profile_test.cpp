// Profile settings: the paths of the profile files, seeding from the default user and access by
// file selector.
#include <misc/frame.h>

#include "test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

// Points the folder variables back where the test main put them.
void RestoreStandardFolders()
{
    const std::string root = misc_test::TempRoot();
    setenv("XDG_DATA_HOME", (root + "/home/.local/share").c_str(), 1);
    setenv("MISC_COMMON_DATA", (root + "/common").c_str(), 1);
    setenv("MISC_DEFAULT_USER_DATA", (root + "/skel").c_str(), 1);
    setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
    setenv("MISC_WINDOWS_DIR", (root + "/windows").c_str(), 1);
    setenv("TMPDIR", (root + "/tmp").c_str(), 1);
}

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Every folder the profile code looks at points into a fresh tree; KestProfile starts empty.
class ProfileSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = misc_test::MakeTempDir("settings");
        user = root + "/user";    // per-user application data (not created yet)
        common = root + "/common"; // all users
        skel = root + "/skel";    // default user
        windows = root + "/windows";
        for (const std::string* d : {&common, &skel, &windows})
            mkdir(d->c_str(), 0755);
        setenv("XDG_DATA_HOME", user.c_str(), 1);
        setenv("MISC_COMMON_DATA", common.c_str(), 1);
        setenv("MISC_DEFAULT_USER_DATA", skel.c_str(), 1);
        setenv("MISC_WINDOWS_DIR", windows.c_str(), 1);
        setenv("MISC_REGISTRY_FILE", (root + "/registry.ini").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_nameSecond = "second.ini";
    }
    void TearDown() override
    {
        RestoreStandardFolders();
        KestProfile::Reset();
    }

    void SetPrivate(DWORD value)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_USERS, ".DEFAULT\\Software\\Kestrel\\Users Configuration", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Private", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
        RegCloseKey(key);
    }

    std::string ReadString(const char* section, const char* key, int fileSel)
    {
        char buf[256];
        ProfileReadString(section, key, "<default>", buf, sizeof buf, fileSel);
        return buf;
    }

    std::string root, user, common, skel, windows;
};

} // namespace

TEST_F(ProfileSettings, PathsFromTheRegistrySetting)
{
    SetPrivate(1);
    InitProfilePaths();
    EXPECT_TRUE(KestProfile::m_initialized);
    EXPECT_TRUE(KestProfile::m_privateUsing);
    EXPECT_STREQ(KestProfile::m_usePath, (user + "/Kestrel/").c_str());
    EXPECT_STREQ(KestProfile::m_defaultPath, (skel + "/Kestrel/").c_str());
    EXPECT_STREQ(KestProfile::m_namePath, (user + "/Kestrel/user.ini").c_str());
    EXPECT_STREQ(KestProfile::m_nameSecondPath, (user + "/Kestrel/second.ini").c_str());
    EXPECT_TRUE(Exists(user + "/Kestrel")); // created although nothing was seeded
}

TEST_F(ProfileSettings, SharedFolderUnlessPrivate)
{
    struct Case {
        bool hostPrivate;
        int registry; // -1: no value stored
        bool expectPrivate;
    } cases[] = {{false, -1, false}, {true, -1, true}, {true, 0, false}, {false, 1, true}, {false, -5, false}};
    for (const Case& c : cases) {
        SetUp();
        if (c.registry != -1)
            SetPrivate(static_cast<DWORD>(c.registry));
        KestProfile::m_privateUsing = c.hostPrivate;
        InitProfilePaths();
        EXPECT_EQ(KestProfile::m_privateUsing, c.expectPrivate) << c.registry;
        EXPECT_STREQ(KestProfile::m_usePath, ((c.expectPrivate ? user : common) + "/Kestrel/").c_str());
    }
}

TEST_F(ProfileSettings, FirstReadSeedsFromTheDefaultUser)
{
    SetPrivate(1);
    mkdir((skel + "/Kestrel").c_str(), 0755);
    WriteFile(skel + "/Kestrel/user.ini", "[Layers]\nLastLayerNum=104\n");
    WriteFile(skel + "/Kestrel/second.ini", "[Other]\nx=1\n");
    EXPECT_FALSE(KestProfile::m_initialized);
    EXPECT_EQ(ProfileReadInt("Layers", "LastLayerNum", 0, 1), 104); // the read initialises
    EXPECT_EQ(ReadFile(user + "/Kestrel/user.ini"), "[Layers]\nLastLayerNum=104\n");
    EXPECT_EQ(ProfileReadInt("other", "X", 0, 2), 1);
}

TEST_F(ProfileSettings, SecondFileIsSeededIntoTheFolderMadeForTheFirst)
{
    mkdir((skel + "/Kestrel").c_str(), 0755);
    WriteFile(skel + "/Kestrel/second.ini", "[Other]\nx=2\n"); // no copy of the first file
    EXPECT_EQ(ProfileReadInt("Other", "x", 0, 2), 2);
    EXPECT_TRUE(Exists(common + "/Kestrel/second.ini"));
    EXPECT_FALSE(Exists(common + "/Kestrel/user.ini"));
}

TEST_F(ProfileSettings, ExistingUserFolderIsNotSeeded)
{
    SetPrivate(1);
    mkdir(user.c_str(), 0755);
    mkdir((user + "/Kestrel").c_str(), 0755);
    mkdir((skel + "/Kestrel").c_str(), 0755);
    WriteFile(skel + "/Kestrel/user.ini", "[s]\nk=from default user\n");
    EXPECT_EQ(ReadString("s", "k", 1), "<default>");
    EXPECT_FALSE(Exists(user + "/Kestrel/user.ini"));
    EXPECT_TRUE(ProfileWriteString("s", "k", "written", 1));
    EXPECT_EQ(ReadString("s", "k", 1), "written");
    EXPECT_EQ(ReadFile(user + "/Kestrel/user.ini"), "[s]\nk=written\n");
}

TEST_F(ProfileSettings, ExistingUserFileIsKept)
{
    SetPrivate(1);
    mkdir(user.c_str(), 0755);
    mkdir((user + "/Kestrel").c_str(), 0755);
    mkdir((skel + "/Kestrel").c_str(), 0755);
    WriteFile(user + "/Kestrel/user.ini", "[s]\nk=mine\n");
    WriteFile(skel + "/Kestrel/user.ini", "[s]\nk=template\n");
    EXPECT_EQ(ReadString("s", "k", 1), "mine");
}

TEST_F(ProfileSettings, SecondNameWithAFolderIsUsedUnchanged)
{
    for (const char* name : {"/etc/misc/second.ini", "C:\\Kestrel\\second.ini", "sub/second.ini"}) {
        SetUp();
        KestProfile::m_nameSecond = name;
        mkdir((skel + "/Kestrel").c_str(), 0755);
        WriteFile(skel + "/Kestrel/user.ini", "[s]\nk=v\n");
        InitProfilePaths();
        EXPECT_STREQ(KestProfile::m_nameSecondPath, name);
        EXPECT_TRUE(Exists(common + "/Kestrel/user.ini")); // the first file is still seeded
    }
    // A user profile name with a folder part is never seeded.
    SetUp();
    KestProfile::m_name = "dir/user.ini";
    KestProfile::m_nameSecond = "/elsewhere/second.ini";
    mkdir((skel + "/Kestrel").c_str(), 0755);
    mkdir((skel + "/Kestrel/dir").c_str(), 0755);
    WriteFile(skel + "/Kestrel/dir/user.ini", "[s]\nk=v\n");
    InitProfilePaths();
    EXPECT_FALSE(Exists(common + "/Kestrel"));
}

TEST_F(ProfileSettings, HostChosenFolderComputesNothing)
{
    KestProfile::m_oldPathUsing = true;
    std::string own = misc_test::MakeTempDir("own") + "/";
    KestProfile::m_usePath = own.c_str();
    mkdir((skel + "/Kestrel").c_str(), 0755);
    WriteFile(skel + "/Kestrel/user.ini", "[s]\nk=v\n");
    ASSERT_TRUE(ProfileWriteString("s", "k", "in own folder", 1));
    EXPECT_STREQ(KestProfile::m_namePath, (own + "user.ini").c_str());
    EXPECT_STREQ(KestProfile::m_defaultPath, "");
    EXPECT_EQ(ReadFile(own + "user.ini"), "[s]\nk=in own folder\n");
    EXPECT_FALSE(Exists(common + "/Kestrel"));
    char buf[MAX_PATH];
    GetCommonDataFolder(buf);
    EXPECT_EQ(std::string(buf), windows);
}

TEST_F(ProfileSettings, SetUpRunsOncePerProcess)
{
    EXPECT_EQ(ProfileReadInt("s", "k", 3, 1), 3);
    std::string first = KestProfile::m_namePath.GetString();
    KestProfile::m_name = "renamed.ini";
    ProfileWriteString("s", "k", "4", 1);
    EXPECT_STREQ(KestProfile::m_namePath, first.c_str());
    EXPECT_EQ(ProfileReadInt("s", "k", 3, 1), 4);
}

TEST_F(ProfileSettings, SelectorZeroUsesTheSystemDefaultFile)
{
    for (int sel : {0, 3, -1}) {
        std::string value = "sel" + std::to_string(sel);
        ASSERT_TRUE(ProfileWriteString("Misc", "Key", value.c_str(), sel));
        EXPECT_EQ(ReadString("Misc", "Key", sel), value);
        EXPECT_EQ(ReadString("Misc", "Key", 1), "<default>");
    }
    EXPECT_EQ(ReadFile(windows + "/win.ini"), "[Misc]\nKey=sel-1\n");
}

TEST_F(ProfileSettings, BufferBoundsOfReadString)
{
    ProfileWriteString("s", "k", "0123456789", 1);
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(ProfileReadString("s", "k", "", buf, 4, 1), 3);
    EXPECT_STREQ(buf, "012");
    EXPECT_EQ(ProfileReadString("s", "k", "", buf, 0, 1), 0);
    EXPECT_EQ(ProfileReadString("s", "k", "", nullptr, 10, 1), 0);
}

TEST_F(ProfileSettings, CommonDataFolderIsCreated)
{
    char buf[MAX_PATH];
    GetCommonDataFolder(buf);
    EXPECT_EQ(std::string(buf), common + "/Kestrel/");
    EXPECT_TRUE(Exists(common + "/Kestrel"));
    // Even when the folder above it is missing.
    setenv("MISC_COMMON_DATA", (root + "/not/yet").c_str(), 1);
    GetCommonDataFolder(buf);
    EXPECT_TRUE(Exists(root + "/not/yet/Kestrel"));
}
