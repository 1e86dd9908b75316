// The simulated server: shares kept in this process, with the server's answers.
#include "net_backend.h"

#include <mutex>
#include <strings.h>
#include <sys/stat.h>

namespace miscnet {
namespace {

class Simulated : public Backend {
public:
    const char* Name() const override { return "simulated"; }
    DWORD Add(const std::string& name, const std::string& path) override
    {
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return NERR_UnknownDevDir;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (Find(name) != m_shares.end())
            return NERR_DuplicateShare;
        m_shares.push_back({name, path});
        return NERR_Success;
    }
    DWORD Del(const std::string& name) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = Find(name);
        if (it == m_shares.end())
            return NERR_NetNameNotFound;
        m_shares.erase(it);
        return NERR_Success;
    }
    bool List(std::vector<Share>& shares) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        shares = m_shares;
        return true;
    }
    void Reset()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_shares.clear();
    }

private:
    // Share names compare without regard to case, as the server does.
    std::vector<Share>::iterator Find(const std::string& name)
    {
        for (auto it = m_shares.begin(); it != m_shares.end(); ++it)
            if (strcasecmp(it->name.c_str(), name.c_str()) == 0)
                return it;
        return m_shares.end();
    }
    std::mutex m_mutex;
    std::vector<Share> m_shares;
};

Simulated& Instance()
{
    static Simulated server;
    return server;
}

} // namespace

Backend& SimulatedBackend() { return Instance(); }

} // namespace miscnet

void MiscNetSimulatedReset() { miscnet::Instance().Reset(); }
