// Bitmap files as LoadImage and LoadBitmap read them: .bmp (every depth, bit fields, RLE) and
// .png. Decoded pictures are also drawn once, so that odd sizes reach the blit code.
#include <cstddef>
#include <cstdint>

#include "win32/gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HBITMAP bitmap = MiscCreateBitmapFromBmp(data, size);
    if (!bitmap)
        return 0;
    MiscSurface target(16, 16);
    HDC dc = MiscCreateSurfaceDC(&target, 0, 0, nullptr);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, 0, 0, 16, 16, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return 0;
}
