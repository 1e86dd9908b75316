#pragma once
// Keyboard shortcuts of the host's frame.
//
// CShortcutManager copies the accelerator table of a frame's shortcut manager once and gives,
// for a command, the text of the keys that run it. CShortcutsDlg lists every shortcut of the
// frame read-only in a table grid sorted in keyboard order (the bare key, then with Shift, then
// shorter modifier sets before longer ones), copies the list to the clipboard, and loads the
// program's shortcut file, or with Alt, Shift and Ctrl held saves it. The shortcut file sits
// next to the program: its path with the extension replaced by ".acc" (with ".acc" added when the
// name has no 3-letter extension, as Linux programs have none); its content is the toolkit
// shortcut manager's serialisation (toolkit/shortcuts.h).
//
// AddAllMenuItemsToKbrdpage and AddAllToolbarsItemsToKbrdAndCmndsPage feed the toolkit's
// customisation pages with every menu and tool-bar command.
#include <afxwin.h>
#include <toolkit/tablegrid.h>

#include <memory>

// Dialog template and controls.
#define IDD_SHORTCUTS 488
#define IDC_SHORTCUTS_GRID 1486
#define IDC_SHORTCUTS_COPY 1491
#define IDC_SHORTCUTS_LOAD 1492
// Strings of the resource module.
#define IDS_SHORTCUT_COL_COMMAND 28695
#define IDS_SHORTCUT_COL_KEYS 28696
#define IDS_SHORTCUT_LOAD_QUESTION 28709
#define IDS_SHORTCUT_MENU_CATEGORY 29019

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPFrameWnd;
class CXTPCommandBars;
class CXTPCustomizeKeyboardPage;
class CXTPCustomizeCommandsPage;

class AFX_EXT_CLASS CShortcutManager {
public:
    // Copies the table in use of the frame's shortcut manager (nothing without a frame or bars).
    explicit CShortcutManager(CXTPFrameWnd* frame = nullptr);
    ~CShortcutManager();
    // Copies share the entries with the original; the last one to go frees them.
    CShortcutManager(const CShortcutManager& other);
    CShortcutManager& operator=(const CShortcutManager& other);

    // The key text of the first entry (in table order) that runs `command`; false when there is
    // no table, no entry, `command` is 0 or no entry runs it.
    bool GetShortcutText(int command, CString& text);

    CXTPFrameWnd* m_pFrame = nullptr;
    int m_count = 0;
    ACCEL* m_accels = nullptr; // m_count entries, shared by copies

private:
    std::shared_ptr<ACCEL[]> m_owner; // owns m_accels
};

// The grid of the shortcuts dialog: column 1 the keys, column 2 the command. Both keys of a sort
// come from column 1 (see FirstSortKey and SecondSortKey); other columns sort by their value.
class AFX_EXT_CLASS CShortCutsGrid : public CGXGridWnd {
public:
    void GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGXSortInfo& sortInfo, const CGXStyle& style,
                    CString& sKey) override;
    // The key name (the text after the last "+", all of it without one) after one "Z" per
    // character of it (3 when it is empty): short key names before long ones, then by name.
    static CString FirstSortKey(const CString& keys);
    // "c" for a Shift combination of at most 9 characters, else the letter 'a' + length.
    static CString SecondSortKey(const CString& keys);
};

class AFX_EXT_CLASS CShortcutsDlg : public CDialog {
public:
    // The table shown is the frame's own when it has one, else the bars' shortcut manager's. Makes
    // the resource module current until ResetResource (or the destructor).
    CShortcutsDlg(CFrameWnd* frame, CXTPCommandBars* bars, CWnd* parent = nullptr);
    ~CShortcutsDlg() override;

    // Restores the resource handle that was current at construction (once).
    void ResetResource();
    // Fills the grid from the table shown; nothing without a table.
    void FillGrid();
    // Sorts the rows in keyboard order.
    void Sort();
    // The shortcut file: the program's path with ".acc" for its extension; empty when that
    // would be longer than MAX_PATH - 1 characters.
    static CString ShortcutFilePath();

    BOOL m_changed = FALSE;            // a file was loaded
    CShortCutsGrid m_grid;             // control 1486
    HACCEL m_hAccel = nullptr;         // the table shown
    HINSTANCE m_hSavedResource = nullptr; // current at construction, until ResetResource
    CXTPCommandBars* m_pCommandBars;
    CFrameWnd* m_pFrame;               // may be null: no loading then

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCopyClipboard();
    afx_msg void OnLoadVer9();
    DECLARE_MESSAGE_MAP()

private:
    HACCEL ShownTable() const;
    void LoadOrSave(bool save);
};

// Adds the commands of every top-level submenu of menu `menuId` to the keyboard page, under
// string 29019 followed by the submenu's title (mnemonics removed). 0 when the menu cannot be
// loaded or an add fails (stopping there), else 1.
AFX_EXT_API int AddAllMenuItemsToKbrdpage(CXTPCustomizeKeyboardPage& page, UINT menuId);
// Adds the commands of every tool bar (not the menu bar) to both pages, under the bar's title
// ("Toolbar N" for an untitled bar, N counting from 1): the bar's buttons and, recursively, the
// commands of its pop-ups, mnemonics removed. 0 without bars or when an add fails, else 1.
AFX_EXT_API int AddAllToolbarsItemsToKbrdAndCmndsPage(CXTPCustomizeKeyboardPage& keyboardPage,
                                                      CXTPCustomizeCommandsPage& commandsPage,
                                                      CXTPCommandBars* bars);

MISC_PUBLIC_END
