#pragma once
// Typed entity documents: a tree of numbered entities (blocks, lists of blocks, texts, byte
// strings, arrays of 16-bit integers, 32-bit integers and floats), its binary encoding in three
// header widths, the stream FLENT_IO that reads and writes it to a C library file, a chunked
// memory buffer (MemBuf) or the clipboard (ClipBuf), and the stream's error log.
//
// Memory: entity objects and small payloads come from a pooled heap of the library, so `new`
// and `delete` of these classes are cheap and compact. Buffers handed over for adoption
// (AddTextBuf/AddBytesBuf with adopt, SetData, SetValues and the array forms) must come from
// malloc; the entity frees them with free. Nothing here throws: allocation failures are
// answered with FALSE or null.
#include <cstdio>
#include <initializer_list>

#include <windows.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class FLENT_IO;
class FLENT_BLK;
class FLENT_BLK_LST;
class FLENT_STR;
class FLENT_INT;
class FLENT_LNG;
class FLENT_FLT;
class MemBuf;
class ClipBuf;

// Kind codes of the entity classes in memory.
enum {
    FLENT_KIND_ANY = 0,
    FLENT_KIND_INT = 1,
    FLENT_KIND_FLT = 2,
    FLENT_KIND_STR = 3,
    FLENT_KIND_LNG = 4,
    FLENT_KIND_BLK = 5,
    FLENT_KIND_LST = 6,
    FLENT_KIND_BSTR = 7,
};

// Magic words of the three variants (offset 0 of a document file, little-endian).
#define FLENT_MAGIC0 0x12EF54DCu
#define FLENT_MAGIC1 0x12EF54DDu
#define FLENT_MAGIC2 0x12EF54DEu
#define FLENT_DOC_HEADER_SIZE 28

// Ids the format itself treats specially.
#define FLENT_ID_PREVIEW_BLOCK 53
#define FLENT_ID_PREVIEW_INFO 51
#define FLENT_ID_PREVIEW_DATA 52
#define FLENT_ID_PREVIEW_CAPTION 805
#define FLENT_ID_VECTOR_PREVIEW 12
#define FLENT_ID_DEFERRED_BYTES 580
#define FLENT_ID_VERSION_TEXT 999

// Read filters.
#define FLENT_FILTER_ALL 0
#define FLENT_FILTER_NO_PREVIEW 1  // texts and byte strings 12 and 37 are skipped
#define FLENT_FILTER_PREVIEW (-1)  // only what a title-and-preview reader needs

// Severities of logged events.
#define FLENT_SEV_WARNING 4
#define FLENT_SEV_FORMAT 8
#define FLENT_SEV_ERROR 16

// Flags of the argument of FLENT::Read for value entities (the rest is the count or length).
#define FLENT_RD_MEDIUM 0x40000000LL    // arrays: the count came from a 16-bit count field
#define FLENT_RD_LONGLEN 0x100000000LL  // texts: the length came from a 32-bit length field

// ---------------------------------------------------------------------------------------------
// The common header of every entity.
class FLENT {
public:
    FLENT(DWORD id, BYTE kind) noexcept;
    FLENT(const FLENT& other) noexcept;
    FLENT& operator=(const FLENT&) = delete;

    // Virtual operations, in slot order.
    virtual ~FLENT();
    // Reads the entity's data from a stream; for blocks `arg` is the filter, for value entities
    // the count or length from the header, with FLENT_RD_MEDIUM / FLENT_RD_LONGLEN.
    virtual BOOL Read(FLENT_IO* io, long long arg) = 0;
    virtual BOOL Write(FLENT_IO* io) = 0;
    virtual FLENT* GetFirstChild() const noexcept { return nullptr; }
    virtual FLENT_BLK* GetFirstElement() const noexcept { return nullptr; }
    virtual const char* GetName() const noexcept { return nullptr; }
    virtual int GetNameLength() const noexcept { return 0; }
    virtual BOOL SetName(const char*) noexcept { return FALSE; }

