// Icon resources: .ico directories with PNG or bitmap entries, and .png/.bmp files used as icons.
#include <windows.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MiscSurface picture;
    if (MiscDecodeIcon(data, size, 32, &picture)) {
        // Touch every pixel so that a wrong size would be found by the sanitizers.
        uint32_t sum = 0;
        for (uint32_t p : picture.pixels)
            sum += p;
        (void)sum;
    }
    return 0;
}
