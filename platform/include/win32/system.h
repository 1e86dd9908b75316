#pragma once
// System functions: special folders, files and folders, the temporary folder, user and computer
// names, locale information, environment variables and a small registry.
//
// Where each Windows folder is on Linux (every one can be redirected by an environment variable):
// - CSIDL_APPDATA (per-user application data): $XDG_DATA_HOME, else $HOME/.local/share.
// - CSIDL_APPDATA of the default user (token (HANDLE)-1): $MISC_DEFAULT_USER_DATA, else
//   /etc/skel/.local/share (the template from which new users' homes are made).
// - CSIDL_COMMON_APPDATA (all users): $MISC_COMMON_DATA, else /var/lib/misc when that folder
//   exists and is writable, else the per-user folder above (a single-user fallback).
// - CSIDL_WINDOWS and GetWindowsDirectoryA: $MISC_WINDOWS_DIR, else $XDG_CONFIG_HOME/misc, else
//   $HOME/.config/misc. The system's default profile file "win.ini" lives there.
// - Temporary folder: $TMPDIR, else /tmp; always returned with a trailing '/'.
// - Registry: an INI file at $MISC_REGISTRY_FILE, else $XDG_CONFIG_HOME/misc/registry.ini (else
//   $HOME/.config/misc/registry.ini). Each key is a section named after its full path
//   ("HKEY_USERS\.DEFAULT\Software\..."); each value a line "name=dword:N", "name=sz:TEXT" or
//   "name=hex:0A0B...".
// - User name: $MISC_USER_NAME, else the login name of the effective user.
// - Computer name: $MISC_COMPUTER_NAME, else the host name.
//
// File names given to these functions may use '\' as separator; it is read as '/'.
#include "win32/types.h"
#include "win32/crt.h"

// Shell folders.
#define CSIDL_APPDATA 0x001a
#define CSIDL_COMMON_APPDATA 0x0023
#define CSIDL_WINDOWS 0x0024
#define CSIDL_FLAG_CREATE 0x8000
#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1
#define E_INVALIDARG ((HRESULT)0x80070057L)

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// SHGetSpecialFolderPathA: the folder of `csidl` (without a trailing separator) into path
// (MAX_PATH characters); creates it when `create` is set. FALSE for an unknown folder.
BOOL SHGetSpecialFolderPathA(HWND owner, LPSTR path, int csidl, BOOL create);
// SHGetFolderPathA: as above; token (HANDLE)-1 asks for the default user's folder; the flag
// CSIDL_FLAG_CREATE in csidl creates the folder. S_OK, or E_INVALIDARG / E_FAIL.
HRESULT SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path);
// SHCreateDirectoryExA: creates a folder and all missing folders above it. ERROR_SUCCESS,
// ERROR_ALREADY_EXISTS (a folder is there), ERROR_FILE_EXISTS (a file is there),
// ERROR_PATH_NOT_FOUND, ERROR_BAD_PATHNAME (empty path) or ERROR_ACCESS_DENIED.
int SHCreateDirectoryExA(HWND owner, LPCSTR path, const void* security);

// File attributes.
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

#define ERROR_WRITE_FAULT 29L
#define ERROR_DISK_FULL 112L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_DIR_NOT_EMPTY 145L
#define ERROR_ENVVAR_NOT_FOUND 203L
#define ERROR_BUFFER_OVERFLOW 111L
#define ERROR_BAD_LENGTH 24L
#define ERROR_INVALID_NAME 123L

// CreateDirectoryA: one new folder; ERROR_ALREADY_EXISTS when the name is taken,
// ERROR_PATH_NOT_FOUND when the folder above is missing.
BOOL CreateDirectoryA(LPCSTR path, const void* security);
BOOL RemoveDirectoryA(LPCSTR path);
// CopyFileA: copies through a temporary file in the target's folder, so the target is either
// the old file or the whole copy. With failIfExists an existing target gives ERROR_FILE_EXISTS.
BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists);
// GetFileAttributesA: INVALID_FILE_ATTRIBUTES for a missing path; READONLY when nobody may write
// the file (no write bit) or this process may not; DIRECTORY; HIDDEN for names starting with '.';
// NORMAL when no other attribute applies.
DWORD GetFileAttributesA(LPCSTR path);
BOOL DeleteFileA(LPCSTR path);
// MoveFileA: renames; fails with ERROR_ALREADY_EXISTS when the target exists.
BOOL MoveFileA(LPCSTR existing, LPCSTR target);

