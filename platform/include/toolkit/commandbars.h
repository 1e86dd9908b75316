#pragma once
// Stand-in for the user-interface toolkit's command bars: a frame's menu bar, tool bars and
// pop-up bars holding controls (buttons, pop-ups, split buttons with their own pop-up bar), the
// frame's status bar, the bars' settings object and the saving of their state under names.
// Bars attached to a frame (CXTPFrameWnd::InitCommandBars) are windows docked along the frame's
// edges and drawn by the current paint manager (toolkit/paintmanager.h); bars made on their own
// are data only. Redraw requests are counted so that callers and tests can see them.
#include <afxwin.h>

#include "mfc/menu.h"

#include <memory>
#include <vector>

// Window identifiers of the frame's bars (MFC's numbers where MFC has one).
#define XTP_IDW_MENUBAR 0xE81A       // the menu bar (its bar identifier)
#define XTP_IDW_DOCKBAR_TOP 0xE81B
#define XTP_IDW_DOCKBAR_LEFT 0xE81C
#define XTP_IDW_DOCKBAR_RIGHT 0xE81D
#define XTP_IDW_DOCKBAR_BOTTOM 0xE81E
#define XTP_IDW_STATUS_BAR 0xE801
// The window classes of the bars, for scripts: tool bars and the menu bar, dock bars, status bar.
#define XTP_TOOLBAR_CLASS "XTPToolBar"
#define XTP_DOCKBAR_CLASS "XTPDockBar"
#define XTP_STATUSBAR_CLASS "XTPStatusBar"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPCommandBar;
class CXTPPopupBar;
class CXTPCommandBars;
class CXTPShortcutManager;
class CXTPPaintManager;
class CFrameWnd;

enum XTPButtonStyle {
    xtpButtonAutomatic = 0, // icon, and the caption too when the settings ask for tool-bar text
    xtpButtonCaption = 1,
    xtpButtonIcon = 2,
    xtpButtonIconAndCaption = 3,
};

enum XTPBarPosition { xtpBarTop = 0, xtpBarBottom = 1, xtpBarLeft = 2, xtpBarRight = 3, xtpBarFloating = 4, xtpBarPopup = 5 };

enum XTPControlType {
    xtpControlError = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,
    xtpControlButtonPopup = 3,
    xtpControlSplitButtonPopup = 4,
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8,
};

class CXTPControl {
public:
    CXTPControl(XTPControlType type, int id, CXTPCommandBar* parent);
    virtual ~CXTPControl();
    CXTPControl(const CXTPControl&) = delete;
    CXTPControl& operator=(const CXTPControl&) = delete;

    XTPControlType GetType() const { return m_type; }
    int GetID() const { return m_id; }
    void SetID(int id) { m_id = id; }
    CString GetCaption() const { return m_caption; }
    void SetCaption(LPCTSTR caption) { m_caption = caption; }
    BOOL IsVisible() const { return m_visible; }
    void SetVisible(BOOL visible) { m_visible = visible; }
    // The status-bar and tool-tip text (the command's string resource when none was set).
    virtual CString GetDescription() const;
    void SetDescription(LPCTSTR text) { m_description = text; }
    // The icon: an image of the bars' image list, by command (the control's ID when 0).
    int GetIconId() const { return m_iconId ? m_iconId : m_id; }
    void SetIconId(int id) { m_iconId = id; }
    XTPButtonStyle GetStyle() const { return m_style; }
    void SetStyle(XTPButtonStyle style) { m_style = style; }
    BOOL GetEnabled() const { return m_enabled; }
    void SetEnabled(BOOL enabled) { m_enabled = enabled; }
    BOOL GetChecked() const { return m_checked; }
    void SetChecked(BOOL checked) { m_checked = checked; }
    BOOL GetBeginGroup() const { return m_beginGroup; }
    void SetBeginGroup(BOOL begin) { m_beginGroup = begin; }
    // A temporary control is not kept in saved states or factory sets.
    BOOL IsTemporary() const { return m_temporary; }
    void SetTemporary(BOOL temporary) { m_temporary = temporary; }
    // A copy (its pop-up bar's controls copied too), owned by the caller, with no parent.
    CXTPControl* Clone() const;
    // Where the bar laid the control out, in the bar's client coordinates.
    CRect GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    // The pop-up bar of a pop-up or split-button control (made with the control); null otherwise.
    CXTPCommandBar* GetCommandBar() const;
    CXTPCommandBar* GetParent() const { return m_parent; }

private:
    friend class CXTPControls;
    XTPControlType m_type;
    int m_id;
    CString m_caption;
    CString m_description;
    int m_iconId = 0;
    XTPButtonStyle m_style = xtpButtonAutomatic;
    BOOL m_visible = TRUE;
    BOOL m_enabled = TRUE;
    BOOL m_checked = FALSE;
    BOOL m_beginGroup = FALSE;
    BOOL m_temporary = FALSE;
    CRect m_rect;
    CXTPCommandBar* m_parent;
    std::unique_ptr<CXTPPopupBar> m_popup;
};

