#pragma once
// misctool's subcommands.
//
// Adding a subcommand:
//   1. Write tools/misctool/cmd_<name>.cpp with a function that returns its table entry:
//        const misctool::Command& RenderCommand()
//        {
//            static const misctool::Command command{"render", "Render a window to PNG",
//                "[--out FILE] DIALOG", "Longer help, one or more lines.", &RunRender};
//            return command;
//        }
//      RunRender(Context&, args) parses its arguments (ArgParser in args.h), prints to ctx.out
//      and returns kExitOk, Fail(ctx, "...") or BadUsage(ctx, "...").
//   2. Add one line X(Render) to MISCTOOL_COMMANDS below. The list is the order of --help.
// `misctool <name> --help` is answered by the framework from the entry.
#include <iosfwd>
#include <string>
#include <vector>

namespace misctool {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// What a running subcommand writes to.
struct Context {
    std::ostream& out;
    std::ostream& err;
    std::string command; // the subcommand's name, for messages
};

struct Command {
    const char* name;
    const char* summary; // one line for `misctool --help`
    const char* usage;   // its arguments, e.g. "[--verbose] FILE"
    const char* help;    // more lines for `misctool <name> --help`; may be empty
    int (*run)(Context& ctx, const std::vector<std::string>& args);
};

// One-line messages on stderr: "misctool <command>: <message>". Fail returns kExitFailure,
// BadUsage kExitUsage (and points to --help).
int Fail(Context& ctx, const std::string& message);
int BadUsage(Context& ctx, const std::string& message);

#define MISCTOOL_COMMANDS(X) \
    X(Demo) \
    X(Profile) \
    X(Log) \
    X(Contour) \
    X(Cut) \
    X(Render) \
    X(Entity) \
    X(Versions) \
    X(Cbi) \
    X(Fpf) \
    X(Tools) \
    X(Gallery) \
    X(Show) \
    X(Open) \
    X(Share) \
    X(Mail) \
    X(Shortcuts)

#define MISCTOOL_DECLARE_COMMAND(name) const Command& name##Command();
MISCTOOL_COMMANDS(MISCTOOL_DECLARE_COMMAND)
#undef MISCTOOL_DECLARE_COMMAND

// Every subcommand, in the order of the list.
std::vector<const Command*> AllCommands();

} // namespace misctool
