// Profile settings: the paths of the profile files, seeding from the default user, and access.
#include "misc/frame/profile.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// The folder of the product below each application-data folder. Stored with Windows separators
// in the original settings layout ("\Kestrel\"); this system's separator is '/'.
const char kFolderSuffix[] = "/Kestrel/";
const char kUsersConfigurationKey[] = ".DEFAULT\\Software\\Kestrel\\Users Configuration";

// The user folder when InitProfilePaths created it in this run: both profile files count it as
// new, so that the second file is seeded too when the first one's seeding made the folder.
CString g_folderCreatedNow;

// Creates the folder (and the folders above it); true when it is new.
bool CreateFolder(const CString& folder)
{
    int rc = SHCreateDirectoryExA(nullptr, folder, nullptr);
    if (rc == ERROR_SUCCESS) {
        g_folderCreatedNow = folder;
        return true;
    }
    return rc == ERROR_ALREADY_EXISTS && !g_folderCreatedNow.IsEmpty() && g_folderCreatedNow == folder;
}

// A name with a folder part: Windows' separator, and this system's.
bool HasFolderPart(const CString& name) { return name.Find('\\') >= 0 || name.Find('/') >= 0; }

// The shell folder; "" when the lookup fails (its result is not checked, as the paths then
// become the bare suffix).
CString ShellFolder(int csidl, HANDLE token)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, token, SHGFP_TYPE_CURRENT, path);
    return CString(path);
}

void EnsureInitialized()
{
    if (!KestProfile::m_initialized)
        InitProfilePaths();
}

// The file of a selector; null for the system's default profile file.
LPCSTR FileOf(int fileSel)
{
    if (fileSel == 1)
        return KestProfile::m_namePath;
    if (fileSel == 2)
        return KestProfile::m_nameSecondPath;
    return nullptr;
}

// The value "Private" read from the registry, as a number; false when it cannot be read.
bool ReadPrivateSetting(long& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_USERS, kUsersConfigurationKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    BYTE buffer[512] = {};
    DWORD type = REG_NONE, size = sizeof(buffer) - 1;
    bool ok = RegQueryValueExA(key, "Private", nullptr, &type, buffer, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!ok)
        return false;
    if (type == REG_SZ) {
        value = std::strtol(reinterpret_cast<const char*>(buffer), nullptr, 10);
    } else {
        int32_t number = 0;
        std::memcpy(&number, buffer, sizeof number);
        value = number;
    }
    return true;
}

} // namespace

void InitProfilePaths()
{
    g_folderCreatedNow.Empty();
    long privateValue = 0;
    if (ReadPrivateSetting(privateValue))
        KestProfile::m_privateUsing = privateValue > 0;

    if (!KestProfile::m_oldPathUsing) {
        int userFolder = KestProfile::m_privateUsing ? CSIDL_APPDATA : CSIDL_COMMON_APPDATA;
        KestProfile::m_usePath = ShellFolder(userFolder, nullptr) + kFolderSuffix;
        KestProfile::m_defaultPath =
            ShellFolder(CSIDL_APPDATA, reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1))) + kFolderSuffix;
    }

    KestProfile::m_namePath = KestProfile::m_usePath + KestProfile::m_name;
    SeedProfileFile(KestProfile::m_usePath, KestProfile::m_name);

    if (HasFolderPart(KestProfile::m_nameSecond)) {
        KestProfile::m_nameSecondPath = KestProfile::m_nameSecond;
    } else {
        KestProfile::m_nameSecondPath = KestProfile::m_usePath + KestProfile::m_nameSecond;
        SeedProfileFile(KestProfile::m_usePath, KestProfile::m_nameSecond);
    }

    g_folderCreatedNow.Empty();
    KestProfile::m_initialized = true;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, KestProfile::m_namePath);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, KestProfile::m_nameSecondPath);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
}

// Nothing for a host-chosen folder or a name with a folder part. When the default user has no
// copy of the file, the folder is created and that is all. When the user has no file yet, the
// default user's copy is placed in the folder, but only when the folder is new (made now, or
// earlier in the same InitProfilePaths): a user whose folder exists without the file gets the
// callers' defaults until something is written.
void SeedProfileFile(const CString& folder, const CString& fileName)
{
    if (KestProfile::m_oldPathUsing || HasFolderPart(fileName))
        return;
    CString userFile = folder + fileName;
    CString defaultFile = KestProfile::m_defaultPath + fileName;
    // The folder and the folders above it are created: on a fresh system even the user's
    // application-data folder may be missing, and a profile write needs its folder.
    if (GetFileAttributesA(defaultFile) == INVALID_FILE_ATTRIBUTES) {
        CreateFolder(folder);
        return;
    }
    if (GetFileAttributesA(userFile) == INVALID_FILE_ATTRIBUTES) {
        if (CreateFolder(folder))
            CopyFileA(defaultFile, userFile, TRUE);
    }
}

int ProfileReadInt(LPCSTR section, LPCSTR key, int defaultValue, int fileSel)
{
    EnsureInitialized();
    LPCSTR file = FileOf(fileSel);
    UINT value = file ? GetPrivateProfileIntA(section, key, defaultValue, file)
                      : GetProfileIntA(section, key, defaultValue);
    return static_cast<int>(value);
}

int ProfileReadString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, int size, int fileSel)
{
    EnsureInitialized();
    if (!buffer || size <= 0)
        return 0;
    LPCSTR file = FileOf(fileSel);
    DWORD n = file ? GetPrivateProfileStringA(section, key, defaultValue, buffer, static_cast<DWORD>(size), file)
                   : GetProfileStringA(section, key, defaultValue, buffer, static_cast<DWORD>(size));
    return static_cast<int>(n);
}

BOOL ProfileWriteString(LPCSTR section, LPCSTR key, LPCSTR value, int fileSel)
{
    EnsureInitialized();
    LPCSTR file = FileOf(fileSel);
    return file ? WritePrivateProfileStringA(section, key, value, file) : WriteProfileStringA(section, key, value);
}

BOOL ProfileWriteBatch(const MiscProfileWrite* writes, size_t count, int fileSel)
{
    EnsureInitialized();
    LPCSTR file = FileOf(fileSel);
    return MiscWritePrivateProfileBatch(writes, count, file);
}

void GetCommonDataFolder(LPSTR buffer)
{
    if (!buffer)
        return;
    buffer[0] = '\0';
    if (KestProfile::m_oldPathUsing) {
        SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_WINDOWS, FALSE);
        return;
    }
    SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_COMMON_APPDATA, FALSE);
    size_t length = std::strlen(buffer);
    if (length + sizeof(kFolderSuffix) > MAX_PATH)
        return; // no room for the suffix: the bare folder rather than a cut path
    std::memcpy(buffer + length, kFolderSuffix, sizeof(kFolderSuffix));
    SHCreateDirectoryExA(nullptr, buffer, nullptr);
}
