// CAPINetworkInterface: the platform object, this computer's shares and universal paths.
#include "misc/services/netshare.h"

#include "netplatform.h"

#include <afxwin.h>
#include <mfc/resscope.h>
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

constexpr UINT IDS_SHARE_DEFAULT_COMPUTER_NAME = 29017;
constexpr UINT IDS_SHARE_NO_FULL_PATH = 29018;

// Turns '/' into '\', the separator of universal paths.
CString Backslashed(CString text)
{
    text.Replace('/', '\\');
    return text;
}

// The drive root of a folder: "C:\" for a Windows path, "/" for a Linux one, "" for a bare
// drive or an empty folder.
CString DriveRoot(const CString& folder)
{
    int slash = folder.FindOneOf("\\/");
    return slash < 0 ? CString() : folder.Left(slash + 1);
}

// Whether `share` is a folder above `folder` (the text up to a separator), ignoring case.
bool Covers(const CString& share, const CString& folder)
{
    CString root = share;
    root.TrimRight("\\/");
    if (root.IsEmpty() || root.GetLength() >= folder.GetLength())
        return false;
    const char next = folder[root.GetLength()];
    return (next == '/' || next == '\\') && folder.Left(root.GetLength()).CompareNoCase(root) == 0;
}

} // namespace

CAPINetworkInterface::CAPINetworkInterface() = default;

CAPINetworkInterface::~CAPINetworkInterface() = default;

bool CAPINetworkInterface::InitNetworkAPI(HWND parent)
{
    const DWORD version = GetVersion();
    if (version & 0x80000000u) {
        if ((version & 0xff) < 4) {
            m_osType = 2;
            return false;
        }
        m_osType = 0;
        m_pPlatform = std::make_shared<CAPINetWIN_95>(parent);
    } else {
        m_osType = 1;
        m_pPlatform = std::make_shared<CAPINetWIN_NT>(parent);
    }
    // Without a server there is nothing to share through.
    if (m_pPlatform->GetServerName().IsEmpty() || !MiscNetAvailable()) {
        m_pPlatform.reset();
        return false;
    }
    return true;
}

bool CAPINetworkInterface::IsNetworkEnable() { return m_pPlatform != nullptr; }

int CAPINetworkInterface::NetServerGetInfoDLL()
{
    return m_pPlatform ? m_pPlatform->NetServerGetInfo() : 0;
}

bool CAPINetworkInterface::NetShareAddDLL(char* shareName, char* path)
{
    if (shareName == nullptr || path == nullptr || !m_pPlatform)
        return false;
    return m_pPlatform->NetShareAdd(shareName, path);
}

bool CAPINetworkInterface::NetShareDelDLL(char* shareName)
{
    if (shareName == nullptr || !m_pPlatform)
        return false;
    return m_pPlatform->NetShareDel(shareName);
}

int CAPINetworkInterface::ShareGetInfoDeviceDLL(const char* shareName, char* pathOut)
{
    if (shareName == nullptr || pathOut == nullptr || !m_pPlatform)
        return 0;
    return m_pPlatform->NetShareGetInfo(shareName, pathOut);
}

int CAPINetworkInterface::NetShareCheckDLL(const char* device)
{
    if (device == nullptr || !m_pPlatform)
        return -1;
    return m_pPlatform->NetShareCheck(device);
}

CString CAPINetworkInterface::GetLocalServerName()
{
    CString name;
    {
        CCallResourceScope scope;
        name.LoadString(IDS_SHARE_DEFAULT_COMPUTER_NAME);
    }
    char computer[256] = {};
    DWORD size = sizeof computer;
    if (GetComputerNameA(computer, &size))
        name = computer;
    if (m_pPlatform)
        name = m_pPlatform->GetServerName();
    name.TrimLeft(' ');
    return name;
}

DRIVER_SHARE_TYPE CAPINetworkInterface::FinedDeviceSharedName(CString folder, CString& uncShare)
{
    CString sharePath;
    return FindShare(folder, uncShare, sharePath);
}

