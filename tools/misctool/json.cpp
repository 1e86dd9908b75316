#include "json.h"

#include <cmath>
#include <exception>
#include <fstream>
#include <sstream>

namespace misctool::json {

namespace {

// Thrown by the parse callback when a document nests too deeply.
struct TooDeep {};

bool IsScalar(const Value& v) { return !v.is_array() && !v.is_object(); }

bool AllScalars(const Value& v)
{
    for (const Value& item : v)
        if (!IsScalar(item))
            return false;
    return true;
}

void WriteValue(std::string& out, const Value& v, int level)
{
    const std::string pad(static_cast<size_t>(level + 1) * 2, ' ');
    if (v.is_array()) {
        bool flat = true;
        for (const Value& item : v)
            flat = flat && (IsScalar(item) || (item.is_array() && item.size() <= 4 && AllScalars(item)));
        out += '[';
        for (size_t k = 0; k < v.size(); ++k) {
            if (k)
                out += flat ? ", " : ",";
            if (!flat)
                out += "\n" + pad;
            WriteValue(out, v[k], level + 1);
        }
        if (!flat && !v.empty())
            out += "\n" + pad.substr(2);
        out += ']';
    } else if (v.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& member : v.items()) {
            out += first ? "\n" : ",\n";
            first = false;
            out += pad;
            out += Value(member.key()).dump(-1, ' ', true, Value::error_handler_t::replace);
            out += ": ";
            WriteValue(out, member.value(), level + 1);
        }
        if (!v.empty())
            out += "\n" + pad.substr(2);
        out += '}';
    } else {
        // Scalars as the library writes them: ASCII, bytes that are not UTF-8 replaced.
        out += v.dump(-1, ' ', true, Value::error_handler_t::replace);
    }
}

} // namespace

bool Parse(std::string_view text, Value* out, std::string* error)
{
    auto limit = [](int depth, Value::parse_event_t, Value&) {
        if (depth >= kMaxDepth)  // depth counts from 0: at most kMaxDepth levels
            throw TooDeep{};
        return true;
    };
    try {
        *out = Value::parse(text.begin(), text.end(), limit);
        return true;
    } catch (const Value::parse_error& e) {
        // "[json.exception.parse_error.101] parse error at line 1, column 6: ..." without its tag.
        std::string what = e.what();
        size_t at = what.find(" at line ");
        *error = at == std::string::npos ? what : what.substr(at + 4);
        for (char& c : *error)  // the token quoted may hold any byte: keep the line printable
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
                c = '?';
    } catch (const TooDeep&) {
        *error = "nesting deeper than " + std::to_string(kMaxDepth) + " levels";
    } catch (const std::exception& e) {
        *error = e.what();
    }
    *out = Value();
    return false;
}

bool ParseFile(const std::string& path, Value* out, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (Parse(text.str(), out, error))
        return true;
    *error = path + ": " + *error;
    return false;
}

std::string Write(const Value& v)
{
    std::string out;
    WriteValue(out, v, 0);
    out += '\n';
    return out;
}

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool Utf8ToLatin1(std::string_view utf8, std::string* bytes)
{
    bytes->clear();
    bytes->reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            *bytes += static_cast<char>(c);
            continue;
        }
        // Code points 128 to 255 are the two-byte forms led by C2 and C3; all else is refused.
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= utf8.size())
            return false;
        unsigned char next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80)
            return false;
        *bytes += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
    }
    return true;
}

const Value* Find(const Value& obj, std::string_view key)
{
    if (!obj.is_object())
        return nullptr;
    auto it = obj.find(std::string(key));
    return it == obj.end() ? nullptr : &*it;
}

bool AsInteger(const Value& v, int64_t lo, int64_t hi, int64_t* out)
{
    int64_t n;
    if (v.is_number_unsigned()) {
        uint64_t u = v.get<uint64_t>();
        if (u > static_cast<uint64_t>(INT64_MAX))
            return false;
        n = static_cast<int64_t>(u);
    } else if (v.is_number_integer()) {
        n = v.get<int64_t>();
    } else if (v.is_number_float()) {
        double d = v.get<double>();
        if (!std::isfinite(d) || std::floor(d) != d || std::fabs(d) > 9.0e18)
            return false;
        n = static_cast<int64_t>(d);
    } else {
        return false;
    }
    if (n < lo || n > hi)
        return false;
    *out = n;
    return true;
}

Value& Set(Value& obj, const char* key, Value v)
{
    Value& slot = obj[key];
    slot = std::move(v);
    return slot;
}

Value& Push(Value& array, Value v)
{
    array.push_back(std::move(v));
    return array.back();
}

} // namespace misctool::json
