// The vector preview reader: the first VIEW inside a MARKER, then polygons and rectangles of
// the SVG subset inside it, counted in one pass and built in a second.
#include "misc/data/preview.h"

#include <cstdlib>
#include <cstring>

namespace {

enum class State { Outside, InMarker, InView };

struct Tag {
    bool closing;
    size_t nameStart, nameEnd;
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Tag at text[i] == '<': a "/" right after "<" marks a closing tag; the name runs up to a
// space, ">", NUL, line feed, tab or a later "/", at most 99 characters.
Tag ParseTag(const char* text, size_t len, size_t i)
{
    Tag t{false, i + 1, i + 1};
    size_t j = i + 1;
    if (j < len && text[j] == '/')
        t.closing = true, ++j;
    t.nameStart = j;
    size_t k = j;
    while (k < len && k - j < 99) {
        char c = text[k];
        if (c == ' ' || c == '>' || c == '\0' || c == '\n' || c == '\t' || (c == '/' && k != j))
            break;
        ++k;
    }
    t.nameEnd = k;
    return t;
}

bool NameIs(const char* text, const Tag& t, const char* name)
{
    size_t n = std::strlen(name);
    if (t.nameEnd - t.nameStart != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (Lower(text[t.nameStart + i]) != Lower(name[i]))
            return false;
    return true;
}

// Copies the first closed VIEW section inside a MARKER into `out`; its length, or -1.
long ExtractView(const char* text, size_t len, char* out)
{
    State state = State::Outside;
    size_t copied = 0;
    for (size_t i = 0; i < len; ++i) {
        char c = text[i];
        if (c == '<') {
            Tag t = ParseTag(text, len, i);
            if (state == State::InView) {
                if (t.closing && NameIs(text, t, "VIEW")) {
                    if (copied > 0)
                        return static_cast<long>(copied);
                    state = State::InMarker;
                    i = t.nameEnd - 1;
                    continue;
                }
                if (t.closing && NameIs(text, t, "MARKER")) {
                    state = State::Outside;
                    i = t.nameEnd - 1;
                    continue;
                }
            } else if (state == State::Outside) {
                if (!t.closing && NameIs(text, t, "MARKER"))
                    state = State::InMarker;
                i = t.nameEnd - 1;
                continue;
            } else {
                if (t.closing && NameIs(text, t, "MARKER")) {
                    state = State::Outside;
                } else if (!t.closing && NameIs(text, t, "VIEW")) {
                    state = State::InView;
                    size_t gt = t.nameEnd;
                    while (gt < len && text[gt] != '>')
                        ++gt;
                    i = gt;
                    continue;
                }
                i = t.nameEnd - 1;
                continue;
            }
        }
        if (state != State::InView)
            continue;
        if (copied == VECTOR_PREVIEW_VIEW_MAX)
            return -1;
        out[copied++] = c;
    }
    return -1;
}

// The copied section with the parsing helpers of the SVG subset.
class Section {
public:
    Section(const char* s, size_t n) : m_s(s), m_n(n) {}

    // The first n characters at p equal the keyword, both lower-cased (a prefix test).
    bool Keyword(size_t p, const char* word) const
    {
        for (; *word; ++word, ++p)
            if (p >= m_n || Lower(m_s[p]) != Lower(*word))
                return false;
        return true;
    }

    size_t TagEnd(size_t from) const
    {
        while (from < m_n && m_s[from] != '>')
            ++from;
        return from;
    }

    // Calls f(p) for the start of every attribute of the tag whose name starts at `tag`, up to
    // `end`; f returns true to stop.
    template <class F>
    void ForEachAttribute(size_t tag, size_t end, F f) const
    {
        size_t p = tag;
        while (p < end && !IsSpace(m_s[p]))
            ++p;
        bool quoted = false;
        bool atStart = false;
        for (; p < end; ++p) {
            char c = m_s[p];
            if (quoted) {
                if (c == '"')
                    quoted = false, atStart = true;
                continue;
            }
            if (c == '"') {
                quoted = true;
                atStart = false;
            } else if (IsSpace(c)) {
                atStart = true;
            } else if (atStart) {
                atStart = false;
                if (c != '/' && f(p))
                    return;
            }
        }
    }

    // A decimal number after any "=", double quote and space characters.
    bool Number(size_t& p, LONG* value) const
    {
        while (p < m_n && (m_s[p] == '=' || m_s[p] == '"' || m_s[p] == ' '))
            ++p;
        if (p >= m_n || !IsDigit(m_s[p]))
            return false;
        DWORD v = 0;
        while (p < m_n && IsDigit(m_s[p]))
            v = v * 10 + static_cast<DWORD>(m_s[p++] - '0');
        *value = static_cast<LONG>(v);
        return true;
    }

    // The next number of a list separated by spaces or commas.
    bool ListNumber(size_t& p, LONG* value) const
    {
        while (p < m_n && (m_s[p] == ' ' || m_s[p] == ','))
            ++p;
        if (p >= m_n || !IsDigit(m_s[p]))
            return false;
        return Number(p, value);
    }

    // "#" and 1 to 8 hexadecimal digits after any "=", double quote and space characters.
    bool Colour(size_t p, DWORD* value) const
    {
        while (p < m_n && (m_s[p] == '=' || m_s[p] == '"' || m_s[p] == ' '))
            ++p;
        if (p >= m_n || m_s[p] != '#')
            return false;
        ++p;
        DWORD v = 0;
        int digits = 0;
        while (p < m_n && digits < 8 && HexValue(m_s[p]) >= 0)
            v = (v << 4) | static_cast<DWORD>(HexValue(m_s[p++])), ++digits;
        if (digits == 0)
            return false;
        *value = v;
        return true;
    }

    // Position just after the keyword of the first attribute that begins with it, or npos.
    size_t Attribute(size_t tag, size_t end, const char* word) const
    {
        size_t found = npos;
        ForEachAttribute(tag, end, [&](size_t p) {
            if (!Keyword(p, word))
                return false;
            found = p + std::strlen(word);
            return true;
        });
        return found;
    }

    const char* m_s;
    size_t m_n;
    static constexpr size_t npos = static_cast<size_t>(-1);

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c)
    {
        if (IsDigit(c))
            return c - '0';
        c = Lower(c);
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    }
};

// Reads point pairs from the "points" value at p; calls f(x, y) for each complete pair until f
// returns false. Answers the number of pairs delivered.
template <class F>
LONG ForEachPair(const Section& s, size_t p, F f)
{
    LONG pairs = 0;
    while (p < s.m_n && (s.m_s[p] == '=' || s.m_s[p] == '"' || s.m_s[p] == ' '))
        ++p;
    for (;;) {
        LONG x, y;
        if (!s.ListNumber(p, &x) || !s.ListNumber(p, &y))
            break;
        ++pairs;
        if (!f(x, y))
            break;
    }
    return pairs;
}

bool HasRectAttributes(const Section& s, size_t tag, size_t end)
{
    return s.Attribute(tag, end, "x") != Section::npos && s.Attribute(tag, end, "y") != Section::npos &&
           s.Attribute(tag, end, "width") != Section::npos && s.Attribute(tag, end, "height") != Section::npos;
}

bool ViewBox(const Section& s, size_t tag, size_t end, LONG box[4])
{
    size_t p = s.Attribute(tag, end, "viewbox");
    if (p == Section::npos || !s.Number(p, &box[0]))
        return false;
    for (int i = 1; i < 4; ++i)
        if (!s.ListNumber(p, &box[i]))
            return false;
    return true;
}

struct Counts {
    LONG polygons = 0;
    LONG points = 0;
    bool haveView = false;
    LONG box[4] = {};
};

Counts Count(const Section& s)
{
    Counts c;
    for (size_t i = 0; i + 1 < s.m_n; ++i) {
        if (s.m_s[i] != '<' || s.m_s[i + 1] == '/')
            continue;
        size_t tag = i + 1, end = s.TagEnd(tag);
        if (s.Keyword(tag, "polygon")) {
            size_t p = s.Attribute(tag, end, "points");
            LONG pairs = p == Section::npos ? 0 : ForEachPair(s, p, [](LONG, LONG) { return true; });
            if (pairs > 0)
                c.polygons++, c.points += pairs;
        } else if (s.Keyword(tag, "rect")) {
            if (HasRectAttributes(s, tag, end))
                c.polygons++, c.points += 4;
        } else if (s.Keyword(tag, "svg") && !c.haveView) {
            c.haveView = ViewBox(s, tag, end, c.box);
        }
    }
    return c;
}

struct Builder {
    sVectorPreview* out;
    LONG polygons = 0;
    LONG points = 0;

