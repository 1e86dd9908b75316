#include "lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "stock.h"

namespace gdi {
namespace {

// Ties between two pixels go towards the start of the line in these octants, so that a line
// and its reverse cover the same pixels.
int TieBias(int dx, int dy)
{
    unsigned mask;
    if (dy == 0)
        mask = dx >= 0 ? 1 : 16;
    else if (dy > 0)
        mask = dx >= 0 ? (dx >= dy ? 1 : 2) : (-dx >= dy ? 8 : 4);
    else
        mask = dx >= 0 ? (dx >= -dy ? 128 : 64) : (-dx >= -dy ? 16 : 32);
    return (mask & 0xB4u) ? 1 : 0;
}

void CosmeticLine(const Target& t, PenDraw& pen, int x0, int y0, int x1, int y1, bool last)
{
    const long long dx = static_cast<long long>(x1) - x0, dy = static_cast<long long>(y1) - y0;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const long long n = major + (last ? 1 : 0); // pixels to draw
    const long long dashStart = pen.dashPos;
    pen.dashPos += major;
    if (n <= 0)
        return;
    if (minor == 0 && pen.Solid() && xMajor) {
        // Horizontal: one span.
        const long long a = sx > 0 ? x0 : static_cast<long long>(x0) - n + 1;
        const long long b = a + n;
        Fill f;
        f.none = false;
        f.color = pen.color;
        f.rop2 = pen.rop2;
        FillSpan(t, y0, static_cast<int>(std::max<long long>(a, -(1 << 30))),
                 static_cast<int>(std::min<long long>(b, 1 << 30)), f);
        return;
    }
    // The steps whose major coordinate falls inside the visible box.
    const long long m0 = xMajor ? x0 : y0;
    const int s = xMajor ? sx : sy;
    const long long lo = xMajor ? t.box.left : t.box.top;
    const long long hi = (xMajor ? t.box.right : t.box.bottom) - 1;
    long long iLo, iHi; // inclusive
    if (s > 0) {
        iLo = lo - m0, iHi = hi - m0;
    } else {
        iLo = m0 - hi, iHi = m0 - lo;
    }
    iLo = std::max<long long>(iLo, 0);
    iHi = std::min<long long>(iHi, n - 1);
    if (iLo > iHi)
        return;
    const long long bias = TieBias(static_cast<int>(std::clamp<long long>(dx, -1 << 30, 1 << 30)),
                                   static_cast<int>(std::clamp<long long>(dy, -1 << 30, 1 << 30)));
    const long long twoMajor = 2 * major, twoMinor = 2 * minor;
    // Minor steps taken after i major steps: floor((2 i minor + major - bias) / (2 major)).
    long long num = iLo * twoMinor + major - bias;
    long long k = num / twoMajor;
    long long err = num - k * twoMajor;
    const long long mn0 = xMajor ? y0 : x0;
    const int ms = xMajor ? sy : sx;
    const long long mlo = xMajor ? t.box.top : t.box.left;
    const long long mhi = xMajor ? t.box.bottom : t.box.right;
    if (pen.Solid() && pen.rop2 == R2_COPYPEN && !t.region) {
        // The fast path: a solid copy with a rectangular clip, stepping a pixel pointer.
        const uint32_t px = pen.color | t.view.alphaOr;
        const ptrdiff_t majorStep = xMajor ? s : s * t.view.stride;
        const ptrdiff_t minorStep = xMajor ? ms * t.view.stride : ms;
        auto at = [&](long long i, long long mn) {
            const long long mj = m0 + s * i;
            return xMajor ? t.view.Row(static_cast<int>(mn)) + mj : t.view.Row(static_cast<int>(mj)) + mn;
        };
        long long mn = mn0 + ms * k;
        bool inside = mn >= mlo && mn < mhi;
        uint32_t* p = inside ? at(iLo, mn) : nullptr;
        for (long long i = iLo; i <= iHi; ++i) {
            if (inside)
                *p = px;
            else if ((ms > 0 && mn >= mhi) || (ms < 0 && mn < mlo))
                break; // beyond the box and moving further away
            if (i == iHi)
                break;
            bool stepped = false;
            err += twoMinor;
            if (err >= twoMajor) {
                err -= twoMajor;
                mn += ms;
                stepped = true;
            }
            const bool now = mn >= mlo && mn < mhi;
            if (now)
                p = inside ? p + majorStep + (stepped ? minorStep : 0) : at(i + 1, mn);
            inside = now;
        }
        return;
    }
    for (long long i = iLo; i <= iHi; ++i) {
        const long long mj = m0 + s * i, mn = mn0 + ms * k;
        if (mn >= mlo && mn < mhi) {
            const bool on = pen.Solid() || pen.DashOn(dashStart + i);
            if (on || pen.opaqueGaps) {
                const int x = static_cast<int>(xMajor ? mj : mn);
                const int y = static_cast<int>(xMajor ? mn : mj);
                Plot(t, x, y, on ? pen.color : pen.gapColor, on ? pen.rop2 : R2_COPYPEN);
            }
        } else if ((ms > 0 && mn >= mhi) || (ms < 0 && mn < mlo)) {
            break; // moving further away from the visible box
        }
        err += twoMinor;
        if (err >= twoMajor) {
            err -= twoMajor;
            ++k;
        }
    }
}

// One row of a round-capped stroke of radius r from a to b (pixel centres).
void WideSegment(const Target& t, PenDraw& pen, POINT a, POINT b)
{
    const double r = pen.width / 2.0;
    const double ax = a.x + 0.5, ay = a.y + 0.5, bx = b.x + 0.5, by = b.y + 0.5;
    const double len = std::hypot(bx - ax, by - ay);
    double nx = 0, ny = 0;
    if (len > 0) {
        nx = -(by - ay) / len * r;
        ny = (bx - ax) / len * r;
    }
    const double qx[4] = {ax + nx, bx + nx, bx - nx, ax - nx};
    const double qy[4] = {ay + ny, by + ny, by - ny, ay - ny};
    const double top = std::min(ay, by) - r, bottom = std::max(ay, by) + r;
    const long long yStart = std::max<long long>(static_cast<long long>(std::floor(top)), t.box.top);
    const long long yEnd = std::min<long long>(static_cast<long long>(std::ceil(bottom)), t.box.bottom);
    Fill f;
    f.none = false;
    f.color = pen.color;
    f.rop2 = pen.rop2;
    for (long long y = yStart; y < yEnd; ++y) {
        const double yc = y + 0.5;
        double lo = 1e300, hi = -1e300;
        for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double d = yc - py;
            if (std::fabs(d) <= r) {
                const double h = std::sqrt(r * r - d * d);
                lo = std::min(lo, px - h);
                hi = std::max(hi, px + h);
            }
        }
        if (len > 0) {
            for (int i = 0; i < 4; ++i) {
                const double y1 = qy[i], y2 = qy[(i + 1) % 4];
                const double x1 = qx[i], x2 = qx[(i + 1) % 4];
                if ((yc < std::min(y1, y2)) || (yc > std::max(y1, y2)))
                    continue;
                const double x = (y1 == y2) ? x1 : x1 + (yc - y1) * (x2 - x1) / (y2 - y1);
                lo = std::min(lo, (y1 == y2) ? std::min(x1, x2) : x);
                hi = std::max(hi, (y1 == y2) ? std::max(x1, x2) : x);
            }
        }
        if (lo > hi)
            continue;
        const double xa = std::ceil(lo - 0.5), xb = std::floor(hi - 0.5) + 1;
        const int x1 = static_cast<int>(std::clamp(xa, -1e9, 1e9));
        const int x2 = static_cast<int>(std::clamp(xb, -1e9, 1e9));
        FillSpan(t, static_cast<int>(y), x1, x2, f);
    }
}

} // namespace

