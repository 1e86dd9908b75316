// misc_rc: compiles a resource script into a C++ source file holding its MiscResourceTable.
//
//   misc_rc [-I folder]... [-n symbol] [-d depfile] -o output.cpp script.rc
//
// Exit status: 0 done, 1 the script has an error (reported as file:line: message), 2 bad usage.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <iostream>
#include <string>

#include "rc_compile.h"

namespace {

int Usage(const std::string& message)
{
    std::cerr << "misc_rc: " << message << "\n"
              << "usage: misc_rc [-I folder]... [-n symbol] [-d depfile] -o output.cpp script.rc\n";
    return 2;
}

bool WriteWhole(const std::string& path, const std::string& text)
{
    // Rewrite only when the contents change, so that nothing recompiles needlessly.
    std::ifstream old(path, std::ios::binary);
    if (old) {
        std::string current((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
        if (current == text)
            return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    misc_rc::CompileOptions options;
    std::string output, depfile, script, symbol = "g_miscResourceTable";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        if (arg == "-I") {
            std::string dir;
            if (!value(dir))
                return Usage("-I needs a folder");
            options.includeDirs.push_back(dir);
        } else if (arg.rfind("-I", 0) == 0) {
            options.includeDirs.push_back(arg.substr(2));
        } else if (arg == "-o") {
            if (!value(output))
                return Usage("-o needs a file");
        } else if (arg == "-d") {
            if (!value(depfile))
                return Usage("-d needs a file");
        } else if (arg == "-n") {
            if (!value(symbol) || !misc_rc::IsIdentifier(symbol))
                return Usage("-n needs a C++ identifier");
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else if (script.empty()) {
            script = arg;
        } else {
            return Usage("more than one script given");
        }
    }
    if (script.empty() || output.empty())
        return Usage("a script and -o output are needed");

    misc_rc::DiskReader reader;
    std::string text;
    if (!reader.Read(script, text)) {
        std::cerr << "misc_rc: cannot read " << script << "\n";
        return 1;
    }
    misc_rc::CompileResult result;
    if (!misc_rc::CompileScript(script, text, reader, options, result)) {
        std::cerr << misc_rc::FormatDiagnostic(result.error) << "\n";
        return 1;
    }
    for (const misc_rc::Diagnostic& w : result.warnings)
        std::cerr << misc_rc::FormatDiagnostic(w) << " (warning)\n";
    std::string name = script.substr(script.find_last_of('/') + 1);
    if (!WriteWhole(output, misc_rc::WriteTableSource(result.script, symbol, name))) {
        std::cerr << "misc_rc: cannot write " << output << "\n";
        return 1;
    }
    if (!depfile.empty() && !WriteWhole(depfile, misc_rc::WriteDepfile(output, result.dependencies))) {
        std::cerr << "misc_rc: cannot write " << depfile << "\n";
        return 1;
    }
    return 0;
}
