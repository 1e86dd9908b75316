#include "stock.h"

#include <cstring>

#include "bitmap.h"
#include "win32/gdi.h"

namespace gdi {
namespace {

// The classic Windows colour scheme.
const COLORREF kClassicColors[MISC_SYSCOLOR_COUNT] = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(181, 181, 181), // 25 (unnamed)
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),   // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

// The system colours in use: the current theme's, as the theme layer loads them, changed one by
// one by SetSysColors.
COLORREF g_sysColors[MISC_SYSCOLOR_COUNT] = {};
bool g_sysColorsSet = false;

void EnsureColors()
{
    if (!g_sysColorsSet) {
        g_sysColorsSet = true;
        for (int i = 0; i < MISC_SYSCOLOR_COUNT; ++i)
            g_sysColors[i] = kClassicColors[i];
    }
}

std::shared_ptr<Object> Pen(int style, COLORREF color)
{
    auto p = std::make_shared<PenObject>();
    p->style = style;
    p->fullStyle = static_cast<DWORD>(style);
    p->color = color;
    return p;
}

std::shared_ptr<Object> Brush(int style, COLORREF color)
{
    auto b = std::make_shared<BrushObject>();
    b->style = style;
    b->color = color;
    return b;
}

std::shared_ptr<Object> Font(LONG height, LONG weight, BYTE pitch, const char* face)
{
    auto f = std::make_shared<FontObject>();
    f->logfont.lfHeight = height;
    f->logfont.lfWeight = weight;
    f->logfont.lfCharSet = ANSI_CHARSET;
    f->logfont.lfPitchAndFamily = pitch;
    std::strncpy(f->logfont.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

HGDIOBJ g_handles[kSysColorBrushBase + MISC_SYSCOLOR_COUNT];

void Add(int slot, std::shared_ptr<Object> object)
{
    g_handles[slot] = AddStockObject(slot, std::move(object));
}

void CreateAll()
{
    Add(WHITE_BRUSH, Brush(BS_SOLID, RGB(255, 255, 255)));
    Add(LTGRAY_BRUSH, Brush(BS_SOLID, RGB(192, 192, 192)));
    Add(GRAY_BRUSH, Brush(BS_SOLID, RGB(128, 128, 128)));
    Add(DKGRAY_BRUSH, Brush(BS_SOLID, RGB(64, 64, 64)));
    Add(BLACK_BRUSH, Brush(BS_SOLID, RGB(0, 0, 0)));
    Add(NULL_BRUSH, Brush(BS_NULL, 0));
    Add(WHITE_PEN, Pen(PS_SOLID, RGB(255, 255, 255)));
    Add(BLACK_PEN, Pen(PS_SOLID, RGB(0, 0, 0)));
    Add(NULL_PEN, Pen(PS_NULL, 0));
    Add(OEM_FIXED_FONT, Font(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal"));
    Add(ANSI_FIXED_FONT, Font(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier"));
    Add(ANSI_VAR_FONT,
                   Font(12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
    Add(SYSTEM_FONT, Font(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
    Add(DEVICE_DEFAULT_FONT,
                   Font(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System"));
    auto palette = std::make_shared<PaletteObject>();
    for (int i = 0; i < 20; ++i) {
        const BYTE v = i < 10 ? 0 : 255;
        palette->entries.push_back(PALETTEENTRY{v, v, v, 0});
    }
    Add(DEFAULT_PALETTE, palette);
    Add(SYSTEM_FIXED_FONT, Font(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys"));
    Add(DEFAULT_GUI_FONT,
                   Font(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"));
    Add(DC_BRUSH, Brush(BS_SOLID, RGB(255, 255, 255)));
    Add(DC_PEN, Pen(PS_SOLID, RGB(0, 0, 0)));
    auto mono = Bitmap::CreateDevice(1, 1, 1);
    Add(kStockMonoBitmap, mono);
    EnsureColors();
    for (int i = 0; i < MISC_SYSCOLOR_COUNT; ++i)
        Add(kSysColorBrushBase + i, Brush(BS_SOLID, g_sysColors[i]));
}

void EnsureStock()
{
    static bool created = false;
    if (!created) {
        created = true;
        CreateAll();
    }
}

} // namespace

HGDIOBJ StockHandle(int slot)
{
    EnsureStock();
    if (slot < 0 || slot >= kSysColorBrushBase + MISC_SYSCOLOR_COUNT)
        return nullptr;
    return g_handles[slot];
}

const Object* DCBrushObject()
{
    static const Object* o = Find(StockHandle(DC_BRUSH));
    return o;
}

const Object* DCPenObject()
{
    static const Object* o = Find(StockHandle(DC_PEN));
    return o;
}

COLORREF SysColor(int index)
{
    if (index < 0 || index >= MISC_SYSCOLOR_COUNT)
        return 0;
    EnsureColors();
    return g_sysColors[index];
}

COLORREF ClassicSysColor(int index)
{
    if (index < 0 || index >= MISC_SYSCOLOR_COUNT)
        return 0;
    return kClassicColors[index];
}

void SetSysColor(int index, COLORREF color)
{
    if (index < 0 || index >= MISC_SYSCOLOR_COUNT)
        return;
    EnsureStock();
    EnsureColors();
    g_sysColors[index] = PlainColor(color);
    if (auto* b = FindAs<BrushObject>(StockHandle(kSysColorBrushBase + index), Kind::Brush))
        b->color = g_sysColors[index];
}

} // namespace gdi
