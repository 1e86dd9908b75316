// misctool versions: the version records of a file written by CVersionsData::PutTo (or a whole
// version section from writeVersionInfo) through StdioReadWrite (byte layout in stdio_rw.h).
#include <misc/misc.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "json.h"
#include "stdio_rw.h"

namespace misctool {

namespace {

using json::Value;

// Reading needs no storage of stored copies: none is created.
class ListReader : public StdioReadWrite {
public:
    FILE* GetTempfile() override { return nullptr; }
};

std::string UtcText(time_t t)
{
    std::tm parts{};
    if (!gmtime_r(&t, &parts))
        return "";
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return buf;
}

int RunVersions(Context& ctx, const std::vector<std::string>& args)
{
    std::string path;
    ArgParser parser;
    parser.Positional("FILE", &path);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Fail(ctx, "cannot open " + path + ": " + std::strerror(errno));
    ListReader reader;
    CVersionsData::SetTmpVersionsStorage(nullptr);
    int tag = reader.get_char(f);
    if (tag == VERSION_TAG_COPIES) {
        CVersionsData::copyVersionToTmp(&reader, f, nullptr);
        tag = reader.get_char(f);
    }
    if (tag != VERSION_TAG_LIST) {
        std::fclose(f);
        return Fail(ctx, path + ": no version list (tag 47) at its start");
    }
    CVersionsData data(&reader);
    int complete = data.GetFrom(f);
    std::fclose(f);

    Value out = Value::object();
    json::Set(out, "automaticSave", Value(data.GetAutomaticSaveVersion() != 0));
    json::Set(out, "complete", Value(complete == 1));
    Value& list = json::Set(out, "versions", Value::array());
    for (int i = 0; i < data.GetItemCount(); ++i) {
        CVersionDetail* v = data.GetAt(i);
        Value& rec = json::Push(list, Value::object());
        time_t t = v->GetDateAndTime().GetTime();
        json::Set(rec, "time", Value(t));
        json::Set(rec, "date", Value(UtcText(t)));
        json::Set(rec, "savedBy", Value(json::Latin1ToUtf8(v->GetSavedBy().GetString())));
        json::Set(rec, "comments", Value(json::Latin1ToUtf8(v->GetComments().GetString())));
        json::Set(rec, "containsFile", Value(v->GetContaineFile() != 0));
        json::Set(rec, "start", Value(v->GetPosInFile()));
        json::Set(rec, "end", Value(v->GetPosInFileEnd()));
    }
    ctx.out << json::Write(out);
    if (complete != 1)
        return Fail(ctx, path + ": the version list ends with a bad tag");
    return kExitOk;
}

} // namespace

const Command& VersionsCommand()
{
    static const Command command{
        "versions", "List the version records of a file", "FILE",
        "Reads a version list as CVersionsData::PutTo writes it (tag 47 first), or a whole version\n"
        "section (tag 48, the stored copies, then the list), and prints the records newest first:\n"
        "{\"automaticSave\", \"complete\", \"versions\": [{\"time\", \"date\" (UTC), \"savedBy\",\n"
        "\"comments\", \"containsFile\", \"start\", \"end\"}]}. Byte layout of the records: a tag is one\n"
        "byte, a 32-bit value four bytes little-endian, a text its bytes and a NUL.",
        &RunVersions};
    return command;
}

} // namespace misctool
