// Sources that cannot tell their size: a count or length made up in a document must not decide
// an allocation. Each case runs in a child process whose address space is capped a few hundred
// megabytes above what it already uses, so a claimed gigabyte allocation cannot succeed by luck.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <thread>

#include "entity_test_util.h"

using namespace entity_test;

namespace {

constexpr unsigned long long kHeadroom = 256ULL << 20;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's reservations do not fit under a ceiling
#else
constexpr bool kSanitized = false;
#endif

// Runs `body` in a child under the address space ceiling; the child's exit code is the answer.
int InChildUnderCeiling(const std::function<int()>& body)
{
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (kSanitized)
            _exit(body());
        unsigned long pages = 0;
        if (FILE* f = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(f, "%lu", &pages) != 1)
                pages = 0;
            std::fclose(f);
        }
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = pages * sysconf(_SC_PAGESIZE) + kHeadroom;
        if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(90);
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// Reads a root through a pipe fed with `bytes` by a writer thread; the stream's events and the
// tree come back through `check`, which answers 0 when it is content.
int ReadThroughPipe(const Bytes& bytes, const std::function<int(FLENT_BLK*, FLENT_IO&)>& check, DWORD key = 0)
{
    int fds[2];
    if (pipe(fds) != 0)
        return 91;
    std::thread writer([&] {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(fds[1], bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        close(fds[1]);
    });
    FILE* f = fdopen(fds[0], "rb");
    int result = 92;
    if (f) {
        FLENT_IO io(f, key, 2);
        std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_ALL));
        result = root ? check(root.get(), io) : 93;
        std::fclose(f);
    }
    writer.join();
    return result;
}

bool Logged(FLENT_IO& io, WORD code)
{
    for (const FLENT_ERR* e = io.GetErrors(); e; e = e->next)
        if (e->code == code)
            return true;
    return false;
}

// Root 1 holding one entity 9 with a made-up 32-bit size `word`, then `present` bytes of data.
Bytes Claiming(DWORD code, DWORD word, DWORD present)
{
    Bytes b;
    PutHeader(b, 2, 0, 1, 1);
    PutHeader(b, 2, 0, code, 9);
    Put32(b, word);
    for (DWORD i = 0; i < present; ++i)
        b.push_back(static_cast<BYTE>(i + 1));
    return b;
}

TEST(EntityPipe, ClaimedSizesReadWhatArrivedUnderAMemoryCeiling)
{
    // 2^30 - 1 values of 32 bits claimed, two present.
    EXPECT_EQ(InChildUnderCeiling([] {
                  return ReadThroughPipe(Claiming(5, 0xFFFFFFFFu, 8), [](FLENT_BLK* root, FLENT_IO& io) {
                      if (root->GetLongCount(9) != 2 || root->GetLongAt(9, 1) != 0x08070605)
                          return 1;
                      return Logged(io, 19) && !Logged(io, 37) ? 0 : 2;
                  });
              }),
              0);
    // 2^30 - 1 floats: what arrived is counted and cleared.
    EXPECT_EQ(InChildUnderCeiling([] {
                  return ReadThroughPipe(Claiming(5, 0xBFFFFFFFu, 12), [](FLENT_BLK* root, FLENT_IO& io) {
                      if (root->GetFloatCount(9) != 3 || root->GetFloat(9) != 0.0f)
                          return 1;
                      return Logged(io, 23) && !Logged(io, 38) ? 0 : 2;
                  });
              }),
              0);
    // A text of 4 GB with three bytes.
    EXPECT_EQ(InChildUnderCeiling([] {
                  return ReadThroughPipe(Claiming(3, 0xFFFFFFFFu, 3), [](FLENT_BLK* root, FLENT_IO& io) {
                      const char* text = nullptr;
                      if (root->GetText(9, &text) != 3 || std::string(text) != "\x01\x02\x03")
                          return 1;
                      return Logged(io, 13) && !Logged(io, 32) ? 0 : 2;
                  });
              }),
              0);
}

