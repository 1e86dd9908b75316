#pragma once
// Tools: named cutting or drawing tools that the host identifies by a layer number (valid
// numbers 100 to 32767). The tool list lives in the section "Layers" of the user profile file
// ("LastLayerNum" and one key per number) and can be exported to and imported from a tool
// layers file (".lyt"): one line "<number> <name>" per tool.
#include <afx.h>
#include <afxtempl.h>

#include <cstdint>

#define TOOLS_FILE_EXT "lyt"
#define TOOLS_MIN_NUMBER 100
#define TOOLS_MAX_NUMBER 32767

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// Results of ExportTools and ImportTools.
enum {
    TOOLS_FILE_OK = 0,
    TOOLS_FILE_OPEN_FAILED = 1, // the file could not be created or opened
    TOOLS_FILE_BAD_DATA = 2,    // a write failed, or a line did not hold a number and a name
};

class CToolsBlock : public CObject {
public:
    CToolsBlock() = default;
    CToolsBlock(const CToolsBlock& other) : CObject(), m_name(other.m_name), m_number(other.m_number) {}
    CToolsBlock(LPCSTR name, int number) : m_name(name), m_number(number) {}
    CToolsBlock& operator=(const CToolsBlock& other)
    {
        m_name = other.m_name;
        m_number = other.m_number;
        return *this;
    }
    ~CToolsBlock() override = default;

    CString m_name;
    int32_t m_number = -1; // the layer number; -1 in a new record
};

// The tools, in no particular order; numbers need not be unique.
class CToolsArray : public CArray<CToolsBlock, CToolsBlock> {
public:
    CToolsArray() = default;

    // Replaces the contents with the tools of the profile; returns how many were loaded.
    int LoadTools();
    // Writes the tools to the profile and replaces the stored list of tool names (type 120).
    // Line breaks in names are written as spaces. Returns 0, or 1 when a profile write failed
    // (the other values are still written).
    int SaveTools();
    // Writes the tool layers file (TOOLS_FILE_*).
    int ExportTools(const CString& path);
    // Replaces the contents with the tools of a tool layers file (TOOLS_FILE_*). A failed open
    // leaves the array unchanged; after a bad line the tools read before it stay.
    int ImportTools(const CString& path);
    // As above when merge is 0; otherwise adds the file's tools whose numbers are new, and with
    // overwrite renames the existing tools whose numbers the file holds. A failure leaves the
    // array unchanged.
    int ImportTools(const CString& path, int merge, int overwrite);
    // Sorts by number (byName 0) or by name (case-insensitive, trimmed); ascending for
    // descending 0. Tools that compare equal keep their order.
    void Sort(int descending, int byName);
};

MISC_PUBLIC_END