    DWORD GetId() const noexcept { return m_id; }
    BYTE GetKind() const noexcept { return m_kind; }
    FLENT* GetNext() const noexcept { return m_next; }
    FLENT* GetParent() const noexcept { return m_parent; }

    // Entities live in the library's pooled heap; a failed allocation yields null.
    static void* operator new(size_t size) noexcept;
    static void operator delete(void* p, size_t size) noexcept;

protected:
    friend class FLENT_BLK;
    friend class FLENT_BLK_LST;
    friend class FLENT_IO;

    DWORD m_id;      // low 10 bits only
    BYTE m_kind;
    BYTE m_store;    // private: how the payload buffer was allocated (see entity_heap.h)
    FLENT* m_next;
    FLENT* m_parent;
};

// Text of 8-bit characters (kind 3); FLENT_BSTR is the byte string form (kind 7).
class FLENT_STR : public FLENT {
public:
    explicit FLENT_STR(DWORD id) noexcept;
    FLENT_STR(const FLENT_STR& other) noexcept;  // copies the buffer (null when memory ran out)
    ~FLENT_STR() override;
    BOOL Read(FLENT_IO* io, long long arg) override;
    BOOL Write(FLENT_IO* io) override;

    // Copies `len` bytes (and a terminating NUL) or, with adopt, takes a malloc'd buffer.
    BOOL SetData(const void* data, DWORD len, BOOL adopt = FALSE) noexcept;
    DWORD GetLength() const noexcept { return m_length; }
    const char* GetData() const noexcept { return m_data; }
    char* GetData() noexcept { return m_data; }

protected:
    FLENT_STR(DWORD id, BYTE kind) noexcept;
    void FreeData() noexcept;

    DWORD m_length;
    char* m_data;
};

class FLENT_BSTR : public FLENT_STR {
public:
    explicit FLENT_BSTR(DWORD id) noexcept;
    FLENT_BSTR(const FLENT_BSTR& other) noexcept : FLENT_STR(other) {}
};

// Arrays of 16-bit unsigned integers (kind 1), 32-bit signed integers (kind 4) and 32-bit
// floats (kind 2). SetValues copies `count` values or, with adopt, takes a malloc'd buffer.
#define FLENT_DECLARE_ARRAY(NAME, T)                                                     \
    class NAME : public FLENT {                                                          \
    public:                                                                              \
        explicit NAME(DWORD id) noexcept;                                                \
        NAME(const NAME& other) noexcept;                                                \
        ~NAME() override;                                                                \
        BOOL Read(FLENT_IO* io, long long arg) override;                                 \
        BOOL Write(FLENT_IO* io) override;                                               \
        BOOL SetValues(const T* values, DWORD count, BOOL adopt = FALSE) noexcept;       \
        DWORD GetCount() const noexcept { return m_count; }                              \
        const T* GetValues() const noexcept { return m_values; }                         \
        T* GetValues() noexcept { return m_values; }                                     \
        T GetAt(DWORD i) const noexcept { return i < m_count ? m_values[i] : T(0); }     \
        typedef T value_type;                                                            \
                                                                                         \
    protected:                                                                           \
        DWORD m_count;                                                                   \
        T* m_values;                                                                     \
    }

FLENT_DECLARE_ARRAY(FLENT_INT, WORD);
FLENT_DECLARE_ARRAY(FLENT_LNG, LONG);
FLENT_DECLARE_ARRAY(FLENT_FLT, float);
#undef FLENT_DECLARE_ARRAY

