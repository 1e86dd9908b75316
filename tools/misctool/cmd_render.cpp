// misctool render contour FILE --png OUT [--size WxH] [--node N]: a contour and its cut nodes
// drawn through cWorldDC as the cut-node dialog's preview shows them.
#include <misc/geometry.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "args.h"
#include "commands.h"
#include "contour_file.h"
#include "render.h"

namespace misctool {

namespace {

constexpr int kMinSide = 16, kMaxSide = 8192;

bool ParseSize(const std::string& text, int& w, int& h)
{
    if (text.empty())
        return true;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2)
        return false;
    return w >= kMinSide && w <= kMaxSide && h >= kMinSide && h <= kMaxSide;
}

// Whether an alternative node's arrowhead points against the contour's point order: its own
// direction (clockwise when flagged) differs from the order's.
bool AlternativeReversed(const myContour& c, const tagCutNode& node)
{
    const bool clockwise = (node.flags & CUTNODE_ALT_CLOCKWISE) != 0;
    return clockwise != (c.getCW() >= 1);
}

void DrawOneNode(cWorldDC& world, const myContour& c, int index, CPen* pen)
{
    tagCutNode node = c.nodes[index];
    const bool alternative = (node.flags & CUTNODE_ALTERNATIVE) != 0;
    world.drawNode(c, &node, index, alternative, alternative && AlternativeReversed(c, node), pen);
}

} // namespace

// The preview: white background, an etched frame, the world window of the contour's centre
// +- 0.55 times its size inset by 3 pixels, the contour in navy, the nodes in green and the
// current node (current, 0-based; -1 none) last in red.
void RenderContourPreview(CDC& dc, int width, int height, const myContour& c, int current)
{
    CRect all(0, 0, width, height);
    dc.FillSolidRect(&all, RGB(255, 255, 255));
    dc.DrawEdge(&all, EDGE_ETCHED, BF_RECT);

    const double hx = 0.55 * c.getXsize(), hy = 0.55 * c.getYsize();
    cWorldDC world(nullptr, c.getXcenter() - hx, c.getYcenter() - hy, c.getXcenter() + hx, c.getYcenter() + hy, 3, 3,
                   width - 3, height - 3);
    world.AttachDC(&dc);
    world.set_world(c.getXcenter() - hx, c.getYcenter() - hy, c.getXcenter() + hx, c.getYcenter() + hy);

    CPen navy(PS_SOLID, 1, RGB(0, 0, 128));
    CPen green(PS_SOLID, 2, RGB(0, 128, 0));
    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    CBrush* oldBrush = static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH));
    world.drawContour(c, &navy);
    for (int i = 0; i < c.getNumNodes(); ++i)
        if (i != current)
            DrawOneNode(world, c, i, &green);
    if (current >= 0 && current < c.getNumNodes())
        DrawOneNode(world, c, current, &red);
    if (oldBrush)
        dc.SelectObject(oldBrush);
}

namespace {

int RunRender(Context& ctx, const std::vector<std::string>& args)
{
    std::string what, file, png, size, node;
    ArgParser parser;
    parser.Positional("WHAT", &what).Positional("FILE", &file).Option("--png", &png).Option("--size", &size).Option(
        "--node", &node);
    if (int rc = parser.Parse(ctx, args))
        return rc;
    if (what != "contour")
        return BadUsage(ctx, "only 'contour' can be rendered, not '" + what + "'");
    if (png.empty())
        return BadUsage(ctx, "--png OUT is required");
    int width = 400, height = 300;
    if (!ParseSize(size, width, height))
        return BadUsage(ctx, "--size takes WIDTHxHEIGHT, each " + std::to_string(kMinSide) + " to " +
                                 std::to_string(kMaxSide));
    int current = 1;
    if (!node.empty()) {
        char tail = 0;
        if (std::sscanf(node.c_str(), "%d%c", &current, &tail) != 1 || current < 0)
            return BadUsage(ctx, "--node takes a node number (1 for the first, 0 for none)");
    }

    ContourText text;
    ContourTextError error;
    if (!ReadContourFile(file, text, error))
        return Fail(ctx, file + (error.line ? ":" + std::to_string(error.line) : std::string()) + ": " + error.message);
    const myContour contour = MakeContour(text);
    if (current > contour.getNumNodes())
        return BadUsage(ctx, "the contour has " + std::to_string(contour.getNumNodes()) + " nodes, not " +
                                 std::to_string(current));

    MiscSurface surface(width, height);
    CDC dc;
    dc.Attach(MiscCreateSurfaceDC(&surface, 0, 0, nullptr));
    RenderContourPreview(dc, width, height, contour, current - 1);
    dc.DeleteDC();
    if (!MiscWritePng(surface, png.c_str()))
        return Fail(ctx, "cannot write " + png);
    ctx.out << png << "\n";
    return kExitOk;
}

} // namespace

const Command& RenderCommand()
{
    static const Command command{
        "render", "Draw a contour file and its cut nodes to PNG",
        "contour FILE --png OUT [--size WxH] [--node N]",
        "Draws the contour as the cut-node dialog's preview does: the contour in navy, the cut nodes\n"
        "in green with their numbers and arrowheads, the current node (--node, 1 for the first, 0\n"
        "for none; default 1) last in red. --size is the picture's size (default 400x300).\n"
        "FILE is a contour text file (see `misctool contour --help`).",
        &RunRender};
    return command;
}

} // namespace misctool
