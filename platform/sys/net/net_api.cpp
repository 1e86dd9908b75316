// The local server's share functions and the network browser: names and paths are checked
// here, before any backend sees them.
#include "net_backend.h"

#include "win32/system.h"
#include "../system/sysenv.h"

#include <cstring>
#include <memory>
#include <strings.h>

namespace miscnet {

Backend* CurrentBackend()
{
    const std::string choice = miscsys::Env("MISC_NET_BACKEND");
    if (choice == "simulated")
        return &SimulatedBackend();
    if (choice == "none" || !SambaInstalled())
        return nullptr;
    return &SambaBackend();
}

} // namespace miscnet

namespace {

bool HasControl(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p < 0x20 || *p == 0x7f)
            return true;
    return false;
}

// A share name the server takes: 1 to MISC_SHARE_NAME_MAX characters, no control characters,
// none of the characters shares may not hold, and not starting with '-' (no option to `net`).
bool ValidName(const char* name)
{
    if (name == nullptr || name[0] == '\0' || name[0] == '-')
        return false;
    if (std::strlen(name) > MISC_SHARE_NAME_MAX || HasControl(name))
        return false;
    return std::strpbrk(name, "%<>*?|/\\+=;:\",[]") == nullptr;
}

bool ValidPath(const char* path)
{
    return path != nullptr && path[0] == '/' && std::strlen(path) <= MISC_SHARE_PATH_MAX &&
           !HasControl(path);
}

std::string ComputerName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name) : std::string();
}

struct Enumeration {
    std::vector<std::string> remoteNames; // "\\NAME\share"
    size_t next = 0;
};

} // namespace

BOOL MiscNetAvailable() { return miscnet::CurrentBackend() != nullptr; }

const char* MiscNetBackendName()
{
    miscnet::Backend* backend = miscnet::CurrentBackend();
    return backend ? backend->Name() : "none";
}

DWORD MiscNetShareAdd(LPCSTR name, LPCSTR path)
{
    miscnet::Backend* backend = miscnet::CurrentBackend();
    if (backend == nullptr)
        return ERROR_NO_NETWORK;
    if (!ValidName(name))
        return ERROR_INVALID_NAME;
    if (!ValidPath(path))
        return ERROR_INVALID_PARAMETER;
    return backend->Add(name, miscsys::StripTrailingSlash(path));
}

DWORD MiscNetShareDel(LPCSTR name)
{
    miscnet::Backend* backend = miscnet::CurrentBackend();
    if (backend == nullptr)
        return ERROR_NO_NETWORK;
    if (!ValidName(name))
        return ERROR_INVALID_PARAMETER;
    return backend->Del(name);
}

DWORD MiscNetShareGetInfo(LPCSTR name, LPSTR path, DWORD size)
{
    miscnet::Backend* backend = miscnet::CurrentBackend();
    if (backend == nullptr)
        return ERROR_NO_NETWORK;
    if (!ValidName(name) || path == nullptr)
        return ERROR_INVALID_PARAMETER;
    std::vector<miscnet::Share> shares;
    if (!backend->List(shares))
        return ERROR_ACCESS_DENIED;
    for (const miscnet::Share& s : shares) {
        if (strcasecmp(s.name.c_str(), name) != 0)
            continue;
        return miscsys::CopyOut(s.path, path, size) ? NERR_Success : NERR_BufTooSmall;
    }
    return NERR_NetNameNotFound;
}

DWORD MiscNetShareCheck(LPCSTR device, LPDWORD type)
{
    miscnet::Backend* backend = miscnet::CurrentBackend();
    if (backend == nullptr)
        return ERROR_NO_NETWORK;
    if (device == nullptr || device[0] == '\0' || HasControl(device))
        return ERROR_INVALID_PARAMETER;
    std::vector<miscnet::Share> shares;
    if (!backend->List(shares))
        return ERROR_ACCESS_DENIED;
    const std::string wanted = miscsys::StripTrailingSlash(device);
    for (const miscnet::Share& s : shares) {
        if (s.path == wanted) {
            if (type)
                *type = STYPE_DISKTREE;
            return NERR_Success;
        }
    }
    return NERR_DeviceNotShared;
}

DWORD WNetOpenEnumA(DWORD scope, DWORD type, DWORD, LPNETRESOURCEA resource, LPHANDLE handle)
{
    if (handle == nullptr || scope != RESOURCE_GLOBALNET || resource == nullptr ||
        resource->lpRemoteName == nullptr)
        return ERROR_INVALID_PARAMETER;
    miscnet::Backend* backend = miscnet::CurrentBackend();
    if (backend == nullptr)
        return ERROR_NO_NETWORK;
    const std::string computer = ComputerName();
    const char* remote = resource->lpRemoteName;
    if (computer.empty() || std::strncmp(remote, "\\\\", 2) != 0 ||
        strcasecmp(remote + 2, computer.c_str()) != 0)
        return ERROR_BAD_NETPATH;
    std::vector<miscnet::Share> shares;
    if (!backend->List(shares))
        return ERROR_NO_NETWORK;
    auto* e = new Enumeration;
    if (type == RESOURCETYPE_DISK || type == RESOURCETYPE_ANY)
        for (const miscnet::Share& s : shares)
            e->remoteNames.push_back("\\\\" + computer + "\\" + s.name);
    *handle = reinterpret_cast<HANDLE>(e);
    return NO_ERROR;
}

DWORD WNetEnumResourceA(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD bufferSize)
{
    auto* e = reinterpret_cast<Enumeration*>(handle);
    if (e == nullptr || count == nullptr || buffer == nullptr || bufferSize == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (e->next >= e->remoteNames.size())
        return ERROR_NO_MORE_ITEMS;
    // Records from the start of the buffer, their strings from its end.
    char* base = static_cast<char*>(buffer);
    size_t records = 0, stringsUsed = 0;
    const size_t size = *bufferSize;
    const size_t wanted = (*count == static_cast<DWORD>(-1)) ? SIZE_MAX : *count;
    while (e->next < e->remoteNames.size() && records < wanted) {
        const std::string& remote = e->remoteNames[e->next];
        const size_t need = (records + 1) * sizeof(NETRESOURCEA) + stringsUsed + remote.size() + 2;
        if (need > size) {
            if (records == 0) {
                *bufferSize = static_cast<DWORD>(sizeof(NETRESOURCEA) + remote.size() + 2);
                return ERROR_MORE_DATA;
            }
            break;
        }
        stringsUsed += remote.size() + 2;
        char* text = base + size - stringsUsed;
        std::memcpy(text, remote.c_str(), remote.size() + 1);
        text[remote.size() + 1] = '\0'; // the empty local name, comment and provider
        NETRESOURCEA& r = reinterpret_cast<NETRESOURCEA*>(base)[records];
        r = NETRESOURCEA{RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE,
                         RESOURCEUSAGE_CONNECTABLE, text + remote.size() + 1, text,
                         text + remote.size() + 1, text + remote.size() + 1};
        ++records;
        ++e->next;
    }
    *count = static_cast<DWORD>(records);
    return NO_ERROR;
}

DWORD WNetCloseEnum(HANDLE handle)
{
    if (handle == nullptr)
        return ERROR_INVALID_PARAMETER;
    delete reinterpret_cast<Enumeration*>(handle);
    return NO_ERROR;
}

DWORD WNetGetConnectionA(LPCSTR localName, LPSTR, LPDWORD)
{
    if (localName == nullptr || localName[0] == '\0')
        return ERROR_BAD_DEVICE;
    return ERROR_NOT_CONNECTED;
}
