#pragma once
// The menu system's own records, shared by the menu functions, the menu bar, the pop-up menu
// windows and CMenu. Private to platform/gui.
#include <string>
#include <vector>

#include "win32/menu.h"
#include "win32/user.h"

namespace menusys {

struct Item {
    UINT flags = 0;      // MF_* type and state bits as given (MF_POPUP for a submenu)
    UINT id = 0;
    std::string text;
    HMENU sub = nullptr; // owned by the menu that holds the item
    ULONG_PTR data = 0;
    HBITMAP bitmap = nullptr;

    bool Separator() const { return (flags & MF_SEPARATOR) != 0; }
    bool Disabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }
    bool Grayed() const { return (flags & MF_GRAYED) != 0; }
};

struct Menu {
    bool popup = false;
    HWND window = nullptr; // the window whose bar or system menu this is
    std::vector<Item> items;
};

Menu* Find(HMENU h);
// The item at a position (byPosition) or with a command (submenus searched, depth first); the
// menu that holds it and its position there.
Item* Locate(HMENU menu, UINT item, bool byPosition, HMENU* holder = nullptr, int* position = nullptr);
// The text of an item without '&' marks and without the accelerator text after a tab.
std::string PlainText(const std::string& text);
// The mnemonic of a text (the character after a single '&'), lower case, or 0.
char Mnemonic(const std::string& text);

// Destroys a menu record and its submenus.
void Destroy(HMENU h);
// CMenu's wrappers of a handle forget it (menu_cmenu.cpp).
void ForgetWrapper(HMENU h);

// Menu bars (menu_bar.cpp): the height of the bar of a window of that width, 0 without one.
int BarHeight(HWND hwnd, int width);
// Draws the bar into the window's non-client DC at the top of rectangle r and moves r->top
// below it.
void DrawBar(HWND hwnd, HDC dc, RECT* r);
// The bar item under a point in window coordinates, or -1.
int BarItemAt(HWND hwnd, POINT windowPoint);
// Bar item rectangle in window coordinates.
bool BarItemRect(HWND hwnd, int index, RECT* r);
// True for a window's system menu (its choices go as WM_SYSCOMMAND).
bool IsSystemMenu(HMENU menu);
// Opens the submenu of bar item `index` as a pop-up below it (the menu loop of the bar).
void OpenBarItem(HWND hwnd, int index);

// Pop-up menus (menu_popup.cpp): runs a menu as the bar's drop-down or as TrackPopupMenu does.
struct TrackRequest {
    HMENU menu = nullptr;
    UINT flags = 0;
    POINT at{};
    HWND owner = nullptr;
    RECT exclude{};
    bool fromBar = false;   // opened from the menu bar, which sent WM_INITMENU and friends
    std::string caption;    // for the scripted user; the item texts when empty
    int barStep = 0;        // out: Left (-1) or Right (+1) asked for the neighbouring bar item
};
// The chosen command, 0 for none.
UINT Track(TrackRequest& request);

// Menu look (menu_paint.cpp).
SIZE MeasureItem(HDC dc, const Item& item, bool bar);
void PaintItem(HDC dc, const Item& item, const RECT& r, bool selected, bool bar);
HFONT MenuFont();
void PaintBarBackground(HDC dc, const RECT& r);

} // namespace menusys
