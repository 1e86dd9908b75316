// The key formatter of the shortcut manager: accelerator entries as "Ctrl+Shift+F5" texts, and
// those texts read back.
#include "toolkit/shortcuts.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Names of the virtual keys that are not letters, digits or function keys.
struct KeyName {
    WORD key;
    const char* name;
};

const KeyName kNames[] = {
    {VK_CANCEL, "Break"},       {VK_BACK, "Backspace"},    {VK_TAB, "Tab"},
    {VK_CLEAR, "Clear"},        {VK_RETURN, "Enter"},      {VK_PAUSE, "Pause"},
    {VK_CAPITAL, "Caps Lock"},  {VK_ESCAPE, "Esc"},        {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},         {VK_NEXT, "PgDn"},         {VK_END, "End"},
    {VK_HOME, "Home"},          {VK_LEFT, "Left"},         {VK_UP, "Up"},
    {VK_RIGHT, "Right"},        {VK_DOWN, "Down"},         {VK_SELECT, "Select"},
    {VK_PRINT, "Print"},        {VK_EXECUTE, "Execute"},   {VK_SNAPSHOT, "Print Screen"},
    {VK_INSERT, "Ins"},         {VK_DELETE, "Del"},        {VK_HELP, "Help"},
    {VK_LWIN, "Left Windows"},  {VK_RWIN, "Right Windows"}, {VK_APPS, "Application"},
    {VK_MULTIPLY, "Num *"},     {VK_ADD, "Num +"},         {VK_SEPARATOR, "Num Enter"},
    {VK_SUBTRACT, "Num -"},     {VK_DECIMAL, "Num Del"},   {VK_DIVIDE, "Num /"},
    {VK_NUMLOCK, "Num Lock"},   {VK_SCROLL, "Scroll Lock"},
    {VK_OEM_1, ";"},            {VK_OEM_PLUS, "="},        {VK_OEM_COMMA, ","},
    {VK_OEM_MINUS, "-"},        {VK_OEM_PERIOD, "."},      {VK_OEM_2, "/"},
    {VK_OEM_3, "`"},            {VK_OEM_4, "["},           {VK_OEM_5, "\\"},
    {VK_OEM_6, "]"},            {VK_OEM_7, "'"},
};

// Modifiers in keyboard order.
struct Modifier {
    BYTE flag;
    const char* prefix;
};
const Modifier kModifiers[] = {{FCONTROL, "Ctrl+"}, {FSHIFT, "Shift+"}, {FALT, "Alt+"}};

CString VirtualKeyName(WORD key)
{
    char text[16];
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        text[0] = static_cast<char>(key);
        text[1] = '\0';
        return text;
    }
    if (key >= VK_F1 && key <= VK_F1 + 23) {
        std::snprintf(text, sizeof(text), "F%d", key - VK_F1 + 1);
        return text;
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        std::snprintf(text, sizeof(text), "Num %d", key - VK_NUMPAD0);
        return text;
    }
    for (const KeyName& k : kNames)
        if (k.key == key)
            return k.name;
    return CString();
}

// A character entry: what a person types for it.
CString CharacterName(WORD key)
{
    switch (key) {
    case 8: return "Backspace";
    case 9: return "Tab";
    case 13: return "Enter";
    case 27: return "Esc";
    case ' ': return "Space";
    default: break;
    }
    if (key >= 1 && key <= 26) {
        char text[8] = "Ctrl+";
        text[5] = static_cast<char>('A' + key - 1);
        text[6] = '\0';
        return text;
    }
    if (key == 0 || key > 0xFF)
        return CString();
    const char text[2] = {static_cast<char>(key), '\0'};
    return text;
}

bool StartsWithNoCase(const char* text, const char* prefix)
{
    const size_t n = std::strlen(prefix);
    return strncasecmp(text, prefix, n) == 0;
}

} // namespace

CXTPShortcutManager::CKeyHelper::CKeyHelper(const ACCEL* accel, CXTPShortcutManager* manager)
    : m_accel(accel ? *accel : ACCEL{}), m_manager(manager)
{
}

CString CXTPShortcutManager::CKeyHelper::GetKeyName(WORD key, BOOL virtualKey)
{
    return virtualKey ? VirtualKeyName(key) : CharacterName(key);
}

void CXTPShortcutManager::CKeyHelper::Format(CString& text) const
{
    text.Empty();
    if (!(m_accel.fVirt & FVIRTKEY)) {
        // Windows honours only Alt for character entries; the character carries the rest.
        if (m_accel.fVirt & FALT)
            text = "Alt+";
        CString name = CharacterName(m_accel.key);
        if (name.IsEmpty()) {
            char hex[16];
            std::snprintf(hex, sizeof(hex), "0x%04X", static_cast<unsigned>(m_accel.key));
            name = hex;
        }
        text += name;
        return;
    }
    for (const Modifier& m : kModifiers)
        if (m_accel.fVirt & m.flag)
            text += m.prefix;
    CString name = VirtualKeyName(m_accel.key);
    if (name.IsEmpty()) {
        // A key without a name still shows which key it is.
        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%02X", static_cast<unsigned>(m_accel.key));
        name = hex;
    }
    text += name;
}

CString CXTPShortcutManager::CKeyHelper::Format() const
{
    CString text;
    Format(text);
    return text;
}

BOOL CXTPShortcutManager::CKeyHelper::Parse(LPCTSTR text, ACCEL* accel)
{
    if (!text || !accel)
        return FALSE;
    BYTE flags = FVIRTKEY;
    const char* rest = text;
    // A key name may itself hold a '+' ("Num +"), so modifiers are taken as known prefixes.
    for (bool more = true; more;) {
        more = false;
        for (const Modifier& m : kModifiers)
            if (!(flags & m.flag) && StartsWithNoCase(rest, m.prefix) && rest[std::strlen(m.prefix)] != '\0') {
                flags |= m.flag;
                rest += std::strlen(m.prefix);
                more = true;
            }
    }
    for (int key = 1; key <= 0xFE; ++key) {
        const CString name = VirtualKeyName(static_cast<WORD>(key));
        if (!name.IsEmpty() && strcasecmp(name.GetString(), rest) == 0) {
            accel->fVirt = flags;
            accel->key = static_cast<WORD>(key);
            return TRUE;
        }
    }
    unsigned hex = 0;
    int used = 0;
    if (std::sscanf(rest, "0x%2X%n", &hex, &used) == 1 && rest[used] == '\0' && hex >= 1 && hex <= 0xFE) {
        accel->fVirt = flags;
        accel->key = static_cast<WORD>(hex);
        return TRUE;
    }
    return FALSE;
}