class CXTPControls {
public:
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    CXTPControl* GetAt(int index) const;
    CXTPControl* Add(XTPControlType type, int id, LPCTSTR caption = nullptr);
    // Takes over a control (made with CXTPControl::Clone) and appends it.
    CXTPControl* AddClone(CXTPControl* control);
    void Remove(int index);
    void RemoveAll() { m_controls.clear(); }
    // The first control of that type (xtpControlError: any type) and identifier; with recursive
    // also inside the pop-up bars of pop-up controls; with visible only visible ones.
    CXTPControl* FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const;

private:
    friend class CXTPCommandBar;
    CXTPCommandBar* m_owner = nullptr;
    std::vector<std::unique_ptr<CXTPControl>> m_controls;
};

class CXTPCommandBar {
public:
    CXTPCommandBar();
    virtual ~CXTPCommandBar();
    CXTPCommandBar(const CXTPCommandBar&) = delete;
    CXTPCommandBar& operator=(const CXTPCommandBar&) = delete;

    CXTPControls* GetControls() { return &m_controls; }
    const CXTPControls* GetControls() const { return &m_controls; }
    CString GetTitle() const { return m_title; }
    void SetTitle(LPCTSTR title) { m_title = title; }
    // Redraw requests: counted, and the bar's window (if any) is invalidated.
    void RedrawWindow(UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    int m_redraws = 0;
    UINT m_lastRedrawFlags = 0;

    // The bar's identifier (its tool-bar resource for built-in bars; 0 for user bars).
    UINT GetBarID() const { return m_barId; }
    void SetBarID(UINT id) { m_barId = id; }
    BOOL IsBuiltIn() const { return m_builtIn; }
    void SetBuiltIn(BOOL builtIn) { m_builtIn = builtIn; }
    // Whether the user may customise (and so reset) the bar.
    BOOL IsCustomizable() const { return m_customizable; }
    void EnableCustomization(BOOL enable) { m_customizable = enable; }
    BOOL IsVisible() const { return m_visible; }
    // Shows or hides the bar (the frame's layout is recalculated).
    virtual void SetVisible(BOOL visible);
    XTPBarPosition GetPosition() const { return m_position; }
    void SetPosition(XTPBarPosition position) { m_position = position; }
    // The controls the bar had when it was made (LoadToolBar); null before that. Reset uses them.
    CXTPControls* GetOriginalControls() const { return m_original.get(); }
    void SetOriginalControls(CXTPControls* controls); // takes ownership
    // Replaces the controls by the buttons of tool-bar resource `id` (the bar's ID when 0) and
    // keeps a copy as the original controls.
    BOOL LoadToolBar(UINT id = 0);
    // The bar's first update after its controls changed: update-UI and layout.
    virtual void OnInitialUpdate();
    CXTPCommandBars* GetCommandBars() const { return m_bars; }
    // The bar's window, when it has one.
    CWnd* GetWindow() const { return m_wnd; }

    // --- bars with a window (attached to a frame) ---
    BOOL IsVertical() const { return m_position == xtpBarLeft || m_position == xtpBarRight; }
    // The row of its dock bar the bar stands in (bars of one row stand side by side).
    int GetDockRow() const { return m_row; }
    void SetDockRow(int row) { m_row = row; }
    // Lays the visible controls out in one row (a column when vertical) and answers the bar's
    // size; a bar that stretches (the menu bar) takes `length` along the row.
    virtual CSize CalcDockSize(int length);
    // The index of the visible control at a point of the bar's client area, or -1; with
    // `arrow`, whether the point is on a split button's arrow part.
    int HitTest(CPoint point, BOOL* arrow = nullptr) const;
    // Runs a control as a click does: a button sends WM_COMMAND to the site; a pop-up, or a
    // split button's arrow part, opens the control's pop-up bar as a menu (its command goes to
    // the site).
    void ExecuteControl(CXTPControl* control, BOOL arrowPart = FALSE);
    // Opens the pop-up of control `index` as a click does: the control shown pressed while its
    // menu runs. FALSE for a hidden or disabled control, or one without a pop-up.
    BOOL PopupControl(int index);
    // Enables and checks the controls through the site's update handlers (the frame's command
    // route); TRUE when one changed.
    BOOL UpdateCommandUI(BOOL disableIfNoHandler = TRUE);
    // The control under the mouse and the one held down (indices, -1 for none).
    int GetHotIndex() const { return m_hot; }
    int GetPressedIndex() const { return m_pressed; }
    void SetHotIndex(int index);
    void SetPressedIndex(int index, BOOL arrow) { m_pressed = index; m_pressedArrow = arrow; }
    BOOL IsArrowPressed() const { return m_pressedArrow; }
    // Image strip of the bar's tool-bar bitmap (0: none) and the button size of its resource.
    UINT GetBitmapID() const { return m_bitmapId; }
    CSize GetButtonSize() const { return m_buttonSize; }
    // The image of a command in the bar's bitmap strip, or -1.
    int GetImageIndex(int command) const;

protected:
    friend class CXTPCommandBars;
    friend class CXTPCommandBarWnd;
    CXTPControls m_controls;
    CString m_title;
    UINT m_barId = 0;
    BOOL m_builtIn = TRUE;
    BOOL m_customizable = TRUE;
    BOOL m_visible = TRUE;
    XTPBarPosition m_position = xtpBarTop;
    std::unique_ptr<CXTPControls> m_original;
    CXTPCommandBars* m_bars = nullptr;
    CWnd* m_wnd = nullptr;
    int m_row = 0;
    int m_hot = -1;
    int m_pressed = -1;
    BOOL m_pressedArrow = FALSE;
    UINT m_bitmapId = 0;
    CSize m_buttonSize{16, 15};
    std::vector<int> m_images; // commands of the bitmap strip, in order
};

class CXTPPopupBar : public CXTPCommandBar {
public:
    static CXTPPopupBar* CreatePopupBar(CXTPCommandBars* bars);
    // Replaces (or with removeOld FALSE extends) the controls by the menu's items: commands
    // become buttons, submenus pop-ups filled the same way; separators are skipped.
    BOOL LoadMenu(CMenu* menu, BOOL removeOld = TRUE);
    // A tear-off pop-up: the bar can be torn off as a toolbar with that title, key and width.
    void SetTearOffPopup(LPCTSTR caption, UINT id, int width = 400);
    BOOL IsTearOffPopup() const { return m_tearOff; }
    CString m_tearOffCaption;
    UINT m_tearOffID = 0;
    int m_tearOffWidth = 0;

private:
    BOOL m_tearOff = FALSE;
};

class CXTPToolBar : public CXTPCommandBar {
public:
    explicit CXTPToolBar(LPCTSTR title = nullptr) { SetTitle(title ? title : ""); }
};

// The frame's menu bar: a tool bar whose controls are the menu's pop-ups.
class CXTPMenuBar : public CXTPToolBar {
public:
    CXTPMenuBar() : CXTPToolBar("Menu Bar") { SetBarID(XTP_IDW_MENUBAR); }
    // Fills the bar from menu resource `id` (pop-ups with their items) and keeps a copy as the
    // original controls.
    BOOL LoadMenuBar(UINT id);
    UINT GetMenuID() const { return m_menuId; }
    // The menu bar stretches over its row.
    CSize CalcDockSize(int length) override;

private:
    UINT m_menuId = 0;
};

// The command bars' settings object.
class CXTPCommandBarsOptions {
public:
    BOOL bShowTextBelowIcons = FALSE; // tool-bar buttons show their caption (below the icon)
    BOOL bAlwaysShowFullMenus = TRUE;
    BOOL bShowFullAfterDelay = TRUE;
    BOOL bToolBarScreenTips = TRUE;
    BOOL bToolBarAccelTips = FALSE;
    BOOL bLargeIcons = FALSE;
    BOOL bSyncFloatingBars = TRUE;
    BOOL bDblClickFloat = FALSE;
    BOOL bShowExpandButtonAlways = TRUE;
    int nAnimationType = 0;            // menu animation: 0 none, 1 window, 2 fade, 3 system
    int nKeyboardCuesShow = 0;
    // Stored and read with SaveOptions/LoadOptions of the command bars.
};

// A tool bar's button row in a saved state: which controls in which order (by ID and type).
struct XTP_COMMANDBARS_SAVED_CONTROL {
    int id;
    int type;
    BOOL beginGroup;
    BOOL visible;
    CString caption;
};

class CXTPCommandBars {
public:
    CXTPCommandBars();
    ~CXTPCommandBars();
    CXTPCommandBars(const CXTPCommandBars&) = delete;
    CXTPCommandBars& operator=(const CXTPCommandBars&) = delete;

