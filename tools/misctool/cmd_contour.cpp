// misctool contour info FILE: a contour's measures, break points and cut nodes.
#include <misc/geometry.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "args.h"
#include "commands.h"
#include "contour_file.h"

namespace misctool {

namespace {

std::string Num(double v)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.10g", v);
    return text;
}

std::string Point(const myContour& c, int i)
{
    return "point " + std::to_string(i) + " (" + Num(c[i].x) + ", " + Num(c[i].y) + ")";
}

// The first point holding the value, as the contour's own extreme indices are chosen.
int FirstWith(const myContour& c, double value, bool x)
{
    for (int i = 0; i < c.GetSize(); ++i)
        if ((x ? c[i].x : c[i].y) == value)
            return i;
    return 0;
}

const char* Orientation(const myContour& c)
{
    if (c.getCW() > 0)
        return c.getArea() > 0 ? "clockwise" : "clockwise (no area)";
    return c.getCW() < 0 ? "counter-clockwise" : "open";
}

void PrintMeasures(Context& ctx, const myContour& c)
{
    const int n = static_cast<int>(c.GetSize());
    ctx.out << "points: " << n << (c.closed ? " (closed)" : " (open)") << "\n";
    ctx.out << "orientation: " << Orientation(c) << "\n";
    ctx.out << "area: " << Num(c.getArea()) << "\n";
    ctx.out << "perimeter: " << Num(c.getPerimeter()) << "\n";
    ctx.out << "leftmost: " << Point(c, FirstWith(c, c.getXmin(), true)) << "\n";
    ctx.out << "lowest: " << Point(c, FirstWith(c, c.getYmin(), false)) << "\n";
    ctx.out << "rightmost: " << Point(c, FirstWith(c, c.getXmax(), true)) << "\n";
    ctx.out << "highest: " << Point(c, FirstWith(c, c.getYmax(), false)) << "\n";
}

void PrintBreakPoints(Context& ctx, const myContour& c)
{
    int count = 0;
    std::string list;
    for (int i = 0; i < c.GetSize(); ++i) {
        if (c.isBreakPoint(i, nullptr)) {
            list += ' ';
            list += std::to_string(i);
            ++count;
        }
    }
    ctx.out << "break points: " << count << (count ? ":" : "") << list << "\n";
}

void PrintNodes(Context& ctx, const myContour& c)
{
    const int n = static_cast<int>(c.GetSize());
    ctx.out << "nodes: " << c.getNumNodes() << "\n";
    for (int k = 0; k < c.getNumNodes(); ++k) {
        const tagCutNode& node = c.nodes[k];
        ctx.out << "  node " << k << ": start " << node.start << ", length " << node.length << ", layer "
                << node.layer << ", flags " << node.flags << "; first point " << miscNodeFirstPoint(node, n)
                << ", end point " << miscNodeEndPoint(node, n) << ", "
                << (node.start < 0 ? "backwards" : "forwards") << ", "
                << (miscNodeClockwise(node, c.getCW()) ? "clockwise" : "counter-clockwise") << "\n";
    }
}

int RunInfo(Context& ctx, const std::string& path)
{
    ContourText text;
    ContourTextError error;
    if (!ReadContourFile(path, text, error)) {
        if (error.line > 0)
            return Fail(ctx, path + ": line " + std::to_string(error.line) + ": " + error.message);
        return Fail(ctx, path + ": " + error.message);
    }
    const myContour c = MakeContour(text);
    if (c.GetSize() != static_cast<INT_PTR>(text.points.size()))
        return Fail(ctx, path + ": not enough memory for the contour");
    PrintMeasures(ctx, c);
    PrintBreakPoints(ctx, c);
    PrintNodes(ctx, c);
    return kExitOk;
}

int RunContour(Context& ctx, const std::vector<std::string>& args)
{
    std::string action, path;
    if (int rc = ArgParser().Positional("ACTION", &action).Positional("FILE", &path).Parse(ctx, args))
        return rc;
    if (action != "info")
        return BadUsage(ctx, "unknown action " + action);
    return RunInfo(ctx, path);
}

} // namespace

const Command& ContourCommand()
{
    static const Command command{
        "contour", "Show a contour's measures, break points and cut nodes", "info FILE",
        "FILE is a text file: a first line \"closed\" or \"open\", then one point \"x y\" per line,\n"
        "and any number of cut-node lines \"node start length layer flags\" (a negative start\n"
        "runs backwards from point ~start: -1 from point 0, -3 from point 2). Blank lines and\n"
        "lines starting with # are skipped.\n"
        "Prints the orientation, area, perimeter and extreme points, the break points, and the\n"
        "first and end point of every node. A malformed line is reported with its number.",
        &RunContour};
    return command;
}

} // namespace misctool
