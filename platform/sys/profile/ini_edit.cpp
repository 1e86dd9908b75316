// Edits of profile text that keep every untouched byte, and the Windows buffer rules.
#include "win32/inifile.h"

#include <cstring>

namespace miscini {

namespace {

bool HasLineBreakOrNul(std::string_view s)
{
    for (char c : s)
        if (c == '\r' || c == '\n' || c == '\0')
            return true;
    return false;
}

// Text ends with a line break (or is empty), so a new line can be appended directly.
bool EndsLine(std::string_view text, size_t at)
{
    return at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r';
}

} // namespace

bool ValidSectionName(std::string_view name) { return !HasLineBreakOrNul(name); }

bool ValidKeyName(std::string_view name)
{
    name = TrimBlanks(name);
    if (HasLineBreakOrNul(name) || name.find('=') != std::string_view::npos)
        return false;
    return name.empty() || (name.front() != '[' && name.front() != ';');
}

bool ValidValue(std::string_view value) { return !HasLineBreakOrNul(value); }

std::optional<std::string> SetValue(const Document& doc, std::string_view section, std::string_view key,
                                    std::string_view value)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const std::string& text = doc.Text();
    std::string_view eol = doc.LineBreak();
    const Section* s = doc.FindSection(section);
    std::string out;
    if (!s) {
        out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
        out = text;
        if (!EndsLine(out, out.size()))
            out += eol;
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
        return out;
    }
    if (const Entry* e = doc.FindEntry(*s, key)) {
        // Keep "key = " as written; the value runs from its first non-blank character to the end
        // of the line (trailing blanks go with the old value).
        size_t from = e->valueBegin;
        if (from == e->valueEnd)
            from = e->lineEnd; // empty value: append right where the line ends
        if (text.compare(from, e->lineEnd - from, value) == 0)
            return std::nullopt;
        out.reserve(text.size() + value.size());
        out.append(text, 0, from).append(value).append(text, e->lineEnd, std::string::npos);
        return out;
    }
    size_t at = s->contentEnd;
    out.reserve(text.size() + key.size() + value.size() + 4);
    out.append(text, 0, at);
    if (!EndsLine(out, at))
        out += eol;
    out.append(key).append("=").append(value).append(eol);
    out.append(text, at, std::string::npos);
    return out;
}

std::optional<std::string> AddSection(const Document& doc, std::string_view section)
{
    section = TrimBlanks(section);
    if (doc.FindSection(section))
        return std::nullopt;
    std::string out = doc.Text();
    std::string_view eol = doc.LineBreak();
    if (!EndsLine(out, out.size()))
        out += eol;
    out.append("[").append(section).append("]").append(eol);
    return out;
}

std::optional<std::string> DeleteKey(const Document& doc, std::string_view section, std::string_view key)
{
    const Section* s = doc.FindSection(section);
    if (!s)
        return std::nullopt;
    key = TrimBlanks(key);
    const std::string& text = doc.Text();
    std::string out;
    size_t copied = 0;
    bool changed = false;
    for (uint32_t i = 0; i < s->entryCount; ++i) {
        const Entry& e = doc.Entries()[s->firstEntry + i];
        if (!NamesEqual(doc.Key(e), key))
            continue;
        // The line starts after the previous line break.
        size_t lineBegin = e.keyBegin;
        while (lineBegin > 0 && text[lineBegin - 1] != '\n' && text[lineBegin - 1] != '\r')
            --lineBegin;
        out.append(text, copied, lineBegin - copied);
        copied = e.nextLine;
        changed = true;
    }
    if (!changed)
        return std::nullopt;
    out.append(text, copied, std::string::npos);
    return out;
}

std::optional<std::string> DeleteSection(const Document& doc, std::string_view section)
{
    section = TrimBlanks(section);
    const std::string& text = doc.Text();
    std::string out;
    size_t copied = 0;
    bool changed = false;
    for (const Section& s : doc.Sections()) {
        if (!NamesEqual(doc.Name(s), section))
            continue;
        out.append(text, copied, s.headerBegin - copied);
        copied = s.bodyEnd;
        changed = true;
    }
    if (!changed)
        return std::nullopt;
    out.append(text, copied, std::string::npos);
    return out;
}

DWORD CopyString(std::string_view text, char* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n)
        std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

DWORD CopyList(const std::vector<std::string_view>& items, char* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    size_t pos = 0;
    for (std::string_view item : items) {
        size_t nul = item.find('\0');
        if (nul != std::string_view::npos)
            item = item.substr(0, nul);
        if (pos + item.size() + 2 >= size) {
            // Windows counts a list that fills the buffer exactly as cut: the last item is
            // shortened so that the list still ends with two NULs.
            size_t room = size - 2 - pos; // characters of this item that still fit
            if (room)
                std::memcpy(buffer + pos, item.data(), room);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        if (!item.empty())
            std::memcpy(buffer + pos, item.data(), item.size());
        pos += item.size();
        buffer[pos++] = '\0';
    }
    buffer[pos] = '\0';
    return static_cast<DWORD>(pos);
}

UINT ParseProfileInt(std::string_view value)
{
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t' || value[i] == '\v' || value[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    uint32_t result = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        result = result * 10u + static_cast<uint32_t>(value[i] - '0');
    return negative ? 0u - result : result;
}

} // namespace miscini
