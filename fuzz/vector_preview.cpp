// The vector preview reader: any text; a result must be self-contained and consistent.
#include <cstdint>
#include <cstdlib>

#include "misc/data/preview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    sVectorPreview* v = ReadVectorPreview(reinterpret_cast<const char*>(data), static_cast<long>(size));
    if (!v)
        return 0;
    const char* begin = reinterpret_cast<const char*>(v);
    const char* end = begin + VectorPreviewSize(v);
    LONG points = 0;
    for (LONG i = 0; i < v->polygonCount; ++i) {
        const sVectorPolygon& p = v->polygons[i];
        const char* first = reinterpret_cast<const char*>(p.points);
        const char* last = reinterpret_cast<const char*>(p.points + p.count);
        if (p.count <= 0 || first < begin || last > end)
            __builtin_trap();
        points += p.count;
    }
    if (points != v->pointCount || v->pointCount < 3)
        __builtin_trap();
    std::free(v);
    return 0;
}
