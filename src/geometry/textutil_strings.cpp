// Right-to-left reordering, numeric prefixes, bar codes, font files and the notice text.
#include "misc/geometry/text.h"

#include "misc/frame/profile.h"

#include <afx.h>
#include <mfc/resscope.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

inline bool IsRightToLeft(char c) { return static_cast<unsigned char>(c) >= 128; }

char MirrorBracket(char c)
{
    switch (c) {
    case '(': return ')';
    case ')': return '(';
    case '[': return ']';
    case ']': return '[';
    case '{': return '}';
    case '}': return '{';
    default: return c;
    }
}

// Reorders s (n characters) in place.
void Reorder(char* s, size_t n)
{
    std::reverse(s, s + n);
    size_t i = 0;
    while (i < n) {
        if (IsRightToLeft(s[i]) || s[i] == ' ') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < n && !IsRightToLeft(s[j]))
            ++j;
        size_t end = j;
        while (end > i && s[end - 1] == ' ')
            --end;
        if (end - i > 1)
            std::reverse(s + i, s + end);
        else
            s[i] = MirrorBracket(s[i]);
        i = j;
    }
}

struct FontFileRule {
    const char* face;
    const char* file;
};

const FontFileRule kFontFiles[] = {
    {"Aharoni", "ahronbd.ttf"}, {"Antiqua", "bkant.ttf"}, {"Bookman", "bookos.ttf"}, {"Comic", "comic.ttf"},
    {"David", "david.ttf"},     {"Gothic", "gothic.ttf"}, {"Miriam", "mriam.ttf"},   {"Palatino", "pala.ttf"},
    {"Times", "times.ttf"},     {"Verdana", "verdana.ttf"},
};

constexpr UINT kNoticeString = 60375;

} // namespace

char* filter_text(char* s, int force)
{
    if (!s)
        return s;
    if (!force && ProfileReadInt("Hebrew", "BDPlot", 0, 1) == 0)
        return s;
    size_t n = std::strlen(s);
    if (std::none_of(s, s + n, IsRightToLeft))
        return s;
    Reorder(s, n);
    return s;
}

CGenString& filter_text(CGenString& s, int force)
{
    std::string text(s.GetString(), static_cast<size_t>(s.GetLength()));
    filter_text(text.data(), force);
    s = text.c_str();
    return s;
}

bool delNumericPrefix(CString& s)
{
    int n = static_cast<int>(std::strspn(s.GetString(), "0123456789- "));
    if (n < 1 || n >= s.GetLength())
        return false;
    s = s.Mid(n);
    return true;
}

int bIsBarCode(const char* s)
{
    if (!s)
        return 0;
    size_t n = std::strlen(s);
    if (n < 3)
        return 0;
    return (s[0] == '*' && s[n - 1] == '*') || (s[0] == '!' && s[n - 1] == '!') ? 1 : 0;
}

CString& filterBarCode(CString& s, int strip)
{
    if (strip && bIsBarCode(s))
        s = s.Mid(1, s.GetLength() - 2);
    s.MakeUpper();
    return s;
}

CGenString& filterBarCode(CGenString& s, int strip)
{
    filterBarCode(static_cast<CString&>(s), strip);
    return s;
}

void GetFontFile(const LOGFONTA& font, CString& path)
{
    char folder[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("windir", folder, sizeof folder);
    if (n == 0 || n >= sizeof folder)
        GetWindowsDirectoryA(folder, sizeof folder);
    char face[LF_FACESIZE + 1];
    std::memcpy(face, font.lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE] = '\0';
    const char* file = "arial.ttf";
    for (const FontFileRule& rule : kFontFiles)
        if (std::strstr(face, rule.face)) {
            file = rule.file;
            break;
        }
    path = folder;
    path += "/Fonts/";
    path += file;
}

void Copyright(CString& s)
{
    CCallResourceScope scope;
    if (!s.LoadString(AfxGetResourceHandle(), kNoticeString))
        s.Empty();
}

void Copyright(char* buf, int size)
{
    if (!buf || size <= 0)
        return;
    CString s;
    Copyright(s);
    int n = std::min(s.GetLength(), size - 1);
    std::memcpy(buf, s.GetString(), static_cast<size_t>(n));
    buf[n] = '\0';
}
