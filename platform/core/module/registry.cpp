// The module registry: which "libraries" are mapped into the process, under which names, with
// which compiled resources. The host program's own module is entered at the first use, under the
// file name of the executable.
#include "win32/module.h"

#include "win32/base.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct ModuleRecord {
    HMODULE handle;
    std::string name;     // as registered
    std::string fileName; // what GetModuleFileNameA reports
    const MiscResourceTable* resources;
};

class Registry {
public:
    static Registry& Get()
    {
        // Never destroyed: modules stay registered until the very end of the process, and
        // library teardown code may still look them up.
        static Registry* instance = new Registry;
        return *instance;
    }

    std::mutex mutex;
    std::vector<ModuleRecord> modules; // registration order, host program first
    unsigned nextSerial = 1;

    HMODULE NewHandle()
    {
        // Handles look like module base addresses and are never reused, so a stale handle of an
        // unregistered module names nothing rather than another module.
        uintptr_t value = 0x10000000u + static_cast<uintptr_t>(nextSerial++) * 0x10000u;
        return reinterpret_cast<HMODULE>(value);
    }

    const ModuleRecord* Find(HMODULE handle) const
    {
        for (const ModuleRecord& m : modules)
            if (m.handle == handle)
                return &m;
        return nullptr;
    }

private:
    Registry() { modules.push_back(HostRecord()); }

    ModuleRecord HostRecord()
    {
        std::string path;
        char buffer[4096];
        ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
        if (n > 0)
            path.assign(buffer, static_cast<size_t>(n));
        else
            path = "host.exe";
        size_t slash = path.find_last_of('/');
        std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        return ModuleRecord{NewHandle(), base, path, nullptr};
    }
};

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The file-name part of a module name; folders in front of it are not compared.
std::string BaseName(const char* name)
{
    std::string s(name);
    size_t cut = s.find_last_of("/\\");
    return cut == std::string::npos ? s : s.substr(cut + 1);
}

// Finds a module by name as the Windows loader does: case-insensitively, and a name without an
// extension also matches the name with ".dll" appended.
ModuleRecord* FindByName(Registry& r, const char* name)
{
    std::string wanted = BaseName(name);
    bool bare = wanted.find('.') == std::string::npos;
    for (ModuleRecord& m : r.modules) {
        if (SameName(m.name, wanted) || (bare && SameName(m.name, wanted + ".dll")))
            return &m;
    }
    return nullptr;
}

const MiscResourceTable* TableOf(HMODULE module)
{
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!module)
        module = r.modules.front().handle;
    const ModuleRecord* m = r.Find(module);
    return m ? m->resources : nullptr;
}

template <typename T>
const T* FindById(const T* items, int count, UINT id)
{
    for (int i = 0; items && i < count; ++i)
        if (items[i].id == id)
            return &items[i];
    return nullptr;
}

} // namespace

HMODULE MiscRegisterModule(const char* name, const MiscResourceTable* resources)
{
    if (!name || !*name)
        return nullptr;
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (ModuleRecord* existing = FindByName(r, name))
        return existing->handle;
    std::string base = BaseName(name);
    r.modules.push_back(ModuleRecord{r.NewHandle(), base, base, resources});
    return r.modules.back().handle;
}

void MiscUnregisterModule(const char* name)
{
    if (!name)
        return;
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    ModuleRecord* m = FindByName(r, name);
    // The host program's own module stays: it is mapped as long as the process runs.
    if (m && m != &r.modules.front())
        r.modules.erase(r.modules.begin() + (m - r.modules.data()));
}

const MiscResourceTable* MiscModuleResources(HMODULE module)
{
    if (!module)
        return nullptr;
    return TableOf(module);
}

const char* MiscModuleName(HMODULE module)
{
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    const ModuleRecord* m = r.Find(module);
    return m ? m->name.c_str() : nullptr;
}

void MiscForEachModule(void (*visit)(HMODULE module, void* context), void* context)
{
    if (!visit)
        return;
    std::vector<HMODULE> handles;
    {
        Registry& r = Registry::Get();
        std::lock_guard<std::mutex> lock(r.mutex);
        for (const ModuleRecord& m : r.modules)
            handles.push_back(m.handle);
    }
    for (HMODULE h : handles)
        visit(h, context);
}

HMODULE GetModuleHandleA(LPCSTR name)
{
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (!name)
        return r.modules.front().handle;
    if (ModuleRecord* m = FindByName(r, name))
        return m->handle;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size)
{
    Registry& r = Registry::Get();
    std::lock_guard<std::mutex> lock(r.mutex);
    const ModuleRecord* m = module ? r.Find(module) : &r.modules.front();
    if (!m) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    size_t length = m->fileName.size();
    if (length < size) {
        std::memcpy(buffer, m->fileName.c_str(), length + 1);
        return static_cast<DWORD>(length);
    }
    std::memcpy(buffer, m->fileName.data(), size - 1);
    buffer[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

const char* MiscFindString(HMODULE module, UINT id)
{
    const MiscResourceTable* t = TableOf(module);
    if (!t || !t->strings)
        return nullptr;
    // The compiler writes the strings sorted by number.
    const MiscResString* begin = t->strings;
    const MiscResString* end = t->strings + t->stringCount;
    const MiscResString* it = std::lower_bound(begin, end, id,
        [](const MiscResString& s, UINT wanted) { return s.id < wanted; });
    return (it != end && it->id == id) ? it->text : nullptr;
}

namespace {
using Table = MiscResourceTable;

// The entry `id` of one of a module's resource arrays, or null.
template <class Entry, class Count>
const Entry* FindIn(HMODULE module, const Entry* Table::*array, Count Table::*count, UINT id)
{
    const Table* t = TableOf(module);
    return t ? FindById(t->*array, t->*count, id) : nullptr;
}
} // namespace

const MiscResDialog* MiscFindDialog(HMODULE module, UINT id)
{
    return FindIn(module, &Table::dialogs, &Table::dialogCount, id);
}

const MiscResMenu* MiscFindMenu(HMODULE module, UINT id)
{
    return FindIn(module, &Table::menus, &Table::menuCount, id);
}

const MiscResBlob* MiscFindBitmap(HMODULE module, UINT id)
{
    return FindIn(module, &Table::bitmaps, &Table::bitmapCount, id);
}

const MiscResBlob* MiscFindIcon(HMODULE module, UINT id)
{
    return FindIn(module, &Table::icons, &Table::iconCount, id);
}

const MiscResAccelTable* MiscFindAccelerators(HMODULE module, UINT id)
{
    return FindIn(module, &Table::accelerators, &Table::acceleratorCount, id);
}

const MiscResDlgInit* MiscFindDlgInit(HMODULE module, UINT id)
{
    return FindIn(module, &Table::dlgInits, &Table::dlgInitCount, id);
}

const MiscResToolBar* MiscFindToolBar(HMODULE module, UINT id)
{
    return FindIn(module, &Table::toolBars, &Table::toolBarCount, id);
}

const MiscResBlob* MiscFindCursor(HMODULE module, UINT id)
{
    return FindIn(module, &Table::cursors, &Table::cursorCount, id);
}

int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size)
{
    if (!buffer || size <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    const char* text = MiscFindString(module, id);
    if (!text) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    size_t length = std::strlen(text);
    size_t copied = std::min(length, static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}
