// Pop-up menus: the menu window class "#32768", the modal menu run of TrackPopupMenu and of the
// menu bar, and the keys and clicks inside an open menu.
//
// While a menu is open, keyboard messages taken from the queue go to the menu (as Windows' menu
// loop takes them), not to the focus window: the menu chains itself in front of the message
// loop's pre-translation and restores the previous step when it closes.
#include "menu/menu_track.h"

#include <algorithm>

#include "dialog/dlgsys.h"
#include "win32/gdi.h"

namespace menusys {

namespace {

const char kMenuClass[] = "#32768";
const int kBorder = 3;
const size_t kMaxCascade = 16; // submenus open at once; deeper ones stay shut

std::vector<Tracking*>& Stack()
{
    static auto* stack = new std::vector<Tracking*>;
    return *stack;
}

void SendSelect(Tracking& t, const Level& level)
{
    if (!t.Notify())
        return;
    Menu* m = Find(level.menu);
    if (!m || level.selected < 0 || level.selected >= static_cast<int>(m->items.size()))
        return;
    const Item& item = m->items[static_cast<size_t>(level.selected)];
    UINT flags = (item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR)) | MF_HILITE;
    UINT id = item.sub ? static_cast<UINT>(level.selected) : item.id;
    SendMessageA(t.req.owner, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(level.menu));
}

// Lays out a level's items in client coordinates; returns the window size.
SIZE Layout(Level& level)
{
    level.rects.clear();
    Menu* m = Find(level.menu);
    if (!m)
        return SIZE{2 * kBorder, 2 * kBorder};
    HDC dc = CreateCompatibleDC(nullptr);
    int width = 0;
    std::vector<SIZE> sizes;
    for (const Item& item : m->items) {
        sizes.push_back(MeasureItem(dc, item, false));
        width = std::max<int>(width, sizes.back().cx);
    }
    DeleteDC(dc);
    int y = kBorder;
    for (const SIZE& s : sizes) {
        level.rects.push_back(RECT{kBorder, y, kBorder + width, y + s.cy});
        y += s.cy;
    }
    return SIZE{width + 2 * kBorder, y + kBorder};
}

void Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    int index = -1;
    Tracking* t = TrackingOf(hwnd, &index);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
    if (t) {
        const Level& level = t->levels[static_cast<size_t>(index)];
        if (Menu* m = Find(level.menu))
            for (size_t i = 0; i < m->items.size() && i < level.rects.size(); ++i)
                PaintItem(dc, m->items[i], level.rects[i], static_cast<int>(i) == level.selected, false);
    }
    EndPaint(hwnd, &ps);
}

int ItemAtPoint(const Level& level, POINT p)
{
    for (size_t i = 0; i < level.rects.size(); ++i)
        if (PtInRect(&level.rects[i], p))
            return static_cast<int>(i);
    return -1;
}

LRESULT CALLBACK MenuWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case MN_GETHMENU:
        return reinterpret_cast<LRESULT>(MiscMenuOfWindow(hwnd));
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        int index = -1;
        Tracking* t = TrackingOf(hwnd, &index);
        if (!t)
            return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int item = ItemAtPoint(t->levels[static_cast<size_t>(index)], p);
        if (item < 0)
            return 0;
        // Pointing at an item of an outer menu closes the cascade below it.
        CloseLevelsAbove(*t, static_cast<size_t>(index));
        Select(*t, static_cast<size_t>(index), item);
        if (msg == WM_MOUSEMOVE) {
            if (Menu* m = Find(t->levels.back().menu); m && m->items[static_cast<size_t>(item)].sub)
                OpenSelected(*t);
            return 0;
        }
        if (msg == WM_RBUTTONUP && !(t->req.flags & TPM_RIGHTBUTTON))
            return 0;
        Activate(*t);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        // A click outside every menu window closes the menu, as it does on Windows.
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client;
        GetClientRect(hwnd, &client);
        if (!PtInRect(&client, p))
            if (Tracking* t = TrackingOf(hwnd, nullptr))
                Finish(*t, 0);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void EnsureClass()
{
    WNDCLASSEXA probe{};
    if (GetClassInfoExA(nullptr, kMenuClass, &probe))
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = MenuWndProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kMenuClass;
    RegisterClassExA(&wc);
}

