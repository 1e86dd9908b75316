// misctool cut: one cut-node command on a contour file's nodes, or the cut-node dialog as PNG.
#include <misc/cutnode.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "contour_file.h"
#include "gallery.h"

namespace misctool {

namespace {

struct CommandName {
    const char* name;
    ENUM_CUT_CONTOUR_COMMAND command;
};

const CommandName kCommands[] = {
    {"forward", CUT_CONTOUR_FORWARD},      {"backward", CUT_CONTOUR_BACKWARD},
    {"to-point", CUT_CONTOUR_TO_POINT},    {"reverse", CUT_CONTOUR_REVERSE},
    {"direction", CUT_CONTOUR_DIRECTION},  {"nothing", CUT_CONTOUR_NOTHING},
    {"clockwise", CUT_CONTOUR_CLOCKWISE},  {"break-point", CUT_CONTOUR_BREAK_POINT},
};

// A whole decimal number of 32 bits.
bool ParseInt(const std::string& text, int& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

bool ParseCommand(const std::string& text, ENUM_CUT_CONTOUR_COMMAND& command)
{
    for (const CommandName& c : kCommands)
        if (text == c.name) {
            command = c.command;
            return true;
        }
    int number = 0;
    if (!ParseInt(text, number) || number < 1 || number > 8)
        return false;
    command = static_cast<ENUM_CUT_CONTOUR_COMMAND>(number);
    return true;
}

// "2,5,7": the smooth points (no break points there).
bool ParseSmooth(const std::string& text, size_t points, std::vector<bool>& smooth)
{
    smooth.assign(points, false);
    size_t at = 0;
    while (at <= text.size() && !text.empty()) {
        size_t comma = text.find(',', at);
        std::string item = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        int index = 0;
        if (!ParseInt(item, index) || index < 0 || static_cast<size_t>(index) >= points)
            return false;
        smooth[static_cast<size_t>(index)] = true;
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return true;
}

// The dialog for the file's contour, as a picture.
int RunEdit(Context& ctx, const std::string& file, const std::string& node, const std::string& png)
{
    if (png.empty())
        return BadUsage(ctx, "cut edit needs --png OUT");
    int current = 0;
    if (!node.empty() && !ParseInt(node, current))
        return BadUsage(ctx, "--node takes a whole number");
    ContourText contour;
    ContourTextError error;
    if (!ReadContourFile(file, contour, error))
        return Fail(ctx, file + (error.line ? ":" + std::to_string(error.line) : std::string()) + ": " + error.message);
    if (contour.points.empty())
        return Fail(ctx, file + ": the contour has no points");
    CArray<tagCutNode, tagCutNode> nodes;
    for (const tagCutNode& n : contour.nodes)
        nodes.Add(n);
    std::string why;
    if (!RenderCutNodeDialog(contour.points.data(), static_cast<int>(contour.points.size()), contour.closed, nodes,
                             current, png, why))
        return Fail(ctx, why);
    ctx.out << png << "\n";
    return kExitOk;
}

int RunCut(Context& ctx, const std::vector<std::string>& args)
{
    std::string commandText, file, node, value, flag, smoothText, png;
    ArgParser parser;
    parser.Positional("COMMAND", &commandText).Positional("FILE", &file);
    parser.Option("--node", &node).Option("--value", &value).Option("--flag", &flag).Option("--smooth", &smoothText);
    parser.Option("--png", &png);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (commandText == "edit")
        return RunEdit(ctx, file, node, png);
    if (!png.empty())
        return BadUsage(ctx, "--png belongs to 'cut edit'");
    ENUM_CUT_CONTOUR_COMMAND command = CUT_CONTOUR_NOTHING;
    if (!ParseCommand(commandText, command))
        return BadUsage(ctx, "unknown command '" + commandText + "' (1-8, forward, backward, to-point, reverse, "
                                                                "direction, nothing, clockwise, break-point)");
    int current = 0, valueNumber = 0, flagNumber = 0;
    if (!node.empty() && !ParseInt(node, current))
        return BadUsage(ctx, "--node takes a whole number");
    if (!value.empty() && !ParseInt(value, valueNumber))
        return BadUsage(ctx, "--value takes a whole number");
    if (!flag.empty() && !ParseInt(flag, flagNumber))
        return BadUsage(ctx, "--flag takes a whole number");
    ContourText contour;
    ContourTextError error;
    if (!ReadContourFile(file, contour, error))
        return Fail(ctx, file + (error.line ? ":" + std::to_string(error.line) : std::string()) + ": " + error.message);
    std::vector<bool> smooth;
    if (!smoothText.empty() && !ParseSmooth(smoothText, contour.points.size(), smooth))
        return BadUsage(ctx, "--smooth takes point numbers separated by commas");
    CArray<tagCutNode, tagCutNode> nodes;
    for (const tagCutNode& n : contour.nodes)
        nodes.Add(n);
    int currentOut = 0;
    int result = selectCutContour(nullptr, contour.points.data(), static_cast<int>(contour.points.size()),
                                  contour.closed, "misctool", nodes, command, current,
                                  value.empty() ? nullptr : &valueNumber, flag.empty() ? nullptr : &flagNumber,
                                  nullptr, 0, &currentOut, 0, smoothText.empty() ? nullptr : &smooth);
    ctx.out << "carried out: " << (result ? "yes" : "no") << "\n";
    if (result)
        ctx.out << "current: " << currentOut << "\n";
    if (!value.empty())
        ctx.out << "value: " << valueNumber << "\n";
    if (!flag.empty() && result)
        ctx.out << "flag: " << flagNumber << "\n";
    for (INT_PTR i = 0; i < nodes.GetSize(); ++i)
        ctx.out << "node " << nodes[i].start << " " << nodes[i].length << " " << nodes[i].layer << " "
                << nodes[i].flags << "\n";
    return kExitOk;
}

} // namespace

const Command& CutCommand()
{
    static const Command command{
        "cut", "Apply one cut-node command to a contour file's nodes",
        "COMMAND FILE [--node N] [--value V] [--flag F] [--smooth LIST] | edit FILE --png OUT [--node N]",
        "COMMAND is 1-8 or forward, backward, to-point, reverse, direction, nothing, clockwise,\n"
        "break-point. FILE is a contour text file (see `misctool contour info`). --node is the\n"
        "current node (from 0), --value the command's value, --flag the extra check box, --smooth\n"
        "the smooth points (\"2,5\"). Prints whether the command was carried out, the current node,\n"
        "the value and flag written, and the node lines ('node start length layer flags'), ready to\n"
        "be pasted back into the file. `cut edit FILE --png OUT` writes a picture of the cut-node\n"
        "dialog for the file's contour.",
        &RunCut};
    return command;
}

} // namespace misctool
