// misctool cbi: remembered-value list files (".cbi") as JSON, and the stored lists of the
// common data folder.
#include <misc/misc.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "json.h"

namespace misctool {

namespace {

using json::Value;

std::string Cause(CArchiveException* e)
{
    switch (e->m_cause) {
    case CArchiveException::endOfFile: return "the file ends early";
    case CArchiveException::badIndex: return "an item refers to nothing, or twice to one item";
    case CArchiveException::badClass: return "an item is not of class CComboItem";
    case CArchiveException::badSchema: return "an item has a schema other than 1";
    default: return "damaged archive";
    }
}

// Reads a list file; false with a message when it cannot be opened or is damaged.
bool ReadList(const std::string& path, CComboItemList& list, std::string* error)
{
    CFile file;
    const std::string native = MiscNativePath(path.c_str());
    if (!file.Open(native.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
        *error = "cannot open " + path;
        return false;
    }
    try {
        CArchive ar(&file, CArchive::load);
        list.Serialize(ar);
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

Value ListToJson(CComboItemList& list)
{
    Value out = Value::object();
    Value& items = json::Set(out, "items", Value::array());
    for (int i = 0; i < list.GetSize(); ++i) {
        const CComboItem* item = list.GetComboItem(i);
        Value& v = json::Push(items, Value::object());
        json::Set(v, "name", Value(json::Latin1ToUtf8(item->m_strName.View())));
        json::Set(v, "type", Value(json::Latin1ToUtf8(item->m_strTypeName.View())));
    }
    return out;
}

bool Latin1Member(const Value& item, const char* key, CString& out, std::string* error)
{
    const Value* v = json::Find(item, key);
    std::string bytes;
    if (!v || !v->is_string() || !json::Utf8ToLatin1(v->get_ref<const std::string&>(), &bytes)) {
        *error = std::string("each item needs a \"") + key + "\" string of code points 0 to 255";
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        *error = std::string("a \"") + key + "\" string holds a NUL character";
        return false;
    }
    out = CString(bytes.data(), static_cast<int>(bytes.size()));
    return true;
}

bool JsonToList(const Value& doc, CComboItemList& list, std::string* error)
{
    const Value* items = doc.is_object() ? json::Find(doc, "items") : nullptr;
    if (!items || !items->is_array()) {
        *error = "expected {\"items\": [...]}";
        return false;
    }
    for (const Value& item : *items) {
        auto* entry = new CComboItem;
        if (!item.is_object() || !Latin1Member(item, "name", entry->m_strName, error) ||
            !Latin1Member(item, "type", entry->m_strTypeName, error)) {
            if (error->empty())
                *error = "each item must be an object";
            delete entry;
            return false;
        }
        list.AddComboItem(entry, 0);
    }
    return true;
}

// A list type given as its number or its list name.
bool ParseType(const std::string& text, int* type)
{
    int count = 0;
    const sComboListType* table = getComboListTypes(&count);
    char* end = nullptr;
    long n = std::strtol(text.c_str(), &end, 10);
    for (int i = 0; i < count; ++i) {
        if ((!text.empty() && *end == '\0' && n == table[i].type) ||
            CString(table[i].listName).CompareNoCase(text.c_str()) == 0) {
            *type = table[i].type;
            return true;
        }
    }
    return false;
}

std::string TypeNames()
{
    int count = 0;
    const sComboListType* table = getComboListTypes(&count);
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? ", " : "") + std::to_string(table[i].type) + " " + table[i].listName;
    return out;
}

int Dump(Context& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage(ctx, "dump needs FILE");
    CComboItemList list;
    std::string error;
    if (!ReadList(args[0], list, &error))
        return Fail(ctx, error);
    ctx.out << json::Write(ListToJson(list));
    return kExitOk;
}

int Pack(Context& ctx, const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return BadUsage(ctx, "pack needs IN.json OUT");
    Value doc;
    std::string error;
    if (!json::ParseFile(args[0], &doc, &error))
        return Fail(ctx, error);
    CComboItemList list;
    if (!JsonToList(doc, list, &error))
        return Fail(ctx, args[0] + ": " + error);
    if (!list.StoreToFile(args[1].c_str()))
        return Fail(ctx, "cannot write " + args[1]);
    return kExitOk;
}

int List(Context& ctx, const std::vector<std::string>& args)
{
    int type = 0;
    if (args.size() != 1 || !ParseType(args[0], &type))
        return BadUsage(ctx, "list needs a TYPE: " + TypeNames());
    CComboItemList list;
    std::string error;
    const std::string path = CComboItemList::GetListFilePath(type).GetString();
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES && !ReadList(path, list, &error))
        return Fail(ctx, error);
    ctx.out << json::Write(ListToJson(list));
    return kExitOk;
}

int Add(Context& ctx, const std::vector<std::string>& args, const std::string& typeName, bool atEnd)
{
    int type = 0;
    if (args.size() != 2 || !ParseType(args[0], &type))
        return BadUsage(ctx, "add needs a TYPE (" + TypeNames() + ") and a NAME");
    CComboItemList list;
    list.Load(type);
    CComboItem item;
    item.m_strName = args[1].c_str();
    if (typeName.empty())
        getNameByType(item.m_strTypeName, type);
    else
        item.m_strTypeName = typeName.c_str();
    list.AddNewComboItem(item, atEnd ? 0 : 1);
    list.Store(type);
    ctx.out << CComboItemList::GetListFilePath(type).GetString() << "\n";
    return kExitOk;
}

int RunCbi(Context& ctx, const std::vector<std::string>& args)
{
    std::string action, typeName;
    bool atEnd = false;
    std::vector<std::string> rest;
    ArgParser parser;
    parser.Option("--type-name", &typeName).Flag("--end", &atEnd).Positional("ACTION", &action).Rest(&rest);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (action == "dump")
        return Dump(ctx, rest);
    if (action == "pack")
        return Pack(ctx, rest);
    if (action == "list")
        return List(ctx, rest);
    if (action == "add")
        return Add(ctx, rest, typeName, atEnd);
    return BadUsage(ctx, "unknown action \"" + action + "\" (dump, pack, list, add)");
}

} // namespace

const Command& CbiCommand()
{
    static const Command command{
        "cbi", "Read and write remembered-value lists (.cbi)",
        "dump FILE | pack IN.json OUT | list TYPE | add [--type-name TEXT] [--end] TYPE NAME",
        "dump prints a list file as {\"items\": [{\"name\": ..., \"type\": ...}, ...]} (index 0 first);\n"
        "pack writes such a JSON file as a list file. Strings map each byte to the code point of the\n"
        "same number (latin-1). list prints the stored list of a TYPE (its number or list name) from\n"
        "the common data folder; add puts NAME at the front of that list (at the end with --end,\n"
        "when it is new), with the list name as its type name unless --type-name is given.",
        &RunCbi};
    return command;
}

} // namespace misctool
