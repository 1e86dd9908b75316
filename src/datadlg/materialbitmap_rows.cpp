// The material dialog's reading of a fabric pattern profile into rows, and the size of a
// pattern picture.
#include <misc/datadlg/materialbitmap.h>

#include <cstdlib>

namespace {

constexpr int kLineSize = 280;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsKey(const char* key, const char* word)
{
    for (; *key && *word; ++key, ++word)
        if (Lower(*key) != Lower(*word))
            return false;
    return *key == *word;
}

struct Line {
    char text[kLineSize];
    char* key;
    char* rest;
    char* third;
    int complete;

    void Read(FILE* file) { complete = ReadKeywordLine(file, text, kLineSize, &key, &rest, &third); }
};

// One block after its "Block" line; false when it is malformed or the file ends inside it.
bool ReadBlock(FILE* file, MaterialRow& row)
{
    Line line;
    line.Read(file);
    if (!line.complete || !IsKey(line.key, "Material"))
        return false;
    row.name = line.rest;
    row.name.Trim();
    for (;;) {
        line.Read(file);
        if (IsKey(line.key, "EndBlock"))
            return true; // an "EndBlock" that ends the file without a newline still ends the block
        if (!line.complete)
            return false;
        if (IsKey(line.key, "File")) {
            row.file = line.rest;
        } else if (IsKey(line.key, "Size")) {
            row.sizeX = std::strtod(line.rest, nullptr);
            row.sizeY = std::strtod(line.third, nullptr);
        } else if (IsKey(line.key, "Offset")) {
            row.offsetX = std::strtod(line.rest, nullptr);
            row.offsetY = std::strtod(line.third, nullptr);
        } else if (!IsKey(line.key, "Weight") && !IsKey(line.key, "Cost")) {
            return false;
        }
    }
}

} // namespace

int ReadMaterialRows(FILE* file, CArray<MaterialRow, const MaterialRow&>& rows, int maxRows)
{
    if (!file)
        return 0;
    for (;;) {
        Line line;
        line.Read(file);
        if (IsKey(line.key, "End"))
            return 1;
        if (!line.complete || !IsKey(line.key, "Block") || rows.GetSize() >= maxRows)
            return 0;
        MaterialRow row;
        if (!ReadBlock(file, row))
            return 0;
        rows.Add(row);
    }
}

void MaterialPictureSize(const CImageFile& picture, double& widthCm, double& heightCm)
{
    const double realWidth = picture.getRealWidth() / 10.0; // the image library reports millimetres
    const double realHeight = picture.getRealHeight() / 10.0;
    if (realWidth > 0.01 && realHeight > 0.01) {
        widthCm = realWidth;
        heightCm = realHeight;
    } else if (picture.getDensityX() > 1 && picture.getDensityY() > 1) {
        widthCm = picture.getWidth() / picture.getDensityX() * 39.37007874015748 * 2.54;
        heightCm = picture.getHeight() / picture.getDensityY() * 39.37007874015748 * 2.54;
    } else {
        widthCm = picture.getWidth() / 300.0 / 0.24 * 2.54;
        heightCm = picture.getHeight() / 300.0 / 0.24 * 2.54;
    }
}
