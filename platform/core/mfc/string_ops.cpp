// CString: trimming, searching, extraction, editing, operators and string resources.
#include "mfc/string.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "mfc/module.h"
#include "win32/module.h"

namespace {

bool IsSpace(char ch)
{
    return isspace(static_cast<unsigned char>(ch)) != 0;
}

bool InSet(char ch, LPCTSTR set)
{
    return ch != '\0' && set && strchr(set, ch) != nullptr;
}

} // namespace

// --- trimming -----------------------------------------------------------------------------

namespace {

template <class Pred>
void TrimRightIf(CString& s, Pred pred)
{
    int n = s.GetLength();
    const char* p = s.GetString();
    while (n > 0 && pred(p[n - 1]))
        --n;
    if (n != s.GetLength())
        s.Truncate(n);
}

template <class Pred>
void TrimLeftIf(CString& s, Pred pred)
{
    const char* p = s.GetString();
    int n = 0;
    while (n < s.GetLength() && pred(p[n]))
        ++n;
    if (n > 0)
        s.Delete(0, n);
}

} // namespace

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    TrimLeftIf(*this, IsSpace);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    TrimLeftIf(*this, [chTarget](char ch) { return ch == chTarget; });
    return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
    TrimLeftIf(*this, [pszTargets](char ch) { return InSet(ch, pszTargets); });
    return *this;
}

CString& CString::TrimRight()
{
    TrimRightIf(*this, IsSpace);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    TrimRightIf(*this, [chTarget](char ch) { return ch == chTarget; });
    return *this;
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
    TrimRightIf(*this, [pszTargets](char ch) { return InSet(ch, pszTargets); });
    return *this;
}

// --- searching ----------------------------------------------------------------------------

int CString::Find(char ch, int iStart) const noexcept
{
    if (iStart < 0 || iStart >= m_nLength || ch == '\0')
        return -1;
    const void* p = memchr(m_pszData + iStart, ch, static_cast<size_t>(m_nLength - iStart));
    return p ? static_cast<int>(static_cast<const char*>(p) - m_pszData) : -1;
}

