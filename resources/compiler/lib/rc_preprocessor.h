#pragma once
// The preprocessor of resource scripts: #include, #define, #undef, #if/#ifdef/#ifndef/#elif/
// #else/#endif. Scripts (.rc, .rc2, .dlg) give tokens; from headers (.h, .c and others) only the
// directives count, as the Windows resource compiler does it, so a resource.h of #defines gives
// the script its names.
#include <string>
#include <vector>

#include "rc_lexer.h"
#include "rc_model.h"
#include "rc_symbols.h"

namespace misc_rc {

// Where the compiler's files come from: the disk in the tool, memory in tests and fuzzing.
class FileReader {
public:
    virtual ~FileReader() = default;
    // False when the file does not exist or cannot be read (or is over the size limit).
    virtual bool Read(const std::string& path, std::string& contents) = 0;
};

class DiskReader : public FileReader {
public:
    static constexpr size_t kMaxFileSize = 64u << 20;
    bool Read(const std::string& path, std::string& contents) override;
};

class Preprocessor {
public:
    Preprocessor(FileReader& reader, Symbols& symbols, std::vector<std::string> includeDirs);

    // Preprocesses the script `path` whose text is given; appends its tokens to `out`.
    bool Run(const std::string& path, const std::string& text, std::vector<Token>& out, Diagnostic& error);

    // Every file read, the script first; tokens refer to them by index.
    const std::vector<std::string>& Files() const { return m_files; }

private:
    struct Condition {
        bool parentActive;
        bool active;
        bool taken;
        bool elseSeen;
        int line; // of the #if, for an unterminated one
    };

    bool ProcessFile(int fileIndex, const std::string& text, bool scriptKind, int depth,
                     std::vector<Token>& out, Diagnostic& error);
    bool Directive(int fileIndex, int lineNo, const std::string& line, int depth,
                   std::vector<Condition>& conditions, std::vector<Token>& out, Diagnostic& error);
    bool Include(int fileIndex, int lineNo, const std::string& rest, int depth, std::vector<Token>& out,
                 Diagnostic& error);
    void Define(const std::vector<Token>& tokens, const std::string& line);
    bool Fail(int fileIndex, int lineNo, const std::string& message, Diagnostic& error);

    FileReader& m_reader;
    Symbols& m_symbols;
    std::vector<std::string> m_includeDirs;
    std::vector<std::string> m_files;
};

// The folder part of a path, with a trailing '/', or "" for a bare name.
std::string FolderOf(const std::string& path);
// A path as written in a script: backslashes become '/'.
std::string NormalizePath(const std::string& path);

} // namespace misc_rc
