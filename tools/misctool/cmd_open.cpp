// misctool open: open the product's home or support page in the user's browser.
#include <misc/misc.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"

namespace misctool {

namespace {

int RunOpen(Context& ctx, const std::vector<std::string>& args)
{
    std::vector<std::string> words;
    ArgParser parser;
    parser.Rest(&words);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (words.size() != 1 || (words[0] != "home" && words[0] != "support"))
        return BadUsage(ctx, "give home or support");
    CInternetSupportAPI web;
    if (words[0] == "home")
        web.OnWebHome();
    else
        web.OnWebSupport();
    MiscShellWaitChildren();
    if (web.GetLastUrl().IsEmpty())
        return Fail(ctx, "no address in the resource module");
    ctx.out << web.GetLastUrl().GetString() << "\n";
    return kExitOk;
}

} // namespace

const Command& OpenCommand()
{
    static const Command command{
        "open", "Open the home or support page", "home|support",
        "Opens the address of the resource module's home or support page with xdg-open\n"
        "(which honours $BROWSER) and prints it.",
        &RunOpen};
    return command;
}

} // namespace misctool
