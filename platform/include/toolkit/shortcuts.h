#pragma once
// Stand-in for the user-interface toolkit's shortcut manager: the frame's accelerator table as
// the command bars know it, the key formatter that writes "Ctrl+Shift+F5" style texts, the
// default table to reset to, and the manager's own serialisation through an archive (the
// format is described next to its code, shortcuts.cpp). Also the two customisation pages
// (keyboard and commands) that list commands by category.
#include <afxwin.h>

#include "mfc/archive.h"
#include "mfc/controls.h"
#include "mfc/propsheet.h"

#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPCommandBars;

class CXTPShortcutManager {
public:
    explicit CXTPShortcutManager(CXTPCommandBars* bars);
    virtual ~CXTPShortcutManager();
    CXTPShortcutManager(const CXTPShortcutManager&) = delete;
    CXTPShortcutManager& operator=(const CXTPShortcutManager&) = delete;

    // The key formatter: the text of one accelerator entry, modifiers in keyboard order
    // (Ctrl, Shift, Alt) then the key's name ("Ctrl+Shift+F5", "Del", "A"). An entry that is a
    // character (no FVIRTKEY) shows the character ("a", "?"), Alt before it when FALT is set;
    // control characters show as the keys that type them ("Ctrl+C", "Tab", "Enter").
    class CKeyHelper {
    public:
        CKeyHelper(const ACCEL* accel, CXTPShortcutManager* manager = nullptr);
        void Format(CString& text) const;
        CString Format() const;
        // The name of a virtual key alone ("F5", "Num 7", "A"); empty for an unknown key. With
        // virtualKey FALSE, the character `key` as Format shows it.
        static CString GetKeyName(WORD key, BOOL virtualKey = TRUE);
        // The reverse of Format for virtual keys: modifiers ("Ctrl+", "Shift+", "Alt+", in any
        // order and case) and a key name. FALSE, and *accel unchanged, for a text that names no
        // key. Sets fVirt (FVIRTKEY and the modifiers) and key; cmd stays.
        static BOOL Parse(LPCTSTR text, ACCEL* accel);

    private:
        ACCEL m_accel;
        [[maybe_unused]] CXTPShortcutManager* m_manager; // the manager whose names it uses (one set here)
    };

    // The table in use (owned by the manager; a copy of what was set).
    HACCEL GetDefaultAccelerator() const { return m_default; }
    HACCEL GetOriginalAccelerator() const { return m_default; }
    HACCEL GetAccelTable() const { return m_table; }
    // Takes a copy of `table` as both the table in use and the default (the frame's own table
    // at start-up).
    void SetAccelerators(HACCEL table);
    // Replaces the table in use (the default stays).
    void SetAccelTable(HACCEL table);
    // Back to the default table.
    void Reset();
    // The entries of the table in use, in table order.
    std::vector<ACCEL> GetEntries() const;
    // Replaces the table in use by these entries (none: no table).
    void SetEntries(const std::vector<ACCEL>& entries);
    // Stores the table in use, or loads one (replacing the table in use); a malformed archive
    // throws CArchiveException from the archive, as every Serialize does. A load that throws
    // leaves the table in use as it was.
    virtual void Serialize(CArchive& ar);

    // The stored form (see shortcuts_archive.cpp): "XACC", version, count, then 5 bytes an entry.
    static constexpr DWORD kArchiveMagic = 0x43434158; // the bytes 'X' 'A' 'C' 'C'
    static constexpr WORD kArchiveVersion = 1;
    static constexpr DWORD kMaxEntries = 32767;        // the most a table holds
    // The entries' part of Serialize, for readers of the stored form without a manager.
    static void WriteEntries(CArchive& ar, const std::vector<ACCEL>& entries);
    static std::vector<ACCEL> ReadEntries(CArchive& ar);
    // Whether the stored form accepts an entry: known flags only, a virtual key 0x01-0xFE, or
    // a character other than 0.
    static BOOL IsValidEntry(const ACCEL& entry);

private:
    // The frame of the bars, when its accelerator table is the one being replaced, follows.
    void Replace(HACCEL newTable, HACCEL given);

