// The entity base and the value entities: texts, byte strings and the three array kinds.
#include "misc/data/entity.h"

#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "entity_heap.h"

namespace {

constexpr BYTE kPooled = 1;          // m_store: the payload came from the pooled heap
constexpr DWORD kBigRead = 1u << 20; // payloads above this are checked against the sink first

// How many elements of a payload of `want` to allocate before reading it: everything for modest
// sizes, else no more than a source of known size still holds. A source of unknown size (a pipe)
// gets a first chunk and `grows` is set: the buffer then grows only as data actually arrives, so
// a made-up count never decides an allocation by itself.
template <class T>
DWORD FirstCapacity(FLENT_IO* io, DWORD want, bool* grows)
{
    *grows = false;
    if (1ULL * want * sizeof(T) <= kBigRead)
        return want;
    unsigned long long left = io->Remaining();
    if (left == FLENT_IO::kUnknownSize) {
        *grows = true;
        return static_cast<DWORD>(kBigRead / sizeof(T));
    }
    left /= sizeof(T);
    return want < left ? want : static_cast<DWORD>(left);
}

// Grows a buffer of `cap` elements (from malloc: never pooled at these sizes) to room for at
// least `need`, doubling, at most `want`; texts keep a byte for their NUL. FALSE when memory ran
// out (the old buffer is kept).
template <class T>
bool GrowTo(T*& values, DWORD& cap, DWORD need, DWORD want)
{
    unsigned long long next = 2ULL * cap;
    if (next < need)
        next = need;
    if (next > want)
        next = want;
    void* p = std::realloc(values, size_t(next) * sizeof(T) + (std::is_same_v<T, char> ? 1 : 0));
    if (!p)
        return false;
    values = static_cast<T*>(p);
    cap = static_cast<DWORD>(next);
    return true;
}

template <class T>
void FreeArray(T*& values, BYTE& store)
{
    flent_heap::FreePayload(values, (store & kPooled) != 0);
    values = nullptr;
    store &= static_cast<BYTE>(~kPooled);
}

template <class T>
T* AllocArray(size_t count, BYTE& store)
{
    bool pooled = false;
    T* p = static_cast<T*>(flent_heap::AllocPayload(count * sizeof(T), &pooled));
    if (p && pooled)
        store |= kPooled;
    return p;
}

template <class T>
BOOL SetArray(T*& values, DWORD& count, BYTE& store, const T* src, DWORD n, BOOL adopt)
{
    FreeArray(values, store);
    count = 0;
    if (adopt) {
        values = const_cast<T*>(src);
        count = src ? n : 0;
        return TRUE;
    }
    if (n == 0 || !src)
        return TRUE;
    values = AllocArray<T>(n, store);
    if (!values)
        return FALSE;
    std::memcpy(values, src, size_t(n) * sizeof(T));
    count = n;
    return TRUE;
}

// Event codes of the array kinds: short small/large, short medium, no memory small/large,
// no memory medium, write failure; class of the small form; kind bits of the large form.
struct ArrayCodes {
    WORD shortSmall, shortMedium, noMemory, noMemoryMedium, writeFail;
    DWORD smallClass;
    DWORD largeBits;
};
constexpr ArrayCodes kIntCodes{15, 17, 36, 33, 16, 2, 0x40000000u};
constexpr ArrayCodes kFltCodes{23, 25, 38, 35, 24, 4, 0x80000000u};
constexpr ArrayCodes kLngCodes{19, 21, 37, 34, 20, 6, 0xC0000000u};

DWORD ReadInto(FLENT_IO* io, WORD* v, DWORD n) { return io->ReadValues16(v, n); }
DWORD ReadInto(FLENT_IO* io, LONG* v, DWORD n) { return io->ReadValues32(reinterpret_cast<DWORD*>(v), n, FALSE); }
DWORD ReadInto(FLENT_IO* io, float* v, DWORD n) { return io->ReadValues32(reinterpret_cast<DWORD*>(v), n, TRUE); }
BOOL WriteFrom(FLENT_IO* io, const WORD* v, DWORD n, DWORD id, WORD code) { return io->WriteValues16(v, n, id, code); }
BOOL WriteFrom(FLENT_IO* io, const LONG* v, DWORD n, DWORD id, WORD code)
{
    return io->WriteValues32(reinterpret_cast<const DWORD*>(v), n, FALSE, id, code);
}
BOOL WriteFrom(FLENT_IO* io, const float* v, DWORD n, DWORD id, WORD code)
{
    return io->WriteValues32(reinterpret_cast<const DWORD*>(v), n, TRUE, id, code);
}

template <class T>
BOOL ReadArray(FLENT_IO* io, DWORD id, long long arg, const ArrayCodes& codes, T*& values,
               DWORD& count, BYTE& store)
{
    FreeArray(values, store);
    count = 0;
    if (io->IsFailed())
        return FALSE;
    bool medium = (arg & FLENT_RD_MEDIUM) != 0;
    DWORD want = static_cast<DWORD>(arg & 0x3FFFFFFF);
    bool grows = false;
    DWORD cap = FirstCapacity<T>(io, want, &grows);
    if (cap > 0) {
        values = AllocArray<T>(cap, store);
        if (!values) {
            io->Log(FLENT_SEV_ERROR, medium ? codes.noMemoryMedium : codes.noMemory, id, want);
            return FALSE;
        }
    }
    DWORD got = cap ? ReadInto(io, values, cap) : 0;
    while (grows && got == cap && cap < want) {
        if (!GrowTo(values, cap, cap + 1, want)) {
            count = got;
            io->Log(FLENT_SEV_ERROR, medium ? codes.noMemoryMedium : codes.noMemory, id, want);
            return FALSE;
        }
        got += ReadInto(io, values + got, cap - got);
    }
    if (grows && got < cap)
        cap = got;  // a source of unknown size gave no more than this
    count = cap;
    if (got == want)
        return TRUE;
    // Cut short: keep what arrived (floats are all cleared), the rest zero.
    if (!io->IsFailed())
        io->Log(FLENT_SEV_ERROR, medium ? codes.shortMedium : codes.shortSmall, id, 2);
    DWORD keep = std::is_same_v<T, float> ? 0 : got;
    if (values && keep < cap)
        std::memset(values + keep, 0, size_t(cap - keep) * sizeof(T));
    return FALSE;
}

template <class T>
BOOL WriteArray(FLENT_IO* io, DWORD id, const ArrayCodes& codes, const T* values, DWORD count)
{
    if (io->IsFailed())
        return FALSE;
    if (count == 0)
        return TRUE;
    if (count >= (1u << 30)) {
        io->Log(FLENT_SEV_WARNING, 78, id, 0);
        count &= (1u << 30) - 1;
        if (count == 0)
            return TRUE;
    }
    if (count <= io->SmallLimit()) {
        if (!io->WriteHeader(codes.smallClass, count - 1, id))
            return FALSE;
    } else if (count <= 0xFFFF) {
        if (!io->WriteHeader(codes.smallClass + 1, 0, id) || !io->Write16(static_cast<WORD>(count), id))
            return FALSE;
    } else {
        if (!io->WriteHeader(0, 5, id) || !io->Write32(count | codes.largeBits, id))
            return FALSE;
    }
    return WriteFrom(io, values, count, id, codes.writeFail);
}

} // namespace

