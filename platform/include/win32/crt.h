#pragma once
// Path functions of the Microsoft C run-time. They understand both '/' and '\' as separators
// and a leading drive letter ("C:"), so paths written by the Windows programs split as they did.
// Every output is bounded by the documented buffer size (_MAX_DRIVE etc.): longer parts are cut.
#include "win32/types.h"

#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Splits a path into drive ("C:"), folder (with its trailing separator), name and extension (with
// its dot). Any output may be null. Outputs must hold _MAX_DRIVE, _MAX_DIR, _MAX_FNAME and
// _MAX_EXT characters respectively.
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);

// Joins the parts into `path` (at least _MAX_PATH characters): a drive gets a ':' when it lacks
// one, a folder gets a separator when it lacks one (the kind it already uses, else '/'), an
// extension gets a leading '.'. Null or empty parts are left out.
void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext);

// The absolute form of `relPath` with "." and ".." resolved and '\' turned into '/': relative
// paths are taken from the current folder. A path with a drive letter is already absolute and is
// only cleaned. Writes into absPath (maxLength characters with the NUL) and returns it, or returns
// null when the result does not fit. A null absPath gets a buffer from malloc (caller frees).
char* _fullpath(char* absPath, const char* relPath, size_t maxLength);

MISC_PUBLIC_END
