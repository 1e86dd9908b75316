// The cut-node editor's state and its editing operations, shared by the commands and the dialog.
#include <misc/cutnode/cutnode.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double Distance(const InterfacePoint& a, const InterfacePoint& b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool Same(const tagCutNode& a, const tagCutNode& b)
{
    return a.start == b.start && a.length == b.length && a.layer == b.layer && a.flags == b.flags;
}

} // namespace

CCutNodeEditor::CCutNodeEditor(const InterfacePoint* pts, int n, int closed,
                               const CArray<tagCutNode, tagCutNode>& nodes, std::vector<bool>* smooth)
    : m_contour(pts, n, closed), m_n(n > 0 ? n : 0), m_closed(closed), m_smooth(smooth)
{
    for (INT_PTR i = 0; i < nodes.GetSize(); ++i)
        m_nodes.push_back(nodes[i]);
    if (m_nodes.empty()) // an outline without nodes starts with one at point 0
        m_nodes.push_back(tagCutNode{0, 0, 0, 0});
}

void CCutNodeEditor::SetCurrent(int index)
{
    const int last = static_cast<int>(m_nodes.size()) - 1;
    m_current = std::clamp(index, 0, last < 0 ? 0 : last);
}

bool CCutNodeEditor::IsBreakPoint(int point) const
{
    return m_contour.isBreakPoint(point, m_smooth) != 0;
}

CutNodeContext CCutNodeEditor::Context() const
{
    CutNodeContext ctx;
    ctx.n = m_n;
    ctx.closed = m_closed;
    ctx.singleStep = singleStep;
    ctx.isBreak = [this](int point) { return IsBreakPoint(point); };
    return ctx;
}

bool CCutNodeEditor::CurrentClockwise() const
{
    return miscNodeClockwise(m_nodes[m_current], m_contour.getCW());
}

bool CCutNodeEditor::Apply(const tagCutNode& moved)
{
    const tagCutNode before = m_nodes[m_current];
    if (Same(before, moved))
        return false;
    m_nodes[m_current] = moved;
    if (!overlap)
        miscCutNodeRefit(m_nodes, m_current, before, Context());
    return true;
}

bool CCutNodeEditor::MoveStart(bool forward)
{
    return Apply(miscCutNodeMoveStart(m_nodes[m_current], forward, Context()));
}

bool CCutNodeEditor::MoveEnd(bool forward)
{
    return Apply(miscCutNodeMoveEnd(m_nodes[m_current], forward, Context()));
}

bool CCutNodeEditor::CanMoveStart(bool forward) const
{
    const int least = m_closed ? 2 : 3; // too few points leave nothing to move
    if (m_n < least)
        return false;
    return !Same(miscCutNodeMoveStart(m_nodes[m_current], forward, Context()), m_nodes[m_current]);
}

bool CCutNodeEditor::CanMoveEnd(bool forward) const
{
    const int least = m_closed ? 2 : 3;
    if (m_n < least)
        return false;
    return !Same(miscCutNodeMoveEnd(m_nodes[m_current], forward, Context()), m_nodes[m_current]);
}

bool CCutNodeEditor::MoveStartTowards(int point)
{
    if (m_n < 1)
        return false;
    const int target = ((point % m_n) + m_n) % m_n;
    const InterfacePoint at = m_contour[target];
    const CutNodeContext ctx = Context();
    auto distance = [&](const tagCutNode& node) { return Distance(m_contour[miscNodeFirstPoint(node, m_n)], at); };
    const tagCutNode start = m_nodes[m_current];
    tagCutNode best = start;
    for (bool forward : {true, false}) {
        tagCutNode node = start;
        for (int step = 0; step < m_n && miscNodeFirstPoint(node, m_n) != target; ++step) {
            tagCutNode next = miscCutNodeMoveStart(node, forward, ctx);
            if (Same(next, node))
                break;
            node = next;
            if (distance(node) < distance(best))
                best = node;
        }
    }
    return Apply(best);
}

bool CCutNodeEditor::Reverse()
{
    return Apply(miscCutNodeReversed(m_nodes[m_current], m_n));
}

bool CCutNodeEditor::SetClockwise(bool clockwise)
{
    return CurrentClockwise() != clockwise ? Reverse() : false;
}

void CCutNodeEditor::SingleNodeLoop()
{
    if (m_closed && m_nodes.size() == 1)
        m_nodes[0].length = 0;
}

void CCutNodeEditor::AddNode()
{
    if (m_n < 1)
        return;
    const CutNodeContext ctx = Context();
    tagCutNode& current = m_nodes[m_current];
    const bool forward = current.start >= 0;
    tagCutNode added{0, 0, 0, 0};
    const tagCutNode cut = miscCutNodeMoveEnd(current, false, ctx);
    if (cut.length >= 1 && current.length > cut.length) {
        // The current node gives up its last stretch to the new one.
        const int end = miscNodeEndPoint(cut, m_n);
        added.start = forward ? end : ~end;
        added.length = current.length - cut.length;
        current.length = cut.length;
    } else {
        // The new node runs from the current one's end to the nearest point where another node
        // starts (or ends, for one running the other way).
        const int end = miscNodeEndPoint(current, m_n);
        added.start = forward ? end : ~end;
        int nearest = std::numeric_limits<int>::max();
        for (size_t i = 0; i < m_nodes.size(); ++i) {
            if (static_cast<int>(i) == m_current)
                continue;
            const tagCutNode& other = m_nodes[i];
            const bool same = (other.start >= 0) == forward;
            const int meet = same ? miscNodeFirstPoint(other, m_n) : miscNodeEndPoint(other, m_n);
            const int steps = miscCutNodeStepsTo(added, meet, m_n);
            if (steps > 0 && steps < nearest)
                nearest = steps;
        }
        const int room = miscNodeAvailable(added, m_n, m_closed);
        added.length = nearest == std::numeric_limits<int>::max() ? miscCutNodeMoveEnd(added, false, ctx).length
                                                                  : std::min(nearest, room);
    }
    m_nodes.insert(m_nodes.begin() + m_current + 1, added);
    ++m_current;
}

bool CCutNodeEditor::DeleteNode()
{
    if (m_nodes.size() < 2)
        return false;
    m_nodes.erase(m_nodes.begin() + m_current);
    SetCurrent(m_current);
    return true;
}

void CCutNodeEditor::Renumber(int index)
{
    const tagCutNode node = m_nodes[m_current];
    m_nodes.erase(m_nodes.begin() + m_current);
    const int at = std::clamp(index, 0, static_cast<int>(m_nodes.size()));
    m_nodes.insert(m_nodes.begin() + at, node);
    m_current = at;
}

void CCutNodeEditor::SnapFirstNode(InterfacePoint at)
{
    if (m_n < 1)
        return;
    const int k = m_contour.findNearestPoint(at, 0);
    const int before = m_closed ? (k + m_n - 1) % m_n : std::max(k - 1, 0);
    const int after = m_closed ? (k + 1) % m_n : std::min(k + 1, m_n - 1);
    const bool forward = Distance(m_contour[after], at) < Distance(m_contour[before], at);
    m_nodes[0].start = forward ? k : ~k;
    m_nodes[0].length = 0;
}

void CCutNodeEditor::CopyTo(CArray<tagCutNode, tagCutNode>& nodes) const
{
    nodes.RemoveAll();
    for (const tagCutNode& node : m_nodes)
        nodes.Add(node);
}
