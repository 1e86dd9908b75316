#pragma once
// Compiled resources of a module, as the resource compiler writes them and the module registry
// serves them. A module registers one MiscResourceTable; every pointer in it refers to static
// data that lives as long as the module.
#include "win32/types.h"

#include "misc_export.h"
MISC_PUBLIC_BEGIN

struct MiscResString {
    UINT id;
    const char* text;
};

// One control of a dialog template; coordinates in dialog units, as in the resource script.
struct MiscResControl {
    const char* className; // "BUTTON", "EDIT", "STATIC", "COMBOBOX", "LISTBOX", "SysListView32",
                           // "msctls_trackbar32", "msctls_updown32", or a registered custom class
    const char* text;      // caption, or for pictures the resource name/number as text
    int id;
    DWORD style;           // WS_* | class styles, including those implied by the statement
    DWORD exStyle;
    short x, y, cx, cy;
};

struct MiscResDialog {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const char* caption;
    const char* fontFace;  // "MS Shell Dlg" etc.; the platform maps it to its pinned font
    int fontPointSize;
    const char* menuName;  // may be null
    const MiscResControl* controls;
    int controlCount;
};

// Menus: a flat list in source order; level gives the nesting depth (0 = top bar), popups are
// items whose popup flag is set and whose children follow at level + 1.
struct MiscResMenuItem {
    int level;
    BOOL popup;
    UINT id;          // 0 for a separator or a popup
    const char* text; // null for a separator
    UINT flags;       // MF_GRAYED, MF_CHECKED, ... as written
};

struct MiscResMenu {
    UINT id;
    const MiscResMenuItem* items;
    int itemCount;
};

// Bitmaps and icons: the bytes of the file named in the script (a .bmp, .ico or .png file).
struct MiscResBlob {
    UINT id;
    const char* name;   // the symbolic name when it was given by name, else null
    const unsigned char* data;
    size_t size;
};

// Accelerator tables: the entries as ACCEL records (fVirt flags FVIRTKEY, FSHIFT, ...).
struct MiscResAccel {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct MiscResAccelTable {
    UINT id;
    const MiscResAccel* entries;
    int count;
};

// Initial data of a dialog's controls (DLGINIT): for each entry, a string that the control gets
// through `message` (CB_ADDSTRING for combo boxes, LB_ADDSTRING for list boxes) when a dialog is
// created from the template with the same number.
struct MiscResDlgInitEntry {
    int control;
    UINT message;
    const char* text;
};

struct MiscResDlgInit {
    UINT id;
    const MiscResDlgInitEntry* entries;
    int count;
};

// Tool bars: the button size and the command of each button in order, 0 for a separator. The
// pictures are the bitmap with the same number.
struct MiscResToolBar {
    UINT id;
    int buttonWidth;
    int buttonHeight;
    const UINT* commands;
    int count;
};

struct MiscResourceTable {
    const MiscResString* strings;
    int stringCount;       // sorted by id
    const MiscResDialog* dialogs;
    int dialogCount;
    const MiscResMenu* menus;
    int menuCount;
    const MiscResBlob* bitmaps;
    int bitmapCount;
    const MiscResBlob* icons;
    int iconCount;
    // Tables written before these kinds existed leave them out.
    const MiscResAccelTable* accelerators = nullptr;
    int acceleratorCount = 0;
    const MiscResDlgInit* dlgInits = nullptr;
    int dlgInitCount = 0;
    const MiscResToolBar* toolBars = nullptr;
    int toolBarCount = 0;
    const MiscResBlob* cursors = nullptr; // .cur files
    int cursorCount = 0;
};

MISC_PUBLIC_END
