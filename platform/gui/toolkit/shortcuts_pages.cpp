// The customisation pages: the keyboard page (categories, their commands, the keys of a command)
// and the commands page (categories and their commands), each with a template built here.
#include "toolkit/shortcuts.h"

#include "mfc/menu.h"
#include "toolkit/commandbars.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
const DWORD kPage = DS_SETFONT | DS_CONTROL | WS_CHILD | WS_CAPTION;

const MiscResControl kKeyboardControls[] = {
    {"STATIC", "Categories:", -1, kChild | SS_LEFT, 0, 7, 7, 100, 8},
    {"LISTBOX", "", XTP_IDC_KBD_CATEGORIES, kList, 0, 7, 17, 100, 62},
    {"STATIC", "Commands:", -1, kChild | SS_LEFT, 0, 7, 84, 100, 8},
    {"LISTBOX", "", XTP_IDC_KBD_COMMANDS, kList, 0, 7, 94, 100, 72},
    {"STATIC", "Current keys:", -1, kChild | SS_LEFT, 0, 115, 7, 118, 8},
    {"LISTBOX", "", XTP_IDC_KBD_KEYS, kList, 0, 115, 17, 118, 62},
    {"STATIC", "Description:", -1, kChild | SS_LEFT, 0, 115, 84, 118, 8},
    {"STATIC", "", XTP_IDC_KBD_DESCRIPTION, kChild | SS_LEFT | SS_NOPREFIX, 0, 115, 94, 118, 40},
};
const MiscResDialog kKeyboardTemplate = {
    XTP_IDD_PAGE_KEYBOARD, kPage, 0, 0, 0, 240, 173, "Keyboard", "MS Shell Dlg", 8, nullptr,
    kKeyboardControls, static_cast<int>(sizeof(kKeyboardControls) / sizeof(kKeyboardControls[0]))};

const MiscResControl kCommandsControls[] = {
    {"STATIC", "Categories:", -1, kChild | SS_LEFT, 0, 7, 7, 90, 8},
    {"LISTBOX", "", XTP_IDC_CMD_CATEGORIES, kList, 0, 7, 17, 90, 149},
    {"STATIC", "Commands:", -1, kChild | SS_LEFT, 0, 105, 7, 128, 8},
    {"LISTBOX", "", XTP_IDC_CMD_COMMANDS, kList, 0, 105, 17, 128, 149},
};
const MiscResDialog kCommandsTemplate = {
    XTP_IDD_PAGE_COMMANDS, kPage, 0, 0, 0, 240, 173, "Commands", "MS Shell Dlg", 8, nullptr,
    kCommandsControls, static_cast<int>(sizeof(kCommandsControls) / sizeof(kCommandsControls[0]))};

} // namespace

// ---- Categories ----

BOOL CXTPCustomizeCategories::AddCommand(LPCTSTR category, UINT id, LPCTSTR caption)
{
    if (id == 0 || !category || !*category)
        return FALSE;
    Category* target = nullptr;
    for (Category& c : m_categories)
        if (c.name == category)
            target = &c;
    if (!target) {
        m_categories.push_back(Category{category, {}});
        target = &m_categories.back();
    }
    for (const auto& command : target->commands)
        if (command.first == id)
            return TRUE;
    target->commands.emplace_back(id, XTPPlainCaption(caption));
    return TRUE;
}