// GetTempPathA: the temporary folder with a trailing '/'. Returns its length, or the size needed
// (with the NUL) when the buffer is too small.
DWORD GetTempPathA(DWORD size, LPSTR buffer);
// GetTempFileNameA: "<path>/<up to 3 characters of prefix><hex number>.tmp" into buffer
// (MAX_PATH). With unique 0 the file is created (empty) and the number returned; otherwise only
// the name is made. 0 on failure.
UINT GetTempFileNameA(LPCSTR path, LPCSTR prefix, UINT unique, LPSTR buffer);
// GetUserNameA / GetComputerNameA: size holds the buffer size and receives the length (with the
// NUL for GetUserNameA, without for GetComputerNameA, as Windows does). A small buffer fails with
// ERROR_INSUFFICIENT_BUFFER / ERROR_BUFFER_OVERFLOW and size tells what is needed.
BOOL GetUserNameA(LPSTR buffer, LPDWORD size);
BOOL GetComputerNameA(LPSTR buffer, LPDWORD size);
#define MAX_COMPUTERNAME_LENGTH 15
#define UNLEN 256

// Locale information (from the C locale settings LC_ALL, LC_NUMERIC and LANG).
typedef DWORD LCID;
typedef DWORD LCTYPE;
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_SDECIMAL 0x000E
#define LOCALE_STHOUSAND 0x000F
// The decimal separator is the user's numeric locale's, or $MISC_DECIMAL_SEPARATOR when set.
// GetLocaleInfoA: copies the text (with its NUL) and returns its size; with size 0 returns the
// size needed. 0 for an unknown type (ERROR_INVALID_PARAMETER) or a small buffer.
int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR buffer, int size);

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size);
// GetEnvironmentVariableA: the length copied, or the size needed with the NUL when the buffer is
// too small; 0 and ERROR_ENVVAR_NOT_FOUND when the variable is not set.
DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);

// Registry.
typedef LONG LSTATUS;
typedef DWORD REGSAM;
#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000u)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001u)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002u)
#define HKEY_USERS ((HKEY)(ULONG_PTR)0x80000003u)
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define REG_NONE 0
#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_OPTION_NON_VOLATILE 0

// RegOpenKeyExA: ERROR_FILE_NOT_FOUND when the key does not exist.
LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR cls, DWORD options, REGSAM access,
                        const void* security, PHKEY result, LPDWORD disposition);
// RegQueryValueExA: type, data and size may be null; size receives the data size (a string's
// with its NUL). ERROR_MORE_DATA when the buffer is too small, ERROR_FILE_NOT_FOUND when the
// value is missing.
LSTATUS RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LSTATUS RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LSTATUS RegDeleteValueA(HKEY key, LPCSTR name);
LSTATUS RegCloseKey(HKEY key);

// Platform helpers (not Win32).
// The path with '\' read as '/'.
#ifdef __cplusplus
#include <string>
std::string MiscNativePath(const char* path);
// Replaces the file at `path` with `bytes` atomically: a temporary file in the same folder is
// written completely and then renamed over the target, so readers see the old or the new file and
// never a part. An existing target keeps its permissions; a read-only target is not replaced
// (ERROR_ACCESS_DENIED). A symbolic link is followed. Returns ERROR_SUCCESS or a Win32 error.
DWORD MiscReplaceFile(const std::string& path, const std::string& bytes);
// Reads a whole file; false (and a Win32 error) when it cannot be read.
bool MiscReadFile(const std::string& path, std::string& bytes, DWORD* error = nullptr);
// The Win32 error for an errno value.
DWORD MiscErrorFromErrno(int err);
#endif

MISC_PUBLIC_END
