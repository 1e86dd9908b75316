// Special folders, the Windows folder, the temporary folder and environment variables.
#include "win32/system.h"
#include "win32/base.h"
#include "system/sysenv.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace miscsys {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string StripTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string HomeDir()
{
    std::string home = Env("HOME");
    if (home.empty()) {
        struct passwd pw;
        struct passwd* found = nullptr;
        char buf[4096];
        if (getpwuid_r(geteuid(), &pw, buf, sizeof buf, &found) == 0 && found && found->pw_dir)
            home = found->pw_dir;
    }
    if (home.empty())
        home = "/";
    return StripTrailingSlash(home);
}

std::string ConfigDir()
{
    std::string dir = Env("XDG_CONFIG_HOME");
    return dir.empty() ? HomeDir() + "/.config" : StripTrailingSlash(dir);
}

std::string UserDataDir()
{
    std::string dir = Env("XDG_DATA_HOME");
    return dir.empty() ? HomeDir() + "/.local/share" : StripTrailingSlash(dir);
}

std::string CommonDataDir()
{
    std::string dir = Env("MISC_COMMON_DATA");
    if (!dir.empty())
        return StripTrailingSlash(dir);
    struct stat st;
    if (stat("/var/lib/misc", &st) == 0 && S_ISDIR(st.st_mode) && access("/var/lib/misc", W_OK) == 0)
        return "/var/lib/misc";
    return UserDataDir();
}

std::string DefaultUserDataDir()
{
    std::string dir = Env("MISC_DEFAULT_USER_DATA");
    return dir.empty() ? std::string("/etc/skel/.local/share") : StripTrailingSlash(dir);
}

std::string WindowsDir()
{
    std::string dir = Env("MISC_WINDOWS_DIR");
    return dir.empty() ? ConfigDir() + "/misc" : StripTrailingSlash(dir);
}

std::string RegistryFile()
{
    std::string file = Env("MISC_REGISTRY_FILE");
    return file.empty() ? ConfigDir() + "/misc/registry.ini" : file;
}

bool CopyOut(const std::string& text, char* buffer, size_t size)
{
    if (!buffer || size == 0)
        return false;
    if (text.size() + 1 > size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

} // namespace miscsys

namespace {

bool FolderOf(int csidl, bool defaultUser, std::string& out)
{
    switch (csidl & 0xff) {
    case CSIDL_APPDATA:
        out = defaultUser ? miscsys::DefaultUserDataDir() : miscsys::UserDataDir();
        return true;
    case CSIDL_COMMON_APPDATA:
        out = miscsys::CommonDataDir();
        return true;
    case CSIDL_WINDOWS:
        out = miscsys::WindowsDir();
        return true;
    default:
        return false;
    }
}

} // namespace

BOOL SHGetSpecialFolderPathA(HWND, LPSTR path, int csidl, BOOL create)
{
    return SUCCEEDED(SHGetFolderPathA(nullptr, csidl | (create ? CSIDL_FLAG_CREATE : 0), nullptr,
                                      SHGFP_TYPE_CURRENT, path));
}

HRESULT SHGetFolderPathA(HWND, int csidl, HANDLE token, DWORD, LPSTR path)
{
    if (path)
        path[0] = '\0';
    std::string folder;
    bool defaultUser = token == reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));
    if (!path || !FolderOf(csidl, defaultUser, folder)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_INVALIDARG;
    }
    if (csidl & CSIDL_FLAG_CREATE) {
        int rc = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
        if (rc != ERROR_SUCCESS && rc != ERROR_ALREADY_EXISTS)
            return E_FAIL;
    }
    if (!miscsys::CopyOut(folder, path, MAX_PATH)) {
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return E_FAIL;
    }
    return S_OK;
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size)
{
    std::string dir = miscsys::WindowsDir();
    if (!miscsys::CopyOut(dir, buffer, size))
        return static_cast<UINT>(dir.size() + 1);
    return static_cast<UINT>(dir.size());
}

DWORD GetTempPathA(DWORD size, LPSTR buffer)
{
    std::string dir = miscsys::Env("TMPDIR");
    if (dir.empty())
        dir = "/tmp";
    dir = miscsys::StripTrailingSlash(dir);
    if (dir != "/")
        dir += '/';
    if (!miscsys::CopyOut(dir, buffer, size))
        return static_cast<DWORD>(dir.size() + 1);
    return static_cast<DWORD>(dir.size());
}

DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size)
{
    const char* v = name ? std::getenv(name) : nullptr;
    if (!v) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    std::string value(v);
    if (!miscsys::CopyOut(value, buffer, size))
        return static_cast<DWORD>(value.size() + 1);
    return static_cast<DWORD>(value.size());
}
