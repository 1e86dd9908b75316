#include "rc_preprocessor.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

#include "rc_expr.h"

namespace misc_rc {

namespace {

const int kMaxIncludeDepth = 32;

// Headers of the Windows SDK and MFC that scripts include for the names this compiler already
// knows; when they are not found they are passed over.
const char* const kSystemHeaders[] = {"windows.h", "winres.h", "winresrc.h", "afxres.h", "commctrl.h",
                                      "richedit.h", "winver.h", "dlgs.h", "winuser.h", "afxres.rc"};

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string BaseName(const std::string& path)
{
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsScriptKind(const std::string& path)
{
    std::string name = Lower(BaseName(path));
    size_t dot = name.find_last_of('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot);
    return ext == ".rc" || ext == ".rc2" || ext == ".dlg";
}

// Follows /* */ comments through a line that is not tokenized (a header line or a line in a
// branch that is not taken), minding string and character literals.
void TrackComments(const std::string& line, bool& inComment)
{
    char quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (inComment) {
            if (c == '*' && i + 1 < line.size() && line[i + 1] == '/') {
                inComment = false;
                ++i;
            }
        } else if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
            return;
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
            inComment = true;
            ++i;
        }
    }
}

// Splits text into lines (LF or CRLF).
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

bool DiskReader::Read(const std::string& path, std::string& contents)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxFileSize)
        return false;
    in.seekg(0, std::ios::beg);
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::string FolderOf(const std::string& path)
{
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string NormalizePath(const std::string& path)
{
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

Preprocessor::Preprocessor(FileReader& reader, Symbols& symbols, std::vector<std::string> includeDirs)
    : m_reader(reader), m_symbols(symbols), m_includeDirs(std::move(includeDirs))
{
}

bool Preprocessor::Fail(int fileIndex, int lineNo, const std::string& message, Diagnostic& error)
{
    error.file = fileIndex >= 0 && fileIndex < static_cast<int>(m_files.size()) ? m_files[fileIndex] : "";
    error.line = lineNo;
    error.message = message;
    return false;
}

bool Preprocessor::Run(const std::string& path, const std::string& text, std::vector<Token>& out, Diagnostic& error)
{
    m_files.push_back(path);
    return ProcessFile(static_cast<int>(m_files.size()) - 1, text, true, 0, out, error);
}

bool Preprocessor::ProcessFile(int fileIndex, const std::string& text, bool scriptKind, int depth,
                               std::vector<Token>& out, Diagnostic& error)
{
    std::vector<std::string> lines = SplitLines(text);
    std::vector<Condition> conditions;
    bool inComment = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineNo = static_cast<int>(i) + 1;
        std::string line = lines[i];
        bool active = conditions.empty() || conditions.back().active;
        size_t first = line.find_first_not_of(" \t");
        if (!inComment && first != std::string::npos && line[first] == '#') {
            // A directive; a backslash at the end of a line continues it.
            while (!line.empty() && line.back() == '\\' && i + 1 < lines.size()) {
                line.pop_back();
                line += lines[++i];
            }
            if (!Directive(fileIndex, lineNo, line.substr(first + 1), depth, conditions, out, error))
                return false;
            continue;
        }
        if (!active || !scriptKind) {
            TrackComments(line, inComment);
            continue;
        }
        std::string message;
        if (!TokenizeLine(line, fileIndex, lineNo, inComment, out, message))
            return Fail(fileIndex, lineNo, message, error);
    }
    if (!conditions.empty())
        return Fail(fileIndex, conditions.back().line, "#if without #endif", error);
    return true;
}

bool Preprocessor::Directive(int fileIndex, int lineNo, const std::string& line, int depth,
                             std::vector<Condition>& conditions, std::vector<Token>& out, Diagnostic& error)
{
    bool active = conditions.empty() || conditions.back().active;
    size_t nameStart = line.find_first_not_of(" \t");
    size_t nameEnd = nameStart == std::string::npos ? nameStart : line.find_first_of(" \t<\"", nameStart);
    if (nameStart != std::string::npos && line.compare(nameStart, nameEnd - nameStart, "include") == 0) {
        // Not tokenized: a <file> name is not made of tokens.
        return !active || Include(fileIndex, lineNo, line.substr(nameEnd == std::string::npos ? line.size() : nameEnd),
                                  depth, out, error);
    }
    std::vector<Token> tokens;
    std::string message;
    bool comment = false;
    if (!TokenizeLine(line, fileIndex, lineNo, comment, tokens, message)) {
        if (!active)
            return true; // text in a branch not taken is not examined
        return Fail(fileIndex, lineNo, message, error);
    }
    if (tokens.empty())
        return true; // a lone '#'
    std::string name = tokens[0].text;
    ExprOptions ifOptions;
    ifOptions.unknownIsZero = true;
    ifOptions.allowDefined = true;
    auto evaluate = [&](bool& result) {
        TokenCursor in(tokens, 1);
        int64_t value = 0;
        std::string why;
        if (!ParseExpression(in, m_symbols, ifOptions, value, why) || !in.AtEnd())
            return Fail(fileIndex, lineNo, "bad #" + name + " expression" + (why.empty() ? "" : ": " + why), error);
        result = value != 0;
        return true;
    };

    if (name == "if" || name == "ifdef" || name == "ifndef") {
        bool result = false;
        if (active) {
            if (name == "if") {
                if (!evaluate(result))
                    return false;
            } else {
                if (tokens.size() < 2 || tokens[1].kind != TokenKind::Name)
                    return Fail(fileIndex, lineNo, "#" + name + " needs a name", error);
                result = m_symbols.IsDefined(tokens[1].text) == (name == "ifdef");
            }
        }
        conditions.push_back(Condition{active, active && result, active && result, false, lineNo});
        return true;
    }
    if (name == "elif" || name == "else" || name == "endif") {
        if (conditions.empty())
            return Fail(fileIndex, lineNo, "#" + name + " without #if", error);
        Condition& c = conditions.back();
        if (name == "endif") {
            conditions.pop_back();
            return true;
        }
        if (c.elseSeen)
            return Fail(fileIndex, lineNo, "#" + name + " after #else", error);
        bool result = true;
        if (name == "else")
            c.elseSeen = true;
        else if (c.parentActive && !c.taken && !evaluate(result))
            return false;
        c.active = c.parentActive && !c.taken && result;
        c.taken = c.taken || c.active;
        return true;
    }
    if (!active)
        return true;
    if (name == "define") {
        if (tokens.size() < 2 || tokens[1].kind != TokenKind::Name)
            return Fail(fileIndex, lineNo, "#define needs a name", error);
        Define(tokens, line);
        return true;
    }
    if (name == "undef") {
        if (tokens.size() >= 2)
            m_symbols.Undefine(tokens[1].text);
        return true;
    }
    if (name == "pragma" || name == "line")
        return true;
    if (name == "error")
        return Fail(fileIndex, lineNo, "#error" + line.substr(line.find("error") + 5), error);
    return Fail(fileIndex, lineNo, "unknown directive #" + name, error);
}

void Preprocessor::Define(const std::vector<Token>& tokens, const std::string& line)
{
    const std::string& name = tokens[1].text;
    // A function-like macro: the name is followed at once by '('.
    size_t at = line.find(name);
    if (at != std::string::npos && at + name.size() < line.size() && line[at + name.size()] == '(') {
        m_symbols.DefineOpaque(name);
        return;
    }
    if (tokens.size() == 2) {
        m_symbols.DefineOpaque(name);
        return;
    }
    TokenCursor in(tokens, 2);
    int64_t value = 0;
    std::string why;
    if (ParseExpression(in, m_symbols, ExprOptions{}, value, why) && in.AtEnd())
        m_symbols.Define(name, static_cast<uint32_t>(value));
    else
        m_symbols.DefineOpaque(name);
}

bool Preprocessor::Include(int fileIndex, int lineNo, const std::string& rest, int depth, std::vector<Token>& out,
                           Diagnostic& error)
{
    std::string name;
    bool system = false;
    size_t open = rest.find_first_not_of(" \t");
    char opener = open == std::string::npos ? '\0' : rest[open];
    size_t close = opener == '"' ? rest.find('"', open + 1) : opener == '<' ? rest.find('>', open + 1) : std::string::npos;
    if (close == std::string::npos)
        return Fail(fileIndex, lineNo, "#include needs \"file\" or <file>", error);
    name = rest.substr(open + 1, close - open - 1);
    system = opener == '<';
    name = NormalizePath(name);
    if (depth + 1 > kMaxIncludeDepth)
        return Fail(fileIndex, lineNo, "#include nested too deeply", error);

    std::vector<std::string> candidates;
    if (!system)
        candidates.push_back(FolderOf(m_files[fileIndex]) + name);
    for (const std::string& dir : m_includeDirs)
        candidates.push_back(dir + (dir.empty() || dir.back() == '/' ? "" : "/") + name);
    if (!name.empty() && name[0] == '/')
        candidates.assign(1, name);
    for (const std::string& path : candidates) {
        std::string text;
        if (!m_reader.Read(path, text))
            continue;
        m_files.push_back(path);
        int index = static_cast<int>(m_files.size()) - 1;
        return ProcessFile(index, text, IsScriptKind(path), depth + 1, out, error);
    }
    std::string lower = Lower(BaseName(name));
    bool known = std::find_if(std::begin(kSystemHeaders), std::end(kSystemHeaders),
                              [&](const char* h) { return lower == h; }) != std::end(kSystemHeaders);
    if (system || known)
        return true;
    return Fail(fileIndex, lineNo, "cannot open include file " + name, error);
}

} // namespace misc_rc