// Places a window of `size` at `at` with the alignment flags, kept on the desktop; with a
// cascade (`flipFrom` set) it goes left of the parent item when it does not fit on the right.
POINT Place(SIZE size, POINT at, UINT flags, const RECT* flipFrom)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    POINT p = at;
    if (flags & TPM_RIGHTALIGN)
        p.x -= size.cx;
    else if (flags & TPM_CENTERALIGN)
        p.x -= size.cx / 2;
    if (flags & TPM_BOTTOMALIGN)
        p.y -= size.cy;
    else if (flags & TPM_VCENTERALIGN)
        p.y -= size.cy / 2;
    if (p.x + size.cx > sw)
        p.x = flipFrom ? flipFrom->left - size.cx + kBorder : sw - size.cx;
    if (p.y + size.cy > sh)
        p.y = sh - size.cy;
    p.x = std::max<LONG>(p.x, 0);
    p.y = std::max<LONG>(p.y, 0);
    return p;
}

HWND ShowLevel(Tracking& t, Level& level, POINT at, const RECT* flipFrom)
{
    EnsureClass();
    SIZE size = Layout(level);
    POINT p = Place(size, at, t.req.flags, flipFrom);
    level.wnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMenuClass, "", WS_POPUP, p.x, p.y, size.cx,
                                size.cy, t.req.owner, nullptr, nullptr, nullptr);
    if (level.wnd)
        SetWindowPos(level.wnd, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return level.wnd;
}

int Step(const Menu& m, int from, int direction)
{
    const int n = static_cast<int>(m.items.size());
    const int start = from >= 0 ? from : (direction > 0 ? -1 : n);
    for (int k = 1; k <= n; ++k) {
        int i = ((start + direction * k) % n + n) % n;
        if (!m.items[static_cast<size_t>(i)].Separator())
            return i;
    }
    return -1;
}

void Mnemonic(Tracking& t, char c)
{
    Level& level = t.levels.back();
    Menu* m = Find(level.menu);
    if (!m)
        return;
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<int> matches;
    for (size_t i = 0; i < m->items.size(); ++i)
        if (!m->items[i].Separator() && menusys::Mnemonic(m->items[i].text) == c)
            matches.push_back(static_cast<int>(i));
    if (matches.empty())
        return;
    if (matches.size() == 1) {
        Select(t, t.levels.size() - 1, matches[0]);
        Activate(t, true);
        return;
    }
    // Several items share the mnemonic: each press moves to the next of them.
    auto next = std::upper_bound(matches.begin(), matches.end(), level.selected);
    Select(t, t.levels.size() - 1, next == matches.end() ? matches[0] : *next);
}

void Key(Tracking& t, WPARAM vk)
{
    Level& level = t.levels.back();
    Menu* m = Find(level.menu);
    if (!m)
        return Finish(t, 0);
    switch (vk) {
    case VK_DOWN:
    case VK_UP:
        Select(t, t.levels.size() - 1, Step(*m, level.selected, vk == VK_DOWN ? 1 : -1));
        break;
    case VK_RIGHT:
        if (level.selected >= 0 && m->items[static_cast<size_t>(level.selected)].sub)
            OpenSelected(t, true);
        else if (t.req.fromBar) {
            t.barStep = 1;
            Finish(t, 0);
        }
        break;
    case VK_LEFT:
        if (t.levels.size() > 1)
            CloseLevelsAbove(t, t.levels.size() - 2);
        else if (t.req.fromBar) {
            t.barStep = -1;
            Finish(t, 0);
        }
        break;
    case VK_RETURN:
        Activate(t, true);
        break;
    case VK_ESCAPE:
        if (t.levels.size() > 1)
            CloseLevelsAbove(t, t.levels.size() - 2);
        else
            Finish(t, 0);
        break;
    case VK_MENU:
    case VK_F10:
        Finish(t, 0);
        break;
    default:
        break;
    }
}

