#include "json.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace misctool::json {

// --- Value -----------------------------------------------------------------------------------

Value Value::Boolean(bool b)
{
    Value v;
    v.m_kind = Kind::Bool;
    v.m_bool = b;
    return v;
}

Value Value::Integer(int64_t n)
{
    Value v;
    v.m_kind = Kind::Number;
    v.m_isInteger = true;
    v.m_integer = n;
    return v;
}

Value Value::Real(double d)
{
    Value v;
    v.m_kind = Kind::Number;
    v.m_real = d;
    return v;
}

Value Value::Text(std::string utf8)
{
    Value v;
    v.m_kind = Kind::String;
    v.m_string = std::move(utf8);
    return v;
}

Value Value::MakeArray()
{
    Value v;
    v.m_kind = Kind::Array;
    return v;
}

Value Value::MakeObject()
{
    Value v;
    v.m_kind = Kind::Object;
    return v;
}

bool Value::AsInteger(int64_t lo, int64_t hi, int64_t* out) const
{
    if (m_kind != Kind::Number)
        return false;
    int64_t n;
    if (m_isInteger) {
        n = m_integer;
    } else {
        if (!std::isfinite(m_real) || std::floor(m_real) != m_real || std::fabs(m_real) > 9.0e18)
            return false;
        n = static_cast<int64_t>(m_real);
    }
    if (n < lo || n > hi)
        return false;
    *out = n;
    return true;
}

Value& Value::Push(Value v)
{
    m_items.push_back(std::move(v));
    return m_items.back();
}

const Value* Value::Find(std::string_view key) const
{
    for (auto& m : m_members)
        if (m.first == key)
            return &m.second;
    return nullptr;
}

Value& Value::Set(std::string key, Value v)
{
    for (auto& m : m_members)
        if (m.first == key) {
            m.second = std::move(v);
            return m.second;
        }
    m_members.emplace_back(std::move(key), std::move(v));
    return m_members.back().second;
}

// --- UTF-8 -----------------------------------------------------------------------------------

namespace {

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at s[i]; false for invalid UTF-8 (overlong, surrogate, out of range).
bool NextUtf8(std::string_view s, size_t& i, uint32_t* cp)
{
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra;
    uint32_t v, min;
    if (c < 0x80)
        return *cp = c, ++i, true;
    if ((c & 0xE0) == 0xC0)
        extra = 1, v = c & 0x1F, min = 0x80;
    else if ((c & 0xF0) == 0xE0)
        extra = 2, v = c & 0x0F, min = 0x800;
    else if ((c & 0xF8) == 0xF0)
        extra = 3, v = c & 0x07, min = 0x10000;
    else
        return false;
    if (i + extra >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80)
            return false;
        v = (v << 6) | (d & 0x3F);
    }
    if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
        return false;
    i += extra + 1;
    *cp = v;
    return true;
}

} // namespace

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

bool Utf8ToLatin1(std::string_view utf8, std::string* bytes)
{
    bytes->clear();
    bytes->reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp;
        if (!NextUtf8(utf8, i, &cp) || cp > 0xFF)
            return false;
        *bytes += static_cast<char>(cp);
    }
    return true;
}

// --- Parser ----------------------------------------------------------------------------------

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : m_s(text) {}

    bool Document(Value* out, std::string* error)
    {
        SkipSpace();
        bool ok = ParseValue(out, 0);
        if (ok) {
            SkipSpace();
            if (m_i != m_s.size())
                ok = Fail("unexpected text after the value");
        }
        if (!ok && error)
            *error = Where() + ": " + m_error;
        return ok;
    }

