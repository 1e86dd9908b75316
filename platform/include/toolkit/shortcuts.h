#pragma once
// Stand-in for the user-interface toolkit's shortcut manager: the frame's accelerator table as
// the command bars know it, the key formatter that writes "Ctrl+Shift+F5" style texts, the
// default table to reset to, and the manager's own serialisation through an archive (the
// format is described next to its code, shortcuts.cpp). Also the two customisation pages
// (keyboard and commands) that list commands by category.
#include <afxwin.h>

#include "mfc/archive.h"
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
    // (Ctrl, Shift, Alt) then the key's name ("Ctrl+Shift+F5", "Del", "A").
    class CKeyHelper {
    public:
        CKeyHelper(const ACCEL* accel, CXTPShortcutManager* manager = nullptr);
        void Format(CString& text) const;
        CString Format() const;
        // The name of a virtual key alone ("F5", "Num 7", "A"); empty for an unknown key.
        static CString GetKeyName(WORD key, BOOL virtualKey = TRUE);

    private:
        ACCEL m_accel;
        CXTPShortcutManager* m_manager;
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
    // Stores the table in use, or loads one (replacing the table in use); a malformed archive
    // throws CArchiveException from the archive, as every Serialize does.
    virtual void Serialize(CArchive& ar);

private:
    CXTPCommandBars* m_bars;
    HACCEL m_table = nullptr;
    HACCEL m_default = nullptr;
};

// The customisation pages: commands by category. Categories keep the order they were first
// used in; a command appears once per category.
class CXTPCustomizeKeyboardPage : public CPropertyPage {
public:
    explicit CXTPCustomizeKeyboardPage(CXTPCommandBars* bars = nullptr);
    ~CXTPCustomizeKeyboardPage() override;
    // Adds the commands of a menu (its items, recursively) under `category`; FALSE for no menu.
    BOOL AddCategories(UINT menuId, LPCTSTR category);
    BOOL AddCategory(LPCTSTR category, CMenu* menu);
    // Adds one command (its caption text) under a category.
    BOOL AddCommand(LPCTSTR category, UINT id, LPCTSTR caption);
    int GetCategoryCount() const;
    CString GetCategoryName(int index) const;
    // The commands of a category, in the order added.
    std::vector<UINT> GetCommands(int index) const;

protected:
    struct Category {
        CString name;
        std::vector<std::pair<UINT, CString>> commands;
    };
    CXTPCommandBars* m_bars;
    std::vector<Category> m_categories;
};

class CXTPCustomizeCommandsPage : public CPropertyPage {
public:
    explicit CXTPCustomizeCommandsPage(CXTPCommandBars* bars = nullptr);
    ~CXTPCustomizeCommandsPage() override;
    BOOL AddCategory(LPCTSTR category, CMenu* menu);
    BOOL AddCommand(LPCTSTR category, UINT id, LPCTSTR caption);
    int GetCategoryCount() const;
    CString GetCategoryName(int index) const;
    std::vector<UINT> GetCommands(int index) const;

protected:
    struct Category {
        CString name;
        std::vector<std::pair<UINT, CString>> commands;
    };
    CXTPCommandBars* m_bars;
    std::vector<Category> m_categories;
};

MISC_PUBLIC_END
