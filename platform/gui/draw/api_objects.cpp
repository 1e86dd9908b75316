// Win32 GDI object functions: stock objects, pens, brushes, fonts, palettes; deleting and
// describing objects.
#include <algorithm>
#include <cstring>

#include "bitmap.h"
#include "bmpread.h"
#include "dc.h"
#include "font.h"
#include "stock.h"
#include "win32/gdi.h"

using namespace gdi;

HGDIOBJ GetStockObject(int index)
{
    if (index < WHITE_BRUSH || index > DC_PEN || index == 9)
        return nullptr;
    return StockHandle(index);
}

BOOL DeleteObject(HGDIOBJ object)
{
    Object* o = Find(object);
    if (!o || o->kind == Kind::DC)
        return FALSE;
    if (o->stock)
        return TRUE; // stock objects are never deleted
    return RemoveObject(object) ? TRUE : FALSE;
}

DWORD GetObjectType(HGDIOBJ object)
{
    Object* o = Find(object);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::Pen: return OBJ_PEN;
    case Kind::Brush: return OBJ_BRUSH;
    case Kind::Font: return OBJ_FONT;
    case Kind::Bitmap: return OBJ_BITMAP;
    case Kind::Region: return OBJ_REGION;
    case Kind::Palette: return OBJ_PAL;
    case Kind::DC: return static_cast<DeviceContext*>(o)->IsMemory() ? OBJ_MEMDC : OBJ_DC;
    }
    return 0;
}

namespace {

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer)
{
    if (!buffer)
        return static_cast<int>(sizeof(T));
    const int n = std::min(size, static_cast<int>(sizeof(T)));
    if (n <= 0)
        return 0;
    std::memcpy(buffer, &value, static_cast<size_t>(n));
    return n;
}

} // namespace

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer)
{
    Object* o = Find(object);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::Pen: {
        auto* p = static_cast<PenObject*>(o);
        LOGPEN lp{static_cast<UINT>(p->style), POINT{p->width, 0}, p->color};
        return CopyOut(lp, size, buffer);
    }
    case Kind::Brush: {
        auto* b = static_cast<BrushObject*>(o);
        LOGBRUSH lb{static_cast<UINT>(b->style), b->color, static_cast<ULONG_PTR>(b->hatch)};
        return CopyOut(lb, size, buffer);
    }
    case Kind::Font:
        return CopyOut(static_cast<FontObject*>(o)->logfont, size, buffer);
    case Kind::Bitmap: {
        auto* b = static_cast<Bitmap*>(o);
        if (b->IsDib() && size >= static_cast<int>(sizeof(DIBSECTION)) && buffer) {
            DIBSECTION ds{};
            b->FillBITMAP(ds.dsBm);
            const DibFormat& f = b->Format();
            ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
            ds.dsBmih.biWidth = f.width;
            ds.dsBmih.biHeight = f.bottomUp ? f.height : -f.height;
            ds.dsBmih.biPlanes = 1;
            ds.dsBmih.biBitCount = static_cast<WORD>(f.bpp);
            ds.dsBmih.biCompression = f.compression;
            ds.dsBmih.biSizeImage = static_cast<DWORD>(f.stride * f.height);
            std::memcpy(ds.dsBitfields, f.masks, sizeof ds.dsBitfields);
            return CopyOut(ds, size, buffer);
        }
        BITMAP bm{};
        b->FillBITMAP(bm);
        return CopyOut(bm, size, buffer);
    }
    case Kind::Palette: {
        const WORD n = static_cast<WORD>(static_cast<PaletteObject*>(o)->entries.size());
        return CopyOut(n, size, buffer);
    }
    default:
        return 0;
    }
}

BOOL UnrealizeObject(HGDIOBJ object)
{
    return Find(object) ? TRUE : FALSE;
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    const int s = style & PS_STYLE_MASK;
    if (s > PS_ALTERNATE)
        return nullptr;
    auto p = std::make_shared<PenObject>();
    p->style = s == PS_USERSTYLE ? PS_SOLID : s;
    p->fullStyle = static_cast<DWORD>(style);
    p->width = std::clamp(width, 0, 1 << 16);
    p->color = color;
    return static_cast<HPEN>(AddObject(p));
}