// A block: ordered children with ids, a name, an element count and eight flag bytes.
class FLENT_BLK : public FLENT {
public:
    explicit FLENT_BLK(DWORD id) noexcept;
    // Deep copy; when memory runs out part-way the copy holds what could be copied.
    FLENT_BLK(const FLENT_BLK& other) noexcept;
    ~FLENT_BLK() override;
    BOOL Read(FLENT_IO* io, long long filter) override;
    BOOL Write(FLENT_IO* io) override;
    FLENT* GetFirstChild() const noexcept override { return m_first; }
    const char* GetName() const noexcept override { return m_name; }
    int GetNameLength() const noexcept override { return m_nameLen; }
    BOOL SetName(const char* name) noexcept override;
    // Ninth slot: writes the block with code 1, or with code 4 as an element of a list.
    virtual BOOL WriteBlock(FLENT_IO* io, BOOL asElement);

    FLENT* GetLastChild() const noexcept { return m_last; }
    BYTE GetFlag(int i) const noexcept { return i >= 0 && i < 8 ? m_flags[i] : 0; }
    void SetFlag(int i, BYTE value) noexcept
    {
        if (i >= 0 && i < 8)
            m_flags[i] = value;
    }
    WORD GetElementCount() const noexcept { return m_elemCount; }
    void SetElementCount(WORD count) noexcept { m_elemCount = count; }
    // Sets the name from a buffer of `len` bytes (at most 1023 are kept; 0 clears it).
    BOOL SetName(const char* name, int len) noexcept;

    // Tree building. `front` inserts before the first child. FALSE only when memory ran out
    // (an adopted buffer then stays the caller's). Texts from a NUL-terminated text or from a
    // buffer and length (copied, or adopted without copying); empty texts add nothing.
    BOOL Insert(FLENT* child, BOOL front = FALSE) noexcept;
    BOOL AddText(DWORD id, const char* text, BOOL front = FALSE) noexcept;
    BOOL AddTextBuf(DWORD id, const char* data, DWORD len, BOOL adopt = FALSE, BOOL front = FALSE) noexcept;
    BOOL AddBytes(DWORD id, const char* text, BOOL front = FALSE) noexcept;
    BOOL AddBytesBuf(DWORD id, const void* data, DWORD len, BOOL adopt = FALSE, BOOL front = FALSE) noexcept;
    BOOL AddInt(DWORD id, WORD value, BOOL front = FALSE) noexcept;
    BOOL AddLong(DWORD id, LONG value, BOOL front = FALSE) noexcept;
    BOOL AddFloat(DWORD id, float value, BOOL front = FALSE) noexcept;
    BOOL AddIntArray(DWORD id, const WORD* values, DWORD count, BOOL adopt = FALSE, BOOL front = FALSE) noexcept;
    BOOL AddLongArray(DWORD id, const LONG* values, DWORD count, BOOL adopt = FALSE, BOOL front = FALSE) noexcept;
    BOOL AddFloatArray(DWORD id, const float* values, DWORD count, BOOL adopt = FALSE, BOOL front = FALSE) noexcept;
    // Fixed tuples of 2 to 8 values, always added (zeros included); other sizes are refused.
    BOOL AddIntTuple(DWORD id, std::initializer_list<WORD> values, BOOL front = FALSE) noexcept;
    BOOL AddLongTuple(DWORD id, std::initializer_list<LONG> values, BOOL front = FALSE) noexcept;
    BOOL AddFloatTuple(DWORD id, std::initializer_list<float> values, BOOL front = FALSE) noexcept;
    // Adds `block` to the list `listId` (found among the children, or created and appended).
    BOOL AddToList(DWORD listId, FLENT_BLK* block, BOOL front = FALSE) noexcept;
    // Creates an empty element block and adds it to the list `listId`; null when memory ran out.
    FLENT_BLK* NewListElement(DWORD listId, BOOL front = FALSE) noexcept;
    // Unlinks `child` from this block without destroying it; FALSE when it is not a child.
    BOOL Remove(FLENT* child) noexcept;

