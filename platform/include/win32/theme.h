#pragma once
// The theme layer: the one place that decides how controls look.
//
// Every control of the window system and every toolkit stand-in draws its frames, faces and
// glyphs through the current theme, never with its own colours; the system colours
// (GetSysColor) are the current theme's too. The classic Windows look ("classic") is the
// default and is always present; further looks (the toolkit's Office-style paint managers) are
// registered by name and selected at run time. Selecting a theme repaints every window.
//
// Every drawing operation has a default (the classic look), so a theme overrides only what it
// changes. Rectangles are in the logical coordinates of the DC, right and bottom edges excluded.
// Text and icons on the elements are drawn by the control itself, in the colours the theme gives
// (TextColor).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// State flags of a themed element.
enum : UINT {
    MISC_TS_NORMAL = 0x00,
    MISC_TS_HOT = 0x01,      // the mouse is over it
    MISC_TS_PRESSED = 0x02,  // held down
    MISC_TS_CHECKED = 0x04,  // check box / radio / tool-bar button checked
    MISC_TS_DISABLED = 0x08,
    MISC_TS_FOCUSED = 0x10,
    MISC_TS_DEFAULT = 0x20,  // the default push button
    MISC_TS_SELECTED = 0x40, // the selected tab, the highlighted menu item, the active caption
    MISC_TS_MIXED = 0x80,    // the third state of a three-state check box
    MISC_TS_FLAT = 0x100,    // the flat variant (flat buttons, flat scroll bars)
};

// The elements a theme draws; used where an element is chosen at run time (TextColor).
enum class MiscThemeElement {
    PushButton, CheckBox, RadioButton, HeaderItem, ScrollArrow, ScrollThumb, ScrollTrack,
    ComboButton, GridCategory, Gripper, Tab, TabPane, Caption, MenuBar, MenuItem, ToolBar,
    ToolBarButton, ToolTip, Window
};

class MiscTheme {
public:
    virtual ~MiscTheme() = default;
    virtual std::string Name() const = 0;

    // The theme's system colour COLOR_* (GetSysColor answers this).
    virtual COLORREF SysColor(int index) const;
    // The colour of text drawn on an element in a state.
    virtual COLORREF TextColor(MiscThemeElement element, UINT state) const;

    virtual void DrawPushButton(HDC dc, const RECT& r, UINT state);
    // The 13x13 box of a check box (state MISC_TS_CHECKED / MISC_TS_MIXED), the disc of a radio.
    virtual void DrawCheckBox(HDC dc, const RECT& box, UINT state);
    virtual void DrawRadioButton(HDC dc, const RECT& box, UINT state);
    virtual void DrawHeaderItem(HDC dc, const RECT& r, UINT state);
    // direction: 0 up, 1 down, 2 left, 3 right.
    virtual void DrawScrollArrow(HDC dc, const RECT& r, int direction, UINT state);
    virtual void DrawScrollThumb(HDC dc, const RECT& r, bool vertical, UINT state);
    virtual void DrawScrollTrack(HDC dc, const RECT& r, bool vertical, UINT state);
    // The drop-down button of a combo box (or of a grid row).
    virtual void DrawComboButton(HDC dc, const RECT& r, UINT state);
    // The background of a category row of a property grid (MISC_TS_SELECTED when selected).
    virtual void DrawGridCategory(HDC dc, const RECT& r, UINT state);
    virtual void DrawGripper(HDC dc, const RECT& r, bool vertical);
    virtual void DrawTab(HDC dc, const RECT& r, UINT state);
    virtual void DrawTabPane(HDC dc, const RECT& r);
    // A window caption bar (MISC_TS_SELECTED when active).
    virtual void DrawCaption(HDC dc, const RECT& r, UINT state);
    virtual void DrawMenuBar(HDC dc, const RECT& r);
    // The background of a menu item (MISC_TS_SELECTED when highlighted).
    virtual void DrawMenuItem(HDC dc, const RECT& r, UINT state);
    virtual void DrawToolBar(HDC dc, const RECT& r);
    virtual void DrawToolBarButton(HDC dc, const RECT& r, UINT state);
    virtual void DrawToolTip(HDC dc, const RECT& r);
};

using MiscThemeFactory = std::function<std::unique_ptr<MiscTheme>()>;

// The theme in use (the classic one until another is selected).
MiscTheme& MiscCurrentTheme();
// Registers a named theme; a later registration of the same name replaces the factory.
void MiscRegisterTheme(const std::string& name, MiscThemeFactory factory);
// Selects a theme by name and repaints every window; FALSE (nothing changes) for an unknown name.
BOOL MiscSelectTheme(const std::string& name);
// The names of the registered themes, "classic" first.
std::vector<std::string> MiscThemeNames();

MISC_PUBLIC_END
