#pragma once
// The docking panes' arrangement as plain data: docked groups in a tree along the site's edges,
// floating groups, auto-hidden panes per edge, closed panes. The manager changes it; the layout
// places it; the windows show it; a saved layout is a copy of it.
#include "toolkit/dockingpane.h"

#include <memory>
#include <string>
#include <vector>

namespace docking {

enum class PaneState { Docked = 0, Floating = 1, Hidden = 2, Closed = 3 };

// A tab group (panes, never empty) or a split (children, at least two).
struct Node {
    std::vector<UINT> panes;
    int selected = 0;
    bool horizontal = false; // a split's children side by side (else stacked)
    std::vector<std::unique_ptr<Node>> children;
    std::vector<int> weights; // a split's children's extents along its axis
    CRect rect;               // placed by the layout

    bool IsGroup() const { return children.empty(); }
    std::unique_ptr<Node> Clone() const;
    UINT SelectedPane() const;
};

// A node docked along an edge of the site: `size` across the edge.
struct Edge {
    XTPDockingPaneDirection dir = xtpPaneDockLeft;
    int size = 0;
    std::unique_ptr<Node> node;
    CRect rect;
};

struct Floating {
    CRect rect; // screen coordinates of the frame
    std::unique_ptr<Node> node;
};

// Auto-hidden panes along an edge that share one run of panel tabs.
struct Hidden {
    XTPDockingPaneDirection dir = xtpPaneDockLeft;
    int size = 0; // the slide-out window's extent across the edge
    std::vector<UINT> panes;
};

struct PaneRecord {
    UINT id = 0;
    CString title;
};

struct Model {
    std::vector<Edge> edges; // the outermost first
    std::vector<Floating> floats;
    std::vector<Hidden> hidden;
    std::vector<UINT> closed;
    std::vector<PaneRecord> panes; // every pane, in creation order (titles kept for layouts)
    // The edge a pane was last docked at, by pane.
    std::vector<std::pair<UINT, XTPDockingPaneDirection>> lastDir;

    Model() = default;
    Model(const Model& other) { *this = other; }
    Model& operator=(const Model& other);
    Model(Model&&) = default;
    Model& operator=(Model&&) = default;

    PaneState StateOf(UINT id) const;
    // The group holding a docked or floating pane, else null.
    Node* GroupOf(UINT id) const;
    // The edge / floating entry whose tree holds a node, else -1.
    int EdgeOf(const Node* node) const;
    int FloatOf(const Node* node) const;
    int HiddenOf(UINT id) const;
    // Takes the pane out of wherever it is (groups collapse, empty entries go away).
    void Remove(UINT id);
    // Every group of a tree, depth first.
    static void Groups(Node* node, std::vector<Node*>& out);
    XTPDockingPaneDirection LastDirection(UINT id) const;
    void SetLastDirection(UINT id, XTPDockingPaneDirection dir);
    // Docks a pane at an edge of the site (outermost) or beside a group's pane.
    void DockAtEdge(UINT id, XTPDockingPaneDirection dir, int size);
    void DockBeside(UINT id, UINT neighbour, XTPDockingPaneDirection dir, int size);
    void AttachTo(UINT id, UINT target);
    // The whole group of a pane (docked or floating) as auto-hidden panes, along `dir`.
    void HideGroup(UINT id, XTPDockingPaneDirection dir, int size);
};

// The compact text form of a model (one line) and its reader; Parse answers false for anything
// malformed and leaves `out` unspecified.
std::string Serialize(const Model& model);
bool Parse(const std::string& text, Model& out);

// Directions and their names in the text form.
inline bool IsVertical(XTPDockingPaneDirection d) { return d == xtpPaneDockLeft || d == xtpPaneDockRight; }

} // namespace docking
