// CDC: handles, creation, state, objects, attributes, mapping and clipping.
#include <unordered_map>

#include "mfc/gdi.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

struct DCMaps {
    std::unordered_map<HDC, CDC*> permanent;
    std::unordered_map<HDC, CDC*> temporary;
};

DCMaps& Maps()
{
    static DCMaps* maps = new DCMaps();
    return *maps;
}

template <class T>
T* Wrap(HGDIOBJ handle)
{
    return static_cast<T*>(CGdiObject::FromHandle(handle));
}

} // namespace

CDC::~CDC()
{
    if (m_hDC)
        DeleteDC();
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    DCMaps& m = Maps();
    if (auto it = m.permanent.find(dc); it != m.permanent.end())
        return it->second;
    if (auto it = m.temporary.find(dc); it != m.temporary.end())
        return it->second;
    CDC* wrapper = new CDC();
    wrapper->m_hDC = wrapper->m_hAttribDC = dc;
    m.temporary[dc] = wrapper;
    return wrapper;
}

void CDC::DeleteTempMap()
{
    DCMaps& m = Maps();
    auto temps = std::move(m.temporary);
    m.temporary.clear();
    for (auto& [handle, wrapper] : temps) {
        wrapper->m_hDC = wrapper->m_hAttribDC = nullptr; // not ours to delete
        delete wrapper;
    }
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc)
        return FALSE;
    if (m_hDC)
        Detach();
    m_hDC = m_hAttribDC = dc;
    Maps().permanent[dc] = this;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    if (h) {
        auto& perm = Maps().permanent;
        if (auto it = perm.find(h); it != perm.end() && it->second == this)
            perm.erase(it);
    }
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

void CDC::SetAttribDC(HDC dc) { m_hAttribDC = dc; }
void CDC::SetOutputDC(HDC dc) { m_hDC = dc; }
void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }
void CDC::ReleaseOutputDC() { m_hDC = nullptr; }

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    HDC h = Detach();
    // A temporary wrapper of the same handle would dangle.
    auto& temp = Maps().temporary;
    if (auto it = temp.find(h); it != temp.end()) {
        if (it->second != this) {
            it->second->m_hDC = it->second->m_hAttribDC = nullptr;
            delete it->second;
        }
        temp.erase(it);
    }
    return ::DeleteDC(h);
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

// ---- Objects ----

CPen* CDC::SelectObject(CPen* pen)
{
    return pen ? Wrap<CPen>(::SelectObject(m_hDC, pen->m_hObject)) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return brush ? Wrap<CBrush>(::SelectObject(m_hDC, brush->m_hObject)) : nullptr;
}

CFont* CDC::SelectObject(CFont* font)
{
    return font ? Wrap<CFont>(::SelectObject(m_hDC, font->m_hObject)) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap ? Wrap<CBitmap>(::SelectObject(m_hDC, bitmap->m_hObject)) : nullptr;
}

int CDC::SelectObject(CRgn* region)
{
    return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(region->m_hObject) : nullptr);
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    return object ? CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject)) : nullptr;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    return ::SelectObject(m_hDC, object);
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ stock = ::GetStockObject(index);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground)
{
    return palette ? Wrap<CPalette>(::SelectPalette(
                         m_hDC, static_cast<HPALETTE>(palette->m_hObject), forceBackground))
                   : nullptr;
}

UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }
COLORREF CDC::GetNearestColor(COLORREF color) const { return ::GetNearestColor(m_hAttribDC, color); }
CPen* CDC::GetCurrentPen() const { return Wrap<CPen>(::GetCurrentObject(m_hDC, OBJ_PEN)); }
CBrush* CDC::GetCurrentBrush() const { return Wrap<CBrush>(::GetCurrentObject(m_hDC, OBJ_BRUSH)); }
CFont* CDC::GetCurrentFont() const { return Wrap<CFont>(::GetCurrentObject(m_hDC, OBJ_FONT)); }
CBitmap* CDC::GetCurrentBitmap() const { return Wrap<CBitmap>(::GetCurrentObject(m_hDC, OBJ_BITMAP)); }
CPalette* CDC::GetCurrentPalette() const { return Wrap<CPalette>(::GetCurrentObject(m_hDC, OBJ_PAL)); }

