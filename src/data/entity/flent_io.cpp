// The entity stream: sinks, raw values, headers, skipping, seeking and the error log.
#include "misc/data/entity.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the entity format is little-endian");

namespace {

constexpr DWORD kChunk = 16384;  // values per chunk when the float key is applied

void XorCopy(DWORD* dst, const DWORD* src, DWORD n, DWORD key)
{
    for (DWORD i = 0; i < n; ++i)
        dst[i] = src[i] ^ key;
}

} // namespace

FLENT_IO::FLENT_IO(FILE* file, DWORD key, int variant) noexcept : m_file(file), m_mem(nullptr), m_clip(nullptr)
{
    Init(key, variant);
}

FLENT_IO::FLENT_IO(MemBuf* mem, DWORD key, int variant) noexcept : m_file(nullptr), m_mem(mem), m_clip(nullptr)
{
    Init(key, variant);
}

FLENT_IO::FLENT_IO(ClipBuf* clip, DWORD key, int variant) noexcept : m_file(nullptr), m_mem(nullptr), m_clip(clip)
{
    Init(key, variant);
}

void FLENT_IO::Init(DWORD key, int variant) noexcept
{
    m_worst = 0;
    SetVariant(variant);
    m_errHead = m_errTail = nullptr;
    m_key = key;
    m_failed = FALSE;
    m_deferredPos = -1;
    m_deferredWide = 0;
    m_logged = 0;
    m_depth = 0;
}

FLENT_IO::~FLENT_IO()
{
    while (m_errHead) {
        FLENT_ERR* next = m_errHead->next;
        std::free(m_errHead);
        m_errHead = next;
    }
}

void FLENT_IO::Log(WORD severity, WORD code, unsigned long a, unsigned long b) noexcept
{
    if (severity > m_worst)
        m_worst = severity;
    if (severity >= FLENT_SEV_ERROR && code != 29 && code != 40)
        m_failed = TRUE;
    if (m_logged >= kMaxLoggedEvents)
        return;
    auto* e = static_cast<FLENT_ERR*>(std::malloc(sizeof(FLENT_ERR)));
    if (!e)
        return;
    e->next = nullptr;
    e->severity = severity;
    e->code = code;
    e->arg1 = static_cast<WORD>(std::min<unsigned long>(a, 0xFFFF));
    e->arg2 = static_cast<WORD>(std::min<unsigned long>(b, 0xFFFF));
    if (m_errTail)
        m_errTail->next = e;
    else
        m_errHead = e;
    m_errTail = e;
    ++m_logged;
}

// --- Sinks ---------------------------------------------------------------------------------

DWORD FLENT_IO::SinkRead(void* data, DWORD n) noexcept
{
    if (n == 0)
        return 0;
    if (m_file)
        return static_cast<DWORD>(std::fread(data, 1, n, m_file));
    if (m_mem)
        return m_mem->Read(data, n) ? n : 0;
    if (m_clip)
        return m_clip->Read(data, n) ? n : 0;
    return 0;
}

BOOL FLENT_IO::SinkWrite(const void* data, DWORD n) noexcept
{
    if (n == 0)
        return TRUE;
    if (m_file)
        return std::fwrite(data, 1, n, m_file) == n;
    if (m_mem)
        return m_mem->Write(data, n);
    if (m_clip)
        return m_clip->Write(data, n);
    return FALSE;
}

unsigned long long FLENT_IO::Remaining() noexcept
{
    if (m_mem) {
        long pos = m_mem->Tell();
        DWORD size = m_mem->GetAllocatedSize();
        return static_cast<DWORD>(pos) < size ? size - static_cast<DWORD>(pos) : 0;
    }
    if (m_clip) {
        DWORD pos = static_cast<DWORD>(m_clip->Tell());
        return pos < m_clip->GetSize() ? m_clip->GetSize() - pos : 0;
    }
    if (m_file) {
        long pos = std::ftell(m_file);
        if (pos < 0 || std::fseek(m_file, 0, SEEK_END) != 0)
            return kUnknownSize;
        long end = std::ftell(m_file);
        if (std::fseek(m_file, pos, SEEK_SET) != 0)
            m_failed = TRUE;
        return end > pos ? static_cast<unsigned long long>(end - pos) : 0;
    }
    return 0;
}

