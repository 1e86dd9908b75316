#pragma once
// The cut-node dialog (cutcont), run modally on an editor.
#include <misc/cutnode/cutnode.h>

struct CutNodeDialogArgs {
    HWND parent = nullptr;
    const char* title = nullptr;
    const InterfacePoint* startPoints = nullptr;
    int nStartPoints = 0;
    int startPoint = 0; // preselected start point number (1-based; 0 none)
    bool instant = false;
    bool showExtra = true; // the extra check box is shown
};

// True when the person closed the dialog with OK (the editor then holds the result).
bool RunCutNodeDialog(CCutNodeEditor& editor, const CutNodeDialogArgs& args);
