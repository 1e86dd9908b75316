// Multi-line text measuring without a device.
#include "misc/geometry/text.h"

#include "textutil_lines.h"

#include <cstdlib>

namespace misctext {

std::vector<TextLine> SplitLines(const char* text)
{
    std::vector<TextLine> lines;
    if (!text)
        return lines;
    int pendingBlanks = 0;
    const char* p = text;
    for (;;) {
        const char* start = p;
        while (*p && *p != '\r' && *p != '\n')
            ++p;
        if (p > start) {
            lines.push_back({start, static_cast<int>(p - start), pendingBlanks});
            pendingBlanks = 0;
        } else if (*p == '\r') {
            ++pendingBlanks; // an empty piece starting at a CR
        }
        if (!*p)
            break;
        ++p; // past the CR or LF that ended the piece
    }
    return lines;
}

int CountLines(const std::vector<TextLine>& lines)
{
    int count = 0;
    for (const TextLine& line : lines)
        count += line.blanksBefore + 1;
    return count;
}

int LongestLine(const std::vector<TextLine>& lines)
{
    int best = -1;
    for (size_t i = 0; i < lines.size(); ++i)
        if (best < 0 || lines[i].length > lines[static_cast<size_t>(best)].length)
            best = static_cast<int>(i);
    return best;
}

} // namespace misctext

int getMultiLineTextSizeAndMaxLine(const char* text, CString& longest, int* maxLen, int* lines)
{
    std::vector<misctext::TextLine> split = misctext::SplitLines(text);
    int count = misctext::CountLines(split);
    int best = misctext::LongestLine(split);
    longest = best >= 0 ? CString(split[static_cast<size_t>(best)].begin, split[static_cast<size_t>(best)].length)
                        : CString();
    if (maxLen)
        *maxLen = best >= 0 ? split[static_cast<size_t>(best)].length : 0;
    if (lines)
        *lines = count;
    return count;
}

int getMultiLineTextSize(const char* text, int* maxLen, int* lines)
{
    CString longest;
    return getMultiLineTextSizeAndMaxLine(text, longest, maxLen, lines);
}

int getMultiLineTextRect(SIZE* out, int fontHeight, const char* text)
{
    int maxLen = 0, lines = 0;
    getMultiLineTextSize(text, &maxLen, &lines);
    if (out) {
        long long h = std::llabs(static_cast<long long>(fontHeight));
        out->cx = static_cast<LONG>(h * maxLen * 3 / 5);
        out->cy = static_cast<LONG>(h * lines);
    }
    return lines;
}

int getMultiLineTextRect(CSize& out, int fontHeight, const char* text)
{
    return getMultiLineTextRect(static_cast<SIZE*>(&out), fontHeight, text);
}
