// Win32 bitmap functions: device bitmaps, DIB sections, DIB bits in and out, loading bitmaps
// from module resources and files.
#include <png.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <strings.h>
#include <vector>

#include "bitmap.h"
#include "bmpread.h"
#include "dc.h"
#include "stock.h"
#include "win32/gdi.h"
#include "win32/module.h"
#include "win32/user.h"

using namespace gdi;

namespace {

HBITMAP AddBitmap(std::shared_ptr<Bitmap> b)
{
    return b ? static_cast<HBITMAP>(AddObject(std::move(b))) : nullptr;
}

HBITMAP FromPixels(int w, int h, const std::vector<uint32_t>& pixels, bool dibSection)
{
    std::shared_ptr<Bitmap> b;
    if (dibSection) {
        DibFormat f;
        f.width = w;
        f.height = h;
        f.bottomUp = true;
        f.bpp = 32;
        f.stride = DibStride(w, 32);
        b = Bitmap::CreateDibSection(f, nullptr);
    } else {
        b = Bitmap::CreateDevice(w, h, 32);
    }
    if (!b)
        return nullptr;
    PixelView v = b->Begin();
    for (int y = 0; y < h; ++y)
        std::memcpy(v.Row(y), pixels.data() + static_cast<size_t>(y) * w, static_cast<size_t>(w) * 4);
    b->End(true);
    return AddBitmap(b);
}

bool DecodePng(const uint8_t* data, size_t size, int& w, int& h, std::vector<uint32_t>& pixels)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size))
        return false;
    if (image.width == 0 || image.height == 0 || image.width > kMaxBitmapSide ||
        image.height > kMaxBitmapSide ||
        static_cast<long long>(image.width) * image.height > kMaxBitmapPixels) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_BGRA;
    pixels.resize(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    w = static_cast<int>(image.width);
    h = static_cast<int>(image.height);
    return true;
}

bool DecodeImage(const uint8_t* data, size_t size, int& w, int& h, std::vector<uint32_t>& px)
{
    if (size >= 8 && std::memcmp(data, "\x89PNG", 4) == 0)
        return DecodePng(data, size, w, h, px);
    return DecodeBmp(data, size, w, h, px);
}

// LR_LOADMAP3DCOLORS and LR_LOADTRANSPARENT: the greys of classic bitmaps become the system's
// 3-D colours, the first pixel's colour the window colour.
void MapColors(std::vector<uint32_t>& px, UINT flags)
{
    if (px.empty())
        return;
    const uint32_t first = px[0] & 0xFFFFFFu;
    for (uint32_t& p : px) {
        const uint32_t c = p & 0xFFFFFFu;
        if ((flags & LR_LOADTRANSPARENT) && c == first)
            p = MiscPixelFromColor(SysColor(COLOR_WINDOW));
        else if (flags & LR_LOADMAP3DCOLORS) {
            if (c == 0x808080)
                p = MiscPixelFromColor(SysColor(COLOR_3DSHADOW));
            else if (c == 0xC0C0C0)
                p = MiscPixelFromColor(SysColor(COLOR_3DFACE));
            else if (c == 0xDFDFDF)
                p = MiscPixelFromColor(SysColor(COLOR_3DLIGHT));
        }
    }
}

void Resize(int& w, int& h, std::vector<uint32_t>& px, int cx, int cy)
{
    if ((cx <= 0 || cx == w) && (cy <= 0 || cy == h))
        return;
    const int nw = cx > 0 ? std::min(cx, kMaxBitmapSide) : w;
    const int nh = cy > 0 ? std::min(cy, kMaxBitmapSide) : h;
    if (static_cast<long long>(nw) * nh > kMaxBitmapPixels)
        return;
    std::vector<uint32_t> out(static_cast<size_t>(nw) * nh);
    for (int y = 0; y < nh; ++y)
        for (int x = 0; x < nw; ++x)
            out[static_cast<size_t>(y) * nw + x] =
                px[static_cast<size_t>(static_cast<long long>(y) * h / nh) * w +
                   static_cast<size_t>(static_cast<long long>(x) * w / nw)];
    px.swap(out);
    w = nw;
    h = nh;
}

