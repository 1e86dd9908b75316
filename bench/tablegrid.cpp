// The table grid's two costs that must not grow with the table:
// - painting one screen: a grid of 100,000 rows scrolled to the middle against one of 100 rows
//   (the baseline); the two should be about equal (the goal: at most 1.2 times);
// - sorting 100,000 rows by a text column against std::sort of the same keys taken from a plain
//   array (the baseline; the goal: at most 1.5 times). Each grid sort alternates between two
//   columns holding independent shuffles, so every sort starts from a random order, as the
//   baseline's does.
#include <afxwin.h>

#include <benchmark/benchmark.h>

#include "toolkit/tablegrid.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <strings.h>
#include <vector>

namespace {

std::vector<CString> ShuffledKeys(size_t n, unsigned seed)
{
    std::vector<CString> keys(n);
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    char buf[32];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "Tool %07zu", order[i]);
        keys[i] = buf;
    }
    return keys;
}

struct GridFixture {
    std::unique_ptr<CWnd> frame;
    std::unique_ptr<CGXGridWnd> grid;

    explicit GridFixture(ROWCOL rows)
    {
        MiscResetWindowSystem();
        frame = std::make_unique<CWnd>();
        frame->CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 520, 420, nullptr, nullptr);
        grid = std::make_unique<CGXGridWnd>();
        grid->Create(WS_VISIBLE, CRect(0, 0, 500, 400), frame.get(), 1);
        grid->SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), FALSE);
        grid->GetParam()->EnableUndo(FALSE);
        grid->LockUpdate(TRUE);
        grid->SetRowCount(rows);
        grid->SetColCount(4);
        const std::vector<CString> a = ShuffledKeys(rows, 1), b = ShuffledKeys(rows, 2);
        grid->SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
        grid->SetStyleRange(CGXRange().SetCols(4), CGXStyle().SetValueType(GX_VT_NUMERIC));
        for (ROWCOL r = 1; r <= rows; ++r) {
            grid->SetValueRange(CGXRange(r, 1), a[r - 1], GX_NOREDRAW);
            grid->SetValueRange(CGXRange(r, 2), b[r - 1], GX_NOREDRAW);
            grid->SetValueRange(CGXRange(r, 3), r % 2 ? "1" : "0", GX_NOREDRAW);
            grid->SetValueRange(CGXRange(r, 4), static_cast<long>(r), GX_NOREDRAW);
        }
        grid->LockUpdate(FALSE);
        grid->SetTopRow(rows > 40 ? rows / 2 : 1);
        grid->SelectRange(CGXRange().SetRows(grid->GetTopRow() + 2));
        grid->Redraw();
        MiscSettle();
    }
    ~GridFixture()
    {
        grid->DestroyWindow();
        frame->DestroyWindow();
        grid.reset();
        frame.reset();
        MiscResetWindowSystem();
    }
};

void BM_PaintGridScreen(benchmark::State& state)
{
    GridFixture f(static_cast<ROWCOL>(state.range(0)));
    for (auto _ : state) {
        f.grid->Invalidate(FALSE);
        f.grid->UpdateWindow();
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_PaintGridScreen)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_SortKeysBaseline(benchmark::State& state)
{
    const std::vector<CString> source = ShuffledKeys(static_cast<size_t>(state.range(0)), 1);
    for (auto _ : state) {
        std::vector<CString> keys(source);
        std::sort(keys.begin(), keys.end(), [](const CString& a, const CString& b) { return strcasecmp(a, b) < 0; });
        benchmark::DoNotOptimize(keys.data());
    }
}
BENCHMARK(BM_SortKeysBaseline)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SortGridRows(benchmark::State& state)
{
    GridFixture f(static_cast<ROWCOL>(state.range(0)));
    CGXSortInfoArray keys;
    CGXSortInfo key;
    keys.Add(key);
    ROWCOL column = 1;
    for (auto _ : state) {
        keys[0].nRC = column;
        f.grid->SortRows(CGXRange().SetTable(), keys);
        column = 3 - column;
    }
}
BENCHMARK(BM_SortGridRows)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
