// Fuzzes the material dialog's reading of a fabric pattern profile into table rows. Every row
// read must have a trimmed name, and reading the same bytes again must give the same rows.
#include <misc/datadlg/materialbitmap.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

int Read(const uint8_t* data, size_t size, CArray<MaterialRow, const MaterialRow&>& rows)
{
    FILE* f = tmpfile();
    if (!f)
        return -1;
    std::fwrite(data, 1, size, f);
    std::rewind(f);
    const int result = ReadMaterialRows(f, rows, 1000);
    std::fclose(f);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    CArray<MaterialRow, const MaterialRow&> rows, again;
    const int result = Read(data, size, rows);
    if (result == -1)
        return 0;
    if ((result != 0 && result != 1) || rows.GetSize() > 1000)
        std::abort();
    for (INT_PTR i = 0; i < rows.GetSize(); ++i) {
        CString trimmed = rows[i].name;
        trimmed.Trim();
        if (trimmed != rows[i].name || rows[i].file.GetLength() > 280)
            std::abort();
    }
    if (Read(data, size, again) != result || again.GetSize() != rows.GetSize())
        std::abort();
    return 0;
}
