#pragma once
// The parsed-file cache behind the profile functions and the registry.
//
// A cached file is trusted while its identity, size, modification and change times are as they
// were when it was read, so a change by another process is seen by the next read. A file whose
// modification time was less than a file system's timestamp granularity (taken as 2.1 seconds,
// enough for FAT and SMB) before it was read could still change without changing those; such an
// entry is checked against the file's bytes on every use until it is old enough.
#include "win32/inifile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace miscprofile {

using DocPtr = std::shared_ptr<const miscini::Document>;
using Edit = std::function<std::optional<std::string>(const miscini::Document&)>;

// Files larger than this are not read (reads give defaults, writes fail).
constexpr size_t kMaxFileSize = 256u * 1024u * 1024u;

// The parsed file, or null when it is missing or cannot be read (error tells why).
DocPtr Load(const std::string& path, DWORD* error = nullptr);

// Reads the file (a missing file counts as empty), applies the edit and, when the edit changes
// the text, replaces the file atomically. ERROR_SUCCESS or a Win32 error; the file is unchanged
// on error.
DWORD Update(const std::string& path, const Edit& edit);

// The settling rule: a file modified at mtimeNs and read at nowNs (both nanoseconds of the real
// time clock) may be trusted on its signature alone only when more than the granularity (2.1 s)
// lay between the two. Exactly 2.1 s is not enough: the later stamp could still round to the
// earlier one on a coarse file system.
constexpr int64_t kGranularityNs = 2100000000;
bool IsSettled(int64_t mtimeNs, int64_t nowNs);

// Drops one file, or every file, from the cache.
void Forget(const std::string& path);
void ForgetAll();

// The path the profile functions use for a file name: null gives the default file ("win.ini" in
// the Windows folder), a bare name is taken from the Windows folder, '\' reads as '/'. "" for an
// empty name.
std::string ResolvePath(const char* fileName);
std::string DefaultFile();

} // namespace miscprofile
