// Tool tips (tooltips_class32): a pop-up that names the tool under the mouse. Tools are windows
// (TTF_IDISHWND) or rectangles of a window. The tip learns where the mouse is from the mouse
// messages of the tools' windows, relayed to it (TTM_RELAYEVENT) or seen by subclassing them
// (TTF_SUBCLASS). It shows after the initial delay on the virtual clock, hides after the
// auto-pop delay, when the mouse leaves the tool or when a button is pressed, and moves on to a
// neighbouring tool after the shorter reshow delay. Texts come from the tool, from a string
// resource, or from the tool's window on demand (TTN_GETDISPINFO).
#include "controls/tooltip_tools.h"

#include <algorithm>
#include <cstring>

#include "win32/theme.h"

using namespace wndsys;
using namespace tip;

namespace {

enum : UINT_PTR { kShowTimer = 1, kPopTimer = 2, kLeaveTimer = 3 };
constexpr UINT kLeaveCheck = 100; // how often a shown tip checks that the mouse is still there
constexpr int kMarginX = 3, kMarginY = 2;

TipState* Of(HWND hwnd) { return ctl::StateOf<TipState>(hwnd); }
DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

LRESULT NotifyTool(HWND tipWnd, const Tool& tool, UINT code, NMHDR* hdr)
{
    hdr->hwndFrom = tipWnd;
    hdr->idFrom = tool.id;
    hdr->code = code;
    HWND to = tool.hwnd;
    return IsWindow(to) ? SendMessageA(to, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(hdr)) : 0;
}

// The tool's text now; callbacks ask the tool's window.
std::string TextOf(HWND hwnd, TipState* s, int index)
{
    Tool& tool = s->tools[static_cast<size_t>(index)];
    if (!tool.callback)
        return tool.text;
    NMTTDISPINFOA info{};
    info.uFlags = tool.flags;
    info.lParam = tool.lParam;
    info.hinst = tool.hinst;
    Tool copy = tool;
    NotifyTool(hwnd, copy, TTN_GETDISPINFOA, &info.hdr);
    info.szText[sizeof(info.szText) - 1] = '\0';
    std::string text;
    if (info.lpszText && IS_INTRESOURCE(info.lpszText))
        text = LoadText(info.hinst, info.lpszText);
    else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA)
        text = info.lpszText;
    else
        text = info.szText;
    s = Of(hwnd);
    int still = s ? FindTool(s, copy.hwnd, copy.id) : -1;
    if (still >= 0 && (info.uFlags & TTF_DI_SETITEM)) {
        s->tools[static_cast<size_t>(still)].text = text;
        s->tools[static_cast<size_t>(still)].callback = false;
    }
    return text;
}

UINT TextFormat(HWND hwnd, const TipState* s)
{
    UINT format = DT_EXPANDTABS | ((StyleOf(hwnd) & TTS_NOPREFIX) ? DT_NOPREFIX : 0);
    return format | (s->maxWidth >= 0 ? DT_WORDBREAK : DT_SINGLELINE);
}

SIZE MeasureText(HWND hwnd, const TipState* s, const std::string& text)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, ctl::FontOf(hwnd));
    RECT r{0, 0, s->maxWidth >= 0 ? std::max(1, s->maxWidth - 2 * kMarginX - 2) : 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, TextFormat(hwnd, s) | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return SIZE{r.right - r.left + 2 * kMarginX + 2, r.bottom - r.top + 2 * kMarginY + 2};
}

void Hide(HWND hwnd, TipState* s)
{
    KillTimer(hwnd, kPopTimer);
    KillTimer(hwnd, kLeaveTimer);
    if (!s->shown)
        return;
    s->shown = false;
    ShowWindow(hwnd, SW_HIDE);
    if (s->shownTool >= 0 && s->shownTool < static_cast<int>(s->tools.size())) {
        Tool tool = s->tools[static_cast<size_t>(s->shownTool)];
        NMHDR hdr{};
        NotifyTool(hwnd, tool, TTN_POP, &hdr);
    }
    s = Of(hwnd);
    if (s)
        s->shownTool = -1;
}