DRIVER_SHARE_TYPE CAPINetworkInterface::FindShare(const CString& folder, CString& uncShare,
                                                  CString& sharePath)
{
    const CString server = GetLocalServerName();
    if (server.IsEmpty() || !m_pPlatform)
        return DRIVER_SHARE_NONE;
    CString root = "\\\\" + server;
    NETRESOURCEA container = {RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SERVER,
                              RESOURCEUSAGE_CONTAINER, const_cast<char*>(""),
                              const_cast<char*>(root.GetString()), const_cast<char*>(""),
                              const_cast<char*>("")};
    HANDLE handle = nullptr;
    if (WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &container, &handle) != NO_ERROR)
        return DRIVER_SHARE_NONE;
    std::vector<char> buffer(16384, 0);
    DWORD count = static_cast<DWORD>(-1), size = static_cast<DWORD>(buffer.size());
    DRIVER_SHARE_TYPE found = DRIVER_SHARE_NONE;
    if (WNetEnumResourceA(handle, &count, buffer.data(), &size) == NO_ERROR) {
        const CString driveRoot = DriveRoot(folder);
        const auto* entries = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count && found == DRIVER_SHARE_NONE; ++i) {
            if (entries[i].dwDisplayType != RESOURCEDISPLAYTYPE_SHARE)
                continue;
            const CString name = entries[i].lpRemoteName + root.GetLength() + 1;
            char path[256] = {};
            if (ShareGetInfoDeviceDLL(name, path) == 0)
                continue;
            // The drive root (or, on Linux, any folder above) is tested before the folder itself.
            if ((!driveRoot.IsEmpty() && driveRoot.CompareNoCase(path) == 0) || Covers(path, folder))
                found = DRIVER_SHARE_ROOT;
            else if (folder.CompareNoCase(path) == 0)
                found = DRIVER_SHARE_FOLDER;
            if (found != DRIVER_SHARE_NONE) {
                uncShare = root + "\\" + name;
                sharePath = path;
            }
        }
    }
    WNetCloseEnum(handle);
    return found;
}

int CAPINetworkInterface::GetDeviceSharedName(CString& localPath, CString& uncPath)
{
    char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(localPath, drive, dir, name, ext);
    CString folder = CString(drive) + dir;
    folder.TrimRight("\\/");
    CString share, sharePath;
    DRIVER_SHARE_TYPE found = FindShare(folder, share, sharePath);
    if (found == DRIVER_SHARE_ROOT) {
        // The rest of the folder below the shared one, which begins with a separator.
        CString shared = sharePath;
        shared.TrimRight("\\/");
        CString rest = folder.Mid(shared.GetLength());
        if (rest.IsEmpty() || (rest[0] != '\\' && rest[0] != '/'))
            rest = "\\" + rest;
        uncPath += share + Backslashed(rest) + "\\" + name + ext;
    } else if (found == DRIVER_SHARE_FOLDER) {
        uncPath += share + "\\" + name + ext;
    }
    return found;
}

CString CAPINetworkInterface::GetUnivPath(const char* path)
{
    if (path == nullptr)
        return CString();
    // A universal path names its computer already.
    if ((path[0] == '\\' || path[0] == '/') && path[1] == path[0] && path[2] != '\0' &&
        path[2] != '\\' && path[2] != '/')
        return CString(path);
    char full[_MAX_PATH];
    if (_fullpath(full, path, sizeof full) == nullptr) {
        NetShowMessage(IDS_SHARE_NO_FULL_PATH);
        return CString();
    }
    char drive[_MAX_DRIVE] = {};
    _splitpath(full, drive, nullptr, nullptr, nullptr);
    char remote[_MAX_PATH] = {};
    DWORD length = sizeof remote;
    if (drive[0] != '\0' && WNetGetConnectionA(drive, remote, &length) == NO_ERROR) {
        char dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
        _splitpath(full, nullptr, dir, name, ext);
        return CString(remote) + Backslashed(dir) + name + ext;
    }
    CString local = full, unc;
    GetDeviceSharedName(local, unc);
    return unc;
}
