// CGdiObject and its families: thin owners of GDI handles, with the permanent and temporary
// handle maps behind FromHandle.
#include <unordered_map>

#include "mfc/gdi.h"
#include "win32/base.h"
#include "mfc/module.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

struct GdiMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> permanent;
    std::unordered_map<HGDIOBJ, CGdiObject*> temporary;
};

GdiMaps& Maps()
{
    static GdiMaps* maps = new GdiMaps();
    return *maps;
}

// A wrapper of the object's own class, so that a CPen* from FromHandle is a real CPen.
CGdiObject* NewWrapper(HGDIOBJ handle)
{
    switch (::GetObjectType(handle)) {
    case OBJ_PEN: return new CPen();
    case OBJ_BRUSH: return new CBrush();
    case OBJ_FONT: return new CFont();
    case OBJ_BITMAP: return new CBitmap();
    case OBJ_PAL: return new CPalette();
    case OBJ_REGION: return new CRgn();
    default: return nullptr;
    }
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    GdiMaps& m = Maps();
    if (auto it = m.permanent.find(handle); it != m.permanent.end())
        return it->second;
    if (auto it = m.temporary.find(handle); it != m.temporary.end())
        return it->second;
    CGdiObject* wrapper = NewWrapper(handle);
    if (!wrapper)
        return nullptr;
    wrapper->m_hObject = handle;
    m.temporary[handle] = wrapper;
    return wrapper;
}

void CGdiObject::DeleteTempMap()
{
    GdiMaps& m = Maps();
    auto temps = std::move(m.temporary);
    m.temporary.clear();
    for (auto& [handle, wrapper] : temps) {
        wrapper->m_hObject = nullptr; // the handle belongs to someone else
        delete wrapper;
    }
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (!handle)
        return FALSE;
    if (m_hObject)
        Detach(); // MFC keeps the earlier object alive; so do we
    m_hObject = handle;
    Maps().permanent[handle] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h) {
        auto& perm = Maps().permanent;
        if (auto it = perm.find(h); it != perm.end() && it->second == this)
            perm.erase(it);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ h = Detach();
    // A temporary wrapper of this handle would dangle; drop it with the handle.
    auto& temp = Maps().temporary;
    if (auto it = temp.find(h); it != temp.end() && it->second != this) {
        it->second->m_hObject = nullptr;
        delete it->second;
        temp.erase(it);
    } else if (it != temp.end()) {
        temp.erase(it);
    }
    return ::DeleteObject(h);
}

int CGdiObject::GetObject(int count, LPVOID buffer) const
{
    return ::GetObjectA(m_hObject, count, buffer);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(::GetStockObject(index));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

// ---- CPen ----

CPen::CPen(int style, int width, COLORREF color)
{
    Attach(::CreatePen(style, width, color));
}

CPen::CPen(int style, int width, const LOGBRUSH* brush, int styleCount, const DWORD* styles)
{
    Attach(::ExtCreatePen(static_cast<DWORD>(style), static_cast<DWORD>(width), brush,
                          static_cast<DWORD>(styleCount), styles));
}

CPen* CPen::FromHandle(HPEN pen)
{
    return static_cast<CPen*>(CGdiObject::FromHandle(pen));
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return Attach(::CreatePen(style, width, color));
}

BOOL CPen::CreatePen(int style, int width, const LOGBRUSH* brush, int styleCount,
                     const DWORD* styles)
{
    return Attach(::ExtCreatePen(static_cast<DWORD>(style), static_cast<DWORD>(width), brush,
                                 static_cast<DWORD>(styleCount), styles));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN pen)
{
    return Attach(::CreatePenIndirect(pen));
}

int CPen::GetLogPen(LOGPEN* pen) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGPEN), pen);
}

// ---- CBrush ----

CBrush::CBrush(COLORREF color)
{
    Attach(::CreateSolidBrush(color));
}

CBrush::CBrush(int hatch, COLORREF color)
{
    Attach(::CreateHatchBrush(hatch, color));
}

CBrush::CBrush(CBitmap* bitmap)
{
    Attach(::CreatePatternBrush(bitmap ? static_cast<HBITMAP>(bitmap->m_hObject) : nullptr));
}

CBrush* CBrush::FromHandle(HBRUSH brush)
{
    return static_cast<CBrush*>(CGdiObject::FromHandle(brush));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color)
{
    return Attach(::CreateHatchBrush(hatch, color));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* brush)
{
    return Attach(::CreateBrushIndirect(brush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap)
{
    return Attach(::CreatePatternBrush(bitmap ? static_cast<HBITMAP>(bitmap->m_hObject) : nullptr));
}

BOOL CBrush::CreateDIBPatternBrush(const void* packedDib, UINT usage)
{
    return Attach(::CreateDIBPatternBrushPt(packedDib, usage));
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    return Attach(::GetSysColorBrush(index));
}

int CBrush::GetLogBrush(LOGBRUSH* brush) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGBRUSH), brush);
}

// ---- CFont ----

