// misctool entity: dump, pack and preview typed entity documents.
//
// The JSON form of a document (also what `entity pack` reads):
//   {"variant": 0|1|2, "key": uint32, "header": [w1, w2, w4, w5, w6], "root": <block>,
//    "errors": [{"severity": s, "code": c, "a": x, "b": y}, ...]}      (errors: dump only)
//   <block> {"type": "block", "id", "name": string|null, "count", "flags": [8], "children": [...]}
//   <list>  {"type": "list", "id", "elements": [<block>, ...]}
//   <text>  {"type": "text", "id", "data": string}     <bytes> {"type": "bytes", "id", "data"}
//   <u16>   {"type": "u16", "id", "values": [...]}      <i32> {"type": "i32", "id", "values"}
//   <f32>   {"type": "f32", "id", "bits": [...]}        (bit patterns of the decoded floats)
// Strings carrying file bytes map byte n to code point n (latin-1), which is lossless.
#include <misc/misc.h>
#include <win32/surface.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "commands.h"
#include "json.h"

namespace misctool {

namespace {

using json::Value;

// --- Tree to JSON ----------------------------------------------------------------------------

Value Ints(const FLENT_INT* a)
{
    Value v = Value::array();
    for (DWORD i = 0; i < a->GetCount(); ++i)
        json::Push(v, Value(a->GetAt(i)));
    return v;
}

Value BlockToJson(const FLENT_BLK* b);

Value EntityToJson(const FLENT* e)
{
    Value v = Value::object();
    switch (e->GetKind()) {
    case FLENT_KIND_BLK:
        return BlockToJson(static_cast<const FLENT_BLK*>(e));
    case FLENT_KIND_LST: {
        json::Set(v, "type", Value("list"));
        json::Set(v, "id", Value(e->GetId()));
        Value& elements = json::Set(v, "elements", Value::array());
        for (const FLENT* el = e->GetFirstElement(); el; el = el->GetNext())
            json::Push(elements, BlockToJson(static_cast<const FLENT_BLK*>(el)));
        return v;
    }
    case FLENT_KIND_STR:
    case FLENT_KIND_BSTR: {
        auto* s = static_cast<const FLENT_STR*>(e);
        json::Set(v, "type", Value(e->GetKind() == FLENT_KIND_STR ? "text" : "bytes"));
        json::Set(v, "id", Value(e->GetId()));
        json::Set(v, "data", Value(json::Latin1ToUtf8(std::string_view(s->GetData() ? s->GetData() : "", s->GetLength()))));
        return v;
    }
    case FLENT_KIND_INT:
        json::Set(v, "type", Value("u16"));
        json::Set(v, "id", Value(e->GetId()));
        json::Set(v, "values", Ints(static_cast<const FLENT_INT*>(e)));
        return v;
    case FLENT_KIND_LNG: {
        auto* a = static_cast<const FLENT_LNG*>(e);
        json::Set(v, "type", Value("i32"));
        json::Set(v, "id", Value(e->GetId()));
        Value& values = json::Set(v, "values", Value::array());
        for (DWORD i = 0; i < a->GetCount(); ++i)
            json::Push(values, Value(a->GetAt(i)));
        return v;
    }
    case FLENT_KIND_FLT: {
        auto* a = static_cast<const FLENT_FLT*>(e);
        json::Set(v, "type", Value("f32"));
        json::Set(v, "id", Value(e->GetId()));
        Value& bits = json::Set(v, "bits", Value::array());
        for (DWORD i = 0; i < a->GetCount(); ++i) {
            float f = a->GetAt(i);
            DWORD b;
            std::memcpy(&b, &f, 4);
            json::Push(bits, Value(b));
        }
        return v;
    }
    default:
        return Value();
    }
}

Value BlockToJson(const FLENT_BLK* b)
{
    Value v = Value::object();
    json::Set(v, "type", Value("block"));
    json::Set(v, "id", Value(b->GetId()));
    json::Set(v, "name", b->GetName() ? Value(json::Latin1ToUtf8(std::string_view(b->GetName(), b->GetNameLength())))
                               : Value());
    json::Set(v, "count", Value(b->GetElementCount()));
    Value& flags = json::Set(v, "flags", Value::array());
    for (int i = 0; i < 8; ++i)
        json::Push(flags, Value(b->GetFlag(i)));
    Value& children = json::Set(v, "children", Value::array());
    for (const FLENT* c = b->GetFirstChild(); c; c = c->GetNext())
        json::Push(children, EntityToJson(c));
    return v;
}

// --- JSON to tree ----------------------------------------------------------------------------

class Builder {
public:
    std::string error;

