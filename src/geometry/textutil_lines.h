#pragma once
// Splitting of multi-line text, shared by the measuring functions and the drawing functions
// (DrawMultiLineText and GetTextExtentPoint32Multy draw or measure each line on a device and move
// down by blanksBefore + 1 lines between lines).
#include <vector>

namespace misctext {

struct TextLine {
    const char* begin; // the line's characters (not NUL-terminated)
    int length;        // at least 1
    int blanksBefore;  // blank lines between the previous line (or the text's start) and this one
};

// The non-empty lines of text, cut at every CR and LF. An empty piece that starts at a CR is a
// blank line; it counts only when a non-empty line follows. A null text has no lines.
std::vector<TextLine> SplitLines(const char* text);

// The number of lines (blank lines included) and the index of the first longest line (-1 when
// there is none).
int CountLines(const std::vector<TextLine>& lines);
int LongestLine(const std::vector<TextLine>& lines);

} // namespace misctext
