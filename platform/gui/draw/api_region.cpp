// Win32 region and clipping functions. Region objects hold device coordinates; the clip
// region of a context is kept in device coordinates too.
#include <algorithm>
#include <vector>

#include "dc.h"
#include "paint.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

Region* FindRegion(HRGN h)
{
    auto* r = FindAs<RegionObject>(h, Kind::Region);
    return r ? &r->region : nullptr;
}

HRGN AddRegion(Region r)
{
    auto o = std::make_shared<RegionObject>();
    o->region = std::move(r);
    return static_cast<HRGN>(AddObject(o));
}

// Total points of a poly-polygon, or -1 when the counts are unusable.
long long TotalPoints(const INT* counts, int polygons)
{
    if (!counts || polygons <= 0 || polygons > (1 << 20))
        return -1;
    long long total = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 0)
            return -1;
        total += counts[i];
    }
    return total;
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return AddRegion(Region(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height)
{
    return AddRegion(RoundRectRegion(left, top, right, bottom, width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return AddRegion(EllipseRegion(left, top, right, bottom));
}

HRGN CreateEllipticRgnIndirect(const RECT* rect)
{
    return rect ? CreateEllipticRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    return CreatePolyPolygonRgn(points, &count, 1, fillMode);
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode)
{
    if (!points || TotalPoints(counts, polygons) < 0 ||
        (fillMode != ALTERNATE && fillMode != WINDING))
        return nullptr;
    return AddRegion(PolygonRegion(points, counts, polygons, fillMode));
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode)
{
    Region* d = FindRegion(dst);
    Region* a = FindRegion(src1);
    if (!d || !a || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        *d = *a;
        return d->Complexity();
    }
    Region* b = FindRegion(src2);
    if (!b)
        return ERROR;
    *d = Region::Combine(*a, *b, mode);
    return d->Complexity();
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    Region* r = FindRegion(region);
    if (!r)
        return FALSE;
    r->SetRect(left, top, right, bottom);
    return TRUE;
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    Region* r = FindRegion(region);
    if (!r)
        return ERROR;
    r->Offset(dx, dy);
    return r->Complexity();
}

int GetRgnBox(HRGN region, LPRECT rect)
{
    Region* r = FindRegion(region);
    if (!r || !rect)
        return ERROR;
    *rect = r->Bounds();
    return r->Complexity();
}

BOOL PtInRegion(HRGN region, int x, int y)
{
    Region* r = FindRegion(region);
    return r && r->Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect)
{
    Region* r = FindRegion(region);
    if (!r || !rect)
        return FALSE;
    RECT n{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
           std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
    return r->IntersectsRect(n) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    Region* ra = FindRegion(a);
    Region* rb = FindRegion(b);
    if (!ra || !rb)
        return ERROR;
    return *ra == *rb ? TRUE : FALSE;
}

namespace {

// A region of logical coordinates moved to surface coordinates (translation only, as GDI
// region drawing does in the unscaled modes).
Region ToSurface(DeviceContext& dc, const Region& r)
{
    Region s = r;
    const POINT o = dc.ToSurface(0, 0);
    s.Offset(o.x, o.y);
    return s;
}

bool PaintRegion(HDC hdc, HRGN region, const BrushObject* brush, int rop2, bool invert)
{
    DeviceContext* dc = FindDC(hdc);
    Region* r = FindRegion(region);
    if (!dc || !r)
        return false;
    const Region s = ToSurface(*dc, *r);
    Target t;
    if (!dc->Begin(t))
        return true;
    if (invert) {
        Fill f;
        f.none = false;
        f.rop2 = R2_NOT;
        FillRegion(t, s, f);
    } else {
        FillRegion(t, s, BrushFill(*dc, t, brush, rop2));
    }
    dc->End(true);
    return true;
}

} // namespace

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush)
{
    auto* b = FindAs<BrushObject>(brush, Kind::Brush);
    if (!b)
        return FALSE;
    return PaintRegion(hdc, region, b, R2_COPYPEN, false) ? TRUE : FALSE;
}

BOOL PaintRgn(HDC hdc, HRGN region)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    return PaintRegion(hdc, region, nullptr, dc->State().rop2, false) ? TRUE : FALSE;
}

BOOL InvertRgn(HDC hdc, HRGN region)
{
    return PaintRegion(hdc, region, nullptr, R2_NOT, true) ? TRUE : FALSE;
}

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height)
{
    DeviceContext* dc = FindDC(hdc);
    Region* r = FindRegion(region);
    auto* b = FindAs<BrushObject>(brush, Kind::Brush);
    if (!dc || !r || !b || width <= 0 || height <= 0)
        return FALSE;
    // The frame is the region minus the region shrunk by width and height: the intersection of
    // the region moved by every offset up to the frame size on each side.
    Region inner = *r;
    for (int d = 1; d <= std::min(width, 1 << 12); ++d) {
        Region left = *r, right = *r;
        left.Offset(-d, 0);
        right.Offset(d, 0);
        inner = Region::Combine(Region::Combine(inner, left, RGN_AND), right, RGN_AND);
    }
    for (int d = 1; d <= std::min(height, 1 << 12); ++d) {
        Region up = *r, down = *r;
        up.Offset(0, -d);
        down.Offset(0, d);
        inner = Region::Combine(Region::Combine(inner, up, RGN_AND), down, RGN_AND);
    }
    const Region frame = ToSurface(*dc, Region::Combine(*r, inner, RGN_DIFF));
    Target t;
    if (!dc->Begin(t))
        return TRUE;
    FillRegion(t, frame, BrushFill(*dc, t, b, R2_COPYPEN));
    dc->End(true);
    return TRUE;
}

// ---- Clipping ----

BOOL MiscSetDCSystemClip(HDC hdc, HRGN region)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || dc->IsMemory())
        return FALSE;
    if (!region) {
        dc->SetSystemRegion(nullptr);
        return TRUE;
    }
    Region* r = FindRegion(region);
    if (!r)
        return FALSE;
    dc->SetSystemRegion(r);
    return TRUE;
}

