// The tools of a tool tip control and the subclassing of their windows.
#include "controls/tooltip_tools.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "win32/module.h"

namespace tip {

namespace {

// A window whose mouse messages go to tips before its own procedure.
struct Subclass {
    WNDPROC old = nullptr;
    std::vector<HWND> tips;
};

std::map<HWND, Subclass>& Subclasses()
{
    static auto* map = new std::map<HWND, Subclass>;
    return *map;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& map = Subclasses();
    auto it = map.find(hwnd);
    if (it == map.end())
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    WNDPROC old = it->second.old;
    if (msg == WM_NCDESTROY) {
        map.erase(it);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        return CallWindowProcA(old, hwnd, msg, wParam, lParam);
    }
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_NCMOUSEMOVE) {
        MSG m{hwnd, msg, wParam, lParam, GetMessageTime(), {}};
        GetCursorPos(&m.pt);
        std::vector<HWND> tips = it->second.tips;
        for (HWND t : tips)
            RelayTo(t, m);
    }
    return CallWindowProcA(old, hwnd, msg, wParam, lParam);
}

HWND Target(const Tool& tool)
{
    return (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
}

void Hook(HWND tipWnd, HWND target)
{
    if (!IsWindow(target))
        return;
    Subclass& sub = Subclasses()[target];
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(target, GWLP_WNDPROC)) != SubclassProc) {
        // New, or left over from a window that went away without its last message.
        sub.tips.clear();
        sub.old = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    }
    if (std::find(sub.tips.begin(), sub.tips.end(), tipWnd) == sub.tips.end())
        sub.tips.push_back(tipWnd);
}

void Unhook(HWND tipWnd, const TipState* s, HWND target)
{
    for (const Tool& t : s->tools)
        if ((t.flags & TTF_SUBCLASS) && Target(t) == target)
            return; // another tool of this tip still needs the window's messages
    auto& map = Subclasses();
    auto it = map.find(target);
    if (it == map.end())
        return;
    auto& tips = it->second.tips;
    tips.erase(std::remove(tips.begin(), tips.end(), tipWnd), tips.end());
    if (!tips.empty())
        return;
    if (IsWindow(target) && reinterpret_cast<WNDPROC>(GetWindowLongPtrA(target, GWLP_WNDPROC)) == SubclassProc)
        SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.old));
    map.erase(it);
}

void SetText(Tool& tool, const TOOLINFOA& ti)
{
    tool.callback = ti.lpszText == LPSTR_TEXTCALLBACKA;
    if (tool.callback || !ti.lpszText)
        tool.text.clear();
    else if (IS_INTRESOURCE(ti.lpszText))
        tool.text = LoadText(ti.hinst, ti.lpszText);
    else
        tool.text = ti.lpszText;
}

Tool FromInfo(const TOOLINFOA& ti)
{
    Tool tool;
    tool.flags = ti.uFlags;
    tool.hwnd = ti.hwnd;
    tool.id = ti.uId;
    tool.rect = ti.rect;
    tool.hinst = ti.hinst;
    tool.lParam = ti.lParam;
    SetText(tool, ti);
    return tool;
}

// Fills a TOOLINFO; the text goes into the caller's buffer, which holds 80 characters.
void FillInfo(const Tool& tool, TOOLINFOA* ti)
{
    ti->uFlags = tool.flags;
    ti->hwnd = tool.hwnd;
    ti->uId = tool.id;
    ti->rect = tool.rect;
    ti->hinst = tool.hinst;
    ti->lParam = tool.lParam;
    if (tool.callback) {
        ti->lpszText = LPSTR_TEXTCALLBACKA;
    } else if (ti->lpszText && ti->lpszText != LPSTR_TEXTCALLBACKA && !IS_INTRESOURCE(ti->lpszText)) {
        size_t n = std::min<size_t>(tool.text.size(), 79);
        std::memcpy(ti->lpszText, tool.text.data(), n);
        ti->lpszText[n] = '\0';
    }
}

} // namespace

