// Win32 line and shape functions, pixels and the user32 rectangle painters.
#include <algorithm>
#include <cmath>
#include <vector>

#include "dc.h"
#include "lines.h"
#include "paint.h"
#include "shapes.h"
#include "stock.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

constexpr long long kMaxPoints = 1 << 24;

std::vector<POINT> ToSurface(DeviceContext& dc, const POINT* points, size_t count)
{
    std::vector<POINT> out(count);
    for (size_t i = 0; i < count; ++i)
        out[i] = dc.ToSurface(points[i].x, points[i].y);
    return out;
}

RECT SurfaceBox(DeviceContext& dc, int l, int t, int r, int b)
{
    const POINT a = dc.ToSurface(l, t), c = dc.ToSurface(r, b);
    return RECT{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
}

// Flattens a cubic Bezier from p0 (exclusive) to p3 (inclusive) into points.
void Flatten(POINT p0, POINT p1, POINT p2, POINT p3, std::vector<POINT>& out)
{
    const double len = std::hypot(p1.x - p0.x, p1.y - p0.y) + std::hypot(p2.x - p1.x, p2.y - p1.y) +
                       std::hypot(p3.x - p2.x, p3.y - p2.y);
    const int steps = std::clamp(static_cast<int>(len / 4), 1, 256);
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        out.push_back(POINT{static_cast<LONG>(std::lround(a * p0.x + b * p1.x + c * p2.x + d * p3.x)),
                            static_cast<LONG>(std::lround(a * p0.y + b * p1.y + c * p2.y + d * p3.y))});
    }
}

const BrushObject* BrushArg(HBRUSH brush)
{
    // user32 accepts a system colour index + 1 in place of a brush.
    const uintptr_t v = reinterpret_cast<uintptr_t>(brush);
    if (v >= 1 && v <= MISC_SYSCOLOR_COUNT)
        return FindAs<BrushObject>(StockHandle(kSysColorBrushBase + static_cast<int>(v) - 1),
                                   Kind::Brush);
    return FindAs<BrushObject>(brush, Kind::Brush);
}

bool PatFill(HDC hdc, const RECT* rect, const BrushObject* brush, uint8_t rop3, bool frame)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect || (!brush && rop3 != 0x55))
        return false;
    const RECT r = SurfaceBox(*dc, rect->left, rect->top, rect->right, rect->bottom);
    if (r.left >= r.right || r.top >= r.bottom)
        return true;
    Target t;
    if (!dc->Begin(t))
        return true;
    const Fill f = brush ? BrushFill(*dc, t, brush, R2_COPYPEN) : Fill();
    if (frame) {
        PatRect(t, RECT{r.left, r.top, r.right, r.top + 1}, f, rop3);
        if (r.bottom - r.top > 1)
            PatRect(t, RECT{r.left, r.bottom - 1, r.right, r.bottom}, f, rop3);
        PatRect(t, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, f, rop3);
        if (r.right - r.left > 1)
            PatRect(t, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, f, rop3);
    } else if (rop3 == 0xF0) {
        FillRect(t, r, f); // the fast path of solid fills
    } else {
        PatRect(t, r, f, rop3);
    }
    dc->End(true);
    return true;
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT old)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->State().pos;
    dc->State().pos = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT pos)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !pos)
        return FALSE;
    *pos = dc->State().pos;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const POINT pts[2] = {dc->ToSurface(dc->State().pos.x, dc->State().pos.y), dc->ToSurface(x, y)};
    DrawLines(*dc, pts, 2);
    dc->State().pos = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count < 2 || count > kMaxPoints)
        return FALSE;
    const auto pts = ToSurface(*dc, points, static_cast<size_t>(count));
    DrawLines(*dc, pts.data(), count);
    return TRUE;
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count > kMaxPoints)
        return FALSE;
    if (count == 0)
        return TRUE;
    std::vector<POINT> pts;
    pts.reserve(count + 1);
    pts.push_back(dc->ToSurface(dc->State().pos.x, dc->State().pos.y));
    for (DWORD i = 0; i < count; ++i)
        pts.push_back(dc->ToSurface(points[i].x, points[i].y));
    DrawLines(*dc, pts.data(), static_cast<int>(pts.size()));
    dc->State().pos = points[count - 1];
    return TRUE;
}

BOOL PolyPolyline(HDC hdc, const POINT* points, const DWORD* counts, DWORD polylines)
{
    if (!points || !counts)
        return FALSE;
    long long offset = 0;
    for (DWORD i = 0; i < polylines; ++i) {
        if (counts[i] < 2 || offset + counts[i] > kMaxPoints)
            return FALSE;
        if (!Polyline(hdc, points + offset, static_cast<int>(counts[i])))
            return FALSE;
        offset += counts[i];
    }
    return TRUE;
}

