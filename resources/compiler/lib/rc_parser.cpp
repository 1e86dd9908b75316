// Resource statements other than dialogs: the statement loop, string tables, menus, and bitmap,
// icon and cursor files.
#include "rc_parser.h"

#include <algorithm>

#include "win32/styles.h"

namespace misc_rc {

namespace {

const int kMaxMenuDepth = 32;

const char* const kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE",
                                      "PURE", "IMPURE", "SHARED", "NONSHARED"};

struct MenuOption {
    const char* keyword;
    uint32_t flag;
};
const MenuOption kMenuOptions[] = {
    {"CHECKED", MF_CHECKED},          {"GRAYED", MF_GRAYED},       {"HELP", MF_HELP},
    {"INACTIVE", MF_DISABLED},        {"MENUBARBREAK", MF_MENUBARBREAK}, {"MENUBREAK", MF_MENUBREAK},
};

} // namespace

std::string FormatDiagnostic(const Diagnostic& d)
{
    std::string s = d.file.empty() ? std::string("misc_rc") : d.file;
    if (d.line > 0)
        s.append(":").append(std::to_string(d.line));
    return s.append(": ").append(d.message);
}

Parser::Parser(const std::vector<Token>& tokens, const Symbols& symbols, FileReader& reader,
               const std::vector<std::string>& files, const std::vector<std::string>& includeDirs)
    : m_in(tokens), m_symbols(symbols), m_reader(reader), m_files(files), m_includeDirs(includeDirs)
{
}

bool Parser::Fail(const Token& at, const std::string& message)
{
    if (m_failed)
        return false;
    m_failed = true;
    const Token* t = &at;
    // At the end of input, report the place of the last token.
    if (t->kind == TokenKind::End && m_in.Position() > 0)
        t = &m_in.Last();
    m_error.file = t->file >= 0 && t->file < static_cast<int>(m_files.size()) ? m_files[t->file] : "";
    m_error.line = t->line;
    m_error.message = message;
    return false;
}

bool Parser::Expect(const char* punct)
{
    if (m_in.Accept(punct))
        return true;
    const Token& t = m_in.Peek();
    return Fail(t, std::string("expected '") + punct + "'" +
                       (t.kind == TokenKind::End ? " at end of input" : " before '" + t.text + "'"));
}

bool Parser::Number(int64_t& value)
{
    std::string why;
    const Token& at = m_in.Peek();
    if (!ParseExpression(m_in, m_symbols, ExprOptions{}, value, why))
        return Fail(at, why);
    return true;
}

bool Parser::Coordinate(int& value)
{
    const Token& at = m_in.Peek();
    int64_t v = 0;
    if (!Number(v))
        return false;
    if (v < -32768 || v > 32767)
        return Fail(at, "coordinate out of range: " + std::to_string(v));
    value = static_cast<int>(v);
    return true;
}

bool Parser::StringToken(std::string& text)
{
    const Token& t = m_in.Peek();
    if (t.kind != TokenKind::String)
        return Fail(t, "expected a quoted string");
    text = m_in.Next().text;
    // Adjacent strings are joined.
    while (m_in.Peek().kind == TokenKind::String)
        text += m_in.Next().text;
    return true;
}

bool Parser::ResourceName(ResName& name)
{
    const Token& t = m_in.Peek();
    if (t.kind == TokenKind::Number) {
        name.numeric = true;
        name.id = m_in.Next().value;
        return true;
    }
    if (t.kind == TokenKind::Name || t.kind == TokenKind::String) {
        name.symbol = m_in.Next().text;
        name.numeric = t.kind == TokenKind::Name && m_symbols.Lookup(name.symbol, name.id);
        return true;
    }
    return Fail(t, "expected a resource name or number");
}

bool Parser::IsBegin() const { return IsKeyword(m_in.Peek(), "BEGIN") || m_in.IsPunct("{"); }
bool Parser::IsEnd() const { return IsKeyword(m_in.Peek(), "END") || m_in.IsPunct("}"); }

bool Parser::Begin()
{
    if (!IsBegin())
        return Fail(m_in.Peek(), "expected BEGIN");
    m_in.Next();
    return true;
}

