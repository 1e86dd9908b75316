#include "test_env.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace misc_test {

namespace {
std::string g_root;
int g_counter = 0;
}

void PrepareEnvironment()
{
    const char* base = std::getenv("MISC_TEST_TMP_BASE");
    fs::path root = base ? fs::path(base) : fs::temp_directory_path();
    root /= "misc-test-" + std::to_string(::getpid());
    fs::remove_all(root);
    fs::create_directories(root);
    g_root = root.string();
    auto sub = [&](const char* name) {
        fs::path p = root / name;
        fs::create_directories(p);
        return p.string();
    };
    setenv("HOME", sub("home").c_str(), 1);
    setenv("XDG_DATA_HOME", sub("home/.local/share").c_str(), 1);
    setenv("XDG_CONFIG_HOME", sub("home/.config").c_str(), 1);
    setenv("TMPDIR", sub("tmp").c_str(), 1);
    setenv("MISC_COMMON_DATA", sub("common").c_str(), 1);
    setenv("MISC_DEFAULT_USER_DATA", sub("skel").c_str(), 1);
    setenv("MISC_REGISTRY_FILE", (root / "registry.ini").string().c_str(), 1);
    setenv("MISC_WINDOWS_DIR", sub("windows").c_str(), 1);
    std::atexit([] {
        if (!std::getenv("MISC_KEEP_TEST_TMP")) {
            std::error_code ec;
            fs::remove_all(g_root, ec);
        }
    });
}

const std::string& TempRoot() { return g_root; }

std::string MakeTempDir(const std::string& hint)
{
    fs::path p = fs::path(g_root) / (hint + "-" + std::to_string(++g_counter));
    fs::create_directories(p);
    return p.string();
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace misc_test