    // The bars in order: the menu bar (when there is one) first, then the tool bars.
    int GetCount() const { return static_cast<int>(m_bars.size()); }
    CXTPToolBar* GetAt(int index) const;
    CXTPToolBar* Add(LPCTSTR title, XTPBarPosition position = xtpBarTop);
    // The menu bar made from menu resource `id` (replacing any earlier one).
    CXTPMenuBar* SetMenu(LPCTSTR title, UINT id);
    CXTPMenuBar* GetMenuBar() const { return m_menuBar; }
    // The bar with that identifier, or null.
    CXTPToolBar* GetToolBar(UINT barId) const;
    // As CXTPControls::FindControl over every toolbar.
    CXTPControl* FindControl(XTPControlType type, int id, BOOL visible, BOOL recursive) const;
    // Repaints every bar (counted in m_redraws).
    void RedrawCommandBars();
    int m_redraws = 0;

    // The frame the bars belong to (null for bars made on their own). Setting a site with a
    // window makes the dock bars and the bars' windows.
    CFrameWnd* GetSite() const { return m_site; }
    void SetSite(CFrameWnd* site);
    // Lays the frame out again (bars, panes, view).
    void RecalcFrameLayout();
    // Lays the dock bars and their bars out along the edges of `client` (the site's client
    // coordinates) and leaves in it what remains. Made visible or hidden as the bars are.
    void RepositionBars(CRect& client);
    // The dock bar window of a side (made with the site's window), or null.
    CWnd* GetDockBar(XTPBarPosition side) const;
    // Makes the windows of the bars that have none yet (when the site has its window).
    void CreateBarWindows();
    // Brings every bar's controls up to date through the site's update handlers.
    void UpdateCommandBars();
    CXTPCommandBarsOptions* GetCommandBarsOptions() { return &m_options; }
    // Made on first use; owned by the command bars.
    CXTPShortcutManager* GetShortcutManager();
    CXTPPaintManager* GetPaintManager() const; // the current one (XTPPaintManager())

