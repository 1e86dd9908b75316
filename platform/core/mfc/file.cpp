#include "mfc/file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "file_util.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

HANDLE FdToHandle(int fd)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
}

} // namespace

namespace misc_file {

std::string AbsolutePath(LPCTSTR name)
{
    std::string path(name);
    if (path.empty() || path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof(cwd)) == nullptr)
        return path;
    std::string base(cwd);
    if (base.empty() || base.back() != '/')
        base += '/';
    return base + path;
}

int OpenFlagsToPosix(UINT nOpenFlags)
{
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case CFile::modeWrite:
        flags |= O_WRONLY;
        break;
    case CFile::modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    if (nOpenFlags & CFile::modeCreate)
        flags |= (nOpenFlags & CFile::modeNoTruncate) ? O_CREAT : (O_CREAT | O_TRUNC);
    return flags;
}

int OpenDescriptor(LPCTSTR lpszFileName, UINT nOpenFlags, int& nErrno)
{
    nErrno = 0;
    if (lpszFileName == nullptr || *lpszFileName == '\0') {
        nErrno = ENOENT;
        return -1;
    }
    int fd;
    do {
        fd = ::open(lpszFileName, OpenFlagsToPosix(nOpenFlags), 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        nErrno = errno;
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        nErrno = EISDIR;
        return -1;
    }
    return fd;
}

void FillStatus(const struct stat& st, const std::string& fullName, CFileStatus& rStatus)
{
    rStatus.m_ctime = CTime(st.st_ctime);
    rStatus.m_mtime = CTime(st.st_mtime);
    rStatus.m_atime = CTime(st.st_atime);
    rStatus.m_size = static_cast<ULONGLONG>(st.st_size);
    BYTE attr = 0;
    if (S_ISDIR(st.st_mode))
        attr |= CFile::directory;
    if ((st.st_mode & S_IWUSR) == 0)
        attr |= CFile::readOnly;
    size_t slash = fullName.find_last_of('/');
    std::string base = slash == std::string::npos ? fullName : fullName.substr(slash + 1);
    if (!base.empty() && base[0] == '.' && base != "." && base != "..")
        attr |= CFile::hidden;
    rStatus.m_attribute = attr;
    rStatus._m_padding = 0;
    size_t n = std::min(fullName.size(), sizeof(rStatus.m_szFullName) - 1);
    std::memcpy(rStatus.m_szFullName, fullName.data(), n);
    rStatus.m_szFullName[n] = '\0';
}

} // namespace misc_file

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

int CFile::Fd() const
{
    return static_cast<int>(reinterpret_cast<intptr_t>(m_hFile));
}

void CFile::CheckOpen() const
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    int nErrno = 0;
    int fd = misc_file::OpenDescriptor(lpszFileName, nOpenFlags, nErrno);
    if (fd < 0) {
        if (pError != nullptr) {
            pError->m_cause = CFileException::ErrnoToException(nErrno);
            pError->m_lOsError = nErrno;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = FdToHandle(fd);
    m_bCloseOnDelete = TRUE;
    m_strFileName = misc_file::AbsolutePath(lpszFileName).c_str();
    return TRUE;
}

ULONGLONG CFile::GetPosition() const
{
    CheckOpen();
    off_t pos = lseek(Fd(), 0, SEEK_CUR);
    if (pos < 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    CheckOpen();
    int whence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    off_t pos = lseek(Fd(), static_cast<off_t>(lOff), whence);
    if (pos < 0) {
        int err = errno;
        AfxThrowFileException(err == EINVAL ? CFileException::badSeek : CFileException::ErrnoToException(err),
                              err, m_strFileName);
    }
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CFile::GetLength() const
{
    CheckOpen();
    struct stat st;
    if (fstat(Fd(), &st) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    CheckOpen();
    if (dwNewLen > static_cast<ULONGLONG>(LLONG_MAX))
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    int rc;
    do {
        rc = ftruncate(Fd(), static_cast<off_t>(dwNewLen));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    CheckOpen();
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::read(Fd(), p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowErrno(errno, m_strFileName);
        }
        if (n == 0)
            break;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    CheckOpen();
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::write(Fd(), p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowErrno(errno, m_strFileName);
        }
        if (n == 0)
            AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
        nDone += static_cast<UINT>(n);
    }
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    CheckOpen();
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(dwPos);
    fl.l_len = static_cast<off_t>(dwCount);
    if (fcntl(Fd(), F_SETLK, &fl) != 0) {
        int err = errno;
        AfxThrowFileException(CFileException::lockViolation, err, m_strFileName);
    }
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    CheckOpen();
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(dwPos);
    fl.l_len = static_cast<off_t>(dwCount);
    if (fcntl(Fd(), F_SETLK, &fl) != 0)
        AfxThrowFileException(CFileException::lockViolation, errno, m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
        if (m_bCloseOnDelete)
            ::close(Fd());
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::Flush()
{
    CheckOpen();
}

void CFile::Close()
{
    int err = 0;
    if (m_hFile != hFileNull && m_bCloseOnDelete) {
        if (::close(Fd()) != 0 && errno != EINTR)
            err = errno;
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (err != 0)
        CFileException::ThrowErrno(err, name);
}

CFile* CFile::Duplicate() const
{
    CheckOpen();
    int fd = fcntl(Fd(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    CFile* pFile = new CFile(FdToHandle(fd));
    pFile->m_bCloseOnDelete = TRUE;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

UINT CFile::GetBufferPtr(UINT nCommand, UINT, void** ppBufStart, void** ppBufMax)
{
    if (ppBufStart != nullptr)
        *ppBufStart = nullptr;
    if (ppBufMax != nullptr)
        *ppBufMax = nullptr;
    (void)nCommand;
    return 0;
}

CString CFile::GetFileName() const
{
    std::string path(m_strFileName.View());
    size_t slash = path.find_last_of("/\\");
    return CString(slash == std::string::npos ? path.c_str() : path.c_str() + slash + 1);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus{};
    if (m_hFile == hFileNull)
        return FALSE;
    struct stat st;
    if (fstat(Fd(), &st) != 0)
        return FALSE;
    misc_file::FillStatus(st, std::string(m_strFileName.View()), rStatus);
    return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus{};
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return FALSE;
    struct stat st;
    if (::stat(lpszFileName, &st) != 0)
        return FALSE;
    misc_file::FillStatus(st, misc_file::AbsolutePath(lpszFileName), rStatus);
    return TRUE;
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (lpszOldName == nullptr || lpszNewName == nullptr)
        AfxThrowFileException(CFileException::badPath, EINVAL, lpszOldName);
    // Windows does not replace an existing file.
    if (::renameat2(AT_FDCWD, lpszOldName, AT_FDCWD, lpszNewName, RENAME_NOREPLACE) == 0)
        return;
    int err = errno;
    if (err != EINVAL && err != ENOSYS)
        CFileException::ThrowErrno(err, lpszOldName);
    // The file system cannot refuse to replace by itself.
    struct stat st;
    if (::lstat(lpszNewName, &st) == 0)
        CFileException::ThrowErrno(EEXIST, lpszOldName);
    if (::rename(lpszOldName, lpszNewName) != 0)
        CFileException::ThrowErrno(errno, lpszOldName);
}

void CFile::Remove(LPCTSTR lpszFileName)
{
    if (lpszFileName == nullptr || ::unlink(lpszFileName) != 0)
        CFileException::ThrowErrno(lpszFileName == nullptr ? ENOENT : errno, lpszFileName);
}
