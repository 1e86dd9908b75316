#pragma once
// Tokens of resource scripts and headers: names, numbers, quoted strings and punctuation, each
// with the file and line it came from.
#include <cstdint>
#include <string>
#include <vector>

namespace misc_rc {

enum class TokenKind { Name, Number, String, Punct, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;   // a name, the decoded contents of a string, or the punctuation
    uint32_t value = 0; // the value of a number
    int file = 0;       // index into the compiler's list of files read
    int line = 0;
};

// Splits one line of source into tokens. `inComment` carries an open /* comment from line to
// line. On a malformed token (an unterminated string, a bad number) returns false with a message
// in `error`; tokens before it are kept.
bool TokenizeLine(const std::string& line, int file, int lineNo, bool& inComment,
                  std::vector<Token>& out, std::string& error);

// Decodes the body of a quoted string as resource scripts write it: "" is one quote, and the
// escapes \n \t \r \a \b \f \v \\ \" \' \xHH and octal \ooo are understood; an unknown escape
// keeps its backslash.
std::string DecodeStringBody(const std::string& body);

// True when `a` equals the upper-case keyword `keyword` ignoring case.
bool IsKeyword(const Token& t, const char* keyword);

} // namespace misc_rc
