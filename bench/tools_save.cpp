// Saving the tool list to the profile: SaveTools with a tool numbered N writes "LastLayerNum" and
// the keys 100 to N. Measured against the baseline of one atomic replacement of a file of the
// same size as the profile it leaves, in the same run: the save should cost about one rewrite.
#include <misc/data/tools.h>
#include <misc/frame/profile.h>

#include "win32/profile.h"
#include "win32/system.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string BenchFolder()
{
    static std::string dir = [] {
        std::string d = (std::filesystem::temp_directory_path() / ("misc-bench-tools-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(d + "/user");
        std::filesystem::create_directories(d + "/common");
        setenv("XDG_DATA_HOME", (d + "/user").c_str(), 1);
        setenv("MISC_COMMON_DATA", (d + "/common").c_str(), 1);
        KestProfile::Reset();
        KestProfile::m_name = "user.ini";
        KestProfile::m_privateUsing = true;
        std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
        return d;
    }();
    return dir;
}

void Tools(CToolsArray& tools, int top)
{
    tools.RemoveAll();
    tools.Add(CToolsBlock("Knife", 100));
    tools.Add(CToolsBlock("Pen", 150));
    tools.Add(CToolsBlock("Marker", top));
}

// Starts from a missing profile, so that each size is measured on its own file.
void FreshProfile()
{
    BenchFolder();
    ProfileReadInt("Layers", "LastLayerNum", 0, 1); // works out the profile's path
    std::error_code ec;
    std::filesystem::remove(KestProfile::m_namePath.GetString(), ec);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
}

void SaveTools(benchmark::State& state)
{
    FreshProfile();
    CToolsArray tools;
    Tools(tools, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tools.SaveTools());
    state.SetLabel(std::to_string(std::filesystem::file_size(KestProfile::m_namePath.GetString())) + " bytes");
}

// The baseline: replacing a file with the bytes of the profile SaveTools leaves.
void OneRewrite(benchmark::State& state)
{
    FreshProfile();
    CToolsArray tools;
    Tools(tools, static_cast<int>(state.range(0)));
    tools.SaveTools();
    std::string bytes;
    MiscReadFile(KestProfile::m_namePath.GetString(), bytes);
    const std::string path = BenchFolder() + "/copy.ini";
    for (auto _ : state)
        benchmark::DoNotOptimize(MiscReplaceFile(path, bytes));
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}

} // namespace

BENCHMARK(OneRewrite)->Arg(1000)->Arg(TOOLS_MAX_NUMBER)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveTools)->Arg(1000)->Arg(TOOLS_MAX_NUMBER)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