void Parser::SkipMemoryOptions()
{
    for (;;) {
        const Token& t = m_in.Peek();
        bool option = std::any_of(std::begin(kMemoryOptions), std::end(kMemoryOptions),
                                  [&](const char* k) { return IsKeyword(t, k); });
        if (!option)
            return;
        m_in.Next();
    }
}

bool Parser::Parse(Script& out, Diagnostic& error)
{
    while (!m_failed && !m_in.AtEnd()) {
        const Token& t = m_in.Peek();
        if (IsKeyword(t, "STRINGTABLE")) {
            m_in.Next();
            StringTable(out);
            continue;
        }
        if (IsKeyword(t, "LANGUAGE")) {
            m_in.Next();
            int64_t a = 0, b = 0;
            if (Number(a) && ExpectComma())
                Number(b);
            continue;
        }
        ResName name;
        if (!ResourceName(name))
            break;
        const Token& type = m_in.Peek();
        if (type.kind != TokenKind::Name && type.kind != TokenKind::Number) {
            Fail(type, "expected a resource type after " + (name.numeric ? std::to_string(name.id) : name.symbol));
            break;
        }
        Token typeToken = m_in.Next();
        if (IsKeyword(typeToken, "DIALOG") || IsKeyword(typeToken, "DIALOGEX"))
            DialogResource(name, IsKeyword(typeToken, "DIALOGEX"), typeToken, out);
        else if (IsKeyword(typeToken, "MENU") || IsKeyword(typeToken, "MENUEX"))
            MenuResource(name, IsKeyword(typeToken, "MENUEX"), typeToken, out);
        else if (IsKeyword(typeToken, "BITMAP"))
            BlobResource(name, out.bitmaps, "bitmap");
        else if (IsKeyword(typeToken, "ICON"))
            BlobResource(name, out.icons, "icon");
        else if (IsKeyword(typeToken, "CURSOR"))
            BlobResource(name, out.cursors, "cursor");
        else if (IsKeyword(typeToken, "ACCELERATORS"))
            AcceleratorsResource(name, typeToken, out);
        else if (IsKeyword(typeToken, "DLGINIT"))
            DlgInitResource(name, typeToken, out);
        else if (IsKeyword(typeToken, "TOOLBAR"))
            ToolBarResource(name, typeToken, out);
        else
            Fail(typeToken, "resource kind " + typeToken.text + " is not understood");
    }
    if (m_failed) {
        error = m_error;
        return false;
    }
    return true;
}

bool Parser::StringTable(Script& out)
{
    SkipMemoryOptions();
    while (IsKeyword(m_in.Peek(), "LANGUAGE") || IsKeyword(m_in.Peek(), "VERSION") ||
           IsKeyword(m_in.Peek(), "CHARACTERISTICS")) {
        bool language = IsKeyword(m_in.Next(), "LANGUAGE");
        int64_t v = 0;
        if (!Number(v) || (language && !(ExpectComma() && Number(v))))
            return false;
    }
    if (!Begin())
        return false;
    while (!IsEnd()) {
        const Token& at = m_in.Peek();
        if (at.kind == TokenKind::End)
            return Fail(at, "STRINGTABLE without END");
        int64_t id = 0;
        if (!Number(id))
            return false;
        if (id < 0 || id > 0xFFFFFFFFll)
            return Fail(at, "string number out of range");
        m_in.Accept(",");
        std::string text;
        if (!StringToken(text))
            return false;
        if (!out.strings.emplace(static_cast<uint32_t>(id), text).second)
            return Fail(at, "string " + std::to_string(id) + " defined twice");
    }
    m_in.Next();
    return true;
}

bool Parser::MenuResource(const ResName& name, bool extended, const Token& at, Script& out)
{
    if (!name.numeric)
        return Fail(at, "menu " + name.symbol + ": the name is not a defined number");
    for (const Menu& m : out.menus)
        if (m.id == name.id)
            return Fail(at, "menu " + std::to_string(name.id) + " defined twice");
    SkipMemoryOptions();
    Menu menu;
    menu.id = name.id;
    menu.extended = extended;
    if (!Begin() || !MenuItems(menu, 0))
        return false;
    out.menus.push_back(std::move(menu));
    return true;
}

