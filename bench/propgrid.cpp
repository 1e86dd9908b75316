// The cost of painting one screen of the property grid follows what is visible, not how many rows
// the grid holds: a 300 x 400 grid scrolled to its middle and repainted, with 100 rows (the
// baseline) and 10,000 rows, in categories of 50. Compare the times within one run; the 10,000-row
// grid should cost at most 1.2 times the baseline.
#include <afxwin.h>

#include "mfc/wndclass.h"
#include "toolkit/propertygrid.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

struct Bench {
    CWnd host;
    CXTPPropertyGrid grid;
    ~Bench()
    {
        if (grid.GetSafeHwnd())
            grid.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
};

std::unique_ptr<Bench> MakeGrid(int rows)
{
    MiscResetWindowSystem();
    auto b = std::make_unique<Bench>();
    b->host.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 400, nullptr, nullptr);
    b->grid.Create(CRect(0, 0, 300, 400), &b->host, 1);
    CXTPPropertyGridItem* category = nullptr;
    for (int i = 0; i < rows; ++i) {
        if (i % 50 == 0)
            category = b->grid.AddCategory(("Category " + std::to_string(i / 50)).c_str());
        if (i % 3 == 0)
            category->AddChildItem(new CXTPPropertyGridItemNumber(("Number " + std::to_string(i)).c_str(), i));
        else
            category->AddChildItem(new CXTPPropertyGridItem(("Row " + std::to_string(i)).c_str(), "some value"));
    }
    b->grid.SetTopIndex(b->grid.GetGridView().GetCount() / 2);
    MiscSettle();
    return b;
}

void BM_PaintGridScreen(benchmark::State& state)
{
    auto b = MakeGrid(static_cast<int>(state.range(0)));
    CXTPPropertyGridView& view = b->grid.GetGridView();
    for (auto _ : state) {
        view.Invalidate(FALSE);
        view.UpdateWindow();
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
    b.reset();
    MiscResetWindowSystem();
}
BENCHMARK(BM_PaintGridScreen)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
