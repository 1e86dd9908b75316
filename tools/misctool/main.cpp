// misctool: the command line to the library's files and services.
//
//   misctool --help | --version | <command> [arguments] | <command> --help
//
// Exit status: 0 success, 1 failure, 2 bad usage; every failure prints one line on stderr.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

#include <misc/frame/startup.h>

#ifndef MISCTOOL_VERSION
#define MISCTOOL_VERSION "10.0.1151"
#endif

namespace misctool {

std::vector<const Command*> AllCommands()
{
    std::vector<const Command*> list;
#define MISCTOOL_LIST_COMMAND(name) list.push_back(&name##Command());
    MISCTOOL_COMMANDS(MISCTOOL_LIST_COMMAND)
#undef MISCTOOL_LIST_COMMAND
    return list;
}

int Fail(Context& ctx, const std::string& message)
{
    ctx.err << "misctool " << ctx.command << ": " << message << "\n";
    return kExitFailure;
}

int BadUsage(Context& ctx, const std::string& message)
{
    ctx.err << "misctool " << ctx.command << ": " << message << " (see misctool " << ctx.command
            << " --help)\n";
    return kExitUsage;
}

namespace {

void PrintHelp(std::ostream& out)
{
    out << "usage: misctool <command> [arguments]\n"
        << "       misctool <command> --help\n"
        << "       misctool --help | --version\n\n"
        << "Commands:\n";
    size_t width = 0;
    for (const Command* c : AllCommands())
        width = std::max(width, std::strlen(c->name));
    for (const Command* c : AllCommands())
        out << "  " << c->name << std::string(width - std::strlen(c->name) + 2, ' ') << c->summary << "\n";
}

void PrintCommandHelp(std::ostream& out, const Command& c)
{
    out << "usage: misctool " << c.name;
    if (c.usage && *c.usage)
        out << " " << c.usage;
    out << "\n\n" << c.summary << "\n";
    if (c.help && *c.help)
        out << "\n" << c.help << "\n";
}

} // namespace

} // namespace misctool

int main(int argc, char** argv)
{
    using namespace misctool;
    // The library is attached explicitly, as the loader would attach it to a host; InitMiscDLL
    // stays the commands' own step.
    MiscAttachLibrary();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "misctool: no command given (see misctool --help)\n";
        return kExitUsage;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << "misctool " << MISCTOOL_VERSION << "\n";
        return kExitOk;
    }
    const Command* command = nullptr;
    for (const Command* c : AllCommands())
        if (first == c->name)
            command = c;
    if (!command) {
        if (!first.empty() && first[0] == '-')
            std::cerr << "misctool: unknown option " << first << " (see misctool --help)\n";
        else
            std::cerr << "misctool: unknown command " << first << " (see misctool --help)\n";
        return kExitUsage;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& a : rest) {
        if (a == "--")
            break;
        if (a == "--help" || a == "-h") {
            PrintCommandHelp(std::cout, *command);
            return kExitOk;
        }
    }
    Context ctx{std::cout, std::cerr, command->name};
    return command->run(ctx, rest);
}
