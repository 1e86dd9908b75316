// Platform core: CString formatting and growth against the standard library, and (when the
// collection templates are present) CArray growth against std::vector.
#include <afx.h>
#if __has_include("mfc/templ.h")
#include <afxtempl.h>
#define MISC_BENCH_HAVE_CARRAY 1
#endif

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kName = "piece-front-left";

void BM_CStringFormat(benchmark::State& state)
{
    CString s;
    int i = 0;
    for (auto _ : state) {
        s.Format("%s #%d at %.3f, %.3f", kName, i++, 12.5, -3.25);
        benchmark::DoNotOptimize(s.GetString());
    }
}
BENCHMARK(BM_CStringFormat);

void BM_SnprintfStdString(benchmark::State& state)
{
    std::string s;
    int i = 0;
    for (auto _ : state) {
        int n = snprintf(nullptr, 0, "%s #%d at %.3f, %.3f", kName, i, 12.5, -3.25);
        s.resize(static_cast<size_t>(n));
        snprintf(s.data(), s.size() + 1, "%s #%d at %.3f, %.3f", kName, i++, 12.5, -3.25);
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_SnprintfStdString);

void BM_CStringFormatLong(benchmark::State& state)
{
    std::string big(4096, 'x');
    CString s;
    for (auto _ : state) {
        s.Format("[%s]", big.c_str());
        benchmark::DoNotOptimize(s.GetString());
    }
}
BENCHMARK(BM_CStringFormatLong);

void BM_SnprintfStdStringLong(benchmark::State& state)
{
    std::string big(4096, 'x');
    std::string s;
    for (auto _ : state) {
        int n = snprintf(nullptr, 0, "[%s]", big.c_str());
        s.resize(static_cast<size_t>(n));
        snprintf(s.data(), s.size() + 1, "[%s]", big.c_str());
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_SnprintfStdStringLong);

void BM_CStringAppend(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CString s;
        for (int i = 0; i < n; ++i) {
            s += "ab";
            s += 'c';
        }
        benchmark::DoNotOptimize(s.GetString());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CStringAppend)->Arg(16)->Arg(4096);

void BM_StdStringAppend(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            s += "ab";
            s += 'c';
        }
        benchmark::DoNotOptimize(s.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_StdStringAppend)->Arg(16)->Arg(4096);

#ifdef MISC_BENCH_HAVE_CARRAY
void BM_CArrayAdd(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CArray<int, int> a;
        for (int i = 0; i < n; ++i)
            a.Add(i);
        benchmark::DoNotOptimize(a.GetData());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CArrayAdd)->Arg(16)->Arg(65536);
#endif

void BM_VectorPushBack(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<int> v;
        for (int i = 0; i < n; ++i)
            v.push_back(i);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_VectorPushBack)->Arg(16)->Arg(65536);

} // namespace

BENCHMARK_MAIN();
