// The up-down control (msctls_updown32, the spin button): a range (100 to 0 until set, as in
// Windows), a position, an optional buddy window that shows the position (UDS_SETBUDDYINT), and
// UDN_DELTAPOS before every change the user makes, which the parent may refuse.
#include "controls/ctlsys.h"
#include "win32/theme.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace wndsys;

namespace {

struct SpinState {
    int min = 100;
    int max = 0;
    int pos = 0;
    int base = 10;
    HWND buddy = nullptr;
};

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
SpinState* Of(HWND hwnd) { return ctl::StateOf<SpinState>(hwnd); }
bool Horizontal(HWND hwnd) { return (StyleOf(hwnd) & UDS_HORZ) != 0; }

int Low(const SpinState* s) { return std::min(s->min, s->max); }
int High(const SpinState* s) { return std::max(s->min, s->max); }

std::string Format(HWND hwnd, int value)
{
    SpinState* s = Of(hwnd);
    char text[40];
    if (s->base == 16) {
        std::snprintf(text, sizeof(text), "0x%04X", static_cast<unsigned>(value));
        return text;
    }
    std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : static_cast<long long>(value));
    std::string out;
    bool group = !(StyleOf(hwnd) & UDS_NOTHOUSANDS);
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (group && count > 0 && count % 3 == 0)
            out.insert(out.begin(), ',');
        out.insert(out.begin(), *it);
        ++count;
    }
    if (value < 0)
        out.insert(out.begin(), '-');
    return out;
}

void ShowInBuddy(HWND hwnd)
{
    SpinState* s = Of(hwnd);
    if (s->buddy && (StyleOf(hwnd) & UDS_SETBUDDYINT))
        SetWindowTextA(s->buddy, Format(hwnd, s->pos).c_str());
}

// Reads the buddy's number back (GETPOS does this); false when it is not a number.
bool ReadBuddy(HWND hwnd)
{
    SpinState* s = Of(hwnd);
    if (!s->buddy || !(StyleOf(hwnd) & UDS_SETBUDDYINT))
        return true;
    char text[64] = {0};
    GetWindowTextA(s->buddy, text, sizeof(text));
    std::string digits;
    for (const char* p = text; *p; ++p)
        if (*p != ',' && *p != ' ')
            digits += *p;
    char* end = nullptr;
    long v = std::strtol(digits.c_str(), &end, s->base == 16 ? 16 : 10);
    if (digits.empty() || *end)
        return false;
    if (v < Low(s) || v > High(s))
        return false;
    s->pos = static_cast<int>(v);
    return true;
}

