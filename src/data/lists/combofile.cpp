// Remembered-value lists: their files in the common data folder.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "combofast.h"
#include "misc/data/combolist.h"
#include "misc/frame/profile.h"

namespace {

// Archive buffer: large enough that a list is read in few file reads.
constexpr int kArchiveBuffer = 64 * 1024;

} // namespace

CString CComboItemList::GetListFilePath(int type)
{
    char folder[MAX_PATH + 1] = "";
    GetCommonDataFolder(folder);
    CString path(folder);
    const char last = path.IsEmpty() ? '\0' : path[path.GetLength() - 1];
    if (!path.IsEmpty() && last != '/' && last != '\\')
        path += '/';
    CString name;
    path += getNameByType(name, type);
    path += ".cbi";
    return path;
}

BOOL CComboItemList::StoreToFile(LPCSTR path)
{
    if (!path || !*path)
        return FALSE;
    std::string bytes;
    try {
        CMemFile memory(64 * 1024);
        {
            CArchive ar(&memory, CArchive::store, kArchiveBuffer);
            Serialize(ar);
            ar.Close();
        }
        const size_t length = static_cast<size_t>(memory.GetLength());
        BYTE* block = memory.Detach();
        if (block) {
            bytes.assign(reinterpret_cast<const char*>(block), length);
            std::free(block);
        }
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    } catch (const std::exception&) {
        return FALSE;
    }
    // The new list replaces the old file as a whole; the last writer wins.
    return MiscReplaceFile(MiscNativePath(path), bytes) == ERROR_SUCCESS;
}

BOOL CComboItemList::LoadFromFile(LPCSTR path)
{
    if (!path || !*path)
        return FALSE;
    const std::string native = MiscNativePath(path);
    CFile file;
    if (!file.Open(native.c_str(), CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return FALSE;
    try {
        // The usual file is parsed in one pass; whatever that pass does not take (damage, 16-bit
        // strings, ...) is read again from the start by the archive, which decides.
        RemoveAllItems();
        if (combolist_detail::ReadPlainList(file, *this))
            return TRUE;
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        ar.m_strFileName = path;
        Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        RemoveAllItems();
    } catch (const std::exception&) {
        RemoveAllItems();
    }
    return TRUE;
}

void CComboItemList::Store(int type)
{
    StoreToFile(GetListFilePath(type));
}

void CComboItemList::Load(int type)
{
    LoadFromFile(GetListFilePath(type));
}
