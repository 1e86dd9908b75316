#pragma once
// The state of an open menu: the cascade of pop-up menu windows of one menu run. Private to
// the menu folder.
#include "menu/menusys.h"
#include "window/wndsys.h"

namespace menusys {

struct Level {
    HMENU menu = nullptr;
    HWND wnd = nullptr;
    int selected = -1;
    std::vector<RECT> rects; // client coordinates of each item
};

struct Tracking {
    TrackRequest req;
    std::vector<Level> levels; // the cascade, outermost first
    bool done = false;
    UINT command = 0;
    bool system = false; // the system menu: the choice goes as WM_SYSCOMMAND
    int barStep = 0;
    bool Notify() const { return !(req.flags & TPM_NONOTIFY); }
};

struct PreTranslateHookSlot {
    wndsys::PreTranslateHook previous = nullptr;
};

// The innermost menu run, or null.
Tracking* Current();
// The run and level that show a menu window.
Tracking* TrackingOf(HWND wnd, int* levelIndex);
// Highlights item `index` of a level (WM_MENUSELECT).
void Select(Tracking& t, size_t levelIndex, int index);
// Closes the cascade's windows above level `keep`.
void CloseLevelsAbove(Tracking& t, size_t keep);
// Opens the submenu of the innermost level's selected item (WM_INITMENUPOPUP first); from the
// keyboard its first item is selected too.
bool OpenSelected(Tracking& t, bool selectFirst = false);
// Enter on the innermost selected item: opens its submenu or chooses its command.
void Activate(Tracking& t, bool fromKeyboard = false);
// Ends the run with a command (0: nothing chosen).
void Finish(Tracking& t, UINT command);

} // namespace menusys
