// System functions: folders, files, temporary names, user and computer names, locale, registry.
#include <windows.h>

#include "test_env.h"
#include "win32/system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

using misc_test::ReadFile;
using misc_test::WriteFile;

namespace {

// Sets an environment variable for the life of the object.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old)
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvGuard()
    {
        if (m_had)
            setenv(m_name.c_str(), m_old.c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }

private:
    std::string m_name, m_old;
    bool m_had = false;
};

std::string Folder(int csidl, HANDLE token = nullptr)
{
    char path[MAX_PATH] = "";
    EXPECT_EQ(SHGetFolderPathA(nullptr, csidl, token, SHGFP_TYPE_CURRENT, path), S_OK);
    return path;
}

} // namespace

TEST(SystemFolders, EveryFolderFollowsItsVariable)
{
    const std::string root = misc_test::TempRoot();
    EXPECT_EQ(Folder(CSIDL_APPDATA), root + "/home/.local/share");
    EXPECT_EQ(Folder(CSIDL_APPDATA, reinterpret_cast<HANDLE>(-1)), root + "/skel");
    EXPECT_EQ(Folder(CSIDL_COMMON_APPDATA), root + "/common");
    EXPECT_EQ(Folder(CSIDL_WINDOWS), root + "/windows");
    char path[MAX_PATH];
    EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, path, CSIDL_APPDATA, FALSE));
    EXPECT_EQ(std::string(path), root + "/home/.local/share");
    EXPECT_FALSE(SHGetSpecialFolderPathA(nullptr, path, 0x05 /* CSIDL_PERSONAL */, FALSE));
    char windows[MAX_PATH];
    EXPECT_EQ(GetWindowsDirectoryA(windows, MAX_PATH), root.size() + 8);
    EXPECT_EQ(std::string(windows), root + "/windows");
}

TEST(SystemFolders, DefaultsWithoutVariables)
{
    EnvGuard noXdg("XDG_DATA_HOME", nullptr), noCommon("MISC_COMMON_DATA", nullptr),
        noSkel("MISC_DEFAULT_USER_DATA", nullptr), noWin("MISC_WINDOWS_DIR", nullptr),
        noConfig("XDG_CONFIG_HOME", nullptr);
    const std::string home = misc_test::TempRoot() + "/home";
    EXPECT_EQ(Folder(CSIDL_APPDATA), home + "/.local/share");
    EXPECT_EQ(Folder(CSIDL_APPDATA, reinterpret_cast<HANDLE>(-1)), "/etc/skel/.local/share");
    EXPECT_EQ(Folder(CSIDL_WINDOWS), home + "/.config/misc");
    std::string common = Folder(CSIDL_COMMON_APPDATA);
    EXPECT_TRUE(common == "/var/lib/misc" || common == home + "/.local/share") << common;
}