    // Saving under a name in the application profile (sections "<name>-Bar0", ... and
    // "<name>-Summary"): which bars, their visibility, position and buttons. Loading an unknown
    // name changes nothing and answers FALSE (silently when asked).
    BOOL SaveBarState(LPCTSTR profileName);
    BOOL LoadBarState(LPCTSTR profileName, BOOL silent = FALSE);
    // The settings object under a name ("<name>-Options").
    BOOL SaveOptions(LPCTSTR profileName);
    BOOL LoadOptions(LPCTSTR profileName);

private:
    std::vector<std::unique_ptr<CXTPToolBar>> m_bars;
    CXTPMenuBar* m_menuBar = nullptr;
    CFrameWnd* m_site = nullptr;
    CXTPCommandBarsOptions m_options;
    std::unique_ptr<CXTPShortcutManager> m_shortcuts;
    CWnd* m_dockBars[4] = {};
    UINT m_generation = 0; // the paint manager's generation the bars were laid out for
    friend class CXTPCommandBarWnd;
};

// The toolkit's key of a text (tear-off identifiers): MFC's string hash.
UINT XTPHashKey(LPCTSTR text);

// The string resource of a command (the resource module first, then the extension libraries):
// the part before the first '\n' (the status-bar text) or after it (the tip, also the button's
// caption when it has none); empty when there is none.
CString XTPCommandDescription(UINT id);
// A caption as a person reads it: mnemonic markers removed ("&File" -> "File", "&&" -> "&") and
// the key text a menu item shows after a tab cut off.
CString XTPPlainCaption(LPCTSTR caption);
// The upper-case character after a caption's mnemonic marker ("&File" -> 'F'), or 0.
char XTPCaptionMnemonic(LPCTSTR caption);
CString XTPCommandTip(UINT id);

MISC_PUBLIC_END
