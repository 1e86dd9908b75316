// A small registry kept in an INI file: one section per key (its full path), one line per value
// ("name=dword:N", "name=sz:TEXT", "name=hex:0A0B", "name=hex(T):..." for other types; the
// unnamed value is "@"). Names compare case-insensitively, as the registry's do.
#include "win32/system.h"

#include "profile/profile_store.h"
#include "system/sysenv.h"
#include "win32/base.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace {

struct RegKey {
    std::string path; // "HKEY_USERS\.DEFAULT\Software\..."
};

std::mutex g_keysMutex;
std::unordered_set<RegKey*> g_keys;

const char* RootName(HKEY key)
{
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    return nullptr;
}

// The path of an open or predefined key; false for an unknown handle.
bool KeyPath(HKEY key, std::string& path)
{
    if (const char* root = RootName(key)) {
        path = root;
        return true;
    }
    std::lock_guard<std::mutex> lock(g_keysMutex);
    auto* k = reinterpret_cast<RegKey*>(key);
    if (!g_keys.count(k))
        return false;
    path = k->path;
    return true;
}

// parent\sub with separators tidied: no empty parts.
std::string Join(const std::string& parent, const char* sub)
{
    std::string out = parent;
    std::string part;
    for (const char* p = sub ? sub : ""; ; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (!part.empty())
                out += "\\" + part;
            part.clear();
            if (!*p)
                break;
        } else {
            part += *p;
        }
    }
    return out;
}

bool KeyExists(const miscini::Document& doc, const std::string& path)
{
    if (path.find('\\') == std::string::npos)
        return true; // a predefined root
    for (std::string_view name : doc.SectionNames()) {
        if (miscini::NamesEqual(name, path))
            return true;
        if (name.size() > path.size() && name[path.size()] == '\\' &&
            miscini::NamesEqual(name.substr(0, path.size()), path))
            return true;
    }
    return false;
}

HKEY NewHandle(const std::string& path)
{
    auto* k = new RegKey{path};
    std::lock_guard<std::mutex> lock(g_keysMutex);
    g_keys.insert(k);
    return reinterpret_cast<HKEY>(k);
}

const char* ValueName(LPCSTR name) { return name && *name ? name : "@"; }

std::string Hex(const BYTE* data, DWORD size)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (DWORD i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

bool Unhex(std::string_view text, std::vector<BYTE>& out)
{
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (text.size() % 2)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        int hi = digit(text[i]), lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out.push_back(static_cast<BYTE>(hi * 16 + lo));
    }
    return true;
}

// Decodes a stored value into its type and bytes; false for text in no known form.
bool Decode(std::string_view stored, DWORD& type, std::vector<BYTE>& bytes)
{
    if (stored.substr(0, 3) == "sz:") {
        type = REG_SZ;
        bytes.assign(stored.begin() + 3, stored.end());
        bytes.push_back(0);
        return true;
    }
    if (stored.substr(0, 6) == "dword:") {
        type = REG_DWORD;
        DWORD v = static_cast<DWORD>(std::strtoul(std::string(stored.substr(6)).c_str(), nullptr, 0));
        bytes.resize(4);
        std::memcpy(bytes.data(), &v, 4);
        return true;
    }
    if (stored.substr(0, 4) == "hex:") {
        type = REG_BINARY;
        return Unhex(stored.substr(4), bytes);
    }
    unsigned t = 0;
    int used = 0;
    std::string s(stored);
    if (std::sscanf(s.c_str(), "hex(%u):%n", &t, &used) == 1 && used > 0) {
        type = t;
        return Unhex(stored.substr(static_cast<size_t>(used)), bytes);
    }
    return false;
}

