#pragma once
// Small blocks for objects made by the ten thousand (list items and the like): up to 64 bytes,
// from slabs kept per thread, the same that hold short CString buffers. A class gives its
// objects these blocks with class-specific operator new and sized operator delete:
//
//     static void* operator new(size_t n) { return MiscSmallBlockAlloc(n); }
//     static void operator delete(void* p, size_t n) noexcept { MiscSmallBlockFree(p, n); }
//
// Larger sizes come from the C allocator. Slabs stay with the process once made.
#include <cstddef>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A block of `bytes` bytes, aligned for any object up to that size; throws std::bad_alloc.
void* MiscSmallBlockAlloc(size_t bytes);
// Gives back a block of MiscSmallBlockAlloc(bytes); null is ignored.
void MiscSmallBlockFree(void* p, size_t bytes) noexcept;

MISC_PUBLIC_END
