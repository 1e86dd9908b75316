#pragma once
// CVersionArray and CVersionElm: the family data library's form of a document's version
// history, as far as this library uses it. An element carries one saved version; the array owns
// its elements and carries the path of a file with the stored document copies and the
// automatic-save flag.
#include <vector>

#include "mfc/string.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CVersionElm {
public:
    CVersionElm() = default;

    void SetSavedBy(const CString& text) { m_savedBy = text; }
    const CString& GetSavedBy() const { return m_savedBy; }
    void SetComments(const CString& text) { m_comments = text; }
    const CString& GetComments() const { return m_comments; }
    // Seconds since 1970, 32 bits.
    void SetTime(LONG time) { m_time = time; }
    LONG GetTime() const { return m_time; }
    // Start and end (exclusive) of the version's stored copy in the array's storage file.
    void SetStart(LONG pos) { m_start = pos; }
    LONG GetStart() const { return m_start; }
    void SetEnd(LONG pos) { m_end = pos; }
    LONG GetEnd() const { return m_end; }
    void SetContainsFile(BOOL contains) { m_containsFile = contains; }
    BOOL GetContainsFile() const { return m_containsFile; }

private:
    CString m_savedBy;
    CString m_comments;
    LONG m_time = 0;
    LONG m_start = -1;
    LONG m_end = -1;
    BOOL m_containsFile = FALSE;
};

class CVersionArray {
public:
    CVersionArray() = default;
    ~CVersionArray() { DeleteAll(); }
    CVersionArray(const CVersionArray&) = delete;
    CVersionArray& operator=(const CVersionArray&) = delete;

    int GetSize() const { return static_cast<int>(m_elements.size()); }
    // Element i, or null when i is out of range.
    CVersionElm* GetAt(int i) const;
    // Takes ownership of `elm` (null is ignored); answers its index, or -1.
    int Add(CVersionElm* elm);
    // Destroys every element.
    void DeleteAll();

    void SetStoragePath(const CString& path) { m_storagePath = path; }
    const CString& GetStoragePath() const { return m_storagePath; }
    void SetAutomaticSave(BOOL on) { m_automaticSave = on; }
    BOOL GetAutomaticSave() const { return m_automaticSave; }

private:
    std::vector<CVersionElm*> m_elements;
    CString m_storagePath;
    BOOL m_automaticSave = FALSE;
};

MISC_PUBLIC_END
