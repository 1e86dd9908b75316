#pragma once
// Shared helpers of the system functions: where the platform's folders are, and copying into
// callers' buffers.
#include "win32/types.h"

#include <string>

namespace miscsys {

// The value of an environment variable, or "" when it is unset or empty.
std::string Env(const char* name);
// The user's home folder ($HOME, else the password database), without a trailing '/'.
std::string HomeDir();
// The per-user application-data, common application-data, default-user and Windows folders,
// without a trailing '/' (see win32/system.h for the rules).
std::string UserDataDir();
std::string CommonDataDir();
std::string DefaultUserDataDir();
std::string WindowsDir();
std::string ConfigDir(); // $XDG_CONFIG_HOME or $HOME/.config
// The registry file.
std::string RegistryFile();

// Copies text and a NUL into a buffer of `size` characters; false (nothing but a NUL written,
// when size > 0) when it does not fit.
bool CopyOut(const std::string& text, char* buffer, size_t size);

// Removes trailing '/' characters, keeping a lone "/".
std::string StripTrailingSlash(std::string path);

} // namespace miscsys
