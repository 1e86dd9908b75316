// The chunked memory buffer.
#include "misc/data/entity.h"

#include <cstdlib>
#include <cstring>

MemBuf::MemBuf(WORD blockSize, WORD maxBlocks) noexcept
    : m_blockSize(blockSize ? blockSize : 1), m_maxBlocks(maxBlocks ? maxBlocks : 1), m_pos(0), m_size(0),
      m_blocks(static_cast<BYTE**>(std::calloc(m_maxBlocks, sizeof(BYTE*))))
{
    if (!m_blocks)
        return;
    m_blocks[0] = static_cast<BYTE*>(std::calloc(m_blockSize, 1));
    if (m_blocks[0])
        m_size = m_blockSize;
}

MemBuf::MemBuf(const MemBuf& other) noexcept
    : m_blockSize(other.m_blockSize), m_maxBlocks(other.m_maxBlocks), m_pos(other.m_pos), m_size(0),
      m_blocks(static_cast<BYTE**>(std::calloc(m_maxBlocks, sizeof(BYTE*))))
{
    if (!m_blocks)
        return;
    DWORD count = other.m_size / m_blockSize;
    for (DWORD i = 0; i < count; ++i) {
        m_blocks[i] = static_cast<BYTE*>(std::malloc(m_blockSize));
        if (!m_blocks[i])
            break;
        std::memcpy(m_blocks[i], other.m_blocks[i], m_blockSize);
        m_size += m_blockSize;
    }
}

MemBuf::~MemBuf()
{
    if (!m_blocks)
        return;
    for (DWORD i = 0; i < m_maxBlocks; ++i)
        std::free(m_blocks[i]);
    std::free(m_blocks);
}

BOOL MemBuf::Read(void* data, DWORD n) noexcept
{
    if (1ULL * m_pos + n > m_size)
        return FALSE;
    BYTE* out = static_cast<BYTE*>(data);
    while (n) {
        DWORD block = m_pos / m_blockSize, offset = m_pos % m_blockSize;
        DWORD run = m_blockSize - offset < n ? m_blockSize - offset : n;
        std::memcpy(out, m_blocks[block] + offset, run);
        out += run, m_pos += run, n -= run;
    }
    return TRUE;
}

// Allocates the blocks up to `end`. Bytes of new blocks outside [writeFrom, end) are cleared;
// the caller fills that range right away, so every block reads as zero-filled.
BOOL MemBuf::Grow(unsigned long long end, unsigned long long writeFrom) noexcept
{
    if (!m_blocks || end > GetMaxSize())
        return FALSE;
    DWORD first = m_size / m_blockSize;
    DWORD last = static_cast<DWORD>((end + m_blockSize - 1) / m_blockSize);
    for (DWORD i = first; i < last; ++i) {
        m_blocks[i] = static_cast<BYTE*>(std::malloc(m_blockSize));
        if (!m_blocks[i]) {
            for (DWORD j = first; j < i; ++j)
                std::free(m_blocks[j]), m_blocks[j] = nullptr;
            return FALSE;
        }
    }
    for (DWORD i = first; i < last; ++i) {
        unsigned long long lo = 1ULL * i * m_blockSize, hi = lo + m_blockSize;
        unsigned long long keepLo = writeFrom > lo ? writeFrom : lo;
        unsigned long long keepHi = end < hi ? end : hi;
        if (keepLo >= keepHi) {
            std::memset(m_blocks[i], 0, m_blockSize);
            continue;
        }
        std::memset(m_blocks[i], 0, keepLo - lo);
        std::memset(m_blocks[i] + (keepHi - lo), 0, hi - keepHi);
    }
    m_size = last * m_blockSize;
    return TRUE;
}

BOOL MemBuf::Write(const void* data, DWORD n) noexcept
{
    unsigned long long end = 1ULL * m_pos + n;
    if (end > m_size && !Grow(end, m_pos))
        return FALSE;
    const BYTE* in = static_cast<const BYTE*>(data);
    while (n) {
        DWORD block = m_pos / m_blockSize, offset = m_pos % m_blockSize;
        DWORD run = m_blockSize - offset < n ? m_blockSize - offset : n;
        std::memcpy(m_blocks[block] + offset, in, run);
        in += run, m_pos += run, n -= run;
    }
    return TRUE;
}

int MemBuf::Seek(long offset, int origin) noexcept
{
    switch (origin) {
    case SEEK_SET:
        m_pos = static_cast<DWORD>(offset);
        return 0;
    case SEEK_CUR:
        m_pos = static_cast<DWORD>(m_pos + offset);
        return 0;
    case SEEK_END:
        m_pos = static_cast<DWORD>(m_size - offset);
        return 0;
    default:
        return 1;
    }
}

BOOL MemBuf::Read16(WORD* value) noexcept { return Read(value, 2); }
BOOL MemBuf::Read32(DWORD* value) noexcept { return Read(value, 4); }
BOOL MemBuf::ReadFloat(float* value) noexcept { return Read(value, 4); }

BOOL MemBuf::ReadText(char* buffer, DWORD n) noexcept
{
    DWORD kept = 0;
    for (;;) {
        char c;
        if (!Read(&c, 1)) {
            if (buffer && n)
                buffer[kept < n ? kept : n - 1] = '\0';
            return FALSE;
        }
        if (c == '\0')
            break;
        if (buffer && kept + 1 < n)
            buffer[kept++] = c;
    }
    if (buffer && n)
        buffer[kept] = '\0';
    return TRUE;
}

BOOL MemBuf::WriteText(const char* text) noexcept
{
    if (!text)
        text = "";
    return Write(text, static_cast<DWORD>(std::strlen(text) + 1));
}

BOOL MemBuf::HasRoom(unsigned long long n) const noexcept
{
    return GetMaxSize() > m_pos + n;
}
