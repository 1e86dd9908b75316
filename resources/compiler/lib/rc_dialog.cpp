// DIALOG and DIALOGEX templates and their control statements.
#include "rc_parser.h"

#include <algorithm>
#include <cctype>

#include "win32/styles.h"

namespace misc_rc {

namespace {

enum class ControlForm {
    TextFirst, // text, id, x, y, cx, cy [, style [, exstyle [, help]]]
    NoText,    // id, x, y, cx, cy [, style [, exstyle [, help]]]
    Icon,      // text, id, x, y [, cx, cy [, style [, exstyle [, help]]]]
};

struct ControlKind {
    const char* keyword;
    ControlForm form;
    const char* className;
    uint32_t style; // the statement's own style; WS_CHILD | WS_VISIBLE come on top
};

// The control statements and what they imply, as the Windows resource compiler defines them.
const ControlKind kControlKinds[] = {
    {"LTEXT", ControlForm::TextFirst, "STATIC", SS_LEFT | WS_GROUP},
    {"RTEXT", ControlForm::TextFirst, "STATIC", SS_RIGHT | WS_GROUP},
    {"CTEXT", ControlForm::TextFirst, "STATIC", SS_CENTER | WS_GROUP},
    {"PUSHBUTTON", ControlForm::TextFirst, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
    {"DEFPUSHBUTTON", ControlForm::TextFirst, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"PUSHBOX", ControlForm::TextFirst, "BUTTON", BS_PUSHBOX | WS_TABSTOP},
    {"CHECKBOX", ControlForm::TextFirst, "BUTTON", BS_CHECKBOX | WS_TABSTOP},
    {"AUTOCHECKBOX", ControlForm::TextFirst, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP},
    {"STATE3", ControlForm::TextFirst, "BUTTON", BS_3STATE | WS_TABSTOP},
    {"AUTO3STATE", ControlForm::TextFirst, "BUTTON", BS_AUTO3STATE | WS_TABSTOP},
    {"RADIOBUTTON", ControlForm::TextFirst, "BUTTON", BS_RADIOBUTTON | WS_TABSTOP},
    {"AUTORADIOBUTTON", ControlForm::TextFirst, "BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP},
    {"GROUPBOX", ControlForm::TextFirst, "BUTTON", BS_GROUPBOX},
    {"EDITTEXT", ControlForm::NoText, "EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP},
    {"COMBOBOX", ControlForm::NoText, "COMBOBOX", CBS_SIMPLE | WS_TABSTOP},
    {"LISTBOX", ControlForm::NoText, "LISTBOX", LBS_NOTIFY | WS_BORDER},
    {"SCROLLBAR", ControlForm::NoText, "SCROLLBAR", SBS_HORZ},
    {"ICON", ControlForm::Icon, "STATIC", SS_ICON},
};

const uint32_t kChildDefault = WS_CHILD | WS_VISIBLE;
const uint32_t kComboKindMask = 0x3; // CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST

// Standard window classes are written in upper case whatever the script wrote.
std::string CanonicalClass(const std::string& name)
{
    static const char* const kStandard[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* s : kStandard)
        if (upper == s)
            return upper;
    return name;
}

} // namespace

bool Parser::DialogResource(const ResName& name, bool extended, const Token& at, Script& out)
{
    if (!name.numeric)
        return Fail(at, "dialog " + name.symbol + ": the name is not a defined number");
    for (const Dialog& d : out.dialogs)
        if (d.id == name.id)
            return Fail(at, "dialog " + std::to_string(name.id) + " defined twice");
    SkipMemoryOptions();
    Dialog d;
    d.id = name.id;
    d.extended = extended;
    if (!Coordinate(d.x) || !ExpectComma() || !Coordinate(d.y) || !ExpectComma() || !Coordinate(d.cx) ||
        !ExpectComma() || !Coordinate(d.cy))
        return false;
    if (m_in.Accept(",")) {
        int64_t helpId = 0;
        if (!Number(helpId))
            return false;
    }
    if (!DialogHeader(d) || !Begin())
        return false;
    while (!IsEnd()) {
        if (m_in.Peek().kind == TokenKind::End)
            return Fail(m_in.Peek(), "dialog without END");
        if (!ControlStatement(d))
            return false;
    }
    m_in.Next();
    out.dialogs.push_back(std::move(d));
    return true;
}

bool Parser::DialogHeader(Dialog& d)
{
    bool styleGiven = false;
    std::string why;
    while (!IsBegin()) {
        const Token& t = m_in.Peek();
        if (t.kind == TokenKind::End)
            return Fail(t, "dialog without BEGIN");
        m_in.Next();
        if (IsKeyword(t, "STYLE")) {
            styleGiven = true;
            if (!ParseStyle(m_in, m_symbols, 0, d.style, why))
                return Fail(t, why);
        } else if (IsKeyword(t, "EXSTYLE")) {
            if (!ParseStyle(m_in, m_symbols, 0, d.exStyle, why))
                return Fail(t, why);
        } else if (IsKeyword(t, "CAPTION")) {
            if (!StringToken(d.caption))
                return false;
            d.hasCaption = true;
        } else if (IsKeyword(t, "FONT")) {
            int64_t size = 0;
            if (!Number(size) || !ExpectComma() || !StringToken(d.fontFace))
                return false;
            d.hasFont = true;
            d.fontPointSize = static_cast<int>(size);
            // DIALOGEX fonts: weight, italic, character set.
            for (int i = 0; i < 3 && m_in.Accept(","); ++i) {
                int64_t ignored = 0;
                if (!Number(ignored))
                    return false;
            }
        } else if (IsKeyword(t, "MENU")) {
            const Token& n = m_in.Next();
            uint32_t value = 0;
            if (n.kind == TokenKind::Number)
                d.menuName = std::to_string(n.value);
            else if (n.kind == TokenKind::Name && m_symbols.Lookup(n.text, value))
                d.menuName = std::to_string(value);
            else if (n.kind == TokenKind::Name || n.kind == TokenKind::String)
                d.menuName = n.text;
            else
                return Fail(n, "MENU needs a menu name");
            d.hasMenu = true;
        } else if (IsKeyword(t, "CLASS")) {
            m_in.Next();
        } else if (IsKeyword(t, "LANGUAGE")) {
            int64_t a = 0, b = 0;
            if (!Number(a) || !ExpectComma() || !Number(b))
                return false;
        } else if (IsKeyword(t, "VERSION") || IsKeyword(t, "CHARACTERISTICS")) {
            int64_t v = 0;
            if (!Number(v))
                return false;
        } else {
            return Fail(t, "unexpected '" + t.text + "' in dialog header");
        }
    }
    if (!styleGiven)
        d.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    if (d.hasCaption)
        d.style |= WS_CAPTION;
    if (d.hasFont)
        d.style |= DS_SETFONT;
    return true;
}

bool Parser::ControlText(std::string& text)
{
    const Token& t = m_in.Peek();
    if (t.kind == TokenKind::String)
        return StringToken(text);
    uint32_t value = 0;
    // A picture's resource given by a name that is not a number stays a name.
    if (t.kind == TokenKind::Name && !m_symbols.Lookup(t.text, value) && !m_in.IsPunct("(", 1)) {
        text = m_in.Next().text;
        return true;
    }
    int64_t number = 0;
    if (!Number(number))
        return false;
    text = std::to_string(number);
    return true;
}

bool Parser::GenericControl(Control& c)
{
    std::string why;
    int64_t id = 0;
    if (!ControlText(c.text) || !ExpectComma() || !Number(id) || !ExpectComma())
        return false;
    c.id = static_cast<int>(id);
    const Token& cls = m_in.Peek();
    if (cls.kind != TokenKind::String && cls.kind != TokenKind::Name)
        return Fail(cls, "CONTROL needs a window class");
    c.className = CanonicalClass(m_in.Next().text);
    if (!ExpectComma())
        return false;
    const Token& at = m_in.Peek();
    if (!ParseStyle(m_in, m_symbols, kChildDefault, c.style, why))
        return Fail(at, why);
    if (!ExpectComma() || !Coordinate(c.x) || !ExpectComma() || !Coordinate(c.y) || !ExpectComma() ||
        !Coordinate(c.cx) || !ExpectComma() || !Coordinate(c.cy))
        return false;
    if (m_in.Accept(",")) {
        const Token& ex = m_in.Peek();
        if (!ParseStyle(m_in, m_symbols, 0, c.exStyle, why))
            return Fail(ex, why);
        int64_t helpId = 0;
        if (m_in.Accept(",") && !Number(helpId))
            return false;
    }
    return true;
}

bool Parser::ControlStatement(Dialog& d)
{
    const Token& keyword = m_in.Peek();
    Control c;
    if (IsKeyword(keyword, "CONTROL")) {
        m_in.Next();
        if (!GenericControl(c))
            return false;
        d.controls.push_back(std::move(c));
        return true;
    }
    const ControlKind* kind = std::find_if(std::begin(kControlKinds), std::end(kControlKinds),
                                           [&](const ControlKind& k) { return IsKeyword(keyword, k.keyword); });
    if (kind == std::end(kControlKinds))
        return Fail(keyword, "unknown control statement '" + keyword.text + "'");
    m_in.Next();
    c.className = kind->className;
    c.style = kChildDefault | kind->style;
    if (kind->form != ControlForm::NoText && (!ControlText(c.text) || !ExpectComma()))
        return false;
    int64_t id = 0;
    if (!Number(id) || !ExpectComma() || !Coordinate(c.x) || !ExpectComma() || !Coordinate(c.y))
        return false;
    c.id = static_cast<int>(id);
    bool sized = kind->form != ControlForm::Icon || m_in.IsPunct(",");
    if (sized && (!ExpectComma() || !Coordinate(c.cx) || !ExpectComma() || !Coordinate(c.cy)))
        return false;
    std::string why;
    if (sized && m_in.Accept(",")) {
        const Token& at = m_in.Peek();
        // A combo box's kind is one value in the low two bits, not a flag: CBS_SIMPLE is its kind
        // only when the statement names none (or CBS_DROPDOWN would become CBS_DROPDOWNLIST).
        const bool combo = c.className == "COMBOBOX";
        const uint32_t base = combo ? c.style & ~kComboKindMask : c.style;
        if (!ParseStyle(m_in, m_symbols, base, c.style, why))
            return Fail(at, why);
        if (combo && (c.style & kComboKindMask) == 0)
            c.style |= CBS_SIMPLE;
        if (m_in.Accept(",")) {
            const Token& ex = m_in.Peek();
            if (!ParseStyle(m_in, m_symbols, 0, c.exStyle, why))
                return Fail(ex, why);
            int64_t helpId = 0;
            if (m_in.Accept(",") && !Number(helpId))
                return false;
        }
    }
    d.controls.push_back(std::move(c));
    return true;
}

} // namespace misc_rc
