// ShellExecuteA: xdg-open started with posix_spawnp, its arguments passed as argv.
#include "win32/shell.h"

#include "../system/sysenv.h"

#include <cerrno>
#include <cstring>
#include <strings.h>
#include <mutex>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

std::mutex g_mutex;
std::vector<pid_t> g_children;

// Collects the children that have ended, so none is left as a zombie.
void ReapEnded()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    for (size_t i = 0; i < g_children.size();) {
        int status = 0;
        if (waitpid(g_children[i], &status, WNOHANG) != 0)
            g_children.erase(g_children.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

} // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    ReapEnded();
    if (file == nullptr || file[0] == '\0')
        return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(2));
    if (verb != nullptr && verb[0] != '\0' && strcasecmp(verb, "open") != 0)
        return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_NOASSOC));
    std::string program = miscsys::Env("MISC_OPEN_COMMAND");
    if (program.empty())
        program = "xdg-open";
    std::string target = file;
    char* argv[] = {program.data(), target.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(SE_ERR_NOASSOC));
    std::lock_guard<std::mutex> lock(g_mutex);
    g_children.push_back(pid);
    return reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(42));
}

int MiscShellWaitChildren()
{
    std::vector<pid_t> children;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        children.swap(g_children);
    }
    for (pid_t pid : children) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return static_cast<int>(children.size());
}
