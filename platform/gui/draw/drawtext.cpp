#include "drawtext.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text.h"

namespace gdi {
namespace {

struct Line {
    std::string text;
    int underline = -1; // index of the prefixed character in text
    int width = 0;
};

struct Layout {
    DeviceContext& dc;
    UINT format;
    int tabWidth;

    // Width of text with tabs expanded (when DT_EXPANDTABS).
    int Width(const std::string& s) const
    {
        if (!(format & DT_EXPANDTABS) || s.find('\t') == std::string::npos)
            return TextWidth(dc, s.data(), static_cast<int>(s.size()));
        int x = 0;
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i == s.size() || s[i] == '\t') {
                x += TextWidth(dc, s.data() + start, static_cast<int>(i - start));
                if (i < s.size())
                    x = (x / tabWidth + 1) * tabWidth;
                start = i + 1;
            }
        }
        return x;
    }
};

// Removes '&' prefixes: "&&" is one '&', "&x" underlines x. Returns the display text.
std::string StripPrefixes(const char* text, int count, UINT format, int* underline)
{
    std::string out;
    out.reserve(static_cast<size_t>(count));
    *underline = -1;
    for (int i = 0; i < count; ++i) {
        const char c = text[i];
        if (c == '&' && !(format & DT_NOPREFIX)) {
            if (i + 1 < count && text[i + 1] == '&') {
                out += '&';
                ++i;
                continue;
            }
            if (i + 1 < count && !(format & DT_HIDEPREFIX))
                *underline = static_cast<int>(out.size()); // the last one wins, as in Windows
            continue;
        }
        out += c;
    }
    return out;
}

void AddWrapped(const Layout& lay, const std::string& para, int paraStart, int underline,
                int maxWidth, std::vector<Line>& lines)
{
    const bool wrap = (lay.format & DT_WORDBREAK) && !(lay.format & DT_SINGLELINE);
    auto push = [&](size_t from, size_t to) {
        Line l;
        l.text = para.substr(from, to - from);
        const int u = underline - paraStart - static_cast<int>(from);
        if (underline >= 0 && u >= 0 && u < static_cast<int>(l.text.size()))
            l.underline = u;
        l.width = lay.Width(l.text);
        lines.push_back(std::move(l));
    };
    if (!wrap || para.empty()) {
        push(0, para.size());
        return;
    }
    size_t start = 0;
    while (start < para.size()) {
        // Grow the line word by word while it fits; a first word that does not fit stays.
        size_t end = start, best = std::string::npos;
        while (end < para.size()) {
            size_t wordEnd = end;
            while (wordEnd < para.size() && para[wordEnd] == ' ')
                ++wordEnd;
            while (wordEnd < para.size() && para[wordEnd] != ' ')
                ++wordEnd;
            if (lay.Width(para.substr(start, wordEnd - start)) > maxWidth &&
                best != std::string::npos)
                break;
            best = wordEnd;
            end = wordEnd;
            if (lay.Width(para.substr(start, wordEnd - start)) > maxWidth)
                break;
        }
        size_t lineEnd = best == std::string::npos ? para.size() : best;
        size_t trimmed = lineEnd;
        while (trimmed > start && para[trimmed - 1] == ' ')
            --trimmed;
        push(start, trimmed);
        start = lineEnd;
        while (start < para.size() && para[start] == ' ')
            ++start; // the break swallows the spaces
    }
}

void Ellipsize(const Layout& lay, Line& line, int maxWidth)
{
    if (line.width <= maxWidth)
        return;
    const std::string dots = "...";
    std::string s = line.text;
    if (lay.format & DT_PATH_ELLIPSIS) {
        const size_t slash = s.find_last_of("\\/");
        if (slash != std::string::npos && slash > 0) {
            const std::string tail = s.substr(slash);
            std::string head = s.substr(0, slash);
            while (!head.empty() && lay.Width(head + dots + tail) > maxWidth)
                head.pop_back();
            line.text = head + dots + tail;
            line.width = lay.Width(line.text);
            line.underline = -1;
            return;
        }
    }
    while (!s.empty() && lay.Width(s + dots) > maxWidth)
        s.pop_back();
    if ((lay.format & DT_WORD_ELLIPSIS) && !(lay.format & DT_END_ELLIPSIS)) {
        const size_t sp = s.find_last_of(' ');
        if (sp != std::string::npos && sp > 0)
            s.resize(sp);
    }
    if (line.underline >= static_cast<int>(s.size()))
        line.underline = -1;
    line.text = s + dots;
    line.width = lay.Width(line.text);
}

} // namespace