PreTranslateHookSlot& Slot()
{
    static PreTranslateHookSlot slot;
    return slot;
}

// The message loop's pre-translation while a menu is open.
BOOL MenuPreTranslate(MSG* msg)
{
    Tracking* t = Current();
    if (t && !t->done && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN)
            Key(*t, msg->wParam);
        else if (msg->message == WM_CHAR || msg->message == WM_SYSCHAR)
            Mnemonic(*t, static_cast<char>(msg->wParam));
        return TRUE;
    }
    wndsys::PreTranslateHook previous = Slot().previous;
    return previous ? previous(msg) : FALSE;
}

std::string Describe(HMENU menu)
{
    std::string out;
    if (Menu* m = Find(menu))
        for (const Item& item : m->items)
            if (!item.Separator()) {
                if (!out.empty())
                    out += '|';
                out += PlainText(item.text);
            }
    return out;
}

} // namespace

Tracking* Current() { return Stack().empty() ? nullptr : Stack().back(); }

Tracking* TrackingOf(HWND wnd, int* levelIndex)
{
    for (Tracking* t : Stack())
        for (size_t i = 0; i < t->levels.size(); ++i)
            if (t->levels[i].wnd == wnd) {
                if (levelIndex)
                    *levelIndex = static_cast<int>(i);
                return t;
            }
    return nullptr;
}

void Select(Tracking& t, size_t levelIndex, int index)
{
    Level& level = t.levels[levelIndex];
    if (level.selected == index)
        return;
    level.selected = index;
    if (level.wnd)
        InvalidateRect(level.wnd, nullptr, TRUE);
    SendSelect(t, t.levels[levelIndex]);
}

void CloseLevelsAbove(Tracking& t, size_t keep)
{
    while (t.levels.size() > keep + 1) {
        HWND wnd = t.levels.back().wnd;
        t.levels.pop_back();
        if (wnd)
            DestroyWindow(wnd);
    }
}

bool OpenSelected(Tracking& t, bool selectFirst)
{
    Level& level = t.levels.back();
    Menu* m = Find(level.menu);
    if (!m || level.selected < 0 || t.levels.size() >= kMaxCascade)
        return false;
    const Item& item = m->items[static_cast<size_t>(level.selected)];
    if (!item.sub || item.Disabled())
        return false;
    HMENU sub = item.sub;
    RECT r = level.rects[static_cast<size_t>(level.selected)];
    MapWindowPoints(level.wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    if (t.Notify())
        SendMessageA(t.req.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub),
                     MAKELPARAM(level.selected, t.system ? TRUE : FALSE));
    if (t.done || !Find(sub))
        return false;
    Level next;
    next.menu = sub;
    t.levels.push_back(next);
    RECT parent = r;
    ShowLevel(t, t.levels.back(), POINT{r.right - kBorder, r.top - kBorder}, &parent);
    if (selectFirst)
        if (Menu* m = Find(sub))
            Select(t, t.levels.size() - 1, Step(*m, -1, 1));
    return true;
}

void Activate(Tracking& t, bool fromKeyboard)
{
    Level& level = t.levels.back();
    Menu* m = Find(level.menu);
    if (!m || level.selected < 0 || level.selected >= static_cast<int>(m->items.size()))
        return;
    const Item& item = m->items[static_cast<size_t>(level.selected)];
    if (item.sub) {
        OpenSelected(t, fromKeyboard);
        return;
    }
    if (item.Separator() || item.Disabled())
        return;
    Finish(t, item.id);
}

