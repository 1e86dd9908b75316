#pragma once
// misctool's JSON documents are nlohmann::ordered_json values (members keep their order). What is
// misctool's own is the mapping around them:
// - file bytes travel in strings through the latin-1 mapping (byte n is code point n), which is
//   lossless: Latin1ToUtf8 and Utf8ToLatin1 convert;
// - parse errors as one line, "line L, column C: what", and a limit on nesting;
// - the layout of written documents (ASCII only, several lines, short arrays on one line);
// - small accessors that answer null or false instead of throwing.
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace misctool::json {

using Value = nlohmann::ordered_json;

constexpr int kMaxDepth = 1000;

// Parses a whole text; on failure answers false with "line L, column C: what" in *error.
bool Parse(std::string_view text, Value* out, std::string* error);
// Reads and parses a whole file; on failure answers false with "cannot open PATH" or
// "PATH: line L, column C: what" in *error.
bool ParseFile(const std::string& path, Value* out, std::string* error);
// Objects and arrays on several lines (two spaces per level); arrays of scalars, and arrays of
// short arrays of scalars, on one line. Everything outside printable ASCII is escaped.
std::string Write(const Value& v);

std::string Latin1ToUtf8(std::string_view bytes);
// False when a code point is above 255 (or the text is not UTF-8).
bool Utf8ToLatin1(std::string_view utf8, std::string* bytes);

// The member `key` of an object, or null (also when `obj` is no object).
const Value* Find(const Value& obj, std::string_view key);
// A number that is an exact integer in [lo, hi]: true and the value.
bool AsInteger(const Value& v, int64_t lo, int64_t hi, int64_t* out);
// Sets a member of an object (appended when new) / appends to an array; answers the stored value.
Value& Set(Value& obj, const char* key, Value v);
Value& Push(Value& array, Value v);

} // namespace misctool::json