private:
    bool Fail(const char* what)
    {
        if (m_error.empty())
            m_error = what;
        return false;
    }

    std::string Where() const
    {
        size_t line = 1, col = 1;
        for (size_t k = 0; k < m_i && k < m_s.size(); ++k) {
            if (m_s[k] == '\n')
                ++line, col = 1;
            else
                ++col;
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(col);
    }

    void SkipSpace()
    {
        while (m_i < m_s.size() && (m_s[m_i] == ' ' || m_s[m_i] == '\t' || m_s[m_i] == '\n' || m_s[m_i] == '\r'))
            ++m_i;
    }

    bool Literal(const char* word)
    {
        size_t n = std::strlen(word);
        if (m_s.substr(m_i, n) != word)
            return Fail("invalid literal");
        m_i += n;
        return true;
    }

    bool ParseValue(Value* out, int depth)
    {
        if (depth > kMaxDepth)
            return Fail("nesting too deep");
        if (m_i >= m_s.size())
            return Fail("unexpected end of text");
        char c = m_s[m_i];
        switch (c) {
        case '{':
            return ParseObject(out, depth);
        case '[':
            return ParseArray(out, depth);
        case '"': {
            std::string s;
            if (!ParseString(&s))
                return false;
            *out = Value::Text(std::move(s));
            return true;
        }
        case 't':
            *out = Value::Boolean(true);
            return Literal("true");
        case 'f':
            *out = Value::Boolean(false);
            return Literal("false");
        case 'n':
            *out = Value();
            return Literal("null");
        default:
            return ParseNumber(out);
        }
    }

    bool ParseObject(Value* out, int depth)
    {
        *out = Value::MakeObject();
        ++m_i;
        SkipSpace();
        if (m_i < m_s.size() && m_s[m_i] == '}')
            return ++m_i, true;
        for (;;) {
            SkipSpace();
            if (m_i >= m_s.size() || m_s[m_i] != '"')
                return Fail("expected a member name");
            std::string key;
            if (!ParseString(&key))
                return false;
            SkipSpace();
            if (m_i >= m_s.size() || m_s[m_i] != ':')
                return Fail("expected ':'");
            ++m_i;
            SkipSpace();
            Value v;
            if (!ParseValue(&v, depth + 1))
                return false;
            out->Set(std::move(key), std::move(v));
            SkipSpace();
            if (m_i < m_s.size() && m_s[m_i] == ',') {
                ++m_i;
                continue;
            }
            if (m_i < m_s.size() && m_s[m_i] == '}')
                return ++m_i, true;
            return Fail("expected ',' or '}'");
        }
    }

    bool ParseArray(Value* out, int depth)
    {
        *out = Value::MakeArray();
        ++m_i;
        SkipSpace();
        if (m_i < m_s.size() && m_s[m_i] == ']')
            return ++m_i, true;
        for (;;) {
            SkipSpace();
            Value v;
            if (!ParseValue(&v, depth + 1))
                return false;
            out->Push(std::move(v));
            SkipSpace();
            if (m_i < m_s.size() && m_s[m_i] == ',') {
                ++m_i;
                continue;
            }
            if (m_i < m_s.size() && m_s[m_i] == ']')
                return ++m_i, true;
            return Fail("expected ',' or ']'");
        }
    }

    bool Hex4(uint32_t* v)
    {
        if (m_i + 4 > m_s.size())
            return Fail("short \\u escape");
        *v = 0;
        for (int k = 0; k < 4; ++k) {
            char c = m_s[m_i++];
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0)
                return Fail("invalid \\u escape");
            *v = (*v << 4) | static_cast<uint32_t>(d);
        }
        return true;
    }

    bool ParseString(std::string* out)
    {
        ++m_i;
        for (;;) {
            if (m_i >= m_s.size())
                return Fail("unterminated string");
            unsigned char c = static_cast<unsigned char>(m_s[m_i]);
            if (c == '"')
                return ++m_i, true;
            if (c < 0x20)
                return Fail("control character in string");
            if (c != '\\') {
                uint32_t cp;
                size_t at = m_i;
                if (!NextUtf8(m_s, m_i, &cp))
                    return Fail("invalid UTF-8");
                out->append(m_s.substr(at, m_i - at));
                continue;
            }
            if (++m_i >= m_s.size())
                return Fail("unterminated escape");
            char e = m_s[m_i++];
            switch (e) {
            case '"': *out += '"'; break;
            case '\\': *out += '\\'; break;
            case '/': *out += '/'; break;
            case 'b': *out += '\b'; break;
            case 'f': *out += '\f'; break;
            case 'n': *out += '\n'; break;
            case 'r': *out += '\r'; break;
            case 't': *out += '\t'; break;
            case 'u': {
                uint32_t cp;
                if (!Hex4(&cp))
                    return false;
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    uint32_t low;
                    if (m_s.substr(m_i, 2) != "\\u")
                        return Fail("lone surrogate");
                    m_i += 2;
                    if (!Hex4(&low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return Fail("lone surrogate");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return Fail("lone surrogate");
                }
                AppendUtf8(*out, cp);
                break;
            }
            default:
                return Fail("invalid escape");
            }
        }
    }

    bool ParseNumber(Value* out)
    {
        size_t start = m_i;
        if (m_i < m_s.size() && m_s[m_i] == '-')
            ++m_i;
        if (m_i >= m_s.size() || !std::isdigit(static_cast<unsigned char>(m_s[m_i])))
            return Fail("invalid value");
        if (m_s[m_i] == '0')
            ++m_i;
        else
            while (m_i < m_s.size() && std::isdigit(static_cast<unsigned char>(m_s[m_i])))
                ++m_i;
        bool integer = true;
        if (m_i < m_s.size() && m_s[m_i] == '.') {
            integer = false;
            ++m_i;
            if (m_i >= m_s.size() || !std::isdigit(static_cast<unsigned char>(m_s[m_i])))
                return Fail("invalid number");
            while (m_i < m_s.size() && std::isdigit(static_cast<unsigned char>(m_s[m_i])))
                ++m_i;
        }
        if (m_i < m_s.size() && (m_s[m_i] == 'e' || m_s[m_i] == 'E')) {
            integer = false;
            ++m_i;
            if (m_i < m_s.size() && (m_s[m_i] == '+' || m_s[m_i] == '-'))
                ++m_i;
            if (m_i >= m_s.size() || !std::isdigit(static_cast<unsigned char>(m_s[m_i])))
                return Fail("invalid number");
            while (m_i < m_s.size() && std::isdigit(static_cast<unsigned char>(m_s[m_i])))
                ++m_i;
        }
        std::string lexeme(m_s.substr(start, m_i - start));
        if (integer) {
            errno = 0;
            char* end = nullptr;
            long long n = std::strtoll(lexeme.c_str(), &end, 10);
            if (errno == 0) {
                *out = Value::Integer(n);
                return true;
            }
        }
        *out = Value::Real(std::strtod(lexeme.c_str(), nullptr));
        return true;
    }

    std::string_view m_s;
    size_t m_i = 0;
    std::string m_error;
};

