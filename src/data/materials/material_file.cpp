// The fabric pattern profile file: reading blocks into the array.
#include <windows.h>

#include <cstring>

#include <family.h>

#include "material_detail.h"
#include "misc/data/materials.h"

namespace {

// Material lines of up to 278 characters are read whole.
constexpr int kLineSize = 280;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Keywords match without regard to case.
bool IsKey(const char* key, const char* word)
{
    for (; *key && *word; ++key, ++word)
        if (Lower(*key) != Lower(*word))
            return false;
    return *key == *word;
}

struct FileCloser {
    FILE* file;
    ~FileCloser() { std::fclose(file); }
};

void CopyPath(char* target, const char* source)
{
    std::strncpy(target, source, MAX_PATH - 1);
    target[MAX_PATH - 1] = '\0';
}

} // namespace

// The names of the array while a file is read into it, so that each block finds its record in
// constant time instead of a pass over the array.
class CMaterialArray::NameIndex : public materials_detail::NameLookup {};

int ReadKeywordLine(FILE* file, char* line, int size, char** key, char** rest, char** third)
{
    static char empty[1] = "";
    *key = *rest = *third = empty;
    if (!line || size <= 0)
        return 0;
    line[0] = '\0';
    int result = 0;
    if (file && std::fgets(line, size, file)) {
        size_t n = std::strlen(line);
        if (n > 0 && line[n - 1] == '\n') {
            line[--n] = '\0';
            if (n > 0 && line[n - 1] == '\r') // a line written on Windows
                line[--n] = '\0';
            result = 1;
        } else if (n > 0 && line[n - 1] == '\r') {
            // The CR of a Windows line end filled the buffer: the line itself fits when its LF
            // comes next, since the CR takes no room of the line.
            int c = std::getc(file);
            if (c == '\n') {
                line[--n] = '\0';
                result = 1;
            } else if (c != EOF) {
                std::ungetc(c, file);
            }
        }
    }
    char* p = line;
    while (*p == ' ')
        ++p;
    *key = p;
    while (*p && *p != ' ')
        ++p;
    if (*p)
        *p++ = '\0';
    while (*p == ' ')
        ++p;
    *rest = p;
    while (*p && *p != ' ')
        ++p;
    while (*p == ' ')
        ++p;
    *third = p;
    return result;
}

int CMaterialArray::LoadMaterial(char* fileName, const char* altPath, int requireImage, int mode)
{
    try {
        if (mode == 0)
            Clear();
        if (m_nSize == 0) {
            SetSize(1);
            m_pData[0].Clear(0);
        }
        if (!fileName)
            return MATERIAL_LOAD_NOT_FOUND;
        char work[MAX_PATH];
        CopyPath(work, fileName);
        if (!VerifyAndFindFile(work, MATERIAL_FILE_EXT, altPath, 0))
            return MATERIAL_LOAD_NOT_FOUND;
        if (!IsFileValid(CString(work), 0))
            return MATERIAL_LOAD_NOT_FOUND;
        FILE* file = materials_detail::OpenTextForReading(work);
        if (!file)
            return MATERIAL_LOAD_NOT_FOUND;
        FileCloser closer{file};
        CopyPath(fileName, work);

        NameIndex index;
        for (INT_PTR i = 0; i < m_nSize; ++i)
            index.Add(m_pData[i].m_name, static_cast<int>(i));
        int result = MATERIAL_LOAD_NO_END;
        char line[kLineSize];
        char *key, *rest, *third;
        while (ReadKeywordLine(file, line, kLineSize, &key, &rest, &third)) {
            if (IsKey(key, "Block")) {
                if (!read_mat_block(file, work, requireImage, mode < 0, index)) {
                    result = MATERIAL_LOAD_BAD_BLOCK;
                    break;
                }
            } else {
                result = IsKey(key, "End") ? MATERIAL_LOAD_OK : MATERIAL_LOAD_BAD_LINE;
                break;
            }
        }
        return result;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::exception&) {
    }
    return MATERIAL_LOAD_BAD_BLOCK; // out of memory
}

int CMaterialArray::read_mat_block(FILE* file, const char* profilePath, int requireImage,
                                   int keep, NameIndex& index)
{
    char line[kLineSize];
    char *key, *rest, *third;
    if (!ReadKeywordLine(file, line, kLineSize, &key, &rest, &third) || !IsKey(key, "Material"))
        return 0;
    int skip = keep && m_nSize > 0;
    int at = 0;
    CString name(rest);
    name.Trim();
    if (!name.IsEmpty()) {
        at = index.Find(name);
        if (at < 0) {
            at = static_cast<int>(m_nSize);
            SetSize(m_nSize + 1); // a new empty record
            m_pData[at].m_name = name;
            index.Add(name, at);
            skip = 0;
        }
    }
    CMaterialBlock& record = m_pData[at];
    if (record.m_file[0] == '\0')
        skip = 0;
    if (!skip)
        record.Clear(1);
    // A block that fails part-way keeps what was read of it, its picture file included; the
    // picture itself is loaded only for a complete block.
    auto fail = []() { return 0; };
    for (;;) {
        if (!ReadKeywordLine(file, line, kLineSize, &key, &rest, &third))
            return fail();
        using materials_detail::ParseNumber;
        if (IsKey(key, "File")) {
            if (!skip)
                CopyPath(record.m_file, rest);
        } else if (IsKey(key, "Size")) {
            if (!skip) {
                record.m_sizeX = ParseNumber(rest);
                record.m_sizeY = ParseNumber(third);
            }
        } else if (IsKey(key, "Offset")) {
            if (!skip) {
                record.m_offsetX = ParseNumber(rest);
                record.m_offsetY = ParseNumber(third);
            }
        } else if (IsKey(key, "Weight")) {
            if (!skip) {
                record.m_weight = ParseNumber(rest);
                record.m_weightText = third;
                record.m_weightText.Trim();
            }
        } else if (IsKey(key, "Cost")) {
            if (!skip) {
                record.m_cost = ParseNumber(rest);
                record.m_costText = third;
                record.m_costText.Trim();
            }
        } else {
            break;
        }
    }
    if (!IsKey(key, "EndBlock"))
        return fail();
    if (skip)
        return 1; // the record keeps what it had
    // A picture that is not where the line says is looked for in the profile's folder.
    VerifyAndFindFile(record.m_file, nullptr, profilePath, 0);
    if (record.m_file[0] && !materials_detail::IsFolder(record.m_file)) {
        delete record.m_pImage;
        record.m_pImage = new CWinImageFile;
        if (!record.m_pImage->LoadDiskData(CGenString(record.m_file))) {
            delete record.m_pImage;
            record.m_pImage = nullptr;
        }
    }
    if (!record.m_pImage) {
        record.Clear(1);
        if (requireImage)
            return 0;
    }
    return 1;
}
