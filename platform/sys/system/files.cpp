// Files and folders: creation, attributes, copy, move, delete, temporary names and atomic
// replacement of a file's contents.
#include "win32/system.h"
#include "win32/base.h"
#include "system/sysenv.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

std::string DirName(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links so that a replacement changes the file a link points at, not the link.
std::string ResolveLinks(std::string path)
{
    for (int depth = 0; depth < 16; ++depth) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char buf[4096];
        ssize_t n = readlink(path.c_str(), buf, sizeof buf);
        if (n <= 0 || n == static_cast<ssize_t>(sizeof buf))
            break;
        std::string link(buf, static_cast<size_t>(n));
        path = link[0] == '/' ? link : DirName(path) + "/" + link;
    }
    return path;
}

// A name for a temporary file that no other call of this process produces.
std::string UniqueSuffix()
{
    static std::atomic<uint32_t> counter{0};
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    uint64_t mix = (static_cast<uint64_t>(ts.tv_nsec) << 20) ^ static_cast<uint64_t>(getpid()) ^
                   (static_cast<uint64_t>(counter.fetch_add(1)) << 40);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%012llx", static_cast<unsigned long long>(mix & 0xffffffffffffull));
    return buf;
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// Creates a temporary file next to `target` holding `bytes`, with the given mode; returns its
// name, or "" and sets `error`.
std::string WriteTemporary(const std::string& target, const std::string& bytes, mode_t mode, DWORD& error)
{
    std::string dir = DirName(target);
    std::string base = BaseName(target).substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tmp = dir + "/." + base + "." + UniqueSuffix() + ".tmp";
        int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error = MiscErrorFromErrno(errno);
            return "";
        }
        bool ok = WriteAll(fd, bytes.data(), bytes.size());
        int writeErrno = errno;
        if (close(fd) != 0 && ok) {
            ok = false;
            writeErrno = errno;
        }
        if (!ok) {
            unlink(tmp.c_str());
            error = MiscErrorFromErrno(writeErrno);
            return "";
        }
        return tmp;
    }
    error = ERROR_WRITE_FAULT;
    return "";
}

bool IsReadOnly(const std::string& path, const struct stat& st)
{
    return (st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0;
}

} // namespace

std::string MiscNativePath(const char* path)
{
    std::string p = path ? path : "";
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return p;
}

DWORD MiscErrorFromErrno(int err)
{
    switch (err) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ERROR_DISK_FULL;
    case ENAMETOOLONG: return ERROR_INVALID_NAME;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_WRITE_FAULT;
    }
}

bool MiscReadFile(const std::string& path, std::string& bytes, DWORD* error)
{
    bytes.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = MiscErrorFromErrno(errno);
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        if (error)
            *error = ERROR_ACCESS_DENIED;
        return false;
    }
    if (st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int e = errno;
            close(fd);
            if (error)
                *error = MiscErrorFromErrno(e);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return true;
}

DWORD MiscReplaceFile(const std::string& path, const std::string& bytes)
{
    std::string target = ResolveLinks(path);
    struct stat st;
    bool exists = stat(target.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || IsReadOnly(target, st)))
        return ERROR_ACCESS_DENIED;
    DWORD error = ERROR_SUCCESS;
    std::string tmp = WriteTemporary(target, bytes, exists ? (st.st_mode & 07777) : 0666, error);
    if (tmp.empty())
        return error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error;
    if (exists) {
        // The new file takes the place of the old one with its permissions and, where this
        // process may set it, its owner.
        chmod(tmp.c_str(), st.st_mode & 07777);
        if (geteuid() == 0 && chown(tmp.c_str(), st.st_uid, st.st_gid) != 0) {
        }
    }
    if (rename(tmp.c_str(), target.c_str()) != 0) {
        int e = errno;
        unlink(tmp.c_str());
        return MiscErrorFromErrno(e);
    }
    return ERROR_SUCCESS;
}

BOOL CreateDirectoryA(LPCSTR path, const void*)
{
    std::string p = MiscNativePath(path);
    if (p.empty())
        return Fail(ERROR_PATH_NOT_FOUND);
    if (mkdir(p.c_str(), 0777) == 0)
        return TRUE;
    int e = errno;
    return Fail(e == ENOENT ? ERROR_PATH_NOT_FOUND : MiscErrorFromErrno(e));
}

BOOL RemoveDirectoryA(LPCSTR path)
{
    std::string p = MiscNativePath(path);
    if (rmdir(p.c_str()) == 0)
        return TRUE;
    int e = errno;
    return Fail(e == ENOTEMPTY || e == EEXIST ? ERROR_DIR_NOT_EMPTY : MiscErrorFromErrno(e));
}

int SHCreateDirectoryExA(HWND, LPCSTR path, const void*)
{
    std::string p = miscsys::StripTrailingSlash(MiscNativePath(path));
    if (p.empty()) {
        SetLastError(ERROR_BAD_PATHNAME);
        return ERROR_BAD_PATHNAME;
    }
    struct stat st;
    if (stat(p.c_str(), &st) == 0) {
        int rc = S_ISDIR(st.st_mode) ? ERROR_ALREADY_EXISTS : ERROR_FILE_EXISTS;
        SetLastError(rc);
        return rc;
    }
    // Create every missing folder from the top down.
    for (size_t pos = 1; pos <= p.size(); ++pos) {
        if (pos != p.size() && p[pos] != '/')
            continue;
        std::string part = p.substr(0, pos);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            int rc = static_cast<int>(errno == ENOENT ? ERROR_PATH_NOT_FOUND : MiscErrorFromErrno(errno));
            SetLastError(rc);
            return rc;
        }
    }
    if (stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return ERROR_PATH_NOT_FOUND;
    }
    return ERROR_SUCCESS;
}

BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists)
{
    std::string from = MiscNativePath(existing), to = ResolveLinks(MiscNativePath(target));
    struct stat src;
    if (from.empty() || stat(from.c_str(), &src) != 0)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (S_ISDIR(src.st_mode))
        return Fail(ERROR_ACCESS_DENIED);
    struct stat dst;
    bool exists = stat(to.c_str(), &dst) == 0;
    if (exists && failIfExists)
        return Fail(ERROR_FILE_EXISTS);
    if (exists && (!S_ISREG(dst.st_mode) || IsReadOnly(to, dst)))
        return Fail(ERROR_ACCESS_DENIED);
    std::string bytes;
    DWORD error = ERROR_SUCCESS;
    if (!MiscReadFile(from, bytes, &error))
        return Fail(error);
    std::string tmp = WriteTemporary(to, bytes, src.st_mode & 0777, error);
    if (tmp.empty())
        return Fail(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error);
    // A hard link publishes the copy only when the name is still free (no race with another
    // writer); otherwise the copy replaces the target.
    int rc = failIfExists ? link(tmp.c_str(), to.c_str()) : rename(tmp.c_str(), to.c_str());
    int e = errno;
    if (rc != 0 && failIfExists && e != EEXIST && lstat(to.c_str(), &dst) != 0) {
        // A file system without hard links: the check above has to do.
        rc = rename(tmp.c_str(), to.c_str());
        e = errno;
    }
    unlink(tmp.c_str()); // after rename the name is gone already; after link it is a second name
    if (rc != 0)
        return Fail(e == EEXIST ? ERROR_FILE_EXISTS : MiscErrorFromErrno(e));
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR path)
{
    std::string p = MiscNativePath(path);
    struct stat st;
    if (p.empty() || stat(p.c_str(), &st) != 0) {
        SetLastError(p.empty() ? ERROR_PATH_NOT_FOUND : MiscErrorFromErrno(errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attrs = 0;
    if (S_ISDIR(st.st_mode))
        attrs |= FILE_ATTRIBUTE_DIRECTORY;
    else if (IsReadOnly(p, st))
        attrs |= FILE_ATTRIBUTE_READONLY;
    std::string base = BaseName(miscsys::StripTrailingSlash(p));
    if (base.size() > 1 && base[0] == '.' && base != "..")
        attrs |= FILE_ATTRIBUTE_HIDDEN;
    return attrs ? attrs : FILE_ATTRIBUTE_NORMAL;
}

BOOL DeleteFileA(LPCSTR path)
{
    std::string p = MiscNativePath(path);
    struct stat st;
    if (p.empty() || lstat(p.c_str(), &st) != 0)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (S_ISDIR(st.st_mode))
        return Fail(ERROR_ACCESS_DENIED);
    if (unlink(p.c_str()) != 0)
        return Fail(MiscErrorFromErrno(errno));
    return TRUE;
}

BOOL MoveFileA(LPCSTR existing, LPCSTR target)
{
    std::string from = MiscNativePath(existing), to = MiscNativePath(target);
    struct stat st;
    if (from.empty() || lstat(from.c_str(), &st) != 0)
        return Fail(ERROR_FILE_NOT_FOUND);
    if (lstat(to.c_str(), &st) == 0)
        return Fail(ERROR_ALREADY_EXISTS);
    if (rename(from.c_str(), to.c_str()) != 0)
        return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : MiscErrorFromErrno(errno));
    return TRUE;
}

UINT GetTempFileNameA(LPCSTR path, LPCSTR prefix, UINT unique, LPSTR buffer)
{
    std::string dir = miscsys::StripTrailingSlash(MiscNativePath(path));
    if (!buffer || dir.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string pre = prefix ? std::string(prefix).substr(0, 3) : std::string();
    uint32_t number = unique ? (unique & 0xffff) : static_cast<uint32_t>(GetTickCount() ^ getpid()) & 0xffff;
    for (int attempt = 0; attempt < 0x10000; ++attempt) {
        if (number == 0)
            number = 1;
        char name[32];
        std::snprintf(name, sizeof name, "%X.tmp", number);
        std::string full = (dir == "/" ? "" : dir) + "/" + pre + name;
        if (full.size() + 1 > MAX_PATH) {
            SetLastError(ERROR_BUFFER_OVERFLOW);
            return 0;
        }
        if (unique) {
            miscsys::CopyOut(full, buffer, MAX_PATH);
            return unique;
        }
        // Private to the user, as the files in a Windows user's temporary folder are.
        int fd = open(full.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            miscsys::CopyOut(full, buffer, MAX_PATH);
            return number;
        }
        if (errno != EEXIST) {
            SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : MiscErrorFromErrno(errno));
            return 0;
        }
        number = (number + 1) & 0xffff;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}
