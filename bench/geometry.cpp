// Geometry: point in polygon, polygon outline intersection, contour measures and nearest point
// on outlines of 1,000 to 1,000,000 points, each against a baseline loop in the same run that
// does only the arithmetic the algorithm cannot avoid. The ratios are printed at the end.
#include <misc/geometry.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// A wavy closed outline around (cx, cy): radius r with a ripple, so edges turn both ways.
struct Outline
{
    std::vector<double> xs, ys;
    std::vector<InterfacePoint> pts;
};

Outline MakeOutline(int n, double cx, double cy, double r)
{
    Outline o;
    o.xs.resize(n);
    o.ys.resize(n);
    o.pts.resize(n);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n;
        const double rr = r * (1.0 + 0.05 * std::sin(37 * a));
        o.xs[i] = cx + rr * std::cos(a);
        o.ys[i] = cy + rr * std::sin(a);
        o.pts[i] = {o.xs[i], o.ys[i]};
    }
    return o;
}

const Outline& CachedOutline(int n, double cx = 0)
{
    static std::map<std::pair<int, double>, Outline> cache;
    auto it = cache.find({n, cx});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(n, cx), MakeOutline(n, cx, 0, 1000)).first;
    return it->second;
}

void PerVertex(benchmark::State& state, int64_t vertices)
{
    state.counters["ns_per_vertex"] =
        benchmark::Counter(static_cast<double>(vertices) * 1e-9, benchmark::Counter::kIsIterationInvariantRate |
                                                                      benchmark::Counter::kInvert);
}

// Point in polygon ----------------------------------------------------------------------------

void BM_PolIntPoint(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(tfPolIntPoint(n, o.xs.data(), o.ys.data(), 13.0, -7.0, 0.001));
    PerVertex(state, n);
}

// The same angle sum: the direction of every vertex from the point, once, and the folded turn
// of every edge.
void BM_PolIntPoint_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    const double px = 13.0, py = -7.0;
    for (auto _ : state) {
        double sum = 0.0;
        double a0 = std::atan2(o.ys[0] - py, o.xs[0] - px);
        for (int i = 0; i < n; ++i) {
            const int j = i + 1 == n ? 0 : i + 1;
            const double a1 = std::atan2(o.ys[j] - py, o.xs[j] - px);
            double d = a1 - a0;
            d = d > kPi ? d - 2 * kPi : (d < -kPi ? d + 2 * kPi : d);
            sum += d;
            a0 = a1;
        }
        benchmark::DoNotOptimize(sum);
    }
    PerVertex(state, n);
}

void BM_PolIntPointPoints(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(tfPolIntPoint(n, o.pts.data(), 13.0, -7.0, 0.001));
    PerVertex(state, n);
}

// The same angle sum: one arc tangent of cross and dot product per edge.
void BM_PolIntPointPoints_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    const double px = 13.0, py = -7.0;
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < n; ++i) {
            const int j = i + 1 == n ? 0 : i + 1;
            const double ux = o.pts[i].x - px, uy = o.pts[i].y - py;
            const double vx = o.pts[j].x - px, vy = o.pts[j].y - py;
            sum += std::atan2(ux * vy - vx * uy, ux * vx + uy * vy);
        }
        benchmark::DoNotOptimize(sum);
    }
    PerVertex(state, n);
}

// Polygon outline intersection -----------------------------------------------------------------

// Two outlines far apart: rejected by their bounding boxes.
void BM_PolsIntersectDistant(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& a = CachedOutline(n);
    const Outline& b = CachedOutline(n, 10000);
    for (auto _ : state)
        benchmark::DoNotOptimize(tfPolsIntersect(n, a.xs.data(), a.ys.data(), n, b.xs.data(), b.ys.data()));
    PerVertex(state, 2 * static_cast<int64_t>(n));
}

// The bounding boxes alone.
void BM_PolsIntersectDistant_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& a = CachedOutline(n);
    const Outline& b = CachedOutline(n, 10000);
    for (auto _ : state) {
        double v[8];
        tfMinMax(n, a.xs.data(), &v[0], &v[1]);
        tfMinMax(n, a.ys.data(), &v[2], &v[3]);
        tfMinMax(n, b.xs.data(), &v[4], &v[5]);
        tfMinMax(n, b.ys.data(), &v[6], &v[7]);
        benchmark::DoNotOptimize(v);
    }
    PerVertex(state, 2 * static_cast<int64_t>(n));
}

// Two outlines whose boxes overlap: the one crossing the other near its far end, and one lying
// inside the other without touching it (every edge has to be looked at).
void BM_PolsIntersectCrossing(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& a = CachedOutline(n);
    const Outline& b = CachedOutline(n, 1900);
    for (auto _ : state)
        benchmark::DoNotOptimize(tfPolsIntersect(n, a.xs.data(), a.ys.data(), n, b.xs.data(), b.ys.data()));
    PerVertex(state, 2 * static_cast<int64_t>(n));
}

