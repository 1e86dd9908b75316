#pragma once
// CAPINetworkInterface: shares folders of this computer on the network, removes shares, asks
// whether a folder is shared, and turns file paths into universal paths (\\computer\share\rest,
// the form Windows peers read from stored files). The server is the platform's (win32/network.h):
// Samba user shares, or a simulated server for tests. Without one every operation gives its
// "not available" answer (false, 0, -1 or an empty string) and shows nothing.
#include <afx.h>

#include <memory>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CNetAPIPlatform;

// What FinedDeviceSharedName found.
enum DRIVER_SHARE_TYPE {
    DRIVER_SHARE_NONE = 0,   // no share covers the folder
    DRIVER_SHARE_FOLDER = 1, // the folder itself is shared
    DRIVER_SHARE_ROOT = 2,   // a folder above it (its drive root on Windows) is shared
};

class CAPINetworkInterface {
public:
    CAPINetworkInterface();
    ~CAPINetworkInterface();
    // Copies share the platform object; it is destroyed with the last copy.
    CAPINetworkInterface(const CAPINetworkInterface& other) = default;
    CAPINetworkInterface& operator=(const CAPINetworkInterface& other) = default;

    // Picks the platform from the reported Windows version (0 Windows 95 family, 1 NT family,
    // 2 Win32s, which has no network); false when there is no network or no computer name.
    bool InitNetworkAPI(HWND parent);
    bool IsNetworkEnable();
    int NetServerGetInfoDLL();
    bool NetShareAddDLL(char* shareName, char* path);
    bool NetShareDelDLL(char* shareName);
    // pathOut must hold 256 characters.
    int ShareGetInfoDeviceDLL(const char* shareName, char* pathOut);
    // 1 shared, 0 not shared, -1 error or no network.
    int NetShareCheckDLL(const char* device);
    CString GetLocalServerName();
    // Appends the universal path of a local file to uncPath; returns the DRIVER_SHARE_TYPE found.
    int GetDeviceSharedName(CString& localPath, CString& uncPath);
    DRIVER_SHARE_TYPE FinedDeviceSharedName(CString folder, CString& uncShare);
    CString GetUnivPath(const char* path);

    int m_osType = 0;
    std::shared_ptr<CNetAPIPlatform> m_pPlatform;

private:
    DRIVER_SHARE_TYPE FindShare(const CString& folder, CString& uncShare, CString& sharePath);
};

MISC_PUBLIC_END