int FLENT_IO::Seek(long offset, int origin, DWORD id) noexcept
{
    int result = 1;
    if (m_file) {
        result = std::fseek(m_file, offset, origin);
        if (result != 0 && origin == SEEK_CUR && offset > 0)
            result = DiscardForward(offset) ? 0 : 1;
    }
    else if (m_mem)
        result = m_mem->Seek(offset, origin);
    else if (m_clip)
        result = m_clip->Seek(offset, origin);
    if (result != 0)
        Log(FLENT_SEV_ERROR, 27, id, 3);
    return result;
}

// A source that cannot seek (a pipe) moves forward by reading and dropping the bytes.
BOOL FLENT_IO::DiscardForward(long offset) noexcept
{
    char scratch[4096];
    while (offset > 0) {
        size_t n = offset < static_cast<long>(sizeof scratch) ? static_cast<size_t>(offset) : sizeof scratch;
        size_t got = std::fread(scratch, 1, n, m_file);
        offset -= static_cast<long>(got);
        if (got < n)
            return FALSE;
    }
    return TRUE;
}

long FLENT_IO::Tell(DWORD id) noexcept
{
    long pos = -1;
    if (m_file)
        pos = std::ftell(m_file);
    else if (m_mem)
        pos = m_mem->Tell();
    else if (m_clip)
        pos = m_clip->Tell();
    if (pos < 0)
        Log(FLENT_SEV_ERROR, 28, id, 4);
    return pos;
}

// --- Raw values ----------------------------------------------------------------------------

DWORD FLENT_IO::ReadAvail(void* data, DWORD n) noexcept
{
    return m_failed ? 0 : SinkRead(data, n);
}

BOOL FLENT_IO::ReadRun(void* data, DWORD n, DWORD id, WORD shortCode) noexcept
{
    if (m_failed)
        return FALSE;
    if (SinkRead(data, n) == n)
        return TRUE;
    Log(FLENT_SEV_ERROR, shortCode, id, 2);
    return FALSE;
}

BOOL FLENT_IO::ReadByte(BYTE* value, DWORD id) noexcept { return ReadRun(value, 1, id, 11); }
BOOL FLENT_IO::Read16(WORD* value, DWORD id) noexcept { return ReadRun(value, 2, id, 11); }
BOOL FLENT_IO::Read32(DWORD* value, DWORD id) noexcept { return ReadRun(value, 4, id, 12); }

BOOL FLENT_IO::ReadFloat(float* value, DWORD id) noexcept
{
    DWORD bits;
    if (!Read32(&bits, id))
        return FALSE;
    bits ^= m_key;
    std::memcpy(value, &bits, 4);
    return TRUE;
}

BOOL FLENT_IO::WriteRun(const void* data, DWORD n, DWORD id, WORD failCode) noexcept
{
    if (m_failed)
        return FALSE;
    if (SinkWrite(data, n))
        return TRUE;
    Log(FLENT_SEV_ERROR, failCode, id, 1);
    return FALSE;
}

BOOL FLENT_IO::WriteByte(BYTE value, DWORD id) noexcept { return WriteRun(&value, 1, id, 6); }
BOOL FLENT_IO::Write16(WORD value, DWORD id) noexcept { return WriteRun(&value, 2, id, 7); }
BOOL FLENT_IO::Write32(DWORD value, DWORD id) noexcept { return WriteRun(&value, 4, id, 8); }

BOOL FLENT_IO::WriteFloat(float value, DWORD id) noexcept
{
    DWORD bits;
    std::memcpy(&bits, &value, 4);
    return Write32(bits ^ m_key, id);
}

DWORD FLENT_IO::ReadValues16(WORD* values, DWORD count) noexcept
{
    if (m_failed)
        return 0;
    if (m_file)
        return static_cast<DWORD>(std::fread(values, 2, count, m_file));
    return SinkRead(values, count * 2) / 2;
}

DWORD FLENT_IO::ReadValues32(DWORD* values, DWORD count, BOOL floats) noexcept
{
    if (m_failed)
        return 0;
    if (!floats || m_key == 0) {
        if (m_file)
            return static_cast<DWORD>(std::fread(values, 4, count, m_file));
        return SinkRead(values, count * 4) / 4;
    }
    // The key is applied chunk by chunk while the values are still in the cache.
    DWORD done = 0;
    while (done < count) {
        DWORD n = std::min(kChunk, count - done);
        DWORD got = m_file ? static_cast<DWORD>(std::fread(values + done, 4, n, m_file))
                           : SinkRead(values + done, n * 4) / 4;
        for (DWORD i = 0; i < got; ++i)
            values[done + i] ^= m_key;
        done += got;
        if (got < n)
            break;
    }
    return done;
}

