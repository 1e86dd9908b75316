#pragma once
// CString: the MFC string of 8-bit characters (the system's ANSI code page).
//
// One heap buffer, no reference counting: copies copy. The empty string points at a shared
// static "" and allocates nothing. The buffer is always NUL-terminated, so the LPCTSTR
// conversion is free. Indexes and counts are int, as in MFC, and out-of-range arguments are
// clamped the way MFC clamps them (Left/Mid/Right, Find, Insert, Delete) instead of asserting.
//
// Format and AppendFormat take their arguments as a variadic template, so a CString (or a class
// derived from it) may be passed for a "%s" directly: it is handed on as its LPCTSTR.
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <functional>
#include <iosfwd>
#include <string_view>
#include <type_traits>

#include "win32/types.h"

// Text literals of the 8-bit character set.
#ifndef _T
#define _T(x) x
#endif
#ifndef _TEXT
#define _TEXT(x) x
#endif
#ifndef TEXT
#define TEXT(x) x
#endif

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CString {
public:
    CString() noexcept : m_pszData(EmptyData()), m_nLength(0), m_nAlloc(0) {}
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A null pointer gives the empty string; a MAKEINTRESOURCE value loads that string resource.
    CString(LPCTSTR psz);
    CString(LPCTSTR pch, int nLength);
    CString(const unsigned char* psz) : CString(reinterpret_cast<LPCTSTR>(psz)) {}
    explicit CString(char ch, int nRepeat = 1);
    explicit CString(std::string_view text);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCTSTR psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& other)
    {
        Append(other.m_pszData, other.m_nLength);
        return *this;
    }
    CString& operator+=(LPCTSTR psz)
    {
        Append(psz);
        return *this;
    }
    CString& operator+=(char ch)
    {
        AppendChar(ch);
        return *this;
    }

    // Access.
    int GetLength() const noexcept { return m_nLength; }
    bool IsEmpty() const noexcept { return m_nLength == 0; }
    void Empty() noexcept;
    LPCTSTR GetString() const noexcept { return m_pszData; }
    operator LPCTSTR() const noexcept { return m_pszData; }
    // Character at nIndex; NUL when the index is out of range.
    char GetAt(int nIndex) const noexcept;
    template <class I, std::enable_if_t<std::is_integral_v<I>, int> = 0>
    char operator[](I nIndex) const noexcept
    {
        return GetAt(static_cast<int>(nIndex));
    }
    // Replaces the character at nIndex; an index out of range changes nothing.
    void SetAt(int nIndex, char ch) noexcept;

    void SetString(LPCTSTR psz);
    void SetString(LPCTSTR pch, int nLength);
    void Append(LPCTSTR psz)
    {
        size_t n = psz ? strlen(psz) : 0;
        Append(psz, n > static_cast<size_t>(kMaxLength) ? kMaxLength : static_cast<int>(n));
    }
    // Appends nLength characters (a null pointer or a count <= 0 appends nothing).
    void Append(LPCTSTR pch, int nLength)
    {
        // Fast path inline: the text fits the buffer. pch may point into this text, but then
        // only before its end, so the copy does not overlap.
        if (pch && nLength > 0 && nLength <= m_nAlloc - m_nLength) {
            memcpy(m_pszData + m_nLength, pch, static_cast<size_t>(nLength));
            m_nLength += nLength;
            m_pszData[m_nLength] = '\0';
        } else {
            AppendGrow(pch, nLength);
        }
    }
    void Append(const CString& other) { Append(other.m_pszData, other.m_nLength); }
    void AppendChar(char ch)
    {
        if (ch != '\0' && m_nLength < m_nAlloc) {
            m_pszData[m_nLength++] = ch;
            m_pszData[m_nLength] = '\0';
        } else if (ch != '\0') {
            AppendGrow(&ch, 1);
        }
    }

    // Comparison: strcmp, case-insensitive (ASCII), strcoll.
    int Compare(LPCTSTR psz) const noexcept;
    int CompareNoCase(LPCTSTR psz) const noexcept;
    int Collate(LPCTSTR psz) const noexcept;
    int CollateNoCase(LPCTSTR psz) const noexcept;

    // printf formatting of any length.
    template <class... Args>
    void Format(LPCTSTR pszFormat, const Args&... args)
    {
        FormatRaw(pszFormat, FormatArg(args)...);
    }
    // The format is string resource nFormatID (see LoadString); an empty format when missing.
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        format.LoadString(nFormatID);
        FormatRaw(format.GetString(), FormatArg(args)...);
    }
    template <class... Args>
    void AppendFormat(LPCTSTR pszFormat, const Args&... args)
    {
        AppendFormatRaw(pszFormat, FormatArg(args)...);
    }
    void FormatV(LPCTSTR pszFormat, va_list args);
    void AppendFormatV(LPCTSTR pszFormat, va_list args);

    // Trimming: white space (isspace), one character, or any character of a set.
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCTSTR pszTargets);

    // Searching: the index found, or -1. A start index beyond the text finds nothing.
    int Find(char ch, int iStart = 0) const noexcept;
    int Find(LPCTSTR pszSub, int iStart = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(LPCTSTR pszCharSet) const noexcept;

    // Extraction, with MFC's clamping: negative counts give "", counts beyond give the rest.
    CString Left(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;
    // The next token at or after iStart, skipping leading delimiters; iStart moves past the
    // token, and becomes -1 (with an empty result) when no token is left.
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

    // Changing in place.
    CString& MakeUpper() noexcept;
    CString& MakeLower() noexcept;
    CString& MakeReverse() noexcept;
    // Replacements; the result is the number of replacements. An empty old text replaces nothing.
    int Replace(char chOld, char chNew) noexcept;
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    // Removes every chRemove; returns how many were removed.
    int Remove(char chRemove) noexcept;
    // Inserts before iIndex (clamped to 0..length); returns the new length.
    int Insert(int iIndex, char ch);
    int Insert(int iIndex, LPCTSTR psz);
    // Deletes up to nCount characters from iIndex; returns the new length.
    int Delete(int iIndex, int nCount = 1) noexcept;
    void Truncate(int nNewLength) noexcept;

    // Direct buffer access. GetBuffer(n) gives room for at least n characters and a NUL and keeps
    // the text; ReleaseBuffer(-1) takes the length up to the first NUL (within the buffer),
    // ReleaseBuffer(n) sets it to n.
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int nMinBufferLength);
    LPTSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1) noexcept;
    void ReleaseBufferSetLength(int nNewLength) noexcept { ReleaseBuffer(nNewLength); }
    LPTSTR LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() noexcept {}
    void Preallocate(int nLength);
    void FreeExtra();
    int GetAllocLength() const noexcept { return m_nAlloc; }

    // String resources: the string of the current resource module, else of the extension
    // libraries and then of any registered module (AfxFindStringResource). FALSE (and no
    // change) when no module has it. The second form looks in one module only.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Code-page conversions of the Windows programs; one code page here, so they change nothing.
    void AnsiToOem() noexcept {}
    void OemToAnsi() noexcept {}

    std::string_view View() const noexcept { return std::string_view(m_pszData, m_nLength); }

    // The longest text a CString holds; longer results are cut there rather than overflow int.
    static constexpr int kMaxLength = 0x3FFFFFFF;