// --- FLENT ---------------------------------------------------------------------------------

FLENT::FLENT(DWORD id, BYTE kind) noexcept
    : m_id(id & 0x3FF), m_kind(kind), m_store(0), m_next(nullptr), m_parent(nullptr)
{
}

FLENT::FLENT(const FLENT& other) noexcept
    : m_id(other.m_id & 0x3FF), m_kind(other.m_kind), m_store(0), m_next(nullptr), m_parent(nullptr)
{
}

FLENT::~FLENT() = default;

void* FLENT::operator new(size_t size) noexcept
{
    return size <= flent_heap::kMaxCell ? flent_heap::Alloc(size) : std::malloc(size);
}

void FLENT::operator delete(void* p, size_t size) noexcept
{
    if (size <= flent_heap::kMaxCell)
        flent_heap::Free(p);
    else
        std::free(p);
}

// --- FLENT_STR / FLENT_BSTR ------------------------------------------------------------------

FLENT_STR::FLENT_STR(DWORD id) noexcept : FLENT(id, FLENT_KIND_STR), m_length(0), m_data(nullptr) {}

FLENT_STR::FLENT_STR(DWORD id, BYTE kind) noexcept : FLENT(id, kind), m_length(0), m_data(nullptr) {}

FLENT_STR::FLENT_STR(const FLENT_STR& other) noexcept : FLENT(other), m_length(0), m_data(nullptr)
{
    if (other.m_data)
        SetData(other.m_data, other.m_length);
}

FLENT_STR::~FLENT_STR() { FreeData(); }

FLENT_BSTR::FLENT_BSTR(DWORD id) noexcept : FLENT_STR(id, FLENT_KIND_BSTR) {}

void FLENT_STR::FreeData() noexcept
{
    FreeArray(m_data, m_store);
    m_length = 0;
}

BOOL FLENT_STR::SetData(const void* data, DWORD len, BOOL adopt) noexcept
{
    FreeData();
    if (adopt) {
        m_data = static_cast<char*>(const_cast<void*>(data));
        m_length = m_data ? len : 0;
        return TRUE;
    }
    m_data = AllocArray<char>(size_t(len) + 1, m_store);
    if (!m_data)
        return FALSE;
    if (len && data)
        std::memcpy(m_data, data, len);
    else if (len)
        std::memset(m_data, 0, len);
    m_data[len] = '\0';
    m_length = len;
    return TRUE;
}

