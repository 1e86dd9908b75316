// Typed entity streams from memory and clipboard buffers, and the memory buffer's own readers.
// The first byte chooses the variant and the block size; the rest is the buffer's contents.
#include <cstdint>
#include <cstring>
#include <memory>

#include "misc/data/entity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > (1 << 20))
        return 0;
    int variant = data[0] % 3;
    WORD blockSize = static_cast<WORD>(16 << ((data[0] >> 2) % 8));
    const uint8_t* body = data + 1;
    DWORD n = static_cast<DWORD>(size - 1);

    MemBuf mem(blockSize, static_cast<WORD>(n / blockSize + 2));
    if (!mem.Write(body, n))
        return 0;
    MemBuf copy(mem);
    mem.Rewind();
    {
        FLENT_IO io(&mem, 0x9E3779B9u, variant);
        io.ProbeVersion();
        std::unique_ptr<FLENT_BLK> root(io.ReadRoot(data[0] & 0x80 ? FLENT_FILTER_PREVIEW : FLENT_FILTER_ALL));
        if (root) {
            MemBuf out(1024, 16);  // small on purpose: texts that do not fit are refused
            FLENT_IO w(&out, 0x9E3779B9u, variant);
            w.Write(root.get());
        }
    }
    copy.Rewind();
    char text[32];
    while (!copy.AtEnd() && copy.ReadText(text, sizeof text)) {
    }
    copy.Seek(static_cast<long>(n / 2), SEEK_END);
    DWORD v;
    copy.Read32(&v);

    ClipBuf clip;
    if (clip.OpenWrite("misc fuzz entity") && clip.Write(body, n) && clip.PutOnClipboard()) {
        ClipBuf in;
        if (in.OpenRead("misc fuzz entity")) {
            FLENT_IO io(&in, 0, variant);
            std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_NO_PREVIEW));
        }
    }
    return 0;
}
