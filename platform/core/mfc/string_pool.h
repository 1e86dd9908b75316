#pragma once
// Buffers of short strings. Most strings are short (names, keys, captions), and a list of a
// hundred thousand of them would otherwise cost as many calls of the C allocator to make and
// again to free; short buffers come from slabs instead, kept per thread.
//
// A buffer is asked for and given back with its capacity (CString keeps it), which picks its
// size class: up to 31, 47 and 63 characters (with the terminator, 32, 48 and 64 bytes). Longer
// buffers come from the C allocator. Slabs are never handed back to the system: what a thread
// once held stays ready for it (and for any thread that frees a buffer it did not make). Under
// the address sanitizer every buffer comes from the C allocator, so that it checks each one.
#include <cstddef>

namespace misc_string_pool {

// A buffer for nAlloc characters and a terminator; throws std::bad_alloc when there is none.
char* Allocate(int nAlloc);
// Gives back a buffer of Allocate(nAlloc).
void Release(char* p, int nAlloc) noexcept;

} // namespace misc_string_pool
