// Typed entity documents: bulk arrays against memcpy (from a file, a pipe and memory), many small entities, memory per entity,
// and appending children.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "misc/data/entity.h"

namespace {

constexpr DWORD kKey = 0x3C5AA5C3;
constexpr DWORD kArrayValues = 1 << 20;  // 4 MB per array
constexpr int kFloatArrays = 12;
constexpr int kLongArrays = 13;         // 25 arrays: 100 MB
constexpr size_t kBulkBytes = size_t(kFloatArrays + kLongArrays) * kArrayValues * 4;

std::unique_ptr<FLENT_BLK> MakeBulk()
{
    auto root = std::make_unique<FLENT_BLK>(1);
    root->SetName("bulk");
    std::vector<float> f(kArrayValues);
    std::vector<LONG> l(kArrayValues);
    for (DWORD i = 0; i < kArrayValues; ++i)
        f[i] = static_cast<float>(i) * 0.5f, l[i] = static_cast<LONG>(i * 2654435761u);
    for (int i = 0; i < kFloatArrays; ++i)
        root->AddFloatArray(100 + i, f.data(), kArrayValues);
    for (int i = 0; i < kLongArrays; ++i)
        root->AddLongArray(200 + i, l.data(), kArrayValues);
    return root;
}

std::string TempPath(const char* name)
{
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir && *dir ? dir : "/tmp";
    return path + "/misc_bench_" + name;
}

void BM_Memcpy100MB(benchmark::State& state)
{
    std::vector<char> src(kBulkBytes, 1), dst(kBulkBytes, 0);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kBulkBytes);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

// The same bytes copied into freshly allocated arrays of the document's sizes, as a reader
// must: this includes the page faults of new memory that a warm memcpy does not pay.
void BM_MemcpyFresh100MB(benchmark::State& state)
{
    std::vector<char> src(kArrayValues * 4, 1);
    for (auto _ : state) {
        std::vector<void*> arrays;
        for (int i = 0; i < kFloatArrays + kLongArrays; ++i) {
            void* p = std::malloc(kArrayValues * 4);
            std::memcpy(p, src.data(), kArrayValues * 4);
            arrays.push_back(p);
        }
        benchmark::ClobberMemory();
        for (void* p : arrays)
            std::free(p);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

void BM_BulkWriteFile(benchmark::State& state)
{
    auto root = MakeBulk();
    std::string path = TempPath("bulk.doc");
    FILE* f = std::fopen(path.c_str(), "w+b");
    for (auto _ : state) {
        std::rewind(f);
        FLENT_IO io(f, kKey, 2);
        io.Write(root.get());
        std::fflush(f);
    }
    std::fclose(f);
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

void BM_BulkReadFile(benchmark::State& state)
{
    std::string path = TempPath("bulk.doc");
    {
        auto root = MakeBulk();
        FILE* f = std::fopen(path.c_str(), "wb");
        FLENT_IO io(f, kKey, 2);
        io.Write(root.get());
        std::fclose(f);
    }
    FILE* f = std::fopen(path.c_str(), "rb");
    for (auto _ : state) {
        std::rewind(f);
        FLENT_IO io(f, kKey, 2);
        std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_ALL));
        benchmark::DoNotOptimize(root.get());
    }
    std::fclose(f);
    std::remove(path.c_str());
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

// The same document through a pipe, whose size the reader cannot know: every array grows from a
// first chunk as its data arrives. A writer thread feeds the pipe.
void BM_BulkReadPipe(benchmark::State& state)
{
    std::string bytes;
    {
        auto root = MakeBulk();
        FILE* f = std::tmpfile();
        FLENT_IO io(f, kKey, 2);
        io.Write(root.get());
        bytes.resize(static_cast<size_t>(std::ftell(f)));
        std::rewind(f);
        if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
            bytes.clear();
        std::fclose(f);
    }
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0)
            break;
        std::thread writer([&] {
            size_t done = 0;
            while (done < bytes.size()) {
                ssize_t n = write(fds[1], bytes.data() + done, bytes.size() - done);
                if (n <= 0)
                    break;
                done += static_cast<size_t>(n);
            }
            close(fds[1]);
        });
        FILE* f = fdopen(fds[0], "rb");
        FLENT_IO io(f, kKey, 2);
        std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_ALL));
        benchmark::DoNotOptimize(root.get());
        std::fclose(f);
        writer.join();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

void BM_BulkWriteMemBuf(benchmark::State& state)
{
    auto root = MakeBulk();
    for (auto _ : state) {
        MemBuf mem(65535, 2000);
        FLENT_IO io(&mem, kKey, 2);
        io.Write(root.get());
        benchmark::DoNotOptimize(mem.Tell());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

void BM_BulkReadMemBuf(benchmark::State& state)
{
    auto root = MakeBulk();
    MemBuf mem(65535, 2000);
    {
        FLENT_IO io(&mem, kKey, 2);
        io.Write(root.get());
    }
    root.reset();
    for (auto _ : state) {
        mem.Rewind();
        FLENT_IO io(&mem, kKey, 2);
        std::unique_ptr<FLENT_BLK> back(io.ReadRoot(FLENT_FILTER_ALL));
        benchmark::DoNotOptimize(back.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBulkBytes);
}

// --- Many small entities ---------------------------------------------------------------------

constexpr int kElements = 500000;
constexpr int kPerElement = 10;  // the element block and nine entities in it
constexpr int64_t kSmallEntities = int64_t(kElements) * kPerElement + 2;

// Payload bytes of one element: texts, byte string, scalars and tuples.
constexpr size_t kPayloadPerElement = 9 + 4 + 2 + 4 + 4 + 4 + 3 * 2 + 5 + 4;

std::unique_ptr<FLENT_BLK> MakeSmall()
{
    auto root = std::make_unique<FLENT_BLK>(1);
    for (int i = 0; i < kElements; ++i) {
        FLENT_BLK* e = root->NewListElement(10);
        e->AddText(1, "piece-abc");
        e->AddBytes(2, "\x01\x02\x03\x04");
        e->AddInt(3, static_cast<WORD>(i | 1));
        e->AddLong(4, i + 1);
        e->AddFloat(5, 1.5f);
        e->AddLong(6, -7);
        FLENT_BLK* inner = new FLENT_BLK(7);
        inner->AddIntTuple(1, {1, 2, 3});
        inner->AddText(2, "inner");
        e->Insert(inner);
        e->AddLong(8, 4);
    }
    return root;
}

void BM_SmallWriteMemBuf(benchmark::State& state)
{
    auto root = MakeSmall();
    for (auto _ : state) {
        MemBuf mem(65535, 2000);
        FLENT_IO io(&mem, 0, 0);
        io.Write(root.get());
        benchmark::DoNotOptimize(mem.Tell());
    }
    state.SetItemsProcessed(state.iterations() * kSmallEntities);
}

void BM_SmallReadMemBuf(benchmark::State& state)
{
    MemBuf mem(65535, 2000);
    {
        auto root = MakeSmall();
        FLENT_IO io(&mem, 0, 0);
        io.Write(root.get());
    }
    for (auto _ : state) {
        mem.Rewind();
        FLENT_IO io(&mem, 0, 0);
        std::unique_ptr<FLENT_BLK> back(io.ReadRoot(FLENT_FILTER_ALL));
        benchmark::DoNotOptimize(back.get());
    }
    state.SetItemsProcessed(state.iterations() * kSmallEntities);
}

void BM_SmallWriteFile(benchmark::State& state)
{
    auto root = MakeSmall();
    std::string path = TempPath("small.doc");
    FILE* f = std::fopen(path.c_str(), "w+b");
    for (auto _ : state) {
        std::rewind(f);
        FLENT_IO io(f, 0, 0);
        io.Write(root.get());
        std::fflush(f);
    }
    std::fclose(f);
    state.SetItemsProcessed(state.iterations() * kSmallEntities);
}

void BM_SmallReadFile(benchmark::State& state)
{
    std::string path = TempPath("small.doc");
    {
        auto root = MakeSmall();
        FILE* f = std::fopen(path.c_str(), "wb");
        FLENT_IO io(f, 0, 0);
        io.Write(root.get());
        std::fclose(f);
    }
    FILE* f = std::fopen(path.c_str(), "rb");
    for (auto _ : state) {
        std::rewind(f);
        FLENT_IO io(f, 0, 0);
        std::unique_ptr<FLENT_BLK> back(io.ReadRoot(FLENT_FILTER_ALL));
        benchmark::DoNotOptimize(back.get());
    }
    std::fclose(f);
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kSmallEntities);
}

// Memory the tree takes beyond its payload, per entity (malloc's view, slabs included).
void BM_SmallTreeMemory(benchmark::State& state)
{
    double perEntity = 0;
    for (auto _ : state) {
        malloc_trim(0);
        struct mallinfo2 before = mallinfo2();
        auto root = MakeSmall();
        struct mallinfo2 after = mallinfo2();
        double used = double(after.uordblks + after.hblkhd) - double(before.uordblks + before.hblkhd);
        perEntity = (used - double(kPayloadPerElement) * kElements) / double(kSmallEntities);
        benchmark::DoNotOptimize(root.get());
    }
    state.counters["bytes_per_entity"] = perEntity;
}

// Appending to a block with n children costs the same for every n (tail pointer).
void BM_AppendChild(benchmark::State& state)
{
    const int64_t n = state.range(0);
    for (auto _ : state) {
        FLENT_BLK root(1);
        for (int64_t i = 0; i < n; ++i)
            root.Insert(new FLENT_BLK(static_cast<DWORD>(i)));
        benchmark::DoNotOptimize(root.GetLastChild());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}

} // namespace

BENCHMARK(BM_Memcpy100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyFresh100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkWriteFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkReadPipe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkWriteMemBuf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkReadMemBuf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallWriteMemBuf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallReadMemBuf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallWriteFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallTreeMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AppendChild)->RangeMultiplier(16)->Range(1 << 8, 1 << 20)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
