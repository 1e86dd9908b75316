#pragma once
// CUniversalReadWrite: the record input and output interface through which the version history
// writes its tagged records into a host document. Hosts derive from it and lay out characters,
// 32-bit values and texts in their own encoding; the library's defaults do nothing, except for
// the temporary file service.
//
// Expectations of an implementation: put_char/get_char carry one tag byte; put_long/get_long a
// 32-bit signed value (only the low 32 bits of a long are meant); put_str writes a NUL-terminated
// text and get_str reads one into a buffer of the given size; ftellData/fseekData behave like
// ftell/fseek (origin 0 = from the start) on the document's data; fread/fwrite like the C
// library's; rewind sets the position to the start.
#include <cstdio>

#include <windows.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CUniversalReadWrite {
public:
    CUniversalReadWrite();
    // A copy shares the source's temporary file but does not own it: only the source closes it
    // (the copy's CloseTempFile and destructor just forget it).
    CUniversalReadWrite(const CUniversalReadWrite& other);
    CUniversalReadWrite& operator=(const CUniversalReadWrite& other);

    // Virtual operations, in slot order.
    virtual ~CUniversalReadWrite();
    virtual void put_str(char* text, FILE* file);
    virtual void put_string(char* text, FILE* file);
    virtual void put_char(char value, FILE* file);
    virtual void put_long(long value, FILE* file);
    virtual int get_char(FILE* file);
    virtual char* get_str(FILE* file, char* buffer, int size);
    virtual long get_long(FILE* file);
    virtual long ftellData(FILE* file);
    virtual int fseekData(FILE* file, long offset, int origin);
    // Creates a file named "NEW<number>.tmp" in the system's temporary folder, opens it "w+b",
    // keeps it as the temporary file (replacing, without closing, any earlier one) and answers
    // it; null when it cannot be opened.
    virtual FILE* GetTempfile();
    // Closes the temporary file through fclose; FALSE when none is open. The file stays on disk,
    // unless it is the version history's storage: its stored copies go with it.
    virtual bool CloseTempFile();
    virtual void rewind(FILE* file);
    virtual unsigned fread(void* buffer, unsigned size, unsigned count, FILE* file);
    virtual unsigned fwrite(const void* buffer, unsigned size, unsigned count, FILE* file);
    virtual int fclose(FILE* file);

    // Makes `file` (owned from now on) the temporary file, with its name (at most 511 characters;
    // null empties the name).
    void SetTempFile(FILE* file, const char* name);
    FILE* GetTempFilePtr() const { return m_pTempFile; }
    const char* GetTempFileName() const { return m_szTempFileName; }

    FILE* m_pTempFile;
    char m_szTempFileName[512];

private:
    bool m_bSharedTempFile;  // the file belongs to the object this one was copied from
};

MISC_PUBLIC_END
