#include "mfc/string.h"

#include "string_pool.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>

namespace {

constexpr int kMaxLength = CString::kMaxLength;

int ClampLength(size_t n)
{
    return n > static_cast<size_t>(kMaxLength) ? kMaxLength : static_cast<int>(n);
}

int SafeLength(LPCTSTR psz)
{
    return psz ? ClampLength(strlen(psz)) : 0;
}

// The buffer size for at least nLength characters: doubling, so that repeated appends stay
// linear, from a first buffer of 31 characters.
int GrownCapacity(int nAlloc, int nLength)
{
    int grown = nAlloc <= kMaxLength / 2 ? nAlloc * 2 : kMaxLength;
    return std::min(std::max({nLength, grown, 31}), kMaxLength);
}

char* Allocate(int nAlloc)
{
    return misc_string_pool::Allocate(nAlloc);
}

} // namespace

// --- construction and assignment ---------------------------------------------------------

CString::CString(const CString& other) : CString()
{
    SetString(other.m_pszData, other.m_nLength);
}

CString::CString(CString&& other) noexcept
    : m_pszData(other.m_pszData), m_nLength(other.m_nLength), m_nAlloc(other.m_nAlloc)
{
    other.m_pszData = EmptyData();
    other.m_nLength = 0;
    other.m_nAlloc = 0;
}

CString::CString(LPCTSTR psz) : CString()
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
    else
        SetString(psz);
}

CString::CString(LPCTSTR pch, int nLength) : CString()
{
    SetString(pch, nLength);
}

CString::CString(char ch, int nRepeat) : CString()
{
    if (nRepeat > 0 && ch != '\0') {
        Reserve(nRepeat);
        memset(m_pszData, ch, static_cast<size_t>(nRepeat));
        SetLengthInternal(nRepeat);
    }
}

CString::CString(std::string_view text) : CString()
{
    SetString(text.data(), ClampLength(text.size()));
}

CString::~CString()
{
    if (m_nAlloc)
        misc_string_pool::Release(m_pszData, m_nAlloc);
}

