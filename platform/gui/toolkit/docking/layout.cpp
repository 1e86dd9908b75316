// Placing the docked panes: auto-hide panels along the edges that have hidden panes, then each
// edge entry from the outermost in, each taking its size across its edge from what is left
// (never all of it), a splitter between it and the rest; inside an entry the splits share their
// extent by their children's weights.
#include "layout.h"

#include <algorithm>

namespace docking {

namespace {

constexpr int kMinRest = 24; // what an edge entry always leaves for the view

void PlaceNode(Node* node, const CRect& rect, int splitter, int edge, std::vector<SplitterInfo>& bars)
{
    node->rect = rect;
    if (node->IsGroup())
        return;
    const int count = static_cast<int>(node->children.size());
    const int total = (node->horizontal ? rect.Width() : rect.Height()) - splitter * (count - 1);
    long sum = 0;
    for (int w : node->weights)
        sum += std::max(w, 1);
    int pos = node->horizontal ? rect.left : rect.top;
    long before = 0;
    for (int i = 0; i < count; ++i) {
        before += std::max(node->weights[static_cast<size_t>(i)], 1);
        const int start = pos;
        // Rounded from the running sum so that the children fill the extent exactly.
        const int end = (node->horizontal ? rect.left : rect.top) + static_cast<int>(before * std::max(total, 0) / std::max(sum, 1L)) +
                        splitter * i;
        CRect child = rect;
        if (node->horizontal) {
            child.left = start;
            child.right = std::max(start, end);
        } else {
            child.top = start;
            child.bottom = std::max(start, end);
        }
        PlaceNode(node->children[static_cast<size_t>(i)].get(), child, splitter, edge, bars);
        pos = (node->horizontal ? child.right : child.bottom) + splitter;
        if (i + 1 < count) {
            SplitterInfo s;
            s.edge = edge;
            s.split = node;
            s.index = i;
            s.vertical = node->horizontal;
            s.rect = child;
            if (node->horizontal) {
                s.rect.left = child.right;
                s.rect.right = child.right + splitter;
            } else {
                s.rect.top = child.bottom;
                s.rect.bottom = child.bottom + splitter;
            }
            bars.push_back(s);
        }
    }
}

} // namespace

CRect LayoutModel(Model& model, const CRect& available, int splitter, LayoutResult& out)
{
    out = LayoutResult();
    CRect rest = available;
    for (const Hidden& h : model.hidden)
        out.hasPanel[h.dir] = true;
    // Panels: left and right run the full height, top and bottom between them.
    if (out.hasPanel[xtpPaneDockLeft]) {
        out.panel[xtpPaneDockLeft] = CRect(rest.left, rest.top, rest.left + kPanelSize, rest.bottom);
        rest.left += kPanelSize;
    }
    if (out.hasPanel[xtpPaneDockRight]) {
        out.panel[xtpPaneDockRight] = CRect(rest.right - kPanelSize, rest.top, rest.right, rest.bottom);
        rest.right -= kPanelSize;
    }
    if (out.hasPanel[xtpPaneDockTop]) {
        out.panel[xtpPaneDockTop] = CRect(rest.left, rest.top, rest.right, rest.top + kPanelSize);
        rest.top += kPanelSize;
    }
    if (out.hasPanel[xtpPaneDockBottom]) {
        out.panel[xtpPaneDockBottom] = CRect(rest.left, rest.bottom - kPanelSize, rest.right, rest.bottom);
        rest.bottom -= kPanelSize;
    }
    out.inner = rest;
    for (size_t i = 0; i < model.edges.size(); ++i) {
        Edge& e = model.edges[i];
        const bool across = IsVertical(e.dir);
        const int room = std::max(0, (across ? rest.Width() : rest.Height()) - kMinRest - splitter);
        const int size = std::min(e.size, room);
        CRect r = rest, bar = rest;
        switch (e.dir) {
        case xtpPaneDockLeft:
            r.right = r.left + size;
            bar.left = r.right;
            bar.right = bar.left + splitter;
            rest.left = bar.right;
            break;
        case xtpPaneDockRight:
            r.left = r.right - size;
            bar.right = r.left;
            bar.left = bar.right - splitter;
            rest.right = bar.left;
            break;
        case xtpPaneDockTop:
            r.bottom = r.top + size;
            bar.top = r.bottom;
            bar.bottom = bar.top + splitter;
            rest.top = bar.bottom;
            break;
        default:
            r.top = r.bottom - size;
            bar.bottom = r.top;
            bar.top = bar.bottom - splitter;
            rest.bottom = bar.top;
            break;
        }
        e.rect = r;
        SplitterInfo s;
        s.edge = static_cast<int>(i);
        s.vertical = across;
        s.rect = bar;
        out.splitters.push_back(s);
        PlaceNode(e.node.get(), r, splitter, static_cast<int>(i), out.splitters);
    }
    return rest;
}

void PlaceFloating(Node* node, const CRect& client, int splitter)
{
    std::vector<SplitterInfo> ignored;
    PlaceNode(node, client, splitter, -1, ignored);
}

} // namespace docking
