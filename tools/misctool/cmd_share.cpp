// misctool share: share folders of this computer and print universal paths.
#include <misc/misc.h>

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"

namespace misctool {

namespace {

// Prints the message boxes the library showed (answered without a person).
void ReportBoxes(Context& ctx)
{
    for (const MiscMessageBoxRequest& box : MiscMessageBoxLog())
        ctx.err << "misctool share: " << box.text << "\n";
}

int List(Context& ctx, CAPINetworkInterface& net)
{
    const CString root = "\\\\" + net.GetLocalServerName();
    NETRESOURCEA container = {RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SERVER,
                              RESOURCEUSAGE_CONTAINER, nullptr, const_cast<char*>(root.GetString()),
                              nullptr, nullptr};
    HANDLE handle = nullptr;
    if (WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, 0, &container, &handle) != NO_ERROR)
        return Fail(ctx, "the shares cannot be listed");
    std::vector<char> buffer(16384);
    for (;;) {
        DWORD count = static_cast<DWORD>(-1), size = static_cast<DWORD>(buffer.size());
        if (WNetEnumResourceA(handle, &count, buffer.data(), &size) != NO_ERROR)
            break;
        const auto* entries = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) {
            const char* name = entries[i].lpRemoteName + root.GetLength() + 1;
            char path[256] = {};
            net.ShareGetInfoDeviceDLL(name, path);
            ctx.out << name << "\t" << path << "\n";
        }
    }
    WNetCloseEnum(handle);
    return kExitOk;
}

int RunShare(Context& ctx, const std::vector<std::string>& args)
{
    std::vector<std::string> words;
    ArgParser parser;
    parser.Rest(&words);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (words.empty())
        return BadUsage(ctx, "give add, delete, list or unc");
    const std::string& verb = words[0];
    const size_t wanted = verb == "add" ? 3 : verb == "list" ? 1 : 2;
    if ((verb != "add" && verb != "delete" && verb != "list" && verb != "unc") || words.size() != wanted)
        return BadUsage(ctx, "give add NAME PATH, delete NAME, list or unc PATH");
    CAPINetworkInterface net;
    if (!net.InitNetworkAPI(nullptr))
        return Fail(ctx, std::string("the network is not available (") + MiscNetBackendName() + ")");
    MiscClearMessageBoxLog();
    bool ok = true;
    if (verb == "add") {
        char full[_MAX_PATH];
        if (_fullpath(full, words[2].c_str(), sizeof full) == nullptr)
            return Fail(ctx, "the path is too long");
        ok = net.NetShareAddDLL(words[1].data(), full);
    } else if (verb == "delete") {
        ok = net.NetShareDelDLL(words[1].data());
    } else if (verb == "list") {
        return List(ctx, net);
    } else {
        CString unc = net.GetUnivPath(words[1].c_str());
        if (unc.IsEmpty())
            ok = false;
        else
            ctx.out << unc.GetString() << "\n";
    }
    ReportBoxes(ctx);
    if (!ok)
        return Fail(ctx, verb == "unc" ? "no share covers the file" : "the server refused");
    return kExitOk;
}

} // namespace

const Command& ShareCommand()
{
    static const Command command{
        "share", "Share folders and print universal paths", "add NAME PATH | delete NAME | list | unc PATH",
        "Shares a folder of this computer, removes a share, lists the shares (name and path) or\n"
        "prints the universal path (\\\\computer\\share\\rest) of a file. The server is Samba's user\n"
        "shares (`net usershare`, with $MISC_SAMBA_CONF as its configuration when set), or the\n"
        "in-process one with MISC_NET_BACKEND=simulated.",
        &RunShare};
    return command;
}

} // namespace misctool
