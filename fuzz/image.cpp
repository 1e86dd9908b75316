// Fuzzes the picture loader (PNG, JPEG, BMP). A picture that loads must be consistent: its
// pixel buffer holds exactly its rows.
#include <family/imagefile.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (4u << 20))
        return 0;
    CImageFile image;
    if (image.LoadMemoryData(data, size)) {
        if (image.IsEmpty() || image.getDataSize() != image.getRowBytes() * image.getHeight())
            std::abort();
        CImageFile copy(image);
        if (copy.getDataSize() != image.getDataSize())
            std::abort();
    } else if (!image.IsEmpty() || image.getData() != nullptr) {
        std::abort();
    }
    return 0;
}
