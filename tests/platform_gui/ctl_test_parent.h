#pragma once
// A parent window for control tests that records the notifications its children send.
#include <string>
#include <vector>

#include <windows.h>

namespace guitest {

struct Note {
    UINT msg;      // WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM, WM_MEASUREITEM
    int id;
    UINT code;     // notification code (scroll code for scroll messages)
    int value;     // position for scroll messages, delta for UDN_DELTAPOS, item for list views
};

class NoteParent {
public:
    NoteParent();
    ~NoteParent();
    HWND hwnd = nullptr;
    std::vector<Note> notes;
    int refuseDelta = 0;    // answer to UDN_DELTAPOS
    int measureHeight = 20; // answer to WM_MEASUREITEM
    int drawCount = 0;
    HWND Child(const char* cls, DWORD style, int id, int x = 10, int y = 10, int w = 120, int h = 100,
               const char* text = "");
    std::vector<UINT> Codes(UINT msg) const;
};

} // namespace guitest