    // Lookup: the first match in child order wins. Kind 0 matches any kind; asking for a byte
    // string (7) also accepts a text (3).
    FLENT* Find(DWORD id, int kind = FLENT_KIND_ANY) const noexcept;
    FLENT_BLK* FindBlock(DWORD id) const noexcept;
    FLENT_INT* FindInt(DWORD id) const noexcept;
    FLENT_LNG* FindLong(DWORD id) const noexcept;
    FLENT_FLT* FindFloat(DWORD id) const noexcept;
    FLENT_BLK_LST* FindList(DWORD id) const noexcept;
    FLENT_STR* FindText(DWORD id) const noexcept;  // a text or a byte string
    DWORD GetText(DWORD id, const char** data) const noexcept;
    WORD GetInt(DWORD id) const noexcept;
    LONG GetLong(DWORD id) const noexcept;
    float GetFloat(DWORD id) const noexcept;
    WORD GetIntAt(DWORD id, DWORD i) const noexcept;
    LONG GetLongAt(DWORD id, DWORD i) const noexcept;
    DWORD GetIntCount(DWORD id) const noexcept;
    DWORD GetLongCount(DWORD id) const noexcept;
    DWORD GetFloatCount(DWORD id) const noexcept;
    DWORD GetListCount(DWORD id) const noexcept;
    FLENT_BLK* GetList(DWORD id, int* count) const noexcept;
    FLENT_BLK* GetListElement(DWORD id, int i) const noexcept;

protected:
    friend class FLENT_IO;
    void Append(FLENT* child, BOOL front) noexcept;
    void DeriveElementCount() noexcept;
    BOOL ReadMarker(FLENT_IO* io, const struct FLENT_HDR& h);
    BOOL ReadName(FLENT_IO* io, DWORD n);
    void Clear() noexcept;

    FLENT* m_first;
    FLENT* m_last;
    BYTE m_flags[8];
    WORD m_elemCount;
    WORD m_nameLen;
    char* m_name;
};

// A list of element blocks, all carrying the list's id. It has no header of its own in a file.
class FLENT_BLK_LST : public FLENT {
public:
    explicit FLENT_BLK_LST(DWORD id) noexcept;
    FLENT_BLK_LST(const FLENT_BLK_LST& other) noexcept;
    ~FLENT_BLK_LST() override;
    BOOL Read(FLENT_IO* io, long long arg) override;  // lists are read element by element
    BOOL Write(FLENT_IO* io) override;
    FLENT_BLK* GetFirstElement() const noexcept override { return m_first; }

    FLENT_BLK* GetLastElement() const noexcept { return m_last; }
    WORD GetCount() const noexcept { return m_count; }
    // Element i, or null when i is not below the count.
    FLENT_BLK* GetElement(int i) const noexcept;
    // Takes ownership of `block` and gives it the list's id; the count saturates at 65535.
    void AddElement(FLENT_BLK* block, BOOL front = FALSE) noexcept;

protected:
    FLENT_BLK* m_first;
    FLENT_BLK* m_last;
    WORD m_count;
};

// ---------------------------------------------------------------------------------------------
// One logged event of a stream.
struct FLENT_ERR {
    FLENT_ERR* next;
    WORD severity;
    WORD code;
    WORD arg1;  // values above 65535 are stored as 65535
    WORD arg2;
};

// An entity header as read from a stream.
struct FLENT_HDR {
    DWORD cls;
    DWORD code;
    DWORD id;  // as stored (up to 16 bits); entities keep the low 10 bits
};

// The stream. Exactly one sink is set; a failed stream does nothing more.
class FLENT_IO {
public:
    FLENT_IO(FILE* file, DWORD key, int variant) noexcept;
    FLENT_IO(MemBuf* mem, DWORD key, int variant) noexcept;
    FLENT_IO(ClipBuf* clip, DWORD key, int variant) noexcept;
    ~FLENT_IO();
    FLENT_IO(const FLENT_IO&) = delete;
    FLENT_IO& operator=(const FLENT_IO&) = delete;

