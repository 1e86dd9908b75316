#include "rc_lexer.h"

#include <cctype>
#include <cstring>

namespace misc_rc {

namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a number at line[i]: decimal or 0x hexadecimal, with optional U/L suffixes.
bool ReadNumber(const std::string& line, size_t& i, uint32_t& value, std::string& error)
{
    uint64_t v = 0;
    size_t start = i;
    if (line[i] == '0' && i + 1 < line.size() && (line[i + 1] == 'x' || line[i + 1] == 'X')) {
        i += 2;
        size_t digits = i;
        while (i < line.size() && HexDigit(line[i]) >= 0) {
            v = v * 16 + static_cast<uint64_t>(HexDigit(line[i++]));
            if (v > 0xFFFFFFFFull)
                break;
        }
        if (i == digits) {
            error = "hexadecimal number without digits";
            return false;
        }
    } else {
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
            v = v * 10 + static_cast<uint64_t>(line[i++] - '0');
            if (v > 0xFFFFFFFFull)
                break;
        }
    }
    if (v > 0xFFFFFFFFull) {
        error = "number too large: " + line.substr(start, i - start);
        return false;
    }
    while (i < line.size() && std::strchr("uUlL", line[i]))
        ++i;
    if (i < line.size() && IsNameChar(line[i])) {
        error = "malformed number";
        return false;
    }
    value = static_cast<uint32_t>(v);
    return true;
}

// Reads a quoted string starting at the opening quote line[i]; leaves i after the closing quote.
bool ReadString(const std::string& line, size_t& i, std::string& body)
{
    ++i;
    size_t start = i;
    while (i < line.size()) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            i += 2;
        } else if (c == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                i += 2; // a doubled quote stands for one quote
            } else {
                body = line.substr(start, i - start);
                ++i;
                return true;
            }
        } else {
            ++i;
        }
    }
    return false;
}

const char* const kTwoCharPunct[] = {"&&", "||", "==", "!=", "<=", ">=", "<<", ">>"};
const char kOneCharPunct[] = ",|()+-*/~&{}!^%<>=";

} // namespace

bool TokenizeLine(const std::string& line, int file, int lineNo, bool& inComment,
                  std::vector<Token>& out, std::string& error)
{
    size_t i = 0;
    auto push = [&](TokenKind kind, std::string text, uint32_t value) {
        Token t;
        t.kind = kind;
        t.text = std::move(text);
        t.value = value;
        t.file = file;
        t.line = lineNo;
        out.push_back(std::move(t));
    };
    while (i < line.size()) {
        if (inComment) {
            size_t end = line.find("*/", i);
            if (end == std::string::npos)
                return true;
            i = end + 2;
            inComment = false;
            continue;
        }
        char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
            return true;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
            inComment = true;
            i += 2;
        } else if (c == '"' || ((c == 'L' || c == 'l') && i + 1 < line.size() && line[i + 1] == '"')) {
            if (c != '"')
                ++i;
            std::string body;
            if (!ReadString(line, i, body)) {
                error = "unterminated string";
                return false;
            }
            push(TokenKind::String, DecodeStringBody(body), 0);
        } else if (IsNameStart(c)) {
            size_t start = i;
            while (i < line.size() && IsNameChar(line[i]))
                ++i;
            push(TokenKind::Name, line.substr(start, i - start), 0);
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            uint32_t value = 0;
            size_t start = i;
            if (!ReadNumber(line, i, value, error))
                return false;
            push(TokenKind::Number, line.substr(start, i - start), value);
        } else {
            bool matched = false;
            for (const char* p : kTwoCharPunct) {
                if (line.compare(i, 2, p) == 0) {
                    push(TokenKind::Punct, p, 0);
                    i += 2;
                    matched = true;
                    break;
                }
            }
            if (matched)
                continue;
            if (c != '\0' && std::strchr(kOneCharPunct, c)) {
                push(TokenKind::Punct, std::string(1, c), 0);
                ++i;
                continue;
            }
            error = "unexpected character";
            if (std::isprint(static_cast<unsigned char>(c)))
                error += std::string(" '") + c + "'";
            return false;
        }
    }
    return true;
}

std::string DecodeStringBody(const std::string& body)
{
    std::string out;
    out.reserve(body.size());
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') {
            out += '"';
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 >= body.size()) {
            out += c;
            continue;
        }
        char e = body[++i];
        switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'v': out += '\v'; break;
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case '\'': out += '\''; break;
        case 'x':
        case 'X': {
            int value = 0, digits = 0;
            while (digits < 2 && i + 1 < body.size() && HexDigit(body[i + 1]) >= 0) {
                value = value * 16 + HexDigit(body[++i]);
                ++digits;
            }
            if (digits == 0)
                out += std::string("\\") + e;
            else
                out += static_cast<char>(value);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                int value = e - '0', digits = 1;
                while (digits < 3 && i + 1 < body.size() && body[i + 1] >= '0' && body[i + 1] <= '7') {
                    value = value * 8 + (body[++i] - '0');
                    ++digits;
                }
                out += static_cast<char>(value & 0xFF);
            } else {
                out += '\\';
                out += e;
            }
            break;
        }
    }
    return out;
}

bool IsKeyword(const Token& t, const char* keyword)
{
    if (t.kind != TokenKind::Name || t.text.size() != std::strlen(keyword))
        return false;
    for (size_t i = 0; i < t.text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(t.text[i])) != keyword[i])
            return false;
    return true;
}

} // namespace misc_rc
