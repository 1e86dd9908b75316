// Menu bars of top-level windows and the system menu: GetMenu / SetMenu, the bar's layout and
// drawing in the non-client area, and DefWindowProc's menu messages (clicks on the bar, Alt with
// a mnemonic, the system menu on Alt+Space).
#include "menu/menu_track.h"

#include <map>

#include "win32/gdi.h"

using namespace wndsys;

namespace menusys {

namespace {

struct BarState {
    int open = -1; // the bar item whose pop-up is open, highlighted
};

std::map<HWND, BarState>& Bars()
{
    static auto* bars = new std::map<HWND, BarState>;
    return *bars;
}

std::map<HWND, HMENU>& SystemMenus()
{
    static auto* menus = new std::map<HWND, HMENU>;
    return *menus;
}

HMENU BarOf(const WndRec* w)
{
    if (!w || (w->style & WS_CHILD) || !w->id)
        return nullptr;
    HMENU menu = reinterpret_cast<HMENU>(w->id);
    return Find(menu) ? menu : nullptr;
}

// Item rectangles of a bar `width` wide, relative to the bar's top-left corner; items wrap to
// further rows as on Windows.
std::vector<RECT> LayoutBar(HMENU menu, int width)
{
    std::vector<RECT> rects;
    Menu* m = Find(menu);
    if (!m)
        return rects;
    HDC dc = CreateCompatibleDC(nullptr);
    const int rowHeight = GetSystemMetrics(SM_CYMENU);
    int x = 0, y = 0;
    for (const Item& item : m->items) {
        SIZE s = MeasureItem(dc, item, true);
        if (x > 0 && x + s.cx > width) {
            x = 0;
            y += rowHeight;
        }
        rects.push_back(RECT{x, y, x + s.cx, y + rowHeight});
        x += s.cx;
    }
    DeleteDC(dc);
    return rects;
}

// The bar's rectangle in window coordinates, from the client rectangle below it.
RECT BarRect(const WndRec* w)
{
    int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
    int right = w->client.right + edge + ((w->style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    RECT r{w->client.left - edge, 0, right, w->client.top - edge};
    r.top = r.bottom - BarHeight(w->handle, r.right - r.left);
    return r;
}

void RedrawBar(HWND hwnd)
{
    if (WndRec* w = wndsys::Find(hwnd))
        w->ncDirty = true;
}

int FindMnemonic(HMENU menu, char c)
{
    Menu* m = Find(menu);
    if (!m)
        return -1;
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t i = 0; i < m->items.size(); ++i)
        if (Mnemonic(m->items[i].text) == c)
            return static_cast<int>(i);
    return -1;
}

void OpenSystemMenu(HWND hwnd)
{
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    RECT r;
    GetWindowRect(hwnd, &r);
    TrackRequest request;
    request.menu = menu;
    request.owner = hwnd;
    request.at = POINT{r.left + 2, r.top + GetSystemMetrics(SM_CYCAPTION)};
    Track(request);
}

} // namespace

bool IsSystemMenu(HMENU menu)
{
    for (const auto& entry : SystemMenus())
        if (entry.second == menu)
            return true;
    return false;
}

int BarHeight(HWND hwnd, int width)
{
    HMENU menu = BarOf(wndsys::Find(hwnd));
    if (!menu)
        return 0;
    std::vector<RECT> rects = LayoutBar(menu, width);
    return rects.empty() ? GetSystemMetrics(SM_CYMENU) : static_cast<int>(rects.back().bottom);
}

void DrawBar(HWND hwnd, HDC dc, RECT* r)
{
    WndRec* w = wndsys::Find(hwnd);
    HMENU menu = BarOf(w);
    if (!menu)
        return;
    const int width = r->right - r->left;
    std::vector<RECT> rects = LayoutBar(menu, width);
    RECT bar{r->left, r->top, r->right, r->top + BarHeight(hwnd, width)};
    PaintBarBackground(dc, bar);
    Menu* m = Find(menu);
    const int open = Bars().count(hwnd) ? Bars()[hwnd].open : -1;
    for (size_t i = 0; i < rects.size() && i < m->items.size(); ++i) {
        RECT item = rects[i];
        OffsetRect(&item, bar.left, bar.top);
        PaintItem(dc, m->items[i], item, static_cast<int>(i) == open, true);
    }
    r->top = bar.bottom;
}

bool BarItemRect(HWND hwnd, int index, RECT* out)
{
    WndRec* w = wndsys::Find(hwnd);
    HMENU menu = BarOf(w);
    if (!menu)
        return false;
    RECT bar = BarRect(w);
    std::vector<RECT> rects = LayoutBar(menu, bar.right - bar.left);
    if (index < 0 || index >= static_cast<int>(rects.size()))
        return false;
    *out = rects[static_cast<size_t>(index)];
    OffsetRect(out, bar.left, bar.top);
    return true;
}

int BarItemAt(HWND hwnd, POINT p)
{
    HMENU menu = BarOf(wndsys::Find(hwnd));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        RECT r;
        if (BarItemRect(hwnd, i, &r) && PtInRect(&r, p))
            return i;
    }
    return -1;
}

void OpenBarItem(HWND hwnd, int index)
{
    HMENU bar = GetMenu(hwnd);
    if (!bar || index < 0 || index >= GetMenuItemCount(bar))
        return;
    SendMessageA(hwnd, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    for (int guard = 0; guard < 64 && IsWindow(hwnd) && IsMenu(bar); ++guard) {
        const Item* item = Locate(bar, static_cast<UINT>(index), true);
        if (!item)
            break;
        UINT flags = (item->flags & (MF_GRAYED | MF_DISABLED | MF_POPUP)) | MF_HILITE;
        SendMessageA(hwnd, WM_MENUSELECT, MAKEWPARAM(item->sub ? index : item->id, flags), reinterpret_cast<LPARAM>(bar));
        item = Locate(bar, static_cast<UINT>(index), true);
        if (!item || !item->sub) {
            // A command on the bar itself.
            if (item && !item->Disabled() && !item->Separator())
                PostMessageA(hwnd, WM_COMMAND, item->id, 0);
            break;
        }
        if (item->Disabled())
            break;
        HMENU sub = item->sub;
        TrackRequest request;
        request.menu = sub;
        request.owner = hwnd;
        request.fromBar = true;
        request.caption = PlainText(item->text);
        RECT r;
        BarItemRect(hwnd, index, &r);
        RECT wr;
        GetWindowRect(hwnd, &wr);
        request.at = POINT{wr.left + r.left, wr.top + r.bottom};
        Bars()[hwnd].open = index;
        RedrawBar(hwnd);
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(index, FALSE));
        Track(request);
        if (!request.barStep)
            break;
        const int n = GetMenuItemCount(bar);
        index = n > 0 ? (index + request.barStep + n) % n : 0;
    }
    Bars().erase(hwnd);
    if (IsWindow(hwnd)) {
        RedrawBar(hwnd);
        SendMessageA(hwnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessageA(hwnd, WM_EXITMENULOOP, FALSE, 0);
    }
}

} // namespace menusys

namespace wndsys {

int MenuBarHeight(HWND hwnd, int width) { return menusys::BarHeight(hwnd, width); }

void DrawMenuBarArea(HWND hwnd, HDC dc, RECT* r) { menusys::DrawBar(hwnd, dc, r); }

bool MenuDefProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    using namespace menusys;
    *result = 0;
    switch (msg) {
    case WM_NCHITTEST: {
        WndRec* w = wndsys::Find(hwnd);
        if (!BarOf(w))
            return false;
        RECT bar = BarRect(w);
        RECT wr = WindowRectOnScreen(w);
        POINT p{GET_X_LPARAM(lParam) - wr.left, GET_Y_LPARAM(lParam) - wr.top};
        if (!PtInRect(&bar, p))
            return false;
        *result = HTMENU;
        return true;
    }
    case WM_NCLBUTTONDOWN: {
        if (wParam != HTMENU)
            return false;
        RECT wr;
        GetWindowRect(hwnd, &wr);
        int index = BarItemAt(hwnd, POINT{GET_X_LPARAM(lParam) - wr.left, GET_Y_LPARAM(lParam) - wr.top});
        if (index >= 0)
            OpenBarItem(hwnd, index);
        return true;
    }
    case WM_SYSCHAR: {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        if (!(lParam & (1 << 29)) || (wParam != ' ' && !GetMenu(root)))
            return false;
        SendMessageA(root, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
        return true;
    }
    case WM_SYSCOMMAND: {
        if ((wParam & 0xFFF0) != SC_KEYMENU)
            return false;
        if (lParam == ' ') {
            if (GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU)
                OpenSystemMenu(hwnd);
            return true;
        }
        HMENU bar = GetMenu(hwnd);
        int index = !bar ? -1 : lParam ? FindMnemonic(bar, static_cast<char>(lParam)) : 0;
        if (index >= 0)
            OpenBarItem(hwnd, index);
        return true;
    }
    case WM_NCDESTROY: {
        // A window takes its menu bar and its system menu with it.
        if (HMENU bar = GetMenu(hwnd))
            DestroyMenu(bar);
        auto it = SystemMenus().find(hwnd);
        if (it != SystemMenus().end()) {
            DestroyMenu(it->second);
            SystemMenus().erase(it);
        }
        Bars().erase(hwnd);
        return false;
    }
    default:
        return false;
    }
}

} // namespace wndsys

HMENU GetMenu(HWND hwnd) { return menusys::BarOf(wndsys::Find(hwnd)); }

BOOL SetMenu(HWND hwnd, HMENU menu)
{
    WndRec* w = wndsys::Find(hwnd);
    if (!w || (w->style & WS_CHILD) || (menu && !menusys::Find(menu)))
        return FALSE;
    w->id = reinterpret_cast<LONG_PTR>(menu);
    if (menu)
        menusys::Find(menu)->window = hwnd;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL DrawMenuBar(HWND hwnd)
{
    if (!GetMenu(hwnd))
        return FALSE;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert)
{
    WndRec* w = wndsys::Find(hwnd);
    if (!w)
        return nullptr;
    auto& menus = menusys::SystemMenus();
    auto it = menus.find(hwnd);
    if (it != menus.end() && !IsMenu(it->second)) {
        menus.erase(it);
        it = menus.end();
    }
    if (revert) {
        if (it != menus.end()) {
            DestroyMenu(it->second);
            menus.erase(it);
        }
        return nullptr;
    }
    if (it != menus.end())
        return it->second;
    HMENU menu = CreatePopupMenu();
    const bool sized = (w->style & WS_THICKFRAME) != 0;
    const bool maximized = (w->style & WS_MAXIMIZE) != 0, minimized = (w->style & WS_MINIMIZE) != 0;
    AppendMenuA(menu, (maximized || minimized) ? MF_STRING : MF_STRING | MF_GRAYED, SC_RESTORE, "&Restore");
    AppendMenuA(menu, maximized ? MF_STRING | MF_GRAYED : MF_STRING, SC_MOVE, "&Move");
    AppendMenuA(menu, sized && !maximized ? MF_STRING : MF_STRING | MF_GRAYED, SC_SIZE, "&Size");
    AppendMenuA(menu, (w->style & WS_MINIMIZEBOX) && !minimized ? MF_STRING : MF_STRING | MF_GRAYED, SC_MINIMIZE, "Mi&nimize");
    AppendMenuA(menu, (w->style & WS_MAXIMIZEBOX) && !maximized ? MF_STRING : MF_STRING | MF_GRAYED, SC_MAXIMIZE, "Ma&ximize");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
    menusys::Find(menu)->window = hwnd;
    menus[hwnd] = menu;
    return menu;
}
