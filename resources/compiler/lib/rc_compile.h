#pragma once
// The resource compiler as a library: a script in, its resources and the C++ source of its
// MiscResourceTable out. The misc_rc tool, the tests and the fuzzer all come through here.
#include <string>
#include <vector>

#include "rc_model.h"
#include "rc_preprocessor.h"

namespace misc_rc {

struct CompileOptions {
    std::vector<std::string> includeDirs;
};

struct CompileResult {
    Script script;
    std::vector<std::string> dependencies; // every file read: script, includes, bitmaps, icons
    std::vector<Diagnostic> warnings;
    Diagnostic error; // set when compiling failed
};

// Compiles the script `path` whose text is `text`; included files and bitmaps come from `reader`.
bool CompileScript(const std::string& path, const std::string& text, FileReader& reader,
                   const CompileOptions& options, CompileResult& result);

// The C++ source that defines `const MiscResourceTable <symbol>` for the script.
std::string WriteTableSource(const Script& script, const std::string& symbol, const std::string& scriptName);

// A make-style dependency file: "target: dep dep ...".
std::string WriteDepfile(const std::string& target, const std::vector<std::string>& dependencies);

// A C++ string literal with the bytes of `text`.
std::string CppStringLiteral(const std::string& text);

// True for a valid C++ identifier.
bool IsIdentifier(const std::string& name);

} // namespace misc_rc
