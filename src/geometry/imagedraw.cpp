// CWinImageFile::Draw: a picture of the image library drawn into a device context.
//
// The loader delivers rows bottom-up without padding, each pixel R, G, B (and A). A device-
// independent bitmap wants B, G, R (and A) with rows padded to four bytes, so both paths convert:
// the unscaled path copies the rows into a padded B, G, R buffer before handing it to the
// device, and the scaled path writes its samples in that order while it samples.
#include <misc/geometry/winimage.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Intersects the clip region with a rectangle for the lifetime of the object, then puts the
// previous clip region (or none) back exactly.
class ClipScope
{
public:
    ClipScope(HDC dc, const RECT* clip) : m_dc(clip ? dc : nullptr)
    {
        if (!m_dc)
            return;
        m_saved = CreateRectRgn(0, 0, 0, 0);
        m_hadRegion = GetClipRgn(m_dc, m_saved) == 1;
        IntersectClipRect(m_dc, clip->left, clip->top, clip->right, clip->bottom);
    }
    ~ClipScope()
    {
        if (!m_dc)
            return;
        SelectClipRgn(m_dc, m_hadRegion ? m_saved : nullptr);
        DeleteObject(m_saved);
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    HDC m_dc;
    HRGN m_saved = nullptr;
    bool m_hadRegion = false;
};

BITMAPINFO Header(long width, long height, int bits)
{
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

size_t Stride(long width, int bits)
{
    return (static_cast<size_t>(bits) * static_cast<size_t>(width) + 31) / 32 * 4;
}

// One source pixel (R, G, B[, A]) as a bitmap pixel (B, G, R[, A]).
inline void PutPixel(BYTE* out, const BYTE* in, int bpp)
{
    out[0] = in[2];
    out[1] = in[1];
    out[2] = in[0];
    if (bpp == 4)
        out[3] = in[3];
}

// The picture at its own size: its rows converted and handed to the device at (x, y).
bool DrawUnscaled(const CImageFile& image, HDC dc, long x, long y)
{
    const long w = image.getWidth(), h = image.getHeight();
    const int bpp = image.getBytesPerPixel();
    const int bits = bpp * 8;
    const size_t stride = Stride(w, bits);
    std::vector<BYTE> rows(stride * static_cast<size_t>(h));
    const BYTE* src = image.getData();
    for (long r = 0; r < h; ++r) {
        const BYTE* in = src + static_cast<size_t>(r) * image.getRowBytes();
        BYTE* out = rows.data() + static_cast<size_t>(r) * stride;
        for (long c = 0; c < w; ++c, in += bpp, out += bpp)
            PutPixel(out, in, bpp);
    }
    const BITMAPINFO info = Header(w, h, bits);
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    SetDIBitsToDevice(dc, static_cast<int>(x), static_cast<int>(y), static_cast<DWORD>(w), static_cast<DWORD>(h), 0,
                      0, 0, static_cast<UINT>(h), rows.data(), &info, DIB_RGB_COLORS);
    if (oldMode)
        SetStretchBltMode(dc, oldMode);
    return true;
}

// The visible part [L, R) x [T, B) of the target rectangle, sampled from the picture.
bool DrawScaled(const CImageFile& image, HDC dc, long x, long y, long width, long height, const RECT& visible)
{
    const long L = visible.left, T = visible.top, W = visible.right - visible.left, H = visible.bottom - visible.top;
    const long B = visible.bottom;
    const long pw = image.getWidth(), ph = image.getHeight();
    const int bpp = image.getBytesPerPixel();
    const int bits = bpp * 8;
    const size_t stride = Stride(W, bits);

    BITMAPINFO info = Header(W, H, bits);
    void* bitsPtr = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bitsPtr, nullptr, 0);
    if (!bitmap || !bitsPtr) {
        if (bitmap)
            DeleteObject(bitmap);
        return false;
    }
    const float sx = static_cast<float>(pw) / static_cast<float>(width);
    const float sy = static_cast<float>(ph) / static_cast<float>(height);

    // The source column of every output column, once.
    std::vector<size_t> column(static_cast<size_t>(W));
    for (long j = 0; j < W; ++j) {
        long c = static_cast<long>(std::floor(static_cast<float>(j + L - x) * sx));
        c = std::clamp(c, 0L, pw - 1);
        column[static_cast<size_t>(j)] = static_cast<size_t>(c) * bpp;
    }
    const BYTE* src = image.getData();
    BYTE* out = static_cast<BYTE*>(bitsPtr);
    for (long i = 0; i < H; ++i) {
        long r = static_cast<long>(std::floor(static_cast<float>(ph) - static_cast<float>(B - i - y) * sy));
        r = std::clamp(r, 0L, ph - 1);
        const BYTE* in = src + static_cast<size_t>(r) * image.getRowBytes();
        BYTE* o = out + static_cast<size_t>(i) * stride;
        if (bpp == 3) {
            for (long j = 0; j < W; ++j, o += 3) {
                const BYTE* p = in + column[static_cast<size_t>(j)];
                o[0] = p[2];
                o[1] = p[1];
                o[2] = p[0];
            }
        } else {
            for (long j = 0; j < W; ++j, o += 4)
                PutPixel(o, in + column[static_cast<size_t>(j)], 4);
        }
    }
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, static_cast<int>(L), static_cast<int>(T), static_cast<int>(W), static_cast<int>(H), memory, 0, 0,
               SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
    return memory != nullptr;
}

} // namespace

bool CWinImageFile::Draw(HDC dc, long x, long y, long width, long height, RECT* clip)
{
    if (!dc || width == 0 || height == 0 || !m_drawable || IsEmpty() || !getData())
        return false;
    if (width < 0)
        width = getWidth();
    if (height < 0)
        height = getHeight();
    ClipScope scope(dc, clip);

    RECT box;
    if (GetClipBox(dc, &box) == ERROR)
        return false;
    // The target rectangle with each edge clamped into the clip box.
    RECT visible;
    visible.left = std::clamp<long>(x, box.left, box.right);
    visible.right = std::clamp<long>(x + width, box.left, box.right);
    visible.top = std::clamp<long>(y, box.top, box.bottom);
    visible.bottom = std::clamp<long>(y + height, box.top, box.bottom);
    if (visible.right <= visible.left || visible.bottom <= visible.top)
        return true;

    if (width == getWidth() && height == getHeight())
        return DrawUnscaled(*this, dc, x, y);
    return DrawScaled(*this, dc, x, y, width, height, visible);
}

bool CWinImageFile::Draw(HDC dc, const RECT& r, RECT* clip)
{
    return Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, clip);
}
