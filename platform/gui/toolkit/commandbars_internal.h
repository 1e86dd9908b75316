#pragma once
// What the command bars' files share: resource look-ups, text measuring and the bar window.
#include "toolkit/commandbars.h"

#include "win32/module.h"

namespace xtpbars {

// The extent of a text in the bars' font.
CSize TextExtent(const CString& text);
// Whether a control shows its caption on a tool bar with these options.
BOOL ShowsCaption(const CXTPControl* control, const CXTPCommandBars* bars, BOOL menuBar);
// Whether a control has an arrow part (split button) or opens a pop-up when clicked.
inline BOOL IsSplit(const CXTPControl* c) { return c->GetType() == xtpControlSplitButtonPopup; }
inline BOOL IsPopup(const CXTPControl* c)
{
    return c->GetType() == xtpControlPopup || c->GetType() == xtpControlButtonPopup;
}
// Width of a split button's arrow part.
constexpr int kArrowWidth = 12;
// Registers the bars' window classes and automation providers (once).
void RegisterClasses();
// Makes the window of a bar inside `dockBar`.
CWnd* CreateBarWindow(CXTPCommandBar* bar, CWnd* dockBar);
// Makes a dock bar window of the frame; `slot` is cleared when the window goes.
CWnd* CreateDockBar(CWnd* frame, XTPBarPosition side, CWnd** slot);
// Gives each visible control of a bar with a window its tool tip at its place.
void SyncToolTips(CXTPCommandBar* bar);
// Shows a text in the site's status bar message pane (the idle text for an empty one).
void ShowStatusText(CFrameWnd* site, const CString& text);

} // namespace xtpbars