private:
    static char* EmptyData() noexcept { return const_cast<char*>(""); }
    template <class T>
    static decltype(auto) FormatArg(const T& value)
    {
        if constexpr (std::is_base_of_v<CString, T>)
            return value.GetString();
        else
            return (value);
    }
    void FormatRaw(LPCTSTR pszFormat, ...);
    void AppendFormatRaw(LPCTSTR pszFormat, ...);
    // Grows the buffer to hold nLength characters and a NUL, keeping the text.
    void Reserve(int nLength);
    void SetLengthInternal(int nLength) noexcept;
    // Append when the buffer must grow (or the arguments are empty).
    void AppendGrow(LPCTSTR pch, int nLength);

    char* m_pszData;
    int m_nLength;
    int m_nAlloc; // characters the buffer holds besides the NUL; 0 while m_pszData is the static ""
};

typedef CString CStringA;

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b) noexcept;
bool operator==(const CString& a, LPCTSTR b) noexcept;
bool operator==(LPCTSTR a, const CString& b) noexcept;
bool operator==(const CString& a, char b) noexcept;
bool operator!=(const CString& a, const CString& b) noexcept;
bool operator!=(const CString& a, LPCTSTR b) noexcept;
bool operator!=(LPCTSTR a, const CString& b) noexcept;
bool operator!=(const CString& a, char b) noexcept;
bool operator<(const CString& a, const CString& b) noexcept;
bool operator<(const CString& a, LPCTSTR b) noexcept;
bool operator<(LPCTSTR a, const CString& b) noexcept;
bool operator>(const CString& a, const CString& b) noexcept;
bool operator>(const CString& a, LPCTSTR b) noexcept;
bool operator>(LPCTSTR a, const CString& b) noexcept;
bool operator<=(const CString& a, const CString& b) noexcept;
bool operator<=(const CString& a, LPCTSTR b) noexcept;
bool operator<=(LPCTSTR a, const CString& b) noexcept;
bool operator>=(const CString& a, const CString& b) noexcept;
bool operator>=(const CString& a, LPCTSTR b) noexcept;
bool operator>=(LPCTSTR a, const CString& b) noexcept;

// Writes the text (for test messages and logs).
std::ostream& operator<<(std::ostream& os, const CString& s);

// Sub-string iSubString of a text of fields separated by chSep; FALSE (and "") when the text
// has fewer fields.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                         char chSep = '\n');

template <>
struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept
    {
        return std::hash<std::string_view>()(s.View());
    }
};

MISC_PUBLIC_END
