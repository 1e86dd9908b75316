// Parsing of profile text into sections and entries (offsets into the text, no copies).
#include "win32/inifile.h"

#include <cstring>

namespace miscini {

namespace {

inline bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
inline unsigned char Fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

// One line of the text: [begin, end) without its line break, next = start of the next line.
struct Line {
    size_t begin, end, next;
};

inline Line NextLine(const std::string& text, size_t pos)
{
    const char* base = text.data();
    size_t size = text.size();
    // memchr finds the next LF fast; a lone CR before it also ends a line.
    const void* lf = std::memchr(base + pos, '\n', size - pos);
    size_t lfPos = lf ? static_cast<const char*>(lf) - base : size;
    const void* cr = std::memchr(base + pos, '\r', lfPos - pos);
    if (cr) {
        size_t crPos = static_cast<const char*>(cr) - base;
        size_t next = (crPos + 1 < size && base[crPos + 1] == '\n') ? crPos + 2 : crPos + 1;
        return {pos, crPos, next};
    }
    return {pos, lfPos, lf ? lfPos + 1 : size};
}

inline void Trim(const std::string& text, size_t& begin, size_t& end)
{
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
}

uint32_t HashRange(const char* p, size_t n)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < n; ++i)
        h = (h ^ Fold(static_cast<unsigned char>(p[i]))) * 16777619u;
    return h;
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

std::string_view StripQuotes(std::string_view text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return text.substr(1, text.size() - 2);
    return text;
}

bool NamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

uint32_t NameHash(std::string_view name) { return HashRange(name.data(), name.size()); }

Document::Document(std::string text) : m_text(std::move(text)) { Parse(); }

void Document::Parse()
{
    const std::string& t = m_text;
    size_t pos = 0;
    if (t.size() >= 3 && t.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    Section* current = nullptr;
    while (pos < t.size()) {
        Line line = NextLine(t, pos);
        size_t b = line.begin, e = line.end;
        Trim(t, b, e);
        if (b == e) {
            pos = line.next; // blank line: does not move a section's content end
            continue;
        }
        if (t[b] == '[') {
            if (current)
                current->bodyEnd = line.begin;
            Section s;
            s.headerBegin = line.begin;
            s.nameBegin = b + 1;
            const void* close = nullptr;
            for (size_t i = e; i > b + 1; --i)
                if (t[i - 1] == ']') {
                    close = &t[i - 1];
                    break;
                }
            s.nameEnd = close ? static_cast<const char*>(close) - t.data() : e;
            Trim(t, s.nameBegin, s.nameEnd);
            s.nameHash = HashRange(t.data() + s.nameBegin, s.nameEnd - s.nameBegin);
            s.bodyBegin = s.contentEnd = line.next;
            s.bodyEnd = t.size();
            s.firstEntry = static_cast<uint32_t>(m_entries.size());
            m_sections.push_back(s);
            current = &m_sections.back();
            pos = line.next;
            continue;
        }
        if (current)
            current->contentEnd = line.next;
        if (current && t[b] != ';') {
            const void* eq = std::memchr(t.data() + b, '=', e - b);
            if (eq) {
                Entry en;
                size_t eqPos = static_cast<const char*>(eq) - t.data();
                en.keyBegin = b;
                en.keyEnd = eqPos;
                Trim(t, en.keyBegin, en.keyEnd);
                en.valueBegin = eqPos + 1;
                en.valueEnd = e;
                Trim(t, en.valueBegin, en.valueEnd);
                en.lineEnd = line.end;
                en.nextLine = line.next;
                en.keyHash = HashRange(t.data() + en.keyBegin, en.keyEnd - en.keyBegin);
                m_entries.push_back(en);
                ++current->entryCount;
            }
        }
        pos = line.next;
    }
}

std::string_view Document::Name(const Section& s) const
{
    return std::string_view(m_text).substr(s.nameBegin, s.nameEnd - s.nameBegin);
}

std::string_view Document::Key(const Entry& e) const
{
    return std::string_view(m_text).substr(e.keyBegin, e.keyEnd - e.keyBegin);
}

std::string_view Document::RawValue(const Entry& e) const
{
    return std::string_view(m_text).substr(e.valueBegin, e.valueEnd - e.valueBegin);
}

const Section* Document::FindSection(std::string_view name) const
{
    name = TrimBlanks(name);
    uint32_t h = NameHash(name);
    for (const Section& s : m_sections)
        if (s.nameHash == h && NamesEqual(Name(s), name))
            return &s;
    return nullptr;
}

const Entry* Document::FindEntry(const Section& section, std::string_view key) const
{
    key = TrimBlanks(key);
    uint32_t h = NameHash(key);
    const Entry* e = m_entries.data() + section.firstEntry;
    for (uint32_t i = 0; i < section.entryCount; ++i, ++e)
        if (e->keyHash == h && NamesEqual(Key(*e), key))
            return e;
    return nullptr;
}

std::optional<std::string_view> Document::Value(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (!s)
        return std::nullopt;
    const Entry* e = FindEntry(*s, key);
    if (!e)
        return std::nullopt;
    return StripQuotes(RawValue(*e));
}

std::vector<std::string_view> Document::SectionNames() const
{
    std::vector<std::string_view> names;
    names.reserve(m_sections.size());
    for (const Section& s : m_sections)
        names.push_back(Name(s));
    return names;
}

std::vector<std::string_view> Document::KeyNames(std::string_view section) const
{
    std::vector<std::string_view> names;
    if (const Section* s = FindSection(section)) {
        names.reserve(s->entryCount);
        for (uint32_t i = 0; i < s->entryCount; ++i)
            names.push_back(Key(m_entries[s->firstEntry + i]));
    }
    return names;
}

std::string_view Document::LineBreak() const
{
    size_t pos = m_text.find_first_of("\r\n");
    if (pos == std::string::npos)
        return "\n";
    if (m_text[pos] == '\r')
        return (pos + 1 < m_text.size() && m_text[pos + 1] == '\n') ? "\r\n" : "\r";
    return "\n";
}

} // namespace miscini
