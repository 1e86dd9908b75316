#include "pixels.h"

#include <algorithm>

namespace gdi {

uint32_t Rop2(int rop2, uint32_t p, uint32_t d)
{
    switch (rop2) {
    case 1: return 0;              // R2_BLACK
    case 2: return ~(p | d);       // R2_NOTMERGEPEN
    case 3: return ~p & d;         // R2_MASKNOTPEN
    case 4: return ~p;             // R2_NOTCOPYPEN
    case 5: return p & ~d;         // R2_MASKPENNOT
    case 6: return ~d;             // R2_NOT
    case 7: return p ^ d;          // R2_XORPEN
    case 8: return ~(p & d);       // R2_NOTMASKPEN
    case 9: return p & d;          // R2_MASKPEN
    case 10: return ~(p ^ d);      // R2_NOTXORPEN
    case 11: return d;             // R2_NOP
    case 12: return ~p | d;        // R2_MERGENOTPEN
    case 14: return p | ~d;        // R2_MERGEPENNOT
    case 15: return p | d;         // R2_MERGEPEN
    case 16: return 0xFFFFFFFFu;   // R2_WHITE
    default: return p;             // R2_COPYPEN
    }
}

uint32_t Rop3(uint8_t rop, uint32_t p, uint32_t s, uint32_t d)
{
    // Each set bit i of the operation index names one minterm: pattern bit 4, source bit 2,
    // destination bit 1.
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (!(rop & (1u << i)))
            continue;
        const uint32_t tp = (i & 4) ? p : ~p;
        const uint32_t ts = (i & 2) ? s : ~s;
        const uint32_t td = (i & 1) ? d : ~d;
        r |= tp & ts & td;
    }
    return r;
}

bool Rop3UsesSource(uint8_t rop) { return ((rop >> 2) & 0x33u) != (rop & 0x33u); }
bool Rop3UsesPattern(uint8_t rop) { return ((rop >> 4) & 0x0Fu) != (rop & 0x0Fu); }

void FillRowRop2(uint32_t* row, int x1, int x2, uint32_t pixel, int rop2, uint32_t alphaOr)
{
    switch (rop2) {
    case 13: // R2_COPYPEN
        FillRowCopy(row, x1, x2, pixel | alphaOr);
        return;
    case 11: // R2_NOP
        return;
    case 6: // R2_NOT
        for (int x = x1; x < x2; ++x)
            row[x] = ~row[x] | alphaOr;
        return;
    case 7: // R2_XORPEN
        for (int x = x1; x < x2; ++x)
            row[x] = (row[x] ^ pixel) | alphaOr;
        return;
    default:
        for (int x = x1; x < x2; ++x)
            row[x] = Rop2(rop2, pixel, row[x]) | alphaOr;
        return;
    }
}

void FillRowPattern(uint32_t* row, int x1, int x2, const uint32_t* pat, const uint8_t* mask,
                    int patWidth, int phase, int rop2, uint32_t alphaOr)
{
    int px = (x1 - phase) % patWidth;
    if (px < 0)
        px += patWidth;
    for (int x = x1; x < x2; ++x) {
        if (!mask || mask[px]) {
            row[x] = (rop2 == 13 ? pat[px] : Rop2(rop2, pat[px], row[x])) | alphaOr;
        }
        if (++px == patWidth)
            px = 0;
    }
}

void Rop3Row(uint32_t* dst, const uint32_t* src, const uint32_t* pat, bool patSolid, int n,
             uint8_t rop, uint32_t alphaOr)
{
    switch (rop) {
    case 0xCC: // SRCCOPY
        if (alphaOr == 0) {
            std::copy(src, src + n, dst);
        } else {
            for (int i = 0; i < n; ++i)
                dst[i] = src[i] | alphaOr;
        }
        return;
    case 0x00: // BLACKNESS
        std::fill(dst, dst + n, alphaOr);
        return;
    case 0xFF: // WHITENESS
        std::fill(dst, dst + n, 0xFFFFFFFFu);
        return;
    case 0x55: // DSTINVERT
        for (int i = 0; i < n; ++i)
            dst[i] = ~dst[i] | alphaOr;
        return;
    case 0x33: // NOTSRCCOPY
        for (int i = 0; i < n; ++i)
            dst[i] = ~src[i] | alphaOr;
        return;
    case 0x88: // SRCAND
        for (int i = 0; i < n; ++i)
            dst[i] = (dst[i] & src[i]) | alphaOr;
        return;
    case 0xEE: // SRCPAINT
        for (int i = 0; i < n; ++i)
            dst[i] = (dst[i] | src[i]) | alphaOr;
        return;
    case 0x66: // SRCINVERT
        for (int i = 0; i < n; ++i)
            dst[i] = (dst[i] ^ src[i]) | alphaOr;
        return;
    case 0xF0: // PATCOPY
        if (patSolid) {
            std::fill(dst, dst + n, pat[0] | alphaOr);
        } else {
            for (int i = 0; i < n; ++i)
                dst[i] = pat[i] | alphaOr;
        }
        return;
    case 0x5A: // PATINVERT
        for (int i = 0; i < n; ++i)
            dst[i] = (dst[i] ^ (patSolid ? pat[0] : pat[i])) | alphaOr;
        return;
    default:
        break;
    }
    for (int i = 0; i < n; ++i) {
        const uint32_t p = pat ? (patSolid ? pat[0] : pat[i]) : 0;
        const uint32_t s = src ? src[i] : 0;
        dst[i] = Rop3(rop, p, s, dst[i]) | alphaOr;
    }
}

} // namespace gdi
