// The scripted user's hands on menus: choosing an item of an open pop-up menu or of a window's
// menu bar by command or by text path, with the messages a person's choice would cause.
#include "menu/menu_track.h"

#include <cctype>
#include <functional>

namespace menusys {

namespace {

// Finds, in one menu, the position of the next step; `last` says whether it is the final one.
using StepFinder = std::function<int(HMENU menu, size_t depth, bool& last)>;

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> SplitPath(const char* path)
{
    std::vector<std::string> steps;
    std::string step;
    for (const char* p = path ? path : ""; *p; ++p) {
        if (*p == '|') {
            steps.push_back(Trim(step));
            step.clear();
        } else {
            step += *p;
        }
    }
    steps.push_back(Trim(step));
    return steps;
}

int FindText(HMENU menu, const std::string& text)
{
    Menu* m = Find(menu);
    for (size_t i = 0; m && i < m->items.size(); ++i)
        if (!m->items[i].Separator() && SameText(PlainText(m->items[i].text), text))
            return static_cast<int>(i);
    return -1;
}

// Depth first: the position in `menu` of the item with `command` or of the submenu holding it.
int FindCommand(HMENU menu, UINT command, bool& last)
{
    Menu* m = Find(menu);
    for (size_t i = 0; m && i < m->items.size(); ++i) {
        const Item& item = m->items[i];
        if (item.sub) {
            bool inner = false;
            if (FindCommand(item.sub, command, inner) >= 0) {
                last = false;
                return static_cast<int>(i);
            }
        } else if (!item.Separator() && item.id == command) {
            last = true;
            return static_cast<int>(i);
        }
    }
    return -1;
}

StepFinder PathFinder(const char* textPath)
{
    auto steps = std::make_shared<std::vector<std::string>>(SplitPath(textPath));
    return [steps](HMENU menu, size_t depth, bool& last) {
        if (depth >= steps->size())
            return -1;
        last = depth + 1 == steps->size();
        return FindText(menu, (*steps)[depth]);
    };
}

StepFinder CommandFinder(UINT command)
{
    return [command](HMENU menu, size_t, bool& last) { return FindCommand(menu, command, last); };
}

// Walks an open menu run from level `from`, opening submenus on the way.
BOOL ChooseInRun(Tracking& t, size_t from, const StepFinder& next)
{
    for (size_t depth = 0; depth < 32 && !t.done; ++depth) {
        const size_t level = from + depth;
        if (level >= t.levels.size())
            return FALSE;
        CloseLevelsAbove(t, level);
        bool last = false;
        int pos = next(t.levels[level].menu, depth, last);
        if (pos < 0)
            return FALSE;
        Select(t, level, pos);
        const Item* item = Locate(t.levels[level].menu, static_cast<UINT>(pos), true);
        if (!item || item->Disabled() || (last == (item->sub != nullptr)))
            return FALSE;
        if (last) {
            Activate(t);
            return t.done ? TRUE : FALSE;
        }
        if (!OpenSelected(t))
            return FALSE;
    }
    return FALSE;
}

// A choice from a window's menu bar, with the messages of a person opening each menu on the way.
BOOL ChooseFromBar(HWND hwnd, HMENU bar, const StepFinder& next)
{
    SendMessageA(hwnd, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    HMENU menu = bar;
    UINT command = 0;
    for (size_t depth = 0; depth < 32 && IsWindow(hwnd) && IsMenu(menu); ++depth) {
        bool last = false;
        int pos = next(menu, depth, last);
        const Item* item = pos < 0 ? nullptr : Locate(menu, static_cast<UINT>(pos), true);
        if (!item || item->Disabled() || (last == (item->sub != nullptr)))
            break;
        UINT flags = (item->flags & (MF_CHECKED | MF_POPUP)) | MF_HILITE;
        SendMessageA(hwnd, WM_MENUSELECT, MAKEWPARAM(item->sub ? static_cast<UINT>(pos) : item->id, flags),
                     reinterpret_cast<LPARAM>(menu));
        item = Locate(menu, static_cast<UINT>(pos), true);
        if (!item)
            break;
        if (last) {
            command = item->id;
            break;
        }
        HMENU sub = item->sub;
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(pos, FALSE));
        menu = sub;
    }
    if (!IsWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageA(hwnd, WM_EXITMENULOOP, FALSE, 0);
    if (!command)
        return FALSE;
    PostMessageA(hwnd, WM_COMMAND, command, 0);
    MiscPumpMessages();
    return TRUE;
}

BOOL Choose(HWND hwnd, const StepFinder& next)
{
    int level = -1;
    if (Tracking* t = TrackingOf(hwnd, &level))
        return ChooseInRun(*t, static_cast<size_t>(level), next);
    if (HMENU bar = GetMenu(hwnd))
        return ChooseFromBar(hwnd, bar, next);
    return FALSE;
}

} // namespace

} // namespace menusys

BOOL MiscChooseMenuItem(HWND popup, UINT command)
{
    return command ? menusys::Choose(popup, menusys::CommandFinder(command)) : FALSE;
}

BOOL MiscChooseMenuPath(HWND hwnd, const char* textPath)
{
    return textPath && *textPath ? menusys::Choose(hwnd, menusys::PathFinder(textPath)) : FALSE;
}