void Finish(Tracking& t, UINT command)
{
    if (t.done)
        return;
    t.done = true;
    t.command = command;
}

UINT Track(TrackRequest& request)
{
    if (!Find(request.menu) || !IsWindow(request.owner))
        return 0;
    Tracking t;
    t.req = request;
    t.system = IsSystemMenu(request.menu);
    if (!request.fromBar) {
        SendMessageA(request.owner, WM_ENTERMENULOOP, TRUE, 0);
        if (t.Notify()) {
            SendMessageA(request.owner, WM_INITMENU, reinterpret_cast<WPARAM>(request.menu), 0);
            SendMessageA(request.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(request.menu), MAKELPARAM(0, t.system));
        }
    }
    Level first;
    first.menu = request.menu;
    t.levels.push_back(first);
    Stack().push_back(&t);
    bool hooked = false;
    if (Stack().size() == 1) {
        Slot().previous = wndsys::Sys().preTranslate;
        wndsys::Sys().preTranslate = &MenuPreTranslate;
        hooked = true;
    }
    if (IsWindow(request.owner) && Find(request.menu) && ShowLevel(t, t.levels[0], request.at, nullptr)) {
        MiscModal info;
        info.kind = MiscModalKind::PopupMenu;
        info.hwnd = t.levels[0].wnd;
        info.caption = request.caption.empty() ? Describe(request.menu) : request.caption;
        info.text = Describe(request.menu);
        info.flags = request.flags;
        if (!wndsys::RunModal(t.levels[0].wnd, info, [&t] { return t.done; }))
            Finish(t, 0);
    }
    CloseLevelsAbove(t, 0);
    if (HWND wnd = t.levels[0].wnd; wnd && IsWindow(wnd))
        DestroyWindow(wnd);
    t.levels.clear();
    Stack().pop_back();
    if (hooked)
        wndsys::Sys().preTranslate = Slot().previous;
    request.barStep = t.barStep;
    if (IsWindow(request.owner)) {
        if (!request.fromBar) { // the bar's own loop ends the menu mode when its last pop-up closes
            if (t.Notify())
                SendMessageA(request.owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
            SendMessageA(request.owner, WM_EXITMENULOOP, TRUE, 0);
        }
        if (t.command && !(request.flags & TPM_RETURNCMD))
            PostMessageA(request.owner, t.system ? WM_SYSCOMMAND : WM_COMMAND, t.command, 0);
    }
    return t.command;
}

} // namespace menusys

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params)
{
    if (!menusys::Find(menu) || !IsWindow(owner))
        return FALSE;
    if (menusys::Current() && !(flags & TPM_RECURSE))
        return FALSE;
    menusys::TrackRequest request;
    request.menu = menu;
    request.flags = flags;
    request.at = POINT{x, y};
    request.owner = owner;
    if (params)
        request.exclude = params->rcExclude;
    UINT command = menusys::Track(request);
    return (flags & TPM_RETURNCMD) ? static_cast<BOOL>(command) : TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu()
{
    menusys::Tracking* t = menusys::Current();
    if (!t)
        return FALSE;
    menusys::Finish(*t, 0);
    return TRUE;
}

HWND MiscOpenMenuWindow()
{
    menusys::Tracking* t = menusys::Current();
    return t && !t->levels.empty() ? t->levels.back().wnd : nullptr;
}

HMENU MiscMenuOfWindow(HWND popup)
{
    int index = -1;
    menusys::Tracking* t = menusys::TrackingOf(popup, &index);
    return t ? t->levels[static_cast<size_t>(index)].menu : nullptr;
}

BOOL MiscCancelMenu(HWND popup)
{
    menusys::Tracking* t = menusys::TrackingOf(popup, nullptr);
    if (!t)
        return FALSE;
    menusys::Finish(*t, 0);
    return TRUE;
}
