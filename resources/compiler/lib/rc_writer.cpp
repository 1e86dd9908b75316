// Writes a compiled script as C++ source: static arrays and one MiscResourceTable.
#include <cctype>
#include <cstdio>
#include <sstream>

#include "rc_compile.h"

namespace misc_rc {

namespace {

std::string Hex(uint32_t v)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "0x%08Xu", v);
    return buffer;
}

std::string OptionalLiteral(bool present, const std::string& text)
{
    return present ? CppStringLiteral(text) : std::string("nullptr");
}

void WriteStrings(std::ostream& out, const Script& s)
{
    if (s.strings.empty())
        return;
    out << "const MiscResString kStrings[] = {\n";
    for (const auto& [id, text] : s.strings)
        out << "    {" << id << "u, " << CppStringLiteral(text) << "},\n";
    out << "};\n\n";
}

void WriteDialogs(std::ostream& out, const Script& s)
{
    if (s.dialogs.empty())
        return;
    for (const Dialog& d : s.dialogs) {
        if (d.controls.empty())
            continue;
        out << "const MiscResControl kDialog" << d.id << "Controls[] = {\n";
        for (const Control& c : d.controls) {
            out << "    {" << CppStringLiteral(c.className) << ", " << CppStringLiteral(c.text) << ", " << c.id
                << ", " << Hex(c.style) << ", " << Hex(c.exStyle) << ", " << c.x << ", " << c.y << ", " << c.cx
                << ", " << c.cy << "},\n";
        }
        out << "};\n\n";
    }
    out << "const MiscResDialog kDialogs[] = {\n";
    for (const Dialog& d : s.dialogs) {
        out << "    {" << d.id << "u, " << Hex(d.style) << ", " << Hex(d.exStyle) << ", " << d.x << ", " << d.y
            << ", " << d.cx << ", " << d.cy << ", " << CppStringLiteral(d.caption) << ", "
            << OptionalLiteral(d.hasFont, d.fontFace) << ", " << d.fontPointSize << ", "
            << OptionalLiteral(d.hasMenu, d.menuName) << ", ";
        if (d.controls.empty())
            out << "nullptr, 0";
        else
            out << "kDialog" << d.id << "Controls, " << d.controls.size();
        out << "},\n";
    }
    out << "};\n\n";
}

void WriteMenus(std::ostream& out, const Script& s)
{
    if (s.menus.empty())
        return;
    for (const Menu& m : s.menus) {
        if (m.items.empty())
            continue;
        out << "const MiscResMenuItem kMenu" << m.id << "Items[] = {\n";
        for (const MenuItem& i : m.items) {
            out << "    {" << i.level << ", " << (i.popup ? "TRUE" : "FALSE") << ", " << i.id << "u, "
                << OptionalLiteral(!i.separator, i.text) << ", " << Hex(i.flags) << "},\n";
        }
        out << "};\n\n";
    }
    out << "const MiscResMenu kMenus[] = {\n";
    for (const Menu& m : s.menus) {
        out << "    {" << m.id << "u, ";
        if (m.items.empty())
            out << "nullptr, 0";
        else
            out << "kMenu" << m.id << "Items, " << m.items.size();
        out << "},\n";
    }
    out << "};\n\n";
}

void WriteBlobs(std::ostream& out, const std::vector<Blob>& blobs, const char* kind)
{
    if (blobs.empty())
        return;
    for (size_t n = 0; n < blobs.size(); ++n) {
        const Blob& b = blobs[n];
        if (b.data.empty())
            continue;
        out << "// " << b.path << "\n";
        out << "const unsigned char k" << kind << n << "Data[] = {";
        for (size_t i = 0; i < b.data.size(); ++i) {
            if (i % 16 == 0)
                out << "\n   ";
            out << " " << static_cast<unsigned>(b.data[i]) << ",";
        }
        out << "\n};\n\n";
    }
    out << "const MiscResBlob k" << kind << "s[] = {\n";
    for (size_t n = 0; n < blobs.size(); ++n) {
        const Blob& b = blobs[n];
        out << "    {" << b.id << "u, " << OptionalLiteral(!b.name.empty(), b.name) << ", ";
        if (b.data.empty())
            out << "nullptr, 0";
        else
            out << "k" << kind << n << "Data, " << b.data.size();
        out << "},\n";
    }
    out << "};\n\n";
}

void WriteAccelerators(std::ostream& out, const Script& s)
{
    if (s.accelerators.empty())
        return;
    for (const AccelTable& a : s.accelerators) {
        if (a.entries.empty())
            continue;
        out << "const MiscResAccel kAccel" << a.id << "Entries[] = {\n";
        for (const Accel& e : a.entries)
            out << "    {" << static_cast<unsigned>(e.flags) << ", " << e.key << ", " << e.cmd << "},\n";
        out << "};\n\n";
    }
    out << "const MiscResAccelTable kAccelerators[] = {\n";
    for (const AccelTable& a : s.accelerators) {
        out << "    {" << a.id << "u, ";
        if (a.entries.empty())
            out << "nullptr, 0";
        else
            out << "kAccel" << a.id << "Entries, " << a.entries.size();
        out << "},\n";
    }
    out << "};\n\n";
}

