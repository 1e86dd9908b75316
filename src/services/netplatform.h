#pragma once
// The platform classes behind CAPINetworkInterface: one per Windows family, each keeping that
// family's limits and messages, both reaching the platform's server (win32/network.h).
#include <afx.h>

class CNetAPIPlatform {
public:
    virtual ~CNetAPIPlatform() = default;
    // Fills the computer name; returns its length (0 when there is none).
    virtual int NetServerGetInfo() = 0;
    virtual bool NetShareAdd(char* shareName, char* path) = 0;
    virtual bool NetShareDel(char* shareName) = 0;
    // The local path of a share into pathOut (256 characters); non-zero on success.
    virtual int NetShareGetInfo(const char* shareName, char* pathOut) = 0;
    // 1 shared, 0 not shared, -1 error.
    virtual int NetShareCheck(const char* device) = 0;
    virtual CString GetServerName() = 0;
};

// What the two families have in common: the fields and the calls of the server.
class CNetAPIServer : public CNetAPIPlatform {
public:
    explicit CNetAPIServer(HWND parent);
    int NetServerGetInfo() override;
    bool NetShareAdd(char* shareName, char* path) override;
    bool NetShareDel(char* shareName) override;
    int NetShareCheck(const char* device) override;
    CString GetServerName() override { return m_serverName; }

    bool m_hNetApi;        // the server interface was found (a server exists)
    CString m_serverName;  // leading blanks removed
    HWND m_hWnd;           // kept, not used

protected:
    // The longest share name of the family.
    virtual size_t MaxShareName() const = 0;
    // The message of a result code of NetShareAdd, 0 for none.
    virtual UINT AddMessage(DWORD result) const = 0;
    // Looks the share's path up; false when it fails.
    bool GetSharePath(const char* shareName, char* pathOut);
};

class CAPINetWIN_95 : public CNetAPIServer {
public:
    explicit CAPINetWIN_95(HWND parent = nullptr);
    int NetShareGetInfo(const char* shareName, char* pathOut) override;

protected:
    size_t MaxShareName() const override { return 12; }
    UINT AddMessage(DWORD result) const override;
};

class CAPINetWIN_NT : public CNetAPIServer {
public:
    explicit CAPINetWIN_NT(HWND parent = nullptr);
    int NetShareGetInfo(const char* shareName, char* pathOut) override;

protected:
    size_t MaxShareName() const override { return 80; }
    UINT AddMessage(DWORD result) const override;
};

// Shows string `id` of the resource module in a message box (OK button).
void NetShowMessage(UINT id);
