// The shortcut manager's serialisation: the table in use through an archive. A program's
// shortcut file (".acc") is exactly this, written by one Serialize into a fresh archive.
//
// The stored form, little-endian as every archive number, 10 + 5 * count bytes:
//
//   offset  size  field
//   0       4     magic: the bytes 'X' 'A' 'C' 'C' (DWORD 0x43434158)
//   4       2     version: 1
//   6       4     count: entries that follow, 0 to 32767 (0: no table)
//   10      5*n   entries in table order, each:
//                   1  fVirt: FVIRTKEY 0x01, FNOINVERT 0x02, FSHIFT 0x04, FCONTROL 0x08, FALT 0x10
//                   2  key: a virtual key 0x01-0xFE with FVIRTKEY, else a character code (not 0)
//                   2  cmd: the command identifier
//
// Reading refuses, with CArchiveException (the archive's own endOfFile for data that ends
// early): another magic (badClass), another version (badSchema), a count above 32767, a flag
// outside the five above, or a key out of its range (generic). Every entry is read and checked
// before the table in use changes, so a refused archive changes nothing. Nothing after the
// entries is read: the archive may go on with other data.
#include "toolkit/shortcuts.h"

namespace {
constexpr size_t kEntrySize = 5; // flags, key, command
} // namespace

BOOL CXTPShortcutManager::IsValidEntry(const ACCEL& a)
{
    const BYTE known = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;
    if (a.fVirt & ~known)
        return FALSE;
    if (a.fVirt & FVIRTKEY)
        return a.key >= 0x01 && a.key <= 0xFE;
    return a.key != 0;
}

void CXTPShortcutManager::WriteEntries(CArchive& ar, const std::vector<ACCEL>& entries)
{
    if (entries.size() > kMaxEntries)
        AfxThrowArchiveException(CArchiveException::genericException);
    ar << static_cast<DWORD>(kArchiveMagic) << static_cast<WORD>(kArchiveVersion)
       << static_cast<DWORD>(entries.size());
    for (const ACCEL& a : entries)
        ar << static_cast<BYTE>(a.fVirt) << static_cast<WORD>(a.key) << static_cast<WORD>(a.cmd);
}

std::vector<ACCEL> CXTPShortcutManager::ReadEntries(CArchive& ar)
{
    DWORD magic = 0, count = 0;
    WORD version = 0;
    ar >> magic;
    if (magic != kArchiveMagic)
        AfxThrowArchiveException(CArchiveException::badClass);
    ar >> version;
    if (version != kArchiveVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> count;
    if (count > kMaxEntries)
        AfxThrowArchiveException(CArchiveException::genericException);
    // The entries in one read (at most 160 KB), then decoded: data that ends early is refused
    // before any entry is looked at.
    std::vector<BYTE> bytes(static_cast<size_t>(count) * kEntrySize);
    if (count)
        ar.EnsureRead(bytes.data(), static_cast<UINT>(bytes.size()));
    std::vector<ACCEL> entries(count);
    const BYTE* p = bytes.data();
    for (ACCEL& a : entries) {
        a.fVirt = p[0];
        a.key = static_cast<WORD>(p[1] | p[2] << 8);
        a.cmd = static_cast<WORD>(p[3] | p[4] << 8);
        if (!IsValidEntry(a))
            AfxThrowArchiveException(CArchiveException::genericException);
        p += kEntrySize;
    }
    return entries;
}

void CXTPShortcutManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        WriteEntries(ar, GetEntries());
    else
        SetEntries(ReadEntries(ar));
}
