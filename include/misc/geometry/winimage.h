#pragma once
// CWinImageFile: the library's picture class, a picture of the family's image library that can
// be drawn into a device context. The material records hold their pattern pictures as these.
//
// The pixels come from CImageFile: rows bottom-up, R, G, B (and A) bytes, no row padding.
#include <family/imagefile.h>
#include <windows.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CWinImageFile : public CImageFile {
public:
    CWinImageFile() = default;
    CWinImageFile(const CWinImageFile&) = default;
    CWinImageFile& operator=(const CWinImageFile&) = default;
    ~CWinImageFile() override = default;

    // Draws the picture into the rectangle with top-left (x, y) and the given size (a negative
    // width or height: the picture's own), scaled by nearest-neighbour sampling and clipped to
    // the context's clip box and, when given, to clip (logical coordinates; the context's clip
    // region is as before afterwards). True when it drew or nothing was visible; false for a
    // null context, a zero width or height, an empty picture, or while m_drawable is 0.
    // Both the unscaled and the scaled path show the loader's R, G, B bytes as those colours.
    // (Implemented in src/geometry/imagedraw.cpp.)
    bool Draw(HDC dc, long x, long y, long width, long height, RECT* clip);
    bool Draw(HDC dc, const RECT& r, RECT* clip);

    // Draw does nothing while this is 0.
    BYTE m_drawable = 1;
};

MISC_PUBLIC_END
