// Contour text files: parsing and reading.
#include "contour_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace misctool {

namespace {

constexpr size_t kMaxFileBytes = size_t(1) << 30;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> Split(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSpace(line[i]))
            ++i;
        size_t start = i;
        while (i < line.size() && !IsSpace(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool ParseDouble(std::string_view word, double& value)
{
    const char* first = word.data();
    const char* last = first + word.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && std::isfinite(value);
}

bool ParseInt(std::string_view word, int& value)
{
    const char* first = word.data();
    const char* last = first + word.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

bool Fail(ContourTextError& error, int line, std::string message)
{
    error.line = line;
    error.message = std::move(message);
    return false;
}

bool ParseNode(const std::vector<std::string_view>& words, int line, ContourText& contour, ContourTextError& error)
{
    if (words.size() != 5)
        return Fail(error, line, "a node needs four numbers: node start length layer flags");
    int v[4];
    for (int k = 0; k < 4; ++k)
        if (!ParseInt(words[k + 1], v[k]))
            return Fail(error, line, "\"" + std::string(words[k + 1]) + "\" is not a 32-bit integer");
    if (contour.nodes.size() >= kMaxContourNodes)
        return Fail(error, line, "too many nodes");
    contour.nodes.push_back(tagCutNode{v[0], v[1], v[2], v[3]});
    return true;
}

bool ParsePoint(const std::vector<std::string_view>& words, int line, ContourText& contour, ContourTextError& error)
{
    if (words.size() != 2)
        return Fail(error, line, "expected \"x y\" or \"node start length layer flags\"");
    InterfacePoint p;
    if (!ParseDouble(words[0], p.x) || !ParseDouble(words[1], p.y))
        return Fail(error, line, "expected two finite numbers \"x y\"");
    if (contour.points.size() >= kMaxContourPoints)
        return Fail(error, line, "too many points");
    contour.points.push_back(p);
    return true;
}

} // namespace

bool ParseContourText(std::string_view text, ContourText& contour, ContourTextError& error)
{
    contour = ContourText();
    bool haveKind = false;
    int line = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos)
            eol = text.size();
        std::string_view raw = text.substr(pos, eol - pos);
        pos = eol + 1;
        ++line;
        if (raw.find('\0') != std::string_view::npos)
            return Fail(error, line, "contains a NUL character");
        const std::vector<std::string_view> words = Split(raw);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (!haveKind) {
            if (words.size() != 1 || (words[0] != "closed" && words[0] != "open"))
                return Fail(error, line, "expected \"closed\" or \"open\"");
            contour.closed = words[0] == "closed";
            haveKind = true;
            continue;
        }
        const bool ok = words[0] == "node" ? ParseNode(words, line, contour, error)
                                           : ParsePoint(words, line, contour, error);
        if (!ok)
            return false;
    }
    if (!haveKind)
        return Fail(error, 0, "empty: expected \"closed\" or \"open\" and points");
    if (contour.points.empty())
        return Fail(error, 0, "no points");
    return true;
}

bool ReadContourFile(const std::string& path, ContourText& contour, ContourTextError& error)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return Fail(error, 0, "cannot open the file");
    std::string text;
    char buffer[65536];
    size_t n;
    bool tooLarge = false;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) {
        if (text.size() + n > kMaxFileBytes) {
            tooLarge = true;
            break;
        }
        text.append(buffer, n);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (tooLarge)
        return Fail(error, 0, "the file is too large");
    if (failed)
        return Fail(error, 0, "cannot read the file");
    return ParseContourText(text, contour, error);
}

myContour MakeContour(const ContourText& contour)
{
    return myContour(contour.points.data(), static_cast<int>(contour.points.size()), contour.closed ? 1 : 0,
                     contour.nodes.data(), static_cast<int>(contour.nodes.size()));
}

} // namespace misctool
