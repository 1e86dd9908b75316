// Fuzzes the contour text reader of misctool, then runs the contour it makes through the
// measures, break points, node arithmetic and polygon functions that `misctool contour` uses.
#include <misc/geometry.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "contour_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    misctool::ContourText text;
    misctool::ContourTextError error;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (!misctool::ParseContourText(input, text, error))
        return 0;
    const myContour c = misctool::MakeContour(text);
    const int n = static_cast<int>(c.GetSize());
    volatile double sink = c.getArea() + c.getPerimeter() + c.getXsize() + c.getYcenter();
    for (int i = 0; i < n; ++i)
        sink = sink + c.isBreakPoint(i, nullptr) + c.anglePoint(i) + c.getEdgeLength(i, i & 1);
    for (int k = 0; k < c.getNumNodes(); ++k)
        sink = sink + miscNodeFirstPoint(c.nodes[k], n) + miscNodeEndPoint(c.nodes[k], n) +
               miscNodeAvailable(c.nodes[k], n, c.closed);
    sink = sink + c.findNearestPoint(InterfacePoint{0, 0}, 0);
    sink = sink + tfPolIntPoint(n, c.GetData(), c.getXcenter(), c.getYcenter(), 0.001);
    sink = sink + tfPolArea(n, c.GetData()) + tfPolLongestEdge(n, c.GetData());
    std::vector<double> xs(n), ys(n);
    for (int i = 0; i < n; ++i) {
        xs[i] = c[i].x;
        ys[i] = c[i].y;
    }
    sink = sink + tfPolIntPoint(n, xs.data(), ys.data(), c.getXcenter(), c.getYcenter(), 0.001);
    sink = sink + tfPolsIntersect(n, xs.data(), ys.data(), n, ys.data(), xs.data());
    (void)sink;
    return 0;
}
