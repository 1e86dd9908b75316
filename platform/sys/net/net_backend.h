#pragma once
// The backends of the local network server: Samba user shares through `net`, and a server kept
// in this process. Names and paths reach a backend already checked (see net_api.cpp).
#include "win32/network.h"

#include <string>
#include <vector>

namespace miscnet {

struct Share {
    std::string name;
    std::string path;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;
    // Windows network codes, as MiscNetShareAdd and MiscNetShareDel give them.
    virtual DWORD Add(const std::string& name, const std::string& path) = 0;
    virtual DWORD Del(const std::string& name) = 0;
    // Every share, in the server's order; false when the server cannot be asked.
    virtual bool List(std::vector<Share>& shares) = 0;
};

// The backend chosen by $MISC_NET_BACKEND, or null when there is no network. Looked up on every
// call, so a test can switch it.
Backend* CurrentBackend();
Backend& SimulatedBackend();
Backend& SambaBackend();
// Whether the `net` program can be found on $PATH.
bool SambaInstalled();

} // namespace miscnet
