#pragma once
// The cut-node editor: where the cutting of a piece outline starts, in which direction it runs and
// on which layer. selectCutContour either runs the interactive dialog on a contour and its cut
// nodes or applies one editing command without showing anything.
#include <misc/cutnode/nodeedit.h>
#include <misc/geometry/contour.h>

#include <vector>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

enum ENUM_CUT_CONTOUR_COMMAND {
    CUT_CONTOUR_DIALOG = 0,       // runs the dialog; carried out when closed with OK
    CUT_CONTOUR_FORWARD = 1,      // the current node's start to the next break point (shorter)
    CUT_CONTOUR_BACKWARD = 2,     // the current node's start to the previous break point (longer)
    CUT_CONTOUR_TO_POINT = 3,     // the current node's start as near as it can get to point *value
    CUT_CONTOUR_REVERSE = 4,      // the current node turned round
    CUT_CONTOUR_DIRECTION = 5,    // the current node turned round unless it runs clockwise == *value
    CUT_CONTOUR_NOTHING = 6,      // nothing; never carried out
    CUT_CONTOUR_CLOCKWISE = 7,    // *value = 1 when the current node runs clockwise, else 0
    CUT_CONTOUR_BREAK_POINT = 8,  // *value = isBreakPoint(*value, smooth); never carried out
};

// Returns 1 when the command was carried out and `nodes` rewritten from the edited copy, 0
// otherwise; 0 at once when pts is null or n < 1. current counts from 0 and is limited to the
// last node. When carried out, *currentOut (when given) receives the current node's index and
// *flag (when given) the state of the dialog's extra check box. On input *flag != 0 sets that box
// and a null flag hides it; *currentOut + 1 preselects a start point. Commands 3, 5, 7 and 8 need
// value: without it they are not carried out and change nothing.
AFX_EXT_API int selectCutContour(HWND parent, const InterfacePoint* pts, int n, int closed, const char* title,
                                 CArray<tagCutNode, tagCutNode>& nodes, ENUM_CUT_CONTOUR_COMMAND command,
                                 int current, int* value, int* flag, InterfacePoint* startPoints, int nStartPoints,
                                 int* currentOut, int instant, std::vector<bool>* smooth);

// The editor's state without a window: the contour, a private copy of its nodes, the current
// node and the settings of the dialog's check boxes. The commands and the dialog's buttons are
// operations on it.
class AFX_EXT_CLASS CCutNodeEditor {
public:
    CCutNodeEditor(const InterfacePoint* pts, int n, int closed, const CArray<tagCutNode, tagCutNode>& nodes,
                   std::vector<bool>* smooth);

    const myContour& Contour() const { return m_contour; }
    int PointCount() const { return m_n; }
    int Closed() const { return m_closed; }
    std::vector<tagCutNode>& Nodes() { return m_nodes; }
    const std::vector<tagCutNode>& Nodes() const { return m_nodes; }
    int Current() const { return m_current; }
    // Limited to 0 .. last node.
    void SetCurrent(int index);

    bool singleStep = false; // moves stop after one point
    bool overlap = false;    // overlapping nodes: the others are not re-fitted
    bool extra = false;      // the caller's extra check box

    CutNodeContext Context() const;
    bool IsBreakPoint(int point) const;
    bool CurrentClockwise() const;

    // Editing the current node; each re-fits the others (unless overlap) and says whether the
    // node list changed.
    bool MoveStart(bool forward);
    bool MoveEnd(bool forward);
    bool MoveStartTowards(int point);
    bool Reverse();
    bool SetClockwise(bool clockwise);
    // Whether the move would change the current node (the dialog enables its buttons by it).
    bool CanMoveStart(bool forward) const;
    bool CanMoveEnd(bool forward) const;
    // Adds a node after the current one (see the dialog) and makes it current.
    void AddNode();
    // Deletes the current node; never the last one.
    bool DeleteNode();
    // Moves the current node to position index (0-based) of the list.
    void Renumber(int index);
    // The first node starts at the break point nearest to `at`, towards the nearer neighbour of
    // that point, as the whole loop (length 0).
    void SnapFirstNode(InterfacePoint at);
    // On a closed contour a single node becomes the whole loop (after the start moved).
    void SingleNodeLoop();

    // The node list written back into an array.
    void CopyTo(CArray<tagCutNode, tagCutNode>& nodes) const;

private:
    bool Apply(const tagCutNode& moved);
    myContour m_contour;
    int m_n;
    int m_closed;
    std::vector<tagCutNode> m_nodes;
    int m_current = 0;
    std::vector<bool>* m_smooth;
};

MISC_PUBLIC_END
