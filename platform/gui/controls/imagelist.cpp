// Image lists: each image kept as 32-bit pixels with an alpha of 0 where it is transparent, drawn
// through a premultiplied DIB section and AlphaBlend.
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "win32/gdi.h"
#include "win32/imagelist.h"
#include "win32/user.h"

struct MiscImageList {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    std::vector<std::vector<uint32_t>> images; // 0xAARRGGBB, row 0 at the top
};

namespace {

// The image lists alive; a handle not in it is refused.
std::set<HIMAGELIST>& Lists()
{
    static std::set<HIMAGELIST> lists;
    return lists;
}

MiscImageList* Valid(HIMAGELIST list)
{
    return list && Lists().count(list) ? list : nullptr;
}

constexpr int kMaxImages = 1 << 16;
constexpr int kMaxSide = 4096;

// The pixels of a bitmap, top row first, as 0x00RRGGBB.
bool ReadBitmap(HBITMAP bitmap, int* width, int* height, std::vector<uint32_t>& out)
{
    BITMAP bm{};
    if (!bitmap || GetObjectA(bitmap, sizeof(bm), &bm) != static_cast<int>(sizeof(bm)))
        return false;
    if (bm.bmWidth <= 0 || bm.bmHeight <= 0 || bm.bmWidth > kMaxSide * 16 || bm.bmHeight > kMaxSide)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    out.assign(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight), 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), out.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    *width = bm.bmWidth;
    *height = bm.bmHeight;
    return rows > 0;
}

COLORREF ToColor(uint32_t p)
{
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Cuts a bitmap into images; `transparent` tells which pixels (by index) are see-through.
template <class Transparent>
int AddImages(MiscImageList* list, HBITMAP image, Transparent transparent)
{
    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    if (!list || !ReadBitmap(image, &w, &h, pixels))
        return -1;
    const int count = std::max(1, w / list->cx);
    if (static_cast<int>(list->images.size()) + count > kMaxImages)
        return -1;
    const int first = static_cast<int>(list->images.size());
    for (int k = 0; k < count; ++k) {
        std::vector<uint32_t> img(static_cast<size_t>(list->cx) * static_cast<size_t>(list->cy), 0);
        for (int y = 0; y < std::min(h, list->cy); ++y)
            for (int x = 0; x < list->cx && k * list->cx + x < w; ++x) {
                const size_t at = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(k * list->cx + x);
                const uint32_t rgb = pixels[at] & 0xFFFFFFu;
                img[static_cast<size_t>(y) * static_cast<size_t>(list->cx) + static_cast<size_t>(x)] =
                    transparent(at, rgb) ? 0u : (0xFF000000u | rgb);
            }
        list->images.push_back(std::move(img));
    }
    return first;
}

uint32_t Blend(uint32_t p, COLORREF with, int percent)
{
    auto mix = [&](int a, int b) { return static_cast<uint32_t>((a * (100 - percent) + b * percent) / 100); };
    return (p & 0xFF000000u) | (mix((p >> 16) & 0xFF, GetRValue(with)) << 16) | (mix((p >> 8) & 0xFF, GetGValue(with)) << 8) |
           mix(p & 0xFF, GetBValue(with));
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int)
{
    if (cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide)
        return nullptr;
    auto* list = new MiscImageList;
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    Lists().insert(list);
    return list;
}

BOOL ImageList_Destroy(HIMAGELIST list)
{
    if (!Valid(list))
        return FALSE;
    Lists().erase(list);
    delete list;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list)
{
    return Valid(list) ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy)
{
    if (!Valid(list) || !cx || !cy)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask)
{
    if (!Valid(list))
        return -1;
    std::vector<uint32_t> maskPixels;
    int mw = 0, mh = 0;
    const bool useMask = (list->flags & ILC_MASK) && mask && ReadBitmap(mask, &mw, &mh, maskPixels);
    return AddImages(list, image, [&](size_t at, uint32_t) {
        return useMask && at < maskPixels.size() && (maskPixels[at] & 0xFFFFFFu) != 0;
    });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor)
{
    if (!Valid(list))
        return -1;
    const bool useMask = maskColor != CLR_NONE;
    const COLORREF key = maskColor & 0xFFFFFF;
    return AddImages(list, image, [&](size_t, uint32_t rgb) { return useMask && ToColor(rgb) == key; });
}

BOOL ImageList_Remove(HIMAGELIST list, int index)
{
    if (!Valid(list))
        return FALSE;
    if (index == -1) {
        list->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(list->images.size()))
        return FALSE;
    list->images.erase(list->images.begin() + index);
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color)
{
    if (!Valid(list))
        return CLR_NONE;
    const COLORREF old = list->background;
    list->background = color;
    return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list)
{
    return Valid(list) ? list->background : CLR_NONE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style)
{
    if (!Valid(list) || !dc || index < 0 || index >= static_cast<int>(list->images.size()))
        return FALSE;
    const std::vector<uint32_t>& img = list->images[static_cast<size_t>(index)];
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = list->cx;
    info.bmiHeader.biHeight = -list->cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib)
            DeleteObject(dib);
        return FALSE;
    }
    auto* out = static_cast<uint32_t*>(bits);
    const bool opaqueBack = !(style & (ILD_TRANSPARENT | ILD_MASK)) && list->background != CLR_NONE;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    for (size_t i = 0; i < img.size(); ++i) {
        uint32_t p = img[i];
        if (style & ILD_MASK)
            p = p ? 0xFF000000u : 0xFFFFFFFFu;
        else if (!p && opaqueBack)
            p = 0xFF000000u | (GetRValue(list->background) << 16) | (GetGValue(list->background) << 8) |
                GetBValue(list->background);
        else if (p && (style & ILD_BLEND50))
            p = Blend(p, highlight, 50);
        else if (p && (style & ILD_BLEND25))
            p = Blend(p, highlight, 25);
        out[i] = p; // alpha is 0 or 255: already premultiplied
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, dib);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL ok = AlphaBlend(dc, x, y, list->cx, list->cy, mem, 0, 0, list->cx, list->cy, blend);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    return ok;
}
