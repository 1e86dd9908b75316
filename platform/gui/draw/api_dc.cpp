// Win32 device-context functions: creation, saved states, attributes, mapping.
#include <algorithm>

#include "dc.h"
#include "stock.h"
#include "win32/base.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

SIZE g_screen{1280, 1024};

template <class T, class F>
T WithDC(HDC hdc, T fail, F f)
{
    DeviceContext* dc = FindDC(hdc);
    return dc ? f(*dc) : fail;
}

} // namespace

void MiscSetScreenSize(int width, int height)
{
    g_screen.cx = std::clamp(width, 1, 1 << 15);
    g_screen.cy = std::clamp(height, 1, 1 << 15);
}

SIZE MiscGetScreenSize()
{
    return g_screen;
}

HDC MiscCreateSurfaceDC(MiscSurface* surface, int originX, int originY, const RECT* clip)
{
    if (!surface)
        return nullptr;
    auto dc = std::make_shared<DeviceContext>(surface, POINT{originX, originY}, clip);
    return static_cast<HDC>(AddObject(dc));
}

MiscSurface* MiscGetDCSurface(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    if (!dc->IsMemory())
        return dc->WindowSurface();
    const auto& b = dc->State().bitmap;
    return b ? b->Surface() : nullptr;
}

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc && !FindDC(hdc))
        return nullptr;
    return static_cast<HDC>(AddObject(std::make_shared<DeviceContext>()));
}

BOOL DeleteDC(HDC hdc)
{
    if (!FindDC(hdc))
        return FALSE;
    return RemoveObject(hdc) ? TRUE : FALSE;
}

int SaveDC(HDC hdc)
{
    return WithDC(hdc, 0, [](DeviceContext& dc) { return dc.Save(); });
}

BOOL RestoreDC(HDC hdc, int saved)
{
    return WithDC(hdc, FALSE, [&](DeviceContext& dc) { return dc.Restore(saved) ? TRUE : FALSE; });
}

int GetDeviceCaps(HDC hdc, int index)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return 0;
    switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZSIZE: return MulDiv(g_screen.cx, 254, 960);
    case VERTSIZE: return MulDiv(g_screen.cy, 254, 960);
    case HORZRES:
    case DESKTOPHORZRES: return g_screen.cx;
    case VERTRES:
    case DESKTOPVERTRES: return g_screen.cy;
    case BITSPIXEL: {
        const auto& b = dc->State().bitmap;
        return dc->IsMemory() && b && b->IsMono() ? 1 : 32;
    }
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return -1;
    case NUMFONTS: return 0;
    case CURVECAPS:
        return CC_CIRCLES | CC_PIE | CC_CHORD | CC_ELLIPSES | CC_WIDE | CC_STYLED | CC_ROUNDRECT;
    case LINECAPS: return LC_POLYLINE | LC_WIDE | LC_STYLED;
    case POLYGONALCAPS: return PC_POLYGON | PC_RECTANGLE | PC_WINDPOLYGON | PC_SCANLINE | PC_WIDE | PC_STYLED;
    case TEXTCAPS: return 0;
    case CLIPCAPS: return CP_RECTANGLE | CP_REGION;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case VREFRESH: return 60;
    case SHADEBLENDCAPS: return 0x3; // SB_CONST_ALPHA | SB_PIXEL_ALPHA
    default: return 0;
    }
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !object)
        return nullptr;
    if (Object* o = Find(object); o && o->kind == Kind::Region) {
        const int type = SelectClipRgn(hdc, static_cast<HRGN>(object));
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(type));
    }
    return dc->Select(object);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    const DCState& s = dc->State();
    switch (type) {
    case OBJ_PEN: return s.hPen;
    case OBJ_BRUSH: return s.hBrush;
    case OBJ_FONT: return s.hFont;
    case OBJ_BITMAP: return dc->IsMemory() ? s.hBitmap : nullptr;
    case OBJ_PAL: return s.hPalette;
    default: return nullptr;
    }
}