// Where the tip goes: below the cursor, the tool's centre for TTF_CENTERTIP, the tracking point
// for tracking tools; kept on the desktop.
POINT PlaceTip(const Tool& tool, const TipState* s, SIZE size)
{
    POINT at{};
    if (tool.flags & TTF_TRACK) {
        at = s->trackPos;
        if (!(tool.flags & TTF_ABSOLUTE))
            at.x += 10, at.y += 10;
    } else if (tool.flags & TTF_CENTERTIP) {
        RECT r = ToolScreenRect(tool);
        at = POINT{(r.left + r.right - size.cx) / 2, r.bottom + 2};
    } else {
        GetCursorPos(&at);
        at.y += GetSystemMetrics(SM_CYCURSOR) > 0 ? GetSystemMetrics(SM_CYCURSOR) * 2 / 3 : 20;
    }
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    at.x = std::max(0, std::min<int>(at.x, cx - size.cx));
    at.y = std::max(0, std::min<int>(at.y, cy - size.cy));
    return at;
}

void Show(HWND hwnd, TipState* s, int index)
{
    KillTimer(hwnd, kShowTimer);
    if (index < 0 || index >= static_cast<int>(s->tools.size()))
        return;
    std::string text = TextOf(hwnd, s, index);
    s = Of(hwnd);
    if (!s || index >= static_cast<int>(s->tools.size()))
        return;
    if (text.empty()) { // nothing to say: no tip
        Hide(hwnd, s);
        return;
    }
    if (s->shown && s->shownTool != index)
        Hide(hwnd, s);
    s->text = text;
    SIZE size = MeasureText(hwnd, s, text);
    Tool tool = s->tools[static_cast<size_t>(index)];
    POINT at = PlaceTip(tool, s, size);
    SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
    s->shownTool = index;
    NMHDR hdr{};
    NotifyTool(hwnd, tool, TTN_SHOW, &hdr); // a handler may move the tip; its place is kept
    s = Of(hwnd);
    if (!s)
        return;
    s->shown = true;
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    if (!(tool.flags & TTF_TRACK)) {
        SetTimer(hwnd, kPopTimer, s->autopop, nullptr);
        SetTimer(hwnd, kLeaveTimer, kLeaveCheck, nullptr);
    }
}

// The mouse is over `index` now (-1: over no tool).
void Enter(HWND hwnd, TipState* s, int index)
{
    if (index == s->current)
        return;
    bool wasShown = s->shown;
    s->current = index;
    s->suppressed = false;
    KillTimer(hwnd, kShowTimer);
    Hide(hwnd, s);
    if (index >= 0 && s->active)
        SetTimer(hwnd, kShowTimer, wasShown ? s->reshow : s->initial, nullptr);
}

void Relay(HWND hwnd, TipState* s, const MSG& msg)
{
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        int index = ToolAt(s, msg.hwnd, pt);
        if (index >= 0 && index == s->current && s->suppressed)
            return;
        Enter(hwnd, s, index);
        return;
    }
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_NCMOUSEMOVE:
        // A click ends the tip; it comes back only after the mouse has left the tool.
        KillTimer(hwnd, kShowTimer);
        Hide(hwnd, s);
        if ((s = Of(hwnd)) != nullptr)
            s->suppressed = true;
        return;
    default: return;
    }
}

void OnTimer(HWND hwnd, TipState* s, UINT_PTR id)
{
    if (id == kShowTimer) {
        KillTimer(hwnd, kShowTimer);
        if (s->active && s->current >= 0 && !s->suppressed)
            Show(hwnd, s, s->current);
    } else if (id == kPopTimer) {
        Hide(hwnd, s);
        if ((s = Of(hwnd)) != nullptr)
            s->suppressed = true;
    } else if (id == kLeaveTimer) {
        // Without mouse messages from a tool that the mouse has left, the tip checks for itself.
        if (ToolUnderCursor(s) != s->current) {
            Hide(hwnd, s);
            if ((s = Of(hwnd)) != nullptr)
                s->current = -1;
        }
    }
}