HPEN CreatePenIndirect(const LOGPEN* pen)
{
    return pen ? CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor)
               : nullptr;
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount,
                  const DWORD* styles)
{
    if (!brush)
        return nullptr;
    const int s = static_cast<int>(style & PS_STYLE_MASK);
    if (s == PS_USERSTYLE && (styleCount == 0 || styleCount > 16 || !styles))
        return nullptr;
    auto p = std::make_shared<PenObject>();
    p->style = brush->lbStyle == BS_NULL ? PS_NULL : s;
    p->fullStyle = style;
    p->width = static_cast<int>(std::min<DWORD>(width, 1 << 16));
    p->color = brush->lbColor;
    if (s == PS_USERSTYLE)
        p->dashes.assign(styles, styles + styleCount);
    return static_cast<HPEN>(AddObject(p));
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto b = std::make_shared<BrushObject>();
    b->color = color;
    return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color)
{
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return nullptr;
    auto b = std::make_shared<BrushObject>();
    b->style = BS_HATCHED;
    b->hatch = hatch;
    b->color = color;
    return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    auto* bm = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    if (!bm)
        return nullptr;
    auto pattern = std::make_shared<Pattern>();
    MiscSurface s;
    bm->CopyTo(s);
    pattern->width = s.width;
    pattern->height = s.height;
    pattern->pixels = std::move(s.pixels);
    pattern->mono = bm->IsMono();
    auto b = std::make_shared<BrushObject>();
    b->style = BS_PATTERN;
    b->pattern = pattern;
    return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage)
{
    DibFormat f;
    const auto* info = static_cast<const BITMAPINFO*>(packedDib);
    if (!ParseDibFormat(info, usage, f))
        return nullptr;
    size_t offset = info->bmiHeader.biSize;
    if (f.compression == BI_BITFIELDS && info->bmiHeader.biSize == 40)
        offset += 12;
    if (f.bpp <= 8) {
        const DWORD used = info->bmiHeader.biSize >= 40 ? info->bmiHeader.biClrUsed : 0;
        const size_t count = used ? std::min<size_t>(used, 1u << f.bpp) : (1u << f.bpp);
        offset += count * (usage == DIB_PAL_COLORS ? 2 : 4);
    }
    auto pattern = std::make_shared<Pattern>();
    if (!DecodeDibBits(f, static_cast<const uint8_t*>(packedDib) + offset, SIZE_MAX,
                       pattern->pixels))
        return nullptr;
    pattern->width = f.width;
    pattern->height = f.height;
    auto b = std::make_shared<BrushObject>();
    b->style = BS_DIBPATTERNPT;
    b->pattern = pattern;
    return static_cast<HBRUSH>(AddObject(b));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush)
{
    if (!brush)
        return nullptr;
    switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    case BS_DIBPATTERNPT:
        return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(brush->lbHatch),
                                       static_cast<UINT>(brush->lbColor & 0xFFFF));
    default: return nullptr;
    }
}

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    if (!font)
        return nullptr;
    auto f = std::make_shared<FontObject>();
    f->logfont = *font;
    f->logfont.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(AddObject(f));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  LPCSTR face)
{
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (face)
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

const char* MiscFontFileFor(const LOGFONTA* font)
{
    static std::string last;
    if (!font)
        return nullptr;
    last = FontFileFor(*font);
    return last.c_str();
}

HPALETTE CreatePalette(const LOGPALETTE* palette)
{
    if (!palette || palette->palNumEntries == 0)
        return nullptr;
    auto p = std::make_shared<PaletteObject>();
    p->entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return static_cast<HPALETTE>(AddObject(p));
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !FindAs<PaletteObject>(palette, Kind::Palette))
        return nullptr;
    HGDIOBJ old = dc->State().hPalette;
    dc->State().hPalette = palette;
    return static_cast<HPALETTE>(old);
}

UINT RealizePalette(HDC hdc)
{
    return FindDC(hdc) ? 0 : static_cast<UINT>(GDI_ERROR);
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries)
{
    auto* p = FindAs<PaletteObject>(palette, Kind::Palette);
    if (!p)
        return 0;
    const UINT n = static_cast<UINT>(p->entries.size());
    if (!entries)
        return n;
    if (start >= n)
        return 0;
    const UINT m = std::min(count, n - start);
    std::copy(p->entries.begin() + start, p->entries.begin() + start + m, entries);
    return m;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color)
{
    auto* p = FindAs<PaletteObject>(palette, Kind::Palette);
    if (!p || p->entries.empty())
        return CLR_INVALID;
    UINT best = 0;
    int bestDist = 1 << 30;
    for (size_t i = 0; i < p->entries.size(); ++i) {
        const int dr = p->entries[i].peRed - GetRValue(color);
        const int dg = p->entries[i].peGreen - GetGValue(color);
        const int db = p->entries[i].peBlue - GetBValue(color);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist)
            bestDist = d, best = static_cast<UINT>(i);
    }
    return best;
}

COLORREF GetNearestColor(HDC hdc, COLORREF color)
{
    return FindDC(hdc) ? PlainColor(color) : CLR_INVALID;
}