BOOL FLENT_STR::Read(FLENT_IO* io, long long arg)
{
    FreeData();
    if (io->IsFailed())
        return FALSE;
    DWORD len = static_cast<DWORD>(arg & 0xFFFFFFFF);
    bool grows = false;
    DWORD cap = FirstCapacity<char>(io, len, &grows);
    m_data = AllocArray<char>(size_t(cap) + 1, m_store);
    if (!m_data) {
        io->Log(FLENT_SEV_ERROR, (arg & FLENT_RD_LONGLEN) ? 32 : 31, m_id, len);
        return FALSE;
    }
    // Runs of 1024 bytes, then the rest; a short run ends the text where the data ended.
    DWORD pos = 0;
    while (pos < len) {
        DWORD run = len - pos < 1024 ? len - pos : 1024;
        WORD code = run == 1024 ? 13 : 14;
        if (grows && cap - pos < run && !GrowTo(m_data, cap, pos + run, len)) {
            m_data[pos] = '\0';
            m_length = pos;
            io->Log(FLENT_SEV_ERROR, (arg & FLENT_RD_LONGLEN) ? 32 : 31, m_id, len);
            return FALSE;
        }
        DWORD room = cap - pos < run ? cap - pos : run;
        DWORD got = io->ReadAvail(m_data + pos, room);
        pos += got;
        if (got < run) {
            if (!io->IsFailed())
                io->Log(FLENT_SEV_ERROR, code, m_id, 2);
            m_data[pos] = '\0';
            m_length = pos;
            return FALSE;
        }
    }
    m_data[len] = '\0';
    m_length = len;
    return TRUE;
}

BOOL FLENT_STR::Write(FLENT_IO* io)
{
    if (io->IsFailed())
        return FALSE;
    DWORD len = m_length;
    MemBuf* mem = io->GetMemBuf();
    if (mem && !mem->HasRoom(6ULL + len)) {
        io->Log(FLENT_SEV_ERROR, 40, m_id, len / 1024 + 1);
        return FALSE;
    }
    bool wide = len >= 0xFFFF;
    DWORD code = m_kind == FLENT_KIND_BSTR ? (wide ? 7 : 6) : (wide ? 3 : 2);
    if (!m_data && m_kind != FLENT_KIND_BSTR)
        len = 0, code = 2, wide = false;
    if (!io->WriteHeader(0, code, m_id))
        return FALSE;
    if (!(wide ? io->Write32(len, m_id) : io->Write16(static_cast<WORD>(len), m_id)))
        return FALSE;
    if (!m_data) {
        // Room is reserved for bytes that the caller writes later at the deferred position.
        long pos = io->Tell(m_id);
        if (pos < 0)
            return FALSE;
        io->SetDeferred(pos, wide ? 1 : 0);
        return io->Seek(static_cast<long>(len), SEEK_CUR, m_id) == 0;
    }
    return io->WriteRun(m_data, len, m_id);
}

// --- Arrays ------------------------------------------------------------------------------------

#define FLENT_DEFINE_ARRAY(NAME, T, KIND, CODES)                                            \
    NAME::NAME(DWORD id) noexcept : FLENT(id, KIND), m_count(0), m_values(nullptr) {}       \
    NAME::NAME(const NAME& other) noexcept : FLENT(other), m_count(0), m_values(nullptr)    \
    {                                                                                       \
        SetArray(m_values, m_count, m_store, other.m_values, other.m_count, FALSE);         \
    }                                                                                       \
    NAME::~NAME() { FreeArray(m_values, m_store); }                                         \
    BOOL NAME::SetValues(const T* values, DWORD count, BOOL adopt) noexcept                 \
    {                                                                                       \
        return SetArray(m_values, m_count, m_store, values, count, adopt);                  \
    }                                                                                       \
    BOOL NAME::Read(FLENT_IO* io, long long arg)                                            \
    {                                                                                       \
        return ReadArray(io, m_id, arg, CODES, m_values, m_count, m_store);                 \
    }                                                                                       \
    BOOL NAME::Write(FLENT_IO* io) { return WriteArray(io, m_id, CODES, m_values, m_count); }

FLENT_DEFINE_ARRAY(FLENT_INT, WORD, FLENT_KIND_INT, kIntCodes)
FLENT_DEFINE_ARRAY(FLENT_LNG, LONG, FLENT_KIND_LNG, kLngCodes)
FLENT_DEFINE_ARRAY(FLENT_FLT, float, FLENT_KIND_FLT, kFltCodes)
#undef FLENT_DEFINE_ARRAY
