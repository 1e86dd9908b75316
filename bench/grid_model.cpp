// The grid framework's lookups and its settings cache.
//
// Lookups in a model of N items (10 categories; items in chains of 10 below each top item):
// GetItem by identifier, the manager's GetDataItem through a caption path, and the grid window's
// GetDataItem through the control's rows. Each is linear in N at most; the baseline is a plain
// scan of N identifiers in a vector, so the ratio is the constant per item.
//
// The settings cache: flushing 10,000 cached entries (one batched rewrite of the user profile
// file) against one single-key write to a file of the same size (one rewrite).
#include <misc/frame/profile.h>
#include <misc/frame/startup.h>
#include <misc/grid.h>

#include <family/kestprofile.h>
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kCategories = 10;
constexpr int kChain = 10;

class BenchMngr : public CPropertyMngr {
public:
    void Add(CGnrlGridCategoryData* c) { m_Categories.Add(c); }
};

// N items; the item with the highest identifier is the last in every search order. Its caption
// path is returned in path.
std::unique_ptr<BenchMngr> MakeModel(int n, CStringList& path, long& lastId)
{
    auto mngr = std::make_unique<BenchMngr>();
    int perCategory = n / kCategories;
    long id = 1000;
    for (int c = 0; c < kCategories; ++c) {
        CDbArray<CGnrlGridItemData*> tops;
        for (int made = 0; made < perCategory;) {
            CGnrlGridItemData* parent = nullptr;
            for (int depth = 0; depth < kChain && made < perCategory; ++depth, ++made) {
                CString caption;
                caption.Format("Item %ld", id);
                auto* item = new CGnrlGridItemData(caption, "v", eGridItemText, ePropertyNone, CString(), CString());
                item->SetName(id); // identifier (the caption reloads from resources: set it again)
                item->SetName(caption);
                ++id;
                if (parent) {
                    parent->Add(item);
                    item->SetParent(parent);
                } else {
                    tops.Add(item);
                }
                parent = item;
            }
        }
        mngr->Add(new CGnrlGridCategoryData(c + 1, ePropertyNone, tops));
    }
    lastId = id - 1;
    CGnrlGridItemData* last = mngr->GetItem(lastId);
    last->GetProParent(path);
    return mngr;
}

void BM_BaselineScan(benchmark::State& state)
{
    std::vector<long> ids(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < ids.size(); ++i)
        ids[i] = static_cast<long>(1000 + i);
    long wanted = ids.back();
    for (auto _ : state) {
        long* found = nullptr;
        for (long& v : ids)
            if (v == wanted) {
                found = &v;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
    state.SetComplexityN(state.range(0));
}

void BM_GetItemById(benchmark::State& state)
{
    CStringList path;
    long last = 0;
    auto mngr = MakeModel(static_cast<int>(state.range(0)), path, last);
    for (auto _ : state)
        benchmark::DoNotOptimize(mngr->GetItem(last));
    state.SetComplexityN(state.range(0));
}

void BM_DataItemByPath(benchmark::State& state)
{
    CStringList path;
    long last = 0;
    auto mngr = MakeModel(static_cast<int>(state.range(0)), path, last);
    int category = kCategories;
    for (auto _ : state)
        benchmark::DoNotOptimize(mngr->GetDataItem(static_cast<int>(last), category, path, CString()));
    state.SetComplexityN(state.range(0));
}

void BM_GridDataItemByPath(benchmark::State& state)
{
    CStringList path;
    long last = 0;
    auto mngr = MakeModel(static_cast<int>(state.range(0)), path, last);
    CXTPGridEx grid(7);
    grid.Create(CRect(0, 0, 400, 600), nullptr, 7, WS_POPUP);
    grid.SetMngr(mngr.get(), 0);
    grid.Build(mngr->GetCategories());
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.GetDataItem(path));
    state.SetComplexityN(state.range(0));
    grid.SetMngr(nullptr, 0);
    grid.DestroyWindow();
}

std::string Folder()
{
    static std::string dir = [] {
        std::string d = (std::filesystem::temp_directory_path() / ("misc-bench-grid-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

constexpr int kEntries = 10000;

// One write to a file of 10,000 entries: one rewrite of a file of that size.
void BM_OneRewriteOfSameSizeFile(benchmark::State& state)
{
    std::string file = Folder() + "/single.ini";
    std::string text = "[Grid]\n";
    char line[64];
    for (int i = 0; i < kEntries; ++i) {
        std::snprintf(line, sizeof line, "Prop_3_%d=%d\n", i, i % 2);
        text += line;
    }
    FILE* f = std::fopen(file.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    int n = 0;
    for (auto _ : state) {
        std::snprintf(line, sizeof line, "%d", ++n);
        WritePrivateProfileStringA("Grid", "Prop_3_5000", line, file.c_str());
    }
}

// A cache of 10,000 entries, all changed, destroyed: every entry written in one rewrite.
void BM_FlushCacheOfTenThousand(benchmark::State& state)
{
    std::string file = Folder() + "/cache.ini";
    KestProfile::m_oldPathUsing = true;
    KestProfile::m_namePath = file.c_str();
    KestProfile::m_initialized = true;
    std::vector<CString> keys;
    for (int i = 0; i < kEntries; ++i) {
        CString key;
        key.Format("Prop_3_%d", i);
        keys.push_back(key);
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* cache = new CGridRegMngr;
        ++round;
        for (int i = 0; i < kEntries; ++i)
            cache->WriteInt("Grid", keys[static_cast<size_t>(i)], (i + round) % 2);
        state.ResumeTiming();
        delete cache;
    }
}

} // namespace

BENCHMARK(BM_BaselineScan)->RangeMultiplier(10)->Range(100, 10000)->Complexity(benchmark::oN);
BENCHMARK(BM_GetItemById)->RangeMultiplier(10)->Range(100, 10000)->Complexity(benchmark::oN);
BENCHMARK(BM_DataItemByPath)->RangeMultiplier(10)->Range(100, 10000)->Complexity(benchmark::oN);
BENCHMARK(BM_GridDataItemByPath)->RangeMultiplier(10)->Range(100, 10000)->Complexity(benchmark::oN);
BENCHMARK(BM_OneRewriteOfSameSizeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlushCacheOfTenThousand)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    MiscAttachLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}
