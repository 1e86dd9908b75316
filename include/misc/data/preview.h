#pragma once
// Vector previews: the root text 12 of a typed entity document may describe its preview as a
// small SVG subset inside "MARKER" and "VIEW" elements. ReadVectorPreview turns it into one
// malloc'd block of filled polygons in the coordinates of the picture's view box.
//
// Layout of the block (all integers 32-bit little-endian, pointers native; offsets for a
// 64-bit build, where pointers take 8 bytes):
//   0  view box x          4  view box y        8  view box width     12  view box height
//   16 polygon count       20 point count       24 pointer to the polygon records (offset 40)
//   32 pointer to the points (after the polygon records)
//   polygon record, 16 bytes: fill colour, number of points, pointer to its first point
//   point, 8 bytes: x, y (signed)
// Size: 40 + 16 x polygons + 8 x points bytes (VectorPreviewSize). The pointers point into the
// block itself, so it is released whole with free.
#include <windows.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct sVectorPolygon {
    DWORD color;   // the hexadecimal number after "#" (# FF0000 gives 0xFF0000); 0 when none
    LONG count;    // number of points
    POINT* points; // its first point
};

struct sVectorPreview {
    LONG x;
    LONG y;
    LONG width;
    LONG height;
    LONG polygonCount;
    LONG pointCount;
    sVectorPolygon* polygons;
    POINT* points;
};

// The preview described by `text` (its bytes and length), or null when it holds none.
sVectorPreview* ReadVectorPreview(const char* text, long length);
// Size in bytes of a block made by ReadVectorPreview.
DWORD VectorPreviewSize(const sVectorPreview* preview);

// Size of the buffer that receives the view section; a longer section gives no preview.
#define VECTOR_PREVIEW_VIEW_MAX 262144

MISC_PUBLIC_END
