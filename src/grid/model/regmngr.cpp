// The settings cache of a grid window: read from the user profile file on first use, written back
// in one file replacement when destroyed.
#include "misc/frame/profile.h"
#include "misc/grid/model.h"

#include <win32/inifile.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kUserProfile = 1;
constexpr int kTextSize = 256;

// A real number read from profile text: the default unless the whole text is one number.
double ParseDouble(const char* text, double defaultValue)
{
    char* end = nullptr;
    double value = std::strtod(text, &end);
    if (end == text || *end != '\0')
        return defaultValue;
    return value;
}

} // namespace

CGridRegMngr::CGridRegMngr() : CMapStringToOb(50) {}

CGridRegMngr::~CGridRegMngr() { Flush(); }

sRegInfo* CGridRegMngr::Entry(const CString& section, const CString& entry, bool& found)
{
    CString key = section + entry;
    CObject* object = nullptr;
    if (Lookup(key, object)) {
        found = true;
        return static_cast<sRegInfo*>(object);
    }
    found = false;
    auto* info = new sRegInfo(section, entry);
    SetAt(key, info);
    return info;
}

int CGridRegMngr::ReadInt(const CString& section, const CString& entry, int defaultValue)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    if (!found) {
        info->m_int = ProfileReadInt(section, entry, defaultValue, kUserProfile);
        info->m_text.Format("%d", info->m_int);
    }
    return info->m_int;
}

void CGridRegMngr::WriteInt(const CString& section, const CString& entry, int value)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    info->m_int = value;
    info->m_text.Format("%d", value);
}

void CGridRegMngr::WriteIntAll(const CString& section, const CString& fragment, int value)
{
    (void)section; // the fragment is searched in the whole composite key
    POSITION pos = GetStartPosition();
    while (pos) {
        CString key;
        CObject* object = nullptr;
        GetNextAssoc(pos, key, object);
        if (key.Find(fragment) < 0)
            continue;
        auto* info = static_cast<sRegInfo*>(object);
        info->m_int = value;
        info->m_text.Format("%d", value);
    }
}

double CGridRegMngr::ReadDouble(const CString& section, const CString& entry, double defaultValue)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    if (!found) {
        CString defaultText;
        defaultText.Format("%f", defaultValue);
        char text[kTextSize] = {0};
        ProfileReadString(section, entry, defaultText, text, kTextSize, kUserProfile);
        info->m_double = ParseDouble(text, defaultValue);
        info->m_text.Format("%f", info->m_double);
    }
    return info->m_double;
}

void CGridRegMngr::WriteDouble(const CString& section, const CString& entry, double value)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    info->m_double = value;
    info->m_text.Format("%f", value);
}

CString CGridRegMngr::ReadString(const CString& section, const CString& entry, const CString& defaultValue)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    if (!found) {
        char text[kTextSize] = {0};
        ProfileReadString(section, entry, defaultValue, text, kTextSize, kUserProfile);
        info->m_text = text;
    }
    return info->m_text;
}

void CGridRegMngr::WriteString(const CString& section, const CString& entry, const CString& value)
{
    bool found = false;
    sRegInfo* info = Entry(section, entry, found);
    info->m_text = value;
}

void CGridRegMngr::Flush()
{
    std::vector<sRegInfo*> entries;
    entries.reserve(static_cast<size_t>(GetCount()));
    POSITION pos = GetStartPosition();
    while (pos) {
        CString key;
        CObject* object = nullptr;
        GetNextAssoc(pos, key, object);
        entries.push_back(static_cast<sRegInfo*>(object));
    }
    // A stable order keeps the file the same from run to run.
    std::sort(entries.begin(), entries.end(), [](const sRegInfo* a, const sRegInfo* b) {
        int c = a->m_section.Compare(b->m_section);
        return c != 0 ? c < 0 : a->m_key.Compare(b->m_key) < 0;
    });
    // An entry that could not be written alone (a caption with "=" or a line break in a key) is
    // left out, so that it does not stop the others from being written.
    std::vector<MiscProfileWrite> writes;
    writes.reserve(entries.size());
    for (const sRegInfo* e : entries)
        if (!e->m_section.IsEmpty() && miscini::ValidSectionName(e->m_section.GetString()) &&
            !e->m_key.IsEmpty() && miscini::ValidKeyName(e->m_key.GetString()) &&
            miscini::ValidValue(e->m_text.GetString()))
            writes.push_back({e->m_section, e->m_key, e->m_text});
    if (!writes.empty())
        ProfileWriteBatch(writes.data(), writes.size(), kUserProfile);
    for (sRegInfo* e : entries)
        delete e;
    RemoveAll();
}
