// Resolving file names of the material files, and the last used fabric pattern profile.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "misc/data/materials.h"
#include "misc/frame/profile.h"
#include "material_detail.h"

namespace {

const char kSection[] = "MaterialPatterns";
const char kKey[] = "MaterialPatternsFile";

bool Exists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// A file can be created at path: it is created and removed again.
bool CanCreate(const char* path)
{
    const std::string native = MiscNativePath(path);
    CFile file;
    if (!file.Open(native.c_str(), CFile::modeCreate | CFile::modeWrite))
        return false;
    file.Close();
    DeleteFileA(native.c_str());
    return true;
}

} // namespace

int VerifyAndFindFile(char* path, const char* defaultExt, const char* altPath, int allowCreate)
{
    if (!path || !*path)
        return 0;
    char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(path, drive, dir, name, ext);
    if (defaultExt && *defaultExt && (ext[0] == '\0' || std::strcmp(ext, ".") == 0)) {
        _makepath(path, drive, dir, name, defaultExt);
        _splitpath(path, drive, dir, name, ext);
    }
    if (Exists(path))
        return 1;
    if (altPath && *altPath) {
        // A path written on another machine: the same name in the folder of altPath.
        char altDrive[_MAX_DRIVE], altDir[_MAX_DIR];
        _splitpath(altPath, altDrive, altDir, nullptr, nullptr);
        _makepath(path, altDrive, altDir, name, ext);
        if (Exists(path))
            return 1;
    }
    try {
        if (allowCreate && CanCreate(path))
            return 1;
    } catch (CException* e) {
        e->Delete();
    }
    path[0] = '\0';
    return 0;
}

namespace materials_detail {

bool IsFolder(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FILE* OpenTextForReading(const char* path)
{
    if (!path || !Exists(path) || IsFolder(path))
        return nullptr;
    FILE* file = std::fopen(MiscNativePath(path).c_str(), "r");
    if (!file)
        return nullptr;
    // The first read tells a readable file from one that opened but cannot be read.
    int c = std::getc(file);
    if (c == EOF ? std::ferror(file) != 0 : std::ungetc(c, file) == EOF) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

} // namespace materials_detail

int ReadFabricPatternFileName(char* buffer, const char* altPath)
{
    static char internal[MAX_PATH];
    if (!buffer)
        buffer = internal;
    if (ProfileReadString(kSection, kKey, "", buffer, MAX_PATH, 1) <= 0)
        return 0;
    int found = VerifyAndFindFile(buffer, nullptr, altPath, 0);
    SetFabricPatternFileName(buffer);
    return found;
}

void SetFabricPatternFileName(const char* path)
{
    ProfileWriteString(kSection, kKey, path ? path : "", 1);
}
