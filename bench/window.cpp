// The window system's pictures: capturing a 1000 x 800 dialog-like window with forty controls and
// writing it as PNG, against two baselines in the same run (copying a surface of that size, and
// writing an already captured surface as PNG).
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

HWND MakeWindow()
{
    MiscResetPlatform();
    HWND dlg = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "Benchmark", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                               0, 0, 1000, 800, nullptr, nullptr, nullptr, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < 40; ++i) {
        int x = 10 + (i % 4) * 240, y = 10 + (i / 4) * 75;
        const char* cls = i % 3 == 0 ? "Button" : i % 3 == 1 ? "Edit" : "Static";
        DWORD style = WS_CHILD | WS_VISIBLE | (i % 3 == 1 ? WS_BORDER : 0);
        HWND c = CreateWindowExA(0, cls, "Control text", style, x, y, 220, i % 3 == 1 ? 22 : 40, dlg,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    MiscPumpMessages();
    return dlg;
}

std::string TempPng()
{
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/misc_bench_window_" + std::to_string(getpid()) + ".png";
}

void BM_CopySurface(benchmark::State& state)
{
    MiscSurface source(1000, 800, 0xFF336699u);
    for (auto _ : state) {
        MiscSurface copy = source;
        benchmark::DoNotOptimize(copy.pixels.data());
    }
}
BENCHMARK(BM_CopySurface)->Unit(benchmark::kMillisecond);

void BM_WritePngOnly(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    MiscSurface picture = MiscCaptureWindow(dlg);
    std::string path = TempPng();
    for (auto _ : state)
        benchmark::DoNotOptimize(MiscWritePng(picture, path.c_str()));
    std::remove(path.c_str());
}
BENCHMARK(BM_WritePngOnly)->Unit(benchmark::kMillisecond);

void BM_CaptureWindow(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    for (auto _ : state) {
        MiscSurface picture = MiscCaptureWindow(dlg);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}
BENCHMARK(BM_CaptureWindow)->Unit(benchmark::kMillisecond);

void BM_RepaintCaptureAndWritePng(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    std::string path = TempPng();
    for (auto _ : state) {
        RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        MiscSurface picture = MiscCaptureWindow(dlg);
        benchmark::DoNotOptimize(MiscWritePng(picture, path.c_str()));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_RepaintCaptureAndWritePng)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
