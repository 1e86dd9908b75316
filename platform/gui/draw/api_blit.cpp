// Win32 blits: BitBlt, StretchBlt, PatBlt, MaskBlt, AlphaBlend, TransparentBlt and the
// device-independent bits to a context.
#include <algorithm>
#include <vector>

#include "blit.h"
#include "bmpread.h"
#include "dc.h"
#include "paint.h"
#include "win32/gdi.h"

using namespace gdi;

namespace {

struct Box {
    int x, y, w, h;
};

int Clamp(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

// A logical rectangle (x, y, w, h) in surface coordinates; extents keep their sign.
Box SurfaceBox(DeviceContext& dc, int x, int y, int w, int h)
{
    const POINT a = dc.ToSurface(x, y);
    const POINT b = dc.ToSurface(static_cast<long long>(x) + w, static_cast<long long>(y) + h);
    return Box{a.x, a.y, Clamp(static_cast<long long>(b.x) - a.x), Clamp(static_cast<long long>(b.y) - a.y)};
}

BlitOp RopOp(DeviceContext& dst, DWORD rop)
{
    BlitOp op;
    op.rop = static_cast<uint8_t>((rop >> 16) & 0xFF);
    op.stretchMode = dst.State().stretchMode;
    return op;
}

} // namespace

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    const BlitOp op = RopOp(*dc, rop);
    if (Rop3UsesSource(op.rop))
        return FALSE;
    const Box b = SurfaceBox(*dc, x, y, width, height);
    return Blit(*dc, b.x, b.y, b.w, b.h, nullptr, 0, 0, 0, 0, op) ? TRUE : FALSE;
}

BOOL StretchBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int xSrc, int ySrc,
                int srcWidth, int srcHeight, DWORD rop)
{
    DeviceContext* dst = FindDC(hdst);
    if (!dst)
        return FALSE;
    const BlitOp op = RopOp(*dst, rop);
    if (!Rop3UsesSource(op.rop))
        return PatBlt(hdst, x, y, width, height, rop);
    DeviceContext* src = FindDC(hsrc);
    if (!src)
        return FALSE;
    const Box d = SurfaceBox(*dst, x, y, width, height);
    const Box s = SurfaceBox(*src, xSrc, ySrc, srcWidth, srcHeight);
    return BlitFromDC(*dst, d.x, d.y, d.w, d.h, *src, s.x, s.y, s.w, s.h, op) ? TRUE : FALSE;
}

BOOL BitBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int xSrc, int ySrc,
            DWORD rop)
{
    DeviceContext* dst = FindDC(hdst);
    if (!dst)
        return FALSE;
    const BlitOp op = RopOp(*dst, rop);
    if (!Rop3UsesSource(op.rop))
        return PatBlt(hdst, x, y, width, height, rop);
    DeviceContext* src = FindDC(hsrc);
    if (!src)
        return FALSE;
    // The source keeps the destination's size in device pixels (no stretching).
    const Box d = SurfaceBox(*dst, x, y, width, height);
    const POINT s = src->ToSurface(xSrc, ySrc);
    BlitOp plain = op;
    plain.stretchMode = COLORONCOLOR;
    return BlitFromDC(*dst, d.x, d.y, d.w, d.h, *src, s.x, s.y, d.w, d.h, plain) ? TRUE : FALSE;
}

BOOL MaskBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int xSrc, int ySrc,
             HBITMAP mask, int xMask, int yMask, DWORD rop)
{
    const DWORD fore = rop & 0x00FFFFFFu;
    if (!mask)
        return BitBlt(hdst, x, y, width, height, hsrc, xSrc, ySrc, fore);
    // Each pixel takes the foreground operation where the mask is 1 and the background
    // operation where it is 0: done as two passes through a temporary copy.
    DeviceContext* dst = FindDC(hdst);
    if (!dst || width <= 0 || height <= 0)
        return FALSE;
    const DWORD back = ((rop >> 8) & 0x00FF0000u) | (rop & 0xFFFFu);
    HDC tmpDC = CreateCompatibleDC(hdst);
    HDC maskDC = CreateCompatibleDC(hdst);
    HBITMAP tmp = CreateBitmap(width, height, 1, 32, nullptr);
    HGDIOBJ oldTmp = SelectObject(tmpDC, tmp);
    HGDIOBJ oldMask = SelectObject(maskDC, mask);
    bool ok = oldTmp && oldMask;
    if (ok) {
        BitBlt(tmpDC, 0, 0, width, height, hdst, x, y, SRCCOPY);
        SelectObject(tmpDC, GetCurrentObject(hdst, OBJ_BRUSH));
        BitBlt(tmpDC, 0, 0, width, height, hsrc, xSrc, ySrc, back); // background result
        BitBlt(hdst, x, y, width, height, hsrc, xSrc, ySrc, fore);  // foreground result
        // Where the mask is 0 take the background result: dst = (dst & mask) | (tmp & ~mask).
        SetTextColor(tmpDC, RGB(0, 0, 0));
        SetBkColor(tmpDC, RGB(255, 255, 255));
        BitBlt(tmpDC, 0, 0, width, height, maskDC, xMask, yMask, 0x00220326); // tmp & ~mask
        const COLORREF oldText = SetTextColor(hdst, RGB(0, 0, 0));
        const COLORREF oldBk = SetBkColor(hdst, RGB(255, 255, 255));
        BitBlt(hdst, x, y, width, height, maskDC, xMask, yMask, SRCAND);
        SetTextColor(hdst, oldText);
        SetBkColor(hdst, oldBk);
        BitBlt(hdst, x, y, width, height, tmpDC, 0, 0, SRCPAINT);
    }
    if (oldMask)
        SelectObject(maskDC, oldMask);
    DeleteDC(maskDC);
    DeleteDC(tmpDC);
    DeleteObject(tmp);
    return ok ? TRUE : FALSE;
}