    CXTPCommandBars* m_bars;
    HACCEL m_table = nullptr;
    HACCEL m_default = nullptr;
};

// The customisation pages: commands by category. Categories keep the order they were first
// used in; a command appears once per category. Each page is a property page with a template
// of its own (no resource module needed) holding list boxes:
// - keyboard page: the categories, the commands of the selected category, and the keys that
//   run the selected command (every entry of the shortcut manager's table in use for it, in
//   table order, as the key formatter writes them);
// - commands page: the categories and the commands of the selected category.
// The first category and its first command are selected when the page opens.
#define XTP_IDD_PAGE_KEYBOARD 0xF501
#define XTP_IDD_PAGE_COMMANDS 0xF502
#define XTP_IDC_KBD_CATEGORIES 0xF511
#define XTP_IDC_KBD_COMMANDS 0xF512
#define XTP_IDC_KBD_KEYS 0xF513
#define XTP_IDC_KBD_DESCRIPTION 0xF514
#define XTP_IDC_CMD_CATEGORIES 0xF521
#define XTP_IDC_CMD_COMMANDS 0xF522

// What the two pages share: the categories and their commands.
class CXTPCustomizeCategories {
public:
    // Adds one command (its caption, mnemonic markers removed) under a category; FALSE for
    // command 0 or an empty category name.
    BOOL AddCommand(LPCTSTR category, UINT id, LPCTSTR caption);
    // Adds the commands of a menu (its items, recursively; separators skipped) under `category`;
    // FALSE for no menu.
    BOOL AddCategory(LPCTSTR category, CMenu* menu);
    int GetCategoryCount() const { return static_cast<int>(m_categories.size()); }
    CString GetCategoryName(int index) const;
    // The commands of a category, in the order added (empty for an index out of range).
    std::vector<UINT> GetCommands(int index) const;
    // The caption a command was added with (the first one), or empty.
    CString GetCommandCaption(UINT id) const;

protected:
    struct Category {
        CString name;
        std::vector<std::pair<UINT, CString>> commands;
    };
    // Fills a list box with the category names / the commands of one category (item data: id).
    void FillCategories(CListBox& list) const;
    void FillCommands(CListBox& list, int category) const;
    std::vector<Category> m_categories;
};

class CXTPCustomizeKeyboardPage : public CPropertyPage, public CXTPCustomizeCategories {
public:
    explicit CXTPCustomizeKeyboardPage(CXTPCommandBars* bars = nullptr);
    ~CXTPCustomizeKeyboardPage() override;
    // Adds the commands of menu resource `menuId` under `category`; FALSE when it cannot be loaded.
    BOOL AddCategories(UINT menuId, LPCTSTR category);
    using CXTPCustomizeCategories::AddCategory;
    using CXTPCustomizeCategories::AddCommand;
    // The key texts of a command in the shortcut manager's table in use.
    std::vector<CString> GetKeys(UINT id) const;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCategoryChanged();
    afx_msg void OnCommandChanged();
    DECLARE_MESSAGE_MAP()

    CXTPCommandBars* m_bars;
    CListBox m_categoryList;
    CListBox m_commandList;
    CListBox m_keyList;
};

class CXTPCustomizeCommandsPage : public CPropertyPage, public CXTPCustomizeCategories {
public:
    explicit CXTPCustomizeCommandsPage(CXTPCommandBars* bars = nullptr);
    ~CXTPCustomizeCommandsPage() override;
    using CXTPCustomizeCategories::AddCategory;
    using CXTPCustomizeCategories::AddCommand;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCategoryChanged();
    DECLARE_MESSAGE_MAP()

    CXTPCommandBars* m_bars;
    CListBox m_categoryList;
    CListBox m_commandList;
};

MISC_PUBLIC_END