TEST(EntityPipe, LargePayloadsThatDoArriveAreReadWhole)
{
    // Arrays and texts of several megabytes, growing across many pipe reads.
    FLENT_BLK root(1);
    std::vector<WORD> ints(3000000);
    for (size_t i = 0; i < ints.size(); ++i)
        ints[i] = static_cast<WORD>(i * 7);
    root.AddIntArray(2, ints.data(), static_cast<DWORD>(ints.size()));
    std::vector<float> floats(700000);
    for (size_t i = 0; i < floats.size(); ++i)
        floats[i] = static_cast<float>(i) * 0.5f;
    root.AddFloatArray(3, floats.data(), static_cast<DWORD>(floats.size()));
    std::string text(5000000, 't');
    text[4999999] = 'z';
    root.AddText(4, text.c_str());
    root.AddInt(5, 77);  // after them all
    Bytes bytes = Encode(&root, 2, 0x5a5a1234);
    std::string expected = Describe(&root);
    EXPECT_EQ(InChildUnderCeiling([&] {
                  return ReadThroughPipe(
                      bytes,
                      [&](FLENT_BLK* back, FLENT_IO& io) {
                          return Describe(back) == expected && io.GetErrors() == nullptr ? 0 : 1;
                      },
                      0x5a5a1234);
              }),
              0);
}

TEST(EntityPipe, SkippedEntitiesAreReadPastOnAPipe)
{
    // Filter -1 skips a 16-bit medium array and a block: a pipe cannot seek, so the bytes are
    // read and dropped, and what follows still arrives.
    FLENT_BLK root(1);
    std::vector<WORD> v(500, 3);
    root.AddIntArray(2, v.data(), 500);
    root.NewListElement(6)->AddText(1, "element");
    root.AddText(12, "kept");
    Bytes bytes = Encode(&root, 2);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fds[1]);
    FILE* f = fdopen(fds[0], "rb");
    ASSERT_NE(f, nullptr);
    FLENT_IO io(f, 0, 2);
    std::unique_ptr<FLENT_BLK> back(io.ReadRoot(FLENT_FILTER_PREVIEW));
    std::fclose(f);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Describe(back.get()), "blk 1 {txt 12 len=4 'kept';}");
    EXPECT_EQ(io.GetErrors(), nullptr);
}

TEST(EntityPipe, MemoryAndClipboardBuffersAreBoundedByTheirSize)
{
    Bytes b = Claiming(5, 0xFFFFFFFFu, 8);
    EXPECT_EQ(InChildUnderCeiling([&] {
                  MemBuf mem(1024, 16);
                  mem.Write(b.data(), static_cast<DWORD>(b.size()));
                  mem.Rewind();
                  FLENT_IO io(&mem, 0, 2);
                  std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_ALL));
                  // The buffer's zero-filled rest counts as data; never more than the buffer.
                  return root && root->GetLongCount(9) <= 1024 / 4 && root->GetLongAt(9, 1) == 0x08070605 &&
                                 !Logged(io, 37)
                             ? 0
                             : 1;
              }),
              0);
    EXPECT_EQ(InChildUnderCeiling([&] {
                  ClipBuf out;
                  if (!out.OpenWrite("misc entity pipe test") || !out.Write(b.data(), static_cast<DWORD>(b.size())) ||
                      !out.PutOnClipboard())
                      return 3;
                  ClipBuf in;
                  if (!in.OpenRead("misc entity pipe test"))
                      return 4;
                  FLENT_IO io(&in, 0, 2);
                  std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_ALL));
                  DWORD size = in.GetSize();
                  in.Close();
                  return root && root->GetLongCount(9) <= size / 4 && root->GetLongAt(9, 1) == 0x08070605 &&
                                 !Logged(io, 37)
                             ? 0
                             : 1;
              }),
              0);
}

} // namespace
