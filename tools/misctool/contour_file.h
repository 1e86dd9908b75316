#pragma once
// Contour text files, as misctool reads them:
//
//   closed                  first line: "closed" or "open"
//   0 0                     one point per line: x y
//   0 10
//   node 0 2 1 0            a cut node: start length layer flags
//
// Blank lines and lines starting with '#' are skipped. Numbers are decimal (x and y may have a
// fraction and an exponent and must be finite; node fields are 32-bit integers). Anything else
// is an error that names its line.
#include <misc/geometry.h>

#include <string>
#include <string_view>
#include <vector>

namespace misctool {

struct ContourText {
    bool closed = false;
    std::vector<InterfacePoint> points;
    std::vector<tagCutNode> nodes;
};

struct ContourTextError {
    int line = 0; // 1-based; 0 for errors of the whole file
    std::string message;
};

// At most this many points and nodes are read; more is an error.
constexpr size_t kMaxContourPoints = 10000000;
constexpr size_t kMaxContourNodes = 100000;

// Parses the text; on failure returns false and fills error.
bool ParseContourText(std::string_view text, ContourText& contour, ContourTextError& error);

// Reads and parses a file; a file that cannot be read is an error of line 0.
bool ReadContourFile(const std::string& path, ContourText& contour, ContourTextError& error);

// The contour the library makes of the parsed text.
myContour MakeContour(const ContourText& contour);

} // namespace misctool
