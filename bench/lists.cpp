// Remembered-value lists and fabric pattern profiles: loading and storing against plain stdio
// on the same bytes in the same run.
//
// Baselines: "StdioBulk" reads or writes the file's bytes in one call; "StdioRecords" reads or
// writes the same records (a count, then per item a tag and two length-prefixed strings) with
// one stdio call per field into std::string pairs, which is what a hand-written reader of the
// format costs.
#include <benchmark/benchmark.h>

#include <misc/data.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const std::string& Dir()
{
    static std::string dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/bench_lists_XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const char* made = mkdtemp(buf.data());
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

void FillList(CComboItemList& list, int count)
{
    for (int i = 0; i < count; ++i) {
        CString name;
        name.Format("Piece name %06d", i);
        list.AddComboItem(new CComboItem(name, "Piece Names"), 0);
    }
}

// The file of a list of count items (written once per count).
std::string ListFile(int count)
{
    const std::string path = Dir() + "/list" + std::to_string(count) + ".cbi";
    if (access(path.c_str(), F_OK) != 0) {
        CComboItemList list;
        FillList(list, count);
        list.StoreToFile(path.c_str());
    }
    return path;
}

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.append(buf, n);
        std::fclose(f);
    }
    return bytes;
}

void BM_ListLoad(benchmark::State& state)
{
    const std::string path = ListFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CComboItemList list;
        list.LoadFromFile(path.c_str());
        benchmark::DoNotOptimize(list.GetSize());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Loading against a bulk read of the same file, alternating in each iteration, as one ratio
// ("x_bulk"); thread CPU time, so that other processes on the machine do not skew it.
void BM_ListLoadVsBulkRead(benchmark::State& state)
{
    const std::string path = ListFile(static_cast<int>(state.range(0)));
    double load = 0, bulk = 0;
    for (auto _ : state) {
        double t0 = ThreadSeconds();
        benchmark::DoNotOptimize(ReadAll(path).size());
        double t1 = ThreadSeconds();
        {
            CComboItemList list;
            list.LoadFromFile(path.c_str());
            benchmark::DoNotOptimize(list.GetSize());
        }
        double t2 = ThreadSeconds();
        bulk += t1 - t0;
        load += t2 - t1;
    }
    state.counters["x_bulk"] = bulk > 0 ? load / bulk : 0;
}

void BM_ListStore(benchmark::State& state)
{
    CComboItemList list;
    FillList(list, static_cast<int>(state.range(0)));
    const std::string path = Dir() + "/store.cbi";
    for (auto _ : state)
        benchmark::DoNotOptimize(list.StoreToFile(path.c_str()));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_StdioBulkRead(benchmark::State& state)
{
    const std::string path = ListFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadAll(path).size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_StdioBulkWrite(benchmark::State& state)
{
    const std::string bytes = ReadAll(ListFile(static_cast<int>(state.range(0))));
    const std::string path = Dir() + "/bulk.cbi";
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Per-field stdio on the list's records (lengths below 255, as in these lists).
bool ReadString(FILE* f, std::string& out)
{
    int n = std::getc(f);
    if (n == EOF || n == 0xFF)
        return false;
    out.resize(static_cast<size_t>(n));
    return std::fread(out.data(), 1, out.size(), f) == out.size();
}

void BM_StdioRecordsRead(benchmark::State& state)
{
    const std::string path = ListFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::pair<std::string, std::string>> items;
        FILE* f = std::fopen(path.c_str(), "rb");
        unsigned char head[6];
        std::fread(head, 1, 2, f);
        size_t count = head[0] | (head[1] << 8);
        if (count == 0xFFFF) {
            std::fread(head, 1, 4, f);
            count = head[0] | (head[1] << 8) | (size_t(head[2]) << 16) | (size_t(head[3]) << 24);
        }
        for (size_t i = 0; i < count; ++i) {
            unsigned char tag[2];
            std::fread(tag, 1, 2, f);
            if (tag[0] == 0xFF && tag[1] == 0xFF) { // the class record
                unsigned char rec[4];
                std::fread(rec, 1, 4, f);
                char name[64];
                std::fread(name, 1, rec[2], f);
            }
            std::pair<std::string, std::string> item;
            if (!ReadString(f, item.first) || !ReadString(f, item.second))
                break;
            items.push_back(std::move(item));
        }
        std::fclose(f);
        benchmark::DoNotOptimize(items.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_StdioRecordsWrite(benchmark::State& state)
{
    std::vector<std::pair<std::string, std::string>> items;
    for (int i = 0; i < state.range(0); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Piece name %06d", i);
        items.emplace_back(name, "Piece Names");
    }
    const std::string path = Dir() + "/records.cbi";
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "wb");
        const unsigned count = static_cast<unsigned>(items.size());
        const unsigned char head[6] = {0xFF, 0xFF, static_cast<unsigned char>(count),
                                       static_cast<unsigned char>(count >> 8),
                                       static_cast<unsigned char>(count >> 16), 0};
        std::fwrite(head, 1, 6, f);
        bool first = true;
        for (const auto& item : items) {
            if (first) {
                std::fwrite("\xFF\xFF\x01\x00\x0A\x00" "CComboItem", 1, 16, f);
                first = false;
            } else {
                std::fwrite("\x01\x80", 1, 2, f);
            }
            for (const std::string* s : {&item.first, &item.second}) {
                std::fputc(static_cast<int>(s->size()), f);
                std::fwrite(s->data(), 1, s->size(), f);
            }
        }
        std::fclose(f);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// AddNewComboItem on a list of range(0) items: the last item moves to the front each time, the
// worst case (a full search, then a move of every pointer).
void BM_AddNewComboItem(benchmark::State& state)
{
    CComboItemList list;
    FillList(list, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CComboItem last(*list.GetComboItem(static_cast<int>(list.GetSize() - 1)));
        list.AddNewComboItem(last, 1);
    }
    state.SetComplexityN(state.range(0));
}

// A fabric pattern profile of range(0) materials without pictures.
std::string MaterialFile(int count)
{
    const std::string path = Dir() + "/materials" + std::to_string(count) + ".fpf";
    if (access(path.c_str(), F_OK) != 0) {
        CMaterialArray materials;
        for (int i = 0; i < count; ++i) {
            CMaterialBlock m;
            m.m_name.Format("Fabric %06d", i);
            m.m_sizeX = 140 + i % 7;
            m.m_sizeY = 100;
            m.m_weight = 250;
            m.m_weightText = "g/m2";
            m.m_cost = 12.5;
            m.m_costText = "EUR";
            materials.Add(m);
        }
        WriteMaterialFile(materials, path.c_str());
    }
    return path;
}

void BM_MaterialLoad(benchmark::State& state)
{
    const std::string path = MaterialFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CMaterialArray materials;
        char name[MAX_PATH];
        std::strcpy(name, path.c_str());
        if (materials.LoadMaterial(name, nullptr, 0, 0) != MATERIAL_LOAD_OK)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(materials.GetSize());
    }
    state.counters["materials/s"] =
        benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
    state.SetComplexityN(state.range(0));
}

void BM_MaterialStdioRead(benchmark::State& state)
{
    const std::string path = MaterialFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "r");
        char line[280];
        size_t lines = 0;
        while (std::fgets(line, sizeof line, f))
            ++lines;
        std::fclose(f);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["materials/s"] =
        benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_ListLoad)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioBulkRead)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListLoadVsBulkRead)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioRecordsRead)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListStore)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioBulkWrite)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioRecordsWrite)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddNewComboItem)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaterialLoad)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaterialStdioRead)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