int CString::Find(LPCTSTR pszSub, int iStart) const noexcept
{
    if (!pszSub || iStart < 0 || iStart > m_nLength)
        return -1;
    const char* p = strstr(m_pszData + iStart, pszSub);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

int CString::ReverseFind(char ch) const noexcept
{
    if (ch == '\0')
        return -1;
    const char* p = strrchr(m_pszData, ch);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

int CString::FindOneOf(LPCTSTR pszCharSet) const noexcept
{
    if (!pszCharSet)
        return -1;
    const char* p = strpbrk(m_pszData, pszCharSet);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

// --- extraction ---------------------------------------------------------------------------

CString CString::Left(int nCount) const
{
    if (nCount >= m_nLength)
        return *this;
    return CString(m_pszData, std::max(nCount, 0));
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, m_nLength);
}

CString CString::Mid(int iFirst, int nCount) const
{
    iFirst = std::max(iFirst, 0);
    nCount = std::max(nCount, 0);
    if (iFirst >= m_nLength)
        return CString();
    nCount = std::min(nCount, m_nLength - iFirst);
    if (iFirst == 0 && nCount == m_nLength)
        return *this;
    return CString(m_pszData + iFirst, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount >= m_nLength)
        return *this;
    nCount = std::max(nCount, 0);
    return CString(m_pszData + m_nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const
{
    return Left(pszCharSet ? static_cast<int>(strspn(m_pszData, pszCharSet)) : 0);
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const
{
    return Left(pszCharSet ? static_cast<int>(strcspn(m_pszData, pszCharSet)) : m_nLength);
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const
{
    if (iStart >= 0 && iStart < m_nLength) {
        if (!pszTokens || !*pszTokens) {
            // No delimiters: the rest is one token. Move past it so a loop ends.
            CString rest(m_pszData + iStart, m_nLength - iStart);
            iStart = m_nLength + 1;
            return rest;
        }
        const char* place = m_pszData + iStart;
        int including = static_cast<int>(strspn(place, pszTokens));
        if (iStart + including < m_nLength) {
            int from = iStart + including;
            int until = static_cast<int>(strcspn(m_pszData + from, pszTokens));
            iStart = from + until + 1;
            return CString(m_pszData + from, until);
        }
    }
    iStart = -1;
    return CString();
}

// --- editing ------------------------------------------------------------------------------

CString& CString::MakeUpper() noexcept
{
    for (int i = 0; i < m_nLength; ++i)
        m_pszData[i] = static_cast<char>(toupper(static_cast<unsigned char>(m_pszData[i])));
    return *this;
}

CString& CString::MakeLower() noexcept
{
    for (int i = 0; i < m_nLength; ++i)
        m_pszData[i] = static_cast<char>(tolower(static_cast<unsigned char>(m_pszData[i])));
    return *this;
}

CString& CString::MakeReverse() noexcept
{
    std::reverse(m_pszData, m_pszData + m_nLength);
    return *this;
}

int CString::Replace(char chOld, char chNew) noexcept
{
    if (chOld == '\0')
        return 0;
    int count = 0;
    for (int i = 0; i < m_nLength; ++i) {
        if (m_pszData[i] == chOld) {
            m_pszData[i] = chNew;
            ++count;
        }
    }
    if (chNew == '\0' && count > 0)
        m_nLength = static_cast<int>(strlen(m_pszData)); // the text now ends at the first NUL
    return count;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
    int oldLength = pszOld ? static_cast<int>(strlen(pszOld)) : 0;
    if (oldLength == 0 || m_nLength == 0)
        return 0;
    if (!pszNew)
        pszNew = "";
    int count = 0;
    for (const char* p = strstr(m_pszData, pszOld); p; p = strstr(p + oldLength, pszOld))
        ++count;
    if (count == 0)
        return 0;
    // Build the result apart: pszOld and pszNew may point into this text.
    int newLength = static_cast<int>(strlen(pszNew));
    CString result;
    result.Preallocate(m_nLength + count * (newLength - oldLength));
    const char* from = m_pszData;
    for (const char* p = strstr(from, pszOld); p; p = strstr(from, pszOld)) {
        result.Append(from, static_cast<int>(p - from));
        result.Append(pszNew, newLength);
        from = p + oldLength;
    }
    result.Append(from, static_cast<int>(m_pszData + m_nLength - from));
    *this = std::move(result);
    return count;
}

int CString::Remove(char chRemove) noexcept
{
    if (m_nLength == 0)
        return 0;
    char* end = std::remove(m_pszData, m_pszData + m_nLength, chRemove);
    int removed = static_cast<int>(m_pszData + m_nLength - end);
    if (removed)
        SetLengthInternal(m_nLength - removed);
    return removed;
}

int CString::Insert(int iIndex, char ch)
{
    return Insert(iIndex, CString(&ch, ch ? 1 : 0));
}

int CString::Insert(int iIndex, LPCTSTR psz)
{
    iIndex = std::clamp(iIndex, 0, m_nLength);
    CString piece(psz); // a copy: psz may point into this text
    if (piece.IsEmpty())
        return m_nLength;
    int oldLength = m_nLength;
    Reserve(oldLength + piece.m_nLength);
    memmove(m_pszData + iIndex + piece.m_nLength, m_pszData + iIndex,
            static_cast<size_t>(oldLength - iIndex));
    memcpy(m_pszData + iIndex, piece.m_pszData, static_cast<size_t>(piece.m_nLength));
    SetLengthInternal(oldLength + piece.m_nLength);
    return m_nLength;
}

int CString::Delete(int iIndex, int nCount) noexcept
{
    iIndex = std::max(iIndex, 0);
    if (nCount <= 0 || iIndex >= m_nLength)
        return m_nLength;
    nCount = std::min(nCount, m_nLength - iIndex);
    memmove(m_pszData + iIndex, m_pszData + iIndex + nCount,
            static_cast<size_t>(m_nLength - iIndex - nCount));
    SetLengthInternal(m_nLength - nCount);
    return m_nLength;
}

void CString::Truncate(int nNewLength) noexcept
{
    if (nNewLength >= 0 && nNewLength < m_nLength)
        SetLengthInternal(nNewLength);
}

// --- string resources ---------------------------------------------------------------------

BOOL CString::LoadString(UINT nID)
{
    // The current resource module, then the extension-library chain, then every module.
    const char* text = AfxFindStringResource(nID);
    if (!text)
        return FALSE;
    SetString(text);
    return TRUE;
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    const char* text = MiscFindString(hInstance, nID);
    if (!text)
        return FALSE;
    SetString(text);
    return TRUE;
}

// --- free operators -----------------------------------------------------------------------

CString operator+(const CString& a, const CString& b)
{
    CString s;
    s.Preallocate(a.GetLength() + b.GetLength());
    s.Append(a);
    s.Append(b);
    return s;
}

CString operator+(const CString& a, LPCTSTR b)
{
    CString s(a);
    s.Append(b);
    return s;
}

CString operator+(LPCTSTR a, const CString& b)
{
    CString s(a);
    s.Append(b);
    return s;
}

CString operator+(const CString& a, char b)
{
    CString s(a);
    s.AppendChar(b);
    return s;
}

CString operator+(char a, const CString& b)
{
    CString s(a);
    s.Append(b);
    return s;
}

bool operator==(const CString& a, const CString& b) noexcept
{
    return a.GetLength() == b.GetLength() && a.Compare(b) == 0;
}
bool operator==(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) == 0; }
bool operator==(const CString& a, char b) noexcept { return a.GetLength() == 1 && a[0] == b; }
bool operator!=(const CString& a, const CString& b) noexcept { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) noexcept { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) noexcept { return !(b == a); }
bool operator!=(const CString& a, char b) noexcept { return !(a == b); }
bool operator<(const CString& a, const CString& b) noexcept { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) < 0; }
bool operator<(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) noexcept { return a.Compare(b) > 0; }
bool operator>(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) > 0; }
bool operator>(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) noexcept { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) <= 0; }
bool operator<=(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) noexcept { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) >= 0; }
bool operator>=(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) <= 0; }

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (!lpszFullString || iSubString < 0)
        return FALSE;
    const char* p = lpszFullString;
    for (; iSubString > 0; --iSubString) {
        p = strchr(p, chSep);
        if (!p)
            return FALSE;
        ++p;
    }
    const char* end = strchr(p, chSep);
    rString.SetString(p, end ? static_cast<int>(end - p) : static_cast<int>(strlen(p)));
    return TRUE;
}
