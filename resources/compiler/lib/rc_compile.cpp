#include "rc_compile.h"

#include "rc_parser.h"

namespace misc_rc {

bool CompileScript(const std::string& path, const std::string& text, FileReader& reader,
                   const CompileOptions& options, CompileResult& result)
{
    result = CompileResult{};
    Symbols symbols;
    Preprocessor pre(reader, symbols, options.includeDirs);
    std::vector<Token> tokens;
    bool ok = pre.Run(path, text, tokens, result.error);
    result.dependencies = pre.Files();
    if (!ok)
        return false;
    Parser parser(tokens, symbols, reader, pre.Files(), options.includeDirs);
    ok = parser.Parse(result.script, result.error);
    result.warnings = parser.Warnings();
    for (const std::string& f : parser.BlobFiles())
        result.dependencies.push_back(f);
    return ok;
}

} // namespace misc_rc
