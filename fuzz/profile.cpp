// Fuzzing the profile parser and editor: any bytes parse; lookups, lists and edits stay within
// their buffers; an edit does what it says and a re-parse agrees.
#include "win32/inifile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// A name taken from the document itself, so that edits hit existing sections and keys.
std::string PickSection(const miscini::Document& doc, uint8_t pick)
{
    const auto& sections = doc.Sections();
    if (sections.empty() || pick % 4 == 0)
        return "NewSection";
    return std::string(doc.Name(sections[pick % sections.size()]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    uint8_t pickSection = data[0], pickKey = data[1];
    std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    miscini::Document doc(text);
    Check(doc.Text() == text);

    // Lists into small buffers, guarded at both ends.
    char buf[40];
    for (DWORD bufSize : {0u, 1u, 2u, 3u, 17u, 32u}) {
        std::memset(buf, 0x7E, sizeof buf);
        DWORD n = miscini::CopyList(doc.SectionNames(), buf + 4, bufSize);
        Check(bufSize == 0 ? n == 0 : n < bufSize);
        Check(buf[3] == 0x7E && buf[4 + bufSize] == 0x7E);
    }

    std::string section = PickSection(doc, pickSection);
    std::vector<std::string_view> keys = doc.KeyNames(section);
    std::string key = keys.empty() || pickKey % 4 == 0 ? "NewKey" : std::string(keys[pickKey % keys.size()]);
    if (auto v = doc.Value(section, key)) {
        std::memset(buf, 0x7E, sizeof buf);
        DWORD n = miscini::CopyString(*v, buf + 4, 9);
        Check(n <= 8 && buf[4 + 9] == 0x7E);
        miscini::ParseProfileInt(*v);
    }

    bool writable = miscini::ValidSectionName(section) && miscini::ValidKeyName(key);
    if (writable) {
        std::string value = "fuzz value " + std::to_string(size);
        auto edited = miscini::SetValue(doc, section, key, value);
        std::string after = edited ? *edited : text;
        miscini::Document again(after);
        auto read = again.Value(section, key);
        Check(read && *read == value);

        auto removed = miscini::DeleteKey(again, section, key);
        Check(removed.has_value());
        miscini::Document gone(*removed);
        Check(!gone.Value(section, key));
    }
    if (miscini::ValidSectionName(section)) {
        auto noSection = miscini::DeleteSection(doc, section);
        miscini::Document gone(noSection ? *noSection : text);
        Check(!gone.FindSection(section));
    }
    return 0;
}
