// The in-process clipboard.
#include "win32/base.h"
#include "win32/clipboard.h"

#include <mutex>
#include <string>
#include <strings.h>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr UINT kFirstRegistered = 0xC000;
constexpr DWORD kErrorClipboardNotOpen = 1418;  // ERROR_CLIPBOARD_NOT_OPEN

struct Clipboard {
    std::mutex lock;
    bool open = false;
    std::thread::id holder;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    std::vector<std::pair<UINT, HANDLE>> data;  // in the order set
    std::vector<std::string> names;             // format 0xC000 + i
    DWORD sequence = 0;
};

Clipboard& TheClipboard()
{
    static Clipboard* clipboard = new Clipboard;
    return *clipboard;
}

bool HeldByCaller(const Clipboard& c)
{
    if (c.open && c.holder == std::this_thread::get_id())
        return true;
    SetLastError(kErrorClipboardNotOpen);
    return false;
}

} // namespace

BOOL OpenClipboard(HWND newOwner)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (c.open && c.holder != std::this_thread::get_id()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    c.open = true;
    c.holder = std::this_thread::get_id();
    c.openWindow = newOwner;
    return TRUE;
}

BOOL CloseClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (!HeldByCaller(c))
        return FALSE;
    c.open = false;
    c.holder = std::thread::id();
    c.openWindow = nullptr;
    return TRUE;
}

BOOL EmptyClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (!HeldByCaller(c))
        return FALSE;
    for (auto& entry : c.data)
        GlobalFree(entry.second);
    c.data.clear();
    c.owner = c.openWindow;
    ++c.sequence;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE mem)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (!HeldByCaller(c) || format == 0)
        return nullptr;
    ++c.sequence;
    for (auto& entry : c.data) {
        if (entry.first != format)
            continue;
        if (entry.second != mem)
            GlobalFree(entry.second);
        entry.second = mem;
        return mem;
    }
    c.data.emplace_back(format, mem);
    return mem;
}

HANDLE GetClipboardData(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (!HeldByCaller(c))
        return nullptr;
    for (auto& entry : c.data)
        if (entry.first == format)
            return entry.second;
    return nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    for (auto& entry : c.data)
        if (entry.first == format)
            return TRUE;
    return FALSE;
}

UINT RegisterClipboardFormatA(LPCSTR name)
{
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    for (size_t i = 0; i < c.names.size(); ++i)
        if (strcasecmp(c.names[i].c_str(), name) == 0)
            return kFirstRegistered + static_cast<UINT>(i);
    if (c.names.size() >= 0x3FFF) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    c.names.emplace_back(name);
    return kFirstRegistered + static_cast<UINT>(c.names.size() - 1);
}

int GetClipboardFormatNameA(UINT format, LPSTR name, int maxCount)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (format < kFirstRegistered || format - kFirstRegistered >= c.names.size() || !name || maxCount <= 0)
        return 0;
    const std::string& s = c.names[format - kFirstRegistered];
    size_t n = s.size() < static_cast<size_t>(maxCount - 1) ? s.size() : static_cast<size_t>(maxCount - 1);
    s.copy(name, n);
    name[n] = '\0';
    return static_cast<int>(n);
}

int CountClipboardFormats()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    return static_cast<int>(c.data.size());
}

UINT EnumClipboardFormats(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    if (!HeldByCaller(c))
        return 0;
    SetLastError(ERROR_SUCCESS);
    if (format == 0)
        return c.data.empty() ? 0 : c.data.front().first;
    for (size_t i = 0; i + 1 < c.data.size(); ++i)
        if (c.data[i].first == format)
            return c.data[i + 1].first;
    return 0;
}

HWND GetClipboardOwner()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    return c.owner;
}

HWND GetOpenClipboardWindow()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    return c.open ? c.openWindow : nullptr;
}

DWORD GetClipboardSequenceNumber()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    return c.sequence;
}

void MiscResetClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard<std::mutex> guard(c.lock);
    for (auto& entry : c.data)
        GlobalFree(entry.second);
    c.data.clear();
    c.open = false;
    c.holder = std::thread::id();
    c.openWindow = nullptr;
    c.owner = nullptr;
}