BOOL AlphaBlend(HDC hdst, int x, int y, int width, int height, HDC hsrc, int xSrc, int ySrc,
                int srcWidth, int srcHeight, BLENDFUNCTION blend)
{
    DeviceContext* dst = FindDC(hdst);
    DeviceContext* src = FindDC(hsrc);
    if (!dst || !src || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0 ||
        blend.BlendOp != AC_SRC_OVER)
        return FALSE;
    const Box d = SurfaceBox(*dst, x, y, width, height);
    const Box s = SurfaceBox(*src, xSrc, ySrc, srcWidth, srcHeight);
    BlitOp op;
    op.mode = BlitMode::Alpha;
    op.blend = blend;
    return BlitFromDC(*dst, d.x, d.y, d.w, d.h, *src, s.x, s.y, s.w, s.h, op) ? TRUE : FALSE;
}

BOOL TransparentBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, UINT transparent)
{
    DeviceContext* dst = FindDC(hdst);
    DeviceContext* src = FindDC(hsrc);
    if (!dst || !src || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
        return FALSE;
    const Box d = SurfaceBox(*dst, x, y, width, height);
    const Box s = SurfaceBox(*src, xSrc, ySrc, srcWidth, srcHeight);
    BlitOp op;
    op.mode = BlitMode::Transparent;
    op.transparent = transparent;
    return BlitFromDC(*dst, d.x, d.y, d.w, d.h, *src, s.x, s.y, s.w, s.h, op) ? TRUE : FALSE;
}

namespace {

// Device-independent bits as a blit source: decoded top-down, with `rows` of the DIB's
// top-down rows available (from `firstRow`).
bool DibSource(const void* bits, const BITMAPINFO* info, UINT usage, DibFormat& f,
               std::vector<uint32_t>& pixels, BlitSource& src)
{
    if (!bits || !ParseDibFormat(info, usage, f))
        return false;
    const size_t size = (f.compression == BI_RLE4 || f.compression == BI_RLE8)
                            ? (info->bmiHeader.biSize >= 40 ? info->bmiHeader.biSizeImage : 0)
                            : SIZE_MAX;
    if (!DecodeDibBits(f, static_cast<const uint8_t*>(bits), size, pixels))
        return false;
    src.view.bits = pixels.data();
    src.view.width = f.width;
    src.view.height = f.height;
    src.view.stride = f.width;
    src.bounds = RECT{0, 0, f.width, f.height};
    return true;
}

} // namespace

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    DeviceContext* dc = FindDC(hdc);
    DibFormat f;
    std::vector<uint32_t> pixels;
    BlitSource src;
    if (!dc || !DibSource(bits, info, usage, f, pixels, src))
        return 0;
    // The source origin of a bottom-up DIB is its lower-left corner.
    const int top = f.bottomUp ? f.height - ySrc - srcHeight : ySrc;
    const Box d = SurfaceBox(*dc, x, y, width, height);
    BlitOp op = RopOp(*dc, rop);
    if (!Blit(*dc, d.x, d.y, d.w, d.h, &src, xSrc, top, srcWidth, srcHeight, op))
        return 0;
    return f.height;
}

int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int xSrc, int ySrc,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                      UINT usage)
{
    DeviceContext* dc = FindDC(hdc);
    DibFormat f;
    if (!dc || !bits || !ParseDibFormat(info, usage, f) || width > (1u << 30) ||
        height > (1u << 30))
        return 0;
    if (startScan >= static_cast<UINT>(f.height) || scanLines == 0)
        return 0;
    const UINT lines = std::min<UINT>(scanLines, static_cast<UINT>(f.height) - startScan);
    // Decode only the scan lines given: they form a DIB of `lines` rows.
    DibFormat part = f;
    part.height = static_cast<int>(lines);
    std::vector<uint32_t> pixels;
    const bool rle = f.compression == BI_RLE4 || f.compression == BI_RLE8;
    const size_t size = rle ? (info->bmiHeader.biSize >= 40 ? info->bmiHeader.biSizeImage : 0)
                            : SIZE_MAX;
    if (!DecodeDibBits(rle ? f : part, static_cast<const uint8_t*>(bits), size, pixels))
        return 0;
    BlitSource src;
    src.view.bits = pixels.data();
    src.view.width = f.width;
    src.view.stride = f.width;
    // The decoded rows are the DIB's top-down rows from firstRow on.
    int firstRow = 0;
    if (rle) {
        src.view.height = f.height;
    } else {
        src.view.height = part.height;
        firstRow = f.bottomUp ? f.height - static_cast<int>(startScan + lines)
                              : static_cast<int>(startScan);
    }
    src.bounds = RECT{0, 0, src.view.width, src.view.height};
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const int top = f.bottomUp ? f.height - ySrc - h : ySrc;
    const POINT d = dc->ToSurface(x, y);
    BlitOp op;
    op.rop = 0xCC;
    Blit(*dc, d.x, d.y, w, h, &src, xSrc, top - firstRow, w, h, op);
    return static_cast<int>(lines);
}

BOOL GdiFlush()
{
    return TRUE;
}
