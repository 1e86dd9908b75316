// CToolsArray: the tool layers file (".lyt"), one "<number> <name>" line per tool.
#include <windows.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "misc/data/tools.h"
#include "material_detail.h"

namespace {

constexpr int kNameChars = 32; // a name is one word of at most 32 characters

struct FileCloser {
    FILE* file;
    ~FileCloser() { std::fclose(file); }
};

bool Space(int c)
{
    return c != EOF && std::isspace(static_cast<unsigned char>(c));
}

bool Digit(int c)
{
    return c >= '0' && c <= '9';
}

// One read of the pattern "%d %32s" as the C library's fscanf does it: the number of fields
// read (0, 1 or 2), or -1 when the file ends before the first field. A number beyond the range
// of int reads as the nearest end of that range.
int ScanToolLine(FILE* file, int& number, char (&name)[kNameChars + 1])
{
    int c = std::getc(file);
    while (Space(c))
        c = std::getc(file);
    if (c == EOF)
        return -1;
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::getc(file);
    }
    if (!Digit(c)) {
        if (c != EOF)
            std::ungetc(c, file);
        return 0;
    }
    long long value = 0;
    for (; Digit(c); c = std::getc(file))
        if (value <= INT_MAX)
            value = value * 10 + (c - '0');
    if (negative)
        value = -value;
    number = static_cast<int>(value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : value));
    while (Space(c))
        c = std::getc(file);
    if (c == EOF)
        return 1;
    int n = 0;
    for (; c != EOF && !Space(c) && n < kNameChars; c = std::getc(file))
        name[n++] = static_cast<char>(c);
    name[n] = '\0';
    if (c != EOF)
        std::ungetc(c, file);
    return 2;
}

} // namespace

int CToolsArray::ExportTools(const CString& path)
{
    FILE* file = std::fopen(MiscNativePath(path).c_str(), "w");
    if (!file)
        return TOOLS_FILE_OPEN_FAILED;
    int result = TOOLS_FILE_OK;
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        CString name(m_pData[i].m_name);
        name.Trim();
        if (name.IsEmpty())
            continue;
        if (std::fprintf(file, "%d %s\n", static_cast<int>(m_pData[i].m_number), name.GetString()) < 1) {
            result = TOOLS_FILE_BAD_DATA;
            break;
        }
    }
    // Buffered lines reach the disk only now: a failure here is a failed write too.
    if (std::fclose(file) != 0 && result == TOOLS_FILE_OK)
        result = TOOLS_FILE_BAD_DATA;
    return result;
}

int CToolsArray::ImportTools(const CString& path)
{
    FILE* file = materials_detail::OpenTextForReading(path);
    if (!file)
        return TOOLS_FILE_OPEN_FAILED;
    FileCloser closer{file};
    RemoveAll();
    for (;;) {
        int number = 0;
        char word[kNameChars + 1] = "";
        const int fields = ScanToolLine(file, number, word);
        if (fields < 0)
            return TOOLS_FILE_OK;
        if (fields < 2)
            return TOOLS_FILE_BAD_DATA;
        CString name(word);
        name.Trim();
        if (name.IsEmpty() || number < TOOLS_MIN_NUMBER || number > TOOLS_MAX_NUMBER)
            continue;
        Add(CToolsBlock(name, number));
    }
}

int CToolsArray::ImportTools(const CString& path, int merge, int overwrite)
{
    if (!merge)
        return ImportTools(path);
    CToolsArray imported;
    const int result = imported.ImportTools(path);
    if (result != TOOLS_FILE_OK)
        return result;
    // The first tool of each number among those already here.
    std::unordered_map<int, INT_PTR> existing;
    for (INT_PTR i = m_nSize - 1; i >= 0; --i)
        existing[m_pData[i].m_number] = i;
    std::vector<bool> dropped(static_cast<size_t>(imported.GetSize()), false);
    for (INT_PTR i = imported.GetSize() - 1; i >= 0; --i) {
        auto it = existing.find(imported[i].m_number);
        if (it == existing.end())
            continue;
        if (overwrite)
            m_pData[it->second].m_name = imported[i].m_name;
        dropped[static_cast<size_t>(i)] = true;
    }
    for (INT_PTR i = 0; i < imported.GetSize(); ++i)
        if (!dropped[static_cast<size_t>(i)])
            Add(imported[i]);
    return TOOLS_FILE_OK;
}
