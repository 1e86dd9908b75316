#include "blit.h"

#include <algorithm>
#include <cstring>

#include "paint.h"

namespace gdi {
namespace {

uint32_t Convert(uint32_t p, const BlitSource& src, const Target& t, uint32_t fg, uint32_t bg)
{
    if (src.mono && !t.mono)
        return (p & 0xFFFFFFu) ? bg : fg;
    if (!src.mono && t.mono)
        return ((p & 0xFFFFFFu) == (MiscPixelFromColor(src.bkColor) & 0xFFFFFFu)) ? 0xFFFFFFFFu
                                                                                 : 0xFF000000u;
    return p;
}

uint32_t AlphaPixel(uint32_t d, uint32_t s, const BLENDFUNCTION& bf)
{
    const unsigned sca = bf.SourceConstantAlpha;
    if (bf.AlphaFormat & AC_SRC_ALPHA) {
        const unsigned sa = ((s >> 24) * sca + 127) / 255;
        uint32_t r = 0;
        for (int sh = 0; sh < 24; sh += 8) {
            const unsigned sc = ((s >> sh) & 0xFF) * sca / 255;
            const unsigned dc = (d >> sh) & 0xFF;
            r |= std::min(255u, sc + dc * (255 - sa) / 255) << sh;
        }
        const unsigned da = d >> 24;
        return r | (std::min(255u, sa + da * (255 - sa) / 255) << 24);
    }
    uint32_t r = 0;
    for (int sh = 0; sh < 32; sh += 8) {
        const unsigned sc = (s >> sh) & 0xFF, dc = (d >> sh) & 0xFF;
        r |= ((sc * sca + dc * (255 - sca) + 127) / 255) << sh;
    }
    return r;
}

// A blit without stretching or colour conversion: whole rows at a time.
void UnscaledRop(const Target& t, int x, int y, int x0, int x1, int y0, int y1,
                 const BlitSource& src, int sx, int sy, const Fill& pattern, uint8_t rop)
{
    const bool usePat = !pattern.none && Rop3UsesPattern(rop);
    std::vector<uint32_t> patRow;
    const uint32_t solid = pattern.color;
    // Limit the columns to those whose source exists.
    const long long cx0 = std::max<long long>(x0, static_cast<long long>(src.bounds.left) - sx + x);
    const long long cx1 = std::min<long long>(x1, static_cast<long long>(src.bounds.right) - sx + x);
    if (cx0 >= cx1)
        return;
    for (int yy = y0; yy < y1; ++yy) {
        const long long r = static_cast<long long>(sy) + (yy - y);
        if (r < src.bounds.top || r >= src.bounds.bottom)
            continue;
        const uint32_t* sr = src.view.Row(static_cast<int>(r));
        uint32_t* row = t.view.Row(yy);
        ForVisible(t, yy, static_cast<int>(cx0), static_cast<int>(cx1), [&](int a, int b) {
            const uint32_t* pat = nullptr;
            if (usePat && pattern.Solid()) {
                pat = &solid;
            } else if (usePat) {
                patRow.resize(static_cast<size_t>(b - a));
                for (int xx = a; xx < b; ++xx)
                    patRow[xx - a] = pattern.At(xx, yy);
                pat = patRow.data();
            }
            Rop3Row(row + a, sr + (sx + (a - x)), pat, usePat && pattern.Solid(), b - a, rop,
                    t.view.alphaOr);
        });
    }
}

} // namespace

bool Blit(DeviceContext& dst, int x, int y, int w, int h, const BlitSource* src, int sx,
          int sy, int sw, int sh, const BlitOp& op)
{
    bool mirrorX = false, mirrorY = false;
    // A negative extent runs from the given column (or row) backwards, that one included.
    if (w < 0)
        x += w + 1, w = -w, mirrorX = !mirrorX;
    if (h < 0)
        y += h + 1, h = -h, mirrorY = !mirrorY;
    if (sw < 0)
        sx += sw + 1, sw = -sw, mirrorX = !mirrorX;
    if (sh < 0)
        sy += sh + 1, sh = -sh, mirrorY = !mirrorY;
    if (w == 0 || h == 0)
        return true;
    const bool usesSource = op.mode != BlitMode::Rop || Rop3UsesSource(op.rop);
    if (usesSource && (!src || sw == 0 || sh == 0))
        return false;
    Target t;
    if (!dst.Begin(t))
        return true;
    const int x0 = static_cast<int>(std::max<long long>(x, t.box.left));
    const int x1 = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, t.box.right));
    const int y0 = static_cast<int>(std::max<long long>(y, t.box.top));
    const int y1 = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, t.box.bottom));
    if (x0 >= x1 || y0 >= y1) {
        dst.End(false);
        return true;
    }
    const DCState& s = dst.State();
    const Fill pattern = Rop3UsesPattern(op.rop) && op.mode == BlitMode::Rop
                             ? BrushFill(dst, t, nullptr, R2_COPYPEN)
                             : Fill();
    const uint32_t fg = TargetPixel(t, s.textColor), bg = TargetPixel(t, s.bkColor);
    const uint32_t transparent = MiscPixelFromColor(PlainColor(op.transparent)) & 0xFFFFFFu;
    const bool combine = op.mode == BlitMode::Rop && (op.stretchMode == BLACKONWHITE ||
                                                      op.stretchMode == WHITEONBLACK);
    const bool andMode = op.stretchMode == BLACKONWHITE;

    if (usesSource && op.mode == BlitMode::Rop && w == sw && h == sh && !mirrorX && !mirrorY &&
        src->mono == t.mono) {
        UnscaledRop(t, x, y, x0, x1, y0, y1, *src, sx, sy, pattern, op.rop);
        dst.End(true);
        return true;
    }
    // Source column ranges for the visible destination columns.
    const int n = x1 - x0;
    std::vector<int> colLo(static_cast<size_t>(n)), colHi(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        long long d = (x0 - x) + i;
        if (mirrorX)
            d = w - 1 - d;
        colLo[i] = static_cast<int>(sx + d * sw / w);
        colHi[i] = std::max(colLo[i] + 1, static_cast<int>(sx + (d + 1) * sw / w));
        if (!combine)
            colHi[i] = colLo[i] + 1;
    }
    std::vector<uint32_t> srcRow(static_cast<size_t>(n)), patRow(static_cast<size_t>(n));
    std::vector<uint8_t> valid(static_cast<size_t>(n));
    for (int yy = y0; yy < y1; ++yy) {
        long long d = yy - y;
        if (mirrorY)
            d = h - 1 - d;
        int rowLo = static_cast<int>(sy + d * sh / h);
        int rowHi = combine ? std::max(rowLo + 1, static_cast<int>(sy + (d + 1) * sh / h))
                            : rowLo + 1;
        if (usesSource) {
            rowLo = std::max(rowLo, static_cast<int>(src->bounds.top));
            rowHi = std::min(rowHi, static_cast<int>(src->bounds.bottom));
            for (int i = 0; i < n; ++i) {
                valid[i] = 0;
                bool first = true;
                uint32_t acc = 0;
                const int cl = std::max(colLo[i], static_cast<int>(src->bounds.left));
                const int ch = std::min(colHi[i], static_cast<int>(src->bounds.right));
                for (int r = rowLo; r < rowHi; ++r) {
                    const uint32_t* sr = src->view.Row(r);
                    for (int c = cl; c < ch; ++c) {
                        const uint32_t p = Convert(sr[c], *src, t, fg, bg);
                        acc = first ? p : (andMode ? (acc & p) : (acc | p));
                        first = false;
                    }
                }
                if (!first) {
                    valid[i] = 1;
                    srcRow[i] = acc;
                }
            }
        }
        uint32_t* row = t.view.Row(yy);
        ForVisible(t, yy, x0, x1, [&](int a, int b) {
            if (op.mode == BlitMode::Alpha || op.mode == BlitMode::Transparent) {
                for (int xx = a; xx < b; ++xx) {
                    const int i = xx - x0;
                    if (!valid[i])
                        continue;
                    if (op.mode == BlitMode::Alpha)
                        row[xx] = AlphaPixel(row[xx], srcRow[i], op.blend) | t.view.alphaOr;
                    else if ((srcRow[i] & 0xFFFFFFu) != transparent)
                        row[xx] = srcRow[i] | t.view.alphaOr;
                }
                return;
            }
            const bool usePat = !pattern.none && Rop3UsesPattern(op.rop);
            if (usePat && !pattern.Solid()) {
                for (int xx = a; xx < b; ++xx)
                    patRow[xx - x0] = pattern.At(xx, yy);
            }
            const uint32_t solid = pattern.color;
            const uint32_t* pat = usePat ? (pattern.Solid() ? &solid : patRow.data() + (a - x0))
                                         : nullptr;
            if (!usesSource) {
                Rop3Row(row + a, nullptr, pat, usePat && pattern.Solid(), b - a, op.rop,
                        t.view.alphaOr);
                return;
            }
            // Runs of valid source pixels.
            int i = a;
            while (i < b) {
                if (!valid[i - x0]) {
                    ++i;
                    continue;
                }
                int j = i;
                while (j < b && valid[j - x0])
                    ++j;
                const uint32_t* pp = pat && !pattern.Solid() ? patRow.data() + (i - x0) : pat;
                Rop3Row(row + i, srcRow.data() + (i - x0), pp, usePat && pattern.Solid(), j - i,
                        op.rop, t.view.alphaOr);
                i = j;
            }
        });
    }
    dst.End(true);
    return true;
}

bool BlitFromDC(DeviceContext& dst, int x, int y, int w, int h, DeviceContext& src, int sx,
                int sy, int sw, int sh, BlitOp op)
{
    BlitSource bs;
    if (!src.BeginSource(bs.view, bs.mono))
        return false;
    bs.bounds = RECT{0, 0, bs.view.width, bs.view.height};
    bs.bkColor = src.State().bkColor;
    // Copy the source pixels when they share memory with the destination.
    std::vector<uint32_t> copy;
    PixelView dv;
    bool dmono;
    bool shared = false;
    if (dst.BeginSource(dv, dmono)) {
        shared = dv.bits == bs.view.bits;
        dst.EndSource();
    }
    if (shared) {
        copy.resize(static_cast<size_t>(bs.view.width) * bs.view.height);
        for (int r = 0; r < bs.view.height; ++r)
            std::memcpy(copy.data() + static_cast<size_t>(r) * bs.view.width, bs.view.Row(r),
                        static_cast<size_t>(bs.view.width) * 4);
        bs.view.bits = copy.data();
        bs.view.stride = bs.view.width;
    }
    const bool ok = Blit(dst, x, y, w, h, &bs, sx, sy, sw, sh, op);
    src.EndSource();
    return ok;
}

} // namespace gdi
