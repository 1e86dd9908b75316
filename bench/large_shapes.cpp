// Drawing cost follows the visible pixels: a hollow circle of radius 1,000,000 pixels whose arc
// crosses a 200 x 200 viewport, against the baseline of a circle of radius 100 pixels inside
// that viewport, in the same run. Also a filled circle of the same huge radius covering the
// viewport, and a nearly straight arc of radius 1e5 units between nearby points.
#include <benchmark/benchmark.h>

#include <misc/geometry.h>

namespace {

constexpr int kSide = 200;
constexpr double kPixel = 10.0 / kSide; // the world (0, 0)-(10, 10) on 200 x 200 pixels

struct View {
    MiscSurface surface{kSide, kSide};
    CDC cdc;
    CPen pen;
    cWorldDC world{nullptr, 0, 0, 1, 1, 0, 0, 1, 1};
    View()
    {
        cdc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr));
        pen.CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
        cdc.SelectObject(&pen);
        world.AttachDC(&cdc);
        world.set_viewport(0, 0, kSide, kSide);
        world.set_world(0, 0, 10, 10);
    }
};

// Baseline: a circle of radius 100 pixels, whole inside the viewport.
void BM_CircleInside(benchmark::State& state)
{
    View v;
    for (auto _ : state) {
        v.world.w_circle(5, 5, 100 * kPixel);
        benchmark::DoNotOptimize(v.surface.pixels.data());
    }
}
BENCHMARK(BM_CircleInside)->Unit(benchmark::kMicrosecond);

// A circle of radius 1e6 pixels whose leftmost arc crosses the viewport.
void BM_HugeCircleCrossing(benchmark::State& state)
{
    View v;
    const double r = 1e6 * kPixel;
    for (auto _ : state) {
        v.world.w_circle(5 + r, 5, r);
        benchmark::DoNotOptimize(v.surface.pixels.data());
    }
}
BENCHMARK(BM_HugeCircleCrossing)->Unit(benchmark::kMicrosecond);

// The same huge circle filled, covering all 40,000 pixels of the viewport.
void BM_HugeDiscCovering(benchmark::State& state)
{
    View v;
    CBrush brush;
    brush.CreateSolidBrush(RGB(0, 0, 200));
    v.cdc.SelectObject(&brush);
    const double r = 1e6 * kPixel;
    for (auto _ : state) {
        v.world.w_ellipse(5 - r, 5 - r, 5 + r, 5 + r);
        benchmark::DoNotOptimize(v.surface.pixels.data());
    }
    v.cdc.SelectStockObject(WHITE_BRUSH);
}
BENCHMARK(BM_HugeDiscCovering)->Unit(benchmark::kMicrosecond);

// A nearly straight arc: radius 1e5 units between points 6 units apart.
void BM_NearlyStraightArc(benchmark::State& state)
{
    View v;
    for (auto _ : state) {
        v.world.w_move(2, 5);
        v.world.w_pol_arc(8, 5, 1e5);
        benchmark::DoNotOptimize(v.surface.pixels.data());
    }
}
BENCHMARK(BM_NearlyStraightArc)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
