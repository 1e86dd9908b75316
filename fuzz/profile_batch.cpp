// Fuzzing the batched profile edits: for any text and any list of edits, the one-pass batch gives
// the bytes of the edits applied one after the other.
//
// Input: a count byte, then per edit three bytes (kind, section pick, key pick) and a value byte,
// then the profile text. Names are picked from the document itself or from a few fixed ones.
#include "win32/inifile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string Pick(const std::vector<std::string_view>& names, uint8_t pick, const char* fresh)
{
    if (names.empty() || pick % 5 == 0)
        return pick % 2 ? fresh : std::string(" ") + fresh + " ";
    return std::string(names[pick % names.size()]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    size_t count = data[0] % 16;
    if (size < 1 + count * 4)
        return 0;
    std::string text(reinterpret_cast<const char*>(data + 1 + count * 4), size - 1 - count * 4);
    miscini::Document doc(text);
    std::vector<std::string_view> sections = doc.SectionNames();
    // Names and values live here so that the edits' views stay valid.
    std::vector<std::string> store;
    store.reserve(count * 3);
    std::vector<miscini::BatchEdit> edits;
    static const char* const kValues[] = {"", "1", "  padded  ", "a=b", "'q'"};
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = data + 1 + i * 4;
        miscini::BatchEdit edit;
        edit.kind = static_cast<miscini::BatchEdit::Kind>(e[0] % 4);
        store.push_back(Pick(sections, e[1], "Fresh"));
        edit.section = store.back();
        std::vector<std::string_view> keys = doc.KeyNames(edit.section);
        store.push_back(Pick(keys, e[2], "key"));
        edit.key = store.back();
        edit.value = kValues[e[3] % 5];
        if (!miscini::ValidSectionName(edit.section) || !miscini::ValidKeyName(edit.key))
            continue;
        edits.push_back(edit);
    }
    std::optional<std::string> batch = miscini::ApplyBatch(doc, edits);
    std::optional<std::string> reference = miscini::ApplySequentially(doc, edits);
    Check((batch ? *batch : text) == (reference ? *reference : text));
    return 0;
}
