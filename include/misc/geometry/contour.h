#pragma once
// Contours and cut nodes.
//
// A contour is a polyline or polygon of InterfacePoint with cached measures and a list of cut
// nodes. A cut node marks a run of consecutive edges with a direction of travel, a layer and
// flags: where a cutting or plotting program starts on the outline, which way it goes and how far.
#include <afxtempl.h>

#include <misc/geometry/types.h>

#include <iosfwd>
#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

// A run of contour edges.
struct tagCutNode
{
    // First point and direction: s >= 0 is point s travelling forwards, s < 0 is point ~s
    // travelling backwards.
    int start;
    // Number of edges; 0 on a closed contour is the whole loop.
    int length;
    // Layer of the run; 0 is none.
    int layer;
    // CUTNODE_* bits.
    int flags;
};

// Bits of tagCutNode::flags.
enum : int {
    CUTNODE_ALTERNATIVE = 1,   // an alternative run
    CUTNODE_ALT_CLOCKWISE = 2, // with CUTNODE_ALTERNATIVE: clockwise when set
    CUTNODE_DIALOG_LAYER = 8,  // the layer comes from the dialog's own layer field
};

// Index arithmetic of a node on a contour of n points. Results are in 0 .. n - 1 (0 when n < 1),
// whatever the values stored in the node.
//
// First point: (s >= 0 ? s : ~s) mod n.
AFX_EXT_API int miscNodeFirstPoint(const tagCutNode& node, int n);
// End point: length steps from the first point in the node's direction.
AFX_EXT_API int miscNodeEndPoint(const tagCutNode& node, int n);
// Whether the node runs clockwise on a contour of that orientation (myContour::getCW()).
AFX_EXT_API bool miscNodeClockwise(const tagCutNode& node, int cw);
// The longest run the node can have: n on a closed contour, otherwise the points left in its
// direction (n - 1 - first forwards, first backwards).
AFX_EXT_API int miscNodeAvailable(const tagCutNode& node, int n, int closed);

class AFX_EXT_CLASS myContour : public CArray<InterfacePoint, InterfacePoint>
{
public:
    // Copies the points (the single point (0, 0) when pts is null or n < 1) and, when the contour
    // has at least two points, the nodes; then updateParameters.
    myContour(const InterfacePoint* pts = nullptr, int n = 0, int closed = 0, const tagCutNode* nodes = nullptr,
              int nNodes = 0);
    myContour(const InterfacePoint* pts, int n, int closed, CArray<tagCutNode, tagCutNode>& nodes);
    // Copies points, closed and nodes; the measures are recomputed.
    myContour(const myContour& other);
    ~myContour() override;

    // Recomputes orientation, area, perimeter and extreme points; call it after changing points.
    void updateParameters();

    int getCW() const { return cw; }
    double getArea() const { return area; }
    double getPerimeter() const { return perimeter; }
    double getXmin() const;
    double getYmin() const;
    double getXmax() const;
    double getYmax() const;
    double getXsize() const { return getXmax() - getXmin(); }
    double getYsize() const { return getYmax() - getYmin(); }
    double getXcenter() const { return (getXmax() + getXmin()) / 2.0; }
    double getYcenter() const { return (getYmax() + getYmin()) / 2.0; }
    int getNumNodes() const { return static_cast<int>(nodes.GetSize()); }

    // Length of the edge from point i to i + 1 (previous = 0) or to i - 1, indices modulo n.
    double getEdgeLength(int i, int previous) const;
    // Inner angle at point i in [0, 2 pi]; pi on a straight run, below pi at a convex corner.
    double anglePoint(int i) const;
    // 1 when point i is a corner; points marked true in smooth never are.
    int isBreakPoint(int i, std::vector<bool>* smooth) const;
    // Index of the point nearest to p, among all points or among break points only.
    int findNearestPoint(InterfacePoint p, int all) const;

    // Non-zero for a closed polygon, 0 for an open polyline.
    int closed;
    CArray<tagCutNode, tagCutNode> nodes;

protected:
    int cw;
    double area;
    double perimeter;
    int xMinIndex;
    int yMinIndex;
    int xMaxIndex;
    int yMaxIndex;

private:
    void SetPoints(const InterfacePoint* pts, int n);
    double AngleAt(int cur) const;
    int BreakPointWith(int i, const std::vector<bool>* smooth, double angle0) const;
};

// A new contour built as by the first constructor, or null when it cannot be allocated. Free it
// with miscFreeContour only.
AFX_EXT_API myContour* miscGetContour(const InterfacePoint* pts, int n, int closed, const tagCutNode* nodes,
                                      int nNodes);
// Destroys a contour from miscGetContour and sets c to null; a null c is left alone.
AFX_EXT_API void miscFreeContour(myContour*& c);

AFX_EXT_API std::ostream& operator<<(std::ostream& os, const tagCutNode& node);

MISC_PUBLIC_END
