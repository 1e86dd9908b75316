// Fuzzes the tool layers file import, plain and merging. Tools that import must export and
// import again unchanged.
#include <misc/data/tools.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath(const char* what)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/fuzz_lyt_" + what + std::to_string(getpid()) + ".lyt";
}

bool Same(const CToolsArray& a, const CToolsArray& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i)
        if (a[i].m_number != b[i].m_number || a[i].m_name != b[i].m_name)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const std::string in = TempPath("in"), out = TempPath("out");
    FILE* f = std::fopen(in.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CToolsArray tools;
    const int result = tools.ImportTools(CString(in.c_str()));
    if (result != TOOLS_FILE_OK && result != TOOLS_FILE_BAD_DATA)
        std::abort();
    for (int i = 0; i < tools.GetSize(); ++i)
        if (tools[i].m_number < TOOLS_MIN_NUMBER || tools[i].m_number > TOOLS_MAX_NUMBER ||
            tools[i].m_name.IsEmpty() || tools[i].m_name.GetLength() > 32)
            std::abort();
    if (tools.ExportTools(CString(out.c_str())) == TOOLS_FILE_OK) {
        CToolsArray again;
        if (again.ImportTools(CString(out.c_str())) != TOOLS_FILE_OK || !Same(tools, again))
            std::abort();
    }

    CToolsArray merged;
    merged.Add(CToolsBlock("Knife", 100));
    merged.Add(CToolsBlock("Pen", 200));
    const int mergeResult = merged.ImportTools(CString(in.c_str()), 1, size & 1);
    if (mergeResult != result || (mergeResult != TOOLS_FILE_OK && merged.GetSize() != 2))
        std::abort();
    merged.Sort(size & 2 ? 1 : 0, size & 4 ? 1 : 0);
    return 0;
}