    // Whole entities.
    BOOL ReadBlock(FLENT_BLK* block, int filter) noexcept { return block->Read(this, filter); }
    BOOL Write(FLENT* entity) noexcept { return entity->Write(this); }
    // Reads the root's header, which must be a block (class 0, code 1), and the root with
    // `filter`. Null when there is no block header or memory ran out.
    FLENT_BLK* ReadRoot(int filter) noexcept;

    // Document header: magic, then six words (the third, at offset 12, is the float key).
    // ProbeVersion reads a word: 1, 2 or 3 for a magic word (variant + 1), else steps back
    // four bytes and answers 0. On a memory buffer it looks at the buffer's first word.
    int ProbeVersion() noexcept;
    BOOL ReadDocWords(DWORD words[6]) noexcept;
    // Writes the magic of the stream's variant and the six words (words[2] is the key).
    BOOL WriteDocHeader(const DWORD words[6]) noexcept;

    // Entity headers and block attribute markers.
    BOOL ReadHeader(FLENT_HDR* header, DWORD ownerId) noexcept;
    BOOL WriteHeader(DWORD cls, DWORD code, DWORD id) noexcept;
    BOOL WriteMarker(WORD marker, DWORD ownerId) noexcept;
    // Skips the data of the entity whose header was just read; for a block, its whole body.
    BOOL Skip(const FLENT_HDR& header, DWORD ownerId, int depth = 0) noexcept;

    // Raw values. Reads log `shortCode` (id, 2) and fail when the bytes do not come; writes log
    // the write code (id, 1) and fail when the sink does not take them.
    BOOL ReadByte(BYTE* value, DWORD id) noexcept;
    BOOL Read16(WORD* value, DWORD id) noexcept;
    BOOL Read32(DWORD* value, DWORD id) noexcept;
    BOOL ReadFloat(float* value, DWORD id) noexcept;
    BOOL ReadRun(void* data, DWORD n, DWORD id, WORD shortCode) noexcept;
    // Reads up to n bytes and answers how many came, logging nothing (0 on a failed stream).
    DWORD ReadAvail(void* data, DWORD n) noexcept;
    BOOL WriteByte(BYTE value, DWORD id) noexcept;
    BOOL Write16(WORD value, DWORD id) noexcept;
    BOOL Write32(DWORD value, DWORD id) noexcept;
    BOOL WriteFloat(float value, DWORD id) noexcept;
    BOOL WriteRun(const void* data, DWORD n, DWORD id, WORD failCode = 10) noexcept;
    // Arrays of 16-bit or 32-bit values (floats XORed with the key). Bulk data is moved in
    // chunks so that the key costs no extra pass over memory.
    DWORD ReadValues16(WORD* values, DWORD count) noexcept;
    DWORD ReadValues32(DWORD* values, DWORD count, BOOL floats) noexcept;
    BOOL WriteValues16(const WORD* values, DWORD count, DWORD id, WORD failCode) noexcept;
    BOOL WriteValues32(const DWORD* values, DWORD count, BOOL floats, DWORD id, WORD failCode) noexcept;
    // Bytes a sink can still give from the current position; kUnknownSize when the sink cannot
    // tell (a pipe), and readers must then grow their buffers as the data arrives.
    unsigned long long Remaining() noexcept;
    static constexpr unsigned long long kUnknownSize = ~0ULL;

    // Seek (origin SEEK_SET, SEEK_CUR, SEEK_END) and tell on any sink; failures log 27 / 28.
    int Seek(long offset, int origin, DWORD id = 0) noexcept;
    long Tell(DWORD id = 0) noexcept;

    // The error log.
    void Log(WORD severity, WORD code, unsigned long a, unsigned long b) noexcept;
    const FLENT_ERR* GetErrors() const noexcept { return m_errHead; }
    WORD GetWorstSeverity() const noexcept { return m_worst; }
    BOOL IsFailed() const noexcept { return m_failed; }
    void SetFailed() noexcept { m_failed = TRUE; }
    // At most this many events are kept; later ones still count for the worst severity.
    static constexpr DWORD kMaxLoggedEvents = 65536;

