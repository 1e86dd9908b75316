#pragma once
// Coloured dialogs, pop-up menu groups and two window functions.
//
// CQVXColoredDlg is the base of the library's dialogs that paints every open dialog in one shared
// background colour (owned by the host; plain or gradient) and turns push buttons into flat
// toolkit buttons of that colour. The colour's brush is shared by all initialised dialogs and
// deleted when the last of them goes.
//
// CQVXPopupMenuManager reads a menu resource as groups of command identifiers, one group per
// top-level submenu, and uses them for the toolkit's split-button pop-ups: a split button always
// shows the command of its group that was used last.
#include <afxwin.h>
#include <afxcoll.h>
#include <family/vmxdialog.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTButton;
class CXTPControl;
class CXTPPopupBar;
class CXTPCommandBars;
class CXTPToolBar;

class AFX_EXT_CLASS CQVXColoredDlg : public CVmxDialog
{
public:
    enum Mode { kSolid = 0, kGradientToWhite = 1, kGradientFromWhite = 2 };

    // The dialog with template templateId from `resources` (the current resource handle when
    // null). color null or pointing to 0xFFFFFFFF switches colouring off for the dialogs made
    // from now on.
    CQVXColoredDlg(COLORREF* color, UINT templateId, CWnd* parent, int mode, HINSTANCE resources);
    explicit CQVXColoredDlg(COLORREF* color = nullptr, int mode = 0);
    ~CQVXColoredDlg() override;

    void Init();
    // After the host changed the colour: a new shared brush of it (when there is a brush).
    static void RefreshBkBrushColor();
    // Every subclassed button gets the current colour as its face colour.
    void UpdateButtonColors();

    static COLORREF* s_pClrDlgBk;
    static HBRUSH s_hBkBrush;
    static int s_nRefCount;

    int m_initialized = 0;
    int m_mode = 0;
    CMapPtrToPtr m_buttons{10}; // control identifier -> owned CXTButton

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    DECLARE_MESSAGE_MAP()

private:
    void SubclassButton(CWnd* control);
};

class AFX_EXT_CLASS CQVXPopupMenuManager
{
public:
    CQVXPopupMenuManager() = default;
    virtual ~CQVXPopupMenuManager();
    CQVXPopupMenuManager(const CQVXPopupMenuManager&) = delete;
    CQVXPopupMenuManager& operator=(const CQVXPopupMenuManager&) = delete;

    // Loads menu menuId (current resource module, then the extension libraries) and makes a
    // group of each top-level submenu, up to the first top-level item without one. 0 when the
    // menu cannot be loaded, else 1.
    int Initialize(UINT menuId);
    // The group's identifiers (separators 0, nested submenus (UINT)-1), or null.
    CUIntArray* GetPopupIDs(int group);
    // The first group whose first identifier (anyItem: any identifier) is id; -1 when none.
    int FindPopupByFirstID(UINT id, int anyItem);
    void SetMenuToCtrl(CXTPControl* control, int group);
    void GetPopupMenu(int group, CXTPPopupBar* bar, int tearOff);
    void UpdateToID(int id, CXTPCommandBars* bars);
    void UpdateToID(int id, CXTPToolBar* bar);

    int GetPopupSize(int group);
    UINT GetPopupID(int group, int index);

protected:
    void InsertArray(CMenu* submenu);
    void Clear();

    CArray<CUIntArray*, CUIntArray*> m_groups;
    UINT m_menuId = 0;
};

// Makes a window translucent (alpha 0 transparent .. 255 opaque): the layered style is added and
// its opacity set. 0 without a window or when either step fails.
AFX_EXT_API DWORD SetTransparency(const CWnd* wnd, BYTE alpha);
// True on the reported Windows version 5.1 and on every version from 6.0 on.
AFX_EXT_API BOOL IsWindowsXP();

MISC_PUBLIC_END
