// Text layers: plain numbers and names kept in the user profile file.
#include "misc/geometry/text.h"

#include "misc/frame/profile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kSection[] = "Layers";
const char kLastKey[] = "LastLayerNum";
constexpr int kFirstNamed = 100;
constexpr int kLastPossible = 32767;
constexpr int kMaxName = 31;

inline bool IsLayerBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

int LastLayerNumber()
{
    int last = ProfileReadInt(kSection, kLastKey, 0, 1);
    return last > kLastPossible ? kLastPossible : last;
}

// The stored name of layer k, trimmed; empty when none is stored.
CString StoredName(int k)
{
    char key[16], name[kMaxName + 1];
    std::snprintf(key, sizeof key, "%d", k);
    ProfileReadString(kSection, key, "", name, sizeof name, 1);
    CString result(name);
    result.Trim(" \n\r\t");
    return result;
}

bool StoreName(int k, const CString& name)
{
    char key[16];
    std::snprintf(key, sizeof key, "%d", k);
    return ProfileWriteString(kSection, key, name, 1) != FALSE;
}

// A profile value is one line: each run of line breaks inside a name becomes one space, so a
// name typed with a line break is stored, and found again, in that one-line form.
CString OneLine(const CString& s)
{
    CString out;
    bool inBreak = false;
    for (int i = 0; i < s.GetLength(); ++i) {
        const char c = s[i];
        if (c == '\n' || c == '\r') {
            if (!inBreak)
                out += ' ';
            inBreak = true;
        } else {
            out += c;
            inBreak = false;
        }
    }
    return out;
}

} // namespace

bool test_int_layer(const char* s)
{
    if (!s)
        return false;
    while (IsLayerBlank(*s))
        ++s;
    if (*s == '+' || *s == '-')
        ++s;
    if (!*s)
        return false;
    while (*s == '0')
        ++s;
    int digits = 0;
    for (; *s && !IsLayerBlank(*s); ++s) {
        if (*s < '0' || *s > '9')
            return false;
        if (++digits > 9)
            return false;
    }
    return true;
}

short check_text_layer(const char* s)
{
    if (!s || !*s)
        return -1;
    int number = 0;
    if (test_int_layer(s) && std::sscanf(s, "%d", &number) == 1)
        return static_cast<short>(number);
    CString name = OneLine(CString(s).Trim(" \n\r\t"));
    if (name.IsEmpty())
        return -1;
    // Stored names hold at most 31 characters; a longer name is compared and kept in that form,
    // so that the same name finds the same layer again.
    if (name.GetLength() > kMaxName) {
        name = name.Left(kMaxName);
        name.TrimRight(" \n\r\t");
    }
    int last = LastLayerNumber();
    for (int k = kFirstNamed; k <= last; ++k) {
        CString stored = StoredName(k);
        if (stored.CompareNoCase(name) != 0)
            continue;
        if (stored.Compare(name) != 0)
            StoreName(k, name);
        return static_cast<short>(k);
    }
    int k = last + 1 > kFirstNamed ? last + 1 : kFirstNamed;
    if (k > kLastPossible)
        return -1; // every named layer number is taken
    // A name the profile refuses gets no number, and uses none up.
    if (!StoreName(k, name))
        return -1;
    char lastText[16];
    std::snprintf(lastText, sizeof lastText, "%d", k);
    if (!ProfileWriteString(kSection, kLastKey, lastText, 1))
        return -1;
    return static_cast<short>(k);
}

char* get_text_layer(char* buf, int layer, int mode)
{
    if (!buf)
        return buf;
    long long v = std::llabs(static_cast<long long>(layer));
    if (mode == 0 || mode == 1) {
        if (v >= kFirstNamed && v <= LastLayerNumber()) {
            CString name = StoredName(static_cast<int>(v));
            if (!name.IsEmpty()) {
                std::snprintf(buf, 32, "%s", name.GetString());
                return buf;
            }
        }
    } else if (mode == 2) {
        v = v % 256 + 1;
    }
    std::snprintf(buf, 32, "%lld", v);
    return buf;
}

CString& get_text_layer(CString& s, int layer, int mode)
{
    char buf[32];
    s = get_text_layer(buf, layer, mode);
    return s;
}