BOOL FLENT_IO::WriteValues16(const WORD* values, DWORD count, DWORD id, WORD failCode) noexcept
{
    return WriteRun(values, count * 2, id, failCode);
}

BOOL FLENT_IO::WriteValues32(const DWORD* values, DWORD count, BOOL floats, DWORD id, WORD failCode) noexcept
{
    if (!floats || m_key == 0)
        return WriteRun(values, count * 4, id, failCode);
    // The tree keeps its values: the keyed words go through a scratch buffer.
    DWORD small[256];
    std::unique_ptr<DWORD, decltype(&std::free)> big(nullptr, &std::free);
    DWORD* scratch = small;
    DWORD step = 256;
    if (count > 256) {
        big.reset(static_cast<DWORD*>(std::malloc(kChunk * sizeof(DWORD))));
        if (big)
            scratch = big.get(), step = kChunk;
    }
    for (DWORD done = 0; done < count; done += step) {
        DWORD n = std::min(step, count - done);
        XorCopy(scratch, values + done, n, m_key);
        if (!WriteRun(scratch, n * 4, id, failCode))
            return FALSE;
    }
    return TRUE;
}

// --- Headers -------------------------------------------------------------------------------

BOOL FLENT_IO::ReadHeader(FLENT_HDR* h, DWORD ownerId) noexcept
{
    if (m_failed)
        return FALSE;
    BYTE b[4];
    DWORD width = m_variant == 0 ? 2 : m_variant == 1 ? 3 : 4;
    DWORD got = SinkRead(b, width);
    if (got < width) {
        // A clean end before a 2- or 4-byte header ends reading without an entry.
        if (got == 0 && width != 3)
            m_failed = TRUE;
        else
            Log(FLENT_SEV_ERROR, width == 4 ? 12 : 11, ownerId, 2);
        return FALSE;
    }
    if (m_variant == 0) {
        DWORD v = b[0] | (DWORD(b[1]) << 8);
        h->cls = v >> 13;
        h->code = (v >> 10) & 7;
        h->id = v & 0x3FF;
    } else if (m_variant == 1) {
        DWORD v = (DWORD(b[0]) << 16) | (DWORD(b[1]) << 8) | b[2];
        h->cls = v >> 19;
        h->code = (v >> 14) & 31;
        h->id = v & 0x3FFF;
    } else {
        DWORD v = b[0] | (DWORD(b[1]) << 8) | (DWORD(b[2]) << 16) | (DWORD(b[3]) << 24);
        h->cls = v >> 24;
        h->code = (v >> 16) & 0xFF;
        h->id = v & 0xFFFF;
    }
    return TRUE;
}

BOOL FLENT_IO::WriteHeader(DWORD cls, DWORD code, DWORD id) noexcept
{
    BYTE b[4];
    DWORD width;
    if (m_variant == 0) {
        DWORD v = (cls << 13) | ((code & 7) << 10) | (id & 0x3FF);
        b[0] = BYTE(v), b[1] = BYTE(v >> 8);
        width = 2;
    } else if (m_variant == 1) {
        DWORD v = (cls << 19) | ((code & 31) << 14) | (id & 0x3FFF);
        b[0] = BYTE(v >> 16), b[1] = BYTE(v >> 8), b[2] = BYTE(v);
        width = 3;
    } else {
        DWORD v = (cls << 24) | ((code & 0xFF) << 16) | (id & 0xFFFF);
        b[0] = BYTE(v), b[1] = BYTE(v >> 8), b[2] = BYTE(v >> 16), b[3] = BYTE(v >> 24);
        width = 4;
    }
    return WriteRun(b, width, id, 7);
}

BOOL FLENT_IO::WriteMarker(WORD marker, DWORD ownerId) noexcept
{
    if (m_variant == 0)
        return WriteRun(&marker, 2, ownerId, 7);
    BYTE b[4];
    DWORD width;
    if (m_variant == 1) {
        DWORD v = (1u << 19) | marker;
        b[0] = BYTE(v >> 16), b[1] = BYTE(v >> 8), b[2] = BYTE(v);
        width = 3;
    } else {
        DWORD v = (1u << 24) | marker;
        b[0] = BYTE(v), b[1] = BYTE(v >> 8), b[2] = BYTE(v >> 16), b[3] = BYTE(v >> 24);
        width = 4;
    }
    return WriteRun(b, width, ownerId, 7);
}