CFont* CFont::FromHandle(HFONT font)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(font));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* font)
{
    return Attach(::CreateFontIndirectA(font));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                       LPCTSTR face)
{
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic,
                                underline, strikeOut, charSet, outPrecision, clipPrecision,
                                quality, pitchAndFamily, face));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR face, CDC* dc)
{
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (face) {
        for (int i = 0; i < LF_FACESIZE - 1 && face[i]; ++i)
            lf.lfFaceName[i] = face[i];
    }
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* font, CDC* dc)
{
    if (!font)
        return FALSE;
    LOGFONTA lf = *font;
    // lfHeight holds tenths of a point: to pixels at 96 per inch, as a character height.
    const int dpi = dc && dc->m_hDC ? ::GetDeviceCaps(dc->m_hDC, LOGPIXELSY) : 96;
    const int px = ::MulDiv(dpi, lf.lfHeight, 720);
    lf.lfHeight = -(px < 0 ? -px : px);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONTA* font) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), font);
}

// ---- CBitmap ----

CBitmap* CBitmap::FromHandle(HBITMAP bitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(bitmap));
}

BOOL CBitmap::LoadBitmap(LPCTSTR name)
{
    if (HBITMAP h = ::LoadBitmapA(AfxGetResourceHandle(), name))
        return Attach(h);
    for (CDynLinkLibrary* lib = AfxGetFirstDynLinkLibrary(); lib; lib = lib->m_pNextDLL) {
        if (HBITMAP h = ::LoadBitmapA(lib->m_hResource, name))
            return Attach(h);
    }
    return FALSE;
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return LoadBitmap(MAKEINTRESOURCE(id));
}

BOOL CBitmap::LoadMappedBitmap(UINT id, UINT flags, void*, int)
{
    HINSTANCE module = AfxGetResourceHandle();
    HANDLE h = ::LoadImageA(module, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0,
                            LR_LOADMAP3DCOLORS | flags);
    if (!h)
        return LoadBitmap(id);
    return Attach(h);
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP bitmap)
{
    return Attach(::CreateBitmapIndirect(bitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc ? dc->m_hDC : nullptr, width, height));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* dc, int width, int height)
{
    return CreateCompatibleBitmap(dc, width, height);
}

int CBitmap::GetBitmap(BITMAP* bitmap) const
{
    return ::GetObjectA(m_hObject, sizeof(BITMAP), bitmap);
}

DWORD CBitmap::SetBitmapBits(DWORD size, const void* bits)
{
    return static_cast<DWORD>(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), size, bits));
}

DWORD CBitmap::GetBitmapBits(DWORD size, LPVOID bits) const
{
    return static_cast<DWORD>(::GetBitmapBits(static_cast<HBITMAP>(m_hObject),
                                              static_cast<LONG>(size), bits));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE s{0, 0};
    ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &s);
    return CSize(s);
}

// ---- CPalette ----

CPalette* CPalette::FromHandle(HPALETTE palette)
{
    return static_cast<CPalette*>(CGdiObject::FromHandle(palette));
}

BOOL CPalette::CreatePalette(LPLOGPALETTE palette)
{
    return Attach(::CreatePalette(palette));
}

int CPalette::GetEntryCount() const
{
    WORD n = 0;
    ::GetObjectA(m_hObject, sizeof n, &n);
    return n;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, LPPALETTEENTRY entries) const
{
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), start, count, entries);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF color) const
{
    return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), color);
}

// ---- CRgn ----

CRgn* CRgn::FromHandle(HRGN region)
{
    return static_cast<CRgn*>(CGdiObject::FromHandle(region));
}

BOOL CRgn::CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }
BOOL CRgn::CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }
BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rect) { return Attach(::CreateEllipticRgnIndirect(rect)); }

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode)
{
    return Attach(::CreatePolyPolygonRgn(points, counts, polygons, fillMode));
}

BOOL CRgn::CreateRoundRectRgn(int l, int t, int r, int b, int w, int h)
{
    return Attach(::CreateRoundRectRgn(l, t, r, b, w, h));
}

void CRgn::SetRectRgn(int l, int t, int r, int b) { ::SetRectRgn(static_cast<HRGN>(m_hObject), l, t, r, b); }

void CRgn::SetRectRgn(LPCRECT rect)
{
    if (rect)
        SetRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CRgn::CombineRgn(const CRgn* src1, const CRgn* src2, int mode)
{
    return ::CombineRgn(static_cast<HRGN>(m_hObject),
                        src1 ? static_cast<HRGN>(src1->m_hObject) : nullptr,
                        src2 ? static_cast<HRGN>(src2->m_hObject) : nullptr, mode);
}

int CRgn::CopyRgn(const CRgn* src)
{
    return CombineRgn(src, nullptr, RGN_COPY);
}

int CRgn::OffsetRgn(int dx, int dy) { return ::OffsetRgn(static_cast<HRGN>(m_hObject), dx, dy); }
int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
int CRgn::GetRgnBox(LPRECT rect) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), rect); }

BOOL CRgn::EqualRgn(const CRgn* other) const
{
    return other ? ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(other->m_hObject))
                 : FALSE;
}

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y); }
BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
BOOL CRgn::RectInRegion(LPCRECT rect) const { return ::RectInRegion(static_cast<HRGN>(m_hObject), rect); }