TEST(SystemFolders, CreateFlagMakesTheFolder)
{
    std::string dir = misc_test::MakeTempDir("mk") + "/a/b";
    EnvGuard data("XDG_DATA_HOME", dir.c_str());
    char path[MAX_PATH];
    EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, path, CSIDL_APPDATA, TRUE));
    EXPECT_EQ(GetFileAttributesA(dir.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(SystemFiles, DirectoriesAndAttributes)
{
    std::string dir = misc_test::MakeTempDir("files");
    std::string sub = dir + "/sub";
    EXPECT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryA(sub.c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectoryA((dir + "/x/y").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    EXPECT_EQ(SHCreateDirectoryExA(nullptr, (dir + "\\deep\\er\\folder").c_str(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(SHCreateDirectoryExA(nullptr, (dir + "/deep/er/folder/").c_str(), nullptr), ERROR_ALREADY_EXISTS);
    WriteFile(dir + "/plain", "x");
    EXPECT_EQ(SHCreateDirectoryExA(nullptr, (dir + "/plain").c_str(), nullptr), ERROR_FILE_EXISTS);
    EXPECT_EQ(SHCreateDirectoryExA(nullptr, "", nullptr), ERROR_BAD_PATHNAME);

    EXPECT_EQ(GetFileAttributesA(sub.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesA((dir + "/plain").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    chmod((dir + "/plain").c_str(), 0444);
    EXPECT_EQ(GetFileAttributesA((dir + "/plain").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributesA((dir + "/missing").c_str()), INVALID_FILE_ATTRIBUTES);
    WriteFile(dir + "/.hidden", "");
    EXPECT_EQ(GetFileAttributesA((dir + "/.hidden").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(RemoveDirectoryA(sub.c_str()));
}

TEST(SystemFiles, CopyMoveDelete)
{
    std::string dir = misc_test::MakeTempDir("copy");
    std::string a = dir + "/a.txt", b = dir + "/b.txt", c = dir + "/c.txt";
    WriteFile(a, "alpha");
    EXPECT_TRUE(CopyFileA(a.c_str(), b.c_str(), TRUE));
    EXPECT_EQ(ReadFile(b), "alpha");
    WriteFile(a, "beta");
    EXPECT_FALSE(CopyFileA(a.c_str(), b.c_str(), TRUE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(ReadFile(b), "alpha");
    EXPECT_TRUE(CopyFileA(a.c_str(), b.c_str(), FALSE));
    EXPECT_EQ(ReadFile(b), "beta");
    EXPECT_FALSE(CopyFileA((dir + "/none").c_str(), c.c_str(), FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(CopyFileA(a.c_str(), (dir + "/no/dir/c").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    EXPECT_FALSE(MoveFileA(a.c_str(), b.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(MoveFileA(a.c_str(), c.c_str()));
    EXPECT_EQ(ReadFile(c), "beta");
    EXPECT_TRUE(DeleteFileA(c.c_str()));
    EXPECT_FALSE(DeleteFileA(c.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(DeleteFileA(dir.c_str()));
}

TEST(SystemFiles, ReplaceFileIsAtomicAndKeepsPermissions)
{
    std::string dir = misc_test::MakeTempDir("replace");
    std::string f = dir + "/f";
    ASSERT_EQ(MiscReplaceFile(f, "one"), static_cast<DWORD>(ERROR_SUCCESS));
    chmod(f.c_str(), 0640);
    ASSERT_EQ(MiscReplaceFile(f, "two"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadFile(f), "two");
    struct stat st;
    ASSERT_EQ(stat(f.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // A link is followed: the file it points at changes, the link stays.
    std::string link = dir + "/link";
    ASSERT_EQ(symlink("f", link.c_str()), 0);
    ASSERT_EQ(MiscReplaceFile(link, "three"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadFile(f), "three");
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(SystemFiles, TempPathAndNames)
{
    char buf[MAX_PATH];
    DWORD n = GetTempPathA(MAX_PATH, buf);
    EXPECT_EQ(std::string(buf), misc_test::TempRoot() + "/tmp/");
    EXPECT_EQ(n, std::strlen(buf));
    EXPECT_EQ(GetTempPathA(3, buf), n + 1); // too small: the size needed
    {
        EnvGuard noTmp("TMPDIR", nullptr);
        GetTempPathA(MAX_PATH, buf);
        EXPECT_STREQ(buf, "/tmp/");
    }
    std::string dir = misc_test::MakeTempDir("tmpname");
    UINT id = GetTempFileNameA(dir.c_str(), "prefix", 0, buf);
    ASSERT_NE(id, 0u);
    std::string name(buf);
    EXPECT_EQ(name.substr(0, dir.size() + 4), dir + "/pre");
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
    EXPECT_NE(GetFileAttributesA(buf), INVALID_FILE_ATTRIBUTES);
    struct stat st;
    ASSERT_EQ(stat(buf, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // only its user reads a temporary file
    char second[MAX_PATH];
    EXPECT_NE(GetTempFileNameA(dir.c_str(), "prefix", 0, second), 0u);
    EXPECT_STRNE(buf, second);
    EXPECT_EQ(GetTempFileNameA(dir.c_str(), "ab", 0x1F, second), 0x1Fu);
    EXPECT_EQ(std::string(second), dir + "/ab1F.tmp");
}

TEST(SystemIdentity, UserComputerAndDecimal)
{
    EnvGuard user("MISC_USER_NAME", "pattern maker"), host("MISC_COMPUTER_NAME", "CUTROOM");
    char buf[64];
    DWORD size = sizeof buf;
    EXPECT_TRUE(GetUserNameA(buf, &size));
    EXPECT_STREQ(buf, "pattern maker");
    EXPECT_EQ(size, 14u); // with the NUL
    size = 4;
    EXPECT_FALSE(GetUserNameA(buf, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(size, 14u);
    size = sizeof buf;
    EXPECT_TRUE(GetComputerNameA(buf, &size));
    EXPECT_STREQ(buf, "CUTROOM");
    EXPECT_EQ(size, 7u); // without the NUL
    {
        EnvGuard noUser("MISC_USER_NAME", nullptr);
        size = sizeof buf;
        EXPECT_TRUE(GetUserNameA(buf, &size));
        EXPECT_GT(std::strlen(buf), 0u);
    }
    EnvGuard c("LC_ALL", "C");
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, nullptr, 0), 2);
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf), 2);
    EXPECT_STREQ(buf, ".");
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, 0x7777, buf, sizeof buf), 0);
    EnvGuard bogus("LC_ALL", "xx_NOWHERE.UTF-8");
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf), 2);
    EXPECT_STREQ(buf, "."); // unknown locale: the C default
}

TEST(SystemEnvironment, Variables)
{
    EnvGuard v("MISC_TEST_VARIABLE", "value");
    char buf[16];
    EXPECT_EQ(GetEnvironmentVariableA("MISC_TEST_VARIABLE", buf, sizeof buf), 5u);
    EXPECT_STREQ(buf, "value");
    EXPECT_EQ(GetEnvironmentVariableA("MISC_TEST_VARIABLE", buf, 3), 6u);
    EXPECT_EQ(GetEnvironmentVariableA("MISC_TEST_UNSET_VARIABLE", buf, sizeof buf), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
}

TEST(SystemRegistry, ValuesRoundTripThroughTheFile)
{
    HKEY key = nullptr;
    const char* path = ".DEFAULT\\Software\\Kestrel\\Users Configuration";
    EXPECT_EQ(RegOpenKeyExA(HKEY_USERS, path, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_USERS, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, 1u);
    DWORD one = 1;
    ASSERT_EQ(RegSetValueExA(key, "Private", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_SUCCESS);
    const char text[] = "trailing  ";
    ASSERT_EQ(RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

    std::string stored = ReadFile(misc_test::TempRoot() + "/registry.ini");
    EXPECT_NE(stored.find("[HKEY_USERS\\.DEFAULT\\Software\\Kestrel\\Users Configuration]"), std::string::npos);
    EXPECT_NE(stored.find("Private=dword:1"), std::string::npos);

    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, ".default\\software\\KESTREL\\users configuration", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    BYTE buf[512];
    DWORD type = 0, size = sizeof buf;
    ASSERT_EQ(RegQueryValueExA(key, "Private", nullptr, &type, buf, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    DWORD value;
    std::memcpy(&value, buf, 4);
    EXPECT_EQ(value, 1u);
    size = sizeof buf;
    ASSERT_EQ(RegQueryValueExA(key, "Text", nullptr, &type, buf, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<char*>(buf), "trailing  ");
    EXPECT_EQ(size, sizeof text);
    size = 3;
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, buf, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof text);
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, buf, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(key, "Text"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);

    // A key that only has subkeys exists too.
    EXPECT_EQ(RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\Software", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\Softwar", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}
