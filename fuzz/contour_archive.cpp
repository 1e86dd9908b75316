// Fuzzes loading a contour from an archive (the point array's count and points), then runs the
// loaded points, whatever they are (none, NaN, infinities), through the contour's queries.
#include <misc/geometry.h>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int closed = data[0] & 1;
    std::vector<BYTE> bytes(data + 1, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    myContour c;
    try {
        CArchive ar(&file, CArchive::load);
        c.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
    c.closed = closed;
    c.updateParameters();
    const int n = static_cast<int>(c.GetSize());
    volatile double sink = c.getArea() + c.getPerimeter() + c.getXmin() + c.getYmax();
    for (int i = -1; i <= n; ++i)
        sink = sink + c.isBreakPoint(i, nullptr) + c.anglePoint(i) + c.getEdgeLength(i, 1);
    sink = sink + c.findNearestPoint(InterfacePoint{1, 1}, 0) + c.findNearestPoint(InterfacePoint{1, 1}, 1);
    sink = sink + tfPolIntPoint(n, c.GetData(), 0.5, 0.5, 0.001) + tfPolClockwise(n, c.GetData());
    double box[4];
    tfPolMinMax(n, c.GetData(), &box[0], &box[1], &box[2], &box[3]);
    const tagCutNode node{-3, n, 1, 0};
    sink = sink + box[0] + miscNodeEndPoint(node, n);
    const myContour copy(c);
    sink = sink + copy.getArea();
    (void)sink;
    return 0;
}
