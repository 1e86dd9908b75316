#pragma once
// Helpers of the material records: name matching shared by find_material and the file
// reader's name index, and the numbers of the file in the C locale's form.
#include <afx.h>

#include <cstdio>

#include <string>
#include <unordered_map>
#include <vector>

namespace materials_detail {

// The tokens of a name: runs between the separators , ; : tab LF CR, trimmed of those and of
// spaces; empty runs and the text "0" are no tokens.
std::vector<CString> NameTokens(const char* name);

// The name with ASCII letters in lower case: equal keys are equal names without regard to case.
std::string NameKey(const char* name);

// Names of an array, looked up as find_material does in constant time: the first index of each
// name, case ignored.
class NameLookup {
public:
    void Add(const char* name, int index) { m_first.emplace(NameKey(name), index); }
    int FindExact(const char* name) const;
    // find_material: the exact name, else the lowest index named by one of its tokens, else -1.
    int Find(const char* name) const;

private:
    std::unordered_map<std::string, int> m_first;
};

// Opens a file for reading as text, only when it is a regular file that gives its first byte
// (or ends cleanly): a folder, which the C library opens and then reads as an empty file, or an
// unreadable file answers null.
FILE* OpenTextForReading(const char* path);
// A folder exists at path (VerifyAndFindFile accepts folders; the readers must not).
bool IsFolder(const char* path);

// The C library's string-to-double conversion in the C locale's form, whatever the process's
// locale: leading white space, a sign, digits with '.', an exponent; it stops at the first
// character that cannot belong to the number, and no number reads as 0 (a sign without digits
// included: never -0).
double ParseNumber(const char* text);
// "%f" of the value in the C locale's form (six decimals).
void AppendFixed(CString& out, double value);

} // namespace materials_detail