// --- Skipping ------------------------------------------------------------------------------

BOOL FLENT_IO::Skip(const FLENT_HDR& h, DWORD ownerId, int depth) noexcept
{
    if (m_failed)
        return FALSE;
    DWORD id = h.id & 0x3FF;
    long long bytes = 0;
    if (h.cls == 0) {
        WORD len16;
        DWORD len32;
        switch (h.code) {
        case 0:
            return TRUE;
        case 1:
        case 4:
            return SkipBlockBody(id, ownerId, depth + 1);
        case 2:
        case 6:
            if (!Read16(&len16, id))
                return FALSE;
            bytes = len16;
            break;
        case 3:
        case 7:
            if (!Read32(&len32, id))
                return FALSE;
            bytes = len32;
            break;
        case 5:
            if (!Read32(&len32, id))
                return FALSE;
            bytes = 1LL * (len32 & 0x3FFFFFFF) * ((len32 >> 30) <= 1 ? 2 : 4);
            break;
        default:
            Log(FLENT_SEV_FORMAT, 5, h.code, ownerId);
            return TRUE;
        }
    } else if (h.cls == 1) {
        DWORD marker = m_variant == 0 ? ((h.cls << 13) | (h.code << 10) | h.id) : h.id;
        if (marker > 0x2000 && marker < 0x2400)
            bytes = marker - 0x2000;
    } else if (h.cls <= 7) {
        DWORD size = h.cls <= 3 ? 2 : 4;
        if (h.cls % 2 == 0) {
            bytes = 1LL * (h.code + 1) * size;
        } else {
            WORD count;
            if (!Read16(&count, id))
                return FALSE;
            bytes = 1LL * count * size;
        }
    }
    return bytes == 0 || Seek(static_cast<long>(bytes), SEEK_CUR, id) == 0;
}

BOOL FLENT_IO::SkipBlockBody(DWORD blockId, DWORD holderId, int depth) noexcept
{
    if (depth > kMaxDepth) {
        // Same arguments as a block refused while it is read: the block and its holder.
        Log(FLENT_SEV_ERROR, 30, blockId, holderId);
        return FALSE;
    }
    FLENT_HDR h;
    while (ReadHeader(&h, blockId)) {
        if (h.cls == 0 && h.code == 0)
            return TRUE;
        if (h.cls > 7)
            Log(FLENT_SEV_FORMAT, 4, blockId, 0);
        else if (!Skip(h, blockId, depth))
            return FALSE;
    }
    return FALSE;
}

// --- Documents -----------------------------------------------------------------------------

int FLENT_IO::ProbeVersion() noexcept
{
    DWORD word = 0;
    if (m_mem) {
        const BYTE* first = m_mem->GetBlock(0);
        if (!first || m_mem->GetAllocatedSize() < 4 || m_mem->GetBlockSize() < 4)
            return 0;
        std::memcpy(&word, first, 4);
    } else {
        DWORD got = SinkRead(&word, 4);
        if (got < 4) {
            if (got)
                Seek(-static_cast<long>(got), SEEK_CUR);
            return 0;
        }
    }
    if (word >= FLENT_MAGIC0 && word <= FLENT_MAGIC2)
        return static_cast<int>(word - FLENT_MAGIC0) + 1;
    if (!m_mem)
        Seek(-4, SEEK_CUR);
    return 0;
}

BOOL FLENT_IO::ReadDocWords(DWORD words[6]) noexcept
{
    for (int i = 0; i < 6; ++i)
        if (!Read32(&words[i], 0))
            return FALSE;
    return TRUE;
}

BOOL FLENT_IO::WriteDocHeader(const DWORD words[6]) noexcept
{
    if (!Write32(FLENT_MAGIC0 + m_variant, 0))
        return FALSE;
    for (int i = 0; i < 6; ++i)
        if (!Write32(words[i], 0))
            return FALSE;
    return TRUE;
}

FLENT_BLK* FLENT_IO::ReadRoot(int filter) noexcept
{
    FLENT_HDR h;
    if (!ReadHeader(&h, 0) || h.cls != 0 || h.code != 1)
        return nullptr;
    FLENT_BLK* root = new FLENT_BLK(h.id);
    if (!root) {
        Log(FLENT_SEV_ERROR, 30, h.id & 0x3FF, 0);
        return nullptr;
    }
    root->Read(this, filter);
    return root;
}
