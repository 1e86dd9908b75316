#pragma once
// The cut-node preview drawing of `misctool render contour`, shared with the gallery.
#include <misc/geometry.h>

namespace misctool {

// White background, an etched frame, the contour in navy, its nodes in green and the current node
// (0-based; -1 for none) last in red, in a world window of the contour's centre +- 0.55 times its
// size inset by 3 pixels.
void RenderContourPreview(CDC& dc, int width, int height, const myContour& c, int current);

} // namespace misctool
