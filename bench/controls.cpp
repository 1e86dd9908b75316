// The cost of painting a list box screen follows what is visible, not how many entries the list
// holds: a 200 x 300 list box repainted while scrolled to the middle, with 40 entries (the
// baseline: a screenful at the middle), 1,000 and 100,000 entries. Compare the times within one run; the
// three should be about equal.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

HWND MakeList(int entries)
{
    MiscResetWindowSystem();
    HWND top = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 240, 340, nullptr, nullptr, nullptr,
                               nullptr);
    HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 10, 10, 200, 300,
                                top, nullptr, nullptr, nullptr);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < entries; ++i) {
        const std::string text = "Entry number " + std::to_string(i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(entries / 2), 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(entries / 2 + 1), 0);
    MiscSettle();
    return list;
}

void BM_PaintListBoxScreen(benchmark::State& state)
{
    HWND list = MakeList(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        InvalidateRect(list, nullptr, TRUE);
        UpdateWindow(list);
    }
    state.counters["entries"] = static_cast<double>(state.range(0));
    MiscResetWindowSystem();
}
BENCHMARK(BM_PaintListBoxScreen)->Arg(40)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
