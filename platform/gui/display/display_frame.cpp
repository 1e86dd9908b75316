// Frame differences (what to upload) and the 8-bit code page of the product's texts.
#include "display/displaysys.h"

#include <algorithm>
#include <cstring>

namespace miscdisplay {

namespace {

// Windows-1252 0x80..0x9F (0: unused there).
const unsigned short kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char ToCodePage(unsigned cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] && kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

void AppendUtf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string Utf8ToCodePage(const std::string& utf8)
{
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= utf8.size() + (extra == 0 ? 1 : 0)) {
            out += '?';
            ++i;
            continue;
        }
        unsigned cp = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        out += ToCodePage(cp);
        i += extra + 1;
    }
    return out;
}

std::string CodePageToUtf8(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        unsigned cp = c;
        if (c >= 0x80 && c < 0xA0)
            cp = kHighControls[c - 0x80] ? kHighControls[c - 0x80] : '?';
        AppendUtf8(out, cp);
    }
    return out;
}

std::vector<RECT> ChangedAreas(const MiscSurface& before, const MiscSurface& after, size_t limit)
{
    std::vector<RECT> areas;
    if (after.width == 0 || after.height == 0)
        return areas;
    if (before.width != after.width || before.height != after.height) {
        areas.push_back(RECT{0, 0, after.width, after.height});
        return areas;
    }
    // Runs of changed rows, each narrowed to the columns that changed in it.
    int y = 0;
    while (y < after.height) {
        if (std::memcmp(before.row(y), after.row(y), sizeof(uint32_t) * after.width) == 0) {
            ++y;
            continue;
        }
        RECT band{after.width, y, 0, y};
        while (y < after.height &&
               std::memcmp(before.row(y), after.row(y), sizeof(uint32_t) * after.width) != 0) {
            const uint32_t* a = before.row(y);
            const uint32_t* b = after.row(y);
            int left = 0;
            while (a[left] == b[left])
                ++left;
            int right = after.width;
            while (a[right - 1] == b[right - 1])
                --right;
            band.left = std::min<LONG>(band.left, left);
            band.right = std::max<LONG>(band.right, right);
            ++y;
        }
        band.bottom = y;
        if (areas.size() + 1 >= limit && !areas.empty()) {
            RECT& last = areas.back();
            last.left = std::min(last.left, band.left);
            last.right = std::max(last.right, band.right);
            last.bottom = band.bottom;
        } else {
            areas.push_back(band);
        }
    }
    return areas;
}

} // namespace miscdisplay
