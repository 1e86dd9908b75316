#pragma once
// A sample host frame: the frame a host program of the library builds around its documents,
// kept small enough to read whole. It has a menu bar and two tool bars as command bars, a status
// bar, two docking panes ("Pieces" and "Properties") and a view that draws a pattern piece.
//
// The pattern every host follows:
//   1. register the host's own resources and load the frame from them (menu, accelerators,
//      title); make the command bars and load the tool bars from their tool-bar resources;
//   2. install the docking panes and create them;
//   3. save the factory state under the fixed names (layout reset returns to it), then load the
//      user's own state if there is one;
//   4. apply the user's theme from the profile;
//   5. on closing, save the user's state.
#include <misc/misc.h>
#include <toolkit/dockingpane.h>
#include <toolkit/frame.h>
#include <toolkit/shortcuts.h>

#include <vector>

#include "frame_host/frame_host_res.h"

namespace sample {

// Profile sections of the sample host: its theme settings and its own saved bars and panes.
constexpr const char* kFrameSection = "FrameHost";
constexpr const char* kUserLayout = "FrameHostLayout";
constexpr const char* kUserBars = "FrameHostBars";

// The panes (the first two of the identifiers that layout reset docks back).
constexpr UINT kPanePieces = 6800;
constexpr UINT kPaneProperties = 6806;

// Registers the host's resource module "frame_host.dll" (once).
void RegisterFrameHostResources();

class CFrameHostView : public CView {
public:
    void OnDraw(CDC* dc) override;
};

class CFrameHostFrame : public CXTPFrameWnd {
public:
    // The frame at `rect` (screen coordinates) with its bars, panes and view, shown or hidden.
    // Null when the window system refuses it.
    static CFrameHostFrame* Create(const CRect& rect, bool show);

    CXTPDockingPaneManager* GetDockingPaneManager() { return &m_panes; }
    CFrameHostView* GetView() const { return m_view; }
    // The factory state: the current layout and bars under "DefaultLayout" and
    // "DefaultCommandBars".
    void SaveFactoryState();
    // The user's state under the host's own names; LoadUserState answers whether there was one.
    void SaveUserState();
    bool LoadUserState();

    // Commands the frame handled itself, in order (the sample's "work").
    std::vector<UINT> m_handled;

    afx_msg void OnDocumentCommand(UINT id);
    afx_msg void OnToggleBar(UINT id);
    afx_msg void OnUpdateToggleBar(CCmdUI* ui);
    afx_msg void OnShowPane(UINT id);
    afx_msg void OnThemes();
    afx_msg void OnShortcuts();
    afx_msg void OnResetLayout();
    afx_msg void OnExit();

protected:
    CFrameHostFrame() = default;
    bool Build(const CRect& rect);
    bool CreateBars();
    bool CreatePanes();

    // The panes' windows are declared before the manager so that they outlive it: the manager
    // hands them back to the frame when it goes.
    CListBox m_piecesList;
    CListBox m_propertiesList;
    CXTPDockingPaneManager m_panes;
    CFrameHostView* m_view = nullptr;
    DECLARE_MESSAGE_MAP()
};

} // namespace sample