int FormatText(DeviceContext& dc, const char* text, int count, RECT* rect, UINT format,
               DRAWTEXTPARAMS* params)
{
    if (!text || !rect)
        return 0;
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    int tabChars = 8;
    if (format & DT_TABSTOP) {
        // The tab size takes the second byte of the flags, which then mean nothing else.
        tabChars = std::max(1, static_cast<int>((format >> 8) & 0xFF));
        format &= ~0xFF00u;
    }
    FontInstance& font = DCFont(dc);
    const TEXTMETRICA& tm = font.Metrics();
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    int leftMargin = 0, rightMargin = 0;
    if (params) {
        if (params->iTabLength > 0)
            tabChars = std::min(params->iTabLength, 1000);
        leftMargin = params->iLeftMargin;
        rightMargin = params->iRightMargin;
        params->uiLengthDrawn = static_cast<UINT>(count);
    }
    Layout lay{dc, format, std::max(1, tabChars * tm.tmAveCharWidth)};

    // Device-pixel geometry of the rectangle.
    const POINT tl = dc.ToSurface(rect->left, rect->top);
    const POINT br = dc.ToSurface(rect->right, rect->bottom);
    const int boxLeft = tl.x + leftMargin, boxRight = br.x - rightMargin;
    const int maxWidth = std::max(0, boxRight - boxLeft);
    auto toLogicalHeight = [&](int px) {
        return dc.ToLogical(0, px).y - dc.ToLogical(0, 0).y;
    };

    if (count == 0) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top + ((format & DT_SINGLELINE) ? toLogicalHeight(lineHeight) : 0);
        }
        return toLogicalHeight(lineHeight);
    }

    int underline = -1;
    std::string disp = StripPrefixes(text, count, format, &underline);
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        std::string one;
        int u = underline;
        for (size_t i = 0; i < disp.size(); ++i) {
            if (disp[i] == '\r' || disp[i] == '\n') {
                if (static_cast<int>(i) < underline)
                    --u;
                continue;
            }
            one += disp[i];
        }
        AddWrapped(lay, one, 0, u, maxWidth, lines);
    } else {
        size_t start = 0;
        for (size_t i = 0; i <= disp.size(); ++i) {
            if (i < disp.size() && disp[i] != '\r' && disp[i] != '\n')
                continue;
            AddWrapped(lay, disp.substr(start, i - start), static_cast<int>(start), underline,
                       maxWidth, lines);
            if (i < disp.size() && disp[i] == '\r' && i + 1 < disp.size() && disp[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        // A final line break does not start another line.
        if (lines.size() > 1 && lines.back().text.empty() &&
            (disp.back() == '\n' || disp.back() == '\r'))
            lines.pop_back();
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) {
        for (Line& l : lines)
            Ellipsize(lay, l, maxWidth);
    }
    int widest = 0;
    for (const Line& l : lines)
        widest = std::max(widest, l.width);
    const int total = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rect->right = dc.ToLogical(boxLeft - dc.Origin().x + widest + rightMargin, 0).x;
        rect->bottom = rect->top + toLogicalHeight(total);
        return toLogicalHeight(total);
    }

    int y = tl.y;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = tl.y + ((br.y - tl.y) - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = br.y - lineHeight;
    }
    const RECT clip{std::min(tl.x, br.x), std::min(tl.y, br.y), std::max(tl.x, br.x),
                    std::max(tl.y, br.y)};
    const bool opaque = dc.State().bkMode == OPAQUE;
    int lineY = y;
    for (const Line& l : lines) {
        int x = boxLeft;
        if (format & DT_CENTER)
            x = boxLeft + (maxWidth - l.width) / 2;
        else if (format & DT_RIGHT)
            x = boxRight - l.width;
        // Tab-separated pieces are drawn at their tab stops.
        size_t start = 0;
        int pieceX = 0;
        for (size_t i = 0; i <= l.text.size(); ++i) {
            if (i < l.text.size() && !(l.text[i] == '\t' && (format & DT_EXPANDTABS)))
                continue;
            TextRun run;
            run.text = l.text.data() + start;
            run.count = static_cast<int>(i - start);
            if (l.underline >= static_cast<int>(start) && l.underline < static_cast<int>(i))
                run.underlineIndex = l.underline - static_cast<int>(start);
            run.prefixOnly = (format & DT_PREFIXONLY) != 0;
            pieceX += DrawTextRun(dc, POINT{x + pieceX, lineY}, TA_LEFT | TA_TOP, run, nullptr,
                                  (format & DT_NOCLIP) ? nullptr : &clip, opaque);
            if (i < l.text.size())
                pieceX = (pieceX / lay.tabWidth + 1) * lay.tabWidth;
            start = i + 1;
        }
        lineY += lineHeight;
    }
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return toLogicalHeight(y - tl.y + lineHeight);
    return toLogicalHeight(total);
}

} // namespace gdi
