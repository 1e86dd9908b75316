// Drawing the cut-node preview through the world-coordinate context.
#include "cutnode_preview.h"

#include <misc/geometry/worlddc.h>

#include <algorithm>

namespace {

struct World {
    double x1, y1, x2, y2;
};

World WorldOf(const myContour& c, const CutNodePreviewView& view)
{
    const double cx = view.fitted ? c.getXcenter() : view.centreX;
    const double cy = view.fitted ? c.getYcenter() : view.centreY;
    double hx = 0.55 * c.getXsize(), hy = 0.55 * c.getYsize();
    if (view.zoom > 1.001) {
        hx /= view.zoom;
        hy /= view.zoom;
    }
    return World{cx - hx, cy - hy, cx + hx, cy + hy};
}

cWorldDC Mapping(const World& w, CRect area)
{
    cWorldDC world(nullptr, w.x1, w.y1, w.x2, w.y2, area.left + 3, area.top + 3, area.right - 3, area.bottom - 3);
    return world;
}

// An alternative node's arrowhead points against the point order when its own direction
// (clockwise when flagged) differs from the contour's.
void DrawOne(cWorldDC& world, const myContour& c, const tagCutNode& original, int index, CPen* pen)
{
    tagCutNode node = original;
    const bool alternative = (node.flags & CUTNODE_ALTERNATIVE) != 0;
    const bool reversed = alternative && (((node.flags & CUTNODE_ALT_CLOCKWISE) != 0) != (c.getCW() >= 1));
    world.drawNode(c, &node, index, alternative, reversed, pen);
}

} // namespace

void CutNodePreviewView::ZoomTowards(const CCutNodeEditor& editor, CRect preview, CPoint point)
{
    const myContour& c = editor.Contour();
    const World w = WorldOf(c, *this);
    cWorldDC world = Mapping(w, preview);
    world.set_world(w.x1, w.y1, w.x2, w.y2);
    centreX = world.wconv_x(point.x);
    centreY = world.wconv_y(point.y);
    fitted = false;
    zoom = std::max(zoom, 1.0) * 1.2;
}

void DrawCutNodePreview(CDC& dc, CRect area, const CCutNodeEditor& editor, const CutNodePreviewView& view)
{
    dc.FillSolidRect(&area, RGB(255, 255, 255));
    dc.DrawEdge(&area, EDGE_ETCHED, BF_RECT);
    const myContour& c = editor.Contour();
    const World w = WorldOf(c, view);
    cWorldDC world = Mapping(w, area);
    world.AttachDC(&dc);
    world.set_world(w.x1, w.y1, w.x2, w.y2);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(area.left + 3, area.top + 3, area.right - 3, area.bottom - 3);
    CPen navy(PS_SOLID, 1, RGB(0, 0, 128));
    CPen green(PS_SOLID, 2, RGB(0, 128, 0));
    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    CBrush* oldBrush = static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH));
    world.drawContour(c, &navy);
    const std::vector<tagCutNode>& nodes = editor.Nodes();
    for (size_t i = 0; i < nodes.size(); ++i)
        if (static_cast<int>(i) != editor.Current())
            DrawOne(world, c, nodes[i], static_cast<int>(i), &green);
    DrawOne(world, c, nodes[editor.Current()], editor.Current(), &red);
    if (oldBrush)
        dc.SelectObject(oldBrush);
    dc.RestoreDC(saved);
}
