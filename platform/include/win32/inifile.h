#pragma once
// Parsing and editing of initialisation (profile) files as pure functions on text, with the
// reading rules of the Windows profile functions. Nothing here touches a file; the profile
// functions of profile.h put a cache and atomic file replacement around it.
//
// Reading rules:
// - Lines end with LF, CR LF or a lone CR. A UTF-8 byte-order mark at the start is skipped.
// - A line whose first non-blank character is '[' is a section header; the name runs to the last
//   ']' on the line (or the end of the line when there is none) and is trimmed of blanks.
// - A line whose first non-blank character is ';' is a comment.
// - Any other line with a '=' is an entry: the key is the text before the first '=', the value the
//   text after it, both trimmed of blanks (space, tab, vertical tab, form feed).
// - Lines without '=' and entries before the first section header belong to no key: they are
//   neither found nor listed, and edits keep them byte for byte.
// - Section and key names compare case-insensitively (ASCII letters); the first section of a name
//   and, within it, the first key of a name win. Later duplicates are kept but never read.
// - A value enclosed in a matching pair of double or single quotes is read without them.
#include "win32/types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

namespace miscini {

// One "key=value" line. Offsets index the document's text.
struct Entry {
    size_t keyBegin = 0, keyEnd = 0;     // the trimmed key
    size_t valueBegin = 0, valueEnd = 0; // the trimmed value (quotes not yet removed)
    size_t lineEnd = 0;                  // end of the line's text, before its line break
    size_t nextLine = 0;                 // start of the following line
    uint32_t keyHash = 0;
};

// One section: its header line and the lines up to the next header.
struct Section {
    size_t headerBegin = 0;             // start of the header line
    size_t nameBegin = 0, nameEnd = 0;  // the trimmed name
    size_t bodyBegin = 0;               // start of the line after the header
    size_t bodyEnd = 0;                 // start of the next header line, or the end of the text
    size_t contentEnd = 0;              // start of the line after the last non-blank line
    uint32_t nameHash = 0;
    uint32_t firstEntry = 0, entryCount = 0;
};

// Trims blanks (space, tab, vertical tab, form feed) at both ends.
std::string_view TrimBlanks(std::string_view text);
// Removes a matching pair of enclosing quotes (" or '), when the text has at least two characters.
std::string_view StripQuotes(std::string_view text);
// Case-insensitive (ASCII) equality and hash, as used for section and key names.
bool NamesEqual(std::string_view a, std::string_view b);
uint32_t NameHash(std::string_view name);

// A parsed profile file. Parsing never fails: any bytes give some document.
class Document {
public:
    Document() = default;
    explicit Document(std::string text);

    const std::string& Text() const { return m_text; }
    const std::vector<Section>& Sections() const { return m_sections; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    std::string_view Name(const Section& s) const;
    std::string_view Key(const Entry& e) const;
    std::string_view RawValue(const Entry& e) const;

    // The first section of the name (trimmed, case-insensitive), or null.
    const Section* FindSection(std::string_view name) const;
    // The first entry of the key within the section, or null.
    const Entry* FindEntry(const Section& section, std::string_view key) const;
    // The value of section/key with enclosing quotes removed; nullopt when either is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // All section names in file order (duplicates included), and the keys of the first section
    // of a name in file order (duplicates included, as Windows lists them).
    std::vector<std::string_view> SectionNames() const;
    std::vector<std::string_view> KeyNames(std::string_view section) const;

    // The line break this document uses for new lines: the first one in the text, else "\n".
    std::string_view LineBreak() const;

private:
    void Parse();

    std::string m_text;
    std::vector<Section> m_sections;
    std::vector<Entry> m_entries;
};

// Edits. Each returns the new text, or nullopt when the text would not change. Names are trimmed
// before use; the caller has checked them with ValidName/ValidValue.
//
// SetValue: replaces the value of the first entry of the key in the first section of the name,
// keeping the key's spelling and everything before the value; a missing key is added after the
// last non-blank line of that section; a missing section is added at the end of the text.
std::optional<std::string> SetValue(const Document& doc, std::string_view section, std::string_view key,
                                    std::string_view value);
// AddSection: appends an empty section of the name unless one exists.
std::optional<std::string> AddSection(const Document& doc, std::string_view section);
// DeleteKey: removes every entry of the key from the first section of the name.
std::optional<std::string> DeleteKey(const Document& doc, std::string_view section, std::string_view key);
// DeleteSection: removes every section of the name, header and lines.
std::optional<std::string> DeleteSection(const Document& doc, std::string_view section);

// Names and values that can be written without changing the file's structure: no line breaks or
// NUL; a key also has no '=' and does not start with '[' or ';'.
bool ValidSectionName(std::string_view name);
bool ValidKeyName(std::string_view name);
bool ValidValue(std::string_view value);

// The Windows rules for returning strings into a caller's buffer.
// CopyString: at most size - 1 characters and a NUL; returns the characters copied. Nothing is
// written when size is 0. Copying stops at an embedded NUL.
DWORD CopyString(std::string_view text, char* buffer, DWORD size);
// CopyList: the items, each NUL-terminated, then a final NUL. When they do not fit, the list is
// cut so that it still ends with two NULs and the result is size - 2. Otherwise the result is the
// number of characters written without the final NUL.
DWORD CopyList(const std::vector<std::string_view>& items, char* buffer, DWORD size);
// The integer of a profile value as Windows reads it: optional blanks, an optional sign, decimal
// digits up to the first other character, wrapping modulo 2^32.
UINT ParseProfileInt(std::string_view value);

// Batches: many edits applied in order in one pass over the document. The result is byte for
// byte what applying them one after the other (SetValue, DeleteKey, DeleteSection, AddSection,
// each on the previous result) gives; nullopt when no edit changes the text.
struct BatchEdit {
    enum Kind { Set, RemoveKey, RemoveSection, EnsureSection };
    Kind kind = Set;
    std::string_view section, key, value;
};
std::optional<std::string> ApplyBatch(const Document& doc, const std::vector<BatchEdit>& edits);
// The same, one edit after the other on a fresh parse each time (the reference for ApplyBatch).
std::optional<std::string> ApplySequentially(const Document& doc, const std::vector<BatchEdit>& edits);

} // namespace miscini

MISC_PUBLIC_END
