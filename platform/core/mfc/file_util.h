#pragma once
// Helpers shared by the file classes.
#include <string>
#include <sys/stat.h>

#include "mfc/file.h"

namespace misc_file {

// The name made absolute against the current folder (absolute names are kept as they are).
std::string AbsolutePath(LPCTSTR name);
// open(2) flags for CFile open flags.
int OpenFlagsToPosix(UINT nOpenFlags);
// Opens a descriptor as CFile::Open does (folders are refused); -1 and nErrno on failure.
int OpenDescriptor(LPCTSTR lpszFileName, UINT nOpenFlags, int& nErrno);
void FillStatus(const struct stat& st, const std::string& fullName, CFileStatus& rStatus);

} // namespace misc_file
