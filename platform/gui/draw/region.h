#pragma once
// Regions as sorted scanline bands: each band covers the rows [top, bottom) and holds sorted,
// disjoint, non-touching spans [x1, x2). Bands are sorted, do not overlap, and two bands that
// touch never hold the same spans (they are merged). So two equal pixel sets have equal data,
// and every operation is exact integer arithmetic.
#include <cstdint>
#include <vector>

#include "win32/types.h"

namespace gdi {

class Region {
public:
    struct Band {
        int top;
        int bottom;
        int first; // index into xs() of the band's first span start
        int count; // number of spans
    };

    Region() = default;
    Region(int left, int top, int right, int bottom);
    explicit Region(const RECT& rect) : Region(rect.left, rect.top, rect.right, rect.bottom) {}

    bool IsEmpty() const { return m_bands.empty(); }
    bool IsRect() const { return m_bands.size() == 1 && m_bands[0].count == 1; }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Complexity() const;
    RECT Bounds() const { return m_bounds; }
    bool Contains(int x, int y) const;
    bool IntersectsRect(const RECT& rect) const;
    void Offset(int dx, int dy);
    void Clear();
    void SetRect(int left, int top, int right, int bottom);
    bool operator==(const Region& other) const;

    // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF of a and b (RGN_COPY gives a).
    static Region Combine(const Region& a, const Region& b, int mode);
    Region Intersected(const RECT& rect) const;

    const std::vector<Band>& Bands() const { return m_bands; }
    const std::vector<int>& Xs() const { return m_xs; } // x1, x2 pairs
    // The band that holds row y, or null.
    const Band* FindBand(int y) const;
    // Calls f(top, bottom, x1, x2) for each span of each band.
    template <class F>
    void ForEachSpan(F&& f) const
    {
        for (const Band& b : m_bands) {
            for (int i = 0; i < b.count; ++i)
                f(b.top, b.bottom, m_xs[b.first + 2 * i], m_xs[b.first + 2 * i + 1]);
        }
    }

private:
    friend class RegionBuilder;
    void AppendBand(int top, int bottom, const int* xs, int pairCount);
    void UpdateBounds();

    std::vector<Band> m_bands;
    std::vector<int> m_xs;
    RECT m_bounds{0, 0, 0, 0};
};

// Builds a region band by band, top to bottom. Each call adds the rows [top, bottom) with the
// given spans (pairs x1, x2; sorted or not, overlapping or not); rows must come in increasing
// order and not overlap earlier ones.
class RegionBuilder {
public:
    void AddRows(int top, int bottom, const int* xs, int pairCount);
    Region Finish();

private:
    Region m_region;
    std::vector<int> m_scratch;
};

// Shapes (regions.cpp). Rectangles follow GDI: right and bottom edges excluded.
Region PolygonRegion(const POINT* points, const int* counts, int polygons, int fillMode);
Region EllipseRegion(int left, int top, int right, int bottom);
Region RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                       int ellipseHeight);
// The same shapes cut to `limit`, for figures of any size (coordinates beyond the int range):
// only the rows inside `limit` are visited, so the cost follows the limit, not the figure.
Region EllipseRegionIn(long long left, long long top, long long right, long long bottom,
                       const RECT& limit);
Region RoundRectRegionIn(long long left, long long top, long long right, long long bottom,
                         long long ellipseWidth, long long ellipseHeight, const RECT& limit);
// The pixels of `shape` that touch a pixel outside it on one of their four sides: an 8-connected
// outline one pixel wide.
Region InnerBoundary(const Region& shape);

} // namespace gdi
