// Fuzzes the reader of remembered-value lists: the list's archive image read into a list that
// held items before. A list that loads must store and load again to the same items, and the
// file reader (a one-pass parse that leaves what it does not take to the archive) must load the
// same items as the archive alone.
#include <misc/data/combolist.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Loads bytes the way CComboItemList::Load does: damage leaves the list empty.
bool LoadList(const BYTE* data, size_t size, CComboItemList& list)
{
    CMemFile file(const_cast<BYTE*>(data), static_cast<UINT>(size));
    try {
        CArchive ar(&file, CArchive::load);
        list.Serialize(ar);
        return true;
    } catch (CException* e) {
        e->Delete();
        list.RemoveAllItems();
        return false;
    }
}

// The file the bytes are written to for LoadFromFile, one per process.
const std::string& InputFile()
{
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_cbi_" + std::to_string(std::rand()) + ".cbi";
    }();
    return path;
}

void CheckFileReader(const uint8_t* data, size_t size, CComboItemList& expected)
{
    FILE* f = std::fopen(InputFile().c_str(), "wb");
    if (!f)
        return;
    const bool written = std::fwrite(data, 1, size, f) == size;
    std::fclose(f);
    if (!written)
        return;
    CComboItemList viaFile;
    viaFile.AddComboItem(new CComboItem("before", "T"), 0);
    if (!viaFile.LoadFromFile(InputFile().c_str()) || viaFile.GetSize() != expected.GetSize())
        std::abort();
    for (int i = 0; i < expected.GetSize(); ++i)
        if (!(*viaFile.GetComboItem(i) == *expected.GetComboItem(i)))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    CComboItemList list;
    list.AddComboItem(new CComboItem("before", "T"), 0);
    const bool loaded = LoadList(data, size, list);
    if (!loaded && list.GetSize() != 0)
        std::abort();
    CheckFileReader(data, size, list);
    if (!loaded)
        return 0;

    CMemFile out;
    {
        CArchive ar(&out, CArchive::store);
        list.Serialize(ar);
        ar.Close();
    }
    const UINT length = static_cast<UINT>(out.GetLength());
    BYTE* stored = out.Detach();
    CComboItemList again;
    if (!LoadList(stored, length, again) || again.GetSize() != list.GetSize())
        std::abort();
    for (int i = 0; i < list.GetSize(); ++i)
        if (!(*again.GetComboItem(i) == *list.GetComboItem(i)))
            std::abort();
    std::free(stored);
    return 0;
}
