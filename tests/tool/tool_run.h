#pragma once
// Running misctool from the tool tests as a user does, through the shell: what it printed and
// how it ended.
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace tooltest {

struct ToolRun {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out; // standard output (and standard error when joined to it)
};

// Runs a shell command line and collects its standard output.
inline ToolRun RunCommand(const std::string& command)
{
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// misctool with `args` (quoted as the shell needs them), its standard error joined to the output
// or dropped; `env` (NAME=value words) goes in front of it.
inline ToolRun Misctool(const std::string& args, bool withStderr = true, const std::string& env = "")
{
    const std::string prefix = env.empty() ? std::string() : env + " ";
    return RunCommand(prefix + "'" + MISCTOOL_PATH + "' " + args + (withStderr ? " 2>&1" : " 2>/dev/null"));
}

inline bool Has(const ToolRun& run, const std::string& text)
{
    return run.out.find(text) != std::string::npos;
}

} // namespace tooltest
