#pragma once
// The tool list of a tool tip control: the tools, finding the tool under a point, their texts,
// the TTM_ messages that manage them, and the subclassing that lets a tip see its tools' mouse
// messages (TTF_SUBCLASS).
#include <string>
#include <vector>

#include "controls/ctlsys.h"

namespace tip {

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    std::string text;
    bool callback = false; // LPSTR_TEXTCALLBACK: asked with TTN_GETDISPINFO when shown
    LPARAM lParam = 0;
};

struct TipState {
    std::vector<Tool> tools;
    bool active = true;
    int current = -1;     // the tool under the mouse
    int shownTool = -1;   // the tool whose tip is showing
    bool shown = false;
    bool suppressed = false; // a click or the auto-pop ended the tip until the mouse leaves
    bool tracking = false;
    POINT trackPos{};
    UINT initial = 500, autopop = 5000, reshow = 100;
    int maxWidth = -1;
    std::string text; // the text shown
};

int FindTool(const TipState* s, HWND hwnd, UINT_PTR id);
// The tool under a point given in the client coordinates of `hwnd`, or -1.
int ToolAt(const TipState* s, HWND hwnd, POINT pt);
// The tool under the mouse cursor now, or -1.
int ToolUnderCursor(const TipState* s);
RECT ToolScreenRect(const Tool& tool);
// A string resource named by MAKEINTRESOURCE(id).
std::string LoadText(HINSTANCE module, LPCSTR id);

LRESULT ToolMessage(HWND tipWnd, TipState* s, UINT msg, WPARAM wParam, LPARAM lParam);
// Undoes the subclassing of every tool (the tip is going away).
void ReleaseAllTools(HWND tipWnd, TipState* s);

// Implemented by the tip itself (tooltip.cpp).
void RelayTo(HWND tipWnd, const MSG& msg);
void ToolRemoved(HWND tipWnd, TipState* s, int index);

} // namespace tip
