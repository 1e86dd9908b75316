#include "mfc/archive.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace {

constexpr UINT kMinBufSize = 128;
constexpr UINT kMaxBufSize = 1u << 24;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf) : m_nMode(nMode), m_pFile(pFile)
{
    if (pFile == nullptr)
        AfxThrowInvalidArgException();
    m_strFileName = pFile->GetFilePath();
    if (lpBuf != nullptr && nBufSize >= 16) {
        m_nBufSize = static_cast<UINT>(nBufSize);
        m_lpBufStart = static_cast<BYTE*>(lpBuf);
    } else {
        m_nBufSize = std::clamp<UINT>(nBufSize > 0 ? static_cast<UINT>(nBufSize) : 0, kMinBufSize, kMaxBufSize);
        m_ownBuffer.reset(new BYTE[m_nBufSize]);
        m_lpBufStart = m_ownBuffer.get();
    }
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    Abort();
}

void CArchive::CheckLoading() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::CheckStoring() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

BOOL CArchive::IsBufferEmpty() const
{
    if (IsStoring())
        return m_lpBufCur == m_lpBufStart;
    if (m_lpBufCur == m_lpBufMax && m_pFile != nullptr)
        const_cast<CArchive*>(this)->FillBuffer();
    return m_lpBufCur == m_lpBufMax;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nResult;
}

// Buffer

void CArchive::FillBuffer()
{
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    UINT nRead = m_pFile->Read(m_lpBufStart, m_nBufSize);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nRead;
}

void CArchive::FlushBuffer()
{
    if (m_lpBufCur == m_lpBufStart)
        return;
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    UINT n = static_cast<UINT>(m_lpBufCur - m_lpBufStart);
    m_lpBufCur = m_lpBufStart;
    m_pFile->Write(m_lpBufStart, n);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    if (nMax == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT nLeft = nMax;
    for (;;) {
        UINT n = std::min(nLeft, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
        std::memcpy(p, m_lpBufCur, n);
        m_lpBufCur += n;
        p += n;
        nLeft -= n;
        if (nLeft == 0)
            break;
        if (m_pFile == nullptr)
            AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
        if (nLeft >= m_nBufSize) {
            // Large reads go straight to the caller's memory.
            nLeft -= m_pFile->Read(p, nLeft);
            break;
        }
        FillBuffer();
        if (m_lpBufCur == m_lpBufMax)
            break;
    }
    return nMax - nLeft;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    if (nMax == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    UINT n = std::min(nMax, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
    std::memcpy(m_lpBufCur, p, n);
    m_lpBufCur += n;
    p += n;
    nMax -= n;
    if (nMax == 0)
        return;
    FlushBuffer();
    if (nMax >= m_nBufSize) {
        m_pFile->Write(p, nMax);
    } else {
        std::memcpy(m_lpBufCur, p, nMax);
        m_lpBufCur += nMax;
    }
}

void CArchive::Flush()
{
    if (IsStoring()) {
        FlushBuffer();
        return;
    }
    // Give back what was read ahead. A file that cannot seek loses it, as it would anyway.
    LONGLONG nUnread = m_lpBufMax - m_lpBufCur;
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
    if (nUnread > 0 && m_pFile != nullptr) {
        try {
            m_pFile->Seek(-nUnread, CFile::current);
        } catch (CFileException* e) {
            e->Delete();
        }
    }
}

void CArchive::Close()
{
    if (m_pFile != nullptr)
        Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

// Text lines

void CArchive::WriteString(LPCTSTR lpsz)
{
    if (lpsz != nullptr)
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == nullptr || nMax == 0)
        return nullptr;
    CString line;
    if (!ReadString(line))
        return nullptr;
    UINT n = std::min<UINT>(static_cast<UINT>(line.GetLength()), nMax - 1);
    std::memcpy(lpsz, line.GetString(), n);
    lpsz[n] = '\0';
    return lpsz;
}

BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    std::string line;
    bool any = false;
    for (;;) {
        if (m_lpBufCur == m_lpBufMax) {
            if (m_pFile == nullptr)
                break;
            FillBuffer();
            if (m_lpBufCur == m_lpBufMax)
                break;
        }
        any = true;
        BYTE* pEnd = std::find_if(m_lpBufCur, m_lpBufMax, [](BYTE c) { return c == '\n' || c == '\r'; });
        line.append(reinterpret_cast<const char*>(m_lpBufCur), static_cast<size_t>(pEnd - m_lpBufCur));
        m_lpBufCur = pEnd;
        if (pEnd == m_lpBufMax)
            continue;
        BYTE ch = *m_lpBufCur++;
        if (ch == '\r') {
            if (m_lpBufCur == m_lpBufMax && m_pFile != nullptr)
                FillBuffer();
            if (m_lpBufCur < m_lpBufMax && *m_lpBufCur == '\n')
                ++m_lpBufCur;
        }
        break;
    }
    if (line.size() > static_cast<size_t>(INT_MAX))
        AfxThrowMemoryException();
    rString.SetString(line.data(), static_cast<int>(line.size()));
    return any ? TRUE : FALSE;
}

// Numbers

CArchive& CArchive::operator<<(float f)
{
    DWORD bits;
    std::memcpy(&bits, &f, sizeof(bits));
    return WriteLE(bits);
}

CArchive& CArchive::operator<<(double d)
{
    ULONGLONG bits;
    std::memcpy(&bits, &d, sizeof(bits));
    return WriteLE(bits);
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    ReadLE(by);
    b = by != 0;
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD bits;
    ReadLE(bits);
    std::memcpy(&f, &bits, sizeof(f));
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    ULONGLONG bits;
    ReadLE(bits);
    std::memcpy(&d, &bits, sizeof(d));
    return *this;
}

// Counts

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    *this << static_cast<WORD>(0xFFFF);
    if (dwCount < 0xFFFFFFFFu) {
        *this << static_cast<DWORD>(dwCount);
        return;
    }
    *this << static_cast<DWORD>(0xFFFFFFFFu);
    *this << static_cast<ULONGLONG>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    if (dwCount != 0xFFFFFFFFu)
        return dwCount;
    ULONGLONG qwCount;
    *this >> qwCount;
    return static_cast<DWORD_PTR>(qwCount);
}

// Strings

void AfxWriteStringLength(CArchive& ar, ULONGLONG nLength, BOOL bUnicode)
{
    if (bUnicode)
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFE);
    if (nLength < 255) {
        ar << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    } else if (nLength < 0xFFFFFFFFu) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(nLength);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(0xFFFFFFFFu)
           << static_cast<ULONGLONG>(nLength);
    }
}