void BM_PolsIntersectNested(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& a = CachedOutline(n);
    static std::map<int, Outline> inner;
    if (!inner.count(n))
        inner.emplace(n, MakeOutline(n, 0, 0, 800));
    const Outline& b = inner.at(n);
    int r = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(r = tfPolsIntersect(n, a.xs.data(), a.ys.data(), n, b.xs.data(), b.ys.data()));
    if (r != 0)
        state.SkipWithError("nested outlines reported as meeting");
    PerVertex(state, 2 * static_cast<int64_t>(n));
}

// Contours -------------------------------------------------------------------------------------

void BM_UpdateParameters(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    myContour c(o.pts.data(), n, 1, nullptr, 0);
    for (auto _ : state) {
        c.updateParameters();
        benchmark::DoNotOptimize(c.getArea());
    }
    PerVertex(state, n);
}

// The same edge lengths and shoelace sum.
void BM_UpdateParameters_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    myContour c(o.pts.data(), n, 1, nullptr, 0);
    const InterfacePoint* p = c.GetData();
    for (auto _ : state) {
        double length = 0.0, sum = 0.0;
        for (int i = 0; i < n; ++i) {
            const InterfacePoint& q = p[i + 1 == n ? 0 : i + 1];
            const double dx = q.x - p[i].x, dy = q.y - p[i].y;
            length += std::sqrt(dx * dx + dy * dy);
            sum += dx * (q.y + p[i].y);
        }
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(sum);
    }
    PerVertex(state, n);
}

void BM_FindNearestPoint(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    myContour c(o.pts.data(), n, 1, nullptr, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(c.findNearestPoint(InterfacePoint{400, 300}, 1));
    PerVertex(state, n);
}

// The same distances and minimum.
void BM_FindNearestPoint_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    for (auto _ : state) {
        int best = 0;
        double bestDist = -1.0;
        for (int i = 0; i < n; ++i) {
            const double d = std::hypot(o.pts[i].x - 400, o.pts[i].y - 300);
            if (bestDist < 0 || d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        benchmark::DoNotOptimize(best);
    }
    PerVertex(state, n);
}

// Among break points only: the corner test (two vertex angles) at every point.
void BM_FindNearestBreakPoint(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    myContour c(o.pts.data(), n, 1, nullptr, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(c.findNearestPoint(InterfacePoint{400, 300}, 0));
    PerVertex(state, n);
}

// The same distances and the two edge directions of every point.
void BM_FindNearestBreakPoint_Baseline(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Outline& o = CachedOutline(n);
    for (auto _ : state) {
        int best = 0;
        double bestDist = -1.0;
        for (int i = 0; i < n; ++i) {
            const InterfacePoint& p = o.pts[i];
            const InterfacePoint& q = o.pts[i + 1 == n ? 0 : i + 1];
            const InterfacePoint& r = o.pts[i == 0 ? n - 1 : i - 1];
            const double a = std::atan2(q.y - p.y, q.x - p.x) - std::atan2(p.y - r.y, p.x - r.x);
            if (kPi + a > 0.9 * kPi)
                continue;
            const double d = std::hypot(p.x - 400, p.y - 300);
            if (bestDist < 0 || d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        benchmark::DoNotOptimize(best);
    }
    PerVertex(state, n);
}

#define GEOMETRY_BENCH(name) BENCHMARK(name)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond)
GEOMETRY_BENCH(BM_PolIntPoint);
GEOMETRY_BENCH(BM_PolIntPoint_Baseline);
GEOMETRY_BENCH(BM_PolIntPointPoints);
GEOMETRY_BENCH(BM_PolIntPointPoints_Baseline);
GEOMETRY_BENCH(BM_PolsIntersectDistant);
GEOMETRY_BENCH(BM_PolsIntersectDistant_Baseline);
GEOMETRY_BENCH(BM_PolsIntersectCrossing);
GEOMETRY_BENCH(BM_PolsIntersectNested);
GEOMETRY_BENCH(BM_UpdateParameters);
GEOMETRY_BENCH(BM_UpdateParameters_Baseline);
GEOMETRY_BENCH(BM_FindNearestPoint);
GEOMETRY_BENCH(BM_FindNearestPoint_Baseline);
GEOMETRY_BENCH(BM_FindNearestBreakPoint);
GEOMETRY_BENCH(BM_FindNearestBreakPoint_Baseline);

// Prints, after the usual table, the ratio of every benchmark to its "_Baseline" twin (CPU time).
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration) {
                // With --benchmark_repetitions the fastest repetition counts: the least disturbed.
                auto [it, added] = m_times.emplace(r.benchmark_name(), r.GetAdjustedCPUTime());
                if (!added && r.GetAdjustedCPUTime() < it->second)
                    it->second = r.GetAdjustedCPUTime();
            }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatio to baseline (same run, CPU time):\n");
        for (const auto& [name, t] : m_times) {
            std::string base = name;
            const size_t slash = base.find('/');
            if (slash == std::string::npos || base.find("_Baseline") != std::string::npos)
                continue;
            base.insert(slash, "_Baseline");
            auto it = m_times.find(base);
            if (it != m_times.end() && it->second > 0)
                std::printf("  %-36s %6.2fx\n", name.c_str(), t / it->second);
        }
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