BOOL PolyBezier(HDC hdc, const POINT* points, DWORD count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count < 4 || (count - 1) % 3 != 0 || count > kMaxPoints)
        return FALSE;
    const auto pts = ToSurface(*dc, points, count);
    std::vector<POINT> line{pts[0]};
    for (DWORD i = 0; i + 3 < count; i += 3)
        Flatten(pts[i], pts[i + 1], pts[i + 2], pts[i + 3], line);
    DrawLines(*dc, line.data(), static_cast<int>(line.size()));
    return TRUE;
}

BOOL PolyBezierTo(HDC hdc, const POINT* points, DWORD count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count % 3 != 0 || count > kMaxPoints)
        return FALSE;
    std::vector<POINT> all{dc->State().pos};
    all.insert(all.end(), points, points + count);
    if (count == 0)
        return TRUE;
    const BOOL ok = PolyBezier(hdc, all.data(), static_cast<DWORD>(all.size()));
    dc->State().pos = points[count - 1];
    return ok;
}

BOOL Polygon(HDC hdc, const POINT* points, int count)
{
    return PolyPolygon(hdc, points, &count, 1);
}

BOOL PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || !counts || polygons <= 0 || polygons > (1 << 20))
        return FALSE;
    long long total = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 2)
            return FALSE;
        total += counts[i];
    }
    if (total > kMaxPoints)
        return FALSE;
    const auto pts = ToSurface(*dc, points, static_cast<size_t>(total));
    return DrawPolygons(*dc, pts.data(), counts, polygons) ? TRUE : FALSE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    return dc && DrawRectangle(*dc, SurfaceBox(*dc, left, top, right, bottom)) ? TRUE : FALSE;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height)
{
    DeviceContext* dc = FindDC(hdc);
    return dc && DrawRoundRect(*dc, SurfaceBox(*dc, left, top, right, bottom), dc->ScaleX(width),
                               dc->ScaleY(height))
               ? TRUE
               : FALSE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    return dc && DrawEllipse(*dc, SurfaceBox(*dc, left, top, right, bottom)) ? TRUE : FALSE;
}

namespace {

BOOL ArcCommon(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye, ArcKind kind,
               bool moveTo)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const RECT box = SurfaceBox(*dc, l, t, r, b);
    const POINT from = dc->ToSurface(dc->State().pos.x, dc->State().pos.y);
    POINT ps, pe;
    const bool ok =
        DrawArc(*dc, box, dc->ToSurface(xs, ys), dc->ToSurface(xe, ye), kind, &ps, &pe);
    if (moveTo) {
        // ArcTo: a line from the current position to the arc's start; the arc's end becomes
        // the current position.
        const POINT line[2] = {from, ps};
        DrawLines(*dc, line, 2);
        dc->State().pos = dc->ToLogical(pe.x - dc->Origin().x, pe.y - dc->Origin().y);
    }
    return ok ? TRUE : FALSE;
}

} // namespace

BOOL Arc(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    return ArcCommon(hdc, l, t, r, b, xs, ys, xe, ye, ArcKind::Arc, false);
}

BOOL ArcTo(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    return ArcCommon(hdc, l, t, r, b, xs, ys, xe, ye, ArcKind::Arc, true);
}

BOOL Chord(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    return ArcCommon(hdc, l, t, r, b, xs, ys, xe, ye, ArcKind::Chord, false);
}

BOOL Pie(HDC hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye)
{
    return ArcCommon(hdc, l, t, r, b, xs, ys, xe, ye, ArcKind::Pie, false);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    const POINT p = dc->ToSurface(x, y);
    Target t;
    if (!dc->Begin(t))
        return CLR_INVALID;
    if (!t.Visible(p.x, p.y)) {
        dc->End(false);
        return CLR_INVALID;
    }
    const uint32_t px = TargetPixel(t, color);
    t.view.Row(p.y)[p.x] = px | t.view.alphaOr;
    dc->End(true);
    return MiscColorFromPixel(px);
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color)
{
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    const POINT p = dc->ToSurface(x, y);
    Target t;
    if (!dc->Begin(t))
        return CLR_INVALID;
    COLORREF c = CLR_INVALID;
    if (t.Visible(p.x, p.y))
        c = MiscColorFromPixel(t.view.Row(p.y)[p.x]);
    dc->End(false);
    return c;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    const BrushObject* b = BrushArg(brush);
    return b && PatFill(hdc, rect, b, 0xF0, false) ? 1 : 0;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    const BrushObject* b = BrushArg(brush);
    return b && PatFill(hdc, rect, b, 0xF0, true) ? 1 : 0;
}

BOOL InvertRect(HDC hdc, const RECT* rect)
{
    return PatFill(hdc, rect, nullptr, 0x55, false) ? TRUE : FALSE;
}
