#pragma once
// A small JSON reader and writer for misctool's commands.
//
// Value is a plain tree: null, boolean, number (kept exactly as a 64-bit integer when written
// without fraction or exponent), string (UTF-8), array, object (members in order). Parse refuses
// anything that is not JSON (RFC 8259), nesting deeper than kMaxDepth, and invalid UTF-8 or
// surrogates. Write produces ASCII only: everything outside printable ASCII is escaped.
//
// Strings that carry file bytes use the latin-1 mapping (byte n is code point n), which is
// lossless: Latin1ToUtf8 and Utf8ToLatin1 convert.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace misctool::json {

class Value {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Value() = default;
    static Value Boolean(bool b);
    static Value Integer(int64_t n);
    static Value Real(double d);
    static Value Text(std::string utf8);
    static Value MakeArray();
    static Value MakeObject();

    Kind kind() const { return m_kind; }
    bool IsNull() const { return m_kind == Kind::Null; }
    bool IsNumber() const { return m_kind == Kind::Number; }
    bool IsString() const { return m_kind == Kind::String; }
    bool IsArray() const { return m_kind == Kind::Array; }
    bool IsObject() const { return m_kind == Kind::Object; }

    bool AsBool() const { return m_bool; }
    // A number that is an exact integer in [lo, hi]: true and the value.
    bool AsInteger(int64_t lo, int64_t hi, int64_t* out) const;
    double AsReal() const { return m_isInteger ? static_cast<double>(m_integer) : m_real; }
    const std::string& AsString() const { return m_string; }

    // Arrays.
    const std::vector<Value>& Items() const { return m_items; }
    Value& Push(Value v);
    // Objects.
    const std::vector<std::pair<std::string, Value>>& Members() const { return m_members; }
    const Value* Find(std::string_view key) const;
    Value& Set(std::string key, Value v);

private:
    Kind m_kind = Kind::Null;
    bool m_bool = false;
    bool m_isInteger = false;
    int64_t m_integer = 0;
    double m_real = 0;
    std::string m_string;
    std::vector<Value> m_items;
    std::vector<std::pair<std::string, Value>> m_members;
};

constexpr int kMaxDepth = 1000;

// Parses a whole text; on failure answers false with "line L, column C: what" in *error.
bool Parse(std::string_view text, Value* out, std::string* error);
// Arrays and objects on several lines (two spaces per level), arrays of scalars on one line.
std::string Write(const Value& v);

std::string Latin1ToUtf8(std::string_view bytes);
// False when a code point is above 255 (or the text is not UTF-8).
bool Utf8ToLatin1(std::string_view utf8, std::string* bytes);

} // namespace misctool::json