    int GetVariant() const noexcept { return m_variant; }
    void SetVariant(int variant) noexcept { m_variant = static_cast<WORD>(variant >= 0 && variant <= 2 ? variant : 0); }
    DWORD GetKey() const noexcept { return m_key; }
    void SetKey(DWORD key) noexcept { m_key = key; }
    FILE* GetFile() const noexcept { return m_file; }
    MemBuf* GetMemBuf() const noexcept { return m_mem; }
    ClipBuf* GetClipBuf() const noexcept { return m_clip; }
    long GetDeferredPos() const noexcept { return m_deferredPos; }
    int GetDeferredWide() const noexcept { return m_deferredWide; }
    void SetDeferred(long pos, int wide) noexcept
    {
        m_deferredPos = static_cast<LONG>(pos);
        m_deferredWide = wide;
    }
    // Small array limit of the variant: 8, 32 or 256 values.
    DWORD SmallLimit() const noexcept { return m_variant == 0 ? 8 : m_variant == 1 ? 32 : 256; }
    // Nesting depth beyond which blocks are refused (code 30), so no input exhausts the stack.
    static constexpr int kMaxDepth = 256;

private:
    void Init(DWORD key, int variant) noexcept;
    DWORD SinkRead(void* data, DWORD n) noexcept;
    BOOL SinkWrite(const void* data, DWORD n) noexcept;
    BOOL SkipBlockBody(DWORD blockId, DWORD holderId, int depth) noexcept;
    BOOL DiscardForward(long offset) noexcept;

    WORD m_worst;
    WORD m_variant;
    FLENT_ERR* m_errHead;
    FLENT_ERR* m_errTail;
    DWORD m_key;
    BOOL m_failed;
    FILE* m_file;
    MemBuf* m_mem;
    ClipBuf* m_clip;
    LONG m_deferredPos;
    BOOL m_deferredWide;
    // Private additions after the described fields.
    DWORD m_logged;  // number of events kept in the log
    int m_depth;     // nesting depth of the block being read
    friend class FLENT_BLK;
};

// ---------------------------------------------------------------------------------------------
// A memory buffer of fixed-size blocks that grows block by block without moving data.
class MemBuf {
public:
    MemBuf(WORD blockSize, WORD maxBlocks) noexcept;
    MemBuf(const MemBuf& other) noexcept;
    MemBuf& operator=(const MemBuf&) = delete;
    virtual ~MemBuf();

    BOOL Read(void* data, DWORD n) noexcept;
    BOOL Write(const void* data, DWORD n) noexcept;
    // Origin SEEK_SET, SEEK_CUR or SEEK_END (allocated size - offset); 1 for another origin.
    int Seek(long offset, int origin) noexcept;
    long Tell() const noexcept { return static_cast<long>(m_pos); }
    void Rewind() noexcept { m_pos = 0; }
    BOOL AtEnd() const noexcept { return m_pos >= m_size; }
    BOOL ReadByte(BYTE* value) noexcept { return Read(value, 1); }
    BOOL Read16(WORD* value) noexcept;
    BOOL Read32(DWORD* value) noexcept;
    BOOL ReadFloat(float* value) noexcept;
    // Reads a NUL-terminated text into `buffer` of `n` bytes; the rest of a longer text is read
    // and dropped. FALSE when the buffer ends before a NUL.
    BOOL ReadText(char* buffer, DWORD n) noexcept;
    BOOL WriteText(const char* text) noexcept;  // including its NUL
    // TRUE when maximum blocks x block size is greater than position + n.
    BOOL HasRoom(unsigned long long n) const noexcept;

    WORD GetBlockSize() const noexcept { return m_blockSize; }
    WORD GetMaxBlocks() const noexcept { return m_maxBlocks; }
    DWORD GetAllocatedSize() const noexcept { return m_size; }
    unsigned long long GetMaxSize() const noexcept { return 1ULL * m_blockSize * m_maxBlocks; }
    // Block i of the table (null when not allocated), for callers that copy the contents out.
    const BYTE* GetBlock(DWORD i) const noexcept { return m_blocks && i < m_maxBlocks ? m_blocks[i] : nullptr; }

private:
    BOOL Grow(unsigned long long end, unsigned long long writeFrom) noexcept;

