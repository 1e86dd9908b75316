#include "mfc/file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "file_util.h"

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

HANDLE StreamHandle(FILE* f)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fileno(f)));
}

const char* FdopenMode(UINT nOpenFlags)
{
    switch (nOpenFlags & 3) {
    case CFile::modeWrite:
        return "w";
    case CFile::modeReadWrite:
        return "r+";
    default:
        return "r";
    }
}

} // namespace

CStdioFile::CStdioFile() : m_pStream(nullptr)
{
}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream == nullptr)
        AfxThrowInvalidArgException();
    m_hFile = StreamHandle(pOpenStream);
    m_bCloseOnDelete = FALSE;
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(nullptr)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != nullptr)
        Abort();
    int nErrno = 0;
    int fd = misc_file::OpenDescriptor(lpszFileName, nOpenFlags, nErrno);
    FILE* f = nullptr;
    if (fd >= 0) {
        f = fdopen(fd, FdopenMode(nOpenFlags));
        if (f == nullptr) {
            nErrno = errno;
            ::close(fd);
        }
    }
    if (f == nullptr) {
        if (pError != nullptr) {
            pError->m_cause = CFileException::ErrnoToException(nErrno);
            pError->m_lOsError = nErrno;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_pStream = f;
    m_hFile = StreamHandle(f);
    m_bCloseOnDelete = TRUE;
    m_strFileName = misc_file::AbsolutePath(lpszFileName).c_str();
    return TRUE;
}

void CStdioFile::CheckStream() const
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz == nullptr)
        AfxThrowInvalidArgException();
    CheckStream();
    if (std::fputs(lpsz, m_pStream) == EOF)
        CFileException::ThrowErrno(errno, m_strFileName);
}

BOOL CStdioFile::ReadString(CString& rString)
{
    CheckStream();
    rString.Empty();
    char* line = nullptr;
    size_t cap = 0;
    errno = 0;
    ssize_t n = getline(&line, &cap, m_pStream);
    if (n < 0) {
        int err = errno;
        bool failed = std::ferror(m_pStream) != 0;
        std::free(line);
        if (failed)
            CFileException::ThrowErrno(err != 0 ? err : EIO, m_strFileName);
        return FALSE;
    }
    if (n > INT_MAX) {
        std::free(line);
        AfxThrowMemoryException();
    }
    if (n > 0 && line[n - 1] == '\n') {
        --n;
        if (n > 0 && line[n - 1] == '\r')
            --n;
    }
    try {
        rString.SetString(line, static_cast<int>(n));
    } catch (...) {
        std::free(line);
        throw;
    }
    std::free(line);
    return TRUE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == nullptr || nMax == 0)
        AfxThrowInvalidArgException();
    CheckStream();
    int nSize = nMax > static_cast<UINT>(INT_MAX) ? INT_MAX : static_cast<int>(nMax);
    if (std::fgets(lpsz, nSize, m_pStream) == nullptr) {
        if (std::ferror(m_pStream))
            CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
        lpsz[0] = '\0';
        return nullptr;
    }
    size_t len = std::strlen(lpsz);
    if (len >= 2 && lpsz[len - 2] == '\r' && lpsz[len - 1] == '\n') {
        lpsz[len - 2] = '\n';
        lpsz[len - 1] = '\0';
    }
    return lpsz;
}

ULONGLONG CStdioFile::GetPosition() const
{
    CheckStream();
    off_t pos = ftello(m_pStream);
    if (pos < 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    CheckStream();
    int whence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    if (fseeko(m_pStream, static_cast<off_t>(lOff), whence) != 0) {
        int err = errno;
        AfxThrowFileException(err == EINVAL ? CFileException::badSeek : CFileException::ErrnoToException(err),
                              err, m_strFileName);
    }
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    CheckStream();
    if (std::fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return CFile::GetLength();
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    CheckStream();
    if (std::fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    CFile::SetLength(dwNewLen);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    CheckStream();
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
    if (n < nCount && std::ferror(m_pStream))
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    CheckStream();
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CStdioFile::Flush()
{
    if (m_pStream != nullptr && std::fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
}

void CStdioFile::Close()
{
    int err = 0;
    if (m_pStream != nullptr && m_bCloseOnDelete) {
        if (std::fclose(m_pStream) != 0)
            err = errno;
    }
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (err != 0)
        CFileException::ThrowErrno(err, name);
}

CFile* CStdioFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}
