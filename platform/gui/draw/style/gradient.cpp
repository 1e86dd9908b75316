// GradientFill: rectangles shaded horizontally or vertically, and triangles.
#include <algorithm>
#include <cmath>

#include "../paint.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

uint32_t Mix(const TRIVERTEX& a, const TRIVERTEX& b, long long num, long long den)
{
    auto ch = [&](COLOR16 ca, COLOR16 cb) {
        const long long v = ca + (static_cast<long long>(cb) - ca) * num / (den ? den : 1);
        return static_cast<uint32_t>(std::clamp<long long>(v, 0, 0xFFFF) >> 8);
    };
    return 0xFF000000u | (ch(a.Red, b.Red) << 16) | (ch(a.Green, b.Green) << 8) | ch(a.Blue, b.Blue);
}

void FillRectGradient(DeviceContext& dc, const Target& t, const TRIVERTEX& v1,
                      const TRIVERTEX& v2, bool vertical)
{
    const POINT a = dc.ToSurface(v1.x, v1.y), b = dc.ToSurface(v2.x, v2.y);
    const int l = std::min(a.x, b.x), r = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    // Colours run from the first vertex's edge to the second's.
    const bool flip = vertical ? (a.y > b.y) : (a.x > b.x);
    const TRIVERTEX& from = flip ? v2 : v1;
    const TRIVERTEX& to = flip ? v1 : v2;
    Fill f;
    f.none = false;
    if (vertical) {
        const int n = bottom - top;
        for (int y = std::max(top, static_cast<int>(t.box.top)); y < std::min(bottom, static_cast<int>(t.box.bottom)); ++y) {
            f.color = t.mono ? TargetPixel(t, MiscColorFromPixel(Mix(from, to, y - top, n)))
                             : Mix(from, to, y - top, n);
            FillSpan(t, y, l, r, f);
        }
        return;
    }
    const int n = r - l;
    const int x0 = std::max(l, static_cast<int>(t.box.left));
    const int x1 = std::min(r, static_cast<int>(t.box.right));
    for (int x = x0; x < x1; ++x) {
        f.color = Mix(from, to, x - l, n);
        if (t.mono)
            f.color = TargetPixel(t, MiscColorFromPixel(f.color));
        for (int y = std::max(top, static_cast<int>(t.box.top)); y < std::min(bottom, static_cast<int>(t.box.bottom)); ++y)
            FillSpan(t, y, x, x + 1, f);
    }
}

void FillTriangle(DeviceContext& dc, const Target& t, const TRIVERTEX& v1, const TRIVERTEX& v2,
                  const TRIVERTEX& v3)
{
    const POINT p[3] = {dc.ToSurface(v1.x, v1.y), dc.ToSurface(v2.x, v2.y), dc.ToSurface(v3.x, v3.y)};
    const int count = 3;
    const Region shape = PolygonRegion(p, &count, 1, ALTERNATE);
    const double det = static_cast<double>(p[1].y - p[2].y) * (p[0].x - p[2].x) +
                       static_cast<double>(p[2].x - p[1].x) * (p[0].y - p[2].y);
    if (det == 0)
        return;
    const TRIVERTEX* v[3] = {&v1, &v2, &v3};
    shape.ForEachSpan([&](int top, int bottom, int x1, int x2) {
        for (int y = top; y < bottom; ++y) {
            for (int x = x1; x < x2; ++x) {
                if (!t.Visible(x, y))
                    continue;
                const double px = x + 0.5, py = y + 0.5;
                const double w0 = ((p[1].y - p[2].y) * (px - p[2].x) + (p[2].x - p[1].x) * (py - p[2].y)) / det;
                const double w1 = ((p[2].y - p[0].y) * (px - p[2].x) + (p[0].x - p[2].x) * (py - p[2].y)) / det;
                const double w2 = 1 - w0 - w1;
                auto ch = [&](COLOR16 TRIVERTEX::*c) {
                    const double val = w0 * (v[0]->*c) + w1 * (v[1]->*c) + w2 * (v[2]->*c);
                    return static_cast<uint32_t>(std::clamp(val, 0.0, 65535.0)) >> 8;
                };
                uint32_t px32 = 0xFF000000u | (ch(&TRIVERTEX::Red) << 16) |
                                (ch(&TRIVERTEX::Green) << 8) | ch(&TRIVERTEX::Blue);
                if (t.mono)
                    px32 = TargetPixel(t, MiscColorFromPixel(px32));
                t.view.Row(y)[x] = px32 | t.view.alphaOr;
            }
        }
    });
}

} // namespace

BOOL GradientFill(HDC hdc, PTRIVERTEX vertices, ULONG vertexCount, void* mesh, ULONG meshCount,
                  ULONG mode)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !vertices || !mesh || mode > GRADIENT_FILL_TRIANGLE)
        return FALSE;
    Target t;
    if (!dc->Begin(t))
        return TRUE;
    bool ok = true;
    if (mode == GRADIENT_FILL_TRIANGLE) {
        const auto* tri = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (ULONG i = 0; i < meshCount && ok; ++i) {
            if (tri[i].Vertex1 >= vertexCount || tri[i].Vertex2 >= vertexCount ||
                tri[i].Vertex3 >= vertexCount) {
                ok = false;
                break;
            }
            FillTriangle(*dc, t, vertices[tri[i].Vertex1], vertices[tri[i].Vertex2],
                         vertices[tri[i].Vertex3]);
        }
    } else {
        const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i) {
            if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) {
                ok = false;
                break;
            }
            FillRectGradient(*dc, t, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight],
                             mode == GRADIENT_FILL_RECT_V);
        }
    }
    dc->End(true);
    return ok ? TRUE : FALSE;
}
