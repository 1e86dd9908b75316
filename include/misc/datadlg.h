#pragma once
// Public interface of the data subsystem's dialogs. Each class family has its own header under
// misc/datadlg/.
#include <afx.h>

#include "misc/datadlg/lbedit.h"
#include "misc/datadlg/locate.h"
#include "misc/datadlg/vmxcombo.h"
#include "misc/datadlg/comment_dlg.h"
#include "misc/datadlg/versions_dlg.h"
#include "misc/datadlg/toolslayers.h"
#include "misc/datadlg/materialbitmap.h"
#include "misc/datadlg/emaildlg.h"
