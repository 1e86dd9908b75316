#pragma once
// Pens: cosmetic one-pixel lines drawn with Bresenham steps that leave out the last pixel (as
// Windows draws them, with the same choice of pixel on ties in both directions), styled
// (dashed, dotted) cosmetic lines, and wide lines as round-capped strokes.
#include <vector>

#include "paint.h"

namespace gdi {

struct PenDraw {
    bool none = true;
    uint32_t color = 0;
    int rop2 = R2_COPYPEN;
    int width = 1;          // device pixels
    bool insideFrame = false;
    std::vector<int> dashes; // on, off, on, off ... in pixels; empty: solid
    int dashTotal = 0;
    long long dashPos = 0;   // pixels drawn so far along the figure
    bool opaqueGaps = false;
    uint32_t gapColor = 0;

    bool Solid() const { return dashes.empty(); }
    bool DashOn(long long pos) const;
};

PenDraw MakePen(DeviceContext& dc, const Target& t);
// A line from a to b (surface coordinates). Cosmetic pens leave out b unless `last` is set.
void DrawSegment(const Target& t, PenDraw& pen, POINT a, POINT b, bool last = false);
void DrawPolyline(const Target& t, PenDraw& pen, const POINT* points, int count, bool closed);

} // namespace gdi