bool Parser::MenuOptions(uint32_t& flags)
{
    for (;;) {
        bool comma = m_in.IsPunct(",");
        const Token& t = m_in.Peek(comma ? 1 : 0);
        auto option = std::find_if(std::begin(kMenuOptions), std::end(kMenuOptions),
                                   [&](const MenuOption& o) { return IsKeyword(t, o.keyword); });
        if (option == std::end(kMenuOptions))
            return true;
        if (comma)
            m_in.Next();
        m_in.Next();
        flags |= option->flag;
    }
}

bool Parser::MenuItems(Menu& menu, int level)
{
    if (level >= kMaxMenuDepth)
        return Fail(m_in.Peek(), "menu nested too deeply");
    while (!IsEnd()) {
        const Token& at = m_in.Peek();
        bool popup = IsKeyword(at, "POPUP");
        if (!popup && !IsKeyword(at, "MENUITEM"))
            return Fail(at, at.kind == TokenKind::End ? "menu without END" : "expected MENUITEM or POPUP");
        m_in.Next();
        MenuItem item;
        item.level = level;
        item.popup = popup;
        if (!popup && IsKeyword(m_in.Peek(), "SEPARATOR")) {
            m_in.Next();
            item.separator = true;
            item.flags = MF_SEPARATOR;
            menu.items.push_back(item);
            continue;
        }
        if (!StringToken(item.text))
            return false;
        if (menu.extended) {
            // MENUEX: [, id [, type [, state [, help id]]]], each part may be left out.
            int64_t values[4] = {0, 0, 0, 0};
            for (int i = 0; i < 4 && m_in.Accept(","); ++i) {
                if (m_in.IsPunct(",") || IsBegin())
                    continue;
                if (!Number(values[i]))
                    return false;
            }
            item.id = popup ? 0 : static_cast<uint32_t>(values[0]);
            item.flags = static_cast<uint32_t>(values[1] | values[2]);
            if (!popup && (item.flags & MFT_SEPARATOR)) {
                item.separator = true;
                item.text.clear();
                item.id = 0;
            }
        } else if (!popup) {
            int64_t id = 0;
            if (!ExpectComma() || !Number(id))
                return false;
            item.id = static_cast<uint32_t>(id);
            if (!MenuOptions(item.flags))
                return false;
        } else if (!MenuOptions(item.flags)) {
            return false;
        }
        menu.items.push_back(item);
        if (popup && !(Begin() && MenuItems(menu, level + 1)))
            return false;
    }
    m_in.Next();
    return true;
}

bool Parser::BlobResource(const ResName& name, std::vector<Blob>& list, const char* kind)
{
    SkipMemoryOptions();
    const Token& at = m_in.Peek();
    std::string file;
    if (!StringToken(file))
        return false;
    file = NormalizePath(file);
    Blob blob;
    blob.id = name.numeric ? name.id : 0;
    blob.name = name.symbol;
    for (const Blob& b : list)
        if (b.id == blob.id && b.name == blob.name)
            return Fail(at, std::string(kind).append(" ") +
                                (blob.name.empty() ? std::to_string(blob.id) : blob.name) + " defined twice");
    std::vector<std::string> candidates;
    if (!file.empty() && file[0] == '/') {
        candidates.push_back(file);
    } else {
        if (at.file >= 0 && at.file < static_cast<int>(m_files.size()))
            candidates.push_back(FolderOf(m_files[at.file]) + file);
        for (const std::string& dir : m_includeDirs)
            candidates.push_back(dir + (dir.empty() || dir.back() == '/' ? "" : "/") + file);
    }
    for (const std::string& path : candidates) {
        std::string bytes;
        if (!m_reader.Read(path, bytes))
            continue;
        blob.path = path;
        blob.data.assign(bytes.begin(), bytes.end());
        m_blobFiles.push_back(path);
        list.push_back(std::move(blob));
        return true;
    }
    return Fail(at, "cannot open file " + file);
}

} // namespace misc_rc