    bool Fail(const std::string& where, const std::string& what)
    {
        if (error.empty())
            error = where + ": " + what;
        return false;
    }

    bool Integer(const Value& obj, const char* key, int64_t lo, int64_t hi, int64_t* out, const std::string& where,
                 bool required = true, int64_t fallback = 0)
    {
        const Value* v = json::Find(obj, key);
        if (!v) {
            *out = fallback;
            return !required || Fail(where, std::string("\"") + key + "\" is missing");
        }
        if (!json::AsInteger(*v, lo, hi, out))
            return Fail(where, std::string("\"") + key + "\" must be an integer from " + std::to_string(lo) + " to " +
                                   std::to_string(hi));
        return true;
    }

    bool Bytes(const Value& obj, const char* key, std::string* out, const std::string& where)
    {
        const Value* v = json::Find(obj, key);
        if (!v || !v->is_string())
            return Fail(where, std::string("\"") + key + "\" must be a string");
        if (!json::Utf8ToLatin1(v->get_ref<const std::string&>(), out))
            return Fail(where, std::string("\"") + key + "\" holds a character above U+00FF");
        return true;
    }

    template <class T>
    bool Numbers(const Value& obj, const char* key, int64_t lo, int64_t hi, std::vector<T>* out, const std::string& where)
    {
        const Value* v = json::Find(obj, key);
        if (!v || !v->is_array())
            return Fail(where, std::string("\"") + key + "\" must be an array");
        out->reserve(v->size());
        for (size_t i = 0; i < v->size(); ++i) {
            int64_t n;
            if (!json::AsInteger((*v)[i], lo, hi, &n))
                return Fail(where + "." + key + "[" + std::to_string(i) + "]",
                            "must be an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
            out->push_back(static_cast<T>(n));
        }
        return true;
    }

    FLENT_BLK* Block(const Value& v, const std::string& where)
    {
        if (!v.is_object() || !json::Find(v, "type") || !json::Find(v, "type")->is_string() || json::Find(v, "type")->get_ref<const std::string&>() != "block") {
            Fail(where, "expected a block");
            return nullptr;
        }
        int64_t id, count;
        if (!Integer(v, "id", 0, 1023, &id, where) || !Integer(v, "count", 0, 65535, &count, where, false))
            return nullptr;
        auto block = std::make_unique<FLENT_BLK>(static_cast<DWORD>(id));
        block->SetElementCount(static_cast<WORD>(count));
        const Value* name = json::Find(v, "name");
        if (name && !name->is_null()) {
            std::string bytes;
            if (!Bytes(v, "name", &bytes, where))
                return nullptr;
            if (bytes.size() > 1023) {
                Fail(where, "\"name\" is longer than 1023 bytes");
                return nullptr;
            }
            block->SetName(bytes.data(), static_cast<int>(bytes.size()));
        }
        if (json::Find(v, "flags")) {
            std::vector<BYTE> flags;
            if (!Numbers(v, "flags", 0, 255, &flags, where))
                return nullptr;
            if (flags.size() != 8) {
                Fail(where, "\"flags\" must hold 8 values");
                return nullptr;
            }
            for (int i = 0; i < 8; ++i)
                block->SetFlag(i, flags[static_cast<size_t>(i)]);
        }
        const Value* children = json::Find(v, "children");
        if (children) {
            if (!children->is_array()) {
                Fail(where, "\"children\" must be an array");
                return nullptr;
            }
            for (size_t i = 0; i < children->size(); ++i)
                if (!Child(*block, (*children)[i], where + ".children[" + std::to_string(i) + "]"))
                    return nullptr;
        }
        return block.release();
    }

    bool Child(FLENT_BLK& parent, const Value& v, const std::string& where)
    {
        const Value* type = v.is_object() ? json::Find(v, "type") : nullptr;
        if (!type || !type->is_string())
            return Fail(where, "expected an entity with a \"type\"");
        const std::string& t = type->get_ref<const std::string&>();
        if (t == "block") {
            FLENT_BLK* b = Block(v, where);
            return b && parent.Insert(b);
        }
        int64_t id;
        if (!Integer(v, "id", 0, 1023, &id, where))
            return false;
        DWORD n = static_cast<DWORD>(id);
        if (t == "list") {
            const Value* elements = json::Find(v, "elements");
            if (!elements || !elements->is_array())
                return Fail(where, "\"elements\" must be an array");
            auto list = std::make_unique<FLENT_BLK_LST>(n);
            for (size_t i = 0; i < elements->size(); ++i) {
                FLENT_BLK* b = Block((*elements)[i], where + ".elements[" + std::to_string(i) + "]");
                if (!b)
                    return false;
                list->AddElement(b);
            }
            return parent.Insert(list.release());
        }
        if (t == "text" || t == "bytes") {
            std::string bytes;
            if (!Bytes(v, "data", &bytes, where))
                return false;
            FLENT_STR* s = t == "text" ? new FLENT_STR(n) : new FLENT_BSTR(n);
            s->SetData(bytes.data(), static_cast<DWORD>(bytes.size()));
            return parent.Insert(s);
        }
        if (t == "u16") {
            std::vector<WORD> values;
            auto* a = new FLENT_INT(n);
            parent.Insert(a);
            return Numbers(v, "values", 0, 65535, &values, where) && a->SetValues(values.data(), static_cast<DWORD>(values.size()));
        }
        if (t == "i32") {
            std::vector<LONG> values;
            auto* a = new FLENT_LNG(n);
            parent.Insert(a);
            return Numbers(v, "values", INT32_MIN, INT32_MAX, &values, where) &&
                   a->SetValues(values.data(), static_cast<DWORD>(values.size()));
        }
        if (t == "f32") {
            std::vector<DWORD> bits;
            auto* a = new FLENT_FLT(n);
            parent.Insert(a);
            return Numbers(v, "bits", 0, UINT32_MAX, &bits, where) &&
                   a->SetValues(reinterpret_cast<const float*>(bits.data()), static_cast<DWORD>(bits.size()));
        }
        return Fail(where, "unknown type \"" + t + "\"");
    }
};

// --- Commands --------------------------------------------------------------------------------

struct OpenDoc {
    FILE* file = nullptr;
    int variant = 0;
    DWORD words[6] = {};
    ~OpenDoc()
    {
        if (file)
            std::fclose(file);
    }
};

// Opens a document and reads its 28-byte header; an empty string, or what is wrong.
std::string OpenDocument(const std::string& path, OpenDoc* doc)
{
    doc->file = std::fopen(path.c_str(), "rb");
    if (!doc->file)
        return "cannot open " + path + ": " + std::strerror(errno);
    DWORD magic = 0;
    if (std::fread(&magic, 4, 1, doc->file) != 1 || magic < FLENT_MAGIC0 || magic > FLENT_MAGIC2)
        return path + " is not a typed entity document (no magic word)";
    doc->variant = static_cast<int>(magic - FLENT_MAGIC0);
    if (std::fread(doc->words, 4, 6, doc->file) != 6)
        return path + ": the document header is cut short";
    return "";
}

int RunDump(Context& ctx, const std::vector<std::string>& args)
{
    std::string path, filterText = "0";
    ArgParser parser;
    parser.Positional("FILE", &path).Option("--filter", &filterText);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (filterText != "0" && filterText != "1" && filterText != "-1")
        return BadUsage(ctx, "--filter takes 0, 1 or -1");
    OpenDoc doc;
    std::string problem = OpenDocument(path, &doc);
    if (!problem.empty())
        return Fail(ctx, problem);
    FLENT_IO io(doc.file, doc.words[2], doc.variant);
    std::unique_ptr<FLENT_BLK> root(io.ReadRoot(std::atoi(filterText.c_str())));
    Value out = Value::object();
    json::Set(out, "variant", Value(doc.variant));
    json::Set(out, "key", Value(doc.words[2]));
    Value& header = json::Set(out, "header", Value::array());
    for (int i : {0, 1, 3, 4, 5})
        json::Push(header, Value(doc.words[i]));
    json::Set(out, "root", root ? BlockToJson(root.get()) : Value());
    Value& errors = json::Set(out, "errors", Value::array());
    for (const FLENT_ERR* e = io.GetErrors(); e; e = e->next) {
        Value& ev = json::Push(errors, Value::object());
        json::Set(ev, "severity", Value(e->severity));
        json::Set(ev, "code", Value(e->code));
        json::Set(ev, "a", Value(e->arg1));
        json::Set(ev, "b", Value(e->arg2));
    }
    ctx.out << json::Write(out);
    if (!root)
        return Fail(ctx, path + ": the document has no root block");
    return kExitOk;
}

int RunPack(Context& ctx, const std::vector<std::string>& args)
{
    std::string in, outPath;
    ArgParser parser;
    parser.Positional("IN.json", &in).Positional("OUT", &outPath);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    Value doc;
    std::string error;
    if (!json::ParseFile(in, &doc, &error))
        return Fail(ctx, error);
    if (!doc.is_object())
        return Fail(ctx, in + ": expected an object");
    Builder b;
    int64_t variant, key;
    if (!b.Integer(doc, "variant", 0, 2, &variant, "document") || !b.Integer(doc, "key", 0, UINT32_MAX, &key, "document", false))
        return Fail(ctx, in + ": " + b.error);
    std::vector<DWORD> header(5, 0);
    if (json::Find(doc, "header")) {
        header.clear();
        if (!b.Numbers(doc, "header", 0, UINT32_MAX, &header, "document"))
            return Fail(ctx, in + ": " + b.error);
        if (header.size() != 5)
            return Fail(ctx, in + ": document: \"header\" must hold 5 words");
    }
    const Value* rootJson = json::Find(doc, "root");
    std::unique_ptr<FLENT_BLK> root(rootJson ? b.Block(*rootJson, "root") : nullptr);
    if (!root)
        return Fail(ctx, in + ": " + (b.error.empty() ? std::string("\"root\" is missing") : b.error));
    FILE* f = std::fopen(outPath.c_str(), "wb");
    if (!f)
        return Fail(ctx, "cannot create " + outPath + ": " + std::strerror(errno));
    FLENT_IO io(f, static_cast<DWORD>(key), static_cast<int>(variant));
    DWORD words[6] = {header[0], header[1], static_cast<DWORD>(key), header[2], header[3], header[4]};
    io.WriteDocHeader(words);
    io.Write(root.get());
    bool closed = std::fclose(f) == 0;
    if (io.GetWorstSeverity() >= FLENT_SEV_ERROR || !closed) {
        const FLENT_ERR* e = io.GetErrors();
        return Fail(ctx, "writing " + outPath + " failed" +
                             (e ? " (event " + std::to_string(e->code) + ", id " + std::to_string(e->arg1) + ")" : ""));
    }
    return kExitOk;
}

// Pixels of a preview (format & 15 bytes each) as a surface: 1 grey, 2 grey and alpha,
// 3 blue, green, red, 4 blue, green, red, alpha; wider pixels use their first three bytes.
MiscSurface ToSurface(const BYTE* pixels, WORD format, WORD width, WORD height)
{
    MiscSurface s(width, height);
    int bpp = format & 15;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE* p = pixels + (static_cast<size_t>(y) * width + x) * bpp;
            uint32_t b, g, r, a = 255;
            if (bpp <= 2) {
                b = g = r = p[0];
                if (bpp == 2)
                    a = p[1];
            } else {
                b = p[0], g = p[1], r = p[2];
                if (bpp == 4)
                    a = p[3];
            }
            s.row(y)[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    return s;
}

int RunPreview(Context& ctx, const std::vector<std::string>& args)
{
    std::string path, png;
    ArgParser parser;
    parser.Positional("FILE", &path).Option("--png", &png);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    char title[512];
    void* preview = nullptr;
    DWORD size = 0;
    BOOL vector = FALSE;
    if (!FLENT_ReadTitleAndPreview(path.c_str(), title, &preview, &size, &vector))
        return Fail(ctx, "cannot read the title of " + path + " (not a typed entity document)");
    std::unique_ptr<void, decltype(&std::free)> owned(preview, &std::free);
    Value out = Value::object();
    json::Set(out, "title", Value(json::Latin1ToUtf8(title)));
    if (vector) {
        auto* v = static_cast<const sVectorPreview*>(preview);
        Value& vec = json::Set(out, "vector", Value::object());
        Value& view = json::Set(vec, "view", Value::array());
        for (LONG n : {v->x, v->y, v->width, v->height})
            json::Push(view, Value(n));
        Value& polys = json::Set(vec, "polygons", Value::array());
        for (LONG i = 0; i < v->polygonCount; ++i) {
            Value& poly = json::Push(polys, Value::object());
            json::Set(poly, "color", Value(v->polygons[i].color));
            Value& points = json::Set(poly, "points", Value::array());
            for (LONG k = 0; k < v->polygons[i].count; ++k) {
                Value& pt = json::Push(points, Value::array());
                json::Push(pt, Value(v->polygons[i].points[k].x));
                json::Push(pt, Value(v->polygons[i].points[k].y));
            }
        }
        ctx.out << json::Write(out);
        return png.empty() ? kExitOk : Fail(ctx, "the preview is a vector preview; --png needs a picture");
    }
    if (!preview) {
        json::Set(out, "vector", Value());
        ctx.out << json::Write(out);
        return png.empty() ? kExitOk : Fail(ctx, path + " has no preview");
    }
    // A picture: its description is in the preview block.
    OpenDoc doc;
    std::string problem = OpenDocument(path, &doc);
    if (!problem.empty())
        return Fail(ctx, problem);
    FLENT_IO io(doc.file, doc.words[2], doc.variant);
    std::unique_ptr<FLENT_BLK> root(io.ReadRoot(FLENT_FILTER_PREVIEW));
    char caption[1024];
    WORD format = 0, width = 0, height = 0;
    DWORD pixelsSize = 0;
    BYTE* pixels = FLENT_GetPreview(root.get(), FALSE, &pixelsSize, caption, sizeof caption, &format, &width, &height);
    std::unique_ptr<BYTE, decltype(&std::free)> ownedPixels(pixels, &std::free);
    Value& pic = json::Set(out, "picture", Value::object());
    json::Set(pic, "format", Value(format));
    json::Set(pic, "width", Value(width));
    json::Set(pic, "height", Value(height));
    json::Set(pic, "caption", Value(json::Latin1ToUtf8(caption)));
    ctx.out << json::Write(out);
    if (png.empty())
        return kExitOk;
    if (!pixels)
        return Fail(ctx, "the picture of " + path + " cannot be decoded");
    if (!MiscWritePng(ToSurface(pixels, format, width, height), png.c_str()))
        return Fail(ctx, "cannot write " + png);
    return kExitOk;
}

int RunEntity(Context& ctx, const std::vector<std::string>& args)
{
    if (args.empty())
        return BadUsage(ctx, "no action given (dump, pack or preview)");
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "dump")
        return RunDump(ctx, rest);
    if (args[0] == "pack")
        return RunPack(ctx, rest);
    if (args[0] == "preview")
        return RunPreview(ctx, rest);
    return BadUsage(ctx, "unknown action " + args[0]);
}

} // namespace

const Command& EntityCommand()
{
    static const Command command{
        "entity", "Dump, pack and preview typed entity documents",
        "dump FILE [--filter N] | pack IN.json OUT | preview FILE [--png OUT]",
        "dump     prints the document as JSON: variant, float key, header words, the tree and\n"
        "         the reader's events; --filter 1 leaves out texts 12 and 37, --filter -1 reads\n"
        "         only what the title-and-preview reader needs.\n"
        "pack     writes a document from that JSON form (\"errors\" is ignored).\n"
        "preview  prints the title and the preview: {\"title\", \"vector\": null}, a vector\n"
        "         preview {\"view\", \"polygons\"}, or a picture {\"format\", \"width\", \"height\",\n"
        "         \"caption\"}; --png writes the picture (1 byte grey, 2 grey+alpha, 3 BGR, 4 BGRA).\n"
        "Strings carrying file bytes map byte n to code point n.",
        &RunEntity};
    return command;
}

} // namespace misctool
