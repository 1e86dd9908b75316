#pragma once
// The arithmetic of editing cut nodes, as small pure functions: moving a node's end or start to
// the next break point, re-fitting the other nodes after the current one changed, and the
// overlap test. The cut-node editor (selectCutContour and its dialog) is built on them.
#include <misc/geometry/contour.h>

#include <functional>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// The contour a node lives on, as the editing steps see it.
struct CutNodeContext {
    int n = 0;              // number of points
    int closed = 0;         // non-zero for a closed contour
    bool singleStep = false; // moves stop after one point
    // Whether point i is a break point (myContour::isBreakPoint with the caller's smooth vector).
    std::function<bool(int)> isBreak;
};

// Points from the node's first point to t in its direction: (t - p0) mod n forwards, (p0 - t)
// mod n backwards.
AFX_EXT_API int miscCutNodeStepsTo(const tagCutNode& node, int t, int n);
// The node turned round: it starts at its former end point and runs the other way.
AFX_EXT_API tagCutNode miscCutNodeReversed(const tagCutNode& node, int n);

// Moves the end of the node (its length changes, its start stays) forwards or backwards to the
// next break point. Returns the moved node (equal to node when nothing moves).
AFX_EXT_API tagCutNode miscCutNodeMoveEnd(const tagCutNode& node, bool forward, const CutNodeContext& ctx);
// Moves the start of the node (start and length change together, the end stays).
AFX_EXT_API tagCutNode miscCutNodeMoveStart(const tagCutNode& node, bool forward, const CutNodeContext& ctx);

// Re-fits the other nodes after nodes[current] changed from `before`: removes the others when it
// became the whole loop, moves the neighbours that shared its old ends, removes nodes left
// without a proper length. current follows its node. Returns true when a node was removed.
AFX_EXT_API bool miscCutNodeRefit(std::vector<tagCutNode>& nodes, int& current, const tagCutNode& before,
                                  const CutNodeContext& ctx);

// Whether any two nodes cover common edges (their point intervals overlap, wrapping intervals
// included).
AFX_EXT_API bool miscCutNodesOverlap(const std::vector<tagCutNode>& nodes, int n);

MISC_PUBLIC_END
