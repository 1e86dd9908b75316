#include "objects.h"
#include "win32/gdi.h"

namespace gdi {
namespace {

// Slots below kStockSlots belong to stock objects.
constexpr size_t kStockSlots = 64;

struct Slot {
    std::shared_ptr<Object> object;
    uint32_t generation = 0;
};

struct Table {
    std::vector<Slot> slots = std::vector<Slot>(kStockSlots);
    std::vector<uint32_t> free;
};

Table& GetTable()
{
    static Table* table = new Table(); // lives to process exit; objects may outlive main
    return *table;
}

HGDIOBJ MakeHandle(size_t index, uint32_t generation)
{
    const uintptr_t v = (static_cast<uintptr_t>(generation & 0xFFFFFu) << 40) |
                        (static_cast<uintptr_t>(index + 1) << 12);
    return reinterpret_cast<HGDIOBJ>(v);
}

Slot* Lookup(HGDIOBJ handle)
{
    const uintptr_t v = reinterpret_cast<uintptr_t>(handle);
    if ((v & 0xFFFu) != 0 || v == 0)
        return nullptr;
    const size_t index = static_cast<size_t>((v >> 12) & 0xFFFFFFFu);
    const uint32_t generation = static_cast<uint32_t>(v >> 40) & 0xFFFFFu;
    Table& t = GetTable();
    if (index == 0 || index > t.slots.size())
        return nullptr;
    Slot& s = t.slots[index - 1];
    if (!s.object || (s.generation & 0xFFFFFu) != generation)
        return nullptr;
    return &s;
}

} // namespace

HGDIOBJ AddObject(std::shared_ptr<Object> object)
{
    if (!object)
        return nullptr;
    Table& t = GetTable();
    size_t index;
    if (!t.free.empty()) {
        index = t.free.back();
        t.free.pop_back();
    } else {
        if (t.slots.size() >= 0xFFFFFF0u)
            return nullptr;
        index = t.slots.size();
        t.slots.emplace_back();
    }
    Slot& s = t.slots[index];
    s.object = std::move(object);
    s.generation = (s.generation + 1) & 0xFFFFFu;
    if (s.generation == 0)
        s.generation = 1;
    return MakeHandle(index, s.generation);
}

HGDIOBJ AddStockObject(int slot, std::shared_ptr<Object> object)
{
    if (slot < 0 || static_cast<size_t>(slot) >= kStockSlots || !object)
        return nullptr;
    object->stock = true;
    Slot& s = GetTable().slots[static_cast<size_t>(slot)];
    s.object = std::move(object);
    s.generation = 0;
    return MakeHandle(static_cast<size_t>(slot), 0);
}

std::shared_ptr<Object> FindShared(HGDIOBJ handle)
{
    Slot* s = Lookup(handle);
    return s ? s->object : nullptr;
}

Object* Find(HGDIOBJ handle)
{
    Slot* s = Lookup(handle);
    return s ? s->object.get() : nullptr;
}

bool RemoveObject(HGDIOBJ handle)
{
    Slot* s = Lookup(handle);
    if (!s || s->object->stock)
        return false;
    s->object.reset();
    Table& t = GetTable();
    t.free.push_back(static_cast<uint32_t>(s - t.slots.data()));
    return true;
}

} // namespace gdi

namespace gdi {

int RemoveTransientObjects()
{
    Table& t = GetTable();
    int removed = 0;
    for (size_t i = kStockSlots; i < t.slots.size(); ++i) {
        Slot& s = t.slots[i];
        if (!s.object || s.object->stock || s.object->keep)
            continue;
        s.object.reset();
        t.free.push_back(static_cast<uint32_t>(i));
        ++removed;
    }
    return removed;
}

} // namespace gdi

void MiscKeepGdiObject(HGDIOBJ object)
{
    if (gdi::Object* o = gdi::Find(object))
        o->keep = true;
}

int MiscResetGdiObjects() { return gdi::RemoveTransientObjects(); }