#define MISC_DC_ATTRIBUTE(Type, Get, Set, field, fail, valid)                          \
    Type Get(HDC hdc)                                                                  \
    {                                                                                  \
        return WithDC(hdc, static_cast<Type>(fail),                                    \
                      [](DeviceContext& dc) { return static_cast<Type>(dc.State().field); }); \
    }                                                                                  \
    Type Set(HDC hdc, Type value)                                                      \
    {                                                                                  \
        return WithDC(hdc, static_cast<Type>(fail), [&](DeviceContext& dc) {           \
            if (!(valid))                                                              \
                return static_cast<Type>(fail);                                        \
            const Type old = static_cast<Type>(dc.State().field);                      \
            dc.State().field = value;                                                  \
            return old;                                                                \
        });                                                                            \
    }

MISC_DC_ATTRIBUTE(COLORREF, GetTextColor, SetTextColor, textColor, CLR_INVALID, true)
MISC_DC_ATTRIBUTE(COLORREF, GetBkColor, SetBkColor, bkColor, CLR_INVALID, true)
MISC_DC_ATTRIBUTE(int, GetBkMode, SetBkMode, bkMode, 0, value == TRANSPARENT || value == OPAQUE)
MISC_DC_ATTRIBUTE(int, GetROP2, SetROP2, rop2, 0, value >= R2_BLACK && value <= R2_WHITE)
MISC_DC_ATTRIBUTE(int, GetPolyFillMode, SetPolyFillMode, polyFillMode, 0,
                  value == ALTERNATE || value == WINDING)
MISC_DC_ATTRIBUTE(int, GetStretchBltMode, SetStretchBltMode, stretchMode, 0,
                  value >= BLACKONWHITE && value <= HALFTONE)
MISC_DC_ATTRIBUTE(int, GetArcDirection, SetArcDirection, arcDirection, 0,
                  value == AD_COUNTERCLOCKWISE || value == AD_CLOCKWISE)
MISC_DC_ATTRIBUTE(int, GetTextCharacterExtra, SetTextCharacterExtra, charExtra, 0x80000000,
                  value > -(1 << 20) && value < (1 << 20))

UINT GetTextAlign(HDC hdc)
{
    return WithDC(hdc, static_cast<UINT>(GDI_ERROR),
                  [](DeviceContext& dc) { return dc.State().textAlign; });
}

UINT SetTextAlign(HDC hdc, UINT align)
{
    return WithDC(hdc, static_cast<UINT>(GDI_ERROR), [&](DeviceContext& dc) {
        const UINT old = dc.State().textAlign;
        dc.State().textAlign = align & TA_MASK;
        return old;
    });
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old)
{
    return WithDC(hdc, FALSE, [&](DeviceContext& dc) {
        if (old)
            *old = dc.State().brushOrg;
        dc.State().brushOrg = POINT{x, y};
        return TRUE;
    });
}

BOOL GetBrushOrgEx(HDC hdc, LPPOINT org)
{
    return WithDC(hdc, FALSE, [&](DeviceContext& dc) {
        if (!org)
            return FALSE;
        *org = dc.State().brushOrg;
        return TRUE;
    });
}

COLORREF SetDCBrushColor(HDC hdc, COLORREF color)
{
    return WithDC(hdc, CLR_INVALID, [&](DeviceContext& dc) {
        const COLORREF old = dc.State().dcBrushColor;
        dc.State().dcBrushColor = color;
        return old;
    });
}

COLORREF SetDCPenColor(HDC hdc, COLORREF color)
{
    return WithDC(hdc, CLR_INVALID, [&](DeviceContext& dc) {
        const COLORREF old = dc.State().dcPenColor;
        dc.State().dcPenColor = color;
        return old;
    });
}

int SetGraphicsMode(HDC hdc, int mode)
{
    return WithDC(hdc, 0, [&](DeviceContext&) { return mode == GM_COMPATIBLE || mode == GM_ADVANCED ? GM_COMPATIBLE : 0; });
}
