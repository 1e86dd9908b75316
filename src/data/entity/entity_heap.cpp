#include "entity_heap.h"

#include <cstdint>
#include <cstdlib>
#include <mutex>

#if defined(__SANITIZE_ADDRESS__)
#define FLENT_HEAP_MALLOC 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FLENT_HEAP_MALLOC 1
#endif
#endif

namespace flent_heap {
namespace {

constexpr size_t kSlabSize = 64 * 1024;
constexpr size_t kClasses = kMaxCell / 8;

struct Slab {
    Slab* prev;  // links of the list of slabs with free cells
    Slab* next;
    void* free;  // free list of released cells
    char* bump;  // cells never handed out start here
    char* end;
    uint32_t used;
    uint32_t cellSize;
    bool listed;
};
constexpr size_t kHeader = (sizeof(Slab) + 63) & ~size_t(63);

struct SizeClass {
    Slab* partial = nullptr;  // slabs with at least one free cell
};

struct Heap {
    std::mutex lock;
    SizeClass classes[kClasses];
    size_t slabs = 0;
};

Heap& TheHeap()
{
    // Never destroyed: entities may outlive static destruction order.
    static Heap* heap = new Heap;
    return *heap;
}

void Link(SizeClass& sc, Slab* s)
{
    s->prev = nullptr;
    s->next = sc.partial;
    if (sc.partial)
        sc.partial->prev = s;
    sc.partial = s;
    s->listed = true;
}

void Unlink(SizeClass& sc, Slab* s)
{
    if (s->prev)
        s->prev->next = s->next;
    else
        sc.partial = s->next;
    if (s->next)
        s->next->prev = s->prev;
    s->prev = s->next = nullptr;
    s->listed = false;
}

Slab* NewSlab(size_t cellSize)
{
    void* mem = std::aligned_alloc(kSlabSize, kSlabSize);
    if (!mem)
        return nullptr;
    Slab* s = static_cast<Slab*>(mem);
    s->prev = s->next = nullptr;
    s->free = nullptr;
    s->bump = static_cast<char*>(mem) + kHeader;
    s->end = static_cast<char*>(mem) + kSlabSize;
    s->used = 0;
    s->cellSize = static_cast<uint32_t>(cellSize);
    s->listed = false;
    return s;
}

bool IsFull(const Slab* s)
{
    return !s->free && s->bump + s->cellSize > s->end;
}

} // namespace

#ifdef FLENT_HEAP_MALLOC

void* Alloc(size_t n) noexcept { return std::malloc(n ? n : 1); }
void Free(void* p) noexcept { std::free(p); }
size_t SlabBytes() noexcept { return 0; }

#else

void* Alloc(size_t n) noexcept
{
    if (n == 0)
        n = 8;
    if (n > kMaxCell)
        return nullptr;
    size_t index = (n + 7) / 8 - 1;
    Heap& heap = TheHeap();
    std::lock_guard<std::mutex> guard(heap.lock);
    SizeClass& sc = heap.classes[index];
    Slab* s = sc.partial;
    if (!s) {
        s = NewSlab((index + 1) * 8);
        if (!s)
            return nullptr;
        ++heap.slabs;
        Link(sc, s);
    }
    void* cell;
    if (s->free) {
        cell = s->free;
        s->free = *static_cast<void**>(cell);
    } else {
        cell = s->bump;
        s->bump += s->cellSize;
    }
    ++s->used;
    if (IsFull(s))
        Unlink(sc, s);
    return cell;
}

void Free(void* p) noexcept
{
    if (!p)
        return;
    Slab* s = reinterpret_cast<Slab*>(reinterpret_cast<uintptr_t>(p) & ~uintptr_t(kSlabSize - 1));
    Heap& heap = TheHeap();
    std::lock_guard<std::mutex> guard(heap.lock);
    SizeClass& sc = heap.classes[s->cellSize / 8 - 1];
    *static_cast<void**>(p) = s->free;
    s->free = p;
    --s->used;
    if (!s->listed)
        Link(sc, s);
    if (s->used == 0 && (s->prev || s->next)) {
        Unlink(sc, s);
        --heap.slabs;
        std::free(s);
    }
}

size_t SlabBytes() noexcept
{
    Heap& heap = TheHeap();
    std::lock_guard<std::mutex> guard(heap.lock);
    return heap.slabs * kSlabSize;
}

#endif

void* AllocPayload(size_t n, bool* pooled) noexcept
{
    if (n <= kMaxCell) {
        *pooled = true;
        return Alloc(n);
    }
    *pooled = false;
    return std::malloc(n);
}

void FreePayload(void* p, bool pooled) noexcept
{
    if (pooled)
        Free(p);
    else
        std::free(p);
}

} // namespace flent_heap