const MiscResBlob* FindBitmapResource(HINSTANCE module, LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return MiscFindBitmap(module, static_cast<UINT>(reinterpret_cast<uintptr_t>(name)));
    if (name[0] == '#')
        return MiscFindBitmap(module, static_cast<UINT>(std::strtoul(name + 1, nullptr, 10)));
    const MiscResourceTable* table = MiscModuleResources(module);
    if (!table)
        return nullptr;
    for (int i = 0; i < table->bitmapCount; ++i) {
        const MiscResBlob& b = table->bitmaps[i];
        if (b.name && strcasecmp(b.name, name) == 0)
            return &b;
    }
    return nullptr;
}

// A palette for GetDIBits at 1, 4 or 8 bits.
std::vector<RGBQUAD> DefaultColors(int bpp)
{
    std::vector<RGBQUAD> c;
    if (bpp == 1) {
        c = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    } else if (bpp == 4) {
        static const BYTE vga[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                        {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                        {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                        {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (auto& e : vga)
            c.push_back(RGBQUAD{e[2], e[1], e[0], 0});
    } else if (bpp == 8) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    c.push_back(RGBQUAD{BYTE(b * 51), BYTE(g * 51), BYTE(r * 51), 0});
        for (int i = 0; i < 40; ++i) {
            const BYTE v = static_cast<BYTE>(i * 255 / 39);
            c.push_back(RGBQUAD{v, v, v, 0});
        }
    }
    return c;
}

} // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    if (width == 0 || height == 0)
        return AddBitmap(Bitmap::CreateDevice(1, 1, 1));
    // A memory context holding a monochrome bitmap makes monochrome bitmaps, as in Windows.
    const auto& sel = dc->State().bitmap;
    const bool mono = dc->IsMemory() && sel && sel->IsMono();
    return AddBitmap(Bitmap::CreateDevice(width, height, mono ? 1 : 32));
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (width == 0 || height == 0)
        return AddBitmap(Bitmap::CreateDevice(1, 1, 1));
    if (width < 0 || height < 0 || planes != 1 || bitsPerPixel > 32)
        return nullptr;
    auto b = Bitmap::CreateDevice(width, height, bitsPerPixel == 1 ? 1 : 32);
    if (!b)
        return nullptr;
    HBITMAP h = AddBitmap(b);
    if (bits && h) {
        BITMAP bm;
        b->FillBITMAP(bm);
        SetBitmapBits(h, static_cast<DWORD>(bm.bmWidthBytes * height), bits);
    }
    return h;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bm)
{
    return bm ? CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits)
              : nullptr;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits)
{
    auto* b = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    if (!b || !bits || b->IsDib())
        return 0;
    BITMAP bm;
    b->FillBITMAP(bm);
    const size_t stride = static_cast<size_t>(bm.bmWidthBytes);
    const int rows = static_cast<int>(std::min<size_t>(size / stride, static_cast<size_t>(b->Height())));
    const uint8_t* src = static_cast<const uint8_t*>(bits);
    PixelView v = b->Begin();
    for (int y = 0; y < rows; ++y) {
        const uint8_t* r = src + y * stride;
        uint32_t* out = v.Row(y);
        for (int x = 0; x < b->Width(); ++x) {
            if (b->IsMono())
                out[x] = ((r[x >> 3] >> (7 - (x & 7))) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
            else
                out[x] = 0xFF000000u | (r[4 * x] | (uint32_t(r[4 * x + 1]) << 8) |
                                        (uint32_t(r[4 * x + 2]) << 16));
        }
    }
    b->End(true);
    return static_cast<LONG>(rows * stride);
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits)
{
    auto* b = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    if (!b || size < 0)
        return 0;
    BITMAP bm;
    b->FillBITMAP(bm);
    const size_t stride = static_cast<size_t>(bm.bmWidthBytes);
    if (!bits)
        return static_cast<LONG>(stride * b->Height());
    const int rows = static_cast<int>(std::min<size_t>(static_cast<size_t>(size) / stride,
                                                       static_cast<size_t>(b->Height())));
    uint8_t* dst = static_cast<uint8_t*>(bits);
    PixelView v = b->Begin();
    for (int y = 0; y < rows; ++y) {
        uint8_t* r = dst + y * stride;
        std::memset(r, 0, stride);
        const uint32_t* in = v.Row(y);
        for (int x = 0; x < b->Width(); ++x) {
            if (b->IsMono() || b->BitsPixel() == 1) {
                if (in[x] & 0xFFFFFFu)
                    r[x >> 3] |= static_cast<uint8_t>(0x80u >> (x & 7));
            } else if (4 * static_cast<size_t>(x) + 3 < stride) {
                std::memcpy(r + 4 * x, &in[x], 4);
            }
        }
    }
    b->End(false);
    return static_cast<LONG>(rows * stride);
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size)
{
    if (!FindAs<Bitmap>(bitmap, Kind::Bitmap) || !size)
        return FALSE;
    *size = SIZE{0, 0};
    return TRUE;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset)
{
    DibFormat f;
    if (!ParseDibFormat(info, usage, f) || section)
        return nullptr;
    HBITMAP h = AddBitmap(Bitmap::CreateDibSection(f, bits));
    if (!h && bits)
        *bits = nullptr;
    return h;
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage)
{
    if (!header)
        return nullptr;
    const LONG w = header->biWidth, h = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    auto b = Bitmap::CreateDevice(w, h, 32);
    if (!b)
        return nullptr;
    HBITMAP hb = AddBitmap(b);
    if ((init & CBM_INIT) && bits && info && hb)
        SetDIBits(hdc, hb, 0, static_cast<UINT>(h), bits, info, usage);
    return hb;
}

int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage)
{
    auto* b = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    DibFormat f;
    if (!b || !bits || !ParseDibFormat(info, usage, f) || start >= static_cast<UINT>(f.height))
        return 0;
    const UINT n = std::min<UINT>(lines, static_cast<UINT>(f.height) - start);
    std::vector<uint32_t> decoded;
    const bool rle = f.compression == BI_RLE4 || f.compression == BI_RLE8;
    if (rle && !DecodeDibBits(f, static_cast<const uint8_t*>(bits),
                              info->bmiHeader.biSizeImage ? info->bmiHeader.biSizeImage : 0,
                              decoded))
        return 0;
    std::vector<uint32_t> row(static_cast<size_t>(f.width));
    PixelView v = b->Begin();
    const int w = std::min(f.width, b->Width());
    for (UINT i = 0; i < n; ++i) {
        const int scan = static_cast<int>(start + i); // DIB scan line, storage order
        const int fy = f.bottomUp ? f.height - 1 - scan : scan; // top-down row in the DIB
        const int y = fy - (f.height - b->Height()) * (f.bottomUp ? 1 : 0);
        if (y < 0 || y >= b->Height())
            continue;
        if (rle)
            std::memcpy(row.data(), decoded.data() + static_cast<size_t>(fy) * f.width,
                        static_cast<size_t>(f.width) * 4);
        else
            DibRowToPixels(f, static_cast<const uint8_t*>(bits) + i * f.stride, row.data(), f.width);
        uint32_t* out = v.Row(y);
        for (int x = 0; x < w; ++x)
            out[x] = b->IsMono() ? ((row[x] & 0xFFFFFFu) ? 0xFFFFFFFFu : 0xFF000000u) : row[x];
    }
    b->End(true);
    return static_cast<int>(n);
}

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage)
{
    auto* b = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    if (!b || !info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER))
        return 0;
    BITMAPINFOHEADER& hdr = info->bmiHeader;
    if (hdr.biBitCount == 0 || !bits) {
        if (hdr.biBitCount == 0) {
            hdr.biWidth = b->Width();
            hdr.biHeight = b->Height();
            hdr.biPlanes = 1;
            hdr.biBitCount = static_cast<WORD>(b->IsMono() ? 1 : (b->IsDib() ? b->BitsPixel() : 32));
            hdr.biCompression = BI_RGB;
            hdr.biSizeImage = static_cast<DWORD>(DibStride(b->Width(), hdr.biBitCount) * b->Height());
            hdr.biXPelsPerMeter = hdr.biYPelsPerMeter = 3780;
            hdr.biClrUsed = hdr.biClrImportant = 0;
            return 1;
        }
    }
    if (hdr.biBitCount != 1 && hdr.biBitCount != 4 && hdr.biBitCount != 8 &&
        hdr.biBitCount != 16 && hdr.biBitCount != 24 && hdr.biBitCount != 32)
        return 0;
    if (hdr.biCompression != BI_RGB && hdr.biCompression != BI_BITFIELDS)
        return 0;
    DibFormat f;
    f.width = b->Width();
    f.height = b->Height();
    f.bottomUp = hdr.biHeight >= 0;
    f.bpp = hdr.biBitCount;
    f.compression = hdr.biCompression;
    f.stride = DibStride(f.width, f.bpp);
    if (f.compression == BI_BITFIELDS && (f.bpp == 16 || f.bpp == 32)) {
        std::memcpy(f.masks, reinterpret_cast<const uint8_t*>(info) + hdr.biSize, sizeof f.masks);
    } else {
        f.compression = BI_RGB;
        if (f.bpp == 16)
            f.masks[0] = 0x7C00, f.masks[1] = 0x03E0, f.masks[2] = 0x001F;
    }
    f.colors = DefaultColors(f.bpp);
    hdr.biWidth = f.width;
    hdr.biHeight = f.bottomUp ? f.height : -f.height;
    hdr.biPlanes = 1;
    hdr.biSizeImage = static_cast<DWORD>(f.stride * f.height);
    if (f.bpp <= 8 && usage == DIB_RGB_COLORS) {
        RGBQUAD* table = reinterpret_cast<RGBQUAD*>(reinterpret_cast<uint8_t*>(info) + hdr.biSize);
        std::copy(f.colors.begin(), f.colors.end(), table);
        hdr.biClrUsed = 0;
    }
    if (!bits)
        return 1;
    if (start >= static_cast<UINT>(f.height))
        return 0;
    const UINT n = std::min<UINT>(lines, static_cast<UINT>(f.height) - start);
    PixelView v = b->Begin();
    for (UINT i = 0; i < n; ++i) {
        const int scan = static_cast<int>(start + i);
        const int y = f.bottomUp ? f.height - 1 - scan : scan;
        PixelsToDibRow(f, v.Row(y), static_cast<uint8_t*>(bits) + i * f.stride, f.width);
    }
    b->End(false);
    return static_cast<int>(n);
}