int FindTool(const TipState* s, HWND hwnd, UINT_PTR id)
{
    for (size_t i = 0; i < s->tools.size(); ++i)
        if (s->tools[i].hwnd == hwnd && s->tools[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int ToolAt(const TipState* s, HWND hwnd, POINT pt)
{
    for (size_t i = 0; i < s->tools.size(); ++i) {
        const Tool& t = s->tools[i];
        bool hit = (t.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(t.id) == hwnd
                                            : t.hwnd == hwnd && PtInRect(&t.rect, pt);
        if (hit)
            return static_cast<int>(i);
    }
    return -1;
}

RECT ToolScreenRect(const Tool& tool)
{
    RECT r = tool.rect;
    HWND w = Target(tool);
    if (tool.flags & TTF_IDISHWND)
        GetClientRect(w, &r);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    OffsetRect(&r, origin.x, origin.y);
    return r;
}

int ToolUnderCursor(const TipState* s)
{
    POINT pt;
    GetCursorPos(&pt);
    for (size_t i = 0; i < s->tools.size(); ++i) {
        const Tool& t = s->tools[i];
        if (!IsWindowVisible(Target(t)))
            continue;
        RECT r = ToolScreenRect(t);
        if (PtInRect(&r, pt))
            return static_cast<int>(i);
    }
    return -1;
}

std::string LoadText(HINSTANCE module, LPCSTR id)
{
    char buffer[1024] = {0};
    int n = LoadStringA(module, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(id)), buffer, sizeof(buffer));
    return std::string(buffer, static_cast<size_t>(std::max(0, n)));
}

LRESULT ToolMessage(HWND tipWnd, TipState* s, UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool named = msg == TTM_ADDTOOLA || msg == TTM_DELTOOLA || msg == TTM_UPDATETIPTEXTA || msg == TTM_GETTEXTA ||
                 msg == TTM_GETTOOLINFOA || msg == TTM_SETTOOLINFOA || msg == TTM_NEWTOOLRECTA;
    auto* ti = reinterpret_cast<TOOLINFOA*>(lParam);
    if (named && !ti)
        return 0;
    int index = named ? FindTool(s, ti->hwnd, ti->uId) : -1;
    switch (msg) {
    case TTM_ADDTOOLA: {
        if (!ti)
            return FALSE;
        Tool tool = FromInfo(*ti);
        if (index >= 0)
            s->tools[static_cast<size_t>(index)] = tool;
        else
            s->tools.push_back(tool);
        if (tool.flags & TTF_SUBCLASS)
            Hook(tipWnd, Target(tool));
        return TRUE;
    }
    case TTM_DELTOOLA: {
        if (index < 0)
            return 0;
        ToolRemoved(tipWnd, s, index);
        Tool gone = s->tools[static_cast<size_t>(index)];
        s->tools.erase(s->tools.begin() + index);
        if (gone.flags & TTF_SUBCLASS)
            Unhook(tipWnd, s, Target(gone));
        return 0;
    }
    case TTM_UPDATETIPTEXTA:
        if (index < 0)
            return 0;
        s->tools[static_cast<size_t>(index)].hinst = ti->hinst;
        SetText(s->tools[static_cast<size_t>(index)], *ti);
        if (s->shown && s->shownTool == index)
            SendMessageA(tipWnd, TTM_UPDATE, 0, 0);
        return 0;
    case TTM_GETTEXTA: {
        if (index < 0 || !ti->lpszText || ti->lpszText == LPSTR_TEXTCALLBACKA)
            return 0;
        size_t room = wParam ? static_cast<size_t>(wParam) : 80;
        const std::string& text = s->tools[static_cast<size_t>(index)].text;
        size_t n = std::min(text.size(), room - 1);
        std::memcpy(ti->lpszText, text.data(), n);
        ti->lpszText[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(s->tools.size());
    case TTM_ENUMTOOLSA:
        if (!ti || wParam >= s->tools.size())
            return FALSE;
        FillInfo(s->tools[wParam], ti);
        return TRUE;
    case TTM_GETCURRENTTOOLA: {
        int current = s->shown ? s->shownTool : -1;
        if (!ti)
            return current >= 0;
        if (current < 0)
            return FALSE;
        FillInfo(s->tools[static_cast<size_t>(current)], ti);
        return TRUE;
    }
    case TTM_GETTOOLINFOA:
        if (index < 0)
            return FALSE;
        FillInfo(s->tools[static_cast<size_t>(index)], ti);
        return TRUE;
    case TTM_SETTOOLINFOA:
        if (index >= 0)
            s->tools[static_cast<size_t>(index)] = FromInfo(*ti);
        return 0;
    case TTM_NEWTOOLRECTA:
        if (index >= 0)
            s->tools[static_cast<size_t>(index)].rect = ti->rect;
        return 0;
    case TTM_HITTESTA: {
        auto* hit = reinterpret_cast<TTHITTESTINFOA*>(lParam);
        if (!hit)
            return FALSE;
        int at = ToolAt(s, hit->hwnd, hit->pt);
        if (at < 0)
            return FALSE;
        FillInfo(s->tools[static_cast<size_t>(at)], &hit->ti);
        return TRUE;
    }
    default: return DefWindowProcA(tipWnd, msg, wParam, lParam);
    }
}

void ReleaseAllTools(HWND tipWnd, TipState* s)
{
    std::vector<Tool> tools;
    tools.swap(s->tools);
    for (const Tool& t : tools)
        if (t.flags & TTF_SUBCLASS)
            Unhook(tipWnd, s, Target(t));
}

} // namespace tip
