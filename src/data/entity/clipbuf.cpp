// The clipboard buffer: movable global memory under a registered clipboard format.
#include "misc/data/entity.h"

#include <cstring>

namespace {
constexpr BYTE kClosed = 0, kWriting = 1, kReading = 2;
}

ClipBuf::ClipBuf() noexcept : m_open(kClosed), m_mem(nullptr), m_pos(0), m_size(0), m_format(0), m_data(nullptr) {}

ClipBuf::~ClipBuf() { Close(); }

BOOL ClipBuf::OpenWrite(const char* formatName) noexcept
{
    Close();
    m_format = RegisterClipboardFormatA(formatName);
    if (!m_format)
        return FALSE;
    m_mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kGrowStep);
    if (!m_mem)
        return FALSE;
    m_data = static_cast<BYTE*>(GlobalLock(m_mem));
    if (!m_data) {
        GlobalFree(m_mem);
        m_mem = nullptr;
        return FALSE;
    }
    m_size = kGrowStep;
    m_pos = 0;
    m_open = kWriting;
    return TRUE;
}

BOOL ClipBuf::Write(const void* data, DWORD n) noexcept
{
    if (m_open != kWriting)
        return FALSE;
    unsigned long long end = 1ULL * m_pos + n;
    if (end > 0xFFFFFFFFULL)
        return FALSE;
    if (end > m_size) {
        unsigned long long grown = (end + kGrowStep - 1) / kGrowStep * kGrowStep;
        if (grown > 0xFFFFFFFFULL)
            grown = end;
        GlobalUnlock(m_mem);
        HGLOBAL bigger = GlobalReAlloc(m_mem, static_cast<SIZE_T>(grown), GMEM_MOVEABLE | GMEM_ZEROINIT);
        m_data = bigger ? static_cast<BYTE*>(GlobalLock(bigger)) : nullptr;
        if (!m_data) {
            GlobalFree(bigger ? bigger : m_mem);
            m_mem = nullptr;
            m_open = kClosed;
            m_size = m_pos = 0;
            return FALSE;
        }
        m_mem = bigger;
        m_size = static_cast<DWORD>(grown);
    }
    std::memcpy(m_data + m_pos, data, n);
    m_pos += n;
    return TRUE;
}

BOOL ClipBuf::PutOnClipboard() noexcept
{
    if (m_open != kWriting)
        return FALSE;
    if (!OpenClipboard(nullptr))
        return FALSE;
    GlobalUnlock(m_mem);
    m_data = nullptr;
    EmptyClipboard();
    if (!SetClipboardData(m_format, m_mem))
        GlobalFree(m_mem);
    CloseClipboard();
    // The clipboard owns the memory now.
    m_mem = nullptr;
    m_open = kClosed;
    m_size = m_pos = 0;
    return TRUE;
}

BOOL ClipBuf::OpenRead(const char* formatName) noexcept
{
    Close();
    m_format = RegisterClipboardFormatA(formatName);
    if (!m_format || !OpenClipboard(nullptr))
        return FALSE;
    HGLOBAL mem = GetClipboardData(m_format);
    BYTE* data = mem ? static_cast<BYTE*>(GlobalLock(mem)) : nullptr;
    if (!data) {
        CloseClipboard();
        return FALSE;
    }
    SIZE_T size = GlobalSize(mem);
    m_mem = mem;
    m_data = data;
    m_size = size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(size);
    m_pos = 0;
    m_open = kReading;
    return TRUE;
}

BOOL ClipBuf::Read(void* data, DWORD n) noexcept
{
    if (!m_data || 1ULL * m_pos + n > m_size)
        return FALSE;
    std::memcpy(data, m_data + m_pos, n);
    m_pos += n;
    return TRUE;
}

int ClipBuf::Seek(long offset, int origin) noexcept
{
    long long base;
    switch (origin) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = m_pos; break;
    case SEEK_END: base = m_size; break;
    default: return 1;
    }
    long long pos = base + offset;
    if (pos >= 0 && pos <= m_size) {
        m_pos = static_cast<DWORD>(pos);
        return 0;
    }
    m_pos = pos < 0 ? 0 : m_size;
    return 2;
}

void ClipBuf::Close() noexcept
{
    if (m_open == kReading) {
        GlobalUnlock(m_mem);
        CloseClipboard();
    } else if (m_open == kWriting && m_mem) {
        GlobalUnlock(m_mem);
        GlobalFree(m_mem);
    }
    m_open = kClosed;
    m_mem = nullptr;
    m_data = nullptr;
    m_pos = m_size = 0;
}
