// Global memory blocks. Each block is a record in a registry of live handles, so a stale or
// made-up handle is refused instead of followed.
#include "win32/base.h"
#include "win32/clipboard.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

constexpr DWORD kErrorNotLocked = 158;  // ERROR_NOT_LOCKED

struct Block {
    void* data;
    SIZE_T size;
    UINT flags;
    UINT locks;
};

struct Registry {
    std::mutex lock;
    std::unordered_map<const void*, Block*> byHandle;  // fixed: the data pointer is the handle
};

Registry& TheRegistry()
{
    static Registry* registry = new Registry;
    return *registry;
}

Block* Lookup(Registry& r, const void* handle)
{
    auto it = r.byHandle.find(handle);
    if (it == r.byHandle.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second;
}

const void* HandleOf(const Block* b)
{
    return (b->flags & GMEM_MOVEABLE) ? static_cast<const void*>(b) : b->data;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    Block* b = static_cast<Block*>(std::malloc(sizeof(Block)));
    void* data = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (!b || !data) {
        std::free(b);
        std::free(data);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    *b = Block{data, bytes, flags & (GMEM_MOVEABLE | GMEM_DISCARDABLE | GMEM_SHARE), 0};
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    const void* handle = HandleOf(b);
    r.byHandle[handle] = b;
    return const_cast<void*>(handle);
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    if (!b)
        return nullptr;
    bool moveable = (b->flags & GMEM_MOVEABLE) != 0;
    if (!moveable && !(flags & GMEM_MOVEABLE) && bytes > b->size) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    void* data = std::realloc(b->data, bytes ? bytes : 1);
    if (!data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if ((flags & GMEM_ZEROINIT) && bytes > b->size)
        std::memset(static_cast<char*>(data) + b->size, 0, bytes - b->size);
    if (!moveable)
        r.byHandle.erase(b->data);
    b->data = data;
    b->size = bytes;
    if (!moveable)
        r.byHandle[data] = b;
    return const_cast<void*>(HandleOf(b));
}

LPVOID GlobalLock(HGLOBAL mem)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    if (!b)
        return nullptr;
    if ((b->flags & GMEM_MOVEABLE) && b->locks < GMEM_LOCKCOUNT)
        ++b->locks;
    return b->data;
}

BOOL GlobalUnlock(HGLOBAL mem)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    if (!b)
        return FALSE;
    if (b->locks == 0) {
        SetLastError(kErrorNotLocked);
        return FALSE;
    }
    --b->locks;
    if (b->locks == 0)
        SetLastError(ERROR_SUCCESS);
    return b->locks != 0;
}

SIZE_T GlobalSize(HGLOBAL mem)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    return b ? b->size : 0;
}

UINT GlobalFlags(HGLOBAL mem)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    return b ? (b->locks & GMEM_LOCKCOUNT) | (b->flags & GMEM_DISCARDABLE) : GMEM_INVALID_HANDLE;
}

HGLOBAL GlobalFree(HGLOBAL mem)
{
    if (!mem)
        return nullptr;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    Block* b = Lookup(r, mem);
    if (!b)
        return mem;
    r.byHandle.erase(mem);
    std::free(b->data);
    std::free(b);
    return nullptr;
}

HGLOBAL GlobalHandle(LPCVOID mem)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = r.byHandle.find(mem);
    if (it != r.byHandle.end())
        return const_cast<void*>(mem);
    for (auto& entry : r.byHandle)
        if (entry.second->data == mem)
            return const_cast<void*>(entry.first);
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}
