#include "shapes.h"

#include <algorithm>
#include <cmath>

#include "lines.h"

namespace gdi {
namespace {

using ShapeFn = Region (*)(long long, long long, long long, long long, long long, long long,
                           const RECT&);

Region RoundShape(long long l, long long t, long long r, long long b, long long ew, long long eh,
                  const RECT& limit)
{
    return RoundRectRegionIn(l, t, r, b, ew, eh, limit);
}
Region EllipseShape(long long l, long long t, long long r, long long b, long long, long long,
                    const RECT& limit)
{
    return EllipseRegionIn(l, t, r, b, limit);
}
Region RectShape(long long l, long long t, long long r, long long b, long long, long long,
                 const RECT& limit)
{
    return RoundRectRegionIn(l, t, r, b, 0, 0, limit);
}

// Where a figure can show, in surface coordinates: the context's visible area grown by a small
// margin. Figures are built only inside it, so a circle a million pixels across that crosses a
// small window costs what the window costs. The margin keeps the cut edges (which the outline
// of a one-pixel pen would otherwise trace) outside what is drawn.
RECT ShapeLimit(DeviceContext& dc)
{
    const Region visible = dc.VisibleDeviceRegion();
    if (visible.IsEmpty())
        return RECT{0, 0, 0, 0};
    constexpr int kMargin = 2;
    const RECT b = visible.Bounds();
    const POINT o = dc.Origin();
    auto at = [](long long v) {
        return static_cast<LONG>(std::clamp<long long>(v, -(1 << 30), 1 << 30));
    };
    return RECT{at(static_cast<long long>(b.left) + o.x - kMargin),
                at(static_cast<long long>(b.top) + o.y - kMargin),
                at(static_cast<long long>(b.right) + o.x + kMargin),
                at(static_cast<long long>(b.bottom) + o.y + kMargin)};
}

struct ShapeParts {
    Region fill;
    Region frame;
};

// The interior and the pen's frame of a figure in `box`, as far as they lie in `limit`. A pen of
// width 1 (or an inside-frame pen) draws inside the box; a wider pen is centred on the figure's
// outline.
ShapeParts Parts(const RECT& box, const PenDraw& pen, ShapeFn shape, int ew, int eh,
                 const RECT& limit)
{
    ShapeParts p;
    const long long l = box.left, t = box.top, r = box.right, b = box.bottom;
    if (pen.none) {
        // Without a pen the figure is one pixel smaller, as in GDI.
        p.fill = shape(l, t, r - 1, b - 1, ew, eh, limit);
        return p;
    }
    const long long w = pen.width;
    if (w <= 1) {
        const Region outer = shape(l, t, r, b, ew, eh, limit);
        if (shape == RectShape) {
            const Region inside = l + 1 < r - 1 && t + 1 < b - 1
                                      ? RectShape(l + 1, t + 1, r - 1, b - 1, 0, 0, limit)
                                      : Region();
            p.frame = Region::Combine(outer, inside, RGN_DIFF);
        } else {
            p.frame = InnerBoundary(outer);
        }
        p.fill = Region::Combine(outer, p.frame, RGN_DIFF);
        return p;
    }
    long long ol, ot, orr, ob, il, it, ir, ib;
    if (pen.insideFrame) {
        ol = l, ot = t, orr = r, ob = b;
        il = l + w, it = t + w, ir = r - w, ib = b - w;
    } else {
        ol = l - w / 2, ot = t - w / 2, orr = r - 1 + (w + 1) / 2, ob = b - 1 + (w + 1) / 2;
        il = l + (w + 1) / 2, it = t + (w + 1) / 2, ir = r - 1 - w / 2, ib = b - 1 - w / 2;
    }
    const Region o = shape(ol, ot, orr, ob, ew + w, eh + w, limit);
    if (il < ir && it < ib)
        p.fill = shape(il, it, ir, ib, std::max<long long>(0, ew - w),
                       std::max<long long>(0, eh - w), limit);
    p.frame = Region::Combine(o, p.fill, RGN_DIFF);
    return p;
}

bool DrawParts(DeviceContext& dc, const ShapeParts& parts, const POINT* dashedOutline,
               int dashedCount)
{
    Target t;
    if (!dc.Begin(t))
        return true;
    FillRegion(t, parts.fill, BrushFill(dc, t, nullptr, dc.State().rop2));
    PenDraw pen = MakePen(dc, t);
    if (dashedOutline && !pen.Solid()) {
        DrawPolyline(t, pen, dashedOutline, dashedCount, true);
    } else if (!pen.none) {
        Fill f;
        f.none = false;
        f.color = pen.color;
        f.rop2 = pen.rop2;
        FillRegion(t, parts.frame, f);
    }
    dc.End(true);
    return true;
}

bool DrawShape(DeviceContext& dc, RECT box, ShapeFn shape, int ew, int eh)
{
    Target probe;
    probe.mono = false;
    const PenDraw pen = MakePen(dc, probe);
    const ShapeParts parts = Parts(box, pen, shape, ew, eh, ShapeLimit(dc));
    if (shape == RectShape && !pen.none && pen.width <= 1 && !pen.Solid()) {
        const POINT outline[4] = {{box.left, box.top},
                                  {box.right - 1, box.top},
                                  {box.right - 1, box.bottom - 1},
                                  {box.left, box.bottom - 1}};
        return DrawParts(dc, parts, outline, 4);
    }
    return DrawParts(dc, parts, nullptr, 0);
}

// Whether the direction (x, y) (y up) lies in the counter-clockwise sweep from s to e.
bool InSweep(double x, double y, double sx, double sy, double ex, double ey, bool full)
{
    if (full)
        return true;
    const double cs = sx * y - sy * x;   // s x p
    const double ce = x * ey - y * ex;   // p x e
    const double se = sx * ey - sy * ex; // s x e
    if (se > 0)
        return cs >= 0 && ce >= 0; // a sweep under half a turn
    return cs >= 0 || ce >= 0;     // half a turn or more
}

template <class Pred>
Region Filter(const Region& r, Pred keep)
{
    RegionBuilder builder;
    std::vector<int> spans;
    for (const Region::Band& b : r.Bands()) {
        for (int y = b.top; y < b.bottom; ++y) {
            spans.clear();
            for (int i = 0; i < b.count; ++i) {
                const int x1 = r.Xs()[b.first + 2 * i], x2 = r.Xs()[b.first + 2 * i + 1];
                int run = -1;
                for (int x = x1; x < x2; ++x) {
                    if (keep(x, y)) {
                        if (run < 0)
                            run = x;
                    } else if (run >= 0) {
                        spans.push_back(run);
                        spans.push_back(x);
                        run = -1;
                    }
                }
                if (run >= 0) {
                    spans.push_back(run);
                    spans.push_back(x2);
                }
            }
            builder.AddRows(y, y + 1, spans.data(), static_cast<int>(spans.size() / 2));
        }
    }
    return builder.Finish();
}

} // namespace

bool DrawRectangle(DeviceContext& dc, RECT box)
{
    return DrawShape(dc, box, RectShape, 0, 0);
}

bool DrawRoundRect(DeviceContext& dc, RECT box, int ew, int eh)
{
    return DrawShape(dc, box, RoundShape, ew, eh);
}

bool DrawEllipse(DeviceContext& dc, RECT box)
{
    return DrawShape(dc, box, EllipseShape, 0, 0);
}

bool DrawArc(DeviceContext& dc, RECT box, POINT start, POINT end, ArcKind kind,
             POINT* startPoint, POINT* endPoint)
{
    const double cx = (0.0 + box.left + box.right) / 2.0, cy = (0.0 + box.top + box.bottom) / 2.0;
    const double rx = (0.0 + box.right - box.left) / 2.0, ry = (0.0 + box.bottom - box.top) / 2.0;
    // Directions in a y-up frame; clockwise arcs are counter-clockwise ones reversed.
    double sx = start.x - cx, sy = -(start.y - cy), ex = end.x - cx, ey = -(end.y - cy);
    if (dc.State().arcDirection == AD_CLOCKWISE) {
        std::swap(sx, ex);
        std::swap(sy, ey);
    }
    if (sx == 0 && sy == 0)
        sx = 1;
    if (ex == 0 && ey == 0)
        ex = 1;
    const bool full = std::fabs(sx * ey - sy * ex) < 1e-12 && (sx * ex + sy * ey) > 0;
    auto onEllipse = [&](double dx, double dy) {
        const double k = 1.0 / std::sqrt((dx * dx) / (rx * rx) + (dy * dy) / (ry * ry));
        return POINT{static_cast<int>(std::floor(cx + dx * k)),
                     static_cast<int>(std::floor(cy - dy * k))};
    };
    POINT ps{box.left, box.top}, pe{box.left, box.top};
    if (rx > 0 && ry > 0) {
        ps = onEllipse(sx, sy);
        pe = onEllipse(ex, ey);
        ps.x = std::clamp<LONG>(ps.x, box.left, box.right - 1);
        pe.x = std::clamp<LONG>(pe.x, box.left, box.right - 1);
        ps.y = std::clamp<LONG>(ps.y, box.top, box.bottom - 1);
        pe.y = std::clamp<LONG>(pe.y, box.top, box.bottom - 1);
    }
    if (dc.State().arcDirection == AD_CLOCKWISE)
        std::swap(ps, pe);
    if (startPoint)
        *startPoint = ps;
    if (endPoint)
        *endPoint = pe;
    if (rx < 0.5 || ry < 0.5)
        return false;

    Target probe;
    PenDraw pen = MakePen(dc, probe);
    const ShapeParts parts = Parts(box, pen, EllipseShape, 0, 0, ShapeLimit(dc));
    auto sweep = [&](int x, int y) {
        return InSweep(x + 0.5 - cx, -(y + 0.5 - cy), sx, sy, ex, ey, full);
    };
    const Region frame = Filter(parts.frame, sweep);
    Region fill;
    if (kind == ArcKind::Pie) {
        fill = Filter(parts.fill, sweep);
    } else if (kind == ArcKind::Chord) {
        // The part of the ellipse on the arc's side of the chord.
        const double ax = ps.x + 0.5 - cx, ay = -(ps.y + 0.5 - cy);
        const double bx = pe.x + 0.5 - cx, by = -(pe.y + 0.5 - cy);
        fill = full ? parts.fill : Filter(parts.fill, [&](int x, int y) {
            const double px = x + 0.5 - cx, py = -(y + 0.5 - cy);
            const double cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
            return dc.State().arcDirection == AD_CLOCKWISE ? cross >= 0 : cross <= 0;
        });
    }
    Target t;
    if (!dc.Begin(t))
        return true;
    if (kind != ArcKind::Arc)
        FillRegion(t, fill, BrushFill(dc, t, nullptr, dc.State().rop2));
    pen = MakePen(dc, t);
    if (!pen.none) {
        Fill f;
        f.none = false;
        f.color = pen.color;
        f.rop2 = pen.rop2;
        FillRegion(t, frame, f);
        const POINT centre{static_cast<LONG>(std::floor(cx)), static_cast<LONG>(std::floor(cy))};
        if (kind == ArcKind::Pie && !full) {
            DrawSegment(t, pen, centre, ps, true);
            DrawSegment(t, pen, centre, pe, true);
        } else if (kind == ArcKind::Chord && !full) {
            DrawSegment(t, pen, ps, pe, true);
        }
    }
    dc.End(true);
    return true;
}

bool DrawPolygons(DeviceContext& dc, const POINT* points, const int* counts, int polygons)
{
    const Region fill = PolygonRegion(points, counts, polygons, dc.State().polyFillMode);
    Target t;
    if (!dc.Begin(t))
        return true;
    FillRegion(t, fill, BrushFill(dc, t, nullptr, dc.State().rop2));
    PenDraw pen = MakePen(dc, t);
    const POINT* p = points;
    for (int i = 0; i < polygons; ++i) {
        pen.dashPos = 0;
        DrawPolyline(t, pen, p, counts[i], true);
        p += counts[i];
    }
    dc.End(true);
    return true;
}

bool DrawLines(DeviceContext& dc, const POINT* points, int count)
{
    Target t;
    if (!dc.Begin(t))
        return true;
    PenDraw pen = MakePen(dc, t);
    DrawPolyline(t, pen, points, count, false);
    dc.End(true);
    return true;
}

} // namespace gdi
