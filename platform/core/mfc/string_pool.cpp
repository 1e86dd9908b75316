#include "string_pool.h"

#include <climits>

#include "mfc/smallblock.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define MISC_STRING_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MISC_STRING_POOL 0
#endif
#endif
#ifndef MISC_STRING_POOL
#define MISC_STRING_POOL 1
#endif

namespace misc_string_pool {

namespace {

char* AllocateUnpooled(int nAlloc)
{
    char* p = static_cast<char*>(std::malloc(static_cast<size_t>(nAlloc) + 1));
    if (!p)
        throw std::bad_alloc();
    return p;
}

#if MISC_STRING_POOL

constexpr int kClasses = 3;
constexpr size_t kClassBytes[kClasses] = {32, 48, 64};
constexpr size_t kSlabBytes = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// Free blocks of each class, per thread.
thread_local FreeBlock* t_free[kClasses] = {nullptr, nullptr, nullptr};

// Every slab ever made, so that they stay reachable (leak checkers see them in use).
std::mutex g_slabsLock;
std::vector<void*>* g_slabs = nullptr;

int ClassOf(int nAlloc)
{
    const size_t bytes = static_cast<size_t>(nAlloc) + 1;
    for (int cls = 0; cls < kClasses; ++cls)
        if (bytes <= kClassBytes[cls])
            return cls;
    return -1;
}

void Refill(int cls)
{
    char* slab = static_cast<char*>(std::malloc(kSlabBytes));
    if (!slab)
        throw std::bad_alloc();
    {
        std::lock_guard<std::mutex> lock(g_slabsLock);
        if (!g_slabs)
            g_slabs = new std::vector<void*>;
        g_slabs->push_back(slab);
    }
    const size_t size = kClassBytes[cls];
    FreeBlock* head = t_free[cls];
    for (size_t at = kSlabBytes / size * size; at >= size; at -= size) {
        auto* block = reinterpret_cast<FreeBlock*>(slab + at - size);
        block->next = head;
        head = block;
    }
    t_free[cls] = head;
}

#endif

} // namespace

char* Allocate(int nAlloc)
{
#if MISC_STRING_POOL
    const int cls = ClassOf(nAlloc);
    if (cls >= 0) {
        if (!t_free[cls])
            Refill(cls);
        FreeBlock* block = t_free[cls];
        t_free[cls] = block->next;
        return reinterpret_cast<char*>(block);
    }
#endif
    return AllocateUnpooled(nAlloc);
}

void Release(char* p, int nAlloc) noexcept
{
    if (!p)
        return;
#if MISC_STRING_POOL
    const int cls = ClassOf(nAlloc);
    if (cls >= 0) {
        auto* block = reinterpret_cast<FreeBlock*>(p);
        block->next = t_free[cls];
        t_free[cls] = block;
        return;
    }
#else
    (void)nAlloc;
#endif
    std::free(p);
}

} // namespace misc_string_pool

// Blocks of `bytes` are buffers of bytes - 1 characters and a terminator. Slab blocks of 32, 48
// or 64 bytes lie at multiples of their size in a malloc'd slab, so 16-byte aligned like malloc's.
void* MiscSmallBlockAlloc(size_t bytes)
{
    if (bytes == 0)
        bytes = 1;
    if (bytes > static_cast<size_t>(INT_MAX))
        throw std::bad_alloc();
    return misc_string_pool::Allocate(static_cast<int>(bytes) - 1);
}

void MiscSmallBlockFree(void* p, size_t bytes) noexcept
{
    if (bytes == 0)
        bytes = 1;
    misc_string_pool::Release(static_cast<char*>(p), static_cast<int>(bytes) - 1);
}