CString& CString::operator=(const CString& other)
{
    if (&other != this)
        SetString(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (&other != this) {
        if (m_nAlloc)
            misc_string_pool::Release(m_pszData, m_nAlloc);
        m_pszData = other.m_pszData;
        m_nLength = other.m_nLength;
        m_nAlloc = other.m_nAlloc;
        other.m_pszData = EmptyData();
        other.m_nLength = 0;
        other.m_nAlloc = 0;
    }
    return *this;
}

CString& CString::operator=(LPCTSTR psz)
{
    if (psz && IS_INTRESOURCE(psz)) {
        Empty();
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
    } else {
        SetString(psz);
    }
    return *this;
}

CString& CString::operator=(char ch)
{
    SetString(&ch, ch ? 1 : 0);
    return *this;
}

// --- storage ------------------------------------------------------------------------------

void CString::Reserve(int nLength)
{
    if (nLength <= m_nAlloc)
        return;
    if (nLength > kMaxLength)
        nLength = kMaxLength;
    int nAlloc = GrownCapacity(m_nAlloc, nLength);
    char* p = Allocate(nAlloc);
    memcpy(p, m_pszData, static_cast<size_t>(m_nLength) + 1);
    if (m_nAlloc)
        misc_string_pool::Release(m_pszData, m_nAlloc);
    m_pszData = p;
    m_nAlloc = nAlloc;
}

void CString::SetLengthInternal(int nLength) noexcept
{
    if (m_nAlloc == 0)
        return; // the shared empty text stays as it is
    m_nLength = std::clamp(nLength, 0, m_nAlloc);
    m_pszData[m_nLength] = '\0';
}

void CString::Empty() noexcept
{
    if (m_nAlloc)
        misc_string_pool::Release(m_pszData, m_nAlloc);
    m_pszData = EmptyData();
    m_nLength = 0;
    m_nAlloc = 0;
}

void CString::Preallocate(int nLength)
{
    Reserve(nLength);
}

void CString::FreeExtra()
{
    if (m_nAlloc == 0 || m_nAlloc == m_nLength)
        return;
    if (m_nLength == 0) {
        Empty();
        return;
    }
    char* p = Allocate(m_nLength);
    memcpy(p, m_pszData, static_cast<size_t>(m_nLength) + 1);
    misc_string_pool::Release(m_pszData, m_nAlloc);
    m_pszData = p;
    m_nAlloc = m_nLength;
}

void CString::SetString(LPCTSTR psz)
{
    SetString(psz, SafeLength(psz));
}

void CString::SetString(LPCTSTR pch, int nLength)
{
    if (!pch || nLength <= 0) {
        if (m_nAlloc)
            SetLengthInternal(0);
        return;
    }
    if (nLength > kMaxLength)
        nLength = kMaxLength;
    if (nLength <= m_nAlloc) {
        memmove(m_pszData, pch, static_cast<size_t>(nLength)); // pch may point into this text
        SetLengthInternal(nLength);
        return;
    }
    // A fresh buffer: pch may point into the old one, which stays alive until the copy is made.
    char* p = Allocate(nLength);
    memcpy(p, pch, static_cast<size_t>(nLength));
    p[nLength] = '\0';
    if (m_nAlloc)
        misc_string_pool::Release(m_pszData, m_nAlloc);
    m_pszData = p;
    m_nLength = nLength;
    m_nAlloc = nLength;
}

void CString::AppendGrow(LPCTSTR pch, int nLength)
{
    if (!pch || nLength <= 0)
        return;
    if (nLength > kMaxLength - m_nLength)
        nLength = kMaxLength - m_nLength;
    int newLength = m_nLength + nLength;
    if (newLength > m_nAlloc) {
        int nAlloc = GrownCapacity(m_nAlloc, newLength);
        char* p = Allocate(nAlloc);
        memcpy(p, m_pszData, static_cast<size_t>(m_nLength));
        memcpy(p + m_nLength, pch, static_cast<size_t>(nLength)); // pch may be in the old buffer
        if (m_nAlloc)
            misc_string_pool::Release(m_pszData, m_nAlloc);
        m_pszData = p;
        m_nAlloc = nAlloc;
    } else {
        memmove(m_pszData + m_nLength, pch, static_cast<size_t>(nLength));
    }
    SetLengthInternal(newLength);
}

// --- access -------------------------------------------------------------------------------

char CString::GetAt(int nIndex) const noexcept
{
    return nIndex >= 0 && nIndex < m_nLength ? m_pszData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch) noexcept
{
    if (nIndex >= 0 && nIndex < m_nLength)
        m_pszData[nIndex] = ch;
}

// --- buffer -------------------------------------------------------------------------------

LPTSTR CString::GetBuffer()
{
    return GetBuffer(m_nLength);
}

LPTSTR CString::GetBuffer(int nMinBufferLength)
{
    // Even an empty request gets writable storage, never the shared empty text.
    Reserve(std::max({nMinBufferLength, m_nLength, 1}));
    return m_pszData;
}

LPTSTR CString::GetBufferSetLength(int nLength)
{
    GetBuffer(nLength);
    SetLengthInternal(nLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength) noexcept
{
    if (m_nAlloc == 0)
        return;
    if (nNewLength < 0) {
        // The caller wrote a NUL-terminated text; never read past the buffer looking for it.
        const void* nul = memchr(m_pszData, '\0', static_cast<size_t>(m_nAlloc) + 1);
        nNewLength = nul ? static_cast<int>(static_cast<const char*>(nul) - m_pszData) : m_nAlloc;
    }
    SetLengthInternal(nNewLength);
}

// --- comparison ---------------------------------------------------------------------------

int CString::Compare(LPCTSTR psz) const noexcept
{
    return strcmp(m_pszData, psz ? psz : "");
}

int CString::CompareNoCase(LPCTSTR psz) const noexcept
{
    return strcasecmp(m_pszData, psz ? psz : "");
}

int CString::Collate(LPCTSTR psz) const noexcept
{
    return strcoll(m_pszData, psz ? psz : "");
}

int CString::CollateNoCase(LPCTSTR psz) const noexcept
{
    CString a(*this), b(psz);
    a.MakeLower();
    b.MakeLower();
    return strcoll(a.m_pszData, b.m_pszData);
}

// --- formatting ---------------------------------------------------------------------------

namespace {

// Formats into `out`, which receives a text of any length. Short results go through a stack
// buffer first so that arguments that point into `out` itself stay valid while they are read.
void FormatInto(CString& out, bool append, LPCTSTR pszFormat, va_list args)
{
    if (!pszFormat)
        pszFormat = "";
    char small[512];
    va_list again;
    va_copy(again, args);
    int n = vsnprintf(small, sizeof small, pszFormat, args);
    if (n < 0) {
        va_end(again);
        if (!append)
            out.Empty();
        return; // an encoding error: nothing to add
    }
    if (static_cast<size_t>(n) < sizeof small) {
        va_end(again);
        if (append)
            out.Append(small, n);
        else
            out.SetString(small, n);
        return;
    }
    CString big;
    char* p = big.GetBuffer(n);
    vsnprintf(p, static_cast<size_t>(n) + 1, pszFormat, again);
    va_end(again);
    big.ReleaseBuffer(n);
    if (append)
        out.Append(big);
    else
        out = std::move(big);
}

} // namespace

void CString::FormatV(LPCTSTR pszFormat, va_list args)
{
    FormatInto(*this, false, pszFormat, args);
}

void CString::AppendFormatV(LPCTSTR pszFormat, va_list args)
{
    FormatInto(*this, true, pszFormat, args);
}

void CString::FormatRaw(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatInto(*this, false, pszFormat, args);
    va_end(args);
}

void CString::AppendFormatRaw(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatInto(*this, true, pszFormat, args);
    va_end(args);
}

// --- output -------------------------------------------------------------------------------

std::ostream& operator<<(std::ostream& os, const CString& s)
{
    return os.write(s.GetString(), s.GetLength());
}
