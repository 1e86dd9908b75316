// The docking arrangement's tree operations: find, take out (collapsing what empties), dock at
// an edge or beside a pane, group as tabs, hide a group.
#include "model.h"

#include <algorithm>

namespace docking {

namespace {

// The owning slot of `target` below `slot` (slot itself included), else null.
std::unique_ptr<Node>* SlotOf(std::unique_ptr<Node>& slot, const Node* target)
{
    if (slot.get() == target)
        return &slot;
    for (auto& child : slot->children)
        if (auto* found = SlotOf(child, target))
            return found;
    return nullptr;
}

Node* ParentOf(Node* root, const Node* target, size_t* index)
{
    for (size_t i = 0; i < root->children.size(); ++i) {
        if (root->children[i].get() == target) {
            *index = i;
            return root;
        }
        if (Node* p = ParentOf(root->children[i].get(), target, index))
            return p;
    }
    return nullptr;
}

bool Contains(const Node* node, UINT id)
{
    if (node->IsGroup())
        return std::find(node->panes.begin(), node->panes.end(), id) != node->panes.end();
    return std::any_of(node->children.begin(), node->children.end(), [id](const auto& c) { return Contains(c.get(), id); });
}

Node* FindGroup(Node* node, UINT id)
{
    if (node->IsGroup())
        return Contains(node, id) ? node : nullptr;
    for (auto& c : node->children)
        if (Node* g = FindGroup(c.get(), id))
            return g;
    return nullptr;
}

// Drops empty groups and splits left with one child; true when nothing is left.
bool Prune(std::unique_ptr<Node>& slot)
{
    Node* n = slot.get();
    if (n->IsGroup())
        return n->panes.empty();
    for (size_t i = 0; i < n->children.size();) {
        if (Prune(n->children[i])) {
            n->children.erase(n->children.begin() + static_cast<long>(i));
            n->weights.erase(n->weights.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    if (n->children.empty())
        return true;
    if (n->children.size() == 1) {
        std::unique_ptr<Node> only = std::move(n->children[0]);
        slot = std::move(only);
    }
    return false;
}

std::unique_ptr<Node> NewGroup(UINT id)
{
    auto g = std::make_unique<Node>();
    g->panes.push_back(id);
    return g;
}

} // namespace

std::unique_ptr<Node> Node::Clone() const
{
    auto n = std::make_unique<Node>();
    n->panes = panes;
    n->selected = selected;
    n->horizontal = horizontal;
    n->weights = weights;
    n->rect = rect;
    for (const auto& c : children)
        n->children.push_back(c->Clone());
    return n;
}

UINT Node::SelectedPane() const
{
    if (panes.empty())
        return 0;
    return panes[static_cast<size_t>(std::clamp(selected, 0, static_cast<int>(panes.size()) - 1))];
}

Model& Model::operator=(const Model& other)
{
    if (this == &other)
        return *this;
    edges.clear();
    for (const Edge& e : other.edges)
        edges.push_back(Edge{e.dir, e.size, e.node->Clone(), e.rect});
    floats.clear();
    for (const Floating& f : other.floats)
        floats.push_back(Floating{f.rect, f.node->Clone()});
    hidden = other.hidden;
    closed = other.closed;
    panes = other.panes;
    lastDir = other.lastDir;
    return *this;
}

PaneState Model::StateOf(UINT id) const
{
    for (const Edge& e : edges)
        if (Contains(e.node.get(), id))
            return PaneState::Docked;
    for (const Floating& f : floats)
        if (Contains(f.node.get(), id))
            return PaneState::Floating;
    if (HiddenOf(id) >= 0)
        return PaneState::Hidden;
    return PaneState::Closed;
}

Node* Model::GroupOf(UINT id) const
{
    for (const Edge& e : edges)
        if (Node* g = FindGroup(e.node.get(), id))
            return g;
    for (const Floating& f : floats)
        if (Node* g = FindGroup(f.node.get(), id))
            return g;
    return nullptr;
}

int Model::EdgeOf(const Node* node) const
{
    for (size_t i = 0; i < edges.size(); ++i) {
        auto& slot = const_cast<std::unique_ptr<Node>&>(edges[i].node);
        if (SlotOf(slot, node))
            return static_cast<int>(i);
    }
    return -1;
}

int Model::FloatOf(const Node* node) const
{
    for (size_t i = 0; i < floats.size(); ++i) {
        auto& slot = const_cast<std::unique_ptr<Node>&>(floats[i].node);
        if (SlotOf(slot, node))
            return static_cast<int>(i);
    }
    return -1;
}

int Model::HiddenOf(UINT id) const
{
    for (size_t i = 0; i < hidden.size(); ++i)
        if (std::find(hidden[i].panes.begin(), hidden[i].panes.end(), id) != hidden[i].panes.end())
            return static_cast<int>(i);
    return -1;
}

void Model::Remove(UINT id)
{
    closed.erase(std::remove(closed.begin(), closed.end(), id), closed.end());
    for (size_t i = 0; i < hidden.size();) {
        auto& p = hidden[i].panes;
        p.erase(std::remove(p.begin(), p.end(), id), p.end());
        if (p.empty())
            hidden.erase(hidden.begin() + static_cast<long>(i));
        else
            ++i;
    }
    Node* g = GroupOf(id);
    if (!g)
        return;
    const auto at = std::find(g->panes.begin(), g->panes.end(), id) - g->panes.begin();
    g->panes.erase(g->panes.begin() + at);
    if (g->selected > at || g->selected >= static_cast<int>(g->panes.size()))
        g->selected = std::max(0, g->selected - 1);
    for (size_t i = 0; i < edges.size();) {
        if (Prune(edges[i].node))
            edges.erase(edges.begin() + static_cast<long>(i));
        else
            ++i;
    }
    for (size_t i = 0; i < floats.size();) {
        if (Prune(floats[i].node))
            floats.erase(floats.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

void Model::Groups(Node* node, std::vector<Node*>& out)
{
    if (node->IsGroup()) {
        out.push_back(node);
        return;
    }
    for (auto& c : node->children)
        Groups(c.get(), out);
}

XTPDockingPaneDirection Model::LastDirection(UINT id) const
{
    for (const auto& [pane, dir] : lastDir)
        if (pane == id)
            return dir;
    return xtpPaneDockLeft;
}

void Model::SetLastDirection(UINT id, XTPDockingPaneDirection dir)
{
    for (auto& entry : lastDir)
        if (entry.first == id) {
            entry.second = dir;
            return;
        }
    lastDir.emplace_back(id, dir);
}

void Model::DockAtEdge(UINT id, XTPDockingPaneDirection dir, int size)
{
    Remove(id);
    edges.insert(edges.begin(), Edge{dir, std::max(size, 16), NewGroup(id), CRect()});
    SetLastDirection(id, dir);
}

void Model::DockBeside(UINT id, UINT neighbour, XTPDockingPaneDirection dir, int size)
{
    Remove(id);
    Node* target = GroupOf(neighbour);
    if (!target) {
        DockAtEdge(id, dir, size);
        return;
    }
    const bool sideBySide = IsVertical(dir);
    const bool before = dir == xtpPaneDockLeft || dir == xtpPaneDockTop;
    const int weight = std::max(size, 16);
    std::unique_ptr<Node>* slot = nullptr;
    Node* root = nullptr;
    const int edge = EdgeOf(target);
    if (edge >= 0) {
        slot = SlotOf(edges[static_cast<size_t>(edge)].node, target);
        root = edges[static_cast<size_t>(edge)].node.get();
        SetLastDirection(id, edges[static_cast<size_t>(edge)].dir);
    } else {
        const int f = FloatOf(target);
        slot = SlotOf(floats[static_cast<size_t>(f)].node, target);
        root = floats[static_cast<size_t>(f)].node.get();
    }
    size_t index = 0;
    Node* parent = ParentOf(root, target, &index);
    if (parent && parent->horizontal == sideBySide) {
        const size_t at = before ? index : index + 1;
        parent->children.insert(parent->children.begin() + static_cast<long>(at), NewGroup(id));
        parent->weights.insert(parent->weights.begin() + static_cast<long>(at), weight);
        return;
    }
    const int old = sideBySide ? target->rect.Width() : target->rect.Height();
    auto split = std::make_unique<Node>();
    split->horizontal = sideBySide;
    std::unique_ptr<Node> existing = std::move(*slot);
    if (before) {
        split->children.push_back(NewGroup(id));
        split->children.push_back(std::move(existing));
        split->weights = {weight, old > 0 ? old : weight};
    } else {
        split->children.push_back(std::move(existing));
        split->children.push_back(NewGroup(id));
        split->weights = {old > 0 ? old : weight, weight};
    }
    *slot = std::move(split);
}

void Model::AttachTo(UINT id, UINT target)
{
    if (id == target)
        return;
    const int h = HiddenOf(target);
    if (h >= 0) {
        Remove(id);
        hidden[static_cast<size_t>(HiddenOf(target))].panes.push_back(id);
        return;
    }
    if (!GroupOf(target))
        return;
    Remove(id);
    Node* g = GroupOf(target);
    g->panes.push_back(id);
    g->selected = static_cast<int>(g->panes.size()) - 1;
}

void Model::HideGroup(UINT id, XTPDockingPaneDirection dir, int size)
{
    Node* g = GroupOf(id);
    std::vector<UINT> ids = g ? g->panes : std::vector<UINT>{id};
    for (UINT p : ids)
        Remove(p);
    hidden.push_back(Hidden{dir, std::max(size, 16), ids});
}

} // namespace docking
