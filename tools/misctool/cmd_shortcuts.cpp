// misctool shortcuts: shortcut files (".acc", the shortcut manager's stored table) as JSON and
// back. A dump packs back to the same bytes: every entry keeps its flags and key, and a file
// with anything after its table is refused rather than shortened.
#include <misc/misc.h>

#include <toolkit/shortcuts.h>

#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "json.h"

namespace misctool {

namespace {

using json::Value;
using Keys = CXTPShortcutManager::CKeyHelper;

std::string Cause(const CArchiveException* e)
{
    switch (e->m_cause) {
    case CArchiveException::endOfFile: return "the file ends early";
    case CArchiveException::badClass: return "not a shortcut file (no \"XACC\" at its start)";
    case CArchiveException::badSchema: return "a shortcut file of another version";
    default: return "more entries than a table holds, or an entry with unknown flags or no key";
    }
}

bool ReadTable(const std::string& path, std::vector<ACCEL>* entries, std::string* error)
{
    CFile file;
    const std::string native = MiscNativePath(path.c_str());
    if (!file.Open(native.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
        *error = "cannot open " + path;
        return false;
    }
    try {
        CArchive ar(&file, CArchive::load);
        *entries = CXTPShortcutManager::ReadEntries(ar);
        if (!ar.IsBufferEmpty()) {
            *error = path + ": data after the table";
            return false;
        }
    } catch (CArchiveException* e) {
        *error = path + ": " + Cause(e);
        e->Delete();
        return false;
    } catch (CException* e) {
        *error = path + ": cannot be read";
        e->Delete();
        return false;
    }
    return true;
}

int Dump(Context& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage(ctx, "dump needs FILE.acc");
    std::vector<ACCEL> entries;
    std::string error;
    if (!ReadTable(args[0], &entries, &error))
        return Fail(ctx, error);
    Value out = Value::object();
    Value& list = json::Set(out, "shortcuts", Value::array());
    for (const ACCEL& a : entries) {
        Value& v = json::Push(list, Value::object());
        json::Set(v, "keys", Value(json::Latin1ToUtf8(Keys(&a).Format().View())));
        json::Set(v, "command", Value(static_cast<int>(a.cmd)));
        json::Set(v, "flags", Value(static_cast<int>(a.fVirt)));
        json::Set(v, "key", Value(static_cast<int>(a.key)));
    }
    ctx.out << json::Write(out);
    return kExitOk;
}

// One entry of the JSON form: "command", and either "flags" with "key" or a "keys" text.
bool JsonToEntry(const Value& item, ACCEL* a, std::string* error)
{
    int64_t command = 0, flags = 0, key = 0;
    const Value* cmd = item.is_object() ? json::Find(item, "command") : nullptr;
    if (!cmd || !json::AsInteger(*cmd, 0, 0xFFFF, &command)) {
        *error = "needs a \"command\" from 0 to 65535";
        return false;
    }
    a->cmd = static_cast<WORD>(command);
    const Value* f = json::Find(item, "flags");
    const Value* k = json::Find(item, "key");
    if (f || k) {
        if (!f || !k || !json::AsInteger(*f, 0, 0xFF, &flags) || !json::AsInteger(*k, 0, 0xFFFF, &key)) {
            *error = "needs both \"flags\" (0 to 255) and \"key\" (0 to 65535)";
            return false;
        }
        a->fVirt = static_cast<BYTE>(flags);
        a->key = static_cast<WORD>(key);
    } else {
        const Value* keys = json::Find(item, "keys");
        std::string text;
        if (!keys || !keys->is_string() || !json::Utf8ToLatin1(keys->get_ref<const std::string&>(), &text) ||
            !Keys::Parse(text.c_str(), a)) {
            *error = "needs \"keys\" naming a key (\"Ctrl+Shift+F5\"), or \"flags\" and \"key\"";
            return false;
        }
    }
    if (!CXTPShortcutManager::IsValidEntry(*a)) {
        *error = "is no shortcut: unknown flags, or no key";
        return false;
    }
    return true;
}

int Pack(Context& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return BadUsage(ctx, "pack needs IN.json OUT.acc");
    Value doc;
    std::string error;
    if (!json::ParseFile(args[0], &doc, &error))
        return Fail(ctx, error);
    const Value* list = doc.is_object() ? json::Find(doc, "shortcuts") : nullptr;
    if (!list || !list->is_array())
        return Fail(ctx, args[0] + ": expected {\"shortcuts\": [...]}");
    if (list->size() > CXTPShortcutManager::kMaxEntries)
        return Fail(ctx, args[0] + ": more than 32767 shortcuts");
    std::vector<ACCEL> entries;
    for (size_t i = 0; i < list->size(); ++i) {
        ACCEL a{};
        if (!JsonToEntry((*list)[i], &a, &error))
            return Fail(ctx, args[0] + ": shortcut " + std::to_string(i + 1) + " " + error);
        entries.push_back(a);
    }
    CFile file;
    const std::string native = MiscNativePath(args[1].c_str());
    if (!file.Open(native.c_str(), CFile::modeCreate | CFile::modeWrite))
        return Fail(ctx, "cannot write " + args[1]);
    try {
        CArchive ar(&file, CArchive::store);
        CXTPShortcutManager::WriteEntries(ar, entries);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return Fail(ctx, "cannot write " + args[1]);
    }
    return kExitOk;
}

int RunShortcuts(Context& ctx, const std::vector<std::string>& args)
{
    std::string action;
    std::vector<std::string> rest;
    ArgParser parser;
    parser.Positional("ACTION", &action).Rest(&rest);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (action == "dump")
        return Dump(ctx, rest);
    if (action == "pack")
        return Pack(ctx, rest);
    return BadUsage(ctx, "unknown action \"" + action + "\" (dump, pack)");
}

} // namespace

const Command& ShortcutsCommand()
{
    static const Command command{
        "shortcuts", "Read and write shortcut files (.acc)",
        "dump FILE.acc | pack IN.json OUT.acc",
        "dump prints a shortcut file as {\"shortcuts\": [{\"keys\": \"Ctrl+Shift+F5\", \"command\":\n"
        "32771, \"flags\": 13, \"key\": 116}, ...]} in table order: the keys as the key formatter\n"
        "writes them, the command, and the entry's flags (FVIRTKEY 1, FNOINVERT 2, FSHIFT 4,\n"
        "FCONTROL 8, FALT 16) and key (a virtual key, or a character without FVIRTKEY).\n"
        "pack writes such a JSON file back; an entry with \"flags\" and \"key\" is written as they\n"
        "say (\"keys\" is then only read by people), one with only \"keys\" as that text names it.\n"
        "A dump packs back to the same bytes.",
        &RunShortcuts};
    return command;
}

} // namespace misctool
