// misctool fpf: a fabric pattern profile file (".fpf") read as the library reads it, as JSON.
#include <misc/misc.h>

#include <cmath>
#include <cstring>
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
    case MATERIAL_LOAD_OK: return "read";
    case MATERIAL_LOAD_NOT_FOUND: return "not found, not valid, or did not open";
    case MATERIAL_LOAD_NO_END: return "the file ended (or a line was too long) before \"End\"";
    case MATERIAL_LOAD_BAD_BLOCK: return "a malformed block, or a picture that did not load";
    case MATERIAL_LOAD_BAD_LINE: return "a line other than \"Block\" or \"End\" between blocks";
    default: return "unknown result";
    }
}

// JSON has no infinities: a number out of every range is written as null.
Value Number(double d)
{
    return std::isfinite(d) ? Value(d) : Value();
}

Value Pair(double x, double y)
{
    Value v = Value::array();
    json::Push(v, Number(x));
    json::Push(v, Number(y));
    return v;
}

Value Text(const CString& s)
{
    return Value(json::Latin1ToUtf8(s.View()));
}

Value Picture(const CWinImageFile* image)
{
    if (!image)
        return Value();
    Value v = Value::object();
    json::Set(v, "width", Value(image->getWidth()));
    json::Set(v, "height", Value(image->getHeight()));
    json::Set(v, "alpha", Value(image->getAlpha() != 0));
    if (image->hasDensity()) {
        json::Set(v, "pixelsPerMetre", Pair(image->getDensityX(), image->getDensityY()));
        json::Set(v, "realSizeMm", Pair(image->getRealWidth(), image->getRealHeight()));
    }
    return v;
}

int RunFpf(Context& ctx, const std::vector<std::string>& args)
{
    std::string action, path, altPath;
    bool requireImages = false;
    ArgParser parser;
    parser.Option("--alt", &altPath)
        .Flag("--require-images", &requireImages)
        .Positional("ACTION", &action)
        .Positional("FILE", &path);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (action != "dump")
        return BadUsage(ctx, "unknown action \"" + action + "\" (dump)");
    if (path.size() >= MAX_PATH)
        return Fail(ctx, "the path is longer than " + std::to_string(MAX_PATH - 1) + " characters");
    char fileName[MAX_PATH];
    std::strcpy(fileName, path.c_str());
    CMaterialArray materials;
    const int result = materials.LoadMaterial(fileName, altPath.empty() ? nullptr : altPath.c_str(),
                                              requireImages ? 1 : 0, 0);
    Value out = Value::object();
    json::Set(out, "result", Value(result));
    json::Set(out, "resultText", Value(ResultText(result)));
    json::Set(out, "file", Value(json::Latin1ToUtf8(fileName)));
    Value& list = json::Set(out, "materials", Value::array());
    for (int i = 0; i < materials.GetSize(); ++i) {
        const CMaterialBlock& m = materials[i];
        Value& rec = json::Push(list, Value::object());
        json::Set(rec, "name", Text(m.m_name));
        json::Set(rec, "file", Value(json::Latin1ToUtf8(m.m_file)));
        json::Set(rec, "size", Pair(m.m_sizeX, m.m_sizeY));
        json::Set(rec, "offset", Pair(m.m_offsetX, m.m_offsetY));
        json::Set(rec, "weight", Number(m.m_weight));
        json::Set(rec, "weightText", Text(m.m_weightText));
        json::Set(rec, "cost", Number(m.m_cost));
        json::Set(rec, "costText", Text(m.m_costText));
        json::Set(rec, "picture", Picture(m.m_pImage));
    }
    ctx.out << json::Write(out);
    if (result != MATERIAL_LOAD_OK)
        return Fail(ctx, path + ": result " + std::to_string(result) + ", " + ResultText(result));
    return kExitOk;
}

} // namespace

const Command& FpfCommand()
{
    static const Command command{
        "fpf", "Read a fabric pattern profile file (.fpf) as JSON",
        "[--alt PATH] [--require-images] dump FILE",
        "Reads FILE as the library does (a missing extension becomes .fpf; a file not found is looked\n"
        "for under its name in the folder of --alt PATH; pictures not found where their line says are\n"
        "looked for in the folder of the profile) and prints {\"result\", \"resultText\", \"file\",\n"
        "\"materials\": [{\"name\", \"file\", \"size\", \"offset\", \"weight\", \"weightText\", \"cost\",\n"
        "\"costText\", \"picture\": null or {\"width\", \"height\", \"alpha\", \"pixelsPerMetre\",\n"
        "\"realSizeMm\"}}]}, entry 0 first. Result codes: 0 read, 1 not found, 2 no \"End\" line,\n"
        "3 a malformed block (or, with --require-images, a picture that did not load), 4 a stray line.\n"
        "The exit status is 1 for any result but 0.",
        &RunFpf};
    return command;
}

} // namespace misctool
