// misctool tools: the tool list of the user profile file, and tool layers files (".lyt").
#include <misc/misc.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "json.h"

namespace misctool {

namespace {

using json::Value;

const char* ResultText(int result)
{
    switch (result) {
    case TOOLS_FILE_OK: return "done";
    case TOOLS_FILE_OPEN_FAILED: return "the file could not be opened or created";
    case TOOLS_FILE_BAD_DATA: return "a line without a number and a name, or a failed write";
    default: return "unknown result";
    }
}

void PrintTools(Context& ctx, const CToolsArray& tools)
{
    Value out = Value::object();
    Value& list = json::Set(out, "tools", Value::array());
    for (int i = 0; i < tools.GetSize(); ++i) {
        Value& t = json::Push(list, Value::object());
        json::Set(t, "number", Value(tools[i].m_number));
        json::Set(t, "name", Value(json::Latin1ToUtf8(tools[i].m_name.View())));
    }
    ctx.out << json::Write(out);
}

int RunTools(Context& ctx, const std::vector<std::string>& args)
{
    std::string action, profileName = "misc.ini";
    bool common = false, merge = false, overwrite = false;
    std::vector<std::string> rest;
    ArgParser parser;
    parser.Option("--profile", &profileName)
        .Flag("--common", &common)
        .Flag("--merge", &merge)
        .Flag("--overwrite", &overwrite)
        .Positional("ACTION", &action)
        .Rest(&rest);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    const bool list = action == "list", import = action == "import", exportFile = action == "export";
    if (!list && !import && !exportFile)
        return BadUsage(ctx, "unknown action \"" + action + "\" (list, import, export)");
    if (rest.size() != (list ? 0u : 1u))
        return BadUsage(ctx, list ? "list takes no FILE" : action + " needs FILE");
    if (!KestProfile::m_initialized) {
        KestProfile::m_name = profileName.c_str();
        KestProfile::m_privateUsing = !common;
    }
    CToolsArray tools;
    tools.LoadTools();
    if (list) {
        PrintTools(ctx, tools);
        return kExitOk;
    }
    const CString path(rest[0].c_str());
    if (exportFile) {
        const int result = tools.ExportTools(path);
        if (result != TOOLS_FILE_OK)
            return Fail(ctx, rest[0] + ": " + ResultText(result));
        ctx.out << tools.GetSize() << " tools written\n";
        return kExitOk;
    }
    const int result = tools.ImportTools(path, merge ? 1 : 0, overwrite ? 1 : 0);
    if (result == TOOLS_FILE_OPEN_FAILED || (merge && result != TOOLS_FILE_OK))
        return Fail(ctx, rest[0] + ": " + ResultText(result) + "; the tool list is unchanged");
    tools.SaveTools();
    PrintTools(ctx, tools);
    if (result != TOOLS_FILE_OK)
        return Fail(ctx, rest[0] + ": " + ResultText(result) + "; the tools before it were imported");
    return kExitOk;
}

} // namespace

const Command& ToolsCommand()
{
    static const Command command{
        "tools", "List, import and export the tool list of the profile",
        "[--profile NAME] [--common] list | import [--merge [--overwrite]] FILE | export FILE",
        "The tool list lives in the section \"Layers\" of the user profile file NAME (default\n"
        "misc.ini, per user unless --common). list prints {\"tools\": [{\"number\", \"name\"}]};\n"
        "export writes a tool layers file (\"<number> <name>\" lines); import replaces the list with\n"
        "the file's tools (numbers 100 to 32767, one-word names), or with --merge adds the tools of\n"
        "new numbers (and with --overwrite renames those whose numbers exist), saves the list and\n"
        "prints it. Saving also replaces the stored list of tool names.",
        &RunTools};
    return command;
}

} // namespace misctool
