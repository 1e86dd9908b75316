#pragma once
// Layout reset: returns a host's workspace (tool bars and their buttons, keyboard shortcuts,
// docking panes) to the factory state the host saved under fixed names at its first start:
// the docking layout "DefaultLayout" and the command bars' settings and state
// "DefaultCommandBars". CResetLayoutDlg asks which of the three to reset.
#include <afxwin.h>

#include "misc_export.h"
MISC_PUBLIC_BEGIN

class CXTPDockingPaneManager;
class CXTPFrameWnd;
class CXTPMDIFrameWnd;
class CXTPCommandBars;

// The names of the factory states.
#define MISC_DEFAULT_LAYOUT "DefaultLayout"
#define MISC_DEFAULT_COMMANDBARS "DefaultCommandBars"

class AFX_EXT_CLASS CResetLayoutDlg : public CDialog
{
public:
    CResetLayoutDlg(); // no parent
    enum { IDD = 504 };

    // The choices, 0 or 1 each; filled from the check boxes when the dialog closes with OK.
    int m_resetToolbars = 0;
    int m_resetShortcuts = 0;
    int m_resetPanes = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

// Resets what is asked for; with `ask`, the dialog's choices replace the three flags and
// anything but OK changes nothing.
AFX_EXT_API void ResetAppLayout(CXTPDockingPaneManager* manager, CXTPFrameWnd* frame, CXTPMDIFrameWnd* mdiFrame,
                                int ask, int toolbars, int shortcuts, int panes);
// Gives every built-in tool bar its factory buttons; other bars are switched off.
AFX_EXT_API void ResetToolbarsContent(CXTPCommandBars* bars);

MISC_PUBLIC_END