// --- Writer ----------------------------------------------------------------------------------

void WriteString(std::string& out, const std::string& s)
{
    out += '"';
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        uint32_t cp;
        if (c < 0x80) {
            cp = c, ++i;
        } else if (!NextUtf8(s, i, &cp)) {
            cp = 0xFFFD, ++i;  // not UTF-8: shown as the replacement character
        }
        char buf[16];
        switch (cp) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (cp >= 0x10000) {
                uint32_t v = cp - 0x10000;
                std::snprintf(buf, sizeof buf, "\\u%04x\\u%04x", 0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF));
            } else {
                std::snprintf(buf, sizeof buf, "\\u%04x", cp);
            }
            out += buf;
        }
    }
    out += '"';
}

bool IsScalar(const Value& v) { return !v.IsArray() && !v.IsObject(); }

bool AllScalars(const Value& v)
{
    for (auto& item : v.Items())
        if (!IsScalar(item))
            return false;
    return true;
}

void WriteValue(std::string& out, const Value& v, int level)
{
    std::string pad(static_cast<size_t>(level + 1) * 2, ' ');
    switch (v.kind()) {
    case Value::Kind::Null:
        out += "null";
        break;
    case Value::Kind::Bool:
        out += v.AsBool() ? "true" : "false";
        break;
    case Value::Kind::Number: {
        int64_t n;
        if (v.AsInteger(INT64_MIN, INT64_MAX, &n)) {
            out += std::to_string(n);
        } else {
            char buf[40];
            std::snprintf(buf, sizeof buf, "%.17g", v.AsReal());
            out += buf;
        }
        break;
    }
    case Value::Kind::String:
        WriteString(out, v.AsString());
        break;
    case Value::Kind::Array: {
        bool flat = true;
        for (auto& item : v.Items())
            flat = flat && (IsScalar(item) || (item.IsArray() && item.Items().size() <= 4 && AllScalars(item)));
        out += '[';
        for (size_t k = 0; k < v.Items().size(); ++k) {
            if (k)
                out += flat ? ", " : ",";
            if (!flat)
                out += "\n" + pad;
            WriteValue(out, v.Items()[k], level + 1);
        }
        if (!flat && !v.Items().empty())
            out += "\n" + pad.substr(2);
        out += ']';
        break;
    }
    case Value::Kind::Object: {
        out += '{';
        for (size_t k = 0; k < v.Members().size(); ++k) {
            out += k ? ",\n" : "\n";
            out += pad;
            WriteString(out, v.Members()[k].first);
            out += ": ";
            WriteValue(out, v.Members()[k].second, level + 1);
        }
        if (!v.Members().empty())
            out += "\n" + pad.substr(2);
        out += '}';
        break;
    }
    }
}

} // namespace

bool Parse(std::string_view text, Value* out, std::string* error)
{
    Parser p(text);
    return p.Document(out, error);
}

std::string Write(const Value& v)
{
    std::string out;
    WriteValue(out, v, 0);
    out += '\n';
    return out;
}

} // namespace misctool::json
