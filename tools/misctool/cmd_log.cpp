// misctool log: append a line to the log file through CLogFile.
#include <misc/misc.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"

namespace misctool {

namespace {

int RunLog(Context& ctx, const std::vector<std::string>& args)
{
    std::string file, profileName = "misc.ini";
    bool user = false, noTime = false, fresh = false, common = false;
    std::vector<std::string> words;
    ArgParser parser;
    parser.Option("--file", &file)
        .Option("--profile", &profileName)
        .Flag("--common", &common)
        .Flag("--user", &user)
        .Flag("--no-time", &noTime)
        .Flag("--new", &fresh)
        .Rest(&words);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (words.empty())
        return BadUsage(ctx, "no message given");
    std::string message;
    for (const std::string& w : words)
        message += (message.empty() ? "" : " ") + w;
    if (!KestProfile::m_initialized) {
        KestProfile::m_name = profileName.c_str();
        KestProfile::m_privateUsing = !common;
    }
    CLogFile log(file.empty() ? "" : file.c_str(), 1, user ? 1 : 0, noTime ? 0 : 1, fresh ? 1 : 0);
    // A failure shows the library's message box; without a person it is answered and recorded.
    MiscClearMessageBoxLog();
    int n = log.Add("%s", message.c_str());
    for (const MiscMessageBoxRequest& box : MiscMessageBoxLog())
        ctx.err << "misctool log: " << box.text << "\n";
    if (n == 0 && !message.empty())
        return kExitFailure;
    ctx.out << log.m_fileName << "\n";
    return kExitOk;
}

} // namespace

const Command& LogCommand()
{
    static const Command command{
        "log", "Append a line to the log file", "[--file PATH] [--profile NAME] [--common] [--user] [--no-time] [--new] MESSAGE...",
        "Writes MESSAGE as one line through the library's log file and prints the file's path.\n"
        "Without --file the path comes from the key \"log file\" of the section \"Kestrel Mark\" of\n"
        "the user profile file NAME (default misc.ini, per user unless --common), else vmx.log in\n"
        "the temporary folder. --user adds the user name, --no-time leaves out the time stamp,\n"
        "--new empties the file first.",
        &RunLog};
    return command;
}

} // namespace misctool
