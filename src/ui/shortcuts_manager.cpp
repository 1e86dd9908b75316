// CShortcutManager, the sort keys of CShortCutsGrid, and the feeding of the customisation pages.
#include <misc/ui/shortcuts.h>

#include <mfc/menu.h>
#include <mfc/resscope.h>
#include <toolkit/commandbars.h>
#include <toolkit/frame.h>
#include <toolkit/shortcuts.h>

#include <algorithm>
#include <cstring>

// ---- CShortcutManager ----

CShortcutManager::CShortcutManager(CXTPFrameWnd* frame) : m_pFrame(frame)
{
    if (!frame || !frame->GetCommandBars())
        return;
    HACCEL table = frame->GetCommandBars()->GetShortcutManager()->GetAccelTable();
    const int count = table ? CopyAcceleratorTable(table, nullptr, 0) : 0;
    if (count <= 0)
        return;
    m_owner.reset(new ACCEL[static_cast<size_t>(count)]);
    m_accels = m_owner.get();
    m_count = CopyAcceleratorTable(table, m_accels, count);
}

CShortcutManager::~CShortcutManager() = default;

CShortcutManager::CShortcutManager(const CShortcutManager& other) = default;

CShortcutManager& CShortcutManager::operator=(const CShortcutManager& other)
{
    // The three fields, and the share of the array that keeps it alive.
    m_pFrame = other.m_pFrame;
    m_count = other.m_count;
    m_accels = other.m_accels;
    m_owner = other.m_owner;
    return *this;
}

bool CShortcutManager::GetShortcutText(int command, CString& text)
{
    if (!m_accels || m_count <= 0 || command == 0)
        return false;
    // From the last entry to the first, so that the first one in table order is kept.
    const ACCEL* found = nullptr;
    for (int i = m_count - 1; i >= 0; --i)
        if (m_accels[i].cmd == static_cast<WORD>(command))
            found = &m_accels[i];
    if (!found)
        return false;
    CXTPCommandBars* bars = m_pFrame ? m_pFrame->GetCommandBars() : nullptr;
    CXTPShortcutManager::CKeyHelper helper(found, bars ? bars->GetShortcutManager() : nullptr);
    helper.Format(text);
    return true;
}

// ---- CShortCutsGrid ----

CString CShortCutsGrid::FirstSortKey(const CString& keys)
{
    const int plus = keys.ReverseFind('+');
    const CString key = plus < 0 ? keys : keys.Mid(plus + 1);
    const int zs = key.IsEmpty() ? 3 : key.GetLength();
    return CString('Z', zs) + key;
}

CString CShortCutsGrid::SecondSortKey(const CString& keys)
{
    const int length = keys.GetLength();
    if (std::strncmp(keys.GetString(), "Shift", 5) == 0 && length <= 9)
        return CString('c', 1);
    return CString(static_cast<char>(std::min(255, 'a' + length)), 1);
}

void CShortCutsGrid::GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGXSortInfo& sortInfo, const CGXStyle& style,
                                CString& sKey)
{
    if (nCol != 1) {
        CGXGridWnd::GetSortKey(nRow, nCol, sortInfo, style, sKey);
        return;
    }
    const CString keys = GetValueRowCol(nRow, 1);
    sKey = sortInfo.nKey == 0 ? FirstSortKey(keys) : SecondSortKey(keys);
}

// ---- Customisation pages ----

int AddAllMenuItemsToKbrdpage(CXTPCustomizeKeyboardPage& page, UINT menuId)
{
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return 0;
    CString prefix;
    {
        CCallResourceScope scope;
        prefix.LoadString(IDS_SHORTCUT_MENU_CATEGORY);
    }
    const int count = static_cast<int>(menu.GetMenuItemCount());
    for (int i = 0; i < count; ++i) {
        CString title;
        menu.GetMenuString(static_cast<UINT>(i), title, MF_BYPOSITION);
        CMenu* sub = menu.GetSubMenu(i);
        if (title.IsEmpty() || !sub)
            continue;
        if (!page.AddCategory(prefix + XTPPlainCaption(title), sub))
            return 0;
    }
    return 1;
}

namespace {

BOOL AddControls(const CXTPControls* controls, const CString& category, CXTPCustomizeKeyboardPage& keyboard,
                 CXTPCustomizeCommandsPage& commands, int depth)
{
    if (!controls || depth > 16) // pop-ups nest a few levels; a deeper chain is a loop
        return TRUE;
    for (int i = 0; i < controls->GetCount(); ++i) {
        const CXTPControl* control = controls->GetAt(i);
        const XTPControlType type = control->GetType();
        if (type != xtpControlPopup && control->GetID() > 0) {
            const CString caption = XTPPlainCaption(control->GetCaption());
            const UINT id = static_cast<UINT>(control->GetID());
            if (!keyboard.AddCommand(category, id, caption) || !commands.AddCommand(category, id, caption))
                return FALSE;
        }
        if (const CXTPCommandBar* popup = control->GetCommandBar())
            if (!AddControls(popup->GetControls(), category, keyboard, commands, depth + 1))
                return FALSE;
    }
    return TRUE;
}

} // namespace

int AddAllToolbarsItemsToKbrdAndCmndsPage(CXTPCustomizeKeyboardPage& keyboardPage,
                                          CXTPCustomizeCommandsPage& commandsPage, CXTPCommandBars* bars)
{
    if (!bars)
        return 0;
    int untitled = 0;
    for (int i = 0; i < bars->GetCount(); ++i) {
        CXTPToolBar* bar = bars->GetAt(i);
        if (!bar || bar == bars->GetMenuBar())
            continue;
        CString category = XTPPlainCaption(bar->GetTitle());
        if (category.IsEmpty())
            category.Format("Toolbar %d", ++untitled);
        if (!AddControls(bar->GetControls(), category, keyboardPage, commandsPage, 0))
            return 0;
    }
    return 1;
}
