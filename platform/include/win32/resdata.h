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
};

MISC_PUBLIC_END
