#pragma once
// CGenString: the string class of the family's core library. Here it is a thin CString: it
// derives from CString, adds no data, and converts freely to and from CString and const char*,
// so either can be passed where the other is expected.
#include <utility>

#include "mfc/string.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CGenString : public CString {
public:
    CGenString() noexcept = default;
    CGenString(const CGenString&) = default;
    CGenString(CGenString&&) noexcept = default;
    CGenString(const CString& other) : CString(other) {}
    CGenString(CString&& other) noexcept : CString(std::move(other)) {}
    CGenString(LPCTSTR psz) : CString(psz) {}
    CGenString(LPCTSTR pch, int nLength) : CString(pch, nLength) {}
    explicit CGenString(char ch, int nRepeat = 1) : CString(ch, nRepeat) {}
    explicit CGenString(std::string_view text) : CString(text) {}

    CGenString& operator=(const CGenString&) = default;
    CGenString& operator=(CGenString&&) noexcept = default;
    CGenString& operator=(const CString& other)
    {
        CString::operator=(other);
        return *this;
    }
    CGenString& operator=(CString&& other) noexcept
    {
        CString::operator=(std::move(other));
        return *this;
    }
    CGenString& operator=(LPCTSTR psz)
    {
        CString::operator=(psz);
        return *this;
    }
    CGenString& operator=(char ch)
    {
        CString::operator=(ch);
        return *this;
    }

    // The text as a plain CString (a copy).
    CString ToCString() const { return *this; }
};

MISC_PUBLIC_END
