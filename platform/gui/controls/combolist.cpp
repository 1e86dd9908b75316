#include "controls/combolist.h"

#include <algorithm>
#include <string>

#include "controls/ctlsys.h"
#include "win32/theme.h"
#include "window/scrollbars.h"

using namespace wndsys;

namespace {

const char kClass[] = "ComboLBox";

struct DropState {
    HWND combo = nullptr;
    int hot = -1;
    int top = 0;
    bool shown = false;
};

DropState* Of(HWND hwnd) { return ctl::StateOf<DropState>(hwnd); }

DWORD ComboStyle(const DropState* s) { return static_cast<DWORD>(GetWindowLongA(s->combo, GWL_STYLE)); }
int Count(const DropState* s) { return static_cast<int>(SendMessageA(s->combo, CB_GETCOUNT, 0, 0)); }
int ItemHeight(const DropState* s, int index)
{
    return std::max(1, static_cast<int>(SendMessageA(s->combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0)));
}

std::string ItemText(const DropState* s, int index)
{
    const LRESULT n = SendMessageA(s->combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n <= 0)
        return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    SendMessageA(s->combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

bool OwnerDrawn(const DropState* s) { return (ComboStyle(s) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }

int ClientHeight(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return r.bottom;
}

// The rectangle of an entry in client coordinates (entries above the top have none).
bool ItemRect(HWND hwnd, const DropState* s, int index, RECT* out)
{
    if (index < s->top || index >= Count(s))
        return false;
    RECT c;
    GetClientRect(hwnd, &c);
    int y = 0;
    for (int i = s->top; i < index; ++i)
        y += ItemHeight(s, i);
    *out = RECT{0, y, c.right, y + ItemHeight(s, index)};
    return true;
}

int IndexAt(HWND hwnd, const DropState* s, POINT p)
{
    RECT c;
    GetClientRect(hwnd, &c);
    if (!PtInRect(&c, p))
        return -1;
    const int n = Count(s);
    for (int i = s->top, y = 0; i < n && y < c.bottom; ++i) {
        const int h = ItemHeight(s, i);
        if (p.y < y + h)
            return i;
        y += h;
    }
    return -1;
}

int RowsFrom(const DropState* s, int top, int height)
{
    int rows = 0;
    for (int i = top, y = 0, n = Count(s); i < n; ++i) {
        y += ItemHeight(s, i);
        if (y > height && rows > 0)
            break;
        ++rows;
    }
    return std::max(rows, 1);
}

void SyncBar(HWND hwnd, DropState* s)
{
    const int rows = RowsFrom(s, s->top, ClientHeight(hwnd));
    const int n = Count(s);
    const int maxTop = std::max(0, n - rows);
    s->top = std::clamp(s->top, 0, maxTop);
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, n - 1), static_cast<UINT>(rows), s->top, 0};
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void EnsureVisible(HWND hwnd, DropState* s, int index)
{
    if (index < 0)
        return;
    if (index < s->top)
        s->top = index;
    else
        while (index >= s->top + RowsFrom(s, s->top, ClientHeight(hwnd)) && s->top < index)
            ++s->top;
    SyncBar(hwnd, s);
}

void PaintItem(HWND hwnd, HDC dc, DropState* s, int index, const RECT& r)
{
    const bool hot = index == s->hot;
    if (OwnerDrawn(s)) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(s->combo));
        dis.itemID = static_cast<UINT>(index);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = hot ? ODS_SELECTED | ODS_FOCUS : 0;
        dis.hwndItem = s->combo;
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = static_cast<ULONG_PTR>(SendMessageA(s->combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
        SendMessageA(GetParent(s->combo), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    (void)hwnd;
    RECT text = r;
    if (hot) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(dc, MiscCurrentTheme().TextColor(MiscThemeElement::Window, MISC_TS_NORMAL));
    }
    text.left += 2;
    DrawTextA(dc, ItemText(s, index).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
}

void Paint(HWND hwnd, DropState* s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) {
        RECT c;
        GetClientRect(hwnd, &c);
        FillRect(dc, &c, GetSysColorBrush(COLOR_WINDOW));
        HGDIOBJ oldFont = SelectObject(dc, ctl::FontOf(s->combo));
        SetBkMode(dc, TRANSPARENT);
        const int n = Count(s);
        for (int i = s->top, y = 0; i < n && y < c.bottom; ++i) {
            const int h = ItemHeight(s, i);
            PaintItem(hwnd, dc, s, i, RECT{0, y, c.right, y + h});
            y += h;
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

void SetHot(HWND hwnd, DropState* s, int index)
{
    if (index == s->hot)
        return;
    s->hot = index;
    InvalidateRect(hwnd, nullptr, FALSE);
}

// A press while the list is open: on an entry it highlights it (the release picks it); on the
// list's own bar it scrolls; anywhere else the list closes, keeping the choice when the press
// is on the combo box itself.
void Press(HWND hwnd, DropState* s, POINT client)
{
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    RECT own;
    GetWindowRect(hwnd, &own);
    RECT c;
    GetClientRect(hwnd, &c);
    if (PtInRect(&c, client)) {
        SetHot(hwnd, s, IndexAt(hwnd, s, client));
        return;
    }
    if (PtInRect(&own, screen)) {
        StartScrollTrack(hwnd, SB_VERT, screen);
        return;
    }
    RECT combo;
    GetWindowRect(s->combo, &combo);
    ctl::ComboListClosed(s->combo, PtInRect(&combo, screen) != FALSE);
}

void Scroll(HWND hwnd, DropState* s, WORD code, int thumb)
{
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd, SB_VERT, &si);
    s->top = ScrollModel::Apply(si, code, 1, 0, thumb);
    SyncBar(hwnd, s);
    if (code == SB_ENDSCROLL && s->shown)
        SetCapture(hwnd); // the press on the bar had the mouse; the open list takes it back
}

LRESULT Query(HWND hwnd, DropState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg) {
    case LB_GETCOUNT: return Count(s);
    case LB_GETCURSEL: return s->hot;
    case LB_GETTOPINDEX: return s->top;
    case LB_SETTOPINDEX:
        s->top = index;
        SyncBar(hwnd, s);
        return 0;
    case LB_GETTEXTLEN: return index >= 0 && index < Count(s) ? static_cast<LRESULT>(ItemText(s, index).size()) : LB_ERR;
    case LB_GETTEXT: return SendMessageA(s->combo, CB_GETLBTEXT, wParam, lParam);
    case LB_GETITEMRECT: {
        RECT r;
        if (!lParam || !ItemRect(hwnd, s, index, &r))
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = r;
        return 0;
    }
    case LB_ITEMFROMPOINT: {
        const int at = IndexAt(hwnd, s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return at < 0 ? MAKELRESULT(std::max(0, Count(s) - 1), 1) : MAKELRESULT(at, 0);
    }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DropState* s = Of(hwnd);
    switch (msg) {
    case WM_NCCREATE: {
        DropState* state = ctl::CreateState<DropState>(hwnd);
        state->combo = static_cast<HWND>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        ctl::DeleteState<DropState>(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    default: break;
    }
    if (!s || !IsWindow(s->combo))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        if (IndexAt(hwnd, s, pt) >= 0)
            SetHot(hwnd, s, IndexAt(hwnd, s, pt));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(hwnd, s, pt); return 0;
    case WM_LBUTTONUP:
        if (const int at = IndexAt(hwnd, s, pt); at >= 0)
            ctl::ComboListPicked(s->combo, at);
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(hwnd, s, static_cast<SHORT>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        return 0;
    case WM_VSCROLL: {
        int track = s->top;
        if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION)
            track = static_cast<SHORT>(HIWORD(wParam));
        Scroll(hwnd, s, LOWORD(wParam), track);
        return 0;
    }
    case WM_CAPTURECHANGED: {
        // The mouse went elsewhere while the list was open (not to the list's own bar press).
        HWND to = reinterpret_cast<HWND>(lParam);
        char cls[32] = {0};
        if (to)
            GetClassNameA(to, cls, sizeof(cls));
        if (s->shown && to != hwnd && std::string(cls) != "MiscScrollTracker")
            ctl::ComboListClosed(s->combo, false);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd, s); return 0;
    default: return Query(hwnd, s, msg, wParam, lParam);
    }
}

} // namespace

namespace ctl {

void RegisterComboListClass()
{
    RegisterControlClass(kClass, ListProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW);
}

HWND CreateComboList(HWND combo)
{
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_BORDER | WS_VSCROLL, 0, 0, 0,
                           0, GetParent(combo) ? GetAncestor(combo, GA_ROOT) : combo, nullptr, nullptr, combo);
}

void ShowComboList(HWND list, bool show)
{
    DropState* s = Of(list);
    if (!s)
        return;
    if (!show) {
        s->shown = false;
        if (GetCapture() == list)
            ReleaseCapture();
        ShowWindow(list, SW_HIDE);
        return;
    }
    RECT box, dropped;
    GetWindowRect(s->combo, &box);
    SendMessageA(s->combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int width = static_cast<int>(SendMessageA(s->combo, CB_GETDROPPEDWIDTH, 0, 0));
    const int border = 2 * GetSystemMetrics(SM_CYBORDER);
    // As many entries as the height the combo box was given holds below its field, at least one.
    const int room = std::max(1, static_cast<int>(dropped.bottom - box.bottom) - border);
    const int rows = std::min(RowsFrom(s, 0, room), std::max(1, Count(s)));
    int height = 0;
    for (int i = 0; i < rows; ++i)
        height += Count(s) ? ItemHeight(s, i) : ItemHeight(s, -1);
    height += border;
    int top = box.bottom;
    if (top + height > GetSystemMetrics(SM_CYSCREEN) && box.top - height >= 0)
        top = box.top - height;
    ShowScrollBar(list, SB_VERT, Count(s) > rows);
    SetWindowPos(list, HWND_TOPMOST, box.left, top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    s->shown = true;
    SyncBar(list, s);
    EnsureVisible(list, s, s->hot);
    SetCapture(list);
}

void SetComboListHot(HWND list, int index)
{
    if (DropState* s = Of(list)) {
        SetHot(list, s, index);
        EnsureVisible(list, s, index);
    }
}

int ComboListHot(HWND list)
{
    DropState* s = Of(list);
    return s ? s->hot : -1;
}

int ComboListRows(HWND list)
{
    DropState* s = Of(list);
    return s ? RowsFrom(s, s->top, ClientHeight(list)) : 1;
}

} // namespace ctl
