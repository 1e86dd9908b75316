#pragma once
// Profile settings: every setting of the library is a key of a section in one of the product's
// profile files, read and written through the three operations below.
//
// File selector: 1 the user profile file, 2 the second profile file, any other value the
// system's default profile file. The paths are worked out once per process, at the first access
// (InitProfilePaths), from the fields of KestProfile that the host filled before.
//
// Folders: the user's settings are in "<application data>/Kestrel/" (per user when
// KestProfile::m_privateUsing, else shared by all users); the default user's copy, from which a
// new user's files are seeded, in "<default user's application data>/Kestrel/".
#include <afx.h>
#include <family/kestprofile.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The integer value of section/key (the default when it is missing).
int ProfileReadInt(LPCSTR section, LPCSTR key, int defaultValue, int fileSel);
// Copies the string value of section/key (or the default) into buffer (size bytes); returns the
// number of characters copied.
int ProfileReadString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, int size, int fileSel);
// Writes the value, creating section and key as needed; the platform call's success flag.
BOOL ProfileWriteString(LPCSTR section, LPCSTR key, LPCSTR value, int fileSel);

// Many writes to one file in one replacement (MiscWritePrivateProfileBatch): the settings caches
// flush through this, so a flush costs one rewrite however many entries it holds.
BOOL ProfileWriteBatch(const MiscProfileWrite* writes, size_t count, int fileSel);

// The folder of files shared by all users (buffer of at least MAX_PATH): the Windows folder when
// the host keeps its settings in its own folder (KestProfile::m_oldPathUsing), otherwise the
// common application-data folder and "/Kestrel/", created when missing.
void GetCommonDataFolder(LPSTR buffer);

// Fills the paths of KestProfile and seeds the user's files from the default user's copies; runs
// before the first profile access of the process and sets KestProfile::m_initialized.
void InitProfilePaths();
// Seeds folder + fileName from the default user's copy when the folder is new (see profile.cpp).
void SeedProfileFile(const CString& folder, const CString& fileName);

MISC_PUBLIC_END