void WriteDlgInits(std::ostream& out, const Script& s)
{
    if (s.dlgInits.empty())
        return;
    for (const DlgInit& d : s.dlgInits) {
        if (d.entries.empty())
            continue;
        out << "const MiscResDlgInitEntry kDlgInit" << d.id << "Entries[] = {\n";
        for (const DlgInitEntry& e : d.entries)
            out << "    {" << e.control << ", " << Hex(e.message) << ", " << CppStringLiteral(e.text) << "},\n";
        out << "};\n\n";
    }
    out << "const MiscResDlgInit kDlgInits[] = {\n";
    for (const DlgInit& d : s.dlgInits) {
        out << "    {" << d.id << "u, ";
        if (d.entries.empty())
            out << "nullptr, 0";
        else
            out << "kDlgInit" << d.id << "Entries, " << d.entries.size();
        out << "},\n";
    }
    out << "};\n\n";
}

void WriteToolBars(std::ostream& out, const Script& s)
{
    if (s.toolBars.empty())
        return;
    for (const ToolBar& t : s.toolBars) {
        if (t.commands.empty())
            continue;
        out << "const UINT kToolBar" << t.id << "Commands[] = {";
        for (uint32_t c : t.commands)
            out << c << "u, ";
        out << "};\n";
    }
    out << "\nconst MiscResToolBar kToolBars[] = {\n";
    for (const ToolBar& t : s.toolBars) {
        out << "    {" << t.id << "u, " << t.buttonWidth << ", " << t.buttonHeight << ", ";
        if (t.commands.empty())
            out << "nullptr, 0";
        else
            out << "kToolBar" << t.id << "Commands, " << t.commands.size();
        out << "},\n";
    }
    out << "};\n\n";
}

std::string TableEntry(bool present, const char* array, size_t count)
{
    return present ? std::string(array) + ", " + std::to_string(count) : std::string("nullptr, 0");
}

} // namespace

std::string CppStringLiteral(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '?') {
            out += "\\?"; // never part of a trigraph
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof(buffer), "\\%03o", c);
            out += buffer;
        }
    }
    return out + "\"";
}

bool IsIdentifier(const std::string& name)
{
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

std::string WriteTableSource(const Script& s, const std::string& symbol, const std::string& scriptName)
{
    std::ostringstream out;
    out << "// Generated by misc_rc from " << scriptName << ". Do not edit.\n";
    out << "#include \"win32/resdata.h\"\n\n";
    out << "namespace {\n\n";
    WriteStrings(out, s);
    WriteDialogs(out, s);
    WriteMenus(out, s);
    WriteBlobs(out, s.bitmaps, "Bitmap");
    WriteBlobs(out, s.icons, "Icon");
    WriteAccelerators(out, s);
    WriteDlgInits(out, s);
    WriteToolBars(out, s);
    WriteBlobs(out, s.cursors, "Cursor");
    out << "} // namespace\n\n";
    out << "extern const MiscResourceTable " << symbol << ";\n";
    out << "const MiscResourceTable " << symbol << " = {\n";
    out << "    " << TableEntry(!s.strings.empty(), "kStrings", s.strings.size()) << ",\n";
    out << "    " << TableEntry(!s.dialogs.empty(), "kDialogs", s.dialogs.size()) << ",\n";
    out << "    " << TableEntry(!s.menus.empty(), "kMenus", s.menus.size()) << ",\n";
    out << "    " << TableEntry(!s.bitmaps.empty(), "kBitmaps", s.bitmaps.size()) << ",\n";
    out << "    " << TableEntry(!s.icons.empty(), "kIcons", s.icons.size()) << ",\n";
    out << "    " << TableEntry(!s.accelerators.empty(), "kAccelerators", s.accelerators.size()) << ",\n";
    out << "    " << TableEntry(!s.dlgInits.empty(), "kDlgInits", s.dlgInits.size()) << ",\n";
    out << "    " << TableEntry(!s.toolBars.empty(), "kToolBars", s.toolBars.size()) << ",\n";
    out << "    " << TableEntry(!s.cursors.empty(), "kCursors", s.cursors.size()) << ",\n";
    out << "};\n";
    return out.str();
}

std::string WriteDepfile(const std::string& target, const std::vector<std::string>& dependencies)
{
    auto escape = [](const std::string& path) {
        std::string e;
        for (char c : path) {
            if (c == ' ' || c == '#')
                e += '\\';
            if (c == '$')
                e += '$';
            e += c;
        }
        return e;
    };
    std::string out = escape(target) + ":";
    for (const std::string& d : dependencies)
        out += " \\\n  " + escape(d);
    return out + "\n";
}

} // namespace misc_rc