BOOL CXTPCustomizeCategories::AddCategory(LPCTSTR category, CMenu* menu)
{
    if (!menu || !menu->GetSafeHmenu())
        return FALSE;
    const int count = static_cast<int>(menu->GetMenuItemCount());
    for (int i = 0; i < count; ++i) {
        if (CMenu* sub = menu->GetSubMenu(i)) {
            if (!AddCategory(category, sub))
                return FALSE;
            continue;
        }
        const UINT id = menu->GetMenuItemID(i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue; // a separator
        CString caption;
        menu->GetMenuString(static_cast<UINT>(i), caption, MF_BYPOSITION);
        if (!AddCommand(category, id, caption))
            return FALSE;
    }
    return TRUE;
}

CString CXTPCustomizeCategories::GetCategoryName(int index) const
{
    if (index < 0 || index >= GetCategoryCount())
        return CString();
    return m_categories[static_cast<size_t>(index)].name;
}

std::vector<UINT> CXTPCustomizeCategories::GetCommands(int index) const
{
    std::vector<UINT> ids;
    if (index < 0 || index >= GetCategoryCount())
        return ids;
    for (const auto& command : m_categories[static_cast<size_t>(index)].commands)
        ids.push_back(command.first);
    return ids;
}

CString CXTPCustomizeCategories::GetCommandCaption(UINT id) const
{
    for (const Category& c : m_categories)
        for (const auto& command : c.commands)
            if (command.first == id)
                return command.second;
    return CString();
}

void CXTPCustomizeCategories::FillCategories(CListBox& list) const
{
    list.ResetContent();
    for (const Category& c : m_categories)
        list.AddString(c.name);
}

void CXTPCustomizeCategories::FillCommands(CListBox& list, int category) const
{
    list.ResetContent();
    if (category < 0 || category >= GetCategoryCount())
        return;
    for (const auto& command : m_categories[static_cast<size_t>(category)].commands) {
        const int index = list.AddString(command.second.IsEmpty() ? CString("(no caption)") : command.second);
        list.SetItemData(index, command.first);
    }
}

// ---- Keyboard page ----

BEGIN_MESSAGE_MAP(CXTPCustomizeKeyboardPage, CPropertyPage)
    ON_LBN_SELCHANGE(XTP_IDC_KBD_CATEGORIES, OnCategoryChanged)
    ON_LBN_SELCHANGE(XTP_IDC_KBD_COMMANDS, OnCommandChanged)
END_MESSAGE_MAP()

CXTPCustomizeKeyboardPage::CXTPCustomizeKeyboardPage(CXTPCommandBars* bars) : m_bars(bars)
{
    m_lpDialogTemplate = &kKeyboardTemplate;
}

CXTPCustomizeKeyboardPage::~CXTPCustomizeKeyboardPage() = default;

BOOL CXTPCustomizeKeyboardPage::AddCategories(UINT menuId, LPCTSTR category)
{
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return FALSE;
    return AddCategory(category, &menu);
}

std::vector<CString> CXTPCustomizeKeyboardPage::GetKeys(UINT id) const
{
    std::vector<CString> keys;
    if (!m_bars || id == 0)
        return keys;
    CXTPShortcutManager* manager = m_bars->GetShortcutManager();
    for (const ACCEL& a : manager->GetEntries())
        if (a.cmd == id)
            keys.push_back(CXTPShortcutManager::CKeyHelper(&a, manager).Format());
    return keys;
}

BOOL CXTPCustomizeKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_categoryList.SubclassDlgItem(XTP_IDC_KBD_CATEGORIES, this);
    m_commandList.SubclassDlgItem(XTP_IDC_KBD_COMMANDS, this);
    m_keyList.SubclassDlgItem(XTP_IDC_KBD_KEYS, this);
    FillCategories(m_categoryList);
    m_categoryList.SetCurSel(0);
    OnCategoryChanged();
    return TRUE;
}

void CXTPCustomizeKeyboardPage::OnCategoryChanged()
{
    FillCommands(m_commandList, m_categoryList.GetCurSel());
    m_commandList.SetCurSel(0);
    OnCommandChanged();
}

void CXTPCustomizeKeyboardPage::OnCommandChanged()
{
    m_keyList.ResetContent();
    const int index = m_commandList.GetCurSel();
    const UINT id = index < 0 ? 0 : static_cast<UINT>(m_commandList.GetItemData(index));
    for (const CString& key : GetKeys(id))
        m_keyList.AddString(key);
    CString description;
    if (m_bars && id)
        if (CXTPControl* control = m_bars->FindControl(xtpControlError, static_cast<int>(id), FALSE, TRUE))
            description = control->GetDescription();
    SetDlgItemText(XTP_IDC_KBD_DESCRIPTION, description);
}

// ---- Commands page ----

BEGIN_MESSAGE_MAP(CXTPCustomizeCommandsPage, CPropertyPage)
    ON_LBN_SELCHANGE(XTP_IDC_CMD_CATEGORIES, OnCategoryChanged)
END_MESSAGE_MAP()

CXTPCustomizeCommandsPage::CXTPCustomizeCommandsPage(CXTPCommandBars* bars) : m_bars(bars)
{
    m_lpDialogTemplate = &kCommandsTemplate;
}

CXTPCustomizeCommandsPage::~CXTPCustomizeCommandsPage() = default;

BOOL CXTPCustomizeCommandsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_categoryList.SubclassDlgItem(XTP_IDC_CMD_CATEGORIES, this);
    m_commandList.SubclassDlgItem(XTP_IDC_CMD_COMMANDS, this);
    FillCategories(m_categoryList);
    m_categoryList.SetCurSel(0);
    OnCategoryChanged();
    return TRUE;
}

void CXTPCustomizeCommandsPage::OnCategoryChanged()
{
    FillCommands(m_commandList, m_categoryList.GetCurSel());
    m_commandList.SetCurSel(0);
}
