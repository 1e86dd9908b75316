#include "text.h"

#include <algorithm>
#include <cmath>

#include "lines.h"
#include "paint.h"
#include "stock.h"

namespace gdi {
namespace {

// A copy of the target limited to a rectangle (surface coordinates).
Target Restrict(const Target& t, const RECT& r, Region& storage)
{
    Target c = t;
    c.box = RECT{std::max(t.box.left, r.left), std::max(t.box.top, r.top),
                 std::min(t.box.right, r.right), std::min(t.box.bottom, r.bottom)};
    if (c.box.left >= c.box.right || c.box.top >= c.box.bottom) {
        c.box = RECT{0, 0, 0, 0};
        c.region = nullptr;
        return c;
    }
    if (t.region) {
        storage = t.region->Intersected(c.box);
        c.region = storage.IsRect() ? nullptr : &storage;
        c.box = storage.Bounds();
    }
    return c;
}

void BlendGlyph(const Target& t, const FontInstance::Glyph& g, int ox, int oy, uint32_t color)
{
    for (int y = 0; y < g.height; ++y) {
        const int sy = oy - g.top + y;
        const uint8_t* cov = g.coverage.data() + static_cast<size_t>(y) * g.width;
        const int x0 = ox + g.left;
        ForVisible(t, sy, x0, x0 + g.width, [&](int a, int b) {
            uint32_t* row = t.view.Row(sy);
            for (int x = a; x < b; ++x) {
                const unsigned c = cov[x - x0];
                if (c) {
                    const unsigned cc = t.mono ? (c >= 128 ? 255 : 0) : c;
                    row[x] = BlendCoverage(row[x], color, cc) | t.view.alphaOr;
                }
            }
        });
    }
}

} // namespace

FontInstance& DCFont(DeviceContext& dc)
{
    FontObject* f = dc.State().font.get();
    if (!f)
        f = FindAs<FontObject>(StockHandle(SYSTEM_FONT), Kind::Font);
    if (!f->instance)
        f->instance = FontInstance::Get(f->logfont);
    return *f->instance;
}

int TextWidth(DeviceContext& dc, const char* text, int n)
{
    FontInstance& font = DCFont(dc);
    long long w = 0;
    for (int i = 0; i < n; ++i)
        w += font.Advance(static_cast<unsigned char>(text[i])) + dc.State().charExtra;
    return static_cast<int>(std::clamp<long long>(w, 0, 1 << 30));
}

int DrawTextRun(DeviceContext& dc, POINT ref, UINT align, const TextRun& run,
                const RECT* opaque, const RECT* clip, bool background)
{
    FontInstance& font = DCFont(dc);
    const TEXTMETRICA& tm = font.Metrics();
    const DCState& s = dc.State();
    // Advances along the baseline.
    std::vector<int> adv(static_cast<size_t>(std::max(run.count, 0)));
    long long width = 0;
    for (int i = 0; i < run.count; ++i) {
        adv[i] = run.dx ? run.dx[i]
                        : font.Advance(static_cast<unsigned char>(run.text[i])) + s.charExtra;
        width += adv[i];
    }
    const int w = static_cast<int>(std::clamp<long long>(width, -(1 << 29), 1 << 29));
    const double ca = std::cos(font.Angle()), sa = std::sin(font.Angle());
    // Offsets of the baseline start from the reference point, in the run's own frame.
    double ux = 0, uy = 0; // along, down
    const UINT h = align & (TA_CENTER | TA_RIGHT);
    if (h == TA_CENTER)
        ux = -w / 2;
    else if (h == TA_RIGHT)
        ux = -w;
    const UINT v = align & TA_BASELINE;
    if (v == TA_BASELINE)
        uy = 0;
    else if (v == TA_BOTTOM)
        uy = -tm.tmDescent;
    else
        uy = tm.tmAscent;
    // Rotate into the surface: along = (cos, -sin), down = (sin, cos).
    const double bx = ref.x + ux * ca + uy * sa;
    const double by = ref.y - ux * sa + uy * ca;

    Target t;
    if (!dc.Begin(t))
        return w;
    if (opaque)
        FillRect(t, *opaque, SolidFill(t, s.bkColor));
    Region storage;
    const Target tt = clip ? Restrict(t, *clip, storage) : t;
    if (tt.box.left >= tt.box.right) {
        dc.End(true);
        return w;
    }
    if (background && run.count > 0) {
        const double ax = -tm.tmAscent * sa, ay = -tm.tmAscent * ca; // baseline to cell top
        const double dx = tm.tmHeight * sa, dy = tm.tmHeight * ca;   // cell top to bottom
        const double lx = w * ca, ly = -w * sa;
        const double x0 = bx + ax, y0 = by + ay;
        const POINT quad[4] = {{static_cast<LONG>(std::lround(x0)), static_cast<LONG>(std::lround(y0))},
                               {static_cast<LONG>(std::lround(x0 + lx)), static_cast<LONG>(std::lround(y0 + ly))},
                               {static_cast<LONG>(std::lround(x0 + lx + dx)), static_cast<LONG>(std::lround(y0 + ly + dy))},
                               {static_cast<LONG>(std::lround(x0 + dx)), static_cast<LONG>(std::lround(y0 + dy))}};
        const int n = 4;
        FillRegion(tt, PolygonRegion(quad, &n, 1, ALTERNATE), SolidFill(tt, s.bkColor));
    }
    const uint32_t color = TargetPixel(tt, s.textColor);
    double px = bx, py = by;
    double underlineFrom = 0;
    for (int i = 0; i < run.count; ++i) {
        const unsigned char c = static_cast<unsigned char>(run.text[i]);
        if (i == run.underlineIndex)
            underlineFrom = (px - bx) * ca - (py - by) * sa;
        if (!run.prefixOnly) {
            const FontInstance::Glyph& g = font.GetGlyph(c);
            BlendGlyph(tt, g, static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)),
                       color);
        }
        px += adv[i] * ca;
        py -= adv[i] * sa;
    }
    // Underline, strike-out and the prefix underline, as strokes along the baseline.
    PenDraw pen;
    pen.none = false;
    pen.color = color;
    auto stroke = [&](double from, double to, double below, int thickness) {
        for (int k = 0; k < thickness; ++k) {
            const double d = below + k;
            const POINT a{static_cast<LONG>(std::lround(bx + from * ca + d * sa)),
                          static_cast<LONG>(std::lround(by - from * sa + d * ca))};
            const POINT b{static_cast<LONG>(std::lround(bx + to * ca + d * sa)),
                          static_cast<LONG>(std::lround(by - to * sa + d * ca))};
            DrawSegment(tt, pen, a, b);
        }
    };
    if (tm.tmUnderlined && !run.prefixOnly)
        stroke(0, w, font.UnderlinePosition(), font.UnderlineThickness());
    if (tm.tmStruckOut && !run.prefixOnly)
        stroke(0, w, -font.StrikeoutPosition(), font.UnderlineThickness());
    if (run.underlineIndex >= 0 && run.underlineIndex < run.count)
        stroke(underlineFrom, underlineFrom + adv[run.underlineIndex], font.UnderlinePosition(),
               1);
    dc.End(true);
    return w;
}

} // namespace gdi
