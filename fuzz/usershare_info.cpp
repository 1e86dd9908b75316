// Fuzzing the reader of `net usershare info`: any bytes parse, every record has a name taken
// from a "[...]" line, and reading twice gives the same shares.
#include "win32/network.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    std::vector<std::pair<std::string, std::string>> shares, again;
    size_t n = MiscNetParseShareInfo(text, size, &shares);
    if (n != shares.size() || MiscNetParseShareInfo(text, size, &again) != n || again != shares)
        std::abort();
    for (const auto& share : shares)
        if (share.first.size() + 2 > size || share.second.size() > size)
            std::abort();
    return 0;
}