// ---- Attributes ----

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }
int CDC::GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::SetPolyFillMode(int mode) { return ::SetPolyFillMode(m_hDC, mode); }
int CDC::SetROP2(int rop2) { return ::SetROP2(m_hDC, rop2); }
int CDC::SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
int CDC::GetArcDirection() const { return ::GetArcDirection(m_hAttribDC); }
int CDC::SetArcDirection(int direction) { return ::SetArcDirection(m_hDC, direction); }

CPoint CDC::GetBrushOrg() const
{
    POINT p{0, 0};
    ::GetBrushOrgEx(m_hDC, &p);
    return CPoint(p);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT p{0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &p);
    return CPoint(p);
}

CPoint CDC::SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

// ---- Coordinates ----

int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
int CDC::SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }

CPoint CDC::GetViewportOrg() const
{
    POINT p{0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &p);
    return CPoint(p);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT p{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &p);
    return CPoint(p);
}

CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT p{0, 0};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &p);
    return CPoint(p);
}

CSize CDC::GetViewportExt() const
{
    SIZE s{0, 0};
    ::GetViewportExtEx(m_hAttribDC, &s);
    return CSize(s);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE s{0, 0};
    ::SetViewportExtEx(m_hDC, cx, cy, &s);
    return CSize(s);
}

CSize CDC::SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }

CPoint CDC::GetWindowOrg() const
{
    POINT p{0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &p);
    return CPoint(p);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT p{0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &p);
    return CPoint(p);
}

CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

CPoint CDC::OffsetWindowOrg(int dx, int dy)
{
    POINT p{0, 0};
    ::OffsetWindowOrgEx(m_hDC, dx, dy, &p);
    return CPoint(p);
}

CSize CDC::GetWindowExt() const
{
    SIZE s{0, 0};
    ::GetWindowExtEx(m_hAttribDC, &s);
    return CSize(s);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE s{0, 0};
    ::SetWindowExtEx(m_hDC, cx, cy, &s);
    return CSize(s);
}

CSize CDC::SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }

void CDC::DPtoLP(LPPOINT points, int count) const { ::DPtoLP(m_hAttribDC, points, count); }
void CDC::DPtoLP(LPRECT rect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2); }
void CDC::LPtoDP(LPPOINT points, int count) const { ::LPtoDP(m_hAttribDC, points, count); }
void CDC::LPtoDP(LPRECT rect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(rect), 2); }

void CDC::DPtoLP(LPSIZE size) const
{
    POINT p[2] = {{0, 0}, {size->cx, size->cy}};
    ::DPtoLP(m_hAttribDC, p, 2);
    size->cx = p[1].x - p[0].x;
    size->cy = p[1].y - p[0].y;
}

void CDC::LPtoDP(LPSIZE size) const
{
    POINT p[2] = {{0, 0}, {size->cx, size->cy}};
    ::LPtoDP(m_hAttribDC, p, 2);
    size->cx = p[1].x - p[0].x;
    size->cy = p[1].y - p[0].y;
}

// ---- Regions and clipping ----

BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    return region && brush ? ::FillRgn(m_hDC, *region, *brush) : FALSE;
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height)
{
    return region && brush ? ::FrameRgn(m_hDC, *region, *brush, width, height) : FALSE;
}

BOOL CDC::InvertRgn(CRgn* region) { return region ? ::InvertRgn(m_hDC, *region) : FALSE; }
BOOL CDC::PaintRgn(CRgn* region) { return region ? ::PaintRgn(m_hDC, *region) : FALSE; }
int CDC::GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
BOOL CDC::RectVisible(LPCRECT rect) const { return ::RectVisible(m_hDC, rect); }

int CDC::SelectClipRgn(CRgn* region)
{
    return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(region->m_hObject) : nullptr);
}

int CDC::SelectClipRgn(CRgn* region, int mode)
{
    return ::ExtSelectClipRgn(m_hDC, region ? static_cast<HRGN>(region->m_hObject) : nullptr, mode);
}

int CDC::ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }

int CDC::ExcludeClipRect(LPCRECT rect)
{
    return rect ? ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

int CDC::IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }

int CDC::IntersectClipRect(LPCRECT rect)
{
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

int CDC::OffsetClipRgn(int dx, int dy) { return ::OffsetClipRgn(m_hDC, dx, dy); }
int CDC::OffsetClipRgn(SIZE size) { return OffsetClipRgn(size.cx, size.cy); }
