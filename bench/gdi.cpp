// Drawing speed: solid fills and long polylines into a 2000 x 2000 surface, against a memset of
// the same surface in the same run; and writing a 1000 x 800 window-sized surface as PNG.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win32/gdi.h"

namespace {

constexpr int kSide = 2000;

struct Canvas {
    Canvas() : surface(kSide, kSide), dc(MiscCreateSurfaceDC(&surface, 0, 0, nullptr)) {}
    ~Canvas() { DeleteDC(dc); }
    MiscSurface surface;
    HDC dc;
};

// The baseline: filling every pixel of the surface with one value.
void BM_Memset(benchmark::State& state)
{
    Canvas c;
    uint32_t value = 0xFF102030u;
    for (auto _ : state) {
        std::fill(c.surface.pixels.begin(), c.surface.pixels.end(), value++);
        benchmark::DoNotOptimize(c.surface.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_Memset);

void BM_FillRectWhole(benchmark::State& state)
{
    Canvas c;
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    const RECT all{0, 0, kSide, kSide};
    for (auto _ : state)
        FillRect(c.dc, &all, brush);
    DeleteObject(brush);
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_FillRectWhole);

// Many small rectangles (20 x 20), as list rows and swatches are drawn.
void BM_FillRectSmall(benchmark::State& state)
{
    Canvas c;
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    for (auto _ : state) {
        for (int y = 0; y < kSide; y += 20)
            for (int x = 0; x < kSide; x += 20) {
                const RECT r{x, y, x + 20, y + 20};
                FillRect(c.dc, &r, brush);
            }
    }
    DeleteObject(brush);
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_FillRectSmall);

// Rectangle() with a pen and a brush under a complex clip region (two bands).
void BM_RectangleClipped(benchmark::State& state)
{
    Canvas c;
    HRGN a = CreateRectRgn(0, 0, kSide / 2 - 10, kSide);
    HRGN b = CreateRectRgn(kSide / 2 + 10, 0, kSide, kSide);
    CombineRgn(a, a, b, RGN_OR);
    SelectClipRgn(c.dc, a);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    SelectObject(c.dc, brush);
    for (auto _ : state)
        Rectangle(c.dc, 0, 0, kSide, kSide);
    SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
    DeleteObject(a);
    DeleteObject(b);
    state.SetItemsProcessed(state.iterations() * (kSide * kSide - 20 * kSide));
}
BENCHMARK(BM_RectangleClipped);

std::vector<POINT> Zigzag(long long* pixels)
{
    std::vector<POINT> pts;
    std::srand(7);
    *pixels = 0;
    for (int i = 0; i < 20000; ++i) {
        pts.push_back(POINT{std::rand() % kSide, std::rand() % kSide});
        if (i > 0) {
            const long long dx = std::llabs(pts[i].x - pts[i - 1].x);
            const long long dy = std::llabs(pts[i].y - pts[i - 1].y);
            *pixels += dx > dy ? dx : dy;
        }
    }
    return pts;
}

void BM_Polyline(benchmark::State& state)
{
    Canvas c;
    long long pixels = 0;
    const std::vector<POINT> pts = Zigzag(&pixels);
    HPEN pen = CreatePen(PS_SOLID, static_cast<int>(state.range(0)), RGB(200, 0, 0));
    SelectObject(c.dc, pen);
    for (auto _ : state)
        Polyline(c.dc, pts.data(), static_cast<int>(pts.size()));
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    // Pixels along the lines (times the width for wide pens).
    state.SetItemsProcessed(state.iterations() * pixels * state.range(0));
}
BENCHMARK(BM_Polyline)->Arg(1)->Arg(3);

void BM_PolylineHorizontal(benchmark::State& state)
{
    Canvas c;
    std::vector<POINT> pts;
    // Rows drawn left to right and right to left, joined by one-pixel steps down.
    for (int y = 0; y < kSide; ++y) {
        pts.push_back(POINT{(y & 1) ? kSide - 1 : 0, y});
        pts.push_back(POINT{(y & 1) ? 0 : kSide - 1, y});
    }
    for (auto _ : state)
        Polyline(c.dc, pts.data(), static_cast<int>(pts.size()));
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_PolylineHorizontal);

// A window-sized picture (panels, edges, text) written as PNG; the time per file is the figure.
void BM_WritePng(benchmark::State& state)
{
    MiscSurface s(1000, 800);
    HDC dc = MiscCreateSurfaceDC(&s, 0, 0, nullptr);
    const RECT all{0, 0, 1000, 800};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (int y = 10; y < 790; y += 24) {
        RECT row{10, y, 990, y + 20};
        DrawEdge(dc, &row, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
        const std::string text = "Row " + std::to_string(y) + ": material, tool, layer, value";
        TextOutA(dc, 16, y + 3, text.c_str(), static_cast<int>(text.size()));
    }
    const std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                             "/bench_gdi.png";
    for (auto _ : state)
        MiscWritePng(s, path.c_str());
    std::remove(path.c_str());
    DeleteDC(dc);
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
