// Fuzzes the reader of shortcut files (the shortcut manager's stored table): bytes loaded into a
// manager that held a table. A refused input must leave that table as it was; an accepted one
// must store again to exactly the bytes it was read from (the form has one spelling per table).
#include <toolkit/shortcuts.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const std::vector<ACCEL> kBefore = {{FVIRTKEY | FCONTROL, 'S', 0xE103}, {0, 'q', 7}};

bool SameTable(const std::vector<ACCEL>& a, const std::vector<ACCEL>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].fVirt != b[i].fVirt || a[i].key != b[i].key || a[i].cmd != b[i].cmd)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CXTPShortcutManager manager(nullptr);
    manager.SetEntries(kBefore);
    CMemFile in(const_cast<BYTE*>(data), static_cast<UINT>(size));
    size_t used = 0;
    try {
        CArchive ar(&in, CArchive::load);
        manager.Serialize(ar);
        ar.Flush(); // the file position is now the archive's
        used = static_cast<size_t>(in.GetPosition());
    } catch (CException* e) {
        e->Delete();
        if (!SameTable(manager.GetEntries(), kBefore))
            std::abort();
        return 0;
    }
    CMemFile out;
    {
        CArchive ar(&out, CArchive::store);
        manager.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> stored(static_cast<size_t>(out.GetLength()));
    out.SeekToBegin();
    out.Read(stored.data(), static_cast<UINT>(stored.size()));
    if (stored.size() != used || std::memcmp(stored.data(), data, used) != 0)
        std::abort();
    return 0;
}
