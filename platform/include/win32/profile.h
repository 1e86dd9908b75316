#pragma once
// Private profile (initialisation file) functions with the reading rules of Windows; the rules
// of the file format are in win32/inifile.h.
//
// File names: null means the system's default profile file ("win.ini" in the Windows folder, see
// win32/system.h); a bare name without a folder is taken from the Windows folder; '\' reads as '/'.
// Files are read with LF, CR LF or CR line ends. Reads go through a parsed-file cache that notices
// changes made by other processes. A write replaces the file atomically (a temporary file in the
// same folder, then a rename) and keeps every other byte of it; a new file uses LF line ends, an
// existing one keeps its own. The folder of a file must exist (the default file's is created).
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// GetPrivateProfileStringA: the value of section/key into buffer, or the default (null = "")
// without its trailing blanks when the file, section or key is missing. A section of null lists
// the section names, a key of null the section's keys, each NUL-terminated with a final NUL.
// Returns the characters copied without the final NUL; a value cut to fit gives size - 1, a cut
// list size - 2. Nothing is written when size is 0.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName);
// GetPrivateProfileIntA: the value read as a decimal integer (leading digits, wrapping modulo 2^32;
// 0 when it does not start with a number); the default for a missing or empty value.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
// WritePrivateProfileStringA: creates file, section and key as needed; a null value deletes the
// key, a null key deletes the section. With section, key and value all null it flushes the cache
// (of this file, or of every file for a null or empty name) and returns FALSE as Windows does.
// Fails (FALSE, GetLastError) for a read-only file, a missing folder, and names or values with
// line breaks (ERROR_INVALID_PARAMETER), which would change the file's structure.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
// GetPrivateProfileSectionNamesA: as GetPrivateProfileStringA with a null section.
DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName);

// WritePrivateProfileSectionA: replaces every key of the section by the entries of a list of
// NUL-terminated "key=value" strings ending with an extra NUL (the section is created when
// missing; a null list deletes the section). One file replacement.
BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR keysAndValues, LPCSTR fileName);

// Platform helper: many writes applied in order, with the rules of WritePrivateProfileStringA
// (a null value deletes the key, a null key the section), in one file replacement. Fails, writing
// nothing, when any write would fail.
struct MiscProfileWrite {
    LPCSTR section;
    LPCSTR key;
    LPCSTR value;
};
BOOL MiscWritePrivateProfileBatch(const MiscProfileWrite* writes, size_t count, LPCSTR fileName);

// The same on the system's default profile file.
DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size);
UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);
BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);

#define GetPrivateProfileString GetPrivateProfileStringA
#define GetPrivateProfileInt GetPrivateProfileIntA
#define WritePrivateProfileString WritePrivateProfileStringA
#define GetPrivateProfileSectionNames GetPrivateProfileSectionNamesA
#define WritePrivateProfileSection WritePrivateProfileSectionA
#define GetProfileString GetProfileStringA
#define GetProfileInt GetProfileIntA
#define WriteProfileString WriteProfileStringA

// Platform helper: the full path of the system's default profile file into buffer; returns its
// length, or the size needed (with the NUL) when the buffer is too small.
DWORD MiscGetDefaultProfileFile(LPSTR buffer, DWORD size);

MISC_PUBLIC_END
