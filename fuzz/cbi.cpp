// Fuzzes the reader of remembered-value lists: the list's archive image read into a list that
// held items before. A list that loads must store and load again to the same items.
#include <misc/data/combolist.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    CComboItemList list;
    list.AddComboItem(new CComboItem("before", "T"), 0);
    if (!LoadList(data, size, list))
        return list.GetSize() == 0 ? 0 : (std::abort(), 0);

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
