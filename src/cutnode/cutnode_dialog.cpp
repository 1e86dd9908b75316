// The cut-node dialog: not built yet; the command answers "not carried out".
#include "cutnode_dialog.h"

bool RunCutNodeDialog(CCutNodeEditor&, const CutNodeDialogArgs&) { return false; }
