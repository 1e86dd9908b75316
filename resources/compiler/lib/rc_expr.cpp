#include "rc_expr.h"

#include <cstring>

namespace misc_rc {

const Token& TokenCursor::Peek(size_t ahead) const
{
    if (m_pos + ahead < m_tokens.size())
        return m_tokens[m_pos + ahead];
    return m_end;
}

const Token& TokenCursor::Next()
{
    if (m_pos < m_tokens.size())
        return m_tokens[m_pos++];
    return m_end;
}

bool TokenCursor::IsPunct(const char* p, size_t ahead) const
{
    const Token& t = Peek(ahead);
    return t.kind == TokenKind::Punct && t.text == p;
}

bool TokenCursor::Accept(const char* p)
{
    if (!IsPunct(p))
        return false;
    ++m_pos;
    return true;
}

namespace {

// Binary operator levels, loosest first.
const char* const kLevels[][4] = {
    {"||", nullptr},
    {"&&", nullptr},
    {"|", nullptr},
    {"^", nullptr},
    {"&", nullptr},
    {"==", "!=", nullptr},
    {"<", ">", "<=", ">="},
    {"<<", ">>", nullptr},
    {"+", "-", nullptr},
    {"*", "/", "%", nullptr},
};
const int kLevelCount = sizeof(kLevels) / sizeof(kLevels[0]);
const int kMaxDepth = 200;

class Evaluator {
public:
    Evaluator(TokenCursor& in, const Symbols& symbols, const ExprOptions& options, std::string& error)
        : m_in(in), m_symbols(symbols), m_options(options), m_error(error)
    {
    }

    bool Binary(int level, int64_t& value);
    bool Unary(int64_t& value);

private:
    bool Fail(const std::string& message)
    {
        if (m_error.empty())
            m_error = message;
        return false;
    }
    const char* MatchOperator(int level) const;
    bool Apply(const std::string& op, int64_t a, int64_t b, int64_t& out);
    bool Primary(int64_t& value);

    TokenCursor& m_in;
    const Symbols& m_symbols;
    const ExprOptions& m_options;
    std::string& m_error;
    int m_depth = 0;
};

const char* Evaluator::MatchOperator(int level) const
{
    for (const char* op : kLevels[level]) {
        if (!op)
            break;
        if (m_in.IsPunct(op))
            return op;
    }
    return nullptr;
}

bool Evaluator::Apply(const std::string& op, int64_t a, int64_t b, int64_t& out)
{
    // Work in 32-bit unsigned arithmetic where C would overflow; the result is a 32-bit value
    // in the end anyway.
    uint64_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    if (op == "||") out = (a || b);
    else if (op == "&&") out = (a && b);
    else if (op == "|") out = a | b;
    else if (op == "^") out = a ^ b;
    else if (op == "&") out = a & b;
    else if (op == "==") out = (a == b);
    else if (op == "!=") out = (a != b);
    else if (op == "<") out = (a < b);
    else if (op == ">") out = (a > b);
    else if (op == "<=") out = (a <= b);
    else if (op == ">=") out = (a >= b);
    else if (op == "<<") out = static_cast<int64_t>((ua << (ub & 31)) & 0xFFFFFFFFu);
    else if (op == ">>") out = static_cast<int64_t>(ua >> (ub & 31));
    else if (op == "+") out = static_cast<int64_t>((ua + ub) & 0xFFFFFFFFu);
    else if (op == "-") out = a - b;
    else if (op == "*") out = static_cast<int64_t>((ua * ub) & 0xFFFFFFFFu);
    else if (op == "/" || op == "%") {
        if (b == 0)
            return Fail("division by zero");
        out = op == "/" ? a / b : a % b;
    } else
        return Fail("unknown operator " + op);
    // Keep values within 32 bits, signed where they came from a subtraction below zero.
    if (out > 0xFFFFFFFFll || out < -0x80000000ll)
        out = static_cast<int32_t>(static_cast<uint32_t>(out));
    return true;
}

bool Evaluator::Binary(int level, int64_t& value)
{
    if (level >= kLevelCount)
        return Unary(value);
    if (!Binary(level + 1, value))
        return false;
    while (const char* op = MatchOperator(level)) {
        std::string name = op;
        m_in.Next();
        int64_t right = 0;
        if (!Binary(level + 1, right))
            return false;
        if (!Apply(name, value, right, value))
            return false;
    }
    return true;
}

bool Evaluator::Unary(int64_t& value)
{
    if (++m_depth > kMaxDepth)
        return Fail("expression nested too deeply");
    bool ok;
    if (m_in.Accept("-")) {
        ok = Unary(value);
        value = -value;
    } else if (m_in.Accept("+")) {
        ok = Unary(value);
    } else if (m_in.Accept("~")) {
        ok = Unary(value);
        value = static_cast<int64_t>(~static_cast<uint32_t>(value));
    } else if (m_in.Accept("!")) {
        ok = Unary(value);
        value = !value;
    } else {
        ok = Primary(value);
    }
    --m_depth;
    return ok;
}

bool Evaluator::Primary(int64_t& value)
{
    const Token& t = m_in.Peek();
    if (t.kind == TokenKind::Number) {
        value = t.value;
        m_in.Next();
        return true;
    }
    if (m_in.Accept("(")) {
        if (!Binary(0, value))
            return false;
        if (!m_in.Accept(")"))
            return Fail("missing )");
        return true;
    }
    if (t.kind != TokenKind::Name)
        return Fail(t.kind == TokenKind::End ? "expression expected at end of input"
                                             : "expression expected before '" + t.text + "'");
    std::string name = t.text;
    m_in.Next();
    if (m_options.allowDefined && name == "defined") {
        bool paren = m_in.Accept("(");
        const Token& n = m_in.Next();
        if (n.kind != TokenKind::Name)
            return Fail("defined needs a name");
        value = m_symbols.IsDefined(n.text) ? 1 : 0;
        if (paren && !m_in.Accept(")"))
            return Fail("missing ) after defined");
        return true;
    }
    uint32_t v = 0;
    if (m_symbols.Lookup(name, v)) {
        value = v;
        // Names of negative numbers (IDC_STATIC) keep their sign.
        if (v & 0x80000000u)
            value = static_cast<int32_t>(v);
        return true;
    }
    if (m_options.unknownIsZero) {
        value = 0;
        return true;
    }
    return Fail("undefined symbol " + name);
}

} // namespace

bool ParseExpression(TokenCursor& in, const Symbols& symbols, const ExprOptions& options,
                     int64_t& value, std::string& error)
{
    Evaluator e(in, symbols, options, error);
    return e.Binary(0, value);
}

bool ParseStyle(TokenCursor& in, const Symbols& symbols, uint32_t initial, uint32_t& value,
                std::string& error)
{
    ExprOptions options;
    uint32_t result = initial;
    // Terms: the levels below | (index 2 in the table) are parsed by the evaluator.
    do {
        bool negate = false;
        if (IsKeyword(in.Peek(), "NOT")) {
            in.Next();
            negate = true;
        }
        Evaluator e(in, symbols, options, error);
        int64_t term = 0;
        if (!e.Binary(3, term))
            return false;
        if (negate)
            result &= ~static_cast<uint32_t>(term);
        else
            result |= static_cast<uint32_t>(term);
    } while (in.Accept("|"));
    value = result;
    return true;
}

} // namespace misc_rc