bool PenDraw::DashOn(long long pos) const
{
    if (dashes.empty() || dashTotal <= 0)
        return true;
    long long p = pos % dashTotal;
    if (p < 0)
        p += dashTotal;
    for (size_t i = 0; i < dashes.size(); ++i) {
        if (p < dashes[i])
            return (i & 1) == 0;
        p -= dashes[i];
    }
    return true;
}

PenDraw MakePen(DeviceContext& dc, const Target& t)
{
    const DCState& s = dc.State();
    PenDraw p;
    const PenObject* pen = s.pen.get();
    if (!pen || pen->style == PS_NULL)
        return p;
    p.none = false;
    COLORREF c = pen->color;
    if (pen == DCPenObject())
        c = s.dcPenColor;
    p.color = TargetPixel(t, c);
    p.rop2 = s.rop2;
    p.width = std::max(1, dc.ScaleX(pen->width));
    p.insideFrame = pen->style == PS_INSIDEFRAME;
    const bool geometric = (pen->fullStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (p.width <= 1 || geometric) {
        switch (pen->style) {
        case PS_DASH: p.dashes = {18, 6}; break;
        case PS_DOT: p.dashes = {3, 3}; break;
        case PS_DASHDOT: p.dashes = {9, 6, 3, 6}; break;
        case PS_DASHDOTDOT: p.dashes = {9, 3, 3, 3, 3, 3}; break;
        case PS_ALTERNATE: p.dashes = {1, 1}; break;
        case PS_USERSTYLE:
            for (DWORD d : pen->dashes)
                p.dashes.push_back(static_cast<int>(std::min<DWORD>(d, 1 << 20)));
            break;
        default: break;
        }
    }
    if (p.width > 1)
        p.dashes.clear(); // wide strokes are drawn solid
    for (int d : p.dashes)
        p.dashTotal += d;
    if (p.dashTotal <= 0)
        p.dashes.clear();
    p.opaqueGaps = !p.dashes.empty() && s.bkMode == OPAQUE;
    p.gapColor = TargetPixel(t, s.bkColor);
    return p;
}

void DrawSegment(const Target& t, PenDraw& pen, POINT a, POINT b, bool last)
{
    if (pen.none)
        return;
    if (pen.width > 1) {
        WideSegment(t, pen, a, b);
        return;
    }
    CosmeticLine(t, pen, a.x, a.y, b.x, b.y, last);
}

void DrawPolyline(const Target& t, PenDraw& pen, const POINT* points, int count, bool closed)
{
    if (pen.none || count < 2)
        return;
    for (int i = 0; i + 1 < count; ++i)
        DrawSegment(t, pen, points[i], points[i + 1]);
    if (closed && (points[count - 1].x != points[0].x || points[count - 1].y != points[0].y))
        DrawSegment(t, pen, points[count - 1], points[0]);
}

} // namespace gdi
