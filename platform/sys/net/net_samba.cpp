// Samba user shares: `net [-s CONF] usershare add|delete|info`, started with posix_spawnp and
// its arguments as argv, so names with blanks, quotes or shell characters stay one argument.
#include "net_backend.h"

#include "../system/sysenv.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace miscnet {
namespace {

constexpr size_t kMaxOutput = 1 << 20; // what is kept of net's output

// Runs `net [-s CONF] usershare ARGS...`; returns its exit status (-1 when it could not run)
// and its output (standard output and error together, at most kMaxOutput bytes).
int RunNet(const std::vector<std::string>& args, std::string& output)
{
    std::vector<std::string> words = {"net"};
    const std::string conf = miscsys::Env("MISC_SAMBA_CONF");
    if (!conf.empty()) {
        words.push_back("-s");
        words.push_back(conf);
    }
    words.push_back("usershare");
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, "net", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return -1;
    }
    output.clear();
    char buffer[4096];
    for (;;) {
        ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (output.size() < kMaxOutput)
            output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Contains(const std::string& text, const char* what)
{
    return strcasestr(text.c_str(), what) != nullptr;
}

// Reads the records of `net usershare info`.
void ParseInfo(const std::string& text, std::vector<Share>& shares)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    MiscNetParseShareInfo(text.data(), text.size(), &pairs);
    for (auto& p : pairs)
        shares.push_back({std::move(p.first), std::move(p.second)});
}

class Samba : public Backend {
public:
    const char* Name() const override { return "samba"; }
    DWORD Add(const std::string& name, const std::string& path) override
    {
        // `net usershare add` replaces a share of the same name; the server refuses instead.
        std::vector<Share> shares;
        if (!List(shares))
            return ERROR_ACCESS_DENIED;
        for (const Share& s : shares)
            if (strcasecmp(s.name.c_str(), name.c_str()) == 0)
                return NERR_DuplicateShare;
        std::string output;
        // Everyone (S-1-1-0) gets full access, as the share's flags ask.
        int rc = RunNet({"add", name, path, "", "S-1-1-0:F", "guest_ok=n"}, output);
        if (rc == 0)
            return NERR_Success;
        if (Contains(output, "invalid characters") || Contains(output, "too long"))
            return ERROR_INVALID_NAME;
        if (Contains(output, "cannot stat") || Contains(output, "not a directory"))
            return NERR_UnknownDevDir;
        if (Contains(output, "denied") || Contains(output, "permission") || Contains(output, "owner") ||
            Contains(output, "disabled") || Contains(output, "usershare path"))
            return ERROR_ACCESS_DENIED;
        return ERROR_NOT_SUPPORTED;
    }
    DWORD Del(const std::string& name) override
    {
        std::vector<Share> shares;
        if (!List(shares))
            return ERROR_ACCESS_DENIED;
        const Share* found = nullptr;
        for (const Share& s : shares)
            if (strcasecmp(s.name.c_str(), name.c_str()) == 0)
                found = &s;
        if (found == nullptr)
            return NERR_NetNameNotFound;
        std::string output;
        return RunNet({"delete", found->name}, output) == 0 ? NERR_Success : ERROR_ACCESS_DENIED;
    }
    bool List(std::vector<Share>& shares) override
    {
        std::string output;
        shares.clear();
        if (RunNet({"info"}, output) != 0)
            return false;
        ParseInfo(output, shares);
        return true;
    }
};

} // namespace

Backend& SambaBackend()
{
    static Samba server;
    return server;
}

bool SambaInstalled()
{
    std::string path = miscsys::Env("PATH");
    if (path.empty())
        path = "/usr/bin:/bin";
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t end = path.find(':', pos);
        if (end == std::string::npos)
            end = path.size();
        std::string dir = path.substr(pos, end - pos);
        if (!dir.empty() && access((dir + "/net").c_str(), X_OK) == 0)
            return true;
        pos = end + 1;
    }
    return false;
}

} // namespace miscnet

size_t MiscNetParseShareInfo(const char* text, size_t size,
                             std::vector<std::pair<std::string, std::string>>* shares)
{
    if (text == nullptr || shares == nullptr)
        return 0;
    shares->clear();
    size_t pos = 0;
    while (pos < size) {
        const char* start = text + pos;
        const void* newline = std::memchr(start, '\n', size - pos);
        size_t length = newline ? static_cast<size_t>(static_cast<const char*>(newline) - start) : size - pos;
        std::string line(start, length);
        pos += length + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            shares->emplace_back(line.substr(1, line.size() - 2), std::string());
        else if (!shares->empty() && line.compare(0, 5, "path=") == 0)
            shares->back().second = line.substr(5);
    }
    return shares->size();
}
