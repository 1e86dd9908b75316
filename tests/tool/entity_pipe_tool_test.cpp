// misctool entity dump from a pipe: a 40-byte document that claims 33,554,432 16-bit values but
// holds two is dumped with the two values, in little memory. The tool runs under an address
// space ceiling of 50 MB, and its peak resident size is checked too.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <string>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer reserves terabytes of address space
#else
constexpr bool kSanitized = false;
#endif

void Put(std::string& b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Magic and six words, the root block 1, a large 16-bit array 9 claiming 2^25 values, two of them.
std::string ClaimingDocument()
{
    std::string b;
    Put(b, 0x12EF54DCu, 4);
    for (int i = 0; i < 6; ++i)
        Put(b, 0, 4);
    Put(b, (1u << 10) | 1, 2);
    Put(b, (5u << 10) | 9, 2);
    Put(b, 0x40000000u | 33554432u, 4);
    Put(b, 7, 2);
    Put(b, 8, 2);
    return b;
}

struct PipedRun {
    int status = -1;
    long maxRssKb = 0;
    std::string out;
};

// Runs `misctool entity dump /dev/stdin` with `input` written into its standard input.
PipedRun DumpThroughPipe(const std::string& input, unsigned long long addressLimit)
{
    PipedRun run;
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        return run;
    pid_t pid = fork();
    if (pid < 0)
        return run;
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(out[1], 2);
        close(in[0]), close(in[1]), close(out[0]), close(out[1]);
        if (addressLimit) {
            rlimit limit{addressLimit, addressLimit};
            setrlimit(RLIMIT_AS, &limit);
        }
        execl(MISCTOOL_PATH, MISCTOOL_PATH, "entity", "dump", "/dev/stdin", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    // The document is far smaller than a pipe's buffer: written whole before anything is read.
    bool written = write(in[1], input.data(), input.size()) == static_cast<ssize_t>(input.size());
    close(in[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        run.out.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid && written) {
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
        run.maxRssKb = usage.ru_maxrss;
    }
    return run;
}

TEST(EntityToolPipe, AClaimedGiantArrayDumpsWhatArrivedInLittleMemory)
{
    const std::string doc = ClaimingDocument();
    ASSERT_EQ(doc.size(), 40u);
    PipedRun run = DumpThroughPipe(doc, kSanitized ? 0 : 50ULL << 20);
    ASSERT_EQ(run.status, 0) << run.out.substr(0, 2000);
    EXPECT_NE(run.out.find("\"values\": [7, 8]"), std::string::npos) << run.out.substr(0, 2000);
    EXPECT_NE(run.out.find("\"code\": 15"), std::string::npos) << run.out.substr(0, 2000);
    EXPECT_LT(run.out.size(), 2000u);
    EXPECT_LT(run.maxRssKb, kSanitized ? 400L * 1024 : 50L * 1024);
}

} // namespace