HBITMAP MiscCreateBitmapFromBmp(const void* data, size_t size)
{
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (!data || !DecodeImage(static_cast<const uint8_t*>(data), size, w, h, px))
        return nullptr;
    return FromPixels(w, h, px, false);
}

HANDLE LoadImageA(HINSTANCE module, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    // Icons and cursors of a module are shared handles, whatever size is asked for.
    if (type == IMAGE_ICON && !(flags & LR_LOADFROMFILE))
        return LoadIconA(module, name);
    if (type == IMAGE_CURSOR && !(flags & LR_LOADFROMFILE))
        return LoadCursorA(module, name);
    if (type != IMAGE_BITMAP || !name)
        return nullptr;
    std::vector<uint8_t> file;
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (flags & LR_LOADFROMFILE) {
        if (IS_INTRESOURCE(name))
            return nullptr;
        std::ifstream in(name, std::ios::binary);
        if (!in)
            return nullptr;
        in.seekg(0, std::ios::end);
        const std::streamoff len = in.tellg();
        if (len <= 0 || len > (std::streamoff(1) << 30))
            return nullptr;
        in.seekg(0);
        file.resize(static_cast<size_t>(len));
        in.read(reinterpret_cast<char*>(file.data()), len);
        data = file.data();
        size = file.size();
    } else {
        const MiscResBlob* blob = FindBitmapResource(module, name);
        if (!blob || !blob->data)
            return nullptr;
        data = blob->data;
        size = blob->size;
    }
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (!DecodeImage(data, size, w, h, px))
        return nullptr;
    MapColors(px, flags);
    Resize(w, h, px, cx, cy);
    return FromPixels(w, h, px, (flags & LR_CREATEDIBSECTION) != 0);
}

HBITMAP LoadBitmapA(HINSTANCE module, LPCSTR name)
{
    return static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, 0));
}

BOOL MiscCopyBitmapToSurface(HBITMAP bitmap, MiscSurface* out)
{
    auto* b = FindAs<Bitmap>(bitmap, Kind::Bitmap);
    if (!b || !out)
        return FALSE;
    b->CopyTo(*out);
    return TRUE;
}
