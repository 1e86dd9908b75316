// Fuzzes the fabric pattern profile reader. The first byte picks the merge mode and whether
// pictures are required; the rest is the file, read into an array that holds two materials.
// Every record's name must find a record at or before it afterwards.
#include <misc/data/materials.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath()
{
    static std::string path;
    if (path.empty()) {
        const char* dir = std::getenv("TMPDIR");
        path = std::string(dir && *dir ? dir : "/tmp") + "/fuzz_fpf_" + std::to_string(getpid()) + ".fpf";
    }
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    const int mode = static_cast<int>(data[0] % 3) - 1;
    const int requireImage = (data[0] >> 2) & 1;
    const std::string path = TempPath();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);

    CMaterialArray materials;
    for (const char* name : {"Silk", "Wool"}) {
        CMaterialBlock m;
        m.m_name = name;
        materials.Add(m);
    }
    char fileName[MAX_PATH];
    std::strcpy(fileName, path.c_str());
    const int result = materials.LoadMaterial(fileName, nullptr, requireImage, mode);
    if (result < 0 || result > 4 || materials.GetSize() < 1)
        std::abort();
    for (int i = 0; i < materials.GetSize(); ++i) {
        const CMaterialBlock& m = materials[i];
        // A picture always has its path; a block that failed part-way keeps its path without one.
        if (std::strlen(m.m_file) >= MAX_PATH || (m.m_pImage != nullptr && m.m_file[0] == '\0'))
            std::abort();
        const int found = materials.find_material(m.m_name);
        if (found < 0 || found > i)
            std::abort();
    }
    materials.Sort(data[0] & 8 ? 1 : 0);
    return 0;
}