ULONGLONG AfxReadStringLength(CArchive& ar, int& nCharSize)
{
    nCharSize = 1;
    BYTE bLength;
    ar >> bLength;
    if (bLength < 0xFF)
        return bLength;
    WORD wLength;
    ar >> wLength;
    if (wLength == 0xFFFE) {
        // 16-bit characters follow; the length starts over in the same forms.
        nCharSize = 2;
        ar >> bLength;
        if (bLength < 0xFF)
            return bLength;
        ar >> wLength;
    }
    if (wLength < 0xFFFF)
        return wLength;
    DWORD dwLength;
    ar >> dwLength;
    if (dwLength < 0xFFFFFFFFu)
        return dwLength;
    ULONGLONG qwLength;
    ar >> qwLength;
    return qwLength;
}

void AfxWriteStringW(CArchive& ar, const char16_t* pch, ULONGLONG nLength)
{
    AfxWriteStringLength(ar, nLength, TRUE);
    for (ULONGLONG i = 0; i < nLength; ++i)
        ar << static_cast<WORD>(pch[i]);
}

CArchive& operator<<(CArchive& ar, const CString& str)
{
    AfxWriteStringLength(ar, static_cast<ULONGLONG>(str.GetLength()), FALSE);
    ar.Write(str.GetString(), static_cast<UINT>(str.GetLength()));
    return ar;
}

CArchive& operator<<(CArchive& ar, LPCTSTR psz)
{
    size_t n = psz == nullptr ? 0 : std::strlen(psz);
    AfxWriteStringLength(ar, n, FALSE);
    if (n > 0)
        ar.Write(psz, static_cast<UINT>(n));
    return ar;
}

namespace {

// A string never grows beyond what has been read: the characters arrive in pieces that double
// with the text read so far.
CString ReadNarrowString(CArchive& ar, ULONGLONG nLength)
{
    CString result;
    ULONGLONG nDone = 0;
    while (nDone < nLength) {
        ULONGLONG nChunk = std::min<ULONGLONG>(nLength - nDone, std::max<ULONGLONG>(65536, nDone));
        int nNewLength = static_cast<int>(nDone + nChunk);
        char* p = result.GetBuffer(nNewLength);
        ar.EnsureRead(p + nDone, static_cast<UINT>(nChunk));
        result.ReleaseBuffer(nNewLength);
        nDone += nChunk;
    }
    return result;
}

// 16-bit characters become 8-bit ones: below 256 the same code, else '?' (one per surrogate
// pair).
CString ReadWideString(CArchive& ar, ULONGLONG nLength)
{
    std::string text;
    BYTE buf[8192];
    bool afterHighSurrogate = false;
    ULONGLONG nDone = 0;
    while (nDone < nLength) {
        UINT nUnits = static_cast<UINT>(std::min<ULONGLONG>(nLength - nDone, sizeof(buf) / 2));
        ar.EnsureRead(buf, nUnits * 2);
        for (UINT i = 0; i < nUnits; ++i) {
            WORD u = static_cast<WORD>(buf[2 * i] | (buf[2 * i + 1] << 8));
            bool lowSurrogate = u >= 0xDC00 && u <= 0xDFFF;
            if (afterHighSurrogate && lowSurrogate) {
                afterHighSurrogate = false;
                continue;
            }
            afterHighSurrogate = u >= 0xD800 && u <= 0xDBFF;
            text.push_back(u < 0x100 ? static_cast<char>(u) : '?');
        }
        nDone += nUnits;
    }
    return CString(text.data(), static_cast<int>(text.size()));
}

} // namespace

CArchive& operator>>(CArchive& ar, CString& str)
{
    int nCharSize = 1;
    ULONGLONG nLength = AfxReadStringLength(ar, nCharSize);
    // A CString holds fewer than 2^31 characters; no archive written by a program holds more.
    if (nLength >= static_cast<ULONGLONG>(INT_MAX))
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    str = nCharSize == 2 ? ReadWideString(ar, nLength) : ReadNarrowString(ar, nLength);
    return ar;
}
