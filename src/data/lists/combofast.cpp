// The one-pass reader of list files.
#include "combofast.h"

#include <climits>
#include <cstring>
#include <memory>

namespace combolist_detail {

namespace {

const char kClassName[] = "CComboItem";
const unsigned kClassNameLength = sizeof(kClassName) - 1;
const unsigned kNewClassTag = 0xFFFF;
const unsigned kFirstClassReference = 0x8001;
// The smallest item: a class reference and two empty strings.
const ULONGLONG kSmallestItem = 4;
// The read buffer; a string must fit in it.
const size_t kBuffer = 64 * 1024;

// The file's bytes through a bounded buffer, refilled as the parse goes on.
class Reader {
public:
    explicit Reader(CFile& file) : m_file(file), m_buffer(new unsigned char[kBuffer]), m_left(file.GetLength()) {}

    // Bytes of the file not parsed yet.
    ULONGLONG Left() const { return m_left; }
    bool Word(unsigned& v)
    {
        if (!Need(2))
            return false;
        v = static_cast<unsigned>(m_p[0] | (m_p[1] << 8));
        Skip(2);
        return true;
    }
    bool DWord(unsigned long& v)
    {
        if (!Need(4))
            return false;
        v = static_cast<unsigned long>(m_p[0]) | (static_cast<unsigned long>(m_p[1]) << 8) |
            (static_cast<unsigned long>(m_p[2]) << 16) | (static_cast<unsigned long>(m_p[3]) << 24);
        Skip(4);
        return true;
    }
    // An 8-bit archive string (16-bit ones are left to the archive).
    bool String(CString& out)
    {
        if (!Need(1))
            return false;
        unsigned long length = *m_p;
        Skip(1);
        if (length == 0xFF) {
            unsigned w = 0;
            if (!Word(w) || w == 0xFFFE)
                return false;
            length = w;
            if (w == 0xFFFF && (!DWord(length) || length >= kBuffer))
                return false;
        }
        if (!Need(length))
            return false;
        if (length > 0)
            out.SetString(reinterpret_cast<const char*>(m_p), static_cast<int>(length));
        Skip(length);
        return true;
    }
    bool Bytes(const char* expected, size_t n)
    {
        if (!Need(n) || std::memcmp(m_p, expected, n) != 0)
            return false;
        Skip(n);
        return true;
    }

private:
    // Makes n bytes readable at m_p; false when the file (or the buffer) cannot hold them.
    bool Need(size_t n)
    {
        if (static_cast<size_t>(m_end - m_p) >= n)
            return true;
        if (n > kBuffer || n > m_left)
            return false;
        const size_t kept = static_cast<size_t>(m_end - m_p);
        if (kept) // nothing is buffered before the first read
            std::memmove(m_buffer.get(), m_p, kept);
        m_p = m_buffer.get();
        m_end = m_p + kept;
        while (static_cast<size_t>(m_end - m_p) < n) {
            const UINT got = m_file.Read(m_end, static_cast<UINT>(kBuffer - static_cast<size_t>(m_end - m_buffer.get())));
            if (got == 0)
                return false;
            m_end += got;
        }
        return true;
    }
    void Skip(size_t n)
    {
        m_p += n;
        m_left -= n;
    }

    CFile& m_file;
    std::unique_ptr<unsigned char[]> m_buffer;
    unsigned char* m_p = nullptr;
    unsigned char* m_end = nullptr;
    ULONGLONG m_left;
};

bool ReadCount(Reader& r, ULONGLONG& count)
{
    unsigned w = 0;
    if (!r.Word(w))
        return false;
    if (w != 0xFFFF) {
        count = w;
        return true;
    }
    unsigned long d = 0;
    if (!r.DWord(d) || d == 0xFFFFFFFFul)
        return false;
    count = d;
    return true;
}

bool ReadClassTag(Reader& r, bool first)
{
    unsigned tag = 0, schema = 0, nameLength = 0;
    if (!r.Word(tag))
        return false;
    if (!first)
        return tag == kFirstClassReference;
    return tag == kNewClassTag && r.Word(schema) && schema == 1 && r.Word(nameLength) &&
           nameLength == kClassNameLength && r.Bytes(kClassName, kClassNameLength);
}

} // namespace

bool ReadPlainList(CFile& file, CComboItemList& list)
{
    Reader r(file);
    ULONGLONG count = 0;
    if (!ReadCount(r, count))
        return false;
    // The count comes from the file: room is made only for the items its bytes can hold.
    if (count > r.Left() / kSmallestItem)
        return false;
    list.SetSize(static_cast<INT_PTR>(count));
    for (ULONGLONG i = 0; i < count; ++i) {
        auto item = std::make_unique<CComboItem>();
        if (!ReadClassTag(r, i == 0) || !r.String(item->m_strName) || !r.String(item->m_strTypeName)) {
            list.RemoveAllItems(); // the items read so far; the rest are null
            return false;
        }
        list.SetAt(static_cast<INT_PTR>(i), item.release());
    }
    return true;
}

} // namespace combolist_detail