    WORD m_blockSize;
    WORD m_maxBlocks;
    DWORD m_pos;
    DWORD m_size;
    BYTE** m_blocks;
};

// A buffer on the platform clipboard under a registered format.
class ClipBuf {
public:
    ClipBuf() noexcept;
    ClipBuf(const ClipBuf&) = delete;
    ClipBuf& operator=(const ClipBuf&) = delete;
    virtual ~ClipBuf();

    BOOL OpenWrite(const char* formatName) noexcept;
    BOOL Write(const void* data, DWORD n) noexcept;
    BOOL PutOnClipboard() noexcept;
    BOOL OpenRead(const char* formatName) noexcept;
    BOOL Read(void* data, DWORD n) noexcept;
    // Clamps the position to the size (answering 2 when it had to); 1 for an unknown origin.
    int Seek(long offset, int origin) noexcept;
    long Tell() const noexcept { return static_cast<long>(m_pos); }
    BOOL AtEnd() const noexcept { return m_pos >= m_size; }
    DWORD GetSize() const noexcept { return m_size; }
    void Close() noexcept;

    static constexpr DWORD kGrowStep = 3072;

private:
    BYTE m_open;   // 1 writing, 2 reading (the clipboard is held open)
    HGLOBAL m_mem;
    DWORD m_pos;
    DWORD m_size;
    UINT m_format;
    BYTE* m_data;
};

// ---------------------------------------------------------------------------------------------
// Title and preview.
//
// The preview block (id 53, a child of the root) holds id 51: three 16-bit values (pixel
// format code whose low four bits are the bytes per pixel, width, height); id 52: the picture
// compressed by FLENT_CompressPicture; id 805: the caption text.

// Adds the preview block to `root`; FALSE when it already has one, the picture is smaller than
// (format & 15) x width x height bytes, or memory ran out.
BOOL FLENT_SetPreview(FLENT_BLK* root, const BYTE* pixels, DWORD size, WORD format, WORD width,
                      WORD height, const char* caption);
// Gets the preview of `root`: raw, a malloc'd copy of the stored (compressed) bytes; otherwise
// the decoded pixels ((format & 15) x width x height bytes). The caption is copied into
// `caption` (at most captionSize bytes with the NUL). Null when there is no usable preview.
BYTE* FLENT_GetPreview(const FLENT_BLK* root, BOOL raw, DWORD* size, char* caption,
                       int captionSize, WORD* format = nullptr, WORD* width = nullptr,
                       WORD* height = nullptr);
// Reads the title (at most 511 characters) and preview of a document file. The preview is a
// malloc'd block: the stored picture bytes, or (with *isVector set) the vector preview block
// of misc/data/preview.h. FALSE when the file cannot be opened or is not a typed entity
// document (the title is then empty).
BOOL FLENT_ReadTitleAndPreview(const char* path, char title[512], void** preview, DWORD* size,
                               BOOL* isVector);

// The raster codec of preview pictures. Layout of the stored bytes:
//   offset 0: "MZP1"  (4 bytes)
//   offset 4: raw size, 32-bit little-endian = (format & 15) x width x height
//   offset 8: a zlib stream (RFC 1950) of the pixel rows, top row first, each row
//             width x (format & 15) bytes, no padding.
// Both answer malloc'd buffers, or null (bad input, or a stored size that the compressed bytes
// cannot possibly expand to).
BYTE* FLENT_CompressPicture(const BYTE* pixels, WORD format, WORD width, WORD height, DWORD* size);
BYTE* FLENT_DecompressPicture(const BYTE* data, DWORD size, WORD format, WORD width, WORD height);

MISC_PUBLIC_END
