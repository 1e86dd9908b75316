#pragma once
// The local network server and the network browser, on Linux.
//
// The server's shares are Samba user shares, managed with `net usershare` run directly (never
// through a shell; every name and path is one argument), with the configuration file
// $MISC_SAMBA_CONF when set (`net -s FILE`). $MISC_NET_BACKEND chooses another backend:
// "simulated" keeps the shares in this process (for tests), "none" is a machine without a
// network. Without `net` installed the network is not available.
//
// Results are the Windows network codes, so callers map them as they did there.
#include "win32/types.h"
#include "win32/system.h"

#include <string>
#include <utility>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

typedef HANDLE* LPHANDLE;

#ifndef NERR_Success
#define NERR_Success 0
#endif
#ifndef NO_ERROR
#define NO_ERROR 0L
#endif
#define ERROR_INVALID_LEVEL 124L
#define ERROR_BAD_NETPATH 53L
#define ERROR_NO_NETWORK 1222L
#define ERROR_NOT_CONNECTED 2250L
#define NERR_UnknownDevDir 2116
#define NERR_RedirectedPath 2117
#define NERR_DuplicateShare 2118
#define NERR_BufTooSmall 2123
#define NERR_NetNameNotFound 2310
#define NERR_DeviceNotShared 2311
#define STYPE_DISKTREE 0

// Longest share name and path the server takes (characters, without the NUL).
#define MISC_SHARE_NAME_MAX 80
#define MISC_SHARE_PATH_MAX 255

// Whether the server can be reached (the backend exists).
BOOL MiscNetAvailable();
// "samba", "simulated" or "none", as chosen now.
const char* MiscNetBackendName();
// Forgets every share of the simulated server.
void MiscNetSimulatedReset();

// Shares a folder: NERR_Success; ERROR_INVALID_NAME for an empty, overlong or ill-formed name
// (control characters, or characters the server refuses); ERROR_INVALID_PARAMETER for an
// overlong path or one holding control characters; NERR_UnknownDevDir when the path is not a
// folder; NERR_DuplicateShare when the name is taken; ERROR_ACCESS_DENIED when the server
// refuses; ERROR_NO_NETWORK without a server.
DWORD MiscNetShareAdd(LPCSTR name, LPCSTR path);
// Removes a share: NERR_Success, NERR_NetNameNotFound, ERROR_INVALID_PARAMETER (bad name),
// ERROR_ACCESS_DENIED, ERROR_NO_NETWORK.
DWORD MiscNetShareDel(LPCSTR name);
// The local path of a share into path (size bytes): NERR_Success, NERR_NetNameNotFound,
// NERR_BufTooSmall, ERROR_INVALID_PARAMETER, ERROR_NO_NETWORK.
DWORD MiscNetShareGetInfo(LPCSTR name, LPSTR path, DWORD size);
// Whether a folder is shared: NERR_Success (type STYPE_DISKTREE), NERR_DeviceNotShared,
// ERROR_INVALID_PARAMETER, ERROR_NO_NETWORK.
DWORD MiscNetShareCheck(LPCSTR device, LPDWORD type);

// Reads the output of `net usershare info` (records "[name]" followed by "key=value" lines)
// into (name, path) pairs, in order; returns how many. Exposed for the fuzzer.
size_t MiscNetParseShareInfo(const char* text, size_t size,
                             std::vector<std::pair<std::string, std::string>>* shares);

// ---- The network browser (WNet) ----
#define RESOURCE_CONNECTED 1
#define RESOURCE_GLOBALNET 2
#define RESOURCETYPE_ANY 0
#define RESOURCETYPE_DISK 1
#define RESOURCEDISPLAYTYPE_GENERIC 0
#define RESOURCEDISPLAYTYPE_SERVER 2
#define RESOURCEDISPLAYTYPE_SHARE 3
#define RESOURCEUSAGE_CONNECTABLE 1
#define RESOURCEUSAGE_CONTAINER 2

typedef struct _NETRESOURCEA {
    DWORD dwScope;
    DWORD dwType;
    DWORD dwDisplayType;
    DWORD dwUsage;
    LPSTR lpLocalName;
    LPSTR lpRemoteName;
    LPSTR lpComment;
    LPSTR lpProvider;
} NETRESOURCEA, *LPNETRESOURCEA;
typedef NETRESOURCEA NETRESOURCE;
typedef LPNETRESOURCEA LPNETRESOURCE;

// Enumerates the disk shares of this computer's server, given as the container "\\NAME" (the
// computer name, any case). Other servers: ERROR_BAD_NETPATH; no server: ERROR_NO_NETWORK.
DWORD WNetOpenEnumA(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEA resource, LPHANDLE handle);
// Fills buffer with NETRESOURCEA records followed by their strings ("\\NAME\share"), as many as
// fit and as *count asks (-1: all); ERROR_NO_MORE_ITEMS at the end, ERROR_MORE_DATA when not even
// one record fits (*bufferSize then holds the size needed).
DWORD WNetEnumResourceA(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD bufferSize);
DWORD WNetCloseEnum(HANDLE handle);
// The remote name of a connected drive. Linux has no drive connections: ERROR_NOT_CONNECTED for
// every local name (ERROR_BAD_DEVICE for an empty one).
DWORD WNetGetConnectionA(LPCSTR localName, LPSTR remoteName, LPDWORD length);
#define WNetOpenEnum WNetOpenEnumA
#define WNetEnumResource WNetEnumResourceA
#define WNetGetConnection WNetGetConnectionA
#ifndef ERROR_BAD_DEVICE
#define ERROR_BAD_DEVICE 1200L
#endif

MISC_PUBLIC_END
