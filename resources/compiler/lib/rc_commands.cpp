// The command resources of a script: ACCELERATORS, DLGINIT (initial lists of combo boxes and
// list boxes) and TOOLBAR.
#include "rc_parser.h"

#include <algorithm>
#include <cctype>

namespace misc_rc {

namespace {

// ACCEL flags (win32/types.h), repeated here because the compiler is a host tool of its own.
const uint8_t kVirtKey = 0x01, kNoInvert = 0x02, kShift = 0x04, kControl = 0x08, kAlt = 0x10;

struct AccelOption {
    const char* keyword;
    uint8_t flag;
};
const AccelOption kAccelOptions[] = {{"VIRTKEY", kVirtKey}, {"ASCII", 0},        {"NOINVERT", kNoInvert},
                                     {"ALT", kAlt},         {"SHIFT", kShift},   {"CONTROL", kControl}};

// DLGINIT messages as resource files store them (the 16-bit numbers of Windows 3) and the
// Win32 numbers the dialog gets.
const uint32_t kWin16ListAdd = 0x0401, kWin16ComboAdd = 0x0403, kComboExAdd = 0x1234;
const uint32_t kListAdd = 0x0180, kComboAdd = 0x0143;

const size_t kMaxRawData = 1 << 20;

uint32_t ReadWord(const std::string& b, size_t at)
{
    return static_cast<uint8_t>(b[at]) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8);
}

bool HasLongSuffix(const Token& t)
{
    return t.kind == TokenKind::Number && !t.text.empty() && std::toupper(static_cast<unsigned char>(t.text.back())) == 'L';
}

} // namespace

bool Parser::SkipOptionalStatements()
{
    SkipMemoryOptions();
    while (IsKeyword(m_in.Peek(), "LANGUAGE") || IsKeyword(m_in.Peek(), "VERSION") ||
           IsKeyword(m_in.Peek(), "CHARACTERISTICS")) {
        bool language = IsKeyword(m_in.Next(), "LANGUAGE");
        int64_t v = 0;
        if (!Number(v) || (language && !(ExpectComma() && Number(v))))
            return false;
    }
    return true;
}

bool Parser::AcceleratorsResource(const ResName& name, const Token& at, Script& out)
{
    if (!name.numeric)
        return Fail(at, "accelerators " + name.symbol + ": the name is not a defined number");
    for (const AccelTable& a : out.accelerators)
        if (a.id == name.id)
            return Fail(at, "accelerators " + std::to_string(name.id) + " defined twice");
    AccelTable table;
    table.id = name.id;
    if (!SkipOptionalStatements() || !Begin())
        return false;
    while (!IsEnd()) {
        if (m_in.Peek().kind == TokenKind::End)
            return Fail(m_in.Peek(), "ACCELERATORS without END");
        Accel entry;
        if (!AccelEntry(entry))
            return false;
        table.entries.push_back(entry);
    }
    m_in.Next();
    out.accelerators.push_back(std::move(table));
    return true;
}

bool Parser::AccelEntry(Accel& entry)
{
    const Token& at = m_in.Peek();
    // The event: a quoted character ("a", "^C" for Ctrl+C) or a key number.
    bool caret = false;
    const bool quoted = at.kind == TokenKind::String;
    int64_t key = 0;
    if (quoted) {
        std::string text = m_in.Next().text;
        if (text.size() == 2 && text[0] == '^' && std::isalpha(static_cast<unsigned char>(text[1]))) {
            caret = true;
            key = std::toupper(static_cast<unsigned char>(text[1])) - '@';
        } else if (text.size() == 1) {
            key = static_cast<unsigned char>(text[0]);
        } else {
            return Fail(at, "accelerator key \"" + text + "\" is not one character");
        }
    } else if (!Number(key)) {
        return false;
    }
    int64_t cmd = 0;
    if (!ExpectComma() || !Number(cmd))
        return false;
    if (cmd < 0 || cmd > 0xFFFF)
        return Fail(at, "accelerator command out of range: " + std::to_string(cmd));
    uint8_t flags = 0;
    bool ascii = false;
    while (m_in.Accept(",")) {
        const Token& t = m_in.Peek();
        auto option = std::find_if(std::begin(kAccelOptions), std::end(kAccelOptions),
                                   [&](const AccelOption& o) { return IsKeyword(t, o.keyword); });
        if (option == std::end(kAccelOptions))
            return Fail(t, "expected an accelerator option before '" + t.text + "'");
        ascii = ascii || IsKeyword(t, "ASCII");
        flags |= option->flag;
        m_in.Next();
    }
    if ((flags & kVirtKey) && ascii)
        return Fail(at, "an accelerator cannot be VIRTKEY and ASCII");
    if (caret && (flags & kVirtKey))
        return Fail(at, "a \"^\" accelerator cannot be VIRTKEY");
    if (!(flags & kVirtKey) && (flags & (kShift | kControl)))
        return Fail(at, "SHIFT and CONTROL need VIRTKEY");
    if (key < 0 || key > 0xFFFF)
        return Fail(at, "accelerator key out of range: " + std::to_string(key));
    if ((flags & kVirtKey) && quoted)
        key = std::toupper(static_cast<int>(key)); // "n" and "N" name the same virtual key
    entry.flags = flags;
    entry.key = static_cast<uint16_t>(key);
    entry.cmd = static_cast<uint16_t>(cmd);
    return true;
}

