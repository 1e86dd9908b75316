#pragma once
// Closed figures drawn with the selected pen (outline) and brush (interior), both with the
// context's mix mode. Boxes are in surface coordinates, already ordered; the right and bottom
// edges are outside the figure, as in GDI.
#include "dc.h"

namespace gdi {

enum class ArcKind { Arc, Chord, Pie };

bool DrawRectangle(DeviceContext& dc, RECT box);
bool DrawRoundRect(DeviceContext& dc, RECT box, int ellipseWidth, int ellipseHeight);
bool DrawEllipse(DeviceContext& dc, RECT box);
// start and end are the radial points; returns the pixel where the arc ends in `endPoint`.
bool DrawArc(DeviceContext& dc, RECT box, POINT start, POINT end, ArcKind kind,
             POINT* startPoint = nullptr, POINT* endPoint = nullptr);
bool DrawPolygons(DeviceContext& dc, const POINT* points, const int* counts, int polygons);
// Lines through points (surface coordinates) with the pen; the last pixel is left out.
bool DrawLines(DeviceContext& dc, const POINT* points, int count);

} // namespace gdi