void AttachBuddy(HWND hwnd, HWND buddy)
{
    SpinState* s = Of(hwnd);
    s->buddy = buddy;
    DWORD style = StyleOf(hwnd);
    if (!buddy || !(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
        return;
    // The spin button takes the side of the buddy's place; the buddy gives up that width.
    RECT b;
    GetWindowRect(buddy, &b);
    POINT tl{b.left, b.top};
    ScreenToClient(GetParent(hwnd), &tl);
    RECT mine;
    GetWindowRect(hwnd, &mine);
    int width = mine.right - mine.left;
    int height = b.bottom - b.top;
    int buddyWidth = std::max<int>(0, b.right - b.left - width);
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(buddy, tl.x, tl.y, buddyWidth, height, TRUE);
        MoveWindow(hwnd, tl.x + buddyWidth, tl.y, width, height, TRUE);
    } else {
        MoveWindow(hwnd, tl.x, tl.y, width, height, TRUE);
        MoveWindow(buddy, tl.x + width, tl.y, buddyWidth, height, TRUE);
    }
}

void Step(HWND hwnd, bool up)
{
    SpinState* s = Of(hwnd);
    ReadBuddy(hwnd);
    int delta = (up ? 1 : -1) * (s->max < s->min ? -1 : 1);
    NMUPDOWN nm{};
    nm.iPos = s->pos;
    nm.iDelta = delta;
    if (ctl::NotifyParent(hwnd, UDN_DELTAPOS, &nm.hdr) || !IsWindow(hwnd))
        return; // refused by the parent
    int target = s->pos + nm.iDelta;
    if (target > High(s) || target < Low(s)) {
        if (!(StyleOf(hwnd) & UDS_WRAP))
            target = std::clamp(target, Low(s), High(s));
        else
            target = target > High(s) ? Low(s) : High(s);
    }
    s->pos = target;
    ShowInBuddy(hwnd);
    HWND parent = GetParent(hwnd);
    UINT msg = Horizontal(hwnd) ? WM_HSCROLL : WM_VSCROLL;
    if (parent) {
        SendMessageA(parent, msg, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(s->pos)), reinterpret_cast<LPARAM>(hwnd));
        if (IsWindow(hwnd))
            SendMessageA(parent, msg, MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(s->pos)), reinterpret_cast<LPARAM>(hwnd));
    }
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) {
        RECT r;
        GetClientRect(hwnd, &r);
        const UINT state = IsWindowEnabled(hwnd) ? MISC_TS_NORMAL : MISC_TS_DISABLED;
        MiscTheme& theme = MiscCurrentTheme();
        RECT first = r, second = r;
        if (Horizontal(hwnd)) {
            first.right = second.left = (r.left + r.right) / 2;
            theme.DrawScrollArrow(dc, first, 2, state);
            theme.DrawScrollArrow(dc, second, 3, state);
        } else {
            first.bottom = second.top = (r.top + r.bottom) / 2;
            theme.DrawScrollArrow(dc, first, 0, state);
            theme.DrawScrollArrow(dc, second, 1, state);
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT SpinMessage(HWND hwnd, SpinState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case UDM_SETRANGE:
        s->max = static_cast<SHORT>(LOWORD(lParam));
        s->min = static_cast<SHORT>(HIWORD(lParam));
        s->pos = std::clamp(s->pos, Low(s), High(s));
        return 0;
    case UDM_GETRANGE: return MAKELONG(static_cast<WORD>(s->max), static_cast<WORD>(s->min));
    case UDM_SETRANGE32:
        s->min = static_cast<int>(wParam);
        s->max = static_cast<int>(lParam);
        s->pos = std::clamp(s->pos, Low(s), High(s));
        return 0;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = s->min;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = s->max;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        int old = s->pos;
        int value = msg == UDM_SETPOS ? static_cast<SHORT>(LOWORD(lParam)) : static_cast<int>(lParam);
        s->pos = std::clamp(value, Low(s), High(s));
        ShowInBuddy(hwnd);
        return old;
    }
    case UDM_GETPOS: {
        bool ok = ReadBuddy(hwnd);
        return MAKELONG(static_cast<WORD>(s->pos), ok ? 0 : 1);
    }
    case UDM_GETPOS32: {
        bool ok = ReadBuddy(hwnd);
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = ok ? FALSE : TRUE;
        return s->pos;
    }
    case UDM_SETBUDDY: {
        HWND old = s->buddy;
        AttachBuddy(hwnd, reinterpret_cast<HWND>(wParam));
        return reinterpret_cast<LRESULT>(old);
    }
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(s->buddy);
    case UDM_SETBASE: {
        int old = s->base;
        if (wParam != 10 && wParam != 16)
            return 0;
        s->base = static_cast<int>(wParam);
        ShowInBuddy(hwnd);
        return old;
    }
    case UDM_GETBASE: return s->base;
    case UDM_SETACCEL: return TRUE;
    case UDM_GETACCEL: return 0;
    case MISCM_USERSELECT: Step(hwnd, wParam != 0); return TRUE;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK SpinProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    SpinState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        ctl::CreateState<SpinState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_CREATE:
        if (StyleOf(hwnd) & UDS_AUTOBUDDY)
            AttachBuddy(hwnd, GetWindow(hwnd, GW_HWNDPREV));
        return 0;
    case WM_NCDESTROY:
        ctl::DeleteState<SpinState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default:
        break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_LBUTTONDOWN: {
        RECT r;
        GetClientRect(hwnd, &r);
        bool up = Horizontal(hwnd) ? GET_X_LPARAM(lParam) >= r.right / 2 : GET_Y_LPARAM(lParam) < r.bottom / 2;
        Step(hwnd, up);
        return 0;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return SpinMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {
void RegisterUpDownClass() { RegisterControlClass(UPDOWN_CLASSA, SpinProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW); }
} // namespace ctl
