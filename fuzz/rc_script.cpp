// Fuzzes the resource compiler: preprocessing, parsing and writing of arbitrary scripts, with
// every statement it reads (strings, dialogs, menus, accelerators, DLGINIT data, tool bars, and
// bitmap, icon and cursor files). An include of "resource.h", a bitmap "a.bmp" and a cursor
// "a.cur" exist; every other file is missing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "rc_compile.h"

namespace {

class FuzzReader : public misc_rc::FileReader {
public:
    bool Read(const std::string& path, std::string& contents) override
    {
        if (path == "fuzz/resource.h") {
            contents = "#define IDS_A 100\n#define IDD_A 200\n#define IDC_A (IDD_A + 1)\n";
            return true;
        }
        if (path == "fuzz/a.bmp") {
            contents = "BM";
            return true;
        }
        if (path == "fuzz/a.cur") {
            contents = std::string("\0\0\2\0\1\0", 6);
            return true;
        }
        return false;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    FuzzReader reader;
    misc_rc::CompileResult result;
    if (misc_rc::CompileScript("fuzz/script.rc", text, reader, misc_rc::CompileOptions{}, result))
        (void)misc_rc::WriteTableSource(result.script, "g_table", "script.rc");
    else
        (void)misc_rc::FormatDiagnostic(result.error);
    return 0;
}
