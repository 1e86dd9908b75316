#pragma once
// Placing an arrangement in the room a site leaves for it.
#include "manager_impl.h"

namespace docking {

struct LayoutResult {
    std::vector<SplitterInfo> splitters;
    CRect panel[4];          // auto-hide panels by direction
    bool hasPanel[4] = {};
    CRect inner;             // inside the panels
};

// Sets every edge's and node's rect; answers what is left for the view.
CRect LayoutModel(Model& model, const CRect& available, int splitter, LayoutResult& out);
// A floating tree in its frame's client area.
void PlaceFloating(Node* node, const CRect& client, int splitter);

} // namespace docking
