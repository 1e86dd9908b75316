// The Win32 private profile functions on top of the parser and the file cache.
#include "win32/profile.h"

#include "profile/profile_store.h"
#include "system/sysenv.h"
#include "win32/base.h"
#include "win32/system.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string_view DefaultWithoutTrailingBlanks(LPCSTR defaultValue)
{
    std::string_view def = defaultValue ? defaultValue : "";
    while (!def.empty() && (def.back() == ' ' || def.back() == '\t'))
        def.remove_suffix(1);
    return def;
}

DWORD CopyDefault(LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    return miscini::CopyString(DefaultWithoutTrailingBlanks(defaultValue), buffer, size);
}

std::optional<std::string> ApplyWrite(const miscini::Document& doc, LPCSTR section, LPCSTR key, LPCSTR value)
{
    if (!key)
        return miscini::DeleteSection(doc, section);
    if (!value)
        return miscini::DeleteKey(doc, section, key);
    return miscini::SetValue(doc, section, key, value);
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName)
{
    if (!buffer || size == 0)
        return 0;
    std::string path = miscprofile::ResolvePath(fileName);
    miscprofile::DocPtr doc = path.empty() ? nullptr : miscprofile::Load(path);
    if (!section) {
        SetLastError(ERROR_SUCCESS);
        return miscini::CopyList(doc ? doc->SectionNames() : std::vector<std::string_view>{}, buffer, size);
    }
    if (!doc)
        return CopyDefault(defaultValue, buffer, size);
    if (!key) {
        if (!doc->FindSection(section))
            return CopyDefault(defaultValue, buffer, size);
        SetLastError(ERROR_SUCCESS);
        return miscini::CopyList(doc->KeyNames(section), buffer, size);
    }
    std::optional<std::string_view> value = doc->Value(section, key);
    if (!value)
        return CopyDefault(defaultValue, buffer, size);
    SetLastError(ERROR_SUCCESS);
    return miscini::CopyString(*value, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    if (!section || !key)
        return static_cast<UINT>(defaultValue);
    std::string path = miscprofile::ResolvePath(fileName);
    miscprofile::DocPtr doc = path.empty() ? nullptr : miscprofile::Load(path);
    if (!doc)
        return static_cast<UINT>(defaultValue);
    std::optional<std::string_view> value = doc->Value(section, key);
    if (!value || value->empty())
        return static_cast<UINT>(defaultValue);
    return miscini::ParseProfileInt(*value);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (!section && !key && !value) {
        if (!fileName || !*fileName)
            miscprofile::ForgetAll();
        else
            miscprofile::Forget(miscprofile::ResolvePath(fileName));
        SetLastError(ERROR_SUCCESS);
        return FALSE;
    }
    if (!section) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    std::string path = miscprofile::ResolvePath(fileName);
    if (path.empty()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!miscini::ValidSectionName(section) || (key && !miscini::ValidKeyName(key)) ||
        (value && !miscini::ValidValue(value))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!fileName) // the default file's folder always exists on Windows
        SHCreateDirectoryExA(nullptr, miscsys::WindowsDir().c_str(), nullptr);
    DWORD rc = miscprofile::Update(path, [&](const miscini::Document& doc) {
        return ApplyWrite(doc, section, key, value);
    });
    SetLastError(rc);
    return rc == ERROR_SUCCESS;
}

DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName)
{
    return GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer, size, fileName);
}

DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, nullptr);
}

UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue)
{
    return GetPrivateProfileIntA(section, key, defaultValue, nullptr);
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value)
{
    return WritePrivateProfileStringA(section, key, value, nullptr);
}

DWORD MiscGetDefaultProfileFile(LPSTR buffer, DWORD size)
{
    std::string path = miscprofile::DefaultFile();
    if (!miscsys::CopyOut(path, buffer, size))
        return static_cast<DWORD>(path.size() + 1);
    return static_cast<DWORD>(path.size());
}

namespace {

// Applies the edits in one file replacement after checking every name and value.
BOOL WriteBatch(const std::vector<miscini::BatchEdit>& edits, LPCSTR fileName)
{
    for (const miscini::BatchEdit& e : edits) {
        bool keyed = e.kind == miscini::BatchEdit::Set || e.kind == miscini::BatchEdit::RemoveKey;
        if (!miscini::ValidSectionName(e.section) || (keyed && !miscini::ValidKeyName(e.key)) ||
            (e.kind == miscini::BatchEdit::Set && !miscini::ValidValue(e.value))) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    std::string path = miscprofile::ResolvePath(fileName);
    if (path.empty()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!fileName)
        SHCreateDirectoryExA(nullptr, miscsys::WindowsDir().c_str(), nullptr);
    DWORD rc = miscprofile::Update(path, [&](const miscini::Document& doc) {
        return miscini::ApplyBatch(doc, edits);
    });
    SetLastError(rc);
    return rc == ERROR_SUCCESS;
}

} // namespace

BOOL MiscWritePrivateProfileBatch(const MiscProfileWrite* writes, size_t count, LPCSTR fileName)
{
    if (count && !writes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<miscini::BatchEdit> edits;
    edits.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const MiscProfileWrite& w = writes[i];
        if (!w.section) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        miscini::BatchEdit e;
        e.kind = !w.key ? miscini::BatchEdit::RemoveSection
                        : (!w.value ? miscini::BatchEdit::RemoveKey : miscini::BatchEdit::Set);
        e.section = w.section;
        e.key = w.key ? w.key : "";
        e.value = w.value ? w.value : "";
        edits.push_back(e);
    }
    if (edits.empty()) {
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    }
    return WriteBatch(edits, fileName);
}

BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR keysAndValues, LPCSTR fileName)
{
    if (!section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<miscini::BatchEdit> edits;
    edits.push_back({miscini::BatchEdit::RemoveSection, section, "", ""});
    if (keysAndValues) {
        edits.push_back({miscini::BatchEdit::EnsureSection, section, "", ""});
        // The list ends with an empty string; each entry is "key=value" (a bare word is a key
        // with an empty value).
        for (LPCSTR p = keysAndValues; *p; p += std::strlen(p) + 1) {
            std::string_view entry(p);
            size_t eq = entry.find('=');
            std::string_view key = entry.substr(0, eq);
            std::string_view value = eq == std::string_view::npos ? std::string_view() : entry.substr(eq + 1);
            edits.push_back({miscini::BatchEdit::Set, section, key, value});
        }
    }
    return WriteBatch(edits, fileName);
}
