// Pictures of windows: a window's own surface with its children composed over it, clipped to
// each parent's client area, with window regions and layered attributes applied as transparency.
#include "window/wndsys.h"

#include <algorithm>

using namespace wndsys;

namespace {

inline uint32_t Over(uint32_t dst, uint32_t src)
{
    uint32_t sa = src >> 24;
    if (sa == 255)
        return src;
    if (sa == 0)
        return dst;
    uint32_t da = dst >> 24;
    // Non-premultiplied "source over destination".
    uint32_t outA = sa + da * (255 - sa) / 255;
    if (outA == 0)
        return 0;
    auto channel = [&](int shift) {
        uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        return ((s * sa + d * da * (255 - sa) / 255) / outA) & 0xFF;
    };
    return (outA << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

void BlendInto(MiscSurface& dst, const MiscSurface& src, int x, int y, const RECT& clip)
{
    int x0 = std::max<int>(x, clip.left), y0 = std::max<int>(y, clip.top);
    int x1 = std::min<int>(x + src.width, clip.right), y1 = std::min<int>(y + src.height, clip.bottom);
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, dst.width);
    y1 = std::min(y1, dst.height);
    for (int py = y0; py < y1; ++py) {
        uint32_t* d = dst.row(py);
        const uint32_t* s = src.row(py - y);
        for (int px = x0; px < x1; ++px)
            d[px] = Over(d[px], s[px - x]);
    }
}

void ApplyShape(const WndRec* w, MiscSurface& out)
{
    if (w->region) {
        RECT box{};
        GetRgnBox(w->region, &box);
        for (int y = 0; y < out.height; ++y) {
            uint32_t* row = out.row(y);
            for (int x = 0; x < out.width; ++x) {
                bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom &&
                              PtInRegion(w->region, x, y);
                if (!inside)
                    row[x] = 0;
            }
        }
    }
    if ((w->exStyle & WS_EX_LAYERED) && w->layeredSet) {
        uint32_t key = MiscPixelFromColor(w->colorKey) & 0x00FFFFFFu;
        bool useKey = (w->layeredFlags & LWA_COLORKEY) != 0;
        uint32_t alpha = (w->layeredFlags & LWA_ALPHA) ? w->alpha : 255;
        for (uint32_t& p : out.pixels) {
            if (useKey && (p & 0x00FFFFFFu) == key) {
                p = 0;
                continue;
            }
            uint32_t a = (p >> 24) * alpha / 255;
            p = (a << 24) | (p & 0x00FFFFFFu);
        }
    }
}

MiscSurface Compose(const WndRec* w)
{
    MiscSurface out = w->surface;
    RECT clip = w->client;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        const WndRec* c = Find(*it);
        if (!c || !(c->style & WS_VISIBLE))
            continue;
        MiscSurface picture = Compose(c);
        BlendInto(out, picture, w->client.left + c->window.left, w->client.top + c->window.top, clip);
    }
    ApplyShape(w, out);
    return out;
}

} // namespace

MiscSurface MiscCaptureWindow(HWND hwnd)
{
    System& s = Sys();
    MiscSettle();
    if (!hwnd || hwnd == GetDesktopWindow()) {
        MiscSurface desk(s.desktopWidth, s.desktopHeight, MiscPixelFromColor(GetSysColor(COLOR_DESKTOP)));
        RECT all{0, 0, desk.width, desk.height};
        for (auto it = s.topLevel.rbegin(); it != s.topLevel.rend(); ++it) {
            const WndRec* w = Find(*it);
            if (!w || !(w->style & WS_VISIBLE))
                continue;
            BlendInto(desk, Compose(w), w->window.left, w->window.top, all);
        }
        return desk;
    }
    const WndRec* w = Find(hwnd);
    if (!w || !IsVisibleTree(w))
        return MiscSurface();
    return Compose(w);
}
