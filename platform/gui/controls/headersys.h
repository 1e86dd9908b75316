#pragma once
// The header control's state, shared by its messages and mouse handling (header.cpp) and its
// painting (header_paint.cpp). Private to the control.
#include <string>
#include <vector>

#include "controls/ctlsys.h"

namespace hdr {

// Half the width of the zone around a divider where the mouse grabs it.
constexpr int kDividerGrip = 4;
// Margin between an item's edge and its text.
constexpr int kTextMargin = 6;

struct HeaderItem {
    std::string text;
    bool callbackText = false;
    int width = 50;
    int fmt = HDF_LEFT | HDF_STRING;
    LPARAM data = 0;
    int image = I_IMAGENONE;
};

enum class Drag { None, Press, Track };

struct HeaderState {
    std::vector<HeaderItem> items;
    std::vector<int> order; // display position -> item index
    HANDLE images = nullptr;
    int hot = -1;
    Drag drag = Drag::None;
    int dragItem = -1;
    int dragStartX = 0;
    int dragStartWidth = 0;
    int trackWidth = 0;
    bool pressedInside = false;
};

inline HeaderState* Of(HWND hwnd) { return ctl::StateOf<HeaderState>(hwnd); }
inline DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
inline int Count(const HeaderState* s) { return static_cast<int>(s->items.size()); }
inline bool Valid(const HeaderState* s, int i) { return i >= 0 && i < Count(s); }

// The height the header asks for in its font (0 when hidden).
int HeaderHeight(HWND hwnd);
// The rectangle of an item, from the widths of the items shown before it.
RECT ItemRect(HWND hwnd, const HeaderState* s, int index);
// WM_PAINT.
void Paint(HWND hwnd);

} // namespace hdr