void Paint(HWND hwnd)
{
    TipState* s = Of(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (s && dc) {
        RECT client;
        GetClientRect(hwnd, &client);
        MiscTheme& theme = MiscCurrentTheme();
        theme.DrawToolTip(dc, client);
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(hwnd));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, theme.TextColor(MiscThemeElement::ToolTip, MISC_TS_NORMAL));
        RECT text{client.left + 1 + kMarginX, client.top + 1 + kMarginY, client.right - 1 - kMarginX, client.bottom - 1 - kMarginY};
        DrawTextA(dc, s->text.c_str(), -1, &text, TextFormat(hwnd, s));
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

void SetDelay(TipState* s, WPARAM which, LPARAM lParam)
{
    int ms = static_cast<int>(static_cast<SHORT>(LOWORD(lParam)));
    UINT base = ms < 0 ? GetDoubleClickTime() : static_cast<UINT>(ms);
    switch (which) {
    case TTDT_AUTOMATIC: s->initial = base; s->autopop = base * 10; s->reshow = base / 5; break;
    case TTDT_INITIAL: s->initial = ms < 0 ? GetDoubleClickTime() : base; break;
    case TTDT_AUTOPOP: s->autopop = ms < 0 ? GetDoubleClickTime() * 10 : base; break;
    case TTDT_RESHOW: s->reshow = ms < 0 ? GetDoubleClickTime() / 5 : base; break;
    default: break;
    }
}

LRESULT TipMessage(HWND hwnd, TipState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* ti = reinterpret_cast<TOOLINFOA*>(lParam);
    switch (msg) {
    case TTM_ACTIVATE:
        s->active = wParam != 0;
        if (!s->active) {
            KillTimer(hwnd, kShowTimer);
            Hide(hwnd, s);
        }
        return 0;
    case TTM_RELAYEVENT:
        if (auto* m = reinterpret_cast<const MSG*>(lParam))
            Relay(hwnd, s, *m);
        return 0;
    case TTM_POPUP: {
        int index = ToolUnderCursor(s);
        Show(hwnd, s, index >= 0 ? index : s->current);
        return 0;
    }
    case TTM_POP:
        KillTimer(hwnd, kShowTimer);
        Hide(hwnd, s);
        return 0;
    case TTM_UPDATE:
        if (s->shown)
            Show(hwnd, s, s->shownTool);
        return 0;
    case TTM_SETDELAYTIME: SetDelay(s, wParam, lParam); return 0;
    case TTM_GETDELAYTIME:
        return wParam == TTDT_INITIAL ? s->initial : wParam == TTDT_AUTOPOP ? s->autopop : wParam == TTDT_RESHOW ? s->reshow : 0;
    case TTM_SETMAXTIPWIDTH: {
        int old = s->maxWidth;
        s->maxWidth = static_cast<int>(lParam);
        return old;
    }
    case TTM_GETMAXTIPWIDTH: return s->maxWidth;
    case TTM_TRACKPOSITION:
        s->trackPos = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (s->shown && s->tracking)
            Show(hwnd, s, s->shownTool);
        return 0;
    case TTM_TRACKACTIVATE: {
        int index = ti ? FindTool(s, ti->hwnd, ti->uId) : -1;
        s->tracking = wParam != 0 && index >= 0;
        if (s->tracking)
            Show(hwnd, s, index);
        else
            Hide(hwnd, s);
        return 0;
    }
    case TTM_WINDOWFROMPOINT: {
        auto* pt = reinterpret_cast<POINT*>(lParam);
        return pt ? reinterpret_cast<LRESULT>(WindowFromPoint(*pt)) : 0;
    }
    default: return ToolMessage(hwnd, s, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TipState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: {
        TipState* state = ctl::CreateState<TipState>(hwnd);
        state->initial = GetDoubleClickTime();
        state->autopop = state->initial * 10;
        state->reshow = state->initial / 5;
        SetWindowLongA(hwnd, GWL_STYLE, (GetWindowLongA(hwnd, GWL_STYLE) & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP);
        SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        if (s)
            ReleaseAllTools(hwnd, s);
        ctl::DeleteState<TipState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: break;
    }
    if (!s)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE:
        // Tips speak in the small interface font until they are given another.
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return 0;
    case WM_NCHITTEST: return HTTRANSPARENT; // the mouse reaches the tool under the tip
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_TIMER: OnTimer(hwnd, s, wParam); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_SETFONT: {
        LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<char*>(lParam);
        if (!out || wParam == 0)
            return 0;
        size_t n = std::min(s->text.size(), static_cast<size_t>(wParam - 1));
        std::memcpy(out, s->text.data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(s->text.size());
    default: return TipMessage(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace tip {

void RelayTo(HWND tipWnd, const MSG& msg)
{
    if (TipState* s = IsWindow(tipWnd) ? Of(tipWnd) : nullptr)
        Relay(tipWnd, s, msg);
}

void ToolRemoved(HWND tipWnd, TipState* s, int index)
{
    if (s->shownTool == index)
        Hide(tipWnd, s);
    if ((s = Of(tipWnd)) == nullptr)
        return;
    if (s->current == index) {
        s->current = -1;
        KillTimer(tipWnd, kShowTimer);
    } else if (s->current > index) {
        --s->current;
    }
    if (s->shownTool > index)
        --s->shownTool;
}

} // namespace tip

namespace ctl {
void RegisterToolTipClass() { RegisterControlClass(TOOLTIPS_CLASSA, TipProc, CS_SAVEBITS, IDC_ARROW); }
} // namespace ctl
