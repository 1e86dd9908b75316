// Accelerator tables and TranslateAccelerator.
#include "win32/accel.h"

#include <map>
#include <memory>
#include <vector>

#include "menu/menusys.h"
#include "win32/module.h"

namespace {

const int kMaxEntries = 32767;

struct Table {
    std::vector<ACCEL> entries;
    bool shared = false; // loaded from a module
};

struct Tables {
    std::map<HACCEL, std::unique_ptr<Table>> byHandle;
    std::map<std::pair<HMODULE, UINT>, HACCEL> loaded;
};

Tables& All()
{
    static auto* tables = new Tables;
    return *tables;
}

Table* FindTable(HACCEL h)
{
    auto it = All().byHandle.find(h);
    return it == All().byHandle.end() ? nullptr : it->second.get();
}

HACCEL Add(std::unique_ptr<Table> table)
{
    HACCEL h = reinterpret_cast<HACCEL>(table.get());
    All().byHandle[h] = std::move(table);
    return h;
}

bool Down(int vk) { return GetKeyState(vk) < 0; }

bool Matches(const ACCEL& a, const MSG& msg)
{
    const bool alt = Down(VK_MENU);
    if (a.fVirt & FVIRTKEY) {
        if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
            return false;
        return a.key == msg.wParam && ((a.fVirt & FSHIFT) != 0) == Down(VK_SHIFT) &&
               ((a.fVirt & FCONTROL) != 0) == Down(VK_CONTROL) && ((a.fVirt & FALT) != 0) == alt;
    }
    // A character: WM_CHAR, or WM_SYSCHAR when the entry asks for Alt.
    if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR)
        return false;
    return a.key == msg.wParam && ((a.fVirt & FALT) != 0) == (msg.message == WM_SYSCHAR);
}

// Lets the menu bar update the item of `command`; false when the item is disabled there.
bool MenuAllows(HWND hwnd, WORD command)
{
    HMENU bar = GetMenu(hwnd);
    if (!bar)
        return true;
    HMENU holder = nullptr;
    if (!menusys::Locate(bar, command, false, &holder))
        return true;
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    if (holder && holder != bar && IsMenu(holder)) {
        // The pop-up's position in its parent menu, as WM_INITMENUPOPUP reports it.
        int position = 0;
        if (menusys::Menu* m = menusys::Find(bar))
            for (size_t i = 0; i < m->items.size(); ++i)
                if (m->items[i].sub == holder)
                    position = static_cast<int>(i);
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(holder), MAKELPARAM(position, FALSE));
    }
    const menusys::Item* item = IsMenu(bar) ? menusys::Locate(bar, command, false) : nullptr;
    return !item || !item->Disabled();
}

} // namespace

HACCEL LoadAcceleratorsA(HINSTANCE module, LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return nullptr;
    const UINT id = static_cast<UINT>(reinterpret_cast<uintptr_t>(name));
    auto key = std::make_pair(static_cast<HMODULE>(module), id);
    auto it = All().loaded.find(key);
    if (it != All().loaded.end() && FindTable(it->second))
        return it->second;
    const MiscResAccelTable* res = MiscFindAccelerators(module, id);
    if (!res)
        return nullptr;
    auto table = std::make_unique<Table>();
    table->shared = true;
    for (int i = 0; i < res->count; ++i)
        table->entries.push_back(ACCEL{res->entries[i].fVirt, res->entries[i].key, res->entries[i].cmd});
    HACCEL h = Add(std::move(table));
    All().loaded[key] = h;
    return h;
}

HACCEL CreateAcceleratorTableA(LPACCEL entries, int count)
{
    if (!entries || count <= 0 || count > kMaxEntries)
        return nullptr;
    auto table = std::make_unique<Table>();
    table->entries.assign(entries, entries + count);
    return Add(std::move(table));
}

int CopyAcceleratorTableA(HACCEL h, LPACCEL entries, int count)
{
    Table* table = FindTable(h);
    if (!table)
        return 0;
    const int total = static_cast<int>(table->entries.size());
    if (!entries)
        return total;
    const int n = count < total ? count : total;
    for (int i = 0; i < n; ++i)
        entries[i] = table->entries[static_cast<size_t>(i)];
    return n > 0 ? n : 0;
}

BOOL DestroyAcceleratorTable(HACCEL h)
{
    Table* table = FindTable(h);
    if (!table || table->shared)
        return FALSE;
    All().byHandle.erase(h);
    return TRUE;
}

void MiscResetAccelerators()
{
    All().byHandle.clear();
    All().loaded.clear();
}

int TranslateAcceleratorA(HWND hwnd, HACCEL h, LPMSG msg)
{
    Table* table = FindTable(h);
    if (!table || !msg || !IsWindow(hwnd))
        return 0;
    for (const ACCEL& a : table->entries) {
        if (!Matches(a, *msg))
            continue;
        // A minimised window or a captured mouse takes the key without a command, as on Windows.
        if (!IsIconic(hwnd) && !GetCapture() && MenuAllows(hwnd, a.cmd) && IsWindow(hwnd))
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}