bool Encode(DWORD type, const BYTE* data, DWORD size, std::string& out)
{
    char buf[32];
    switch (type) {
    case REG_SZ: {
        std::string text(reinterpret_cast<const char*>(data), size);
        text = text.substr(0, text.find('\0'));
        if (!miscini::ValidValue(text))
            return false;
        out = "sz:" + text;
        if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            out = "\"" + out + "\""; // keeps the trailing blanks through the reading rules
        return true;
    }
    case REG_DWORD: {
        if (size != 4)
            return false;
        DWORD v;
        std::memcpy(&v, data, 4);
        std::snprintf(buf, sizeof buf, "dword:%u", v);
        out = buf;
        return true;
    }
    case REG_BINARY:
        out = "hex:" + Hex(data, size);
        return true;
    default:
        std::snprintf(buf, sizeof buf, "hex(%u):", type);
        out = buf + Hex(data, size);
        return true;
    }
}

LSTATUS Store(const miscprofile::Edit& edit)
{
    std::string file = miscsys::RegistryFile();
    size_t slash = file.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        SHCreateDirectoryExA(nullptr, file.substr(0, slash).c_str(), nullptr);
    return static_cast<LSTATUS>(miscprofile::Update(file, edit));
}

} // namespace

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string parent;
    if (!KeyPath(key, parent))
        return ERROR_INVALID_HANDLE;
    std::string path = Join(parent, subKey);
    miscprofile::DocPtr doc = miscprofile::Load(miscsys::RegistryFile());
    if (path.find('\\') != std::string::npos && (!doc || !KeyExists(*doc, path)))
        return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, const void*, PHKEY result,
                        LPDWORD disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string parent;
    if (!KeyPath(key, parent))
        return ERROR_INVALID_HANDLE;
    std::string path = Join(parent, subKey);
    miscprofile::DocPtr doc = miscprofile::Load(miscsys::RegistryFile());
    bool existed = doc && KeyExists(*doc, path);
    if (!existed && path.find('\\') != std::string::npos) {
        if (!miscini::ValidSectionName(path))
            return ERROR_INVALID_PARAMETER;
        LSTATUS rc = Store([&](const miscini::Document& d) { return miscini::AddSection(d, path); });
        if (rc != ERROR_SUCCESS)
            return rc;
    }
    if (disposition)
        *disposition = existed ? 2 /* REG_OPENED_EXISTING_KEY */ : 1 /* REG_CREATED_NEW_KEY */;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size)
{
    std::string path;
    if (!KeyPath(key, path))
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    miscprofile::DocPtr doc = miscprofile::Load(miscsys::RegistryFile());
    std::optional<std::string_view> stored = doc ? doc->Value(path, ValueName(name)) : std::nullopt;
    DWORD valueType = REG_NONE;
    std::vector<BYTE> bytes;
    if (!stored || !Decode(*stored, valueType, bytes))
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = valueType;
    DWORD needed = static_cast<DWORD>(bytes.size());
    if (!size)
        return ERROR_SUCCESS;
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed)
        std::memcpy(data, bytes.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    std::string path;
    if (!KeyPath(key, path))
        return ERROR_INVALID_HANDLE;
    std::string encoded;
    static const BYTE none = 0;
    if (!Encode(type, data ? data : &none, data ? size : 0, encoded) || !miscini::ValidKeyName(ValueName(name)))
        return ERROR_INVALID_PARAMETER;
    return Store([&](const miscini::Document& d) { return miscini::SetValue(d, path, ValueName(name), encoded); });
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR name)
{
    std::string path;
    if (!KeyPath(key, path))
        return ERROR_INVALID_HANDLE;
    miscprofile::DocPtr doc = miscprofile::Load(miscsys::RegistryFile());
    if (!doc || !doc->Value(path, ValueName(name)))
        return ERROR_FILE_NOT_FOUND;
    return Store([&](const miscini::Document& d) { return miscini::DeleteKey(d, path, ValueName(name)); });
}

LSTATUS RegCloseKey(HKEY key)
{
    if (RootName(key))
        return ERROR_SUCCESS;
    auto* k = reinterpret_cast<RegKey*>(key);
    {
        std::lock_guard<std::mutex> lock(g_keysMutex);
        if (!g_keys.erase(k))
            return ERROR_INVALID_HANDLE;
    }
    delete k;
    return ERROR_SUCCESS;
}
