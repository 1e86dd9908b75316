#pragma once
// Files: CFile over a POSIX file descriptor, CMemFile (a growable block of memory), and
// CStdioFile (buffered text lines). Errors throw CFileException* as in MFC, with m_lOsError
// holding the system's errno; Open reports its failure through the optional exception object
// and its result instead.
//
// Text mode changes nothing on this platform: line ends are written as given. CStdioFile's
// ReadString accepts lines ending in "\r\n" as well as "\n".
#include <cstdio>

#include "mfc/exception.h"
#include "mfc/object.h"
#include "mfc/string.h"
#include "mfc/time.h"
#include "win32/types.h"

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct CFileStatus {
    CTime m_ctime; // change time of the file's status (creation time is not kept on Linux)
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size;
    BYTE m_attribute; // CFile::Attribute bits
    BYTE _m_padding;
    char m_szFullName[MAX_PATH];
};

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };
    enum BufferCommand { bufferRead, bufferWrite, bufferCommit, bufferCheck };
    enum BufferFlags { bufferDirect = 0x01, bufferBlocking = 0x02 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps an open descriptor (cast to HANDLE); the object does not close it.
    explicit CFile(HANDLE hFile);
    // Opens or throws CFileException*.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    operator HANDLE() const { return m_hFile; }

    // Opens the file; on failure returns FALSE and fills *pError when given. A folder cannot be
    // opened as a file (accessDenied). Sharing flags are accepted and not enforced.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Reads up to nCount bytes; fewer only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void LockRange(ULONGLONG dwPos, ULONGLONG dwCount);
    virtual void UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount);

    // Closes without reporting errors.
    virtual void Abort();
    // Writes reach the system at once; Flush has nothing left to push.
    virtual void Flush();
    virtual void Close();

    virtual CFile* Duplicate() const;
    virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = nullptr,
                              void** ppBufMax = nullptr);

    // The full path the file was opened with (relative names are made absolute), its last
    // component, and that component without extension.
    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    // Renames; fails (accessDenied) when the new name exists, as Windows does. Throws on error.
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    // Removes a file (not a folder); throws on error.
    static void Remove(LPCTSTR lpszFileName);

    HANDLE m_hFile;

protected:
    int Fd() const;
    void CheckOpen() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file in memory. The block is allocated with malloc, so a block handed over by Attach or
// taken by Detach belongs with malloc/free.
class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty file that grows in steps of at least nGrowBytes (more for large files, so that
    // growing stays cheap).
    explicit CMemFile(UINT nGrowBytes = 1024);
    // A file over the caller's block: see Attach.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Uses the caller's block. With nGrowBytes 0 the file is the block's content and cannot grow
    // (writing past its end throws CMemoryException*); otherwise the file starts empty and the
    // block is reallocated as the file grows. The block is not freed by this object.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Gives up the block (the caller frees it) and leaves an empty file.
    BYTE* Detach();

    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void LockRange(ULONGLONG, ULONGLONG) override {}
    void UnlockRange(ULONGLONG, ULONGLONG) override {}
    void Abort() override;
    void Flush() override {}
    void Close() override;
    CFile* Duplicate() const override;
    // Direct access to the block: bufferCheck answers bufferDirect; bufferRead and bufferWrite
    // give [start, max) of up to nCount bytes at the position and move the position past them.
    UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = nullptr,
                      void** ppBufMax = nullptr) override;

protected:
    void GrowFile(SIZE_T dwNewLen);

    SIZE_T m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete; // the block is ours to free
};

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps an open stream; the object does not close it.
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // Writes the text as it is.
    virtual void WriteString(LPCTSTR lpsz);
    // The next line without its "\n" or "\r\n"; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // The next line with its line end (a "\r\n" becomes "\n"), at most nMax - 1 characters and a
    // NUL; null at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Abort() override;
    void Flush() override;
    void Close() override;
    CFile* Duplicate() const override;

    FILE* m_pStream;

private:
    void CheckStream() const;
};

MISC_PUBLIC_END
