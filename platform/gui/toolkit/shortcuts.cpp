// The toolkit stand-in's shortcut manager: the accelerator table in use and its default.
//
// The table in use is the frame's: when the command bars belong to a frame whose accelerator
// table is the one being replaced (or the one handed to SetAccelerators), the frame is given the
// new table, so that its keys follow a load or a reset. The manager owns its tables; a frame
// never destroys its accelerator table.
#include "toolkit/shortcuts.h"

#include "toolkit/commandbars.h"
#include "win32/accel.h"

#include <vector>

namespace {

std::vector<ACCEL> EntriesOf(HACCEL table)
{
    std::vector<ACCEL> entries;
    if (!table)
        return entries;
    const int n = CopyAcceleratorTableA(table, nullptr, 0);
    if (n <= 0)
        return entries;
    entries.resize(static_cast<size_t>(n));
    entries.resize(static_cast<size_t>(CopyAcceleratorTableA(table, entries.data(), n)));
    return entries;
}

HACCEL MakeTable(std::vector<ACCEL> entries)
{
    if (entries.empty())
        return nullptr;
    return CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
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

void CXTPShortcutManager::Replace(HACCEL newTable, HACCEL given)
{
    HACCEL old = m_table;
    m_table = newTable;
    if (m_bars)
        if (CFrameWnd* frame = m_bars->GetSite())
            if (frame->m_hAccelTable && (frame->m_hAccelTable == old || frame->m_hAccelTable == given))
                frame->m_hAccelTable = m_table;
    if (old && old != m_default && old != m_table)
        DestroyAcceleratorTable(old);
}

void CXTPShortcutManager::SetAccelerators(HACCEL table)
{
    HACCEL oldDefault = m_default;
    m_default = MakeTable(EntriesOf(table));
    // The table in use starts as the default itself; a later change makes it a table of its own.
    HACCEL old = m_table;
    m_table = m_default;
    if (m_bars)
        if (CFrameWnd* frame = m_bars->GetSite())
            if (frame->m_hAccelTable && (frame->m_hAccelTable == old || frame->m_hAccelTable == table))
                frame->m_hAccelTable = m_table;
    if (old && old != oldDefault)
        DestroyAcceleratorTable(old);
    if (oldDefault)
        DestroyAcceleratorTable(oldDefault);
}

void CXTPShortcutManager::SetAccelTable(HACCEL table)
{
    Replace(MakeTable(EntriesOf(table)), table);
}

void CXTPShortcutManager::Reset()
{
    if (m_table != m_default)
        Replace(m_default, nullptr);
}

std::vector<ACCEL> CXTPShortcutManager::GetEntries() const
{
    return EntriesOf(m_table);
}

void CXTPShortcutManager::SetEntries(const std::vector<ACCEL>& entries)
{
    Replace(MakeTable(entries), nullptr);
}
