#include "region.h"

#include <algorithm>

#include "win32/gditypes.h"

namespace gdi {
namespace {

// Region coordinates stay within this range so that offsets and sizes never overflow an int.
constexpr int kLimit = 1 << 29;

int Clamp(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, -kLimit, kLimit));
}

bool Apply(int mode, bool a, bool b)
{
    switch (mode) {
    case RGN_AND: return a && b;
    case RGN_OR: return a || b;
    case RGN_XOR: return a != b;
    case RGN_DIFF: return a && !b;
    default: return a;
    }
}

// Merges two sorted span lists (x1, x2 pairs) with a boolean operation.
void MergeSpans(const int* a, int na, const int* b, int nb, int mode, std::vector<int>& out)
{
    out.clear();
    int i = 0, j = 0;
    const int ea = 2 * na, eb = 2 * nb;
    bool inA = false, inB = false, cur = false;
    while (i < ea || j < eb) {
        int x;
        if (j >= eb || (i < ea && a[i] <= b[j]))
            x = a[i];
        else
            x = b[j];
        while (i < ea && a[i] == x) {
            inA = !inA;
            ++i;
        }
        while (j < eb && b[j] == x) {
            inB = !inB;
            ++j;
        }
        const bool now = Apply(mode, inA, inB);
        if (now != cur) {
            out.push_back(x);
            cur = now;
        }
    }
}

} // namespace

Region::Region(int left, int top, int right, int bottom)
{
    SetRect(left, top, right, bottom);
}

void Region::Clear()
{
    m_bands.clear();
    m_xs.clear();
    m_bounds = RECT{0, 0, 0, 0};
}

void Region::SetRect(int left, int top, int right, int bottom)
{
    Clear();
    // Windows orders the corners of a rectangular region.
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    left = Clamp(left), right = Clamp(right), top = Clamp(top), bottom = Clamp(bottom);
    if (left >= right || top >= bottom)
        return;
    const int xs[2] = {left, right};
    AppendBand(top, bottom, xs, 1);
    m_bounds = RECT{left, top, right, bottom};
}

int Region::Complexity() const
{
    if (m_bands.empty())
        return NULLREGION;
    return IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

void Region::AppendBand(int top, int bottom, const int* xs, int pairCount)
{
    if (top >= bottom || pairCount <= 0)
        return;
    if (!m_bands.empty()) {
        Band& last = m_bands.back();
        if (last.bottom == top && last.count == pairCount &&
            std::equal(xs, xs + 2 * pairCount, m_xs.begin() + last.first)) {
            last.bottom = bottom;
            return;
        }
    }
    m_bands.push_back(Band{top, bottom, static_cast<int>(m_xs.size()), pairCount});
    m_xs.insert(m_xs.end(), xs, xs + 2 * pairCount);
}

void Region::UpdateBounds()
{
    if (m_bands.empty()) {
        m_bounds = RECT{0, 0, 0, 0};
        return;
    }
    int left = kLimit, right = -kLimit;
    for (const Band& b : m_bands) {
        left = std::min(left, m_xs[b.first]);
        right = std::max(right, m_xs[b.first + 2 * b.count - 1]);
    }
    m_bounds = RECT{left, m_bands.front().top, right, m_bands.back().bottom};
}

const Region::Band* Region::FindBand(int y) const
{
    auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                               [](int v, const Band& b) { return v < b.bottom; });
    if (it == m_bands.end() || it->top > y)
        return nullptr;
    return &*it;
}

bool Region::Contains(int x, int y) const
{
    const Band* b = FindBand(y);
    if (!b)
        return false;
    const int* xs = m_xs.data() + b->first;
    const int n = 2 * b->count;
    // The number of boundaries at or before x is odd inside a span.
    const int k = static_cast<int>(std::upper_bound(xs, xs + n, x) - xs);
    return (k & 1) != 0;
}

bool Region::IntersectsRect(const RECT& r) const
{
    if (r.left >= r.right || r.top >= r.bottom)
        return false;
    for (const Band& b : m_bands) {
        if (b.bottom <= r.top)
            continue;
        if (b.top >= r.bottom)
            break;
        for (int i = 0; i < b.count; ++i) {
            if (m_xs[b.first + 2 * i] < r.right && m_xs[b.first + 2 * i + 1] > r.left)
                return true;
        }
    }
    return false;
}

