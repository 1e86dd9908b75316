// Typed entity documents from a pipe, a source that cannot seek or tell its size: payloads grow
// as their data arrives and skipped entities are read past. Inputs up to a pipe's buffer are
// written whole before reading.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "misc/data/entity.h"

namespace {

constexpr size_t kMaxInput = 60 * 1024;  // below the 64 KiB a pipe holds

void ReadThroughPipe(const uint8_t* data, size_t size, int filter)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    bool written = write(fds[1], data, size) == static_cast<ssize_t>(size);
    close(fds[1]);
    FILE* f = written ? fdopen(fds[0], "rb") : nullptr;
    if (!f) {
        close(fds[0]);
        return;
    }
    FLENT_IO probe(f, 0, 0);
    int version = probe.ProbeVersion();
    // A pipe cannot step back: without a magic word the stream starts four bytes in.
    FLENT_IO io(f, 0, version ? version - 1 : static_cast<int>(size % 3));
    DWORD words[6];
    if (version && io.ReadDocWords(words))
        io.SetKey(words[2]);
    std::unique_ptr<FLENT_BLK> root(io.ReadRoot(filter));
    std::fclose(f);
    if (root) {
        FLENT_BLK copy(*root);
        MemBuf mem(4096, 64);
        FLENT_IO out(&mem, io.GetKey(), io.GetVariant());
        out.Write(&copy);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > kMaxInput)
        return 0;
    for (int filter : {FLENT_FILTER_ALL, FLENT_FILTER_PREVIEW})
        ReadThroughPipe(data, size, filter);
    return 0;
}
