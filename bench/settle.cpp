// The settle loop's own cost on a dialog-like window with forty controls: a settle with nothing to
// do, and a settle that paints one invalid control, each against a baseline of the same run
// (dispatching one posted message by hand, and painting that control directly with UpdateWindow).
#include <windows.h>

#include <benchmark/benchmark.h>

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
    MiscSettle();
    return dlg;
}

// Baseline: one posted message taken and dispatched by hand.
void BM_DispatchOnePosted(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    MSG msg;
    for (auto _ : state) {
        PostMessageA(dlg, WM_NULL, 0, 0);
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        DispatchMessageA(&msg);
    }
}
BENCHMARK(BM_DispatchOnePosted);

void BM_SettleIdle(benchmark::State& state)
{
    MakeWindow();
    for (auto _ : state)
        benchmark::DoNotOptimize(MiscSettle());
}
BENCHMARK(BM_SettleIdle);

// Baseline: the invalid control painted directly.
void BM_UpdateOneControl(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    HWND button = GetDlgItem(dlg, 100);
    for (auto _ : state) {
        InvalidateRect(button, nullptr, TRUE);
        UpdateWindow(button);
    }
}
BENCHMARK(BM_UpdateOneControl);

void BM_SettleOneInvalid(benchmark::State& state)
{
    HWND dlg = MakeWindow();
    HWND button = GetDlgItem(dlg, 100);
    for (auto _ : state) {
        InvalidateRect(button, nullptr, TRUE);
        benchmark::DoNotOptimize(MiscSettle());
    }
}
BENCHMARK(BM_SettleOneInvalid);

} // namespace

BENCHMARK_MAIN();
