#pragma once
// CArchive: MFC's binary serialisation in the published archive byte format (little-endian).
//
// Numbers: BYTE/char/bool 1 byte, WORD/short 2, LONG/DWORD/int/unsigned/float 4,
// LONGLONG/ULONGLONG/double 8. Note that `long` is 64 bits on Linux and is written as LONGLONG;
// fields that are 32 bits in the files must be LONG, DWORD or int.
//
// Strings: a length prefix, then the characters without terminator. The prefix is one byte for
// lengths below 255; else 0xFF and a WORD for lengths below 0xFFFE; else 0xFF, 0xFFFF and a
// DWORD (below 0xFFFFFFFF); else 0xFF, 0xFFFF, 0xFFFFFFFF and a ULONGLONG. Strings of 16-bit
// characters (written by Unicode programs) start with the marker 0xFF 0xFFFE, then the length in
// the same forms, then UTF-16LE characters. Reading turns them into 8-bit text: characters below
// 256 keep their code, every other character (a surrogate pair counting as one) becomes '?'.
//
// Counts: a WORD below 0xFFFF; else 0xFFFF and a DWORD below 0xFFFFFFFF; else 0xFFFF,
// 0xFFFFFFFF and a ULONGLONG.
//
// Objects: a WORD tag. 0 is a null pointer; 0xFFFF introduces a new class (schema WORD, name
// length WORD, name characters) followed by the object's data; 0x8000 | n refers to the class
// stored with index n, followed by a new object; other values below 0x7FFF refer to an object
// already read. Indexes count classes and objects together from 1. Indexes from 0x7FFF up are
// written as 0x7FFF and a DWORD (with 0x80000000 set for classes).
//
// Damaged input throws CArchiveException*: badIndex for a tag that refers to nothing (or to a
// class where an object is due, or the reverse), badClass for an unknown class or one of the
// wrong kind, badSchema for a schema the class does not accept, endOfFile when the data ends
// early. Strings and arrays are read in pieces, so a damaged length never allocates more than
// the data that is really there. Objects nest at most kMaxObjectDepth deep (CArchiveException
// generic beyond), so hostile input cannot exhaust the stack.
#include <memory>
#include <unordered_map>
#include <vector>

