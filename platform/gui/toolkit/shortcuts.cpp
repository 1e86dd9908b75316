// The toolkit stand-in's shortcut manager: the accelerator table in use and its default.
#include "toolkit/shortcuts.h"

#include "win32/accel.h"

#include <vector>

namespace {

HACCEL CopyTable(HACCEL table)
{
    if (!table)
        return nullptr;
    const int n = CopyAcceleratorTableA(table, nullptr, 0);
    if (n <= 0)
        return nullptr;
    std::vector<ACCEL> entries(static_cast<size_t>(n));
    CopyAcceleratorTableA(table, entries.data(), n);
    return CreateAcceleratorTableA(entries.data(), n);
}

} // namespace

CXTPShortcutManager::CXTPShortcutManager(CXTPCommandBars* bars) : m_bars(bars) {}

CXTPShortcutManager::~CXTPShortcutManager()
{
    if (m_table && m_table != m_default)
        DestroyAcceleratorTable(m_table);
    if (m_default)
        DestroyAcceleratorTable(m_default);
}

void CXTPShortcutManager::SetAccelerators(HACCEL table)
{
    SetAccelTable(table);
    if (m_default)
        DestroyAcceleratorTable(m_default);
    m_default = CopyTable(table);
}

void CXTPShortcutManager::SetAccelTable(HACCEL table)
{
    HACCEL copy = CopyTable(table);
    if (m_table && m_table != m_default)
        DestroyAcceleratorTable(m_table);
    m_table = copy;
}

void CXTPShortcutManager::Reset()
{
    SetAccelTable(m_default);
}

void CXTPShortcutManager::Serialize(CArchive&) {}