bool Parser::RawData(std::string& bytes)
{
    // Numbers are words (doublewords with an L suffix), strings their bytes; commas optional.
    while (!IsEnd()) {
        const Token& t = m_in.Peek();
        if (t.kind == TokenKind::End)
            return Fail(t, "DLGINIT without END");
        if (bytes.size() > kMaxRawData)
            return Fail(t, "DLGINIT data too long");
        if (m_in.Accept(","))
            continue;
        if (t.kind == TokenKind::String) {
            bytes += m_in.Next().text;
            continue;
        }
        const bool dword = HasLongSuffix(t);
        int64_t v = 0;
        if (!Number(v))
            return false;
        const int size = dword ? 4 : 2;
        if (!dword && (v < -32768 || v > 0xFFFF))
            return Fail(t, "word out of range: " + std::to_string(v));
        for (int i = 0; i < size; ++i)
            bytes += static_cast<char>((static_cast<uint64_t>(v) >> (8 * i)) & 0xFF);
    }
    m_in.Next();
    return true;
}

bool Parser::DlgInitResource(const ResName& name, const Token& at, Script& out)
{
    if (!name.numeric)
        return Fail(at, "DLGINIT " + name.symbol + ": the name is not a defined number");
    for (const DlgInit& d : out.dlgInits)
        if (d.id == name.id)
            return Fail(at, "DLGINIT " + std::to_string(name.id) + " defined twice");
    std::string bytes;
    if (!SkipOptionalStatements() || !Begin() || !RawData(bytes))
        return false;
    // Records: control (word), message (word), length (doubleword), the bytes; a 0 word ends.
    DlgInit init;
    init.id = name.id;
    size_t at16 = 0;
    for (;;) {
        if (at16 + 2 > bytes.size())
            return Fail(at, "DLGINIT " + std::to_string(name.id) + " does not end with 0");
        uint32_t control = ReadWord(bytes, at16);
        if (control == 0)
            break;
        if (at16 + 8 > bytes.size())
            return Fail(at, "DLGINIT " + std::to_string(name.id) + ": record of control " + std::to_string(control) + " is cut short");
        uint32_t message = ReadWord(bytes, at16 + 2);
        uint32_t length = ReadWord(bytes, at16 + 4) | (ReadWord(bytes, at16 + 6) << 16);
        at16 += 8;
        if (length > bytes.size() - at16)
            return Fail(at, "DLGINIT " + std::to_string(name.id) + ": record of control " + std::to_string(control) + " is longer than the data");
        DlgInitEntry entry;
        entry.control = static_cast<int>(control);
        if (message == kWin16ComboAdd || message == kComboExAdd || message == kComboAdd)
            entry.message = kComboAdd;
        else if (message == kWin16ListAdd || message == kListAdd)
            entry.message = kListAdd;
        else
            return Fail(at, "DLGINIT " + std::to_string(name.id) + ": message " + std::to_string(message) + " is not understood");
        entry.text = bytes.substr(at16, length);
        while (!entry.text.empty() && entry.text.back() == '\0')
            entry.text.pop_back();
        if (entry.text.find('\0') != std::string::npos)
            return Fail(at, "DLGINIT " + std::to_string(name.id) + ": a string holds a NUL");
        init.entries.push_back(std::move(entry));
        at16 += length; // records follow each other without padding
    }
    out.dlgInits.push_back(std::move(init));
    return true;
}

bool Parser::ToolBarResource(const ResName& name, const Token& at, Script& out)
{
    if (!name.numeric)
        return Fail(at, "tool bar " + name.symbol + ": the name is not a defined number");
    for (const ToolBar& t : out.toolBars)
        if (t.id == name.id)
            return Fail(at, "tool bar " + std::to_string(name.id) + " defined twice");
    SkipMemoryOptions();
    ToolBar bar;
    bar.id = name.id;
    if (!Coordinate(bar.buttonWidth) || !ExpectComma() || !Coordinate(bar.buttonHeight))
        return false;
    if (bar.buttonWidth <= 0 || bar.buttonHeight <= 0)
        return Fail(at, "tool bar " + std::to_string(name.id) + ": the button size must be positive");
    if (!SkipOptionalStatements() || !Begin())
        return false;
    while (!IsEnd()) {
        const Token& t = m_in.Peek();
        if (t.kind == TokenKind::End)
            return Fail(t, "TOOLBAR without END");
        m_in.Next();
        if (IsKeyword(t, "SEPARATOR")) {
            bar.commands.push_back(0);
            continue;
        }
        if (!IsKeyword(t, "BUTTON"))
            return Fail(t, "expected BUTTON or SEPARATOR before '" + t.text + "'");
        int64_t cmd = 0;
        if (!Number(cmd))
            return false;
        if (cmd <= 0 || cmd > 0xFFFF)
            return Fail(t, "tool bar button command out of range: " + std::to_string(cmd));
        bar.commands.push_back(static_cast<uint32_t>(cmd));
    }
    m_in.Next();
    out.toolBars.push_back(std::move(bar));
    return true;
}

} // namespace misc_rc
