// Moving, re-fitting and comparing cut nodes: the rules of the cut-node editor as pure functions.
#include <misc/cutnode/nodeedit.h>

#include <cstdint>

namespace {

int Wrap(int64_t v, int n)
{
    const int64_t r = v % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

bool Forward(const tagCutNode& node) { return node.start >= 0; }

tagCutNode StartingAt(const tagCutNode& node, int point, bool forward)
{
    tagCutNode moved = node;
    moved.start = forward ? point : ~point;
    return moved;
}

bool IsBreak(const CutNodeContext& ctx, int point) { return ctx.isBreak ? ctx.isBreak(point) : true; }

// Steps the length by +1 or -1 until the end point is a break point, the length leaves
// 1 .. available - 1, or after one step in single-step mode.
int StepEnd(const tagCutNode& node, int length, bool forward, int available, const CutNodeContext& ctx)
{
    tagCutNode probe = node;
    for (;;) {
        length += forward ? 1 : -1;
        if (length < 1 || length >= available)
            return length;
        probe.length = length;
        if (IsBreak(ctx, miscNodeEndPoint(probe, ctx.n)) || ctx.singleStep)
            return length;
    }
}

} // namespace

int miscCutNodeStepsTo(const tagCutNode& node, int t, int n)
{
    if (n < 1)
        return 0;
    const int p0 = miscNodeFirstPoint(node, n);
    return Forward(node) ? Wrap(static_cast<int64_t>(t) - p0, n) : Wrap(static_cast<int64_t>(p0) - t, n);
}

tagCutNode miscCutNodeReversed(const tagCutNode& node, int n)
{
    if (n < 1)
        return node;
    return StartingAt(node, miscNodeEndPoint(node, n), !Forward(node));
}

tagCutNode miscCutNodeMoveEnd(const tagCutNode& node, bool forward, const CutNodeContext& ctx)
{
    if (ctx.n < 1)
        return node;
    const int available = miscNodeAvailable(node, ctx.n, ctx.closed);
    int length = node.length;
    const bool proper = length >= 1 && length < available;
    if (!ctx.closed && forward && !proper)
        return node;
    if (!proper)
        length = forward ? 0 : available;
    length = StepEnd(node, length, forward, available, ctx);
    tagCutNode moved = node;
    if (ctx.closed) {
        moved.length = length < 1 || length > available - 1 ? 0 : length;
        return moved;
    }
    if (!forward && length < 1)
        length = StepEnd(node, length < 0 ? 0 : length, true, available, ctx);
    moved.length = length > available ? available : length;
    return moved;
}

tagCutNode miscCutNodeMoveStart(const tagCutNode& node, bool forward, const CutNodeContext& ctx)
{
    const int n = ctx.n;
    if (n < 1)
        return node;
    const bool runsForward = Forward(node);
    int first = miscNodeFirstPoint(node, n);
    if (!ctx.closed && !forward && ((runsForward && first == 0) || (!runsForward && first == n - 1)))
        return node;
    const int available = miscNodeAvailable(node, n, ctx.closed);
    int length = node.length;
    if (length < 1 || length >= available)
        length = forward ? available : 0;
    // Forward: the first point moves along the node (shorter); backward: against it (longer).
    const int step = (forward == runsForward) ? 1 : -1;
    for (;;) {
        first = ctx.closed ? Wrap(static_cast<int64_t>(first) + step, n) : first + step;
        length += forward ? -1 : 1;
        if (first < 0 || first > n - 1) { // an open contour's end: no room left
            first = first < 0 ? 0 : n - 1;
            break;
        }
        if (IsBreak(ctx, first) || length < 1 || ctx.singleStep)
            break;
        const bool roomUsed = ctx.closed ? length >= n
                                         : (!forward && ((runsForward && first == 0) || (!runsForward && first == n - 1)));
        if (roomUsed)
            break;
    }
    tagCutNode moved = StartingAt(node, first, runsForward);
    const int room = miscNodeAvailable(moved, n, ctx.closed);
    if (length < 1 || length >= room)
        length = ctx.closed ? 0 : room;
    moved.length = length;
    return moved;
}

bool miscCutNodeRefit(std::vector<tagCutNode>& nodes, int& current, const tagCutNode& before,
                      const CutNodeContext& ctx)
{
    const int n = ctx.n;
    if (nodes.size() < 2 || before.length < 1 || current < 0 || current >= static_cast<int>(nodes.size()) || n < 1)
        return false;
    const tagCutNode now = nodes[current];
    if (now.length == 0) { // the whole loop: no room for others
        nodes.assign(1, now);
        current = 0;
        return true;
    }
    tagCutNode old = before;
    if (Forward(old) != Forward(now))
        old = miscCutNodeReversed(old, n);
    if (old.start == now.start && old.length == now.length)
        return false;
    const int a0 = miscNodeFirstPoint(old, n), a1 = miscNodeEndPoint(old, n);
    const int b0 = miscNodeFirstPoint(now, n), b1 = miscNodeEndPoint(now, n);
    std::vector<bool> adjusted(nodes.size(), false);
    for (size_t i = 0; i < nodes.size(); ++i) {
        tagCutNode& other = nodes[i];
        if (static_cast<int>(i) == current || other.length < 1)
            continue;
        const bool opposite = Forward(other) != Forward(now);
        const int first = miscNodeFirstPoint(other, n), end = miscNodeEndPoint(other, n);
        if ((opposite && first == a0 && b0 != a0) || (!opposite && first == a1 && b1 != a1)) {
            other = StartingAt(other, opposite ? b0 : b1, Forward(other)); // new start, same end
            other.length = miscCutNodeStepsTo(other, end, n);
            adjusted[i] = true;
        } else if ((opposite && end == a1 && b1 != a1) || (!opposite && end == a0 && b0 != a0)) {
            other.length = miscCutNodeStepsTo(other, opposite ? b1 : b0, n); // same start, new end
            adjusted[i] = true;
        }
    }
    bool removed = false;
    for (int i = static_cast<int>(nodes.size()) - 1; i >= 0; --i) {
        if (!adjusted[i] || (nodes[i].length > 0 && nodes[i].length < n))
            continue;
        nodes.erase(nodes.begin() + i);
        if (i < current)
            --current;
        removed = true;
    }
    return removed;
}

bool miscCutNodesOverlap(const std::vector<tagCutNode>& nodes, int n)
{
    if (n < 1)
        return false;
    struct Interval {
        int lo, hi;
    };
    std::vector<Interval> spans;
    for (const tagCutNode& node : nodes) {
        const int first = miscNodeFirstPoint(node, n), end = miscNodeEndPoint(node, n);
        spans.push_back(Forward(node) ? Interval{first, end} : Interval{end, first});
    }
    auto wrapsInto = [](const Interval& a, const Interval& b) {
        return a.lo > a.hi && (a.lo <= b.lo || b.lo < a.hi || a.lo < b.hi || b.hi <= a.hi);
    };
    for (size_t i = 0; i < spans.size(); ++i) {
        for (size_t j = i + 1; j < spans.size(); ++j) {
            const Interval& a = spans[i];
            const Interval& b = spans[j];
            if ((a.lo <= b.lo && b.lo < a.hi) || (a.lo < b.hi && b.hi <= a.hi) || (b.lo <= a.lo && a.lo < b.hi) ||
                (b.lo < a.hi && a.hi <= b.hi) || wrapsInto(a, b) || wrapsInto(b, a))
                return true;
        }
    }
    return false;
}