void Region::Offset(int dx, int dy)
{
    if (m_bands.empty() || (dx == 0 && dy == 0))
        return;
    bool saturated = false;
    auto shift = [&](int& v, int d) {
        const long long r = static_cast<long long>(v) + d;
        v = Clamp(r);
        saturated |= (v != r);
    };
    for (int& x : m_xs)
        shift(x, dx);
    for (Band& b : m_bands) {
        shift(b.top, dy);
        shift(b.bottom, dy);
    }
    if (saturated) {
        // Far outside any surface: rebuild so that collapsed spans and bands disappear.
        RegionBuilder builder;
        for (const Band& b : m_bands)
            builder.AddRows(b.top, b.bottom, m_xs.data() + b.first, b.count);
        *this = builder.Finish();
        return;
    }
    UpdateBounds();
}

bool Region::operator==(const Region& o) const
{
    if (m_bands.size() != o.m_bands.size() || m_xs != o.m_xs)
        return false;
    for (size_t i = 0; i < m_bands.size(); ++i) {
        if (m_bands[i].top != o.m_bands[i].top || m_bands[i].bottom != o.m_bands[i].bottom ||
            m_bands[i].count != o.m_bands[i].count)
            return false;
    }
    return true;
}

Region Region::Combine(const Region& a, const Region& b, int mode)
{
    if (mode == RGN_COPY)
        return a;
    if (mode == RGN_AND && (a.IsEmpty() || b.IsEmpty()))
        return Region();
    if (b.IsEmpty() && mode != RGN_AND)
        return a;
    if (a.IsEmpty() && (mode == RGN_OR || mode == RGN_XOR))
        return b;
    std::vector<int> ys;
    ys.reserve(2 * (a.m_bands.size() + b.m_bands.size()));
    for (const Band& x : a.m_bands) {
        ys.push_back(x.top);
        ys.push_back(x.bottom);
    }
    for (const Band& x : b.m_bands) {
        ys.push_back(x.top);
        ys.push_back(x.bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    Region out;
    std::vector<int> spans;
    size_t ia = 0, ib = 0;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        const int y0 = ys[k], y1 = ys[k + 1];
        while (ia < a.m_bands.size() && a.m_bands[ia].bottom <= y0)
            ++ia;
        while (ib < b.m_bands.size() && b.m_bands[ib].bottom <= y0)
            ++ib;
        const Band* ba = (ia < a.m_bands.size() && a.m_bands[ia].top <= y0) ? &a.m_bands[ia]
                                                                             : nullptr;
        const Band* bb = (ib < b.m_bands.size() && b.m_bands[ib].top <= y0) ? &b.m_bands[ib]
                                                                             : nullptr;
        if (!ba && !bb)
            continue;
        MergeSpans(ba ? a.m_xs.data() + ba->first : nullptr, ba ? ba->count : 0,
                   bb ? b.m_xs.data() + bb->first : nullptr, bb ? bb->count : 0, mode, spans);
        out.AppendBand(y0, y1, spans.data(), static_cast<int>(spans.size() / 2));
    }
    out.UpdateBounds();
    return out;
}

Region Region::Intersected(const RECT& rect) const
{
    if (IsRect()) {
        Region r(std::max(m_bounds.left, rect.left), std::max(m_bounds.top, rect.top),
                 std::min(m_bounds.right, rect.right), std::min(m_bounds.bottom, rect.bottom));
        if (r.m_bounds.left >= r.m_bounds.right)
            r.Clear();
        return r;
    }
    return Combine(*this, Region(rect), RGN_AND);
}

void RegionBuilder::AddRows(int top, int bottom, const int* xs, int pairCount)
{
    top = Clamp(top);
    bottom = Clamp(bottom);
    if (top >= bottom)
        return;
    // Sort the spans by start and merge those that overlap or touch.
    std::vector<std::pair<int, int>> pairs;
    pairs.reserve(pairCount);
    for (int i = 0; i < pairCount; ++i) {
        const int x1 = Clamp(xs[2 * i]), x2 = Clamp(xs[2 * i + 1]);
        if (x1 < x2)
            pairs.emplace_back(x1, x2);
    }
    std::sort(pairs.begin(), pairs.end());
    m_scratch.clear();
    for (const auto& [x1, x2] : pairs) {
        if (!m_scratch.empty() && x1 <= m_scratch.back())
            m_scratch.back() = std::max(m_scratch.back(), x2);
        else {
            m_scratch.push_back(x1);
            m_scratch.push_back(x2);
        }
    }
    if (!m_region.m_bands.empty() && top < m_region.m_bands.back().bottom)
        top = m_region.m_bands.back().bottom; // rows must not overlap earlier ones
    m_region.AppendBand(top, bottom, m_scratch.data(), static_cast<int>(m_scratch.size() / 2));
}

Region RegionBuilder::Finish()
{
    m_region.UpdateBounds();
    Region out = std::move(m_region);
    m_region = Region();
    return out;
}

} // namespace gdi
