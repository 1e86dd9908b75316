#pragma once
// Stock objects: the GetStockObject set, the one-pixel monochrome bitmap of new memory
// contexts, and a brush for each system colour. All are created on first use.
#include "objects.h"

namespace gdi {

constexpr int kStockMonoBitmap = 20;
constexpr int kSysColorBrushBase = 32; // slots 32 .. 32 + MISC_SYSCOLOR_COUNT - 1

// The handle of a stock slot (GetStockObject index, kStockMonoBitmap or a system colour
// brush slot), or null.
HGDIOBJ StockHandle(int slot);
// The stock DC_BRUSH and DC_PEN objects (whose colours come from the context).
const Object* DCBrushObject();
const Object* DCPenObject();
// The system colours in use (the theme layer loads the current theme's into them).
COLORREF SysColor(int index); // 0 for an unknown index
// The colours of the classic Windows scheme, the default of every theme.
COLORREF ClassicSysColor(int index);
void SetSysColor(int index, COLORREF color);

} // namespace gdi
