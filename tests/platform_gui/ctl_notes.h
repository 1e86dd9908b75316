#pragma once
// A parent window for the common-control tests: records every WM_NOTIFY (code, item, a value
// taken from the record) and lets a test choose the answer to a notification.
#include <functional>
#include <vector>

#include <windows.h>

namespace guitest {

struct Notify {
    UINT code;
    int item;  // NMHEADER::iItem for header notifications, the column of LVN_COLUMNCLICK, else -1
    int value; // the width a header notification carries (HDI_WIDTH), or 0
};

class NotifyParent {
public:
    NotifyParent(int width = 400, int height = 300);
    ~NotifyParent();
    HWND hwnd = nullptr;
    std::vector<Notify> notes;
    // Answers a notification; unset answers 0.
    std::function<LRESULT(const NMHDR&)> answer;
    HWND Child(const char* cls, DWORD style, int id, int x, int y, int w, int h);
    std::vector<UINT> Codes() const;
    void Clear() { notes.clear(); }
};

} // namespace guitest
