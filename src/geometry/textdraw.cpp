// Multi-line text drawing and measuring on a device.
#include <misc/geometry/textdraw.h>

#include "textutil_lines.h"

#include <cmath>

void DrawMultiLineText(HDC dc, int x, int y, const char* text, LOGFONTA* font)
{
    if (!dc || !text || !*text)
        return;
    if (!font || font->lfEscapement == 0) {
        RECT r{x, y, x + 1, y + 1};
        DrawText(dc, text, -1, &r, DT_NOCLIP | DT_NOPREFIX);
        return;
    }
    const double a = font->lfEscapement / 10.0 * M_PI / 180.0;
    const double h = std::fabs(static_cast<double>(font->lfHeight));
    const long stepX = std::lround(std::sin(a) * h);
    const long stepY = std::lround(std::cos(a) * h);
    const std::vector<misctext::TextLine> lines = misctext::SplitLines(text);
    long long px = x, py = y;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            px += (lines[i].blanksBefore + 1LL) * stepX;
            py += (lines[i].blanksBefore + 1LL) * stepY;
        }
        TextOut(dc, static_cast<int>(px), static_cast<int>(py), lines[i].begin, lines[i].length);
    }
}

void DrawMultiLineText(CDC* dc, int x, int y, const char* text, LOGFONTA* font)
{
    if (dc)
        DrawMultiLineText(dc->m_hDC, x, y, text, font);
}

void GetTextExtentPoint32Multy(HDC dc, CString text, SIZE* out)
{
    if (!out)
        return;
    out->cx = 0;
    out->cy = 0;
    const std::vector<misctext::TextLine> lines = misctext::SplitLines(text.GetString());
    for (const misctext::TextLine& line : lines) {
        SIZE size{0, 0};
        if (!GetTextExtentPoint32(dc, line.begin, line.length, &size))
            continue;
        if (size.cx > out->cx)
            out->cx = size.cx;
        out->cy += (line.blanksBefore + 1) * size.cy;
    }
}
