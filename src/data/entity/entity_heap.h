#pragma once
// The pooled heap of entity objects and their small payloads.
//
// Cells of 8 to 256 bytes (steps of 8) are carved from 64 KiB slabs aligned to their size, so a
// cell finds its slab, and with it its size, by masking its address: a cell carries no header.
// A slab that empties is returned to the C library unless it is the last one with free cells
// of its size. One lock guards the heap; under the address sanitizer the heap is plain malloc,
// so that the sanitizer sees every cell.
#include <cstddef>

namespace flent_heap {

constexpr size_t kMaxCell = 256;

// A cell of at least n bytes (n <= kMaxCell), aligned to 8; null when memory ran out.
void* Alloc(size_t n) noexcept;
// Releases a cell from Alloc (null is ignored).
void Free(void* p) noexcept;
// Bytes held in slabs (cells in use, free cells and slab headers), for measurements.
size_t SlabBytes() noexcept;

// Payload buffers: small ones from the pool, larger ones from malloc. `pooled` records which.
void* AllocPayload(size_t n, bool* pooled) noexcept;
void FreePayload(void* p, bool pooled) noexcept;

} // namespace flent_heap
