// CAPINetWIN_95 and CAPINetWIN_NT: the server calls of each Windows family, with its limits
// and the messages of its result codes.
#include "netplatform.h"

#include <afxwin.h>
#include <mfc/resscope.h>
#include <windows.h>

#include <cstring>

namespace {

constexpr UINT IDS_SHARE_ACCESS_DENIED = 29008;
constexpr UINT IDS_SHARE_INVALID_NAME = 29009;
constexpr UINT IDS_SHARE_INVALID_PARAMETER = 29010;
constexpr UINT IDS_SHARE_DUPLICATE_NAME = 29011;
constexpr UINT IDS_SHARE_REDIRECTED_PATH = 29012;
constexpr UINT IDS_SHARE_UNKNOWN_DEVICE = 29013;
constexpr UINT IDS_SHARE_ACCESS_DENIED_SHARING_OFF = 29015;
constexpr UINT IDS_SHARE_INVALID_LEVEL = 29016;

constexpr size_t kMaxPath = 255;

bool HasControl(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p < 0x20 || *p == 0x7f)
            return true;
    return false;
}

// The messages both families give for the same codes.
UINT CommonAddMessage(DWORD result)
{
    switch (result) {
    case ERROR_INVALID_PARAMETER: return IDS_SHARE_INVALID_PARAMETER;
    case ERROR_INVALID_NAME: return IDS_SHARE_INVALID_NAME;
    case NERR_UnknownDevDir: return IDS_SHARE_UNKNOWN_DEVICE;
    case NERR_RedirectedPath: return IDS_SHARE_REDIRECTED_PATH;
    case NERR_DuplicateShare: return IDS_SHARE_DUPLICATE_NAME;
    default: return 0;
    }
}

} // namespace

void NetShowMessage(UINT id)
{
    CCallResourceScope scope;
    CString text;
    text.LoadString(id);
    AfxMessageBox(text, MB_OK);
}

CNetAPIServer::CNetAPIServer(HWND parent) : m_hNetApi(MiscNetAvailable() != FALSE), m_hWnd(parent) {}

int CNetAPIServer::NetServerGetInfo()
{
    // Linux host names may be longer than the 15 characters of a Windows computer name.
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size) || name[0] == '\0')
        return 0;
    m_serverName = name;
    m_serverName.TrimLeft(' ');
    return m_serverName.GetLength();
}

bool CNetAPIServer::NetShareAdd(char* shareName, char* path)
{
    if (shareName == nullptr || path == nullptr || !m_hNetApi)
        return false;
    // Names and paths that would not fit the family's records are refused here, before the
    // server sees them; so are control characters, which no share name or path may hold.
    DWORD result;
    if (std::strlen(shareName) > MaxShareName() || shareName[0] == '\0' || HasControl(shareName))
        result = ERROR_INVALID_NAME;
    else if (std::strlen(path) > kMaxPath || HasControl(path))
        result = ERROR_INVALID_PARAMETER;
    else
        result = MiscNetShareAdd(shareName, path);
    if (result == NERR_Success)
        return true;
    if (UINT id = AddMessage(result))
        NetShowMessage(id);
    return false;
}

bool CNetAPIServer::NetShareDel(char* shareName)
{
    if (shareName == nullptr || !m_hNetApi)
        return false;
    DWORD result = HasControl(shareName) ? ERROR_INVALID_PARAMETER : MiscNetShareDel(shareName);
    switch (result) {
    case NERR_Success:
        return true;
    case ERROR_ACCESS_DENIED:
    case ERROR_NOT_ENOUGH_MEMORY:
    case NERR_NetNameNotFound:
        NetShowMessage(IDS_SHARE_ACCESS_DENIED);
        return false;
    case ERROR_INVALID_PARAMETER:
        NetShowMessage(IDS_SHARE_INVALID_PARAMETER);
        return false;
    default:
        return false;
    }
}

bool CNetAPIServer::GetSharePath(const char* shareName, char* pathOut)
{
    if (shareName == nullptr || pathOut == nullptr || !m_hNetApi)
        return false;
    char path[256] = {};
    if (MiscNetShareGetInfo(shareName, path, sizeof path) != NERR_Success)
        return false;
    std::memcpy(pathOut, path, std::strlen(path) + 1);
    return true;
}

int CNetAPIServer::NetShareCheck(const char* device)
{
    if (device == nullptr || !m_hNetApi)
        return -1;
    DWORD type = 0;
    switch (MiscNetShareCheck(device, &type)) {
    case NERR_Success: return 1;
    case NERR_DeviceNotShared: return 0;
    default: return -1;
    }
}

CAPINetWIN_95::CAPINetWIN_95(HWND parent) : CNetAPIServer(parent) { NetServerGetInfo(); }

int CAPINetWIN_95::NetShareGetInfo(const char* shareName, char* pathOut)
{
    return GetSharePath(shareName, pathOut) ? 1 : 0;
}

UINT CAPINetWIN_95::AddMessage(DWORD result) const
{
    if (result == ERROR_ACCESS_DENIED)
        return IDS_SHARE_ACCESS_DENIED_SHARING_OFF;
    if (result == ERROR_INVALID_LEVEL)
        return IDS_SHARE_INVALID_LEVEL;
    return CommonAddMessage(result);
}

CAPINetWIN_NT::CAPINetWIN_NT(HWND parent) : CNetAPIServer(parent) { NetServerGetInfo(); }

int CAPINetWIN_NT::NetShareGetInfo(const char* shareName, char* pathOut)
{
    // The length of the path with its NUL, as the conversion back from UTF-16 counts it.
    return GetSharePath(shareName, pathOut) ? static_cast<int>(std::strlen(pathOut) + 1) : 0;
}

UINT CAPINetWIN_NT::AddMessage(DWORD result) const
{
    if (result == ERROR_ACCESS_DENIED || result == ERROR_INVALID_LEVEL)
        return IDS_SHARE_ACCESS_DENIED;
    return CommonAddMessage(result);
}
