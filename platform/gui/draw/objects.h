#pragma once
// GDI objects and their handles. Handles name slots of one table (with a generation count, so a
// deleted handle never finds a later object); stock objects live in fixed slots and are never
// deleted. Contexts hold shared pointers to what is selected into them, so deleting a selected
// object only invalidates its handle.
#include <cstdint>
#include <memory>
#include <vector>

#include "region.h"
#include "win32/gditypes.h"
#include "win32/types.h"

namespace gdi {

enum class Kind : uint8_t { Pen = 1, Brush, Font, Bitmap, Region, Palette, DC };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false;
    bool keep = false; // survives MiscResetGdiObjects
};

struct PenObject : Object {
    PenObject() : Object(Kind::Pen) {}
    int style = PS_SOLID; // PS_* style (low four bits)
    int width = 1;
    COLORREF color = 0;
    DWORD fullStyle = 0;         // with end cap, join and type bits
    std::vector<DWORD> dashes;   // PS_USERSTYLE
};

class Bitmap;

// The pixels of a pattern brush: w x h colours, with a mask for hatched brushes (0 = the
// background, drawn in the background colour when the mode is OPAQUE).
struct Pattern {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> mask; // empty: every pixel is drawn
    bool mono = false;         // a monochrome bitmap: 0 -> text colour, 1 -> background colour
};

struct BrushObject : Object {
    BrushObject() : Object(Kind::Brush) {}
    int style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    std::shared_ptr<const Pattern> pattern; // BS_PATTERN / BS_DIBPATTERN
};

class FontInstance;

struct FontObject : Object {
    FontObject() : Object(Kind::Font) {}
    LOGFONTA logfont{};
    std::shared_ptr<FontInstance> instance; // loaded on first use
};

struct RegionObject : Object {
    RegionObject() : Object(Kind::Region) {}
    Region region;
};

struct PaletteObject : Object {
    PaletteObject() : Object(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

// The handle table.
HGDIOBJ AddObject(std::shared_ptr<Object> object);
// Stock objects take fixed slots (index = GetStockObject index, or a system colour brush).
HGDIOBJ AddStockObject(int slot, std::shared_ptr<Object> object);
std::shared_ptr<Object> FindShared(HGDIOBJ handle);
Object* Find(HGDIOBJ handle);
bool RemoveObject(HGDIOBJ handle);
// Removes every object that is neither stock nor kept; returns how many.
int RemoveTransientObjects();

template <class T>
T* FindAs(HGDIOBJ handle, Kind kind)
{
    Object* o = Find(handle);
    return (o && o->kind == kind) ? static_cast<T*>(o) : nullptr;
}
template <class T>
std::shared_ptr<T> FindSharedAs(HGDIOBJ handle, Kind kind)
{
    auto o = FindShared(handle);
    return (o && o->kind == kind) ? std::static_pointer_cast<T>(o) : nullptr;
}

// Stock objects (stock.cpp): the handle of GetStockObject index, or null.
HGDIOBJ StockHandle(int index);
// Device colour of a COLORREF (palette-relative forms are taken as plain RGB).
inline COLORREF PlainColor(COLORREF c) { return c & 0x00FFFFFFu; }

} // namespace gdi
