// Many profile edits in one pass. The text is held as a list of lines (content and line break);
// sections are indexed by name and their keys on first use, so each edit costs about the size of
// what it touches instead of a copy of the whole text.
//
// The line list gives exactly the text edits' results as long as joining two lines can never
// change where lines break: that holds when every line break ends with LF. A text with a lone CR
// or a byte-order mark takes the reference path, one edit after the other.
#include "win32/inifile.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace miscini {

namespace {

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string Fold(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

struct Line {
    std::string_view src;  // content without its line break, in the source text
    std::string own;       // the content once edited
    bool owned = false;
    std::string_view brk;  // "\n", "\r\n" or "" (the last line of a text without a final break)
    int prev = -1, next = -1;
    int section = -1; // the section the line belongs to (its header included); -1 before the first
    bool header = false, blank = false, live = true;

    // Lines move when the list grows, so an edited content is viewed afresh each time.
    std::string_view Text() const { return owned ? std::string_view(own) : src; }
    void Set(std::string content)
    {
        own = std::move(content);
        owned = true;
    }
};

struct Sec {
    int header = -1;
    int lastNonBlank = -1; // -1: no content yet, new keys go right after the header
    bool live = true, indexed = false;
    std::unordered_map<std::string, std::vector<int>> keys; // folded key -> its entry lines
};

// The folded key of an entry line, or false for a line that is no entry.
bool EntryKey(std::string_view line, std::string& key)
{
    size_t b = 0, e = line.size();
    while (b < e && IsBlank(line[b]))
        ++b;
    if (b == e || line[b] == ';' || line[b] == '[')
        return false;
    size_t eq = line.find('=', b);
    if (eq == std::string_view::npos)
        return false;
    key = Fold(TrimBlanks(line.substr(b, eq - b)));
    return true;
}

class LineDoc {
public:
    explicit LineDoc(const std::string& text) { Split(text); }

    bool Apply(const BatchEdit& edit)
    {
        switch (edit.kind) {
        case BatchEdit::Set:
            return Set(TrimBlanks(edit.section), TrimBlanks(edit.key), edit.value);
        case BatchEdit::RemoveKey:
            return RemoveKey(TrimBlanks(edit.section), TrimBlanks(edit.key));
        case BatchEdit::RemoveSection:
            return RemoveSection(TrimBlanks(edit.section));
        case BatchEdit::EnsureSection:
            if (First(TrimBlanks(edit.section)) >= 0)
                return false;
            AppendSection(TrimBlanks(edit.section));
            return true;
        }
        return false;
    }

    std::string Join() const
    {
        std::string out;
        out.reserve(m_size);
        for (int i = m_head; i >= 0; i = m_lines[i].next)
            out.append(m_lines[i].Text()).append(m_lines[i].brk);
        return out;
    }

private:
    void Split(const std::string& t)
    {
        m_size = t.size();
        size_t pos = 0;
        int current = -1;
        while (pos < t.size()) {
            size_t lf = t.find('\n', pos);
            size_t end = lf == std::string::npos ? t.size() : lf;
            size_t next = lf == std::string::npos ? t.size() : lf + 1;
            if (end > pos && t[end - 1] == '\r' && lf != std::string::npos)
                --end;
            Line line;
            line.src = std::string_view(t).substr(pos, end - pos);
            line.brk = std::string_view(t).substr(end, next - end);
            std::string_view trimmed = TrimBlanks(line.src);
            line.blank = trimmed.empty();
            int index = static_cast<int>(m_lines.size());
            if (!line.blank && trimmed.front() == '[') {
                line.header = true;
                current = NewSection(index, SectionName(trimmed));
            } else if (!line.blank && current >= 0) {
                m_secs[current].lastNonBlank = index;
            }
            line.section = current;
            Link(std::move(line), m_tail);
            pos = next;
        }
    }

    static std::string_view SectionName(std::string_view trimmedHeader)
    {
        size_t close = trimmedHeader.rfind(']');
        std::string_view name = close == std::string_view::npos || close == 0 ? trimmedHeader.substr(1)
                                                                             : trimmedHeader.substr(1, close - 1);
        return TrimBlanks(name);
    }

    int NewSection(int header, std::string_view name)
    {
        Sec s;
        s.header = header;
        m_secs.push_back(std::move(s));
        int index = static_cast<int>(m_secs.size()) - 1;
        m_byName[Fold(name)].push_back(index);
        return index;
    }

    // Appends a line after `after` (-1: at the front); returns its index.
    int Link(Line line, int after)
    {
        int index = static_cast<int>(m_lines.size());
        line.prev = after;
        line.next = after >= 0 ? m_lines[after].next : m_head;
        m_lines.push_back(std::move(line));
        Line& l = m_lines.back();
        if (l.next >= 0)
            m_lines[l.next].prev = index;
        else
            m_tail = index;
        if (after >= 0)
            m_lines[after].next = index;
        else
            m_head = index;
        return index;
    }

    void Unlink(int index)
    {
        Line& l = m_lines[index];
        (l.prev >= 0 ? m_lines[l.prev].next : m_head) = l.next;
        (l.next >= 0 ? m_lines[l.next].prev : m_tail) = l.prev;
        l.live = false;
    }

    // The break new lines get: the text's first one, else LF.
    std::string_view Eol() const
    {
        if (m_head >= 0 && !m_lines[m_head].brk.empty())
            return m_lines[m_head].brk;
        return "\n";
    }

    int First(std::string_view name) const
    {
        auto it = m_byName.find(Fold(name));
        return it == m_byName.end() || it->second.empty() ? -1 : it->second.front();
    }

    void Index(int s)
    {
        Sec& sec = m_secs[s];
        if (sec.indexed)
            return;
        sec.indexed = true;
        std::string key;
        for (int i = m_lines[sec.header].next; i >= 0 && m_lines[i].section == s && !m_lines[i].header;
             i = m_lines[i].next)
            if (EntryKey(m_lines[i].Text(), key))
                sec.keys[key].push_back(i);
    }

    // Gives the line a break when it has none (it is the text's last line).
    void EndLine(int index, std::string_view eol)
    {
        if (index >= 0 && m_lines[index].brk.empty())
            m_lines[index].brk = eol;
    }

    int NewLine(std::string content, std::string_view eol, int after, int section)
    {
        Line line;
        line.Set(std::move(content));
        line.brk = eol;
        line.section = section;
        return Link(std::move(line), after);
    }

    int AppendSection(std::string_view name)
    {
        std::string_view eol = Eol();
        EndLine(m_tail, eol);
        int s = static_cast<int>(m_secs.size());
        int header = NewLine("[" + std::string(name) + "]", eol, m_tail, s);
        m_lines[header].header = true;
        NewSection(header, name);
        m_secs[s].indexed = true;
        return s;
    }

    bool Set(std::string_view section, std::string_view key, std::string_view value)
    {
        std::string line = std::string(key) + "=" + std::string(value);
        int s = First(section);
        if (s < 0) {
            std::string_view eol = Eol(); // before the new header changes nothing
            s = AppendSection(section);
            int index = NewLine(std::move(line), eol, m_tail, s);
            m_secs[s].lastNonBlank = index;
            m_secs[s].keys[Fold(key)].push_back(index);
            return true;
        }
        Index(s);
        Sec& sec = m_secs[s];
        auto it = sec.keys.find(Fold(key));
        if (it != sec.keys.end() && !it->second.empty())
            return Replace(m_lines[it->second.front()], value);
        std::string_view eol = Eol();
        int after = sec.lastNonBlank >= 0 ? sec.lastNonBlank : sec.header;
        EndLine(after, eol);
        int index = NewLine(std::move(line), eol, after, s);
        m_secs[s].lastNonBlank = index;
        m_secs[s].keys[Fold(key)].push_back(index);
        return true;
    }

    // The value runs from its first non-blank character to the end of the line; an empty value is
    // appended where the line ends.
    static bool Replace(Line& line, std::string_view value)
    {
        std::string_view t = line.Text();
        size_t eq = t.find('=');
        size_t from = eq + 1;
        size_t end = t.size();
        while (end > from && IsBlank(t[end - 1]))
            --end;
        while (from < end && IsBlank(t[from]))
            ++from;
        if (from == end)
            from = t.size();
        if (t.substr(from) == value)
            return false;
        std::string content = std::string(t.substr(0, from)) + std::string(value);
        line.Set(std::move(content));
        return true;
    }

    bool RemoveKey(std::string_view section, std::string_view key)
    {
        int s = First(section);
        if (s < 0)
            return false;
        Index(s);
        Sec& sec = m_secs[s];
        auto it = sec.keys.find(Fold(key));
        if (it == sec.keys.end() || it->second.empty())
            return false;
        for (int index : it->second) {
            int before = m_lines[index].prev;
            Unlink(index);
            if (sec.lastNonBlank == index) {
                while (before >= 0 && before != sec.header && m_lines[before].blank)
                    before = m_lines[before].prev;
                sec.lastNonBlank = before == sec.header ? -1 : before;
            }
        }
        sec.keys.erase(it);
        return true;
    }

    bool RemoveSection(std::string_view section)
    {
        auto it = m_byName.find(Fold(section));
        if (it == m_byName.end() || it->second.empty())
            return false;
        for (int s : it->second) {
            int i = m_secs[s].header;
            while (i >= 0 && m_lines[i].section == s) {
                int next = m_lines[i].next;
                Unlink(i);
                i = next;
            }
            m_secs[s].live = false;
        }
        it->second.clear();
        return true;
    }

    std::vector<Line> m_lines;
    std::vector<Sec> m_secs;
    std::unordered_map<std::string, std::vector<int>> m_byName; // live sections in file order
    int m_head = -1, m_tail = -1;
    size_t m_size = 0;
};

bool NeedsReferencePath(const std::string& text)
{
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return true;
    for (size_t pos = text.find('\r'); pos != std::string::npos; pos = text.find('\r', pos + 1))
        if (pos + 1 >= text.size() || text[pos + 1] != '\n')
            return true;
    return false;
}

std::optional<std::string> ApplyOne(const Document& doc, const BatchEdit& edit)
{
    switch (edit.kind) {
    case BatchEdit::Set:
        return SetValue(doc, edit.section, edit.key, edit.value);
    case BatchEdit::RemoveKey:
        return DeleteKey(doc, edit.section, edit.key);
    case BatchEdit::RemoveSection:
        return DeleteSection(doc, edit.section);
    case BatchEdit::EnsureSection:
        return AddSection(doc, edit.section);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ApplySequentially(const Document& doc, const std::vector<BatchEdit>& edits)
{
    std::optional<Document> current;
    const Document* d = &doc;
    bool changed = false;
    for (const BatchEdit& edit : edits) {
        std::optional<std::string> text = ApplyOne(*d, edit);
        if (!text)
            continue;
        current.emplace(std::move(*text));
        d = &*current;
        changed = true;
    }
    if (!changed)
        return std::nullopt;
    return d->Text();
}

std::optional<std::string> ApplyBatch(const Document& doc, const std::vector<BatchEdit>& edits)
{
    if (NeedsReferencePath(doc.Text()))
        return ApplySequentially(doc, edits);
    LineDoc lines(doc.Text());
    bool changed = false;
    for (const BatchEdit& edit : edits)
        changed = lines.Apply(edit) || changed;
    if (!changed)
        return std::nullopt;
    return lines.Join();
}

} // namespace miscini
