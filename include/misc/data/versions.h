#pragma once
// Version history of documents: one record per save (time, user, comment and, when wanted, a
// stored copy of the document), written into and read from the document through the host's
// CUniversalReadWrite as tagged records; the stored copies live in a temporary storage file
// while the document is open. Also the conversion to and from the family's CVersionArray, and
// the check whether a document was written by a newer product.
//
// Tags of the records (one byte each, through put_char):
#define VERSION_TAG_END 0
#define VERSION_TAG_AUTOSAVE 19
#define VERSION_TAG_RECORD 20
#define VERSION_TAG_SAVED_BY 21
#define VERSION_TAG_DATE 22
#define VERSION_TAG_COMMENTS 23
#define VERSION_TAG_POS 24
#define VERSION_TAG_POS_END 25
#define VERSION_TAG_CONTAINS_FILE 26
#define VERSION_TAG_LIST 47
#define VERSION_TAG_COPIES 48
// The version section of a document: 48, the position after the copies, the copies, 47, the
// list (19 when automatic save is on, the records, 0).

#include <cstdio>

#include <afx.h>
#include <afxtempl.h>
#include <family.h>

#include "misc/data/entity.h"
#include "misc/data/readwrite.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CWnd;
class CVersionElm;
class CVersionArray;

// The running product's version, as written into documents.
#define MISC_PRODUCT_VERSION "10, 0, 1151, 0"
// Resource string: the message for a document of a newer product ("%s" is its version).
#define IDS_MISC_NEWER_DOCUMENT 28846
// Buffer size of the copies between files.
#define VERSION_COPY_RUN 5120

class CVersionDetail {
public:
    explicit CVersionDetail(CUniversalReadWrite* writer);
    // Copies every field of `other` but its writer.
    CVersionDetail(CUniversalReadWrite* writer, const CVersionDetail& other);
    CVersionDetail(const CVersionDetail&) = delete;
    ~CVersionDetail();

    // An empty text (or null) removes the comments.
    void SetComments(char* text);
    void SetComments(CString text);
    // Copies at most size - 1 characters and a NUL (an empty string when there are none).
    void GetComments(char* buffer, int size);
    // At most 255 characters.
    CString GetComments();
    void SetDateAndTime(CTime time) { m_dateTime = time; }
    CTime GetDateAndTime() const { return m_dateTime; }
    void SetSavedBy(CString name) { m_savedBy = name; }
    CString GetSavedBy() const { return m_savedBy; }
    void SetPosInFile(long pos) { m_posInFile = static_cast<LONG>(pos); }
    long GetPosInFile() const { return m_posInFile; }
    void SetPosInFileEnd(long pos) { m_posInFileEnd = static_cast<LONG>(pos); }
    long GetPosInFileEnd() const { return m_posInFileEnd; }
    // Clearing also forgets both positions.
    void SetContaineFile(int contains);
    int GetContaineFile() const { return m_containsFile; }
    // Empties saved by, clears contains file, positions -1.
    void Init();
    // Copies every field but the writer; comments keep at most 255 characters.
    void CopyFrom(const CVersionDetail& other);
    CVersionDetail& operator=(const CVersionDetail& other)
    {
        CopyFrom(other);
        return *this;
    }

    // Writes the record: 20, 24 start, 25 end, 21 saved by, 23 comments, 22 time, [26], 0.
    void PutTo(FILE* file);
    // Reads the items of one record after its tag 20, up to its 0: 1, or 0 on a bad tag.
    int GetForm(FILE* file);
    void InitilizeVersionElm(CVersionElm& elm);

    CUniversalReadWrite* m_pWriter;
    int m_containsFile;
    LONG m_posInFile;
    LONG m_posInFileEnd;
    CString m_savedBy;
    CTime m_dateTime;
    CString* m_pComments;
};

// The records, newest first; equal times keep the later-added one first.
class CVersionsData : public CArray<CVersionDetail*, CVersionDetail*> {
public:
    // Both open the temporary storage through the writer when it is not open yet; the second
    // also reads a version list from `file` (its tag 47 already read) with GetFrom.
    explicit CVersionsData(CUniversalReadWrite* writer);
    CVersionsData(CUniversalReadWrite* writer, FILE* file);
    ~CVersionsData() override;

    void AddVersion(CVersionDetail& version);
    void Delete(int index);
    // Record i, or null when i is out of range.
    CVersionDetail* GetAt(int index);
    const CVersionDetail* GetAt(int index) const;
    int GetItemCount() const { return m_itemCount; }
    int GetActiveVer() const { return m_activeVersion; }
    void SetActiveVer(int index) { m_activeVersion = index; }
    int GetAutomaticSaveVersion() const { return m_automaticSaveVersion; }
    void SetAutomaticSaveVersion(int on) { m_automaticSaveVersion = on; }

    int GetFilesCount() const;
    long GetFilesSize() const;
    // Clears contains file on the oldest record that has a stored copy: 1, or 0 when none has.
    int DeleteLastFile();

    void PutTo(FILE* file);
    // Reads records until tag 0: 1 on success, 0 on a bad tag (records read so far stay).
    int GetFrom(FILE* file);
    // The version section: the stored copies (copyShrinkVersionsStorage), then the list.
    void writeVersionInfo(FILE* out);
    // Writes tag 48 and the stored copies of the records that still have one, moving them into
    // a new storage file whose offsets the records then carry. The old storage is closed and
    // removed from disk; when no new one can be made the old one stays.
    void copyShrinkVersionsStorage(FILE* out);
    // Reads a stored-copies section (after its tag 48) from `source` into `storage` (or skips
    // it when storage is null).
    static void copyVersionToTmp(CUniversalReadWrite* writer, FILE* source, FILE* storage);
    // The process's storage file, created through `writer` when there is none yet; that writer
    // owns it (closing its temporary file, or its destruction, makes the history forget it).
    static FILE* GetTmpVersionsStorage(CUniversalReadWrite* writer);
    // Hands `storage` to the history, which closes it when it replaces it. The storage it had is
    // forgotten, not closed.
    static void SetTmpVersionsStorage(FILE* storage);

    void ConvertToDBT(CVersionArray& array) const;
    void InitFromDBT(CVersionArray& array);

    CUniversalReadWrite* m_pWriter;
    int m_automaticSaveVersion;
    int m_itemCount;
    int m_activeVersion;

private:
    void DestroyAll();
};

// Tells whether a document was written by a newer product than the running one. Holds the
// resource handle that was current when it was made and makes the library's resources current.
class CVersionRwfCheck {
public:
    CVersionRwfCheck();
    ~CVersionRwfCheck();
    CVersionRwfCheck(const CVersionRwfCheck&) = delete;
    CVersionRwfCheck& operator=(const CVersionRwfCheck&) = delete;

    // The writer's version is the root's text 999; false without one.
    bool Execute(FLENT_BLK* root, CString* message, CWnd* parent);
    // True when the version's first number is greater than the product's. With a message, the
    // text of resource string 28846 is shown in a box owned by parent (caption: the message's
    // text) or, without a parent, stored in the message.
    bool Execute(const CString& version, CString* message, CWnd* parent);

private:
    HINSTANCE m_hSavedResource;
};

MISC_PUBLIC_END