#include "mfc/exception.h"
#include "mfc/file.h"
#include "mfc/object.h"
#include "mfc/string.h"
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CDocument;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };
    static constexpr int kMaxObjectDepth = 1000;

    // lpBuf (nBufSize bytes) is used as the buffer when given; it stays the caller's.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Closes the archive (flushing a storing archive) unless bNoFlushOnDelete was given or it was
    // closed already. Errors while flushing here are swallowed; call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    // Loading: TRUE when no data is left (the buffer is refilled before answering).
    // Storing: TRUE when nothing waits to be written.
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded; -1 after it has been asked once.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns fewer than nMax only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    // Reads exactly nCount bytes or throws CArchiveException::endOfFile.
    void EnsureRead(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffer to the file. Loading: moves the file back to the first byte not
    // yet read, so the file position is the archive's.
    void Flush();
    void Close();
    // Detaches from the file without writing what is buffered.
    void Abort();

    // Text lines: WriteString writes the text without terminator; ReadString reads up to "\n"
    // and drops it and a "\r" before it (FALSE / null at the end of the data).
    void WriteString(LPCTSTR lpsz);
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    CArchive& operator<<(BYTE by) { return WriteLE(by); }
    CArchive& operator<<(char ch) { return WriteLE(static_cast<BYTE>(ch)); }
    CArchive& operator<<(signed char ch) { return WriteLE(static_cast<BYTE>(ch)); }
    CArchive& operator<<(bool b) { return WriteLE(static_cast<BYTE>(b ? 1 : 0)); }
    CArchive& operator<<(WORD w) { return WriteLE(w); }
    CArchive& operator<<(short n) { return WriteLE(static_cast<WORD>(n)); }
    CArchive& operator<<(wchar_t ch) { return WriteLE(static_cast<WORD>(ch)); }
    CArchive& operator<<(LONG l) { return WriteLE(static_cast<DWORD>(l)); }
    CArchive& operator<<(DWORD dw) { return WriteLE(dw); }
    CArchive& operator<<(LONGLONG n) { return WriteLE(static_cast<ULONGLONG>(n)); }
    CArchive& operator<<(ULONGLONG n) { return WriteLE(n); }
#if defined(__LP64__)
    CArchive& operator<<(long long n) { return WriteLE(static_cast<ULONGLONG>(n)); }
    CArchive& operator<<(unsigned long long n) { return WriteLE(static_cast<ULONGLONG>(n)); }
#endif
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);

    CArchive& operator>>(BYTE& by) { return ReadLE(by); }
    CArchive& operator>>(char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(signed char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(bool& b);
    CArchive& operator>>(WORD& w) { return ReadLE(w); }
    CArchive& operator>>(short& n) { return ReadAs<WORD>(n); }
    CArchive& operator>>(wchar_t& ch) { return ReadAs<WORD>(ch); }
    CArchive& operator>>(LONG& l) { return ReadAs<DWORD>(l); }
    CArchive& operator>>(DWORD& dw) { return ReadLE(dw); }
    CArchive& operator>>(LONGLONG& n) { return ReadAs<ULONGLONG>(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadLE(n); }
#if defined(__LP64__)
    CArchive& operator>>(long long& n) { return ReadAs<ULONGLONG>(n); }
    CArchive& operator>>(unsigned long long& n) { return ReadAs<ULONGLONG>(n); }
#endif
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);

    // Objects and classes.
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    // Enters an object in the archive's map without writing or reading it, so that objects
    // serialised later can refer to it.
    void MapObject(const CObject* pOb);
    void WriteClass(const CRuntimeClass* pClassRef);
    // Reads a class record or reference. With pObTag given, an object reference is answered
    // with null and the tag in *pObTag; without, it throws badIndex.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Tuning values of MFC's maps; accepted and not needed here.
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Every object this loading archive has created with ReadObject, in the order read (an
    // object whose Serialize failed has been deleted and is not among them). A program that must
    // free what a damaged archive left behind may delete these, when its classes do not own one
    // another. An addition of this platform.
    std::vector<CObject*> GetLoadedObjects() const;

    CDocument* m_pDocument = nullptr;
    CString m_strFileName;

private:
    enum class EntryKind : BYTE { Class, Mapped, Created };
    struct LoadEntry {
        void* p;
        EntryKind kind;
    };

    template <class T>
    CArchive& WriteLE(T value)
    {
        BYTE bytes[sizeof(T)];
        for (size_t i = 0; i < sizeof(T); ++i)
            bytes[i] = static_cast<BYTE>(static_cast<ULONGLONG>(value) >> (8 * i));
        Write(bytes, sizeof(T));
        return *this;
    }
    template <class T>
    CArchive& ReadLE(T& value)
    {
        BYTE bytes[sizeof(T)];
        EnsureRead(bytes, sizeof(T));
        ULONGLONG v = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            v |= static_cast<ULONGLONG>(bytes[i]) << (8 * i);
        value = static_cast<T>(v);
        return *this;
    }
    template <class Raw, class T>
    CArchive& ReadAs(T& value)
    {
        Raw raw;
        ReadLE(raw);
        value = static_cast<T>(raw);
        return *this;
    }

    void CheckLoading() const;
    void CheckStoring() const;
    void FillBuffer();
    void FlushBuffer();
    void InitMaps();
    void CheckCount() const;
    DWORD AddLoadEntry(void* p, EntryKind kind);
    void WriteIndexTag(DWORD nIndex, bool isClass);

    UINT m_nMode;
    CFile* m_pFile;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nBufSize;
    std::unique_ptr<BYTE[]> m_ownBuffer;

    UINT m_nObjectSchema = static_cast<UINT>(-1);
    DWORD m_nMapCount = 0; // 0 until the maps exist
    int m_nDepth = 0;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};

CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);

CArchive& operator<<(CArchive& ar, const CString& str);
// A plain C string is written as a string (not as the bool its pointer would convert to).
CArchive& operator<<(CArchive& ar, LPCTSTR psz);
CArchive& operator>>(CArchive& ar, CString& str);

// The length prefix of an archive string; bUnicode writes the 16-bit marker first.
void AfxWriteStringLength(CArchive& ar, ULONGLONG nLength, BOOL bUnicode);
// Reads a length prefix; nCharSize becomes 1 or 2 (the size of the characters that follow).
ULONGLONG AfxReadStringLength(CArchive& ar, int& nCharSize);
// Writes a string of 16-bit characters (the form Unicode programs write).
void AfxWriteStringW(CArchive& ar, const char16_t* pch, ULONGLONG nLength);

MISC_PUBLIC_END
