#include "mfc/file.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (lpBuffer == nullptr && nBufferSize != 0)
        AfxThrowInvalidArgException();
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    // At least double the block, so that a file written piece by piece is copied only a
    // logarithmic number of times; keep the size a multiple of the grow step.
    SIZE_T step = m_nGrowBytes;
    SIZE_T target = m_nBufferSize + std::max(step, m_nBufferSize);
    if (target < dwNewLen)
        target = dwNewLen;
    if (target % step != 0 && target <= SIZE_MAX - step)
        target += step - target % step;
    BYTE* p = static_cast<BYTE*>(std::realloc(m_lpBuffer, target));
    if (p == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = p;
    m_nBufferSize = target;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                    : nFrom == end   ? static_cast<LONGLONG>(m_nFileSize)
                                     : 0;
    if ((lOff < 0 && base + lOff < 0) || (lOff > 0 && base > LLONG_MAX - lOff))
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<SIZE_T>(base + lOff);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > SIZE_MAX / 2)
        AfxThrowMemoryException();
    SIZE_T nNewLen = static_cast<SIZE_T>(dwNewLen);
    if (nNewLen > m_nBufferSize)
        GrowFile(nNewLen);
    if (nNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, nNewLen - m_nFileSize);
    if (nNewLen < m_nPosition)
        m_nPosition = nNewLen;
    m_nFileSize = nNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    SIZE_T n = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (m_nPosition > SIZE_MAX / 2 - nCount)
        AfxThrowMemoryException();
    SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memmove(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::Close()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nGrowBytes = 0;
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax)
{
    if (nCommand == bufferCheck)
        return bufferDirect;
    if (nCommand == bufferCommit) {
        SIZE_T nEnd = std::min<SIZE_T>(m_nPosition + nCount, m_nBufferSize);
        m_nPosition = std::max(m_nPosition, nEnd);
        if (m_nPosition > m_nFileSize)
            m_nFileSize = m_nPosition;
        return 0;
    }
    if ((nCommand != bufferRead && nCommand != bufferWrite) || ppBufStart == nullptr || ppBufMax == nullptr)
        AfxThrowInvalidArgException();
    if (nCommand == bufferWrite) {
        if (m_nPosition + nCount > m_nBufferSize)
            GrowFile(m_nPosition + nCount);
        if (m_nPosition > m_nFileSize)
            std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
        *ppBufStart = m_lpBuffer + m_nPosition;
        *ppBufMax = m_lpBuffer + std::min<SIZE_T>(m_nBufferSize, m_nPosition + nCount);
    } else {
        SIZE_T nStart = std::min(m_nPosition, m_nFileSize);
        SIZE_T nAvail = m_nFileSize - nStart;
        SIZE_T n = nCount == static_cast<UINT>(-1) ? nAvail : std::min<SIZE_T>(nCount, nAvail);
        *ppBufStart = m_lpBuffer + nStart;
        *ppBufMax = m_lpBuffer + nStart + n;
        m_nPosition = nStart + n;
    }
    return static_cast<UINT>(static_cast<BYTE*>(*ppBufMax) - static_cast<BYTE*>(*ppBufStart));
}