namespace {

// Rectangle in logical coordinates to device coordinates, ordered.
RECT DeviceRect(DeviceContext& dc, int l, int t, int r, int b)
{
    const POINT a = dc.ToDevice(l, t), c = dc.ToDevice(r, b);
    return RECT{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
}

int ClipResult(DeviceContext& dc)
{
    return dc.VisibleDeviceRegion().Complexity();
}

} // namespace

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    DCState& s = dc->State();
    Region* r = FindRegion(region);
    if (!r) {
        if (mode != RGN_COPY || region)
            return ERROR;
        s.hasClip = false; // a null region with RGN_COPY removes the clip region
        s.clip.Clear();
    } else if (mode == RGN_COPY) {
        s.hasClip = true;
        s.clip = *r;
    } else if (mode >= RGN_AND && mode <= RGN_DIFF) {
        // Without a clip region the whole device surface stands in for it.
        const SIZE size = dc->SurfaceSize();
        Region current = s.hasClip ? s.clip : Region(-dc->Origin().x, -dc->Origin().y,
                                                     size.cx - dc->Origin().x,
                                                     size.cy - dc->Origin().y);
        s.clip = Region::Combine(current, *r, mode);
        s.hasClip = true;
    } else {
        return ERROR;
    }
    dc->ClipChanged();
    return ClipResult(*dc);
}

int SelectClipRgn(HDC hdc, HRGN region)
{
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    DCState& s = dc->State();
    const RECT r = DeviceRect(*dc, left, top, right, bottom);
    if (s.hasClip)
        s.clip = s.clip.Intersected(r);
    else
        s.clip = Region(r);
    s.hasClip = true;
    dc->ClipChanged();
    return ClipResult(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    DCState& s = dc->State();
    const RECT r = DeviceRect(*dc, left, top, right, bottom);
    if (!s.hasClip) {
        const SIZE size = dc->SurfaceSize();
        s.clip = Region(-dc->Origin().x, -dc->Origin().y, size.cx - dc->Origin().x,
                        size.cy - dc->Origin().y);
    }
    s.clip = Region::Combine(s.clip, Region(r), RGN_DIFF);
    s.hasClip = true;
    dc->ClipChanged();
    return ClipResult(*dc);
}

int OffsetClipRgn(HDC hdc, int dx, int dy)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    DCState& s = dc->State();
    if (s.hasClip) {
        s.clip.Offset(dc->ScaleX(dx) * (dx < 0 ? -1 : 1), dc->ScaleY(dy) * (dy < 0 ? -1 : 1));
        dc->ClipChanged();
    }
    return ClipResult(*dc);
}

int GetClipBox(HDC hdc, LPRECT rect)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return ERROR;
    const Region v = dc->VisibleDeviceRegion();
    const RECT b = v.Bounds();
    const POINT a = dc->ToLogical(b.left, b.top), c = dc->ToLogical(b.right, b.bottom);
    *rect = RECT{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
    return v.Complexity();
}

int GetClipRgn(HDC hdc, HRGN region)
{
    DeviceContext* dc = FindDC(hdc);
    Region* r = FindRegion(region);
    if (!dc || !r)
        return -1;
    if (!dc->State().hasClip)
        return 0;
    *r = dc->State().clip;
    return 1;
}

BOOL PtVisible(HDC hdc, int x, int y)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return -1;
    const POINT p = dc->ToDevice(x, y);
    return dc->VisibleDeviceRegion().Contains(p.x, p.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC hdc, const RECT* rect)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    return dc->VisibleDeviceRegion().IntersectsRect(
               DeviceRect(*dc, rect->left, rect->top, rect->right, rect->bottom))
               ? TRUE
               : FALSE;
}
