// Speed of world drawing and picture drawing, each against a plain baseline in the same run:
// - cWorldDC::drawContour of a closed contour of 100,000 points against the platform's Polyline
//   of the same pixels (ns per point);
// - CWinImageFile::Draw scaling a 4000 x 3000 picture to 1000 x 750 with a clip rectangle,
//   against a plain nearest-neighbour loop into the same surface (output pixels per second).
#include <benchmark/benchmark.h>

#include <misc/geometry.h>
#include <misc/geometry/winimage.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kPoints = 100000;
constexpr int kSide = 1000;

// A closed wavy ring: segments of a few pixels in every direction.
myContour& Ring()
{
    static myContour ring = [] {
        std::vector<InterfacePoint> pts(kPoints);
        for (int i = 0; i < kPoints; ++i) {
            const double a = 2.0 * M_PI * i / kPoints;
            const double r = 400.0 + 60.0 * std::sin(a * 997.0);
            pts[i] = InterfacePoint{500.0 + r * std::cos(a), 500.0 + r * std::sin(a)};
        }
        return myContour(pts.data(), kPoints, 1);
    }();
    return ring;
}

struct Canvas {
    MiscSurface surface{kSide, kSide};
    CDC cdc;
    Canvas() { cdc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr)); }
};

void BM_DrawContour(benchmark::State& state)
{
    Canvas canvas;
    cWorldDC world(nullptr, 0, 0, kSide, kSide, 0, 0, kSide, kSide);
    world.AttachDC(&canvas.cdc);
    const myContour& ring = Ring();
    for (auto _ : state) {
        world.drawContour(ring, nullptr);
        benchmark::DoNotOptimize(canvas.surface.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_DrawContour)->Unit(benchmark::kMicrosecond);

// Baseline: the same pixels through one Polyline call, the points already in pixels.
void BM_PlainPolyline(benchmark::State& state)
{
    Canvas canvas;
    cWorldDC world(nullptr, 0, 0, kSide, kSide, 0, 0, kSide, kSide);
    const myContour& ring = Ring();
    std::vector<POINT> pts(kPoints + 1);
    for (int i = 0; i < kPoints; ++i)
        pts[i] = POINT{world.conv_x(ring[i].x), world.conv_y(ring[i].y)};
    pts[kPoints] = pts[0];
    for (auto _ : state) {
        Polyline(canvas.cdc.m_hDC, pts.data(), kPoints + 1);
        benchmark::DoNotOptimize(canvas.surface.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_PlainPolyline)->Unit(benchmark::kMicrosecond);

// ---- Pictures ----

constexpr int kPicW = 4000, kPicH = 3000, kOutW = 1000, kOutH = 750;

CWinImageFile& BigPicture()
{
    static CWinImageFile image = [] {
        const int stride = (kPicW * 3 + 3) / 4 * 4;
        std::vector<BYTE> f(54 + static_cast<size_t>(stride) * kPicH, 0);
        auto put32 = [&](size_t at, uint32_t v) {
            for (int k = 0; k < 4; ++k)
                f[at + k] = static_cast<BYTE>(v >> (8 * k));
        };
        f[0] = 'B';
        f[1] = 'M';
        put32(2, static_cast<uint32_t>(f.size()));
        put32(10, 54);
        put32(14, 40);
        put32(18, kPicW);
        put32(22, kPicH);
        f[26] = 1;
        f[28] = 24;
        for (size_t i = 54; i < f.size(); ++i)
            f[i] = static_cast<BYTE>(i * 2654435761u >> 24);
        CWinImageFile img;
        img.LoadMemoryData(f.data(), f.size());
        return img;
    }();
    return image;
}

// The clip rectangle: the picture's middle, 900 x 650 of the 1000 x 750 target.
const RECT kClip{50, 50, 950, 700};
constexpr long kVisible = 900L * 650L;

void BM_PictureDraw(benchmark::State& state)
{
    Canvas canvas;
    CWinImageFile& image = BigPicture();
    RECT clip = kClip;
    for (auto _ : state) {
        image.Draw(canvas.cdc.m_hDC, 0, 0, kOutW, kOutH, &clip);
        benchmark::DoNotOptimize(canvas.surface.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kVisible);
}
BENCHMARK(BM_PictureDraw)->Unit(benchmark::kMillisecond);

// Baseline: nearest-neighbour sampling straight into the surface, same visible part.
void BM_PlainNearest(benchmark::State& state)
{
    Canvas canvas;
    const CWinImageFile& image = BigPicture();
    const BYTE* src = image.getData();
    const size_t rowBytes = image.getRowBytes();
    for (auto _ : state) {
        for (int y = kClip.top; y < kClip.bottom; ++y) {
            const int sr = kPicH - 1 - y * kPicH / kOutH;
            const BYTE* in = src + static_cast<size_t>(sr) * rowBytes;
            uint32_t* out = canvas.surface.row(y);
            for (int x = kClip.left; x < kClip.right; ++x) {
                const BYTE* p = in + static_cast<size_t>(x * kPicW / kOutW) * 3;
                out[x] = 0xFF000000u | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
            }
        }
        benchmark::DoNotOptimize(canvas.surface.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kVisible);
}
BENCHMARK(BM_PlainNearest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
