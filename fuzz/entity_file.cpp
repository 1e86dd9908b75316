// Typed entity documents from a file: the document header, the root with every filter, the
// preview block, and writing the tree that was read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "misc/data/entity.h"

namespace {

void ReadAll(const uint8_t* data, size_t size, int filter)
{
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f)
        return;
    FLENT_IO probe(f, 0, 0);
    int version = probe.ProbeVersion();
    // Without a magic word the bytes are an entity stream of the variant the size selects.
    FLENT_IO io(f, 0, version ? version - 1 : static_cast<int>(size % 3));
    DWORD words[6];
    if (version && io.ReadDocWords(words))
        io.SetKey(words[2]);
    std::unique_ptr<FLENT_BLK> root(io.ReadRoot(filter));
    std::fclose(f);
    if (!root)
        return;
    DWORD n = 0;
    char caption[64];
    std::free(FLENT_GetPreview(root.get(), FALSE, &n, caption, sizeof caption));
    std::free(FLENT_GetPreview(root.get(), TRUE, &n, caption, sizeof caption));
    MemBuf mem(4096, 64);
    FLENT_IO out(&mem, io.GetKey(), io.GetVariant());
    out.Write(root.get());
    FLENT_BLK copy(*root);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > (1 << 20))
        return 0;
    for (int filter : {FLENT_FILTER_ALL, FLENT_FILTER_NO_PREVIEW, FLENT_FILTER_PREVIEW})
        ReadAll(data, size, filter);
    return 0;
}