    sVectorPolygon* NewPolygon(DWORD color)
    {
        if (polygons >= out->polygonCount)
            return nullptr;
        sVectorPolygon* poly = &out->polygons[polygons++];
        poly->color = color;
        poly->count = 0;
        poly->points = &out->points[points];
        return poly;
    }

    void AddPoint(sVectorPolygon* poly, LONG x, LONG y)
    {
        out->points[points].x = x;
        out->points[points].y = y;
        ++points;
        ++poly->count;
    }
};

DWORD FirstColour(const Section& s, size_t tag, size_t end)
{
    DWORD color = 0;
    s.ForEachAttribute(tag, end, [&](size_t p) {
        return s.Keyword(p, "fill") && s.Colour(p + 4, &color);
    });
    return color;
}

void BuildPolygon(const Section& s, size_t tag, size_t end, Builder& b)
{
    size_t p = s.Attribute(tag, end, "points");
    if (p == Section::npos)
        return;
    DWORD color = FirstColour(s, tag, end);
    sVectorPolygon* poly = nullptr;
    ForEachPair(s, p, [&](LONG x, LONG y) {
        if (b.points >= b.out->pointCount)
            return false;
        if (!poly && !(poly = b.NewPolygon(color)))
            return false;
        b.AddPoint(poly, x, y);
        return true;
    });
}

void BuildRect(const Section& s, size_t tag, size_t end, Builder& b)
{
    if (b.out->pointCount - b.points < 4)
        return;
    static const char* const kNames[4] = {"width", "height", "x", "y"};
    LONG v[4];
    bool have[4] = {false, false, false, false};
    s.ForEachAttribute(tag, end, [&](size_t p) {
        for (int k = 0; k < 4; ++k) {
            if (!s.Keyword(p, kNames[k]))
                continue;
            size_t q = p + std::strlen(kNames[k]);
            if (!have[k])
                have[k] = s.Number(q, &v[k]);
            break;
        }
        return false;
    });
    if (!(have[0] && have[1] && have[2] && have[3]))
        return;
    sVectorPolygon* poly = b.NewPolygon(FirstColour(s, tag, end));
    if (!poly)
        return;
    LONG x = v[2], y = v[3], w = v[0], h = v[1];
    b.AddPoint(poly, x, y);
    b.AddPoint(poly, x + w, y);
    b.AddPoint(poly, x + w, y + h);
    b.AddPoint(poly, x, y + h);
}

} // namespace

DWORD VectorPreviewSize(const sVectorPreview* p)
{
    if (!p)
        return 0;
    return static_cast<DWORD>(sizeof(sVectorPreview) + sizeof(sVectorPolygon) * p->polygonCount +
                              sizeof(POINT) * p->pointCount);
}

sVectorPreview* ReadVectorPreview(const char* text, long length)
{
    if (!text || length <= 0)
        return nullptr;
    char* view = static_cast<char*>(std::malloc(VECTOR_PREVIEW_VIEW_MAX));
    if (!view)
        return nullptr;
    long n = ExtractView(text, static_cast<size_t>(length), view);
    sVectorPreview* out = nullptr;
    if (n > 0) {
        Section s(view, static_cast<size_t>(n));
        Counts c = Count(s);
        if (c.haveView && c.polygons > 0 && c.points >= 3) {
            size_t size = sizeof(sVectorPreview) + sizeof(sVectorPolygon) * c.polygons + sizeof(POINT) * c.points;
            out = static_cast<sVectorPreview*>(std::calloc(1, size));
            if (out) {
                out->x = c.box[0], out->y = c.box[1], out->width = c.box[2], out->height = c.box[3];
                out->polygonCount = c.polygons;
                out->pointCount = c.points;
                out->polygons = reinterpret_cast<sVectorPolygon*>(out + 1);
                out->points = reinterpret_cast<POINT*>(out->polygons + c.polygons);
                Builder b{out};
                for (size_t i = 0; i + 1 < s.m_n; ++i) {
                    if (s.m_s[i] != '<' || s.m_s[i + 1] == '/')
                        continue;
                    size_t tag = i + 1, end = s.TagEnd(tag);
                    if (s.Keyword(tag, "polygon"))
                        BuildPolygon(s, tag, end, b);
                    else if (s.Keyword(tag, "rect"))
                        BuildRect(s, tag, end, b);
                }
                if (b.polygons != c.polygons || b.points != c.points) {
                    std::free(out);
                    out = nullptr;
                }
            }
        }
    }
    std::free(view);
    return out;
}
