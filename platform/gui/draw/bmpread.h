#pragma once
// A bounded reader of .bmp files and of device-independent bits (uncompressed, bit fields,
// RLE4 and RLE8). Hostile input is refused or truncated, never read beyond its size.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bitmap.h"

namespace gdi {

// Decodes a .bmp file (with or without its 14-byte file header) into top-down 32-bit pixels.
bool DecodeBmp(const uint8_t* data, size_t size, int& width, int& height,
               std::vector<uint32_t>& pixels);
// Decodes the bits of a DIB of format f (size bytes available, SIZE_MAX when the caller
// vouches for them) into top-down 32-bit pixels.
bool DecodeDibBits(const DibFormat& f, const uint8_t* bits, size_t size,
                   std::vector<uint32_t>& pixels);

} // namespace gdi
