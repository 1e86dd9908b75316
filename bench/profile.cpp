// Profile file speed: cached reads against an in-memory map, first reads (parse speed), reads of
// a file that was just written, and writes as the file grows.
#include <windows.h>

#include "win32/inifile.h"
#include "win32/profile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct Sample {
    std::string file;
    std::string text;
    std::vector<std::pair<std::string, std::string>> keys; // section, key
};

std::string BenchFolder()
{
    static std::string dir = [] {
        std::string d = (std::filesystem::temp_directory_path() / ("misc-bench-profile-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(d);
        std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
        return d;
    }();
    return dir;
}

// A profile of `keys` keys in sections of 20, written to its own file.
Sample MakeSample(int keys, const char* name)
{
    Sample s;
    s.file = BenchFolder() + "/" + name;
    char line[128];
    for (int i = 0; i < keys; ++i) {
        if (i % 20 == 0) {
            std::snprintf(line, sizeof line, "[Section%03d]\r\n", i / 20);
            s.text += line;
        }
        std::snprintf(line, sizeof line, "GridLayoutKey%04d=%d, %d, some text value %d\r\n", i, i * 7, i % 13, i);
        s.text += line;
        char section[32], key[32];
        std::snprintf(section, sizeof section, "section%03d", i / 20); // read in another case
        std::snprintf(key, sizeof key, "gridlayoutkey%04d", i);
        s.keys.emplace_back(section, key);
    }
    FILE* f = std::fopen(s.file.c_str(), "wb");
    std::fwrite(s.text.data(), 1, s.text.size(), f);
    std::fclose(f);
    return s;
}

// Makes the file look as it does at rest: last changed a while ago.
void SetOld(const std::string& file)
{
    struct timespec old[2];
    clock_gettime(CLOCK_REALTIME, &old[0]);
    old[0].tv_sec -= 60;
    old[1] = old[0];
    utimensat(AT_FDCWD, file.c_str(), old, 0);
}

const Sample& Sample2000()
{
    static Sample s = [] {
        Sample x = MakeSample(2000, "read.ini");
        SetOld(x.file);
        return x;
    }();
    return s;
}

void BM_MapLookupBaseline(benchmark::State& state)
{
    const Sample& s = Sample2000();
    miscini::Document doc(s.text);
    std::unordered_map<std::string, std::string> map;
    for (const auto& [section, key] : s.keys)
        map.emplace(section + '\x01' + key, std::string(*doc.Value(section, key)));
    char buf[256];
    size_t i = 0;
    for (auto _ : state) {
        const auto& [section, key] = s.keys[i++ % s.keys.size()];
        auto it = map.find(section + '\x01' + key);
        benchmark::DoNotOptimize(miscini::CopyString(it->second, buf, sizeof buf));
    }
}
BENCHMARK(BM_MapLookupBaseline);

// The floor of a cached read: the one status query that tells whether the file changed.
void BM_StatOnly(benchmark::State& state)
{
    const Sample& s = Sample2000();
    struct stat st;
    for (auto _ : state)
        benchmark::DoNotOptimize(stat(s.file.c_str(), &st));
}
BENCHMARK(BM_StatOnly);

void BM_ReadCached(benchmark::State& state)
{
    const Sample& s = Sample2000();
    char buf[256];
    GetPrivateProfileStringA("x", "y", "", buf, sizeof buf, s.file.c_str()); // first read: parse
    size_t i = 0;
    for (auto _ : state) {
        const auto& [section, key] = s.keys[i++ % s.keys.size()];
        benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buf, sizeof buf,
                                                          s.file.c_str()));
    }
}
BENCHMARK(BM_ReadCached);

void BM_ReadCachedInt(benchmark::State& state)
{
    const Sample& s = Sample2000();
    size_t i = 0;
    for (auto _ : state) {
        const auto& [section, key] = s.keys[i++ % s.keys.size()];
        benchmark::DoNotOptimize(GetPrivateProfileIntA(section.c_str(), key.c_str(), 0, s.file.c_str()));
    }
}
BENCHMARK(BM_ReadCachedInt);

// A file changed less than the timestamp granularity ago: every read checks its bytes.
void BM_ReadJustWritten(benchmark::State& state)
{
    static Sample s = MakeSample(2000, "fresh.ini");
    char buf[256];
    size_t i = 0;
    for (auto _ : state) {
        const auto& [section, key] = s.keys[i++ % s.keys.size()];
        benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buf, sizeof buf,
                                                          s.file.c_str()));
    }
}
BENCHMARK(BM_ReadJustWritten);

void BM_Parse(benchmark::State& state)
{
    const Sample& s = Sample2000();
    for (auto _ : state) {
        miscini::Document doc(s.text);
        benchmark::DoNotOptimize(doc.Sections().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(s.text.size()));
}
BENCHMARK(BM_Parse);

// The first read of a file: open, read, parse, look up (the cache is flushed each time).
void BM_FirstRead(benchmark::State& state)
{
    const Sample& s = Sample2000();
    char buf[256];
    for (auto _ : state) {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, s.file.c_str());
        benchmark::DoNotOptimize(GetPrivateProfileStringA("section050", "gridlayoutkey1000", "", buf, sizeof buf,
                                                          s.file.c_str()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(s.text.size()));
}
BENCHMARK(BM_FirstRead);

// Writing one key of a file of N keys: one atomic rewrite per call.
void BM_WriteKey(benchmark::State& state)
{
    int keys = static_cast<int>(state.range(0));
    Sample s = MakeSample(keys, ("write" + std::to_string(keys) + ".ini").c_str());
    int i = 0;
    for (auto _ : state) {
        const auto& [section, key] = s.keys[static_cast<size_t>(i) % s.keys.size()];
        std::string value = std::to_string(i++);
        benchmark::DoNotOptimize(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), s.file.c_str()));
    }
    state.SetComplexityN(keys);
}
BENCHMARK(BM_WriteKey)->Arg(200)->Arg(2000)->Arg(20000)->Complexity();

} // namespace

BENCHMARK_MAIN();
