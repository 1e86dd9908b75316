// selectCutContour: one command on a copy of the nodes, or the dialog.
#include <misc/cutnode/cutnode.h>

#include "cutnode_dialog.h"

int selectCutContour(HWND parent, const InterfacePoint* pts, int n, int closed, const char* title,
                     CArray<tagCutNode, tagCutNode>& nodes, ENUM_CUT_CONTOUR_COMMAND command, int current,
                     int* value, int* flag, InterfacePoint* startPoints, int nStartPoints, int* currentOut,
                     int instant, std::vector<bool>* smooth)
{
    if (!pts || n < 1)
        return 0;
    CCutNodeEditor editor(pts, n, closed, nodes, smooth);
    editor.SetCurrent(current);
    editor.extra = flag && *flag;
    bool carriedOut = false;
    switch (command) {
    case CUT_CONTOUR_DIALOG: {
        CutNodeDialogArgs args{parent, title, startPoints, nStartPoints, currentOut ? *currentOut + 1 : 0,
                               instant != 0, flag != nullptr};
        carriedOut = RunCutNodeDialog(editor, args);
        break;
    }
    case CUT_CONTOUR_FORWARD:
    case CUT_CONTOUR_BACKWARD:
        editor.MoveStart(command == CUT_CONTOUR_FORWARD);
        editor.SingleNodeLoop();
        carriedOut = true;
        break;
    case CUT_CONTOUR_TO_POINT:
        if (value) {
            editor.MoveStartTowards(*value);
            carriedOut = true;
        }
        break;
    case CUT_CONTOUR_REVERSE:
        editor.Reverse();
        carriedOut = true;
        break;
    case CUT_CONTOUR_DIRECTION:
        // The wanted direction is required; without it nothing is turned and nothing rewritten.
        if (value) {
            editor.SetClockwise(*value != 0);
            carriedOut = true;
        }
        break;
    case CUT_CONTOUR_CLOCKWISE:
        if (value) {
            *value = editor.CurrentClockwise() ? 1 : 0;
            carriedOut = true;
        }
        break;
    case CUT_CONTOUR_BREAK_POINT:
        if (value)
            *value = editor.IsBreakPoint(*value) ? 1 : 0;
        break;
    case CUT_CONTOUR_NOTHING:
    default: break;
    }
    if (!carriedOut)
        return 0;
    if (currentOut)
        *currentOut = editor.Current();
    editor.CopyTo(nodes);
    if (flag)
        *flag = editor.extra ? 1 : 0;
    return 1;
}
