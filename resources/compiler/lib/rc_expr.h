#pragma once
// Numeric expressions of resource scripts and of #if lines, and style expressions with NOT.
#include <cstdint>
#include <string>
#include <vector>

#include "rc_lexer.h"
#include "rc_symbols.h"

namespace misc_rc {

// A read position in a token list; reading past the end gives an End token.
class TokenCursor {
public:
    explicit TokenCursor(const std::vector<Token>& tokens, size_t pos = 0) : m_tokens(tokens), m_pos(pos) {}
    const Token& Peek(size_t ahead = 0) const;
    const Token& Next();
    bool AtEnd() const { return m_pos >= m_tokens.size(); }
    bool IsPunct(const char* p, size_t ahead = 0) const;
    // Consumes the punctuation p when it is next.
    bool Accept(const char* p);
    size_t Position() const { return m_pos; }
    // The token read last (an End token before the first read).
    const Token& Last() const { return m_pos > 0 && m_pos <= m_tokens.size() ? m_tokens[m_pos - 1] : m_end; }

private:
    const std::vector<Token>& m_tokens;
    size_t m_pos;
    Token m_end;
};

struct ExprOptions {
    bool unknownIsZero = false; // #if: a name that is not defined counts 0
    bool allowDefined = false;  // #if: defined(NAME) and defined NAME
};

// A C-like expression: numbers, defined names, ( ), unary - ~ !, * / %, + -, << >>,
// comparisons, & ^ |, && ||. Values are 64-bit while computing. Stops at the first token that
// cannot continue the expression.
bool ParseExpression(TokenCursor& in, const Symbols& symbols, const ExprOptions& options,
                     int64_t& value, std::string& error);

// A style: terms joined by |, each term an expression without |, optionally preceded by NOT.
// Starting from `initial`, a plain term sets its bits and a NOT term clears them.
bool ParseStyle(TokenCursor& in, const Symbols& symbols, uint32_t initial, uint32_t& value,
                std::string& error);

} // namespace misc_rc
