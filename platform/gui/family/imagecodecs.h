#pragma once
// The picture decoders behind CImageFile. Each one decodes a whole file held in memory into
// bottom-up rows of R, G, B (and A) bytes, refusing damaged data and absurd sizes before it
// allocates the pixels.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace miscimage {

struct Decoded {
    int width = 0;
    int height = 0;
    bool alpha = false;
    double ppmX = 0; // pixels per metre, 0 when the file does not say
    double ppmY = 0;
    std::vector<uint8_t> pixels; // height rows of width * (alpha ? 4 : 3) bytes, bottom row first
};

// True when a picture of that size may be decoded (both sides 1..65535, at most 64 Mi pixels).
bool SizeAllowed(uint64_t width, uint64_t height);
// Allocates the pixel rows of `out` for its width, height and alpha; false when that fails.
bool AllocatePixels(Decoded& out);

bool IsPng(const uint8_t* data, size_t size);
bool IsJpeg(const uint8_t* data, size_t size);
bool IsBmp(const uint8_t* data, size_t size);

bool DecodePng(const uint8_t* data, size_t size, Decoded& out);
bool DecodeJpeg(const uint8_t* data, size_t size, Decoded& out);
bool DecodeBmpFile(const uint8_t* data, size_t size, Decoded& out);

} // namespace miscimage
