#pragma once
// Decoding the picture of an icon resource (icons.cpp draws it).
#include <cstddef>

#include "win32/surface.h"

namespace wndsys {

// The picture of an icon resource's bytes (.ico, .png or .bmp), the .ico entry nearest `wanted`
// pixels wide; straight alpha. False for data it cannot read.
bool DecodeIconResource(const unsigned char* data, size_t size, int wanted, MiscSurface* out);

} // namespace wndsys
